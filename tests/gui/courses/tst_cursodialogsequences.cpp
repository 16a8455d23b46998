#include "academyfixture.h"
#include "cursodialog.h"
#include "curso.h"
#include "dao.h"
#include "guitest.h"
#include "dialogsequence.h"
#include "scriptedprompter.h"
#include "sortedtexts.h"
#include "selectasignaturasdialog.h"
#include "testmain.h"
#include "turnoasignaturadialog.h"
#include "turnocursodialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QPointer>
#include <QPushButton>


using namespace GuiTest;

namespace {

const QStringList kTurnosCurso{"Mañana", "Tarde", "Noche"};
const QStringList kEstrellas{"X", "Y"};
const QString kTurnoRepetido = QStringLiteral("There is already a shift of this subject with the same name");
const QString kTurnoCursoRepetido = QStringLiteral("There is already another course shift with this name");

QStringList items(QListWidget* list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->item(i)->text();
    return result;
}

// The course dialog's steps: subjects added and removed, course shifts
// added, removed and edited, "*" shifts made in the course shift dialog.
class Sequence : public DialogSequence<CursoDialog>
{
    struct TurnoCurso
    {
        QString nombre;
        QMap<QString, QString> miembros; // subject -> its chosen shift
    };

public:
    using DialogSequence::DialogSequence;

private:
    CursoDialog* open() override
    {
        auto* d = new CursoDialog;
        d->setCurso(Curso::getFromDB(m_bach));
        return d;
    }

    bool buildAcademy() override
    {
        if (!emptyAcademy())
            return false;
        m_guardados = {{"Matemáticas", {"M1", "M2"}}, {"Lengua", {"L1"}}, {"Inglés", {"I1"}}};
        QMap<QString, int> ids;
        int orden = 0;
        for (const QString& asignatura : {QStringLiteral("Matemáticas"), QStringLiteral("Lengua"), QStringLiteral("Inglés")}) {
            const int id = academy::asignatura(asignatura, 30, ++orden);
            for (const QString& turno : m_guardados.value(asignatura))
                ids.insert(turno, academy::turno(id, turno));
            if (asignatura != QStringLiteral("Inglés"))
                m_idsCurso << id;
        }
        academy::turnoCurso("Bachillerato", "Mañana", {ids.value("M1"), ids.value("L1")});
        academy::turnoCurso("Bachillerato", "Tarde", {ids.value("M2"), ids.value("L1")});
        m_bach = academy::curso("Bachillerato");
        for (int id : std::as_const(m_idsCurso))
            academy::link("curso_asignatura", "idcurso", m_bach, "idasignatura", id);
        m_asignaturas = {"Matemáticas", "Lengua"};
        m_turnosDe = m_guardados;
        m_turnos = {{"Mañana", {{"Matemáticas", "M1"}, {"Lengua", "L1"}}},
                    {"Tarde", {{"Matemáticas", "M2"}, {"Lengua", "L1"}}}};
        return m_bach > 0;
    }

    QListWidget* list(const char* name) { return child<QListWidget>(*m_dialog, name); }
    int indexOf(const QString& nombre) const
    {
        for (int i = 0; i < m_turnos.size(); ++i)
            if (m_turnos.at(i).nombre == nombre)
                return i;
        return -1;
    }

    void step() override
    {
        switch (pick(6)) {
        case 0:
            addSubject();
            break;
        case 1:
            removeSubject();
            break;
        case 2:
        case 3:
            addCourseShift();
            break;
        case 4:
            removeCourseShift();
            break;
        default:
            editCourseShift(pick(qMax(1, m_turnos.size())), kTurnosCurso.at(pick(kTurnosCurso.size())));
            break;
        }
    }

    void addSubject()
    {
        const int eleccion = int(m_random() % 1000);
        QString* elegida = &m_elegida;
        m_elegida.clear();
        m_modals.expect<SelectAsignaturasDialog>([eleccion, elegida](SelectAsignaturasDialog* picker) {
            auto* lista = child<QListWidget>(*picker, "lwObjetos");
            if (lista->count() == 0) {
                picker->reject();
                return;
            }
            QListWidgetItem* item = lista->item(eleccion % lista->count());
            *elegida = item->text();
            lista->setCurrentItem(item);
            picker->accept();
        });
        click(*m_dialog, "btnAddAsignatura");
        for (const QString& nombre : m_guardados.keys()) {
            if (m_elegida.startsWith(nombre))
                m_asignaturas << nombre;
        }
        m_log << QStringLiteral("add subject %1").arg(m_elegida);
    }

