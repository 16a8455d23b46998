#include "academia.h"
#include "academyfixture.h"
#include "appstatusdialog.h"
#include "asignatura.h"
#include "asignaturadialog.h"
#include "dao.h"
#include "guitest.h"
#include "profesor.h"
#include "profesordialog.h"
#include "scriptedprompter.h"
#include "statusanswers.h"
#include "selectprofesordialog.h"
#include "testmain.h"
#include "turnoasignatura.h"
#include "turnoasignaturadialog.h"

#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTableWidget>

using namespace GuiTest;

namespace {

QStringList rows(QTableWidget* table)
{
    QStringList result;
    for (int r = 0; r < table->rowCount(); ++r)
        result << table->item(r, 0)->text();
    return result;
}

void addShift(AsignaturaDialog& d, const QString& nombre)
{
    whenShown<TurnoAsignaturaDialog>([nombre](TurnoAsignaturaDialog* s) {
        child<QLineEdit>(*s, "leNombre")->setText(nombre);
        clickOk(*s);
    });
    click(d, "btnAddTurno");
}

void selectRow(AsignaturaDialog& d, const char* table, int row)
{
    child<QTableWidget>(d, table)->selectRow(row);
}

// The dialog on show, for a new subject or for the stored one with that id;
// the pointer clears when the dialog closes and deletes itself.
QPointer<AsignaturaDialog> shownDialog(int id = 0)
{
    auto* d = new AsignaturaDialog;
    if (id > 0)
        d->setAsignatura(Asignatura::getFromDB(id));
    d->show();
    return d;
}

int subjectsNamed(const QString& nombre)
{
    return academy::count("SELECT count(*) FROM asignatura WHERE nombre = ?", {nombre});
}

} // namespace

