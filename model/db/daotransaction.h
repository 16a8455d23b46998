#ifndef DAOTRANSACTION_H
#define DAOTRANSACTION_H

#include <QString>

// The one transaction guard. It opens a Dao transaction unless one is already
// open, commits only what it opened and takes back what it opened when left
// without commit or rollback.
//     DaoTransaction tx;
//     if (!writeRow() || !writePhones())
//         return false;
//     return tx.commit();
class DaoTransaction
{
public:
    enum class Scope {
        // Own transaction, or join the open one and leave it to its opener.
        OwnOrJoin,
        // Own transaction, or a savepoint inside the open one (a dialog's), so
        // that a failure takes back only this guard's writes.
        OwnOrSavepoint,
        // No transaction of its own: the writes run in whatever is open.
        JoinOnly,
    };
    // Also reached as DaoTransaction::OwnOrJoin, ...
    using enum Scope;

    explicit DaoTransaction(Scope scope = OwnOrJoin);
    ~DaoTransaction();
    DaoTransaction(const DaoTransaction&) = delete;
    DaoTransaction& operator=(const DaoTransaction&) = delete;

    // True when this guard opened the transaction.
    bool owns() const { return m_owns; }
    // True when this guard can take its writes back: its own transaction or
    // its savepoint.
    bool canTakeBack() const { return m_owns || !m_savepoint.isEmpty(); }

    // Commits the own transaction or releases the savepoint; when that fails,
    // everything this guard held is taken back and the answer is false.
    // Joined: true, the opener commits.
    bool commit();
    // Takes back the own transaction or the savepoint. Joined: true, the
    // opener decides.
    bool rollback();

private:
    bool m_owns = false;
    QString m_savepoint;
    bool m_done = false;
};

#endif // DAOTRANSACTION_H
