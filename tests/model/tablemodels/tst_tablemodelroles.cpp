#include "academyfixture.h"
#include "alumnotablemodel.h"
#include "asignaturasalumnotablemodel.h"
#include "profesortablemodel.h"
#include "proxyhelpers.h"
#include "recibofixture.h"
#include "recibotablemodel.h"
#include "testmain.h"
#include "turnoasignaturatablemodel.h"
#include "turnocursotablemodel.h"

#include <QAbstractItemModelTester>
#include <QIdentityProxyModel>
#include <QSortFilterProxyModel>

#include <memory>
#include <vector>

using namespace academy;

namespace {
// The ids of the rows in the order a view shows them.
QList<int> idsInOrder(const QAbstractItemModel* model)
{
    QList<int> ids;
    for (int row = 0; row < model->rowCount(); ++row)
        ids << model->index(row, 0).data(ARole::Id).toInt();
    return ids;
}

// Every cell of every row answers the row's id, through the given proxy too.
template<class Model> void checkIdsOfEveryCell(Model* model)
{
    QObject owner;
    QSortFilterProxyModel* proxy = createFilterProxy(model, &owner);
    QIdentityProxyModel top;
    top.setSourceModel(proxy);
    proxy->sort(0, Qt::DescendingOrder);
    QVERIFY(model->rowCount() > 0);
    for (int row = 0; row < top.rowCount(); ++row)
        for (int column = 0; column < top.columnCount(); ++column) {
            const QModelIndex index = top.index(row, column);
            QCOMPARE(index.data(ARole::Id).toInt(), int(model->getId(index)));
        }
}
}

class TestTableModelRoles : public QObject
{
    Q_OBJECT

private:
    Academy a;

private slots:
    void init() { QVERIFY(a.rebuild()); }

    // The tester checks each model's structure; each answers the id of its
    // rows in every column, behind two proxies.
    void everyModelAnswersIds()
    {
        AlumnoTableModel* alumnos = AlumnoTableModel::instance();
        alumnos->setModo(2);
        alumnos->refresh();
        ProfesorTableModel* profesores = ProfesorTableModel::instance();
        profesores->refresh();
        TurnoAsignaturaTableModel* turnos = TurnoAsignaturaTableModel::instance();
        turnos->refresh();
        QVERIFY(turnoCurso(QStringLiteral("Primero"), QStringLiteral("A"), {a.turnoManana}));
        TurnoCursoTableModel* turnosCurso = TurnoCursoTableModel::instance();
        turnosCurso->refresh();
        QVERIFY(ReciboFixture::recibo(a.luis, ReciboFixture::primeroDeMes(), 30));
        ReciboTableModel* recibos = ReciboTableModel::instance();
        recibos->refresh();
        std::unique_ptr<Alumno> luis(Alumno::getFromDB(a.luis));
        AsignaturasAlumnoTableModel* altas = luis->getAsignaturasModel();

        // The testers watch every model through the checks and a reset of each.
        const QList<ReadOnlyTableModel*> models{alumnos, profesores, turnos, turnosCurso, recibos, altas};
        std::vector<std::unique_ptr<QAbstractItemModelTester>> testers;
        for (ReadOnlyTableModel* model : models)
            testers.push_back(std::make_unique<QAbstractItemModelTester>(
                model, QAbstractItemModelTester::FailureReportingMode::QtTest));
        for (ReadOnlyTableModel* model : models)
            model->refresh();
        QVERIFY(alumno(QStringLiteral("Uxia"), QStringLiteral("Vilar"))); // announced: the student model reloads

        checkIdsOfEveryCell(alumnos);
        checkIdsOfEveryCell(profesores);
        checkIdsOfEveryCell(turnos);
        checkIdsOfEveryCell(turnosCurso);
        checkIdsOfEveryCell(recibos);
        QCOMPARE(altas->index(0, int(AsignaturasAlumnoTableModel::Column::Precio)).data(ARole::Id).toInt(),
                 a.altaLuis);

        QCOMPARE(alumnos->columnCount(), int(AlumnoTableModel::Column::Count));
        QCOMPARE(profesores->columnCount(), int(ProfesorTableModel::Column::Count));
        QCOMPARE(turnos->columnCount(), int(TurnoAsignaturaTableModel::Column::Count));
        QCOMPARE(turnosCurso->columnCount(), int(TurnoCursoTableModel::Column::Count));
        QCOMPARE(recibos->columnCount(), int(ReciboTableModel::Column::Count));
        QCOMPARE(altas->columnCount(), int(AsignaturasAlumnoTableModel::Column::Count));
    }

