#include "dbmanager.h"

#include "aprompter.h"
#include "dao.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <functional>
#include <optional>

#include <unistd.h>

const QString DBManager::EXTENSION = QStringLiteral(".db");
const QString DBManager::DEFAULT_NAME = QStringLiteral("database");

namespace {
const char* const currentKey = "base_de_datos";

void tell(const QString& text)
{
    APrompter::instance()->message(QMessageBox::NoIcon, QString(), text);
}

// The start-up's lock test has just opened, checked and migrated the current
// file; the password dialogue that follows keeps that connection rather than
// reading the whole file again for a second integrity check. Any other file,
// a closed connection or an open transaction opens it afresh.
bool openCurrent()
{
    Dao* dao = Dao::getInstance();
    const QString path = DBManager::dataDir() + QDir::separator() + DBManager::currentDB(true);
    if (dao->isOpen() && !dao->inTransaction()
        && QSqlDatabase::database(QSqlDatabase::defaultConnection, false).databaseName() == path
        && QFile::exists(path))
        return true;
    return dao->open(QString(), false);
}

QString g_problem;

QString currentPath()
{
    return DBManager::dataDir() + QDir::separator() + DBManager::currentDB(true);
}

// This database's backups, newest first: "backup_x.db.at.*" and not
// "backup_x.db2.db.at.*". Their stamps sort by name.
QStringList backupsOf(const QDir& dir, const QString& fileName)
{
    QStringList backups = dir.entryList({QStringLiteral("backup_%1.at.*").arg(fileName)}, QDir::Files);
    std::sort(backups.begin(), backups.end(), std::greater<>());
    return backups;
}

// A file SQLite opens, on a read-only connection of its own, as a whole
// academy database.
bool isSound(const QString& path)
{
    if (QFileInfo(path).size() == 0)
        return false;
    const QString connectionName = QStringLiteral("soundprobe");
    bool sound = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery q(db);
            sound = q.exec(QStringLiteral("PRAGMA integrity_check(1)")) && q.next()
                    && q.value(0).toString() == QLatin1String("ok")
                    && q.exec(QStringLiteral("SELECT count(*) FROM property")) && q.next();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
    return sound;
}

// errno of access(2) for path, 0 when granted.
int refusal(const QString& path, int mode)
{
    return ::access(QFile::encodeName(path).constData(), mode) == 0 ? 0 : errno;
}

QString folderOf(const QString& path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absolutePath());
}

// Why a file that is not damaged cannot be read; empty when it can.
QString readProblem(const QString& path)
{
    if (!QFileInfo::exists(path))
        return DBManager::tr("the file does not exist and cannot be created in the folder %1").arg(folderOf(path));
    if (refusal(path, R_OK) != 0)
        return DBManager::tr("this user is not allowed to read the file");
    return QString();
}

// Why the file or its folder (where SQLite writes its journal) takes no
// write; empty when nothing says so.
QString writeProblem(const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    for (const QString& target : {path, folder}) {
        const int error = refusal(target, W_OK);
        if (error == EROFS)
            return DBManager::tr("the disk that holds it can only be read");
        if (error != 0)
            return target == path ? DBManager::tr("the file is read-only")
                                  : DBManager::tr("the folder %1 is read-only").arg(folderOf(path));
    }
    return QString();
}

// A write made and taken back on the open connection: the only sure sign
// that the saves to come can work. Empty when it went through, or when the
// database was only busy (the lock flag deals with a second program).
QString probeWrite()
{
    QSqlDatabase db = QSqlDatabase::database(QSqlDatabase::defaultConnection, false);
    const auto text = [](const QSqlError& error) {
        return QStringLiteral("%1 (%2)").arg(error.databaseText(), error.nativeErrorCode());
    };
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        const bool busy = (q.lastError().nativeErrorCode().toInt() & 0xff) == 5; // SQLITE_BUSY
        return busy ? QString() : text(q.lastError());
    }
    const bool ok = q.exec(QStringLiteral("INSERT INTO property (key, value) VALUES ('write probe', '')"));
    const QSqlError error = q.lastError();
    q.finish();
    QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
    return ok ? QString() : text(error);
}

// Why the current database failed to open: Unreadable, ReadOnly (a whole file
// whose migration could not be written) or Corrupted.
int whyNotOpened()
{
    if (!DBManager::isValidName(DBManager::currentDB(true)))
        return DBManager::Corrupted;
    const QString path = currentPath();
    g_problem = readProblem(path);
    if (!g_problem.isEmpty())
        return DBManager::Unreadable;
    if (isSound(path)) {
        g_problem = writeProblem(path);
        if (!g_problem.isEmpty())
            return DBManager::ReadOnly;
    }
    return DBManager::Corrupted;
}

QString stamp()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yy.MM.dd_hh.mm.ss"));
}

