#include "recibofixture.h"

#include "messagecapture.h"
#include "testmain.h"

#include <QSettings>
#include <QTest>

#include <memory>

using namespace ReciboFixture;

class TestReciboGeneracion : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void oneBillPerStudentWithConceptLines();
    void shiftNameOnConceptLinesWhenConfigured();
    void monthWindowIncludesItsLastDayOnly();
    void modesDecideWhatIsOverwritten();
    void overwrittenBillKeepsAmountPaid();
    void onlyListedStudentsAreBilled();
    void nothingToDoAnswersThreeZeros();
    void failedInsertRollsBackWholeRun();
    void failedRunInsideOpenTransactionKeepsEarlierWork();
    void refusedCommitKeepsNothing();

    void regenerationRebuildsOnlyThisMonthsBills();
    void failedRegenerationAnswersMinusOne();

private:
    std::unique_ptr<Recibo> reciboDe(int idAlumno);
    int turnoMates = 0;
    int turnoIngles = 0;
};

void TestReciboGeneracion::init()
{
    QVERIFY(abrirBaseNueva());
    turnoMates = turno(QStringLiteral("Mates"), QStringLiteral("Mates L-X"));
    turnoIngles = turno(QStringLiteral("Inglés"), QStringLiteral("Inglés M-J"));
    QVERIFY(turnoMates > 0 && turnoIngles > 0);
}

std::unique_ptr<Recibo> TestReciboGeneracion::reciboDe(int idAlumno)
{
    QSqlQuery q = Dao::getInstance()->query(QStringLiteral("SELECT id FROM recibo WHERE idalumno = ?"), {idAlumno});
    return std::unique_ptr<Recibo>(q.next() ? Recibo::getFromDB(q.value(0).toInt()) : nullptr);
}

void TestReciboGeneracion::oneBillPerStudentWithConceptLines()
{
    const QDate ini = primeroDeMes();
    const int ana = alumno(QStringLiteral("Ana"), QStringLiteral("Pena"), QStringLiteral("ES99"));
    QVERIFY(alta(ana, turnoMates, QStringLiteral("Mates"), ini.addMonths(-2), QDate(), 45, 40));
    QVERIFY(alta(ana, turnoIngles, QStringLiteral("Inglés"), ini.addMonths(-1), QDate(), 30, 30));

    const QList<int> counts = Recibo::generarRecibos(0, 0, {});
    QCOMPARE(counts, (QList<int>{1, 0, 0}));
    auto r = reciboDe(ana);
    QVERIFY(r);
    QCOMPARE(r->importe(), 70.0);
    QCOMPARE(r->descuento(), 5.0);
    QCOMPARE(r->fecha(), QDate::currentDate());
    QVERIFY(r->isAutomatico());
    QVERIFY(!r->isPagado());
    QCOMPARE(r->pagaderoEn(), QStringLiteral("ES99"));
    QCOMPARE(r->nombreAlumno(), QStringLiteral("Ana"));
    QCOMPARE(r->apellidosAlumno(), QStringLiteral("Pena"));
    QCOMPARE(r->datosAlumno(), QStringLiteral("Ana Pena \nRúa Nova 3 \nLugo 27001 (Lugo)"));
    const QStringList lineas = r->concepto().split(QLatin1Char('\n'));
    QCOMPARE(lineas.size(), 2);
    QVERIFY(lineas.contains(Recibo::lineaConcepto(QStringLiteral("Mates"), 45)));
    QVERIFY(lineas.contains(Recibo::lineaConcepto(QStringLiteral("Inglés"), 30)));
    QCOMPARE(r->nRecibo(), 0);
    QCOMPARE(propiedad(QStringLiteral("siguienterecibo")), QStringLiteral("1"));
}

void TestReciboGeneracion::shiftNameOnConceptLinesWhenConfigured()
{
    QSettings().setValue(QStringLiteral("CONFIGURATION/recibo_mostrarturno"), true);
    const int ana = alumno(QStringLiteral("Ana"), QStringLiteral("Pena"));
    alta(ana, turnoMates, QStringLiteral("Mates"), primeroDeMes(), QDate(), 45, 45, QStringLiteral("Mates L-X"));
    QCOMPARE(Recibo::generarRecibos(0, 0, {}), (QList<int>{1, 0, 0}));
    QCOMPARE(reciboDe(ana)->concepto(), Recibo::lineaConcepto(QStringLiteral("Mates - Mates L-X"), 45));
}

