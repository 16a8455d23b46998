#ifndef CCCVALIDATOR_H
#define CCCVALIDATOR_H

#include <QValidator>

// Spanish bank account code, shown as "BBBB OOOO CC AAAAAAAAAA".
class CCCValidator : public QValidator
{
    Q_OBJECT
public:
    CCCValidator(bool allowEmpty, QObject* parent = nullptr);
    explicit CCCValidator(QObject* parent = nullptr);
    ~CCCValidator() override;

    State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

    static QString controlDigits(QString bank, QString office, QString account);

private:
    bool allowEmpty;
};

#endif // CCCVALIDATOR_H
