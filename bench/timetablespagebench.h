#ifndef TIMETABLESPAGEBENCH_H
#define TIMETABLESPAGEBENCH_H

class BenchReport;
class QString;

// The timetables section on the generated academy: opening it, switching
// views and entries, redrawing after an edit and printing, each with the
// paint of the page. pdfFolder receives the printed timetable.
void benchTimetablesPage(BenchReport& report, int runs, const QString& pdfFolder);

#endif // TIMETABLESPAGEBENCH_H
