#include "daotransaction.h"

#include "dao.h"

#include <QDebug>

namespace {
int savepointCounter = 0;
}

DaoTransaction::DaoTransaction(Scope scope)
{
    if (scope == JoinOnly)
        return;
    Dao* dao = Dao::getInstance();
    m_owns = dao->transaction();
    if (m_owns || scope != OwnOrSavepoint || !dao->inTransaction())
        return;
    // Names stay unique while guards nest.
    const QString name = QStringLiteral("dao_savepoint_%1").arg(++savepointCounter);
    if (dao->execute(QStringLiteral("SAVEPOINT %1").arg(name)))
        m_savepoint = name;
    else
        qWarning() << "No se pudo marcar el punto de guardado" << name;
}

DaoTransaction::~DaoTransaction()
{
    if (!m_done)
        rollback();
}

bool DaoTransaction::commit()
{
    if (!canTakeBack())
        return true;
    if (m_done)
        return false;
    Dao* dao = Dao::getInstance();
    if (!m_owns) {
        const bool released = dao->execute(QStringLiteral("RELEASE %1").arg(m_savepoint));
        if (!released)
            rollback();
        m_done = true;
        return released;
    }
    const bool ok = dao->commit();
    // A refused commit can leave the transaction open: it is taken back here
    // instead of being left to the next writer.
    if (!ok && dao->inTransaction())
        dao->rollback();
    m_done = !dao->inTransaction();
    return ok;
}

bool DaoTransaction::rollback()
{
    if (!canTakeBack())
        return true;
    if (m_done)
        return false;
    Dao* dao = Dao::getInstance();
    if (m_owns) {
        const bool ok = dao->rollback();
        m_done = !dao->inTransaction();
        return ok;
    }
    m_done = true;
    // ROLLBACK TO keeps the savepoint on the stack: RELEASE removes it.
    const bool back = dao->execute(QStringLiteral("ROLLBACK TO %1").arg(m_savepoint));
    return dao->execute(QStringLiteral("RELEASE %1").arg(m_savepoint)) && back;
}
