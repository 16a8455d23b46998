#include "proxyhelpers.h"

#include <QAbstractProxyModel>
#include <QSortFilterProxyModel>

QSortFilterProxyModel* createFilterProxy(QAbstractItemModel* model, QObject* parent)
{
    auto* proxy = new QSortFilterProxyModel(parent);
    proxy->setSourceModel(model);
    proxy->setDynamicSortFilter(true);
    proxy->setSortLocaleAware(true);
    proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    proxy->setFilterKeyColumn(-1);
    return proxy;
}

QModelIndex mapToSourceModel(QModelIndex index)
{
    while (auto* proxy = qobject_cast<const QAbstractProxyModel*>(index.model()))
        index = proxy->mapToSource(index);
    return index;
}