void TestReciboGeneracion::monthWindowIncludesItsLastDayOnly()
{
    const QDate ini = primeroDeMes();
    const QDate siguiente = ini.addMonths(1);
    const int empiezaUltimoDia = alumno(QStringLiteral("A"), QStringLiteral("Ultimo"));
    const int empiezaMesQueViene = alumno(QStringLiteral("B"), QStringLiteral("Siguiente"));
    const int bajaElDiaUno = alumno(QStringLiteral("C"), QStringLiteral("Baja"));
    const int bajaElDiaDos = alumno(QStringLiteral("D"), QStringLiteral("Baja2"));
    alta(empiezaUltimoDia, turnoMates, QStringLiteral("Mates"), siguiente.addDays(-1), QDate(), 10, 10);
    alta(empiezaMesQueViene, turnoMates, QStringLiteral("Mates"), siguiente, QDate(), 10, 10);
    alta(bajaElDiaUno, turnoMates, QStringLiteral("Mates"), ini.addMonths(-3), ini, 10, 10);
    alta(bajaElDiaDos, turnoMates, QStringLiteral("Mates"), ini.addMonths(-3), ini.addDays(1), 10, 10);

    QCOMPARE(Recibo::generarRecibos(0, 0, {}), (QList<int>{2, 0, 0}));
    QVERIFY(reciboDe(empiezaUltimoDia));
    QVERIFY(!reciboDe(empiezaMesQueViene));
    QVERIFY(!reciboDe(bajaElDiaUno));
    QVERIFY(reciboDe(bajaElDiaDos));
}

void TestReciboGeneracion::modesDecideWhatIsOverwritten()
{
    const QDate ini = primeroDeMes();
    const int automatico = alumno(QStringLiteral("A"), QStringLiteral("Auto"));
    const int aMano = alumno(QStringLiteral("M"), QStringLiteral("Mano"));
    const int nuevo = alumno(QStringLiteral("N"), QStringLiteral("Nuevo"));
    for (int id : {automatico, aMano, nuevo})
        alta(id, turnoMates, QStringLiteral("Mates"), ini.addMonths(-1), QDate(), 50, 50);
    const int reciboAuto = recibo(automatico, ini, 11, true);
    const int reciboMano = recibo(aMano, ini, 22, false);
    const int numeroAuto = reciboDe(automatico)->nRecibo();

    QCOMPARE(Recibo::generarRecibos(0, 0, {}), (QList<int>{1, 0, 2}));
    QCOMPARE(reciboDe(automatico)->importe(), 11.0);
    QCOMPARE(reciboDe(aMano)->importe(), 22.0);
    QCOMPARE(reciboDe(nuevo)->importe(), 50.0);

    QCOMPARE(Recibo::generarRecibos(1, 0, {}), (QList<int>{0, 2, 1}));
    auto r = reciboDe(automatico);
    QCOMPARE(r->id(), reciboAuto);
    QCOMPARE(r->nRecibo(), numeroAuto);
    QCOMPARE(r->importe(), 50.0);
    QCOMPARE(reciboDe(aMano)->importe(), 22.0);

    QCOMPARE(Recibo::generarRecibos(2, 0, {}), (QList<int>{0, 3, 0}));
    auto m = reciboDe(aMano);
    QCOMPARE(m->id(), reciboMano);
    QCOMPARE(m->importe(), 50.0);
    QVERIFY(m->isAutomatico());
    QCOMPARE(contar(QStringLiteral("SELECT count(*) FROM recibo")), 3);
}

void TestReciboGeneracion::overwrittenBillKeepsAmountPaid()
{
    const QDate ini = primeroDeMes();
    const int mitad = alumno(QStringLiteral("H"), QStringLiteral("Half"));
    const int todo = alumno(QStringLiteral("F"), QStringLiteral("Full"));
    alta(mitad, turnoMates, QStringLiteral("Mates"), ini.addMonths(-1), QDate(), 60, 60);
    alta(todo, turnoMates, QStringLiteral("Mates"), ini.addMonths(-1), QDate(), 30, 30);
    recibo(mitad, ini, 60, true, 20);
    recibo(todo, ini, 30, true, 30);

    QCOMPARE(Recibo::generarRecibos(2, 0, {}), (QList<int>{0, 2, 0}));
    auto h = reciboDe(mitad);
    QCOMPARE(h->importePagado(), 20.0);
    QVERIFY(!h->isPagado());
    QVERIFY(h->conceptoYaPagadoYDescuento().contains(QStringLiteral("20.00")));
    auto f = reciboDe(todo);
    QCOMPARE(f->importePagado(), 30.0);
    QVERIFY(f->isPagado());
}

void TestReciboGeneracion::onlyListedStudentsAreBilled()
{
    const int ana = alumno(QStringLiteral("Ana"), QStringLiteral("Pena"));
    const int bea = alumno(QStringLiteral("Bea"), QStringLiteral("Rey"));
    alta(ana, turnoMates, QStringLiteral("Mates"), primeroDeMes(), QDate(), 10, 10);
    alta(bea, turnoMates, QStringLiteral("Mates"), primeroDeMes(), QDate(), 10, 10);
    std::unique_ptr<Alumno> b(Alumno::getFromDB(bea));
    Alumno sinGuardar; // never stored: must not stand for "every student"
    QCOMPARE(Recibo::generarRecibos(0, 0, {&sinGuardar, b.get()}), (QList<int>{1, 0, 0}));
    QVERIFY(!reciboDe(ana));
    QVERIFY(reciboDe(bea));
}