    void removeSubject()
    {
        if (m_asignaturas.isEmpty())
            return;
        const int row = pick(m_asignaturas.size());
        const QString nombre = m_asignaturas.takeAt(row);
        for (TurnoCurso& turno : m_turnos)
            turno.miembros.remove(nombre);
        // a subject picked again comes as stored
        m_turnosDe[nombre] = m_guardados.value(nombre);
        m_log << QStringLiteral("remove subject %1").arg(nombre);
        list("lwAsignaturas")->setCurrentRow(row);
        click(*m_dialog, "btnDelAsignatura");
    }

    void removeCourseShift()
    {
        if (m_turnos.isEmpty())
            return;
        const int row = pick(m_turnos.size());
        m_log << QStringLiteral("remove course shift %1").arg(m_turnos.at(row).nombre);
        m_turnos.removeAt(row);
        list("lwTurnos")->setCurrentRow(row);
        click(*m_dialog, "btnDelTurno");
    }

    void addCourseShift()
    {
        const QString nombre = kTurnosCurso.at(pick(kTurnosCurso.size()));
        m_log << QStringLiteral("add course shift %1").arg(nombre);
        const bool refused = indexOf(nombre) >= 0;
        courseShiftDialog(nombre, refused, -1);
        click(*m_dialog, "btnAddTurno");
    }

    void editCourseShift(int row, const QString& nombre)
    {
        if (row >= m_turnos.size())
            return;
        m_log << QStringLiteral("edit course shift %1 as %2").arg(m_turnos.at(row).nombre, nombre);
        const int otro = indexOf(nombre);
        courseShiftDialog(nombre, otro >= 0 && otro != row, row);
        auto* turnos = list("lwTurnos");
        m_dialog->editTurnoCurso(turnos->model()->index(row, 0));
    }

    // Fills the course shift dialog: maybe a "*" shift per subject, then a
    // random shift of each; a refused name closes it unaccepted.
    void courseShiftDialog(const QString& nombre, bool refused, int row)
    {
        Sequence* self = this;
        m_modals.expect<::TurnoCursoDialog>([self, nombre, refused, row](::TurnoCursoDialog* tc) {
            self->fillCourseShift(tc, nombre, refused, row);
        });
    }

    void fillCourseShift(::TurnoCursoDialog* tc, const QString& nombre, bool refused, int row)
    {
        child<QLineEdit>(*tc, "leNombre")->setText(nombre);
        TurnoCurso elegido{nombre, {}};
        for (int i = 0; i < m_asignaturas.size(); ++i) {
            const QString asignatura = m_asignaturas.at(i);
            if (pick(3) == 0)
                star(tc, i, asignatura);
            auto* combo = tc->findChild<QComboBox*>(QStringLiteral("cbTurnoAsignatura%1").arg(i));
            if (!combo) {
                tc->reject();
                return fail(QStringLiteral("no row for %1").arg(asignatura));
            }
            QStringList ofrecidos;
            for (int k = 0; k < combo->count(); ++k)
                ofrecidos << combo->itemText(k);
            if (sorted(ofrecidos) != sorted(m_turnosDe.value(asignatura))) {
                tc->reject();
                return fail(QStringLiteral("shifts of %1 offered: %2").arg(asignatura, ofrecidos.join(',')));
            }
            combo->setCurrentIndex(pick(combo->count()));
            elegido.miembros.insert(asignatura, combo->currentText());
        }
        if (refused)
            m_prompter->buttonFor(kTurnoCursoRepetido, QMessageBox::Ok);
        tc->accept();
        if (tc->isVisible()) {
            tc->reject();
            if (!refused)
                fail(QStringLiteral("the course shift dialog refused %1: %2").arg(nombre, m_prompter->problems().join(' ')));
            return;
        }
        if (refused)
            return fail(QStringLiteral("the course shift dialog took %1").arg(nombre));
        if (row < 0)
            m_turnos << elegido;
        else
            m_turnos[row] = elegido;
    }

    void star(::TurnoCursoDialog* tc, int fila, const QString& asignatura)
    {
        const QString nombre = kEstrellas.at(pick(kEstrellas.size()));
        const bool refused = m_turnosDe.value(asignatura).contains(nombre);
        m_log << QStringLiteral("* %1 %2").arg(asignatura, nombre);
        if (refused)
            m_prompter->buttonFor(kTurnoRepetido, QMessageBox::Ok);
        m_modals.expect<TurnoAsignaturaDialog>([nombre, refused](TurnoAsignaturaDialog* ta) {
            child<QLineEdit>(*ta, "leNombre")->setText(nombre);
            ta->accept();
            if (ta->isVisible())
                ta->reject(); // refused: the check finds out whether that was expected
        });
        QTest::mouseClick(tc->findChild<QPushButton*>(QStringLiteral("btnNuevoTurno%1").arg(fila)), Qt::LeftButton);
        if (!refused)
            m_turnosDe[asignatura] << nombre;
    }

