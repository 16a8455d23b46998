#include "dao.h"
#include "daotesthelpers.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QTest>

#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace {
// What the connection still held once the Dao's own clean-up ran.
bool connectionOpenAtExit = false;
bool statementsLeftAtExit = true;

sqlite3* openHandle()
{
    const QVariant handle = QSqlDatabase::database(QSqlDatabase::defaultConnection, false).driver()->handle();
    return handle.isValid() ? *static_cast<sqlite3* const*>(handle.data()) : nullptr;
}

// Application clean-ups run in the reverse order of their addition. Added
// after the connection is made (Qt's own clean-up, which closes it, comes with
// it) and before the Dao keeps anything, so it runs between the two.
void lookAtTheConnection()
{
    sqlite3* handle = openHandle();
    connectionOpenAtExit = handle != nullptr;
    statementsLeftAtExit = handle && sqlite3_next_stmt(handle, nullptr);
}
} // namespace

// The inserts and updates the Dao keeps prepared between calls are released
// when the application object goes, while the connection still stands: left
// to the static's own destruction, they would never be freed.
class TestDaoExit : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { Dao::getInstance()->close(); }

    void keptStatementsGoWithTheApplication()
    {
        {
            int argc = 1;
            char name[] = "tst_daoexit";
            char* argv[] = {name, nullptr};
            QCoreApplication app(argc, argv);
            Dao* dao = freshDao();
            QVERIFY(dao->open(u"scratch"_s, false));
            QVERIFY(dao->execute(u"CREATE TABLE t (id INTEGER PRIMARY KEY, a, b)"_s));
            qAddPostRoutine(lookAtTheConnection);
            QVERIFY(dao->insert(u"t"_s, {"a"}, {1}).isValid());
            QVERIFY(dao->update(u"t"_s, {"b"}, u"a = ?"_s, {u"x"_s, 1}));
            // kept while the application runs
            QVERIFY(sqlite3_next_stmt(openHandle(), nullptr));
        }
        QVERIFY(connectionOpenAtExit);
        QVERIFY(!statementsLeftAtExit);
    }
};

// Without an application object: the case builds its own.
int main(int argc, char* argv[])
{
    TestEnv::initProcess();
    TestDaoExit tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_daoexit.moc"
