#include "changenotifier.h"

ChangeNotifier* ChangeNotifier::instance()
{
    static ChangeNotifier* notifier = new ChangeNotifier();
    return notifier;
}

void ChangeNotifier::recordWrite(const QString& table)
{
    m_pending.insert(table.toLower());
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
}
