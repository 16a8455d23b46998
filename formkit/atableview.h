#ifndef ATABLEVIEW_H
#define ATABLEVIEW_H

#include <QTableView>

class QAction;
class QMenu;

// List view with a header menu that shows and hides columns (at least one
// stays visible) and a header state kept in the settings under the object name.
class ATableView : public QTableView
{
    Q_OBJECT
public:
    explicit ATableView(QWidget* parent = nullptr);
    ~ATableView() override;

    void setModel(QAbstractItemModel* model) override;

public slots:
    void toggleAll();
    void toggleNone();

private slots:
    void addActionColumn(const QModelIndex& parent, int start, int end);
    void advancedColumnSelection();
    void headerContextMenu(const QPoint& point);
    void changeCol();

private:
    void restoreHeaderState();
    void syncColumnActions();

    QList<QAction*> columnActions;
    QMenu* headerMenu;
    QAction* selectColumnsAction = nullptr;
};

#endif // ATABLEVIEW_H
