#ifndef ESTADOACADEMIAFALLOTURNONOASIGNADO_H
#define ESTADOACADEMIAFALLOTURNONOASIGNADO_H

#include "estadoacademiafallo.h"

// A subject of a course that none of the course's shifts teaches.
class EstadoAcademiaFalloTurnoNoAsignado : public EstadoAcademiaFallo
{
public:
    EstadoAcademiaFalloTurnoNoAsignado(int idAsignatura, const QString& nombreAsignatura, int idCurso,
                                       const QString& nombreCurso);

    EstadoAcademia* clonar() const override;

    int tipoFallo() const override;
    QString descripcion() const override;
    int idAsignatura() const;
    int idCurso() const;

protected:
    QList<int> claves() const override;

private:
    int m_idAsignatura;
    QString m_nombreAsignatura;
    int m_idCurso;
    QString m_nombreCurso;
};

#endif // ESTADOACADEMIAFALLOTURNONOASIGNADO_H
