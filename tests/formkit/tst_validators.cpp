#include "cccvalidator.h"
#include "dnivalidator.h"
#include "testmain.h"

#include <memory>

Q_DECLARE_METATYPE(QValidator::State)

class TestValidators : public QObject
{
    Q_OBJECT
private:
    static QValidator::State check(const QValidator& validator, const QString& text)
    {
        QString input = text;
        int pos = 3;
        const QValidator::State state = validator.validate(input, pos);
        // validate never edits what the user typed
        if (input != text || pos != 3)
            qFatal("validate changed its input");
        return state;
    }

    static std::unique_ptr<QValidator> validator(const QString& kind, bool allowEmpty = false)
    {
        if (kind == QLatin1String("ccc"))
            return std::make_unique<CCCValidator>(allowEmpty, nullptr);
        return std::make_unique<DNIValidator>(allowEmpty, nullptr);
    }

private slots:
    void init() { TestEnv::resetCase(); }

    void states_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("allowEmpty");
        QTest::addColumn<QValidator::State>("expected");
        for (const char* kind : {"ccc", "dni"}) {
            QTest::addRow("%s empty allowed", kind) << kind << "" << true << QValidator::Acceptable;
            QTest::addRow("%s empty required", kind) << kind << "" << false << QValidator::Intermediate;
        }
        QTest::newRow("ccc valid") << "ccc" << "1234 5678 06 1234567890" << false << QValidator::Acceptable;
        QTest::newRow("ccc rule for 10") << "ccc" << "0001 0000 15 0000000001" << false << QValidator::Acceptable;
        QTest::newRow("ccc wrong first check digit") << "ccc" << "1234 5678 16 1234567890" << false << QValidator::Intermediate;
        QTest::newRow("ccc wrong second check digit") << "ccc" << "1234 5678 07 1234567890" << false << QValidator::Intermediate;
        QTest::newRow("ccc no blanks") << "ccc" << "12345678061234567890" << false << QValidator::Intermediate;
        QTest::newRow("ccc too long") << "ccc" << "1234 5678 06 12345678901" << false << QValidator::Intermediate;
        QTest::newRow("ccc partly typed") << "ccc" << "1234 56" << false << QValidator::Intermediate;
        QTest::newRow("ccc letter in account") << "ccc" << "1234 5678 06 12345678A0" << false << QValidator::Invalid;
        QTest::newRow("ccc letter in bank") << "ccc" << "12B4 5678 06 1234567890" << false << QValidator::Invalid;
        QTest::newRow("ccc letter in check") << "ccc" << "1234 5678 0X 1234567890" << false << QValidator::Invalid;
        QTest::newRow("dni valid") << "dni" << "12345678Z" << false << QValidator::Acceptable;
        QTest::newRow("dni zeros") << "dni" << "00000000T" << false << QValidator::Acceptable;
        QTest::newRow("dni lower-case letter") << "dni" << "12345678z" << false << QValidator::Intermediate;
        QTest::newRow("dni wrong letter") << "dni" << "12345678A" << false << QValidator::Intermediate;
        QTest::newRow("dni letter among digits") << "dni" << "1234567AZ" << false << QValidator::Intermediate;
        QTest::newRow("dni too short") << "dni" << "1234567Z" << false << QValidator::Intermediate;
        QTest::newRow("dni with separators") << "dni" << "12.345.678-Z" << false << QValidator::Intermediate;
    }

    void states()
    {
        QFETCH(QString, kind);
        QFETCH(QString, input);
        QFETCH(bool, allowEmpty);
        QFETCH(QValidator::State, expected);
        QCOMPARE(check(*validator(kind, allowEmpty), input), expected);
    }

    void fixup_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("fixed");
        QTest::addColumn<QValidator::State>("state");
        const QString ccc = QStringLiteral("1234 5678 06 1234567890");
        QTest::newRow("ccc 20 digits") << "ccc" << "12345678061234567890" << ccc << QValidator::Acceptable;
        QTest::newRow("ccc separators") << "ccc" << "1234.5678-06#1234567890" << ccc << QValidator::Acceptable;
        QTest::newRow("ccc odd blanks") << "ccc" << " 12 345678 0612345 67890 " << ccc << QValidator::Acceptable;
        QTest::newRow("ccc 19 characters") << "ccc" << "1234-5678-06-123456789" << "1234567806123456789" << QValidator::Intermediate;
        QTest::newRow("ccc wrong digits regrouped") << "ccc" << "12345678071234567890" << "1234 5678 07 1234567890" << QValidator::Intermediate;
        QTest::newRow("dni lower case") << "dni" << "12345678z" << "12345678Z" << QValidator::Acceptable;
        QTest::newRow("dni separators and blanks") << "dni" << "  12.345.678-z " << "12345678Z" << QValidator::Acceptable;
        QTest::newRow("dni tab around") << "dni" << "\t12345678Z\t" << "12345678Z" << QValidator::Acceptable;
    }

    void fixup()
    {
        QFETCH(QString, kind);
        QFETCH(QString, typed);
        QFETCH(QString, fixed);
        QFETCH(QValidator::State, state);
        const auto v = validator(kind);
        QString text = typed;
        v->fixup(text);
        QCOMPARE(text, fixed);
        QCOMPARE(check(*v, text), state);
    }

    void cccLettersNeverAcceptableEvenWhenDigitsMatch()
    {
        // A letter counts as -1 in the sums: with the check digits that this
        // produces the code would pass the arithmetic, yet it is no account.
        for (const QString& account : {QStringLiteral("123456789A"), QStringLiteral("A000000000"),
                                       QStringLiteral("00000000x1")}) {
            const QString digits = CCCValidator::controlDigits("1234", "5678", account);
            if (digits.size() != 2)
                continue; // negative sums give no two-character pair
            const QString code = QStringLiteral("1234 5678 %1 %2").arg(digits, account);
            QCOMPARE(check(CCCValidator(false, nullptr), code), QValidator::Invalid);
        }
    }

    void dniNegativeNumberIsIntermediate()
    {
        // A minus sign among the digits must not reach past the letter table.
        const QString table = QStringLiteral("TRWAGMYFPDXBNJZSQVHLCKE");
        DNIValidator validator(false, nullptr);
        for (const QString& number : {QStringLiteral("-1234567"), QStringLiteral("-0000001"),
                                      QStringLiteral("-0000022")}) {
            for (const QChar letter : table)
                QCOMPARE(check(validator, number + letter), QValidator::Intermediate);
        }
        for (int n : {-1, -22, -23, -1234567})
            QVERIFY(table.contains(DNIValidator::letterFor(n)));
        for (int i = 0; i < 23; ++i)
            QCOMPARE(DNIValidator::letterFor(i + 23 * 1000), table.at(i));
    }
};

PENSARIO_TEST_MAIN(TestValidators)
#include "tst_validators.moc"
