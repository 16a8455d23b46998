#include "damagedacademy.h"
#include "dao.h"
#include "daotesthelpers.h"
#include "dbmanager.h"
#include "messagecapture.h"
#include "readonlypath.h"
#include "scriptedprompter.h"
#include "testmain.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

using namespace Qt::StringLiterals;

class TestDBManager : public QObject
{
    Q_OBJECT
private:
    Dao* dao = nullptr;

    static QString dataFile(const QString& fileName) { return QDir(DBManager::dataDir()).filePath(fileName); }
    static void touch(const QString& fileName) { QVERIFY(QFile(dataFile(fileName)).open(QIODevice::WriteOnly)); }
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
    static QString storedPassword()
    {
        return DaoRawDb(daoDbPath(u"database"_s)).value(u"SELECT value FROM property WHERE key = 'password'"_s).toString();
    }
    // The default database, created and closed, holding this password text.
    void storePasswordText(const QString& text)
    {
        QVERIFY(dao->open(QString(), false));
        dao->close();
        DaoRawDb raw(daoDbPath(u"database"_s));
        QSqlQuery q(raw.db());
        q.prepare(u"INSERT OR REPLACE INTO property (key, value) VALUES ('password', ?)"_s);
        q.addBindValue(text);
        QVERIFY(q.exec());
    }

private slots:
    void init() { dao = freshDao(); }
    void cleanup() { closeDao(); }

    void namesThatLeaveTheDataFolderAreRefused()
    {
        QTemporaryDir outside;
        const QString victim = outside.filePath(u"victim.db"_s);
        QFile(victim).open(QIODevice::WriteOnly);
        const QString relative = QDir(DBManager::dataDir()).relativeFilePath(outside.filePath(u"victim"_s));
        const QStringList bad = {relative, u"../escape"_s, u"a/b"_s, u".hidden"_s, u"x.db_old"_s, u".."_s, u"a\\b"_s};
        ScriptedPrompter prompter;
        for (int i = 0; i < bad.size(); ++i)
            prompter.button(QMessageBox::Ok);
        MessageCapture capture;
        for (const QString& name : bad) {
            QVERIFY2(!DBManager::createDB(name, false), qPrintable(name));
            QVERIFY2(!DBManager::deleteDB(name, false), qPrintable(name));
            QVERIFY2(!DBManager::setCurrentDB(name), qPrintable(name));
            QVERIFY2(!dao->open(name, false), qPrintable(name));
        }
        QVERIFY(prompter.asked().at(0).text.contains(u"Invalid database name."_s));
        QVERIFY(QFile::exists(victim));
        QVERIFY(!QFile::exists(DBManager::dataDir() + u"/../escape.db"_s));
        QVERIFY(capture.contains(QtWarningMsg, u"Refused database name: "_s));
        // a current name planted in the settings is refused as well
        QSettings().setValue(u"base_de_datos"_s, u"../planted.db"_s);
        QCOMPARE(DBManager::checkPassword(QString(), false), int(DBManager::Corrupted));
        QVERIFY(!QFile::exists(DBManager::dataDir() + u"/../planted.db"_s));
    }