class TestAsignaturaDialog : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        if (Dao::getInstance()->inTransaction())
            Dao::getInstance()->rollback();
        QVERIFY(academy::openFreshDatabase());
        Academia::ignorarAvisos();
        Academia::ignorarAvisos();
    }

    void subjectWithoutShiftsIsRefused()
    {
        ScriptedPrompter prompter;
        prompter.button(QMessageBox::Ok);
        QPointer<AsignaturaDialog> d = shownDialog();
        clickOk(*d); // an empty name: marked, no message
        QCOMPARE(prompter.askedCount(), 0);
        QVERIFY(!child<QLineEdit>(*d, "leNombre")->styleSheet().isEmpty());
        child<QLineEdit>(*d, "leNombre")->setText("Latín");
        clickOk(*d);
        QVERIFY(d && d->isVisible());
        QVERIFY(prompter.allAnswered());
        QCOMPARE(prompter.asked().first().text, QString("Subject without shifts"));
        d->reject();
        QTRY_VERIFY(!d);
        QCOMPARE(subjectsNamed("Latín"), 0);
        QVERIFY(!Dao::getInstance()->inTransaction());
    }

    void newSubjectWithShiftCommitsWithoutStatusDialog()
    {
        StatusAnswers status;
        QPointer<AsignaturaDialog> d = shownDialog();
        child<QLineEdit>(*d, "leNombre")->setText("Latín");
        child<QDoubleSpinBox>(*d, "lePrecioOrientativo")->setValue(33);
        addShift(*d, "Mañana");
        QCOMPARE(rows(child<QTableWidget>(*d, "twTurnos")), QStringList({"Mañana"}));
        clickOk(*d);
        QTRY_VERIFY(!d);
        QCOMPARE(status.shown(), 0);
        QVERIFY(!Dao::getInstance()->inTransaction());
        QCOMPARE(subjectsNamed("Latín"), 1);
        QCOMPARE(academy::count("SELECT count(*) FROM turnoasignatura t JOIN asignatura a ON a.id = t.idasignatura "
                                "WHERE a.nombre = 'Latín' AND t.nombre = 'Mañana' AND t.precioorientativo = 3300"),
                 1);
        // the new shift without sessions became an ignored fault
        QCOMPARE(Academia::avisosIgnorados().size(), 1);
    }

    void cancelTakesEverythingBack()
    {
        const int mates = academy::asignatura("Matemáticas");
        academy::turno(mates, "Mañana");
        QPointer<AsignaturaDialog> d = shownDialog(mates);
        child<QLineEdit>(*d, "leNombre")->setText("Mates");
        addShift(*d, "Tarde");
        d->reject();
        QTRY_VERIFY(!d);
        QCOMPARE(subjectsNamed("Matemáticas"), 1);
        QCOMPARE(academy::count("SELECT count(*) FROM turnoasignatura"), 1);
    }

    // A name another subject has: the write fails, says why and is taken
    // back; the dialog stays open in its transaction and a new name stores it.
    void failedWriteIsExplainedAndLeavesTheDialogOpen()
    {
        academy::turno(academy::asignatura("Física"), "Mañana");
        ScriptedPrompter prompter;
        prompter.button(QMessageBox::Ok);
        StatusAnswers status;
        QPointer<AsignaturaDialog> d = shownDialog();
        child<QLineEdit>(*d, "leNombre")->setText("Física");
        addShift(*d, "Tarde");
        clickOk(*d);
        QVERIFY(d && d->isVisible());
        QVERIFY(prompter.allAnswered());
        QCOMPARE(prompter.asked().first().text, QString("The subject could not be saved"));
        QVERIFY(Dao::getInstance()->inTransaction());
        QCOMPARE(academy::count("SELECT count(*) FROM turnoasignatura"), 1);
        QCOMPARE(rows(child<QTableWidget>(*d, "twTurnos")), QStringList({"Tarde"}));
        QCOMPARE(d->asignatura()->id(), 0);

        child<QLineEdit>(*d, "leNombre")->setText("Química");
        clickOk(*d);
        QTRY_VERIFY(!d);
        QCOMPARE(status.shown(), 0);
        QCOMPARE(subjectsNamed("Química"), 1);
        QCOMPARE(academy::count("SELECT count(*) FROM turnoasignatura WHERE nombre = 'Tarde'"), 1);
    }

    // A session without teacher that students attend is a fault nobody
    // ignored: the status dialog shows. Revert keeps the dialog open with
    // what was typed, a later Save anyway stores the subject once.
    void revertThenSaveStoresTheSubjectAgain()
    {
        const int fisica = academy::asignatura("Física");
        const int t = academy::turno(fisica, "Mañana");
        QVERIFY(academy::sesion(t, academy::aula("Aula 1", 10), 0, 1, 9) > 0);
        QVERIFY(academy::alta(academy::alumno("Uxía", "Souto"), t, QDate::currentDate().addMonths(-1)) > 0);
        StatusAnswers status;
        status.press("btnRevert");
        QPointer<AsignaturaDialog> d = shownDialog();
        child<QLineEdit>(*d, "leNombre")->setText("Latín");
        addShift(*d, "Mañana");
        addShift(*d, "Tarde");
        clickOk(*d);
        QCOMPARE(status.shown(), 1);
        QVERIFY(d && d->isVisible());
        QCOMPARE(subjectsNamed("Latín"), 0);
        QVERIFY(Dao::getInstance()->inTransaction());
        QCOMPARE(rows(child<QTableWidget>(*d, "twTurnos")), QStringList({"Mañana", "Tarde"}));
        QCOMPARE(d->asignatura()->id(), 0);
        for (TurnoAsignatura* turno : d->asignatura()->turnos())
            QCOMPARE(turno->id(), 0);

        status.press("btnIgnore");
        clickOk(*d);
        QTRY_VERIFY(!d);
        QCOMPARE(status.shown(), 2);
        QCOMPARE(status.unexpected(), 0);
        QVERIFY(!Dao::getInstance()->inTransaction());
        QCOMPARE(subjectsNamed("Latín"), 1);
        QCOMPARE(academy::count("SELECT count(*) FROM turnoasignatura t JOIN asignatura a ON a.id = t.idasignatura "
                                "WHERE a.nombre = 'Latín'"),
                 2);
    }

    void fixManuallyKeepsTheTransactionAndCancelUndoes()
    {
        const int fisica = academy::asignatura("Física");
        const int t = academy::turno(fisica, "Mañana");
        QVERIFY(academy::sesion(t, academy::aula("Aula 1", 10), 0, 1, 9) > 0);
        QVERIFY(academy::alta(academy::alumno("Uxía", "Souto"), t, QDate::currentDate().addMonths(-1)) > 0);
        StatusAnswers status;
        status.press("btnAccept");
        QPointer<AsignaturaDialog> d = shownDialog();
        child<QLineEdit>(*d, "leNombre")->setText("Latín");
        addShift(*d, "Mañana");
        clickOk(*d);
        QVERIFY(d && d->isVisible());
        // written inside the open transaction, not committed
        QCOMPARE(subjectsNamed("Latín"), 1);
        QVERIFY(Dao::getInstance()->inTransaction());
        d->reject();
        QTRY_VERIFY(!d);
        QCOMPARE(subjectsNamed("Latín"), 0);
        QVERIFY(!Dao::getInstance()->inTransaction());
    }

    void shiftAndTeacherRemovalAskWhenTheyMatter()
    {
        academy::Academy a;
        QVERIFY(a.build());
        const int sinSesiones = academy::turno(a.matematicas, "Noche");
        const int bea = academy::profesor("Bea", "Rial");
        QVERIFY(academy::link("profesor_asignatura", "idprofesor", a.profesora, "idasignatura", a.matematicas));
        QVERIFY(academy::link("profesor_asignatura", "idprofesor", bea, "idasignatura", a.matematicas));
        ScriptedPrompter prompter;
        StatusAnswers status;
        QPointer<AsignaturaDialog> d = shownDialog(a.matematicas);
        auto* turnos = child<QTableWidget>(*d, "twTurnos");
        QCOMPARE(rows(turnos), QStringList({"Manana", "Tarde", "Noche"}));
        // no sessions, no students: nothing asked
        selectRow(*d, "twTurnos", 2);
        click(*d, "btnDelTurno");
        QCOMPARE(prompter.askedCount(), 0);
        QCOMPARE(rows(turnos), QStringList({"Manana", "Tarde"}));
        // sessions and a student: two questions, Cancel at the second keeps it
        prompter.button(QMessageBox::Ok).button(QMessageBox::Cancel);
        selectRow(*d, "twTurnos", 0);
        click(*d, "btnDelTurno");
        QCOMPARE(prompter.askedCount(), 2);
        QCOMPARE(prompter.asked().at(0).title, QString("Shift in use"));
        QCOMPARE(prompter.asked().at(1).title, QString("Students signed up"));
        QCOMPARE(rows(turnos), QStringList({"Manana", "Tarde"}));

        // the teacher with sessions is asked about, the other is not
        auto* profesores = child<QTableWidget>(*d, "twProfesores");
        QCOMPARE(rows(profesores), QStringList({"Ana", "Bea"}));
        selectRow(*d, "twProfesores", 1);
        click(*d, "btnDelProfesor");
        QCOMPARE(prompter.askedCount(), 2);
        prompter.button(QMessageBox::Ok);
        selectRow(*d, "twProfesores", 0);
        click(*d, "btnDelProfesor");
        QCOMPARE(prompter.asked().at(2).title, QString("Incomplete sessions"));
        QVERIFY(rows(profesores).isEmpty());
        QVERIFY(prompter.allAnswered());

        status.press("btnIgnore");
        clickOk(*d);
        QTRY_VERIFY(!d);
        QCOMPARE(academy::count("SELECT count(*) FROM turnoasignatura WHERE id = ?", {sinSesiones}), 0);
        QCOMPARE(academy::count("SELECT count(*) FROM profesor_asignatura"), 0);
        QCOMPARE(academy::count("SELECT count(*) FROM sesiondeclase WHERE idprofesor = ?", {a.profesora}), 0);
    }

    void teacherPickedFromThePicker()
    {
        const int fisica = academy::asignatura("Física");
        academy::turno(fisica, "Mañana");
        const int ana = academy::profesor("Ana", "Souto");
        StatusAnswers status;
        QPointer<AsignaturaDialog> d = shownDialog(fisica);
        whenShown<SelectProfesorDialog>([](SelectProfesorDialog* picker) {
            auto* list = child<QListWidget>(*picker, "lwObjetos");
            list->setCurrentRow(0);
            clickOk(*picker);
        });
        click(*d, "btnAddProfesor");
        QCOMPARE(rows(child<QTableWidget>(*d, "twProfesores")), QStringList({"Ana"}));
        clickOk(*d);
        QTRY_VERIFY(!d);
        QCOMPARE(academy::count("SELECT count(*) FROM profesor_asignatura WHERE idprofesor = ? AND idasignatura = ?",
                                {ana, fisica}),
                 1);
    }

    // Deleting a shift with sessions is asked about twice: in the dialog and
    // again when the write removes it. Abort at the second writes nothing,
    // tells of no failure, and the dialog stays open with what was entered.
    void abortAtTheSecondQuestionLeavesNothingHalfWritten()
    {
        academy::Academy a;
        QVERIFY(a.build());
        Academia::inicializarEstado();
        ScriptedPrompter prompter;
        StatusAnswers status;
        QPointer<AsignaturaDialog> d = shownDialog(a.matematicas);
        child<QLineEdit>(*d, "leNombre")->setText("Álgebra");
        addShift(*d, "Noche");
        prompter.button(QMessageBox::Ok).button(QMessageBox::Ok); // sessions, students
        selectRow(*d, "twTurnos", 0);
        click(*d, "btnDelTurno");
        QCOMPARE(rows(child<QTableWidget>(*d, "twTurnos")), QStringList({"Tarde", "Noche"}));
        prompter.button(QMessageBox::Abort); // the removal's own question; an abort is no failure
        clickOk(*d);
        QVERIFY(d && d->isVisible());
        QVERIFY(prompter.allAnswered());
        QCOMPARE(prompter.askedCount(), 3);
        QCOMPARE(prompter.asked().at(2).text, QString("The selected shift has assigned sessions"));
        QCOMPARE(status.shown(), 0);
        QCOMPARE(subjectsNamed("Matematicas"), 1);
        QCOMPARE(academy::count("SELECT count(*) FROM turnoasignatura WHERE idasignatura = ?", {a.matematicas}), 2);
        QCOMPARE(academy::count("SELECT count(*) FROM sesiondeclase WHERE idturnoasignatura = ?", {a.turnoManana}), 2);
        QCOMPARE(academy::count("SELECT count(*) FROM alta WHERE idturnoasignatura = ? AND fbaja IS NULL",
                                {a.turnoManana}),
                 1);
        QCOMPARE(child<QLineEdit>(*d, "leNombre")->text(), QString("Álgebra"));
        QCOMPARE(rows(child<QTableWidget>(*d, "twTurnos")), QStringList({"Tarde", "Noche"}));

        // agreeing this time stores all of it
        prompter.button(QMessageBox::Ok);
        status.press("btnIgnore");
        clickOk(*d);
        QTRY_VERIFY(!d);
        QCOMPARE(subjectsNamed("Álgebra"), 1);
        QCOMPARE(academy::count("SELECT count(*) FROM turnoasignatura WHERE id = ?", {a.turnoManana}), 0);
        QCOMPARE(academy::count("SELECT count(*) FROM turnoasignatura WHERE idasignatura = ?", {a.matematicas}), 2);
    }

    // A teacher made in the picker lives in the dialog's transaction; after
    // Revert it is new again and OK stores it, linked, once.
    void teacherCreatedInThePickerIsStoredAfterRevert()
    {
        academy::Academy a;
        QVERIFY(a.build());
        QVERIFY(academy::link("profesor_asignatura", "idprofesor", a.profesora, "idasignatura", a.matematicas));
        Academia::ignorarAvisos();
        ScriptedPrompter prompter;
        StatusAnswers status;
        QPointer<AsignaturaDialog> d = shownDialog(a.matematicas);
        whenShown<SelectProfesorDialog>([](SelectProfesorDialog* picker) {
            whenShown<ProfesorDialog>([](ProfesorDialog* p) {
                child<QLineEdit>(*p, "leNombre")->setText("Brais");
                child<QLineEdit>(*p, "leApellidos")->setText("Lema");
                clickOk(*p);
            });
            click(*picker, "btNuevoObjeto");
            auto* list = child<QListWidget>(*picker, "lwObjetos");
            list->setCurrentItem(list->findItems("Brais", Qt::MatchContains).value(0));
            clickOk(*picker);
        });
        click(*d, "btnAddProfesor");
        auto* profesores = child<QTableWidget>(*d, "twProfesores");
        QCOMPARE(rows(profesores), QStringList({"Ana", "Brais"}));
        // Ana leaves her sessions without teacher: the status dialog shows
        prompter.button(QMessageBox::Ok);
        selectRow(*d, "twProfesores", 0);
        click(*d, "btnDelProfesor");
        status.press("btnRevert");
        clickOk(*d);
        QCOMPARE(status.shown(), 1);
        QVERIFY(d && d->isVisible());
        QCOMPARE(academy::count("SELECT count(*) FROM profesor WHERE nombre = 'Brais'"), 0);
        QCOMPARE(rows(profesores), QStringList({"Brais"}));

        status.press("btnIgnore");
        clickOk(*d);
        QTRY_VERIFY(!d);
        QVERIFY2(prompter.allAnswered(), qPrintable(prompter.problems().join('\n')));
        QCOMPARE(status.unexpected(), 0);
        QCOMPARE(academy::count("SELECT count(*) FROM profesor WHERE nombre = 'Brais' AND apellidos = 'Lema'"), 1);
        QCOMPARE(academy::count("SELECT count(*) FROM profesor_asignatura pa JOIN profesor p ON p.id = pa.idprofesor "
                                "WHERE pa.idasignatura = ?",
                                {a.matematicas}),
                 1);
        QCOMPARE(academy::count("SELECT count(*) FROM profesor_asignatura pa JOIN profesor p ON p.id = pa.idprofesor "
                                "WHERE pa.idasignatura = ? AND p.nombre = 'Brais'",
                                {a.matematicas}),
                 1);
    }

    // A stored shift removed in the dialog frees its name at once, also when
    // it was the subject's only shift: the subject stays.
    void removedShiftsNameGoesToANewShift()
    {
        const int fisica = academy::asignatura("Física");
        const int manana = academy::turno(fisica, "Mañana");
        ScriptedPrompter prompter;
        StatusAnswers status;
        QPointer<AsignaturaDialog> d = shownDialog(fisica);
        selectRow(*d, "twTurnos", 0);
        click(*d, "btnDelTurno");
        whenShown<TurnoAsignaturaDialog>([](TurnoAsignaturaDialog* s) {
            child<QLineEdit>(*s, "leNombre")->setText("Mañana");
            clickOk(*s);
            if (s->isVisible())
                s->reject(); // refused
        });
        click(*d, "btnAddTurno");
        QCOMPARE(prompter.askedCount(), 0);
        QCOMPARE(rows(child<QTableWidget>(*d, "twTurnos")), QStringList({"Mañana"}));
        clickOk(*d);
        QTRY_VERIFY(!d);
        QVERIFY(prompter.allAnswered());
        QCOMPARE(academy::count("SELECT count(*) FROM asignatura WHERE id = ?", {fisica}), 1);
        QCOMPARE(academy::count("SELECT count(*) FROM turnoasignatura WHERE id = ?", {manana}), 0);
        QCOMPARE(academy::count("SELECT count(*) FROM turnoasignatura WHERE idasignatura = ? AND nombre = 'Mañana'",
                                {fisica}),
                 1);
    }

    // Renaming a stored shift to a sister's name is refused at once; names
    // swapped through a third one are stored as shown.
    void storedShiftRenamesAreRefusedOrStored()
    {
        const int fisica = academy::asignatura("Física");
        const int manana = academy::turno(fisica, "Mañana");
        const int tarde = academy::turno(fisica, "Tarde");
        ScriptedPrompter prompter;
        StatusAnswers status;
        QPointer<AsignaturaDialog> d = shownDialog(fisica);
        auto* turnos = child<QTableWidget>(*d, "twTurnos");
        auto rename = [&](int row, const QString& nombre, bool refused) {
            whenShown<TurnoAsignaturaDialog>([nombre, refused](TurnoAsignaturaDialog* s) {
                child<QLineEdit>(*s, "leNombre")->setText(nombre);
                clickOk(*s);
                if (refused) {
                    QVERIFY(s->isVisible());
                    s->reject();
                }
            });
            selectRow(*d, "twTurnos", row);
            d->updateTurnoAsignaturaDialog();
        };
        prompter.button(QMessageBox::Ok);
        rename(1, "Mañana", true);
        QVERIFY(prompter.allAnswered());
        QCOMPARE(prompter.asked().first().text, QString("There is already a shift of this subject with the same name"));
        QCOMPARE(rows(turnos), QStringList({"Mañana", "Tarde"}));

        rename(0, "Noche", false);
        rename(1, "Mañana", false);
        rename(0, "Tarde", false);
        QCOMPARE(rows(turnos), QStringList({"Tarde", "Mañana"}));
        clickOk(*d);
        QTRY_VERIFY(!d);
        QCOMPARE(prompter.askedCount(), 1);
        QCOMPARE(academy::scalar("SELECT nombre FROM turnoasignatura WHERE id = ?", {manana}).toString(), QString("Tarde"));
        QCOMPARE(academy::scalar("SELECT nombre FROM turnoasignatura WHERE id = ?", {tarde}).toString(), QString("Mañana"));
    }

    // A write the database refuses is told in plain words; its own text goes to the log only.
    void databaseRefusalIsToldInPlainWords()
    {
        const int fisica = academy::asignatura("Física");
        academy::turno(fisica, "Mañana");
        QVERIFY(academy::failInserts("turnoasignatura"));
        ScriptedPrompter prompter;
        prompter.button(QMessageBox::Ok);
        StatusAnswers status;
        QPointer<AsignaturaDialog> d = shownDialog(fisica);
        addShift(*d, "Tarde");
        clickOk(*d);
        QVERIFY(d && d->isVisible());
        QVERIFY(prompter.allAnswered());
        QCOMPARE(prompter.asked().first().text, QString("The subject could not be saved"));
        QCOMPARE(prompter.asked().first().informativeText,
                 QString("Nothing of it has been stored. Check the data (another subject may have the same name) "
                         "and try again."));
        d->reject();
        QTRY_VERIFY(!d);
    }

    void storedShiftNameIsRefusedInTheDialog()
    {
        const int fisica = academy::asignatura("Física");
        academy::turno(fisica, "Mañana");
        ScriptedPrompter prompter;
        prompter.button(QMessageBox::Ok);
        QPointer<AsignaturaDialog> d = shownDialog(fisica);
        whenShown<TurnoAsignaturaDialog>([](TurnoAsignaturaDialog* s) {
            child<QLineEdit>(*s, "leNombre")->setText("Mañana");
            clickOk(*s);
            QVERIFY(s->isVisible()); // refused: still open
            s->reject();
        });
        click(*d, "btnAddTurno");
        QVERIFY(prompter.allAnswered());
        QCOMPARE(prompter.asked().first().text, QString("There is already a shift of this subject with the same name"));
        QCOMPARE(rows(child<QTableWidget>(*d, "twTurnos")), QStringList({"Mañana"}));
        d->reject();
        QTRY_VERIFY(!d);
    }
};

PENSARIO_TEST_MAIN(TestAsignaturaDialog)
#include "tst_asignaturadialog.moc"
