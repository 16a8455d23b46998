#ifndef BILLSYEARBENCH_H
#define BILLSYEARBENCH_H

class BenchReport;

// The bills page over every bill of the generated academy (a whole year):
// opening on that period, filter keystrokes, sorting, a step of either date
// and of the paid state, and clearing the filter.
void billsYearBench(BenchReport& report, int runs);

#endif // BILLSYEARBENCH_H
