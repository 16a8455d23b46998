#include "damagedacademy.h"
#include "dao.h"
#include "dbmanager.h"
#include "guitest.h"
#include "mainwindow.h"
#include "messagecapture.h"
#include "readonlypath.h"
#include "scriptedprompter.h"
#include "selectdbdialog.h"
#include "startupsequence.h"
#include "testmain.h"
#include "turnoasignaturatablemodel.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QSettings>
#include <QTextStream>

using namespace GuiTest;

namespace {
const QString password = QStringLiteral("secret");
const QStringList lockButtons = {"Force database", "Change database", "Stop execution"};
const QStringList corruptButtons = {"Restore last backup", "Change database (or create new one)", "Stop execution"};
const QStringList cannotUseButtons = {"Change database (or create new one)", "Stop execution"};

QString dbFile(const QString& name = DBManager::DEFAULT_NAME)
{
    return DBManager::dataDir() + "/" + name + DBManager::EXTENSION;
}

// The default database with a password, left locked (as by a crashed process) or not.
void makeDatabase(bool leftLocked)
{
    {
        ScriptedPrompter prompter;
        prompter.text(password).text(password);
        QCOMPARE(DBManager::checkPassword(QString(), true), int(DBManager::Opened));
    }
    if (!leftLocked)
        QVERIFY(DBManager::unlockDB());
    Dao::getInstance()->close();
}

void overwriteWithGarbage(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray(64 * 1024, '\xAB'));
}

// Rejects the database chooser once it shows.
void rejectChooser()
{
    whenShown<SelectDBDialog>([](SelectDBDialog* d) { d->reject(); });
}

// Starts up answering the corruption box with the restore, then the password.
void startByRestoring(ScriptedPrompter& prompter)
{
    prompter.choice("Restore last backup").text(password);
    int status = 99;
    QVERIFY(StartupSequence::openDatabase(&status));
    QVERIFY2(prompter.allAnswered(), qPrintable(prompter.problems().join('\n')));
    QCOMPARE(prompter.asked().first().buttons, corruptButtons);
}

int countKind(const ScriptedPrompter& p, const QString& kind)
{
    int n = 0;
    for (const ScriptedPrompter::Asked& a : p.asked())
        n += a.kind == kind;
    return n;
}
} // namespace

