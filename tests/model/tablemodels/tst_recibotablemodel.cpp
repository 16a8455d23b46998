#include "recibofixture.h"

#include "messagecapture.h"
#include "proxyhelpers.h"
#include "recibotablemodel.h"
#include "testmain.h"

#include <QAbstractItemModelTester>
#include <QRandomGenerator>
#include <QSettings>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTest>

#include <functional>

using namespace ReciboFixture;

namespace {
// Reaches cells the views never ask for.
struct ModeloCrudo : ReciboTableModel
{
    using ReciboTableModel::ReciboTableModel;
    QModelIndex crudo(int row, int column) const { return createIndex(row, column); }
};

// Every cell of every row, in every role the model serves.
QVariantList todo(const ReciboTableModel& m)
{
    QVariantList celdas;
    for (int row = 0; row < m.rowCount(); ++row)
        for (int c = 0; c < m.columnCount(); ++c)
            for (int role : {int(Qt::DisplayRole), ARole::Sort, ARole::Id})
                celdas << m.index(row, c).data(role);
    return celdas;
}

// count bills from the day `desde` on, `dias` days apart, with texts taken
// from few values (or one per bill), some paid.
void insertarRecibos(QDate desde, int count, int dias, bool textosUnicos)
{
    static int numerados = 100000;
    numerados += count;
    Dao::getInstance()->execute(
        u"INSERT INTO recibo(nrecibo, serie, fecha, importe, importepagado, descuento, concepto, datosalumno, "
        "pagado, automatico, idalumno, nombrealumno, apellidosalumno) "
        "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i + 1 < ?) SELECT ? + i, 'S' || (i % 3), date(?, '+' || ((i * ?) % 400) || ' days'), "
        "(i * 37) % 9000, 0, (i % 4) * 2.5, 'Concepto ' || (i % 11), "
        "CASE WHEN ? THEN 'Datos ' || i ELSE 'Datos ' || (i % 17) END, "
        "CASE WHEN i % 3 = 0 THEN 'true' ELSE 'false' END, 'true', NULL, "
        "CASE WHEN i % 5 = 0 THEN NULL ELSE 'Nombre ' || (i % 7) END, 'Apellido ' || (i % 13) || CASE WHEN ? THEN ' ' || i ELSE '' END FROM n"_s,
        {count, numerados - count, desde.toString(Qt::ISODate), dias, int(textosUnicos), int(textosUnicos)});
}
} // namespace

