#ifndef CREARSESIONDECLASEDIALOG_H
#define CREARSESIONDECLASEDIALOG_H

#include "adialog.h"

#include <QList>
#include <QVariantList>

class QCheckBox;
class QTimeEdit;
class SesionDeClase;
class SesionDeClaseCombos;

namespace Ui {
class CrearSesionDeClaseDialog;
}

// Creates the weekly sessions of one subject shift, one per ticked weekday.
// Not modal; deletes itself when closed.
class CrearSesionDeClaseDialog : public ADialog
{
    Q_OBJECT
public:
    // diaSemana 1 (Monday) to 7 ticks that day; minuto presets the times.
    CrearSesionDeClaseDialog(int idAula, int diaSemana, int minuto, QWidget* parent = nullptr,
                             Qt::WindowFlags f = Qt::WindowFlags());
    ~CrearSesionDeClaseDialog() override;

    // True when the form differs from what it showed on opening.
    bool hasChanges() const;

public slots:
    void accept() override;
    void updateCombos(int index);
    void setSameHour(bool same);
    void updateDays();

private:
    bool validateCombos();
    void presetTimes(int minuto);
    void showSharedTimes();
    // The sessions of the ticked days, or an empty list after a refusal.
    QList<SesionDeClase*> buildSessions(bool* refused);
    bool checkRange(int day, const QTime& begin, const QTime& end);
    bool store(const QList<SesionDeClase*>& sessions);
    QVariantList formState() const;

    Ui::CrearSesionDeClaseDialog* ui;
    QList<QCheckBox*> m_dias;
    QList<QTimeEdit*> m_inicios;
    QList<QTimeEdit*> m_fines;
    SesionDeClaseCombos* m_combos;
    // the form as first shown
    QVariantList m_shown;
};

#endif // CREARSESIONDECLASEDIALOG_H
