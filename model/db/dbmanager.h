#ifndef DBMANAGER_H
#define DBMANAGER_H

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

// The academy database files in the user's data folder: names, listing,
// creation from the template, deletion, the current one, restoring the newest
// backup and the opening with password at start-up.
class DBManager : public QObject
{
    Q_OBJECT
public:
    static const QString EXTENSION;
    static const QString DEFAULT_NAME;

    // Answers of checkPassword. Corrupted: the file is damaged (a restore may
    // help); Unreadable: it is missing or this user may not read it, and
    // ReadOnly: it opens but cannot be changed (no restore helps either);
    // problemText() says why.
    enum LoginResult {
        Cancelled = 1000,
        WrongPassword = 1001,
        Opened = 1002,
        Corrupted = 1003,
        Unreadable = 1004,
        ReadOnly = 1005
    };

    static QString dataDir();
    static QString currentDB(bool withExtension);
    // False (and nothing stored) for a name refused by isValidName().
    static bool setCurrentDB(const QString& name);
    static QStringList listDBs(bool withExtension, bool backups);
    static bool createDB(const QString& name, bool hasExtension);
    static bool deleteDB(const QString& name, bool hasExtension);
    // Puts the newest backup of the current database that opens and passes
    // the integrity check in its place; the file it replaces is first moved
    // aside under a "damaged_" name, never deleted. False, with the file left
    // where it was, when no backup is good or a step fails.
    static bool restoreLastBackup();
    // An emptied file where backups of it exist: damage, not a new academy.
    static bool isEmptiedWithBackups(const QString& fileName);
    // Why the last checkPassword() answered Unreadable or ReadOnly.
    static QString problemText();
    static bool unlockDB();
    // whileOpening: reads worth making while the opened file's integrity is checked.
    static bool isDBLocked(const std::function<void()>& whileOpening = {});
    // Reads the lock flag of another database file on a connection of its
    // own, leaving the program's connection where it is. A file that can't be
    // read counts as not in use.
    static bool isDBLocked(const QString& name, bool hasExtension);
    // whileVerifying: reads worth making while a typed password is verified.
    static int checkPassword(const QString& name, bool ask, const std::function<void()>& whileVerifying = {});

    // A database file name must stay a plain name inside the data folder and
    // must not look like a leftover ("*.db_*") that backups clean up.
    static bool isValidName(const QString& fileName);
    static QString invalidNameText();

    // Owner read and write only: the files hold identity numbers and bank accounts.
    static bool restrictToOwner(const QString& path);
};

#endif // DBMANAGER_H
