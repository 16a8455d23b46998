#ifndef CHANGENOTIFIER_H
#define CHANGENOTIFIER_H

#include <QObject>
#include <QSet>
#include <QString>

// Announces which tables the Dao wrote, once they are what the database
// holds: when the outermost transaction commits or rolls back, or at once for
// a write outside any transaction. Shared views listen and reload once per
// announcement instead of once per write.
class ChangeNotifier : public QObject
{
    Q_OBJECT

public:
    static ChangeNotifier* instance();

    // Called by the Dao for every successful write; table names in lower case.
    void recordWrite(const QString& table);
    // True while writes wait for the end of their transaction.
    bool hasPending() const { return !m_pending.isEmpty(); }
    // Sends what was recorded since the last announcement, if anything.
    void announce();
    // Drops what was recorded without announcing it (the connection closed).
    void forget();

signals:
    void tablesChanged(const QSet<QString>& tables);

private:
    ChangeNotifier() = default;

    QSet<QString> m_pending;
};

#endif // CHANGENOTIFIER_H
