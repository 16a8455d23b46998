#include "horarioswidget.h"
#include "ui_horarioswidget.h"

#include "academia.h"
#include "aprompter.h"
#include "atimetablewidget.h"
#include "aula.h"
#include "crearsesiondeclasedialog.h"
#include "dbmanager.h"
#include "editsesiondeclasedialog.h"
#include "estadoacademia.h"
#include "estadoacademiainconsistencia.h"
#include "estadoacademiainconsistenciasolapamiento.h"
#include "pagesession.h"
#include "printutils.h"
#include "sesiondeclase.h"

#include <QApplication>
#include <QFont>
#include <QGraphicsScene>
#include <QMenu>
#include <QPrinter>
#include <QSettings>

namespace {
const QString kConfiguration = QStringLiteral("CONFIGURATION");
const QString kLastSession = QStringLiteral("LASTSESSIONSTATUS");
const QString kShowAll = QStringLiteral("mostrar_todas_horas");
const QString kOpening = QStringLiteral("hora_apertura");
const QString kClosing = QStringLiteral("hora_cierre");
// the smallest printed text, in points
constexpr double kReadablePoints = 7.0;
// how far below the usual size a label may shrink on paper to fit its box
constexpr double kPrintShrink = 1.0;
} // namespace

HorariosWidget::HorariosWidget(QWidget* parent, Qt::WindowFlags f)
    : CentralWidget(parent, f)
    , ui(new Ui::HorariosWidget)
{
    ui->setupUi(this);
    ui->graphicsView->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui->graphicsView->setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    ui->graphicsView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui->timetableSelCmb, &QComboBox::currentIndexChanged, this, &HorariosWidget::refresh);
    connect(ui->graphicsView, &QWidget::customContextMenuRequested, this, &HorariosWidget::showContextMenu);
    connect(ui->cbShowAllHours, &QCheckBox::toggled, this, qOverload<bool>(&HorariosWidget::changeHourRange));
    connect(ui->btnPrint, &QPushButton::pressed, this, &HorariosWidget::print);

    QSettings settings;
    settings.beginGroup(kConfiguration);
    if (!settings.contains(kShowAll))
        settings.setValue(kShowAll, false);
    const bool showAll = settings.value(kShowAll).toBool();
    settings.endGroup();
    {
        const QSignalBlocker blocker(ui->cbShowAllHours);
        ui->cbShowAllHours->setChecked(showAll);
    }
    changeHourRange(showAll, showAll);

    m_menu = new QMenu(this);
    m_menu->addAction(ui->actionAdd_session);
    m_menu->addAction(ui->actionEdit_session);
    m_menu->addAction(ui->actionRemove_session);
    connect(ui->actionAdd_session, &QAction::triggered, this, &HorariosWidget::addSesion);
    connect(ui->actionEdit_session, &QAction::triggered, this, &HorariosWidget::editSesion);
    connect(ui->actionRemove_session, &QAction::triggered, this, &HorariosWidget::removeSesion);
    updateActions();
}

HorariosWidget::~HorariosWidget()
{
    closeDialogs();
    qDeleteAll(m_sesiones);
    delete ui;
}

ATimeTableWidget* HorariosWidget::canvas() const
{
    return ui->graphicsView;
}

void HorariosWidget::setPageSession(PageSession* session)
{
    m_session = session;
}

void HorariosWidget::activateWidget()
{
    activateOn(m_chooserFilledOnce ? currentId() : firstShownId());
}

void HorariosWidget::activateOn(int id)
{
    // one refresh, after the chooser holds what is stored now
    disconnect(ui->timetableSelCmb, &QComboBox::currentIndexChanged, this, &HorariosWidget::refresh);
    fillChooser();
    setCurrentId(id);
    connect(ui->timetableSelCmb, &QComboBox::currentIndexChanged, this, &HorariosWidget::refresh);
    m_activated = true;
    refresh();
}

void HorariosWidget::fillChooser()
{
    const QStringList tables = chooserTables();
    if (!tables.isEmpty() && m_chooserFilled.isCurrent())
        return;
    refreshCmb();
    m_chooserFilled = TableStamp(tables);
    m_chooserFilled.take();
    m_chooserFilledOnce = true;
}

bool HorariosWidget::isValidState()
{
    if (!m_session || !m_session->isOpen())
        return true;
    switch (m_session->finish(true)) {
    case PageSession::Outcome::Committed:
    case PageSession::Outcome::NothingOpen:
        return true;
    case PageSession::Outcome::Reverted:
        refresh();
        return false;
    case PageSession::Outcome::KeptOpen:
    case PageSession::Outcome::CommitFailed:
        // the visit's work stays in the open transaction
        return false;
    }
    return false;
}

