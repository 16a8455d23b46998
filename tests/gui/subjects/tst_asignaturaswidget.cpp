#include "academia.h"
#include "academyfixture.h"
#include "appstatusdialog.h"
#include "asignaturadialog.h"
#include "asignaturaswidget.h"
#include "dao.h"
#include "guitest.h"
#include "pageharness.h"
#include "sectiontests.h"
#include "statusanswers.h"
#include "testmain.h"
#include "turnoasignatura.h"
#include "turnoasignaturadialog.h"
#include "turnoasignaturatablemodel.h"

#include <QAction>
#include <QLineEdit>

using SectionTests::action;

namespace {
int shifts(const QList<int>& ids)
{
    return SectionTests::stored("turnoasignatura", ids);
}
} // namespace

class TestAsignaturasWidget : public QObject
{
    Q_OBJECT
    academy::Academy a;
    int fisica = 0;
    int fisicaManana = 0;
    int fisicaNoche = 0;

    // Two sessions of the Física shifts overlap in one classroom: an
    // inconsistency the status dialog lists while they stay.
    void addOverlap()
    {
        const int aula = academy::aula("Aula 9", 30);
        QVERIFY(academy::sesion(fisicaManana, aula, a.profesora, 5, 10) > 0);
        QVERIFY(academy::sesion(fisicaNoche, aula, 0, 5, 10) > 0);
    }

    // The afternoon shift deleted and the status dialog closed: the deletion
    // waits in the open transaction.
    void leaveDeletionPending(AsignaturasWidget& page, PageHarness& h, StatusAnswers& status)
    {
        addOverlap();
        QVERIFY(h.selectIds("tbvAsignaturas", {a.turnoTarde}));
        h.answerNext("Selected shifts will be permanently deleted", QMessageBox::Yes);
        h.answerNext("The selected shift has assigned sessions", QMessageBox::Ok);
        status.close();
        QVERIFY(h.trigger("actionEliminar_asignatura"));
        QVERIFY(page.hasPendingDeletion());
    }

private slots:
    void init()
    {
        if (Dao::getInstance()->inTransaction())
            Dao::getInstance()->rollback();
        QVERIFY(academy::openFreshDatabase());
        QVERIFY(a.build());
        fisica = academy::asignatura("Física", 20, 1);
        fisicaManana = academy::turno(fisica, "Mañana");
        fisicaNoche = academy::turno(fisica, "Noche");
        // what the academy holds now is what the user already accepted
        Academia::inicializarEstado();
        TurnoAsignaturaTableModel::instance()->refresh();
    }

    void actionsFollowTheSelectionAndConfirmationCounts()
    {
        AsignaturasWidget page;
        PageHarness h(&page);
        StatusAnswers status;
        QCOMPARE(page.actions().size(), 3);
        QVERIFY(!action(page, "actionEditar_asignatura")->isEnabled());
        QVERIFY(!action(page, "actionEliminar_asignatura")->isEnabled());
        QVERIFY(action(page, "actionNueva_asignatura")->isEnabled());
        QVERIFY(h.selectIds("tbvAsignaturas", {a.turnoManana, a.turnoTarde}));
        QVERIFY(!action(page, "actionEditar_asignatura")->isEnabled());
        QVERIFY(action(page, "actionEliminar_asignatura")->isEnabled());
        h.answerNext("Selected shifts will be permanently deleted", QMessageBox::No);
        QVERIFY(h.trigger("actionEliminar_asignatura"));
        QCOMPARE(h.prompter().asked().last().informativeText,
                 QString("Are you sure you want to delete 2 selected shift(s)?"));
        QCOMPARE(shifts({a.turnoManana, a.turnoTarde}), 2);
        QVERIFY(!Dao::getInstance()->inTransaction());
        QVERIFY(h.selectIds("tbvAsignaturas", {a.turnoManana}));
        QVERIFY(action(page, "actionEditar_asignatura")->isEnabled());
        // a reload empties the selection
        TurnoAsignaturaTableModel::instance()->refresh();
        QVERIFY(!action(page, "actionEliminar_asignatura")->isEnabled());
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QVERIFY(status.allUsed());
    }

    void editingTwoShiftsIsRefused()
    {
        AsignaturasWidget page;
        PageHarness h(&page);
        StatusAnswers status;
        QVERIFY(h.selectIds("tbvAsignaturas", {a.turnoManana, fisicaManana}));
        h.answerNext("You can only edit one shift at a time", QMessageBox::Ok);
        page.updateAsignatura();
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QVERIFY(status.allUsed());
    }

    void filterMatchesAnyColumnIgnoringCase()
    {
        AsignaturasWidget page;
        PageHarness h(&page);
        StatusAnswers status;
        QCOMPARE(h.shownIds("tbvAsignaturas").size(), 4);
        QVERIFY(h.type("leFiltro", "FÍSICA"));
        QCOMPARE(h.shownIds("tbvAsignaturas").size(), 2);
        QVERIFY(h.type("leFiltro", "tarde"));
        QCOMPARE(h.shownIds("tbvAsignaturas"), QList<int>({a.turnoTarde}));
        QVERIFY(h.click("pushButton_2"));
        QCOMPARE(h.shownIds("tbvAsignaturas").size(), 4);
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QVERIFY(status.allUsed());
    }

