#ifndef SELECTCOLUMNSDIALOG_H
#define SELECTCOLUMNSDIALOG_H

#include <QDialog>
#include <QItemSelection>

class QAbstractItemModel;
class QSortFilterProxyModel;

namespace Ui {
class SelectColumnsDialog;
}

// Two-list chooser. Rows hold a key in column 0 and the shown text in
// column 1; the selected model is edited in place.
class SelectColumnsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SelectColumnsDialog(QWidget* parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags(),
                                 QString caption1 = QString(), QString caption2 = QString());
    ~SelectColumnsDialog() override;

    // Ok and Cancel when true, Close alone when false.
    void setAcceptButtonsVisible(bool visible);
    void setModels(QAbstractItemModel* selected, QAbstractItemModel* available);

private slots:
    void on_btnAdd_clicked();
    void on_btnRemove_clicked();
    void enableAdd(const QItemSelection& selection);
    void enableRemove(const QItemSelection& selection);
    void hideAlreadySelected(const QModelIndex& parent, int start, int end);

private:
    int findKey(QSortFilterProxyModel* proxy, const QVariant& key) const;

    Ui::SelectColumnsDialog* ui;
    QSortFilterProxyModel* availableProxy;
    QSortFilterProxyModel* selectedProxy;
};

#endif // SELECTCOLUMNSDIALOG_H
