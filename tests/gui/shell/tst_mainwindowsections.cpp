#include "timetablesfixture.h"

#include "alumnoswidget.h"
#include "appstatusdialog.h"
#include "configurationdialog.h"
#include "guitest.h"
#include "horarioalumnoswidget.h"
#include "horarioprofesoreswidget.h"
#include "horarioswindowwidget.h"
#include "mainwindow.h"
#include "pageharness.h"
#include "profesoreswidget.h"
#include "proxyhelpers.h"
#include "recibo.h"
#include "testmain.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTableWidget>
#include <QToolBar>

using namespace TimetablesFixture;

namespace {
QAction* action(QWidget& w, const char* name)
{
    return w.findChild<QAction*>(QLatin1String(name));
}

QStringList checkedSections(QWidget& w)
{
    QStringList checked;
    for (const char* name : {"actionAlumnos", "actionAsignaturas", "actionProfesores", "actionHorarios",
                             "actionCursos", "actionRecibos"})
        if (action(w, name)->isChecked())
            checked << QString::fromLatin1(name);
    return checked;
}

// The status dialog the timetables ask on leaving gets this button.
void pressWhenShown(PageHarness& h, const char* button)
{
    h.whenShown<AppStatusDialog>([button](AppStatusDialog* dialog) {
        dialog->findChild<QPushButton*>(QLatin1String(button))->click();
    });
}

int chosenId(HorariosWidget* view)
{
    return combo(view, "timetableSelCmb")->currentData().toInt();
}

QAbstractItemModel* listOf(MainWindow& window, const char* view)
{
    return window.currentPage()->findChild<QTableView*>(QLatin1String(view))->model();
}

bool lists(QAbstractItemModel* model, int column, const QString& text)
{
    return !model->match(model->index(0, column), Qt::DisplayRole, text, 1, Qt::MatchExactly).isEmpty();
}
} // namespace

// The main window with the real section pages: the timetables' refusal to be
// left, and the jumps to a student's and a teacher's timetable.
class TestMainWindowSections : public QObject
{
    Q_OBJECT
private:
    Academy m;

private slots:
    void initTestCase() { TestEnv::useIconPaths(); }
    void init()
    {
        QVERIFY(abrirBaseNueva());
        m = smallAcademy();
        configurar(QStringLiteral("isFirstTime"), false);
        configurar(QStringLiteral("hora_apertura"), 8);
        configurar(QStringLiteral("hora_cierre"), 22);
    }
    void cleanup()
    {
        if (Dao::getInstance()->inTransaction())
            Dao::getInstance()->rollback();
    }

    void timetablesWithAnOverlapCannotBeLeft()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        action(window, "actionHorarios")->trigger();
        CentralWidget* horarios = window.currentPage();
        QVERIFY(qobject_cast<HorariosWindowWidget*>(horarios));
        QVERIFY(Dao::getInstance()->inTransaction());
        sesion(m.manana, m.aula1, 2, 600, 660, m.marta);
        sesion(m.tarde, m.aula2, 2, 630, 690, m.marta);

        PageHarness h(&window);
        // another section: fixing by hand keeps the timetables, and only their action checked
        pressWhenShown(h, "btnAccept");
        action(window, "actionRecibos")->trigger();
        QCOMPARE(window.currentPage(), horarios);
        QCOMPARE(checkedSections(window), QStringList{"actionHorarios"});
        QCOMPARE(window.findChild<QToolBar*>("secondaryToolBar")->actions(), horarios->actions());

        // closing the window
        pressWhenShown(h, "btnAccept");
        window.close();
        QVERIFY(window.isVisible());

        // its own action: reverting stays too, and the action stays checked
        pressWhenShown(h, "btnRevert");
        action(window, "actionHorarios")->trigger();
        QCOMPARE(window.currentPage(), horarios);
        QCOMPARE(checkedSections(window), QStringList{"actionHorarios"});
        QCOMPARE(sessionCount(), 0);

