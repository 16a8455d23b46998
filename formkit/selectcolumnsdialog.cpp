#include "selectcolumnsdialog.h"
#include "ui_selectcolumnsdialog.h"

#include <QPushButton>
#include <QSortFilterProxyModel>

SelectColumnsDialog::SelectColumnsDialog(QWidget* parent, Qt::WindowFlags f,
                                         QString caption1, QString caption2)
    : QDialog(parent, f)
    , ui(new Ui::SelectColumnsDialog)
    , availableProxy(new QSortFilterProxyModel(this))
    , selectedProxy(new QSortFilterProxyModel(this))
{
    ui->setupUi(this);
    setAcceptButtonsVisible(false);
    if (!caption1.isEmpty())
        ui->lblPosible->setText(caption1);
    if (!caption2.isEmpty())
        ui->lblSelected->setText(caption2);
}

SelectColumnsDialog::~SelectColumnsDialog()
{
    delete ui;
}

void SelectColumnsDialog::setAcceptButtonsVisible(bool visible)
{
    ui->buttonBox->button(QDialogButtonBox::Ok)->setVisible(visible);
    ui->buttonBox->button(QDialogButtonBox::Cancel)->setVisible(visible);
    ui->buttonBox->button(QDialogButtonBox::Close)->setVisible(!visible);
}

void SelectColumnsDialog::setModels(QAbstractItemModel* selected, QAbstractItemModel* available)
{
    if (selected->columnCount() == 0)
        selected->insertColumns(0, 2);
    if (available->columnCount() == 0)
        available->insertColumns(0, 2);

    for (QSortFilterProxyModel* proxy : {availableProxy, selectedProxy}) {
        proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
        proxy->setFilterKeyColumn(1);
        proxy->setDynamicSortFilter(false);
    }

    availableProxy->setSourceModel(available);
    availableProxy->sort(1, Qt::AscendingOrder);
    ui->listTodos->setModel(availableProxy);
    ui->listTodos->setModelColumn(1);
    connect(ui->edtFilterAvailable, &QLineEdit::textChanged,
            availableProxy, &QSortFilterProxyModel::setFilterFixedString);
    connect(availableProxy, &QAbstractItemModel::rowsInserted,
            this, &SelectColumnsDialog::hideAlreadySelected);

    selectedProxy->setSourceModel(selected);
    selectedProxy->sort(1, Qt::AscendingOrder);
    ui->listSeleccionados->setModel(selectedProxy);
    ui->listSeleccionados->setModelColumn(1);
    connect(ui->edtFilterSelected, &QLineEdit::textChanged,
            selectedProxy, &QSortFilterProxyModel::setFilterFixedString);

    connect(ui->listSeleccionados->selectionModel(), &QItemSelectionModel::selectionChanged,
            this, &SelectColumnsDialog::enableRemove);
    connect(ui->listTodos->selectionModel(), &QItemSelectionModel::selectionChanged,
            this, &SelectColumnsDialog::enableAdd);

    for (int r = 0; r < selectedProxy->rowCount(); ++r) {
        const int row = findKey(availableProxy, selectedProxy->index(r, 0).data());
        if (row >= 0)
            ui->listTodos->setRowHidden(row, true);
        else
            qWarning("No correnspondence for item in row %d", r);
    }
}

int SelectColumnsDialog::findKey(QSortFilterProxyModel* proxy, const QVariant& key) const
{
    const QModelIndexList hits = proxy->match(proxy->index(0, 0), Qt::DisplayRole, key, 1,
                                              Qt::MatchExactly);
    return hits.isEmpty() ? -1 : hits.first().row();
}

void SelectColumnsDialog::hideAlreadySelected(const QModelIndex& parent, int start, int end)
{
    Q_UNUSED(parent);
    for (int r = start; r <= end; ++r) {
        if (findKey(selectedProxy, availableProxy->index(r, 0).data()) >= 0)
            ui->listTodos->setRowHidden(r, true);
    }
}

void SelectColumnsDialog::enableAdd(const QItemSelection& selection)
{
    Q_UNUSED(selection);
    ui->btnAdd->setEnabled(!ui->listTodos->selectionModel()->selectedIndexes().isEmpty());
}

void SelectColumnsDialog::enableRemove(const QItemSelection& selection)
{
    Q_UNUSED(selection);
    ui->btnRemove->setEnabled(!ui->listSeleccionados->selectionModel()->selectedIndexes().isEmpty());
}

void SelectColumnsDialog::on_btnAdd_clicked()
{
    const QModelIndexList rows = ui->listTodos->selectionModel()->selectedRows(0);
    if (rows.isEmpty()) {
        qWarning("No selection.");
        return;
    }
    for (const QModelIndex& index : rows) {
        const int r = index.row();
        // Appended to the source model: a new empty row through the proxy
        // would vanish under an active filter before its texts are set.
        QAbstractItemModel* selected = selectedProxy->sourceModel();
        const int n = selected->rowCount();
        selected->insertRows(n, 1);
        selected->setData(selected->index(n, 0), availableProxy->index(r, 0).data(), Qt::EditRole);
        selected->setData(selected->index(n, 1), availableProxy->index(r, 1).data(), Qt::EditRole);
        ui->listTodos->setRowHidden(r, true);
    }
    ui->listTodos->selectionModel()->clearSelection();
}

void SelectColumnsDialog::on_btnRemove_clicked()
{
    QItemSelectionModel* selection = ui->listSeleccionados->selectionModel();
    QModelIndexList rows = selection->selectedRows(0);
    if (rows.isEmpty()) {
        qWarning("No selection.");
        return;
    }
    while (!rows.isEmpty()) {
        const int r = rows.first().row();
        const int row = findKey(availableProxy, selectedProxy->index(r, 0).data());
        if (row >= 0)
            ui->listTodos->setRowHidden(row, false);
        selectedProxy->removeRows(r, 1);
        rows = selection->selectedRows(0);
    }
}
