#include "estadoacademiafalloaforo.h"

#include <QCoreApplication>

EstadoAcademiaFalloAforo::EstadoAcademiaFalloAforo(int exceso, int idAula, const QString& nombreAula, int idSesion,
                                                   int diaSemana, int minutoInicio)
    : m_exceso(exceso), m_idAula(idAula), m_nombreAula(nombreAula), m_idSesion(idSesion), m_diaSemana(diaSemana),
      m_minutoInicio(minutoInicio)
{
}

int EstadoAcademiaFalloAforo::tipoFallo() const
{
    return Aforo;
}

QString EstadoAcademiaFalloAforo::descripcion() const
{
    return QCoreApplication::translate("QObject",
                                       "The capacity of classroom %1 is surpassed by %2 students on %3 at %4:%5")
        .arg(m_nombreAula, QString::number(m_exceso), nombreDia(m_diaSemana), dosDigitos(m_minutoInicio / 60),
             dosDigitos(m_minutoInicio % 60));
}

int EstadoAcademiaFalloAforo::exceso() const
{
    return m_exceso;
}

int EstadoAcademiaFalloAforo::idAula() const
{
    return m_idAula;
}

int EstadoAcademiaFalloAforo::idSesion() const
{
    return m_idSesion;
}

QList<int> EstadoAcademiaFalloAforo::claves() const
{
    return {m_idAula, m_idSesion};
}

EstadoAcademia* EstadoAcademiaFalloAforo::clonar() const
{
    return new EstadoAcademiaFalloAforo(*this);
}
