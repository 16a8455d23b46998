#ifndef SPINBOXDELEGATE_H
#define SPINBOXDELEGATE_H

#include <QStyledItemDelegate>

class QSpinBox;

// Edits a classroom's capacity with a spin box from 0 to 1000.
class spinBoxDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit spinBoxDelegate(QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    // The room a whole spin box needs in that view, arrows included, for the
    // view to give its rows and column: the desktop's row height would cut them.
    static QSize wholeEditorSize(const QWidget* view);

private:
    static void setRange(QSpinBox* editor);
};

#endif // SPINBOXDELEGATE_H
