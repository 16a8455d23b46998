#ifndef ASORTFILTERPROXYMODEL_H
#define ASORTFILTERPROXYMODEL_H

#include <QSortFilterProxyModel>

// Sorts by the sort role and falls back to the display value for a source
// that does not answer it, so that the list pages' proxy works on any model.
class ASortFilterProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    QVariant sortValue(const QModelIndex& index) const;
};

#endif // ASORTFILTERPROXYMODEL_H
