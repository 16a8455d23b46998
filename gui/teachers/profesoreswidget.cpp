#include "profesoreswidget.h"
#include "ui_profesoreswidget.h"

#include "academia.h"
#include "appstatusdialog.h"
#include "aprompter.h"
#include "asaveashelper.h"
#include "listado.h"
#include "listpage.h"
#include "pagesession.h"
#include "printutils.h"
#include "profesor.h"
#include "profesordialog.h"
#include "profesortablemodel.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QPrinter>
#include <QSortFilterProxyModel>

#include <memory>

namespace {
ProfesorTableModel* sharedModel()
{
    return ProfesorTableModel::instance();
}
} // namespace

ProfesoresWidget::ProfesoresWidget(QWidget* parent, Qt::WindowFlags f)
    : CentralWidget(parent, f)
    , ui(new Ui::ProfesoresWidget)
    , m_session(new PageSession(AppStatusDialog::SaveAnyway | AppStatusDialog::Revert
                                    | AppStatusDialog::FixManually,
                                this))
{
    ui->setupUi(this);
    m_proxy = ListPage::setUp(this, sharedModel(),
                              {ui->tbvProfesores, ui->leFiltro, ui->pushButton, ui->tbExportarListado,
                               ui->actionExportar_listado, ui->actionImprimir_listado});
    addActions({ui->actionNuevo_profesor, ui->actionEditar_profesor, ui->actionEliminar_profesor,
                ui->actionLiquidacion, ui->actionListado_alumnos, ui->actionVerHorario});
    ui->tbvProfesores->addActions(actions());

    connect(ui->actionNuevo_profesor, &QAction::triggered, this, &ProfesoresWidget::showProfesorDialog);
    connect(ui->actionEditar_profesor, &QAction::triggered, this, &ProfesoresWidget::showEditProfesorDialog);
    connect(ui->tbvProfesores, &QTableView::doubleClicked, this, &ProfesoresWidget::showEditProfesorDialog);
    connect(ui->actionEliminar_profesor, &QAction::triggered, this, &ProfesoresWidget::deleteProfesorConfirm);
    connect(ui->actionLiquidacion, &QAction::triggered, this, &ProfesoresWidget::obtenerLiquidacion);
    connect(ui->actionListado_alumnos, &QAction::triggered, this, &ProfesoresWidget::obtenerListadoAlumnos);
    connect(ui->actionVerHorario, &QAction::triggered, this, &ProfesoresWidget::verHorarioProfe);
    connect(ui->actionImprimir_listado, &QAction::triggered, this, &ProfesoresWidget::printList);
    connect(ui->actionExportar_listado, &QAction::triggered, this, &ProfesoresWidget::saveListAs);
    connect(ui->tbvProfesores->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ProfesoresWidget::updateActions);
    connect(m_proxy, &QAbstractItemModel::modelReset, this, &ProfesoresWidget::updateActions);
    connect(m_session, &PageSession::reverted, this, [] { sharedModel()->refresh(); });
    updateActions();
}

ProfesoresWidget::~ProfesoresWidget()
{
    // A deletion still pending is rolled back now, while the page can still
    // follow the reloaded list; it is never committed on the way out.
    delete m_session;
    delete ui;
}

void ProfesoresWidget::activateWidget()
{
}

void ProfesoresWidget::updateActions()
{
    const int n = int(ListPage::selectedRows(ui->tbvProfesores).size());
    for (QAction* action : {ui->actionEditar_profesor, ui->actionLiquidacion, ui->actionListado_alumnos,
                            ui->actionVerHorario})
        action->setEnabled(n == 1);
    ui->actionEliminar_profesor->setEnabled(n >= 1);
}

bool ProfesoresWidget::hasPendingDeletion() const
{
    return m_session->isOpen();
}

bool ProfesoresWidget::isValidState()
{
    return ListPage::settlePending(m_session);
}

QList<int> ProfesoresWidget::selectedIds() const
{
    return ListPage::selectedIds(ui->tbvProfesores);
}

int ProfesoresWidget::selectedId() const
{
    const QList<int> ids = selectedIds();
    return ids.size() == 1 ? ids.first() : 0;
}

std::unique_ptr<Profesor> ProfesoresWidget::selectedProfesor() const
{
    const int id = selectedId();
    std::unique_ptr<Profesor> profesor(id > 0 ? Profesor::getFromDB(id) : nullptr);
    if (!profesor)
        qDebug() << "No teacher selected";
    return profesor;
}

