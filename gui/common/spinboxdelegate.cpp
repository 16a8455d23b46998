#include "spinboxdelegate.h"

#include <QSpinBox>

spinBoxDelegate::spinBoxDelegate(QObject* parent) : QStyledItemDelegate(parent)
{
}

QWidget* spinBoxDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                       const QModelIndex&) const
{
    auto* editor = new QSpinBox(parent);
    editor->setFrame(false);
    setRange(editor);
    return editor;
}

void spinBoxDelegate::setRange(QSpinBox* editor)
{
    editor->setMinimum(0);
    editor->setMaximum(1000);
}

QSize spinBoxDelegate::wholeEditorSize(const QWidget* view)
{
    QSpinBox whole;
    whole.setFont(view->font());
    setRange(&whole);
    return whole.sizeHint();
}

void spinBoxDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    // Capacities loaded from the database are text; anything not a number starts at 0.
    const int value = index.model()->data(index, Qt::EditRole).toInt();
    static_cast<QSpinBox*>(editor)->setValue(value);
}

void spinBoxDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                   const QModelIndex& index) const
{
    auto* spinBox = static_cast<QSpinBox*>(editor);
    spinBox->interpretText();
    model->setData(index, spinBox->value(), Qt::EditRole);
}
