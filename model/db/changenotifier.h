#ifndef CHANGENOTIFIER_H
#define CHANGENOTIFIER_H

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

// Announces which tables the Dao wrote, once they are what the database
// holds: when the outermost transaction commits or rolls back, or at once for
// a write outside any transaction. Shared views listen and reload once per
// announcement instead of once per write.
//
// It also keeps a version per table that changes with every write at once,
// inside an open transaction too, and goes back to what it was when a
// rollback takes the writes back: results computed from a table stay valid
// while its version stays the same.
class ChangeNotifier : public QObject
{
    Q_OBJECT

public:
    static ChangeNotifier* instance();

    // Called by the Dao for every successful write; table names in lower case.
    // alsoChanged: tables the database may have changed with it (foreign-key
    // actions); they get a new version and are announced with it.
    void recordWrite(const QString& table, const QStringList& alsoChanged = {});
    // True while writes wait for the end of their transaction.
    bool hasPending() const { return !m_pending.isEmpty(); }
    // Sends what was recorded since the last announcement, if anything.
    void announce();
    // Drops what was recorded without announcing it (the connection closed);
    // every version changes, as the database may be another one.
    void forget();

    // The Dao's transaction: began, committed, or taken back (by a rollback,
    // or by the database itself).
    void transactionBegan();
    void transactionCommitted();
    void transactionRolledBack();
    // Whether the open transaction has written anything.
    bool wroteInTransaction() const { return !m_inTransaction.isEmpty(); }

    // Every table changed in a way that cannot be told (the schema changed).
    void changeAll();
    // The version of a table; equal versions mean equal contents.
    quint64 version(const QString& table) const;

signals:
    void tablesChanged(const QSet<QString>& tables);

private:
    ChangeNotifier() = default;
    void newVersion(const QString& table);

    QSet<QString> m_pending;
    // Every table the open transaction wrote, announced or not: a rollback
    // announces them all again.
    QSet<QString> m_inTransaction;
    bool m_transactionOpen = false;

    quint64 m_counter = 0;
    quint64 m_allChanged = 0;
    QHash<QString, quint64> m_versions;
    // the versions when the open transaction began
    quint64 m_allChangedAtBegin = 0;
    QHash<QString, quint64> m_versionsAtBegin;
};

#endif // CHANGENOTIFIER_H
