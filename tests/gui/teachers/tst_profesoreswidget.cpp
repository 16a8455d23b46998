#include "academia.h"
#include "academyfixture.h"
#include "appstatusdialog.h"
#include "dao.h"
#include "guitest.h"
#include "outputfiles.h"
#include "pageharness.h"
#include "sectiontests.h"
#include "statusanswers.h"
#include "profesor.h"
#include "profesordialog.h"
#include "profesoreswidget.h"
#include "profesortablemodel.h"
#include "testmain.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSignalSpy>
#include <QTemporaryDir>

using SectionTests::action;

namespace {

int teachers(const QList<int>& ids)
{
    return SectionTests::stored("profesor", ids);
}

// Deletes the teachers, agreeing to the question; the status dialog is
// answered with that button.
bool deleteTeachers(PageHarness& h, StatusAnswers& status, const QList<int>& ids, const char* statusButton)
{
    if (!h.selectIds("tbvProfesores", ids))
        return false;
    h.answerNext("Selected teachers will be permanently deleted", QMessageBox::Yes);
    status.press(statusButton);
    return h.trigger("actionEliminar_profesor");
}

// Prints what the next print preview shows into a PDF and closes it.
void capturePreview(PageHarness& h, const QString& pdf)
{
    h.whenShown<QPrintPreviewDialog>([pdf](QPrintPreviewDialog* d) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        emit d->paintRequested(&printer);
        d->reject();
    });
}

} // namespace

class TestProfesoresWidget : public QObject
{
    Q_OBJECT
    academy::Academy a;
    int bea = 0;
    int carme = 0;

private slots:
    void init()
    {
        if (Dao::getInstance()->inTransaction())
            Dao::getInstance()->rollback();
        QVERIFY(academy::openFreshDatabase());
        QVERIFY(a.build());
        bea = academy::profesor("Bea", "Rial");
        carme = academy::profesor("Carme", "Pazos");
        // what the academy holds now is what the user already accepted
        Academia::inicializarEstado();
        ProfesorTableModel::instance()->refresh();
    }

    void actionsFollowTheSelection()
    {
        ProfesoresWidget page;
        PageHarness h(&page);
        StatusAnswers status;
        QCOMPARE(page.actions().size(), 6);
        const char* single[] = {"actionEditar_profesor", "actionLiquidacion", "actionListado_alumnos",
                                "actionVerHorario"};
        for (const char* name : single)
            QVERIFY2(!action(page, name)->isEnabled(), name);
        QVERIFY(!action(page, "actionEliminar_profesor")->isEnabled());
        for (const char* name : {"actionNuevo_profesor", "actionImprimir_listado", "actionExportar_listado"})
            QVERIFY2(action(page, name)->isEnabled(), name);
        QVERIFY(h.selectIds("tbvProfesores", {bea}));
        for (const char* name : single)
            QVERIFY2(action(page, name)->isEnabled(), name);
        QVERIFY(h.selectIds("tbvProfesores", {bea, carme}));
        for (const char* name : single)
            QVERIFY2(!action(page, name)->isEnabled(), name);
        QVERIFY(action(page, "actionEliminar_profesor")->isEnabled());
        h.answerNext("You must choose just one teacher in order to edit.", QMessageBox::Ok);
        page.showEditProfesorDialog();
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QVERIFY(status.allUsed());
    }