    void createPasswordThenLogInWithoutLoggingIt()
    {
        ScriptedPrompter prompter;
        prompter.text(QString()).text(u"S3cret-pass"_s).text(u"S3cret-pass"_s);
        daoSetDebug(true);
        MessageCapture capture;
        QCOMPARE(DBManager::checkPassword(QString(), true), int(DBManager::Opened));
        QVERIFY(prompter.allAnswered());
        QCOMPARE(prompter.asked().at(1).text, u"You can't enter an empty password. Try again"_s);
        for (const MessageCapture::Message& m : capture.messages())
            QVERIFY2(!m.text.contains(u"S3cret-pass"_s), qPrintable(m.text));
        // opened (integrity check, migration) once, not again for the check
        QCOMPARE(capture.texts(QtDebugMsg).filter(u"Path de la base de datos :"_s).size(), 1);
        dao->close();
        QVERIFY(storedPassword().startsWith(u"$argon2id$"_s));
        QVERIFY(DBManager::unlockDB());
        for (const QString& backup : DBManager::listDBs(true, true))
            QVERIFY(QFile::remove(dataFile(backup)));
        // the backup copied while the password is verified is kept only when
        // it is right, and a copy a killed program left behind is no obstacle
        const QStringList copies = {u"*.db_*"_s};
        ScriptedPrompter again;
        again.text(u"wrong"_s).text(u"S3cret-pass"_s);
        QCOMPARE(DBManager::checkPassword(QString(), true), int(DBManager::WrongPassword));
        QCOMPARE(DBManager::listDBs(true, true), QStringList());
        QCOMPARE(QDir(DBManager::dataDir()).entryList(copies), QStringList());
        touch(u"database.db_backup"_s);
        QCOMPARE(DBManager::checkPassword(QString(), true), int(DBManager::Opened));
        const QStringList kept = DBManager::listDBs(true, true);
        QCOMPARE(kept.size(), 1);
        QCOMPARE(QDir(DBManager::dataDir()).entryList(copies), QStringList());
        QVERIFY(DaoRawDb(dataFile(kept.first())).value(u"SELECT value FROM property WHERE key = 'password'"_s)
                    .toString().startsWith(u"$argon2id$"_s));
    }

    void legacyDigestLogsInAndIsUpgraded()
    {
        storePasswordText(Dao::legacyDigest(u"old secret"_s));
        ScriptedPrompter prompter;
        prompter.text(u"not it"_s).text(u"old secret"_s);
        QCOMPARE(DBManager::checkPassword(QString(), true), int(DBManager::WrongPassword));
        dao->close();
        QVERIFY(!storedPassword().startsWith(u"$argon2"_s));
        QCOMPARE(DBManager::checkPassword(QString(), true), int(DBManager::Opened));
        dao->close();
        QVERIFY(storedPassword().startsWith(u"$argon2id$"_s));
        QVERIFY(dao->open(QString(), false));
        QVERIFY(Dao::checkPasswordStatic(u"old secret"_s));
        QVERIFY(!Dao::checkPasswordStatic(u"old secreT"_s));
    }

    void emptyStoredTextIsNoPassword()
    {
        // a password whose digest starts with a zero byte leaves an empty text
        QString zeroLead;
        for (int i = 0; zeroLead.isEmpty(); ++i)
            if (QCryptographicHash::hash(u"p%1"_s.arg(i).toUtf8(), QCryptographicHash::Sha1).at(0) == '\0')
                zeroLead = u"p%1"_s.arg(i);
        QVERIFY(Dao::legacyDigest(zeroLead).isEmpty());
        storePasswordText(Dao::legacyDigest(zeroLead));
        QVERIFY(dao->open(QString(), false));
        QVERIFY(!dao->hasPassword());
        QVERIFY(!dao->checkPassword(zeroLead));
        QVERIFY(!dao->checkPassword(QString()));
    }

    void lockAndPasswordLeaveTheCallersTransactionOpen()
    {
        QVERIFY(dao->open(QString(), false));
        QVERIFY(dao->transaction());
        QVERIFY(dao->execute(u"INSERT INTO aula (nombre) VALUES ('uncommitted')"_s));
        QVERIFY(dao->setPassword(u"pw"_s));
        QVERIFY(dao->lock());
        QVERIFY(dao->isLocked());
        QVERIFY(dao->checkPassword(u"pw"_s));
        QVERIFY(dao->unlock());
        QVERIFY(dao->inTransaction());
        QVERIFY(dao->rollback());
        QCOMPARE(daoValue(u"SELECT count(*) FROM aula"_s).toInt(), 0);
        // on their own they commit
        QVERIFY(dao->lock());
        QVERIFY(!dao->inTransaction());
        dao->close();
        QCOMPARE(DaoRawDb(daoDbPath(u"database"_s)).value(u"SELECT value FROM property WHERE key = 'locked'"_s).toString(), u"true"_s);
    }

