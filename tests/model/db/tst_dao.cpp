#include "changenotifier.h"
#include "dao.h"
#include "daorow.h"
#include "daotesthelpers.h"
#include "filaunica.h"
#include "messagecapture.h"
#include "testmain.h"

#include <QSignalSpy>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

class TestDao : public QObject
{
    Q_OBJECT
private:
    Dao* dao = nullptr;

    // A fresh file with a small table of its own.
    void openScratch()
    {
        QVERIFY(dao->open(u"scratch"_s, false));
        QVERIFY(dao->execute(u"CREATE TABLE t (id INTEGER PRIMARY KEY AUTOINCREMENT, a, b, c)"_s));
    }
    // A child whose reference is only checked at commit.
    void deferredChild()
    {
        QVERIFY(dao->execute(u"CREATE TABLE p (id INTEGER PRIMARY KEY)"_s));
        QVERIFY(dao->execute(u"CREATE TABLE ch (pid INTEGER REFERENCES p(id) DEFERRABLE INITIALLY DEFERRED)"_s));
    }

private slots:
    void init() { dao = freshDao(); }
    void cleanup() { closeDao(); }

    void statementTextsAndLogLines()
    {
        openScratch();
        daoSetDebug(true);
        MessageCapture capture;
        QCOMPARE(dao->insert(u"t"_s, {"a", "b", "c"}, {2, u"y"_s, 2.5}).toInt(), 1);
        QVERIFY(capture.contains(QtDebugMsg, u"Executed query was: INSERT INTO t(a,b,c) VALUES (?,?,?);"_s));
        QCOMPARE(dao->insert(u"t"_s, {"a", "b"}, {1, u"x"_s}).toInt(), 2);

        QSqlQuery q = dao->select(u"t"_s, {"a", "b"}, QString(), {});
        QCOMPARE(q.lastQuery(), u"SELECT a,b FROM t "_s);
        QVERIFY(capture.contains(QtDebugMsg, u"Executed query was: SELECT a,b FROM t "_s));
        q = dao->select(u"t"_s, {"b"}, u"a = ?"_s, u"b DESC"_s, {2});
        QCOMPARE(q.lastQuery(), u"SELECT b FROM t WHERE a = ? ORDER BY b DESC"_s);
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), u"y"_s);
        QVERIFY(capture.contains(QtDebugMsg, u"With parameters: (0, 2)"_s));

        QVERIFY(dao->update(u"t"_s, {"a", "b"}, u"id = ?"_s, {10, 20, 2}));
        QVERIFY(capture.contains(QtDebugMsg, u"Executed query was: update t set a = ?, b = ? WHERE id = ?"_s));
        // the last value goes to the where, not to a column
        QCOMPARE(daoValue(u"SELECT group_concat(a || b) FROM (SELECT a, b FROM t ORDER BY id)"_s).toString(), u"2y,1020"_s);
        QVERIFY(dao->deleteFrom(u"t"_s, {"a", "b"}, {10, 20}));
        QVERIFY(capture.contains(QtDebugMsg, u"Executed query was: DELETE FROM t WHERE a = ? AND b = ?"_s));
        QCOMPARE(daoValue(u"SELECT count(*) FROM t"_s).toInt(), 1);

        // failures: logged, prepare failure answers false, exec failure invalid
        capture.clear();
        QVERIFY(!dao->select(u"nosuchtable"_s, {"a"}, QString(), {}).isActive());
        QVERIFY(capture.contains(QtWarningMsg, u"Error executing query: "_s));
        QVERIFY(capture.contains(QtWarningMsg, u"Executed query was: SELECT a FROM nosuchtable "_s));
        QVERIFY(capture.contains(QtWarningMsg, u"no such table: nosuchtable"_s));
        QVERIFY(dao->execute(u"CREATE TABLE u (a NOT NULL)"_s));
        QVERIFY(!dao->insert(u"u"_s, {"a"}, {QVariant()}).isValid());
        QVERIFY(capture.contains(QtDebugMsg, u"Something was wrong doing an insert"_s));
    }

    // The direct reader answers what the driver's query answers for the same
    // statement, binds as it does, and reports a failure.
    void readRowsMatchesTheDriver()
    {
        openScratch();
        QVERIFY(dao->execute(u"INSERT INTO t(a, b, c) VALUES (7, 'Ñandú', 2.5), (NULL, 'true', x'00ff')"_s));
        const QString sql = u"SELECT a, b, c FROM t WHERE b = ? OR a = ? OR ? = '2025-02-28' ORDER BY id"_s;
        const QList<QVariant> values{true, 7, QDate(2025, 2, 28)};
        QList<QVariantList> direct;
        QVERIFY(dao->readRows(sql, values, [&direct](const DaoRow& row) {
            direct << QVariantList{row.value(0), row.value(1), row.value(2), row.text(1), row.integer(0), row.real(2)};
        }));
        QSqlQuery q = dao->query(sql, values);
        int n = 0;
        for (; q.next(); ++n) {
            QVERIFY(n < direct.size());
            for (int c = 0; c < 3; ++c) {
                QCOMPARE(direct.at(n).at(c).isNull(), q.value(c).isNull());
                QCOMPARE(direct.at(n).at(c).toString(), q.value(c).toString());
            }
            QCOMPARE(direct.at(n).at(3).toString(), q.value(1).toString());
            QCOMPARE(direct.at(n).at(4).toLongLong(), q.value(0).toLongLong());
            QCOMPARE(direct.at(n).at(5).toDouble(), q.value(2).toDouble());
        }
        QCOMPARE(n, 2);
        QCOMPARE(direct.at(1).at(2).toByteArray(), QByteArray("\x00\xff", 2));

        MessageCapture capture;
        QVERIFY(!dao->readRows(u"SELECT x FROM nowhere"_s, {}, [](const DaoRow&) {}));
        QVERIFY(dao->lastError().second.contains(u"no such table"_s));
        QVERIFY(capture.contains(QtWarningMsg, u"Executed query was: SELECT x FROM nowhere"_s));
    }

    void boolsAsTextAndIdZeroAsNull()
    {
        openScratch();
        QVERIFY(dao->insert(u"t"_s, {"a", "b"}, {true, false}).toInt() > 0);
        QVERIFY(dao->update(u"t"_s, {"c"}, u"a = ?"_s, {true, true}));
        QVERIFY(dao->select(u"t"_s, {"id"}, u"b = ?"_s, {false}).next());
        QVERIFY(dao->insert(u"t"_s, {"a", "b", "c"}, {u"dates"_s, QDate(2024, 1, 31), QDate()}).isValid());
        deferredChild();
        QVERIFY(dao->execute(u"INSERT INTO p VALUES (5)"_s));
        QVERIFY(dao->insert(u"ch"_s, {"pid"}, {Dao::idOrNull(0)}).toInt() > 0);
        QVERIFY(dao->insert(u"ch"_s, {"pid"}, {Dao::idOrNull(5)}).toInt() > 0);
        dao->close();

        DaoRawDb raw(daoDbPath(u"scratch"_s));
        QCOMPARE(raw.value(u"SELECT typeof(a) || ':' || a || b || c FROM t WHERE id = 1"_s).toString(), u"text:truefalsetrue"_s);
        QCOMPARE(raw.value(u"SELECT b || '|' || (c IS NULL) FROM t WHERE a = 'dates'"_s).toString(), u"2024-01-31|1"_s);
        QCOMPARE(raw.value(u"SELECT group_concat(ifnull(pid, 'NULL')) FROM ch"_s).toString(), u"NULL,5"_s);
    }

    // The repeated native write stores what the driver's write stores, reports
    // and announces like it, and survives the connection being opened again.
    void preparedWritesMatchTheDriver()
    {
        openScratch();
        const QString insert = u"INSERT INTO t(a, b, c) VALUES (?, ?, ?)"_s;
        const QList<QList<QVariant>> rows{{QString(), u""_s, true},
                                          {QDate(2024, 1, 31), QDate(), 7},
                                          {2.5, u"Ñandú"_s, Dao::idOrNull(0)},
                                          {qlonglong(1) << 40, QByteArray(), QVariant()}};
        QSignalSpy announced(ChangeNotifier::instance(), &ChangeNotifier::tablesChanged);
        for (const QList<QVariant>& row : rows) {
            QVERIFY(dao->executePrepared(insert, row));
            QVERIFY(dao->execute(insert, row));
        }
        QCOMPARE(announced.size(), 2 * rows.size());
        QCOMPARE(announced.first().at(0).value<QSet<QString>>(), QSet<QString>{u"t"_s});
        const QString stored = u"SELECT group_concat(quote(a) || quote(b) || quote(c), '|') FROM t WHERE id %% 2 = %1"_s;
        QCOMPARE(daoValue(stored.arg(1)).toString(), daoValue(stored.arg(0)).toString());
        QCOMPARE(daoValue(u"SELECT quote(a) || quote(b) || quote(c) FROM t WHERE id = 1"_s).toString(),
                 u"NULL'''true'"_s);

        MessageCapture capture;
        QVERIFY(!dao->executePrepared(u"INSERT INTO nowhere VALUES (?)"_s, {1}));
        QVERIFY(dao->lastError().second.contains(u"no such table"_s));
        // a null text is NULL, which the column refuses
        QVERIFY(dao->execute(u"CREATE TABLE u (x NOT NULL)"_s));
        QVERIFY(!dao->executePrepared(u"INSERT INTO u VALUES (?)"_s, {QString()}));
        QVERIFY(dao->lastError().second.contains(u"NOT NULL"_s));
        QVERIFY(capture.contains(QtWarningMsg, u"Executed query was: INSERT INTO u VALUES (?)"_s));
        QVERIFY(dao->executePrepared(u"INSERT INTO u VALUES (?)"_s, {u""_s}));

        // the same text on a connection opened again
        dao->close();
        QVERIFY(dao->open(u"scratch"_s, false));
        QVERIFY(dao->executePrepared(insert, {u"again"_s, 1, 2}));
        QCOMPARE(daoValue(u"SELECT count(*) FROM t WHERE a = 'again'"_s).toInt(), 1);
    }

    // Several rows of one statement are one write: announced once, each row
    // logged; a failing row stops the run, the rows before it stay written
    // and announced, the ones after it are never asked for.
    void preparedRowsAreOneWrite()
    {
        openScratch();
        QVERIFY(dao->execute(u"CREATE UNIQUE INDEX ta ON t(a)"_s));
        const QString insert = u"INSERT INTO t(a, b) VALUES (?, ?)"_s;
        auto filas = [](QList<QList<QVariant>> dadas, int* pedidas) {
            return [dadas, pedidas](QList<QVariant>& fila) {
                if (*pedidas == dadas.size())
                    return false;
                fila = dadas.at((*pedidas)++);
                return true;
            };
        };
        daoSetDebug(true);
        MessageCapture capture;
        QSignalSpy announced(ChangeNotifier::instance(), &ChangeNotifier::tablesChanged);
        int pedidas = 0;
        QVERIFY(dao->executePreparedRows(insert, filas({{1, u"uno"_s}, {2, QDate(2024, 2, 29)}, {3, true}}, &pedidas)));
        QCOMPARE(announced.size(), 1);
        QCOMPARE(capture.texts(QtDebugMsg).filter(u"Executed query was: INSERT INTO t(a, b)"_s).size(), 3);
        QCOMPARE(daoValue(u"SELECT group_concat(b, '|') FROM (SELECT b FROM t ORDER BY id)"_s).toString(),
                 u"uno|2024-02-29|true"_s);

        pedidas = 0;
        QVERIFY(!dao->executePreparedRows(insert, filas({{4, u"cuatro"_s}, {1, u"repetido"_s}, {5, u"nunca"_s}}, &pedidas)));
        QCOMPARE(pedidas, 2);
        QVERIFY(dao->lastError().second.contains(u"UNIQUE"_s));
        QCOMPARE(announced.size(), 2);
        QCOMPARE(daoValue(u"SELECT group_concat(a) FROM t"_s).toString(), u"1,2,3,4"_s);

        // no rows: nothing written, nothing announced
        pedidas = 0;
        QVERIFY(dao->executePreparedRows(insert, filas({}, &pedidas)));
        QCOMPARE(announced.size(), 2);
    }

    // Between two rows the caller may write other statements through the Dao,
    // enough of them to make it drop the statements it keeps.
    void preparedRowsSurviveOtherWritesBetweenThem()
    {
        openScratch();
        int fila = 0;
        bool otrasEscritas = true;
        QVERIFY(dao->executePreparedRows(u"INSERT INTO t(a) VALUES (?)"_s, [&](QList<QVariant>& valores) {
            if (fila == 3)
                return false;
            for (int otra = 0; otra < 20; ++otra)
                otrasEscritas = dao->executePrepared(u"UPDATE t SET b = ? WHERE a = %1"_s.arg(otra), {fila})
                                && otrasEscritas;
            valores = {++fila};
            return true;
        }));
        QVERIFY(otrasEscritas);
        QCOMPARE(daoValue(u"SELECT group_concat(a || ':' || ifnull(b, '-')) FROM t"_s).toString(), u"1:2,2:2,3:-"_s);
    }

    void oneLevelTransactionJoins()
    {
        openScratch();
        daoSetDebug(true);
        MessageCapture capture;
        QVERIFY(dao->transaction());
        QVERIFY(capture.contains(QtDebugMsg, u"Transaction started"_s));
        dao->insert(u"t"_s, {"a"}, {1});
        QVERIFY(!dao->transaction()); // joins
        QVERIFY(dao->inTransaction());
        QVERIFY(dao->commit());
        QVERIFY(!dao->inTransaction());
        QCOMPARE(DaoRawDb(daoDbPath(u"scratch"_s)).value(u"SELECT count(*) FROM t"_s).toInt(), 1);
        QVERIFY(dao->transaction());
        dao->insert(u"t"_s, {"a"}, {3});
        QVERIFY(dao->rollback());
        QCOMPARE(daoValue(u"SELECT count(*) FROM t"_s).toInt(), 1);
        QVERIFY(!dao->commit());
        QVERIFY(capture.contains(QtWarningMsg, u"A commit operation was called with no transaction available"_s));
    }

    void refusedCommitAnswersFalseAndTheFlagFollows()
    {
        openScratch();
        deferredChild();
        QVERIFY(dao->transaction());
        QVERIFY(dao->execute(u"INSERT INTO ch VALUES (42)"_s));
        MessageCapture capture;
        QVERIFY(!dao->commit());
        QVERIFY(dao->inTransaction()); // still open: the caller can mend it
        QVERIFY(capture.contains(QtWarningMsg, u"The commit was refused"_s));
        QVERIFY(dao->execute(u"INSERT INTO p VALUES (42)"_s));
        QVERIFY(dao->commit());
        QVERIFY(!dao->inTransaction());

        // ended behind the Dao's back
        QVERIFY(dao->transaction());
        QVERIFY(dao->execute(u"ROLLBACK"_s));
        QVERIFY(!dao->commit());
        QVERIFY(!dao->inTransaction());
    }

    // The single-row lookup stands on its row for one match and on none for
    // no match or several, which it warns about.
    void singleRowLookupRefusesSeveralMatches()
    {
        openScratch();
        QVERIFY(dao->execute(u"INSERT INTO t (a, b) VALUES (1, 'x'), (2, 'y'), (2, 'z')"_s));
        QSqlQuery one = FilaUnica::select(u"t"_s, {u"a"_s, u"b"_s}, u"a = ?"_s, {1});
        QVERIFY(one.isValid());
        QCOMPARE(one.value(1).toString(), u"x"_s);
        QVERIFY(!FilaUnica::select(u"t"_s, {u"a"_s}, u"a = ?"_s, {3}).isValid());
        MessageCapture capture;
        QVERIFY(!FilaUnica::select(u"t"_s, {u"a"_s, u"b"_s}, u"a = ?"_s, {2}).isValid());
        QVERIFY(capture.contains(QtWarningMsg, u"More than one result for a getFromDB execution in t"_s));
    }
};

PENSARIO_TEST_MAIN(TestDao)
#include "tst_dao.moc"
