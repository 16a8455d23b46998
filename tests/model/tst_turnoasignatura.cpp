#include "alta.h"
#include "asignatura.h"
#include "dao.h"
#include "profesor.h"
#include "scriptedprompter.h"
#include "testmain.h"
#include "turnoasignatura.h"
#include "turnostesthelpers.h"

#include <memory>

using namespace turnostest;

namespace {
// A stored subject with the named shifts; answers the shift ids in order.
QList<int> subjectWithShifts(const QString& nombre, const QStringList& turnos, int edad = 0, int* idAsignatura = nullptr)
{
    Asignatura a;
    a.setNombre(nombre);
    a.setEdad(edad);
    for (const QString& t : turnos) {
        auto* turno = new TurnoAsignatura;
        turno->setNombre(t);
        a.addTurno(turno);
    }
    if (!a.persist())
        return {};
    if (idAsignatura)
        *idAsignatura = a.id();
    QList<int> ids;
    for (const QString& t : turnos)
        ids.append(count("SELECT id FROM turnoasignatura WHERE nombre = ? AND idasignatura = ?", {t, a.id()}));
    return ids;
}

int cursoShift(const QString& curso, const QString& turno, const QList<int>& miembros)
{
    int idCurso = count("SELECT id FROM curso WHERE nombre = ?", {curso});
    if (idCurso == 0)
        idCurso = insertId("curso", {"nombre"}, {curso});
    const int id = insertId("turnocurso", {"nombre", "idcurso"}, {turno, idCurso});
    for (int m : miembros)
        Dao::getInstance()->insert("turnocurso_turnoasignatura", {"idturnocurso", "idturnoasignatura"}, {id, m});
    return id;
}

std::unique_ptr<Alta> newAlta(int idTurno, const QDate& falta, const QDate& fbaja = QDate())
{
    auto alta = std::make_unique<Alta>(alumno("Nuevo", "Alumno"));
    alta->setIdTurnoAsignatura(idTurno);
    alta->setFalta(falta);
    alta->setFbaja(fbaja);
    return alta;
}
} // namespace

