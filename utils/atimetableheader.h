#ifndef ATIMETABLEHEADER_H
#define ATIMETABLEHEADER_H

#include <QString>

// One column of a timetable canvas: a weekday, a classroom, ...
struct ATimeTableHeader
{
    QString text;
    QString toolTip;
    // sessions name their column by this id
    int id = 0;
};

#endif // ATIMETABLEHEADER_H
