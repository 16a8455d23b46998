#ifndef SUBJECTSPAGEBENCH_H
#define SUBJECTSPAGEBENCH_H

class BenchReport;

// The subjects and teachers pages on the generated academy: opening each,
// filtering each key by key, and a teacher's settlement up to its preview.
void benchSubjectsAndTeachersPages(BenchReport& report, int runs);

#endif // SUBJECTSPAGEBENCH_H
