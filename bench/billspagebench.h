#ifndef BILLSPAGEBENCH_H
#define BILLSPAGEBENCH_H

#include <QString>

class BenchReport;

// The bills page on the generated academy: opening on the month's bills, one
// filter keystroke, the month's generation from the page beside the model
// layer's own, and 500 bills printed to PDF. Leaves the month's bills in place.
void billsPageBench(BenchReport& report, int alumnos, int runs, const QString& workDir);

#endif // BILLSPAGEBENCH_H
