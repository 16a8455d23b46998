#include "recibofixture.h"

#include "messagecapture.h"
#include "recibotablemodel.h"
#include "testmain.h"

#include <QAbstractItemModelTester>
#include <QSettings>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTest>

using namespace ReciboFixture;

class TestReciboTableModel : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void columnsAndRoles();
    void filtersByRangeAndPaidState();
    void idsThroughProxies();
    void unknownCellsAnswerNothing();
    void loadsWithOneQueryAndCellsRunNone();
    void sharedModelFollowsWritesButNotSingleStores();
};

void TestReciboTableModel::init()
{
    QVERIFY(abrirBaseNueva());
}

void TestReciboTableModel::columnsAndRoles()
{
    ReciboTableModel vacio(QDate(), QDate(), Recibo::PAGADOS_E_IMPAGADOS);
    QCOMPARE(vacio.rowCount(), 0);
    QCOMPARE(vacio.columnCount(), 10);
    QCOMPARE(vacio.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Number"));
    QCOMPARE(vacio.headerData(9, Qt::Horizontal).toString(), QStringLiteral("Surname"));
    QVERIFY(!vacio.headerData(0, Qt::Vertical).isValid());
    QVERIFY(!vacio.headerData(0, Qt::Horizontal, Qt::ToolTipRole).isValid());

    const int idAlumno = alumno(QStringLiteral("Ana"), QStringLiteral("Pena"));
    const QDate dia = primeroDeMes().addDays(3);
    const int id = recibo(idAlumno, dia, 70);
    std::unique_ptr<Recibo> r(Recibo::getFromDB(id));
    r->setDescuento(5);
    r->setPagado(true);
    QVERIFY(r->update());
    Dao::getInstance()->execute(QStringLiteral("UPDATE recibo SET nombrealumno = 'Ana', apellidosalumno = 'Pena'"));

    ReciboTableModel model(QDate(), QDate(), Recibo::PAGADOS_E_IMPAGADOS);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 1);
    const QVariantList esperado{0, QStringLiteral("2012"), QStringLiteral("Datos"), dia, 70.0,
                                QStringLiteral("Concepto"), 5.0, true, QStringLiteral("Ana"),
                                QStringLiteral("Pena")};
    for (int c = 0; c < 10; ++c)
        QCOMPARE(model.data(model.index(0, c)), esperado.at(c));
    QCOMPARE(model.data(model.index(0, 3)).typeId(), QMetaType::QDate);
    QCOMPARE(model.data(model.index(0, 4)).typeId(), QMetaType::Double);
    QCOMPARE(model.data(model.index(0, 7)).typeId(), QMetaType::Bool);
    QVERIFY(!model.data(model.index(0, 0), Qt::EditRole).isValid());
    QVERIFY(!model.data(model.index(0, 0), Qt::DecorationRole).isValid());
}

void TestReciboTableModel::filtersByRangeAndPaidState()
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
    QCOMPARE(model.dateIni(), ini);
    QCOMPARE(model.dateEnd(), ini.addMonths(1));
    QCOMPARE(model.rowCount(), 2);

    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    model.setDateEnd(ini.addMonths(1));
    model.setDateEnd(QDate());
    model.setPagados(Recibo::PAGADOS_E_IMPAGADOS);
    QCOMPARE(resets.count(), 0);
    QCOMPARE(model.dateEnd(), ini.addMonths(1));

    model.setPagados(Recibo::SOLOPAGADOS);
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.getId(model.index(0, 0)), pagado);
    model.setPagados(Recibo::SOLOIMPAGADOS);
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.getId(model.index(0, 0)), enIni);
    model.setDateEnd(ini.addMonths(1).addDays(1));
    QCOMPARE(model.rowCount(), 2);
    model.setDateIni(ini.addMonths(2));
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(resets.count(), 4);
}

