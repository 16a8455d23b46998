#ifndef TURNOCURSODIALOG_H
#define TURNOCURSODIALOG_H

#include "adialog.h"

#include <QList>

class Asignatura;
class Curso;
class QComboBox;
class QSignalMapper;
class TurnoCurso;

namespace Ui {
class TurnoCursoDialog;
}

// Creates or edits one course shift of a course held in memory by the course
// dialog: its name, price and one shift of every course subject. Subject
// shifts created here are held by their subject until the course is stored.
class TurnoCursoDialog : public ADialog
{
    Q_OBJECT
public:
    TurnoCursoDialog(Curso* curso, TurnoCurso* turnoCurso, QWidget* parent = nullptr,
                     Qt::WindowFlags f = Qt::WindowFlags());
    ~TurnoCursoDialog() override;

    TurnoCurso* turnoCurso() const { return m_turnoCurso; }

public slots:
    void accept() override;
    void addTurnoAsignatura(int fila);

private:
    void addFilaAsignatura(Asignatura* asignatura, int fila);
    void fillCombo(int fila);
    void cargarTurnoCurso();
    void updateTurnoCurso();

    Ui::TurnoCursoDialog* ui;
    Curso* m_curso;
    TurnoCurso* m_turnoCurso;
    QSignalMapper* m_mapper;
    QList<QComboBox*> m_combos;
};

#endif // TURNOCURSODIALOG_H
