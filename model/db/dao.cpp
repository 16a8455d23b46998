#include "dao.h"

#include "changenotifier.h"
#include "daorow.h"
#include "daotransaction.h"
#include "dbmanager.h"
#include "sqlcollation.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlRecord>
#include <QVarLengthArray>

#include <functional>
#include <future>
#include <memory>
#include <system_error>
#include <type_traits>

#include <sodium.h>
#include <sqlite3.h>

namespace {

// job on a thread of its own when one can be had, else when its result is asked.
template <typename Job>
std::future<std::invoke_result_t<Job>> inBackground(Job job)
{
    try {
        return std::async(std::launch::async, job);
    } catch (const std::system_error&) {
        return std::async(std::launch::deferred, job);
    }
}

bool debugFlag = false;
Dao* instance = nullptr;

QString& scriptFolderRef()
{
    static QString folder = QStringLiteral(":/scripts/");
    return folder;
}

// Never QSqlDatabase::database() with its default: it would reopen a closed
// connection (a refused file) or open an in-memory one.
QSqlDatabase connection()
{
    return QSqlDatabase::database(QSqlDatabase::defaultConnection, false);
}

sqlite3* nativeHandle()
{
    const QVariant handle = connection().driver()->handle();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
        return *static_cast<sqlite3* const*>(handle.data());
    return nullptr;
}

bool sodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}

bool isHashed(const QString& stored)
{
    return stored.startsWith(QLatin1String("$argon2"));
}

// Reads no database: any thread may verify.
bool verifyHashed(const QString& stored, const QString& password)
{
    const QByteArray plain = password.toUtf8();
    return sodiumReady()
           && crypto_pwhash_str_verify(stored.toLatin1().constData(), plain.constData(),
                                       static_cast<unsigned long long>(plain.size())) == 0;
}

QByteArray cutAtZero(const QByteArray& bytes)
{
    const int zero = bytes.indexOf('\0');
    return zero < 0 ? bytes : bytes.left(zero);
}