void TestReciboTableModel::idsThroughProxies()
{
    const QDate ini = primeroDeMes();
    const int a = recibo(0, ini, 1);
    const int b = recibo(0, ini.addDays(1), 2);
    ReciboTableModel model(QDate(), QDate(), Recibo::PAGADOS_E_IMPAGADOS);
    QSortFilterProxyModel inner;
    inner.setSourceModel(&model);
    QSortFilterProxyModel outer;
    outer.setSourceModel(&inner);
    outer.sort(4, Qt::DescendingOrder);
    QCOMPARE(model.getId(outer.index(0, 0)), b);
    QCOMPARE(model.getId(outer.index(1, 2)), a);

    QStandardItemModel otro(1, 1);
    MessageCapture capture;
    QCOMPARE(model.getId(otro.index(0, 0)), -1);
    QCOMPARE(model.getId(QModelIndex()), -1);
    QCOMPARE(capture.count(QtWarningMsg), 2);
    QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("invalid qModelIndex for get an id on ReciboTableModel")));

}

namespace {
// Reaches cells the views never ask for.
struct ModeloCrudo : ReciboTableModel
{
    using ReciboTableModel::ReciboTableModel;
    QModelIndex crudo(int row, int column) const { return createIndex(row, column); }
};
} // namespace

void TestReciboTableModel::unknownCellsAnswerNothing()
{
    recibo(0, primeroDeMes(), 1);
    ModeloCrudo model(QDate(), QDate(), Recibo::PAGADOS_E_IMPAGADOS);
    MessageCapture capture;
    QVERIFY(!model.data(model.crudo(0, 10)).isValid());
    QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("ReciboTableModel trying to get an unknown column")));
    capture.clear();
    QVERIFY(!model.data(model.crudo(3, 0)).isValid());
    QVERIFY(!model.data(QModelIndex()).isValid());
    QCOMPARE(capture.count(QtWarningMsg), 0);
}

void TestReciboTableModel::loadsWithOneQueryAndCellsRunNone()
{
    for (int i = 0; i < 30; ++i)
        recibo(0, primeroDeMes(), i);
    ReciboTableModel model(QDate(), QDate(), Recibo::PAGADOS_E_IMPAGADOS);

    QSettings().setValue(QStringLiteral("DaoInDebugMode"), true);
    Dao::getInstance();
    MessageCapture capture;
    model.refresh();
    auto consultas = [&capture] {
        int n = 0;
        for (const QString& t : capture.texts(QtDebugMsg))
            n += t.contains(QStringLiteral("Executed query was")) ? 1 : 0;
        return n;
    };
    QCOMPARE(model.rowCount(), 30);
    QCOMPARE(consultas(), 1);

    capture.clear();
    for (int row = 0; row < model.rowCount(); ++row)
        for (int c = 0; c < model.columnCount(); ++c)
            model.data(model.index(row, c));
    QCOMPARE(consultas(), 0);
    QSettings().setValue(QStringLiteral("DaoInDebugMode"), false);
    Dao::getInstance();
}

void TestReciboTableModel::sharedModelFollowsWritesButNotSingleStores()
{
    ReciboTableModel* shared = Recibo::tableModel();
    QCOMPARE(Recibo::tableModel(), shared);
    shared->refresh();
    QCOMPARE(shared->rowCount(), 0);

    const int id = recibo(0, primeroDeMes(), 5);
    QCOMPARE(shared->rowCount(), 0); // a bill stored by itself waits for the next refresh

    const int idAlumno = alumno(QStringLiteral("Ana"), QStringLiteral("Pena"));
    alta(idAlumno, turno(QStringLiteral("Mates")), QStringLiteral("Mates"), primeroDeMes(), QDate(), 10, 10);
    QCOMPARE(Recibo::generarRecibos(0, 0, {}), (QList<int>{1, 0, 0}));
    QCOMPARE(shared->rowCount(), 2);

    QVERIFY(Recibo::removeList({id}));
    QCOMPARE(shared->rowCount(), 1);
}

PENSARIO_TEST_MAIN(TestReciboTableModel)
#include "tst_recibotablemodel.moc"
