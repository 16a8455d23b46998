#include "academia.h"
#include "academyfixture.h"
#include "appstatusdialog.h"
#include "asignatura.h"
#include "asignaturadialog.h"
#include "dao.h"
#include "guitest.h"
#include "dialogsequence.h"
#include "profesordialog.h"
#include "scriptedprompter.h"
#include "sortedtexts.h"
#include "selectprofesordialog.h"
#include "testmain.h"
#include "turnoasignaturadialog.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTableWidget>


using namespace GuiTest;

namespace {

const QStringList kNombres{"A", "B", "C", "D"};
const QString kRepetido = QStringLiteral("There is already a shift of this subject with the same name");

QStringList column0(QTableWidget* table)
{
    QStringList result;
    for (int r = 0; r < table->rowCount(); ++r)
        result << table->item(r, 0)->text();
    result.sort();
    return result;
}

// The subject dialog's steps: shifts added, removed and renamed, teachers
// attached, detached and created in the picker, Revert in the status dialog.
class Sequence : public DialogSequence<AsignaturaDialog>
{
public:
    using DialogSequence::DialogSequence;

private:
    AsignaturaDialog* open() override
    {
        auto* d = new AsignaturaDialog;
        d->setAsignatura(Asignatura::getFromDB(m_fisica));
        m_turnos = {"A", "B"};
        m_profesores = {"Ana"};
        return d;
    }

    bool buildAcademy() override
    {
        if (!emptyAcademy())
            return false;
        Academia::ignorarAvisos();
        m_fisica = academy::asignatura("Física");
        const int ana = academy::profesor("Ana", "Souto");
        academy::profesor("Bea", "Rial");
        academy::profesor("Cris", "Lema");
        // a session without teacher that a student attends: the status dialog always shows
        const int quimica = academy::turno(academy::asignatura("Química"), "Q");
        return academy::turno(m_fisica, "A") > 0 && academy::turno(m_fisica, "B") > 0
               && academy::link("profesor_asignatura", "idprofesor", ana, "idasignatura", m_fisica)
               && academy::sesion(quimica, academy::aula("Aula 1", 10), 0, 1, 9) > 0
               && academy::alta(academy::alumno("Uxía", "Souto"), quimica, QDate(2024, 1, 8)) > 0;
    }

    QString name() { return kNombres.at(pick(kNombres.size())); }
    QTableWidget* table(const char* name) { return child<QTableWidget>(*m_dialog, name); }

    void step() override
    {
        switch (pick(8)) {
        case 0:
        case 1:
            addShift();
            break;
        case 2:
            removeShift();
            break;
        case 3:
            renameShift();
            break;
        case 4:
            attachTeacher();
            break;
        case 5:
            detachTeacher();
            break;
        case 6:
            createTeacher();
            break;
        default:
            revert();
            break;
        }
    }

    // The shift dialog is filled and accepted; a refused name closes it unaccepted.
    void shiftDialog(const QString& nombre, bool refused)
    {
        if (refused)
            m_prompter->buttonFor(kRepetido, QMessageBox::Ok);
        m_modals.expect<TurnoAsignaturaDialog>([nombre, refused](TurnoAsignaturaDialog* s) {
            child<QLineEdit>(*s, "leNombre")->setText(nombre);
            clickOk(*s);
            if (s->isVisible())
                s->reject(); // refused: the check finds out whether that was expected
        });
    }

    void addShift()
    {
        const QString nombre = name();
        const bool refused = m_turnos.contains(nombre);
        shiftDialog(nombre, refused);
        click(*m_dialog, "btnAddTurno");
        if (!refused)
            m_turnos << nombre;
        m_log << QStringLiteral("add %1").arg(nombre);
    }

    void renameShift()
    {
        auto* turnos = table("twTurnos");
        if (turnos->rowCount() == 0)
            return;
        const int row = pick(turnos->rowCount());
        const QString viejo = turnos->item(row, 0)->text();
        const QString nombre = name();
        const bool refused = nombre != viejo && m_turnos.contains(nombre);
        shiftDialog(nombre, refused);
        turnos->selectRow(row);
        m_dialog->updateTurnoAsignaturaDialog();
        if (!refused)
            m_turnos[m_turnos.indexOf(viejo)] = nombre;
        m_log << QStringLiteral("rename %1 %2").arg(viejo, nombre);
    }

    // A random row of the table goes with that button, its name with it from
    // what the user expects.
    void removeRow(const char* tabla, const char* boton, QStringList& esperados, const char* paso)
    {
        auto* filas = table(tabla);
        if (filas->rowCount() == 0)
            return;
        const int row = pick(filas->rowCount());
        const QString nombre = filas->item(row, 0)->text();
        esperados.removeOne(nombre);
        m_log << QStringLiteral("%1 %2").arg(QLatin1String(paso), nombre);
        filas->selectRow(row);
        click(*m_dialog, boton);
    }

    void removeShift() { removeRow("twTurnos", "btnDelTurno", m_turnos, "remove"); }