void HorariosWidget::setCurrentId(int id)
{
    const int index = ui->timetableSelCmb->findData(id);
    ui->timetableSelCmb->setCurrentIndex(index >= 0 ? index : 0);
}

int HorariosWidget::currentId() const
{
    return ui->timetableSelCmb->currentIndex() < 0 ? 0 : ui->timetableSelCmb->currentData().toInt();
}

void HorariosWidget::storeSelection()
{
    // a chooser never filled has nothing chosen: the remembered entry stays
    if (m_chooserFilledOnce)
        saveCurrentIndex(currentId());
}

void HorariosWidget::checkLastSessionDatabase()
{
    const QString database = DBManager::currentDB(false);
    QSettings settings;
    settings.beginGroup(kLastSession);
    if (settings.value(QStringLiteral("database")).toString() != database) {
        settings.remove(QString());
        settings.setValue(QStringLiteral("database"), database);
    }
}

void HorariosWidget::refresh()
{
    changeHourRange(ui->cbShowAllHours->isChecked(), false);
}

void HorariosWidget::changeHourRange(bool showAll)
{
    changeHourRange(showAll, true);
}

void HorariosWidget::changeHourRange(bool showAll, bool warn)
{
    QSettings settings;
    settings.beginGroup(kConfiguration);
    // an unchanged value is not written again: every write syncs the file
    if (settings.value(kShowAll) != showAll)
        settings.setValue(kShowAll, showAll);
    if (showAll) {
        m_firstHour = 0;
        m_lastHour = 23;
    } else {
        if (!settings.contains(kOpening)) {
            settings.setValue(kOpening, 8);
            settings.setValue(QStringLiteral("minuto_apertura"), 30);
            settings.setValue(kClosing, 22);
            settings.setValue(QStringLiteral("minuto_cierre"), 0);
        }
        m_firstHour = settings.value(kOpening).toInt();
        m_lastHour = settings.value(kClosing).toInt();
        if (warn && outsideRange(m_firstHour, m_lastHour <= 23 ? m_lastHour + 1 : m_lastHour))
            APrompter::instance()->message(QMessageBox::Warning, QApplication::applicationName(),
                                           tr("There are classrooms outside hour range"), QMessageBox::Ok,
                                           QMessageBox::NoButton, tr("Not all classes will be shown"));
    }
    // An unchanged range needs no redraw here: the view redraws the grid next.
    const int endHour = m_lastHour <= 23 ? m_lastHour + 1 : m_lastHour;
    if (ui->graphicsView->firstHour() != m_firstHour || ui->graphicsView->endHour() != endHour)
        ui->graphicsView->setHourRange(m_firstHour, m_lastHour);
    showOutsideWarning();
}

bool HorariosWidget::outsideRange(int firstHour, int endHour) const
{
    for (const SesionDeClase* sesion : m_sesiones) {
        if (sesion->getMinutoInicio() < firstHour * 60 || sesion->getMinutoFin() > endHour * 60)
            return true;
    }
    return false;
}

bool HorariosWidget::sessionsOutsideRange() const
{
    return outsideRange(ui->graphicsView->firstHour(), ui->graphicsView->endHour());
}

void HorariosWidget::showOutsideWarning()
{
    ui->lbWarnOutside->setVisible(sessionsOutsideRange());
}

QSet<int> HorariosWidget::overlapIds() const
{
    QSet<int> ids;
    if (!m_activated)
        return ids;
    const QList<EstadoAcademia*> resultados = Academia::comprobarEstado();
    for (EstadoAcademia* resultado : resultados) {
        if (resultado->tipo() == EstadoAcademia::Inconsistencia
            && static_cast<EstadoAcademiaInconsistencia*>(resultado)->esSolapamiento())
            ids.insert(static_cast<EstadoAcademiaInconsistenciaSolapamiento*>(resultado)->id());
        // faults belong to the academy services
        if (resultado->tipo() != EstadoAcademia::Fallo)
            delete resultado;
    }
    return ids;
}

void HorariosWidget::setShownSessions(const QList<SesionDeClase*>& sesiones)
{
    qDeleteAll(m_sesiones);
    m_sesiones = sesiones;
}

void HorariosWidget::rememberPointer()
{
    const int column = ui->graphicsView->getColumnIdAtPointer();
    m_columnaEnPuntero = column != -1;
    if (m_columnaEnPuntero)
        m_columnaRecordada = column;
    const int sesion = ui->graphicsView->getSessionIdAtPointer();
    m_sesionEnPuntero = sesion != -1;
    if (m_sesionEnPuntero)
        m_sesionRecordada = sesion;
}