// The table that a written statement changes: the name after INSERT INTO,
// REPLACE INTO, UPDATE or DELETE FROM; empty for anything else.
QString writtenTable(const QString& sql)
{
    const QStringView text = QStringView(sql).trimmed();
    if (text.isEmpty())
        return QString();
    const QChar first = text.front().toUpper();
    if (first != QLatin1Char('I') && first != QLatin1Char('U') && first != QLatin1Char('D')
        && first != QLatin1Char('R'))
        return QString();
    static const QRegularExpression pattern(
        QStringLiteral("^(?:INSERT(?:\\s+OR\\s+\\w+)?\\s+INTO|REPLACE\\s+INTO|UPDATE(?:\\s+OR\\s+\\w+)?|DELETE\\s+FROM)"
                       "\\s+[\"'`\\[]?(\\w+)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(text);
    return match.hasMatch() ? match.captured(1) : QString();
}

// A statement after which any table may hold something else: one that
// changes the schema (a trigger, a table, an index), or one that takes
// writes back to a savepoint.
bool changesAnyTable(const QString& sql)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*(?:CREATE|DROP|ALTER|ROLLBACK)\\b"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern.match(sql).hasMatch();
}

// What the database may change along with a written table: the tables whose
// foreign keys act on its deletes or updates (cascade, set null, set
// default), transitively. A table with a trigger may change anything: it maps
// to an empty name.
struct KnockOnEffects {
    bool known = false;
    QHash<QString, QStringList> ofDeletes;
    QHash<QString, QStringList> ofUpdates;
};

// Which foreign-key actions a write statement may fire: those of deletes
// (DELETE, REPLACE, OR REPLACE), those of updates (UPDATE).
struct Actions {
    bool deletes = false;
    bool updates = false;
};

Actions actionsOf(const QString& sql)
{
    // Run for every write: looked at in place, without copies.
    const QStringView text = QStringView(sql).trimmed().left(24);
    const bool replaces = text.startsWith(QLatin1String("REPLACE"), Qt::CaseInsensitive)
                          || text.contains(QLatin1String("OR REPLACE"), Qt::CaseInsensitive);
    return {text.startsWith(QLatin1String("DELETE"), Qt::CaseInsensitive) || replaces,
            text.startsWith(QLatin1String("UPDATE"), Qt::CaseInsensitive)};
}

// column: 2 for the actions on delete, 3 for those on update.
QHash<QString, QStringList> readKnockOnEffects(QSqlDatabase db, int column)
{
    QHash<QString, QSet<QString>> direct;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (q.exec(QStringLiteral("SELECT lower(m.name), lower(f.\"table\"), f.on_delete, f.on_update "
                              "FROM sqlite_master m, pragma_foreign_key_list(m.name) f WHERE m.type = 'table'"))) {
        while (q.next()) {
            const QString action = q.value(column).toString();
            if (action.compare(QLatin1String("NO ACTION"), Qt::CaseInsensitive) != 0
                && action.compare(QLatin1String("RESTRICT"), Qt::CaseInsensitive) != 0)
                direct[q.value(1).toString()].insert(q.value(0).toString());
        }
    }
    QSqlQuery triggers(db);
    triggers.setForwardOnly(true);
    if (triggers.exec(QStringLiteral("SELECT lower(tbl_name) FROM sqlite_master WHERE type = 'trigger' "
                                     "UNION SELECT lower(tbl_name) FROM sqlite_temp_master WHERE type = 'trigger'"))) {
        while (triggers.next())
            direct[triggers.value(0).toString()].insert(QString());
    }
    QHash<QString, QStringList> closure;
    for (auto it = direct.cbegin(); it != direct.cend(); ++it) {
        QSet<QString> reached;
        QStringList toVisit(it.value().cbegin(), it.value().cend());
        while (!toVisit.isEmpty()) {
            const QString next = toVisit.takeLast();
            if (reached.contains(next))
                continue;
            reached.insert(next);
            const QSet<QString> further = direct.value(next);
            toVisit.append(QStringList(further.cbegin(), further.cend()));
        }
        closure.insert(it.key(), QStringList(reached.cbegin(), reached.cend()));
    }
    return closure;
}

QString renderValue(const QVariant& value)
{
    if (value.isNull())
        return QStringLiteral("NULL");
    if (value.typeId() == QMetaType::QString)
        return QLatin1Char('\'') + value.toString() + QLatin1Char('\'');
    return value.toString();
}

// The bulk writes' statements, prepared straight in SQLite, with the table
// each one writes and the foreign-key actions it may fire, worked out once
// rather than on every row.
struct NativeWrite {
    sqlite3_stmt* statement = nullptr;
    QString table;
    Actions actions;
};

// The one cache of the open connection, dropped with it: writes repeat a few
// statements many times over (a month of bills, an academy's enrolments), so
// their prepared form is kept and SQLite parses each text once (insert() and
// update() keep the driver's, executePrepared() its own); and the knock-on
// effects read from that connection's schema.
struct WriteStatements {
    sqlite3* handle = nullptr;
    KnockOnEffects effects;
    QHash<QString, QSqlQuery> queries;
    QHash<QString, NativeWrite> native;
    // The last native one used: a run repeats one text, so its row skips hashing it.
    QString lastSql;
    NativeWrite last;
    bool releasedWithApplication = false;
};

WriteStatements& writeStatements()
{
    static WriteStatements cache;
    return cache;
}

void forgetNativeWrites(WriteStatements& cache)
{
    for (const NativeWrite& write : std::as_const(cache.native))
        sqlite3_finalize(write.statement);
    cache.native.clear();
    cache.lastSql.clear();
    cache.last = {};
}

void forgetWriteStatements()
{
    WriteStatements& cache = writeStatements();
    cache.queries.clear();
    // finalized while the connection is still open: SQLite closes no
    // connection with statements left
    forgetNativeWrites(cache);
    cache.effects = {};
    cache.handle = nullptr;
}

// The kept statements, none of them of another connection than this one.
WriteStatements& writeStatementsOf(sqlite3* handle)
{
    WriteStatements& cache = writeStatements();
    if (cache.handle != handle) {
        forgetWriteStatements();
        cache.handle = handle;
    }
    return cache;
}

void releaseWriteStatements()
{
    forgetWriteStatements();
    writeStatements().releasedWithApplication = false;
}

// Left to the static's own destruction at exit, the kept statements would
// outlive Qt's SQL globals, and their results would never be freed: they go
// when the application object does, while those globals still stand.
void releaseWithApplication(WriteStatements& cache)
{
    if (cache.releasedWithApplication)
        return;
    cache.releasedWithApplication = true;
    qAddPostRoutine(releaseWriteStatements);
}

// Every bound value goes through here: a bool becomes the text 'true' or
// 'false', the form stored files hold and queries compare with.
void bindValues(QSqlQuery& query, const QList<QVariant>& values)
{
    for (int i = 0; i < values.size(); ++i) {
        const QVariant& value = values.at(i);
        if (value.typeId() == QMetaType::Bool)
            query.bindValue(i, value.toBool() ? QStringLiteral("true") : QStringLiteral("false"));
        else
            query.bindValue(i, value);
    }
}

bool isForeignKeyPragma(const QString& piece)
{
    static const QRegularExpression pragma(QStringLiteral("^\\s*PRAGMA\\s+foreign_keys\\s*="),
                                           QRegularExpression::CaseInsensitiveOption);
    return pragma.match(piece).hasMatch();
}
} // namespace

Dao::Dao()
{
    QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
}

// Every statement asks for the Dao, so the debug setting is read through one
// long-lived settings object (settings objects of one process share their
// values) instead of a new one per call; a new identity gets a new object.
static bool readDebugSetting()
{
    static std::unique_ptr<QSettings> settings;
    static QString identity;
    const QString current = QCoreApplication::organizationName() + QLatin1Char('\n')
                            + QCoreApplication::applicationName() + QLatin1Char('\n')
                            + QCoreApplication::organizationDomain();
    if (!settings || current != identity) {
        settings = std::make_unique<QSettings>();
        identity = current;
    }
    return settings->value(QStringLiteral("DaoInDebugMode"), false).toBool();
}

Dao* Dao::getInstance()
{
    debugFlag = readDebugSetting();
    if (!instance)
        instance = new Dao();
    return instance;
}

QString Dao::placeholders(int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += i == 0 ? QStringLiteral("?") : QStringLiteral(",?");
    return text;
}

QStringList Dao::idLists(const QList<int>& ids)
{
    constexpr qsizetype kIdsPerList = 500;
    QStringList lists;
    for (qsizetype i = 0; i < ids.size(); i += kIdsPerList) {
        QStringList list;
        for (int id : ids.mid(i, kIdsPerList))
            list << QString::number(id);
        lists << list.join(QLatin1Char(','));
    }
    return lists;
}

QVariant Dao::idOrNull(int id)
{
    return id <= 0 ? QVariant(QMetaType(QMetaType::Int)) : QVariant(id);
}

