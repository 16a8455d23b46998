#include "dao.h"
#include "daotesthelpers.h"
#include "daotransaction.h"
#include "messagecapture.h"
#include "testmain.h"

#include <QSqlError>
#include <QSqlQuery>

class TestDao : public QObject
{
    Q_OBJECT
private:
    Dao* dao = nullptr;

    // A fresh file with a small table of its own.
    void openScratch()
    {
        QVERIFY(dao->open(QStringLiteral("scratch"), false));
        QVERIFY(dao->execute(QStringLiteral("CREATE TABLE t (id INTEGER PRIMARY KEY AUTOINCREMENT, a, b, c)")));
    }

private slots:
    void init()
    {
        TestEnv::resetCase();
        dao = Dao::getInstance();
        daoSetDebug(false);
    }
    void cleanup()
    {
        dao->close();
        daoSetDebug(false);
    }

    void singletonAndDebugFlagFollowSettings()
    {
        QCOMPARE(Dao::getInstance(), dao);
        QVERIFY(!Dao::debugMode());
        QSettings().setValue(QStringLiteral("DaoInDebugMode"), true);
        QVERIFY(!Dao::debugMode()); // read at the next getInstance only
        Dao::getInstance();
        QVERIFY(Dao::debugMode());
    }

    void selectTexts()
    {
        openScratch();
        QVERIFY(dao->execute(QStringLiteral("INSERT INTO t(a,b,c) VALUES (2,'y',0), (1,'x',1)")));
        daoSetDebug(true);
        MessageCapture capture;
        QSqlQuery q = dao->select(QStringLiteral("t"), {QStringLiteral("a"), QStringLiteral("b")}, QString(), {});
        QCOMPARE(q.lastQuery(), QStringLiteral("SELECT a,b FROM t "));
        QVERIFY(capture.contains(QtDebugMsg, QStringLiteral("Executed query was: SELECT a,b FROM t ")));
        QVERIFY(q.next());

        q = dao->select(QStringLiteral("t"), {QStringLiteral("a")}, QString(), QStringLiteral("a"), {});
        QCOMPARE(q.lastQuery(), QStringLiteral("SELECT a FROM t  ORDER BY a"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 1);

        q = dao->select(QStringLiteral("t"), {QStringLiteral("b")}, QStringLiteral("a = ?"), QStringLiteral("b DESC"), {2});
        QCOMPARE(q.lastQuery(), QStringLiteral("SELECT b FROM t WHERE a = ? ORDER BY b DESC"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("y"));
        QVERIFY(!q.next());
        QVERIFY(capture.contains(QtDebugMsg, QStringLiteral("With parameters: (0, 2)")));
    }

    void failedSelectIsLoggedAndInactive()
    {
        openScratch();
        MessageCapture capture;
        QSqlQuery q = dao->select(QStringLiteral("nosuchtable"), {QStringLiteral("a")}, QString(), {});
        QVERIFY(!q.isActive());
        QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("Error executing query: ")));
        QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("Executed query was: SELECT a FROM nosuchtable ")));
        QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("TODO lanzar señal diciendo que algo ha ido mal al ejecutar la query: ")));
        QVERIFY(!dao->lastError().second.isEmpty());
        QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("no such table: nosuchtable")));
    }

    void insertTextsAndResults()
    {
        openScratch();
        daoSetDebug(true);
        MessageCapture capture;
        const QVariant id = dao->insert(QStringLiteral("t"), {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")},
                                        {1, QStringLiteral("x"), 2.5});
        QCOMPARE(id.toInt(), 1);
        QVERIFY(capture.contains(QtDebugMsg, QStringLiteral("Executed query was: INSERT INTO t(a,b,c) VALUES (?,?,?);")));
        QCOMPARE(dao->insert(QStringLiteral("t"), {QStringLiteral("a")}, {7}).toInt(), 2);

        // prepare fails: QVariant(false); exec fails: invalid
        const QVariant unprepared = dao->insert(QStringLiteral("nosuchtable"), {QStringLiteral("a")}, {1});
        QVERIFY(unprepared.isValid());
        QCOMPARE(unprepared.typeId(), int(QMetaType::Bool));
        QCOMPARE(unprepared.toBool(), false);

        QVERIFY(dao->execute(QStringLiteral("CREATE TABLE u (a NOT NULL)")));
        capture.clear();
        const QVariant failed = dao->insert(QStringLiteral("u"), {QStringLiteral("a")}, {QVariant()});
        QVERIFY(!failed.isValid());
        QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("NOT NULL")));
        QVERIFY(capture.contains(QtDebugMsg, QStringLiteral("Something was wrong doing an insert")));

        daoSetDebug(false);
        capture.clear();
        dao->insert(QStringLiteral("u"), {QStringLiteral("a")}, {QVariant()});
        QVERIFY(!capture.contains(QtDebugMsg, QStringLiteral("Something was wrong doing an insert")));
        QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("Error executing query: ")));
    }

    void updateAndDeleteTexts()
    {
        openScratch();
        dao->insert(QStringLiteral("t"), {QStringLiteral("a"), QStringLiteral("b")}, {1, 1});
        dao->insert(QStringLiteral("t"), {QStringLiteral("a"), QStringLiteral("b")}, {2, 2});
        daoSetDebug(true);
        MessageCapture capture;
        QVERIFY(dao->update(QStringLiteral("t"), {QStringLiteral("a"), QStringLiteral("b")}, QStringLiteral("id = ?"),
                            {10, 20, 2}));
        QVERIFY(capture.contains(QtDebugMsg, QStringLiteral("Executed query was: update t set a = ?, b = ? WHERE id = ?")));
        QVERIFY(capture.contains(QtDebugMsg, QStringLiteral("(0, 10), (1, 20), (2, 2)")));
        QSqlQuery q = dao->query(QStringLiteral("SELECT a, b FROM t ORDER BY id"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 1); // the id went to the where, not to a column
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 10);
        QCOMPARE(q.value(1).toInt(), 20);

        capture.clear();
        QVERIFY(dao->deleteFrom(QStringLiteral("t"), {QStringLiteral("a"), QStringLiteral("b")}, {10, 20}));
        QVERIFY(capture.contains(QtDebugMsg, QStringLiteral("Executed query was: DELETE FROM t WHERE a = ? AND b = ?")));
        QCOMPARE(dao->query(QStringLiteral("SELECT count(*) FROM t")).next(), true);
        QSqlQuery count = dao->query(QStringLiteral("SELECT count(*) FROM t"));
        count.next();
        QCOMPARE(count.value(0).toInt(), 1);

        // an empty column list leaves a statement that cannot be prepared
        capture.clear();
        QVERIFY(!dao->deleteFrom(QStringLiteral("t"), {}, {}));
        QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("DELETE FROM t WHERE ")));
        QVERIFY(!dao->update(QStringLiteral("nosuch"), {QStringLiteral("a")}, QString(), {1}));
    }

    void queryLogsFailedPrepareTwice()
    {
        openScratch();
        MessageCapture capture;
        QSqlQuery q = dao->query(QStringLiteral("SELEC nonsense"));
        QVERIFY(!q.isActive());
        QCOMPARE(capture.texts(QtWarningMsg).filter(QStringLiteral("SELEC nonsense")).size(), 2);
        QVERIFY(!dao->execute(QStringLiteral("SELEC nonsense")));
    }

    void boolsAreBoundAsText()
    {
        openScratch();
        QVERIFY(dao->insert(QStringLiteral("t"), {QStringLiteral("a"), QStringLiteral("b")}, {true, false}).toInt() > 0);
        QVERIFY(dao->update(QStringLiteral("t"), {QStringLiteral("c")}, QStringLiteral("a = ?"), {true, true}));
        QSqlQuery byBool = dao->select(QStringLiteral("t"), {QStringLiteral("id")}, QStringLiteral("b = ?"), {false});
        QVERIFY(byBool.next());
        // dates as "yyyy-MM-dd", a null date as NULL
        QVERIFY(dao->insert(QStringLiteral("t"), {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")},
                            {QStringLiteral("dates"), QDate(2024, 1, 31), QDate()}).isValid());
        dao->close();

        DaoRawDb raw(daoDbPath(QStringLiteral("scratch")));
        QCOMPARE(raw.value(QStringLiteral("SELECT typeof(a) || ':' || a FROM t")).toString(), QStringLiteral("text:true"));
        QCOMPARE(raw.value(QStringLiteral("SELECT b FROM t")).toString(), QStringLiteral("false"));
        QCOMPARE(raw.value(QStringLiteral("SELECT c FROM t WHERE id = 1")).toString(), QStringLiteral("true"));
        QCOMPARE(raw.value(QStringLiteral("SELECT b || '|' || (c IS NULL) FROM t WHERE a = 'dates'")).toString(),
                 QStringLiteral("2024-01-31|1"));
        QCOMPARE(Dao::toBindable(QVariant(7)), QVariant(7));
    }

    void idOrNullBindsNullForNone()
    {
        QVERIFY(Dao::idOrNull(0).isNull());
        QVERIFY(Dao::idOrNull(-3).isNull());
        QCOMPARE(Dao::idOrNull(5).toInt(), 5);

        QVERIFY(dao->open(QStringLiteral("fk"), false));
        QVERIFY(dao->execute(QStringLiteral("CREATE TABLE p (id INTEGER PRIMARY KEY)")));
        QVERIFY(dao->execute(QStringLiteral("CREATE TABLE ch (id INTEGER PRIMARY KEY, pid INTEGER REFERENCES p(id))")));
        QVERIFY(dao->execute(QStringLiteral("INSERT INTO p VALUES (5)")));
        // a plain 0 breaks the reference once foreign keys are on
        QVERIFY(!dao->insert(QStringLiteral("ch"), {QStringLiteral("pid")}, {0}).isValid());
        QVERIFY(dao->insert(QStringLiteral("ch"), {QStringLiteral("pid")}, {Dao::idOrNull(0)}).toInt() > 0);
        QVERIFY(dao->insert(QStringLiteral("ch"), {QStringLiteral("pid")}, {Dao::idOrNull(5)}).toInt() > 0);
        dao->close();

        DaoRawDb raw(daoDbPath(QStringLiteral("fk")));
        QCOMPARE(raw.value(QStringLiteral("SELECT count(*) FROM ch WHERE pid IS NULL")).toInt(), 1);
        QCOMPARE(raw.value(QStringLiteral("SELECT count(*) FROM ch WHERE pid = 5")).toInt(), 1);
        QCOMPARE(raw.value(QStringLiteral("SELECT count(*) FROM ch")).toInt(), 2);
    }

    void oneLevelTransaction()
    {
        openScratch();
        daoSetDebug(true);
        MessageCapture capture;
        QVERIFY(dao->transaction());
        QVERIFY(capture.contains(QtDebugMsg, QStringLiteral("Transaction started")));
        QVERIFY(dao->inTransaction());
        dao->insert(QStringLiteral("t"), {QStringLiteral("a")}, {1});
        QVERIFY(!dao->transaction()); // joins
        QVERIFY(dao->inTransaction());
        dao->insert(QStringLiteral("t"), {QStringLiteral("a")}, {2});
        QVERIFY(dao->commit());
        QVERIFY(capture.contains(QtDebugMsg, QStringLiteral("Commit performed")));
        QVERIFY(!dao->inTransaction());
        {
            DaoRawDb raw(daoDbPath(QStringLiteral("scratch")));
            QCOMPARE(raw.value(QStringLiteral("SELECT count(*) FROM t")).toInt(), 2);
        }

        QVERIFY(dao->transaction());
        dao->insert(QStringLiteral("t"), {QStringLiteral("a")}, {3});
        QVERIFY(dao->rollback());
        QVERIFY(capture.contains(QtDebugMsg, QStringLiteral("Rollback performed")));
        QSqlQuery q = dao->query(QStringLiteral("SELECT count(*) FROM t"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 2);

        capture.clear();
        QVERIFY(!dao->commit());
        QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("A commit operation was called with no transaction available")));
        QVERIFY(!dao->rollback());
        QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("A rollback operation was called with no transaction available")));
    }

    void refusedCommitAnswersFalseAndStaysOpen()
    {
        openScratch();
        QVERIFY(dao->execute(QStringLiteral("CREATE TABLE p (id INTEGER PRIMARY KEY)")));
        QVERIFY(dao->execute(QStringLiteral(
            "CREATE TABLE ch (pid INTEGER REFERENCES p(id) DEFERRABLE INITIALLY DEFERRED)")));
        QVERIFY(dao->transaction());
        QVERIFY(dao->execute(QStringLiteral("INSERT INTO ch VALUES (42)")));
        MessageCapture capture;
        QVERIFY(!dao->commit()); // the deferred reference is checked at commit
        QVERIFY(dao->inTransaction());
        QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("The commit was refused")));
        QVERIFY(dao->execute(QStringLiteral("INSERT INTO p VALUES (42)")));
        QVERIFY(dao->commit());
        QVERIFY(!dao->inTransaction());
    }

    void transactionEndedByDatabaseIsNoticed()
    {
        openScratch();
        QVERIFY(dao->transaction());
        // work that ends the transaction behind the Dao's back
        QVERIFY(dao->execute(QStringLiteral("INSERT INTO t(a) VALUES (1)")));
        QVERIFY(dao->execute(QStringLiteral("ROLLBACK")));
        MessageCapture capture;
        QVERIFY(!dao->commit());
        QVERIFY(!dao->inTransaction());
        QVERIFY(dao->transaction());
        QVERIFY(dao->commit());
    }

    void guardOwnsOrJoins()
    {
        openScratch();
        {
            DaoTransaction tx;
            QVERIFY(tx.owns());
            dao->insert(QStringLiteral("t"), {QStringLiteral("a")}, {1});
            QVERIFY(tx.commit());
        }
        QVERIFY(!dao->inTransaction());
        {
            DaoTransaction tx; // left without commit: rolled back
            QVERIFY(tx.owns());
            dao->insert(QStringLiteral("t"), {QStringLiteral("a")}, {2});
        }
        QVERIFY(!dao->inTransaction());
        QVERIFY(dao->transaction());
        {
            DaoTransaction inner;
            QVERIFY(!inner.owns());
            dao->insert(QStringLiteral("t"), {QStringLiteral("a")}, {3});
            QVERIFY(inner.commit()); // leaves the opener's transaction alone
        }
        QVERIFY(dao->inTransaction());
        {
            DaoTransaction inner;
            QVERIFY(inner.rollback());
        }
        QVERIFY(dao->inTransaction());
        QVERIFY(dao->commit());
        QSqlQuery q = dao->query(QStringLiteral("SELECT group_concat(a) FROM (SELECT a FROM t ORDER BY a)"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("1,3"));

        DaoTransaction explicitRollback;
        dao->insert(QStringLiteral("t"), {QStringLiteral("a")}, {4});
        QVERIFY(explicitRollback.rollback());
        QVERIFY(!explicitRollback.commit());
        QVERIFY(!dao->inTransaction());
    }

    void guardRollsBackARefusedCommit()
    {
        openScratch();
        QVERIFY(dao->execute(QStringLiteral("CREATE TABLE p (id INTEGER PRIMARY KEY)")));
        QVERIFY(dao->execute(QStringLiteral(
            "CREATE TABLE ch (pid INTEGER REFERENCES p(id) DEFERRABLE INITIALLY DEFERRED)")));
        {
            DaoTransaction tx;
            QVERIFY(dao->execute(QStringLiteral("INSERT INTO ch VALUES (9)")));
            QVERIFY(!tx.commit());
        }
        QVERIFY(!dao->inTransaction());
        QSqlQuery q = dao->query(QStringLiteral("SELECT count(*) FROM ch"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 0);
    }

    void statementsFailBeforeOpen()
    {
        dao->close();
        MessageCapture capture;
        QVERIFY(!dao->isOpen());
        QVERIFY(!dao->execute(QStringLiteral("CREATE TABLE x (a)")));
        QVERIFY(!dao->transaction());
    }
};

PENSARIO_TEST_MAIN(TestDao)
#include "tst_dao.moc"
