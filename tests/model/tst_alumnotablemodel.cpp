#include "academyfixture.h"
#include "alumno.h"
#include "alumnotablemodel.h"
#include "messagecapture.h"
#include "proxyhelpers.h"
#include "testmain.h"

#include <QAbstractItemModelTester>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>

#include <memory>

using namespace academy;

namespace {
int statementsIn(const MessageCapture& capture)
{
    return statementsTraced(capture.texts(QtDebugMsg));
}

int rowOf(const AlumnoTableModel* model, int id)
{
    for (int row = 0; row < model->rowCount(); ++row)
        if (model->getId(model->index(row, 0)) == id)
            return row;
    return -1;
}
}

class TestAlumnoTableModel : public QObject
{
    Q_OBJECT

private:
    Academy a;
    AlumnoTableModel* model = nullptr;

private slots:
    void init()
    {
        QVERIFY(openFreshDatabase());
        a = Academy();
        QVERIFY(a.build());
        model = Alumno::getModel();
        QCOMPARE(Alumno::getModel(), model);
        QVERIFY(!model->parent());
        model->modo = 0;
        model->refresh();
    }

    void passesTheModelTester()
    {
        QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model->rowCount(), 2); // Luis and Xan are current
        Alumno nueva;
        nueva.setNombre(QStringLiteral("Sabela"));
        nueva.setApellidos(QStringLiteral("Mouriño"));
        QVERIFY(nueva.persist());
        QCOMPARE(model->rowCount(), 3);
        QVERIFY(rowOf(model, nueva.id()) >= 0);
        model->modo = 2;
        model->refresh();
        QCOMPARE(model->rowCount(), 4);
        QVERIFY(Alumno::remove(nueva.id()));
        QCOMPARE(model->rowCount(), 3);
    }

    void headersAndCells()
    {
        QCOMPARE(model->columnCount(), 11);
        const QStringList expected{"Name", "Surname", "School", "Comments", "DNI", "City", "CP",
                                   "Email", "Discount", "Bank", "Phone numbers"};
        for (int c = 0; c < expected.size(); ++c)
            QCOMPARE(model->headerData(c, Qt::Horizontal).toString(), expected.at(c));
        QVERIFY(!model->headerData(0, Qt::Vertical).isValid());
        QVERIFY(!model->headerData(0, Qt::Horizontal, Qt::ToolTipRole).isValid());

        const int row = rowOf(model, a.luis);
        QVERIFY(row >= 0);
        QCOMPARE(model->data(model->index(row, 0)).toString(), QStringLiteral("Luis"));
        QCOMPARE(model->data(model->index(row, 1)).toString(), QStringLiteral("Pena Mato"));
        QCOMPARE(model->data(model->index(row, 4)).toString(), QStringLiteral("12345678Z"));
        QCOMPARE(model->data(model->index(row, 8)).typeId(), int(QMetaType::Double));
        QCOMPARE(model->data(model->index(row, 10)).toString(),
                 QStringLiteral("casa: 981111111; madre: 611111111"));
        QVERIFY(!model->data(model->index(row, 0), Qt::EditRole).isValid());
        QVERIFY(!model->data(model->index(row, 0), Qt::DecorationRole).isValid());

        MessageCapture capture;
        IndexForger forger(model);
        QVERIFY(!model->data(forger.forge(row, 11)).isValid());
        QVERIFY(capture.contains(QtWarningMsg, "AlumnoTableModel trying to get an unknown column"));
    }

    void emptyListKeepsTheTitles()
    {
        QVERIFY(exec("DELETE FROM telefonoalumno"));
        QVERIFY(exec("DELETE FROM alumno"));
        model->refresh();
        QCOMPARE(model->rowCount(), 0);
        QCOMPARE(model->columnCount(), 11);
        QCOMPARE(model->headerData(10, Qt::Horizontal).toString(), QStringLiteral("Phone numbers"));
    }

    void modes()
    {
        QSignalSpy resets(model, &QAbstractItemModel::modelReset);
        model->modo = 1;
        model->refresh();
        QCOMPARE(resets.count(), 1);
        QCOMPARE(model->rowCount(), 1);
        QCOMPARE(model->getId(model->index(0, 0)), a.eva);
        model->modo = 2;
        model->refresh();
        QCOMPARE(model->rowCount(), 3);
    }

    void idsThroughASortingProxy()
    {
        // the pages' own proxy, with one more stacked on it
        QObject owner;
        QSortFilterProxyModel* inner = createFilterProxy(model, &owner);
        QSortFilterProxyModel outer;
        outer.setSourceModel(inner);
        outer.sort(1, Qt::DescendingOrder); // surname: Pena Mato before Novo
        QCOMPARE(outer.data(outer.index(0, 1)).toString(), QStringLiteral("Pena Mato"));
        QCOMPARE(model->getId(outer.index(0, 3)), a.luis);
        QCOMPARE(model->getId(outer.index(1, 0)), a.nuevo);
        outer.sort(1, Qt::AscendingOrder);
        QCOMPARE(model->getId(outer.index(0, 0)), a.nuevo);
        inner->setFilterFixedString(QStringLiteral("981111111")); // Luis's phone
        QCOMPARE(outer.rowCount(), 1);
        QCOMPARE(model->getId(outer.index(0, 0)), a.luis);

        MessageCapture capture;
        QStandardItemModel other(2, 2);
        QCOMPARE(model->getId(other.index(0, 0)), -1);
        QCOMPARE(model->getId(QModelIndex()), -1);
        QCOMPARE(capture.count(QtWarningMsg), 2);
        QVERIFY(capture.contains(QtWarningMsg, "invalid qModelIndex for get an id on AlumnoTableModel "));
    }

    // Everything the cells show is read at refresh(), in a fixed number of
    // statements; painting runs none.
    void refreshCostsFixedStatementsAndCellsNone()
    {
        for (int i = 0; i < 40; ++i)
            QVERIFY(alumno(QStringLiteral("N%1").arg(i), QStringLiteral("A%1").arg(i),
                           {{QStringLiteral("casa"), QString::number(i)}}));
        setDaoTracing(true);
        MessageCapture capture;
        model->refresh();
        const int atRefresh = statementsIn(capture);
        capture.clear();
        for (int row = 0; row < model->rowCount(); ++row)
            for (int column = 0; column < model->columnCount(); ++column)
                model->data(model->index(row, column));
        const int atPaint = statementsIn(capture);
        setDaoTracing(false);
        QCOMPARE(model->rowCount(), 42);
        QCOMPARE(atRefresh, 2);
        QCOMPARE(atPaint, 0);
    }

    // Refreshing over thousands of students stays well inside a repaint.
    void refreshOfFiveThousandStudents()
    {
        Dao* dao = Dao::getInstance();
        QVERIFY(dao->transaction());
        for (int i = 0; i < 5000; ++i) {
            const int id = dao->insert(QStringLiteral("alumno"),
                                       {QStringLiteral("nombre"), QStringLiteral("apellidos"),
                                        QStringLiteral("dni"), QStringLiteral("direccion")},
                                       {QStringLiteral("N%1").arg(i), QStringLiteral("A%1").arg(i),
                                        QStringLiteral("1"), QStringLiteral("d")})
                               .toInt();
            QVERIFY(id > 0);
            QVERIFY(dao->insert(QStringLiteral("telefonoalumno"),
                                {QStringLiteral("nombre"), QStringLiteral("telefono"), QStringLiteral("idalumno")},
                                {QStringLiteral("casa"), QString::number(i), id})
                        .isValid());
            if (i % 3 == 0)
                QVERIFY(alta(id, a.turnoTarde, QDate(2024, 1, 1), i % 2 ? QDate(2024, 6, 1) : QDate()));
        }
        QVERIFY(dao->commit());
        for (int modo : {0, 1, 2}) {
            model->modo = modo;
            QElapsedTimer timer;
            timer.start();
            model->refresh();
            const qint64 elapsed = timer.elapsed();
            qDebug() << "refresh of" << model->rowCount() << "students in mode" << modo << ":"
                     << elapsed << "ms";
            QVERIFY(model->rowCount() > 800);
            QVERIFY2(elapsed < 500, qPrintable(QString::number(elapsed)));
        }
    }
};

PENSARIO_TEST_MAIN(TestAlumnoTableModel)
#include "tst_alumnotablemodel.moc"