QSqlQuery Dao::select(const QString& table, const QStringList& columns, const QString& where,
                      const QString& orderBy, const QList<QVariant>& values)
{
    QString sql = QStringLiteral("SELECT %1 FROM %2 ").arg(columns.join(QLatin1Char(',')), table);
    if (!where.isEmpty())
        sql += QStringLiteral("WHERE ") + where;
    if (!orderBy.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + orderBy;
    QSqlQuery q(connection());
    // Callers only step forward; a forward-only result does not keep a copy
    // of every row read so far.
    q.setForwardOnly(true);
    prepare(q, sql);
    if (!values.isEmpty())
        bindValues(q, values);
    if (!exec(q))
        qWarning().noquote() << QStringLiteral("TODO lanzar señal diciendo que algo ha ido mal al ejecutar la query: ")
                                    + q.lastError().text();
    return q;
}

QSqlQuery Dao::select(const QString& table, const QStringList& columns, const QString& where,
                      const QList<QVariant>& values)
{
    return select(table, columns, where, QString(), values);
}

QVariant Dao::insert(const QString& table, const QStringList& columns, const QList<QVariant>& values)
{
    const QString sql = QStringLiteral("INSERT INTO %1(%2) VALUES (%3);")
                            .arg(table, columns.join(QLatin1Char(',')), placeholders(values.size()));
    QSqlQuery* q = writeStatement(sql);
    if (!q)
        return QVariant(false);
    bindValues(*q, values);
    if (exec(*q))
        return q->lastInsertId();
    if (debugFlag)
        qDebug().noquote() << "Something was wrong doing an insert";
    return QVariant();
}

bool Dao::update(const QString& table, const QStringList& columns, const QString& where,
                 const QList<QVariant>& values, int* changedRows)
{
    if (changedRows)
        *changedRows = 0;
    QStringList sets;
    for (const QString& column : columns)
        sets << column + QStringLiteral(" = ?");
    QString sql = QStringLiteral("update %1 set ").arg(table) + sets.join(QStringLiteral(", "));
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where;
    QSqlQuery* q = writeStatement(sql);
    if (!q)
        return false;
    bindValues(*q, values);
    if (!exec(*q))
        return false;
    if (changedRows)
        *changedRows = q->numRowsAffected();
    return true;
}

QSqlQuery* Dao::writeStatement(const QString& sql)
{
    WriteStatements& cache = writeStatementsOf(nativeHandle());
    auto found = cache.queries.find(sql);
    if (found != cache.queries.end())
        return &found.value();
    // Statement texts come from the program; the bound keeps a stray caller
    // from growing the cache without end.
    if (cache.queries.size() >= 64)
        cache.queries.clear();
    QSqlQuery q(connection());
    if (!prepare(q, sql))
        return nullptr;
    releaseWithApplication(cache);
    return &cache.queries.insert(sql, q).value();
}

bool Dao::deleteFrom(const QString& table, const QStringList& columns, const QList<QVariant>& values)
{
    QStringList conditions;
    for (const QString& column : columns)
        conditions << QStringLiteral("%1 = ?").arg(column);
    const QString sql = QStringLiteral("DELETE FROM %1 WHERE ").arg(table) + conditions.join(QStringLiteral(" AND "));
    QSqlQuery q(connection());
    if (!prepare(q, sql))
        return false;
    bindValues(q, values);
    return exec(q);
}

QSqlQuery Dao::query(const QString& sql, const QList<QVariant>& values)
{
    QSqlQuery q(connection());
    q.setForwardOnly(true);
    prepare(q, sql);
    bindValues(q, values);
    exec(q);
    return q;
}

bool Dao::execute(const QString& sql, const QList<QVariant>& values)
{
    QSqlQuery q(connection());
    if (!prepare(q, sql))
        return false;
    bindValues(q, values);
    return exec(q);
}

void Dao::noteWrite(const QString& table, const QString& sql, sqlite3* handle)
{
    const Actions actions = actionsOf(sql);
    noteWrite(table, actions.deletes, actions.updates, handle);
}

void Dao::noteWrite(const QString& table, bool deletes, bool updates, sqlite3* handle)
{
    if (!handle)
        handle = nativeHandle();
    KnockOnEffects& effects = writeStatementsOf(handle).effects;
    if (!effects.known) {
        effects.ofDeletes = readKnockOnEffects(connection(), 2);
        effects.ofUpdates = readKnockOnEffects(connection(), 3);
        effects.known = true;
    }
    const QString name = table.toLower();
    // a trigger fires on inserts too
    QStringList alsoChanged = effects.ofDeletes.value(name).contains(QString()) ? QStringList{QString()}
                                                                                : QStringList();
    if (deletes)
        alsoChanged << effects.ofDeletes.value(name);
    if (updates)
        alsoChanged << effects.ofUpdates.value(name);
    ChangeNotifier::instance()->recordWrite(table, alsoChanged);
    if (alsoChanged.contains(QString()))
        ChangeNotifier::instance()->changeAll();
    if (!m_inTransaction)
        ChangeNotifier::instance()->announce();
}

void Dao::noteWriteOf(const QString& sql)
{
    if (changesAnyTable(sql)) {
        writeStatements().effects.known = false;
        ChangeNotifier::instance()->changeAll();
        return;
    }
    const QString table = writtenTable(sql);
    if (!table.isEmpty())
        noteWrite(table, sql);
}

void Dao::bind(QSqlQuery& query, const QList<QVariant>& values)
{
    bindValues(query, values);
}

bool Dao::prepare(QSqlQuery& query, const QString& sql)
{
    if (query.prepare(sql))
        return true;
    setLastError(query);
    logQuery(true, query);
    return false;
}

bool Dao::exec(QSqlQuery& query)
{
    const bool ok = query.exec();
    if (!ok) {
        setLastError(query);
        // Some failures (a full disk, an I/O error) make SQLite roll back on its own.
        followConnectionState();
    }
    logQuery(!ok, query);
    // every write, whichever way it was built, is announced once it is stored
    if (ok)
        noteWriteOf(query.lastQuery());
    return ok;
}

void Dao::setLastError(const QSqlQuery& query)
{
    const QSqlError error = query.lastError();
    m_lastErrorNumber = error.nativeErrorCode().toInt();
    m_lastErrorText = error.text();
}

void Dao::logQuery(bool error, const QSqlQuery& query)
{
    if (!error && !debugFlag)
        return;
    QString message;
    if (error) {
        const QSqlError e = query.lastError();
        message = QStringLiteral("%1 - %2").arg(e.nativeErrorCode(), e.text());
    }
    // The prepared text as given: the driver's own rewrite shows ":0" placeholders.
    logStatement(message, query.lastQuery(), query.boundValues());
}

void Dao::logStatement(const QString& error, const QString& sql, const QVariantList& bound)
{
    if (error.isEmpty() && !debugFlag)
        return;
    QString message;
    if (!error.isEmpty())
        message = QStringLiteral("Error executing query: %1 \n").arg(error);
    message += QStringLiteral("Executed query was: %1").arg(sql);
    if (!bound.isEmpty()) {
        QStringList pairs;
        for (int i = 0; i < bound.size(); ++i)
            pairs << QStringLiteral("(%1, %2)").arg(i).arg(m_hideValues ? QStringLiteral("***") : renderValue(bound.at(i)));
        message += QStringLiteral("\nWith parameters: ") + pairs.join(QStringLiteral(", "));
    }
    if (!error.isEmpty())
        qWarning().noquote() << message;
    else
        qDebug().noquote() << message;
}

namespace {
// Binds as bindValues() does through the driver: bools as 'true'/'false',
// dates and anything else that is not a number as text.
int bindNative(sqlite3_stmt* statement, int index, const QVariant& value)
{
    if (value.isNull())
        return sqlite3_bind_null(statement, index);
    switch (value.typeId()) {
    case QMetaType::Bool:
        return sqlite3_bind_text(statement, index, value.toBool() ? "true" : "false", -1, SQLITE_STATIC);
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return sqlite3_bind_int64(statement, index, value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return sqlite3_bind_double(statement, index, value.toDouble());
    default: {
        const QByteArray text = value.toString().toUtf8();
        return sqlite3_bind_text(statement, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
    }
}
}

namespace {
// What the driver binds as NULL when it writes: also a null text, bytes or
// date, which a Qt 6 QVariant does not count as null.
bool nullToWrite(const QVariant& value)
{
    if (value.isNull())
        return true;
    switch (value.typeId()) {
    case QMetaType::QString: return static_cast<const QString*>(value.constData())->isNull();
    case QMetaType::QByteArray: return static_cast<const QByteArray*>(value.constData())->isNull();
    case QMetaType::QDate: return !value.toDate().isValid();
    case QMetaType::QTime: return !value.toTime().isValid();
    case QMetaType::QDateTime: return !value.toDateTime().isValid();
    default: return false;
    }
}

// The texts of one write, kept until its statement has run: SQLite reads
// them in place instead of copying each one.
using WriteTexts = QVarLengthArray<QByteArray, 16>;

int bindToWrite(sqlite3_stmt* statement, int index, const QVariant& value, WriteTexts& texts)
{
    if (nullToWrite(value))
        return sqlite3_bind_null(statement, index);
    if (value.typeId() != QMetaType::QString)
        return bindNative(statement, index, value);
    texts.append(static_cast<const QString*>(value.constData())->toUtf8());
    const QByteArray& text = texts.back();
    return sqlite3_bind_text(statement, index, text.constData(), int(text.size()), SQLITE_STATIC);
}
} // namespace

namespace {
// The statement of Dao::executePrepared() for this text on this connection,
// prepared on its first use; null when it cannot be prepared.
const NativeWrite* nativeWrite(const QString& sql, sqlite3* handle)
{
    if (!handle)
        return nullptr;
    WriteStatements& cache = writeStatementsOf(handle);
    // the very text of the last call (shared, so unchanged): no lookup
    if (sql.constData() == cache.lastSql.constData() && sql.size() == cache.lastSql.size() && cache.last.statement)
        return &cache.last;
    auto found = cache.native.find(sql);
    if (found == cache.native.end()) {
        if (cache.native.size() >= 16)
            forgetNativeWrites(cache);
        sqlite3_stmt* statement = nullptr;
        const QByteArray text = sql.toUtf8();
        if (sqlite3_prepare_v2(handle, text.constData(), int(text.size()), &statement, nullptr) != SQLITE_OK) {
            sqlite3_finalize(statement);
            return nullptr;
        }
        releaseWithApplication(cache);
        found = cache.native.insert(sql, {statement, writtenTable(sql), actionsOf(sql)});
    }
    cache.lastSql = found.key();
    cache.last = *found;
    return &cache.last;
}
} // namespace

bool Dao::executePrepared(const QString& sql, const QList<QVariant>& values)
{
    bool given = false;
    return executePreparedRows(sql, [&](QList<QVariant>& row) {
        if (given)
            return false;
        row = values;
        given = true;
        return true;
    });
}

bool Dao::executePreparedRows(const QString& sql, const std::function<bool(QList<QVariant>&)>& nextRow)
{
    sqlite3* handle = nullptr;
    QString table;
    Actions actions;
    bool ok = true;
    bool wrote = false;
    QList<QVariant> values;
    while (ok && nextRow(values)) {
        // Looked up for each row, as nextRow may have used the Dao: the
        // connection this Dao opened, and the statement of the last call
        // found without a lookup.
        handle = m_handle ? m_handle : nativeHandle();
        const NativeWrite* write = nativeWrite(sql, handle);
        if (write) {
            table = write->table;
            actions = write->actions;
        }
        ok = runPrepared(write ? write->statement : nullptr, handle, sql, values);
        wrote = wrote || ok;
    }
    // the rows written before a failed one are written too
    if (wrote && !table.isEmpty())
        noteWrite(table, actions.deletes, actions.updates, handle);
    // Some failures (a full disk, an I/O error) make SQLite roll back on its own.
    if (!ok)
        followConnectionState();
    return ok;
}

bool Dao::runPrepared(sqlite3_stmt* statement, sqlite3* handle, const QString& sql, const QList<QVariant>& values)
{
    int rc = statement ? SQLITE_OK : SQLITE_ERROR;
    WriteTexts texts;
    texts.reserve(values.size());
    for (int i = 0; rc == SQLITE_OK && i < values.size(); ++i)
        rc = bindToWrite(statement, i + 1, values.at(i), texts);
    if (rc == SQLITE_OK)
        rc = sqlite3_step(statement);
    const bool ok = rc == SQLITE_DONE;
    if (!ok) {
        m_lastErrorNumber = handle ? sqlite3_extended_errcode(handle) : -1;
        m_lastErrorText = handle ? QString::fromUtf8(sqlite3_errmsg(handle)) : QStringLiteral("No database open");
    }
    if (statement) {
        sqlite3_reset(statement);
        // the bound texts go with this call: none may stay bound
        sqlite3_clear_bindings(statement);
    }
    logStatement(ok ? QString() : QStringLiteral("%1 - %2").arg(m_lastErrorNumber).arg(m_lastErrorText), sql,
                 values);
    return ok;
}

bool Dao::readRows(const QString& sql, const QList<QVariant>& values,
                   const std::function<void(const DaoRow&)>& onRow)
{
    sqlite3* handle = nativeHandle();
    if (!handle) {
        m_lastErrorNumber = -1;
        m_lastErrorText = QStringLiteral("No database open");
        logStatement(m_lastErrorText, sql, values);
        return false;
    }
    sqlite3_stmt* statement = nullptr;
    const QByteArray text = sql.toUtf8();
    int rc = sqlite3_prepare_v2(handle, text.constData(), int(text.size()), &statement, nullptr);
    for (int i = 0; rc == SQLITE_OK && i < values.size(); ++i)
        rc = bindNative(statement, i + 1, values.at(i));
    if (rc == SQLITE_OK) {
        const DaoRow row(statement);
        while ((rc = sqlite3_step(statement)) == SQLITE_ROW)
            onRow(row);
    }
    const bool ok = rc == SQLITE_DONE;
    if (!ok) {
        m_lastErrorNumber = sqlite3_extended_errcode(handle);
        m_lastErrorText = QString::fromUtf8(sqlite3_errmsg(handle));
    }
    sqlite3_finalize(statement);
    logStatement(ok ? QString() : QStringLiteral("%1 - %2").arg(m_lastErrorNumber).arg(m_lastErrorText), sql,
                 values);
    return ok;
}

void Dao::followConnectionState()
{
    if (!m_inTransaction)
        return;
    sqlite3* handle = nativeHandle();
    if (handle && sqlite3_get_autocommit(handle)) {
        m_inTransaction = false;
        qWarning().noquote() << "The open transaction was rolled back by the database";
        ChangeNotifier::instance()->transactionRolledBack();
    }
}

bool Dao::transaction()
{
    if (m_inTransaction)
        return false;
    if (!connection().transaction())
        return false;
    m_inTransaction = true;
    ChangeNotifier::instance()->transactionBegan();
    if (debugFlag)
        qDebug().noquote() << "Transaction started";
    return true;
}

bool Dao::commit()
{
    if (!m_inTransaction) {
        qWarning().noquote() << "A commit operation was called with no transaction available";
        return false;
    }
    QSqlDatabase db = connection();
    const bool ok = db.commit();
    sqlite3* handle = nativeHandle();
    m_inTransaction = handle ? !sqlite3_get_autocommit(handle) : !ok;
    if (!ok) {
        m_lastErrorNumber = db.lastError().nativeErrorCode().toInt();
        m_lastErrorText = db.lastError().text();
        qWarning().noquote() << "The commit was refused: " + db.lastError().text();
        // refused and taken back by the database, or refused and still open
        if (!m_inTransaction)
            ChangeNotifier::instance()->transactionRolledBack();
        return false;
    }
    if (debugFlag)
        qDebug().noquote() << "Commit performed";
    ChangeNotifier::instance()->transactionCommitted();
    return true;
}

bool Dao::rollback()
{
    if (!m_inTransaction) {
        qWarning().noquote() << "A rollback operation was called with no transaction available";
        return false;
    }
    QSqlDatabase db = connection();
    const bool ok = db.rollback();
    sqlite3* handle = nativeHandle();
    m_inTransaction = handle ? !sqlite3_get_autocommit(handle) : !ok;
    if (!ok) {
        m_lastErrorNumber = db.lastError().nativeErrorCode().toInt();
        m_lastErrorText = db.lastError().text();
        qWarning().noquote() << "The rollback was refused: " + db.lastError().text();
        if (!m_inTransaction)
            ChangeNotifier::instance()->transactionRolledBack();
        return false;
    }
    if (debugFlag)
        qDebug().noquote() << "Rollback performed";
    // What the views show must be what is stored again.
    ChangeNotifier::instance()->transactionRolledBack();
    return true;
}

// ---- files ----

void Dao::close()
{
    forgetWriteStatements();
    QSqlDatabase db = connection();
    if (db.isOpen())
        db.close();
    m_open = false;
    m_handle = nullptr;
    m_inTransaction = false;
    ChangeNotifier::instance()->forget();
}

bool Dao::open(const QString& dbName, bool withExtension, const std::function<void()>& whileChecking)
{
    const QString dir = DBManager::dataDir();
    const QString fileName = dbName.isEmpty()
                                 ? DBManager::currentDB(true)
                                 : (withExtension ? dbName : dbName + DBManager::EXTENSION);
    if (!DBManager::isValidName(fileName)) {
        qWarning().noquote() << "Refused database name: " + fileName;
        close();
        return false;
    }
    const QString path = dir + QDir::separator() + fileName;
    // SQLite would make an emptied file a new, empty academy.
    if (DBManager::isEmptiedWithBackups(fileName)) {
        qWarning().noquote() << "The database file is empty, and backups of it exist: " + path;
        close();
        return false;
    }
    if (!QFile::exists(path) && !DBManager::createDB(fileName, true)) {
        close();
        return false;
    }

    close();
    QSqlDatabase db = connection();
    db.setDatabaseName(path);
    m_open = db.open();
    if (m_open && !SqlCollation::registerOn(nativeHandle()))
        qWarning() << "The collation of names could not be registered on the connection";
    // Work to do while the file is checked reads it as opened: only when
    // nothing is to migrate first.
    const bool readWhileChecking = m_open && whileChecking && isUpToDate();
    if (readWhileChecking)
        becomeOpen();
    m_open = m_open && (readWhileChecking ? checkIntegrityWhile(path, whileChecking) : integrityCheck());
    if (debugFlag)
        qDebug().noquote() << "Path de la base de datos :" + path;
    if (!m_open) {
        qWarning().noquote() << "Unable to open database: " + db.lastError().text();
        close();
        return false;
    }
    if (!updateDatabase(getDBVersion())) {
        qWarning().noquote() << "Something was wrong updating database";
        close();
        return false;
    }
    if (!readWhileChecking)
        becomeOpen();
    return true;
}

void Dao::becomeOpen()
{
    m_open = true;
    m_inTransaction = false;
    m_handle = nativeHandle();
    // another file, or the same one migrated: nothing known about it holds
    forgetWriteStatements();
    ChangeNotifier::instance()->changeAll();
}

namespace {
struct IntegrityRows {
    QStringList rows;
    QString error;
};

// "PRAGMA integrity_check(10)" on a connection of its own, which waits for
// a writer as long as the program's connection does.
IntegrityRows integrityRowsOf(const QString& path)
{
    IntegrityRows found;
    sqlite3* handle = nullptr;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &handle, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK
        && sqlite3_busy_timeout(handle, 5000) == SQLITE_OK
        && sqlite3_prepare_v2(handle, "PRAGMA integrity_check(10)", -1, &statement, nullptr) == SQLITE_OK) {
        int step = SQLITE_ROW;
        while ((step = sqlite3_step(statement)) == SQLITE_ROW)
            found.rows << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        if (step != SQLITE_DONE)
            found.rows.clear();
    }
    if (found.rows.isEmpty())
        found.error = handle ? QString::fromUtf8(sqlite3_errmsg(handle)) : QStringLiteral("no connection");
    sqlite3_finalize(statement);
    sqlite3_close(handle);
    return found;
}

// The integrity check's verdict on its rows, each row that is not "ok" warned of.
bool integrityHolds(const QStringList& rows)
{
    if (rows.isEmpty())
        return false;
    if (rows.first() == QLatin1String("ok"))
        return true;
    for (const QString& row : rows)
        qWarning().noquote() << row;
    return false;
}
} // namespace

// The integrity check reads the whole file: it runs on a connection of its
// own while the work reads through this one. A check that could not run
// there is made here.
bool Dao::checkIntegrityWhile(const QString& path, const std::function<void()>& whileChecking)
{
    std::future<IntegrityRows> found = inBackground([path] { return integrityRowsOf(path); });
    whileChecking();
    const IntegrityRows checked = found.get();
    if (checked.error.isEmpty())
        return integrityHolds(checked.rows);
    qWarning().noquote() << "The integrity check could not run on a connection of its own: " + checked.error;
    return integrityCheck();
}

bool Dao::isUpToDate()
{
    return !QFile::exists(scriptFolder() + QStringLiteral("%1.sql").arg(getDBVersion()));
}

bool Dao::integrityCheck()
{
    QSqlQuery q(connection());
    if (!q.exec(QStringLiteral("PRAGMA integrity_check(10)"))) {
        setLastError(q);
        logQuery(true, q);
        return false;
    }
    QStringList rows;
    while (q.next())
        rows << q.value(0).toString();
    return integrityHolds(rows);
}

int Dao::getDBVersion()
{
    QSqlQuery q(connection());
    if (!q.exec(QStringLiteral("SELECT value FROM property WHERE key = 'next_db_version'")))
        return 0;
    if (q.next())
        return q.value(0).toInt();
    if (q.exec(QStringLiteral("SELECT value FROM property WHERE key = 'version'")) && q.next())
        return q.value(0).toInt();
    return 0;
}

void Dao::setScriptFolder(const QString& folder)
{
    scriptFolderRef() = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

QString Dao::scriptFolder()
{
    return scriptFolderRef();
}

int Dao::foreignKeyViolations()
{
    QSqlQuery q(connection());
    if (!q.exec(QStringLiteral("PRAGMA foreign_key_check")))
        return -1;
    int count = 0;
    while (q.next())
        ++count;
    return count;
}

// One script: its "PRAGMA foreign_keys" pieces run outside the transaction
// (SQLite ignores them inside one), the rest inside one transaction that is
// committed only when no new foreign-key violation appeared.
bool Dao::runScript(const QString& text)
{
    QStringList before;
    QStringList body;
    QStringList after;
    const QStringList pieces = text.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& piece : pieces) {
        if (piece.trimmed().isEmpty())
            continue;
        if (isForeignKeyPragma(piece))
            (body.isEmpty() ? before : after) << piece;
        else
            body << piece;
    }
    QSqlDatabase db = connection();
    auto runAll = [this, &db](const QStringList& statements) {
        for (const QString& statement : statements) {
            QSqlQuery q(db);
            if (!prepare(q, statement) || !exec(q))
                return false;
        }
        return true;
    };
    auto restoreForeignKeys = [&db]() { QSqlQuery(db).exec(QStringLiteral("PRAGMA foreign_keys = ON;")); };

    if (!runAll(before)) {
        restoreForeignKeys();
        return false;
    }
    const int violationsBefore = foreignKeyViolations();
    if (!db.transaction()) {
        qWarning().noquote() << "Unable to begin the update transaction: " + db.lastError().text();
        restoreForeignKeys();
        return false;
    }
    bool ok = runAll(body);
    if (ok) {
        const int violationsAfter = foreignKeyViolations();
        if (violationsAfter < 0 || violationsAfter > violationsBefore) {
            qWarning().noquote() << QStringLiteral("The update leaves %1 rows with broken references").arg(violationsAfter);
            ok = false;
        }
    }
    if (ok && !db.commit()) {
        qWarning().noquote() << "Unable to commit the update: " + db.lastError().text();
        ok = false;
    }
    if (!ok) {
        db.rollback();
        restoreForeignKeys();
        return false;
    }
    if (!runAll(after)) {
        restoreForeignKeys();
        return false;
    }
    return true;
}

bool Dao::updateDatabase(int fromVersion)
{
    {
        QSqlQuery q(connection());
        if (!q.exec(QStringLiteral("PRAGMA foreign_keys = ON;")))
            qWarning().noquote() << "Unable to activate foreing_keys";
    }
    int n = fromVersion;
    for (;;) {
        const QString name = scriptFolder() + QStringLiteral("%1.sql").arg(n);
        QFile file(name);
        if (!file.exists()) {
            if (debugFlag) {
                if (n == fromVersion)
                    qDebug().noquote() << QStringLiteral("La base de datos está actualizada, version ") + QString::number(n);
                else
                    qDebug().noquote() << QStringLiteral("Base de datos actualizada a= ") + QString::number(n - 1);
            }
            return true;
        }
        if (!file.open(QIODevice::ReadOnly)) {
            qWarning().noquote() << tr("Unable to update de database. Unable to open file :/scripts/%1.sql").arg(n);
            return false;
        }
        const QString text = QString::fromUtf8(file.readAll());
        if (!runScript(text))
            return false;
        ++n;
    }
}

namespace {
// A copy whose program died half way is named like this, so that the next
// backup removes it.
QString unfinishedCopyOf(const QString& fileName)
{
    return fileName + QStringLiteral("_backup");
}

void removeLeftoverCopies(QDir dir, const QString& keep = QString())
{
    const QStringList leftovers = dir.entryList({QStringLiteral("*.db_*")}, QDir::Files);
    for (const QString& leftover : leftovers) {
        if (leftover != keep && !dir.remove(leftover))
            qWarning().noquote() << "Unable to delete " + leftover;
    }
}

bool isEmptyDatabase(const QDir& dir, const QString& fileName)
{
    if (QFileInfo(dir.filePath(fileName)).size() != 0)
        return false;
    qWarning().noquote() << "The database " + fileName + " is empty: no backup was made";
    return true;
}

// The finished copy becomes the newest backup, and no more than ten remain.
// A copy that failed, or an empty file's, leaves the good ones as they were.
void keepCopyAsBackup(QDir dir, const QString& fileName, bool copied)
{
    const QString copy = dir.filePath(unfinishedCopyOf(fileName));
    if (isEmptyDatabase(dir, fileName)) {
        QFile::remove(copy);
        return;
    }
    const QString target = dir.filePath(QStringLiteral("backup_") + fileName + QStringLiteral(".at.")
                                        + QDateTime::currentDateTime().toString(QStringLiteral("yy.MM.dd_hh.mm.ss")));
    if (!copied || !QFile::rename(copy, target)) {
        QFile::remove(copy);
        qWarning().noquote() << "Unable to back up the database to " + target;
        return;
    }
    DBManager::restrictToOwner(target);
    QStringList backups = dir.entryList({QStringLiteral("backup_%1.db.at.*").arg(DBManager::currentDB(false))},
                                        QDir::Files, QDir::Name);
    while (backups.size() > 10) {
        const QString oldest = backups.takeFirst();
        if (debugFlag)
            qDebug().noquote() << "There are more than 10 backups, deleting de last one: " + oldest;
        if (!dir.remove(oldest)) {
            qWarning().noquote() << "Error deleting database backups";
            break;
        }
    }
}
} // namespace

void Dao::backup(const QString& fileName)
{
    const QDir dir(DBManager::dataDir());
    removeLeftoverCopies(dir);
    const bool copied = QFileInfo(dir.filePath(fileName)).size() != 0
                        && QFile::copy(dir.filePath(fileName), dir.filePath(unfinishedCopyOf(fileName)));
    keepCopyAsBackup(dir, fileName, copied);
}

// ---- password ----

QString Dao::legacyDigest(const QString& password)
{
    const QByteArray digest = QCryptographicHash::hash(password.toUtf8(), QCryptographicHash::Sha1);
    return QString::fromLatin1(cutAtZero(digest));
}

bool Dao::hasPassword()
{
    // An empty stored text accepts no password: it counts as none.
    QSqlQuery q = query(QStringLiteral("SELECT EXISTS(SELECT value from property where key=? AND value <> '' LIMIT 1)"),
                        {QStringLiteral("password")});
    return q.next() && q.value(0).toBool();
}

bool Dao::setPassword(const QString& password)
{
    if (!sodiumReady()) {
        qWarning().noquote() << "Unable to initialise the password library";
        return false;
    }
    const QByteArray plain = password.toUtf8();
    char hashed[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(hashed, plain.constData(), static_cast<unsigned long long>(plain.size()),
                          crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0) {
        qWarning().noquote() << "Unable to compute the password digest";
        return false;
    }
    m_hideValues = true;
    const bool ok = execute(QStringLiteral("INSERT OR REPLACE into property (key,value) VALUES (?,?)"),
                            {QStringLiteral("password"), QString::fromLatin1(hashed)});
    m_hideValues = false;
    return ok;
}

QString Dao::storedPassword()
{
    QSqlQuery q = query(QStringLiteral("SELECT value from property where key=?"), {QStringLiteral("password")});
    return q.next() ? q.value(0).toString() : QString();
}

bool Dao::checkPassword(const QString& password)
{
    DaoTransaction tx;
    const QString stored = storedPassword();

    bool accepted = false;
    bool upgraded = true;
    if (isHashed(stored)) {
        accepted = verifyHashed(stored, password);
    } else if (!stored.isEmpty()) {
        accepted = cutAtZero(stored.toLatin1()) == legacyDigest(password).toLatin1();
        if (accepted)
            upgraded = setPassword(password);
    }
    if (upgraded)
        tx.commit();
    return accepted;
}

bool Dao::openAndCheckPassword(const QString& password, const std::function<void()>& meanwhile)
{
    // The password dialogue has just opened, checked and migrated this very
    // file: opening it again would only repeat the integrity check, which
    // reads the whole file.
    const QString path = DBManager::dataDir() + QDir::separator() + DBManager::currentDB(true);
    if (!m_open || m_inTransaction || connection().databaseName() != path)
        open(QString(), false);
    const QString fileName = DBManager::currentDB(true);
    const QString stored = storedPassword();
    if (!isHashed(stored)) {
        // an older digest is upgraded as it is checked: the copy waits for that write
        if (meanwhile)
            meanwhile();
        const bool ok = checkPassword(password);
        if (ok)
            backup(fileName);
        return ok;
    }
    // A password takes a good part of a second to verify, by design: the
    // backup it earns is copied and the caller's reads are made meanwhile.
    // The copy is kept only when the password is right.
    const QDir dir(DBManager::dataDir());
    const QString source = dir.filePath(fileName);
    const QString copy = dir.filePath(unfinishedCopyOf(fileName));
    QFile::remove(copy);
    std::future<bool> copied = inBackground([source, copy] { return QFile::copy(source, copy); });
    std::future<bool> verified = inBackground([stored, password] { return verifyHashed(stored, password); });
    if (meanwhile)
        meanwhile();
    const bool ok = verified.get();
    const bool whole = copied.get();
    if (!ok) {
        QFile::remove(copy);
        return false;
    }
    removeLeftoverCopies(dir, unfinishedCopyOf(fileName));
    keepCopyAsBackup(dir, fileName, whole);
    return true;
}

bool Dao::checkPasswordStatic(const QString& password)
{
    return getInstance()->checkPassword(password);
}

bool Dao::setPasswordStatic(const QString& password)
{
    return getInstance()->setPassword(password);
}

// ---- lock flag ----

bool Dao::isLocked()
{
    DaoTransaction tx;
    QSqlQuery q = query(QStringLiteral("SELECT value from property where key=?"), {QStringLiteral("locked")});
    const bool locked = q.next() && q.value(0).toBool();
    q.finish();
    tx.commit();
    return locked;
}

bool Dao::setLocked(bool locked)
{
    DaoTransaction tx;
    return execute(QStringLiteral("UPDATE property set value = ? where key=?"), {locked, QStringLiteral("locked")})
           && tx.commit();
}

bool Dao::lock()
{
    return setLocked(true);
}

bool Dao::unlock()
{
    return setLocked(false);
}
