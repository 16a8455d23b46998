#ifndef EMAILVALIDATOR_H
#define EMAILVALIDATOR_H

#include <QRegularExpressionValidator>

// An e-mail address or nothing. The domain ends in two or more letters, so
// that endings such as ".academy" or ".galicia" are addresses too.
class EmailValidator : public QRegularExpressionValidator
{
    Q_OBJECT
public:
    explicit EmailValidator(QObject* parent = nullptr);
};

#endif // EMAILVALIDATOR_H