    void newSubjectIsListed()
    {
        AsignaturasWidget page;
        PageHarness h(&page);
        StatusAnswers status;
        h.whenShown<AsignaturaDialog>([&h](AsignaturaDialog* d) {
            d->findChild<QLineEdit*>("leNombre")->setText("Latín");
            h.whenShown<TurnoAsignaturaDialog>([](TurnoAsignaturaDialog* s) {
                s->findChild<QLineEdit*>("leNombre")->setText("Sábado");
                GuiTest::clickOk(*s);
            });
            GuiTest::click(*d, "btnAddTurno");
            GuiTest::clickOk(*d);
        });
        QVERIFY(h.trigger("actionNueva_asignatura"));
        const int id = academy::count("SELECT t.id FROM turnoasignatura t JOIN asignatura a ON a.id = t.idasignatura "
                                      "WHERE a.nombre = 'Latín'");
        QVERIFY(id > 0);
        QVERIFY(h.shownIds("tbvAsignaturas").contains(id));
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QVERIFY(status.allUsed());
    }

    void deletingTwoShiftsThenRevertBringsThemBack()
    {
        addOverlap();
        AsignaturasWidget page;
        PageHarness h(&page);
        StatusAnswers status;
        QVERIFY(h.selectIds("tbvAsignaturas", {a.turnoManana, a.turnoTarde}));
        h.answerNext("Selected shifts will be permanently deleted", QMessageBox::Yes);
        h.answerNext("The selected shift has assigned sessions", QMessageBox::Ok);
        h.answerNext("The selected shift has assigned sessions", QMessageBox::Ok);
        status.press("btnRevert");
        QVERIFY(h.trigger("actionEliminar_asignatura"));
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QVERIFY(status.allUsed());
        QCOMPARE(shifts({a.turnoManana, a.turnoTarde}), 2);
        QVERIFY(!Dao::getInstance()->inTransaction());
        QVERIFY(!page.hasPendingDeletion());
        const QList<int> shown = h.shownIds("tbvAsignaturas");
        QVERIFY(shown.contains(a.turnoManana) && shown.contains(a.turnoTarde));
        QCOMPARE(academy::count("SELECT count(*) FROM sesiondeclase WHERE idturnoasignatura = ?", {a.turnoManana}),
                 2);
    }

    void failureOfTheSecondRemovalTakesBackTheFirst()
    {
        AsignaturasWidget page;
        PageHarness h(&page);
        StatusAnswers status;
        QVERIFY(h.selectIds("tbvAsignaturas", {fisicaManana, a.turnoManana}));
        h.answerNext("Selected shifts will be permanently deleted", QMessageBox::Yes);
        h.answerNext("The selected shift has assigned sessions", QMessageBox::Abort);
        h.answerNext("It has been impossible to delete the shift", QMessageBox::Ok);
        QVERIFY(h.trigger("actionEliminar_asignatura"));
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QVERIFY(status.allUsed());
        QCOMPARE(shifts({fisicaManana, a.turnoManana}), 2);
        QVERIFY(!Dao::getInstance()->inTransaction());
        QCOMPARE(h.shownIds("tbvAsignaturas").size(), 4);
    }

    // Closing the status dialog leaves the deletion pending: the page asks
    // again before it is left and before its next action.
    void pendingDeletionIsAskedAgain()
    {
        AsignaturasWidget page;
        PageHarness h(&page);
        StatusAnswers status;
        leaveDeletionPending(page, h, status);
        QVERIFY(Dao::getInstance()->inTransaction());
        QCOMPARE(shifts({a.turnoTarde}), 0);

        status.close();
        QVERIFY(!page.isValidState());
        QVERIFY(page.hasPendingDeletion());

        // the next action settles it first: revert, then the editor opens
        status.press("btnRevert");
        h.whenShown<AsignaturaDialog>([](AsignaturaDialog* d) { d->reject(); });
        QVERIFY(h.trigger("actionNueva_asignatura"));
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QVERIFY(status.allUsed());
        QVERIFY(!page.hasPendingDeletion());
        QVERIFY(!Dao::getInstance()->inTransaction());
        QCOMPARE(shifts({a.turnoTarde}), 1);
        QVERIFY(page.isValidState());
    }

    void pendingDeletionGoesWithThePageUncommitted()
    {
        {
            AsignaturasWidget page;
            PageHarness h(&page);
            StatusAnswers status;
            leaveDeletionPending(page, h, status);
        }
        QVERIFY(!Dao::getInstance()->inTransaction());
        QCOMPARE(shifts({a.turnoTarde}), 1);
    }
};

PENSARIO_TEST_MAIN(TestAsignaturasWidget)
#include "tst_asignaturaswidget.moc"
