#include "acalendarsetup.h"

#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
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

void ACalendarSetup::apply(QDateTimeEdit* edit)
{
    QString format = edit->displayFormat();
    if (!format.contains(QLatin1String("yy")) || format.contains(QLatin1String("yyyy")))
        return;
    format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    edit->setDisplayFormat(format);
}

// Run before the editor reads its text (it loses the focus, or Enter is
// pressed): a year of one or two digits becomes a full year. Only for
// all-numeric formats, whose digit groups are the sections in order.
void ACalendarSetup::completeTypedYear(QDateTimeEdit* edit)
{
    if (!edit->displayFormat().contains(QLatin1String("yyyy")))
        return;
    auto* line = edit->findChild<QLineEdit*>();
    if (!line)
        return;
    static const QRegularExpression digits(QStringLiteral("\\d+"));
    QList<QRegularExpressionMatch> groups;
    for (const QRegularExpressionMatch& match : digits.globalMatch(line->text()))
        groups << match;
    if (groups.size() != edit->sectionCount())
        return;
    for (int i = 0; i < edit->sectionCount(); ++i) {
        if (edit->sectionAt(i) != QDateTimeEdit::YearSection)
            continue;
        const QRegularExpressionMatch& year = groups.at(i);
        if (year.capturedLength() > 2)
            return;
        const int century = edit->date().isValid() ? edit->date().year() / 100 * 100 : 2000;
        QString text = line->text();
        text.replace(year.capturedStart(), year.capturedLength(), QString::number(century + year.captured().toInt()));
        line->setText(text);
        return;
    }
}

bool ACalendarSetup::swallowSeparator(QDateTimeEdit* edit, const QKeyEvent* key)
{
    const QString text = key->text();
    const bool digit = text.size() == 1 && text.at(0).isDigit();
    const bool movedOn = m_typedIn == edit && edit->currentSection() != m_sectionOfDigit;
    m_typedIn = digit ? edit : nullptr;
    m_sectionOfDigit = edit->currentSection();
    if (digit || !movedOn || text.size() != 1 || text.at(0).isLetterOrNumber() || text.at(0).isSpace())
        return false;
    // only a separator of the format
    return edit->displayFormat().contains(text);
}

bool ACalendarSetup::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Polish:
        if (auto* calendar = qobject_cast<QCalendarWidget*>(watched))
            apply(calendar);
        else if (auto* edit = qobject_cast<QDateTimeEdit*>(watched))
            apply(edit);
        break;
    case QEvent::FocusOut:
        if (auto* edit = qobject_cast<QDateTimeEdit*>(watched))
            completeTypedYear(edit);
        break;
    case QEvent::KeyPress:
        if (auto* edit = qobject_cast<QDateTimeEdit*>(watched)) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
                completeTypedYear(edit);
            else if (swallowSeparator(edit, key))
                return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
