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
