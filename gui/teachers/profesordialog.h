#ifndef PROFESORDIALOG_H
#define PROFESORDIALOG_H

#include "adialog.h"

class Profesor;
class QDoubleSpinBox;
class QLabel;

namespace Ui {
class ProfesorDialog;
}

// Creates or edits one teacher; the pay rows follow the academy's billing options.
class ProfesorDialog : public ADialog
{
    Q_OBJECT
public:
    explicit ProfesorDialog(QWidget* parent = nullptr, int idProfesor = 0, Qt::WindowFlags f = Qt::WindowFlags());
    ~ProfesorDialog() override;

    // The teacher being edited; null for a new one until OK.
    Profesor* profesor() const { return m_profesor; }

public slots:
    void accept() override;
    void addTelefono();
    void delTelefono();
    void altaChanged();

private:
    struct FilaSueldo
    {
        QLabel* label;
        QDoubleSpinBox* spinBox;
        double stored;
        bool shown;
    };
    void installValidators();
    void applyPayOptions();
    QList<FilaSueldo> filasSueldo() const;
    // True when nothing stored is lost, or the user agrees to lose it.
    bool confirmHiddenPayLoss();
    void fillFromProfesor();
    void readIntoProfesor();
    bool keepStoredCcc() const;
    void setBajaEnabled(bool enabled);

    Ui::ProfesorDialog* ui;
    Profesor* m_profesor = nullptr;
    // The last text the user typed into the account field.
    QString m_cccTecleado;
    bool m_cccEditado = false;
    // Monthly, hourly and percentage pay as stored, before the options hide any.
    QList<double> m_sueldosGuardados;
};

#endif // PROFESORDIALOG_H
