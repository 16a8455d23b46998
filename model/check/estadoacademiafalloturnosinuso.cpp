#include "estadoacademiafalloturnosinuso.h"

#include <QCoreApplication>

EstadoAcademiaFalloTurnoSinUso::EstadoAcademiaFalloTurnoSinUso(int idTurnoAsignatura, const QString& nombreTurno,
                                                               const QString& nombreAsignatura)
    : m_idTurnoAsignatura(idTurnoAsignatura), m_nombreTurno(nombreTurno), m_nombreAsignatura(nombreAsignatura)
{
}

int EstadoAcademiaFalloTurnoSinUso::tipoFallo() const
{
    return TurnoSinSesiones;
}

QString EstadoAcademiaFalloTurnoSinUso::descripcion() const
{
    return QCoreApplication::translate("QObject", "The shift %2 of subject %1 has no sessions assigned")
        .arg(m_nombreAsignatura, m_nombreTurno);
}

int EstadoAcademiaFalloTurnoSinUso::idTurnoAsignatura() const
{
    return m_idTurnoAsignatura;
}

QList<int> EstadoAcademiaFalloTurnoSinUso::claves() const
{
    return {m_idTurnoAsignatura};
}

EstadoAcademia* EstadoAcademiaFalloTurnoSinUso::clonar() const
{
    return new EstadoAcademiaFalloTurnoSinUso(*this);
}
