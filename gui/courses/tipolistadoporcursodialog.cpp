#include "tipolistadoporcursodialog.h"
#include "ui_tipolistadoporcursodialog.h"

#include "adatehelper.h"

#include <QCalendarWidget>

TipoListadoPorCursoDialog::TipoListadoPorCursoDialog(QWidget* parent, Qt::WindowFlags f)
    : QDialog(parent, f)
    , ui(new Ui::TipoListadoPorCursoDialog)
{
    ui->setupUi(this);
    ui->deDesde->setDate(ADateHelper::firstDayOfMonth());
    ui->deHasta->setDate(ADateHelper::firstDayOfNextMonth());
    ui->deDesde->calendarWidget()->setFirstDayOfWeek(Qt::Monday);
    ui->deHasta->calendarWidget()->setFirstDayOfWeek(Qt::Monday);
    for (QWidget* w : {static_cast<QWidget*>(ui->deDesde), static_cast<QWidget*>(ui->label_2),
                       static_cast<QWidget*>(ui->deHasta)}) {
        connect(ui->rbAltas, &QRadioButton::toggled, w, &QWidget::setEnabled);
        connect(ui->rbBajas, &QRadioButton::toggled, w, &QWidget::setEnabled);
    }
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

TipoListadoPorCursoDialog::~TipoListadoPorCursoDialog()
{
    delete ui;
}

int TipoListadoPorCursoDialog::tipoListado() const
{
    if (ui->rbAlumnosEuro->isChecked())
        return AlumnosConImportes;
    if (ui->rbAlumnosNoEuro->isChecked())
        return AlumnosSinImportes;
    if (ui->rbAltas->isChecked())
        return Altas;
    if (ui->rbBajas->isChecked())
        return Bajas;
    return Altas;
}

QDate TipoListadoPorCursoDialog::fechaDesde() const
{
    return ui->deDesde->date();
}

QDate TipoListadoPorCursoDialog::fechaHasta() const
{
    return ui->deHasta->date();
}
