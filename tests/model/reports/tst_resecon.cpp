#include "academyfixture.h"
#include "linealistado.h"
#include "listadoresecon.h"
#include "profesor.h"
#include "testmain.h"
#include "outputfiles.h"
#include "shownhtml.h"

#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <memory>

using namespace academy;

namespace {
// The rows of the workbook as xlsx2csv shows their values.
QList<QStringList> valores(const QString& path)
{
    QList<QStringList> filas;
    for (const QString& linea : outputfiles::xlsxRows(path))
        filas << linea.split(QLatin1Char(','));
    return filas;
}

// The formula of a cell, as stored in the sheet.
QString formula(const QString& sheet, const QString& cell)
{
    const auto m = QRegularExpression(QStringLiteral("<c r=\"%1\"[^>]*><f>([^<]*)</f>").arg(cell)).match(sheet);
    return m.hasMatch() ? m.captured(1) : QStringLiteral("<no formula in %1>").arg(cell);
}

// Money in cents and the withholding in hundredths, as stored; an old row may have no nickname.
int guardaProfesor(const QString& apodo, double fijo, double porHora, double porcentaje, double retencion)
{
    const int id = profesor(apodo.isEmpty() ? QStringLiteral("Carla") : apodo, QStringLiteral("Apellido"));
    return exec(QStringLiteral("UPDATE profesor SET apodo = ?, sueldofijo = ?, sueldoporhora = ?, sueldoporcentaje = ?, "
                               "descuento = ? WHERE id = ?"),
                {apodo, fijo * 100, porHora * 100, porcentaje, retencion * 100, id}) ? id : 0;
}
}

class TestResEcon : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_tmp;

