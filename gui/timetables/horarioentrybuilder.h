#ifndef HORARIOENTRYBUILDER_H
#define HORARIOENTRYBUILDER_H

#include "atimetablesession.h"

#include <QHash>
#include <QSet>
#include <QString>

class SesionDeClase;
class TurnoAsignatura;

// Turns the class sessions of one timetable refresh into canvas boxes: label,
// rich-text tooltip and colour status. Shifts, subjects, classrooms and
// teachers are loaded once per refresh, not once per session.
class HorarioEntryBuilder
{
public:
    // The translated tooltip lines of a view, each with one placeholder but
    // the no-teacher line; an empty text leaves its line out.
    struct Lines
    {
        QString noTeacher;
        QString teacher;
        QString subject;
        QString shift;
        QString students;
        QString classroom;
    };

    HorarioEntryBuilder(const Lines& lines, const QSet<int>& overlapIds);
    ~HorarioEntryBuilder();
    HorarioEntryBuilder(const HorarioEntryBuilder&) = delete;
    HorarioEntryBuilder& operator=(const HorarioEntryBuilder&) = delete;

    ATimeTableSession build(const SesionDeClase& sesion, int columnId);

private:
    QString toolTip(const SesionDeClase& sesion, const QString& asignatura, const QString& turno, int alumnos);
    const TurnoAsignatura* turno(int id);
    QString nombreAsignatura(int id);
    int numAltas(int idTurno);
    QString nombreAula(int id);
    QString apodoProfesor(int id);

    Lines m_lines;
    QSet<int> m_overlapIds;
    QHash<int, TurnoAsignatura*> m_turnos;
    QHash<int, QString> m_asignaturas;
    QHash<int, int> m_altas;
    QHash<int, QString> m_aulas;
    QHash<int, QString> m_profesores;
};

#endif // HORARIOENTRYBUILDER_H
