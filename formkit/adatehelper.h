#ifndef ADATEHELPER_H
#define ADATEHELPER_H

#include <QDate>
#include <QObject>

// Month boundaries of today's date, the default bounds of date ranges.
class ADateHelper : public QObject
{
    Q_OBJECT
public:
    explicit ADateHelper(QObject* parent = nullptr);

    // The local date, or the day set with setToday().
    static QDate today();
    // Fixes what today() answers, for tests near midnight; a null date
    // returns to the clock.
    static void setToday(const QDate& day);

    static QDate firstDayOfMonth();
    static QDate lastDayOfPreviousMonth();
    static QDate firstDayOfNextMonth();

    // The same bounds for any day; the ones above use today.
    static QDate firstDayOfMonth(const QDate& day);
    static QDate lastDayOfPreviousMonth(const QDate& day);
    static QDate firstDayOfNextMonth(const QDate& day);
};

#endif // ADATEHELPER_H
