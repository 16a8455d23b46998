#ifndef DNIVALIDATOR_H
#define DNIVALIDATOR_H

#include <QValidator>

// Spanish identity number: eight digits and the check letter.
class DNIValidator : public QValidator
{
    Q_OBJECT
public:
    DNIValidator(bool allowEmpty, QObject* parent = nullptr);
    explicit DNIValidator(QObject* parent = nullptr);
    ~DNIValidator() override;

    State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

    // The check letter of a non-negative number.
    static QChar letterFor(int number);

private:
    bool allowEmpty;
};

#endif // DNIVALIDATOR_H
