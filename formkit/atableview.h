#ifndef ATABLEVIEW_H
#define ATABLEVIEW_H

#include <QTableView>

class QAction;
class QMenu;

// List view with a header menu that shows and hides columns (at least one
// stays visible) and a header state kept in the settings under the object name.
// The last visible column takes whatever width the others leave.
// Return on a row emits doubleClicked(), so that what opens a row on a
// double click opens it from the keyboard too.
class ATableView : public QTableView
{
    Q_OBJECT
public:
    explicit ATableView(QWidget* parent = nullptr);
    ~ATableView() override;

    void setModel(QAbstractItemModel* model) override;
    // Until the user arranges the columns (the view keeps that), they fit
    // their titles and a sample of their rows, within reason; rows that come
    // later (a model filled after the page is built) are fitted once.
    void fitColumnsToContents();

public slots:
    void toggleAll();
    void toggleNone();

protected:
    // Return or Enter on a row opens it as a double click does.
    void keyPressEvent(QKeyEvent* event) override;

private slots:
    void addActionColumn(const QModelIndex& parent, int start, int end);
    void advancedColumnSelection();
    void headerContextMenu(const QPoint& point);
    void changeCol();

private:
    void restoreHeaderState();
    void syncColumnActions();
    bool hasSavedState() const;
    void fitColumnsNow();
    qsizetype selectedCells() const;

    QList<QAction*> columnActions;
    QMenu* headerMenu;
    QAction* selectColumnsAction = nullptr;
    bool fitPending = false;
    qsizetype cellsSelectedBeforeLayout = 0;
};

#endif // ATABLEVIEW_H
