#include "horarioentrybuilder.h"

#include "adatehelper.h"
#include "asignatura.h"
#include "aula.h"
#include "profesor.h"
#include "sesiondeclase.h"
#include "tablestamp.h"
#include "turnoasignatura.h"

#include <QDate>

namespace {
// What an earlier refresh read, kept while its tables hold the same: the
// views redraw at every visit and choice, and these tables seldom change.
template<class T> class Kept
{
public:
    explicit Kept(const QStringList& tables) : m_stamp(tables) {}

    template<class F> const T& value(F read, bool stillValid = true)
    {
        if (!m_value || !stillValid || !m_stamp.isCurrent()) {
            m_stamp.take();
            m_value = read();
        }
        return *m_value;
    }

private:
    TableStamp m_stamp;
    std::optional<T> m_value;
};

// Takes the list and deletes it.
template<class T> QHash<int, QString> namesById(const QList<T*>& list, QString (T::*name)() const)
{
    QHash<int, QString> names;
    for (const T* item : list)
        names.insert(item->id(), (item->*name)());
    qDeleteAll(list);
    return names;
}
} // namespace

HorarioEntryBuilder::HorarioEntryBuilder(const Lines& lines, const QSet<int>& overlapIds)
    : m_lines(lines)
    , m_overlapIds(overlapIds)
{
}

ATimeTableSession HorarioEntryBuilder::build(const SesionDeClase& sesion, int columnId)
{
    const int idTurno = sesion.getIdTurnoAsignatura();
    const Turno* shift = turno(idTurno);
    const QString asignatura = shift ? shift->asignatura : QString();
    const QString nombreTurno = shift ? shift->nombre : QString();

    ATimeTableSession entry;
    entry.text = asignatura + QStringLiteral(" - ") + nombreTurno;
    entry.toolTip = toolTip(sesion, asignatura, nombreTurno, shift ? numAltas(idTurno) : 0);
    entry.columnId = columnId;
    if (m_overlapIds.contains(sesion.getId()))
        entry.status = ATimeTableSession::Overlapping;
    else if (sesion.getIdProfesor() < 1)
        entry.status = ATimeTableSession::WithoutTeacher;
    else
        entry.status = ATimeTableSession::Normal;
    entry.id = sesion.getId();
    entry.startMinute = sesion.getMinutoInicio();
    entry.endMinute = sesion.getMinutoFin();
    return entry;
}

QString HorarioEntryBuilder::toolTip(const SesionDeClase& sesion, const QString& asignatura, const QString& turno,
                                     int alumnos)
{
    // The lines are markup; the names in them are text.
    QString text = QStringLiteral("<html><p>");
    if (sesion.getIdProfesor() < 1)
        text += m_lines.noTeacher;
    else if (!m_lines.teacher.isEmpty())
        text += m_lines.teacher.arg(apodoProfesor(sesion.getIdProfesor()).toHtmlEscaped());
    text += m_lines.subject.arg(asignatura.toHtmlEscaped());
    text += m_lines.shift.arg(turno.toHtmlEscaped());
    text += m_lines.students.arg(alumnos);
    if (!m_lines.classroom.isEmpty())
        text += m_lines.classroom.arg(nombreAula(sesion.getIdAula()).toHtmlEscaped());
    return text + QStringLiteral("</p></html>");
}

const QHash<int, HorarioEntryBuilder::Turno>& HorarioEntryBuilder::turnos()
{
    static Kept<QHash<int, Turno>> kept({QStringLiteral("turnoasignatura"), QStringLiteral("asignatura")});
    return kept.value([] {
        QHash<int, Turno> byId;
        const QList<TurnoAsignatura*> list = TurnoAsignatura::listForModel();
        for (TurnoAsignatura* t : list)
            byId.insert(t->getId(), {t->getNombre(), t->getAsignatura()->nombre()});
        qDeleteAll(list);
        return byId;
    });
}

const HorarioEntryBuilder::Turno* HorarioEntryBuilder::turno(int id)
{
    if (!m_turnos)
        m_turnos = turnos();
    const auto it = m_turnos->constFind(id);
    return it == m_turnos->constEnd() ? nullptr : &it.value();
}

int HorarioEntryBuilder::numAltas(int idTurno)
{
    if (!m_altas) {
        // every shift's, so that any view's next refresh finds its own
        static Kept<QHash<int, int>> kept(
            {QStringLiteral("alta"), QStringLiteral("turnoasignatura"), QStringLiteral("asignatura")});
        // the active sign-ups of today: counted again on another day
        static QDate countedOn;
        const QDate today = ADateHelper::today();
        m_altas = kept.value([today] { return TurnoAsignatura::numAltasPorTurno(turnos().keys(), today); },
                             countedOn == today);
        countedOn = today;
    }
    return m_altas->value(idTurno);
}

QString HorarioEntryBuilder::nombreAula(int id)
{
    static Kept<QHash<int, QString>> kept({QStringLiteral("aula")});
    if (!m_aulas)
        m_aulas = kept.value([] { return namesById(Aula::list(), &Aula::nombre); });
    return m_aulas->value(id);
}

QString HorarioEntryBuilder::apodoProfesor(int id)
{
    static Kept<QHash<int, QString>> kept({QStringLiteral("profesor")});
    if (!m_profesores)
        m_profesores = kept.value([] { return namesById(Profesor::getAll(), &Profesor::apodo); });
    return m_profesores->value(id);
}
