#ifndef PROCESSFACTS_H
#define PROCESSFACTS_H

#include <QByteArray>
#include <QString>

// What the system tells about this process and the files it wrote.
namespace ProcessFacts {
// A line of /proc/self/status in MB, e.g. "VmHWM:" (the peak) or "VmRSS:";
// -1 when it cannot be read.
double statusMb(const QByteArray& key);
// Starts the peak over from what the process holds now.
bool resetPeak();
// The pages of a PDF file as pdfinfo counts them; -1 when it cannot tell.
int pdfPages(const QString& pdf);
} // namespace ProcessFacts

#endif // PROCESSFACTS_H
