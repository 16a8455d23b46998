#ifndef TIPOLISTADOPORCURSODIALOG_H
#define TIPOLISTADOPORCURSODIALOG_H

#include <QDate>
#include <QDialog>

namespace Ui {
class TipoListadoPorCursoDialog;
}

// Asks which listing the courses page makes for the selected course shifts.
class TipoListadoPorCursoDialog : public QDialog
{
    Q_OBJECT
public:
    // The answers of tipoListado(). Withdrawals come before registrations
    // although the options show them the other way round.
    enum Tipo {
        AlumnosConImportes = 1000,
        AlumnosSinImportes = 1001,
        Bajas = 1002,
        Altas = 1003,
    };

    explicit TipoListadoPorCursoDialog(QWidget* parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());
    ~TipoListadoPorCursoDialog() override;

    int tipoListado() const;
    QDate fechaDesde() const;
    QDate fechaHasta() const;

private:
    Ui::TipoListadoPorCursoDialog* ui;
};

#endif // TIPOLISTADOPORCURSODIALOG_H
