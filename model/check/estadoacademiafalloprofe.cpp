#include "estadoacademiafalloprofe.h"

#include <QCoreApplication>

EstadoAcademiaFalloProfe::EstadoAcademiaFalloProfe(int idSesion, int diaSemana, int minutoInicio,
                                                   const QString& nombreAula)
    : m_idSesion(idSesion), m_diaSemana(diaSemana), m_minutoInicio(minutoInicio), m_nombreAula(nombreAula)
{
}

int EstadoAcademiaFalloProfe::tipoFallo() const
{
    return SinProfesor;
}

QString EstadoAcademiaFalloProfe::descripcion() const
{
    return QCoreApplication::translate("QObject", "In classroom %1 there is no professor %2s at %3:%4")
        .arg(m_nombreAula, nombreDia(m_diaSemana), dosDigitos(m_minutoInicio / 60), dosDigitos(m_minutoInicio % 60));
}

int EstadoAcademiaFalloProfe::idSesion() const
{
    return m_idSesion;
}

QList<int> EstadoAcademiaFalloProfe::claves() const
{
    return {m_idSesion};
}

EstadoAcademia* EstadoAcademiaFalloProfe::clonar() const
{
    return new EstadoAcademiaFalloProfe(*this);
}
