#include "horarioswindowwidget.h"
#include "ui_horarioswindowwidget.h"

#include "appstatusdialog.h"
#include "aprompter.h"
#include "crearsesiondeclasedialog.h"
#include "editsesiondeclasedialog.h"
#include "horarioalumnoswidget.h"
#include "horarioaulaswidget.h"
#include "horariodiaswidget.h"
#include "horarioprofesoreswidget.h"
#include "pagesession.h"

#include <QCoreApplication>
#include <QPointer>

namespace {
constexpr int kStatusMask = AppStatusDialog::SaveAnyway | AppStatusDialog::Revert | AppStatusDialog::FixManually;
}

HorariosWindowWidget::HorariosWindowWidget(QWidget* parent, Qt::WindowFlags f)
    : CentralWidget(parent, f)
    , ui(new Ui::HorariosWindowWidget)
    , m_session(new PageSession(kStatusMask, this))
{
    ui->setupUi(this);
    addAction(ui->actionShowAlumnos);
    addAction(ui->actionShowAulas);
    addAction(ui->actionShowTeacher);
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    addAction(separator);
    addAction(ui->actionShowDias);
    connect(ui->actionShowAlumnos, &QAction::triggered, this, &HorariosWindowWidget::showHorarioAlumnos);
    connect(ui->actionShowAulas, &QAction::triggered, this, &HorariosWindowWidget::showHorarioAulas);
    connect(ui->actionShowDias, &QAction::triggered, this, &HorariosWindowWidget::showHorarioDias);
    connect(ui->actionShowTeacher, &QAction::triggered, this, &HorariosWindowWidget::showHorarioProfesores);

    m_dias = new HorarioDiasWidget;
    m_profesores = new HorarioProfesoresWidget;
    m_aulas = new HorarioAulasWidget;
    m_alumnos = new HorarioAlumnosWidget;
    ui->stackedWidget->insertWidget(1, m_alumnos);
    ui->stackedWidget->insertWidget(2, m_aulas);
    ui->stackedWidget->insertWidget(3, m_dias);
    ui->stackedWidget->insertWidget(4, m_profesores);
    for (HorariosWidget* view : views())
        view->setPageSession(m_session);
    // whatever a visit left open in a dialog goes with the visit's transaction
    connect(m_session, &PageSession::committed, this, &HorariosWindowWidget::closeDialogs);
    connect(m_session, &PageSession::reverted, this, &HorariosWindowWidget::closeDialogs);
    // shown and checked when the section is first activated
    selectView(m_dias, ui->actionShowDias);
}

void HorariosWindowWidget::layOutAhead()
{
    m_dias->layOutAhead();
}

HorariosWindowWidget::~HorariosWindowWidget()
{
    delete ui;
}

QList<HorariosWidget*> HorariosWindowWidget::views() const
{
    return {m_alumnos, m_aulas, m_dias, m_profesores};
}

HorariosWidget* HorariosWindowWidget::viewOf(int horario, QAction** action) const
{
    switch (horario) {
    case 1:
        *action = ui->actionShowAulas;
        return m_aulas;
    case 2:
        *action = ui->actionShowDias;
        return m_dias;
    case 3:
        *action = ui->actionShowTeacher;
        return m_profesores;
    default:
        *action = ui->actionShowAlumnos;
        return m_alumnos;
    }
}

void HorariosWindowWidget::showHorario(int horario)
{
    QAction* action = nullptr;
    HorariosWidget* view = viewOf(horario, &action);
    showView(view, action);
}

void HorariosWindowWidget::selectHorario(int horario, int id)
{
    QAction* action = nullptr;
    HorariosWidget* view = viewOf(horario, &action);
    selectView(view, action);
    m_pendingId = id;
}

HorariosWidget* HorariosWindowWidget::currentHorario() const
{
    return qobject_cast<HorariosWidget*>(ui->stackedWidget->currentWidget());
}

void HorariosWindowWidget::refresh()
{
    if (m_current)
        m_current->refresh();
}

void HorariosWindowWidget::activateWidget()
{
    if (!m_session->isOpen())
        m_session->begin();
    const int id = m_pendingId;
    m_pendingId = -1;
    if (!m_current)
        return;
    if (id >= 0)
        m_current->activateOn(id);
    else
        m_current->activateWidget();
}

bool HorariosWindowWidget::isValidState()
{
    if (!settleEditors())
        return false;
    HorariosWidget* view = currentHorario();
    return view ? view->isValidState() : true;
}

void HorariosWindowWidget::showHorarioAlumnos()
{
    showView(m_alumnos, ui->actionShowAlumnos);
}

void HorariosWindowWidget::showHorarioProfesores()
{
    showView(m_profesores, ui->actionShowTeacher);
}

void HorariosWindowWidget::showHorarioDias()
{
    showView(m_dias, ui->actionShowDias);
}

void HorariosWindowWidget::showHorarioAulas()
{
    showView(m_aulas, ui->actionShowAulas);
}

void HorariosWindowWidget::showView(HorariosWidget* view, QAction* action)
{
    selectView(view, action);
    m_pendingId = -1;
    view->activateWidget();
}

void HorariosWindowWidget::selectView(HorariosWidget* view, QAction* action)
{
    checkViewAction(action);
    ui->stackedWidget->setCurrentWidget(view);
    m_current = view;
}

void HorariosWindowWidget::checkViewAction(QAction* action)
{
    for (QAction* viewAction :
         {ui->actionShowAlumnos, ui->actionShowAulas, ui->actionShowDias, ui->actionShowTeacher})
        viewAction->setChecked(false);
    action->setChecked(true);
}

void HorariosWindowWidget::closeDialogs()
{
    for (HorariosWidget* view : views())
        view->closeDialogs();
}

bool HorariosWindowWidget::settleEditors()
{
    QList<QPointer<QDialog>> edited;
    for (EditSesionDeClaseDialog* editor : findChildren<EditSesionDeClaseDialog*>())
        if (editor->isVisible() && editor->hasChanges())
            edited << editor;
    for (CrearSesionDeClaseDialog* editor : findChildren<CrearSesionDeClaseDialog*>())
        if (editor->isVisible() && editor->hasChanges())
            edited << editor;
    if (edited.isEmpty())
        return true;
    const QMessageBox::StandardButton answer = APrompter::instance()->message(
        QMessageBox::Question, QCoreApplication::applicationName(),
        tr("Some class session windows hold changes that have not been stored."),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save,
        tr("Save stores them with the other changes of this visit; Discard closes those windows without them; "
           "Cancel goes back to them."),
        this);
    if (answer == QMessageBox::Discard) {
        for (const QPointer<QDialog>& editor : std::as_const(edited))
            if (editor)
                editor->reject();
        return true;
    }
    if (answer != QMessageBox::Save)
        return false;
    // A window that refuses its changes stays open in front, with its reason.
    for (const QPointer<QDialog>& editor : std::as_const(edited)) {
        if (!editor)
            continue;
        editor->accept();
        if (editor && editor->isVisible()) {
            editor->raise();
            editor->activateWindow();
            return false;
        }
    }
    return true;
}
