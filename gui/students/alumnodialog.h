#ifndef ALUMNODIALOG_H
#define ALUMNODIALOG_H

#include "adialog.h"

#include <QBrush>
#include <QList>
#include <QPair>

class Alumno;
class QTableWidgetItem;

namespace Ui {
class AlumnoDialog;
}

// Creates or edits a student with its named phones. A new student is looked
// up for possible brothers first and, once stored, signed up in a subject.
class AlumnoDialog : public ADialog
{
    Q_OBJECT

public:
    // idAlumno 0: a new student.
    explicit AlumnoDialog(QWidget* parent = nullptr, int idAlumno = 0,
                          Qt::WindowFlags f = Qt::WindowFlags());
    ~AlumnoDialog() override;

public slots:
    void accept() override;
    void addTelefono();
    void delTelefono();

private:
    bool validate();
    bool markDuplicatePhoneNames();
    bool isBlankRow(int row) const;
    void paintRed(QTableWidgetItem* item);
    QTableWidgetItem* nameCell(int row);
    void fillFromAlumno();
    void readIntoAlumno();
    bool askAboutBrothers();
    bool store();
    void reportStoreFailure();

    Ui::AlumnoDialog* ui;
    Alumno* m_alumno = nullptr;
    bool m_brothersWarned = false;
    // the stored account is kept unless the user edits the field
    bool m_cccEdited = false;
    QList<QPair<QTableWidgetItem*, QBrush>> m_markedCells;
};

#endif // ALUMNODIALOG_H
