#include "academyfixture.h"
#include "alta.h"
#include "asignatura.h"
#include "scriptedprompter.h"
#include "testmain.h"
#include "turnoasignatura.h"

#include <memory>

using namespace academy;

namespace {
std::unique_ptr<Alta> newAlta(int idTurno, const QDate& falta, const QDate& fbaja = QDate())
{
    auto alta = std::make_unique<Alta>(alumno("Nuevo", "Alumno"));
    alta->setIdTurnoAsignatura(idTurno);
    alta->setFalta(falta);
    alta->setFbaja(fbaja);
    return alta;
}

int enrol(int idTurno, const QDate& falta, const QDate& fbaja = QDate(), double precio = 30,
          const QString& nombre = QString())
{
    return alta(alumno(QStringLiteral("A"), QStringLiteral("A")), idTurno, falta, fbaja, precio, nombre);
}
} // namespace

class TestTurnoAsignatura : public QObject
{
    Q_OBJECT

private:
    int yoga = 0;
    int t = 0; // shift "Y" of Yoga, without sessions

private slots:
    void init()
    {
        QVERIFY(openFreshDatabase());
        yoga = asignatura(QStringLiteral("Yoga"));
        t = turno(yoga, QStringLiteral("Y"));
    }

    void listByCourseShift()
    {
        // Members of a course shift come in the order of their subjects.
        const int m2 = turno(asignatura(QStringLiteral("Mates"), 30, 3), QStringLiteral("M2"));
        const int l1 = turno(asignatura(QStringLiteral("Lengua"), 30, 1), QStringLiteral("L1"));
        const int tc = turnoCurso(QStringLiteral("Bach"), QStringLiteral("A"), {m2, l1});
        turnoCurso(QStringLiteral("ESO"), QStringLiteral("B"), {m2});
        turnoCurso(QStringLiteral("Bach"), QStringLiteral("C"), {m2}); // Bach is named once
        const QList<TurnoAsignatura*> miembros = TurnoAsignatura::listByTurnoCurso(tc);
        QCOMPARE(miembros.size(), 2);
        QCOMPARE(miembros.at(0)->id(), l1);
        qDeleteAll(miembros);
        QCOMPARE(std::unique_ptr<TurnoAsignatura>(TurnoAsignatura::getFromDB(m2))->getNombresCursos(),
                 QStringLiteral("Bach, ESO"));
    }

    // Each listed shift carries its subject, with the subject's real id.
    void modelListCarriesTheSubject()
    {
        QVERIFY(link("profesor_asignatura", "idprofesor", profesor(QStringLiteral("Ana")), "idasignatura", yoga));
        QVERIFY(turno(yoga, QStringLiteral("Y2")) != yoga); // a shift id that is no subject id
        const QList<TurnoAsignatura*> lista = TurnoAsignatura::listForModel();
        QCOMPARE(lista.size(), 2);
        for (TurnoAsignatura* shift : lista) {
            QCOMPARE(shift->getAsignatura()->id(), yoga);
            QCOMPARE(shift->getAsignatura()->profesoresString(), QStringLiteral("Ana"));
        }
        qDeleteAll(lista);
    }

    void firstDateWithoutPlace()
    {
        std::unique_ptr<TurnoAsignatura> turno(TurnoAsignatura::getFromDB(t));
        // Without sessions there is no place at all: full from today.
        QCOMPARE(turno->getFechaSinPlaza(newAlta(t, QDate(2030, 1, 1)).get(), false), QDate::currentDate());
        QVERIFY(sesion(t, aula("Grande", 12), 0, 1, 10) && sesion(t, aula("Dos", 2), 0, 2, 10));
        QCOMPARE(turno->getMaxAlumnos(), 2);
        QCOMPARE(turno->getFechaSinPlaza(newAlta(t, QDate(2024, 3, 1)).get(), false), QDate()); // nobody enrolled

        const int propia = enrol(t, QDate(2024, 3, 1), QDate(2024, 3, 31));
        QVERIFY(enrol(t, QDate(2024, 3, 15)) && enrol(t, QDate(2024, 3, 20)) && enrol(t, QDate(2024, 4, 5)));
        QCOMPARE(turno->getFechaSinPlaza(newAlta(t, QDate(2024, 3, 15)).get(), false), QDate(2024, 3, 15));
        QCOMPARE(turno->getFechaSinPlaza(newAlta(t, QDate(2024, 2, 1), QDate(2024, 2, 15)).get(), false), QDate());
        QCOMPARE(turno->getFechaSinPlaza(newAlta(t, QDate(2024, 2, 1)).get(), false), QDate(2024, 3, 15));
        // Without a start date the check answers at once.
        QCOMPARE(turno->getFechaSinPlaza(newAlta(t, QDate()).get(), false), QDate());

        // A stored enrolment extended to open-ended from February: its own
        // place covers it until 31 March; on 1 April the others fill both.
        std::unique_ptr<Alta> cambiada(Alta::getFromDB(propia));
        cambiada->setFalta(QDate(2024, 2, 1));
        cambiada->setFbaja(QDate());
        QCOMPARE(turno->getFechaSinPlaza(cambiada.get(), true), QDate(2024, 4, 1));
    }

