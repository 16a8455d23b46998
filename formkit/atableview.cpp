#include "atableview.h"
#include "selectcolumnsdialog.h"
#include "widgetstate.h"

#include <QAction>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QSettings>
#include <QStandardItemModel>

namespace {
const char* const settingsGroup = "ATableView";
// The widest a fitted column gets, in average characters: a long comment
// should not push every other column out of sight.
const int widestFittedColumn = 40;
// Rows measured to fit a column: enough to be representative, cheap on 5,000.
const int rowsMeasured = 50;

// The number of sections recorded in a QHeaderView::saveState() value, or -1
// when the bytes are not such a state: a header over no columns takes the
// saved sections as they are.
int savedSectionCount(const QByteArray& state)
{
    QStandardItemModel noColumns;
    QTableView probe;
    probe.setModel(&noColumns);
    return probe.horizontalHeader()->restoreState(state) ? probe.horizontalHeader()->count() : -1;
}
} // namespace

ATableView::ATableView(QWidget* parent)
    : QTableView(parent)
    , headerMenu(new QMenu(this))
{
    QHeaderView* header = horizontalHeader();
    header->setSectionsMovable(true);
    header->setStretchLastSection(true);
    setAlternatingRowColors(true);
    sortByColumn(0, Qt::AscendingOrder);

    header->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header, &QWidget::customContextMenuRequested, this, &ATableView::headerContextMenu);

    verticalHeader()->hide();

    auto* all = new QAction(tr("All"), this);
    connect(all, &QAction::triggered, this, &ATableView::toggleAll);
    header->addAction(all);
    auto* none = new QAction(tr("None"), this);
    connect(none, &QAction::triggered, this, &ATableView::toggleNone);
    header->addAction(none);
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    header->addAction(separator);
}

ATableView::~ATableView()
{
    if (!objectName().isEmpty()) // nothing to key the state on otherwise
        storeWidgetState(QLatin1String(settingsGroup), objectName(), horizontalHeader()->saveState());
}

void ATableView::setModel(QAbstractItemModel* newModel)
{
    if (QAbstractItemModel* old = model()) {
        disconnect(old, &QAbstractItemModel::columnsInserted, this, &ATableView::addActionColumn);
        // The old model's entries leave the header menu; "All", "None" and the separator stay.
        for (QAction* action : std::as_const(columnActions)) {
            horizontalHeader()->removeAction(action);
            action->deleteLater();
        }
        columnActions.clear();
        if (selectColumnsAction) {
            horizontalHeader()->removeAction(selectColumnsAction);
            selectColumnsAction->deleteLater();
            selectColumnsAction = nullptr;
        }
    }

    QTableView::setModel(newModel);
    if (!newModel) {
        qWarning("Removing model from table.");
        return;
    }
    // Without columns there is no state to restore: actions come with the columns.
    if (newModel->columnCount() > 0) {
        if (!objectName().isEmpty())
            restoreHeaderState();
        addActionColumn(QModelIndex(), 0, newModel->columnCount() - 1);
    }
    connect(newModel, &QAbstractItemModel::columnsInserted, this, &ATableView::addActionColumn);
    const auto fitIfPending = [this]() {
        if (fitPending)
            fitColumnsNow();
    };
    connect(newModel, &QAbstractItemModel::modelReset, this, fitIfPending);
    connect(newModel, &QAbstractItemModel::layoutChanged, this, fitIfPending);
    connect(newModel, &QAbstractItemModel::rowsInserted, this, fitIfPending);
    // A filter hides rows in one change of layout, after which the selection
    // model keeps only the rows still shown without saying so: say it, so
    // that what follows the selection (a page's actions) follows the filter.
    // Connected after the selection model's own handlers, so they run first.
    connect(newModel, &QAbstractItemModel::layoutAboutToBeChanged, this,
            [this]() { cellsSelectedBeforeLayout = selectedCells(); });
    connect(newModel, &QAbstractItemModel::layoutChanged, this, [this]() {
        if (selectedCells() < cellsSelectedBeforeLayout)
            emit selectionModel()->selectionChanged(QItemSelection(), QItemSelection());
    });
}

qsizetype ATableView::selectedCells() const
{
    qsizetype cells = 0;
    // the ranges of a selection do not overlap
    for (const QItemSelectionRange& range : selectionModel()->selection())
        if (range.isValid())
            cells += qsizetype(range.width()) * range.height();
    return cells;
}

bool ATableView::hasSavedState() const
{
    if (objectName().isEmpty())
        return false;
    QSettings settings;
    settings.beginGroup(QLatin1String(settingsGroup));
    return settings.contains(objectName());
}

void ATableView::fitColumnsToContents()
{
    if (hasSavedState())
        return;
    fitPending = true;
    fitColumnsNow();
}

void ATableView::fitColumnsNow()
{
    if (!model())
        return;
    QHeaderView* header = horizontalHeader();
    header->setResizeContentsPrecision(rowsMeasured);
    resizeColumnsToContents();
    const int widest = widestFittedColumn * fontMetrics().averageCharWidth();
    for (int column = 0; column < header->count(); ++column)
        if (header->sectionSize(column) > widest)
            header->resizeSection(column, widest);
    if (model()->rowCount() > 0)
        fitPending = false;
}

