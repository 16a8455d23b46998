#include "asignatura.h"
#include "dao.h"
#include "profesor.h"
#include "testmain.h"
#include "turnoasignatura.h"
#include "turnostesthelpers.h"

#include <memory>

using namespace turnostest;

class TestAsignatura : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(openFreshDb()); }

    void storeLoadListUpdate()
    {
        Asignatura a;
        a.setNombre(QStringLiteral("Inglés B1"));
        a.setDescripcion(QStringLiteral("Intermedio"));
        a.setPrecioOrientativo(19.99);
        a.setEdad(5);
        auto* t1 = new TurnoAsignatura;
        t1->setNombre(QStringLiteral("Mañana"));
        t1->setPrecioOrientativo(35.5);
        t1->setSueldoProfesorPorAlta(0.285);
        auto* t2 = new TurnoAsignatura;
        t2->setNombre(QStringLiteral("Tarde"));
        QVERIFY(a.addTurno(t1));
        QVERIFY(a.addTurno(t2));
        QVERIFY(a.persist());
        QVERIFY(a.id() > 0);
        QVERIFY(!a.persist()); // already stored

        QCOMPARE(count("SELECT precioorientativo FROM asignatura WHERE id = ?", {a.id()}), 1999);
        QCOMPARE(count("SELECT sueldoprofesorporalta FROM turnoasignatura WHERE nombre = 'Mañana'"), 28);
        QCOMPARE(count("SELECT count(*) FROM turnoasignatura WHERE idasignatura = ?", {a.id()}), 2);

        // The shifts are read back with their ids.
        const QList<TurnoAsignatura*> turnos = a.turnos();
        QCOMPARE(turnos.size(), 2);
        for (TurnoAsignatura* t : turnos)
            QVERIFY(t->id() > 0);

        std::unique_ptr<Asignatura> leida(Asignatura::getFromDB(a.id()));
        QVERIFY(leida);
        QCOMPARE(leida->nombre(), QStringLiteral("Inglés B1"));
        QCOMPARE(leida->descripcion(), QStringLiteral("Intermedio"));
        QCOMPARE(leida->precioOrientativo(), 19.99);
        QCOMPARE(leida->edad(), 5);
        QVERIFY(!Asignatura::getFromDB(a.id() + 100));

        Asignatura b;
        b.setNombre(QStringLiteral("Alemán"));
        b.setEdad(1);
        QVERIFY(b.persist());
        QList<Asignatura*> todas = Asignatura::list();
        QCOMPARE(todas.size(), 2);
        QCOMPARE(todas.at(0)->nombre(), QStringLiteral("Alemán"));
        qDeleteAll(todas);

        // Update: rename, add one shift, remove another.
        leida->setNombre(QStringLiteral("Inglés B2"));
        TurnoAsignatura* manana = nullptr;
        for (TurnoAsignatura* t : leida->turnos())
            if (t->getNombre() == QStringLiteral("Mañana"))
                manana = t;
        QVERIFY(manana);
        manana->setPrecioOrientativo(40);
        TurnoAsignatura* tarde = nullptr;
        for (TurnoAsignatura* t : leida->turnos())
            if (t->getNombre() == QStringLiteral("Tarde"))
                tarde = t;
        const int idTarde = tarde->id();
        leida->removeTurno(tarde);
        auto* noche = new TurnoAsignatura;
        noche->setNombre(QStringLiteral("Noche"));
        QVERIFY(leida->addTurno(noche));
        QVERIFY(leida->update());
        QCOMPARE(scalar("SELECT nombre FROM asignatura WHERE id = ?", {a.id()}).toString(), QStringLiteral("Inglés B2"));
        QCOMPARE(count("SELECT count(*) FROM turnoasignatura WHERE id = ?", {idTarde}), 0);
        QCOMPARE(count("SELECT precioorientativo FROM turnoasignatura WHERE nombre = 'Mañana'"), 4000);
        QCOMPARE(count("SELECT count(*) FROM turnoasignatura WHERE nombre = 'Noche' AND idasignatura = ?", {a.id()}), 1);
        QCOMPARE(leida->turnos().size(), 2);

        Asignatura sinId;
        QVERIFY(!sinId.update());
    }

    void addTurnoWithSameName()
    {
        Asignatura a;
        a.setNombre(QStringLiteral("Francés"));
        auto* t = new TurnoAsignatura;
        t->setNombre(QStringLiteral("A"));
        QVERIFY(a.addTurno(t));
        QVERIFY(a.persist());

        std::unique_ptr<Asignatura> leida(Asignatura::getFromDB(a.id()));
        auto* repetido = new TurnoAsignatura(leida.get());
        repetido->setNombre(QStringLiteral("A"));
        QVERIFY(!leida->addTurno(repetido));

        auto* b1 = new TurnoAsignatura;
        b1->setNombre(QStringLiteral("B"));
        auto* b2 = new TurnoAsignatura;
        b2->setNombre(QStringLiteral("B"));
        QVERIFY(leida->addTurno(b1));
        QVERIFY(leida->addTurno(b2));
        QCOMPARE(leida->turnos().size(), 2);
        QVERIFY(leida->turnos().contains(b2));
        QVERIFY(!leida->turnos().contains(b1));
        delete b1;
    }

    void teacherLinksAreWrittenOnce()
    {
        const int ana = profesor(QStringLiteral("Ana"));
        const int luis = profesor(QStringLiteral("Luis"));
        Asignatura a;
        a.setNombre(QStringLiteral("Piano"));
        a.addProfesor(Profesor::getFromDB(ana));
        QVERIFY(a.persist());
        QVERIFY(a.update());
        QVERIFY(a.update());
        QCOMPARE(count("SELECT count(*) FROM profesor_asignatura WHERE idasignatura = ?", {a.id()}), 1);

        // Older files may already hold a link twice: it is read once and
        // written back once.
        QVERIFY(Dao::getInstance()->insert("profesor_asignatura", {"idprofesor", "idasignatura"}, {ana, a.id()}).isValid());
        QCOMPARE(count("SELECT count(*) FROM profesor_asignatura WHERE idasignatura = ?", {a.id()}), 2);
        std::unique_ptr<Asignatura> leida(Asignatura::getFromDB(a.id()));
        QCOMPARE(leida->profesores().size(), 1);
        QCOMPARE(leida->profesoresString(), QStringLiteral("Ana"));
        leida->addProfesor(Profesor::getFromDB(luis));
        leida->addProfesor(Profesor::getFromDB(ana));
        QVERIFY(leida->update());
        QVERIFY(leida->update());
        QCOMPARE(count("SELECT count(*) FROM profesor_asignatura WHERE idasignatura = ? AND idprofesor = ?", {a.id(), ana}), 1);
        QCOMPARE(count("SELECT count(*) FROM profesor_asignatura WHERE idasignatura = ? AND idprofesor = ?", {a.id(), luis}), 1);
    }

    void removedTeacherLosesSessions()
    {
        const int ana = profesor(QStringLiteral("Ana"));
        Asignatura a;
        a.setNombre(QStringLiteral("Violín"));
        auto* t = new TurnoAsignatura;
        t->setNombre(QStringLiteral("L-X"));
        a.addTurno(t);
        a.addProfesor(Profesor::getFromDB(ana));
        QVERIFY(a.persist());
        const int idTurno = a.turnos().first()->id();
        const int idAula = aula(QStringLiteral("Aula 1"), 10);
        const int idSesion = sesion(idTurno, idAula);
        QVERIFY(Dao::getInstance()->execute("UPDATE sesiondeclase SET idprofesor = ? WHERE id = ?", {ana, idSesion}));

        std::unique_ptr<Asignatura> leida(Asignatura::getFromDB(a.id()));
        QCOMPARE(leida->profesoresString(), QStringLiteral("Ana"));
        std::unique_ptr<Profesor> p(Profesor::getFromDB(ana));
        leida->removeProfesor(p.get());
        QCOMPARE(leida->profesoresString(), QString());
        QVERIFY(leida->update());
        QCOMPARE(count("SELECT count(*) FROM profesor_asignatura WHERE idasignatura = ?", {a.id()}), 0);
        QVERIFY(scalar("SELECT idprofesor FROM sesiondeclase WHERE id = ?", {idSesion}).isNull());
    }

    void removeSubject()
    {
        Asignatura a;
        a.setNombre(QStringLiteral("Química"));
        auto* t = new TurnoAsignatura;
        t->setNombre(QStringLiteral("Único"));
        a.addTurno(t);
        a.addProfesor(Profesor::getFromDB(profesor(QStringLiteral("Ana"))));
        QVERIFY(a.persist());

        QVERIFY(!Asignatura::remove(a.id()));
        QCOMPARE(Asignatura::errorString(), QStringLiteral("Subject couldn't be removed because it has shifts."));
        QCOMPARE(count("SELECT count(*) FROM asignatura"), 1);

        QVERIFY(Dao::getInstance()->execute("DELETE FROM turnoasignatura"));
        const int idCurso = insertId("curso", {"nombre"}, {QStringLiteral("Bach")});
        QVERIFY(Dao::getInstance()->insert("curso_asignatura", {"idcurso", "idasignatura"}, {idCurso, a.id()}).isValid());
        QVERIFY(Asignatura::remove(a.id()));
        QCOMPARE(count("SELECT count(*) FROM asignatura"), 0);
        QCOMPARE(count("SELECT count(*) FROM curso_asignatura"), 0);
        QCOMPARE(count("SELECT count(*) FROM profesor_asignatura"), 0);
    }

    void failedShiftRollsBackTheSubject()
    {
        QVERIFY(failInsertsInto("turnoasignatura"));
        Asignatura a;
        a.setNombre(QStringLiteral("Física"));
        auto* t = new TurnoAsignatura;
        t->setNombre(QStringLiteral("M"));
        a.addTurno(t);
        QVERIFY(!a.persist());
        QCOMPARE(a.id(), 0);
        QCOMPARE(count("SELECT count(*) FROM asignatura"), 0);
        QVERIFY(!Dao::getInstance()->inTransaction());

        // Nothing was kept, so the same object can be stored once the fault is gone.
        QVERIFY(Dao::getInstance()->execute("DROP TRIGGER fail_turnoasignatura"));
        QVERIFY(a.persist());
        QCOMPARE(count("SELECT count(*) FROM turnoasignatura WHERE idasignatura = ?", {a.id()}), 1);
    }

    void joinsAnOpenTransaction()
    {
        Dao* dao = Dao::getInstance();
        QVERIFY(dao->transaction());
        Asignatura a;
        a.setNombre(QStringLiteral("Dibujo"));
        QVERIFY(a.persist());
        QVERIFY(dao->inTransaction());
        QCOMPARE(count("SELECT count(*) FROM asignatura"), 1);
        QVERIFY(dao->rollback());
        QCOMPARE(count("SELECT count(*) FROM asignatura"), 0);
    }
};

PENSARIO_TEST_MAIN(TestAsignatura)
#include "tst_asignatura.moc"