    // Its place in another shift is no place in the full one.
    void enrolmentMovedIntoAFullShift()
    {
        const int otro = turno(yoga, QStringLiteral("Otro"));
        QVERIFY(sesion(t, aula("Dos", 2), 0, 1, 10) && sesion(otro, aula("Grande", 20), 0, 1, 10));
        const int dentro = enrol(t, QDate(2024, 3, 1));
        QVERIFY(enrol(t, QDate(2024, 3, 1)));
        const int fuera = enrol(otro, QDate(2024, 1, 1));
        std::unique_ptr<Alta> movida(Alta::getFromDB(fuera));
        movida->setIdTurnoAsignatura(t);
        QCOMPARE(movida->update(false), int(Alta::SinPlaza));
        QCOMPARE(count("SELECT idturnoasignatura FROM alta WHERE id = ?", {fuera}), otro);
        movida->setFbaja(QDate(2024, 2, 28)); // only before the others start: it fits
        QCOMPARE(movida->update(false), int(Alta::Almacenada));
        QCOMPARE(count("SELECT idturnoasignatura FROM alta WHERE id = ?", {fuera}), t);
        // One already in the full shift keeps its own place.
        std::unique_ptr<Alta> propia(Alta::getFromDB(dentro));
        propia->setPrecio(45);
        QCOMPARE(propia->update(false), int(Alta::Almacenada));
    }

    // Started before the period's end and withdrawn after its start, both strict.
    void studentsAndIncomeOfAPeriod()
    {
        std::unique_ptr<TurnoAsignatura> turno(TurnoAsignatura::getFromDB(t));
        const QDate ini(2024, 3, 1), fin(2024, 4, 1);
        bool ok = false;
        QCOMPARE(turno->getIngresos(ini, fin, &ok), 0.0);
        QVERIFY(ok);
        QVERIFY(enrol(t, QDate(2024, 3, 31), QDate(), 10.25, "Bea"));
        QVERIFY(enrol(t, fin, QDate(), 100, "Carla"));                      // starts on the end: out
        QVERIFY(enrol(t, QDate(2024, 1, 1), ini, 100, "Dani"));             // leaves on the start: out
        QVERIFY(enrol(t, QDate(2024, 1, 1), QDate(2024, 3, 2), 20, "Ana"));
        QVERIFY(enrol(t, QDate(2024, 2, 1), QDate(), 5.5, "Eva"));
        const auto pares = turno->getAlumnosYPrecios(ini, fin);
        QCOMPARE(pares.size(), 3);
        QCOMPARE(pares.at(0), qMakePair(QStringLiteral("Ana"), 20.0));
        QCOMPARE(pares.at(2).first, QStringLiteral("Eva"));
        QCOMPARE(turno->getIngresos(ini, fin, &ok), 35.75);
        QVERIFY(ok);
        QCOMPARE(turno->getNumAltas(ini), 2); // Dani left that day

        Dao::getInstance()->close(); // a failed query is not an income
        turno->getIngresos(ini, fin, &ok);
        QVERIFY(!ok);
    }

