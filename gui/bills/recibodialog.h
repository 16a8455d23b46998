#ifndef RECIBODIALOG_H
#define RECIBODIALOG_H

#include <QDate>
#include <QDialog>
#include <QMessageBox>

#include <memory>

class Recibo;
class QDoubleSpinBox;

namespace Ui {
class ReciboDialog;
}

// One stored bill: mark it paid at any time, correct it once "Edition
// allowed" is ticked, print it. OK writes the bill only when something was
// changed, or when it was already edited by hand before. The dialog deletes
// itself when it closes.
class ReciboDialog : public QDialog
{
    Q_OBJECT
public:
    ReciboDialog(QWidget* parent, int idRecibo, Qt::WindowFlags f = Qt::WindowFlags());
    ~ReciboDialog() override;

    // The bill as the dialog holds it (null when the id loaded none).
    const Recibo* recibo() const { return m_recibo.get(); }

public slots:
    void importePagadoChanged(double importePagado);
    void accept() override;
    void reject() override;
    void print();

private slots:
    void pagadoClicked(bool pagado);

private:
    QMessageBox::StandardButton preguntar(QMessageBox::Icon icon, const QString& titulo, const QString& texto,
                                          QMessageBox::StandardButtons botones = QMessageBox::Ok,
                                          QMessageBox::StandardButton porDefecto = QMessageBox::NoButton,
                                          const QString& detalle = QString());
    void populateDialog();
    void makeConnections();
    void updateRecibo();
    static void mostrarSinRecortar(QDoubleSpinBox* campo, double valor);

    std::unique_ptr<Ui::ReciboDialog> ui;
    std::unique_ptr<Recibo> m_recibo;
    QDate m_fechaMostrada;
};

#endif // RECIBODIALOG_H
