#include "academyfixture.h"
#include "linealistado.h"
#include "listado.h"
#include "messagecapture.h"
#include "profesor.h"
#include "sueldoprofesor.h"
#include "testmain.h"

#include <QLocale>

#include <memory>

using namespace academy;

namespace {
QString corta(const QDate& d)
{
    return QLocale().toString(d, QLocale::ShortFormat);
}

// Owns a part's listing for the length of a test.
struct Parte
{
    explicit Parte(const SueldoProfesor::Parte& p)
        : listado(p.first)
        , importe(p.second)
    {
    }
    std::unique_ptr<Listado> listado;
    double importe;
    QVariant valor(int fila, int columna) const { return listado->lineas().at(fila)->valor(columna); }
    int filas() const { return listado->rowCount(); }
};

const QDate kAbril(2024, 4, 1);  // five Mondays, four Wednesdays
const QDate kMayo(2024, 5, 1);
}

class TestSueldoProfesor : public QObject
{
    Q_OBJECT

private:
    int m_aula = 0;
    int m_turno = 0;
    int m_otroTurno = 0;
    int m_ana = 0;
    int m_berto = 0;

    std::unique_ptr<Profesor> profesora(double fijo, double porHora, double porcentaje, const QDate& alta = QDate(2020, 9, 1),
                       const QDate& baja = QDate()) const
    {
        auto p = std::make_unique<Profesor>(m_ana);
        p->setApodo(QStringLiteral("Ana"));
        p->setSueldoFijo(fijo);
        p->setSueldoPorHora(porHora);
        p->setSueldoPorcentaje(porcentaje);
        p->setFAlta(alta);
        p->setFBaja(baja);
        return p;
    }

private slots:
    void init()
    {
        QVERIFY(openFreshDatabase());
        m_aula = aula(QStringLiteral("Aula"), 30);
        const int mates = asignatura(QStringLiteral("Matematicas"));
        m_turno = turno(mates, QStringLiteral("Manana"));
        m_otroTurno = turno(asignatura(QStringLiteral("Fisica")), QStringLiteral("Tarde"));
        m_ana = profesor(QStringLiteral("Ana"), QStringLiteral("Souto"));
        m_berto = profesor(QStringLiteral("Berto"), QStringLiteral("Rey"));
        QVERIFY(m_aula && m_turno && m_otroTurno && m_ana && m_berto);
    }

    void fixedSalaryWholeAndClippedPeriods()
    {
        // Whole 31-day month: one month and the whole salary, not 31/30 of it.
        Parte entero(SueldoProfesor::liquidacionFijo(*profesora(1000, 0, 0), QDate(2024, 3, 1), kAbril));
        QVERIFY(entero.listado);
        QCOMPARE(entero.importe, 1000.0);
        QCOMPARE(entero.listado->titulo(), QStringLiteral("Fixed salary"));
        QCOMPARE(entero.listado->cabeceras(),
                 QStringList({QStringLiteral("Months"), QStringLiteral("€/month"), QStringLiteral("€ for teacher")}));
        QCOMPARE(entero.filas(), 1);
        QCOMPARE(entero.valor(0, 0).toString(),
                 QStringLiteral("1 (%1 - %2)").arg(corta(QDate(2024, 3, 1)), corta(kAbril)));

        // Signed up on 10 April: 21 days, 0.7 months, 700.00.
        Parte abril(SueldoProfesor::liquidacionFijo(*profesora(1000, 0, 0, QDate(2024, 4, 10)), kAbril, kMayo));
        QCOMPARE(abril.importe, 700.0);
        QCOMPARE(abril.valor(0, 0).toString(),
                 QStringLiteral("0.7 (%1 - %2)").arg(corta(QDate(2024, 4, 10)), corta(kMayo)));
        QCOMPARE(abril.valor(0, 1).toDouble(), 1000.0);
        QCOMPARE(abril.valor(0, 2).toDouble(), 700.0);

        // The 2nd of a 31-day month: 30 days, one month. The 15th: 17 days, 0.57 months.
        Parte dos(SueldoProfesor::liquidacionFijo(*profesora(1234.567, 0, 0, QDate(2024, 3, 2)), QDate(2024, 3, 1),
                                                  kAbril));
        QCOMPARE(dos.importe, 1234.57);
        QVERIFY(dos.valor(0, 0).toString().startsWith(QStringLiteral("1 (")));
        Parte quince(SueldoProfesor::liquidacionFijo(*profesora(1234.56, 0, 0, QDate(2024, 3, 15)),
                                                     QDate(2024, 3, 1), kAbril));
        QCOMPARE(quince.importe, 699.58);
        QVERIFY(quince.valor(0, 0).toString().startsWith(QStringLiteral("0.57 (")));

        // Withdrawn on the first day: zero days; withdrawn before: no part at all.
        Parte primerDia(SueldoProfesor::liquidacionFijo(*profesora(1000, 0, 0, QDate(2020, 1, 1), kAbril), kAbril,
                                                        kMayo));
        QVERIFY(primerDia.listado);
        QCOMPARE(primerDia.importe, 0.0);
        QVERIFY(primerDia.valor(0, 0).toString().startsWith(QStringLiteral("0 (")));
        Parte antes(SueldoProfesor::liquidacionFijo(*profesora(1000, 0, 0, QDate(2020, 1, 1), QDate(2024, 3, 20)),
                                                    kAbril, kMayo));
        QVERIFY(!antes.listado);
        QCOMPARE(antes.importe, 0.0);
        Parte sinSueldo(SueldoProfesor::liquidacionFijo(*profesora(0, 10, 10), kAbril, kMayo));
        QVERIFY(!sinSueldo.listado);
    }

