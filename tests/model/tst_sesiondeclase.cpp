#include "academyfixture.h"
#include "aula.h"
#include "messagecapture.h"
#include "profesor.h"
#include "sesiondeclase.h"
#include "testmain.h"
#include "turnoasignatura.h"

#include <memory>

using namespace academy;

namespace {
QList<int> ids(const QList<SesionDeClase*>& sesiones)
{
    QList<int> result;
    for (SesionDeClase* s : sesiones)
        result << s->getId();
    qDeleteAll(sesiones);
    return result;
}
}

class TestSesionDeClase : public QObject
{
    Q_OBJECT

private:
    Academy a;

private slots:
    void init()
    {
        QVERIFY(openFreshDatabase());
        a = Academy();
        QVERIFY(a.build());
    }

    void timeArithmetic()
    {
        SesionDeClase s;
        s.setInicio(9, 30);
        s.setFin(11, 0);
        QCOMPARE(s.getMinutoInicio(), 570);
        QCOMPARE(s.getHoraInicio(), 9);
        QCOMPARE(s.getMinutoHoraInicio(), 30);
        QCOMPARE(s.getMinutoFin(), 660);
        QCOMPARE(s.getHoraFin(), 11);
        QCOMPARE(s.getMinutoHoraFin(), 0);
        QCOMPARE(s.getDuracion(), 90);
    }

    void storeLoadUpdateRemove()
    {
        SesionDeClase s;
        s.setIdTurnoAsignatura(a.turnoTarde);
        s.setIdAula(a.aulaGrande);
        s.setIdProfesor(a.profesora);
        s.setDiaSemana(5);
        s.setInicio(16, 15);
        s.setFin(17, 45);
        QVERIFY(s.persist());
        QVERIFY(s.getId() > 0);

        std::unique_ptr<SesionDeClase> loaded(SesionDeClase::getFromDB(s.getId()));
        QVERIFY(loaded);
        QCOMPARE(loaded->getDiaSemana(), 5);
        QCOMPARE(loaded->getMinutoInicio(), 975);
        QCOMPARE(loaded->getMinutoFin(), 1065);
        QCOMPARE(loaded->getIdAula(), a.aulaGrande);
        QCOMPARE(loaded->getIdProfesor(), a.profesora);
        QCOMPARE(loaded->getIdTurnoAsignatura(), a.turnoTarde);

        std::unique_ptr<Aula> aula(loaded->getAula());
        QCOMPARE(aula->aforo(), 20);
        std::unique_ptr<Profesor> profesor(loaded->getProfesor());
        QCOMPARE(profesor->nombre(), QStringLiteral("Ana"));
        std::unique_ptr<TurnoAsignatura> turno(loaded->getTurnoAsignatura());
        QVERIFY(turno);
        QCOMPARE(turno->getNombre(), QStringLiteral("Tarde"));

        loaded->setDiaSemana(6);
        loaded->setIdAula(a.aulaPequena);
        QVERIFY(loaded->update());
        std::unique_ptr<SesionDeClase> again(SesionDeClase::getFromDB(s.getId()));
        QCOMPARE(again->getDiaSemana(), 6);
        QCOMPARE(again->getIdAula(), a.aulaPequena);

        QVERIFY(again->remove());
        MessageCapture capture;
        QVERIFY(!SesionDeClase::getFromDB(s.getId()));
        QVERIFY(capture.contains(QtWarningMsg,
                                 QStringLiteral("Asked for inexistent session: %1").arg(s.getId())));
    }

