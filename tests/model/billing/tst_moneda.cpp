#include "moneda.h"
#include "testmain.h"

#include <QLocale>

#include <cmath>
#include <limits>

class TestMoneda : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestEnv::resetCase(); QLocale::setDefault(QLocale::c()); }
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    // Half a cent goes up (towards +infinity) and a stored amount reads back unchanged.
    void roundTrip_data()
    {
        QTest::addColumn<double>("amount");
        QTest::addColumn<qint64>("cents");
        QTest::newRow("19.99") << 19.99 << qint64(1999);
        QTest::newRow("half cent up") << 0.005 << qint64(1);
        QTest::newRow("negative half cent up") << -0.005 << qint64(0);
        QTest::newRow("2.5 cents") << 0.025 << qint64(3);
        QTest::newRow("-2.5 cents") << -0.025 << qint64(-2);
        QTest::newRow("0.285 is 28.4999...") << 0.285 << qint64(28);
        QTest::newRow("beyond 32 bits") << 30000000.01 << qint64(3000000001LL);
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << qint64(0);
        QTest::newRow("too large") << 1e300 << std::numeric_limits<qint64>::max();
    }
    void roundTrip()
    {
        QFETCH(double, amount);
        QFETCH(qint64, cents);
        QCOMPARE(Moneda::aCentimos(amount), cents);
        if (std::abs(amount) < 1e12 && std::abs(amount * 100 - std::round(amount * 100)) < 1e-6)
            QCOMPARE(Moneda::deCentimos(Moneda::aCentimos(amount)), amount);
    }

    void readBackAndFormat()
    {
        QCOMPARE(Moneda::deCentimos(QVariant(QStringLiteral("120050"))), 1200.5);
        QCOMPARE(Moneda::deCentimos(QVariant()), 0.0);
        QCOMPARE(Moneda::redondear(0.285), 0.28);
        QCOMPARE(Moneda::formatear(19.9), QStringLiteral("19.90"));
        QCOMPARE(Moneda::formatear(0.005), QStringLiteral("0.01"));
        QCOMPARE(Moneda::formatear(123456789012.34), QStringLiteral("123456789012.34"));
        QCOMPARE(Moneda::formatear(-0.004), QStringLiteral("0.00"));
        // Listings keep every cent and drop trailing zeros, in any locale.
        QCOMPARE(Moneda::formatearListado(1234567.8), QStringLiteral("1234567.8"));
        QCOMPARE(Moneda::formatearListado(0.1 + 0.2), QStringLiteral("0.3"));
        QCOMPARE(Moneda::formatearListado(70), QStringLiteral("70"));
        QCOMPARE(Moneda::formatearListado(-0.05), QStringLiteral("-0.05"));
        QCOMPARE(Moneda::formatearListado(-0.004), QStringLiteral("0"));
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        QCOMPARE(Moneda::formatear(-1234.5), QStringLiteral("-1234,50"));
        QCOMPARE(Moneda::formatearListado(-1234.5), QStringLiteral("-1234.5"));
    }
};

PENSARIO_TEST_MAIN(TestMoneda)
#include "tst_moneda.moc"
