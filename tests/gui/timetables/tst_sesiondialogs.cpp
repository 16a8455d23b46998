#include "timetablesfixture.h"

#include "auladialog.h"
#include "crearsesiondeclasedialog.h"
#include "editsesiondeclasedialog.h"
#include "pageharness.h"
#include "testmain.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QSpinBox>

using namespace TimetablesFixture;

namespace {

const char* const kDays[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};

QCheckBox* dayBox(QWidget* d, int day)
{
    return d->findChild<QCheckBox*>(QStringLiteral("chk") + QLatin1String(kDays[day - 1]));
}

QTimeEdit* dayEdit(QWidget* d, int day, const char* which)
{
    return d->findChild<QTimeEdit*>(QStringLiteral("ted%1%2").arg(QLatin1String(kDays[day - 1]),
                                                                  QLatin1String(which)));
}

QList<int> tickedDays(QWidget* d)
{
    QList<int> days;
    for (int day = 1; day <= 7; ++day)
        if (dayBox(d, day)->isChecked())
            days << day;
    return days;
}

void setRow(QWidget* d, int day, const QTime& begin, const QTime& end)
{
    dayEdit(d, day, "Ini")->setTime(begin);
    dayEdit(d, day, "Fin")->setTime(end);
}

// minutes of the stored sessions, "day:start-end", in weekday order
QStringList storedSessions()
{
    QStringList rows;
    QSqlQuery q = Dao::getInstance()->query(QStringLiteral(
        "SELECT diasemana, minutoinicio, minutofin, idaula, idturnoasignatura, idprofesor FROM sesiondeclase "
        "ORDER BY diasemana, minutoinicio"));
    while (q.next())
        rows << QStringLiteral("%1:%2-%3 a%4 t%5 p%6")
                    .arg(q.value(0).toInt())
                    .arg(q.value(1).toInt())
                    .arg(q.value(2).toInt())
                    .arg(q.value(3).toInt())
                    .arg(q.value(4).toInt())
                    .arg(q.value(5).toInt());
    return rows;
}

} // namespace

