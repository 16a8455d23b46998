#include "horarioentrybuilder.h"

#include "asignatura.h"
#include "aula.h"
#include "profesor.h"
#include "sesiondeclase.h"
#include "turnoasignatura.h"

namespace {
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

HorarioEntryBuilder::HorarioEntryBuilder(const Lines& lines, const QSet<int>& overlapIds,
                                         const QList<SesionDeClase*>& sesiones)
    : m_lines(lines)
    , m_overlapIds(overlapIds)
{
    QSet<int> turnos;
    for (const SesionDeClase* sesion : sesiones)
        turnos.insert(sesion->getIdTurnoAsignatura());
    m_idsTurnos = turnos.values();
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

const HorarioEntryBuilder::Turno* HorarioEntryBuilder::turno(int id)
{
    if (!m_turnos) {
        m_turnos.emplace();
        const QList<TurnoAsignatura*> turnos = TurnoAsignatura::listForModel();
        for (TurnoAsignatura* t : turnos)
            m_turnos->insert(t->getId(), {t->getNombre(), t->getAsignatura()->nombre()});
        qDeleteAll(turnos);
    }
    const auto it = m_turnos->constFind(id);
    return it == m_turnos->constEnd() ? nullptr : &it.value();
}

int HorarioEntryBuilder::numAltas(int idTurno)
{
    if (!m_altas)
        m_altas = TurnoAsignatura::numAltasPorTurno(m_idsTurnos);
    return m_altas->value(idTurno);
}

QString HorarioEntryBuilder::nombreAula(int id)
{
    if (!m_aulas)
        m_aulas = namesById(Aula::list(), &Aula::nombre);
    return m_aulas->value(id);
}

QString HorarioEntryBuilder::apodoProfesor(int id)
{
    if (!m_profesores)
        m_profesores = namesById(Profesor::getAll(), &Profesor::apodo);
    return m_profesores->value(id);
}
