#ifndef STUDENTSPAGEBENCH_H
#define STUDENTSPAGEBENCH_H

class BenchReport;

// The students page on the generated academy: opening it, filtering it key
// by key, and opening one student's sign-ups dialog.
void medirPaginaAlumnos(BenchReport& report, int runs);

#endif // STUDENTSPAGEBENCH_H
