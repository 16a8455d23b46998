#include "adatehelper.h"

ADateHelper::ADateHelper(QObject* parent)
    : QObject(parent)
{
}

QDate ADateHelper::firstDayOfMonth()
{
    return firstDayOfMonth(QDate::currentDate());
}

QDate ADateHelper::lastDayOfPreviousMonth()
{
    return lastDayOfPreviousMonth(QDate::currentDate());
}

QDate ADateHelper::firstDayOfNextMonth()
{
    return firstDayOfNextMonth(QDate::currentDate());
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
