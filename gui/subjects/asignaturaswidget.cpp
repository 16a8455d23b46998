#include "asignaturaswidget.h"
#include "ui_asignaturaswidget.h"

#include "appstatusdialog.h"
#include "aprompter.h"
#include "asaveashelper.h"
#include "asignatura.h"
#include "asignaturadialog.h"
#include "listpage.h"
#include "pagesession.h"
#include "turnoasignatura.h"
#include "turnoasignaturatablemodel.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSortFilterProxyModel>

#include <memory>

namespace {
TurnoAsignaturaTableModel* sharedModel()
{
    return TurnoAsignaturaTableModel::instance();
}
} // namespace

AsignaturasWidget::AsignaturasWidget(QWidget* parent, Qt::WindowFlags f)
    : CentralWidget(parent, f)
    , ui(new Ui::AsignaturasWidget)
    , m_session(new PageSession(AppStatusDialog::SaveAnyway | AppStatusDialog::Revert, this))
{
    ui->setupUi(this);
    m_proxy = ListPage::setUp(this, sharedModel(),
                              {ui->tbvAsignaturas, ui->leFiltro, ui->pushButton_2, ui->tbExportarListado,
                               ui->actionExportar_listado, ui->actionImprimir_listado});
    addActions({ui->actionNueva_asignatura, ui->actionEditar_asignatura, ui->actionEliminar_asignatura});
    ui->tbvAsignaturas->addActions(actions());

    connect(ui->tbvAsignaturas, &QTableView::doubleClicked, this, &AsignaturasWidget::updateAsignatura);
    connect(ui->actionEditar_asignatura, &QAction::triggered, this, &AsignaturasWidget::updateAsignatura);
    connect(ui->tbvAsignaturas->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &AsignaturasWidget::updateActions);
    connect(m_proxy, &QAbstractItemModel::modelReset, this, &AsignaturasWidget::updateActions);
    connect(ui->actionNueva_asignatura, &QAction::triggered, this, &AsignaturasWidget::showAsignaturaDialog);
    connect(ui->actionEliminar_asignatura, &QAction::triggered, this, &AsignaturasWidget::deleteAsignatura);
    connect(ui->actionExportar_listado, &QAction::triggered, this, &AsignaturasWidget::saveListAs);
    connect(ui->actionImprimir_listado, &QAction::triggered, this, &AsignaturasWidget::printLis);
    connect(m_session, &PageSession::reverted, this, [] { sharedModel()->refresh(); });
    updateActions();
}

AsignaturasWidget::~AsignaturasWidget()
{
    // A deletion still pending is rolled back now, while the page can still
    // follow the reloaded list; it is never committed on the way out.
    delete m_session;
    delete ui;
}

void AsignaturasWidget::updateActions()
{
    const int n = int(ListPage::selectedRows(ui->tbvAsignaturas).size());
    ui->actionEditar_asignatura->setEnabled(n == 1);
    ui->actionEliminar_asignatura->setEnabled(n >= 1);
}

bool AsignaturasWidget::hasPendingDeletion() const
{
    return m_session->isOpen();
}

bool AsignaturasWidget::isValidState()
{
    return ListPage::settlePending(m_session);
}

QList<int> AsignaturasWidget::selectedIds() const
{
    return ListPage::selectedIds(ui->tbvAsignaturas);
}

void AsignaturasWidget::showAsignaturaDialog()
{
    if (!ListPage::settlePending(m_session))
        return;
    auto* dialog = new AsignaturaDialog(this);
    dialog->exec();
}

void AsignaturasWidget::updateAsignatura()
{
    const QList<int> ids = selectedIds();
    if (ids.isEmpty() || !ListPage::settlePending(m_session))
        return;
    if (ids.size() > 1) {
        APrompter::instance()->message(QMessageBox::Warning, QCoreApplication::applicationName(),
                                       tr("You can only edit one shift at a time"), QMessageBox::Ok,
                                       QMessageBox::NoButton, tr("Select only one shift and try again"));
        return;
    }
    std::unique_ptr<TurnoAsignatura> turno(TurnoAsignatura::getFromDB(ids.first()));
    Asignatura* asignatura = turno ? Asignatura::getFromDB(turno->getIdAsignatura()) : nullptr;
    if (!asignatura)
        return;
    auto* dialog = new AsignaturaDialog(this);
    dialog->setAsignatura(asignatura);
    dialog->exec();
}

bool AsignaturasWidget::removeAll(const QList<int>& ids)
{
    for (int id : ids) {
        if (TurnoAsignatura::remove(id, true))
            continue;
        APrompter::instance()->message(QMessageBox::Warning, QCoreApplication::applicationName(),
                                       tr("It has been impossible to delete the shift"), QMessageBox::Ok,
                                       QMessageBox::NoButton, tr("Operation aborted"));
        qWarning() << "No se pudo borrar el turno con id = " << id;
        return false;
    }
    return true;
}

void AsignaturasWidget::deleteAsignatura()
{
    const QList<int> ids = selectedIds();
    if (ids.isEmpty() || !ListPage::settlePending(m_session))
        return;
    const QMessageBox::StandardButton answer = APrompter::instance()->message(
        QMessageBox::Question, QCoreApplication::applicationName(),
        tr("Selected shifts will be permanently deleted"), QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
        tr("Are you sure you want to delete %n selected shift(s)?", nullptr, int(ids.size())));
    if (answer != QMessageBox::Yes || !m_session->begin())
        return;
    if (!removeAll(ids)) {
        m_session->revert(false);
        return;
    }
    // Revert brings the shifts back; "Fix manually" leaves the deletion
    // pending until the next action or until the page is left.
    m_session->finish(false);
}

void AsignaturasWidget::printLis()
{
    ASaveAsHelper::printTableView(tr("Subject list"), ui->tbvAsignaturas);
}

void AsignaturasWidget::saveListAs()
{
    ASaveAsHelper::saveAs(this, tr("Subject list"), tr("subject_list"), ui->tbvAsignaturas);
}
