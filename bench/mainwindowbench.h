#ifndef MAINWINDOWBENCH_H
#define MAINWINDOWBENCH_H

#include "benchreport.h"

#include <QString>

// The program as a user meets it, each run in a fresh process on a copy of
// the generated academy: from the start of main to the main window shown
// (the password typed by the bench), switching between the sections, and the
// peak resident memory once every section has been shown.
void benchMainWindow(BenchReport& report, const QString& academyFile, int runs);

// In the child process the parent starts: runs one start-up, prints its
// figures and answers the exit status; -1 in any other process.
int mainWindowBenchChild(int argc, char** argv);

#endif // MAINWINDOWBENCH_H
