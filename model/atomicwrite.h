#ifndef ATOMICWRITE_H
#define ATOMICWRITE_H

#include "daotransaction.h"

#include <QString>

// An entity write that spans several statements (a row and its phones) must
// land whole or not at all. With no transaction open it opens its own; inside
// an open one (a dialog's) it marks a savepoint, so a failure takes back only
// this write and the opener's work stays as it was.
class AtomicWrite
{
public:
    AtomicWrite();
    ~AtomicWrite();
    AtomicWrite(const AtomicWrite&) = delete;
    AtomicWrite& operator=(const AtomicWrite&) = delete;

    // Commits an own transaction or releases the savepoint; false when that
    // fails, and then everything this write did is taken back.
    bool commit();
    // Takes back everything this write did.
    void rollback();

private:
    DaoTransaction m_transaction;
    QString m_savepoint;
    bool m_done = false;
};

#endif // ATOMICWRITE_H
