#include "cccvalidator.h"
#include "digittext.h"

namespace {
const int weights[] = {1, 2, 4, 8, 5, 10, 9, 7, 3, 6};
const int weightCount = sizeof(weights) / sizeof(weights[0]);

int controlDigit(int sum)
{
    const int d = 11 - (sum - 11 * (sum / 11));
    if (d == 11)
        return 0;
    if (d == 10)
        return 1;
    return d;
}
} // namespace

CCCValidator::CCCValidator(bool allowEmpty, QObject* parent)
    : QValidator(parent)
    , allowEmpty(allowEmpty)
{
}

CCCValidator::CCCValidator(QObject* parent)
    : CCCValidator(false, parent)
{
}

CCCValidator::~CCCValidator() = default;

QValidator::State CCCValidator::validate(QString& input, int& pos) const
{
    Q_UNUSED(pos);
    if (input.isEmpty())
        return allowEmpty ? Acceptable : Intermediate;
    if (input.size() != 23)
        return Intermediate;
    const QChar blank = QLatin1Char(' ');
    if (input.at(4) != blank || input.at(9) != blank || input.at(12) != blank)
        return Intermediate;
    const QString bank = input.mid(0, 4);
    const QString office = input.mid(5, 4);
    const QString check = input.mid(10, 2);
    const QString account = input.right(10);
    // Digit positions holding anything else can never make a real account.
    if (!isDigitText(bank) || !isDigitText(office) || !isDigitText(check) || !isDigitText(account))
        return Invalid;
    return controlDigits(bank, office, account) == check ? Acceptable : Intermediate;
}

void CCCValidator::fixup(QString& input) const
{
    input.remove(QLatin1Char(' '));
    input.remove(QLatin1Char('-'));
    input.remove(QLatin1Char('.'));
    input.remove(QLatin1Char('#'));
    if (input.size() == 20) {
        input.insert(4, QLatin1Char(' '));
        input.insert(9, QLatin1Char(' '));
        input.insert(12, QLatin1Char(' '));
    }
}

QString CCCValidator::controlDigits(QString bank, QString office, QString account)
{
    const QString bankOffice = bank + office;
    int first = 0;
    for (int i = 0; i < bankOffice.size() && i + 2 < weightCount; ++i)
        first += bankOffice.at(i).digitValue() * weights[i + 2];
    int second = 0;
    for (int i = 0; i < account.size() && i < weightCount; ++i)
        second += account.at(i).digitValue() * weights[i];
    return QString::number(controlDigit(first)) + QString::number(controlDigit(second));
}
