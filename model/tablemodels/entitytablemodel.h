#ifndef ENTITYTABLEMODEL_H
#define ENTITYTABLEMODEL_H

#include "proxyhelpers.h"
#include "readonlytablemodel.h"

#include <QDebug>
#include <QList>

// A read-only model whose rows are entity objects it owns: it deletes them
// when the list is replaced and when it goes. Subclasses give the cells of a
// row and its id; data() answers the display role, ARole::Id and ARole::Sort
// of an existing row.
template<class T>
class EntityTableModel : public ReadOnlyTableModel
{
public:
    ~EntityTableModel() override
    {
        if (m_ownsRows)
            qDeleteAll(m_rows);
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int(m_rows.size());
    }

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override
    {
        if (!index.isValid() || index.row() >= m_rows.size())
            return QVariant();
        T* row = m_rows.at(index.row());
        switch (role) {
        case Qt::DisplayRole: return cell(row, index);
        case ARole::Id: return rowId(row);
        case ARole::Sort: return sortValue(row, index);
        default: return QVariant();
        }
    }

protected:
    using ReadOnlyTableModel::ReadOnlyTableModel;

    // The value of index's column for the row's object.
    virtual QVariant cell(T* row, const QModelIndex& index) const = 0;
    // The id of the row's record.
    virtual int rowId(const T* row) const = 0;
    // The raw value to sort by: the cell's own typed value unless a model
    // shows something else.
    virtual QVariant sortValue(T* row, const QModelIndex& index) const { return cell(row, index); }

    // Takes the new rows and deletes the old ones; after construction, only
    // between beginResetModel() and endResetModel().
    void replaceRows(const QList<T*>& rows)
    {
        if (m_ownsRows)
            qDeleteAll(m_rows);
        m_rows = rows;
        m_ownsRows = true;
    }

    // Shows rows that the subclass keeps and deletes itself (a part of what
    // it loaded); the same rules as replaceRows() otherwise.
    void showRows(const QList<T*>& rows)
    {
        if (m_ownsRows)
            qDeleteAll(m_rows);
        m_rows = rows;
        m_ownsRows = false;
    }

    T* rowObject(int row) const { return m_rows.at(row); }

    // Takes one row out, with its object.
    void removeRowAt(int row)
    {
        beginRemoveRows(QModelIndex(), row, row);
        T* gone = m_rows.takeAt(row);
        if (m_ownsRows)
            delete gone;
        endRemoveRows();
    }

    // Adds owned rows at the end; only to rows the model owns.
    void appendRows(const QList<T*>& rows)
    {
        Q_ASSERT(m_ownsRows);
        if (rows.isEmpty())
            return;
        beginInsertRows(QModelIndex(), int(m_rows.size()), int(m_rows.size() + rows.size()) - 1);
        m_rows.append(rows);
        endInsertRows();
    }

    // The object behind an index of this model or of any proxy stacked on it;
    // null, with a warning naming the model, for any other index.
    T* rowAt(const QModelIndex& index) const
    {
        const int row = sourceRow(index, int(m_rows.size()));
        if (row < 0) {
            qWarning().noquote() << QStringLiteral("invalid qModelIndex for get an id on %1 ")
                                        .arg(QLatin1String(metaObject()->className()));
            return nullptr;
        }
        return m_rows.at(row);
    }

    // The id behind an index of this model or of a proxy on it; -1, with the
    // warning, for any other index.
    int idAt(const QModelIndex& index) const
    {
        const T* row = rowAt(index);
        return row ? rowId(row) : -1;
    }

private:
    QList<T*> m_rows;
    bool m_ownsRows = true;
};

#endif // ENTITYTABLEMODEL_H
