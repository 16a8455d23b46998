#include "reciboswidget.h"
#include "ui_reciboswidget.h"

#include "academia.h"
#include "acheckboxdelegate.h"
#include "adatehelper.h"
#include "aprogress.h"
#include "aprompter.h"
#include "asaveashelper.h"
#include "documentosrecibos.h"
#include "listadoresecon.h"
#include "printutils.h"
#include "profesor.h"
#include "proxyhelpers.h"
#include "recibo.h"
#include "recibodialog.h"
#include "recibotablemodel.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QFile>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPointer>
#include <QPrinter>
#include <QProgressDialog>
#include <QSaveFile>
#include <QStandardPaths>

#include <memory>

namespace {
constexpr int kColumnaPagado = 7;

QString idsEntreParentesis(const QList<int>& ids)
{
    QStringList textos;
    for (int id : ids)
        textos << QString::number(id);
    return QStringLiteral("(") + textos.join(QStringLiteral(", ")) + QStringLiteral(")");
}

// A job's turn to paint the window; its modal progress box keeps input out.
void pintarEntrePasos()
{
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
} // namespace

RecibosWidget::RecibosWidget(QWidget* parent, Qt::WindowFlags f)
    : CentralWidget(parent, f)
    , ui(std::make_unique<Ui::RecibosWidget>())
    , m_model(ReciboTableModel::instance())
{
    ui->setupUi(this);
    ui->deFechaDesde->calendarWidget()->setFirstDayOfWeek(Qt::Monday);
    ui->deFechaHasta->calendarWidget()->setFirstDayOfWeek(Qt::Monday);

    m_proxy = createFilterProxy(m_model, this);
    ui->tbvRecibos->setModel(m_proxy);
    ui->tbvRecibos->setSortingEnabled(true);
    ui->tbvRecibos->fitColumnsToContents();

    addActions({ui->actionGenerar_recibos, ui->actionEditar_recibo, ui->actionRegenerar_recibos,
                ui->actionEliminar_recibo, ui->actionResumen_economico, ui->actionGenerar_escrito_impagos});
    ui->tbvRecibos->addActions(actions());
    ui->tbvRecibos->setContextMenuPolicy(Qt::ActionsContextMenu);
    ui->tbvRecibos->setItemDelegateForColumn(kColumnaPagado, new ACheckBoxDelegate(ui->tbvRecibos));

    auto* menu = new QMenu(ui->tbExportarListado);
    menu->addAction(ui->actionExportar_listado);
    menu->addAction(ui->actionImprimir_listado);
    ui->tbExportarListado->setDefaultAction(ui->actionExportar_listado);
    ui->tbExportarListado->setMenu(menu);

    ui->deFechaDesde->setDate(ADateHelper::firstDayOfMonth());
    ui->deFechaHasta->setDate(ADateHelper::firstDayOfNextMonth());

    connect(ui->tbvRecibos, &QAbstractItemView::doubleClicked, this, &RecibosWidget::showEditReciboDialog);
    connect(ui->tbvRecibos->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &RecibosWidget::updateActions);
    connect(m_proxy, &QAbstractItemModel::modelReset, this, &RecibosWidget::updateActions);
    connect(ui->leFiltro, &QLineEdit::textChanged, m_proxy, &ASortFilterProxyModel::setFilterText);
    connect(ui->deFechaDesde, &QDateEdit::dateChanged, m_model, &ReciboTableModel::setDateIni);
    connect(ui->deFechaHasta, &QDateEdit::dateChanged, m_model, &ReciboTableModel::setDateEnd);
    for (QDateEdit* fecha : {ui->deFechaDesde, ui->deFechaHasta})
        connect(fecha, &QDateEdit::dateChanged, this, &RecibosWidget::terminarLectura);
    // A long reading of bills (a year of a large academy) keeps the window
    // painted and can be given up.
    QPointer<RecibosWidget> pagina(this);
    m_model->setAvance([pagina] { return pagina ? pagina->avanceLectura() : true; });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] { m_lectura.reset(); });
    for (QRadioButton* rb : {ui->rbPagadosEImpagados, ui->rbSoloPagados, ui->rbSoloImpagados})
        connect(rb, &QRadioButton::toggled, this, &RecibosWidget::radioButtonsChanged);
    connect(ui->actionGenerar_recibos, &QAction::triggered, this, &RecibosWidget::generarRecibos);
    connect(ui->actionEditar_recibo, &QAction::triggered, this, &RecibosWidget::showEditReciboDialog);
    connect(ui->actionEliminar_recibo, &QAction::triggered, this, &RecibosWidget::deleteReciboConfirm);
    connect(ui->actionRegenerar_recibos, &QAction::triggered, this, &RecibosWidget::regenerarRecibos);
    connect(ui->actionResumen_economico, &QAction::triggered, this, &RecibosWidget::resumenEconomico);
    connect(ui->actionGenerar_escrito_impagos, &QAction::triggered, this, &RecibosWidget::generaEscritoImpagos);
    connect(ui->actionImprimir_listado, &QAction::triggered, this, &RecibosWidget::printList);
    connect(ui->actionExportar_listado, &QAction::triggered, this, &RecibosWidget::saveAsList);
    connect(ui->btnImprimirRecibos, &QPushButton::clicked, this, &RecibosWidget::print);

    updateActions();
}

