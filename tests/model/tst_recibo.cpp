#include "recibofixture.h"

#include "messagecapture.h"
#include "testmain.h"

#include <QSignalSpy>
#include <QTest>

using namespace ReciboFixture;

class TestRecibo : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void settersClearAutomaticOnlyOnChange();
    void storesCentsAndReadsBack();
    void persistRefusesStoredBillAndRenumbers();
    void listFiltersByPaidStateAndHalfOpenRange();
    void existenRecibosMesIncludesBothEnds();
    void removeListDeletesOnlyGivenIds();

    void freshDatabaseNumbersFromZero();
    void nextNumberSkipsNumbersUsedInCurrentSeries();
    void forcingNumberAndSeries();
    void seriesList();
    void editKeepsHigherNextNumber();
    void editMovesNextNumberPastSeriesMaximum();
    void failedInsertConsumesNoNumber();

    void billOfRemovedStudentCanBeMarkedPaid();
};

void TestRecibo::init()
{
    QVERIFY(abrirBaseNueva());
}

void TestRecibo::settersClearAutomaticOnlyOnChange()
{
    Recibo r;
    QCOMPARE(r.serie(), QStringLiteral("2012"));
    QVERIFY(r.isAutomatico());

    r.setNRecibo(0);
    r.setConcepto(QString());
    r.setPagado(false);
    QVERIFY2(r.isAutomatico(), "same values must keep the bill automatic");

    r.setImporte(50);
    QVERIFY(!r.isAutomatico());
    QCOMPARE(r.importePagado(), 0.0);
    r.setPagado(true);
    QCOMPARE(r.importePagado(), 50.0);
    r.setImportePagado(20);
    r.setPagado(false);
    QCOMPARE(r.importePagado(), 20.0); // unpaying keeps what was paid
}

void TestRecibo::storesCentsAndReadsBack()
{
    const int idAlumno = alumno(QStringLiteral("Ana"), QStringLiteral("Pena Sanz"), QStringLiteral("ES12"));
    QVERIFY(idAlumno > 0);
    Recibo r(idAlumno);
    QCOMPARE(r.pagaderoEn(), QStringLiteral("ES12"));
    r.setFecha(QDate(2024, 3, 1));
    r.setImporte(12.345);
    r.setImportePagado(0.005);
    r.setDescuento(1.2345);
    r.setConcepto(QStringLiteral("c"));
    r.setDatosAlumno(QStringLiteral("d"));
    r.setPagado(false);
    QVERIFY(r.persist());

    QCOMPARE(contar(QStringLiteral("SELECT importe FROM recibo WHERE id = ?"), {r.id()}), 1235);
    QCOMPARE(contar(QStringLiteral("SELECT importepagado FROM recibo WHERE id = ?"), {r.id()}), 1);
    QSqlQuery q = Dao::getInstance()->query(QStringLiteral("SELECT pagado, automatico, descuento FROM recibo"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("false"));
    QCOMPARE(q.value(1).toString(), QStringLiteral("false"));
    QCOMPARE(q.value(2).toDouble(), 1.23);

    std::unique_ptr<Recibo> leido(Recibo::getFromDB(r.id()));
    QVERIFY(leido);
    QCOMPARE(leido->importe(), 12.35);
    QCOMPARE(leido->importePagado(), 0.01);
    QCOMPARE(leido->fecha(), QDate(2024, 3, 1));
    QCOMPARE(leido->idAlumno(), idAlumno);
    QCOMPARE(leido->pagaderoEn(), QStringLiteral("ES12"));
    QVERIFY(!leido->isAutomatico());
    QVERIFY(!Recibo::getFromDB(r.id() + 100));
}

void TestRecibo::persistRefusesStoredBillAndRenumbers()
{
    const int id = recibo(0, QDate(2024, 1, 5), 10);
    QVERIFY(id > 0);
    std::unique_ptr<Recibo> r(Recibo::getFromDB(id));
    MessageCapture capture;
    QVERIFY(!r->persist());
    QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("Intentando almacenar como nuevo un recibo que ya tiene id")));
    QCOMPARE(contar(QStringLiteral("SELECT count(*) FROM recibo")), 1);

    Recibo otro;
    otro.setNRecibo(57);
    otro.setFecha(QDate(2024, 1, 6));
    otro.setConcepto(QStringLiteral("x"));
    otro.setDatosAlumno(QStringLiteral("y"));
    QVERIFY(otro.persist());
    QCOMPARE(otro.nRecibo(), 1); // the number held before is replaced by the series' next
}

