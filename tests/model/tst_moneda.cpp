#include "moneda.h"
#include "testmain.h"

#include <QLocale>

#include <limits>

class TestMoneda : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestEnv::resetCase(); QLocale::setDefault(QLocale::c()); }
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    void aCentimos_data()
    {
        QTest::addColumn<double>("amount");
        QTest::addColumn<qint64>("cents");
        QTest::newRow("19.99") << 19.99 << qint64(1999);
        QTest::newRow("half cent up") << 0.005 << qint64(1);
        QTest::newRow("negative half cent up") << -0.005 << qint64(0);
        QTest::newRow("2.5 cents") << 0.025 << qint64(3);
        QTest::newRow("-2.5 cents") << -0.025 << qint64(-2);
        QTest::newRow("0.285 is 28.4999...") << 0.285 << qint64(28);
        QTest::newRow("1200.5") << 1200.5 << qint64(120050);
        QTest::newRow("just under a half") << 0.0049999999999999994 << qint64(0);
        QTest::newRow("beyond 32 bits") << 30000000.01 << qint64(3000000001LL);
        QTest::newRow("negative whole") << -7.0 << qint64(-700);
        QTest::newRow("zero") << 0.0 << qint64(0);
    }
    void aCentimos()
    {
        QFETCH(double, amount);
        QFETCH(qint64, cents);
        QCOMPARE(Moneda::aCentimos(amount), cents);
    }

    void notFinite()
    {
        QCOMPARE(Moneda::aCentimos(std::numeric_limits<double>::quiet_NaN()), qint64(0));
        QCOMPARE(Moneda::aCentimos(std::numeric_limits<double>::infinity()), qint64(0));
        QCOMPARE(Moneda::aCentimos(1e300), std::numeric_limits<qint64>::max());
        QCOMPARE(Moneda::aCentimos(-1e300), std::numeric_limits<qint64>::min());
    }

    void readBack()
    {
        QCOMPARE(Moneda::deCentimos(qint64(1999)), 19.99);
        QCOMPARE(Moneda::deCentimos(QVariant(1999)), 19.99);
        QCOMPARE(Moneda::deCentimos(QVariant(QStringLiteral("120050"))), 1200.5);
        QCOMPARE(Moneda::deCentimos(QVariant()), 0.0);
        // a stored amount survives the round trip unchanged
        for (double v : {19.99, 0.1, 0.7, 1234567.89, -0.01})
            QCOMPARE(Moneda::deCentimos(Moneda::aCentimos(v)), v);
        QCOMPARE(Moneda::redondear(0.285), 0.28);
        QCOMPARE(Moneda::redondear(10.005), 10.01);
    }

    void formatear_data()
    {
        QTest::addColumn<double>("amount");
        QTest::addColumn<QString>("text");
        QTest::newRow("cents kept") << 19.9 << "19.90";
        QTest::newRow("whole") << 5.0 << "5.00";
        QTest::newRow("small") << 0.05 << "0.05";
        QTest::newRow("rounded half up") << 0.005 << "0.01";
        QTest::newRow("negative below one") << -0.5 << "-0.50";
        QTest::newRow("large, no exponent") << 123456789012.34 << "123456789012.34";
        QTest::newRow("tiny negative rounds to zero") << -0.004 << "0.00";
    }
    void formatear()
    {
        QFETCH(double, amount);
        QFETCH(QString, text);
        QCOMPARE(Moneda::formatear(amount), text);
    }

    void formatearLocale()
    {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        QCOMPARE(Moneda::formatear(-1234.5), QStringLiteral("-1234,50"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(Moneda::formatear(1234567.5), QStringLiteral("1,234,567.50"));
    }
};

PENSARIO_TEST_MAIN(TestMoneda)
#include "tst_moneda.moc"
