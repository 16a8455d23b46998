#include "emailvalidator.h"

EmailValidator::EmailValidator(QObject* parent)
    : QRegularExpressionValidator(
          QRegularExpression(QStringLiteral("^([A-Za-z0-9._%+-]*@[a-zA-Z0-9.-]+\\.[a-zA-Z]{2,})?$")), parent)
{
}