void TestRecibo::listFiltersByPaidStateAndHalfOpenRange()
{
    const int enero = recibo(0, QDate(2024, 1, 1), 10);
    const int febrero = recibo(0, QDate(2024, 2, 1), 20);
    const int finEnero = recibo(0, QDate(2024, 1, 31), 30);
    std::unique_ptr<Recibo> r(Recibo::getFromDB(finEnero));
    r->setPagado(true);
    QVERIFY(r->update());

    auto ids = [](QList<Recibo*> l) {
        QList<int> out;
        for (Recibo* x : l)
            out << x->id();
        qDeleteAll(l);
        std::sort(out.begin(), out.end());
        return out;
    };
    QCOMPARE(ids(Recibo::list(Recibo::PAGADOS_E_IMPAGADOS, QDate(), QDate())), (QList<int>{enero, febrero, finEnero}));
    QCOMPARE(ids(Recibo::list(Recibo::PAGADOS_E_IMPAGADOS, QDate(2024, 1, 1), QDate(2024, 2, 1))),
             (QList<int>{enero, finEnero}));
    QCOMPARE(ids(Recibo::list(Recibo::SOLOPAGADOS, QDate(), QDate())), (QList<int>{finEnero}));
    QCOMPARE(ids(Recibo::list(Recibo::SOLOIMPAGADOS, QDate(2024, 1, 2), QDate())), (QList<int>{febrero}));

    MessageCapture capture;
    QCOMPARE(ids(Recibo::list(static_cast<Recibo::pagadosImpagados>(7), QDate(), QDate(2024, 1, 31))),
             (QList<int>{enero}));
    QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("A value distinct from SOLOIMPAGADOS")));
}

void TestRecibo::existenRecibosMesIncludesBothEnds()
{
    const QDate primero = primeroDeMes();
    const int mesAnterior = primero.addDays(-1).month();
    QVERIFY(!Recibo::existenRecibosMes(0));
    recibo(0, primero.addDays(-1), 10);
    QVERIFY(!Recibo::existenRecibosMes(0));
    if (primero.addDays(-1).year() == primero.year())
        QVERIFY(Recibo::existenRecibosMes(mesAnterior));
    recibo(0, primero.addMonths(1).addDays(-1), 10);
    QVERIFY(Recibo::existenRecibosMes(0));
    QVERIFY(Recibo::existenRecibosMes(primero.month()));
}

void TestRecibo::removeListDeletesOnlyGivenIds()
{
    const int a = recibo(0, QDate(2024, 1, 1), 1);
    const int b = recibo(0, QDate(2024, 1, 2), 2);
    const int c = recibo(0, QDate(2024, 1, 3), 3);
    QVERIFY(Recibo::removeList({}));
    QCOMPARE(contar(QStringLiteral("SELECT count(*) FROM recibo")), 3);
    QVERIFY(Recibo::removeList({a, c}));
    QCOMPARE(contar(QStringLiteral("SELECT count(*) FROM recibo")), 1);
    QCOMPARE(contar(QStringLiteral("SELECT id FROM recibo")), b);
}

void TestRecibo::freshDatabaseNumbersFromZero()
{
    QCOMPARE(propiedad(QStringLiteral("siguienterecibo")), QStringLiteral("0"));
    const int id = recibo(0, QDate(2024, 5, 1), 1);
    std::unique_ptr<Recibo> r(Recibo::getFromDB(id));
    QCOMPARE(r->nRecibo(), 0);
    QCOMPARE(r->serie(), QStringLiteral("2012"));
    QCOMPARE(propiedad(QStringLiteral("siguienterecibo")), QStringLiteral("1"));
    QCOMPARE(Recibo::getUltimoNumero(), 0);
}

