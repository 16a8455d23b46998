#ifndef ESTADOACADEMIAFALLOASIGNATURADOBLE_H
#define ESTADOACADEMIAFALLOASIGNATURADOBLE_H

#include "estadoacademiafallo.h"

// A student signed up in two shifts of one subject.
class EstadoAcademiaFalloAsignaturaDoble : public EstadoAcademiaFallo
{
public:
    // idAsignatura: the subject reached through the enrolment's shift when the
    // check ran (0 when that shift no longer exists).
    EstadoAcademiaFalloAsignaturaDoble(int idAlta, int idAlumno, int idAsignatura, const QString& nombreAlumno,
                                       const QString& nombreAsignatura);

    EstadoAcademia* clonar() const override;

    int tipoFallo() const override;
    QString descripcion() const override;
    int idAlta() const;
    int idAlumno() const;
    int idAsignatura() const;

protected:
    QList<int> claves() const override;

private:
    int m_idAlta;
    int m_idAlumno;
    int m_idAsignatura;
    QString m_nombreAlumno;
    QString m_nombreAsignatura;
};

#endif // ESTADOACADEMIAFALLOASIGNATURADOBLE_H