void ProfesoresWidget::showProfesorDialog()
{
    if (!ListPage::settlePending(m_session))
        return;
    auto* dialog = new ProfesorDialog(this, 0);
    dialog->exec();
}

void ProfesoresWidget::showEditProfesorDialog()
{
    const int id = selectedId();
    if (id < 1) {
        APrompter::instance()->message(QMessageBox::Warning, QString(),
                                       tr("You must choose just one teacher in order to edit."), QMessageBox::Ok,
                                       QMessageBox::NoButton, tr("Select only one teacher and try again"));
        return;
    }
    if (!ListPage::settlePending(m_session))
        return;
    auto* dialog = new ProfesorDialog(this, id);
    dialog->exec();
}

void ProfesoresWidget::removeAll(const QList<int>& ids)
{
    for (int id : ids) {
        std::unique_ptr<Profesor> profesor(Profesor::getFromDB(id));
        // each removal has its own savepoint: a failure takes back that teacher only
        if (Profesor::remove(id))
            continue;
        const QString nombre = profesor ? profesor->nombreCompleto() : QString::number(id);
        APrompter::instance()->message(QMessageBox::Critical, tr("Error deleting teacher"),
                                       tr("Internal error deleting teacher with id %1.").arg(id), QMessageBox::Ok,
                                       QMessageBox::NoButton,
                                       APrompter::asText(tr("%1 has not been deleted; the other selected teachers are.")
                                                             .arg(nombre)));
        qWarning() << "No se pudo borrar el profesor con id = " << id;
    }
}

void ProfesoresWidget::deleteProfesorConfirm()
{
    qDebug() << "Ini- Eliminar profesor";
    const QList<int> ids = selectedIds();
    if (ids.isEmpty() || !ListPage::settlePending(m_session))
        return;
    const QMessageBox::StandardButton answer = APrompter::instance()->message(
        QMessageBox::Question, QString(), tr("Selected teachers will be permanently deleted"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
        tr("Are you sure you want to delete the %n selected teacher(s)?", nullptr, int(ids.size())));
    if (answer != QMessageBox::Yes || !m_session->begin())
        return;
    removeAll(ids);
    // Revert brings the teachers back; "Fix manually" leaves the deletion
    // pending until the next action or until the page is left.
    m_session->finish(false);
}

void ProfesoresWidget::verHorarioProfe()
{
    const std::unique_ptr<Profesor> profesor = selectedProfesor();
    if (profesor)
        emit cambiaAHorarioProfe(profesor->id());
}

void ProfesoresWidget::printList()
{
    ASaveAsHelper::printTableView(tr("Teacher listing"), ui->tbvProfesores);
}

void ProfesoresWidget::saveListAs()
{
    ASaveAsHelper::saveAs(this, tr("Teacher listing"), tr("teacher_listing"), ui->tbvProfesores);
}

void ProfesoresWidget::obtenerListadoAlumnos()
{
    qDebug() << "Retrieving listadoAlumnos";
    const std::unique_ptr<Profesor> profesor = selectedProfesor();
    if (!profesor)
        return;
    preview({profesor->listadoAlumnos(QDate(), QDate())});
}

void ProfesoresWidget::obtenerLiquidacion()
{
    qDebug() << "Retrieving liquidation";
    const std::unique_ptr<Profesor> profesor = selectedProfesor();
    if (!profesor)
        return;
    bool ingresosLeidos = true;
    const QList<Listado*> listados = profesor->liquidacion(QDate(), QDate(), &ingresosLeidos);
    if (!ingresosLeidos)
        APrompter::instance()->message(QMessageBox::Warning, QCoreApplication::applicationName(),
                                       tr("The settlement is incomplete"), QMessageBox::Ok, QMessageBox::NoButton,
                                       tr("The income of some shifts could not be read, so the percentage part "
                                          "counts them as 0. Do not pay it out as shown."));
    preview(listados);
}

void ProfesoresWidget::preview(const QList<Listado*>& listados)
{
    QString content;
    for (Listado* listado : listados)
        content += listado->toHtml(true);
    qDeleteAll(listados);
    const QString page =
        Academia::rellenarPlantilla(QStringLiteral(":/html/pageListado.html"), {{QStringLiteral("%%CONTENT%%"), content}});
    PrintUtils printing(Academia::cabeceraListado(), page, Academia::pieListado(),
                        nullptr, {{QStringLiteral("resources://logo"), Academia::logo()}});
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Portrait);
    printing.preview(&printer);
}