void HorariosWidget::updateActions()
{
    ui->actionAdd_session->setEnabled(true);
    ui->actionEdit_session->setEnabled(m_sesionEnPuntero);
    ui->actionRemove_session->setEnabled(m_sesionEnPuntero);
}

void HorariosWidget::showContextMenu()
{
    m_menu->popup(ui->graphicsView->getGlobalPointer());
}

int HorariosWidget::getDayForNewSession()
{
    return m_columnaRecordada >= 1 && m_columnaRecordada <= 7 ? m_columnaRecordada : 1;
}

int HorariosWidget::getAulaForNewSession()
{
    const QList<Aula*> aulas = Aula::list();
    const int id = aulas.isEmpty() ? -1 : aulas.first()->id();
    qDeleteAll(aulas);
    return id;
}

void HorariosWidget::trackDialog(QDialog* dialog)
{
    m_dialogs.removeAll(nullptr);
    m_dialogs.append(dialog);
    connect(dialog, &QDialog::accepted, this, &HorariosWidget::refresh);
    dialog->show();
}

void HorariosWidget::closeDialogs()
{
    const QList<QPointer<QDialog>> dialogs = m_dialogs;
    m_dialogs.clear();
    for (const QPointer<QDialog>& dialog : dialogs) {
        if (dialog)
            dialog->reject();
    }
}

void HorariosWidget::addSesion()
{
    const int aula = getAulaForNewSession();
    if (aula == -1) {
        APrompter::instance()->message(QMessageBox::Warning, QApplication::applicationName(),
                                       tr("There are no classrooms available."), QMessageBox::Ok,
                                       QMessageBox::NoButton,
                                       tr("Please create a classroom before trying to add a session"));
        return;
    }
    trackDialog(new CrearSesionDeClaseDialog(aula, getDayForNewSession(), ui->graphicsView->getMinutoPointer(),
                                             this));
}

void HorariosWidget::editSesion()
{
    // one editor per session: asking again brings it to the front
    if (EditSesionDeClaseDialog::raiseEditorOf(m_sesionRecordada))
        return;
    trackDialog(new EditSesionDeClaseDialog(m_sesionRecordada, this));
}

void HorariosWidget::removeSesion()
{
    for (SesionDeClase* sesion : std::as_const(m_sesiones)) {
        if (sesion->getId() != m_sesionRecordada)
            continue;
        if (!sesion->remove()) {
            APrompter::warning(QApplication::applicationName(),
                               tr("It has been impossible to remove the session.\nIt is still stored."));
            return;
        }
        refresh();
        return;
    }
    qWarning() << "Session to remove not found" << m_sesionRecordada;
}

void HorariosWidget::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printWith(&printer, true);
}

void HorariosWidget::printTo(QPrinter* printer)
{
    printWith(printer, false);
}

std::vector<std::unique_ptr<ATimeTableWidget>> HorariosWidget::printPages(QPrinter* printer, const QString& header,
                                                                          const QString& footer) const
{
    const ATimeTableWidget* grid = ui->graphicsView;
    const double smallest = QFont().pointSizeF() - kPrintShrink;
    // A label of p points is p * dpi / 72 scene pixels; a page unit is 1/96 inch.
    const double scale = kReadablePoints * 96.0 / (smallest * grid->logicalDpiY());
    const QSizeF whole = grid->scene()->sceneRect().size();
    printer->setPageOrientation(whole.width() > whole.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    const PrintUtils measure(header, QList<QGraphicsScene*>(), footer);
    QSizeF area = measure.sceneArea(printer);
    if (!printsOverSheets() || std::min(area.width() / whole.width(), area.height() / whole.height()) >= scale)
        return grid->printPages(whole, smallest);
    printer->setPageOrientation(QPageLayout::Landscape);
    area = measure.sceneArea(printer);
    return grid->printPages(area / scale, smallest);
}

void HorariosWidget::printWith(QPrinter* printer, bool preview)
{
    const QString header = QStringLiteral("<html><body style=\"margin-left:56px;margin-right:56px;\"><p>&nbsp;</p>"
                                          "<h1>%1</h1>")
                               .arg(getHeaderForPrint().toHtmlEscaped());
    const QString footer = QStringLiteral("<p>&nbsp;</p><p>&nbsp;</p>");
    const std::vector<std::unique_ptr<ATimeTableWidget>> pages = printPages(printer, header, footer);
    QList<QGraphicsScene*> scenes;
    for (const auto& page : pages)
        scenes.append(page->scene());
    PrintUtils printUtils(header, scenes, footer);
    if (preview)
        printUtils.preview(printer);
    else
        printUtils.print(printer);
}
