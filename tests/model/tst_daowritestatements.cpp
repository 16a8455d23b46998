#include "dao.h"
#include "daotesthelpers.h"
#include "daotransaction.h"
#include "messagecapture.h"
#include "testmain.h"

#include <QSqlQuery>

// Inserts and updates keep their prepared statements between calls: these
// cases make sure a kept statement never writes to the wrong file, never
// carries values over from an earlier call and survives a failed run.
class TestDaoWriteStatements : public QObject
{
    Q_OBJECT
private:
    Dao* dao = nullptr;

    void openScratch(const QString& name)
    {
        QVERIFY(dao->open(name, false));
        QVERIFY(dao->execute(QStringLiteral("CREATE TABLE IF NOT EXISTS t (id INTEGER PRIMARY KEY AUTOINCREMENT, "
                                            "a UNIQUE, b)")));
    }
    int count(const QString& where = QString())
    {
        QSqlQuery q = dao->query(QStringLiteral("SELECT count(*) FROM t") + where);
        return q.next() ? q.value(0).toInt() : -1;
    }

private slots:
    void init()
    {
        TestEnv::resetCase();
        dao = Dao::getInstance();
        daoSetDebug(false);
    }
    void cleanup() { dao->close(); }

    void repeatedInsertsWriteEachRowWithItsOwnValues()
    {
        openScratch(QStringLiteral("one"));
        for (int i = 0; i < 5; ++i) {
            const QVariant id = dao->insert(QStringLiteral("t"), {QStringLiteral("a"), QStringLiteral("b")},
                                            {i, QStringLiteral("row %1").arg(i)});
            QCOMPARE(id.toInt(), i + 1);
        }
        QCOMPARE(count(), 5);
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
        QCOMPARE(count(QStringLiteral(" WHERE a = 10 AND b IS NULL")), 1);
    }

    void aFailedInsertLeavesTheStatementUsable()
    {
        openScratch(QStringLiteral("one"));
        QVERIFY(dao->insert(QStringLiteral("t"), {QStringLiteral("a")}, {1}).isValid());
        MessageCapture capture;
        QVERIFY(!dao->insert(QStringLiteral("t"), {QStringLiteral("a")}, {1}).isValid()); // unique
        QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("Error executing query")));
        QVERIFY(dao->insert(QStringLiteral("t"), {QStringLiteral("a")}, {2}).isValid());
        QCOMPARE(count(), 2);
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
        openScratch(QStringLiteral("one"));
        QVERIFY(dao->insert(QStringLiteral("t"), {QStringLiteral("a")}, {1}).isValid());
        {
            DaoTransaction tx;
            QVERIFY(tx.owns());
            QVERIFY(dao->insert(QStringLiteral("t"), {QStringLiteral("a")}, {2}).isValid());
            QVERIFY(dao->update(QStringLiteral("t"), {QStringLiteral("b")}, QString(), {QStringLiteral("z")}));
            // left without commit
        }
        QCOMPARE(count(), 1);
        QCOMPARE(count(QStringLiteral(" WHERE b IS NULL")), 1);
        // the kept statements hold no lock once they ran: a schema change and
        // a commit go through
        QVERIFY(dao->execute(QStringLiteral("ALTER TABLE t ADD COLUMN c")));
        DaoTransaction tx;
        QVERIFY(dao->insert(QStringLiteral("t"), {QStringLiteral("a")}, {3}).isValid());
        QVERIFY(tx.commit());
        QCOMPARE(count(), 2);
    }
};

PENSARIO_TEST_MAIN(TestDaoWriteStatements)
#include "tst_daowritestatements.moc"