bool renameFile(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// Moves the current file, with its journal, to "damaged_<file>.at.<stamp>"
// beside it: the path it now has ("" when there was no file), or nothing when
// it could not be moved.
std::optional<QString> moveAside(const QDir& dir, const QString& fileName)
{
    const QString path = dir.filePath(fileName);
    if (!QFileInfo::exists(path))
        return QString();
    const QString base = dir.filePath(QStringLiteral("damaged_") + fileName + QStringLiteral(".at.") + stamp());
    QString aside = base;
    for (int i = 2; QFileInfo::exists(aside); ++i)
        aside = base + QLatin1Char('_') + QString::number(i);
    if (!renameFile(path, aside))
        return std::nullopt;
    // A journal left beside the restored file would be played back into it.
    for (const char* suffix : {"-journal", "-wal", "-shm"}) {
        const QString journal = path + QLatin1String(suffix);
        if (QFileInfo::exists(journal) && !renameFile(journal, aside + QLatin1String(suffix))) {
            qWarning().noquote() << "Unable to move aside " + journal;
            QFile::remove(journal);
        }
    }
    return aside;
}
} // namespace

QString DBManager::dataDir()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dir);
    return dir;
}

bool DBManager::isValidName(const QString& fileName)
{
    return !fileName.isEmpty() && !fileName.contains(QLatin1Char('/')) && !fileName.contains(QLatin1Char('\\'))
           && !fileName.contains(QLatin1String(".."))
           && !fileName.startsWith(QLatin1Char('.')) && !fileName.contains(QLatin1String(".db_"));
}

QString DBManager::invalidNameText()
{
    return tr("Invalid database name.\nA name can't contain \"/\", \"\\\", \"..\" or \".db_\", nor begin with \".\".");
}

