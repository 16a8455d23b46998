#ifndef COURSESPAGEBENCH_H
#define COURSESPAGEBENCH_H

class BenchReport;
class QString;

// The courses page on the generated academy: opening it, and the student
// listing of ten course shifts rendered page by page as its preview does.
void medirPaginaCursos(BenchReport& report, int runs, const QString& carpeta);

#endif // COURSESPAGEBENCH_H
