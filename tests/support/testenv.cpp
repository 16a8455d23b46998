#include "testenv.h"

#include "amainwindow.h"
#include "threadsatexit.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdlib>

namespace {
QTemporaryDir* home = nullptr;

// At the process's normal end, after every later static (settings written
// back on destruction included) is gone.
void removeHome()
{
    delete home;
    home = nullptr;
}

void setIdentity()
{
    // The application object keeps a name set before it is built.
    QCoreApplication::setApplicationName(QStringLiteral("Pensario"));
    QCoreApplication::setOrganizationName(QStringLiteral("Velbrook"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("velbrook.example"));
}
} // namespace

void TestEnv::initProcess()
{
    if (!home) {
        home = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/pensario-test-XXXXXX"));
        std::atexit(removeHome);
        std::atexit(ThreadsAtExit::awaitOthersGone);
        qputenv("HOME", home->path().toLocal8Bit());
        qputenv("XDG_DATA_HOME", (home->path() + QStringLiteral("/.local/share")).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (home->path() + QStringLiteral("/.config")).toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", home->path().toLocal8Bit());
    }
    QStandardPaths::setTestModeEnabled(true);
    setIdentity();
}

QString TestEnv::homeDir()
{
    return home ? home->path() : QString();
}

QString TestEnv::dataDir()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dir);
    return dir;
}

void TestEnv::resetCase()
{
    Q_ASSERT_X(home && QStandardPaths::isTestModeEnabled(), "TestEnv::resetCase",
               "TestEnv::initProcess() was not called");
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
    QSettings settings;
    settings.clear();
    settings.sync();
    dataDir();
}

void TestEnv::useIconPaths()
{
    QDir::setSearchPaths(QStringLiteral("icons"), {AMainWindow::userIconFolder(), QStringLiteral(":/icons")});
}

QProcessEnvironment TestEnv::localeEnvironment(const QString& locale)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LOCPATH"), QStringLiteral(PENSARIO_TEST_LOCALES));
    env.insert(QStringLiteral("LC_ALL"), locale + QStringLiteral(".UTF-8"));
    env.insert(QStringLiteral("LANG"), locale + QStringLiteral(".UTF-8"));
    env.insert(QStringLiteral("LANGUAGE"), QString());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}
