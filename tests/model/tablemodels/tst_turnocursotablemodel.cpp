#include "academyfixture.h"
#include "curso.h"
#include "testmain.h"
#include "turnoasignatura.h"
#include "turnocurso.h"
#include "turnocursotablemodel.h"

#include <QAbstractItemModelTester>

using namespace academy;

class TestTurnoCursoTableModel : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(openFreshDatabase()); }

    void rowsFollowTheCourseWrites()
    {
        TurnoCursoTableModel* model = TurnoCursoTableModel::instance();
        model->refresh(); // the shared model outlives each case's database
        QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model->rowCount(), 0);
        QCOMPARE(model->columnCount(), 5);

        Curso c;
        c.setNombre("Bach");
        c.setDescripcion("Dos años");
        auto* a = new TurnoCurso;
        a->setNombre("A");
        a->setPrecioOrientativo(99.99);
        a->addTurnoAsignatura(TurnoAsignatura::getFromDB(turno(asignatura(QStringLiteral("Mates")), QStringLiteral("M1"))));
        a->addTurnoAsignatura(TurnoAsignatura::getFromDB(turno(asignatura(QStringLiteral("Lengua")), QStringLiteral("L1"))));
        auto* b = new TurnoCurso;
        b->setNombre("B");
        c.addTurnoCurso(a);
        c.addTurnoCurso(b);
        QVERIFY(c.persist());
        QCOMPARE(model->rowCount(), 2); // the course's write refreshed it

        const int ra = model->data(model->index(0, 1)).toString() == "A" ? 0 : 1;
        QCOMPARE(model->data(model->index(1 - ra, 1)).toString(), QStringLiteral("B"));
        QCOMPARE(model->data(model->index(ra, 3)).toDouble(), 99.99);
        // Served from memory.
        Dao::getInstance()->close();
        QCOMPARE(model->data(model->index(ra, 0)).toString(), QStringLiteral("Bach"));
        QCOMPARE(model->data(model->index(ra, 2)).toString(), QStringLiteral("Dos años"));
        QCOMPARE(model->data(model->index(ra, 4)).toInt(), 2);
        QCOMPARE(model->data(model->index(1 - ra, 4)).toInt(), 0);
    }

    // Each listed shift carries its course, with the course's real id.
    void listedShiftsNameTheirCourse()
    {
        const int bach = curso(QStringLiteral("Bach"));
        QVERIFY(turnoCurso(QStringLiteral("Bach"), QStringLiteral("A"), {}));
        QVERIFY(turnoCurso(QStringLiteral("Bach"), QStringLiteral("B"), {}) != bach); // a shift id that is no course id
        const QList<TurnoCurso*> lista = TurnoCurso::listForModel();
        QCOMPARE(lista.size(), 2);
        for (TurnoCurso* shift : lista) {
            QCOMPARE(shift->getCurso()->id(), bach);
            QCOMPARE(shift->getCurso()->parent(), shift);
        }
        qDeleteAll(lista);
    }
};

PENSARIO_TEST_MAIN(TestTurnoCursoTableModel)
#include "tst_turnocursotablemodel.moc"
