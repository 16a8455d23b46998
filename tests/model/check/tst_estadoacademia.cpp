// Fault identity across checks, the current and ignored fault lists, and
// results that outlive the data or the check they came from.

#include "estadoacademiafalloaforo.h"
#include "estadoacademiafalloasignaturadoble.h"
#include "estadoacademiafallohorario.h"
#include "estadoacademiafalloprofe.h"
#include "estadoacademiafalloturnonoasignado.h"
#include "estadoacademiafalloturnosinuso.h"
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
