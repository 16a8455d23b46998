#include "horarioentrybuilder.h"

#include "asignatura.h"
#include "aula.h"
#include "profesor.h"
#include "sesiondeclase.h"
#include "turnoasignatura.h"

#include <memory>

HorarioEntryBuilder::HorarioEntryBuilder(const Lines& lines, const QSet<int>& overlapIds)
    : m_lines(lines)
    , m_overlapIds(overlapIds)
{
}

HorarioEntryBuilder::~HorarioEntryBuilder()
{
    qDeleteAll(m_turnos);
}

ATimeTableSession HorarioEntryBuilder::build(const SesionDeClase& sesion, int columnId)
{
    const TurnoAsignatura* shift = turno(sesion.getIdTurnoAsignatura());
    const QString asignatura = shift ? nombreAsignatura(shift->getIdAsignatura()) : QString();
    const QString nombreTurno = shift ? shift->getNombre() : QString();

    ATimeTableSession entry;
    entry.text = asignatura + QStringLiteral(" - ") + nombreTurno;
    entry.toolTip = toolTip(sesion, asignatura, nombreTurno, shift ? numAltas(shift->getId()) : 0);
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
    QString text = QStringLiteral("<html><p>");
    if (sesion.getIdProfesor() < 1)
        text += m_lines.noTeacher;
    else if (!m_lines.teacher.isEmpty())
        text += m_lines.teacher.arg(apodoProfesor(sesion.getIdProfesor()));
    text += m_lines.subject.arg(asignatura);
    text += m_lines.shift.arg(turno);
    text += m_lines.students.arg(alumnos);
    if (!m_lines.classroom.isEmpty())
        text += m_lines.classroom.arg(nombreAula(sesion.getIdAula()));
    return text + QStringLiteral("</p></html>");
}

const TurnoAsignatura* HorarioEntryBuilder::turno(int id)
{
    auto it = m_turnos.find(id);
    if (it == m_turnos.end())
        it = m_turnos.insert(id, TurnoAsignatura::getFromDB(id));
    return it.value();
}

QString HorarioEntryBuilder::nombreAsignatura(int id)
{
    auto it = m_asignaturas.find(id);
    if (it == m_asignaturas.end()) {
        const std::unique_ptr<Asignatura> asignatura(Asignatura::getFromDB(id));
        it = m_asignaturas.insert(id, asignatura ? asignatura->nombre() : QString());
    }
    return it.value();
}

int HorarioEntryBuilder::numAltas(int idTurno)
{
    auto it = m_altas.find(idTurno);
    if (it == m_altas.end())
        it = m_altas.insert(idTurno, turno(idTurno)->getNumAltas(QDate()));
    return it.value();
}

QString HorarioEntryBuilder::nombreAula(int id)
{
    auto it = m_aulas.find(id);
    if (it == m_aulas.end()) {
        const std::unique_ptr<Aula> aula(Aula::getFromDB(id));
        it = m_aulas.insert(id, aula ? aula->nombre() : QString());
    }
    return it.value();
}

QString HorarioEntryBuilder::apodoProfesor(int id)
{
    auto it = m_profesores.find(id);
    if (it == m_profesores.end()) {
        const std::unique_ptr<Profesor> profesor(Profesor::getFromDB(id));
        it = m_profesores.insert(id, profesor ? profesor->apodo() : QString());
    }
    return it.value();
}