    void hourlyCountsOnlyOwnSessions()
    {
        // Monday and Wednesday, 90 minutes each, taught by Ana; Friday taught by Berto.
        QVERIFY(sesion(m_turno, m_aula, m_ana, 1, 9, 90));
        QVERIFY(sesion(m_turno, m_aula, m_ana, 3, 9, 90));
        QVERIFY(sesion(m_turno, m_aula, m_berto, 5, 9, 120));
        Parte horas(SueldoProfesor::liquidacionPorHora(*profesora(0, 10, 0), kAbril, kMayo));
        QVERIFY(horas.listado);
        QCOMPARE(horas.listado->titulo(), QStringLiteral("Fixed salary an hour"));
        QCOMPARE(horas.filas(), 2);
        QCOMPARE(horas.valor(0, 0).toString(), QStringLiteral("Matematicas - Manana"));
        QCOMPARE(horas.valor(0, 1).toDouble(), 13.5);  // 5 Mondays + 4 Wednesdays = 810 minutes
        QCOMPARE(horas.valor(0, 2).toDouble(), 10.0);
        QCOMPARE(horas.valor(0, 3).toDouble(), 135.0);
        QCOMPARE(horas.valor(1, 0).toString(), QStringLiteral("Totales"));
        QCOMPARE(horas.valor(1, 1).toDouble(), 13.5);
        QCOMPARE(horas.importe, 135.0);
        QVERIFY(horas.listado->toHtml().contains(QStringLiteral("class=\"ROUNDED\" style=\"font-style:bold\" >135.00</td>")));

        // Berto is paid for his Friday only: four Fridays of two hours.
        Profesor berto(m_berto);
        berto.setSueldoPorHora(20);
        Parte suyas(SueldoProfesor::liquidacionPorHora(berto, kAbril, kMayo));
        QCOMPARE(suyas.valor(0, 1).toDouble(), 8.0);
        QCOMPARE(suyas.importe, 160.0);
    }

    void hourlyRoundsHoursAndAddsSameDaySessions()
    {
        // 100 minutes in the week of 1 to 8 April: 1.67 hours, 16.7 at 10.00 an hour.
        QVERIFY(sesion(m_turno, m_aula, m_ana, 2, 9, 100));
        Parte cien(SueldoProfesor::liquidacionPorHora(*profesora(0, 10, 0), kAbril, QDate(2024, 4, 8)));
        QCOMPARE(cien.valor(0, 1).toDouble(), 1.67);
        QCOMPARE(cien.importe, 16.7);

        // A second Tuesday session of the same shift adds to that day; a shift without
        // Ana's sessions in it is not hers.
        QVERIFY(sesion(m_turno, m_aula, m_ana, 2, 17, 50));
        QVERIFY(sesion(m_otroTurno, m_aula, m_berto, 2, 17, 50));
        Parte dos(SueldoProfesor::liquidacionPorHora(*profesora(0, 10, 0), kAbril, QDate(2024, 4, 8)));
        QCOMPARE(dos.filas(), 2);
        QCOMPARE(dos.valor(0, 1).toDouble(), 2.5);
        QCOMPARE(dos.importe, 25.0);

        // Withdrawn before the period: a row with no hours.
        Parte fuera(SueldoProfesor::liquidacionPorHora(*profesora(0, 10, 0, QDate(2020, 1, 1), QDate(2024, 3, 1)),
                                                       kAbril, kMayo));
        QCOMPARE(fuera.valor(0, 1).toDouble(), 0.0);
        QCOMPARE(fuera.importe, 0.0);

        // No shifts: only the totals row, with zeros.
        Profesor nadie(m_berto);
        nadie.setSueldoPorHora(12);
        QVERIFY(exec(QStringLiteral("DELETE FROM sesiondeclase WHERE idprofesor = ?"), {m_berto}));
        Parte vacio(SueldoProfesor::liquidacionPorHora(nadie, kAbril, kMayo));
        QCOMPARE(vacio.filas(), 1);
        QCOMPARE(vacio.valor(0, 3).toDouble(), 0.0);
    }

