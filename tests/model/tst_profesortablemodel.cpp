#include "academyfixture.h"
#include "messagecapture.h"
#include "profesor.h"
#include "profesortablemodel.h"
#include "testmain.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>

using namespace academy;

namespace {
int rowOf(const ProfesorTableModel* model, int id)
{
    for (int row = 0; row < model->rowCount(); ++row)
        if (model->getId(model->index(row, 0)) == id)
            return row;
    return -1;
}
}

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
        model = Profesor::tableModel();
        QCOMPARE(Profesor::tableModel(), model);
        QVERIFY(!model->parent());
        model->refresh();
        QCOMPARE(model->rowCount(), 0);
        ana = profesor(QStringLiteral("Ana"), QStringLiteral("Souto"),
                       {{QStringLiteral("casa"), QStringLiteral("981")}, {QStringLiteral("móbil"), QStringLiteral("600")}});
        bea = profesor(QStringLiteral("Bea"), QStringLiteral("Andrade"));
        QVERIFY(ana && bea);
    }

    void writesShowUpAndPassTheTester()
    {
        QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model->rowCount(), 2);
        Profesor p;
        p.setNombre(QStringLiteral("Carla"));
        p.setFAlta(QDate(2024, 1, 1));
        QVERIFY(p.persist());
        QCOMPARE(model->rowCount(), 3);
        p.setApellidos(QStringLiteral("Rey"));
        QVERIFY(p.update());
        QCOMPARE(model->data(model->index(rowOf(model, p.id()), 1)).toString(), QStringLiteral("Rey"));
        QVERIFY(Profesor::remove(bea));
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(rowOf(model, bea), -1);
    }

    void headersAndCells()
    {
        const QStringList expected{"Name", "Surname", "Nickname", "DNI", "City", "CP", "Email",
                                   "Salary %", "Discount", "Bank", "Sign up date", "Withdraw date",
                                   "Phone numbers"};
        QCOMPARE(model->columnCount(), expected.size());
        for (int c = 0; c < expected.size(); ++c)
            QCOMPARE(model->headerData(c, Qt::Horizontal).toString(), expected.at(c));
        QVERIFY(!model->headerData(1, Qt::Vertical).isValid());

        Profesor* p = Profesor::getFromDB(bea);
        p->setRetencion(15);
        p->setSueldoPorcentaje(12.5);
        p->setFBaja(QDate(2025, 6, 30));
        QVERIFY(p->update());
        delete p;

        const int rowAna = rowOf(model, ana);
        const int rowBea = rowOf(model, bea);
        QCOMPARE(model->data(model->index(rowAna, 2)).toString(), QStringLiteral("Ana")); // nickname
        QCOMPARE(model->data(model->index(rowAna, 12)).toString(), QStringLiteral("casa: 981; móbil: 600"));
        QCOMPARE(model->data(model->index(rowBea, 12)).toString(), QString());
        QCOMPARE(model->data(model->index(rowBea, 7)).toDouble(), 12.5);
        QCOMPARE(model->data(model->index(rowBea, 8)).toDouble(), 15.0); // the withholding
        QCOMPARE(model->data(model->index(rowBea, 10)).toDate(), QDate(2020, 9, 1));
        QCOMPARE(model->data(model->index(rowBea, 11)).toDate(), QDate(2025, 6, 30));
        QVERIFY(model->data(model->index(rowAna, 11)).toDate().isNull());
        QVERIFY(!model->data(model->index(rowAna, 0), Qt::ToolTipRole).isValid());

        MessageCapture capture;
        IndexForger forger(model);
        QVERIFY(!model->data(forger.forge(rowAna, 13)).isValid());
        QVERIFY(capture.contains(QtWarningMsg, "ProfesorTableModel trying to get an unknown column"));
    }

    void idsThroughAProxy()
    {
        QSortFilterProxyModel proxy;
        proxy.setSourceModel(model);
        proxy.sort(1); // Andrade before Souto
        QCOMPARE(model->getId(proxy.index(0, 5)), bea);
        QCOMPARE(model->getId(proxy.index(1, 0)), ana);
        proxy.setFilterKeyColumn(0);
        proxy.setFilterFixedString(QStringLiteral("Ana"));
        QCOMPARE(proxy.rowCount(), 1);
        QCOMPARE(model->getId(proxy.index(0, 0)), ana);

        MessageCapture capture;
        QStandardItemModel other(1, 1);
        QCOMPARE(model->getId(other.index(0, 0)), -1);
        QVERIFY(capture.contains(QtWarningMsg, "invalid qModelIndex for get an id on ProfesorTableModel "));
    }

    void refreshResetsOnceAndCellsRunNoStatement()
    {
        QSignalSpy resets(model, &QAbstractItemModel::modelReset);
        setDaoTracing(true);
        MessageCapture capture;
        model->refresh();
        const int atRefresh = statementsTraced(capture.texts(QtDebugMsg));
        capture.clear();
        for (int row = 0; row < model->rowCount(); ++row)
            for (int column = 0; column < model->columnCount(); ++column)
                model->data(model->index(row, column));
        const int atPaint = statementsTraced(capture.texts(QtDebugMsg));
        setDaoTracing(false);
        QCOMPARE(resets.count(), 1);
        QCOMPARE(atRefresh, 2);
        QCOMPARE(atPaint, 0);
    }
};

PENSARIO_TEST_MAIN(TestProfesorTableModel)
#include "tst_profesortablemodel.moc"
