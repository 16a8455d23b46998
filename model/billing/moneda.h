#ifndef MONEDA_H
#define MONEDA_H

#include <QString>
#include <QVariant>
#include <QtGlobal>

// Money is a double in currency units in memory and integer cents on disk.
// Every conversion and every amount shown to people goes through here, so the
// rounding rule lives in one place.
class Moneda
{
public:
    // Cents of an amount, rounded to the nearest cent with halves upward
    // (2.5 cents -> 3, -2.5 cents -> -2). The product amount * 100.0 is
    // rounded as computed in double arithmetic, so 0.285 gives 28.
    // NaN and infinities give 0; amounts beyond the 64-bit range saturate.
    static qint64 aCentimos(double amount);
    // The amount a number of cents stands for.
    static double deCentimos(qint64 cents);
    // The amount a stored cents column holds (NULL reads as 0).
    static double deCentimos(const QVariant& storedCents);
    // Rounds an amount to whole cents with the same rule as storing it.
    static double redondear(double amount);
    // An amount for people: always two decimals, never scientific notation,
    // in the default locale's digits and separators (rounded as stored).
    static QString formatear(double amount);
    // An amount as listings show it: every cent kept, a '.' before them,
    // no trailing zeros and no exponent (70, 45.5, 12345.67).
    static QString formatearListado(double amount);
};

#endif // MONEDA_H
