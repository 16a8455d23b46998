#include "dao.h"
#include "daotesthelpers.h"
#include "daotransaction.h"
#include "messagecapture.h"
#include "testmain.h"

using namespace Qt::StringLiterals;

// The transaction guard, and the prepared statements that inserts and updates
// keep between calls: a kept statement never writes to the wrong file, never
// carries values over from an earlier call and survives a failed run.
class TestDaoTransaction : public QObject
{
    Q_OBJECT
private:
    Dao* dao = nullptr;

    bool write(int a) { return dao->insert(u"t"_s, {"a"}, {a}).isValid(); }
    // The rows of t, in order, as "1,4".
    QString rows() { return daoValue(u"SELECT ifnull(group_concat(a), '') FROM (SELECT a FROM t ORDER BY a)"_s).toString(); }

    void openScratch(const QString& name)
    {
        QVERIFY(dao->open(name, false));
        QVERIFY(dao->execute(u"CREATE TABLE IF NOT EXISTS t (id INTEGER PRIMARY KEY AUTOINCREMENT, a, b)"_s));
    }
    int countRows(const QString& where = QString())
    {
        return daoValue(u"SELECT count(*) FROM t"_s + where).toInt();
    }

private slots:
    void init()
    {
        dao = freshDao();
        openScratch(u"scratch"_s);
    }
    void cleanup() { closeDao(); }

    // Owns a transaction only when none is open, and takes back what it owns
    // when left uncommitted; joined, it leaves the open one to its opener.
    void ownsOrJoins()
    {
        {
            DaoTransaction tx;
            QVERIFY(tx.owns());
            QVERIFY(write(2));
        }
        QVERIFY(!dao->inTransaction());
        {
            DaoTransaction tx;
            QVERIFY(write(1));
            QVERIFY(tx.commit());
        }
        QVERIFY(!dao->inTransaction());
        QCOMPARE(rows(), u"1"_s);

        QVERIFY(dao->transaction());
        for (DaoTransaction::Scope scope : {DaoTransaction::OwnOrJoin, DaoTransaction::JoinOnly}) {
            DaoTransaction inner(scope);
            QVERIFY(!inner.owns());
            QVERIFY(!inner.canTakeBack());
            QVERIFY(write(4));
            QVERIFY(inner.rollback()); // the opener decides: nothing taken back
            QVERIFY(inner.commit());
        }
        QVERIFY(dao->inTransaction());
        QVERIFY(dao->commit());
        QCOMPARE(rows(), u"1,4,4"_s);
    }

    // Without a transaction of its own the writes stand on their own.
    void joinOnlyOpensNothing()
    {
        DaoTransaction tx(DaoTransaction::JoinOnly);
        QVERIFY(!dao->inTransaction());
        QVERIFY(write(7));
        QVERIFY(tx.rollback());
        QCOMPARE(DaoRawDb(daoDbPath(u"scratch"_s)).value(u"SELECT count(*) FROM t"_s).toInt(), 1);
    }

    // Inside an open transaction a savepoint takes back only this guard's
    // writes; the opener's work and transaction stay.
    void savepointTakesBackOnlyItsOwnWrites()
    {
        {
            DaoTransaction tx(DaoTransaction::OwnOrSavepoint);
            QVERIFY(tx.owns()); // none open: its own transaction
            QVERIFY(write(1));
            QVERIFY(tx.commit());
        }
        QVERIFY(dao->transaction());
        QVERIFY(write(2));
        {
            DaoTransaction failed(DaoTransaction::OwnOrSavepoint);
            QVERIFY(!failed.owns());
            QVERIFY(failed.canTakeBack());
            QVERIFY(write(3));
            {
                DaoTransaction nested(DaoTransaction::OwnOrSavepoint);
                QVERIFY(write(4));
                QVERIFY(nested.commit());
            }
            // left uncommitted: 3 and the nested 4 go
        }
        QVERIFY(dao->inTransaction());
        QCOMPARE(rows(), u"1,2"_s);
        {
            DaoTransaction kept(DaoTransaction::OwnOrSavepoint);
            QVERIFY(write(5));
            QVERIFY(kept.commit());
            QVERIFY(!kept.rollback()); // ended: nothing more to take back
        }
        QCOMPARE(rows(), u"1,2,5"_s);
        QVERIFY(dao->rollback()); // the opener still decides for all
        QCOMPARE(rows(), u"1"_s);
    }

