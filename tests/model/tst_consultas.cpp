// The eleven queries of the consistency check, each with a case that produces
// its finding and a near miss that must not.

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

namespace {
constexpr int Lunes = 1;
constexpr int Martes = 2;
int hm(int h, int m)
{
    return h * 60 + m;
}
} // namespace

class TestConsultas : public QObject
{
    Q_OBJECT

private:
    // a subject with one shift, for checks that need a session somewhere
    int m_mates = 0, m_turnoMates = 0, m_aula = 0, m_profe = 0;

    void baseComun()
    {
        QVERIFY(abrirBaseNueva());
        m_mates = asignatura(QStringLiteral("Matemáticas"));
        m_turnoMates = turno(m_mates, QStringLiteral("Mañana"));
        m_aula = aula(QStringLiteral("Aula 1"));
        m_profe = profesor(QStringLiteral("Pedro"));
        QVERIFY(m_turnoMates > 0 && m_aula > 0 && m_profe > 0);
    }

private slots:
    void init()
    {
        baseComun();
    }

    void solapamientoDeAlumno()
    {
        const int fisica = asignatura(QStringLiteral("Física"));
        const int turnoFisica = turno(fisica, QStringLiteral("Tarde"));
        const int aula2 = aula(QStringLiteral("Aula 2"));
        const int s1 = sesion(m_turnoMates, m_aula, Lunes, hm(10, 0), hm(11, 0), m_profe);
        const int s2 = sesion(turnoFisica, aula2, Lunes, hm(10, 30), hm(11, 30), profesor(QStringLiteral("Rosa")));
        const int ana = alumno(QStringLiteral("Ana"));
        alta(ana, m_turnoMates, QStringLiteral("Souto, Ana"), QStringLiteral("Matemáticas"), QStringLiteral("Mañana"));
        alta(ana, turnoFisica, QStringLiteral("Souto, Ana"), QStringLiteral("Física"), QStringLiteral("Tarde"));

        Resultado r{Academia::comprobarEstado()};
        const auto s = r.solapamientos(EstadoAcademiaInconsistenciaSolapamiento::Alumno);
        QCOMPARE(s.size(), 2);
        QCOMPARE(s.at(0)->tipo(), int(EstadoAcademia::Inconsistencia));
        QStringList textos;
        QList<int> ids;
        for (auto* e : s) {
            textos << e->descripcion();
            ids << e->id();
        }
        QVERIFY(ids.contains(s1) && ids.contains(s2));
        // each finding shows its own session's times and subject
        const QString deS1 = QStringLiteral("Student Souto, Ana has session Matemáticas overlapped %1s from 10:00 to 11:00")
                                 .arg(dia(Lunes));
        const QString deS2 = QStringLiteral("Student Souto, Ana has session Física overlapped %1s from 10:30 to 11:30")
                                 .arg(dia(Lunes));
        QCOMPARE(textos.at(ids.indexOf(s1)), deS1);
        QCOMPARE(textos.at(ids.indexOf(s2)), deS2);
    }

    void solapamientoDeAlumno_casiNo_data()
    {
        QTest::addColumn<int>("inicio2");
        QTest::addColumn<int>("dia2");
        QTest::addColumn<QDate>("falta2");
        QTest::addColumn<QDate>("fbaja2");
        const QDate hoy = QDate::currentDate();
        QTest::newRow("touching") << hm(11, 0) << Lunes << hoy.addMonths(-1) << QDate();
        QTest::newRow("other day") << hm(10, 30) << Martes << hoy.addMonths(-1) << QDate();
        QTest::newRow("withdrawn yesterday") << hm(10, 30) << Lunes << hoy.addMonths(-3) << hoy.addDays(-1);
        QTest::newRow("withdrawn today") << hm(10, 30) << Lunes << hoy.addMonths(-3) << hoy;
        // both enrolments are open, but the second starts after the first ends
        QTest::newRow("periods apart") << hm(10, 30) << Lunes << hoy.addMonths(3) << QDate();
    }

