#include "tablestamp.h"

#include "changenotifier.h"

TableStamp::TableStamp(const QStringList& tables)
    : m_tables(tables)
{
}

void TableStamp::take()
{
    m_versions = versions();
    m_taken = true;
}

bool TableStamp::isCurrent() const
{
    return m_taken && m_versions == versions();
}

QList<quint64> TableStamp::versions() const
{
    QList<quint64> list;
    list.reserve(m_tables.size());
    for (const QString& table : m_tables)
        list << ChangeNotifier::instance()->version(table);
    return list;
}
