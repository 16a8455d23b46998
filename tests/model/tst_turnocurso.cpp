#include "asignatura.h"
#include "curso.h"
#include "dao.h"
#include "testmain.h"
#include "turnoasignatura.h"
#include "turnocurso.h"
#include "turnostesthelpers.h"

#include <memory>

using namespace turnostest;

namespace {
int shift(const QString& asignatura, const QString& nombre, int edad = 0)
{
    int idAsignatura = count("SELECT id FROM asignatura WHERE nombre = ?", {asignatura});
    if (idAsignatura == 0)
        idAsignatura = insertId("asignatura", {"nombre", "edad"}, {asignatura, edad});
    return insertId("turnoasignatura", {"nombre", "idasignatura"}, {nombre, idAsignatura});
}

int course(const QString& nombre)
{
    return insertId("curso", {"nombre"}, {nombre});
}
} // namespace

class TestTurnoCurso : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(openFreshDb()); }

    void storeLoadAndMembers()
    {
        const int idCurso = course("Bach");
        const int m = shift("Mates", "M", 2);
        const int l = shift("Lengua", "L", 1);
        const int f = shift("Física", "F", 3);

        TurnoCurso tc;
        tc.setNombre("Mañana");
        tc.setPrecioOrientativo(35.5);
        tc.setIdCurso(idCurso);
        tc.addTurnoAsignatura(TurnoAsignatura::getFromDB(m));
        QVERIFY(tc.persist(true));
        QVERIFY(!tc.persist(true));
        QVERIFY(!Dao::getInstance()->inTransaction());
        QCOMPARE(count("SELECT precioorientativo FROM turnocurso WHERE id = ?", {tc.getId()}), 3550);

        std::unique_ptr<TurnoCurso> leido(TurnoCurso::getFromDB(tc.getId()));
        QVERIFY(leido);
        QCOMPARE(leido->getNombre(), QStringLiteral("Mañana"));
        QCOMPARE(leido->getPrecioOrientativo(), 35.5);
        QCOMPARE(leido->getCurso()->nombre(), QStringLiteral("Bach"));
        QCOMPARE(leido->getNumTurnosAsignatura(), 1);

        leido->addTurnoAsignatura(TurnoAsignatura::getFromDB(l));
        leido->addTurnoAsignatura(TurnoAsignatura::getFromDB(f));
        QVERIFY(leido->update(true));
        QCOMPARE(count("SELECT count(*) FROM turnocurso_turnoasignatura WHERE idturnocurso = ?", {tc.getId()}), 3);
        std::unique_ptr<TurnoCurso> otraVez(TurnoCurso::getFromDB(tc.getId()));
        const QList<TurnoAsignatura*> miembros = otraVez->getTurnosAsignatura();
        QCOMPARE(miembros.size(), 3);
        QCOMPARE(miembros.at(0)->id(), l); // by subject order
        QCOMPARE(miembros.at(2)->id(), f);

        otraVez->removeTurnoAsignaturaById(m);
        QCOMPARE(otraVez->getNumTurnosAsignatura(), 2);
        QVERIFY(otraVez->update(true));
        QCOMPARE(count("SELECT count(*) FROM turnocurso_turnoasignatura WHERE idturnocurso = ?", {tc.getId()}), 2);

        std::unique_ptr<Asignatura> lengua(Asignatura::getFromDB(count("SELECT idasignatura FROM turnoasignatura WHERE id = ?", {l})));
        otraVez->removeTurnosDeAsignatura(lengua.get());
        QCOMPARE(otraVez->getNumTurnosAsignatura(), 1);
        otraVez->clearTurnosAsignatura();
        QCOMPARE(otraVez->getNumTurnosAsignatura(), 0);

        QList<TurnoCurso*> delCurso = TurnoCurso::listByCurso(idCurso);
        QCOMPARE(delCurso.size(), 1);
        qDeleteAll(delCurso);

        TurnoCurso sinId;
        QVERIFY(!sinId.update(true));
    }

    void unstoredMemberIsRefused()
    {
        const int idCurso = course("Bach");
        const int m = shift("Mates", "M");
        TurnoCurso tc;
        tc.setNombre("Tarde");
        tc.setIdCurso(idCurso);
        tc.addTurnoAsignatura(TurnoAsignatura::getFromDB(m));
        auto* sinGuardar = new TurnoAsignatura(&tc);
        sinGuardar->setNombre("Nuevo");
        tc.addTurnoAsignatura(sinGuardar);
        QVERIFY(!tc.persist(true));
        QCOMPARE(tc.getId(), 0);
        QCOMPARE(count("SELECT count(*) FROM turnocurso"), 0);
        QCOMPARE(count("SELECT count(*) FROM turnocurso_turnoasignatura"), 0);

        // Inside an open transaction the refusal is the opener's signal; no NULL row is written.
        QVERIFY(Dao::getInstance()->transaction());
        QVERIFY(!tc.persist(false));
        QCOMPARE(count("SELECT count(*) FROM turnocurso_turnoasignatura WHERE idturnoasignatura IS NULL"), 0);
        QVERIFY(Dao::getInstance()->rollback());
    }

    void removeTakesTheLastShiftsCourse()
    {
        const int bach = course("Bach");
        const int asig = insertId("asignatura", {"nombre"}, {QStringLiteral("Mates")});
        Dao::getInstance()->insert("curso_asignatura", {"idcurso", "idasignatura"}, {bach, asig});
        const int m = insertId("turnoasignatura", {"nombre", "idasignatura"}, {QStringLiteral("M"), asig});
        QList<int> ids;
        for (const char* n : {"A", "B"}) {
            TurnoCurso tc;
            tc.setNombre(n);
            tc.setIdCurso(bach);
            tc.addTurnoAsignatura(TurnoAsignatura::getFromDB(m));
            QVERIFY(tc.persist(true));
            ids.append(tc.getId());
        }
        QVERIFY(TurnoCurso::remove(ids.at(0)));
        QCOMPARE(count("SELECT count(*) FROM curso"), 1);
        QCOMPARE(count("SELECT count(*) FROM turnocurso_turnoasignatura"), 1);
        QVERIFY(TurnoCurso::remove(ids.at(1)));
        QVERIFY(!Dao::getInstance()->inTransaction());
        QCOMPARE(count("SELECT count(*) FROM curso"), 0);
        QCOMPARE(count("SELECT count(*) FROM curso_asignatura"), 0);
        QCOMPARE(count("SELECT count(*) FROM turnocurso"), 0);
        QCOMPARE(count("SELECT count(*) FROM turnoasignatura"), 1); // subject shifts stay
    }

    void failedRemovalRollsBack()
    {
        const int bach = course("Bach");
        const int m = shift("Mates", "M");
        TurnoCurso tc;
        tc.setNombre("A");
        tc.setIdCurso(bach);
        tc.addTurnoAsignatura(TurnoAsignatura::getFromDB(m));
        QVERIFY(tc.persist(true));
        QVERIFY(failDeletesFrom("curso"));
        QVERIFY(!TurnoCurso::remove(tc.getId()));
        QVERIFY(!Dao::getInstance()->inTransaction());
        QCOMPARE(count("SELECT count(*) FROM turnocurso"), 1);
        QCOMPARE(count("SELECT count(*) FROM turnocurso_turnoasignatura"), 1);
    }
};

PENSARIO_TEST_MAIN(TestTurnoCurso)
#include "tst_turnocurso.moc"