void TestRecibo::nextNumberSkipsNumbersUsedInCurrentSeries()
{
    auto conNumero = [](int n, const QString& serie) {
        return Dao::getInstance()->insert(
            QStringLiteral("recibo"),
            {QStringLiteral("nrecibo"), QStringLiteral("serie"), QStringLiteral("fecha"), QStringLiteral("importe"),
             QStringLiteral("importepagado"), QStringLiteral("concepto"), QStringLiteral("datosalumno")},
            {n, serie, QDate(2024, 1, 1), 0, 0, QStringLiteral("c"), QStringLiteral("d")});
    };
    conNumero(5, QStringLiteral("2012"));
    conNumero(6, QStringLiteral("2012"));
    conNumero(7, QStringLiteral("B"));
    conNumero(8, QStringLiteral("B"));
    Recibo::forzarNumeroRecibo(5, QString());
    QCOMPARE(Recibo::getSiguienteNumeroRecibo(), 7);
    QCOMPARE(propiedad(QStringLiteral("siguienterecibo")), QStringLiteral("7"));
    QVERIFY(Recibo::existeNumeroEnSerie(7, QStringLiteral("B")));
    QVERIFY(!Recibo::existeNumeroEnSerie(7, QStringLiteral("2012")));

    const int id = recibo(0, QDate(2024, 1, 2), 1);
    std::unique_ptr<Recibo> r(Recibo::getFromDB(id));
    QCOMPARE(r->nRecibo(), 7);
    QCOMPARE(propiedad(QStringLiteral("siguienterecibo")), QStringLiteral("8"));
}

void TestRecibo::forcingNumberAndSeries()
{
    Recibo::forzarNumeroRecibo(100, QStringLiteral("   "));
    QCOMPARE(propiedad(QStringLiteral("siguienterecibo")), QStringLiteral("100"));
    QCOMPARE(Recibo::getSerieActual(), QStringLiteral("2012"));

    Recibo::forzarNumeroRecibo(1, QStringLiteral("B"));
    QCOMPARE(propiedad(QStringLiteral("siguienterecibo")), QStringLiteral("1"));
    QCOMPARE(Recibo::getSerieActual(), QStringLiteral("B"));
    QCOMPARE(Recibo().serie(), QStringLiteral("B"));
    QCOMPARE(Recibo::getUltimoNumero(), 0);

    const int id = recibo(0, QDate(2024, 1, 2), 1);
    std::unique_ptr<Recibo> r(Recibo::getFromDB(id));
    QCOMPARE(r->serie(), QStringLiteral("B"));
    QCOMPARE(r->nRecibo(), 1);
    QCOMPARE(Recibo::getUltimoNumero(), 1);
}

void TestRecibo::seriesList()
{
    QCOMPARE(Recibo::getSeries(true), QStringList());
    QCOMPARE(Recibo::getSeries(false), QStringList{QStringLiteral("2012")});
    recibo(0, QDate(2024, 1, 1), 1);
    Recibo::setSerieActual(QStringLiteral("2025"));
    recibo(0, QDate(2025, 1, 1), 1);
    Recibo::setSerieActual(QStringLiteral("2026"));
    QStringList conRecibos = Recibo::getSeries(true);
    conRecibos.sort();
    QCOMPARE(conRecibos, (QStringList{QStringLiteral("2012"), QStringLiteral("2025")}));
    QStringList todas = Recibo::getSeries(false);
    todas.sort();
    QCOMPARE(todas, (QStringList{QStringLiteral("2012"), QStringLiteral("2025"), QStringLiteral("2026")}));
}

void TestRecibo::editKeepsHigherNextNumber()
{
    const int id = recibo(0, QDate(2024, 1, 1), 1);
    recibo(0, QDate(2024, 1, 2), 1);
    Recibo::forzarNumeroRecibo(100, QString()); // set by hand in the configuration
    std::unique_ptr<Recibo> r(Recibo::getFromDB(id));
    r->setImporte(15);
    QVERIFY(r->update());
    QCOMPARE(propiedad(QStringLiteral("siguienterecibo")), QStringLiteral("100"));
    QCOMPARE(contar(QStringLiteral("SELECT importe FROM recibo WHERE id = ?"), {id}), 1500);
}

