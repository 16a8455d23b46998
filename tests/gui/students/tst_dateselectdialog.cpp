#include "dateselectdialog.h"
#include "testmain.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QLabel>

class TestDateSelectDialog : public QObject
{
    Q_OBJECT
private slots:
    void calendarAndDateEditFollowEachOther()
    {
        DateSelectDialog d(QStringLiteral("Pick one"), QDate());
        auto* calendar = d.findChild<QCalendarWidget*>("calendar");
        auto* edit = d.findChild<QDateEdit*>("dateEdit");
        QCOMPARE(d.findChild<QLabel*>("lblMessage")->text(), QStringLiteral("Pick one"));
        QCOMPARE(edit->date(), QDate::currentDate());
        QCOMPARE(calendar->firstDayOfWeek(), Qt::Monday);
        const QDate day = QDate::currentDate().addDays(3);
        emit calendar->clicked(day);
        QCOMPARE(edit->date(), day);
        edit->setDate(QDate(2026, 2, 14));
        QCOMPARE(calendar->selectedDate(), QDate(2026, 2, 14));
    }

    void acceptedGivesTheDateCancelledNone()
    {
        DateSelectDialog d(QString(), QDate(2025, 6, 30));
        QCOMPARE(d.findChild<QDateEdit*>("dateEdit")->date(), QDate(2025, 6, 30));
        d.reject();
        QVERIFY(d.getDate().isNull());
        d.accept();
        QCOMPARE(d.getDate(), QDate(2025, 6, 30));
    }
};

PENSARIO_TEST_MAIN(TestDateSelectDialog)
#include "tst_dateselectdialog.moc"