    void solapamientoDeAlumno_casiNo()
    {
        QFETCH(int, inicio2);
        QFETCH(int, dia2);
        QFETCH(QDate, falta2);
        QFETCH(QDate, fbaja2);
        const int turnoFisica = turno(asignatura(QStringLiteral("Física")), QStringLiteral("Tarde"));
        const int aula2 = aula(QStringLiteral("Aula 2"));
        sesion(m_turnoMates, m_aula, Lunes, hm(10, 0), hm(11, 0), m_profe);
        sesion(turnoFisica, aula2, dia2, inicio2, inicio2 + 60, profesor(QStringLiteral("Rosa")));
        const int ana = alumno(QStringLiteral("Ana"));
        const QDate hoy = QDate::currentDate();
        // the first enrolment is open and ends in two months (a date after today)
        alta(ana, m_turnoMates, QStringLiteral("Ana"), QStringLiteral("Matemáticas"), QStringLiteral("Mañana"),
             hoy.addMonths(-4), QTest::currentDataTag() == QByteArray("periods apart") ? hoy.addMonths(2) : QDate());
        alta(ana, turnoFisica, QStringLiteral("Ana"), QStringLiteral("Física"), QStringLiteral("Tarde"), falta2, fbaja2);

        Resultado r{Academia::comprobarEstado()};
        QVERIFY(r.solapamientos(EstadoAcademiaInconsistenciaSolapamiento::Alumno).isEmpty());
    }

    void aforoSuperado()
    {
        const int pequena = aula(QStringLiteral("Aula pequeña"), 2);
        const int s = sesion(m_turnoMates, pequena, Lunes, hm(17, 5), hm(18, 0), m_profe);
        for (const QString& n : {QStringLiteral("Ana"), QStringLiteral("Brais"), QStringLiteral("Carla")})
            alta(alumno(n), m_turnoMates, n, QStringLiteral("Matemáticas"), QStringLiteral("Mañana"));
        // withdrawn: does not take a seat any more
        alta(alumno(QStringLiteral("Dani")), m_turnoMates, QStringLiteral("Dani"), QStringLiteral("Matemáticas"),
             QStringLiteral("Mañana"), QDate::currentDate().addMonths(-6), QDate::currentDate().addMonths(-1));

        Resultado r{Academia::comprobarEstado()};
        const auto f = r.fallos(EstadoAcademiaFallo::Aforo);
        QCOMPARE(f.size(), 1);
        auto* aforo = static_cast<EstadoAcademiaFalloAforo*>(f.first());
        QCOMPARE(aforo->exceso(), 1);
        QCOMPARE(aforo->idAula(), pequena);
        QCOMPARE(aforo->idSesion(), s);
        QCOMPARE(aforo->descripcion(),
                 QStringLiteral("The capacity of classroom Aula pequeña is surpassed by 1 students on %1 at 17:05")
                     .arg(dia(Lunes)));
    }

    void aforoSuperado_casiNo()
    {
        const int pequena = aula(QStringLiteral("Aula pequeña"), 2);
        sesion(m_turnoMates, pequena, Lunes, hm(17, 0), hm(18, 0), m_profe);
        for (const QString& n : {QStringLiteral("Ana"), QStringLiteral("Brais")})
            alta(alumno(n), m_turnoMates, n, QStringLiteral("Matemáticas"), QStringLiteral("Mañana"));
        alta(alumno(QStringLiteral("Dani")), m_turnoMates, QStringLiteral("Dani"), QStringLiteral("Matemáticas"),
             QStringLiteral("Mañana"), QDate::currentDate().addMonths(-6), QDate::currentDate().addDays(-1));

        Resultado r{Academia::comprobarEstado()};
        QVERIFY(r.fallos(EstadoAcademiaFallo::Aforo).isEmpty());
    }

