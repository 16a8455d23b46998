#ifndef DAOTRANSACTION_H
#define DAOTRANSACTION_H

// Opens a Dao transaction unless one is already open, commits only what it
// opened and rolls back what it opened when left without commit or rollback.
//     DaoTransaction tx;
//     if (!writeRow() || !writePhones())
//         return false;
//     return tx.commit();
class DaoTransaction
{
public:
    DaoTransaction();
    ~DaoTransaction();
    DaoTransaction(const DaoTransaction&) = delete;
    DaoTransaction& operator=(const DaoTransaction&) = delete;

    // True when this guard opened the transaction (false: joined an open one).
    bool owns() const { return m_owns; }
    // Owner: Dao::commit()'s answer. Joined: true, the opener commits.
    bool commit();
    // Owner: Dao::rollback()'s answer. Joined: true, the opener decides.
    bool rollback();

private:
    bool m_owns;
    bool m_done = false;
};

#endif // DAOTRANSACTION_H
