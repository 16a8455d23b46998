#ifndef ACHECKBOXDELEGATE_H
#define ACHECKBOXDELEGATE_H

#include <QStyledItemDelegate>

// Shows a boolean cell as a centred check box; a mouse press toggles it.
class ACheckBoxDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit ACheckBoxDelegate(QObject* parent = nullptr);
    ~ACheckBoxDelegate() override;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model,
                     const QStyleOptionViewItem& option, const QModelIndex& index) override;
};

#endif // ACHECKBOXDELEGATE_H