        // nothing left to settle: the switch goes through and the visit is committed
        action(window, "actionRecibos")->trigger();
        QVERIFY(window.currentPage() != horarios);
        QCOMPARE(checkedSections(window), QStringList{"actionRecibos"});
        QVERIFY(!Dao::getInstance()->inTransaction());
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    // What the configuration confirms is stored when confirmed: the
    // timetables' visit is settled before the dialog opens, and its later
    // Revert takes back only what came after.
    void configurationConfirmedDuringAVisitOutlivesItsRevert()
    {
        Academia::inicializarEstado();
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        action(window, "actionHorarios")->trigger();
        CentralWidget* horarios = window.currentPage();
        QVERIFY(qobject_cast<HorariosWindowWidget*>(horarios));
        const int kept = sesion(m.manana, m.aula1, 2, 600, 660, m.marta);

        PageHarness h(&window);
        bool confirmed = false;
        h.whenShown<ConfigurationDialog>([&confirmed](ConfigurationDialog* dialog) {
            confirmed = !Dao::getInstance()->inTransaction();
            auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("twAulas"));
            table->item(0, 1)->setData(Qt::EditRole, 30);
            dialog->findChild<QPushButton*>(QStringLiteral("btnNewAula"))->click();
            table->item(table->rowCount() - 1, 0)->setText(QStringLiteral("Lab A"));
            dialog->accept();
        });
        action(window, "actionConfiguracion")->trigger();
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QVERIFY(confirmed);
        QCOMPARE(window.currentPage(), horarios);
        QVERIFY(Dao::getInstance()->inTransaction()); // the visit goes on

