#include "dao.h"
#include "daotesthelpers.h"
#include "dbmanager.h"
#include "messagecapture.h"
#include "scriptedprompter.h"
#include "testmain.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

class TestDBManager : public QObject
{
    Q_OBJECT
private:
    Dao* dao = nullptr;

    static QString dataFile(const QString& fileName) { return QDir(DBManager::dataDir()).filePath(fileName); }

    static void touch(const QString& fileName)
    {
        QFile file(dataFile(fileName));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("x");
    }

    static QByteArray contents(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static bool ownerOnly(const QString& path)
    {
        return QFileInfo(path).permissions()
               == (QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser);
    }

    static QString storedPassword(const QString& name)
    {
        DaoRawDb raw(daoDbPath(name));
        return raw.value(QStringLiteral("SELECT value FROM property WHERE key = 'password'")).toString();
    }

    static void storePasswordText(const QString& name, const QString& text)
    {
        DaoRawDb raw(daoDbPath(name));
        QSqlQuery q(raw.db());
        q.prepare(QStringLiteral("INSERT OR REPLACE INTO property (key, value) VALUES ('password', ?)"));
        q.addBindValue(text);
        QVERIFY(q.exec());
    }

private slots:
    void init()
    {
        TestEnv::resetCase();
        dao = Dao::getInstance();
        daoSetDebug(false);
    }
    void cleanup()
    {
        dao->close();
        daoSetDebug(false);
    }

    void currentNameAndListing()
    {
        QVERIFY(!QSettings().contains(QStringLiteral("base_de_datos")));
        QCOMPARE(DBManager::currentDB(false), QStringLiteral("database"));
        QCOMPARE(QSettings().value(QStringLiteral("base_de_datos")).toString(), QStringLiteral("database.db"));
        QCOMPARE(DBManager::currentDB(true), QStringLiteral("database.db"));

        QVERIFY(DBManager::setCurrentDB(QStringLiteral("x.db")));
        QCOMPARE(QSettings().value(QStringLiteral("base_de_datos")).toString(), QStringLiteral("x.db.db"));
        QCOMPARE(DBManager::currentDB(false), QStringLiteral("x.db"));

        QVERIFY(DBManager::createDB(QStringLiteral("x.db"), false));
        QVERIFY(QFile::exists(dataFile(QStringLiteral("x.db.db"))));
        QVERIFY(DBManager::createDB(QStringLiteral("Beta"), false));
        QVERIFY(DBManager::createDB(QStringLiteral("alpha.db"), true));
        touch(QStringLiteral("notes.txt"));
        QCOMPARE(DBManager::listDBs(false, false), QStringList({"alpha", "Beta", "x.db"}));
        QCOMPARE(DBManager::listDBs(true, false), QStringList({"alpha.db", "Beta.db", "x.db.db"}));

        touch(QStringLiteral("backup_x.db.db.at.24.01.01_10.00.00"));
        touch(QStringLiteral("backup_alpha.db.at.24.01.01_10.00.00"));
        QCOMPARE(DBManager::listDBs(true, true), QStringList({"backup_x.db.db.at.24.01.01_10.00.00"}));

        QVERIFY(DBManager::deleteDB(QStringLiteral("Beta"), false));
        QVERIFY(!DBManager::deleteDB(QStringLiteral("Beta"), false));
        QVERIFY(DBManager::deleteDB(QStringLiteral("alpha.db"), true));
        QCOMPARE(DBManager::listDBs(false, false), QStringList({"x.db"}));
        QVERIFY(QFile::exists(dataFile(QStringLiteral("backup_alpha.db.at.24.01.01_10.00.00"))));
    }

    void createRefusalsAskTheUser()
    {
        ScriptedPrompter prompter;
        prompter.button(QMessageBox::Ok).button(QMessageBox::Ok);
        QVERIFY(!DBManager::createDB(QString(), false));
        QVERIFY(DBManager::createDB(QStringLiteral("same"), false));
        QVERIFY(!DBManager::createDB(QStringLiteral("same"), false));
        QVERIFY(prompter.allAnswered());
        QCOMPARE(prompter.askedCount(), 2);
        QCOMPARE(prompter.asked().at(0).text, QStringLiteral("Databases without name can't be created."));
        QCOMPARE(prompter.asked().at(1).text,
                 QStringLiteral("There is already a database with the same name. Database can't be created."));
        QVERIFY(prompter.asked().at(1).title.isEmpty());
    }

    void namesThatLeaveTheDataFolderAreRefused()
    {
        QTemporaryDir outside;
        const QString victim = outside.filePath(QStringLiteral("victim.db"));
        QFile(victim).open(QIODevice::WriteOnly);
        const QString relative = QDir(DBManager::dataDir()).relativeFilePath(outside.filePath(QStringLiteral("victim")));

        ScriptedPrompter prompter;
        const QStringList bad = {relative, QStringLiteral("../escape"), QStringLiteral("a/b"), QStringLiteral(".hidden"),
                                 QStringLiteral("x.db_old"), QStringLiteral(".."), QStringLiteral("a\\b")};
        for (int i = 0; i < bad.size(); ++i)
            prompter.button(QMessageBox::Ok);
        MessageCapture capture;
        for (const QString& name : bad) {
            QVERIFY2(!DBManager::createDB(name, false), qPrintable(name));
            QVERIFY2(!DBManager::deleteDB(name, false), qPrintable(name));
            QVERIFY2(!DBManager::setCurrentDB(name), qPrintable(name));
            QVERIFY2(!dao->open(name, false), qPrintable(name));
        }
        QVERIFY(prompter.allAnswered());
        QVERIFY(prompter.asked().at(0).text.contains(QStringLiteral("Invalid database name.")));
        QVERIFY(QFile::exists(victim));
        QVERIFY(!QFile::exists(DBManager::dataDir() + QStringLiteral("/../escape.db")));
        QCOMPARE(DBManager::currentDB(true), QStringLiteral("database.db"));
        QVERIFY(DBManager::listDBs(false, false).isEmpty());
        QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("Refused database name: ")));
        // a current name planted in the settings is refused as well
        QSettings().setValue(QStringLiteral("base_de_datos"), QStringLiteral("../planted.db"));
        QCOMPARE(DBManager::checkPassword(QString(), false), int(DBManager::Corrupted));
        QVERIFY(!QFile::exists(DBManager::dataDir() + QStringLiteral("/../planted.db")));
    }

    void filesAreOwnerOnly()
    {
        QVERIFY(DBManager::createDB(QStringLiteral("private"), false));
        QVERIFY(ownerOnly(daoDbPath(QStringLiteral("private"))));
        QVERIFY(DBManager::setCurrentDB(QStringLiteral("private")));
        QVERIFY(dao->open(QString(), false));
        dao->backup(QStringLiteral("private.db"));
        const QStringList backups = DBManager::listDBs(true, true);
        QCOMPARE(backups.size(), 1);
        QVERIFY(ownerOnly(dataFile(backups.first())));
        QVERIFY(DBManager::restoreLastBackup());
        QVERIFY(ownerOnly(daoDbPath(QStringLiteral("private"))));
    }

    void tenBackupsAtMost()
    {
        QVERIFY(dao->open(QString(), false));
        for (int i = 1; i <= 10; ++i)
            touch(QStringLiteral("backup_database.db.at.20.01.%1_10.00.00").arg(i, 2, 10, QLatin1Char('0')));
        touch(QStringLiteral("backup_other.db.at.20.01.01_10.00.00"));
        touch(QStringLiteral("database.db_leftover"));
        daoSetDebug(true);
        MessageCapture capture;
        dao->backup(QStringLiteral("database.db"));
        QVERIFY(capture.contains(QtDebugMsg, QStringLiteral("There are more than 10 backups, deleting de last one: backup_database.db.at.20.01.01_10.00.00")));
        const QStringList backups = DBManager::listDBs(true, true);
        QCOMPARE(backups.size(), 10);
        QCOMPARE(backups.first(), QStringLiteral("backup_database.db.at.20.01.02_10.00.00"));
        QVERIFY(backups.last().startsWith(QStringLiteral("backup_database.db.at.") + QDate::currentDate().toString(QStringLiteral("yy.MM.dd"))));
        QCOMPARE(contents(dataFile(backups.last())), contents(daoDbPath(QStringLiteral("database"))));
        QVERIFY(QFile::exists(dataFile(QStringLiteral("backup_other.db.at.20.01.01_10.00.00"))));
        QVERIFY(!QFile::exists(dataFile(QStringLiteral("database.db_leftover"))));
    }

    void createPasswordThenLogIn()
    {
        ScriptedPrompter prompter;
        prompter.text(QString()).text(QStringLiteral("first")).text(QStringLiteral("other"))
            .text(QStringLiteral("S3cret-pass")).text(QStringLiteral("S3cret-pass"));
        daoSetDebug(true);
        MessageCapture capture;
        QCOMPARE(DBManager::checkPassword(QString(), true), int(DBManager::Opened));
        QVERIFY(prompter.allAnswered());
        const QList<ScriptedPrompter::Asked> asked = prompter.asked();
        QCOMPARE(asked.size(), 5);
        QCOMPARE(asked.at(0).title, QStringLiteral("Create password - database"));
        QCOMPARE(asked.at(0).text, QStringLiteral("The default database has no password.\nAll databases must have password, so you must enter a password right now for this database:"));
        QCOMPARE(asked.at(1).text, QStringLiteral("You can't enter an empty password. Try again"));
        QCOMPARE(asked.at(2).text, QStringLiteral("Reenter password:"));
        QCOMPARE(asked.at(3).text, QStringLiteral("Passwords don't match. Try again"));
        QCOMPARE(asked.at(4).text, QStringLiteral("Reenter password:"));
        for (const MessageCapture::Message& m : capture.messages())
            QVERIFY2(!m.text.contains(QStringLiteral("S3cret-pass")), qPrintable(m.text));

        QVERIFY(dao->isLocked());
        QCOMPARE(DBManager::listDBs(true, true).size(), 1);
        dao->close();
        QVERIFY(storedPassword(QStringLiteral("database")).startsWith(QStringLiteral("$argon2id$")));

        // the next start asks once
        QVERIFY(DBManager::unlockDB());
        ScriptedPrompter again;
        again.text(QStringLiteral("wrong")).text(QStringLiteral("S3cret-pass")).cancelText();
        QCOMPARE(DBManager::checkPassword(QString(), true), int(DBManager::WrongPassword));
        QVERIFY(!DBManager::isDBLocked());
        QCOMPARE(DBManager::checkPassword(QString(), true), int(DBManager::Opened));
        QCOMPARE(again.asked().at(0).title, QStringLiteral("Enter password"));
        QCOMPARE(again.asked().at(0).text, QStringLiteral("Password for default database"));
        QVERIFY(DBManager::isDBLocked());
        QCOMPARE(DBManager::checkPassword(QString(), true), int(DBManager::Cancelled));
        QVERIFY(again.allAnswered());
    }

    void namedDatabasePromptsAndCancel()
    {
        ScriptedPrompter prompter;
        prompter.text(QStringLiteral("abc")).cancelText();
        QCOMPARE(DBManager::checkPassword(QStringLiteral("academy"), true), int(DBManager::Cancelled));
        QCOMPARE(DBManager::currentDB(true), QStringLiteral("academy.db"));
        QCOMPARE(prompter.asked().at(0).title, QStringLiteral("Create password - academy"));
        QVERIFY(prompter.asked().at(0).text.startsWith(QStringLiteral("Database \"academy\" has no password.\n")));
        QVERIFY(!dao->hasPassword());
        QVERIFY(dao->setPassword(QStringLiteral("pw")));
        dao->close();

        ScriptedPrompter named;
        named.text(QStringLiteral("pw"));
        QCOMPARE(DBManager::checkPassword(QStringLiteral("academy"), true), int(DBManager::Opened));
        QCOMPARE(named.asked().at(0).title, QStringLiteral("Enter password - academy"));
        QCOMPARE(named.asked().at(0).text, QStringLiteral("Password for database \"academy\""));
    }

    void noAskOpensWithoutBackupOrLock()
    {
        ScriptedPrompter prompter;
        QCOMPARE(DBManager::checkPassword(QString(), false), int(DBManager::Opened));
        QCOMPARE(prompter.askedCount(), 0);
        QVERIFY(DBManager::listDBs(true, true).isEmpty());
        QVERIFY(!dao->isLocked());
        QVERIFY(dao->isOpen());
    }

    void legacyDigestLogsInAndIsUpgraded()
    {
        // the digest text as older files hold it
        const QByteArray sha = QCryptographicHash::hash("old secret", QCryptographicHash::Sha1);
        QCOMPARE(Dao::legacyDigest(QStringLiteral("old secret")).toLatin1(), sha.left(sha.indexOf('\0') < 0 ? 20 : sha.indexOf('\0')));
        QVERIFY(dao->open(QString(), false));
        dao->close();
        storePasswordText(QStringLiteral("database"), Dao::legacyDigest(QStringLiteral("old secret")));

        ScriptedPrompter prompter;
        prompter.text(QStringLiteral("not it")).text(QStringLiteral("old secret"));
        QCOMPARE(DBManager::checkPassword(QString(), true), int(DBManager::WrongPassword));
        dao->close();
        QVERIFY(!storedPassword(QStringLiteral("database")).startsWith(QStringLiteral("$argon2")));
        QCOMPARE(DBManager::checkPassword(QString(), true), int(DBManager::Opened));
        dao->close();
        QVERIFY(storedPassword(QStringLiteral("database")).startsWith(QStringLiteral("$argon2id$")));
        QVERIFY(dao->open(QString(), false));
        QVERIFY(Dao::checkPasswordStatic(QStringLiteral("old secret")));
        QVERIFY(!Dao::checkPasswordStatic(QStringLiteral("old secreT")));
        QVERIFY(Dao::setPasswordStatic(QStringLiteral("new")));
        QVERIFY(Dao::checkPasswordStatic(QStringLiteral("new")));
        QVERIFY(!Dao::checkPasswordStatic(QStringLiteral("old secret")));
    }

    void emptyStoredTextIsNoPassword()
    {
        // a password whose digest starts with a zero byte leaves an empty text
        QString zeroLead;
        for (int i = 0; zeroLead.isEmpty(); ++i) {
            const QString candidate = QStringLiteral("p%1").arg(i);
            if (QCryptographicHash::hash(candidate.toUtf8(), QCryptographicHash::Sha1).at(0) == '\0')
                zeroLead = candidate;
        }
        QVERIFY(Dao::legacyDigest(zeroLead).isEmpty());
        QVERIFY(dao->open(QString(), false));
        dao->close();
        storePasswordText(QStringLiteral("database"), Dao::legacyDigest(zeroLead));
        QVERIFY(dao->open(QString(), false));
        QVERIFY(!dao->hasPassword());
        QVERIFY(!dao->checkPassword(zeroLead));
        QVERIFY(!dao->checkPassword(QString()));
        dao->close();

        ScriptedPrompter prompter;
        prompter.text(QStringLiteral("fresh")).text(QStringLiteral("fresh"));
        QCOMPARE(DBManager::checkPassword(QString(), true), int(DBManager::Opened));
        QVERIFY(prompter.asked().at(0).title.startsWith(QStringLiteral("Create password")));
    }

    void lockAndPasswordLeaveTheCallersTransactionOpen()
    {
        QVERIFY(dao->open(QString(), false));
        QVERIFY(dao->setPassword(QStringLiteral("pw")));
        QVERIFY(dao->transaction());
        QVERIFY(dao->execute(QStringLiteral("INSERT INTO aula (nombre) VALUES ('uncommitted')")));
        QVERIFY(!dao->isLocked());
        QVERIFY(dao->inTransaction());
        QVERIFY(dao->lock());
        QVERIFY(dao->isLocked());
        QVERIFY(dao->checkPassword(QStringLiteral("pw")));
        QVERIFY(dao->inTransaction());
        QVERIFY(dao->unlock());
        QVERIFY(dao->inTransaction());
        QVERIFY(dao->rollback());
        QSqlQuery q = dao->query(QStringLiteral("SELECT count(*) FROM aula"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 0);

        // on their own they commit
        QVERIFY(dao->lock());
        QVERIFY(!dao->inTransaction());
        QVERIFY(DBManager::isDBLocked());
        QVERIFY(DBManager::unlockDB());
        QVERIFY(!DBManager::isDBLocked());
        QVERIFY(dao->lock());
        dao->close();
        DaoRawDb raw(daoDbPath(QStringLiteral("database")));
        QCOMPARE(raw.value(QStringLiteral("SELECT value FROM property WHERE key = 'locked'")).toString(), QStringLiteral("true"));
    }

    void corruptedFileIsRefusedAndTheNewestBackupRestoresIt()
    {
        QVERIFY(dao->open(QString(), false));
        QVERIFY(dao->transaction());
        for (int i = 0; i < 300; ++i)
            QVERIFY(dao->insert(QStringLiteral("aula"), {"nombre", "comentarios"},
                                {QStringLiteral("A%1").arg(i), QString(200, QLatin1Char('c'))}).isValid());
        QVERIFY(dao->commit());
        touch(QStringLiteral("backup_database.db.at.00.01.01_10.00.00")); // an older, useless one
        dao->backup(QStringLiteral("database.db"));
        QVERIFY(dao->execute(QStringLiteral("INSERT INTO aula (nombre) VALUES ('after the backup')")));
        dao->close();

        const QString path = daoDbPath(QStringLiteral("database"));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.size() > 8 * 4096);
            file.seek(3 * 4096);
            file.write(QByteArray(4 * 4096, '\xAB'));
        }
        MessageCapture capture;
        QCOMPARE(DBManager::checkPassword(QString(), false), int(DBManager::Corrupted));
        QVERIFY(!dao->isOpen());
        QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("Unable to open database: ")));

        QVERIFY(DBManager::restoreLastBackup());
        QCOMPARE(DBManager::checkPassword(QString(), false), int(DBManager::Opened));
        QVERIFY(dao->integrityCheck());
        QSqlQuery q = dao->query(QStringLiteral("SELECT count(*) FROM aula"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 300);
        QVERIFY(!QFile::exists(path + QStringLiteral("_restore")));
    }

    void restoreTakesOnlyThisDatabasesBackups()
    {
        QVERIFY(DBManager::setCurrentDB(QStringLiteral("data")));
        QVERIFY(dao->open(QString(), false));
        QVERIFY(dao->execute(QStringLiteral("INSERT INTO aula (nombre) VALUES ('mine')")));
        dao->backup(QStringLiteral("data.db"));
        dao->close();
        // a newer backup of the database "data.db2" also starts with "backup_data.db"
        QVERIFY(DBManager::createDB(QStringLiteral("data.db2"), false));
        QVERIFY(QFile::copy(daoDbPath(QStringLiteral("data.db2")), dataFile(QStringLiteral("backup_data.db2.db.at.99.12.31_23.59.59"))));

        QVERIFY(DBManager::restoreLastBackup());
        QVERIFY(dao->open(QString(), false));
        QSqlQuery q = dao->query(QStringLiteral("SELECT nombre FROM aula"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("mine"));
    }

    void failedRestoreLosesNothing()
    {
        QVERIFY(dao->open(QString(), false));
        QVERIFY(!DBManager::restoreLastBackup()); // no backup yet
        QVERIFY(dao->execute(QStringLiteral("INSERT INTO aula (nombre) VALUES ('kept')")));
        dao->backup(QStringLiteral("database.db"));
        dao->close();
        const QString path = daoDbPath(QStringLiteral("database"));
        const QByteArray before = contents(path);
        // the copy cannot be written: a folder stands where it goes
        QVERIFY(QDir().mkpath(path + QStringLiteral("_restore/x")));
        MessageCapture capture;
        QVERIFY(!DBManager::restoreLastBackup());
        QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("Unable to copy last db backup over the corrupted DB")));
        QCOMPARE(contents(path), before);
    }
};

PENSARIO_TEST_MAIN(TestDBManager)
#include "tst_dbmanager.moc"
