#include "changenotifier.h"

#include <algorithm>

ChangeNotifier* ChangeNotifier::instance()
{
    static ChangeNotifier* notifier = new ChangeNotifier();
    return notifier;
}

void ChangeNotifier::recordWrite(const QString& table, const QStringList& alsoChanged)
{
    // The rows the database changed along (a deleted student's sign-ups) are
    // gone from the views' tables as well: announced like the written one.
    QStringList changedTables = alsoChanged;
    changedTables << table;
    for (const QString& changed : std::as_const(changedTables)) {
        if (changed.isEmpty())
            continue;
        const QString name = changed.toLower();
        m_pending.insert(name);
        if (m_transactionOpen)
            m_inTransaction.insert(name);
        newVersion(name);
    }
}

void ChangeNotifier::announce()
{
    if (m_pending.isEmpty())
        return;
    // A listener that writes starts a new set rather than growing this one.
    const QSet<QString> tables = std::exchange(m_pending, {});
    emit tablesChanged(tables);
}

void ChangeNotifier::forget()
{
    m_pending.clear();
    m_inTransaction.clear();
    m_transactionOpen = false;
    changeAll();
}

void ChangeNotifier::transactionBegan()
{
    m_transactionOpen = true;
    m_inTransaction.clear();
    m_versionsAtBegin = m_versions;
    m_allChangedAtBegin = m_allChanged;
}

void ChangeNotifier::transactionCommitted()
{
    m_transactionOpen = false;
    m_inTransaction.clear();
    m_versionsAtBegin.clear();
    announce();
}

void ChangeNotifier::transactionRolledBack()
{
    if (m_transactionOpen) {
        // The tables hold again what they held when it began. What was
        // already announced while it was open must be announced again.
        m_versions = std::exchange(m_versionsAtBegin, {});
        m_allChanged = m_allChangedAtBegin;
        m_pending.unite(m_inTransaction);
    }
    m_transactionOpen = false;
    m_inTransaction.clear();
    announce();
}

void ChangeNotifier::changeAll()
{
    m_allChanged = ++m_counter;
}

quint64 ChangeNotifier::version(const QString& table) const
{
    return std::max(m_versions.value(table.toLower()), m_allChanged);
}

void ChangeNotifier::newVersion(const QString& table)
{
    m_versions.insert(table, ++m_counter);
}
