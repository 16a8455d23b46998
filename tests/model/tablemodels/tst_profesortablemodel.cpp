#include "academyfixture.h"
#include "messagecapture.h"
#include "profesor.h"
#include "profesortablemodel.h"
#include "testmain.h"

#include <QAbstractItemModelTester>
#include <QSortFilterProxyModel>

using namespace academy;

class TestProfesorTableModel : public QObject
{
    Q_OBJECT

private:
    ProfesorTableModel* model = nullptr;
    int ana = 0;
    int bea = 0;

private slots:
    void init()
    {
        QVERIFY(openFreshDatabase());
        model = ProfesorTableModel::instance();
        model->refresh();
        ana = profesor(QStringLiteral("Ana"), QStringLiteral("Souto"),
                       {{QStringLiteral("casa"), QStringLiteral("981")}, {QStringLiteral("móbil"), QStringLiteral("600")}});
        bea = profesor(QStringLiteral("Bea"), QStringLiteral("Andrade"));
        QVERIFY(ana && bea);
    }

    void writesShowUpAndPassTheTester()
    {
        QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(model->columnCount(), 13);
        const int carla = profesor(QStringLiteral("Carla"));
        QCOMPARE(model->rowCount(), 3);
        QVERIFY(Profesor::remove(bea));
        QCOMPARE(model->rowCount(), 2);

        // Behind a proxy: ids and cells of the right rows.
        QSortFilterProxyModel proxy;
        proxy.setSourceModel(model);
        proxy.sort(0);
        QCOMPARE(model->getId(proxy.index(1, 5)), carla);
        QCOMPARE(proxy.data(proxy.index(0, 12)).toString(), QStringLiteral("casa: 981; móbil: 600"));
        QCOMPARE(proxy.data(proxy.index(0, 10)).toDate(), QDate(2020, 9, 1));
        // Only the display role and the horizontal titles are served.
        QVERIFY(!model->data(model->index(0, 0), Qt::EditRole).isValid());
        QVERIFY(!model->headerData(0, Qt::Vertical).isValid());
    }

    void refreshRunsTwoStatementsAndCellsNone()
    {
        QCOMPARE(statementsRunBy([this] { model->refresh(); }), 2);
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(statementsRunBy([this] { paintAll(model); }), 0);
    }
};

PENSARIO_TEST_MAIN(TestProfesorTableModel)
#include "tst_profesortablemodel.moc"
