#include "asignatura.h"
#include "curso.h"
#include "dao.h"
#include "testmain.h"
#include "turnoasignatura.h"
#include "turnocurso.h"
#include "turnocursotablemodel.h"
#include "turnostesthelpers.h"

#include <QAbstractItemModelTester>

using namespace turnostest;

class TestTurnoCursoTableModel : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(openFreshDb()); }

    void rowsFollowTheCourseWrites()
    {
        TurnoCursoTableModel* model = TurnoCurso::getTableModel();
        QCOMPARE(TurnoCurso::getTableModel(), model);
        model->refresh();
        QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model->rowCount(), 0);
        QCOMPARE(model->columnCount(), 5);
        QCOMPARE(model->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Number of subjects"));

        const int asig = insertId("asignatura", {"nombre"}, {QStringLiteral("Mates")});
        const int m1 = insertId("turnoasignatura", {"nombre", "idasignatura"}, {QStringLiteral("M1"), asig});
        const int asig2 = insertId("asignatura", {"nombre"}, {QStringLiteral("Lengua")});
        const int l1 = insertId("turnoasignatura", {"nombre", "idasignatura"}, {QStringLiteral("L1"), asig2});
        Curso c;
        c.setNombre("Bach");
        c.setDescripcion("Dos años");
        auto* a = new TurnoCurso;
        a->setNombre("A");
        a->setPrecioOrientativo(99.99);
        a->addTurnoAsignatura(TurnoAsignatura::getFromDB(m1));
        a->addTurnoAsignatura(TurnoAsignatura::getFromDB(l1));
        auto* b = new TurnoCurso;
        b->setNombre("B");
        c.addTurnoCurso(a);
        c.addTurnoCurso(b);
        QVERIFY(c.persist());
        QCOMPARE(model->rowCount(), 2); // the course's write refreshed it

        int ra = -1, rb = -1;
        for (int r = 0; r < 2; ++r)
            (model->data(model->index(r, 1)).toString() == "A" ? ra : rb) = r;
        QVERIFY(ra >= 0 && rb >= 0);
        for (int r : {ra, rb}) {
            QCOMPARE(model->data(model->index(r, 0)).toString(), QStringLiteral("Bach"));
            QCOMPARE(model->data(model->index(r, 2)).toString(), QStringLiteral("Dos años"));
        }
        QCOMPARE(model->data(model->index(ra, 3)).toDouble(), 99.99);
        QCOMPARE(model->data(model->index(ra, 4)).toInt(), 2);
        QCOMPARE(model->data(model->index(rb, 4)).toInt(), 0);

        // Served from memory.
        Dao::getInstance()->close();
        QCOMPARE(model->data(model->index(ra, 4)).toInt(), 2);
        QCOMPARE(model->data(model->index(rb, 0)).toString(), QStringLiteral("Bach"));
        QVERIFY(!model->data(model->index(ra, 0), Qt::ToolTipRole).isValid());
    }

    void listedShiftsNameTheirCourse()
    {
        const int bach = insertId("curso", {"nombre"}, {QStringLiteral("Bach")});
        insertId("turnocurso", {"nombre", "idcurso"}, {QStringLiteral("A"), bach});
        QList<TurnoCurso*> lista = TurnoCurso::listForModel();
        QCOMPARE(lista.size(), 1);
        QCOMPARE(lista.first()->getIdCurso(), bach);
        QCOMPARE(lista.first()->getCurso()->id(), bach);
        QCOMPARE(lista.first()->getCurso()->parent(), lista.first());
        qDeleteAll(lista);
    }
};

PENSARIO_TEST_MAIN(TestTurnoCursoTableModel)
#include "tst_turnocursotablemodel.moc"
