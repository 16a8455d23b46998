#include "estadoacademiafalloturnonoasignado.h"

#include <QCoreApplication>

EstadoAcademiaFalloTurnoNoAsignado::EstadoAcademiaFalloTurnoNoAsignado(int idAsignatura,
                                                                       const QString& nombreAsignatura, int idCurso,
                                                                       const QString& nombreCurso)
    : m_idAsignatura(idAsignatura), m_nombreAsignatura(nombreAsignatura), m_idCurso(idCurso),
      m_nombreCurso(nombreCurso)
{
}

int EstadoAcademiaFalloTurnoNoAsignado::tipoFallo() const
{
    return TurnoNoAsignado;
}

QString EstadoAcademiaFalloTurnoNoAsignado::descripcion() const
{
    return QCoreApplication::translate("QObject", "Subject %1 of course %2 has no shifts assigned")
        .arg(m_nombreAsignatura, m_nombreCurso);
}

int EstadoAcademiaFalloTurnoNoAsignado::idAsignatura() const
{
    return m_idAsignatura;
}

int EstadoAcademiaFalloTurnoNoAsignado::idCurso() const
{
    return m_idCurso;
}

QList<int> EstadoAcademiaFalloTurnoNoAsignado::claves() const
{
    return {m_idAsignatura, m_idCurso};
}

EstadoAcademia* EstadoAcademiaFalloTurnoNoAsignado::clonar() const
{
    return new EstadoAcademiaFalloTurnoNoAsignado(*this);
}