    // A session without teacher is NULL in the table, so it can be written
    // and rewritten at all (the teacher foreign key refuses 0).
    void sessionWithoutTeacher()
    {
        SesionDeClase s;
        s.setIdTurnoAsignatura(a.turnoTarde);
        s.setIdAula(a.aulaGrande);
        s.setDiaSemana(4);
        s.setInicio(10, 0);
        s.setFin(11, 0);
        QVERIFY(s.persist());
        QVERIFY(scalar("SELECT idprofesor FROM sesiondeclase WHERE id = ?", {s.getId()}).isNull());

        std::unique_ptr<SesionDeClase> loaded(SesionDeClase::getFromDB(s.getId()));
        QCOMPARE(loaded->getIdProfesor(), 0);
        QVERIFY(!loaded->getProfesor());

        loaded->setFin(12, 0);
        QVERIFY(loaded->update());
        QCOMPARE(count("SELECT minutofin FROM sesiondeclase WHERE id = ?", {s.getId()}), 720);
        QVERIFY(scalar("SELECT idprofesor FROM sesiondeclase WHERE id = ?", {s.getId()}).isNull());

        loaded->setIdProfesor(a.profesora);
        QVERIFY(loaded->update());
        QCOMPARE(count("SELECT idprofesor FROM sesiondeclase WHERE id = ?", {s.getId()}),
                 a.profesora);
    }

    void listsAreOrderedByDayThenStart()
    {
        const int domingo = sesion(a.turnoTarde, a.aulaGrande, a.profesora, 7, 8);
        const int lunesTemprano = sesion(a.turnoTarde, a.aulaGrande, a.profesora, 1, 8);
        const QList<int> todas = ids(SesionDeClase::listAll());
        QCOMPARE(todas.size(), 5);
        QCOMPARE(todas.first(), lunesTemprano);
        QCOMPARE(todas.last(), domingo);

        const QList<SesionDeClase*> lunes = SesionDeClase::listByDiaSemana(1);
        QCOMPARE(lunes.size(), 2);
        QCOMPARE(lunes.at(0)->getHoraInicio(), 8);
        QCOMPARE(lunes.at(1)->getHoraInicio(), 9);
        qDeleteAll(lunes);

        QCOMPARE(ids(SesionDeClase::listByAula(a.aulaPequena)).size(), 2);
        QCOMPARE(ids(SesionDeClase::listByTurnoAsignatura(a.turnoTarde)).size(), 3);
        QVERIFY(ids(SesionDeClase::listByDiaSemana(6)).isEmpty());
    }

    void teacherQueries()
    {
        const int otro = profesor(QStringLiteral("Brais"), QStringLiteral("Lopez"));
        const int sesionOtro = sesion(a.turnoTarde, a.aulaGrande, otro, 4, 18);
        QVERIFY(!SesionDeClase::profesorTieneSesiones({}, a.profesora));
        QVERIFY(SesionDeClase::profesorTieneSesiones({a.turnoManana}, a.profesora));
        QVERIFY(!SesionDeClase::profesorTieneSesiones({a.turnoManana}, otro));
        QVERIFY(SesionDeClase::profesorTieneSesiones({a.turnoManana, a.turnoTarde}, otro));

        // Unassigning Ana from the afternoon leaves Brais's session and Ana's
        // morning sessions alone.
        QVERIFY(SesionDeClase::desasignarProfesor(a.turnoTarde, a.profesora));
        QCOMPARE(count("SELECT count(*) FROM sesiondeclase WHERE idprofesor IS NULL"), 1);
        QCOMPARE(count("SELECT idprofesor FROM sesiondeclase WHERE id = ?", {sesionOtro}), otro);
        QCOMPARE(count("SELECT count(*) FROM sesiondeclase WHERE idprofesor = ?", {a.profesora}), 2);
    }

    void refusals()
    {
        MessageCapture capture;
        SesionDeClase s;
        QVERIFY(!s.update());
        QVERIFY(capture.contains(QtWarningMsg, "tratando de actualizar una sesion sin id"));
        QVERIFY(!s.remove());
        QCOMPARE(capture.count(QtWarningMsg), 2);

        SesionDeClase negativa(-3);
        QVERIFY(!negativa.persist());
        QVERIFY(capture.contains(QtWarningMsg,
                                 "Intentando almacenar como nueva una sesion que ya tiene id"));
        QCOMPARE(count("SELECT count(*) FROM sesiondeclase"), 3);
    }
};

PENSARIO_TEST_MAIN(TestSesionDeClase)
#include "tst_sesiondeclase.moc"