RecibosWidget::~RecibosWidget() = default;

// Every question of the page belongs to it.
QMessageBox::StandardButton RecibosWidget::preguntar(QMessageBox::Icon icon, const QString& titulo, const QString& texto,
                                       QMessageBox::StandardButtons botones,
                                       QMessageBox::StandardButton porDefecto, const QString& detalle)
{
    return APrompter::instance()->message(icon, titulo, texto, botones, porDefecto, detalle, this);
}

int RecibosWidget::elegir(APrompter::Choice pregunta)
{
    pregunta.parent = this;
    return APrompter::instance()->choose(pregunta);
}

// ---- Selection and actions ---------------------------------------------------

QList<int> RecibosWidget::idsSeleccionados() const
{
    QList<int> ids;
    for (const QModelIndex& fila : ui->tbvRecibos->selectionModel()->selectedRows())
        ids << fila.data(ARole::Id).toInt();
    return ids;
}

QList<int> RecibosWidget::idsVisibles() const
{
    QList<int> ids;
    ids.reserve(m_proxy->rowCount());
    for (int fila = 0; fila < m_proxy->rowCount(); ++fila)
        ids << m_proxy->index(fila, 0).data(ARole::Id).toInt();
    return ids;
}

QList<int> RecibosWidget::idsParaImprimir() const
{
    const QList<int> seleccionados = idsSeleccionados();
    return seleccionados.isEmpty() ? idsVisibles() : seleccionados;
}

void RecibosWidget::updateActions()
{
    const qsizetype n = ui->tbvRecibos->selectionModel()->selectedRows().size();
    const bool libre = !m_ocupado;
    ui->actionGenerar_recibos->setEnabled(libre);
    ui->actionEditar_recibo->setEnabled(libre && n == 1);
    ui->actionEliminar_recibo->setEnabled(libre && n > 0);
    ui->actionRegenerar_recibos->setEnabled(libre && n > 0);
    ui->actionResumen_economico->setEnabled(libre);
    ui->actionGenerar_escrito_impagos->setEnabled(libre && ui->rbSoloImpagados->isChecked());
    ui->actionImprimir_listado->setEnabled(libre);
    ui->actionExportar_listado->setEnabled(libre);
    ui->btnImprimirRecibos->setEnabled(libre);
}

void RecibosWidget::radioButtonsChanged()
{
    if (ui->rbPagadosEImpagados->isChecked())
        m_model->setPagados(Recibo::PAGADOS_E_IMPAGADOS);
    else if (ui->rbSoloImpagados->isChecked())
        m_model->setPagados(Recibo::SOLOIMPAGADOS);
    else if (ui->rbSoloPagados->isChecked())
        m_model->setPagados(Recibo::SOLOPAGADOS);
    updateActions();
}

// ---- Long jobs ---------------------------------------------------------------

