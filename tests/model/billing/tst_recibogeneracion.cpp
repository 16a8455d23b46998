#include "recibofixture.h"

#include "academyfixture.h"
#include "messagecapture.h"
#include "testmain.h"

#include <QSettings>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace ReciboFixture;

class TestReciboGeneracion : public QObject
{
    Q_OBJECT

private:
    int turnoMates = 0;
    int turnoIngles = 0;

    static std::unique_ptr<Recibo> reciboDe(int idAlumno)
    {
        const int id = contar(u"SELECT id FROM recibo WHERE idalumno = ?"_s, {idAlumno});
        return std::unique_ptr<Recibo>(id > 0 ? Recibo::getFromDB(id) : nullptr);
    }
    // A student enrolled in maths at this price since the given date.
    int conAlta(const QString& nombre, double precio, const QDate& falta, const QDate& fbaja = QDate())
    {
        const int id = alumno(nombre, u"S"_s);
        alta(id, turnoMates, u"Mates"_s, falta, fbaja, precio, precio);
        return id;
    }
    static int regenerar(const QList<int>& ids)
    {
        QList<Recibo*> seleccion;
        for (int id : ids)
            seleccion << Recibo::getFromDB(id);
        const int n = Recibo::regenerarRecibos(seleccion, 0);
        qDeleteAll(seleccion);
        return n;
    }

private slots:
    void init()
    {
        QVERIFY(abrirBaseNueva());
        turnoMates = turno(u"Mates"_s);
        turnoIngles = turno(u"Inglés"_s);
        QVERIFY(turnoMates > 0 && turnoIngles > 0);
    }

    void oneBillPerStudentWithConceptLines()
    {
        const QDate ini = primeroDeMes();
        const int ana = alumno(u"Ana"_s, u"Pena"_s, u"ES99"_s);
        QVERIFY(alta(ana, turnoMates, u"Mates"_s, ini.addMonths(-2), QDate(), 45, 40));
        QVERIFY(alta(ana, turnoIngles, u"Inglés"_s, ini.addMonths(-1), QDate(), 30, 30));
        QCOMPARE(Recibo::generarRecibos(0, 0, {}), (QList<int>{1, 0, 0}));
        auto r = reciboDe(ana);
        QVERIFY(r);
        QCOMPARE(r->importe(), 70.0);
        QCOMPARE(r->descuento(), 5.0);
        QCOMPARE(r->fecha(), QDate::currentDate());
        QCOMPARE(r->pagaderoEn(), u"ES99"_s);
        QCOMPARE(r->datosAlumno(), u"Ana Pena \nRúa Nova 3 \nLugo 27001 (Lugo)"_s);
        QStringList lineas = r->concepto().split(QLatin1Char('\n'));
        lineas.sort();
        QCOMPARE(lineas, (QStringList{Recibo::lineaConcepto(u"Inglés"_s, 30), Recibo::lineaConcepto(u"Mates"_s, 45)}));
        QCOMPARE(r->nRecibo(), 0);
        QCOMPARE(siguiente(), u"1"_s);
    }

    // Bills of one run share concept lines only where subject, shown shift
    // and base price are all the same.
    void conceptLinesFollowShiftAndPrice()
    {
        const QDate ini = primeroDeMes();
        const int ana = alumno(u"Ana"_s, u"Pena"_s);
        const int bea = alumno(u"Bea"_s, u"Sol"_s);
        const int tarde = alta(ana, turnoMates, u"Mates"_s, ini, QDate(), 45, 45);
        alta(ana, turnoMates, u"Mates"_s, ini, QDate(), 45, 45);
        alta(bea, turnoMates, u"Mates"_s, ini, QDate(), 40, 40);
        QVERIFY(Dao::getInstance()->execute(u"UPDATE alta SET nombreturnoasignatura = 'B' WHERE id = ?"_s, {tarde}));
        auto lineas = [](int idAlumno) {
            QStringList texto = reciboDe(idAlumno)->concepto().split(QLatin1Char('\n'));
            texto.sort();
            return texto;
        };

        QSettings().setValue(u"CONFIGURATION/recibo_mostrarturno"_s, true);
        QCOMPARE(Recibo::generarRecibos(0, 0, {}), (QList<int>{2, 0, 0}));
        QCOMPARE(lineas(ana), (QStringList{Recibo::lineaConcepto(u"Mates - A"_s, 45),
                                           Recibo::lineaConcepto(u"Mates - B"_s, 45)}));
        QCOMPARE(lineas(bea), QStringList{Recibo::lineaConcepto(u"Mates - A"_s, 40)});

        QSettings().setValue(u"CONFIGURATION/recibo_mostrarturno"_s, false);
        QCOMPARE(Recibo::generarRecibos(2, 0, {}), (QList<int>{0, 2, 0}));
        QSettings().remove(u"CONFIGURATION/recibo_mostrarturno"_s);
        QCOMPARE(lineas(ana), QStringList(2, Recibo::lineaConcepto(u"Mates"_s, 45)));
        QCOMPARE(lineas(bea), QStringList{Recibo::lineaConcepto(u"Mates"_s, 40)});
    }

