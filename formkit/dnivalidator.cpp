#include "dnivalidator.h"
#include "digittext.h"

namespace {
const char letters[] = "TRWAGMYFPDXBNJZSQVHLCKE";
}

DNIValidator::DNIValidator(bool allowEmpty, QObject* parent)
    : QValidator(parent)
    , allowEmpty(allowEmpty)
{
}

DNIValidator::DNIValidator(QObject* parent)
    : DNIValidator(false, parent)
{
}

DNIValidator::~DNIValidator() = default;

QValidator::State DNIValidator::validate(QString& input, int& pos) const
{
    Q_UNUSED(pos);
    if (input.isEmpty() && allowEmpty)
        return Acceptable;
    if (input.size() != 9)
        return Intermediate;
    // A sign or blank among the digits would still convert: keep the field incomplete.
    const QStringView digits = QStringView(input).left(8);
    if (!isDigitText(digits))
        return Intermediate;
    return input.at(8).toLatin1() == letterFor(digits.toInt()).toLatin1() ? Acceptable : Intermediate;
}

void DNIValidator::fixup(QString& input) const
{
    input = input.toUpper();
    input.remove(QLatin1Char('.'));
    input.remove(QLatin1Char('-'));
    input.remove(QLatin1Char(' '));
    input = input.trimmed();
}

QChar DNIValidator::letterFor(int number)
{
    int index = number % 23;
    if (index < 0)
        index += 23;
    return QLatin1Char(letters[index]);
}
