#ifndef PROXYHELPERS_H
#define PROXYHELPERS_H

#include "asortfilterproxymodel.h"

#include <QModelIndex>

class QAbstractItemModel;
class QObject;

// Roles every table model answers besides the display role.
namespace ARole {
// The id of the row's record, for any column.
constexpr int Id = Qt::UserRole + 1;
// The raw value of the cell (a number for money and counts, a date for dates),
// so that sorting does not depend on how the cell is displayed.
constexpr int Sort = Qt::UserRole + 2;
}

// The sorting and filtering proxy the list pages put before their models:
// dynamic sorting by ARole::Sort in the locale's order, and a filter over
// every column that ignores case and accents; the pages connect their filter
// field to its setFilterText().
ASortFilterProxyModel* createFilterProxy(QAbstractItemModel* model, QObject* parent);

// The index of the bottom source model behind any chain of proxies.
QModelIndex mapToSourceModel(QModelIndex index);

#endif // PROXYHELPERS_H