class TestTurnoAsignatura : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(openFreshDb()); }

    void storeLoadUpdate()
    {
        int idAsignatura = 0;
        subjectWithShifts("Canto", {}, 0, &idAsignatura);
        QVERIFY(idAsignatura > 0);
        TurnoAsignatura t;
        t.setNombre("Martes");
        t.setPrecioOrientativo(35.5);
        t.setSueldoProfesorPorAlta(12.345);
        t.setIdAsignatura(idAsignatura);
        QVERIFY(t.persist(true));
        QVERIFY(t.id() > 0);
        QVERIFY(!Dao::getInstance()->inTransaction());
        QVERIFY(!t.persist(true));
        QCOMPARE(count("SELECT precioorientativo FROM turnoasignatura WHERE id = ?", {t.id()}), 3550);
        QCOMPARE(count("SELECT sueldoprofesorporalta FROM turnoasignatura WHERE id = ?", {t.id()}), 1235);

        std::unique_ptr<TurnoAsignatura> leido(TurnoAsignatura::getFromDB(t.id()));
        QVERIFY(leido);
        QCOMPARE(leido->getNombre(), QStringLiteral("Martes"));
        QCOMPARE(leido->getPrecioOrientativo(), 35.5);
        QCOMPARE(leido->getSueldoProfesorPorAlta(), 12.35);
        QCOMPARE(leido->getAsignatura()->nombre(), QStringLiteral("Canto"));
        leido->setNombre("Jueves");
        QVERIFY(leido->update(true));
        QCOMPARE(scalar("SELECT nombre FROM turnoasignatura WHERE id = ?", {t.id()}).toString(), QStringLiteral("Jueves"));

        TurnoAsignatura sinId;
        QVERIFY(!sinId.update(true));
        // A shift without subject is refused by the schema, not stored under subject 0.
        sinId.setNombre("Huérfano");
        QVERIFY(!sinId.persist(true));
        QCOMPARE(sinId.id(), 0);
        QCOMPARE(count("SELECT count(*) FROM turnoasignatura WHERE nombre = 'Huérfano'"), 0);
        QVERIFY(!TurnoAsignatura::getFromDB(t.id() + 50));

        // Same name in the same subject: refused by the schema and rolled back.
        TurnoAsignatura repetido;
        repetido.setNombre("Jueves");
        repetido.setIdAsignatura(idAsignatura);
        QVERIFY(!repetido.persist(true));
        QCOMPARE(repetido.id(), 0);
        QVERIFY(!Dao::getInstance()->inTransaction());
    }

    void lists()
    {
        QCOMPARE(TurnoAsignatura::listByAsignatura(0).size(), 0);
        QCOMPARE(TurnoAsignatura::listByProfesor(0).size(), 0);

        int idMates = 0;
        const QList<int> mates = subjectWithShifts("Mates", {"M1", "M2"}, 3, &idMates);
        const QList<int> lengua = subjectWithShifts("Lengua", {"L1"}, 1);
        QList<TurnoAsignatura*> deMates = TurnoAsignatura::listByAsignatura(idMates);
        QCOMPARE(deMates.size(), 2);
        qDeleteAll(deMates);

        const int ana = profesor("Ana");
        const int idAula = aula("A", 10);
        for (int i = 0; i < 2; ++i) {
            const int s = sesion(mates.at(0), idAula, i + 1);
            Dao::getInstance()->execute("UPDATE sesiondeclase SET idprofesor = ? WHERE id = ?", {ana, s});
        }
        const int s = sesion(lengua.at(0), idAula, 3);
        Dao::getInstance()->execute("UPDATE sesiondeclase SET idprofesor = ? WHERE id = ?", {ana, s});
        QList<TurnoAsignatura*> deAna = TurnoAsignatura::listByProfesor(ana);
        QCOMPARE(deAna.size(), 2); // each shift once
        qDeleteAll(deAna);

        // Members of a course shift come in the order of their subjects.
        const int tc = cursoShift("Bach", "A", {mates.at(1), lengua.at(0)});
        cursoShift("ESO", "B", {mates.at(1)});
        QList<TurnoAsignatura*> miembros = TurnoAsignatura::listByTurnoCurso(tc);
        QCOMPARE(miembros.size(), 2);
        QCOMPARE(miembros.at(0)->id(), lengua.at(0));
        QCOMPARE(miembros.at(1)->id(), mates.at(1));
        qDeleteAll(miembros);

        std::unique_ptr<TurnoAsignatura> m2(TurnoAsignatura::getFromDB(mates.at(1)));
        QCOMPARE(m2->getIdsTurnoCurso().size(), 2);
        QCOMPARE(m2->getNombresCursos(), QStringLiteral("Bach, ESO"));
        std::unique_ptr<TurnoAsignatura> m1(TurnoAsignatura::getFromDB(mates.at(0)));
        QCOMPARE(m1->getNombresCursos(), QString());
    }

    void modelListCarriesTheSubject()
    {
        int idAsignatura = 0;
        subjectWithShifts("Historia", {"H1"}, 7, &idAsignatura);
        QVERIFY(Dao::getInstance()->execute("UPDATE asignatura SET descripcion = 'Moderna' WHERE id = ?", {idAsignatura}));
        const int ana = profesor("Ana");
        Dao::getInstance()->insert("profesor_asignatura", {"idprofesor", "idasignatura"}, {ana, idAsignatura});

        QList<TurnoAsignatura*> lista = TurnoAsignatura::listForModel();
        QCOMPARE(lista.size(), 1);
        TurnoAsignatura* t = lista.first();
        QCOMPARE(t->getIdAsignatura(), idAsignatura);
        Asignatura* a = t->getAsignatura();
        QCOMPARE(a->id(), idAsignatura);
        QCOMPARE(a->parent(), t);
        QCOMPARE(a->nombre(), QStringLiteral("Historia"));
        QCOMPARE(a->descripcion(), QStringLiteral("Moderna"));
        QCOMPARE(a->edad(), 7);
        QCOMPARE(a->profesoresString(), QStringLiteral("Ana"));
        qDeleteAll(lista);
    }

    void capacity()
    {
        const int t = subjectWithShifts("Yoga", {"Y"}).first();
        std::unique_ptr<TurnoAsignatura> turno(TurnoAsignatura::getFromDB(t));

        // Without sessions there is no place at all: full from today.
        QCOMPARE(turno->getMaxAlumnos(), 0);
        QCOMPARE(turno->getFechaSinPlaza(newAlta(t, QDate(2030, 1, 1)).get(), false), QDate::currentDate());

        sesion(t, aula("Grande", 12), 1);
        sesion(t, aula("Pequeña", 8), 2);
        QCOMPARE(turno->getMaxAlumnos(), 8);

        // No enrolment at all: anything fits.
        QCOMPARE(turno->getFechaSinPlaza(newAlta(t, QDate(2024, 3, 1)).get(), false), QDate());
    }

    void firstDateWithoutPlace()
    {
        const int t = subjectWithShifts("Yoga", {"Y"}).first();
        sesion(t, aula("Dos", 2));
        std::unique_ptr<TurnoAsignatura> turno(TurnoAsignatura::getFromDB(t));
        alta(alumno("A", "Uno"), t, QDate(2024, 3, 1), QDate(), 30);
        alta(alumno("B", "Dos"), t, QDate(2024, 3, 1), QDate(), 30);

        QCOMPARE(turno->getFechaSinPlaza(newAlta(t, QDate(2024, 3, 1)).get(), false), QDate(2024, 3, 1));
        QCOMPARE(turno->getFechaSinPlaza(newAlta(t, QDate(2024, 2, 1), QDate(2024, 2, 15)).get(), false), QDate());
        // Open from February: it fits until the others start.
        QCOMPARE(turno->getFechaSinPlaza(newAlta(t, QDate(2024, 2, 1)).get(), false), QDate(2024, 3, 1));

        // Without a start date the check answers at once.
        QCOMPARE(turno->getFechaSinPlaza(newAlta(t, QDate()).get(), false), QDate());
    }

    void firstDateWithoutPlaceOnUpdate()
    {
        const int t = subjectWithShifts("Yoga", {"Y"}).first();
        sesion(t, aula("Dos", 2));
        std::unique_ptr<TurnoAsignatura> turno(TurnoAsignatura::getFromDB(t));
        alta(alumno("A", "Uno"), t, QDate(2024, 1, 1), QDate(), 30);
        const int propia = alta(alumno("B", "Dos"), t, QDate(2024, 3, 1), QDate(), 30);

        // The stored version holds its place from March on: stop there.
        std::unique_ptr<Alta> cambiada(Alta::getFromDB(propia));
        cambiada->setFalta(QDate(2024, 2, 1));
        QCOMPARE(turno->getFechaSinPlaza(cambiada.get(), true), QDate());
    }

    void placeFreedByTheChangedEnrolmentEnds()
    {
        const int t = subjectWithShifts("Yoga", {"Y"}).first();
        sesion(t, aula("Dos", 2));
        std::unique_ptr<TurnoAsignatura> turno(TurnoAsignatura::getFromDB(t));
        const int propia = alta(alumno("B", "Dos"), t, QDate(2024, 3, 1), QDate(2024, 3, 31), 30);
        alta(alumno("X", "Equis"), t, QDate(2024, 3, 15), QDate(), 30);
        alta(alumno("Y", "Griega"), t, QDate(2024, 3, 20), QDate(), 30);
        alta(alumno("Z", "Zeta"), t, QDate(2024, 4, 5), QDate(), 30);

        // Extended to open-ended from February: until 31 March its own place
        // covers it; on 1 April X and Y fill both places.
        std::unique_ptr<Alta> cambiada(Alta::getFromDB(propia));
        cambiada->setFalta(QDate(2024, 2, 1));
        cambiada->setFbaja(QDate());
        QCOMPARE(turno->getFechaSinPlaza(cambiada.get(), true), QDate(2024, 4, 1));
        // A new enrolment (no stored place) is full once X joins B.
        QCOMPARE(turno->getFechaSinPlaza(newAlta(t, QDate(2024, 2, 1)).get(), false), QDate(2024, 3, 15));
    }

    void studentsAndIncomeOfAPeriod()
    {
        const int t = subjectWithShifts("Yoga", {"Y"}).first();
        std::unique_ptr<TurnoAsignatura> turno(TurnoAsignatura::getFromDB(t));
        const QDate ini(2024, 3, 1), fin(2024, 4, 1);
        bool ok = false;
        QCOMPARE(turno->getIngresos(ini, fin, &ok), 0.0);
        QVERIFY(ok);

        alta(alumno("a", "a"), t, QDate(2024, 3, 31), QDate(), 10.25, "Bea");
        alta(alumno("b", "b"), t, QDate(2024, 4, 1), QDate(), 100, "Carla");   // starts on the end: out
        alta(alumno("c", "c"), t, QDate(2024, 1, 1), QDate(2024, 3, 1), 100, "Dani"); // leaves on the start: out
        alta(alumno("d", "d"), t, QDate(2024, 1, 1), QDate(2024, 3, 2), 20, "Ana");
        alta(alumno("e", "e"), t, QDate(2024, 2, 1), QDate(), 5.5, "Eva");

        const auto pares = turno->getAlumnosYPrecios(ini, fin);
        QCOMPARE(pares.size(), 3);
        QCOMPARE(pares.at(0).first, QStringLiteral("Ana"));
        QCOMPARE(pares.at(0).second, 20.0);
        QCOMPARE(pares.at(1).first, QStringLiteral("Bea"));
        QCOMPARE(pares.at(2).first, QStringLiteral("Eva"));
        QCOMPARE(turno->getIngresos(ini, fin, &ok), 35.75);
        QVERIFY(ok);

        QCOMPARE(turno->getNumAltas(QDate(2024, 3, 1)), 2); // Dani left that day, Ana and Eva are in
        QCOMPARE(turno->getNumAltas(QDate(2024, 4, 1)), 3);

        // A failed query is not an income.
        Dao::getInstance()->close();
        const double ingresos = turno->getIngresos(ini, fin, &ok);
        QVERIFY(!ok);
        QCOMPARE(ingresos, 0.0);
    }

    void removalCascades()
    {
        int idAsignatura = 0;
        const QList<int> ids = subjectWithShifts("Teatro", {"T1", "T2"}, 0, &idAsignatura);
        const int t1 = ids.at(0), t2 = ids.at(1);
        const int ana = profesor("Ana");
        Dao::getInstance()->insert("profesor_asignatura", {"idprofesor", "idasignatura"}, {ana, idAsignatura});
        const int idCurso = insertId("curso", {"nombre"}, {QStringLiteral("Artes")});
        Dao::getInstance()->insert("curso_asignatura", {"idcurso", "idasignatura"}, {idCurso, idAsignatura});
        const int tc = cursoShift("Artes", "Tarde", {t1, t2});
        sesion(t1, aula("A", 10), 1);
        sesion(t1, aula("B", 10), 2);
        const int abierta = alta(alumno("A", "A"), t1, QDate(2024, 1, 1), QDate(), 30);
        const int cerrada = alta(alumno("B", "B"), t1, QDate(2024, 1, 1), QDate(2024, 2, 1), 30);
        const int otra = alta(alumno("C", "C"), t2, QDate(2024, 1, 1), QDate(), 30);

        {
            ScriptedPrompter prompter;
            prompter.button(QMessageBox::Ok);
            QVERIFY(TurnoAsignatura::remove(t1, true));
            QVERIFY(prompter.allAnswered());
            QCOMPARE(prompter.asked().first().text, QStringLiteral("The selected shift has assigned sessions"));
            QVERIFY(prompter.asked().first().informativeText.contains("T1"));
            QVERIFY(prompter.asked().first().informativeText.contains("Teatro"));
        }
        QVERIFY(!Dao::getInstance()->inTransaction());
        QCOMPARE(count("SELECT count(*) FROM turnoasignatura WHERE id = ?", {t1}), 0);
        QCOMPARE(count("SELECT count(*) FROM sesiondeclase"), 0);
        QCOMPARE(scalar("SELECT fbaja FROM alta WHERE id = ?", {abierta}).toDate(), QDate::currentDate());
        QCOMPARE(scalar("SELECT fbaja FROM alta WHERE id = ?", {cerrada}).toDate(), QDate(2024, 2, 1));
        QCOMPARE(count("SELECT count(*) FROM alta WHERE idturnoasignatura IS NULL"), 2);
        QCOMPARE(count("SELECT idturnoasignatura FROM alta WHERE id = ?", {otra}), t2);
        QCOMPARE(count("SELECT count(*) FROM turnocurso_turnoasignatura WHERE idturnocurso = ?", {tc}), 1);
        QCOMPARE(count("SELECT count(*) FROM asignatura"), 1);

        // The last shift (no sessions, so no question) takes the subject along.
        {
            ScriptedPrompter prompter;
            QVERIFY(TurnoAsignatura::remove(t2, true));
            QCOMPARE(prompter.askedCount(), 0);
        }
        QCOMPARE(count("SELECT count(*) FROM asignatura"), 0);
        QCOMPARE(count("SELECT count(*) FROM curso_asignatura"), 0);
        QCOMPARE(count("SELECT count(*) FROM profesor_asignatura"), 0);
        QCOMPARE(count("SELECT count(*) FROM turnocurso_turnoasignatura"), 0);
    }

    void abortWritesNothing()
    {
        const QList<int> ids = subjectWithShifts("Teatro", {"T1"});
        const int t1 = ids.first();
        const int tc = cursoShift("Artes", "Tarde", {t1});
        sesion(t1, aula("A", 10));
        const int abierta = alta(alumno("A", "A"), t1, QDate(2024, 1, 1), QDate(), 30);

        ScriptedPrompter prompter;
        prompter.button(QMessageBox::Abort);
        QVERIFY(!TurnoAsignatura::remove(t1, true));
        QVERIFY(prompter.allAnswered());
        QVERIFY(!Dao::getInstance()->inTransaction());
        QCOMPARE(count("SELECT count(*) FROM turnoasignatura"), 1);
        QCOMPARE(count("SELECT count(*) FROM sesiondeclase"), 1);
        QVERIFY(scalar("SELECT fbaja FROM alta WHERE id = ?", {abierta}).isNull());
        QCOMPARE(count("SELECT idturnoasignatura FROM alta WHERE id = ?", {abierta}), t1);
        QCOMPARE(count("SELECT count(*) FROM turnocurso_turnoasignatura WHERE idturnocurso = ?", {tc}), 1);

        // Inside an open transaction Abort writes nothing either.
        QVERIFY(Dao::getInstance()->transaction());
        prompter.button(QMessageBox::Abort);
        QVERIFY(!TurnoAsignatura::remove(t1, false));
        QVERIFY(Dao::getInstance()->commit());
        QVERIFY(scalar("SELECT fbaja FROM alta WHERE id = ?", {abierta}).isNull());
        QCOMPARE(count("SELECT count(*) FROM sesiondeclase"), 1);
    }

    void failedRemovalRollsBack()
    {
        const QList<int> ids = subjectWithShifts("Teatro", {"T1", "T2"});
        const int t1 = ids.first();
        sesion(t1, aula("A", 10));
        const int abierta = alta(alumno("A", "A"), t1, QDate(2024, 1, 1), QDate(), 30);
        QVERIFY(failDeletesFrom("turnoasignatura"));

        ScriptedPrompter prompter;
        prompter.button(QMessageBox::Ok);
        QVERIFY(!TurnoAsignatura::remove(t1, true));
        QVERIFY(!Dao::getInstance()->inTransaction());
        QCOMPARE(count("SELECT count(*) FROM sesiondeclase"), 1);
        QVERIFY(scalar("SELECT fbaja FROM alta WHERE id = ?", {abierta}).isNull());
        QCOMPARE(count("SELECT idturnoasignatura FROM alta WHERE id = ?", {abierta}), t1);
    }
};

PENSARIO_TEST_MAIN(TestTurnoAsignatura)
#include "tst_turnoasignatura.moc"
