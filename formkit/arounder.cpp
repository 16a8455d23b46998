#include "arounder.h"

#include <cmath>
#include <cstdint>

ARounder::ARounder(QObject* parent)
    : QObject(parent)
{
    // A programming error, but not one to end the user's session over.
    qWarning("ARounder is a static class, do not instantiate it!");
}

double ARounder::round(double value, int decimals)
{
    // 64-bit intermediates: amounts of millions must still round right at 3 decimals.
    int64_t factor = 1;
    for (int i = 0; i < decimals && i < 18; ++i)
        factor *= 10;
    const double x = value * static_cast<double>(factor);
    if (!(std::fabs(x) < 9.0e18))
        return value; // beyond any amount this program holds, or not a number
    int64_t r;
    if (x >= 0) {
        r = static_cast<int64_t>(std::trunc(x + 0.5));
    } else {
        const int64_t t = static_cast<int64_t>(std::trunc(x - 1.0));
        r = t + static_cast<int64_t>(std::trunc((x - static_cast<double>(t)) + 0.5));
    }
    return static_cast<double>(r) / static_cast<double>(factor);
}