    void tenBackupsAtMostAndTheNewestRestoresACorruptedFile()
    {
        QVERIFY(dao->open(QString(), false));
        QVERIFY(dao->transaction());
        for (int i = 0; i < 300; ++i)
            QVERIFY(dao->insert(u"aula"_s, {"nombre", "comentarios"}, {u"A%1"_s.arg(i), QString(200, QLatin1Char('c'))}).isValid());
        QVERIFY(dao->commit());
        // ten older, useless ones, and one of another database
        for (int i = 1; i <= 10; ++i)
            touch(u"backup_database.db.at.20.01.%1_10.00.00"_s.arg(i, 2, 10, QLatin1Char('0')));
        touch(u"backup_other.db.at.20.01.01_10.00.00"_s);
        daoSetDebug(true);
        {
            MessageCapture capture;
            dao->backup(u"database.db"_s);
            QVERIFY(capture.contains(QtDebugMsg, u"There are more than 10 backups, deleting de last one: backup_database.db.at.20.01.01_10.00.00"_s));
        }
        const QStringList backups = DBManager::listDBs(true, true);
        QCOMPARE(backups.size(), 10);
        QCOMPARE(backups.first(), u"backup_database.db.at.20.01.02_10.00.00"_s);
        QVERIFY(QFile::exists(dataFile(u"backup_other.db.at.20.01.01_10.00.00"_s)));
        dao->close();
        const QString path = daoDbPath(u"database"_s);
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.size() > 8 * 4096);
            file.seek(3 * 4096);
            file.write(QByteArray(4 * 4096, '\xAB'));
        }
        MessageCapture capture;
        QCOMPARE(DBManager::checkPassword(QString(), false), int(DBManager::Corrupted));
        QVERIFY(capture.contains(QtWarningMsg, u"Unable to open database: "_s));
        QVERIFY(DBManager::restoreLastBackup());
        QCOMPARE(DBManager::checkPassword(QString(), false), int(DBManager::Opened));
        QVERIFY(dao->integrityCheck());
        QCOMPARE(daoValue(u"SELECT count(*) FROM aula"_s).toInt(), 300);
    }

    // Work given to the open runs on the file while its integrity is checked
    // on a connection of its own: the verdict is the one the check gives, and
    // a file that has a migration to come is never read before it.
    void workWhileTheFileIsCheckedKeepsTheVerdict()
    {
        QVERIFY(dao->open(QString(), false));
        dao->close();
        int counted = -1;
        const auto count = [&counted] { counted = daoValue(u"SELECT count(*) FROM asignatura"_s).toInt(); };
        QVERIFY(!DBManager::isDBLocked(count));
        QCOMPARE(counted, 0);
        QVERIFY(dao->isOpen());

        QVERIFY(damageBehindAnIndex(daoDbPath(u"database"_s)));
        counted = -1;
        {
            MessageCapture capture;
            QVERIFY(!DBManager::isDBLocked(count));
            QVERIFY(capture.contains(QtWarningMsg, u"missing from index sqlite_autoindex_asignatura_1"_s));
        }
        QCOMPARE(counted, 300);
        QVERIFY(!dao->isOpen());
        QCOMPARE(DBManager::checkPassword(QString(), false), int(DBManager::Corrupted));

        QVERIFY(DBManager::setCurrentDB(u"older"_s));
        QVERIFY(QFile::copy(u":/DB/database.db"_s, daoDbPath(u"older"_s)));
        QVERIFY(QFile::setPermissions(daoDbPath(u"older"_s), QFile::ReadOwner | QFile::WriteOwner));
        int levelSeen = 0;
        QVERIFY(!DBManager::isDBLocked([&levelSeen] { levelSeen = Dao::getInstance()->getDBVersion(); }));
        QCOMPARE(dao->getDBVersion(), 16);
        QVERIFY(levelSeen == 0 || levelSeen == 16);
    }

    void restoreTakesOnlyThisDatabasesBackupsAndAFailedCopyLosesNothing()
    {
        QVERIFY(DBManager::setCurrentDB(u"data"_s));
        QVERIFY(dao->open(QString(), false));
        QVERIFY(!DBManager::restoreLastBackup()); // no backup yet
        QVERIFY(dao->execute(u"INSERT INTO aula (nombre) VALUES ('mine')"_s));
        dao->backup(u"data.db"_s);
        QVERIFY(dao->execute(u"INSERT INTO aula (nombre) VALUES ('later')"_s));
        dao->close();
        // a newer backup of the database "data.db2" also starts with "backup_data.db"
        QVERIFY(DBManager::createDB(u"data.db2"_s, false));
        QVERIFY(QFile::copy(daoDbPath(u"data.db2"_s), dataFile(u"backup_data.db2.db.at.99.12.31_23.59.59"_s)));

        // the copy cannot be written: a folder stands where it goes
        const QString path = daoDbPath(u"data"_s);
        const QByteArray before = contents(path);
        QVERIFY(QDir().mkpath(path + u"_restore/x"_s));
        MessageCapture capture;
        QVERIFY(!DBManager::restoreLastBackup());
        QVERIFY(capture.contains(QtWarningMsg, u"Unable to copy last db backup over the corrupted DB"_s));
        QCOMPARE(contents(path), before);

        QVERIFY(QDir(path + u"_restore"_s).removeRecursively());
        QVERIFY(DBManager::restoreLastBackup());
        // owner-only files: the database, its backups and what a restore writes
        const QStringList files = DBManager::listDBs(true, true) << daoDbPath(u"data.db2"_s) << path;
        QVERIFY(files.size() >= 3);
        for (const QString& file : files)
            QVERIFY2(ownerOnly(dataFile(file)), qPrintable(file));
        QVERIFY(dao->open(QString(), false));
        QCOMPARE(daoValue(u"SELECT group_concat(nombre) FROM aula"_s).toString(), u"mine"_s);
    }
    // A damaged newest backup is passed over for an older whole one, and the
    // damaged database is kept aside, byte for byte, not deleted.
    void restoreTakesTheNewestWholeBackupAndKeepsTheDamagedFile()
    {
        QVERIFY(dao->open(QString(), false));
        QVERIFY(dao->execute(u"INSERT INTO aula (nombre) VALUES ('kept')"_s));
        dao->backup(u"database.db"_s);
        dao->close();
        const QString newest = dataFile(u"backup_database.db.at.99.12.31_23.59.59"_s);
        QVERIFY(QFile::copy(dataFile(DBManager::listDBs(true, true).constFirst()), newest));
        {
            QFile file(newest);
            QVERIFY(file.open(QIODevice::ReadWrite));
            file.seek(0);
            file.write(QByteArray(4096, '\xAB'));
        }
        const QByteArray damaged(64 * 1024, '\xCD');
        {
            QFile file(daoDbPath(u"database"_s));
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(damaged);
        }
        QCOMPARE(DBManager::checkPassword(QString(), false), int(DBManager::Corrupted));
        MessageCapture capture;
        QVERIFY(DBManager::restoreLastBackup());
        QVERIFY(capture.contains(QtWarningMsg, u"backup_database.db.at.99.12.31_23.59.59 is damaged"_s));
        QCOMPARE(DBManager::checkPassword(QString(), false), int(DBManager::Opened));
        QCOMPARE(daoValue(u"SELECT group_concat(nombre) FROM aula"_s).toString(), u"kept"_s);
        const QStringList aside = QDir(DBManager::dataDir()).entryList({u"damaged_database.db.at.*"_s});
        QCOMPARE(aside.size(), 1);
        QCOMPARE(contents(dataFile(aside.first())), damaged);
        // not a database, a backup or a leftover the next backup deletes
        dao->backup(u"database.db"_s);
        QVERIFY(QFile::exists(dataFile(aside.first())));
        QVERIFY(!DBManager::listDBs(false, false).join(u' ').contains(u"damaged"_s));

        // no whole backup at all: nothing is moved or replaced
        for (const QString& backup : DBManager::listDBs(true, true))
            QVERIFY(QFile::remove(dataFile(backup)));
        {
            QFile bad(dataFile(u"backup_database.db.at.99.12.31_23.59.58"_s));
            QVERIFY(bad.open(QIODevice::WriteOnly));
            bad.write(QByteArray(8192, '\xEF'));
        }
        dao->close();
        const QByteArray current = contents(daoDbPath(u"database"_s));
        QVERIFY(!DBManager::restoreLastBackup());
        QCOMPARE(contents(daoDbPath(u"database"_s)), current);
    }

    // An emptied file beside its backups is damage: it is neither made a new
    // empty academy nor copied over the good backups.
    void emptiedFileWithBackupsIsDamage()
    {
        QVERIFY(dao->open(QString(), false));
        QVERIFY(dao->execute(u"INSERT INTO aula (nombre) VALUES ('kept')"_s));
        dao->backup(u"database.db"_s);
        dao->close();
        const QStringList backups = DBManager::listDBs(true, true);
        QCOMPARE(backups.size(), 1);
        const QByteArray good = contents(dataFile(backups.first()));
        QVERIFY(QFile(daoDbPath(u"database"_s)).resize(0));

        QCOMPARE(DBManager::checkPassword(QString(), false), int(DBManager::Corrupted));
        QCOMPARE(QFileInfo(daoDbPath(u"database"_s)).size(), 0);
        {
            MessageCapture capture;
            dao->backup(u"database.db"_s);
            QVERIFY(capture.contains(QtWarningMsg, u"no backup was made"_s));
        }
        QCOMPARE(DBManager::listDBs(true, true), backups);
        QCOMPARE(contents(dataFile(backups.first())), good);

        QVERIFY(DBManager::restoreLastBackup());
        QCOMPARE(DBManager::checkPassword(QString(), false), int(DBManager::Opened));
        QCOMPARE(daoValue(u"SELECT group_concat(nombre) FROM aula"_s).toString(), u"kept"_s);
        QCOMPARE(QDir(DBManager::dataDir()).entryList({u"damaged_database.db.at.*"_s}).size(), 1);
    }

    // A file that is whole but takes no write is told apart before the
    // password is asked; a missing file that can't be created is not called
    // damaged; a backup that can't be written is a warning.
    void readOnlyAndMissingFilesAreNotDamage()
    {
        storePasswordText(Dao::legacyDigest(u"pw"_s));
        const QString path = daoDbPath(u"database"_s);
        {
            ReadOnlyPath readOnly(path);
            if (!readOnly.ok())
                QSKIP(qPrintable(readOnly.reason()));
            ScriptedPrompter prompter;
            QCOMPARE(DBManager::checkPassword(QString(), true), int(DBManager::ReadOnly));
            QCOMPARE(prompter.askedCount(), 0);
            QCOMPARE(DBManager::problemText(), u"the file is read-only"_s);
        }
        {
            // an older file whose migration can't be written is not damaged either
            dao->close();
            DaoRawDb raw(path);
            QVERIFY(raw.exec(u"UPDATE property SET value = value - 1 WHERE key = 'next_db_version'"_s));
        }
        {
            ReadOnlyPath readOnly(path);
            QVERIFY2(readOnly.ok(), qPrintable(readOnly.reason()));
            QCOMPARE(DBManager::checkPassword(QString(), true), int(DBManager::ReadOnly));
            QCOMPARE(DBManager::problemText(), u"the file is read-only"_s);
        }
        QVERIFY(DaoRawDb(path).exec(u"UPDATE property SET value = value + 1 WHERE key = 'next_db_version'"_s));
        {
            ReadOnlyPath readOnlyFolder(DBManager::dataDir());
            QVERIFY2(readOnlyFolder.ok(), qPrintable(readOnlyFolder.reason()));
            ScriptedPrompter prompter;
            QCOMPARE(DBManager::checkPassword(QString(), true), int(DBManager::ReadOnly));
            QCOMPARE(prompter.askedCount(), 0);
            QVERIFY2(DBManager::problemText().startsWith(u"the folder "_s), qPrintable(DBManager::problemText()));
            MessageCapture capture;
            dao->backup(u"database.db"_s);
            QVERIFY(capture.contains(QtWarningMsg, u"Unable to back up the database to "_s));

            QVERIFY(DBManager::setCurrentDB(u"absent"_s));
            QCOMPARE(DBManager::checkPassword(QString(), true), int(DBManager::Unreadable));
            QVERIFY(DBManager::problemText().startsWith(u"the file does not exist and cannot be created"_s));
        }
        QVERIFY(DBManager::setCurrentDB(u"database"_s));
        QCOMPARE(DBManager::checkPassword(QString(), false), int(DBManager::Opened));
    }
};

PENSARIO_TEST_MAIN(TestDBManager)
#include "tst_dbmanager.moc"
