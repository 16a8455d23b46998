#include "proxyhelpers.h"

#include "asortfilterproxymodel.h"

#include <QAbstractProxyModel>

ASortFilterProxyModel* createFilterProxy(QAbstractItemModel* model, QObject* parent)
{
    auto* proxy = new ASortFilterProxyModel(parent);
    proxy->setSourceModel(model);
    proxy->setDynamicSortFilter(true);
    proxy->setSortLocaleAware(true);
    proxy->setSortRole(ARole::Sort);
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
