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

QString EstadoAcademia::rellenar(const QString& texto, const QStringList& valores)
{
    QString resultado;
    resultado.reserve(texto.size() + 64);
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        if (c == QLatin1Char('%') && i + 1 < texto.size()) {
            const int n = texto.at(i + 1).digitValue();
            if (n >= 1 && n <= valores.size()) {
                resultado += valores.at(n - 1);
                ++i;
                continue;
            }
        }
        resultado += c;
    }
    return resultado;
}