    void sesionSinProfesor()
    {
        const int s = sesion(m_turnoMates, m_aula, Martes, hm(9, 45), hm(11, 0), 0);
        alta(alumno(QStringLiteral("Ana")), m_turnoMates, QStringLiteral("Ana"), QStringLiteral("Matemáticas"),
             QStringLiteral("Mañana"));

        Resultado r{Academia::comprobarEstado()};
        const auto f = r.fallos(EstadoAcademiaFallo::SinProfesor);
        QCOMPARE(f.size(), 1);
        QCOMPARE(static_cast<EstadoAcademiaFalloProfe*>(f.first())->idSesion(), s);
        QCOMPARE(f.first()->descripcion(),
                 QStringLiteral("In classroom Aula 1 there is no professor %1s at 09:45").arg(dia(Martes)));
        QVERIFY(!f.first()->isIgnorado());
    }

    void sesionSinProfesor_casiNo()
    {
        // no teacher, but nobody is signed up any more, or never was
        sesion(m_turnoMates, m_aula, Martes, hm(10, 0), hm(11, 0), 0);
        alta(alumno(QStringLiteral("Ana")), m_turnoMates, QStringLiteral("Ana"), QStringLiteral("Matemáticas"),
             QStringLiteral("Mañana"), QDate::currentDate().addYears(-1), QDate::currentDate().addDays(-3));
        const int vacio = turno(m_mates, QStringLiteral("Vacío"));
        sesion(vacio, m_aula, Lunes, hm(10, 0), hm(11, 0), 0);

        Resultado r{Academia::comprobarEstado()};
        QVERIFY(r.fallos(EstadoAcademiaFallo::SinProfesor).isEmpty());
    }

    void solapamientoDeProfesor()
    {
        const int otro = turno(asignatura(QStringLiteral("Química")), QStringLiteral("Tarde"));
        const int a = sesion(m_turnoMates, m_aula, Lunes, hm(10, 0), hm(11, 0), m_profe);
        const int b = sesion(otro, aula(QStringLiteral("Laboratorio")), Lunes, hm(10, 30), hm(11, 30), m_profe);

        Resultado r{Academia::comprobarEstado()};
        const auto s = r.solapamientos(EstadoAcademiaInconsistenciaSolapamiento::Profesor);
        QCOMPARE(s.size(), 2);
        for (auto* e : s) {
            QVERIFY(e->id() == a || e->id() == b);
            // the finding of one session shows the subject of that session and the times of the other
            if (e->id() == a)
                QCOMPARE(e->descripcion(),
                         QStringLiteral("Teacher Pedro has session Matemáticas overlapped %1s from 10:30 to 11:30")
                             .arg(dia(Lunes)));
            else
                QCOMPARE(e->descripcion(),
                         QStringLiteral("Teacher Pedro has session Química overlapped %1s from 10:00 to 11:00")
                             .arg(dia(Lunes)));
        }
        QVERIFY(s.at(0)->id() != s.at(1)->id());
    }

    void solapamientoDeProfesor_casiNo()
    {
        const int otro = turno(asignatura(QStringLiteral("Química")), QStringLiteral("Tarde"));
        sesion(m_turnoMates, m_aula, Lunes, hm(10, 0), hm(11, 0), m_profe);
        sesion(otro, aula(QStringLiteral("Laboratorio")), Lunes, hm(11, 0), hm(12, 0), m_profe);
        // same hours, other teacher
        sesion(otro, aula(QStringLiteral("Taller")), Lunes, hm(10, 0), hm(11, 0), profesor(QStringLiteral("Rosa")));

        Resultado r{Academia::comprobarEstado()};
        QVERIFY(r.solapamientos(EstadoAcademiaInconsistenciaSolapamiento::Profesor).isEmpty());
    }

