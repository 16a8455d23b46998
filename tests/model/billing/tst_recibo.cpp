#include "recibofixture.h"

#include "messagecapture.h"
#include "testmain.h"

#include <QSqlQuery>
#include <QTest>

#include <algorithm>
#include <memory>
#include <vector>

using namespace ReciboFixture;

class TestRecibo : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(abrirBaseNueva()); }

    void storesCentsAndReadsBack()
    {
        const int idAlumno = alumno(u"Ana"_s, u"Pena Sanz"_s, u"ES12"_s);
        Recibo r(idAlumno);
        QCOMPARE(r.pagaderoEn(), u"ES12"_s);
        r.setFecha(QDate(2024, 3, 1));
        r.setImporte(12.345);
        r.setImportePagado(0.005);
        r.setDescuento(1.2345);
        r.setConcepto(u"c"_s);
        r.setDatosAlumno(u"d"_s);
        QVERIFY(r.persist());
        QCOMPARE(valor(u"SELECT importe || ' ' || importepagado || ' ' || descuento || pagado || automatico FROM recibo"_s),
                 u"1235 1 1.23falsefalse"_s);

        std::unique_ptr<Recibo> leido(Recibo::getFromDB(r.id()));
        QCOMPARE(leido->importe(), 12.35);
        QCOMPARE(leido->importePagado(), 0.01);
        QCOMPARE(leido->idAlumno(), idAlumno);
    }

    // Bills are read straight from SQLite, as a list and one by one: every
    // field as it was stored, flags and dates stored as text included.
    void readsEveryFieldAsStored()
    {
        const int idAlumno = alumno(u"Ana"_s, u"Núñez Pena"_s, u"ES12"_s);
        std::vector<std::unique_ptr<Recibo>> guardados;
        for (const bool pagado : {false, true}) {
            auto r = std::make_unique<Recibo>(idAlumno);
            r->setFecha(QDate(2024, 3, pagado ? 28 : 1));
            r->setImporte(pagado ? 40.5 : 12.35);
            r->setImportePagado(pagado ? 40.5 : 0);
            r->setDescuento(7.5);
            r->setPagado(pagado);
            r->setConcepto(u"Inglés\nMatemáticas"_s);
            r->setDatosAlumno(u"Rúa Nova 3"_s);
            QVERIFY(r->persist());
            guardados.push_back(std::move(r));
        }
        QVERIFY(Dao::getInstance()->execute(u"UPDATE recibo SET automatico = 'TRUE' WHERE pagado = 'true'"_s));
        const QList<Recibo*> lista = Recibo::list(Recibo::PAGADOS_E_IMPAGADOS, QDate(2024, 3, 1), QDate(2024, 4, 1));
        QCOMPARE(lista.size(), 2);
        for (const auto& guardado : guardados) {
            const auto enLista = std::find_if(lista.cbegin(), lista.cend(),
                                              [&](const Recibo* r) { return r->id() == guardado->id(); });
            QVERIFY(enLista != lista.cend());
            std::unique_ptr<Recibo> uno(Recibo::getFromDB(guardado->id()));
            QVERIFY(uno);
            for (const Recibo* leido : {static_cast<const Recibo*>(*enLista), static_cast<const Recibo*>(uno.get())}) {
                QCOMPARE(leido->id(), guardado->id());
                QCOMPARE(leido->nRecibo(), guardado->nRecibo());
                QCOMPARE(leido->serie(), guardado->serie());
                QCOMPARE(leido->fecha(), guardado->fecha());
                QVERIFY(leido->fecha().isValid());
                QCOMPARE(leido->importe(), guardado->importe());
                QCOMPARE(leido->importePagado(), guardado->importePagado());
                QCOMPARE(leido->descuento(), guardado->descuento());
                QCOMPARE(leido->concepto(), guardado->concepto());
                QCOMPARE(leido->datosAlumno(), guardado->datosAlumno());
                QCOMPARE(leido->isPagado(), guardado->isPagado());
                // 'TRUE' reads as true, as 'true' does
                QCOMPARE(leido->isAutomatico(), guardado->isPagado());
                QCOMPARE(leido->pagaderoEn(), guardado->pagaderoEn());
                QCOMPARE(leido->idAlumno(), guardado->idAlumno());
                QCOMPARE(leido->nombreAlumno(), guardado->nombreAlumno());
                QCOMPARE(leido->apellidosAlumno(), guardado->apellidosAlumno());
            }
        }
        QCOMPARE(lista.at(0)->isPagado() + lista.at(1)->isPagado(), 1);
        QCOMPARE(lista.at(0)->isAutomatico() + lista.at(1)->isAutomatico(), 1);
        QVERIFY(!Recibo::getFromDB(guardados.back()->id() + 1));
        qDeleteAll(lista);

        // many at once, across the reads' chunks: in the order asked, the missing left out
        QVERIFY(Dao::getInstance()->execute(
            u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 600) INSERT INTO recibo "
            "(nrecibo, fecha, importe, importepagado, concepto, datosalumno) SELECT 100 + i, '2024-05-01', 0, 0, 'c', 'd' FROM n"_s));
        QList<int> pedidos;
        for (QSqlQuery q = Dao::getInstance()->query(u"SELECT id FROM recibo ORDER BY id DESC"_s); q.next();)
            pedidos << q.value(0).toInt();
        QList<int> esperados = pedidos;
        pedidos.insert(300, pedidos.first() + 1);
        QList<int> leidos;
        const QList<Recibo*> muchos = Recibo::getFromDB(pedidos);
        for (const Recibo* r : muchos)
            leidos << r->id();
        qDeleteAll(muchos);
        QCOMPARE(leidos, esperados);
    }

    void numberingSkipsUsedNumbersAndFollowsTheSeries()
    {
        QCOMPARE(siguiente(), u"0"_s);
        for (const auto& [n, serie] : QList<QPair<int, QString>>{{5, "2012"}, {6, "2012"}, {7, "B"}, {8, "B"}})
            QVERIFY(Dao::getInstance()->insert(u"recibo"_s, {"nrecibo", "serie", "fecha", "importe", "importepagado", "concepto", "datosalumno"},
                                               {n, serie, QDate(2024, 1, 1), 0, 0, u"c"_s, u"d"_s}).isValid());
        Recibo::forzarNumeroRecibo(5, QString());
        QCOMPARE(Recibo::getSiguienteNumeroRecibo(), 7);
        QCOMPARE(siguiente(), u"7"_s);
        std::unique_ptr<Recibo> r(Recibo::getFromDB(recibo(0, QDate(2024, 1, 2), 1)));
        QCOMPARE(r->nRecibo(), 7);
        QCOMPARE(r->serie(), u"2012"_s);
        QCOMPARE(siguiente(), u"8"_s);

        // a blank series keeps the current one; a new series starts where it is told
        Recibo::forzarNumeroRecibo(100, u"   "_s);
        QCOMPARE(Recibo::getSerieActual(), u"2012"_s);
        Recibo::forzarNumeroRecibo(1, u"C"_s);
        QCOMPARE(Recibo::getSerieActual(), u"C"_s);
        QCOMPARE(Recibo::getUltimoNumero(), 0);
        r.reset(Recibo::getFromDB(recibo(0, QDate(2024, 1, 2), 1)));
        QCOMPARE(r->serie(), u"C"_s);
        QCOMPARE(r->nRecibo(), 1);
        QCOMPARE(Recibo::getUltimoNumero(), 1);
    }

    void editingANumberMovesTheNextOnlyForward()
    {
        const int id = recibo(0, QDate(2024, 1, 1), 1);
        std::unique_ptr<Recibo> r(Recibo::getFromDB(id));
        r->setNRecibo(40);
        QVERIFY(r->update());
        QCOMPARE(siguiente(), u"41"_s);
        // a number already used in the series is refused and nothing moves
        const int otro = recibo(0, QDate(2024, 1, 2), 1);
        std::unique_ptr<Recibo> r2(Recibo::getFromDB(otro));
        QCOMPARE(r2->nRecibo(), 41);
        r2->setNRecibo(40);
        QVERIFY(!r2->update());
        QCOMPARE(contar(u"SELECT nrecibo FROM recibo WHERE id = ?"_s, {otro}), 41);
        QCOMPARE(siguiente(), u"42"_s);
        // a next number set higher by hand is kept when an older bill is edited
        Recibo::forzarNumeroRecibo(100, QString());
        r.reset(Recibo::getFromDB(id));
        r->setImporte(15);
        QVERIFY(r->update());
        QCOMPARE(siguiente(), u"100"_s);
    }

    // A numbering state that cannot be read or written is a failure the
    // caller hears of, not the end of the program.
    void unreadableNumberingFailsInsteadOfEndingTheProgram()
    {
        const int idAlumno = alumno(u"Ana"_s, u"Pena Sanz"_s, u"ES12"_s);
        Dao* dao = Dao::getInstance();
        QVERIFY(dao->execute(u"CREATE TEMP TRIGGER sinpropiedades BEFORE UPDATE ON property BEGIN SELECT RAISE(ABORT, 'injected'); END"_s));
        MessageCapture capture;
        QVERIFY(!Recibo::setSerieActual(u"B"_s));
        QVERIFY(!Recibo::incrementarNumeroRecibo());
        QVERIFY(!Recibo::forzarNumeroRecibo(9, QString()));
        QVERIFY(capture.contains(QtWarningMsg, u"No se ha podido forzar"_s));
        QCOMPARE(Recibo::getSerieActual(), u"2012"_s);
        QCOMPARE(siguiente(), u"0"_s);
        // the bill is refused whole: the increment that failed leaves no row behind
        Recibo nuevo(idAlumno);
        nuevo.setFecha(QDate(2024, 3, 1));
        QVERIFY(!nuevo.persist());
        QCOMPARE(contar(u"SELECT count(*) FROM recibo"_s), 0);
        QVERIFY(dao->execute(u"DROP TRIGGER sinpropiedades"_s));

        QVERIFY(dao->execute(u"DELETE FROM property WHERE key IN ('serieactual', 'siguienterecibo')"_s));
        QVERIFY(Recibo::getSerieActual().isNull());
        QCOMPARE(Recibo::getSiguienteNumeroRecibo(), -1);
        QCOMPARE(Recibo::getUltimoNumero(), -1);
        QVERIFY(!Recibo::getSeries(false).contains(QString()));
        QVERIFY(!nuevo.persist());
        alta(idAlumno, turno(u"Mates"_s), u"Mates"_s, primeroDeMes().addDays(-40), QDate(), 40, 40);
        QCOMPARE(Recibo::generarRecibos(0, 0, {}), QList<int>());
        QCOMPARE(contar(u"SELECT count(*) FROM recibo"_s), 0);
        QVERIFY(capture.contains(QtWarningMsg, u"No se ha podido dobtener la serie actual"_s));
    }

    void failedInsertConsumesNoNumber()
    {
        recibo(0, QDate(2024, 1, 1), 1);
        QVERIFY(Dao::getInstance()->execute(u"CREATE TEMP TRIGGER falla BEFORE INSERT ON recibo BEGIN SELECT RAISE(ABORT, 'injected'); END"_s));
        MessageCapture capture;
        QVERIFY(!recibo(0, QDate(2024, 1, 2), 1)); // in a transaction of its own
        QCOMPARE(siguiente(), u"1"_s);
        // joining a transaction someone else opened
        QVERIFY(Dao::getInstance()->transaction());
        QVERIFY(!recibo(0, QDate(2024, 1, 2), 1));
        QVERIFY(Dao::getInstance()->commit());
        QCOMPARE(siguiente(), u"1"_s);
        QVERIFY(Dao::getInstance()->execute(u"DROP TRIGGER falla"_s));
        QCOMPARE(std::unique_ptr<Recibo>(Recibo::getFromDB(recibo(0, QDate(2024, 1, 3), 1)))->nRecibo(), 1);
    }

    void billOfRemovedStudentCanBeMarkedPaid()
    {
        const int idAlumno = alumno(u"Xoán"_s, u"Lema"_s);
        const int id = recibo(idAlumno, QDate(2024, 2, 1), 40);
        QVERIFY(Alumno::remove(idAlumno));
        std::unique_ptr<Recibo> r(Recibo::getFromDB(id));
        QCOMPARE(r->idAlumno(), 0);
        r->setPagado(true);
        QVERIFY(r->update());
        QCOMPARE(valor(u"SELECT ifnull(idalumno, 'NULL') || pagado || importepagado FROM recibo WHERE id = ?"_s, {id}), u"NULLtrue4000"_s);
    }
};

PENSARIO_TEST_MAIN(TestRecibo)
#include "tst_recibo.moc"
