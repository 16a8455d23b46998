#include "academyfixture.h"
#include "asignatura.h"
#include "profesor.h"
#include "testmain.h"
#include "turnoasignatura.h"

#include <memory>

using namespace academy;

namespace {
TurnoAsignatura* nuevoTurno(const QString& nombre)
{
    auto* t = new TurnoAsignatura;
    t->setNombre(nombre);
    return t;
}

TurnoAsignatura* turnoLlamado(Asignatura& a, const QString& nombre)
{
    for (TurnoAsignatura* t : a.turnos())
        if (t->getNombre() == nombre)
            return t;
    return nullptr;
}
}

class TestAsignatura : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(openFreshDatabase()); }

    void storeLoadListUpdate()
    {
        Asignatura a;
        a.setNombre(QStringLiteral("Inglés B1"));
        a.setDescripcion(QStringLiteral("Intermedio"));
        a.setPrecioOrientativo(19.99);
        a.setEdad(5);
        TurnoAsignatura* manana = nuevoTurno(QStringLiteral("Mañana"));
        manana->setSueldoProfesorPorAlta(0.285);
        QVERIFY(a.addTurno(manana));
        QVERIFY(a.addTurno(nuevoTurno(QStringLiteral("Tarde"))));
        QVERIFY(a.persist());
        QVERIFY(!a.persist()); // already stored
        QCOMPARE(count("SELECT precioorientativo FROM asignatura WHERE id = ?", {a.id()}), 1999);
        QCOMPARE(count("SELECT sueldoprofesorporalta FROM turnoasignatura WHERE nombre = 'Mañana'"), 28);

        std::unique_ptr<Asignatura> leida(Asignatura::getFromDB(a.id()));
        QVERIFY(leida);
        QCOMPARE((QStringList{leida->nombre(), leida->descripcion()}), (QStringList{"Inglés B1", "Intermedio"}));
        QCOMPARE(leida->precioOrientativo(), 19.99);
        QCOMPARE(leida->edad(), 5);
        QVERIFY(asignatura(QStringLiteral("Alemán")));
        QCOMPARE(sizeOf(Asignatura::list()), 2);

        // Rename, change one shift, remove another, add a third.
        leida->setNombre(QStringLiteral("Inglés B2"));
        turnoLlamado(*leida, QStringLiteral("Mañana"))->setPrecioOrientativo(40);
        TurnoAsignatura* tarde = turnoLlamado(*leida, QStringLiteral("Tarde"));
        const int idTarde = tarde->id();
        leida->removeTurno(tarde);
        QVERIFY(leida->addTurno(nuevoTurno(QStringLiteral("Noche"))));
        auto* repetido = new TurnoAsignatura(leida.get());
        repetido->setNombre(QStringLiteral("Mañana"));
        QVERIFY(!leida->addTurno(repetido)); // a stored shift's name is taken
        QVERIFY(leida->update());
        QCOMPARE(scalar("SELECT nombre FROM asignatura WHERE id = ?", {a.id()}).toString(), QStringLiteral("Inglés B2"));
        QCOMPARE(count("SELECT count(*) FROM turnoasignatura WHERE id = ?", {idTarde}), 0);
        QCOMPARE(count("SELECT precioorientativo FROM turnoasignatura WHERE nombre = 'Mañana'"), 4000);
        QCOMPARE(count("SELECT count(*) FROM turnoasignatura WHERE nombre = 'Noche' AND idasignatura = ?", {a.id()}), 1);
    }

    // A second update writes no second link, and a link held twice by an
    // older file is read and written back once.
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

        QVERIFY(link("profesor_asignatura", "idprofesor", ana, "idasignatura", a.id()));
        std::unique_ptr<Asignatura> leida(Asignatura::getFromDB(a.id()));
        QCOMPARE(leida->profesoresString(), QStringLiteral("Ana"));
        leida->addProfesor(Profesor::getFromDB(luis));
        leida->addProfesor(Profesor::getFromDB(ana));
        QVERIFY(leida->update());
        QVERIFY(leida->update());
        const QString sql = QStringLiteral("SELECT count(*) FROM profesor_asignatura WHERE idasignatura = ? AND idprofesor = ?");
        QCOMPARE(count(sql, {a.id(), ana}), 1);
        QCOMPARE(count(sql, {a.id(), luis}), 1);

        // A teacher taken off the subject leaves its sessions.
        const int idSesion = sesion(turno(a.id(), QStringLiteral("L-X")), aula(QStringLiteral("Aula 1"), 10), ana, 1, 10);
        leida.reset(Asignatura::getFromDB(a.id()));
        std::unique_ptr<Profesor> p(Profesor::getFromDB(ana));
        leida->removeProfesor(p.get());
        QVERIFY(leida->update());
        QCOMPARE(count(sql, {a.id(), ana}), 0);
        QVERIFY(scalar("SELECT idprofesor FROM sesiondeclase WHERE id = ?", {idSesion}).isNull());
    }

    void removeSubject()
    {
        Asignatura a;
        a.setNombre(QStringLiteral("Química"));
        a.addTurno(nuevoTurno(QStringLiteral("Único")));
        a.addProfesor(Profesor::getFromDB(profesor(QStringLiteral("Ana"))));
        QVERIFY(a.persist());
        QVERIFY(!Asignatura::remove(a.id()));
        QCOMPARE(Asignatura::errorString(), QStringLiteral("Subject couldn't be removed because it has shifts."));

        QVERIFY(exec("DELETE FROM turnoasignatura"));
        QVERIFY(link("curso_asignatura", "idcurso", curso(QStringLiteral("Bach")), "idasignatura", a.id()));
        QVERIFY(Asignatura::remove(a.id()));
        QCOMPARE(count("SELECT count(*) FROM asignatura"), 0);
        QCOMPARE(count("SELECT count(*) FROM curso_asignatura"), 0);
        QCOMPARE(count("SELECT count(*) FROM profesor_asignatura"), 0);
    }

};

PENSARIO_TEST_MAIN(TestAsignatura)
#include "tst_asignatura.moc"
