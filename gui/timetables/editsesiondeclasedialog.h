#ifndef EDITSESIONDECLASEDIALOG_H
#define EDITSESIONDECLASEDIALOG_H

#include "adialog.h"

#include <QVariantList>

class SesionDeClase;
class SesionDeClaseCombos;

namespace Ui {
class EditSesionDeClaseDialog;
}

// Edits one stored class session. Not modal; deletes itself when closed.
// A session has at most one editor, and an editor never overwrites what was
// stored for its session after it opened.
class EditSesionDeClaseDialog : public ADialog
{
    Q_OBJECT
public:
    EditSesionDeClaseDialog(int idSesion, QWidget* parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());
    ~EditSesionDeClaseDialog() override;

    // The open editor of that session, brought to the front; nullptr when none.
    static EditSesionDeClaseDialog* raiseEditorOf(int idSesion);
    // True when the form differs from what it showed on opening.
    bool hasChanges() const;

public slots:
    void accept() override;
    void updateCombos(int index);

private:
    bool validateCombos();
    void fillFields();
    bool checkTimes();
    bool store();
    // False, with a message, when the stored session is gone or no longer
    // what this editor loaded.
    bool storedAsLoaded();
    QVariantList formState() const;

    Ui::EditSesionDeClaseDialog* ui;
    SesionDeClase* m_sesion = nullptr;
    SesionDeClaseCombos* m_combos;
    int m_idSesion;
    // the session's fields as loaded, and the form as first shown
    QVariantList m_loaded;
    QVariantList m_shown;
};

#endif // EDITSESIONDECLASEDIALOG_H
