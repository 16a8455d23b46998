#include "listpage.h"

#include "atableview.h"
#include "pagesession.h"
#include "proxyhelpers.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMenu>
#include <QSet>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QToolButton>

namespace ListPage {

QSortFilterProxyModel* setUp(QWidget* page, QAbstractItemModel* model, const Controls& c)
{
    ASortFilterProxyModel* proxy = createFilterProxy(model, page);
    c.view->setModel(proxy);
    c.view->setSortingEnabled(true);
    if (auto* table = qobject_cast<ATableView*>(c.view))
        table->fitColumnsToContents();
    QObject::connect(c.filter, &QLineEdit::textChanged, proxy, &ASortFilterProxyModel::setFilterText);
    QObject::connect(c.clearFilter, &QAbstractButton::clicked, c.filter, &QLineEdit::clear);
    auto* menu = new QMenu(c.exportButton);
    menu->addAction(c.exportAction);
    menu->addAction(c.printAction);
    c.exportButton->setMenu(menu);
    c.exportButton->setDefaultAction(c.exportAction);
    return proxy;
}

QList<QModelIndex> selectedRows(const QTableView* view)
{
    QList<QModelIndex> rows;
    QSet<int> seen;
    const QModelIndexList selected = view->selectionModel()->selectedIndexes();
    for (const QModelIndex& index : selected) {
        if (!seen.contains(index.row())) {
            seen.insert(index.row());
            rows.append(index.sibling(index.row(), 0));
        }
    }
    return rows;
}

QList<int> selectedIds(const QTableView* view)
{
    QList<int> ids;
    const QList<QModelIndex> rows = selectedRows(view);
    for (const QModelIndex& row : rows)
        ids.append(row.data(ARole::Id).toInt());
    return ids;
}

bool settlePending(PageSession* session)
{
    if (session->isOpen())
        session->finish(false);
    return !session->isOpen();
}

} // namespace ListPage
