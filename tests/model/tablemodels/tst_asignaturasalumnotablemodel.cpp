#include "academyfixture.h"
#include "alta.h"
#include "alumno.h"
#include "asignaturasalumnotablemodel.h"
#include "messagecapture.h"
#include "testmain.h"

#include <QAbstractItemModelTester>
#include <QPointer>
#include <QSortFilterProxyModel>

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
        QVERIFY(a.rebuild());
    }

    void enrolmentsOfOneStudent()
    {
        std::unique_ptr<Alumno> luis(Alumno::getFromDB(a.luis));
        AsignaturasAlumnoTableModel* model = luis->getAsignaturasModel();
        QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model->rowCount(), 1);
        QCOMPARE(model->columnCount(), 6);
        QCOMPARE(model->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Withdraw date"));
        QCOMPARE(model->data(model->index(0, 1)).toString(), QStringLiteral("turno %1").arg(a.turnoManana));
        QCOMPARE(model->data(model->index(0, 2)).toDate(), QDate(2024, 9, 15));
        QVERIFY(model->data(model->index(0, 3)).toDate().isNull()); // still open

        // A new enrolment through the student shows up.
        Alta* nueva = new Alta(a.luis, luis.get());
        nueva->setIdTurnoAsignatura(a.turnoTarde);
        nueva->setFalta(QDate(2020, 1, 1));
        QCOMPARE(luis->persistAlta(nueva, false), int(Alta::Almacenada));
        QCOMPARE(model->rowCount(), 2);

        // Behind a sorting proxy it hands out its own enrolments; a withdrawal
        // through the student reloads them.
        QSortFilterProxyModel proxy;
        proxy.setSourceModel(model);
        proxy.sort(2, Qt::DescendingOrder);
        QPointer<Alta> primera(model->getId(proxy.index(0, 0)));
        QCOMPARE(primera->id(), a.altaLuis);
        QCOMPARE(model->getId(proxy.index(1, 3))->falta(), QDate(2020, 1, 1));
        primera->setFbaja(QDate::currentDate());
        QCOMPARE(luis->updateAlta(primera, true), int(Alta::Almacenada));
        QVERIFY(primera.isNull());
        QCOMPARE(proxy.data(proxy.index(0, 3)).toDate(), QDate::currentDate());

        MessageCapture capture;
        QVERIFY(!model->getId(QModelIndex()));
        QVERIFY(capture.contains(QtWarningMsg, "invalid qModelIndex for get an id on AsignaturasAlumnoTableModel "));
    }

    void goesWithItsStudent()
    {
        Alumno* luis = Alumno::getFromDB(a.luis);
        QPointer<AsignaturasAlumnoTableModel> model(luis->getAsignaturasModel());
        QCOMPARE(model->parent(), luis);
        delete luis;
        QVERIFY(model.isNull());
        AsignaturasAlumnoTableModel ninguno(9999);
        QCOMPARE(ninguno.rowCount(), 0);
    }
};

PENSARIO_TEST_MAIN(TestAsignaturasAlumnoTableModel)
#include "tst_asignaturasalumnotablemodel.moc"