class TestStartupSequence : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::useIconPaths(); }
    void init()
    {
        TestEnv::resetCase();
        Dao::getInstance()->close();
    }
    void cleanup() { Dao::getInstance()->close(); }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("goesOn");
        QTest::addColumn<QVariant>("debugSetting");
        QTest::newRow("none") << QStringList{"pensario"} << true << QVariant(false);
        QTest::newRow("debug") << QStringList{"pensario", "-debugDB"} << true << QVariant(true);
        QTest::newRow("debug and more") << QStringList{"pensario", "-debugDB", "x"} << false << QVariant();
        QTest::newRow("misspelt") << QStringList{"pensario", "-debugdb"} << false << QVariant();
        QTest::newRow("other") << QStringList{"pensario", "--help"} << false << QVariant();
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, goesOn);
        QFETCH(QVariant, debugSetting);
        QString printed;
        QTextStream out(&printed);
        QCOMPARE(StartupSequence::readCommandLine(arguments, out), goesOn);
        QCOMPARE(QSettings().value("DaoInDebugMode"), debugSetting);
        QCOMPARE(printed, goesOn ? QString()
                                 : QStringLiteral("Usage:\n  pensario [OPTIONS]\n\nAvailable options:\n"
                                                  "  -debugDB: Enables debugging messages regarding database "
                                                  "operations\n"));
    }

    // The program itself, in a private home: any other argument list prints
    // the usage text and ends with 0 before anything is written.
    void programPrintsUsageForOtherArguments()
    {
        const QString program = QCoreApplication::applicationDirPath() + "/../../pensario";
        if (!QFile::exists(program))
            QSKIP("the program is not built beside the tests");
        QTemporaryDir home;
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"})
            env.insert(name, home.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(env);
        process.start(program, {"-debugDB", "extra"});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()),
                 QStringLiteral("Usage:\n  pensario [OPTIONS]\n\nAvailable options:\n"
                                "  -debugDB: Enables debugging messages regarding database operations\n"));
        QVERIFY(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).filter("Pensario").isEmpty());
        QVERIFY(!QFile::exists(home.path() + "/Velbrook/Pensario.conf"));
    }

    void freshDataFolderCreatesThePasswordAndLocksUntilTheEnd()
    {
        ScriptedPrompter prompter;
        prompter.text(password).text(password);
        int status = 99;
        QVERIFY(StartupSequence::openDatabase(&status));
        QVERIFY2(prompter.allAnswered(), qPrintable(prompter.problems().join('\n')));
        QCOMPARE(prompter.asked().first().title, QStringLiteral("Create password - database"));
        QVERIFY(QFile::exists(dbFile()));
        QVERIFY(DBManager::isDBLocked());
        QCOMPARE(StartupSequence::windowTitle("Pensario"), QStringLiteral("Pensario 1.0.4.0"));
        QCOMPARE(StartupSequence::finish(7), 7);
        QVERIFY(!DBManager::isDBLocked());
        QVERIFY(Dao::getInstance()->checkPassword(password));
    }

    void lockedDatabase_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QString>("trace");
        QTest::newRow("force") << "Force database" << true << "";
        QTest::newRow("change") << "Change database" << false << "Seleccionando otra base de datos, CAMBIAR";
        QTest::newRow("stop") << "Stop execution" << false << "Saliendo de la aplicación, CANCELAR";
    }
    void lockedDatabase()
    {
        QFETCH(QString, answer);
        QFETCH(bool, opened);
        QFETCH(QString, trace);
        makeDatabase(true);
        ScriptedPrompter prompter;
        prompter.choice(answer);
        if (opened)
            prompter.text(password);
        else if (answer == "Change database")
            rejectChooser();
        MessageCapture capture;
        int status = 99;
        QCOMPARE(StartupSequence::openDatabase(&status), opened);
        QVERIFY2(prompter.allAnswered(), qPrintable(prompter.problems().join('\n')));
        const ScriptedPrompter::Asked box = prompter.asked().first();
        QCOMPARE(box.kind, QStringLiteral("choice"));
        QCOMPARE(box.buttons, lockButtons);
        QCOMPARE(box.text, QStringLiteral("Looks like selected database is being used by another application instance.\n"));
        QCOMPARE(box.informativeText, QStringLiteral("What to do?"));
        if (!opened)
            QCOMPARE(status, 0);
        if (!trace.isEmpty())
            QVERIFY(capture.contains(QtDebugMsg, trace));
        if (answer == "Change database")
            QVERIFY(capture.contains(QtDebugMsg, "main: Rejected"));
        // Forcing clears the flag and the open locks it again, for this process.
        QCOMPARE(DBManager::isDBLocked(), true);
    }

    void chosenDatabaseGoesThroughTheLockTestAgain()
    {
        makeDatabase(true);
        ScriptedPrompter prompter;
        prompter.choice("Change database").choice("Stop execution");
        whenShown<SelectDBDialog>([](SelectDBDialog* d) { d->accept(); });
        int status = 99;
        QVERIFY(!StartupSequence::openDatabase(&status));
        QCOMPARE(status, 0);
        QVERIFY2(prompter.allAnswered(), qPrintable(prompter.problems().join('\n')));
        QCOMPARE(countKind(prompter, "choice"), 2);
    }

    void corruptedDatabaseRestoresTheLastBackupAndAsksThePasswordAgain()
    {
        makeDatabase(false); // the successful login left a backup
        QVERIFY(!DBManager::listDBs(true, true).isEmpty());
        overwriteWithGarbage(dbFile());
        ScriptedPrompter prompter;
        startByRestoring(prompter);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(prompter.asked().first().text.startsWith("Looks like selected database is corrupted."));
        QCOMPARE(prompter.asked().last().kind, QStringLiteral("text"));
        QVERIFY(Dao::getInstance()->integrityCheck());
        QVERIFY(DBManager::isDBLocked());
    }

    void corruptedDatabase_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::newRow("restore without backup") << "Restore last backup";
        QTest::newRow("change") << "Change database (or create new one)";
        QTest::newRow("stop") << "Stop execution";
    }
    void corruptedDatabase()
    {
        QFETCH(QString, answer);
        overwriteWithGarbage(dbFile());
        ScriptedPrompter prompter;
        prompter.choice(answer);
        if (answer == "Restore last backup")
            prompter.button(QMessageBox::Ok);
        if (answer != "Stop execution")
            rejectChooser();
        int status = 99;
        QVERIFY(!StartupSequence::openDatabase(&status));
        QCOMPARE(status, 0);
        QVERIFY2(prompter.allAnswered(), qPrintable(prompter.problems().join('\n')));
        if (answer == "Restore last backup")
            QCOMPARE(prompter.asked().last().text,
                     QStringLiteral("Unable to restore last backup you have to select another database or create a new one.\n"));
    }

    void wrongPasswordIsAskedAgainWithoutLimit()
    {
        makeDatabase(false);
        ScriptedPrompter prompter;
        prompter.text("wrong").button(QMessageBox::Ok).text("Secret").button(QMessageBox::Ok).text(password);
        int status = 99;
        QVERIFY(StartupSequence::openDatabase(&status));
        QVERIFY2(prompter.allAnswered(), qPrintable(prompter.problems().join('\n')));
        QCOMPARE(countKind(prompter, "text"), 3);
        QCOMPARE(prompter.asked().at(1).text, QStringLiteral("Entered password is not correct."));
        QVERIFY(DBManager::isDBLocked());
    }

    // The lock test opens and checks the file; the password that follows
    // keeps that connection: the whole file is read for one integrity check,
    // not two. A wrong password asks again on the same connection.
    void startUpChecksTheFileOnce()
    {
        makeDatabase(false);
        QSettings().setValue("DaoInDebugMode", true);
        Dao::getInstance();
        ScriptedPrompter prompter;
        prompter.text("wrong").button(QMessageBox::Ok).text(password);
        int status = 99;
        {
            MessageCapture capture;
            QVERIFY(StartupSequence::openDatabase(&status));
            QCOMPARE(capture.texts(QtDebugMsg).filter("Path de la base de datos :").size(), 1);
        }
        QVERIFY(prompter.allAnswered());
        QVERIFY(Dao::getInstance()->isOpen());
        QVERIFY(DBManager::isDBLocked());
    }

    void cancelledPasswordOpensTheChooser()
    {
        makeDatabase(false);
        ScriptedPrompter prompter;
        prompter.cancelText();
        rejectChooser();
        int status = 99;
        QVERIFY(!StartupSequence::openDatabase(&status));
        QCOMPARE(status, 0);
        QVERIFY(prompter.allAnswered());
        QVERIFY(!DBManager::isDBLocked());
    }

    void titleNamesADatabaseOtherThanTheDefault()
    {
        QVERIFY(DBManager::setCurrentDB("branch2"));
        QCOMPARE(StartupSequence::windowTitle("Pensario"), QStringLiteral("Pensario 1.0.4.0 - branch2"));
    }

    void failingToClearTheLockEndsWithMinusOne()
    {
        // A current name the data layer refuses: the flag cannot be cleared.
        QSettings().setValue("base_de_datos", "../elsewhere.db");
        QCOMPARE(StartupSequence::finish(0), -1);
    }
    // The newest backup is damaged too: the older whole one is restored, and
    // the box is not shown again and again.
    void damagedNewestBackupGivesWayToAnOlderOne()
    {
        makeDatabase(false);
        overwriteWithGarbage(DBManager::dataDir() + "/backup_database.db.at.99.12.31_23.59.59");
        overwriteWithGarbage(dbFile());
        ScriptedPrompter prompter;
        startByRestoring(prompter);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(countKind(prompter, "choice"), 1);
        QVERIFY(Dao::getInstance()->checkPassword(password));
    }

    // A file that reads well but fails the check is read while it is
    // checked: after the restore, the lists show the backup's rows only.
    void readableDamagedFileLeavesNothingReadFromIt()
    {
        makeDatabase(false);
        QCOMPARE(DBManager::checkPassword(QString(), false), int(DBManager::Opened));
        QVERIFY(Dao::getInstance()->execute("INSERT INTO asignatura (nombre) VALUES ('only here')"));
        QVERIFY(Dao::getInstance()->execute("INSERT INTO turnoasignatura (nombre, idasignatura) "
                                            "SELECT 'only here', id FROM asignatura"));
        QVERIFY(damageBehindAnIndex(dbFile()));

        ScriptedPrompter prompter;
        startByRestoring(prompter);
        if (QTest::currentTestFailed())
            return;
        // as a visit to the section does
        TurnoAsignaturaTableModel::instance()->refreshIfStale();
        QCOMPARE(TurnoAsignaturaTableModel::instance()->rowCount(), 0);
    }

    // An emptied file beside its backups is offered a restore, never made a
    // new academy with a new password.
    void emptiedDatabaseIsOfferedTheRestore()
    {
        makeDatabase(false);
        QVERIFY(QFile(dbFile()).resize(0));
        ScriptedPrompter prompter;
        startByRestoring(prompter);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(prompter.asked().last().title, QStringLiteral("Enter password"));
    }

    // A database that can't be changed is told before the password, with its
    // reason; no restore is offered for it.
    void readOnlyDatabaseIsToldBeforeAnyWork()
    {
        makeDatabase(false);
        ReadOnlyPath readOnly(dbFile());
        if (!readOnly.ok())
            QSKIP(qPrintable(readOnly.reason()));
        ScriptedPrompter prompter;
        prompter.choice("Stop execution");
        int status = 99;
        QVERIFY(!StartupSequence::openDatabase(&status));
        QCOMPARE(status, 0);
        QVERIFY2(prompter.allAnswered(), qPrintable(prompter.problems().join('\n')));
        QCOMPARE(prompter.askedCount(), 1);
        QCOMPARE(prompter.asked().first().buttons, cannotUseButtons);
        QVERIFY2(prompter.asked().first().text.startsWith(
                     "The database \"database\" cannot be changed: the file is read-only."),
                 qPrintable(prompter.asked().first().text));
    }

    // A file that is missing and can't be created is not damage: nothing is
    // restored, and the user may choose another database.
    void missingDatabaseRestoresNothing()
    {
        makeDatabase(false);
        QVERIFY(DBManager::setCurrentDB("absent"));
        ReadOnlyPath readOnly(DBManager::dataDir());
        if (!readOnly.ok())
            QSKIP(qPrintable(readOnly.reason()));
        const QStringList before = QDir(DBManager::dataDir()).entryList(QDir::Files);
        ScriptedPrompter prompter;
        prompter.choice("Change database (or create new one)");
        rejectChooser();
        int status = 99;
        QVERIFY(!StartupSequence::openDatabase(&status));
        QCOMPARE(status, 0);
        QVERIFY2(prompter.allAnswered(), qPrintable(prompter.problems().join('\n')));
        QCOMPARE(prompter.asked().first().buttons, cannotUseButtons);
        QVERIFY(prompter.asked().first().text.startsWith("The database \"absent\" cannot be opened: the file does "
                                                         "not exist and cannot be created"));
        QCOMPARE(QDir(DBManager::dataDir()).entryList(QDir::Files), before);
    }
};

PENSARIO_TEST_MAIN(TestStartupSequence)
#include "tst_startupsequence.moc"
