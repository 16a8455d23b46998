#ifndef TURNOASIGNATURADIALOG_H
#define TURNOASIGNATURADIALOG_H

#include "adialog.h"

class Asignatura;
class TurnoAsignatura;

namespace Ui {
class TurnoAsignaturaDialog;
}

// Creates or edits one shift of a subject in memory: a new shift is handed to
// the subject, an edited one changed in place; the subject's writer stores it.
class TurnoAsignaturaDialog : public ADialog
{
    Q_OBJECT
public:
    explicit TurnoAsignaturaDialog(Asignatura* asignatura, QWidget* parent = nullptr,
                                   Qt::WindowFlags f = Qt::WindowFlags());
    ~TurnoAsignaturaDialog() override;

    // The shift being edited; null until populateDialog() or an accepted new one.
    TurnoAsignatura* turno() const { return m_turno; }

public slots:
    void populateDialog(TurnoAsignatura* turno);
    void accept() override;

private:
    void readIntoTurno(TurnoAsignatura* turno) const;
    // Hands a new or unstored shift to the subject; false when a stored
    // sister already has its name.
    bool offerToAsignatura();

    Ui::TurnoAsignaturaDialog* ui;
    Asignatura* m_asignatura;
    TurnoAsignatura* m_turno = nullptr;
};

#endif // TURNOASIGNATURADIALOG_H
