#include "adatehelper.h"

ADateHelper::ADateHelper(QObject* parent)
    : QObject(parent)
{
}

namespace {
QDate fixedToday;
}

QDate ADateHelper::today()
{
    return fixedToday.isValid() ? fixedToday : QDate::currentDate();
}

void ADateHelper::setToday(const QDate& day)
{
    fixedToday = day;
}

QDate ADateHelper::firstDayOfMonth()
{
    return firstDayOfMonth(today());
}

QDate ADateHelper::lastDayOfPreviousMonth()
{
    return lastDayOfPreviousMonth(today());
}

QDate ADateHelper::firstDayOfNextMonth()
{
    return firstDayOfNextMonth(today());
}

QDate ADateHelper::firstDayOfMonth(const QDate& day)
{
    return QDate(day.year(), day.month(), 1);
}

QDate ADateHelper::lastDayOfPreviousMonth(const QDate& day)
{
    return firstDayOfMonth(day).addDays(-1);
}

QDate ADateHelper::firstDayOfNextMonth(const QDate& day)
{
    return firstDayOfMonth(day).addMonths(1);
}
