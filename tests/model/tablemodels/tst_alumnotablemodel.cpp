#include "academyfixture.h"
#include "adatehelper.h"
#include "alumno.h"
#include "alumnotablemodel.h"
#include "messagecapture.h"
#include "proxyhelpers.h"
#include "turnoasignaturatablemodel.h"
#include "testmain.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
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

    // Asked to reload, the model does so only when its tables were written
    // since it last loaded, announced or not yet (an open transaction), or
    // when the day changed; never for a write to another table.
    void reloadsOnRequestOnlyAfterAChange()
    {
        QSignalSpy resets(model, &QAbstractItemModel::modelReset);
        QVERIFY(exec(QStringLiteral("UPDATE profesor SET nombre = 'Otro'")));
        model->refreshIfStale();
        QCOMPARE(resets.count(), 0);

        QVERIFY(Dao::getInstance()->transaction());
        QVERIFY(alumno(QStringLiteral("Sabela"), QStringLiteral("Mouriño")) > 0);
        QCOMPARE(model->rowCount(), 2);
        model->refreshIfStale();
        QCOMPARE(model->rowCount(), 3);
        model->refreshIfStale();
        QCOMPARE(resets.count(), 1);
        // the rollback is announced: the student goes at once
        QVERIFY(Dao::getInstance()->rollback());
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(resets.count(), 2);
        model->refreshIfStale();
        QCOMPARE(resets.count(), 2);
    }

    // A sign-up saved or a new day moves only the students who come or go,
    // the newcomer with all its cells; the other rows stay.
    void signUpsAndTheDayMoveOnlyWhoComesOrGoes()
    {
        QSignalSpy resets(model, &QAbstractItemModel::modelReset);
        QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(model, &QAbstractItemModel::rowsRemoved);
        const QDate hoy = ADateHelper::today();
        QVERIFY(alta(a.eva, a.turnoTarde, hoy.addDays(-3), hoy.addDays(1)));
        QCOMPARE(model->rowCount(), 3);
        QCOMPARE(inserted.count(), 1);
        const QModelIndex eva = model->index(2, int(AlumnoTableModel::Column::Apellidos));
        QCOMPARE(model->getId(eva), a.eva);
        QCOMPARE(eva.data().toString(), QStringLiteral("Rial"));

        // the day her sign-up ends she is a former student
        ADateHelper::setToday(hoy.addDays(1));
        model->refreshIfStale();
        ADateHelper::setToday(QDate());
        QCOMPARE(removed.count(), 1);
        QList<int> actuales;
        for (int row = 0; row < model->rowCount(); ++row)
            actuales << model->getId(model->index(row, 0));
        QCOMPARE(actuales, (QList<int>{a.luis, a.nuevo}));
        QCOMPARE(resets.count(), 0);
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

    // A long list reads every phone at once; each student still gets only
    // their own, in the order they were stored.
    void longListsCarryTheirOwnPhones()
    {
        QVERIFY(Dao::getInstance()->transaction());
        int ultimo = 0;
        for (int i = 0; i < 1200; ++i) {
            ultimo = insertId(QStringLiteral("alumno"),
                              {QStringLiteral("nombre"), QStringLiteral("apellidos"), QStringLiteral("dni"),
                               QStringLiteral("direccion")},
                              {QStringLiteral("N%1").arg(i), QStringLiteral("A%1").arg(i),
                               QStringLiteral("12345678Z"), QStringLiteral("Rúa")});
            QVERIFY(ultimo > 0);
            QVERIFY(exec(QStringLiteral("INSERT INTO telefonoalumno(idalumno, nombre, telefono) VALUES (?, 'a', ?)"),
                         {ultimo, QString::number(600000000 + i)}));
        }
        QVERIFY(exec(QStringLiteral("INSERT INTO telefonoalumno(idalumno, nombre, telefono) VALUES (?, 'b', '2')"),
                     {ultimo}));
        QVERIFY(Dao::getInstance()->commit());
        model->setModo(2);
        model->refresh();
        QCOMPARE(model->rowCount(), 1203);
        const int telefonos = int(AlumnoTableModel::Column::Telefonos);
        QHash<int, QString> porId;
        for (int row = 0; row < model->rowCount(); ++row)
            porId.insert(model->getId(model->index(row, 0)), model->index(row, telefonos).data().toString());
        QCOMPARE(porId.value(ultimo), QStringLiteral("a: 600001199; b: 2"));
        QCOMPARE(porId.value(a.luis), QStringLiteral("casa: 981111111; madre: 611111111"));
        QCOMPARE(porId.value(a.eva), QString());
    }

    // "Today" is the local date handed to the query, not the database's UTC
    // clock: fixed far from the real date, it alone decides who is current.
    void todayIsTheLocalDateBound()
    {
        const QDate hoy(2031, 5, 10);
        const int bajaHoy = alumno(QStringLiteral("Ines"), QStringLiteral("Hoxe"));
        const int bajaManana = alumno(QStringLiteral("Brais"), QStringLiteral("Mana"));
        QVERIFY(alta(bajaHoy, a.turnoTarde, QDate(2031, 1, 1), hoy));
        QVERIFY(alta(bajaManana, a.turnoTarde, QDate(2031, 1, 1), hoy.addDays(1)));
        QVERIFY(alta(a.nuevo, a.turnoTarde, hoy.addDays(1))); // starts tomorrow
        ADateHelper::setToday(hoy);
        model->setModo(1);
        model->refresh();
        TurnoAsignaturaTableModel* turnos = TurnoAsignaturaTableModel::instance();
        turnos->refresh();
        ADateHelper::setToday(QDate());
        QList<int> antiguos;
        for (int row = 0; row < model->rowCount(); ++row)
            antiguos << model->getId(model->index(row, 0));
        std::sort(antiguos.begin(), antiguos.end());
        QCOMPARE(antiguos, (QList<int>{a.eva, bajaHoy}));
        // Only the enrolment withdrawn tomorrow is active in the afternoon shift.
        for (int row = 0; row < turnos->rowCount(); ++row)
            if (turnos->getId(turnos->index(row, 0)) == a.turnoTarde)
                QCOMPARE(turnos->index(row, int(TurnoAsignaturaTableModel::Column::NumAlumnos)).data().toInt(), 1);
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
