#ifndef HORARIOENTRYBUILDER_H
#define HORARIOENTRYBUILDER_H

#include "atimetablesession.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <optional>

class SesionDeClase;

// Turns the class sessions of one timetable refresh into canvas boxes: label,
// rich-text tooltip and colour status. Shifts with their subjects, student
// counts, classrooms and teachers are each read in one query, only when a
// box needs them, and kept for later refreshes while their tables hold the
// same (the counts also while the date does).
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

    ATimeTableSession build(const SesionDeClase& sesion, int columnId);

private:
    struct Turno
    {
        QString nombre;
        QString asignatura;
    };

    QString toolTip(const SesionDeClase& sesion, const QString& asignatura, const QString& turno, int alumnos);
    static const QHash<int, Turno>& turnos();
    const Turno* turno(int id);
    int numAltas(int idTurno);
    QString nombreAula(int id);
    QString apodoProfesor(int id);

    Lines m_lines;
    QSet<int> m_overlapIds;
    std::optional<QHash<int, Turno>> m_turnos;
    std::optional<QHash<int, int>> m_altas;
    std::optional<QHash<int, QString>> m_aulas;
    std::optional<QHash<int, QString>> m_profesores;
};

#endif // HORARIOENTRYBUILDER_H
