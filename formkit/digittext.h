#ifndef DIGITTEXT_H
#define DIGITTEXT_H

#include <QStringView>

#include <algorithm>

// True when every character is one of the digits 0 to 9: no sign, blank or
// other script's digit, which number conversions would let through.
inline bool isDigitText(QStringView text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

#endif // DIGITTEXT_H
