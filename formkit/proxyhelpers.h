#ifndef PROXYHELPERS_H
#define PROXYHELPERS_H

#include <QModelIndex>

// Roles every table model of the program answers besides the display role.
namespace ARole {
// the entity id of the row, whatever the column
constexpr int Id = Qt::UserRole + 1;
// the raw value the column sorts by: a number, a date, or the display text
constexpr int Sort = Qt::UserRole + 2;
} // namespace ARole

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
