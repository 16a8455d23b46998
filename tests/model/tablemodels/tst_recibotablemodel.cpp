#include "recibofixture.h"

#include "messagecapture.h"
#include "recibotablemodel.h"
#include "testmain.h"

#include <QAbstractItemModelTester>
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
};

PENSARIO_TEST_MAIN(TestReciboTableModel)
#include "tst_recibotablemodel.moc"