void TestRecibo::editMovesNextNumberPastSeriesMaximum()
{
    const int id = recibo(0, QDate(2024, 1, 1), 1);
    std::unique_ptr<Recibo> r(Recibo::getFromDB(id));
    r->setNRecibo(40);
    QVERIFY(r->update());
    QCOMPARE(propiedad(QStringLiteral("siguienterecibo")), QStringLiteral("41"));

    // a number already used in the series is refused and nothing moves
    const int otro = recibo(0, QDate(2024, 1, 2), 1);
    std::unique_ptr<Recibo> r2(Recibo::getFromDB(otro));
    QCOMPARE(r2->nRecibo(), 41);
    r2->setNRecibo(40);
    QVERIFY(!r2->update());
    QCOMPARE(contar(QStringLiteral("SELECT nrecibo FROM recibo WHERE id = ?"), {otro}), 41);
    QCOMPARE(propiedad(QStringLiteral("siguienterecibo")), QStringLiteral("42"));
}

void TestRecibo::failedInsertConsumesNoNumber()
{
    recibo(0, QDate(2024, 1, 1), 1);
    QCOMPARE(propiedad(QStringLiteral("siguienterecibo")), QStringLiteral("1"));
    QVERIFY(Dao::getInstance()->execute(QStringLiteral(
        "CREATE TEMP TRIGGER falla BEFORE INSERT ON recibo BEGIN SELECT RAISE(ABORT, 'injected'); END")));

    // in a transaction of its own
    Recibo a;
    a.setFecha(QDate(2024, 1, 2));
    a.setConcepto(QStringLiteral("c"));
    a.setDatosAlumno(QStringLiteral("d"));
    QVERIFY(!a.persist());
    QCOMPARE(a.id(), 0);
    QCOMPARE(propiedad(QStringLiteral("siguienterecibo")), QStringLiteral("1"));

    // joining a transaction someone else opened: nothing to roll back for it
    QVERIFY(Dao::getInstance()->transaction());
    Recibo b;
    b.setFecha(QDate(2024, 1, 2));
    b.setConcepto(QStringLiteral("c"));
    b.setDatosAlumno(QStringLiteral("d"));
    QVERIFY(!b.persist());
    QCOMPARE(propiedad(QStringLiteral("siguienterecibo")), QStringLiteral("1"));
    QVERIFY(Dao::getInstance()->commit());
    QCOMPARE(propiedad(QStringLiteral("siguienterecibo")), QStringLiteral("1"));

    QVERIFY(Dao::getInstance()->execute(QStringLiteral("DROP TRIGGER falla")));
    const int id = recibo(0, QDate(2024, 1, 3), 1);
    std::unique_ptr<Recibo> c(Recibo::getFromDB(id));
    QCOMPARE(c->nRecibo(), 1);
}

void TestRecibo::billOfRemovedStudentCanBeMarkedPaid()
{
    const int idAlumno = alumno(QStringLiteral("Xoán"), QStringLiteral("Lema"));
    const int id = recibo(idAlumno, QDate(2024, 2, 1), 40);
    QVERIFY(Alumno::remove(idAlumno));
    QCOMPARE(contar(QStringLiteral("SELECT count(*) FROM recibo WHERE idalumno IS NULL")), 1);

    std::unique_ptr<Recibo> r(Recibo::getFromDB(id));
    QCOMPARE(r->idAlumno(), 0);
    r->setPagado(true);
    QVERIFY(r->update());
    QCOMPARE(contar(QStringLiteral("SELECT count(*) FROM recibo WHERE idalumno IS NULL AND pagado = 'true'")), 1);
    QCOMPARE(contar(QStringLiteral("SELECT importepagado FROM recibo WHERE id = ?"), {id}), 4000);
}

PENSARIO_TEST_MAIN(TestRecibo)
#include "tst_recibo.moc"
