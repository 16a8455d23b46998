#include "testenv.h"
#include "testmain.h"

#include <QDir>
#include <QProcess>
#include <QSettings>

#include <cstdio>

namespace {
const char* const childVariable = "PENSARIO_TESTENV_CHILD";
const QString homePrefix = QStringLiteral("home: ");
}

// Each test process keeps its private home only while it runs: the folders
// would otherwise pile up in the temporary folder, one a test run.
class TestTestEnv : public QObject
{
    Q_OBJECT
private slots:
    // Run by the case below in a process of its own.
    void writeIntoHome()
    {
        if (!qEnvironmentVariableIsSet(childVariable))
            QSKIP("only in the child process");
        TestEnv::resetCase();
        QSettings().setValue(QStringLiteral("written"), true);
        QVERIFY(QDir(TestEnv::dataDir()).exists());
        std::printf("%s%s\n", qPrintable(homePrefix), qPrintable(TestEnv::homeDir()));
        std::fflush(stdout);
    }

    void homeGoesWithTheProcess()
    {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(childVariable), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("writeIntoHome")});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QString childHome;
        for (const QString& line : QString::fromLocal8Bit(child.readAllStandardOutput()).split(QLatin1Char('\n')))
            if (line.startsWith(homePrefix))
                childHome = line.mid(homePrefix.size());
        QVERIFY(!childHome.isEmpty());
        QVERIFY(childHome != TestEnv::homeDir());
        QVERIFY2(!QDir(childHome).exists(), qPrintable(childHome));
    }
};

PENSARIO_TEST_MAIN(TestTestEnv)
#include "tst_testenv.moc"
