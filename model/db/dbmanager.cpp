#include "dbmanager.h"

#include "aprompter.h"
#include "dao.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>

#include <cstdio>

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
    // Only this database's backups: "backup_x.db.at.*" and not "backup_x.db2.db.at.*".
    QStringList backups = dir.entryList({QStringLiteral("backup_%1.at.*").arg(fileName)}, QDir::Files);
    if (backups.isEmpty())
        return false;
    std::sort(backups.begin(), backups.end());
    const QString newest = dir.filePath(backups.last());
    const QString path = dir.filePath(fileName);
    const QString copy = path + QStringLiteral("_restore");

    Dao::getInstance()->close();
    QFile::remove(copy);
    if (!QFile::copy(newest, copy)) {
        qWarning().noquote() << "Unable to copy last db backup over the corrupted DB";
        QFile::remove(copy);
        return false;
    }
    restrictToOwner(copy);
    if (std::rename(QFile::encodeName(copy).constData(), QFile::encodeName(path).constData()) != 0) {
        qWarning().noquote() << "Unable to delete corrupted DB";
        QFile::remove(copy);
        return false;
    }
    // The journal of the replaced file belongs to it, not to the backup.
    for (const char* suffix : {"-journal", "-wal", "-shm"})
        dir.remove(fileName + QLatin1String(suffix));
    return true;
}

bool DBManager::unlockDB()
{
    Dao* dao = Dao::getInstance();
    return dao->open(QString(), false) && dao->unlock();
}

bool DBManager::isDBLocked()
{
    Dao* dao = Dao::getInstance();
    return dao->open(QString(), false) && dao->isLocked();
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

int DBManager::checkPassword(const QString& name, bool ask)
{
    if (!name.isEmpty() && !setCurrentDB(name))
        return Corrupted;
    Dao* dao = Dao::getInstance();
    if (!openCurrent())
        return Corrupted;
    if (!ask)
        return Opened;

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
    if (!dao->openAndCheckPassword(password))
        return WrongPassword;
    dao->lock();
    return Opened;
}
