#ifndef AULADIALOG_H
#define AULADIALOG_H

#include "adialog.h"

class Aula;

namespace Ui {
class AulaDialog;
}

// Creates or edits one classroom. Not modal; deletes itself when closed.
class AulaDialog : public ADialog
{
    Q_OBJECT
public:
    // idAula 0: a new classroom.
    AulaDialog(QWidget* parent, int idAula, Qt::WindowFlags f = Qt::WindowFlags());
    ~AulaDialog() override;

    // False when opened for a classroom id that is not stored: such a dialog
    // must not be shown, and it stores nothing.
    bool found() const;
    static QString notFoundText();

public slots:
    void accept() override;

private:
    void fillFields();
    void copyFieldsInto(Aula* aula) const;
    bool store(Aula* aula);

    Ui::AulaDialog* ui;
    Aula* m_aula = nullptr;
    bool m_missing = false;
};

#endif // AULADIALOG_H
