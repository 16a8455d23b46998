#include "academyfixture.h"
#include "linealistado.h"
#include "listado.h"
#include "messagecapture.h"
#include "profesor.h"
#include "shownhtml.h"
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
    explicit Parte(const Profesor::ParteSueldo& p)
        : listado(p.first)
        , importe(p.second)
    {
    }
    std::unique_ptr<Listado> listado;
    double importe;
    QVariant valor(int fila, int columna) const { return listado->lineas().at(fila)->valor(columna); }
    int filas() const { return listado->rowCount(); }
};

// The cells of a row as the listing's HTML shows them.
QStringList fila(const Listado& l, int i)
{
    QStringList textos;
    const LineaListado* linea = l.lineas().at(i);
    for (int c = 0; c < linea->count(); ++c)
        textos << LineaListado::textoCelda(linea->valor(c), linea->atributo(c));
    return textos;
}

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
        QCOMPARE(Parte(profesora(1000, 0, 0)->liquidacionFijo(QDate(2024, 3, 1), kAbril)).importe, 1000.0);
        // Signed up on 10 April: 21 days, 0.7 months, 700.00.
        Parte abril(profesora(1000, 0, 0, QDate(2024, 4, 10))->liquidacionFijo(kAbril, kMayo));
        QCOMPARE(abril.importe, 700.0);
        QCOMPARE(abril.valor(0, 0).toString(), QStringLiteral("0.7 (%1 - %2)").arg(corta(QDate(2024, 4, 10)), corta(kMayo)));
    }

    void hourlyCountsOnlyOwnSessions()
    {
        // Monday and Wednesday, 90 minutes each, taught by Ana; Friday taught by Berto.
        QVERIFY(sesion(m_turno, m_aula, m_ana, 1, 9, 90));
        QVERIFY(sesion(m_turno, m_aula, m_ana, 3, 9, 90));
        QVERIFY(sesion(m_turno, m_aula, m_berto, 5, 9, 120));
        Parte horas(profesora(0, 10, 0)->liquidacionPorHora(kAbril, kMayo));
        QCOMPARE(horas.listado->titulo(), QStringLiteral("Fixed salary an hour"));
        QCOMPARE(horas.filas(), 2);
        QCOMPARE(horas.valor(0, 0).toString(), QStringLiteral("Matematicas - Manana"));
        QCOMPARE(horas.valor(0, 1).toDouble(), 13.5); // 5 Mondays + 4 Wednesdays = 810 minutes
        QCOMPARE(horas.valor(0, 3).toDouble(), 135.0);
        QCOMPARE(horas.valor(1, 0).toString(), QStringLiteral("Totales"));
        QCOMPARE(horas.importe, 135.0);
        // Berto is paid for his Friday only: four Fridays of two hours.
        Profesor berto(m_berto);
        berto.setSueldoPorHora(20);
        QCOMPARE(Parte(berto.liquidacionPorHora(kAbril, kMayo)).importe, 160.0);
        // A teacher not yet stored is paid for no session, not for those without a teacher.
        QVERIFY(sesion(m_otroTurno, m_aula, 0, 2, 9, 60));
        Profesor nuevo;
        nuevo.setSueldoPorHora(10);
        Parte sinId(nuevo.liquidacionPorHora(kAbril, kMayo));
        QCOMPARE(sinId.filas(), 1);
        QCOMPARE(sinId.importe, 0.0);

        // 100 minutes in the week of 1 to 8 April: 1.67 hours, 16.7 at 10.00 an hour.
        QVERIFY(exec(QStringLiteral("DELETE FROM sesiondeclase")));
        QVERIFY(sesion(m_turno, m_aula, m_ana, 2, 9, 100));
        Parte cien(profesora(0, 10, 0)->liquidacionPorHora(kAbril, QDate(2024, 4, 8)));
        QCOMPARE(cien.valor(0, 1).toDouble(), 1.67);
        QCOMPARE(cien.importe, 16.7);
    }

    void percentageOfIncome()
    {
        QVERIFY(sesion(m_turno, m_aula, m_ana, 1, 9, 60));
        QVERIFY(alta(alumno("Uno", "A"), m_turno, QDate(2024, 1, 10), QDate(), 200.0));
        QVERIFY(alta(alumno("Dos", "B"), m_turno, QDate(2024, 4, 30), QDate(), 255.0));
        QVERIFY(alta(alumno("Tres", "C"), m_turno, QDate(2024, 1, 10), kAbril, 99.0)); // withdrawn on the first day
        Parte parte(profesora(0, 0, 15)->liquidacionPorcentaje(kAbril, kMayo));
        QCOMPARE(parte.listado->titulo(), QStringLiteral("Of salary by percentage"));
        QCOMPARE(parte.valor(0, 1).toDouble(), 455.0);
        QCOMPARE(parte.valor(0, 3).toDouble(), 68.25);
        QCOMPARE(parte.importe, 68.25);
    }

    void percentageOnlyWhileTeaching()
    {
        QVERIFY(sesion(m_turno, m_aula, m_ana, 1, 9, 60));
        QVERIFY(alta(alumno("Uno", "A"), m_turno, QDate(2024, 1, 10), QDate(), 100.0));
        // Left on the period's first day, or joined after it: no share of its income.
        QVERIFY(!Parte(profesora(0, 0, 15, QDate(2020, 1, 1), kAbril)->liquidacionPorcentaje(kAbril,
                                                             kMayo)).listado);
        QVERIFY(!Parte(profesora(0, 0, 15, QDate(2024, 6, 1))->liquidacionPorcentaje(kAbril,
                                                             kMayo)).listado);
        // Leaving in the middle keeps the share of what ran while teaching.
        Parte mitad(profesora(0, 0, 15, QDate(2020, 1, 1), QDate(2024, 4, 15))->liquidacionPorcentaje(kAbril, kMayo));
        QCOMPARE(mitad.importe, 15.0);
    }

    void failedIncomeIsReportedNotSummed()
    {
        QVERIFY(sesion(m_turno, m_aula, m_ana, 1, 9, 60));
        QVERIFY(sesion(m_otroTurno, m_aula, m_ana, 2, 9, 60));
        QVERIFY(exec(QStringLiteral("ALTER TABLE alta RENAME TO alta_oculta")));
        MessageCapture capture;
        bool ok = true;
        Parte parte(profesora(0, 0, 15)->liquidacionPorcentaje(kAbril, kMayo, &ok));
        QVERIFY(!ok);
        QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("Error executing query")));
        QCOMPARE(parte.valor(parte.filas() - 1, 1).toDouble(), 0.0); // never -1 per shift
        QCOMPARE(parte.importe, 0.0);
        bool okLiquidacion = true;
        qDeleteAll(profesora(0, 0, 15)->liquidacion(kAbril, kMayo, &okLiquidacion));
        QVERIFY(!okLiquidacion);
    }

    void settlementPartsAndTotal()
    {
        auto p = profesora(1000, 10, 15);
        p->setRetencion(150);
        QVERIFY(sesion(m_turno, m_aula, m_ana, 1, 9, 90));
        QVERIFY(sesion(m_turno, m_aula, m_ana, 3, 9, 90));
        QVERIFY(alta(alumno("Uno", "A"), m_turno, QDate(2024, 1, 10), QDate(), 455.0));
        // Each part through the teacher's own operations.
        QCOMPARE(Parte(p->liquidacionFijo(kAbril, kMayo)).importe, 1000.0);
        QCOMPARE(Parte(p->liquidacionPorHora(kAbril, kMayo)).importe, 135.0);
        QCOMPARE(Parte(p->liquidacionPorcentaje(kAbril, kMayo)).importe, 68.25);
        QList<Listado*> todo = p->liquidacion(kAbril, kMayo);
        QCOMPARE(todo.size(), 4);
        QCOMPARE(todo.at(1)->titulo(), QStringLiteral("Fixed salary an hour"));
        Listado* total = todo.at(3);
        QCOMPARE(total->titulo(), QStringLiteral("Total"));
        // 1000.00 + 135.00 + 68.25 = 1203.25, less 150.00 withheld.
        QCOMPARE(total->lineas().at(0)->valor(0).toDouble(), 1203.25);
        QCOMPARE(total->lineas().at(0)->valor(1).toDouble(), 150.0);
        QCOMPARE(total->lineas().at(0)->valor(2).toDouble(), 1053.25);
        qDeleteAll(todo);
        QVERIFY(profesora(0, 0, 0)->liquidacion(kAbril, kMayo).isEmpty());
    }

    void studentsOfTheTeachersShiftsInThePeriod()
    {
        QVERIFY(sesion(m_turno, m_aula, m_ana, 1, 9));
        QVERIFY(sesion(m_otroTurno, m_aula, m_ana, 2, 9));
        const int xan = alumno(QStringLiteral("Xan"), QStringLiteral("C"));
        // Period 1 May to 1 June: withdrawn on the first day or started on the last is out.
        QVERIFY(alta(alumno("L", "A"), m_turno, QDate(2024, 1, 1), QDate(2024, 5, 1), 40.0, QStringLiteral("Luis")));
        QVERIFY(alta(alumno("E", "B"), m_turno, QDate(2024, 1, 1), QDate(2024, 5, 2), 10.333, QStringLiteral("Eva")));
        QVERIFY(alta(xan, m_turno, QDate(2024, 5, 31), QDate(), 10.333, QStringLiteral("Xan")));
        QVERIFY(alta(alumno("I", "D"), m_turno, QDate(2024, 6, 1), QDate(), 50.0, QStringLiteral("Iria")));
        QVERIFY(alta(xan, m_otroTurno, QDate(2024, 2, 1), QDate(), 20.0, QStringLiteral("Xan")));

        Profesor ana(m_ana);
        ana.setApodo(QStringLiteral("Profe 50 %1"));
        std::unique_ptr<Listado> l(ana.listadoAlumnos(QDate(2024, 5, 1), QDate(2024, 6, 1)));
        QCOMPARE(l->titulo(), QStringLiteral("Student listing for teacher: Profe 50 %1 "));
        QCOMPARE(l->cabeceras(), QStringList({"Student", "Subject", "Amount"}));
        QCOMPARE(l->rowCount(), 4);
        QCOMPARE(fila(*l, 0), QStringList({"Eva", "Matematicas - Manana", "10.333"}));
        QCOMPARE(fila(*l, 1), QStringList({"Xan", "Matematicas - Manana", "10.333"}));
        QCOMPARE(fila(*l, 2), QStringList({"Xan", "Fisica - Tarde", "20.000"}));
        // Summed as stored, shown with two decimals in the grey totals row.
        QCOMPARE(l->lineas().at(3)->valor(2).toDouble(), 10.333 + 10.333 + 20.0);
        QCOMPARE(fila(*l, 3), QStringList({"Totales", "", "40.67"}));
        QVERIFY(l->lineas().at(3)->atributo(0).contains(QStringLiteral("bgcolor=\"#888586\"")));
    }

    // Printed one after another, settlements tell whose each is; names,
    // nicknames, subjects and shifts typed with markup show as typed.
    void settlementAndStudentsNameTheTeacherAsTyped()
    {
        const int turno = academy::turno(asignatura(typedMarkup(QStringLiteral("S"))), typedMarkup(QStringLiteral("T")));
        QVERIFY(sesion(turno, m_aula, m_ana, 1, 9));
        QVERIFY(alta(alumno("A", "B"), turno, QDate(2024, 1, 1), QDate(), 40.0, typedMarkup(QStringLiteral("N"))));
        auto p = profesora(1000, 10, 15);
        p->setNombre(typedMarkup(QStringLiteral("Ana")));
        p->setApellidos(QStringLiteral("Souto & Co"));
        p->setApodo(typedMarkup(QStringLiteral("Apodo")));

        const QList<Listado*> partes = p->liquidacion(kAbril, kMayo);
        QCOMPARE(partes.size(), 4);
        QString html;
        for (Listado* parte : partes)
            html += parte->toHtml(true);
        qDeleteAll(partes);
        std::unique_ptr<Listado> alumnos(p->listadoAlumnos(kAbril, kMayo));
        html += alumnos->toHtml(true);

        const ShownHtml shown = shownHtml(html);
        const QString nombre = p->nombreCompleto();
        QVERIFY2(shown.text.trimmed().startsWith(QStringLiteral("Settlement of %1: Fixed salary (").arg(nombre)),
                 qPrintable(shown.text));
        QCOMPARE(shown.text.count(nombre), 1);
        QVERIFY2(shown.text.contains(typedMarkup(QStringLiteral("S")) + QStringLiteral(" - ")
                                     + typedMarkup(QStringLiteral("T"))),
                 qPrintable(shown.text));
        QVERIFY(shown.text.contains(QStringLiteral("Student listing for teacher: ") + typedMarkup(QStringLiteral("Apodo"))));
        QVERIFY(shown.text.contains(typedMarkup(QStringLiteral("N"))));
        QVERIFY2(shown.images.isEmpty(), qPrintable(shown.images.join(QLatin1Char(','))));
    }

    // The names in the order of the program's language: "Álvaro" among the
    // A's, "ñ" after "n".
    void studentsInTheLanguagesOrder()
    {
        QVERIFY(sesion(m_turno, m_aula, m_ana, 1, 9));
        for (const QString& nombre : {QStringLiteral("Valeria"), QStringLiteral("Ñoño"), QStringLiteral("Álvaro"),
                                      QStringLiteral("Nuria"), QStringLiteral("alba")})
            QVERIFY(alta(alumno(nombre, QStringLiteral("X")), m_turno, QDate(2024, 1, 1), QDate(), 10.0, nombre));
        const QLocale antes;
        QLocale::setDefault(QLocale(QLocale::Galician, QLocale::Spain));
        std::unique_ptr<Listado> l(Profesor(m_ana).listadoAlumnos(QDate(2024, 5, 1), QDate(2024, 6, 1)));
        QLocale::setDefault(antes);
        QStringList nombres;
        for (int i = 0; i + 1 < l->rowCount(); ++i)
            nombres << fila(*l, i).at(0);
        QCOMPARE(nombres, QStringList({"alba", "Álvaro", "Nuria", "Ñoño", "Valeria"}));
    }
};

PENSARIO_TEST_MAIN(TestSueldoProfesor)
#include "tst_sueldoprofesor.moc"
