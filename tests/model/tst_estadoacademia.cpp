// Fault identity across checks, the current and ignored fault lists, and
// results that outlive the data or the check they came from.

#include "estadoacademiafalloaforo.h"
#include "estadoacademiafalloasignaturadoble.h"
#include "estadoacademiafallohorario.h"
#include "estadoacademiafalloprofe.h"
#include "estadoacademiafalloturnonoasignado.h"
#include "estadoacademiafalloturnosinuso.h"
#include "scriptedprompter.h"
#include "testmain.h"
#include "turnoasignatura.h"
#include "tst_academiafixture.h"

#include <QtTest>

using namespace AcademiaFixture;

class TestEstadoAcademia : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(abrirBaseNueva());
    }

    void mismoFallo()
    {
        const EstadoAcademiaFalloAforo aforo(3, 1, QStringLiteral("A"), 7, 1, 600);
        const EstadoAcademiaFalloAforo otroExceso(1, 1, QStringLiteral("A"), 7, 1, 600);
        const EstadoAcademiaFalloAforo otraSesion(3, 1, QStringLiteral("A"), 8, 1, 600);
        const EstadoAcademiaFalloProfe profe7(7, 1, 600, QStringLiteral("A"));
        const EstadoAcademiaFalloHorario horario7(7, 1, 600);
        const EstadoAcademiaFalloHorario horario7Otro(7, 3, 420);
        const EstadoAcademiaFalloTurnoNoAsignado noAsignado(4, QStringLiteral("X"), 9, QStringLiteral("C"));
        const EstadoAcademiaFalloTurnoNoAsignado otroCurso(4, QStringLiteral("X"), 10, QStringLiteral("C"));
        const EstadoAcademiaFalloAsignaturaDoble doble(11, 5, 2, QStringLiteral("Ana"), QStringLiteral("M"));
        const EstadoAcademiaFalloAsignaturaDoble dobleOtraAlta(12, 5, 2, QStringLiteral("Ana"), QStringLiteral("M"));
        const EstadoAcademiaFalloAsignaturaDoble dobleOtroAlumno(13, 6, 2, QStringLiteral("Bea"), QStringLiteral("M"));
        const EstadoAcademiaFalloAsignaturaDoble sinTurno(11, 5, 0, QStringLiteral("Ana"), QStringLiteral("M"));

        QVERIFY(EstadoAcademiaFallo::mismoFallo(&aforo, &otroExceso));
        QVERIFY(!EstadoAcademiaFallo::mismoFallo(&aforo, &otraSesion));
        // same session, different kind of fault
        QVERIFY(!EstadoAcademiaFallo::mismoFallo(&profe7, &horario7));
        QVERIFY(EstadoAcademiaFallo::mismoFallo(&horario7, &horario7Otro));
        QVERIFY(!EstadoAcademiaFallo::mismoFallo(&noAsignado, &otroCurso));
        QVERIFY(EstadoAcademiaFallo::mismoFallo(&doble, &dobleOtraAlta));
        QVERIFY(!EstadoAcademiaFallo::mismoFallo(&doble, &dobleOtroAlumno));
        // the subject could not be reached: nothing to compare with
        QVERIFY(!EstadoAcademiaFallo::mismoFallo(&sinTurno, &sinTurno));
        QVERIFY(!EstadoAcademiaFallo::mismoFallo(&doble, nullptr));
    }

    void fallosDelArranqueQuedanIgnorados()
    {
        const int mates = asignatura(QStringLiteral("Matemáticas"));
        const int vacio = turno(mates, QStringLiteral("Vacío"));
        Academia::inicializarEstado();
        QVERIFY(Academia::avisosActuales().isEmpty());
        QCOMPARE(Academia::avisosIgnorados().size(), 1);

        // found again: ignored; a new one is not
        const int nuevo = turno(mates, QStringLiteral("Nuevo"));
        Resultado r{Academia::comprobarEstado()};
        const auto f = r.fallos(EstadoAcademiaFallo::TurnoSinSesiones);
        QCOMPARE(f.size(), 2);
        for (EstadoAcademiaFallo* e : f) {
            const int id = static_cast<EstadoAcademiaFalloTurnoSinUso*>(e)->idTurnoAsignatura();
            QVERIFY(id == vacio || id == nuevo);
            QCOMPARE(e->isIgnorado(), id == vacio);
        }
        QCOMPARE(Academia::avisosActuales().size(), 2);
        QCOMPARE(Academia::avisosIgnorados().size(), 1);

        // saving anyway makes both ignored at the next check
        Academia::ignorarAvisos();
        Resultado r2{Academia::comprobarEstado()};
        for (EstadoAcademiaFallo* e : r2.fallos(EstadoAcademiaFallo::TurnoSinSesiones))
            QVERIFY(e->isIgnorado());
    }

    void excesoCambiadoSigueIgnorado()
    {
        const int turnoM = turno(asignatura(QStringLiteral("Matemáticas")), QStringLiteral("Mañana"));
        const int u = aula(QStringLiteral("Aula 1"), 1);
        sesion(turnoM, u, 1, 600, 660, profesor(QStringLiteral("Pedro")));
        alta(alumno(QStringLiteral("Ana")), turnoM, QStringLiteral("Ana"), QStringLiteral("M"), QStringLiteral("T"));
        alta(alumno(QStringLiteral("Bea")), turnoM, QStringLiteral("Bea"), QStringLiteral("M"), QStringLiteral("T"));
        Academia::inicializarEstado();

        alta(alumno(QStringLiteral("Cris")), turnoM, QStringLiteral("Cris"), QStringLiteral("M"), QStringLiteral("T"));
        Resultado r{Academia::comprobarEstado()};
        const auto f = r.fallos(EstadoAcademiaFallo::Aforo);
        QCOMPARE(f.size(), 1);
        QCOMPARE(static_cast<EstadoAcademiaFalloAforo*>(f.first())->exceso(), 2);
        QVERIFY(f.first()->isIgnorado());
    }

    void dosAltasDobleDeDistintosAlumnosSonDistintas()
    {
        const int mates = asignatura(QStringLiteral("Matemáticas"));
        const int t1 = turno(mates, QStringLiteral("Mañana"));
        const int t2 = turno(mates, QStringLiteral("Tarde"));
        const int ana = alumno(QStringLiteral("Ana"));
        alta(ana, t1, QStringLiteral("Ana"), QStringLiteral("Matemáticas"), QStringLiteral("Mañana"));
        alta(ana, t2, QStringLiteral("Ana"), QStringLiteral("Matemáticas"), QStringLiteral("Tarde"));
        Academia::inicializarEstado();

        const int bea = alumno(QStringLiteral("Bea"));
        alta(bea, t1, QStringLiteral("Bea"), QStringLiteral("Matemáticas"), QStringLiteral("Mañana"));
        alta(bea, t2, QStringLiteral("Bea"), QStringLiteral("Matemáticas"), QStringLiteral("Tarde"));
        Resultado r{Academia::comprobarEstado()};
        const auto f = r.fallos(EstadoAcademiaFallo::AsignaturaDoble);
        QCOMPARE(f.size(), 2);
        for (EstadoAcademiaFallo* e : f)
            QCOMPARE(e->isIgnorado(), static_cast<EstadoAcademiaFalloAsignaturaDoble*>(e)->idAlumno() == ana);
    }

    void ignorarDosVecesVaciaLasListas()
    {
        turno(asignatura(QStringLiteral("Matemáticas")), QStringLiteral("Vacío"));
        Resultado r{Academia::comprobarEstado()};
        QCOMPARE(Academia::avisosActuales().size(), 1);
        Academia::ignorarAvisos();
        QCOMPARE(Academia::avisosIgnorados().size(), 1);
        QVERIFY(Academia::avisosActuales().isEmpty());
        Academia::ignorarAvisos();
        QVERIFY(Academia::avisosIgnorados().isEmpty());
        QVERIFY(Academia::avisosActuales().isEmpty());
    }

    void inconsistenciasNoEntranEnLasListas()
    {
        const int t = turno(asignatura(QStringLiteral("Matemáticas")), QStringLiteral("Mañana"));
        const int u = aula(QStringLiteral("Aula 1"));
        const int p = profesor(QStringLiteral("Pedro"));
        sesion(t, u, 1, 600, 660, p);
        sesion(t, u, 1, 630, 690, p);
        Resultado r{Academia::comprobarEstado()};
        QVERIFY(!r.todos.isEmpty());
        QVERIFY(r.fallos(EstadoAcademiaFallo::TurnoSinSesiones).isEmpty());
        QVERIFY(Academia::avisosActuales().isEmpty());
    }

    void turnoBorradoEnLaTransaccion()
    {
        // an ignored double enrolment whose shift then goes, inside the open transaction
        const int mates = asignatura(QStringLiteral("Matemáticas"));
        const int t1 = turno(mates, QStringLiteral("Mañana"));
        const int t2 = turno(mates, QStringLiteral("Tarde"));
        const int t3 = turno(mates, QStringLiteral("Noche"));
        const int ana = alumno(QStringLiteral("Ana"));
        alta(ana, t1, QStringLiteral("Ana"), QStringLiteral("Matemáticas"), QStringLiteral("Mañana"));
        alta(ana, t2, QStringLiteral("Ana"), QStringLiteral("Matemáticas"), QStringLiteral("Tarde"));
        alta(ana, t3, QStringLiteral("Ana"), QStringLiteral("Matemáticas"), QStringLiteral("Noche"));
        Academia::inicializarEstado();
        const QString antes = Academia::avisosIgnorados().first()->descripcion();

        QVERIFY(Academia::transaction());
        QVERIFY(Dao::getInstance()->execute(QStringLiteral("UPDATE alta SET idturnoasignatura = NULL WHERE idturnoasignatura = ?"), {t1}));
        QVERIFY(Dao::getInstance()->execute(QStringLiteral("DELETE FROM turnoasignatura WHERE id = ?"), {t1}));
        Resultado r{Academia::comprobarEstado()};
        const auto f = r.fallos(EstadoAcademiaFallo::AsignaturaDoble);
        // still two open shifts of the subject: the same student and subject, so the same fault
        QCOMPARE(f.size(), 1);
        QVERIFY(f.first()->isIgnorado());
        // the ignored fault describes itself with what it kept
        QCOMPARE(Academia::avisosIgnorados().first()->descripcion(), antes);
        QVERIFY(Academia::rollback());
    }

    void turnoQuitadoConSuClase()
    {
        // the shift goes through its own removal, inside the editor's transaction
        const int mates = asignatura(QStringLiteral("Matemáticas"));
        const int manana = turno(mates, QStringLiteral("Mañana"));
        const int tarde = turno(mates, QStringLiteral("Tarde"));
        const int ana = alumno(QStringLiteral("Ana"));
        alta(ana, manana, QStringLiteral("Ana"), QStringLiteral("Matemáticas"), QStringLiteral("Mañana"));
        alta(ana, tarde, QStringLiteral("Ana"), QStringLiteral("Matemáticas"), QStringLiteral("Tarde"));
        Academia::inicializarEstado();
        QCOMPARE(Academia::avisosIgnorados().size(), 3);
        Resultado antes{Academia::comprobarEstado()};
        QStringList textos;
        for (EstadoAcademia* e : std::as_const(antes.todos))
            textos << e->descripcion();

        ScriptedPrompter prompter;
        QVERIFY(Academia::transaction());
        QVERIFY(TurnoAsignatura::remove(tarde, false));
        // a shift without sessions goes without questions
        QVERIFY(prompter.allAnswered());
        Resultado despues{Academia::comprobarEstado()};
        // only the morning shift without sessions is left, still the ignored one
        QCOMPARE(despues.todos.size(), 1);
        QCOMPARE(despues.fallos(EstadoAcademiaFallo::TurnoSinSesiones).size(), 1);
        QVERIFY(despues.todos.first()->tipo() == EstadoAcademia::Fallo
                && static_cast<EstadoAcademiaFallo*>(despues.todos.first())->isIgnorado());
        for (int i = 0; i < antes.todos.size(); ++i)
            QCOMPARE(antes.todos.at(i)->descripcion(), textos.at(i));
        for (EstadoAcademiaFallo* f : Academia::avisosIgnorados())
            QVERIFY(!f->descripcion().isEmpty());
        QVERIFY(Academia::rollback());
    }

    void resultadoAnteriorSigueLegible()
    {
        // the status dialog keeps the list of one check while it runs the next ("Reload")
        const int mates = asignatura(QStringLiteral("Matemáticas"));
        const int t = turno(mates, QStringLiteral("Vacío"));
        Resultado primero{Academia::comprobarEstado()};
        QCOMPARE(primero.todos.size(), 1);
        const QString texto = primero.todos.first()->descripcion();

        QVERIFY(Academia::transaction());
        QVERIFY(Dao::getInstance()->execute(QStringLiteral("DELETE FROM turnoasignatura WHERE id = ?"), {t}));
        Resultado segundo{Academia::comprobarEstado()};
        QVERIFY(segundo.todos.isEmpty());
        QCOMPARE(primero.todos.first()->descripcion(), texto);
        QCOMPARE(primero.todos.first()->tipo(), int(EstadoAcademia::Fallo));
        QVERIFY(Academia::rollback());

        Resultado tercero{Academia::comprobarEstado()};
        QCOMPARE(primero.todos.first()->descripcion(), texto);
        QCOMPARE(tercero.todos.size(), 1);
        QCOMPARE(tercero.todos.first()->descripcion(), texto);
    }
};

PENSARIO_TEST_MAIN(TestEstadoAcademia)
#include "tst_estadoacademia.moc"
