#ifndef EDITSESIONDECLASEDIALOG_H
#define EDITSESIONDECLASEDIALOG_H

#include "adialog.h"

class SesionDeClase;
class SesionDeClaseCombos;

namespace Ui {
class EditSesionDeClaseDialog;
}

// Edits one stored class session. Not modal; deletes itself when closed.
class EditSesionDeClaseDialog : public ADialog
{
    Q_OBJECT
public:
    EditSesionDeClaseDialog(int idSesion, QWidget* parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());
    ~EditSesionDeClaseDialog() override;

public slots:
    void accept() override;
    void updateCombos(int index);

private:
    bool validateCombos();
    void fillFields();
    bool checkTimes();
    bool store();

    Ui::EditSesionDeClaseDialog* ui;
    SesionDeClase* m_sesion = nullptr;
    SesionDeClaseCombos* m_combos;
};

#endif // EDITSESIONDECLASEDIALOG_H