class TestReciboTableModel : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(abrirBaseNueva()); }

    void columnsAndValues()
    {
        const QDate dia = primeroDeMes().addDays(3);
        std::unique_ptr<Recibo> r(Recibo::getFromDB(recibo(alumno(u"Ana"_s, u"Pena"_s), dia, 70)));
        r->setDescuento(5);
        r->setPagado(true);
        QVERIFY(r->update());
        Dao::getInstance()->execute(u"UPDATE recibo SET nombrealumno = 'Ana', apellidosalumno = 'Pena'"_s);

        ModeloCrudo model(QDate(), QDate(), Recibo::PAGADOS_E_IMPAGADOS);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.columnCount(), 10);
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), u"Number"_s);
        QCOMPARE(model.headerData(9, Qt::Horizontal).toString(), u"Surname"_s);
        QCOMPARE(model.rowCount(), 1);
        const QVariantList esperado{0, u"2012"_s, u"Datos"_s, dia, 70.0, u"Concepto"_s, 5.0, true, u"Ana"_s, u"Pena"_s};
        for (int c = 0; c < 10; ++c) {
            QCOMPARE(model.data(model.index(0, c)), esperado.at(c));
            QCOMPARE(model.data(model.index(0, c)).typeId(), esperado.at(c).typeId());
        }
        // ids through nested proxies; rows past the end and other models' indexes answer nothing
        QSortFilterProxyModel inner, outer;
        inner.setSourceModel(&model);
        outer.setSourceModel(&inner);
        QCOMPARE(model.getId(outer.index(0, 2)), r->id());
        QVERIFY(!model.data(model.crudo(3, 0)).isValid());
        QStandardItemModel otro(1, 1);
        MessageCapture capture;
        QCOMPARE(model.getId(otro.index(0, 0)), -1);
        QVERIFY(capture.contains(QtWarningMsg, u"invalid qModelIndex for get an id on ReciboTableModel"_s));
    }

    void filtersByRangeAndPaidState()
    {
        const QDate ini = primeroDeMes();
        const int enIni = recibo(0, ini, 1);
        recibo(0, ini.addMonths(1), 2); // on the excluded end
        const int pagado = recibo(0, ini.addDays(5), 3);
        std::unique_ptr<Recibo> r(Recibo::getFromDB(pagado));
        r->setPagado(true);
        QVERIFY(r->update());

        ReciboTableModel model(QDate(), QDate(), Recibo::PAGADOS_E_IMPAGADOS);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.dateEnd(), ini.addMonths(1));
        QCOMPARE(model.rowCount(), 2);
        model.setPagados(Recibo::SOLOPAGADOS);
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.getId(model.index(0, 0)), pagado);
        model.setPagados(Recibo::SOLOIMPAGADOS);
        QCOMPARE(model.getId(model.index(0, 0)), enIni);
        model.setDateEnd(ini.addMonths(1).addDays(1));
        QCOMPARE(model.rowCount(), 2);
    }

    void loadsWithOneQueryAndCellsRunNone()
    {
        for (int i = 0; i < 30; ++i)
            recibo(0, primeroDeMes(), i);
        ReciboTableModel model(QDate(), QDate(), Recibo::PAGADOS_E_IMPAGADOS);
        QSettings().setValue(u"DaoInDebugMode"_s, true);
        Dao::getInstance();
        MessageCapture capture;
        auto consultas = [&capture] { return capture.texts(QtDebugMsg).filter(u"Executed query was"_s).size(); };
        model.refresh();
        QCOMPARE(model.rowCount(), 30);
        QCOMPARE(consultas(), 1);
        capture.clear();
        for (int row = 0; row < model.rowCount(); ++row)
            for (int c = 0; c < model.columnCount(); ++c)
                model.data(model.index(row, c));
        QCOMPARE(consultas(), 0);
        QSettings().setValue(u"DaoInDebugMode"_s, false);
        Dao::getInstance();
    }

    // Steps of the dates and of the paid state show what a fresh reading of
    // the same period shows, in the same order, and read the database only
    // for days the model has not read since its last refresh.
    void stepsReadOnlyWhatTheyAdd()
    {
        const QDate mes = primeroDeMes();
        for (int m = -3; m <= 1; ++m) {
            for (int d = 0; d < 3; ++d) {
                const int id = recibo(0, mes.addMonths(m).addDays(d * 9), 10 + d);
                if ((m + d) % 2 == 0)
                    Dao::getInstance()->execute(u"UPDATE recibo SET pagado = 'true' WHERE id = ?"_s, {id});
            }
        }
        ReciboTableModel model(QDate(), QDate(), Recibo::PAGADOS_E_IMPAGADOS);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        const auto ids = [](const ReciboTableModel& m) {
            QList<int> result;
            for (int row = 0; row < m.rowCount(); ++row)
                result << m.getId(m.index(row, 0));
            return result;
        };
        QSettings().setValue(u"DaoInDebugMode"_s, true);
        Dao::getInstance();
        MessageCapture capture;
        auto consultas = [&capture] { return capture.texts(QtDebugMsg).filter(u"Executed query was"_s).size(); };
        struct Paso { std::function<void()> hacer; int lecturas; };
        const QList<Paso> pasos{
            {[&] { model.setDateIni(mes.addMonths(-2)); }, 1},           // two months more
            {[&] { model.setPagados(Recibo::SOLOPAGADOS); }, 0},
            {[&] { model.setDateIni(mes.addMonths(-1).addDays(4)); }, 0}, // inside what was read
            {[&] { model.setDateEnd(mes.addMonths(2)); }, 1},             // a month more
            {[&] { model.setPagados(Recibo::SOLOIMPAGADOS); }, 0},
            {[&] { model.setDateIni(mes.addMonths(-3)); }, 1},
            {[&] { model.setDateEnd(mes.addMonths(-3).addDays(10)); }, 0},
            {[&] { model.setPagados(Recibo::PAGADOS_E_IMPAGADOS); }, 0},
        };
        for (const Paso& paso : pasos) {
            capture.clear();
            paso.hacer();
            QCOMPARE(consultas(), paso.lecturas);
            const ReciboTableModel fresco(model.dateIni(), model.dateEnd(), model.pagados());
            QCOMPARE(ids(model), ids(fresco));
            QVERIFY(model.rowCount() > 0);
        }
        // a written bill is shown at once, the period read afresh
        const int nuevo = recibo(0, mes.addMonths(-3).addDays(1), 99);
        QVERIFY(ids(model).contains(nuevo));
        QSettings().setValue(u"DaoInDebugMode"_s, false);
        Dao::getInstance();
    }

    // Whatever steps of the dates and the paid state, and whatever writes,
    // the model shows exactly what a model built afresh for its filter shows.
    void anyStepsShowWhatAFreshReadingShows()
    {
        const QDate mes = primeroDeMes();
        insertarRecibos(mes.addMonths(-6), 700, 1, false);
        ReciboTableModel model(QDate(), QDate(), Recibo::PAGADOS_E_IMPAGADOS);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QRandomGenerator azar(34);
        const auto dia = [&] { return mes.addMonths(azar.bounded(-7, 3)).addDays(azar.bounded(-3, 4)); };
        for (int paso = 0; paso < 60; ++paso) {
            QString hecho;
            switch (azar.bounded(5)) {
            case 0: {
                const QDate d = dia();
                model.setDateIni(d);
                hecho = u"start %1"_s.arg(d.toString(Qt::ISODate));
                break;
            }
            case 1: {
                const QDate d = dia();
                model.setDateEnd(d);
                hecho = u"end %1"_s.arg(d.toString(Qt::ISODate));
                break;
            }
            case 2:
                model.setPagados(Recibo::pagadosImpagados(azar.bounded(3)));
                hecho = u"paid state"_s;
                break;
            case 3:
                // the month's generation: only the month's bills are written
                model.soloCambianDias(mes, mes.addMonths(1));
                Dao::getInstance()->execute(u"UPDATE recibo SET pagado = CASE pagado WHEN 'true' THEN 'false' "
                                            "ELSE 'true' END, concepto = concepto || '+' WHERE fecha >= ? AND fecha < ? "
                                            "AND id % 4 = ?"_s, {mes, mes.addMonths(1), azar.bounded(4)});
                insertarRecibos(mes.addDays(azar.bounded(20)), 3, 2, false);
                model.soloCambianDias(QDate(), QDate());
                hecho = u"month written"_s;
                break;
            default:
                Dao::getInstance()->execute(u"UPDATE recibo SET pagado = 'true', nombrealumno = 'Otro' WHERE id % 9 = ?"_s,
                                            {azar.bounded(9)});
                hecho = u"any bill written"_s;
                break;
            }
            const ReciboTableModel fresco(model.dateIni(), model.dateEnd(), model.pagados());
            if (todo(model) != todo(fresco))
                QFAIL(qPrintable(u"step %1 (%2): %3 rows, %4 read afresh"_s.arg(paso).arg(hecho)
                                     .arg(model.rowCount()).arg(fresco.rowCount())));
        }
    }

    // Numbers, dates, amounts, discounts and the paid flag sort through the
    // pages' proxy as their values do, each way.
    void numberColumnsSortByTheirValues()
    {
        insertarRecibos(primeroDeMes().addMonths(-3), 400, 1, false);
        ReciboTableModel model(primeroDeMes().addMonths(-3), primeroDeMes().addMonths(1), Recibo::PAGADOS_E_IMPAGADOS);
        QObject owner;
        QSortFilterProxyModel* pagina = createFilterProxy(&model, &owner);
        QSortFilterProxyModel plano;
        plano.setSourceModel(&model);
        plano.setSortRole(ARole::Sort);
        const auto valores = [](const QAbstractItemModel* m, int c) {
            QVariantList v;
            for (int row = 0; row < m->rowCount(); ++row)
                v << m->index(row, c).data(ARole::Sort);
            return v;
        };
        using C = ReciboTableModel::Column;
        for (const C c : {C::NRecibo, C::Fecha, C::Importe, C::Descuento, C::Pagado}) {
            QVERIFY(model.sortsByNumber(int(c)));
            for (const Qt::SortOrder orden : {Qt::AscendingOrder, Qt::DescendingOrder}) {
                pagina->sort(int(c), orden);
                plano.sort(int(c), orden);
                QCOMPARE(valores(pagina, int(c)), valores(&plano, int(c)));
            }
        }
        QVERIFY(!model.sortsByNumber(int(C::Concepto)));
    }

    // A long reading that is given up leaves the period as it was; texts no
    // longer held are let go without changing what the rows show.
    void aReadingGivenUpChangesNothing()
    {
        const QDate mes = primeroDeMes();
        insertarRecibos(mes.addMonths(-2), 6000, 0, true);
        insertarRecibos(mes, 50, 0, false);
        ReciboTableModel model(mes.addMonths(-2), mes.addMonths(1), Recibo::PAGADOS_E_IMPAGADOS);
        QCOMPARE(model.rowCount(), 6050);
        model.setDateIni(mes); // thousands of texts no longer held
        const QVariantList antes = todo(model);
        QCOMPARE(antes, todo(ReciboTableModel(model.dateIni(), model.dateEnd(), model.pagados())));

        int avisos = 0;
        model.setAvance([&avisos] { ++avisos; return false; });
        model.setDateIni(mes.addMonths(-2));
        QVERIFY(avisos > 0);
        QCOMPARE(model.dateIni(), mes);
        QCOMPARE(todo(model), antes);

        model.setAvance([] { return true; });
        model.setDateIni(mes.addMonths(-2).addDays(-1));
        QCOMPARE(model.rowCount(), 6050);
        QCOMPARE(todo(model), todo(ReciboTableModel(model.dateIni(), model.dateEnd(), model.pagados())));
    }
};

PENSARIO_TEST_MAIN(TestReciboTableModel)
#include "tst_recibotablemodel.moc"
