#include "asortfilterproxymodel.h"

QVariant ASortFilterProxyModel::sortValue(const QModelIndex& index) const
{
    const QVariant value = index.data(sortRole());
    return value.isValid() ? value : index.data(Qt::DisplayRole);
}

bool ASortFilterProxyModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    const QVariant a = sortValue(left);
    const QVariant b = sortValue(right);
    // Empty cells go last, as the plain proxy puts them.
    if (!a.isValid())
        return false;
    if (!b.isValid())
        return true;
    if (a.userType() == QMetaType::QString || b.userType() == QMetaType::QString) {
        if (isSortLocaleAware())
            return a.toString().localeAwareCompare(b.toString()) < 0;
        return a.toString().compare(b.toString(), sortCaseSensitivity()) < 0;
    }
    return QVariant::compare(a, b) == QPartialOrdering::Less;
}
