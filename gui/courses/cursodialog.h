#ifndef CURSODIALOG_H
#define CURSODIALOG_H

#include "adialog.h"

#include <QModelIndex>

class Curso;

namespace Ui {
class CursoDialog;
}

// Creates or edits a course with its subjects and course shifts, all in
// memory until Ok stores the course, together with the subject shifts
// created for its course shifts; Cancel writes nothing.
class CursoDialog : public ADialog
{
    Q_OBJECT
public:
    explicit CursoDialog(QWidget* parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());
    ~CursoDialog() override;

    // Adopts the course and shows it.
    void setCurso(Curso* curso);
    Curso* curso() const { return m_curso; }

public slots:
    void accept() override;
    void addTurno();
    void delTurno();
    void addAsignatura();
    void delAsignatura();
    void editTurnoCurso(const QModelIndex& index);

private:
    void readIntoCurso();
    void fillTurnos();
    void fillAsignaturas();
    // The first reason the course cannot be stored as it stands, with its
    // detail; empty when it can.
    bool refusal(QString* text, QString* detail);
    bool store();

    Ui::CursoDialog* ui;
    Curso* m_curso = nullptr;
};

#endif // CURSODIALOG_H
