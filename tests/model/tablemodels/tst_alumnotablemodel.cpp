#include "academyfixture.h"
#include "alumno.h"
#include "alumnotablemodel.h"
#include "messagecapture.h"
#include "proxyhelpers.h"
#include "testmain.h"

#include <QAbstractItemModelTester>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>

using namespace academy;

class TestAlumnoTableModel : public QObject
{
    Q_OBJECT

private:
    Academy a;
    AlumnoTableModel* model = nullptr;

private slots:
    void init()
    {
        QVERIFY(a.rebuild());
        model = AlumnoTableModel::instance();
        model->setModo(0);
        model->refresh();
    }

    void rowsFollowWritesAndModes()
    {
        QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model->rowCount(), 2); // Luis and Xan are current
        QCOMPARE(model->columnCount(), 11);
        QCOMPARE(model->headerData(10, Qt::Horizontal).toString(), QStringLiteral("Phone numbers"));
        const int nueva = alumno(QStringLiteral("Sabela"), QStringLiteral("Mouriño"));
        QCOMPARE(model->rowCount(), 3);
        model->setModo(1);
        model->refresh();
        QCOMPARE(model->rowCount(), 1);
        QCOMPARE(model->getId(model->index(0, 0)), a.eva);
        model->setModo(2);
        model->refresh();
        QCOMPARE(model->rowCount(), 4);
        QVERIFY(Alumno::remove(nueva));
        QCOMPARE(model->rowCount(), 3);
    }

    void idsThroughTheFilterProxy()
    {
        QObject owner;
        QSortFilterProxyModel* inner = createFilterProxy(model, &owner);
        QSortFilterProxyModel outer;
        outer.setSourceModel(inner);
        outer.sort(1, Qt::DescendingOrder); // surname: Pena Mato before Novo
        QCOMPARE(outer.data(outer.index(0, 10)).toString(), QStringLiteral("casa: 981111111; madre: 611111111"));
        QCOMPARE(model->getId(outer.index(0, 3)), a.luis);
        QCOMPARE(model->getId(outer.index(1, 0)), a.nuevo);
        inner->setFilterFixedString(QStringLiteral("Novo"));
        QCOMPARE(outer.rowCount(), 1);
        QCOMPARE(model->getId(outer.index(0, 0)), a.nuevo);

        MessageCapture capture;
        QStandardItemModel other(2, 2);
        QCOMPARE(model->getId(other.index(0, 0)), -1);
        QVERIFY(capture.contains(QtWarningMsg, "invalid qModelIndex for get an id on AlumnoTableModel "));
    }

    // Everything the cells show is read at refresh(), in a fixed number of
    // statements; painting runs none.
    void refreshCostsFixedStatementsAndCellsNone()
    {
        for (int i = 0; i < 40; ++i)
            QVERIFY(alumno(QStringLiteral("N%1").arg(i), QStringLiteral("A%1").arg(i),
                           {{QStringLiteral("casa"), QString::number(i)}}));
        QCOMPARE(statementsRunBy([this] { model->refresh(); }), 2);
        QCOMPARE(model->rowCount(), 42);
        QCOMPARE(statementsRunBy([this] { paintAll(model); }), 0);
    }
};

PENSARIO_TEST_MAIN(TestAlumnoTableModel)
#include "tst_alumnotablemodel.moc"
