#ifndef ESTADOACADEMIAINCONSISTENCIASOLAPAMIENTO_H
#define ESTADOACADEMIAINCONSISTENCIASOLAPAMIENTO_H

#include "estadoacademiainconsistencia.h"

// Two class sessions that overlap for one classroom, teacher, student or
// subject shift; carries the session the timetables mark.
class EstadoAcademiaInconsistenciaSolapamiento : public EstadoAcademiaInconsistencia
{
public:
    enum TipoSolapamiento { Aula = 0, Profesor = 1, Alumno = 2, TurnoAsignatura = 3 };

    EstadoAcademiaInconsistenciaSolapamiento(const QString& mensaje, int id, int tipoSolapamiento);

    EstadoAcademia* clonar() const override;

    int id() const;
    int tipoSolapamiento() const;

protected:
    QString claveIdentidad() const override;

private:
    int m_id;
    int m_tipoSolapamiento;
};

#endif // ESTADOACADEMIAINCONSISTENCIASOLAPAMIENTO_H
