#ifndef ALUMNOSWIDGET_H
#define ALUMNOSWIDGET_H

#include "centralwidget.h"

#include <QList>

class AlumnoTableModel;
class ASortFilterProxyModel;

namespace Ui {
class AlumnosWidget;
}

// The students section: the list of current, former or all students and
// every operation on them.
class AlumnosWidget : public CentralWidget
{
    Q_OBJECT

public:
    explicit AlumnosWidget(QWidget* parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());
    ~AlumnosWidget() override;

    // Reloads the students the page shows when they may have changed.
    void refreshModel();

signals:
    // Asks to show the timetable of the student with this id.
    void cambioAHorarioAlumno(int idAlumno);

public slots:
    void showAlumnoDialog();
    void showEditAlumnoDialog();
    void showAsignaturasAlumnoDialog();
    void dropAsignaturasAlumno();
    void deleteAlumnoConfirm();
    void updateActions();
    void saveListAs();
    void radioButtonsChanged();
    void printList();
    void verHorarioAlumno();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void sortOnceLoaded();
    QList<int> selectedIds() const;
    bool exactlyOneSelected(const QString& headline);
    QStringList withdraw(const QList<int>& ids, const QDate& fecha, QStringList* enrolments);
    bool confirmDeletion(int idAlumno);
    void remove(int idAlumno);
    void reportBatchFailure();

    Ui::AlumnosWidget* ui;
    AlumnoTableModel* m_model;
    ASortFilterProxyModel* m_proxy;
};

#endif // ALUMNOSWIDGET_H
