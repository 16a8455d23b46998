#include "estadoacademiafalloasignaturadoble.h"

#include <QCoreApplication>

EstadoAcademiaFalloAsignaturaDoble::EstadoAcademiaFalloAsignaturaDoble(int idAlta, int idAlumno, int idAsignatura,
                                                                       const QString& nombreAlumno,
                                                                       const QString& nombreAsignatura)
    : m_idAlta(idAlta), m_idAlumno(idAlumno), m_idAsignatura(idAsignatura), m_nombreAlumno(nombreAlumno),
      m_nombreAsignatura(nombreAsignatura)
{
}

int EstadoAcademiaFalloAsignaturaDoble::tipoFallo() const
{
    return AsignaturaDoble;
}

QString EstadoAcademiaFalloAsignaturaDoble::descripcion() const
{
    return QCoreApplication::translate("QObject", "Student %1 is signed up in two shifts of subject %2")
        .arg(m_nombreAlumno, m_nombreAsignatura);
}

int EstadoAcademiaFalloAsignaturaDoble::idAlta() const
{
    return m_idAlta;
}

int EstadoAcademiaFalloAsignaturaDoble::idAlumno() const
{
    return m_idAlumno;
}

int EstadoAcademiaFalloAsignaturaDoble::idAsignatura() const
{
    return m_idAsignatura;
}

QList<int> EstadoAcademiaFalloAsignaturaDoble::claves() const
{
    return {m_idAsignatura, m_idAlumno};
}

EstadoAcademia* EstadoAcademiaFalloAsignaturaDoble::clonar() const
{
    return new EstadoAcademiaFalloAsignaturaDoble(*this);
}
