#include "estadoacademiainconsistenciasolapamiento.h"

EstadoAcademiaInconsistenciaSolapamiento::EstadoAcademiaInconsistenciaSolapamiento(const QString& mensaje, int id,
                                                                                   int tipoSolapamiento)
    : EstadoAcademiaInconsistencia(mensaje, true), m_id(id), m_tipoSolapamiento(tipoSolapamiento)
{
}

int EstadoAcademiaInconsistenciaSolapamiento::id() const
{
    return m_id;
}

int EstadoAcademiaInconsistenciaSolapamiento::tipoSolapamiento() const
{
    return m_tipoSolapamiento;
}

EstadoAcademia* EstadoAcademiaInconsistenciaSolapamiento::clonar() const
{
    return new EstadoAcademiaInconsistenciaSolapamiento(*this);
}

QString EstadoAcademiaInconsistenciaSolapamiento::claveIdentidad() const
{
    return QString::number(m_tipoSolapamiento) + QLatin1Char(',') + QString::number(m_id);
}