void TestReciboGeneracion::nothingToDoAnswersThreeZeros()
{
    QCOMPARE(Recibo::generarRecibos(0, 0, {}), (QList<int>{0, 0, 0}));
    QVERIFY(!Dao::getInstance()->inTransaction());
    QCOMPARE(propiedad(QStringLiteral("siguienterecibo")), QStringLiteral("0"));
}

void TestReciboGeneracion::failedInsertRollsBackWholeRun()
{
    const QDate ini = primeroDeMes();
    const int previo = recibo(0, ini.addMonths(-1), 5); // takes number 0
    QVERIFY(previo);
    const int conRecibo = alumno(QStringLiteral("R"), QStringLiteral("S"));
    alta(conRecibo, turnoMates, QStringLiteral("Mates"), ini, QDate(), 99, 99);
    recibo(conRecibo, ini, 1, true); // number 1, rewritten by mode 2 before the failure
    for (int i = 0; i < 6; ++i) {
        const int id = alumno(QStringLiteral("N%1").arg(i), QStringLiteral("S"));
        alta(id, turnoMates, QStringLiteral("Mates"), ini, QDate(), 10, 10);
    }
    const QString siguiente = propiedad(QStringLiteral("siguienterecibo"));

    // the fourth insert of the run fails
    QVERIFY(Dao::getInstance()->execute(QStringLiteral(
        "CREATE TEMP TRIGGER falla BEFORE INSERT ON recibo WHEN (SELECT count(*) FROM recibo) >= 5 "
        "BEGIN SELECT RAISE(ABORT, 'injected'); END")));
    MessageCapture capture;
    QCOMPARE(Recibo::generarRecibos(2, 0, {}), QList<int>());
    QVERIFY(!Dao::getInstance()->inTransaction());
    QCOMPARE(contar(QStringLiteral("SELECT count(*) FROM recibo")), 2);
    QCOMPARE(reciboDe(conRecibo)->importe(), 1.0);
    QCOMPARE(propiedad(QStringLiteral("siguienterecibo")), siguiente);

    QVERIFY(Dao::getInstance()->execute(QStringLiteral("DROP TRIGGER falla")));
    QCOMPARE(Recibo::generarRecibos(2, 0, {}), (QList<int>{6, 1, 0}));
    QList<int> numeros;
    QSqlQuery q = Dao::getInstance()->query(QStringLiteral("SELECT nrecibo FROM recibo ORDER BY nrecibo"));
    while (q.next())
        numeros << q.value(0).toInt();
    QCOMPARE(numeros, (QList<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    QCOMPARE(propiedad(QStringLiteral("siguienterecibo")), QStringLiteral("8"));
}

void TestReciboGeneracion::failedRunInsideOpenTransactionKeepsEarlierWork()
{
    const QDate ini = primeroDeMes();
    for (int i = 0; i < 3; ++i)
        alta(alumno(QStringLiteral("N%1").arg(i), QStringLiteral("S")), turnoMates, QStringLiteral("Mates"), ini,
             QDate(), 10, 10);
    QVERIFY(Dao::getInstance()->execute(QStringLiteral(
        "CREATE TEMP TRIGGER falla BEFORE INSERT ON recibo WHEN (SELECT count(*) FROM recibo) >= 2 "
        "BEGIN SELECT RAISE(ABORT, 'injected'); END")));

    QVERIFY(Dao::getInstance()->transaction());
    const int antes = alumno(QStringLiteral("Antes"), QStringLiteral("Del run"));
    QVERIFY(antes);
    QCOMPARE(Recibo::generarRecibos(0, 0, {}), QList<int>());
    QVERIFY2(Dao::getInstance()->inTransaction(), "the opener still owns its transaction");
    QCOMPARE(contar(QStringLiteral("SELECT count(*) FROM recibo")), 0);
    QVERIFY(Dao::getInstance()->commit());
    QCOMPARE(contar(QStringLiteral("SELECT count(*) FROM alumno WHERE id = ?"), {antes}), 1);
    QCOMPARE(contar(QStringLiteral("SELECT count(*) FROM recibo")), 0);
    QCOMPARE(propiedad(QStringLiteral("siguienterecibo")), QStringLiteral("0"));
}

void TestReciboGeneracion::refusedCommitKeepsNothing()
{
    for (int i = 0; i < 2; ++i)
        alta(alumno(QStringLiteral("N%1").arg(i), QStringLiteral("S")), turnoMates, QStringLiteral("Mates"),
             primeroDeMes(), QDate(), 10, 10);
    // foreign keys checked at commit time, and a bill pointing nowhere: the commit is refused
    QVERIFY(Dao::getInstance()->execute(QStringLiteral(
        "CREATE TEMP TRIGGER huerfano AFTER INSERT ON recibo BEGIN "
        "UPDATE recibo SET idalumno = 999999 WHERE id = new.id; END")));
    // (the pragma lasts until the next commit, so it goes last)
    QVERIFY(Dao::getInstance()->execute(QStringLiteral("PRAGMA defer_foreign_keys = ON")));
    MessageCapture capture;
    QCOMPARE(Recibo::generarRecibos(0, 0, {}), QList<int>());
    QVERIFY(!Dao::getInstance()->inTransaction());
    QCOMPARE(contar(QStringLiteral("SELECT count(*) FROM recibo")), 0);
    QCOMPARE(propiedad(QStringLiteral("siguienterecibo")), QStringLiteral("0"));
    QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("The commit was refused")));
}

