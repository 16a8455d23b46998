#ifndef DAO_H
#define DAO_H

#include <QList>
#include <QObject>
#include <QPair>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

class DaoRow;
struct sqlite3;
struct sqlite3_stmt;

// The one door to the academy database: the process's single SQLite
// connection, the statement builders, one flat transaction, error capture and
// logging, and the file-level operations (open, integrity, migration, password,
// lock flag, backups). A bound bool is stored as the text 'true' or 'false',
// the form stored files hold and queries compare with.
class Dao : public QObject
{
    Q_OBJECT
public:
    static Dao* getInstance();

    QSqlQuery select(const QString& table, const QStringList& columns, const QString& where,
                     const QString& orderBy, const QList<QVariant>& values);
    QSqlQuery select(const QString& table, const QStringList& columns, const QString& where,
                     const QList<QVariant>& values);
    // The new id; an invalid QVariant when execution fails, QVariant(false) when
    // the statement cannot be prepared.
    QVariant insert(const QString& table, const QStringList& columns, const QList<QVariant>& values);
    // values: one per column, then the placeholders of where. True when the
    // statement ran; changedRows, when given, gets how many rows it changed.
    bool update(const QString& table, const QStringList& columns, const QString& where,
                const QList<QVariant>& values, int* changedRows = nullptr);
    bool deleteFrom(const QString& table, const QStringList& columns, const QList<QVariant>& values);
    QSqlQuery query(const QString& sql, const QList<QVariant>& values = {});
    bool execute(const QString& sql, const QList<QVariant>& values = {});
    // Runs a read and hands each row to onRow, for large lists: the values
    // come straight from SQLite. False, with the error recorded and logged,
    // when the statement fails.
    bool readRows(const QString& sql, const QList<QVariant>& values,
                  const std::function<void(const DaoRow&)>& onRow);
    // A write run for many rows (a month of bills) straight through SQLite:
    // prepared on its first run and kept while the connection stays the
    // same; values bound as every other write binds them (bools as text,
    // null texts and dates as NULL), logged and announced like them.
    bool executePrepared(const QString& sql, const QList<QVariant>& values);
    // The same for every row that nextRow gives (it answers false when there
    // is none left), as one write: announced once for all of them, each row
    // still logged. Stops at the first row that fails; the ones before it
    // stay written.
    bool executePreparedRows(const QString& sql, const std::function<bool(QList<QVariant>&)>& nextRow);

    // One level: a second transaction() while one is open answers false, and
    // the caller then runs inside the open one.
    bool transaction();
    bool commit();
    bool rollback();
    bool inTransaction() const { return m_inTransaction; }

    bool prepare(QSqlQuery& query, const QString& sql);
    bool exec(QSqlQuery& query);

    bool isOpen() const { return m_open; }
    // (number, text) of the last failed prepare or exec.
    QPair<int, QString> lastError() const { return {m_lastErrorNumber, m_lastErrorText}; }

    static QString placeholders(int count);
    // The ids as comma-separated lists of a few hundred each, for "IN (...)":
    // a few statements however many ids, none too long for SQLite.
    static QStringList idLists(const QList<int>& ids);
    // Nullable foreign keys: id <= 0 means "none" and is bound as NULL.
    static QVariant idOrNull(int id);
    // Binds values by position the way every builder does (bools as text),
    // for a statement prepared once and run many times.
    static void bind(QSqlQuery& query, const QList<QVariant>& values);

    // Files. name empty: the current database.
    bool open(const QString& dbName, bool withExtension, const std::function<void()>& whileChecking = {});
    void close();
    bool integrityCheck();
    int getDBVersion();
    bool updateDatabase(int fromVersion);
    void backup(const QString& fileName);

    bool hasPassword();
    bool setPassword(const QString& password);
    bool checkPassword(const QString& password);
    // meanwhile: reads to make while the password is verified, whatever the answer.
    bool openAndCheckPassword(const QString& password, const std::function<void()>& meanwhile = {});
    static bool checkPasswordStatic(const QString& password);
    static bool setPasswordStatic(const QString& password);
    // The digest text older files hold under "password".
    static QString legacyDigest(const QString& password);

    bool isLocked();
    bool lock();
    bool unlock();

    // Where the migration looks for "<n>.sql"; ":/scripts/" unless changed.
    static void setScriptFolder(const QString& folder);
    static QString scriptFolder();

private:
    Dao();
    // The digest under "password", empty when there is none.
    QString storedPassword();
    // The prepared insert or update for this text, kept until the connection
    // closes or changes, or the application ends; null if preparing fails.
    QSqlQuery* writeStatement(const QString& sql);
    // One row of executePreparedRows(): bound, run and logged; the error
    // recorded when it fails.
    bool runPrepared(sqlite3_stmt* statement, sqlite3* handle, const QString& sql, const QList<QVariant>& values);
    void setLastError(const QSqlQuery& query);
    void logQuery(bool error, const QSqlQuery& query);
    void logStatement(const QString& error, const QString& sql, const QVariantList& bound);
    void followConnectionState();
    bool setLocked(bool locked);
    // Records a successful write for the change announcement, and announces
    // it at once outside a transaction.
    // handle: the connection's, when the caller has it at hand.
    void noteWrite(const QString& table, const QString& sql, sqlite3* handle = nullptr);
    // The same, for a statement whose foreign-key actions are known: deletes
    // (DELETE, REPLACE), updates (UPDATE).
    void noteWrite(const QString& table, bool deletes, bool updates, sqlite3* handle);
    void noteWriteOf(const QString& sql);
    bool runScript(const QString& text);
    bool checkIntegrityWhile(const QString& path, const std::function<void()>& whileChecking);
    bool isUpToDate();
    void becomeOpen();
    int foreignKeyViolations();

    bool m_open = false;
    // The open connection's, once open() succeeded: only this class opens
    // and closes it.
    sqlite3* m_handle = nullptr;
    int m_lastErrorNumber = 0;
    QString m_lastErrorText;
    bool m_inTransaction = false;
    bool m_hideValues = false;
};

#endif // DAO_H
