#include "asignatura.h"
#include "dao.h"
#include "messagecapture.h"
#include "profesor.h"
#include "testmain.h"
#include "turnoasignatura.h"
#include "turnoasignaturatablemodel.h"
#include "turnostesthelpers.h"

#include <QAbstractItemModelTester>
#include <QElapsedTimer>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>

using namespace turnostest;

namespace {
QVariant cell(QAbstractItemModel* model, int row, int column)
{
    return model->data(model->index(row, column));
}

int rowOf(QAbstractItemModel* model, const QString& turno)
{
    for (int r = 0; r < model->rowCount(); ++r)
        if (cell(model, r, 1).toString() == turno)
            return r;
    return -1;
}
} // namespace

class TestTurnoAsignaturaTableModel : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(openFreshDb()); }

    void columnsAndRowsAfterWrites()
    {
        TurnoAsignaturaTableModel* model = TurnoAsignatura::getTableModel();
        QCOMPARE(TurnoAsignatura::getTableModel(), model);
        model->refresh(); // the shared model outlives each case's database
        QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model->rowCount(), 0);
        QCOMPARE(model->columnCount(), 8);
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Subject"));
        QCOMPARE(model->headerData(6, Qt::Horizontal).toString(), QStringLiteral("Number of students"));
        QVERIFY(!model->headerData(0, Qt::Vertical).isValid());

        const int ana = profesor("Ana");
        const int luis = profesor("Luis");
        Asignatura a;
        a.setNombre("Guitarra");
        a.setDescripcion("Clásica");
        a.setEdad(4);
        auto* t1 = new TurnoAsignatura;
        t1->setNombre("G1");
        t1->setPrecioOrientativo(42.5);
        auto* t2 = new TurnoAsignatura;
        t2->setNombre("G2");
        a.addTurno(t1);
        a.addTurno(t2);
        a.addProfesor(Profesor::getFromDB(ana));
        a.addProfesor(Profesor::getFromDB(luis));
        QVERIFY(a.persist());
        // The subject's write refreshed the model.
        QCOMPARE(model->rowCount(), 2);

        const int idG1 = count("SELECT id FROM turnoasignatura WHERE nombre = 'G1'");
        const int b1 = insertId("curso", {"nombre"}, {QStringLiteral("Bach")});
        const int b2 = insertId("curso", {"nombre"}, {QStringLiteral("ESO")});
        for (int c : {b1, b2}) {
            const int tc = insertId("turnocurso", {"nombre", "idcurso"}, {QStringLiteral("M"), c});
            Dao::getInstance()->insert("turnocurso_turnoasignatura", {"idturnocurso", "idturnoasignatura"}, {tc, idG1});
        }
        const QDate hoy = QDate::currentDate();
        alta(alumno("a", "a"), idG1, hoy.addDays(-1), QDate(), 10);
        alta(alumno("b", "b"), idG1, hoy.addDays(-10), hoy, 10);          // left today: out
        alta(alumno("c", "c"), idG1, hoy.addDays(-10), hoy.addDays(1), 10); // leaves tomorrow: in
        alta(alumno("d", "d"), idG1, hoy.addDays(1), QDate(), 10);        // starts tomorrow: out
        model->refresh();

        const int r1 = rowOf(model, "G1");
        const int r2 = rowOf(model, "G2");
        QVERIFY(r1 >= 0 && r2 >= 0);
        QCOMPARE(cell(model, r1, 0).toString(), QStringLiteral("Guitarra"));
        QCOMPARE(cell(model, r1, 2).toString(), QStringLiteral("Clásica"));
        QCOMPARE(cell(model, r1, 3).toDouble(), 42.5);
        QCOMPARE(cell(model, r1, 4).toString(), QStringLiteral("Bach, ESO"));
        QCOMPARE(cell(model, r1, 5).toString(), QStringLiteral("Ana, Luis"));
        QCOMPARE(cell(model, r1, 6).toInt(), 2);
        QCOMPARE(cell(model, r1, 7).toInt(), 4);
        QCOMPARE(cell(model, r2, 4).toString(), QString());
        QCOMPARE(cell(model, r2, 5).toString(), QStringLiteral("Ana, Luis"));
        QCOMPARE(cell(model, r2, 6).toInt(), 0);
        QVERIFY(!model->data(model->index(r1, 0), Qt::EditRole).isValid());

        // Rows disappear after a removal through the entity.
        QVERIFY(TurnoAsignatura::remove(count("SELECT id FROM turnoasignatura WHERE nombre = 'G2'"), true));
        QCOMPARE(model->rowCount(), 1);
    }

    void cellsAreServedFromMemory()
    {
        TurnoAsignaturaTableModel* model = TurnoAsignatura::getTableModel();
        const int ana = profesor("Ana");
        Asignatura a;
        a.setNombre("Bajo");
        auto* t = new TurnoAsignatura;
        t->setNombre("B1");
        a.addTurno(t);
        a.addProfesor(Profesor::getFromDB(ana));
        QVERIFY(a.persist());
        alta(alumno("a", "a"), a.turnos().first()->id(), QDate::currentDate().addDays(-3), QDate(), 10);
        model->refresh();
        QCOMPARE(model->rowCount(), 1);

        // With the database gone every cell still answers.
        Dao::getInstance()->close();
        QCOMPARE(cell(model, 0, 5).toString(), QStringLiteral("Ana"));
        QCOMPARE(cell(model, 0, 6).toInt(), 1);
        QCOMPARE(cell(model, 0, 4).toString(), QString());
        QCOMPARE(cell(model, 0, 0).toString(), QStringLiteral("Bajo"));
    }

    void idsThroughProxiesAndWarnings()
    {
        TurnoAsignaturaTableModel* model = TurnoAsignatura::getTableModel();
        Asignatura a;
        a.setNombre("Batería");
        for (const char* n : {"A", "B", "C"}) {
            auto* t = new TurnoAsignatura;
            t->setNombre(n);
            a.addTurno(t);
        }
        QVERIFY(a.persist());
        QCOMPARE(model->rowCount(), 3);

        QSortFilterProxyModel proxy;
        proxy.setSourceModel(model);
        proxy.sort(1, Qt::DescendingOrder);
        QSortFilterProxyModel proxy2;
        proxy2.setSourceModel(&proxy);
        QCOMPARE(proxy2.data(proxy2.index(0, 1)).toString(), QStringLiteral("C"));
        QCOMPARE(model->getId(proxy2.index(0, 1)), count("SELECT id FROM turnoasignatura WHERE nombre = 'C'"));

        MessageCapture capture;
        QStandardItemModel otro(1, 1);
        QCOMPARE(model->getId(otro.index(0, 0)), -1);
        QVERIFY(capture.contains(QtWarningMsg, "invalid qModelIndex for get an id on TurnoAsignaturaTableModel"));
        QCOMPARE(model->getId(QModelIndex()), -1);
        QVERIFY(!model->data(model->index(0, 0), Qt::DecorationRole).isValid());
    }

    void refreshOf500ShiftsIsFast()
    {
        Dao* dao = Dao::getInstance();
        QVERIFY(dao->transaction());
        const int ana = profesor("Ana");
        const int curso = insertId("curso", {"nombre"}, {QStringLiteral("Curso")});
        for (int s = 0; s < 50; ++s) {
            const int a = insertId("asignatura", {"nombre", "edad"}, {QStringLiteral("S%1").arg(s), s});
            dao->insert("profesor_asignatura", {"idprofesor", "idasignatura"}, {ana, a});
            for (int i = 0; i < 10; ++i) {
                const int t = insertId("turnoasignatura", {"nombre", "idasignatura"}, {QStringLiteral("T%1").arg(i), a});
                const int tc = insertId("turnocurso", {"nombre", "idcurso"}, {QStringLiteral("TC%1-%2").arg(s).arg(i), curso});
                dao->insert("turnocurso_turnoasignatura", {"idturnocurso", "idturnoasignatura"}, {tc, t});
                alta(alumno("x", "y"), t, QDate(2020, 1, 1), QDate(), 10);
            }
        }
        QVERIFY(dao->commit());

        TurnoAsignaturaTableModel* model = TurnoAsignatura::getTableModel();
        qint64 mejor = std::numeric_limits<qint64>::max();
        for (int i = 0; i < 3; ++i) {
            QElapsedTimer timer;
            timer.start();
            model->refresh();
            for (int r = 0; r < model->rowCount(); ++r)
                for (int c = 0; c < model->columnCount(); ++c)
                    model->data(model->index(r, c));
            mejor = qMin(mejor, timer.elapsed());
        }
        QCOMPARE(model->rowCount(), 500);
        QCOMPARE(cell(model, 0, 6).toInt(), 1);
        QCOMPARE(cell(model, 0, 5).toString(), QStringLiteral("Ana"));
        QVERIFY2(mejor < 50, qPrintable(QStringLiteral("refresh took %1 ms").arg(mejor)));
    }
};

PENSARIO_TEST_MAIN(TestTurnoAsignaturaTableModel)
#include "tst_turnoasignaturatablemodel.moc"
