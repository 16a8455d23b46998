#ifndef ASIGNATURASWIDGET_H
#define ASIGNATURASWIDGET_H

#include "centralwidget.h"

#include <QList>

class PageSession;
class QSortFilterProxyModel;

namespace Ui {
class AsignaturasWidget;
}

// The subjects section: one row per subject shift. Subjects are created and
// edited in the subject dialog; shifts are deleted here, in one transaction
// that the status check ends.
class AsignaturasWidget : public CentralWidget
{
    Q_OBJECT
public:
    explicit AsignaturasWidget(QWidget* parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());
    ~AsignaturasWidget() override;

    // False while a deletion waits for the user's decision and he still
    // leaves it pending.
    bool isValidState() override;
    bool hasPendingDeletion() const;

public slots:
    void showAsignaturaDialog();
    void deleteAsignatura();
    void updateAsignatura();
    void updateActions();
    void saveListAs();
    void printLis();

private:
    QList<int> selectedIds() const;
    bool removeAll(const QList<int>& ids);

    Ui::AsignaturasWidget* ui;
    QSortFilterProxyModel* m_proxy;
    PageSession* m_session;
};

#endif // ASIGNATURASWIDGET_H
