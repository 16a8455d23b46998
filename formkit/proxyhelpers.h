#ifndef PROXYHELPERS_H
#define PROXYHELPERS_H

#include <QModelIndex>

class QAbstractItemModel;
class QObject;
class QSortFilterProxyModel;

// The sorting and filtering proxy the list pages put before their models:
// dynamic sorting by ARole::Sort, locale-aware, case-insensitive filter over
// every column.
QSortFilterProxyModel* createFilterProxy(QAbstractItemModel* model, QObject* parent);

// The index of the bottom source model behind any chain of proxies.
QModelIndex mapToSourceModel(QModelIndex index);

#endif // PROXYHELPERS_H
