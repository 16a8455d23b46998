#include "dao.h"
#include "daotesthelpers.h"
#include "daotransaction.h"
#include "testmain.h"

using namespace Qt::StringLiterals;

class TestDaoTransaction : public QObject
{
    Q_OBJECT
private:
    Dao* dao = nullptr;

    bool write(int a) { return dao->insert(u"t"_s, {"a"}, {a}).isValid(); }
    // The rows of t, in order, as "1,4".
    QString rows() { return daoValue(u"SELECT ifnull(group_concat(a), '') FROM (SELECT a FROM t ORDER BY a)"_s).toString(); }

private slots:
    void init()
    {
        dao = freshDao();
        QVERIFY(dao->open(u"scratch"_s, false));
        QVERIFY(dao->execute(u"CREATE TABLE t (a)"_s));
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
};

PENSARIO_TEST_MAIN(TestDaoTransaction)
#include "tst_daotransaction.moc"
