#include "academyfixture.h"
#include "asignatura.h"
#include "curso.h"
#include "testmain.h"
#include "turnoasignatura.h"
#include "turnocurso.h"

#include <memory>

using namespace academy;

namespace {
TurnoCurso* courseShift(const QString& nombre, const QList<int>& miembros)
{
    auto* tc = new TurnoCurso;
    tc->setNombre(nombre);
    for (int m : miembros)
        tc->addTurnoAsignatura(TurnoAsignatura::getFromDB(m));
    return tc;
}
} // namespace

class TestCurso : public QObject
{
    Q_OBJECT

private:
    int mates = 0, lengua = 0, fisica = 0;    // subjects, in order Lengua, Mates, Física
    int tMates = 0, tLengua = 0, tFisica = 0; // one shift each

private slots:
    void init()
    {
        QVERIFY(openFreshDatabase());
        mates = asignatura(QStringLiteral("Mates"), 0, 2);
        lengua = asignatura(QStringLiteral("Lengua"), 0, 1);
        fisica = asignatura(QStringLiteral("Física"), 0, 3);
        tMates = turno(mates, QStringLiteral("M"));
        tLengua = turno(lengua, QStringLiteral("L"));
        tFisica = turno(fisica, QStringLiteral("F"));
    }

    void storeListLoadUpdate()
    {
        Curso c;
        c.setNombre("Bachillerato");
        c.setDescripcion("Dos años");
        c.setPrecioOrientativo(120.5);
        c.addAsignatura(Asignatura::getFromDB(mates));
        c.addAsignatura(Asignatura::getFromDB(lengua));
        QVERIFY(c.addTurnoCurso(courseShift("A", {tMates, tLengua})));
        QVERIFY(c.addTurnoCurso(courseShift("B", {tMates})));
        QVERIFY(c.persist());
        QVERIFY(!c.persist());
        QCOMPARE(count("SELECT precioorientativo FROM curso WHERE id = ?", {c.id()}), 12050);
        QCOMPARE(count("SELECT count(*) FROM curso_asignatura WHERE idcurso = ?", {c.id()}), 2);
        QCOMPARE(count("SELECT count(*) FROM turnocurso_turnoasignatura"), 3);
        for (TurnoCurso* t : c.turnos())
            QVERIFY(t->getId() > 0);

        std::unique_ptr<Curso> leido(Curso::getFromDBByNombre("Bachillerato"));
        QVERIFY(leido);
        QCOMPARE(leido->id(), c.id());
        QCOMPARE(leido->precioOrientativo(), 120.5);
        QCOMPARE(leido->asignaturas().at(0)->nombre(), QStringLiteral("Lengua")); // subjects in their order
        QVERIFY(!Curso::getFromDB(c.id() + 1));
        QVERIFY(curso(QStringLiteral("ESO")));
        QCOMPARE(sizeOf(Curso::list()), 2);

        // Drop shift B, add C; taking Lengua out takes its shift out of every course shift.
        TurnoCurso* b = nullptr;
        for (TurnoCurso* t : leido->turnos())
            if (t->getNombre() == "B")
                b = t;
        const int idB = b->getId();
        leido->delTurnoCurso(b);
        QVERIFY(leido->addTurnoCurso(courseShift("C", {tFisica})));
        std::unique_ptr<Asignatura> asLengua(Asignatura::getFromDB(lengua));
        leido->removeAsignatura(asLengua.get());
        QVERIFY(leido->update());
        QCOMPARE(count("SELECT count(*) FROM turnocurso WHERE id = ?", {idB}), 0);
        QCOMPARE(count("SELECT count(*) FROM turnocurso WHERE idcurso = ?", {c.id()}), 2);
        QCOMPARE(count("SELECT count(*) FROM curso_asignatura WHERE idcurso = ?", {c.id()}), 1);
        QCOMPARE(count("SELECT count(*) FROM turnocurso_turnoasignatura WHERE idturnoasignatura = ?", {tLengua}), 0);
        QCOMPARE(count("SELECT count(*) FROM turnocurso_turnoasignatura WHERE idturnoasignatura = ?", {tFisica}), 1);
    }

    void removeCourse()
    {
        Curso c;
        c.setNombre("Bach");
        c.addAsignatura(Asignatura::getFromDB(mates));
        c.addTurnoCurso(courseShift("A", {tMates}));
        QVERIFY(c.persist());
        QVERIFY(!c.remove()); // it still has a shift
        QVERIFY(exec("DELETE FROM turnocurso_turnoasignatura") && exec("DELETE FROM turnocurso"));
        QVERIFY(c.remove());
        QCOMPARE(count("SELECT count(*) FROM curso"), 0);
        QCOMPARE(count("SELECT count(*) FROM curso_asignatura"), 0);
    }

};

PENSARIO_TEST_MAIN(TestCurso)
#include "tst_curso.moc"
