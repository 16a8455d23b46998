#include "cccvalidator.h"
#include "dnivalidator.h"
#include "emailvalidator.h"
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
        // A letter counts as -1 in the sums: even with the check digits that this
        // gives, the code would pass the arithmetic, yet it is no account.
        const auto withDigits = [](const QString& bank, const QString& account) {
            return QStringLiteral("%1 5678 %2 %3").arg(bank, CCCValidator::controlDigits(bank, "5678", account), account);
        };
        QTest::newRow("ccc letter in account") << "ccc" << withDigits("1234", "123456789A") << false << QValidator::Invalid;
        QTest::newRow("ccc lower-case letter in account") << "ccc" << withDigits("1234", "00000000x1") << false << QValidator::Invalid;
        QTest::newRow("ccc letter in bank") << "ccc" << withDigits("12B4", "1234567890") << false << QValidator::Invalid;
        QTest::newRow("ccc letter in check") << "ccc" << "1234 5678 0X 1234567890" << false << QValidator::Invalid;
        QTest::newRow("dni valid") << "dni" << "12345678Z" << false << QValidator::Acceptable;
        QTest::newRow("dni zeros") << "dni" << "00000000T" << false << QValidator::Acceptable;
        QTest::newRow("dni lower-case letter") << "dni" << "12345678z" << false << QValidator::Intermediate;
        QTest::newRow("dni wrong letter") << "dni" << "12345678A" << false << QValidator::Intermediate;
        QTest::newRow("dni letter among digits") << "dni" << "1234567AZ" << false << QValidator::Intermediate;
        QTest::newRow("dni too short") << "dni" << "1234567Z" << false << QValidator::Intermediate;
        // 1234567 takes the letter L: with a sign or a blank in front it is still no number
        QTest::newRow("dni plus sign") << "dni" << "+1234567L" << false << QValidator::Intermediate;
        QTest::newRow("dni leading blank") << "dni" << " 1234567L" << false << QValidator::Intermediate;
        for (const int number : {-1234567, -1, -22})
            QTest::addRow("dni minus sign %d", number) << "dni" << QLatin1Char('-') + QString::number(-number).rightJustified(7, QLatin1Char('0'))
                                                                      + DNIValidator::letterFor(number)
                                                       << false << QValidator::Intermediate;
        QTest::newRow("dni zero padded") << "dni" << "01234567L" << false << QValidator::Acceptable;
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

    // Real domain endings longer than four letters are addresses too.
    void emailAddresses()
    {
        const EmailValidator email;
        const auto state = [&email](const char* text) {
            QString input = QString::fromUtf8(text);
            int pos = 0;
            return email.validate(input, pos);
        };
        for (const char* address : {"ana@escola.galicia", "info@pensar.academy", "x.y+z@mail.example", "a@b.es", ""})
            QVERIFY2(state(address) == QValidator::Acceptable, address);
        QCOMPARE(state("ana@escola.g"), QValidator::Intermediate);
        QCOMPARE(state("ana@escola"), QValidator::Intermediate);
        QCOMPARE(state("ana maria@escola.gal"), QValidator::Invalid);
    }

    void dniLetterTable()
    {
        // Negative numbers must not reach past the letter table.
        const QString table = QStringLiteral("TRWAGMYFPDXBNJZSQVHLCKE");
        for (int n : {-1, -22, -23, -1234567})
            QVERIFY(table.contains(DNIValidator::letterFor(n)));
        for (int i = 0; i < 23; ++i)
            QCOMPARE(DNIValidator::letterFor(i + 23 * 1000), table.at(i));
    }
};

PENSARIO_TEST_MAIN(TestValidators)
#include "tst_validators.moc"