    void monthWindowIsStrictAtItsEnd()
    {
        const QDate ini = primeroDeMes();
        const int ultimoDia = conAlta(u"A"_s, 10, ini.addMonths(1).addDays(-1));
        const int mesQueViene = conAlta(u"B"_s, 10, ini.addMonths(1));
        const int bajaElDiaUno = conAlta(u"C"_s, 10, ini.addMonths(-3), ini);
        const int bajaElDiaDos = conAlta(u"D"_s, 10, ini.addMonths(-3), ini.addDays(1));
        QCOMPARE(Recibo::generarRecibos(0, 0, {}), (QList<int>{2, 0, 0}));
        QVERIFY(reciboDe(ultimoDia));
        QVERIFY(!reciboDe(mesQueViene));
        QVERIFY(!reciboDe(bajaElDiaUno));
        QVERIFY(reciboDe(bajaElDiaDos));
    }

    void modesDecideWhatIsOverwritten()
    {
        const QDate ini = primeroDeMes();
        const int automatico = conAlta(u"A"_s, 50, ini.addMonths(-1));
        const int aMano = conAlta(u"M"_s, 50, ini.addMonths(-1));
        const int nuevo = conAlta(u"N"_s, 50, ini.addMonths(-1));
        const int reciboAuto = recibo(automatico, ini, 11, true);
        const int reciboMano = recibo(aMano, ini, 22, false, 11); // half paid
        const int numeroAuto = reciboDe(automatico)->nRecibo();

        // new, overwritten, skipped
        QCOMPARE(Recibo::generarRecibos(0, 0, {}), (QList<int>{1, 0, 2}));
        QCOMPARE(reciboDe(automatico)->importe(), 11.0);
        QCOMPARE(reciboDe(nuevo)->importe(), 50.0);
        QCOMPARE(Recibo::generarRecibos(1, 0, {}), (QList<int>{0, 2, 1}));
        QCOMPARE(reciboDe(automatico)->importe(), 50.0);
        QCOMPARE(reciboDe(automatico)->nRecibo(), numeroAuto);
        QCOMPARE(reciboDe(aMano)->importe(), 22.0);
        QCOMPARE(Recibo::generarRecibos(2, 0, {}), (QList<int>{0, 3, 0}));
        auto m = reciboDe(aMano);
        QCOMPARE(m->importe(), 50.0);
        QVERIFY(m->isAutomatico());
        // what was paid is kept; paid once it reaches the new amount
        QCOMPARE(m->importePagado(), 11.0);
        QVERIFY(!m->isPagado());
        QVERIFY(!reciboDe(automatico)->isPagado());
        QVERIFY(Dao::getInstance()->execute(u"UPDATE recibo SET importepagado = 5000 WHERE id = ?"_s, {reciboAuto}));
        QCOMPARE(Recibo::generarRecibos(2, 0, {}), (QList<int>{0, 3, 0}));
        QVERIFY(reciboDe(automatico)->isPagado());
        QCOMPARE(valor(u"SELECT group_concat(id) FROM recibo"_s), u"%1,%2,%3"_s.arg(reciboAuto).arg(reciboMano).arg(reciboDe(nuevo)->id()));
    }

