#include "atomicwrite.h"

#include "dao.h"

#include <QDebug>

namespace {
int savepointCounter = 0;
}

AtomicWrite::AtomicWrite()
{
    if (!m_transaction.owns()) {
        const QString name = QStringLiteral("entity_write_%1").arg(++savepointCounter);
        if (Dao::getInstance()->execute(QStringLiteral("SAVEPOINT %1").arg(name), {}))
            m_savepoint = name;
        else
            qWarning() << "No se pudo marcar el punto de guardado" << name;
    }
}

AtomicWrite::~AtomicWrite()
{
    if (!m_done)
        rollback();
}

bool AtomicWrite::commit()
{
    if (m_done)
        return false;
    bool ok;
    if (m_transaction.owns()) {
        ok = m_transaction.commit();
    } else if (!m_savepoint.isEmpty()) {
        ok = Dao::getInstance()->execute(QStringLiteral("RELEASE %1").arg(m_savepoint), {});
    } else {
        ok = true; // joined without a savepoint: the opener decides
    }
    if (!ok) {
        rollback();
        return false;
    }
    m_done = true;
    return true;
}

void AtomicWrite::rollback()
{
    if (m_done)
        return;
    m_done = true;
    if (m_transaction.owns()) {
        m_transaction.rollback();
    } else if (!m_savepoint.isEmpty()) {
        Dao* dao = Dao::getInstance();
        dao->execute(QStringLiteral("ROLLBACK TO %1").arg(m_savepoint), {});
        dao->execute(QStringLiteral("RELEASE %1").arg(m_savepoint), {});
    }
}