void ATableView::restoreHeaderState()
{
    QHeaderView* header = horizontalHeader();
    QSettings settings;
    settings.beginGroup(QLatin1String(settingsGroup));
    const QVariant stored = settings.value(objectName());
    if (!stored.isValid())
        return;
    // The header applies a state saved for another column count only in part,
    // so the count it was saved with is compared before restoring.
    const QByteArray state = stored.toByteArray();
    const int storedSections = savedSectionCount(state);
    if (storedSections >= 0 && storedSections != header->count()) {
        qDebug("%s", qPrintable(QStringLiteral("Horizontal headers count != saved columns count in table \"%1\"")
                                    .arg(objectName())));
        return;
    }
    if (!header->restoreState(state))
        qWarning("Couldn't restore table state.");
    // a state saved before the last column stretched does not undo that
    header->setStretchLastSection(true);
}

void ATableView::addActionColumn(const QModelIndex& parent, int start, int end)
{
    if (parent.isValid() || !model())
        return;
    QHeaderView* header = horizontalHeader();
    if (model()->columnCount() > 10 && !selectColumnsAction) {
        selectColumnsAction = new QAction(tr("Select columns..."), this);
        connect(selectColumnsAction, &QAction::triggered, this, &ATableView::advancedColumnSelection);
        header->addAction(selectColumnsAction);
    }
    for (int c = start; c <= end; ++c) {
        auto* action = new QAction(this);
        const QVariant title = model()->headerData(c, Qt::Horizontal, Qt::DisplayRole);
        if (title.isValid()) {
            action->setText(title.toString());
        } else {
            action->setText(QStringLiteral("null"));
            qWarning("Column without header data.");
        }
        action->setCheckable(true);
        action->setChecked(!header->isSectionHidden(c));
        header->addAction(action);
        columnActions.append(action);
        connect(action, &QAction::toggled, this, &ATableView::changeCol);
    }
}

void ATableView::syncColumnActions()
{
    for (int i = 0; i < columnActions.size(); ++i)
        columnActions.at(i)->setChecked(!horizontalHeader()->isSectionHidden(i));
}

void ATableView::headerContextMenu(const QPoint& point)
{
    syncColumnActions();
    headerMenu->clear();
    headerMenu->addActions(horizontalHeader()->actions());
    headerMenu->popup(horizontalHeader()->mapToGlobal(point));
}

void ATableView::changeCol()
{
    auto* action = qobject_cast<QAction*>(sender());
    if (!action) {
        qWarning("Slot called, but no action sender.");
        return;
    }
    if (!action->isChecked()) {
        bool anyChecked = false;
        for (QAction* other : std::as_const(columnActions))
            anyChecked = anyChecked || other->isChecked();
        if (!anyChecked) {
            // The last visible column cannot be hidden.
            action->setChecked(true);
            return;
        }
    }
    const int column = columnActions.indexOf(action);
    if (column < 0)
        return;
    setColumnHidden(column, !action->isChecked());
}

// There is one column action per column of the model, so the actions alone
// decide; the last visible column is kept by changeCol().
void ATableView::toggleAll()
{
    for (QAction* action : std::as_const(columnActions))
        if (!action->isChecked())
            action->toggle();
}

void ATableView::toggleNone()
{
    for (qsizetype i = columnActions.size() - 1; i >= 1; --i)
        if (columnActions.at(i)->isChecked())
            columnActions.at(i)->toggle();
}

void ATableView::advancedColumnSelection()
{
    // The entry exists only while a model with more than ten columns is set.
    SelectColumnsDialog dialog(this, Qt::WindowFlags(), tr("Hidden columns"), tr("Showing columns"));
    dialog.setWindowTitle(tr("Select visible columns"));
    dialog.setAcceptButtonsVisible(true);

    auto* allColumns = new QStandardItemModel(&dialog);
    auto* showing = new QStandardItemModel(&dialog);
    const int count = model()->columnCount();
    for (int c = 0; c < count; ++c) {
        const QString title = model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        allColumns->appendRow({new QStandardItem(QString::number(c)), new QStandardItem(title)});
        if (!isColumnHidden(c))
            showing->appendRow({new QStandardItem(QString::number(c)), new QStandardItem(title)});
    }
    dialog.setModels(showing, allColumns);

    if (dialog.exec() == QDialog::Accepted) {
        for (int c = 0; c < count; ++c)
            hideColumn(c);
        for (int r = 0; r < showing->rowCount(); ++r)
            showColumn(showing->index(r, 0).data().toString().toInt());
        if (showing->rowCount() == 0)
            showColumn(0);
    }
    syncColumnActions();
}

void ATableView::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QModelIndex current = currentIndex();
    if (!enter || state() == EditingState || !current.isValid()) {
        QTableView::keyPressEvent(event);
        return;
    }
    // a double click selects the row it opens; the pages open the selection
    if (selectionModel() && !selectionModel()->isSelected(current))
        setCurrentIndex(current); // selects as a click would
    event->accept();
    emit doubleClicked(current);
}
