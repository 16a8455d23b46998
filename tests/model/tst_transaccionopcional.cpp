#include "academyfixture.h"
#include "testmain.h"
#include "transaccionopcional.h"

using namespace academy;

namespace {
int confirmaciones = 0;
void confirmada() { ++confirmaciones; }

bool escribeAula(const QString& nombre)
{
    return exec(QStringLiteral("INSERT INTO aula (nombre, aforo) VALUES (?, 10)"), {nombre});
}
int aulas() { return count(QStringLiteral("SELECT count(*) FROM aula")); }
}

class TestTransaccionOpcional : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(openFreshDatabase());
        confirmaciones = 0;
    }

    // Asked for with none open: a failure takes the write back, a success
    // commits it and only then tells the caller.
    void ownTransactionEndsHere()
    {
        {
            TransaccionOpcional tx(true);
            QVERIFY(tx.propia());
            QVERIFY(escribeAula(QStringLiteral("A")));
            QVERIFY(!tx.terminar(false, confirmada));
        }
        QCOMPARE(aulas(), 0);
        QCOMPARE(confirmaciones, 0);
        {
            TransaccionOpcional tx(true);
            QVERIFY(escribeAula(QStringLiteral("B")));
            QVERIFY(tx.terminar(true, confirmada));
        }
        QCOMPARE(aulas(), 1);
        QCOMPARE(confirmaciones, 1);
        QVERIFY(!Dao::getInstance()->inTransaction());
    }

    // Inside the caller's transaction, or not asked for: the answer is the
    // write's own and the open transaction is left to its opener.
    void joinedOrUnaskedLeavesTheTransactionAlone()
    {
        QVERIFY(Dao::getInstance()->transaction());
        for (bool pedida : {true, false}) {
            TransaccionOpcional tx(pedida);
            QVERIFY(!tx.propia());
            QVERIFY(escribeAula(QStringLiteral("C")));
            QVERIFY(!tx.terminar(false, confirmada));
            QVERIFY(tx.terminar(true, confirmada));
        }
        QVERIFY(Dao::getInstance()->inTransaction());
        QCOMPARE(aulas(), 2); // nothing rolled back by the joined writes
        QCOMPARE(confirmaciones, 0);
        QVERIFY(Dao::getInstance()->rollback());
        QCOMPARE(aulas(), 0);
    }
};

PENSARIO_TEST_MAIN(TestTransaccionOpcional)
#include "tst_transaccionopcional.moc"
