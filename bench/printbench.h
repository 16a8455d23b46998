#ifndef PRINTBENCH_H
#define PRINTBENCH_H

#include <QList>
#include <QString>

class BenchReport;

// The whole current student list printed to PDF from the students page, with
// the longest stretch without processed events meanwhile.
void benchStudentList(BenchReport& report, int runs, const QString& pdf);
// The long print jobs of bills straight to PDF: 5,000 and 60,000 bills and
// every unpaid bill's letter, with the peak resident memory they add and the
// longest stretch without processed events (a few hundred bills on a small
// academy).
void benchPrinting(BenchReport& report, int students, int runs, const QString& workDir);
// Prints these bills to a PDF file as the bills page does; false when the
// print did not complete.
bool printBillsToPdf(const QList<int>& ids, const QString& pdf);
// Prints every unpaid bill's letter to a PDF file as the bills page does
// with nothing selected; false when the print did not complete.
bool printLettersToPdf(const QString& pdf);

#endif // PRINTBENCH_H
