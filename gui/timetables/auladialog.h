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

public slots:
    void accept() override;

private:
    void fillFields();
    void copyFieldsInto(Aula* aula) const;
    bool store(Aula* aula);

    Ui::AulaDialog* ui;
    Aula* m_aula = nullptr;
};

#endif // AULADIALOG_H
