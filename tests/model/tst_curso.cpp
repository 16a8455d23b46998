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
// A stored subject with one shift named after it; answers the subject id.
int subject(const QString& nombre, int edad, int* idTurno = nullptr)
{
    Asignatura a;
    a.setNombre(nombre);
    a.setEdad(edad);
    auto* t = new TurnoAsignatura;
    t->setNombre(nombre + QStringLiteral("-1"));
    a.addTurno(t);
    if (!a.persist())
        return 0;
    if (idTurno)
        *idTurno = count("SELECT id FROM turnoasignatura WHERE idasignatura = ?", {a.id()});
    return a.id();
}

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

private slots:
    void init() { QVERIFY(openFreshDb()); }

    void storeListAndLoad()
    {
        int tMates = 0, tLengua = 0;
        const int mates = subject("Mates", 2, &tMates);
        const int lengua = subject("Lengua", 1, &tLengua);

        Curso c;
        c.setNombre("Bachillerato");
        c.setDescripcion("Dos años");
        c.setPrecioOrientativo(120.5);
        c.addAsignatura(Asignatura::getFromDB(mates));
        c.addAsignatura(Asignatura::getFromDB(lengua));
        auto* repetida = Asignatura::getFromDB(mates);
        c.addAsignatura(repetida);
        QCOMPARE(c.asignaturas().size(), 2);
        delete repetida;
        QVERIFY(c.addTurnoCurso(courseShift("Mañana", {tMates, tLengua})));
        QVERIFY(c.addTurnoCurso(courseShift("Tarde", {tMates})));
        std::unique_ptr<TurnoCurso> mismoNombre(courseShift("Tarde", {}));
        QVERIFY(!c.addTurnoCurso(mismoNombre.get()));
        QVERIFY(c.persist());
        QVERIFY(!c.persist());
        QVERIFY(!Dao::getInstance()->inTransaction());

        QCOMPARE(count("SELECT precioorientativo FROM curso WHERE id = ?", {c.id()}), 12050);
        QCOMPARE(count("SELECT count(*) FROM curso_asignatura WHERE idcurso = ?", {c.id()}), 2);
        QCOMPARE(count("SELECT count(*) FROM turnocurso WHERE idcurso = ?", {c.id()}), 2);
        QCOMPARE(count("SELECT count(*) FROM turnocurso_turnoasignatura"), 3);
        // Read back from the database, with ids.
        const QList<TurnoCurso*> turnos = c.turnos();
        QCOMPARE(turnos.size(), 2);
        for (TurnoCurso* t : turnos)
            QVERIFY(t->getId() > 0);

        std::unique_ptr<Curso> leido(Curso::getFromDB(c.id()));
        QVERIFY(leido);
        QCOMPARE(leido->nombre(), QStringLiteral("Bachillerato"));
        QCOMPARE(leido->descripcion(), QStringLiteral("Dos años"));
        QCOMPARE(leido->precioOrientativo(), 120.5);
        // Subjects in their order.
        QCOMPARE(leido->asignaturas().size(), 2);
        QCOMPARE(leido->asignaturas().at(0)->nombre(), QStringLiteral("Lengua"));
        std::unique_ptr<Curso> porNombre(Curso::getFromDBByNombre("Bachillerato"));
        QVERIFY(porNombre);
        QCOMPARE(porNombre->id(), c.id());
        QVERIFY(!Curso::getFromDBByNombre("Otro"));
        QVERIFY(!Curso::getFromDB(c.id() + 1));

        Curso vacio;
        vacio.setNombre("ESO");
        QVERIFY(vacio.persist());
        QCOMPARE(count("SELECT count(*) FROM curso_asignatura WHERE idcurso = ?", {vacio.id()}), 0);
        QList<Curso*> todos = Curso::list();
        QCOMPARE(todos.size(), 2);
        qDeleteAll(todos);
    }

    void updateShiftsAndSubjects()
    {
        int tMates = 0, tLengua = 0, tFisica = 0;
        const int mates = subject("Mates", 1, &tMates);
        const int lengua = subject("Lengua", 2, &tLengua);
        subject("Física", 3, &tFisica);
        Curso c;
        c.setNombre("Bach");
        c.addAsignatura(Asignatura::getFromDB(mates));
        c.addAsignatura(Asignatura::getFromDB(lengua));
        c.addTurnoCurso(courseShift("A", {tMates, tLengua}));
        c.addTurnoCurso(courseShift("B", {tMates}));
        QVERIFY(c.persist());

        std::unique_ptr<Curso> leido(Curso::getFromDB(c.id()));
        TurnoCurso* b = nullptr;
        for (TurnoCurso* t : leido->turnos())
            if (t->getNombre() == "B")
                b = t;
        QVERIFY(b);
        const int idB = b->getId();
        leido->delTurnoCurso(b);
        QVERIFY(leido->addTurnoCurso(courseShift("C", {tFisica})));
        auto* nuevoDescartado = courseShift("D", {});
        QVERIFY(leido->addTurnoCurso(nuevoDescartado));
        leido->delTurnoCurso(nuevoDescartado);
        // Taking Lengua out also takes its shift out of every course shift.
        std::unique_ptr<Asignatura> asLengua(Asignatura::getFromDB(lengua));
        leido->removeAsignatura(asLengua.get());
        leido->setNombre("Bachillerato");
        QVERIFY(leido->update());

        QCOMPARE(scalar("SELECT nombre FROM curso WHERE id = ?", {c.id()}).toString(), QStringLiteral("Bachillerato"));
        QCOMPARE(count("SELECT count(*) FROM turnocurso WHERE id = ?", {idB}), 0);
        QCOMPARE(count("SELECT count(*) FROM turnocurso WHERE nombre = 'D'"), 0);
        QCOMPARE(count("SELECT count(*) FROM turnocurso WHERE idcurso = ?", {c.id()}), 2);
        QCOMPARE(count("SELECT count(*) FROM curso_asignatura WHERE idcurso = ?", {c.id()}), 1);
        QCOMPARE(count("SELECT count(*) FROM turnocurso_turnoasignatura WHERE idturnoasignatura = ?", {tLengua}), 0);
        QCOMPARE(count("SELECT count(*) FROM turnocurso_turnoasignatura WHERE idturnoasignatura = ?", {tFisica}), 1);
        QCOMPARE(leido->turnos().size(), 2);

        Curso sinId;
        QVERIFY(!sinId.update());
    }

    void removeCourse()
    {
        int t = 0;
        subject("Mates", 1, &t);
        Curso c;
        c.setNombre("Bach");
        c.addAsignatura(Asignatura::getFromDB(count("SELECT id FROM asignatura")));
        c.addTurnoCurso(courseShift("A", {t}));
        QVERIFY(c.persist());
        QVERIFY(!c.remove()); // it still has a shift
        QCOMPARE(count("SELECT count(*) FROM curso"), 1);

        QVERIFY(Dao::getInstance()->execute("DELETE FROM turnocurso_turnoasignatura"));
        QVERIFY(Dao::getInstance()->execute("DELETE FROM turnocurso"));
        QVERIFY(c.remove());
        QCOMPARE(count("SELECT count(*) FROM curso"), 0);
        QCOMPARE(count("SELECT count(*) FROM curso_asignatura"), 0);
    }

    void failedWritesRollBack()
    {
        int t = 0;
        const int mates = subject("Mates", 1, &t);
        Curso primero;
        primero.setNombre("Bach");
        QVERIFY(primero.persist());

        // Same name: refused by the schema, nothing of it kept.
        Curso repetido;
        repetido.setNombre("Bach");
        repetido.addAsignatura(Asignatura::getFromDB(mates));
        repetido.addTurnoCurso(courseShift("A", {t}));
        QVERIFY(!repetido.persist());
        QCOMPARE(repetido.id(), 0);
        QCOMPARE(count("SELECT count(*) FROM curso"), 1);
        QCOMPARE(count("SELECT count(*) FROM turnocurso"), 0);
        QVERIFY(!Dao::getInstance()->inTransaction());

        // A failing link row takes the course and its shifts back too.
        QVERIFY(failInsertsInto("turnocurso_turnoasignatura"));
        Curso otro;
        otro.setNombre("ESO");
        otro.addAsignatura(Asignatura::getFromDB(mates));
        otro.addTurnoCurso(courseShift("A", {t}));
        QVERIFY(!otro.persist());
        QCOMPARE(count("SELECT count(*) FROM curso WHERE nombre = 'ESO'"), 0);
        QCOMPARE(count("SELECT count(*) FROM curso_asignatura"), 0);
        QCOMPARE(count("SELECT count(*) FROM turnocurso"), 0);
        QVERIFY(Dao::getInstance()->execute("DROP TRIGGER fail_turnocurso_turnoasignatura"));
        QVERIFY(otro.persist());
        QCOMPARE(count("SELECT count(*) FROM turnocurso_turnoasignatura"), 1);
    }
};

PENSARIO_TEST_MAIN(TestCurso)
#include "tst_curso.moc"
