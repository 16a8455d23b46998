#include "estadoacademia.h"

#include <QLocale>

EstadoAcademia::~EstadoAcademia() = default;

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
