#include "daotransaction.h"

#include "dao.h"

DaoTransaction::DaoTransaction()
    : m_owns(Dao::getInstance()->transaction())
{
}

DaoTransaction::~DaoTransaction()
{
    if (m_owns && !m_done)
        Dao::getInstance()->rollback();
}

bool DaoTransaction::commit()
{
    if (!m_owns)
        return true;
    if (m_done)
        return false;
    const bool ok = Dao::getInstance()->commit();
    // A refused commit can leave the transaction open: the destructor then
    // rolls it back instead of leaving it to the next writer.
    m_done = !Dao::getInstance()->inTransaction();
    return ok;
}

bool DaoTransaction::rollback()
{
    if (!m_owns)
        return true;
    if (m_done)
        return false;
    const bool ok = Dao::getInstance()->rollback();
    m_done = !Dao::getInstance()->inTransaction();
    return ok;
}