    void solapamientoDeTurno()
    {
        const int a = sesion(m_turnoMates, m_aula, Lunes, hm(10, 0), hm(11, 0), m_profe);
        const int b = sesion(m_turnoMates, aula(QStringLiteral("Aula 2")), Lunes, hm(10, 30), hm(11, 30),
                             profesor(QStringLiteral("Rosa")));

        Resultado r{Academia::comprobarEstado()};
        const auto s = r.solapamientos(EstadoAcademiaInconsistenciaSolapamiento::TurnoAsignatura);
        QCOMPARE(s.size(), 2);
        for (auto* e : s) {
            const QString otras = e->id() == a ? QStringLiteral("10:30 to 11:30") : QStringLiteral("10:00 to 11:00");
            QVERIFY(e->id() == a || e->id() == b);
            QCOMPARE(e->descripcion(),
                     QStringLiteral("Subject Matemáticas is overlapped %1s from %2").arg(dia(Lunes), otras));
        }
    }

    void solapamientoDeTurno_casiNo()
    {
        sesion(m_turnoMates, m_aula, Lunes, hm(10, 0), hm(11, 0), m_profe);
        sesion(m_turnoMates, m_aula, Martes, hm(10, 0), hm(11, 0), m_profe);
        sesion(m_turnoMates, m_aula, Lunes, hm(9, 0), hm(10, 0), m_profe);
        // same hours in another shift of the same subject
        sesion(turno(m_mates, QStringLiteral("Tarde")), aula(QStringLiteral("Aula 2")), Lunes, hm(10, 0), hm(11, 0),
               profesor(QStringLiteral("Rosa")));

        Resultado r{Academia::comprobarEstado()};
        QVERIFY(r.solapamientos(EstadoAcademiaInconsistenciaSolapamiento::TurnoAsignatura).isEmpty());
    }

    void turnoSinSesiones()
    {
        sesion(m_turnoMates, m_aula, Lunes, hm(10, 0), hm(11, 0), m_profe);
        const int vacio = turno(m_mates, QStringLiteral("Sábados"));

        Resultado r{Academia::comprobarEstado()};
        const auto f = r.fallos(EstadoAcademiaFallo::TurnoSinSesiones);
        // the shift with a session is not reported
        QCOMPARE(f.size(), 1);
        QCOMPARE(static_cast<EstadoAcademiaFalloTurnoSinUso*>(f.first())->idTurnoAsignatura(), vacio);
        QCOMPARE(f.first()->descripcion(),
                 QStringLiteral("The shift Sábados of subject Matemáticas has no sessions assigned"));
    }

    void fueraDeHorario()
    {
        // nothing configured: 09:30 to 22:00, as the hour getters say
        const int temprano = sesion(m_turnoMates, m_aula, Lunes, hm(9, 0), hm(10, 0), m_profe);
        const int tarde = sesion(m_turnoMates, m_aula, Martes, hm(21, 30), hm(22, 15), m_profe);
        sesion(m_turnoMates, m_aula, Lunes, hm(9, 30), hm(10, 30), m_profe);
        sesion(m_turnoMates, m_aula, Martes, hm(21, 0), hm(22, 0), m_profe);

        Resultado r{Academia::comprobarEstado()};
        const auto f = r.fallos(EstadoAcademiaFallo::FueraDeHorario);
        QCOMPARE(f.size(), 2);
        QCOMPARE(static_cast<EstadoAcademiaFalloHorario*>(f.at(0))->idSesion(), temprano);
        QCOMPARE(static_cast<EstadoAcademiaFalloHorario*>(f.at(1))->idSesion(), tarde);
        QCOMPARE(f.at(0)->descripcion(),
                 QStringLiteral("Session shouldn't begin %1 at 09:00, because the configured opening hours are from "
                                "09:30 to 22:00")
                     .arg(dia(Lunes)));
    }

