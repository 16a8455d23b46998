#ifndef ATIMETABLESESSION_H
#define ATIMETABLESESSION_H

#include <QString>

// One box of a timetable canvas.
struct ATimeTableSession
{
    enum Status { Normal = 0, WithoutTeacher = 1, Overlapping = 2 };

    QString text;
    QString toolTip;
    int columnId = 0;
    // chooses the fill; see Status
    int status = Normal;
    int id = 0;
    int startMinute = 0;
    int endMinute = 0;
};

#endif // ATIMETABLESESSION_H
