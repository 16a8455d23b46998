#ifndef ACALENDARSETUP_H
#define ACALENDARSETUP_H

#include <QObject>

class QCalendarWidget;

// Day and month names of every calendar as the language writes them. The
// locale data of some languages (Galician) mixes short day forms ("luns",
// "mar.") and capitalises the stand-alone month names the language writes in
// lower case; installed on the application, it mends each calendar as it is
// first polished, the date editors' pop-ups included.
class ACalendarSetup : public QObject
{
    Q_OBJECT
public:
    explicit ACalendarSetup(QObject* parent = nullptr);
    static void apply(QCalendarWidget* calendar);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static void renameMonths(QCalendarWidget* calendar);
};

#endif // ACALENDARSETUP_H