    void fueraDeHorario_configurado()
    {
        // a stored hour without its minute key keeps the default minute
        configurar(QStringLiteral("hora_apertura"), 8);
        configurar(QStringLiteral("hora_cierre"), 14);
        configurar(QStringLiteral("minuto_cierre"), 15);
        sesion(m_turnoMates, m_aula, Lunes, hm(8, 30), hm(14, 15), m_profe);
        const int antes = sesion(m_turnoMates, m_aula, Martes, hm(8, 29), hm(9, 0), m_profe);
        const int despues = sesion(m_turnoMates, m_aula, Martes, hm(13, 0), hm(14, 16), m_profe);

        Resultado r{Academia::comprobarEstado()};
        const auto f = r.fallos(EstadoAcademiaFallo::FueraDeHorario);
        QCOMPARE(f.size(), 2);
        QCOMPARE(static_cast<EstadoAcademiaFalloHorario*>(f.at(0))->idSesion(), antes);
        QCOMPARE(static_cast<EstadoAcademiaFalloHorario*>(f.at(1))->idSesion(), despues);
        QVERIFY(f.at(1)->descripcion().endsWith(QStringLiteral("from 08:30 to 14:15")));
    }

    void solapamientoDeAula()
    {
        const int otro = turno(asignatura(QStringLiteral("Química")), QStringLiteral("Tarde"));
        const int a = sesion(m_turnoMates, m_aula, Lunes, hm(16, 0), hm(17, 0), m_profe);
        const int b = sesion(otro, m_aula, Lunes, hm(16, 45), hm(18, 0), profesor(QStringLiteral("Rosa")));

        Resultado r{Academia::comprobarEstado()};
        const auto s = r.solapamientos(EstadoAcademiaInconsistenciaSolapamiento::Aula);
        QCOMPARE(s.size(), 2);
        for (auto* e : s) {
            QVERIFY(e->id() == a || e->id() == b);
            if (e->id() == a)
                QCOMPARE(e->descripcion(),
                         QStringLiteral("Classroom Aula 1 has session Matemáticas overlapped %1s from 16:45 to 18:00")
                             .arg(dia(Lunes)));
        }
    }

    void solapamientoDeAula_casiNo()
    {
        const int otro = turno(asignatura(QStringLiteral("Química")), QStringLiteral("Tarde"));
        sesion(m_turnoMates, m_aula, Lunes, hm(10, 0), hm(11, 0), m_profe);
        sesion(otro, m_aula, Lunes, hm(11, 0), hm(12, 0), profesor(QStringLiteral("Rosa")));
        sesion(otro, aula(QStringLiteral("Aula 2")), Lunes, hm(10, 0), hm(11, 0), profesor(QStringLiteral("Xan")));

        Resultado r{Academia::comprobarEstado()};
        QVERIFY(r.solapamientos(EstadoAcademiaInconsistenciaSolapamiento::Aula).isEmpty());
        QVERIFY(r.solapamientos(EstadoAcademiaInconsistenciaSolapamiento::Profesor).isEmpty());
    }

    void asignaturaDeCursoSinTurno()
    {
        sesion(m_turnoMates, m_aula, Lunes, hm(10, 0), hm(11, 0), m_profe);
        const int lengua = asignatura(QStringLiteral("Lengua"));
        const int turnoLengua = turno(lengua, QStringLiteral("Mañana"));
        sesion(turnoLengua, m_aula, Martes, hm(10, 0), hm(11, 0), m_profe);
        const int primero = curso(QStringLiteral("1º ESO"));
        const int segundo = curso(QStringLiteral("2º ESO"));
        QVERIFY(cursoAsignatura(primero, m_mates));
        QVERIFY(cursoAsignatura(primero, lengua));
        turnoCurso(primero, QStringLiteral("A"), {m_turnoMates});
        // a shift of Lengua in another course's shift does not cover the first course
        turnoCurso(segundo, QStringLiteral("A"), {turnoLengua});

        Resultado r{Academia::comprobarEstado()};
        const auto f = r.fallos(EstadoAcademiaFallo::TurnoNoAsignado);
        QCOMPARE(f.size(), 1);
        auto* t = static_cast<EstadoAcademiaFalloTurnoNoAsignado*>(f.first());
        QCOMPARE(t->idAsignatura(), lengua);
        QCOMPARE(t->idCurso(), primero);
        QCOMPARE(t->descripcion(), QStringLiteral("Subject Lengua of course 1º ESO has no shifts assigned"));

        // covered once one of the course's shifts teaches it
        turnoCurso(primero, QStringLiteral("B"), {turnoLengua});
        Resultado r2{Academia::comprobarEstado()};
        QVERIFY(r2.fallos(EstadoAcademiaFallo::TurnoNoAsignado).isEmpty());
    }

