#ifndef CHECKREUSEBENCH_H
#define CHECKREUSEBENCH_H

class BenchReport;

// The consistency check when nothing changed since it last ran, and after a
// change to one class session, as the timetables run it after an edit.
void benchCheckReuse(BenchReport& report, int runs);

#endif // CHECKREUSEBENCH_H
