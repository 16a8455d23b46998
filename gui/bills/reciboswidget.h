#ifndef RECIBOSWIDGET_H
#define RECIBOSWIDGET_H

#include "aprompter.h"
#include "centralwidget.h"

#include <QList>
#include <QString>

#include <memory>

class AProgress;
class PrintUtils;
class QProgressDialog;
class ASortFilterProxyModel;
class ReciboTableModel;

namespace Ui {
class RecibosWidget;
}

// The bills section: the bills of a period in the shared bill model, filtered
// by paid state and by a text, with the month's generation, editing,
// deletion, printing, unpaid-bill letters and the economic summary.
class RecibosWidget : public CentralWidget
{
    Q_OBJECT
public:
    explicit RecibosWidget(QWidget* parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());
    ~RecibosWidget() override;

    // True while a generation, regeneration or print job runs: the page
    // then takes no command.
    bool ocupado() const { return m_ocupado; }

    // The bills a print job takes: the selected ones, else every listed one
    // in the view's order.
    QList<int> idsParaImprimir() const;

public slots:
    void generarRecibos();
    void regenerarRecibos();
    void showEditReciboDialog();
    void print();
    void radioButtonsChanged();
    void deleteReciboConfirm();
    void updateActions();
    void resumenEconomico();
    void generaEscritoImpagos();
    void saveAsList();
    void printList();

private:
    QMessageBox::StandardButton preguntar(QMessageBox::Icon icon, const QString& titulo, const QString& texto,
                                          QMessageBox::StandardButtons botones = QMessageBox::Ok,
                                          QMessageBox::StandardButton porDefecto = QMessageBox::NoButton,
                                          const QString& detalle = QString());
    int elegir(APrompter::Choice pregunta);
    QList<int> idsSeleccionados() const;
    QList<int> idsVisibles() const;
    QString paginaResumenEconomico(const QString& contenido);
    void previsualizar(const QString& cabecera, const QString& contenido, const QString& pie);
    void previsualizar(PrintUtils& documento);
    void guardarLibro(const QString& temporal);
    QString nombreDelLibro();

    bool avanceLectura();
    void terminarLectura();
    void empezarTrabajo(const QString& texto);
    void terminarTrabajo();

    std::unique_ptr<Ui::RecibosWidget> ui;
    ReciboTableModel* m_model;
    ASortFilterProxyModel* m_proxy;
    std::unique_ptr<QProgressDialog> m_progreso;
    std::unique_ptr<AProgress> m_lectura;
    bool m_ocupado = false;
};

#endif // RECIBOSWIDGET_H
