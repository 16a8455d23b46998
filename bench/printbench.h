#ifndef PRINTBENCH_H
#define PRINTBENCH_H

#include <QString>

class BenchReport;

// The long print jobs straight to PDF: the whole current student list, and
// 5,000 bills with the peak resident memory they add.
void benchPrinting(BenchReport& report, int runs, const QString& workDir);

#endif // PRINTBENCH_H
