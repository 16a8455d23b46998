#ifndef TESTENV_H
#define TESTENV_H

#include <QProcessEnvironment>
#include <QString>

// Keeps every test away from the real user's settings and data.
class TestEnv
{
public:
    // Call once, before the application object: points HOME at a private
    // temporary folder, switches QStandardPaths to test mode and sets the
    // identity the program uses, so QSettings and the data folder match.
    static void initProcess();
    // Call from init(): an empty data folder and empty settings for the case.
    static void resetCase();
    // The per-user data folder the program sees (created when missing).
    static QString dataDir();
    // The private home folder of this test process.
    static QString homeDir();
    // The "icons:" search path as the application object sets it up.
    static void useIconPaths();
    // This process's environment for a child that runs on a desktop in the
    // language locale ("es_ES"): the C library's locale of that name (compiled
    // for the tests), LANG and LC_ALL, and the offscreen platform.
    static QProcessEnvironment localeEnvironment(const QString& locale);
    // How many times a timed step may take what it takes in the release
    // build: under the sanitizers everything runs a few times slower.
    static constexpr int slowdown()
    {
#if defined(__SANITIZE_ADDRESS__)
        return 2;
#else
        return 1;
#endif
    }
};

#endif // TESTENV_H