    void percentageOfIncome()
    {
        QVERIFY(sesion(m_turno, m_aula, m_ana, 1, 9, 60));
        const int a1 = alumno(QStringLiteral("Uno"), QStringLiteral("A"));
        const int a2 = alumno(QStringLiteral("Dos"), QStringLiteral("B"));
        const int a3 = alumno(QStringLiteral("Tres"), QStringLiteral("C"));
        QVERIFY(alta(a1, m_turno, QDate(2024, 1, 10), QDate(), 200.0));
        QVERIFY(alta(a2, m_turno, QDate(2024, 4, 30), QDate(), 255.0));
        QVERIFY(alta(a3, m_turno, QDate(2024, 1, 10), kAbril, 99.0));  // withdrawn on the first day
        Parte parte(SueldoProfesor::liquidacionPorcentaje(*profesora(0, 0, 15), kAbril, kMayo));
        QVERIFY(parte.listado);
        QCOMPARE(parte.listado->titulo(), QStringLiteral("Of salary by percentage"));
        QCOMPARE(parte.valor(0, 1).toDouble(), 455.0);
        QCOMPARE(parte.valor(0, 2).toDouble(), 15.0);
        QCOMPARE(parte.valor(0, 3).toDouble(), 68.25);
        QCOMPARE(parte.valor(1, 3).toDouble(), 68.25);
        QCOMPARE(parte.importe, 68.25);
    }

    void percentageTotalIsRoundedNotSummed()
    {
        QVERIFY(sesion(m_turno, m_aula, m_ana, 1, 9, 60));
        QVERIFY(sesion(m_otroTurno, m_aula, m_ana, 2, 9, 60));
        const int a1 = alumno(QStringLiteral("Uno"), QStringLiteral("A"));
        QVERIFY(alta(a1, m_turno, QDate(2024, 1, 10), QDate(), 10.01));
        QVERIFY(alta(a1, m_otroTurno, QDate(2024, 1, 10), QDate(), 10.01));
        Parte parte(SueldoProfesor::liquidacionPorcentaje(*profesora(0, 0, 15), kAbril, kMayo));
        QCOMPARE(parte.filas(), 3);
        QCOMPARE(parte.valor(0, 3).toDouble(), 1.502);
        QCOMPARE(parte.valor(1, 3).toDouble(), 1.502);
        QCOMPARE(parte.importe, 3.0);  // 20.02 x 15 % = 3.003, not 3.004
    }

    void percentageOnlyWhileTeaching()
    {
        QVERIFY(sesion(m_turno, m_aula, m_ana, 1, 9, 60));
        QVERIFY(alta(alumno(QStringLiteral("Uno"), QStringLiteral("A")), m_turno, QDate(2024, 1, 10), QDate(), 100.0));
        // Left before the period, or on its first day: no day of the period, no share of its income.
        Parte antes(SueldoProfesor::liquidacionPorcentaje(
            *profesora(0, 0, 15, QDate(2020, 1, 1), QDate(2024, 3, 15)), kAbril, kMayo));
        QVERIFY(!antes.listado);
        QCOMPARE(antes.importe, 0.0);
        Parte primerDia(SueldoProfesor::liquidacionPorcentaje(*profesora(0, 0, 15, QDate(2020, 1, 1), kAbril),
                                                              kAbril, kMayo));
        QVERIFY(!primerDia.listado);
        // Joining after the period: nothing either.
        Parte despues(SueldoProfesor::liquidacionPorcentaje(*profesora(0, 0, 15, QDate(2024, 6, 1)), kAbril, kMayo));
        QVERIFY(!despues.listado);
        // Leaving in the middle keeps the share of what ran while teaching.
        Parte mitad(SueldoProfesor::liquidacionPorcentaje(
            *profesora(0, 0, 15, QDate(2020, 1, 1), QDate(2024, 4, 15)), kAbril, kMayo));
        QCOMPARE(mitad.importe, 15.0);
    }