    void failedInsertRollsBackWholeRun()
    {
        const QDate ini = primeroDeMes();
        QVERIFY(recibo(0, ini.addMonths(-1), 5)); // takes number 0
        const int conRecibo = conAlta(u"R"_s, 99, ini);
        recibo(conRecibo, ini, 1, true); // number 1, rewritten by mode 2 before the failure
        for (int i = 0; i < 6; ++i)
            conAlta(u"N%1"_s.arg(i), 10, ini);
        // the fourth insert of the run fails
        QVERIFY(Dao::getInstance()->execute(u"CREATE TEMP TRIGGER falla BEFORE INSERT ON recibo WHEN (SELECT count(*) FROM recibo) >= 5 "
                                            "BEGIN SELECT RAISE(ABORT, 'injected'); END"_s));
        MessageCapture capture;
        QCOMPARE(Recibo::generarRecibos(2, 0, {}), QList<int>());
        QVERIFY(!Dao::getInstance()->inTransaction());
        QCOMPARE(contar(u"SELECT count(*) FROM recibo"_s), 2);
        QCOMPARE(reciboDe(conRecibo)->importe(), 1.0);
        QCOMPARE(siguiente(), u"2"_s);

        QVERIFY(Dao::getInstance()->execute(u"DROP TRIGGER falla"_s));
        QCOMPARE(Recibo::generarRecibos(2, 0, {}), (QList<int>{6, 1, 0}));
        QCOMPARE(valor(u"SELECT group_concat(nrecibo) FROM (SELECT nrecibo FROM recibo ORDER BY nrecibo)"_s), u"0,1,2,3,4,5,6,7"_s);
        QCOMPARE(siguiente(), u"8"_s);
    }

    void onlyListedStudentsAreBilled()
    {
        conAlta(u"Ana"_s, 10, primeroDeMes());
        std::unique_ptr<Alumno> bea(Alumno::getFromDB(conAlta(u"Bea"_s, 10, primeroDeMes())));
        Alumno sinGuardar; // never stored: must not stand for "every student"
        QCOMPARE(Recibo::generarRecibos(0, 0, {&sinGuardar, bea.get()}), (QList<int>{1, 0, 0}));
        QCOMPARE(valor(u"SELECT group_concat(idalumno) FROM recibo"_s), QString::number(bea->id()));

        // the listed students' enrolments are read at once, however many are listed
        Alumno x(alumno(u"Xan"_s, u"S"_s)), y(alumno(u"Yago"_s, u"S"_s)), z(alumno(u"Zoe"_s, u"S"_s));
        const int dos = academy::statementsRunBy([&] { Recibo::generarRecibos(0, 0, {&x, &y}); });
        QCOMPARE(academy::statementsRunBy([&] { Recibo::generarRecibos(0, 0, {&x, &y, &z}); }), dos);
    }

    void failedRunInsideAnOpenTransactionOrRefusedCommitKeepsNothing()
    {
        for (int i = 0; i < 3; ++i)
            conAlta(u"N%1"_s.arg(i), 10, primeroDeMes());
        QVERIFY(Dao::getInstance()->execute(u"CREATE TEMP TRIGGER falla BEFORE INSERT ON recibo WHEN (SELECT count(*) FROM recibo) >= 2 "
                                            "BEGIN SELECT RAISE(ABORT, 'injected'); END"_s));
        MessageCapture capture;
        QVERIFY(Dao::getInstance()->transaction());
        const int antes = alumno(u"Antes"_s, u"Del run"_s);
        QCOMPARE(Recibo::generarRecibos(0, 0, {}), QList<int>());
        QVERIFY2(Dao::getInstance()->inTransaction(), "the opener still owns its transaction");
        QVERIFY(Dao::getInstance()->commit());
        QCOMPARE(contar(u"SELECT count(*) FROM alumno WHERE id = ?"_s, {antes}), 1);
        QCOMPARE(contar(u"SELECT count(*) FROM recibo"_s), 0);

        // foreign keys checked at commit, and a bill pointing nowhere: the commit is refused
        QVERIFY(Dao::getInstance()->execute(u"DROP TRIGGER falla"_s));
        QVERIFY(Dao::getInstance()->execute(u"CREATE TEMP TRIGGER huerfano AFTER INSERT ON recibo BEGIN "
                                            "UPDATE recibo SET idalumno = 999999 WHERE id = new.id; END"_s));
        QVERIFY(Dao::getInstance()->execute(u"PRAGMA defer_foreign_keys = ON"_s)); // lasts until the next commit
        QCOMPARE(Recibo::generarRecibos(0, 0, {}), QList<int>());
        QVERIFY(!Dao::getInstance()->inTransaction());
        QCOMPARE(contar(u"SELECT count(*) FROM recibo"_s), 0);
        QCOMPARE(siguiente(), u"0"_s);
    }

