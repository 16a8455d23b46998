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

    void storeLoadUpdateRemove()
    {
        SesionDeClase s;
        s.setIdTurnoAsignatura(a.turnoTarde);
        s.setIdAula(a.aulaGrande);
        s.setIdProfesor(a.profesora);
        s.setDiaSemana(5);
        s.setInicio(9, 30);
        s.setFin(11, 0);
        QCOMPARE(s.getDuracion(), 90);
        QVERIFY(s.persist());

        std::unique_ptr<SesionDeClase> loaded(SesionDeClase::getFromDB(s.getId()));
        QVERIFY(loaded);
        QCOMPARE((QList<int>{loaded->getDiaSemana(), loaded->getMinutoInicio(), loaded->getMinutoFin(),
                             loaded->getIdAula(), loaded->getIdProfesor(), loaded->getIdTurnoAsignatura()}),
                 (QList<int>{5, 570, 660, a.aulaGrande, a.profesora, a.turnoTarde}));
        QCOMPARE(loaded->getHoraInicio() * 100 + loaded->getMinutoHoraInicio(), 930);
        std::unique_ptr<Aula> aula(loaded->getAula());
        QCOMPARE(aula->aforo(), 20);
        std::unique_ptr<Profesor> profesor(loaded->getProfesor());
        QCOMPARE(profesor->nombre(), QStringLiteral("Ana"));
        std::unique_ptr<TurnoAsignatura> turno(loaded->getTurnoAsignatura());
        QCOMPARE(turno->getNombre(), QStringLiteral("Tarde"));

        loaded->setDiaSemana(6);
        QVERIFY(loaded->update());
        QCOMPARE(count("SELECT diasemana FROM sesiondeclase WHERE id = ?", {s.getId()}), 6);
        QVERIFY(loaded->remove());
        MessageCapture capture;
        QVERIFY(!SesionDeClase::getFromDB(s.getId()));
        QVERIFY(capture.contains(QtWarningMsg,
                                 QStringLiteral("Asked for inexistent session: %1").arg(s.getId())));
    }

    // No teacher is NULL in the table (its foreign key refuses 0), so such a
    // session can be stored and rewritten.
    void sessionWithoutTeacher()
    {
        SesionDeClase s;
        s.setIdTurnoAsignatura(a.turnoTarde);
        s.setIdAula(a.aulaGrande);
        s.setDiaSemana(4);
        s.setInicio(10, 0);
        s.setFin(11, 0);
        QVERIFY(s.persist());
        std::unique_ptr<SesionDeClase> loaded(SesionDeClase::getFromDB(s.getId()));
        QCOMPARE(loaded->getIdProfesor(), 0);
        QVERIFY(!loaded->getProfesor());
        loaded->setFin(12, 0);
        QVERIFY(loaded->update());
        QCOMPARE(count("SELECT minutofin FROM sesiondeclase WHERE id = ? AND idprofesor IS NULL", {s.getId()}),
                 720);
    }

    void listsAreOrderedByDayThenStart()
    {
        const int domingo = sesion(a.turnoTarde, a.aulaGrande, a.profesora, 7, 8);
        const int lunesTemprano = sesion(a.turnoTarde, a.aulaGrande, a.profesora, 1, 8);
        const QList<int> todas = ids(SesionDeClase::listAll());
        QCOMPARE(todas.size(), 5);
        QCOMPARE(todas.first(), lunesTemprano);
        QCOMPARE(todas.last(), domingo);
        const QList<int> lunes = ids(SesionDeClase::listByDiaSemana(1));
        QCOMPARE(lunes.size(), 2);
        QCOMPARE(lunes.first(), lunesTemprano);
        QCOMPARE(ids(SesionDeClase::listByAula(a.aulaPequena)).size(), 2);
        QCOMPARE(ids(SesionDeClase::listByTurnoAsignatura(a.turnoTarde)).size(), 3);
    }

    void teacherQueries()
    {
        const int otro = profesor(QStringLiteral("Brais"), QStringLiteral("Lopez"));
        const int sesionOtro = sesion(a.turnoTarde, a.aulaGrande, otro, 4, 18);
        QVERIFY(!SesionDeClase::profesorTieneSesiones({}, a.profesora));
        QVERIFY(SesionDeClase::profesorTieneSesiones({a.turnoManana}, a.profesora));
        QVERIFY(!SesionDeClase::profesorTieneSesiones({a.turnoManana}, otro));
        QVERIFY(SesionDeClase::profesorTieneSesiones({a.turnoManana, a.turnoTarde}, otro));

        // Unassigning Ana from the afternoon leaves Brais and her mornings alone.
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
        SesionDeClase negativa(-3);
        QVERIFY(!negativa.persist());
        QVERIFY(capture.contains(QtWarningMsg, "Intentando almacenar como nueva una sesion que ya tiene id"));
        QCOMPARE(count("SELECT count(*) FROM sesiondeclase"), 3);
    }
};

PENSARIO_TEST_MAIN(TestSesionDeClase)
#include "tst_sesiondeclase.moc"
