#ifndef READONLYTABLEMODEL_H
#define READONLYTABLEMODEL_H

#include "tablestamp.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QSet>
#include <QStringList>

// What every read-only list model shares: fixed translated column titles, no
// vertical header, and turning an index (of the model or of any chain of
// proxies stacked on it) back into a row of the model's own list.
// Cells are served from memory only: subclasses load everything at refresh().
class ReadOnlyTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Reloads the rows with the model's current filter.
    virtual void refresh() = 0;
    // Reloads only when one of the tables the model shows was written since
    // it last loaded (or the day changed): what a page does when shown.
    void refreshIfStale();
    // Whether what the model shows may differ from what is stored.
    bool isStale() const;

protected:
    ReadOnlyTableModel(const QStringList& titles, QObject* parent);

    // The row of this model that the index leads to, or -1 when it leads to
    // another model, is invalid or lies outside rowCount rows.
    int sourceRow(const QModelIndex& index, int rowCount) const;

    // Refreshes once per announced change that names one of the tables the
    // model shows, unless it already shows that change. Called by the
    // constructor once the first rows are loaded.
    void followTables(const QSet<QString>& tables);
    // Only notes which tables the rows come from, for refreshIfStale(): for a
    // model that follows the announcements in its own way.
    void stampTables(const QSet<QString>& tables);
    // Brings stale rows up to what the tables hold: refresh() unless the
    // model can tell what changed.
    virtual void catchUp();
    // The rows show what the tables hold now: a model that changed rows in
    // place says so (a reset says it by itself).
    void noteCurrent();

private:
    QStringList m_titles;
    // what the tables held at the last load; stale until followTables()
    TableStamp m_loaded;
    // what counts as today changes who is current and what is active
    QDate m_loadedOn;
    bool m_follows = false;
};

#endif // READONLYTABLEMODEL_H