    void attachTeacher()
    {
        const int eleccion = int(m_random());
        QString* elegido = &m_elegido;
        m_elegido.clear();
        m_modals.expect<SelectProfesorDialog>([eleccion, elegido](SelectProfesorDialog* picker) {
            auto* list = child<QListWidget>(*picker, "lwObjetos");
            if (list->count() == 0) {
                picker->reject();
                return;
            }
            QListWidgetItem* item = list->item(unsigned(eleccion) % unsigned(list->count()));
            *elegido = item->text();
            list->setCurrentItem(item);
            clickOk(*picker);
        });
        click(*m_dialog, "btnAddProfesor");
        if (!m_elegido.isEmpty())
            m_profesores << m_elegido.section(QStringLiteral(" - "), -1).section(QLatin1Char(' '), 0, 0);
        m_log << QStringLiteral("attach %1").arg(m_elegido);
    }

    void detachTeacher() { removeRow("twProfesores", "btnDelProfesor", m_profesores, "detach"); }

    void createTeacher()
    {
        const QString nombre = QStringLiteral("Nuevo%1").arg(++m_creados);
        ModalSteps* modals = &m_modals;
        m_modals.expect<SelectProfesorDialog>([nombre, modals](SelectProfesorDialog* picker) {
            modals->expect<ProfesorDialog>([nombre](ProfesorDialog* p) {
                child<QLineEdit>(*p, "leNombre")->setText(nombre);
                child<QLineEdit>(*p, "leApellidos")->setText("Pazos");
                clickOk(*p);
            });
            click(*picker, "btNuevoObjeto");
            auto* list = child<QListWidget>(*picker, "lwObjetos");
            list->setCurrentItem(list->findItems(nombre, Qt::MatchStartsWith).value(0));
            clickOk(*picker);
        });
        click(*m_dialog, "btnAddProfesor");
        m_profesores << nombre;
        m_log << QStringLiteral("create %1").arg(nombre);
    }

    // OK, then Revert in the status dialog: the dialog stays as it was.
    void revert()
    {
        m_log << QStringLiteral("revert");
        if (m_turnos.isEmpty()) {
            m_prompter->buttonFor(QStringLiteral("Subject without shifts"), QMessageBox::Ok);
            clickOk(*m_dialog);
            return;
        }
        m_modals.expect<AppStatusDialog>([](AppStatusDialog* status) { click(*status, "btnRevert"); });
        clickOk(*m_dialog);
    }

    void finish() override
    {
        if (m_turnos.isEmpty()) {
            shiftDialog(QStringLiteral("Z"), false);
            click(*m_dialog, "btnAddTurno");
            m_turnos << QStringLiteral("Z");
            check(QStringLiteral("last shift"));
        }
        m_log << QStringLiteral("ok");
        m_modals.expect<AppStatusDialog>([](AppStatusDialog* status) { click(*status, "btnIgnore"); });
        clickOk(*m_dialog);
        check(QStringLiteral("final OK"));
        if (!m_error.isEmpty())
            return;
        if (m_dialog && m_dialog->isVisible())
            return fail(QStringLiteral("the dialog did not close"));
        const QStringList turnos = storedTexts("SELECT nombre FROM turnoasignatura WHERE idasignatura = ?", {m_fisica});
        if (turnos != sorted(m_turnos))
            return fail(QStringLiteral("stored shifts %1").arg(turnos.join(',')));
        const QStringList profesores =
            storedTexts("SELECT p.nombre FROM profesor p JOIN profesor_asignatura pa ON pa.idprofesor = p.id "
                  "WHERE pa.idasignatura = ?",
                  {m_fisica});
        if (profesores != sorted(m_profesores))
            return fail(QStringLiteral("stored teachers %1").arg(profesores.join(',')));
        for (const QString& nombre : std::as_const(m_profesores)) {
            if (academy::count("SELECT count(*) FROM profesor WHERE nombre = ?", {nombre}) != 1)
                return fail(QStringLiteral("teacher %1 not stored once").arg(nombre));
        }
    }

    QString shownDiffers() override
    {
        if (column0(table("twTurnos")) != sorted(m_turnos))
            return QStringLiteral("shifts shown %1").arg(column0(table("twTurnos")).join(','));
        if (column0(table("twProfesores")) != sorted(m_profesores))
            return QStringLiteral("teachers shown %1").arg(column0(table("twProfesores")).join(','));
        return QString();
    }

    int m_fisica = 0;
    int m_creados = 0;
    QStringList m_turnos;
    QStringList m_profesores;
    QString m_elegido;
};

} // namespace

// Seeded random sequences of ordinary steps in the subject dialog, each
// ending with OK: every step is refused with a message when taken, or what
// the dialog shows is stored.
class TestAsignaturaDialogSequences : public QObject
{
    Q_OBJECT
private slots:
    void everySequenceStoresWhatTheDialogShows()
    {
        verifyEverySequence<Sequence>(120);
    }
};

PENSARIO_TEST_MAIN(TestAsignaturaDialogSequences)
#include "tst_asignaturadialogsequences.moc"
