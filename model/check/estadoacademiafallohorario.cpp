#include "estadoacademiafallohorario.h"

#include "academia.h"

#include <QCoreApplication>
#include <QTime>

EstadoAcademiaFalloHorario::EstadoAcademiaFalloHorario(int idSesion, int diaSemana, int minutoInicio)
    : m_idSesion(idSesion), m_diaSemana(diaSemana), m_minutoInicio(minutoInicio)
{
}

int EstadoAcademiaFalloHorario::tipoFallo() const
{
    return FueraDeHorario;
}

QString EstadoAcademiaFalloHorario::descripcion() const
{
    return QCoreApplication::translate(
               "QObject",
               "Session shouldn't begin %3 at %1:%2, because the configured opening hours are from %4 to %5")
        .arg(dosDigitos(m_minutoInicio / 60), dosDigitos(m_minutoInicio % 60), nombreDia(m_diaSemana),
             Academia::horaApertura().toString(QStringLiteral("HH:mm")),
             Academia::horaCierre().toString(QStringLiteral("HH:mm")));
}

int EstadoAcademiaFalloHorario::idSesion() const
{
    return m_idSesion;
}

QList<int> EstadoAcademiaFalloHorario::claves() const
{
    return {m_idSesion};
}

EstadoAcademia* EstadoAcademiaFalloHorario::clonar() const
{
    return new EstadoAcademiaFalloHorario(*this);
}