bool RecibosWidget::avanceLectura()
{
    if (!m_lectura)
        m_lectura = std::make_unique<AProgress>(this);
    return m_lectura->update(tr("Reading the bills of the period..."), 0, 0);
}

// A reading given up leaves the period as it was: the dates show it again.
void RecibosWidget::terminarLectura()
{
    m_lectura.reset();
    for (auto [edit, fecha] : {std::pair{ui->deFechaDesde, m_model->dateIni()},
                               std::pair{ui->deFechaHasta, m_model->dateEnd()}}) {
        if (edit->date() != fecha) {
            const QSignalBlocker bloqueo(edit);
            edit->setDate(fecha);
        }
    }
}

// The page and every window stay closed to input behind a modal progress box
// until the job ends, so no second job starts inside the first; the box and
// the page are painted before the job begins.
void RecibosWidget::empezarTrabajo(const QString& texto)
{
    m_ocupado = true;
    updateActions();
    setCursor(Qt::WaitCursor);
    m_progreso = std::make_unique<QProgressDialog>(texto, QString(), 0, 0, this);
    m_progreso->setWindowModality(Qt::ApplicationModal);
    m_progreso->setMinimumDuration(0);
    m_progreso->setAutoClose(false);
    m_progreso->show();
    pintarEntrePasos();
}

void RecibosWidget::terminarTrabajo()
{
    m_progreso.reset();
    setCursor(Qt::ArrowCursor);
    m_ocupado = false;
    updateActions();
}

// ---- Generation and regeneration ---------------------------------------------

void RecibosWidget::generarRecibos()
{
    if (m_ocupado)
        return;
    int modo = 0;
    if (!Recibo::existenRecibosMes(0)) {
        qDebug() << "Solo se van a crear recibos";
    } else {
        APrompter::Choice pregunta;
        pregunta.text = tr("There are bills already generated for this month.");
        pregunta.informativeText = tr("As well as creating nonexistent bills , Do you want to overwrite selected ones?");
        pregunta.buttons = {tr("Only bills with no manual changes"), tr("All bills"),
                            tr("Don't overwrite. Just generate new ones"), tr("Cancel")};
        // Enter keeps every bill.
        pregunta.defaultIndex = 2;
        pregunta.escapeIndex = 3;
        switch (elegir(pregunta)) {
        case 0:
            qDebug() << "Automatic bills will be generated and overwritten";
            modo = 1;
            break;
        case 1:
            qDebug() << "All bills will be generated and overwritten";
            modo = 2;
            break;
        case 2:
            qDebug() << "Bills will only be created";
            modo = 0;
            break;
        default:
            return;
        }
    }

    empezarTrabajo(tr("Generating the bills of the month..."));
    // Only the month's bills are written: the list reads again only those.
    m_model->soloCambianDias(ADateHelper::firstDayOfMonth(), ADateHelper::firstDayOfNextMonth());
    const QList<int> cuentas = Recibo::generarRecibos(modo, 0, QList<Alumno*>(), 0, pintarEntrePasos);
    // painted between the writing and the reading
    pintarEntrePasos();
    m_model->soloCambianDias(QDate(), QDate());
    terminarTrabajo();

    // A failed run answers no counts at all, and has undone everything.
    if (cuentas.size() != 3) {
        preguntar(QMessageBox::Critical, tr("Result"),
                                       tr("The bills could not be generated; nothing was changed."));
        return;
    }
    preguntar(QMessageBox::Information, tr("Result"),
                                   tr("%1 bills created.\n%2 bills modified.\n%3 bills unchanged.")
                                       .arg(cuentas.at(0))
                                       .arg(cuentas.at(1))
                                       .arg(cuentas.at(2)));
}

