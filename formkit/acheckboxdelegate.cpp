#include "acheckboxdelegate.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QPainter>
#include <QPixmap>

ACheckBoxDelegate::ACheckBoxDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
{
}

ACheckBoxDelegate::~ACheckBoxDelegate() = default;

void ACheckBoxDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const
{
    // Background and selection only: the check box replaces the text. The
    // option is filled from this cell and its text dropped: filled from no
    // cell, Qt keeps the data of the cell last measured (the column fitting
    // measures a sample), and another row's value would show as text.
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    background.features &= ~QStyleOptionViewItem::HasDisplay;
    QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, option.widget);

    const bool checked = index.model() ? index.model()->data(index, Qt::DisplayRole).toBool() : false;
    QCheckBox box;
    box.setChecked(checked);
    box.setStyleSheet(QStringLiteral(" QCheckBox {background-color: transparent;}QCheckBox::indicator {}"));

    QPixmap pixmap(option.rect.width(), option.rect.height());
    if (pixmap.isNull())
        return;
    pixmap.fill(Qt::transparent);
    box.render(&pixmap, QPoint(), QRegion(),
               QWidget::DrawWindowBackground | QWidget::DrawChildren);
    painter->drawPixmap(option.rect.center() - box.rect().center(), pixmap);
}

bool ACheckBoxDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                    const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (event->type() == QEvent::MouseButtonPress && model) {
        const bool value = model->data(index, Qt::DisplayRole).toBool();
        model->setData(index, !value, Qt::EditRole);
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}