        // an overlap, reverted on leaving
        sesion(m.tarde, m.aula2, 2, 630, 690, m.marta);
        pressWhenShown(h, "btnRevert");
        action(window, "actionRecibos")->trigger();
        QCOMPARE(window.currentPage(), horarios);
        action(window, "actionRecibos")->trigger();
        QVERIFY(window.currentPage() != horarios);
        QVERIFY(!Dao::getInstance()->inTransaction());
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QCOMPARE(sessionCount(), 1);
        QCOMPARE(sessionCount(QStringLiteral("id = %1").arg(kept)), 1);
        QCOMPARE(academy::count(QStringLiteral("SELECT aforo FROM aula WHERE nombre = 'Room A'")), 30);
        QCOMPARE(academy::count(QStringLiteral("SELECT count(*) FROM aula WHERE nombre = 'Lab A'")), 1);
    }

    // A section shown again reloads only when what it lists was written
    // meanwhile, announced or not yet (a change still inside a transaction);
    // the timetables' student chooser likewise.
    void sectionsShownAgainShowWhatChanged()
    {
        MainWindow window;
        action(window, "actionAlumnos")->trigger();
        QAbstractItemModel* students = listOf(window, "tbvAlumnos");
        QSignalSpy reloads(students, &QAbstractItemModel::modelReset);
        action(window, "actionAsignaturas")->trigger();
        QAbstractItemModel* shifts = listOf(window, "tbvAsignaturas");
        QSignalSpy shiftReloads(shifts, &QAbstractItemModel::modelReset);
        action(window, "actionAlumnos")->trigger();
        action(window, "actionAsignaturas")->trigger();
        QCOMPARE(reloads.count() + shiftReloads.count(), 0);

        alumno(QStringLiteral("Uxía"));
        QVERIFY(Dao::getInstance()->transaction());
        turno(m.ingles, QStringLiteral("Night"));
        action(window, "actionAlumnos")->trigger();
        QVERIFY(lists(students, 0, QStringLiteral("Uxía")));
        action(window, "actionAsignaturas")->trigger();
        QVERIFY(lists(shifts, 1, QStringLiteral("Night")));
        QVERIFY(Dao::getInstance()->rollback());

        // the student view's chooser: refilled after a new student only
        window.showHorarioAlumno(0);
        auto* view = qobject_cast<HorariosWindowWidget*>(window.currentPage())->currentHorario();
        QSignalSpy refills(combo(view, "timetableSelCmb")->model(), &QAbstractItemModel::rowsInserted);
        action(window, "actionAlumnos")->trigger();
        window.showHorarioAlumno(0);
        QCOMPARE(refills.count(), 0);
        action(window, "actionAlumnos")->trigger();
        const int brais = alumno(QStringLiteral("Brais"));
        window.showHorarioAlumno(brais);
        QCOMPARE(chosenId(view), brais);
        QVERIFY(refills.count() > 0);
    }

    // The bills section, which follows its table in its own way, is also
    // reloaded on a visit only after a bill was written meanwhile.
    void billsShownAgainReloadOnlyAfterABillWasWritten()
    {
        MainWindow window;
        action(window, "actionRecibos")->trigger();
        QAbstractItemModel* bills = listOf(window, "tbvRecibos");
        QSignalSpy reloads(bills, &QAbstractItemModel::modelReset);
        action(window, "actionAlumnos")->trigger();
        action(window, "actionRecibos")->trigger();
        QCOMPARE(reloads.count(), 0);

        Recibo bill(alumno(QStringLiteral("Uxía")));
        bill.setFecha(QDate::currentDate());
        bill.setImporte(12);
        bill.setConcepto(QStringLiteral("Extra lesson"));
        bill.setDatosAlumno(QStringLiteral("Uxía Souto"));
        action(window, "actionAlumnos")->trigger();
        QVERIFY(bill.persist());
        action(window, "actionRecibos")->trigger();
        QVERIFY(reloads.count() > 0);
        QVERIFY(!bills->match(bills->index(0, 0), ARole::Id, bill.id(), 1, Qt::MatchExactly).isEmpty());
    }

    void studentsPageJumpsToTheStudentsTimetable()
    {
        const int ana = alumno(QStringLiteral("Ana"));
        const int brais = alumno(QStringLiteral("Brais"));
        alta(ana, m.manana, QStringLiteral("Ana Souto"), QStringLiteral("English"), QStringLiteral("Morning"));
        alta(brais, m.tarde, QStringLiteral("Brais Souto"), QStringLiteral("English"), QStringLiteral("Evening"));
        MainWindow window;
        action(window, "actionAlumnos")->trigger();
        auto* alumnos = qobject_cast<AlumnosWidget*>(window.currentPage());
        QVERIFY(alumnos);
        for (int id : {brais, ana}) {
            emit alumnos->cambioAHorarioAlumno(id);
            auto* horarios = qobject_cast<HorariosWindowWidget*>(window.currentPage());
            QVERIFY(horarios);
            QCOMPARE(checkedSections(window), QStringList{"actionHorarios"});
            auto* view = qobject_cast<HorarioAlumnosWidget*>(horarios->currentHorario());
            QVERIFY(view);
            QCOMPARE(chosenId(view), id);
            action(window, "actionAlumnos")->trigger();
        }
    }

    void teacherJumpSelectsTheTeacherOrTheFirstEntry()
    {
        MainWindow window;
        action(window, "actionProfesores")->trigger();
        auto* profesores = qobject_cast<ProfesoresWidget*>(window.currentPage());
        QVERIFY(profesores);
        emit profesores->cambiaAHorarioProfe(m.xoan);
        auto* horarios = qobject_cast<HorariosWindowWidget*>(window.currentPage());
        QVERIFY(horarios);
        auto* view = qobject_cast<HorarioProfesoresWidget*>(horarios->currentHorario());
        QVERIFY(view);
        QCOMPARE(chosenId(view), m.xoan);
        window.showHorarioProfe(99999);
        QCOMPARE(combo(view, "timetableSelCmb")->currentIndex(), 0);
        QCOMPARE(checkedSections(window), QStringList{"actionHorarios"});
    }
};

PENSARIO_TEST_MAIN(TestMainWindowSections)
#include "tst_mainwindowsections.moc"