    void regenerationRebuildsOnlyThisMonthsBills()
    {
        const QDate ini = primeroDeMes();
        const int ana = alumno(u"Ana"_s, u"Pena"_s);
        alta(ana, turnoMates, u"Mates"_s, ini.addMonths(-2), QDate(), 45, 40);
        const int actual = recibo(ana, ini, 1, false, 10);
        const int pasado = recibo(conAlta(u"Bea"_s, 30, ini.addMonths(-2)), ini.addDays(-1), 1, false);
        Recibo::forzarNumeroRecibo(50, QString());

        QCOMPARE(regenerar({actual, pasado}), 1);
        std::unique_ptr<Recibo> a(Recibo::getFromDB(actual));
        QCOMPARE(a->importe(), 40.0);
        QCOMPARE(a->descuento(), 5.0);
        QCOMPARE(a->importePagado(), 10.0);
        QVERIFY(a->isAutomatico());
        QCOMPARE(a->nRecibo(), 0);
        // last month's bill is left as it was
        std::unique_ptr<Recibo> b(Recibo::getFromDB(pasado));
        QCOMPARE(b->importe(), 1.0);
        QVERIFY(!b->isAutomatico());
        QCOMPARE(siguiente(), u"50"_s);
        QCOMPARE(regenerar({pasado}), 0);
    }

    void failedRegenerationAnswersMinusOne()
    {
        const QDate ini = primeroDeMes();
        QList<int> ids;
        for (int i = 0; i < 3; ++i)
            ids << recibo(conAlta(u"N%1"_s.arg(i), 10, ini), ini, 1, false);
        QVERIFY(Dao::getInstance()->execute(u"CREATE TEMP TRIGGER falla BEFORE UPDATE ON recibo WHEN "
                                            "(SELECT count(*) FROM recibo WHERE importe = 1000) >= 2 "
                                            "BEGIN SELECT RAISE(ABORT, 'injected'); END"_s));
        QCOMPARE(regenerar(ids), -1);
        QVERIFY(!Dao::getInstance()->inTransaction());
        QCOMPARE(contar(u"SELECT count(*) FROM recibo WHERE importe = 100"_s), 3);
    }

    // The run hands no events to the window while its transaction is open:
    // a click queued before it is handled only after the commit.
    void runHandsNoEventsToTheWindow()
    {
        conAlta(u"A"_s, 10, primeroDeMes().addMonths(-1));
        conAlta(u"B"_s, 20, primeroDeMes().addMonths(-1));
        bool ran = false;
        bool insideTransaction = false;
        QTimer::singleShot(0, [&] {
            ran = true;
            insideTransaction = Dao::getInstance()->inTransaction();
        });
        QCOMPARE(Recibo::generarRecibos(0, 0, {}), (QList<int>{2, 0, 0}));
        QVERIFY2(!ran, "an event was handled during the generation");
        QList<Recibo*> delMes = Recibo::list(Recibo::PAGADOS_E_IMPAGADOS, primeroDeMes(), primeroDeMes().addMonths(1));
        QCOMPARE(Recibo::regenerarRecibos(delMes, 0), 2);
        qDeleteAll(delMes);
        QVERIFY2(!ran, "an event was handled during the regeneration");
        QTRY_VERIFY(ran);
        QVERIFY(!insideTransaction);
    }

    // The month of another year: the enrolments of last December are billed
    // in January, not those of the coming December.
    void monthOfAnotherYear()
    {
        const int anio = QDate::currentDate().year() - 1;
        const int diciembre = conAlta(u"A"_s, 25, QDate(anio, 11, 1), QDate(anio, 12, 20));
        QCOMPARE(Recibo::generarRecibos(0, 12, {}, anio), (QList<int>{1, 0, 0}));
        QVERIFY(reciboDe(diciembre));
        QVERIFY(!Recibo::existenRecibosMes(12, anio)); // dated the day of the run
        QVERIFY(Recibo::existenRecibosMes(0));
        QCOMPARE(Recibo::generarRecibos(0, 12, {}), (QList<int>{0, 0, 0}));
    }
};

PENSARIO_TEST_MAIN(TestReciboGeneracion)
#include "tst_recibogeneracion.moc"
