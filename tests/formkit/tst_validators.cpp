#include "cccvalidator.h"
#include "dnivalidator.h"
#include "testmain.h"

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

    static void stateColumns()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("allowEmpty");
        QTest::addColumn<QValidator::State>("expected");
        QTest::newRow("empty allowed") << "" << true << QValidator::Acceptable;
        QTest::newRow("empty required") << "" << false << QValidator::Intermediate;
    }

    static void fixupColumns()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("fixed");
        QTest::addColumn<QValidator::State>("state");
    }

private slots:
    void init() { TestEnv::resetCase(); }

    void cccStates_data()
    {
        stateColumns();
        QTest::newRow("valid") << "1234 5678 06 1234567890" << false << QValidator::Acceptable;
        QTest::newRow("valid, rule for 10") << "0001 0000 15 0000000001" << false << QValidator::Acceptable;
        QTest::newRow("wrong first check digit") << "1234 5678 16 1234567890" << false << QValidator::Intermediate;
        QTest::newRow("wrong second check digit") << "1234 5678 07 1234567890" << false << QValidator::Intermediate;
        QTest::newRow("no blanks") << "12345678061234567890" << false << QValidator::Intermediate;
        QTest::newRow("too long") << "1234 5678 06 12345678901" << false << QValidator::Intermediate;
        QTest::newRow("partly typed") << "1234 56" << false << QValidator::Intermediate;
        QTest::newRow("letter in account") << "1234 5678 06 12345678A0" << false << QValidator::Invalid;
        QTest::newRow("letter in bank") << "12B4 5678 06 1234567890" << false << QValidator::Invalid;
        QTest::newRow("letter in check") << "1234 5678 0X 1234567890" << false << QValidator::Invalid;
    }

    void cccStates()
    {
        QFETCH(QString, input);
        QFETCH(bool, allowEmpty);
        QFETCH(QValidator::State, expected);
        QCOMPARE(check(CCCValidator(allowEmpty, nullptr), input), expected);
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

    void cccFixup_data()
    {
        fixupColumns();
        QTest::newRow("20 digits") << "12345678061234567890" << "1234 5678 06 1234567890" << QValidator::Acceptable;
        QTest::newRow("separators") << "1234.5678-06#1234567890" << "1234 5678 06 1234567890" << QValidator::Acceptable;
        QTest::newRow("odd blanks") << " 12 345678 0612345 67890 " << "1234 5678 06 1234567890" << QValidator::Acceptable;
        QTest::newRow("19 characters") << "1234-5678-06-123456789" << "1234567806123456789" << QValidator::Intermediate;
        QTest::newRow("wrong digits regrouped") << "12345678071234567890" << "1234 5678 07 1234567890" << QValidator::Intermediate;
    }

    void cccFixup()
    {
        QFETCH(QString, typed);
        QFETCH(QString, fixed);
        QFETCH(QValidator::State, state);
        CCCValidator validator(false, nullptr);
        QString text = typed;
        validator.fixup(text);
        QCOMPARE(text, fixed);
        QCOMPARE(check(validator, text), state);
    }

    void dniStates_data()
    {
        stateColumns();
        QTest::newRow("valid Z") << "12345678Z" << false << QValidator::Acceptable;
        QTest::newRow("zeros T") << "00000000T" << false << QValidator::Acceptable;
        QTest::newRow("lower-case letter") << "12345678z" << false << QValidator::Intermediate;
        QTest::newRow("wrong letter") << "12345678A" << false << QValidator::Intermediate;
        QTest::newRow("letter among digits") << "1234567AZ" << false << QValidator::Intermediate;
        QTest::newRow("too short") << "1234567Z" << false << QValidator::Intermediate;
        QTest::newRow("with separators") << "12.345.678-Z" << false << QValidator::Intermediate;
    }

    void dniStates()
    {
        QFETCH(QString, input);
        QFETCH(bool, allowEmpty);
        QFETCH(QValidator::State, expected);
        QCOMPARE(check(DNIValidator(allowEmpty, nullptr), input), expected);
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

    void dniFixup_data()
    {
        fixupColumns();
        QTest::newRow("lower case") << "12345678z" << "12345678Z" << QValidator::Acceptable;
        QTest::newRow("separators and blanks") << "  12.345.678-z " << "12345678Z" << QValidator::Acceptable;
        QTest::newRow("tab around") << "\t12345678Z\t" << "12345678Z" << QValidator::Acceptable;
    }

    void dniFixup()
    {
        QFETCH(QString, typed);
        QFETCH(QString, fixed);
        QFETCH(QValidator::State, state);
        DNIValidator validator;
        QString text = typed;
        validator.fixup(text);
        QCOMPARE(text, fixed);
        QCOMPARE(check(validator, text), state);
    }
};

PENSARIO_TEST_MAIN(TestValidators)
#include "tst_validators.moc"