    void timetableJumpCarriesTheTeacher()
    {
        ProfesoresWidget page;
        PageHarness h(&page);
        StatusAnswers status;
        QSignalSpy spy(&page, &ProfesoresWidget::cambiaAHorarioProfe);
        QVERIFY(h.selectIds("tbvProfesores", {carme}));
        QVERIFY(h.trigger("actionVerHorario"));
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.first().first().toInt(), carme);
    }

    void newTeacherIsListed()
    {
        ProfesoresWidget page;
        PageHarness h(&page);
        StatusAnswers status;
        h.whenShown<ProfesorDialog>([](ProfesorDialog* d) {
            d->findChild<QLineEdit*>("leNombre")->setText("Dora");
            d->findChild<QLineEdit*>("leApellidos")->setText("Vidal");
            GuiTest::clickOk(*d);
        });
        QVERIFY(h.trigger("actionNuevo_profesor"));
        const int dora = academy::count("SELECT id FROM profesor WHERE nombre = 'Dora'");
        QVERIFY(dora > 0);
        QVERIFY(h.shownIds("tbvProfesores").contains(dora));
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QVERIFY(status.allUsed());
    }

    // Ana teaches the morning shift Luis attends: without her its sessions
    // have no teacher, a fault the status dialog lists.
    void deletedTeacherComesBackOnRevert()
    {
        ProfesoresWidget page;
        PageHarness h(&page);
        StatusAnswers status;
        QVERIFY(deleteTeachers(h, status, {a.profesora, bea}, "btnRevert"));
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QVERIFY(status.allUsed());
        QCOMPARE(h.prompter().asked().first().informativeText,
                 QString("Are you sure you want to delete the 2 selected teacher(s)?"));
        QCOMPARE(teachers({a.profesora, bea}), 2);
        QVERIFY(!Dao::getInstance()->inTransaction());
        const QList<int> shown = h.shownIds("tbvProfesores");
        QVERIFY(shown.contains(a.profesora) && shown.contains(bea));
        QCOMPARE(academy::count("SELECT count(*) FROM sesiondeclase WHERE idprofesor = ?", {a.profesora}), 3);
    }

    void failingTeacherIsNamedAndTheOthersGo()
    {
        QVERIFY(academy::exec(QString("CREATE TEMP TRIGGER keep_bea BEFORE DELETE ON profesor WHEN old.id = %1 "
                                      "BEGIN SELECT RAISE(ABORT, 'injected failure'); END")
                                  .arg(bea)));
        ProfesoresWidget page;
        PageHarness h(&page);
        StatusAnswers status;
        QVERIFY(h.selectIds("tbvProfesores", {carme, bea, a.profesora}));
        h.answerNext("Selected teachers will be permanently deleted", QMessageBox::Yes);
        h.answerNext(QString("Internal error deleting teacher with id %1.").arg(bea), QMessageBox::Ok);
        status.press("btnIgnore");
        QVERIFY(h.trigger("actionEliminar_profesor"));
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QVERIFY(status.allUsed());
        QVERIFY(h.prompter().asked().at(1).informativeText.contains("Bea - Bea Rial"));
        QCOMPARE(teachers({carme, a.profesora}), 0);
        QCOMPARE(teachers({bea}), 1);
        QVERIFY(!Dao::getInstance()->inTransaction());
        QCOMPARE(h.shownIds("tbvProfesores"), QList<int>({bea}));
    }

    void fixManuallyKeepsTheDeletionPendingUntilDecided()
    {
        ProfesoresWidget page;
        PageHarness h(&page);
        StatusAnswers status;
        QVERIFY(deleteTeachers(h, status, {a.profesora}, "btnAccept"));
        QVERIFY(page.hasPendingDeletion());
        QCOMPARE(teachers({a.profesora}), 0);
        status.press("btnAccept");
        QVERIFY(!page.isValidState());
        status.press("btnIgnore");
        QVERIFY(page.isValidState());
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QVERIFY(status.allUsed());
        QVERIFY(!Dao::getInstance()->inTransaction());
        QCOMPARE(teachers({a.profesora}), 0);
    }

    // While the user fixes by hand, the list shows what the open transaction
    // holds; Revert brings the teachers back.
    void fixManuallyListsTheWorkInProgress()
    {
        ProfesoresWidget page;
        PageHarness h(&page);
        StatusAnswers status;
        QVERIFY(deleteTeachers(h, status, {a.profesora, bea}, "btnAccept"));
        QVERIFY(page.hasPendingDeletion());
        QList<int> shown = h.shownIds("tbvProfesores");
        QVERIFY(!shown.contains(a.profesora) && !shown.contains(bea));
        QVERIFY(shown.contains(carme));

        status.press("btnRevert");
        QVERIFY(page.isValidState());
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QVERIFY(status.allUsed());
        QVERIFY(!Dao::getInstance()->inTransaction());
        QCOMPARE(teachers({a.profesora, bea}), 2);
        shown = h.shownIds("tbvProfesores");
        QVERIFY(shown.contains(a.profesora) && shown.contains(bea) && shown.contains(carme));
    }

    void pendingDeletionGoesWithThePageUncommitted()
    {
        {
            ProfesoresWidget page;
            PageHarness h(&page);
            StatusAnswers status;
            QVERIFY(deleteTeachers(h, status, {a.profesora}, "btnAccept"));
            QVERIFY(page.hasPendingDeletion());
        }
        QVERIFY(!Dao::getInstance()->inTransaction());
        QCOMPARE(teachers({a.profesora}), 1);
    }

    void settlementPreviewHasEveryPayKind()
    {
        std::unique_ptr<Profesor> ana(Profesor::getFromDB(a.profesora));
        ana->setSueldoFijo(500);
        ana->setSueldoPorHora(12);
        ana->setSueldoPorcentaje(30);
        ana->setRetencion(40);
        ana->setFAlta(QDate(2020, 1, 1));
        QVERIFY(ana->update());
        ProfesoresWidget page;
        PageHarness h(&page);
        StatusAnswers status;
        QTemporaryDir dir;
        const QString pdf = dir.filePath("liquidacion.pdf");
        capturePreview(h, pdf);
        QVERIFY(h.selectIds("tbvProfesores", {a.profesora}));
        QVERIFY(h.trigger("actionLiquidacion"));
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QVERIFY(status.allUsed());
        QVERIFY(outputfiles::pdfPages(pdf) >= 1);
        QString text;
        for (int page = 1; page <= outputfiles::pdfPages(pdf); ++page)
            text += outputfiles::pdfText(pdf, page);
        for (const char* title : {"Fixed salary", "Fixed salary an hour", "Of salary by percentage", "Total received"})
            QVERIFY2(text.contains(QString::fromLatin1(title)), title);
        QVERIFY(text.contains(QDate::currentDate().toString("yyyy")));
    }

    void studentListPreviewNamesTheTeacher()
    {
        ProfesoresWidget page;
        PageHarness h(&page);
        StatusAnswers status;
        QTemporaryDir dir;
        const QString pdf = dir.filePath("alumnos.pdf");
        capturePreview(h, pdf);
        QVERIFY(h.selectIds("tbvProfesores", {a.profesora}));
        QVERIFY(h.trigger("actionListado_alumnos"));
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QVERIFY(status.allUsed());
        const QString text = outputfiles::pdfText(pdf, 1);
        QVERIFY2(text.contains("Student listing for teacher: Ana"), qPrintable(text));
        // the enrolment keeps the name it was signed up with
        QVERIFY2(text.contains(QString("alumno %1").arg(a.luis)), qPrintable(text));
    }
};

PENSARIO_TEST_MAIN(TestProfesoresWidget)
#include "tst_profesoreswidget.moc"