private slots:
    void initTestCase() { QVERIFY(m_tmp.isValid()); }

    // Ana and Berto share the mathematics shift, whose April income is 455.00;
    // Carla has no sessions.
    void init()
    {
        QVERIFY(openFreshDatabase());
        qputenv("TMPDIR", QFile::encodeName(m_tmp.path()));
        const int aulaId = aula(QStringLiteral("Aula"), 30);
        const int mates = turno(asignatura(QStringLiteral("Matematicas")), QStringLiteral("Manana"));
        const int ana = guardaProfesor(QStringLiteral("Ana"), 500, 0, 10, 50);
        const int berto = guardaProfesor(QStringLiteral("Berto"), 0, 10, 0, 0);
        QVERIFY(ana && berto && guardaProfesor(QString(), 300, 0, 0, 0));
        QVERIFY(sesion(mates, aulaId, ana, 1, 9, 60));
        QVERIFY(sesion(mates, aulaId, berto, 3, 9, 90));
        QVERIFY(alta(alumno("Uno", "A"), mates, QDate(2024, 1, 10), QDate(), 200.0));
        QVERIFY(alta(alumno("Dos", "B"), mates, QDate(2024, 3, 31), QDate(), 255.0));
        // Starts on the end date, or withdrawn on the start date: not counted.
        QVERIFY(alta(alumno("Tres", "C"), mates, QDate(2024, 5, 1), QDate(), 70.0));
        QVERIFY(alta(alumno("Cua", "D"), mates, QDate(2024, 1, 1), QDate(2024, 4, 1), 80.0));
    }

    // The academy raised 455.00 once, whoever teaches the shift.
    void summaryCountsASharedShiftOnce()
    {
        bool ok = false;
        std::unique_ptr<ListadoResEcon> r(Profesor::resumenEconomico(QDate(2024, 4, 1), QDate(2024, 5, 1), &ok));
        QVERIFY(ok);
        QCOMPARE(r->titulo(), QStringLiteral("Economic summary"));
        QCOMPARE(r->subtitulo(), QLocale().toString(QDate(2024, 4, 1), QLocale::ShortFormat) + QStringLiteral(" - ")
                                     + QLocale().toString(QDate(2024, 5, 1), QLocale::ShortFormat));
        QCOMPARE(r->rowCount(), 4);
        const auto fila = [&r](int i) {
            QList<double> v;
            for (int c = 1; c < 5; ++c)
                v << r->lineas().at(i)->valor(c).toDouble();
            return v;
        };
        // Ana: 455.00 raised, 500.00 fixed + 45.50 (10 %), 50.00 withheld.
        QCOMPARE(r->lineas().at(0)->valor(0).toString(), QStringLiteral("Ana"));
        QCOMPARE(fila(0), (QList<double>{455.0, 50.0, 495.5, -90.5}));
        // Berto: the same shift's income; four Wednesdays of 1.5 hours at 10.00.
        QCOMPARE(fila(1), (QList<double>{455.0, 0.0, 60.0, 395.0}));
        // Carla: no sessions, no income; the balance is minus her pay.
        QCOMPARE(fila(2), (QList<double>{0.0, 0.0, 300.0, -300.0}));
        QCOMPARE(r->lineas().at(3)->valor(0).toString(), QStringLiteral("TOTALS"));
        QCOMPARE(fila(3), (QList<double>{455.0, 50.0, 855.5, 455.0 - 50.0 - 855.5}));

        // The workbook holds the printed values, with the balance and the
        // totals as formulas; the shared income is not summed again.
        const QString xlsx = r->toXls();
        QVERIFY(xlsx.endsWith(QStringLiteral("listado.xlsx")));
        const QString sheet = outputfiles::xlsxPart(xlsx);
        // values and column widths with a point, whatever the C library's language
        QVERIFY2(!sheet.contains(QRegularExpression(QStringLiteral("(<v>|=\")-?[0-9]+,[0-9]"))), qPrintable(sheet));
        QVERIFY(sheet.contains(QStringLiteral("<v>855.5</v>")));
        QCOMPARE(formula(sheet, QStringLiteral("E5")), QStringLiteral("B5-C5-D5"));
        QCOMPARE(formula(sheet, QStringLiteral("E7")), QStringLiteral("B7-C7-D7"));
        QCOMPARE(formula(sheet, QStringLiteral("D8")), QStringLiteral("SUM(D5:D7)"));
        QCOMPARE(formula(sheet, QStringLiteral("C8")), QStringLiteral("\"TC1: \"&amp;SUM(C5:C7)"));
        QCOMPARE(formula(sheet, QStringLiteral("E8")), QStringLiteral("B8-SUM(C5:C7)-D8"));
        QCOMPARE(formula(sheet, QStringLiteral("B8")), QStringLiteral("<no formula in B8>"));
        const QList<QStringList> f = valores(xlsx);
        QCOMPARE(f.at(0).at(0), QStringLiteral("Economic summary"));
        QCOMPARE(f.at(3).at(4), QStringLiteral("Balance"));
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(f.at(4 + i).at(0), r->lineas().at(i)->valor(0).toString());
            for (int c = 1; c < 5; ++c)
                QCOMPARE(f.at(4 + i).at(c), QString::number(fila(i).at(c - 1), 'f', 2));
        }
        QCOMPARE(f.at(7).mid(0, 5), QStringList({"TOTALS", "455.00", "TC1: 50", "855.50", "-450.50"}));
        QCOMPARE(f.at(9).mid(0, 3), QStringList({QString(), QString(), QStringLiteral("DATE")}));
        QCOMPARE(f.at(13).at(0), QStringLiteral("PENDING"));
    }

    // The summary and a settlement read their shifts, sessions and incomes in
    // a fixed number of statements, however many shifts there are.
    void statementsDoNotGrowWithShifts()
    {
        const auto resumen = [] { delete Profesor::resumenEconomico(QDate(2024, 4, 1), QDate(2024, 5, 1)); };
        const int ana = scalar(QStringLiteral("SELECT id FROM profesor WHERE apodo = 'Ana'")).toInt();
        const auto liquidacion = [ana] {
            std::unique_ptr<Profesor> p(Profesor::getFromDB(ana));
            p->setSueldoPorHora(10);
            qDeleteAll(p->liquidacion(QDate(2024, 4, 1), QDate(2024, 5, 1)));
        };
        const int antesResumen = statementsRunBy(resumen);
        const int antesLiquidacion = statementsRunBy(liquidacion);
        const int aulaId = aula(QStringLiteral("Otra"), 30);
        for (int i = 0; i < 4; ++i) {
            const int t = turno(asignatura(QStringLiteral("Extra %1").arg(i)), QStringLiteral("T"));
            QVERIFY(sesion(t, aulaId, ana, 2 + i, 12, 60));
            QVERIFY(alta(alumno("Extra", QString::number(i)), t, QDate(2024, 1, 1), QDate(), 10.0));
        }
        QVERIFY(guardaProfesor(QStringLiteral("Dora"), 0, 5, 5, 0));
        QCOMPARE(statementsRunBy(resumen), antesResumen);
        QCOMPARE(statementsRunBy(liquidacion), antesLiquidacion);
        std::unique_ptr<ListadoResEcon> r(Profesor::resumenEconomico(QDate(2024, 4, 1), QDate(2024, 5, 1)));
        QCOMPARE(r->lineas().at(0)->valor(1).toDouble(), 495.0);
    }

    // A nickname typed with markup shows as typed, printed and in the workbook.
    void typedNicknameShowsAsTyped()
    {
        QVERIFY(guardaProfesor(typedMarkup(), 100, 0, 0, 0));
        std::unique_ptr<ListadoResEcon> r(Profesor::resumenEconomico(QDate(2024, 4, 1), QDate(2024, 5, 1)));
        const ShownHtml shown = shownHtml(r->toHtml(true));
        QVERIFY2(shown.text.contains(typedMarkup()), qPrintable(shown.text));
        QVERIFY2(shown.images.isEmpty(), qPrintable(shown.images.join(QLatin1Char(','))));
        const QString libro = outputfiles::xlsxRows(r->toXls()).join(QLatin1Char('\n'));
        QVERIFY2(libro.contains(QStringLiteral("<b>X</b><img src=")), qPrintable(libro));
    }

    void failedIncomeIsReported()
    {
        QVERIFY(exec(QStringLiteral("ALTER TABLE alta RENAME TO alta_oculta")));
        bool ok = true;
        std::unique_ptr<ListadoResEcon> r(Profesor::resumenEconomico(QDate(2024, 4, 1), QDate(2024, 5, 1), &ok));
        QVERIFY(!ok);
        QVERIFY(r->lineas().constLast()->valor(1).toDouble() >= 0.0);
    }

};

PENSARIO_TEST_MAIN(TestResEcon)
#include "tst_resecon.moc"
