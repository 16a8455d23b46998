#include "acalendarsetup.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QMenu>
#include <QToolButton>

namespace {
bool shortDayNamesAgree(const QLocale& locale)
{
    const bool firstAbbreviated = locale.dayName(Qt::Monday, QLocale::ShortFormat).endsWith(QLatin1Char('.'));
    for (int day = Qt::Tuesday; day <= Qt::Sunday; ++day)
        if (locale.dayName(day, QLocale::ShortFormat).endsWith(QLatin1Char('.')) != firstAbbreviated)
            return false;
    return true;
}

// Stand-alone month names that differ from the names in a date only by case.
bool standaloneMonthsMiscased(const QLocale& locale)
{
    for (int month = 1; month <= 12; ++month) {
        const QString standalone = locale.standaloneMonthName(month);
        const QString inDate = locale.monthName(month);
        if (standalone == inDate || standalone.compare(inDate, Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}

// A stand-alone month name as a date writes it; any other text as it is.
QString monthAsInDate(const QString& text, const QLocale& locale)
{
    for (int month = 1; month <= 12; ++month)
        if (text == locale.standaloneMonthName(month))
            return locale.monthName(month);
    return text;
}
} // namespace

ACalendarSetup::ACalendarSetup(QObject* parent) : QObject(parent) {}

void ACalendarSetup::apply(QCalendarWidget* calendar)
{
    const QLocale locale = calendar->locale();
    if (!shortDayNamesAgree(locale))
        calendar->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    if (!standaloneMonthsMiscased(locale))
        return;
    renameMonths(calendar);
    // the calendar writes the month's name again on every page
    connect(calendar, &QCalendarWidget::currentPageChanged, calendar, [calendar]() { renameMonths(calendar); });
}

void ACalendarSetup::renameMonths(QCalendarWidget* calendar)
{
    auto* monthButton = calendar->findChild<QToolButton*>(QStringLiteral("qt_calendar_monthbutton"));
    if (!monthButton)
        return;
    const QLocale locale = calendar->locale();
    monthButton->setText(monthAsInDate(monthButton->text(), locale));
    if (QMenu* menu = monthButton->menu())
        for (QAction* action : menu->actions())
            action->setText(monthAsInDate(action->text(), locale));
}

bool ACalendarSetup::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Polish) {
        if (auto* calendar = qobject_cast<QCalendarWidget*>(watched))
            apply(calendar);
    }
    return QObject::eventFilter(watched, event);
}
