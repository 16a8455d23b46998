#ifndef PROFESORESWIDGET_H
#define PROFESORESWIDGET_H

#include "centralwidget.h"

#include <QList>

#include <memory>

class Listado;
class Profesor;
class PageSession;
class QSortFilterProxyModel;

namespace Ui {
class ProfesoresWidget;
}

// The teachers section: the teacher list, the teacher dialog, deletion in a
// transaction that the status check ends, the two one-teacher reports and
// the jump to the teacher's timetable.
class ProfesoresWidget : public CentralWidget
{
    Q_OBJECT
public:
    explicit ProfesoresWidget(QWidget* parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());
    ~ProfesoresWidget() override;

    void activateWidget() override;
    // False while a deletion waits for the user's decision and he still
    // leaves it pending.
    bool isValidState() override;
    bool hasPendingDeletion() const;

signals:
    void cambiaAHorarioProfe(int idProfesor);

public slots:
    void showProfesorDialog();
    void showEditProfesorDialog();
    void deleteProfesorConfirm();
    void updateActions();
    void saveListAs();
    void obtenerListadoAlumnos();
    void obtenerLiquidacion();
    void printList();
    void verHorarioProfe();

private:
    QList<int> selectedIds() const;
    // The one selected teacher, or 0.
    int selectedId() const;
    // That teacher loaded; null (and a trace) unless exactly one is selected.
    std::unique_ptr<Profesor> selectedProfesor() const;
    void removeAll(const QList<int>& ids);
    // Previews the listings as one document and deletes them.
    void preview(const QList<Listado*>& listados);

    Ui::ProfesoresWidget* ui;
    QSortFilterProxyModel* m_proxy;
    PageSession* m_session;
};

#endif // PROFESORESWIDGET_H