    void finish() override
    {
        // as a user would: a subject and a course shift at least, and every
        // course shift with a shift of every subject
        if (m_asignaturas.isEmpty()) {
            addSubject();
            check(QStringLiteral("last subject"));
        }
        if (m_turnos.isEmpty()) {
            courseShiftDialog(QStringLiteral("Noche"), false, -1);
            click(*m_dialog, "btnAddTurno");
            check(QStringLiteral("last course shift"));
        }
        for (int row = 0; row < m_turnos.size() && m_error.isEmpty(); ++row) {
            if (m_turnos.at(row).miembros.size() < m_asignaturas.size()) {
                editCourseShift(row, m_turnos.at(row).nombre);
                check(QStringLiteral("completing %1").arg(m_turnos.at(row).nombre));
            }
        }
        if (!m_error.isEmpty())
            return;
        m_log << QStringLiteral("ok");
        m_dialog->accept();
        check(QStringLiteral("final OK"));
        if (!m_error.isEmpty())
            return;
        if (m_dialog && m_dialog->isVisible())
            return fail(QStringLiteral("the dialog did not close"));
        verifyStored();
    }

    void verifyStored()
    {
        const QStringList asignaturas = storedTexts("SELECT a.nombre FROM asignatura a JOIN curso_asignatura ca ON "
                                              "ca.idasignatura = a.id WHERE ca.idcurso = ?",
                                              {m_bach});
        if (asignaturas != sorted(m_asignaturas))
            return fail(QStringLiteral("stored subjects %1").arg(asignaturas.join(',')));
        QStringList nombres;
        for (const TurnoCurso& turno : std::as_const(m_turnos)) {
            nombres << turno.nombre;
            QStringList esperados;
            for (auto it = turno.miembros.cbegin(); it != turno.miembros.cend(); ++it)
                esperados << it.key() + QLatin1Char('/') + it.value();
            const QStringList guardados =
                storedTexts("SELECT a.nombre || '/' || ta.nombre FROM turnocurso tc JOIN turnocurso_turnoasignatura l ON "
                      "l.idturnocurso = tc.id JOIN turnoasignatura ta ON ta.id = l.idturnoasignatura JOIN asignatura "
                      "a ON a.id = ta.idasignatura WHERE tc.idcurso = ? AND tc.nombre = ?",
                      {m_bach, turno.nombre});
            if (guardados != sorted(esperados))
                return fail(QStringLiteral("%1 holds %2").arg(turno.nombre, guardados.join(',')));
        }
        const QStringList turnos = storedTexts("SELECT nombre FROM turnocurso WHERE idcurso = ?", {m_bach});
        if (turnos != sorted(nombres))
            return fail(QStringLiteral("stored course shifts %1").arg(turnos.join(',')));
        for (const QString& asignatura : m_guardados.keys()) {
            const QStringList esperados =
                m_asignaturas.contains(asignatura) ? m_turnosDe.value(asignatura) : m_guardados.value(asignatura);
            const QStringList guardados = storedTexts("SELECT t.nombre FROM turnoasignatura t JOIN asignatura a ON "
                                                "a.id = t.idasignatura WHERE a.nombre = ?",
                                                {asignatura});
            if (guardados != sorted(esperados))
                return fail(QStringLiteral("shifts of %1 stored: %2").arg(asignatura, guardados.join(',')));
        }
    }

    QString shownDiffers() override
    {
        if (items(list("lwAsignaturas")) != m_asignaturas)
            return QStringLiteral("subjects shown %1").arg(items(list("lwAsignaturas")).join(','));
        QStringList nombres;
        for (const TurnoCurso& turno : std::as_const(m_turnos))
            nombres << turno.nombre;
        if (items(list("lwTurnos")) != nombres)
            return QStringLiteral("course shifts shown %1").arg(items(list("lwTurnos")).join(','));
        return QString();
    }

    int m_bach = 0;
    QList<int> m_idsCurso;
    QMap<QString, QStringList> m_guardados;
    QMap<QString, QStringList> m_turnosDe;
    QStringList m_asignaturas;
    QList<TurnoCurso> m_turnos;
    QString m_elegida;
};

} // namespace

// Seeded random sequences of ordinary steps in the course dialog, each
// ending with OK: every step is refused with a message when taken, or what
// the dialog shows is stored.
class TestCursoDialogSequences : public QObject
{
    Q_OBJECT
private slots:
    void everySequenceStoresWhatTheDialogShows()
    {
        verifyEverySequence<Sequence>(180);
    }
};

PENSARIO_TEST_MAIN(TestCursoDialogSequences)
#include "tst_cursodialogsequences.moc"
