#include "estadoacademiainconsistencia.h"

EstadoAcademiaInconsistencia::EstadoAcademiaInconsistencia(const QString& mensaje, bool esSolapamiento)
    : m_mensaje(mensaje), m_esSolapamiento(esSolapamiento)
{
}

int EstadoAcademiaInconsistencia::tipo() const
{
    return Inconsistencia;
}

QString EstadoAcademiaInconsistencia::descripcion() const
{
    return m_mensaje;
}

bool EstadoAcademiaInconsistencia::esSolapamiento() const
{
    return m_esSolapamiento;
}

EstadoAcademia* EstadoAcademiaInconsistencia::clonar() const
{
    return new EstadoAcademiaInconsistencia(*this);
}
