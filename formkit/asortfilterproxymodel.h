#ifndef ASORTFILTERPROXYMODEL_H
#define ASORTFILTERPROXYMODEL_H

#include "atextfilter.h"

class AValueKeys;

#include <QCollatorSortKey>
#include <QHash>
#include <QList>
#include <QMetaObject>
#include <QSortFilterProxyModel>

#include <optional>
#include <vector>

// The list pages' proxy. Sorts by the sort role (the display value for a
// source that does not answer it), texts in the order of the locale.
// Filters by the text typed (setFilterText()): letter case and accents
// ignored, '*' and '?' as wildcards.
// What a filter or a sort compares is prepared once per source row, when
// first needed after the source loads or changes, so that a keystroke or a
// click on a header over tens of thousands of rows does not read and convert
// every cell again. A source that tells which cells hold equal values
// (AValueKeys) has each distinct value of a column converted, folded,
// matched and collated once, however many rows hold it.
class ASortFilterProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setSourceModel(QAbstractItemModel* model) override;

public slots:
    void setFilterText(const QString& text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    struct SortKey
    {
        enum class Kind { Empty, Number, Text } kind = Kind::Empty;
        double number = 0;
        QString text;                            // when the sort is not locale-aware
        std::optional<QCollatorSortKey> collated; // when it is
    };

    // What is prepared of one column of a source with value keys.
    struct KeyedColumn
    {
        bool built = false;
        QHash<qint64, int> byKey;   // value key to distinct value, while it is read
        QList<int> rowSlot;         // per source row
        QList<int> slotRow;         // a row holding each distinct value
        int foldedRole = -1;
        QList<QString> folded;      // per distinct value
        QList<bool> matched;        // per distinct value, for the current filter
        bool sortReady = false;
        QList<double> rowSort;      // per source row: a number or a rank
    };

    void forgetPrepared();
    void sizeKeyedColumns() const;
    KeyedColumn& keyedColumn(int column) const;
    void buildKeyedColumn(KeyedColumn& column, int index) const;
    QList<int> filteredColumns() const;
    void prepareKeyedFilter() const;
    bool keyedRowMatches(int sourceRow) const;
    const QList<double>& keyedSortKeys(int column) const;
    // Each row's key from the key of its distinct value.
    static const QList<double>& setRowSort(KeyedColumn& column, const QList<double>& slotKey);
    void updatePreparedRows(const QModelIndex& topLeft, const QModelIndex& bottomRight);
    QVariant sortValue(const QModelIndex& index) const;
    QString filterKey(int sourceRow, const QModelIndex& sourceParent = QModelIndex()) const;
    void prepareFilterKeys() const;
    bool filterKeysCurrent() const;
    bool sortKeysCurrent(int column) const;
    void prepareSortKeys(int column) const;
    SortKey sortKey(const QVariant& value, bool asText) const;
    bool less(const SortKey& a, const SortKey& b) const;

    ATextFilter m_filter;
    const AValueKeys* m_keys = nullptr;
    mutable std::vector<KeyedColumn> m_keyed;
    // what the per-value matches were made for
    mutable bool m_keyedFilterReady = false;
    mutable int m_keyedFilterRole = -1;
    mutable int m_keyedFilterColumn = -1;
    // what the keyed sort keys were made with
    mutable int m_keyedSortRole = -1;
    mutable bool m_keyedSortLocaleAware = false;
    mutable Qt::CaseSensitivity m_keyedSortCase = Qt::CaseSensitive;
    // the keys of the column last sorted, while they hold
    mutable const QList<double>* m_hotSortKeys = nullptr;
    mutable int m_hotSortColumn = -1;
    bool m_followsSortSettings = false;
    QList<QMetaObject::Connection> m_sourceConnections;
    // one folded text per source row, all its filtered cells
    mutable QList<QString> m_filterKeys;
    mutable bool m_filterKeysReady = false;
    // what the filter keys were made of: the filter role and key column
    mutable int m_filterKeysRole = -1;
    mutable int m_filterKeysColumn = -1;
    // the sort keys of one column, one per source row, and how they were made
    mutable QList<SortKey> m_sortKeys;
    mutable int m_sortKeysColumn = -1;
    mutable bool m_sortKeysAsText = false;
    mutable int m_sortKeysRole = -1;
    mutable bool m_sortKeysLocaleAware = false;
    mutable Qt::CaseSensitivity m_sortKeysCase = Qt::CaseSensitive;
};

#endif // ASORTFILTERPROXYMODEL_H
