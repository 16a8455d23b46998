#include "academyfixture.h"
#include "aula.h"
#include "profesor.h"
#include "sesiondeclase.h"
#include "testmain.h"
#include "turnoasignatura.h"

#include <memory>

using namespace academy;

class TestSesionDeClase : public QObject
{
    Q_OBJECT

private:
    Academy a;

private slots:
    void init()
    {
        QVERIFY(a.rebuild());
    }

    void storeLoadUpdateRemove()
    {
        const int id = sesion(a.turnoTarde, a.aulaGrande, a.profesora, 5, 9, 90);
        std::unique_ptr<SesionDeClase> loaded(SesionDeClase::getFromDB(id));
        QVERIFY(loaded);
        QCOMPARE((QList<int>{loaded->getDiaSemana(), loaded->getMinutoInicio(), loaded->getMinutoFin(),
                             loaded->getIdAula(), loaded->getIdProfesor(), loaded->getIdTurnoAsignatura()}),
                 (QList<int>{5, 540, 630, a.aulaGrande, a.profesora, a.turnoTarde}));
        QCOMPARE(loaded->getDuracion(), 90);
        QCOMPARE(std::unique_ptr<Aula>(loaded->getAula())->aforo(), 20);
        loaded->setDiaSemana(6);
        QVERIFY(loaded->update());
        QCOMPARE(count("SELECT diasemana FROM sesiondeclase WHERE id = ?", {id}), 6);
        QVERIFY(loaded->remove());
        QCOMPARE(count("SELECT count(*) FROM sesiondeclase WHERE id = ?", {id}), 0);
        // a session removed meanwhile is not stored by an update
        loaded->setDiaSemana(2);
        QVERIFY(!loaded->update());
        QCOMPARE(count("SELECT count(*) FROM sesiondeclase WHERE id = ?", {id}), 0);

        // No teacher is NULL in the table (its foreign key refuses 0), so such
        // a session can be stored and rewritten.
        std::unique_ptr<SesionDeClase> sinProfesor(SesionDeClase::getFromDB(sesion(a.turnoTarde, a.aulaGrande, 0, 4, 10)));
        QVERIFY(sinProfesor && !sinProfesor->getProfesor());
        sinProfesor->setFin(12, 0);
        QVERIFY(sinProfesor->update());
        QCOMPARE(count("SELECT minutofin FROM sesiondeclase WHERE idprofesor IS NULL"), 720);
    }

    void listsAndTeacherQueries()
    {
        const int domingo = sesion(a.turnoTarde, a.aulaGrande, a.profesora, 7, 8);
        const int lunesTemprano = sesion(a.turnoTarde, a.aulaGrande, a.profesora, 1, 8);
        const QList<int> todas = idsOf(SesionDeClase::listAll(), &SesionDeClase::getId, false); // by day, then start
        QCOMPARE(todas.size(), 5);
        QCOMPARE(todas.first(), lunesTemprano);
        QCOMPARE(todas.last(), domingo);
        QCOMPARE(sizeOf(SesionDeClase::listByTurnoAsignatura(a.turnoTarde)), 3);

        const int otro = profesor(QStringLiteral("Brais"), QStringLiteral("Lopez"));
        const int sesionOtro = sesion(a.turnoTarde, a.aulaGrande, otro, 4, 18);
        QVERIFY(SesionDeClase::profesorTieneSesiones({a.turnoManana, a.turnoTarde}, otro));
        // Unassigning Ana from the afternoon leaves Brais and her mornings alone.
        QVERIFY(SesionDeClase::desasignarProfesor(a.turnoTarde, a.profesora));
        QCOMPARE(count("SELECT count(*) FROM sesiondeclase WHERE idprofesor IS NULL"), 3);
        QCOMPARE(count("SELECT idprofesor FROM sesiondeclase WHERE id = ?", {sesionOtro}), otro);
        QCOMPARE(count("SELECT count(*) FROM sesiondeclase WHERE idprofesor = ?", {a.profesora}), 2);
    }
};

PENSARIO_TEST_MAIN(TestSesionDeClase)
#include "tst_sesiondeclase.moc"
