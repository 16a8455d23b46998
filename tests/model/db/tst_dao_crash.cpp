#include "dao.h"
#include "daotesthelpers.h"
#include "testmain.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <cstdio>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
const char* const writerVariable = "PENSARIO_DAO_CRASH_WRITER";
const int committedRows = 200;
}

// A writer killed in the middle of a large transaction must leave a file that
// opens cleanly, holds every committed row and none of the killed ones.
class TestDaoCrash : public QObject
{
    Q_OBJECT
public:
    TestDaoCrash()
    {
        if (qEnvironmentVariableIsSet(writerVariable))
            runWriter();
    }

private:
    // The child: commits some rows, then writes a transaction big enough to
    // spill into the file, says so and goes on until it is killed.
    [[noreturn]] static void runWriter()
    {
        TestEnv::resetCase();
        Dao* dao = Dao::getInstance();
        if (!dao->open(u"crash"_s, false) || !dao->execute(u"CREATE TABLE crashrow (id INTEGER PRIMARY KEY, batch INTEGER, payload BLOB)"_s))
            ::_exit(2);
        dao->transaction();
        for (int i = 0; i < committedRows; ++i)
            dao->execute(u"INSERT INTO crashrow (batch, payload) VALUES (0, randomblob(100))"_s);
        if (!dao->commit())
            ::_exit(3);
        dao->transaction();
        for (int i = 0;; ++i) {
            if (!dao->execute(u"INSERT INTO crashrow (batch, payload) VALUES (1, randomblob(4000))"_s))
                ::_exit(4);
            if (i == 3000) {
                std::printf("READY\t%s\t%s\n", qPrintable(daoDbPath(u"crash"_s)), qPrintable(TestEnv::homeDir()));
                std::fflush(stdout);
            }
        }
    }

private slots:
    void init() { TestEnv::resetCase(); }
    void cleanup() { Dao::getInstance()->close(); }

    void killedWriterLosesOnlyItsOpenTransaction()
    {
        QProcess writer;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(writerVariable), u"1"_s);
        writer.setProcessEnvironment(env);
        writer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        writer.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(writer.waitForStarted());
        QString line;
        QElapsedTimer timer;
        for (timer.start(); !line.startsWith(QLatin1String("READY")) && timer.elapsed() < 60000;) {
            QVERIFY2(writer.canReadLine() || writer.waitForReadyRead(1000) || writer.state() == QProcess::Running,
                     "the writer ended on its own");
            if (writer.canReadLine())
                line = QString::fromLocal8Bit(writer.readLine()).trimmed();
        }
        QVERIFY2(line.startsWith(QLatin1String("READY")), "the writer never got into its transaction");
        writer.kill(); // SIGKILL: no destructor, no rollback
        QVERIFY(writer.waitForFinished());
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

        const QStringList parts = line.split(QLatin1Char('\t'));
        QCOMPARE(parts.size(), 3);
        // The killed transaction left its journal behind: the file alone is not consistent.
        const QString db = daoDbPath(u"crash"_s);
        for (const QString& suffix : {QString(), u"-journal"_s})
            QVERIFY(QFile::copy(parts.at(1) + suffix, db + suffix));
        QDir(parts.at(2)).removeRecursively();
        const qint64 sizeAtKill = QFileInfo(db).size();

        Dao* dao = Dao::getInstance();
        QVERIFY(dao->open(u"crash"_s, false));
        QVERIFY(dao->integrityCheck());
        QCOMPARE(daoValue(u"SELECT count(*) || '/' || sum(batch) FROM crashrow"_s).toString(), u"%1/0"_s.arg(committedRows));
        QVERIFY(!QFile::exists(db + u"-journal"_s));
        dao->close();
        // pages of the killed transaction had reached the file itself
        QVERIFY2(QFileInfo(db).size() < sizeAtKill, "the killed transaction never touched the file");
    }
};

PENSARIO_TEST_MAIN(TestDaoCrash)
#include "tst_dao_crash.moc"