    // Amounts sort as numbers and dates as dates through the pages' proxy,
    // whatever text the cell shows.
    void billsSortByAmountAndDate()
    {
        const int grande = ReciboFixture::recibo(a.luis, QDate(2025, 3, 2), 1234.50);
        const int mediano = ReciboFixture::recibo(a.luis, QDate(2025, 2, 28), 999.00);
        const int pequeno = ReciboFixture::recibo(a.luis, QDate(2025, 2, 10), 50.00);
        ReciboTableModel model(QDate(2025, 2, 1), QDate(2025, 4, 1), Recibo::PAGADOS_E_IMPAGADOS);
        QObject owner;
        QSortFilterProxyModel* proxy = createFilterProxy(&model, &owner);
        QCOMPARE(proxy->sortRole(), ARole::Sort);

        const int importe = int(ReciboTableModel::Column::Importe);
        QCOMPARE(model.index(0, importe).data(ARole::Sort).typeId(), QMetaType::Double);
        proxy->sort(importe, Qt::AscendingOrder);
        QCOMPARE(idsInOrder(proxy), (QList<int>{pequeno, mediano, grande}));
        proxy->sort(importe, Qt::DescendingOrder);
        QCOMPARE(idsInOrder(proxy), (QList<int>{grande, mediano, pequeno}));

        const int fecha = int(ReciboTableModel::Column::Fecha);
        QCOMPARE(model.index(0, fecha).data(ARole::Sort).typeId(), QMetaType::QDate);
        proxy->sort(fecha, Qt::AscendingOrder);
        QCOMPARE(idsInOrder(proxy), (QList<int>{pequeno, mediano, grande}));

        // The display stays what it was.
        QCOMPARE(proxy->index(2, importe).data().toDouble(), 1234.50);
        QCOMPARE(proxy->index(2, fecha).data().toDate(), QDate(2025, 3, 2));
    }

    // Counts and prices sort as numbers, and text as text.
    void shiftsSortByCountAndPrice()
    {
        for (int i = 0; i < 10; ++i)
            QVERIFY(alta(a.nuevo, a.turnoTarde, QDate(2024, 1, 1)));
        TurnoAsignaturaTableModel* model = TurnoAsignaturaTableModel::instance();
        model->refresh();
        QObject owner;
        QSortFilterProxyModel* proxy = createFilterProxy(model, &owner);
        proxy->sort(int(TurnoAsignaturaTableModel::Column::NumAlumnos), Qt::DescendingOrder);
        QCOMPARE(idsInOrder(proxy), (QList<int>{a.turnoTarde, a.turnoManana})); // 10 before 1
        proxy->sort(int(TurnoAsignaturaTableModel::Column::Precio), Qt::AscendingOrder);
        QCOMPARE(idsInOrder(proxy), (QList<int>{a.turnoTarde, a.turnoManana})); // 25.5 before 30
        proxy->sort(int(TurnoAsignaturaTableModel::Column::Turno), Qt::AscendingOrder);
        QCOMPARE(idsInOrder(proxy), (QList<int>{a.turnoManana, a.turnoTarde}));
    }

    void enrolmentsSortByDate()
    {
        QVERIFY(alta(a.luis, a.turnoTarde, QDate(2025, 3, 2)));
        const int febrero = alta(a.luis, a.turnoTarde, QDate(2025, 2, 28));
        std::unique_ptr<Alumno> luis(Alumno::getFromDB(a.luis));
        QObject owner;
        QSortFilterProxyModel* proxy = createFilterProxy(luis->getAsignaturasModel(), &owner);
        proxy->sort(int(AsignaturasAlumnoTableModel::Column::FAlta), Qt::DescendingOrder);
        QCOMPARE(idsInOrder(proxy).mid(1), (QList<int>{febrero, a.altaLuis}));
    }
};

PENSARIO_TEST_MAIN(TestTableModelRoles)
#include "tst_tablemodelroles.moc"
