#include "readonlytablemodel.h"

#include "adatehelper.h"
#include "changenotifier.h"
#include "proxyhelpers.h"

ReadOnlyTableModel::ReadOnlyTableModel(const QStringList& titles, QObject* parent)
    : QAbstractTableModel(parent)
    , m_titles(titles)
{
}

int ReadOnlyTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_titles.size();
}

QVariant ReadOnlyTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0
        || section >= m_titles.size())
        return QVariant();
    return m_titles.at(section);
}

int ReadOnlyTableModel::sourceRow(const QModelIndex& index, int rowCount) const
{
    const QModelIndex source = mapToSourceModel(index);
    if (!source.isValid() || source.model() != this || source.row() >= rowCount)
        return -1;
    return source.row();
}

void ReadOnlyTableModel::followTables(const QSet<QString>& tables)
{
    stampTables(tables);
    connect(ChangeNotifier::instance(), &ChangeNotifier::tablesChanged, this,
            [this, tables](const QSet<QString>& changed) {
                if (changed.intersects(tables))
                    refreshIfStale();
            });
}

void ReadOnlyTableModel::stampTables(const QSet<QString>& tables)
{
    m_loaded = TableStamp(QStringList(tables.cbegin(), tables.cend()));
    noteCurrent();
    m_follows = true;
    // every reload, whoever asks for it, shows what the tables hold then
    connect(this, &QAbstractItemModel::modelReset, this, &ReadOnlyTableModel::noteCurrent);
}

bool ReadOnlyTableModel::isStale() const
{
    // a model that tells nothing of its tables is reloaded whenever asked
    return !m_follows || !m_loaded.isCurrent() || m_loadedOn != ADateHelper::today();
}

void ReadOnlyTableModel::refreshIfStale()
{
    if (isStale())
        catchUp();
}

void ReadOnlyTableModel::catchUp()
{
    refresh();
}

void ReadOnlyTableModel::noteCurrent()
{
    m_loaded.take();
    m_loadedOn = ADateHelper::today();
}
