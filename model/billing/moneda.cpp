#include "moneda.h"

#include <QLocale>

#include <cmath>
#include <limits>

qint64 Moneda::aCentimos(double amount)
{
    const double product = amount * 100.0;
    if (!std::isfinite(product))
        return 0;
    // floor + exact comparison rather than floor(x + 0.5): adding 0.5 can
    // itself round up (0.49999999999999994 + 0.5 == 1.0 in double).
    double whole = std::floor(product);
    if (product - whole >= 0.5)
        whole += 1.0;
    // 2^63 is exactly representable; anything at or past it saturates.
    constexpr double limit = 9223372036854775808.0;
    if (whole >= limit)
        return std::numeric_limits<qint64>::max();
    if (whole < -limit)
        return std::numeric_limits<qint64>::min();
    return static_cast<qint64>(whole);
}

double Moneda::deCentimos(qint64 cents)
{
    return static_cast<double>(cents) / 100.0;
}

double Moneda::deCentimos(const QVariant& storedCents)
{
    return storedCents.toDouble() / 100.0;
}

double Moneda::redondear(double amount)
{
    return deCentimos(aCentimos(amount));
}

namespace {
// Whole units and cents of an amount's magnitude, rounded as stored; the
// magnitude is unsigned so the minimum value cannot overflow.
struct Partes {
    bool negativo;
    quint64 unidades;
    quint64 centimos;
};

Partes partes(double amount)
{
    const qint64 cents = Moneda::aCentimos(amount);
    const quint64 magnitude = cents < 0 ? quint64(0) - quint64(cents) : quint64(cents);
    return {cents < 0, magnitude / 100, magnitude % 100};
}
} // namespace

QString Moneda::formatear(double amount)
{
    const Partes p = partes(amount);
    const QLocale locale;
    QString text = locale.toString(qulonglong(p.unidades));
    text += locale.decimalPoint();
    text += locale.zeroDigit().repeated(p.centimos < 10 ? 1 : 0);
    text += locale.toString(qulonglong(p.centimos));
    if (p.negativo)
        text.prepend(locale.negativeSign());
    return text;
}

QString Moneda::formatearListado(double amount)
{
    const Partes p = partes(amount);
    QString text = QString::number(p.unidades);
    if (p.centimos != 0) {
        text += QLatin1Char('.') + QString::number(p.centimos).rightJustified(2, QLatin1Char('0'));
        if (text.endsWith(QLatin1Char('0')))
            text.chop(1);
    }
    if (p.negativo)
        text.prepend(QLatin1Char('-'));
    return text;
}
