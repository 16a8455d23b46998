#include "academyfixture.h"
#include "alta.h"
#include "alumno.h"
#include "asignaturasalumnotablemodel.h"
#include "messagecapture.h"
#include "testmain.h"

#include <QAbstractItemModelTester>
#include <QPointer>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>

#include <memory>

using namespace academy;

class TestAsignaturasAlumnoTableModel : public QObject
{
    Q_OBJECT

private:
    Academy a;

private slots:
    void init()
    {
        QVERIFY(openFreshDatabase());
        a = Academy();
        QVERIFY(a.build());
    }

    void enrolmentsOfOneStudent()
    {
        std::unique_ptr<Alumno> luis(Alumno::getFromDB(a.luis));
        AsignaturasAlumnoTableModel* model = luis->getAsignaturasModel();
        QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model->rowCount(), 1);
        QCOMPARE(model->columnCount(), 6);
        const QStringList expected{"Subject", "Shift", "Sign up date", "Withdraw date", "Price", "Comments"};
        for (int c = 0; c < expected.size(); ++c)
            QCOMPARE(model->headerData(c, Qt::Horizontal).toString(), expected.at(c));
        QVERIFY(!model->headerData(0, Qt::Vertical).isValid());

        QCOMPARE(model->data(model->index(0, 0)).toString(), QStringLiteral("asignatura"));
        QCOMPARE(model->data(model->index(0, 1)).toString(), QStringLiteral("turno %1").arg(a.turnoManana));
        QCOMPARE(model->data(model->index(0, 2)).toDate(), QDate(2024, 9, 15));
        QVERIFY(model->data(model->index(0, 3)).toDate().isNull()); // still open
        QCOMPARE(model->data(model->index(0, 4)).typeId(), int(QMetaType::Double));
        QVERIFY(!model->data(model->index(0, 0), Qt::EditRole).isValid());

        // a new enrolment through the student shows up
        Alta* nueva = new Alta(a.luis, luis.get());
        nueva->setIdTurnoAsignatura(a.turnoTarde);
        nueva->setFalta(QDate(2025, 2, 1));
        nueva->setPrecio(25.5);
        nueva->setNombreAlumno(QStringLiteral("Pena Mato, Luis"));
        nueva->setNombreTurnoAsignatura(QStringLiteral("Tarde"));
        QCOMPARE(luis->persistAlta(nueva, false), int(Alta::Almacenada));
        QCOMPARE(model->rowCount(), 2);

        MessageCapture capture;
        IndexForger forger(model);
        QVERIFY(!model->data(forger.forge(0, 6)).isValid());
        QVERIFY(capture.contains(QtWarningMsg, "Trying to access unknown column:"));
    }

    void handsOutItsOwnEnrolments()
    {
        QVERIFY(alta(a.luis, a.turnoTarde, QDate(2020, 1, 1), QDate(2020, 2, 1)));
        std::unique_ptr<Alumno> luis(Alumno::getFromDB(a.luis));
        AsignaturasAlumnoTableModel* model = luis->getAsignaturasModel();

        QSortFilterProxyModel proxy;
        proxy.setSourceModel(model);
        proxy.sort(2, Qt::DescendingOrder); // latest start first
        Alta* primera = model->getId(proxy.index(0, 0));
        QVERIFY(primera);
        QCOMPARE(primera->id(), a.altaLuis);
        QCOMPARE(model->getId(proxy.index(1, 3))->falta(), QDate(2020, 1, 1));

        // the withdrawal the sign-ups dialog makes, then a reload
        QPointer<Alta> guard(primera);
        primera->setFbaja(QDate::currentDate());
        QCOMPARE(luis->updateAlta(primera, true), int(Alta::Almacenada));
        QVERIFY(guard.isNull()); // the reload replaced the objects
        const int row = proxy.mapToSource(proxy.index(0, 0)).row();
        QCOMPARE(model->data(model->index(row, 3)).toDate(), QDate::currentDate());

        MessageCapture capture;
        QStandardItemModel other(1, 1);
        QVERIFY(!model->getId(other.index(0, 0)));
        QVERIFY(!model->getId(QModelIndex()));
        QVERIFY(capture.contains(QtWarningMsg,
                                 "invalid qModelIndex for get an id on AsignaturasAlumnoTableModel "));
    }

    void refreshReadsAgainAndResetsOnce()
    {
        std::unique_ptr<Alumno> luis(Alumno::getFromDB(a.luis));
        AsignaturasAlumnoTableModel* model = luis->getAsignaturasModel();
        QVERIFY(exec("UPDATE alta SET observaciones = 'cambiada' WHERE id = ?", {a.altaLuis}));
        QCOMPARE(model->data(model->index(0, 5)).toString(), QString());
        QSignalSpy resets(model, &QAbstractItemModel::modelReset);
        model->refresh();
        QCOMPARE(resets.count(), 1);
        QCOMPARE(model->data(model->index(0, 5)).toString(), QStringLiteral("cambiada"));
    }

    void goesWithItsStudent()
    {
        Alumno* luis = Alumno::getFromDB(a.luis);
        QPointer<AsignaturasAlumnoTableModel> model(luis->getAsignaturasModel());
        QCOMPARE(model->parent(), luis);
        delete luis;
        QVERIFY(model.isNull());
    }

    void studentThatCannotBeLoadedHasNoRows()
    {
        AsignaturasAlumnoTableModel model(9999);
        QCOMPARE(model.rowCount(), 0);
        model.refresh();
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.columnCount(), 6);
    }
};

PENSARIO_TEST_MAIN(TestAsignaturasAlumnoTableModel)
#include "tst_asignaturasalumnotablemodel.moc"
