#include "recibodialog.h"
#include "ui_recibodialog.h"

#include "academia.h"
#include "aprompter.h"
#include "moneda.h"
#include "printutils.h"
#include "recibo.h"
#include "screenfit.h"

#include <QPrinter>
#include <QPushButton>

ReciboDialog::ReciboDialog(QWidget* parent, int idRecibo, Qt::WindowFlags f)
    : QDialog(parent, f)
    , ui(std::make_unique<Ui::ReciboDialog>())
    , m_recibo(Recibo::getFromDB(idRecibo))
{
    ui->setupUi(this);
    keepDialogOnScreen(this);
    setAttribute(Qt::WA_DeleteOnClose);
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &ReciboDialog::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &ReciboDialog::reject);
    if (!m_recibo) {
        qWarning() << "ReciboDialog: no bill with id" << idRecibo;
        ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(false);
        ui->pbPrint->setEnabled(false);
        ui->cbEditable->setEnabled(false);
        ui->cbPagado->setEnabled(false);
        return;
    }
    populateDialog();
    makeConnections();
}

ReciboDialog::~ReciboDialog() = default;

// Every question of the dialog belongs to it.
QMessageBox::StandardButton ReciboDialog::preguntar(QMessageBox::Icon icon, const QString& titulo, const QString& texto,
                                       QMessageBox::StandardButtons botones,
                                       QMessageBox::StandardButton porDefecto, const QString& detalle)
{
    return APrompter::instance()->message(icon, titulo, texto, botones, porDefecto, detalle, this);
}

// A stored value outside a field's designed range is shown as stored: the
// range grows to hold it, so that OK never rewrites what nobody touched.
void ReciboDialog::mostrarSinRecortar(QDoubleSpinBox* campo, double valor)
{
    campo->setMinimum(qMin(campo->minimum(), valor));
    campo->setMaximum(qMax(campo->maximum(), valor));
    campo->setValue(valor);
}

void ReciboDialog::populateDialog()
{
    ui->sbNRecibo->setMinimum(qMin(ui->sbNRecibo->minimum(), m_recibo->nRecibo()));
    ui->sbNRecibo->setMaximum(qMax(ui->sbNRecibo->maximum(), m_recibo->nRecibo()));
    ui->sbNRecibo->setValue(m_recibo->nRecibo());
    ui->deFecha->setDate(m_recibo->fecha());
    m_fechaMostrada = ui->deFecha->date();
    ui->cbPagado->setChecked(m_recibo->isPagado());
    mostrarSinRecortar(ui->dsbDescuento, m_recibo->descuento());
    mostrarSinRecortar(ui->dsbImporte, m_recibo->importe());
    mostrarSinRecortar(ui->dsbImportePagado, m_recibo->importePagado());
    // The paid and discount lines are printed from the amounts; the box holds
    // only the concept itself, so OK never stores them into it.
    ui->taConcepto->setPlainText(m_recibo->concepto());
    ui->taDatosAlumno->setPlainText(m_recibo->datosAlumno());
    ui->lePagaderoEn->setText(m_recibo->pagaderoEn());
}

void ReciboDialog::makeConnections()
{
    connect(ui->dsbImportePagado, &QDoubleSpinBox::valueChanged, this, &ReciboDialog::importePagadoChanged);
    connect(ui->pbPrint, &QPushButton::clicked, this, &ReciboDialog::print);
    connect(ui->cbPagado, &QCheckBox::clicked, this, &ReciboDialog::pagadoClicked);
}

// The shown paid amount follows the tick: a bill marked unpaid again owes its
// whole amount until a partial payment is typed.
void ReciboDialog::pagadoClicked(bool pagado)
{
    ui->dsbImportePagado->setValue(pagado ? ui->dsbImporte->value() : 0.0);
}

void ReciboDialog::importePagadoChanged(double importePagado)
{
    const qint64 pagado = Moneda::aCentimos(importePagado);
    const qint64 importe = Moneda::aCentimos(ui->dsbImporte->value());
    if (pagado > importe) {
        preguntar(QMessageBox::Information, tr("Incorrect amount paid"),
                                       tr("The paid amount can't exceed the total bill amount"), QMessageBox::Ok);
        ui->dsbImportePagado->setValue(ui->dsbImporte->value());
        ui->cbPagado->setChecked(true);
        return;
    }
    ui->cbPagado->setChecked(pagado == importe);
}

namespace {
bool mismoImporte(double a, double b)
{
    return Moneda::aCentimos(a) == Moneda::aCentimos(b);
}
} // namespace

// Only fields whose shown value differs from the bill reach its setters: a
// value the user left alone never clears the automatic flag.
void ReciboDialog::updateRecibo()
{
    if (ui->sbNRecibo->value() != m_recibo->nRecibo())
        m_recibo->setNRecibo(ui->sbNRecibo->value());
    if (ui->taConcepto->toPlainText() != m_recibo->concepto())
        m_recibo->setConcepto(ui->taConcepto->toPlainText());
    if (ui->taDatosAlumno->toPlainText() != m_recibo->datosAlumno())
        m_recibo->setDatosAlumno(ui->taDatosAlumno->toPlainText());
    if (!mismoImporte(ui->dsbDescuento->value(), m_recibo->descuento()))
        m_recibo->setDescuento(ui->dsbDescuento->value());
    if (ui->deFecha->date() != m_fechaMostrada || m_recibo->fecha().isValid())
        m_recibo->setFecha(ui->deFecha->date());
    if (!mismoImporte(ui->dsbImporte->value(), m_recibo->importe()))
        m_recibo->setImporte(ui->dsbImporte->value());
    if (!mismoImporte(ui->dsbImportePagado->value(), m_recibo->importePagado()))
        m_recibo->setImportePagado(ui->dsbImportePagado->value());
    m_recibo->setPagado(ui->cbPagado->isChecked());
    if (ui->lePagaderoEn->text() != m_recibo->pagaderoEn())
        m_recibo->setPagaderoEn(ui->lePagaderoEn->text());
}

void ReciboDialog::accept()
{
    if (!m_recibo)
        return;
    updateRecibo();
    if (m_recibo->isAutomatico()) {
        QDialog::accept();
        return;
    }
    if (m_recibo->update()) {
        QDialog::accept();
        return;
    }
    // Recibo::update() rolled its transaction back: the stored bill is unchanged.
    preguntar(
        QMessageBox::Warning, QString(),
        tr("It has been impossible to make bill update. Check no bills with the same bill number exist"));
}

void ReciboDialog::reject()
{
    QDialog::reject();
}

void ReciboDialog::print()
{
    if (!m_recibo)
        return;
    PrintUtils documento(QString(), m_recibo->toHtml(), QString(), nullptr,
                         {qMakePair(QStringLiteral("resources://logo"), Academia::logo())});
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Portrait);
    documento.preview(&printer);
}
