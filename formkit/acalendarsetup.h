#ifndef ACALENDARSETUP_H
#define ACALENDARSETUP_H

#include <QDateTimeEdit>
#include <QObject>
#include <QPointer>

class QCalendarWidget;
class QKeyEvent;

// Day and month names of every calendar as the language writes them. The
// locale data of some languages (Galician) mixes short day forms ("luns",
// "mar.") and capitalises the stand-alone month names the language writes in
// lower case; installed on the application, it mends each calendar as it is
// first polished, the date editors' pop-ups included.
// Date editors take the locale's short format, whose two-digit year ("d/M/yy")
// cuts a typed "1/2/2026" to 2020: every editor shows four-digit years in the
// language's order, and a two-digit year typed into it still counts in the
// century of the date it held. A separator typed right after a section that
// filled up (and so already moved on) is not taken as a second move:
// "01/02/2026" reads as "1/2/2026".
class ACalendarSetup : public QObject
{
    Q_OBJECT
public:
    explicit ACalendarSetup(QObject* parent = nullptr);
    static void apply(QCalendarWidget* calendar);
    static void apply(QDateTimeEdit* edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static void renameMonths(QCalendarWidget* calendar);
    static void completeTypedYear(QDateTimeEdit* edit);
    bool swallowSeparator(QDateTimeEdit* edit, const QKeyEvent* key);

    // The editor and section of the last digit typed, to tell that the
    // editor moved on to the next section by itself.
    QPointer<QDateTimeEdit> m_typedIn;
    QDateTimeEdit::Section m_sectionOfDigit = QDateTimeEdit::NoSection;
};

#endif // ACALENDARSETUP_H
