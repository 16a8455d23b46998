#include "academyfixture.h"
#include "asignatura.h"
#include "curso.h"
#include "messagecapture.h"
#include "testmain.h"
#include "turnoasignatura.h"
#include "turnocurso.h"

#include <memory>

using namespace academy;

class TestTurnoCurso : public QObject
{
    Q_OBJECT

private:
    int bach = 0;
    int m = 0, l = 0, f = 0; // shifts of Mates, Lengua and Física, subjects in order 2, 1, 3

    int store(const QString& nombre, const QList<int>& miembros)
    {
        TurnoCurso tc;
        tc.setNombre(nombre);
        tc.setIdCurso(bach);
        for (int id : miembros)
            tc.addTurnoAsignatura(TurnoAsignatura::getFromDB(id));
        return tc.persist(true) ? tc.getId() : 0;
    }

private slots:
    void init()
    {
        QVERIFY(openFreshDatabase());
        bach = curso(QStringLiteral("Bach"));
        m = turno(asignatura(QStringLiteral("Mates"), 0, 2), QStringLiteral("M"));
        l = turno(asignatura(QStringLiteral("Lengua"), 0, 1), QStringLiteral("L"));
        f = turno(asignatura(QStringLiteral("Física"), 0, 3), QStringLiteral("F"));
        QVERIFY(link("curso_asignatura", "idcurso", bach, "idasignatura", count("SELECT idasignatura FROM turnoasignatura WHERE id = ?", {m})));
    }

    void storeLoadAndMembers()
    {
        TurnoCurso tc;
        tc.setNombre("Mañana");
        tc.setPrecioOrientativo(35.5);
        tc.setIdCurso(bach);
        tc.addTurnoAsignatura(TurnoAsignatura::getFromDB(m));
        QVERIFY(tc.persist(true));
        QVERIFY(!tc.persist(true));
        QCOMPARE(count("SELECT precioorientativo FROM turnocurso WHERE id = ?", {tc.getId()}), 3550);

        std::unique_ptr<TurnoCurso> leido(TurnoCurso::getFromDB(tc.getId()));
        QCOMPARE(leido->getNombre(), QStringLiteral("Mañana"));
        QCOMPARE(leido->getCurso()->nombre(), QStringLiteral("Bach"));
        leido->addTurnoAsignatura(TurnoAsignatura::getFromDB(l));
        leido->addTurnoAsignatura(TurnoAsignatura::getFromDB(f));
        QVERIFY(leido->update(true));
        std::unique_ptr<TurnoCurso> otraVez(TurnoCurso::getFromDB(tc.getId()));
        const QList<TurnoAsignatura*> miembros = otraVez->getTurnosAsignatura();
        QCOMPARE(miembros.size(), 3);
        QCOMPARE(miembros.at(0)->id(), l); // by subject order
        QCOMPARE(miembros.at(2)->id(), f);
        QCOMPARE(sizeOf(TurnoCurso::listByCurso(bach)), 1);
    }

    // A member that was never stored has no id to link: the whole course
    // shift is refused, and no NULL link is written.
    void unstoredMemberIsRefused()
    {
        TurnoCurso tc;
        tc.setNombre("Tarde");
        tc.setIdCurso(bach);
        tc.addTurnoAsignatura(TurnoAsignatura::getFromDB(m));
        auto* sinGuardar = new TurnoAsignatura(&tc);
        sinGuardar->setNombre("Nuevo");
        tc.addTurnoAsignatura(sinGuardar);
        QVERIFY(!tc.persist(true));
        QCOMPARE(tc.getId(), 0);
        QCOMPARE(count("SELECT count(*) FROM turnocurso"), 0);
        QVERIFY(Dao::getInstance()->transaction());
        QVERIFY(!tc.persist(false));
        QCOMPARE(count("SELECT count(*) FROM turnocurso_turnoasignatura WHERE idturnoasignatura IS NULL"), 0);
        QVERIFY(Dao::getInstance()->rollback());
    }

    void removeTakesTheLastShiftsCourse()
    {
        const int a = store(QStringLiteral("A"), {m});
        const int b = store(QStringLiteral("B"), {m});
        QVERIFY(a && b);
        QVERIFY(TurnoCurso::remove(a));
        QCOMPARE(count("SELECT count(*) FROM curso"), 1);
        QVERIFY(TurnoCurso::remove(b));
        QCOMPARE(count("SELECT count(*) FROM curso"), 0);
        QCOMPARE(count("SELECT count(*) FROM curso_asignatura"), 0);
        QCOMPARE(count("SELECT count(*) FROM turnocurso"), 0);
        QCOMPARE(count("SELECT count(*) FROM turnoasignatura"), 3); // subject shifts stay
    }

    // A shift without its course or subject is a programming error: warned
    // about and answered with nothing, never the end of the program.
    void shiftWithoutOwnerWarnsAndAnswersNothing()
    {
        MessageCapture capture;
        TurnoCurso sinCurso;
        QVERIFY(!sinCurso.getCurso());
        TurnoAsignatura sinAsignatura;
        QVERIFY(!sinAsignatura.getAsignatura());
        QCOMPARE(capture.count(QtWarningMsg), 2);
        Curso curso;
        curso.delTurnoCurso(nullptr);
        QCOMPARE(capture.count(QtWarningMsg), 3);
    }
};

PENSARIO_TEST_MAIN(TestTurnoCurso)
#include "tst_turnocurso.moc"
