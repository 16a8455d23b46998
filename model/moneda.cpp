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

QString Moneda::formatear(double amount)
{
    const qint64 cents = aCentimos(amount);
    // Work on the magnitude as unsigned so the minimum value cannot overflow.
    const quint64 magnitude = cents < 0 ? quint64(0) - quint64(cents) : quint64(cents);
    const QLocale locale;
    QString text = locale.toString(qulonglong(magnitude / 100));
    text += locale.decimalPoint();
    const quint64 rest = magnitude % 100;
    text += locale.zeroDigit().repeated(rest < 10 ? 1 : 0);
    text += locale.toString(qulonglong(rest));
    if (cents < 0)
        text.prepend(locale.negativeSign());
    return text;
}
