#ifndef LISTPAGE_H
#define LISTPAGE_H

#include <QList>

class PageSession;
class QAbstractButton;
class QAbstractItemModel;
class QAction;
class QLineEdit;
class QModelIndex;
class QSortFilterProxyModel;
class QTableView;
class QToolButton;
class QWidget;

// What the subjects and teachers pages share: the filter line, its clear
// button, the export button with its menu, and the rows chosen by id.
namespace ListPage {

struct Controls
{
    QTableView* view;
    QLineEdit* filter;
    QAbstractButton* clearFilter;
    QToolButton* exportButton;
    QAction* exportAction;
    QAction* printAction;
};

// The page's sorting and filtering proxy over the shared model, set on the
// view; the page is its parent.
QSortFilterProxyModel* setUp(QWidget* page, QAbstractItemModel* model, const Controls& controls);

// The selected rows (one index per row), in the order they were selected.
QList<QModelIndex> selectedRows(const QTableView* view);
// The entity ids of those rows.
QList<int> selectedIds(const QTableView* view);

// A deletion the user left pending ("Fix manually", or the status dialog
// closed) is put to him again; true when nothing is pending any more.
bool settlePending(PageSession* session);

} // namespace ListPage

#endif // LISTPAGE_H