void RecibosWidget::regenerarRecibos()
{
    if (m_ocupado)
        return;
    if (preguntar(QMessageBox::Question, QString(),
                                       tr("This tool will regenerate selected bills, overwriting all their data."),
                                       QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::NoButton,
                                       tr("Do you want to go on?"))
        != QMessageBox::Ok)
        return;
    const QList<int> ids = idsSeleccionados();
    if (ids.isEmpty())
        return;

    empezarTrabajo(tr("Regenerating the selected bills..."));
    const QList<Recibo*> recibos = Recibo::getFromDB(ids);
    m_model->soloCambianDias(ADateHelper::firstDayOfMonth(), ADateHelper::firstDayOfNextMonth());
    const int regenerados = Recibo::regenerarRecibos(recibos, 0, 0, pintarEntrePasos);
    pintarEntrePasos();
    m_model->soloCambianDias(QDate(), QDate());
    qDeleteAll(recibos);
    terminarTrabajo();

    if (regenerados < 0) {
        preguntar(QMessageBox::Critical, tr("Result"),
                                       tr("The bills could not be regenerated; nothing was changed."));
        return;
    }
    preguntar(QMessageBox::Information, tr("Result"),
                                   tr("%1 bills regenerated.").arg(regenerados));
}

// ---- Editing and deleting ----------------------------------------------------

void RecibosWidget::showEditReciboDialog()
{
    if (m_ocupado)
        return;
    const QList<int> ids = idsSeleccionados();
    if (ids.size() != 1) {
        preguntar(QMessageBox::Warning, QString(),
                                       tr("You must select just one bill in order to edit it."), QMessageBox::Ok,
                                       QMessageBox::NoButton, tr("Select just one bill and try again."));
        return;
    }
    // The dialog deletes itself when it closes; the shared model follows the write.
    QPointer<ReciboDialog> dialogo = new ReciboDialog(this, ids.first());
    dialogo->exec();
}

void RecibosWidget::deleteReciboConfirm()
{
    if (m_ocupado)
        return;
    const QList<int> ids = idsSeleccionados();
    if (ids.isEmpty())
        return;
    if (preguntar(
            QMessageBox::Question, QString(), tr("Selected bills will be permanently deleted"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
            tr("Are you sure you want to delete the %n selected bill(s)?", nullptr, int(ids.size())))
        != QMessageBox::Yes)
        return;
    if (!Recibo::removeList(ids)) {
        preguntar(QMessageBox::Critical, tr("Error deleting bill"),
                                       tr("Internal error deleting some bills in selected list."));
        qWarning() << "No se pudo borrar algún recibo de la lista siguiente: " + idsEntreParentesis(ids);
    }
}

// ---- Printed documents -------------------------------------------------------

void RecibosWidget::previsualizar(PrintUtils& documento)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Portrait);
    documento.preview(&printer);
}

void RecibosWidget::previsualizar(const QString& cabecera, const QString& contenido, const QString& pie)
{
    PrintUtils documento(cabecera, contenido, pie, nullptr, DocumentosRecibos::imagenes());
    previsualizar(documento);
}

// The bills are read and laid out a batch at a time while they print, with
// their progress shown; nothing is prepared before the preview.
void RecibosWidget::print()
{
    if (m_ocupado)
        return;
    m_ocupado = true;
    updateActions();
    PrintUtils documento(QString(), DocumentosRecibos::lotesRecibos(idsParaImprimir()), QString(), nullptr,
                         DocumentosRecibos::imagenes());
    previsualizar(documento);
    m_ocupado = false;
    updateActions();
}

void RecibosWidget::generaEscritoImpagos()
{
    if (m_ocupado)
        return;
    APrompter::Choice idioma;
    idioma.text = tr("In which language do you want to get the unpaid document?");
    idioma.buttons = {tr("Galician"), tr("Spanish")};
    const int respuesta = elegir(idioma);
    if (respuesta < 0)
        return;
    const QLocale locale = respuesta == 0 ? QLocale(QLocale::Galician, QLocale::Spain)
                                          : QLocale(QLocale::Spanish, QLocale::Spain);

    // The letters are written and laid out a batch at a time while they
    // print, with their progress shown; only what they say of the bills is kept.
    m_ocupado = true;
    updateActions();
    const QList<int> ids = idsSeleccionados();
    const QList<Recibo*> recibos = Recibo::getFromDB(ids);
    PrintUtils documento(Academia::cabeceraListado(),
                         ids.isEmpty() ? DocumentosRecibos::lotesCartasImpagadas(locale)
                                       : DocumentosRecibos::lotesCartas(recibos, locale),
                         QString(), nullptr, DocumentosRecibos::imagenes());
    qDeleteAll(recibos);
    previsualizar(documento);
    m_ocupado = false;
    updateActions();
}

