#include "academyfixture.h"
#include "asignatura.h"
#include "messagecapture.h"
#include "profesor.h"
#include "testmain.h"
#include "turnoasignatura.h"
#include "turnoasignaturatablemodel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QSortFilterProxyModel>

using namespace academy;

namespace {
QVariant cell(QAbstractItemModel* model, int row, int column)
{
    return model->data(model->index(row, column));
}
} // namespace

class TestTurnoAsignaturaTableModel : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(openFreshDatabase()); }

    void rowsAfterWritesServedFromMemory()
    {
        TurnoAsignaturaTableModel* model = TurnoAsignaturaTableModel::instance();
        model->refresh(); // the shared model outlives each case's database
        QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model->rowCount(), 0);
        QCOMPARE(model->columnCount(), 8);

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
        a.addProfesor(Profesor::getFromDB(profesor(QStringLiteral("Ana"))));
        a.addProfesor(Profesor::getFromDB(profesor(QStringLiteral("Luis"))));
        QVERIFY(a.persist());
        QCOMPARE(model->rowCount(), 2); // the subject's write refreshed the model

        const int idG1 = count("SELECT id FROM turnoasignatura WHERE nombre = 'G1'");
        turnoCurso(QStringLiteral("Bach"), QStringLiteral("M"), {idG1});
        turnoCurso(QStringLiteral("ESO"), QStringLiteral("M"), {idG1});
        turnoCurso(QStringLiteral("Bach"), QStringLiteral("T"), {idG1}); // Bach is named once
        const QDate hoy = QDate::currentDate();
        QVERIFY(alta(alumno("a", "a"), idG1, hoy.addDays(-1)));
        QVERIFY(alta(alumno("b", "b"), idG1, hoy.addDays(-10), hoy));             // left today: out
        QVERIFY(alta(alumno("c", "c"), idG1, hoy.addDays(-10), hoy.addDays(1)));  // leaves tomorrow: in
        QVERIFY(alta(alumno("d", "d"), idG1, hoy.addDays(1)));                    // starts tomorrow: out
        model->refresh();

        QSortFilterProxyModel proxy;
        proxy.setSourceModel(model);
        proxy.sort(1, Qt::DescendingOrder);
        QCOMPARE(model->getId(proxy.index(1, 0)), idG1);
        Dao::getInstance()->close();
        const int r1 = proxy.mapToSource(proxy.index(1, 0)).row();
        QCOMPARE(cell(model, r1, 0).toString(), QStringLiteral("Guitarra"));
        QCOMPARE(cell(model, r1, 3).toDouble(), 42.5);
        QCOMPARE(cell(model, r1, 4).toString(), QStringLiteral("Bach, ESO"));
        QCOMPARE(cell(model, r1, 5).toString(), QStringLiteral("Ana, Luis"));
        QCOMPARE(cell(model, r1, 6).toInt(), 2);
        QCOMPARE(cell(model, r1, 7).toInt(), 4);
        QCOMPARE(cell(model, 1 - r1, 4).toString(), QString());
        QCOMPARE(cell(model, 1 - r1, 6).toInt(), 0);

        MessageCapture capture;
        QCOMPARE(model->getId(QModelIndex()), -1);
        QVERIFY(capture.contains(QtWarningMsg, "invalid qModelIndex for get an id on TurnoAsignaturaTableModel"));
    }

    // A sign-up saved counts the students again and reloads nothing else; a
    // shift renamed reloads the rows.
    void signUpsCountAgainWithoutAReload()
    {
        TurnoAsignaturaTableModel* model = TurnoAsignaturaTableModel::instance();
        const int turno = academy::turno(asignatura(QStringLiteral("Piano")), QStringLiteral("P1"));
        model->refresh();
        QSignalSpy resets(model, &QAbstractItemModel::modelReset);
        QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
        QVERIFY(alta(alumno("a", "a"), turno, QDate::currentDate().addDays(-1)));
        QCOMPARE(cell(model, 0, int(TurnoAsignaturaTableModel::Column::NumAlumnos)).toInt(), 1);
        QCOMPARE(resets.count(), 0);
        QCOMPARE(changed.count(), 1);
        QVERIFY(exec(QStringLiteral("UPDATE turnoasignatura SET nombre = 'P2' WHERE id = ?"), {turno}));
        QCOMPARE(cell(model, 0, int(TurnoAsignaturaTableModel::Column::Turno)).toString(), QStringLiteral("P2"));
        QCOMPARE(resets.count(), 1);
    }

};

PENSARIO_TEST_MAIN(TestTurnoAsignaturaTableModel)
#include "tst_turnoasignaturatablemodel.moc"