class TestSesionDialogs : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(abrirBaseNueva());
        m = smallAcademy();
    }

    void createPresetsTimesAndDayFromThePointer()
    {
        struct Case { int minute; QTime begin; QTime end; };
        for (const Case& c : {Case{615, QTime(10, 0), QTime(11, 0)}, Case{630, QTime(10, 30), QTime(11, 30)},
                              Case{659, QTime(10, 30), QTime(11, 30)}, Case{1410, QTime(23, 30), QTime(0, 30)}}) {
            CrearSesionDeClaseDialog d(m.aula2, 3, c.minute);
            for (int day = 1; day <= 7; ++day) {
                QCOMPARE(dayEdit(&d, day, "Ini")->time(), c.begin);
                QCOMPARE(dayEdit(&d, day, "Fin")->time(), c.end);
            }
            QCOMPARE(tickedDays(&d), QList<int>{3});
            QCOMPARE(combo(&d, "cmbAula")->currentText(), QStringLiteral("Room B"));
            QCOMPARE(combo(&d, "cmbMateria")->currentIndex(), -1);
            QCOMPARE(combo(&d, "cmbTurno")->count(), 0);
        }
        CrearSesionDeClaseDialog none(9999, 0, 600);
        QVERIFY(tickedDays(&none).isEmpty());
        QCOMPARE(combo(&none, "cmbAula")->currentText(), QStringLiteral("Room A"));
    }

    void sameHourEnablesMondaysRowOnly()
    {
        CrearSesionDeClaseDialog d(m.aula1, 2, 600);
        d.show();
        auto enabledRows = [&d] {
            QList<int> rows;
            for (int day = 1; day <= 7; ++day)
                if (dayEdit(&d, day, "Ini")->isEnabled() && dayEdit(&d, day, "Fin")->isEnabled())
                    rows << day;
            return rows;
        };
        QCOMPARE(enabledRows(), QList<int>{1});
        PageHarness h(&d);
        QVERIFY(h.check("chkSameHour", false));
        QCOMPARE(enabledRows(), QList<int>{2});
        dayBox(&d, 5)->click();
        QCOMPARE(enabledRows(), (QList<int>{2, 5}));
        QVERIFY(h.check("chkSameHour", true));
        QCOMPARE(enabledRows(), QList<int>{1});
    }

    // With the same hour ticked, the greyed rows show the times their days
    // will get, never what was typed in them before.
    void sameHourShowsTheTimesEveryDayGets()
    {
        CrearSesionDeClaseDialog d(m.aula1, 3, 600);
        d.show();
        PageHarness h(&d);
        QVERIFY(h.check("chkSameHour", false));
        setRow(&d, 3, QTime(12, 0), QTime(13, 0));
        QVERIFY(h.check("chkSameHour", true));
        QCOMPARE(dayEdit(&d, 3, "Ini")->time(), QTime(10, 0));
        QCOMPARE(dayEdit(&d, 3, "Fin")->time(), QTime(11, 0));
        setRow(&d, 1, QTime(16, 0), QTime(17, 30));
        for (int day = 2; day <= 7; ++day) {
            QCOMPARE(dayEdit(&d, day, "Ini")->time(), QTime(16, 0));
            QCOMPARE(dayEdit(&d, day, "Fin")->time(), QTime(17, 30));
        }
        // unticked, each day keeps its own time again
        QVERIFY(h.check("chkSameHour", false));
        setRow(&d, 1, QTime(9, 0), QTime(10, 0));
        QCOMPARE(dayEdit(&d, 3, "Ini")->time(), QTime(16, 0));
    }

    void subjectBringsItsShiftsAndTeachers()
    {
        CrearSesionDeClaseDialog d(m.aula1, 1, 600);
        QVERIFY(PageHarness(&d).choose("cmbMateria", QStringLiteral("English")));
        QCOMPARE(combo(&d, "cmbTurno")->count(), 2);
        QCOMPARE(combo(&d, "cmbTurno")->currentIndex(), 0);
        QCOMPARE(combo(&d, "cmbProfesor")->count(), 1);
        QCOMPARE(combo(&d, "cmbProfesor")->currentText(), QStringLiteral("Marta"));
    }

    void sameHourStoresOneSessionPerTickedDay()
    {
        auto* d = new CrearSesionDeClaseDialog(m.aula1, 2, 600);
        QPointer<CrearSesionDeClaseDialog> alive(d);
        d->show();
        PageHarness h(d);
        QVERIFY(h.choose("cmbMateria", QStringLiteral("English")));
        QVERIFY(h.choose("cmbTurno", QStringLiteral("Evening")));
        dayBox(d, 4)->setChecked(true);
        dayBox(d, 6)->setChecked(true);
        setRow(d, 1, QTime(16, 0), QTime(17, 30));
        d->accept();
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QTRY_VERIFY(!alive);
        const QString tail = QStringLiteral(" a%1 t%2 p%3").arg(m.aula1).arg(m.tarde).arg(m.marta);
        QCOMPARE(storedSessions(), (QStringList{QStringLiteral("2:960-1050") + tail,
                                                 QStringLiteral("4:960-1050") + tail,
                                                 QStringLiteral("6:960-1050") + tail}));
    }

    void timeChecksRefuseAndKeepTheDialog_data()
    {
        QTest::addColumn<QTime>("begin");
        QTest::addColumn<QTime>("end");
        QTest::addColumn<QString>("message");
        QTest::newRow("ten minutes") << QTime(10, 0) << QTime(10, 10) << QString();
        QTest::newRow("nine minutes") << QTime(10, 0) << QTime(10, 9)
                                      << QStringLiteral("session duration is too short");
        QTest::newRow("no time") << QTime(10, 0) << QTime(10, 0)
                                 << QStringLiteral("end hour is less or equal than begin hour");
        QTest::newRow("past midnight") << QTime(23, 30) << QTime(0, 30)
                                       << QStringLiteral("end hour is less or equal than begin hour");
    }
    void timeChecksRefuseAndKeepTheDialog()
    {
        QFETCH(QTime, begin);
        QFETCH(QTime, end);
        QFETCH(QString, message);
        auto* d = new CrearSesionDeClaseDialog(m.aula1, 3, 600);
        QPointer<CrearSesionDeClaseDialog> alive(d);
        d->show();
        PageHarness h(d);
        QVERIFY(h.choose("cmbMateria", QStringLiteral("English")));
        setRow(d, 1, begin, end);
        if (!message.isEmpty())
            h.answerNext(QLocale().dayName(3) + QLatin1Char(' ') + message, QMessageBox::Ok);
        d->accept();
        QVERIFY2(h.ok(), qPrintable(h.report()));
        if (message.isEmpty()) {
            QTRY_VERIFY(!alive);
            QCOMPARE(sessionCount(), 1);
        } else {
            QVERIFY(alive && alive->isVisible());
            QCOMPARE(sessionCount(), 0);
            QCOMPARE(dayEdit(d, 1, "Fin")->time(), end);
            delete d;
        }
    }

    void aLaterBadDayStoresNothing()
    {
        CrearSesionDeClaseDialog d(m.aula1, 1, 600);
        d.show();
        PageHarness h(&d);
        QVERIFY(h.choose("cmbMateria", QStringLiteral("English")));
        QVERIFY(h.check("chkSameHour", false));
        QVERIFY(h.check("chkFriday"));
        setRow(&d, 5, QTime(12, 0), QTime(11, 0));
        h.answerNext(QLocale().dayName(5) + QStringLiteral(" end hour is less"), QMessageBox::Ok);
        d.accept();
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QVERIFY(d.isVisible());
        QCOMPARE(sessionCount(), 0);
    }

    void missingChoicesAreMarkedAndNoDayIsRefused()
    {
        CrearSesionDeClaseDialog d(m.aula1, 0, 600);
        d.show();
        PageHarness h(&d);
        d.accept();
        QVERIFY(marked(combo(&d, "cmbMateria")));
        QVERIFY(marked(combo(&d, "cmbTurno")));
        QVERIFY(marked(combo(&d, "cmbProfesor")));
        QVERIFY(!marked(combo(&d, "cmbAula")));
        QVERIFY(d.isVisible());
        QCOMPARE(h.prompter().askedCount(), 0);

        QVERIFY(h.choose("cmbMateria", QStringLiteral("English")));
        h.answerNext(QStringLiteral("No weekday has been chosen"), QMessageBox::Ok);
        d.accept();
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QVERIFY(d.isVisible());
        QCOMPARE(sessionCount(), 0);
    }

    void aFailedInsertStoresNoneAndSaysSo()
    {
        // Thursday's insert fails after Tuesday's went in
        QVERIFY(academy::exec(QStringLiteral("CREATE TEMP TRIGGER fail_thursday BEFORE INSERT ON sesiondeclase "
                                             "WHEN NEW.diasemana = 4 BEGIN SELECT RAISE(ABORT, 'refused'); END")));
        auto* d = new CrearSesionDeClaseDialog(m.aula1, 2, 600);
        QPointer<CrearSesionDeClaseDialog> alive(d);
        d->show();
        QSignalSpy accepted(d, &QDialog::accepted);
        PageHarness h(d);
        QVERIFY(h.choose("cmbMateria", QStringLiteral("English")));
        QVERIFY(h.check("chkThursday"));
        h.answerNext(QStringLiteral("impossible to store the sessions"), QMessageBox::Ok);
        d->accept();
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QVERIFY(alive && d->isVisible());
        QCOMPARE(accepted.count(), 0);
        QCOMPARE(sessionCount(), 0);
        QVERIFY(!Dao::getInstance()->inTransaction());
        QCOMPARE(tickedDays(d), (QList<int>{2, 4}));
        delete d;
    }

    void editOpensOnTheStoredSession()
    {
        const int id = sesion(m.tarde, m.aula2, 5, 570, 660, m.marta);
        EditSesionDeClaseDialog d(id);
        QCOMPARE(d.objectName(), QStringLiteral("EditSesionDeClaseDialog"));
        QCOMPARE(timeEdit(&d, "tedIni")->time(), QTime(9, 30));
        QCOMPARE(timeEdit(&d, "tedFin")->time(), QTime(11, 0));
        QCOMPARE(combo(&d, "cmbWeekDay")->currentIndex(), 4);
        QCOMPARE(combo(&d, "cmbWeekDay")->currentText(), QLocale().dayName(5));
        QCOMPARE(combo(&d, "cmbAula")->currentText(), QStringLiteral("Room B"));
        QCOMPARE(combo(&d, "cmbMateria")->currentText(), QStringLiteral("English"));
        QCOMPARE(combo(&d, "cmbTurno")->currentText(), QStringLiteral("Evening"));
        QCOMPARE(combo(&d, "cmbProfesor")->currentText(), QStringLiteral("Marta"));
    }

    void editStoresTheChangesOnOk()
    {
        const int id = sesion(m.manana, m.aula2, 1, 600, 660, m.marta);
        auto* d = new EditSesionDeClaseDialog(id);
        QPointer<EditSesionDeClaseDialog> alive(d);
        d->show();
        PageHarness h(d);
        QVERIFY(h.choose("cmbAula", QStringLiteral("Room A")));
        QVERIFY(h.choose("cmbTurno", QStringLiteral("Evening")));
        combo(d, "cmbWeekDay")->setCurrentIndex(3);
        timeEdit(d, "tedIni")->setTime(QTime(10, 0));
        timeEdit(d, "tedFin")->setTime(QTime(10, 10));
        d->accept();
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QTRY_VERIFY(!alive);
        QCOMPARE(storedSessions(), QStringList{QStringLiteral("4:600-610 a%1 t%2 p%3")
                                                   .arg(m.aula1).arg(m.tarde).arg(m.marta)});
    }

    void editNeverSwapsTheTeacherUnasked()
    {
        // Xoan gives the session but no longer teaches the subject
        const int id = sesion(m.manana, m.aula1, 2, 600, 660, m.xoan);
        auto* d = new EditSesionDeClaseDialog(id);
        d->show();
        PageHarness h(d);
        QCOMPARE(combo(d, "cmbProfesor")->currentIndex(), -1);
        d->accept();
        QVERIFY(marked(combo(d, "cmbProfesor")));
        QVERIFY(d->isVisible());
        QCOMPARE(sessionCount(QStringLiteral("idprofesor = %1").arg(m.xoan)), 1);
        QVERIFY2(h.ok(), qPrintable(h.report()));
        delete d;

        const int sinProfesor = sesion(m.manana, m.aula1, 3, 600, 660, 0);
        EditSesionDeClaseDialog e(sinProfesor);
        e.show();
        QCOMPARE(combo(&e, "cmbProfesor")->currentIndex(), -1);
        e.accept();
        QVERIFY(marked(combo(&e, "cmbProfesor")));
        QVERIFY(e.isVisible());
    }

    void editTimeChecks()
    {
        const int id = sesion(m.manana, m.aula1, 2, 600, 660, m.marta);
        EditSesionDeClaseDialog d(id);
        d.show();
        PageHarness h(&d);
        timeEdit(&d, "tedIni")->setTime(QTime(10, 0));
        timeEdit(&d, "tedFin")->setTime(QTime(10, 0));
        h.answerNext(QStringLiteral("End time is less or equal than begin time"), QMessageBox::Ok);
        d.accept();
        timeEdit(&d, "tedFin")->setTime(QTime(10, 9));
        h.answerNext(QStringLiteral("Session duration is too short"), QMessageBox::Ok);
        d.accept();
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QVERIFY(d.isVisible());
        QCOMPARE(sessionCount(QStringLiteral("minutofin = 660")), 1);
    }

    void aFailedUpdateKeepsTheDialogAndTheRow()
    {
        const int id = sesion(m.manana, m.aula1, 2, 600, 660, m.marta);
        QVERIFY(academy::failUpdates(QStringLiteral("sesiondeclase")));
        auto* d = new EditSesionDeClaseDialog(id);
        d->show();
        QSignalSpy accepted(d, &QDialog::accepted);
        PageHarness h(d);
        timeEdit(d, "tedFin")->setTime(QTime(12, 0));
        h.answerNext(QStringLiteral("impossible to store the session"), QMessageBox::Ok);
        d->accept();
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QVERIFY(d->isVisible());
        QCOMPARE(accepted.count(), 0);
        QCOMPARE(timeEdit(d, "tedFin")->time(), QTime(12, 0));
        QCOMPARE(sessionCount(QStringLiteral("minutofin = 660")), 1);
        delete d;
    }

    void classroomNeedsANameAndStores()
    {
        auto* d = new AulaDialog(nullptr, 0);
        QPointer<AulaDialog> alive(d);
        d->show();
        PageHarness h(d);
        d->accept();
        QVERIFY(marked(d->findChild<QLineEdit*>(QStringLiteral("edtNombre"))));
        QVERIFY(d->isVisible());
        QCOMPARE(academy::count(QStringLiteral("SELECT count(*) FROM aula")), 2);

        QCOMPARE(d->findChild<QSpinBox*>(QStringLiteral("spbAforo"))->maximum(), 99);
        QVERIFY(h.type("edtNombre", QStringLiteral("Lab")));
        QVERIFY(h.type("edtLoc", QStringLiteral("First floor")));
        QVERIFY(h.type("spbAforo", QStringLiteral("150")));
        d->findChild<QPlainTextEdit*>(QStringLiteral("txtComments"))->setPlainText(QStringLiteral("Projector"));
        d->accept();
        QTRY_VERIFY(!alive);
        QCOMPARE(academy::scalar(QStringLiteral("SELECT localizacion || '/' || aforo || '/' || comentarios "
                                                "FROM aula WHERE nombre = 'Lab'"))
                     .toString(),
                 QStringLiteral("First floor/15/Projector"));
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void classroomEditWritesBackAndFailureKeepsTheDialog()
    {
        auto* d = new AulaDialog(nullptr, m.aula1);
        QCOMPARE(d->findChild<QLineEdit*>(QStringLiteral("edtNombre"))->text(), QStringLiteral("Room A"));
        QCOMPARE(d->findChild<QSpinBox*>(QStringLiteral("spbAforo"))->value(), 20);
        d->show();
        PageHarness h(d);
        QVERIFY(academy::failUpdates(QStringLiteral("aula")));
        QVERIFY(h.type("edtNombre", QStringLiteral("Room Z")));
        h.answerNext(QStringLiteral("impossible to store the classroom"), QMessageBox::Ok);
        d->accept();
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QVERIFY(d->isVisible());
        QCOMPARE(academy::count(QStringLiteral("SELECT count(*) FROM aula WHERE nombre = 'Room A'")), 1);
        QVERIFY(academy::exec(QStringLiteral("DROP TRIGGER fail_UPDATE_aula")));
        QPointer<AulaDialog> alive(d);
        d->accept();
        QTRY_VERIFY(!alive);
        QCOMPARE(academy::count(QStringLiteral("SELECT count(*) FROM aula WHERE nombre = 'Room Z'")), 1);
    }

    void classroomNoLongerStoredIsNeverCreatedAgain()
    {
        const int gone = m.aula1 + m.aula2 + 100;
        auto* d = new AulaDialog(nullptr, gone);
        QVERIFY(!d->found());
        QVERIFY(AulaDialog(nullptr, m.aula1).found());
        QVERIFY(AulaDialog(nullptr, 0).found());
        QPointer<AulaDialog> alive(d);
        d->show();
        PageHarness h(d);
        QVERIFY(h.type("edtNombre", QStringLiteral("Ghost")));
        h.answerNext(QStringLiteral("no longer stored"), QMessageBox::Ok);
        d->accept();
        QTRY_VERIFY(!alive);
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QCOMPARE(academy::count(QStringLiteral("SELECT count(*) FROM aula")), 2);
    }

private:
    Academy m;
};

PENSARIO_TEST_MAIN(TestSesionDialogs)
#include "tst_sesiondialogs.moc"
