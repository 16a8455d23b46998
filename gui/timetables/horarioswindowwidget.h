#ifndef HORARIOSWINDOWWIDGET_H
#define HORARIOSWINDOWWIDGET_H

#include "centralwidget.h"

#include <QList>

class HorarioAlumnosWidget;
class HorarioAulasWidget;
class HorarioDiasWidget;
class HorarioProfesoresWidget;
class HorariosWidget;
class PageSession;
class QAction;

namespace Ui {
class HorariosWindowWidget;
}

// The timetables section: the views by student, classroom, day and teacher
// on one stack. Every visit edits inside one transaction, settled by the
// status protocol when the section is left.
class HorariosWindowWidget : public CentralWidget
{
    Q_OBJECT
public:
    explicit HorariosWindowWidget(QWidget* parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());
    ~HorariosWindowWidget() override;

    // 1 classrooms, 2 days, 3 teachers, any other value students.
    void showHorario(int horario);
    // Selects that view, to be shown on the entry of the id when the section
    // is next activated; nothing is drawn before.
    void selectHorario(int horario, int id);
    HorariosWidget* currentHorario() const;
    PageSession* pageSession() const { return m_session; }
    // Lays the day view's boxes out in idle turns, ahead of a first visit:
    // their labels are the dear part of drawing, and the canvas keeps them.
    void layOutAhead();

public slots:
    void refresh();
    void activateWidget() override;
    bool isValidState() override;
    void showHorarioAlumnos();
    void showHorarioProfesores();
    void showHorarioDias();
    void showHorarioAulas();

private:
    void checkViewAction(QAction* action);
    void showView(HorariosWidget* view, QAction* action);
    void selectView(HorariosWidget* view, QAction* action);
    HorariosWidget* viewOf(int horario, QAction** action) const;
    void closeDialogs();
    // Asks about session windows holding typed changes before the visit ends:
    // stored into the visit, closed without them, or the visit goes on (false).
    bool settleEditors();
    QList<HorariosWidget*> views() const;

    Ui::HorariosWindowWidget* ui;
    HorarioDiasWidget* m_dias;
    HorarioProfesoresWidget* m_profesores;
    HorarioAulasWidget* m_aulas;
    HorarioAlumnosWidget* m_alumnos;
    HorariosWidget* m_current = nullptr;
    // the entry selectHorario() asked for; -1 when none is waiting
    int m_pendingId = -1;
    PageSession* m_session;
};

#endif // HORARIOSWINDOWWIDGET_H
