// Fault identity across checks, the current and ignored fault lists, and
// results that outlive the data or the check they came from.

#include "estadoacademiafalloaforo.h"
#include "estadoacademiafalloasignaturadoble.h"
#include "estadoacademiafallohorario.h"
#include "estadoacademiafalloprofe.h"
#include "estadoacademiafalloturnonoasignado.h"
#include "estadoacademiafalloturnosinuso.h"
#include "daotransaction.h"
#include "testmain.h"
#include "tst_academiafixture.h"

#include <QtTest>

using namespace AcademiaFixture;

class TestEstadoAcademia : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(abrirBaseNueva()); }

    void dayNamesFollowTheChosenLocale()
    {
        // the application's chosen language, not the machine's
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        const QString lunes = EstadoAcademia::nombreDia(1);
        QLocale::setDefault(before);
        QCOMPARE(lunes, u"lunes"_s);
        QVERIFY(EstadoAcademia::nombreDia(8).isEmpty());
    }

    void mismoFallo()
    {
        const EstadoAcademiaFalloAforo aforo(3, 1, u"A"_s, 7, 1, 600), otroExceso(1, 1, u"A"_s, 7, 1, 600),
            otraSesion(3, 1, u"A"_s, 8, 1, 600);
        const EstadoAcademiaFalloProfe profe7(7, 1, 600, u"A"_s);
        const EstadoAcademiaFalloHorario horario7(7, 1, 600);
        const EstadoAcademiaFalloTurnoNoAsignado noAsignado(4, u"X"_s, 9, u"C"_s), otroCurso(4, u"X"_s, 10, u"C"_s);
        const EstadoAcademiaFalloAsignaturaDoble doble(11, 5, 2, u"Ana"_s, u"M"_s), otraAlta(12, 5, 2, u"Ana"_s, u"M"_s),
            otroAlumno(13, 6, 2, u"Bea"_s, u"M"_s), sinTurno(11, 5, 0, u"Ana"_s, u"M"_s);
        QVERIFY(EstadoAcademiaFallo::mismoFallo(&aforo, &otroExceso));
        QVERIFY(!EstadoAcademiaFallo::mismoFallo(&aforo, &otraSesion));
        QVERIFY(!EstadoAcademiaFallo::mismoFallo(&profe7, &horario7)); // same session, other kind
        QVERIFY(!EstadoAcademiaFallo::mismoFallo(&noAsignado, &otroCurso));
        QVERIFY(EstadoAcademiaFallo::mismoFallo(&doble, &otraAlta));
        QVERIFY(!EstadoAcademiaFallo::mismoFallo(&doble, &otroAlumno));
        // the subject could not be reached: nothing to compare with
        QVERIFY(!EstadoAcademiaFallo::mismoFallo(&sinTurno, &sinTurno));
        QVERIFY(!EstadoAcademiaFallo::mismoFallo(&doble, nullptr));
    }

    // The results reused between checks are those of the state the database
    // holds: writes inside the open transaction, the database's own knock-on
    // changes, a rollback and the opening hours are all seen.
    void resultadosReutilizadosSiguenLosCambios()
    {
        const int ingles = asignatura(u"Inglés"_s);
        const int manha = turno(ingles, u"Mañá"_s);
        const int sala = aula(u"Sala"_s);
        const int eva = profesor(u"Eva"_s);
        const int sesionManha = sesion(manha, sala, 1, 600, 660, eva);
        const int breixo = alumno(u"Breixo"_s);
        alta(breixo, manha, u"Breixo Souto"_s, u"Inglés"_s, u"Mañá"_s);
        alta(breixo, manha, u"Breixo Souto"_s, u"Inglés"_s, u"Mañá"_s);
        configurar(u"hora_apertura"_s, 8);
        configurar(u"hora_cierre"_s, 22);
        QCOMPARE(Resultado{Academia::comprobarEstado()}.dobles().size(), 1);
        const QSet<QString> antes = Academia::identidadesEstado();
        QCOMPARE(antes.size(), 1);

        QVERIFY(Academia::transaction());
        QVERIFY(Dao::getInstance()->execute(u"DELETE FROM alumno WHERE id = ?"_s, {breixo}));
        QCOMPARE(academy::count(u"SELECT count(*) FROM alta"_s), 0);
        QVERIFY(Resultado{Academia::comprobarEstado()}.dobles().isEmpty());
        QVERIFY(Dao::getInstance()->execute(u"DELETE FROM profesor WHERE id = ?"_s, {eva}));
        QVERIFY(Resultado{Academia::comprobarEstado()}.todos.isEmpty());
        QVERIFY(Academia::rollback());
        {
            Resultado r{Academia::comprobarEstado()};
            QCOMPARE(r.dobles().size(), 1);
            QCOMPARE(r.todos.size(), 1);
        }
        QCOMPARE(Academia::identidadesEstado(), antes);

        // a write taken back to a savepoint inside the open transaction
        QVERIFY(Academia::transaction());
        {
            DaoTransaction parte(DaoTransaction::OwnOrSavepoint);
            QVERIFY(Dao::getInstance()->execute(u"DELETE FROM alta WHERE idalumno = ?"_s, {breixo}));
            QVERIFY(Resultado{Academia::comprobarEstado()}.dobles().isEmpty());
        }
        QCOMPARE(Resultado{Academia::comprobarEstado()}.dobles().size(), 1);
        QVERIFY(Academia::rollback());

        // the teacher is gone: his session with a student has none
        QVERIFY(Dao::getInstance()->execute(u"DELETE FROM profesor WHERE id = ?"_s, {eva}));
        QCOMPARE(Resultado{Academia::comprobarEstado()}.fallos(EstadoAcademiaFallo::SinProfesor).size(), 1);
        configurar(u"hora_apertura"_s, 11);
        QCOMPARE(Resultado{Academia::comprobarEstado()}.fallos(EstadoAcademiaFallo::FueraDeHorario).size(), 1);
        QVERIFY(Dao::getInstance()->execute(u"UPDATE sesiondeclase SET minutoinicio = 700, minutofin = 760 "
                                            "WHERE id = ?"_s,
                                            {sesionManha}));
        QVERIFY(Resultado{Academia::comprobarEstado()}.fallos(EstadoAcademiaFallo::FueraDeHorario).isEmpty());
    }

    void fallosDelArranqueQuedanIgnorados()
    {
        const int mates = asignatura(u"Matemáticas"_s);
        const int vacio = turno(mates, u"Vacío"_s);
        Academia::inicializarEstado();
        QVERIFY(Academia::avisosActuales().isEmpty());
        QCOMPARE(Academia::avisosIgnorados().size(), 1);

        // found again: ignored; a new one is not
        const int nuevo = turno(mates, u"Nuevo"_s);
        Resultado r{Academia::comprobarEstado()};
        const auto f = r.fallos(EstadoAcademiaFallo::TurnoSinSesiones);
        QCOMPARE(f.size(), 2);
        for (EstadoAcademiaFallo* e : f) {
            const int id = static_cast<EstadoAcademiaFalloTurnoSinUso*>(e)->idTurnoAsignatura();
            QVERIFY(id == vacio || id == nuevo);
            QCOMPARE(e->isIgnorado(), id == vacio);
        }
        QCOMPARE(Academia::avisosActuales().size(), 2);

        // saving anyway makes both ignored at the next check
        Academia::ignorarAvisos();
        Resultado r2{Academia::comprobarEstado()};
        for (EstadoAcademiaFallo* e : r2.fallos(EstadoAcademiaFallo::TurnoSinSesiones))
            QVERIFY(e->isIgnorado());
        // ignoring twice in a row empties both lists
        Academia::ignorarAvisos();
        Academia::ignorarAvisos();
        QVERIFY(Academia::avisosIgnorados().isEmpty());
        QVERIFY(Academia::avisosActuales().isEmpty());
    }

    void turnoBorradoEnLaTransaccion()
    {
        // an ignored double enrolment whose shift then goes, inside the open transaction
        const int mates = asignatura(u"Matemáticas"_s);
        const int t1 = turno(mates, u"Mañana"_s);
        const int ana = alumno(u"Ana"_s);
        alta(ana, t1, u"Ana"_s, u"Matemáticas"_s, u"Mañana"_s);
        alta(ana, turno(mates, u"Tarde"_s), u"Ana"_s, u"Matemáticas"_s, u"Tarde"_s);
        alta(ana, turno(mates, u"Noche"_s), u"Ana"_s, u"Matemáticas"_s, u"Noche"_s);
        Academia::inicializarEstado();
        const QString antes = Academia::avisosIgnorados().first()->descripcion();

        QVERIFY(Academia::transaction());
        QVERIFY(Dao::getInstance()->execute(u"UPDATE alta SET idturnoasignatura = NULL WHERE idturnoasignatura = ?"_s, {t1}));
        QVERIFY(Dao::getInstance()->execute(u"DELETE FROM turnoasignatura WHERE id = ?"_s, {t1}));
        Resultado r{Academia::comprobarEstado()};
        const auto f = r.fallos(EstadoAcademiaFallo::AsignaturaDoble);
        // still two open shifts of the subject: the same student and subject, so the same fault
        QCOMPARE(f.size(), 1);
        QVERIFY(f.first()->isIgnorado());
        // the ignored fault describes itself with what it kept
        QCOMPARE(Academia::avisosIgnorados().first()->descripcion(), antes);
        QVERIFY(Academia::rollback());
    }

    void resultadoAnteriorSigueLegible()
    {
        // the status dialog keeps the list of one check while it runs the next
        const int t = turno(asignatura(u"Matemáticas"_s), u"Vacío"_s);
        Resultado primero{Academia::comprobarEstado()};
        QCOMPARE(primero.todos.size(), 1);
        const QString texto = primero.todos.first()->descripcion();

        QVERIFY(Academia::transaction());
        QVERIFY(Dao::getInstance()->execute(u"DELETE FROM turnoasignatura WHERE id = ?"_s, {t}));
        Resultado segundo{Academia::comprobarEstado()};
        QVERIFY(segundo.todos.isEmpty());
        QCOMPARE(primero.todos.first()->descripcion(), texto);
        QCOMPARE(primero.todos.first()->tipo(), int(EstadoAcademia::Fallo));
        QVERIFY(Academia::rollback());

        Resultado tercero{Academia::comprobarEstado()};
        QCOMPARE(primero.todos.first()->descripcion(), texto);
        QCOMPARE(tercero.todos.size(), 1);
    }
};

PENSARIO_TEST_MAIN(TestEstadoAcademia)
#include "tst_estadoacademia.moc"