    void failedIncomeIsReportedNotSummed()
    {
        QVERIFY(sesion(m_turno, m_aula, m_ana, 1, 9, 60));
        QVERIFY(sesion(m_otroTurno, m_aula, m_ana, 2, 9, 60));
        QVERIFY(exec(QStringLiteral("ALTER TABLE alta RENAME TO alta_oculta")));
        MessageCapture capture;
        bool ok = true;
        Parte parte(SueldoProfesor::liquidacionPorcentaje(*profesora(0, 0, 15), kAbril, kMayo, &ok));
        QVERIFY(!ok);
        QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("Error executing query")));
        QVERIFY(parte.listado);
        const int ultima = parte.filas() - 1;
        QCOMPARE(parte.valor(ultima, 1).toDouble(), 0.0);  // never -1 per shift
        QCOMPARE(parte.importe, 0.0);

        bool okLiquidacion = true;
        QList<Listado*> listados = SueldoProfesor::liquidacion(*profesora(0, 0, 15), kAbril, kMayo, &okLiquidacion);
        QVERIFY(!okLiquidacion);
        qDeleteAll(listados);

        QVERIFY(exec(QStringLiteral("ALTER TABLE alta_oculta RENAME TO alta")));
        bool okOtraVez = false;
        Parte bien(SueldoProfesor::liquidacionPorcentaje(*profesora(0, 0, 15), kAbril, kMayo, &okOtraVez));
        QVERIFY(okOtraVez);
    }

    void settlementPartsAndTotal()
    {
        // Fixed 1000.00 for a whole month with 150.00 withheld.
        QList<Listado*> solo = SueldoProfesor::liquidacion(*profesora(1000, 0, 0), kAbril, kMayo);
        QCOMPARE(solo.size(), 2);
        QCOMPARE(solo.at(0)->titulo(), QStringLiteral("Fixed salary"));
        QCOMPARE(solo.at(1)->titulo(), QStringLiteral("Total"));
        qDeleteAll(solo);

        auto conRetencion = profesora(1000, 10, 15);
        conRetencion->setRetencion(150);
        QVERIFY(sesion(m_turno, m_aula, m_ana, 1, 9, 90));
        QVERIFY(sesion(m_turno, m_aula, m_ana, 3, 9, 90));
        QVERIFY(alta(alumno(QStringLiteral("Uno"), QStringLiteral("A")), m_turno, QDate(2024, 1, 10), QDate(), 455.0));
        QList<Listado*> todo = SueldoProfesor::liquidacion(*conRetencion, kAbril, kMayo);
        QCOMPARE(todo.size(), 4);
        QCOMPARE(todo.at(0)->titulo(), QStringLiteral("Fixed salary"));
        QCOMPARE(todo.at(1)->titulo(), QStringLiteral("Fixed salary an hour"));
        QCOMPARE(todo.at(2)->titulo(), QStringLiteral("Of salary by percentage"));
        Listado* total = todo.at(3);
        QCOMPARE(total->titulo(), QStringLiteral("Total"));
        QCOMPARE(total->cabeceras(), QStringList({QStringLiteral("Base"), QStringLiteral("Withholding"),
                                                  QStringLiteral("Total received")}));
        // 1000.00 + 135.00 + 68.25 = 1203.25, less 150.00 withheld.
        QCOMPARE(total->lineas().at(0)->valor(0).toDouble(), 1203.25);
        QCOMPARE(total->lineas().at(0)->valor(1).toDouble(), 150.0);
        QCOMPARE(total->lineas().at(0)->valor(2).toDouble(), 1053.25);
        QVERIFY(total->toHtml().contains(QStringLiteral(" >1053.25</td>")));
        qDeleteAll(todo);

        auto debe = profesora(100, 0, 0);
        debe->setRetencion(150);
        QList<Listado*> negativo = SueldoProfesor::liquidacion(*debe, kAbril, kMayo);
        QCOMPARE(negativo.constLast()->lineas().at(0)->valor(2).toDouble(), -50.0);
        qDeleteAll(negativo);

        QVERIFY(SueldoProfesor::liquidacion(*profesora(0, 0, 0), kAbril, kMayo).isEmpty());
    }

    void settlementDefaultsToCurrentMonth()
    {
        const QDate primero(QDate::currentDate().year(), QDate::currentDate().month(), 1);
        QList<Listado*> mes = SueldoProfesor::liquidacion(*profesora(1000, 0, 0));
        QCOMPARE(mes.size(), 2);
        QCOMPARE(mes.at(0)->lineas().at(0)->valor(0).toString(),
                 QStringLiteral("1 (%1 - %2)").arg(corta(primero), corta(primero.addMonths(1))));
        qDeleteAll(mes);

        // A given start with no end runs to the first day of next month.
        QList<Listado*> desde = SueldoProfesor::liquidacion(*profesora(1000, 0, 0, primero.addDays(9)), primero.addDays(9));
        QVERIFY(desde.at(0)->lineas().at(0)->valor(0).toString().endsWith(corta(primero.addMonths(1)) + QLatin1Char(')')));
        qDeleteAll(desde);
    }
};

PENSARIO_TEST_MAIN(TestSueldoProfesor)
#include "tst_sueldoprofesor.moc"