void TestReciboGeneracion::regenerationRebuildsOnlyThisMonthsBills()
{
    const QDate ini = primeroDeMes();
    const int ana = alumno(QStringLiteral("Ana"), QStringLiteral("Pena"));
    const int bea = alumno(QStringLiteral("Bea"), QStringLiteral("Rey"));
    alta(ana, turnoMates, QStringLiteral("Mates"), ini.addMonths(-2), QDate(), 45, 40);
    alta(bea, turnoMates, QStringLiteral("Mates"), ini.addMonths(-2), QDate(), 30, 30);
    const int actual = recibo(ana, ini, 1, false, 10);
    const int pasado = recibo(bea, ini.addDays(-1), 1, false);
    Recibo::forzarNumeroRecibo(50, QString());

    QList<Recibo*> seleccion{Recibo::getFromDB(actual), Recibo::getFromDB(pasado)};
    QCOMPARE(Recibo::regenerarRecibos(seleccion, 0), 1);
    qDeleteAll(seleccion);

    std::unique_ptr<Recibo> a(Recibo::getFromDB(actual));
    QCOMPARE(a->importe(), 40.0);
    QCOMPARE(a->descuento(), 5.0);
    QCOMPARE(a->importePagado(), 10.0);
    QVERIFY(a->isAutomatico());
    QCOMPARE(a->nRecibo(), 0);
    std::unique_ptr<Recibo> b(Recibo::getFromDB(pasado));
    QCOMPARE(b->importe(), 1.0);
    QVERIFY(!b->isAutomatico());
    QCOMPARE(propiedad(QStringLiteral("siguienterecibo")), QStringLiteral("50"));

    QList<Recibo*> soloPasado{Recibo::getFromDB(pasado)};
    QCOMPARE(Recibo::regenerarRecibos(soloPasado, 0), 0);
    qDeleteAll(soloPasado);

    // the bill of a removed student has no enrolments to be rebuilt from
    QVERIFY(Alumno::remove(ana));
    QList<Recibo*> huerfano{Recibo::getFromDB(actual)};
    QCOMPARE(Recibo::regenerarRecibos(huerfano, 0), 0);
    qDeleteAll(huerfano);
    std::unique_ptr<Recibo> h(Recibo::getFromDB(actual));
    QCOMPARE(h->importe(), 40.0);
    QCOMPARE(contar(QStringLiteral("SELECT count(*) FROM recibo")), 2);
}

void TestReciboGeneracion::failedRegenerationAnswersMinusOne()
{
    const QDate ini = primeroDeMes();
    QList<int> ids;
    for (int i = 0; i < 3; ++i) {
        const int id = alumno(QStringLiteral("N%1").arg(i), QStringLiteral("S"));
        alta(id, turnoMates, QStringLiteral("Mates"), ini, QDate(), 10, 10);
        ids << recibo(id, ini, 1, false);
    }
    QVERIFY(Dao::getInstance()->execute(QStringLiteral(
        "CREATE TEMP TRIGGER falla BEFORE UPDATE ON recibo WHEN (SELECT count(*) FROM recibo WHERE importe = 1000) >= 2 "
        "BEGIN SELECT RAISE(ABORT, 'injected'); END")));
    QList<Recibo*> seleccion;
    for (int id : ids)
        seleccion << Recibo::getFromDB(id);
    QCOMPARE(Recibo::regenerarRecibos(seleccion, 0), -1);
    qDeleteAll(seleccion);
    QVERIFY(!Dao::getInstance()->inTransaction());
    QCOMPARE(contar(QStringLiteral("SELECT count(*) FROM recibo WHERE importe = 100")), 3);
}

PENSARIO_TEST_MAIN(TestReciboGeneracion)
#include "tst_recibogeneracion.moc"