    void removalCascades()
    {
        const int t2 = turno(yoga, QStringLiteral("T2"));
        QVERIFY(link("profesor_asignatura", "idprofesor", profesor(QStringLiteral("Ana")), "idasignatura", yoga));
        QVERIFY(link("curso_asignatura", "idcurso", curso(QStringLiteral("Artes")), "idasignatura", yoga));
        const int tc = turnoCurso(QStringLiteral("Artes"), QStringLiteral("Tarde"), {t, t2});
        QVERIFY(sesion(t, aula("A", 10), 0, 1, 10) && sesion(t, aula("B", 10), 0, 2, 10));
        const int abierta = enrol(t, QDate(2024, 1, 1));
        const int cerrada = enrol(t, QDate(2024, 1, 1), QDate(2024, 2, 1));
        const int otra = enrol(t2, QDate(2024, 1, 1));
        {
            ScriptedPrompter prompter;
            prompter.button(QMessageBox::Ok);
            QVERIFY(TurnoAsignatura::remove(t, true));
            QVERIFY(prompter.allAnswered());
            QCOMPARE(prompter.asked().first().text, QStringLiteral("The selected shift has assigned sessions"));
            QVERIFY(prompter.asked().first().informativeText.contains("Yoga"));
        }
        QVERIFY(!Dao::getInstance()->inTransaction());
        QCOMPARE(count("SELECT count(*) FROM turnoasignatura WHERE id = ?", {t}), 0);
        QCOMPARE(count("SELECT count(*) FROM sesiondeclase"), 0);
        QCOMPARE(scalar("SELECT fbaja FROM alta WHERE id = ?", {abierta}).toDate(), QDate::currentDate());
        QCOMPARE(scalar("SELECT fbaja FROM alta WHERE id = ?", {cerrada}).toDate(), QDate(2024, 2, 1));
        QCOMPARE(count("SELECT count(*) FROM alta WHERE idturnoasignatura IS NULL"), 2);
        QCOMPARE(count("SELECT idturnoasignatura FROM alta WHERE id = ?", {otra}), t2);
        QCOMPARE(count("SELECT count(*) FROM turnocurso_turnoasignatura WHERE idturnocurso = ?", {tc}), 1);

        // The last shift (no sessions, so no question) takes the subject along.
        ScriptedPrompter prompter;
        QVERIFY(TurnoAsignatura::remove(t2, true));
        QCOMPARE(prompter.askedCount(), 0);
        QCOMPARE(count("SELECT count(*) FROM asignatura"), 0);
        QCOMPARE(count("SELECT count(*) FROM curso_asignatura"), 0);
        QCOMPARE(count("SELECT count(*) FROM profesor_asignatura"), 0);
    }

    void abortOrFailureWritesNothing()
    {
        const int tc = turnoCurso(QStringLiteral("Artes"), QStringLiteral("Tarde"), {t});
        QVERIFY(sesion(t, aula("A", 10), 0, 1, 10));
        const int abierta = enrol(t, QDate(2024, 1, 1));
        const auto untouched = [&] {
            QVERIFY(!Dao::getInstance()->inTransaction());
            QCOMPARE(count("SELECT count(*) FROM sesiondeclase"), 1);
            QVERIFY(scalar("SELECT fbaja FROM alta WHERE id = ?", {abierta}).isNull());
            QCOMPARE(count("SELECT idturnoasignatura FROM alta WHERE id = ?", {abierta}), t);
            QCOMPARE(count("SELECT count(*) FROM turnocurso_turnoasignatura WHERE idturnocurso = ?", {tc}), 1);
        };
        ScriptedPrompter prompter;
        prompter.button(QMessageBox::Abort);
        QVERIFY(!TurnoAsignatura::remove(t, true));
        QVERIFY(prompter.allAnswered());
        untouched();

        // Inside an open transaction Abort writes nothing either.
        QVERIFY(Dao::getInstance()->transaction());
        prompter.button(QMessageBox::Abort);
        QVERIFY(!TurnoAsignatura::remove(t, false));
        QVERIFY(Dao::getInstance()->commit());
        untouched();

        QVERIFY(failDeletes("turnoasignatura"));
        prompter.button(QMessageBox::Ok);
        QVERIFY(!TurnoAsignatura::remove(t, true));
        untouched();
    }
};

PENSARIO_TEST_MAIN(TestTurnoAsignatura)
#include "tst_turnoasignatura.moc"