    void dobleAltaEnTurno()
    {
        sesion(m_turnoMates, m_aula, Lunes, hm(10, 0), hm(11, 0), m_profe);
        const int ana = alumno(QStringLiteral("Ana"));
        alta(ana, m_turnoMates, QStringLiteral("Souto, Ana"), QStringLiteral("Matemáticas"), QStringLiteral("Mañana"));
        alta(ana, m_turnoMates, QStringLiteral("Souto, Ana"), QStringLiteral("Matemáticas"), QStringLiteral("Mañana"));

        Resultado r{Academia::comprobarEstado()};
        const auto d = r.dobles();
        QCOMPARE(d.size(), 1);
        QCOMPARE(d.first()->tipo(), int(EstadoAcademia::Inconsistencia));
        QCOMPARE(d.first()->descripcion(),
                 QStringLiteral("Student Souto, Ana has already signed up in subject Matemáticas, shift Mañana"));
    }

    void dobleAltaEnTurno_casiNo()
    {
        sesion(m_turnoMates, m_aula, Lunes, hm(10, 0), hm(11, 0), m_profe);
        const int ana = alumno(QStringLiteral("Ana"));
        alta(ana, m_turnoMates, QStringLiteral("Ana"), QStringLiteral("Matemáticas"), QStringLiteral("Mañana"),
             QDate::currentDate().addYears(-1), QDate::currentDate().addMonths(-2));
        alta(ana, m_turnoMates, QStringLiteral("Ana"), QStringLiteral("Matemáticas"), QStringLiteral("Mañana"));
        // another student in the same shift
        alta(alumno(QStringLiteral("Brais")), m_turnoMates, QStringLiteral("Brais"), QStringLiteral("Matemáticas"),
             QStringLiteral("Mañana"));

        // two enrolments left without their (removed) shifts are not one double sign-up
        const int bea = alumno(QStringLiteral("Bea"));
        QVERIFY(alta(bea, 0, QStringLiteral("Bea"), QStringLiteral("Física"), QStringLiteral("Tarde")) > 0);
        QVERIFY(alta(bea, 0, QStringLiteral("Bea"), QStringLiteral("Química"), QStringLiteral("Tarde")) > 0);

        Resultado r{Academia::comprobarEstado()};
        QVERIFY(r.dobles().isEmpty());
        QVERIFY(r.fallos(EstadoAcademiaFallo::AsignaturaDoble).isEmpty());
    }

    void dobleAltaEnAsignatura()
    {
        const int tarde = turno(m_mates, QStringLiteral("Tarde"));
        sesion(m_turnoMates, m_aula, Lunes, hm(10, 0), hm(11, 0), m_profe);
        sesion(tarde, m_aula, Lunes, hm(17, 0), hm(18, 0), m_profe);
        const int ana = alumno(QStringLiteral("Ana"));
        const int a1 = alta(ana, m_turnoMates, QStringLiteral("Souto, Ana"), QStringLiteral("Matemáticas"),
                            QStringLiteral("Mañana"));
        const int a2 = alta(ana, tarde, QStringLiteral("Souto, Ana"), QStringLiteral("Matemáticas"),
                            QStringLiteral("Tarde"));

        Resultado r{Academia::comprobarEstado()};
        QVERIFY(r.dobles().isEmpty());
        const auto f = r.fallos(EstadoAcademiaFallo::AsignaturaDoble);
        QCOMPARE(f.size(), 1);
        auto* d = static_cast<EstadoAcademiaFalloAsignaturaDoble*>(f.first());
        QVERIFY(d->idAlta() == a1 || d->idAlta() == a2);
        QCOMPARE(d->idAlumno(), ana);
        QCOMPARE(d->idAsignatura(), m_mates);
        QCOMPARE(d->descripcion(), QStringLiteral("Student Souto, Ana is signed up in two shifts of subject Matemáticas"));
    }