    // A commit the database refuses is taken back at once.
    void refusedCommitIsTakenBack()
    {
        QVERIFY(dao->execute(u"CREATE TABLE p (id INTEGER PRIMARY KEY)"_s));
        QVERIFY(dao->execute(u"CREATE TABLE ch (pid INTEGER REFERENCES p(id) DEFERRABLE INITIALLY DEFERRED)"_s));
        {
            DaoTransaction tx;
            QVERIFY(write(9));
            QVERIFY(dao->execute(u"INSERT INTO ch VALUES (9)"_s));
            QVERIFY(!tx.commit());
            QVERIFY(!dao->inTransaction());
        }
        QCOMPARE(daoValue(u"SELECT count(*) FROM ch"_s).toInt(), 0);
        QCOMPARE(rows(), QString());
    }

    void repeatedInsertsWriteEachRowWithItsOwnValues()
    {
        for (int i = 0; i < 5; ++i) {
            const QVariant id = dao->insert(QStringLiteral("t"), {QStringLiteral("a"), QStringLiteral("b")},
                                            {i, QStringLiteral("row %1").arg(i)});
            QCOMPARE(id.toInt(), i + 1);
        }
        QCOMPARE(countRows(), 5);
        QSqlQuery q = dao->query(QStringLiteral("SELECT a, b FROM t ORDER BY id"));
        for (int i = 0; i < 5; ++i) {
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toInt(), i);
            QCOMPARE(q.value(1).toString(), QStringLiteral("row %1").arg(i));
        }
        // a NULL bound after a value is written as NULL, not as the old value
        QVERIFY(dao->insert(QStringLiteral("t"), {QStringLiteral("a"), QStringLiteral("b")},
                            {10, QVariant(QMetaType(QMetaType::QString))})
                    .isValid());
        QCOMPARE(countRows(QStringLiteral(" WHERE a = 10 AND b IS NULL")), 1);
    }

    void aFailedInsertLeavesTheStatementUsable()
    {
        QVERIFY(dao->execute(u"CREATE UNIQUE INDEX t_a ON t (a)"_s));
        QVERIFY(dao->insert(QStringLiteral("t"), {QStringLiteral("a")}, {1}).isValid());
        MessageCapture capture;
        QVERIFY(!dao->insert(QStringLiteral("t"), {QStringLiteral("a")}, {1}).isValid()); // unique
        QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("Error executing query")));
        QVERIFY(dao->insert(QStringLiteral("t"), {QStringLiteral("a")}, {2}).isValid());
        QCOMPARE(countRows(), 2);
    }

    void keptStatementsFollowTheOpenFile()
    {
        openScratch(QStringLiteral("one"));
        QVERIFY(dao->insert(QStringLiteral("t"), {QStringLiteral("a")}, {1}).isValid());
        QVERIFY(dao->update(QStringLiteral("t"), {QStringLiteral("b")}, QStringLiteral("a = ?"), {QStringLiteral("x"), 1}));

        openScratch(QStringLiteral("two"));
        QVERIFY(dao->insert(QStringLiteral("t"), {QStringLiteral("a")}, {7}).isValid());
        QVERIFY(dao->update(QStringLiteral("t"), {QStringLiteral("b")}, QStringLiteral("a = ?"), {QStringLiteral("y"), 7}));
        dao->close();

        DaoRawDb one(daoDbPath(QStringLiteral("one")));
        DaoRawDb two(daoDbPath(QStringLiteral("two")));
        QCOMPARE(one.value(QStringLiteral("SELECT group_concat(a || b) FROM t")).toString(), QStringLiteral("1x"));
        QCOMPARE(two.value(QStringLiteral("SELECT group_concat(a || b) FROM t")).toString(), QStringLiteral("7y"));
    }

    void keptStatementsTakePartInTransactionsAndRollBack()
    {
        QVERIFY(dao->insert(QStringLiteral("t"), {QStringLiteral("a")}, {1}).isValid());
        {
            DaoTransaction tx;
            QVERIFY(tx.owns());
            QVERIFY(dao->insert(QStringLiteral("t"), {QStringLiteral("a")}, {2}).isValid());
            QVERIFY(dao->update(QStringLiteral("t"), {QStringLiteral("b")}, QString(), {QStringLiteral("z")}));
            // left without commit
        }
        QCOMPARE(countRows(), 1);
        QCOMPARE(countRows(QStringLiteral(" WHERE b IS NULL")), 1);
        // the kept statements hold no lock once they ran: a schema change and
        // a commit go through
        QVERIFY(dao->execute(QStringLiteral("ALTER TABLE t ADD COLUMN c")));
        DaoTransaction tx;
        QVERIFY(dao->insert(QStringLiteral("t"), {QStringLiteral("a")}, {3}).isValid());
        QVERIFY(tx.commit());
        QCOMPARE(countRows(), 2);
    }
};

PENSARIO_TEST_MAIN(TestDaoTransaction)
#include "tst_daotransaction.moc"