bool DBManager::restrictToOwner(const QString& path)
{
    return QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

QString DBManager::currentDB(bool withExtension)
{
    QSettings settings;
    if (!settings.contains(QLatin1String(currentKey)))
        settings.setValue(QLatin1String(currentKey), DEFAULT_NAME + EXTENSION);
    const QString name = settings.value(QLatin1String(currentKey)).toString();
    return withExtension ? name : name.chopped(qMin(3, name.size()));
}

bool DBManager::setCurrentDB(const QString& name)
{
    const QString fileName = name + EXTENSION;
    if (!isValidName(fileName)) {
        qWarning().noquote() << "Refused database name: " + name;
        return false;
    }
    QSettings().setValue(QLatin1String(currentKey), fileName);
    return true;
}

QStringList DBManager::listDBs(bool withExtension, bool backups)
{
    const QString pattern = backups ? QStringLiteral("backup_") + currentDB(true) + QLatin1Char('*')
                                    : QStringLiteral("*") + EXTENSION;
    QStringList names = QDir(dataDir()).entryList({pattern}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    if (!withExtension) {
        for (QString& name : names)
            name.chop(3);
    }
    return names;
}

bool DBManager::createDB(const QString& name, bool hasExtension)
{
    if (name.isEmpty()) {
        tell(tr("Databases without name can't be created."));
        return false;
    }
    const QString fileName = hasExtension ? name : name + EXTENSION;
    if (!isValidName(fileName)) {
        tell(invalidNameText());
        return false;
    }
    const QString path = QDir(dataDir()).filePath(fileName);
    if (QFile::exists(path)) {
        tell(tr("There is already a database with the same name. Database can't be created."));
        return false;
    }
    const QString templatePath = QStringLiteral(":/DB/database.db");
    if (QFile::exists(templatePath)) {
        if (!QFile::copy(templatePath, path)) {
            qWarning().noquote() << "Unable to copy the template database to " + path;
            return false;
        }
        return restrictToOwner(path);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        qWarning().noquote() << QStringLiteral("No se ha podido crear la base de datos. No se ha podido hacer el open sobre el fichero.");
        return false;
    }
    return true;
}

bool DBManager::deleteDB(const QString& name, bool hasExtension)
{
    const QString fileName = hasExtension ? name : name + EXTENSION;
    if (!isValidName(fileName)) {
        qWarning().noquote() << "Refused database name: " + name;
        return false;
    }
    QDir dir(dataDir());
    const bool removed = dir.remove(fileName);
    if (removed) {
        // A journal left beside a deleted file would be played back into a new
        // database created later under the same name.
        for (const char* suffix : {"-journal", "-wal", "-shm"})
            dir.remove(fileName + QLatin1String(suffix));
    }
    return removed;
}

bool DBManager::restoreLastBackup()
{
    const QString fileName = currentDB(true);
    if (!isValidName(fileName)) {
        qWarning().noquote() << "Refused database name: " + fileName;
        return false;
    }
    QDir dir(dataDir());
    const QStringList backups = backupsOf(dir, fileName);
    if (backups.isEmpty())
        return false;
    Dao::getInstance()->close();
    const auto good = std::find_if(backups.cbegin(), backups.cend(), [&dir](const QString& backup) {
        if (isSound(dir.filePath(backup)))
            return true;
        qWarning().noquote() << "The backup " + backup + " is damaged; an older one is tried";
        return false;
    });
    if (good == backups.cend()) {
        qWarning().noquote() << "No backup of " + fileName + " is whole";
        return false;
    }
    const QString path = dir.filePath(fileName);
    const QString copy = path + QStringLiteral("_restore");
    QFile::remove(copy);
    if (!QFile::copy(dir.filePath(*good), copy)) {
        qWarning().noquote() << "Unable to copy last db backup over the corrupted DB";
        QFile::remove(copy);
        return false;
    }
    restrictToOwner(copy);
    const std::optional<QString> aside = moveAside(dir, fileName);
    if (!aside) {
        qWarning().noquote() << "Unable to move the damaged database aside: " + path;
        QFile::remove(copy);
        return false;
    }
    if (!renameFile(copy, path)) {
        qWarning().noquote() << "Unable to put the backup in place of the damaged database";
        QFile::remove(copy);
        if (!aside->isEmpty())
            renameFile(*aside, path);
        return false;
    }
    if (!aside->isEmpty())
        qWarning().noquote() << "The damaged database was kept as " + *aside;
    qInfo().noquote() << "Restored " + fileName + " from " + *good;
    return true;
}

bool DBManager::isEmptiedWithBackups(const QString& fileName)
{
    const QDir dir(dataDir());
    const QFileInfo info(dir.filePath(fileName));
    return info.exists() && info.size() == 0 && !backupsOf(dir, fileName).isEmpty();
}

QString DBManager::problemText()
{
    return g_problem;
}

bool DBManager::unlockDB()
{
    Dao* dao = Dao::getInstance();
    return dao->open(QString(), false) && dao->unlock();
}

bool DBManager::isDBLocked(const std::function<void()>& whileOpening)
{
    Dao* dao = Dao::getInstance();
    return dao->open(QString(), false, whileOpening) && dao->isLocked();
}

bool DBManager::isDBLocked(const QString& name, bool hasExtension)
{
    const QString fileName = hasExtension ? name : name + EXTENSION;
    if (!isValidName(fileName))
        return false;
    const QString connectionName = QStringLiteral("lockprobe");
    bool locked = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(QDir(dataDir()).filePath(fileName));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery query(db);
            locked = query.exec(QStringLiteral("SELECT value FROM property WHERE key = 'locked'")) && query.next()
                     && query.value(0).toBool();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
    return locked;
}

int DBManager::checkPassword(const QString& name, bool ask, const std::function<void()>& whileVerifying)
{
    g_problem.clear();
    if (!name.isEmpty() && !setCurrentDB(name))
        return Corrupted;
    Dao* dao = Dao::getInstance();
    if (!openCurrent())
        return whyNotOpened();
    if (!ask)
        return Opened;
    // Before any work is done: none of it could be saved.
    const QString refused = probeWrite();
    if (!refused.isEmpty()) {
        qWarning().noquote() << "The database takes no write: " + refused;
        const QString reason = writeProblem(currentPath());
        g_problem = reason.isEmpty() ? refused : reason;
        return ReadOnly;
    }

    const QString n = currentDB(false);
    APrompter* prompter = APrompter::instance();
    bool ok = false;
    QString password;
    if (!dao->hasPassword()) {
        const QString title = tr("Create password - %1").arg(n);
        QString label = (n == DEFAULT_NAME ? tr("The default database has no password.")
                                           : tr("Database \"%1\" has no password.").arg(n))
                        + QLatin1Char('\n')
                        + tr("All databases must have password, so you must enter a password right now for this database:");
        for (;;) {
            password = prompter->getText(title, label, QLineEdit::Password, QString(), &ok);
            if (!ok)
                return Cancelled;
            if (password.isEmpty()) {
                label = tr("You can't enter an empty password. Try again");
                continue;
            }
            const QString again = prompter->getText(title, tr("Reenter password:"), QLineEdit::Password, QString(), &ok);
            if (!ok)
                return Cancelled;
            if (again != password) {
                label = tr("Passwords don't match. Try again");
                continue;
            }
            break;
        }
        if (!dao->setPassword(password))
            return WrongPassword;
    } else {
        const QString label = n == DEFAULT_NAME ? tr("Password for default database")
                                                : tr("Password for database \"%1\"").arg(n);
        QString title = tr("Enter password");
        if (n != DEFAULT_NAME)
            title += QStringLiteral(" - ") + n;
        password = prompter->getText(title, label, QLineEdit::Password, QString(), &ok);
        if (!ok)
            return Cancelled;
    }
    if (!dao->openAndCheckPassword(password, whileVerifying))
        return WrongPassword;
    dao->lock();
    return Opened;
}