    void dobleAltaEnAsignatura_casiNo()
    {
        const int tarde = turno(m_mates, QStringLiteral("Tarde"));
        sesion(m_turnoMates, m_aula, Lunes, hm(10, 0), hm(11, 0), m_profe);
        sesion(tarde, m_aula, Lunes, hm(17, 0), hm(18, 0), m_profe);
        const int ana = alumno(QStringLiteral("Ana"));
        // moved from the morning to the afternoon shift: the old one has ended
        alta(ana, m_turnoMates, QStringLiteral("Ana"), QStringLiteral("Matemáticas"), QStringLiteral("Mañana"),
             QDate::currentDate().addYears(-1), QDate::currentDate().addDays(-10));
        alta(ana, tarde, QStringLiteral("Ana"), QStringLiteral("Matemáticas"), QStringLiteral("Tarde"));
        // another subject
        const int lengua = turno(asignatura(QStringLiteral("Lengua")), QStringLiteral("Mañana"));
        sesion(lengua, m_aula, Martes, hm(10, 0), hm(11, 0), m_profe);
        alta(ana, lengua, QStringLiteral("Ana"), QStringLiteral("Lengua"), QStringLiteral("Mañana"));

        Resultado r{Academia::comprobarEstado()};
        QVERIFY(r.fallos(EstadoAcademiaFallo::AsignaturaDoble).isEmpty());
    }

    void ordenDeLasConsultas()
    {
        // one finding of several kinds: they come in the order the queries run
        const int pequena = aula(QStringLiteral("Pequeña"), 0);
        sesion(m_turnoMates, pequena, Lunes, hm(7, 0), hm(8, 0), 0);
        turno(m_mates, QStringLiteral("Vacío"));
        const int ana = alumno(QStringLiteral("Ana"));
        alta(ana, m_turnoMates, QStringLiteral("Ana"), QStringLiteral("Matemáticas"), QStringLiteral("Mañana"));

        Resultado r{Academia::comprobarEstado()};
        QList<int> kinds;
        for (EstadoAcademia* e : r.todos) {
            QCOMPARE(e->tipo(), int(EstadoAcademia::Fallo));
            kinds << static_cast<EstadoAcademiaFallo*>(e)->tipoFallo();
        }
        QCOMPARE(kinds, (QList<int>{EstadoAcademiaFallo::Aforo, EstadoAcademiaFallo::SinProfesor,
                                    EstadoAcademiaFallo::TurnoSinSesiones, EstadoAcademiaFallo::FueraDeHorario}));
    }

    void consultaQueFallaNoDetieneLaComprobacion()
    {
        // a broken table makes some queries fail; the others still report
        sesion(m_turnoMates, m_aula, Lunes, hm(7, 0), hm(8, 0), m_profe);
        turno(m_mates, QStringLiteral("Vacío"));
        QVERIFY(Dao::getInstance()->execute(QStringLiteral("DROP TABLE curso_asignatura")));
        Resultado r{Academia::comprobarEstado()};
        QCOMPARE(r.fallos(EstadoAcademiaFallo::TurnoSinSesiones).size(), 1);
        QCOMPARE(r.fallos(EstadoAcademiaFallo::FueraDeHorario).size(), 1);
    }
};

PENSARIO_TEST_MAIN(TestConsultas)
#include "tst_consultas.moc"