// ---- Economic summary ----------------------------------------------------------

QString RecibosWidget::paginaResumenEconomico(const QString& contenido)
{
    return Academia::rellenarPlantilla(QStringLiteral(":/html/pageResumenEconomico.html"),
                                       {{QStringLiteral("%%CONTENT%%"), contenido}});
}

void RecibosWidget::resumenEconomico()
{
    if (m_ocupado)
        return;
    std::unique_ptr<ListadoResEcon> resumen(Profesor::resumenEconomico(QDate(), QDate()));

    APrompter::Choice formato;
    formato.text = tr("Do you want to get economic summary in excel format or do you want to preview it in screen "
                      "and be able to print it?");
    formato.buttons = {tr("Excel"), tr("Preview and print"), tr("Cancel")};
    formato.escapeIndex = 2;
    const int respuesta = elegir(formato);
    if (respuesta == 1) {
        const QString cabecera = Academia::cabeceraListado();
        qDebug() << "Cabecera processed";
        const QString pie = Academia::pieListado();
        qDebug() << "Pie processed";
        previsualizar(cabecera, paginaResumenEconomico(resumen->toHtml(true)), pie);
    } else if (respuesta == 0) {
        guardarLibro(resumen->toXls());
    }
}

// The name the user gave in the save dialog, ending in ".xlsx"; empty when
// none was given. The dialog opens on the documents folder, made when missing,
// so that it never offers the folder itself as the file's name.
QString RecibosWidget::nombreDelLibro()
{
    const QString documentos = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QDir().mkpath(documentos);
    QFileDialog dialogo(this, tr("Save report"), QString(), tr("Excel (*.xlsx)"));
    if (QFileInfo(documentos).isDir())
        dialogo.setDirectory(documentos);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setFileMode(QFileDialog::AnyFile);
    dialogo.setDefaultSuffix(QStringLiteral("xlsx"));
    QString destino = dialogo.exec() == QDialog::Accepted ? dialogo.selectedFiles().value(0) : QString();
    if (destino.isEmpty() || QFileInfo(destino).isDir())
        return QString();
    if (!destino.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive))
        destino += QLatin1String(".xlsx");
    return destino;
}

// The workbook is written in the temporary folder first; the chosen file is
// replaced only by a complete copy of it, and a failure is told.
void RecibosWidget::guardarLibro(const QString& temporal)
{
    if (temporal.isEmpty()) {
        preguntar(QMessageBox::Critical, tr("Save report"),
                                       tr("The economic summary workbook could not be written."));
        return;
    }
    const QString destino = nombreDelLibro();
    if (destino.isEmpty()) {
        QFile::remove(temporal);
        return;
    }

    QFile origen(temporal);
    QSaveFile salida(destino);
    const bool escrito = origen.open(QIODevice::ReadOnly) && salida.open(QIODevice::WriteOnly)
                         && salida.write(origen.readAll()) == origen.size() && salida.commit();
    origen.close();
    QFile::remove(temporal);
    if (!escrito) {
        qWarning() << "Unable to override file " << destino;
        preguntar(QMessageBox::Critical, tr("Save report"),
                                       APrompter::asText(tr("The report could not be saved as %1.").arg(destino)),
                                       QMessageBox::Ok, QMessageBox::NoButton, salida.errorString());
    }
}

// ---- The list itself -------------------------------------------------------------

void RecibosWidget::printList()
{
    ASaveAsHelper::printTableView(tr("Bill listing"), ui->tbvRecibos);
}

void RecibosWidget::saveAsList()
{
    ASaveAsHelper::saveAs(this, tr("Bill listing"), QStringLiteral("bill_listing"), ui->tbvRecibos);
}
