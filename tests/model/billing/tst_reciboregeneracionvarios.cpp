#include "recibofixture.h"

#include "testmain.h"

#include <QTest>

#include <memory>

using namespace ReciboFixture;

// Rebuilding several bills at once reads the month's enrolments of every
// student in one go: each bill must still get exactly its own student's
// enrolments, in the order a single student's rebuild gives them.
class TestReciboRegeneracionVarios : public QObject
{
    Q_OBJECT
private slots:
    void init() { QVERIFY(abrirBaseNueva()); }

    void eachBillGetsOnlyItsOwnStudentsEnrolments()
    {
        const QDate ini = primeroDeMes();
        const int mates = turno(QStringLiteral("Mates"));
        const int fisica = turno(QStringLiteral("Física"));
        const int ingles = turno(QStringLiteral("Inglés"));
        const int ana = alumno(QStringLiteral("Ana"), QStringLiteral("Pena"));
        const int bea = alumno(QStringLiteral("Bea"), QStringLiteral("Rey"));
        const int ciro = alumno(QStringLiteral("Ciro"), QStringLiteral("Sol"));
        // interleaved, so that the students' enrolments alternate in the table
        QVERIFY(alta(bea, ingles, QStringLiteral("Inglés"), ini.addMonths(-1), QDate(), 30, 30));
        QVERIFY(alta(ana, mates, QStringLiteral("Mates"), ini.addMonths(-2), QDate(), 45, 40));
        QVERIFY(alta(ciro, mates, QStringLiteral("Mates"), ini.addMonths(-2), QDate(), 45, 45));
        QVERIFY(alta(ana, fisica, QStringLiteral("Física"), ini.addMonths(-1), QDate(), 50, 50));
        QVERIFY(alta(bea, mates, QStringLiteral("Mates"), ini.addMonths(-3), ini.addDays(-5), 45, 45)); // withdrawn
        QVERIFY(alta(bea, fisica, QStringLiteral("Física"), ini, QDate(), 50, 45));

        const int billAna = recibo(ana, ini, 1);
        const int billBea = recibo(bea, ini.addDays(1), 2, false, 2);
        const int billCiro = recibo(ciro, ini, 3); // not selected

        // The single-student rebuild is the reference for the texts.
        QList<Recibo*> soloAna{Recibo::getFromDB(billAna)};
        QCOMPARE(Recibo::regenerarRecibos(soloAna, 0), 1);
        qDeleteAll(soloAna);
        std::unique_ptr<Recibo> referencia(Recibo::getFromDB(billAna));
        const QString conceptoAna = referencia->concepto();
        QCOMPARE(conceptoAna.count(QLatin1Char('\n')), 1);

        QList<Recibo*> seleccion{Recibo::getFromDB(billBea), Recibo::getFromDB(billAna)};
        QCOMPARE(Recibo::regenerarRecibos(seleccion, 0), 2);
        qDeleteAll(seleccion);

        std::unique_ptr<Recibo> a(Recibo::getFromDB(billAna));
        QCOMPARE(a->importe(), 90.0);
        QCOMPARE(a->descuento(), 5.0);
        QCOMPARE(a->concepto(), conceptoAna);
        QVERIFY(a->concepto().startsWith(QStringLiteral("Mates")));
        QCOMPARE(a->datosAlumno(), referencia->datosAlumno());

        std::unique_ptr<Recibo> b(Recibo::getFromDB(billBea));
        QCOMPARE(b->importe(), 75.0);
        QCOMPARE(b->descuento(), 5.0);
        QCOMPARE(b->importePagado(), 2.0);
        QVERIFY(b->isAutomatico());
        const QStringList lineas = b->concepto().split(QLatin1Char('\n'));
        QCOMPARE(lineas.size(), 2);
        QVERIFY(lineas.at(0).startsWith(QStringLiteral("Inglés")));
        QVERIFY(lineas.at(1).startsWith(QStringLiteral("Física")));
        QVERIFY(b->datosAlumno().startsWith(QStringLiteral("Bea Rey")));

        std::unique_ptr<Recibo> c(Recibo::getFromDB(billCiro));
        QCOMPARE(c->importe(), 3.0);
        QCOMPARE(c->concepto(), QStringLiteral("Concepto"));
    }

    void aStudentWithNothingThisMonthIsNotRebuilt()
    {
        const QDate ini = primeroDeMes();
        const int mates = turno(QStringLiteral("Mates"));
        const int ana = alumno(QStringLiteral("Ana"), QStringLiteral("Pena"));
        const int bea = alumno(QStringLiteral("Bea"), QStringLiteral("Rey"));
        QVERIFY(alta(ana, mates, QStringLiteral("Mates"), ini.addMonths(-2), QDate(), 45, 45));
        QVERIFY(alta(bea, mates, QStringLiteral("Mates"), ini.addMonths(-2), ini.addMonths(-1), 45, 45));
        const int billAna = recibo(ana, ini, 1);
        const int billBea = recibo(bea, ini, 7);

        QList<Recibo*> seleccion{Recibo::getFromDB(billAna), Recibo::getFromDB(billBea)};
        QCOMPARE(Recibo::regenerarRecibos(seleccion, 0), 1);
        qDeleteAll(seleccion);
        std::unique_ptr<Recibo> a(Recibo::getFromDB(billAna));
        QCOMPARE(a->importe(), 45.0);
        std::unique_ptr<Recibo> b(Recibo::getFromDB(billBea));
        QCOMPARE(b->importe(), 7.0);
    }
};

PENSARIO_TEST_MAIN(TestReciboRegeneracionVarios)
#include "tst_reciboregeneracionvarios.moc"
