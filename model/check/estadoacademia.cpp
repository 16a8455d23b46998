#include "estadoacademia.h"

#include <QLocale>

EstadoAcademia::~EstadoAcademia() = default;

QString EstadoAcademia::identidad() const
{
    return QString::number(tipo()) + QLatin1Char('|') + claveIdentidad() + QLatin1Char('|') + descripcion();
}

QString EstadoAcademia::claveIdentidad() const
{
    return QString();
}

QString EstadoAcademia::dosDigitos(int valor)
{
    return QStringLiteral("%1").arg(valor, 2, 10, QLatin1Char('0'));
}

QString EstadoAcademia::nombreDia(int diaSemana)
{
    if (diaSemana < 1 || diaSemana > 7)
        return QString();
    return QLocale().dayName(diaSemana, QLocale::LongFormat);
}
