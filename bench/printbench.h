#ifndef PRINTBENCH_H
#define PRINTBENCH_H

#include <QList>
#include <QString>

class BenchReport;

// The long print jobs straight to PDF: the whole current student list, and
// 5,000 and 60,000 bills with the peak resident memory they add (a few
// hundred on a small academy).
void benchPrinting(BenchReport& report, int students, int runs, const QString& workDir);
// Prints these bills to a PDF file as the bills page does; false when the
// print did not complete.
bool printBillsToPdf(const QList<int>& ids, const QString& pdf);

#endif // PRINTBENCH_H
