#include "alumnoswidget.h"
#include "ui_alumnoswidget.h"

#include "alta.h"
#include "alumno.h"
#include "alumnodialog.h"
#include "alumnotablemodel.h"
#include "aprompter.h"
#include "asaveashelper.h"
#include "asignaturasalumnodialog.h"
#include "daotransaction.h"
#include "dateselectdialog.h"
#include "proxyhelpers.h"

#include <QApplication>
#include <QDebug>
#include <QLocale>
#include <QMenu>
#include <QSet>

#include <memory>

namespace {
QString nombreCompleto(const Alumno& alumno)
{
    return alumno.nombre() + QLatin1Char(' ') + alumno.apellidos();
}
} // namespace

AlumnosWidget::AlumnosWidget(QWidget* parent, Qt::WindowFlags f)
    : CentralWidget(parent, f)
    , ui(new Ui::AlumnosWidget)
    , m_model(AlumnoTableModel::instance())
    , m_proxy(createFilterProxy(m_model, this))
{
    ui->setupUi(this);
    // The saved sort column comes back with the header, but the rows are
    // sorted only when the page is first refreshed or shown: sorting them
    // here would sort the rows that first refresh replaces.
    ui->tbvAlumnos->setSortingEnabled(false);
    ui->tbvAlumnos->setModel(m_proxy);
    ui->tbvAlumnos->fitColumnsToContents();
    const QList<QAction*> pageActions = {ui->actionNuevo_alumno,      ui->actionEditar_alumno,
                                         ui->actionAsignaturas_alumno, ui->actionEliminar_alumno,
                                         ui->actionDrop_asignaturas,  ui->actionVerHorario};
    addActions(pageActions);
    ui->tbvAlumnos->addActions(pageActions);
    ui->tbvAlumnos->setContextMenuPolicy(Qt::ActionsContextMenu);
    updateActions();

    auto* menu = new QMenu(ui->tbExportarListado);
    menu->addAction(ui->actionExportar_listado);
    menu->addAction(ui->actionImprimir_listado);
    ui->tbExportarListado->setMenu(menu);
    ui->tbExportarListado->setDefaultAction(ui->actionExportar_listado);

    connect(ui->tbvAlumnos, &QAbstractItemView::doubleClicked, this,
            &AlumnosWidget::showAsignaturasAlumnoDialog);
    connect(ui->tbvAlumnos->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &AlumnosWidget::updateActions);
    connect(m_proxy, &QAbstractItemModel::modelReset, this, &AlumnosWidget::updateActions);
    connect(ui->actionNuevo_alumno, &QAction::triggered, this, &AlumnosWidget::showAlumnoDialog);
    connect(ui->actionEditar_alumno, &QAction::triggered, this, &AlumnosWidget::showEditAlumnoDialog);
    connect(ui->actionAsignaturas_alumno, &QAction::triggered, this,
            &AlumnosWidget::showAsignaturasAlumnoDialog);
    connect(ui->actionEliminar_alumno, &QAction::triggered, this, &AlumnosWidget::deleteAlumnoConfirm);
    connect(ui->actionDrop_asignaturas, &QAction::triggered, this, &AlumnosWidget::dropAsignaturasAlumno);
    connect(ui->actionVerHorario, &QAction::triggered, this, &AlumnosWidget::verHorarioAlumno);
    connect(ui->actionImprimir_listado, &QAction::triggered, this, &AlumnosWidget::printList);
    connect(ui->actionExportar_listado, &QAction::triggered, this, &AlumnosWidget::saveListAs);
    for (QRadioButton* rb : {ui->rbSoloActivos, ui->rbSoloInactivos, ui->rbTodos})
        connect(rb, &QRadioButton::toggled, this, &AlumnosWidget::radioButtonsChanged);
    connect(ui->leFiltro, &QLineEdit::textChanged, m_proxy, &ASortFilterProxyModel::setFilterText);
    connect(ui->pushButton, &QPushButton::clicked, ui->leFiltro, &QLineEdit::clear);
}

AlumnosWidget::~AlumnosWidget()
{
    delete ui;
}

void AlumnosWidget::refreshModel()
{
    m_model->refreshIfStale();
    sortOnceLoaded();
}

void AlumnosWidget::showEvent(QShowEvent* event)
{
    sortOnceLoaded();
    CentralWidget::showEvent(event);
}

// From then on the proxy keeps the rows sorted as they change.
void AlumnosWidget::sortOnceLoaded()
{
    if (!ui->tbvAlumnos->isSortingEnabled())
        ui->tbvAlumnos->setSortingEnabled(true);
}

QList<int> AlumnosWidget::selectedIds() const
{
    QList<int> ids;
    for (const QModelIndex& index : ui->tbvAlumnos->selectionModel()->selectedRows(0))
        ids << index.data(ARole::Id).toInt();
    return ids;
}

void AlumnosWidget::updateActions()
{
    const qsizetype n = ui->tbvAlumnos->selectionModel()->selectedRows(0).size();
    ui->actionEditar_alumno->setEnabled(n == 1);
    ui->actionAsignaturas_alumno->setEnabled(n == 1);
    ui->actionVerHorario->setEnabled(n == 1);
    ui->actionEliminar_alumno->setEnabled(n >= 1);
    ui->actionDrop_asignaturas->setEnabled(n >= 1);
}

void AlumnosWidget::radioButtonsChanged()
{
    int modo = -1;
    if (ui->rbSoloActivos->isChecked())
        modo = int(Alumno::Modo::Actuales);
    else if (ui->rbSoloInactivos->isChecked())
        modo = int(Alumno::Modo::Antiguos);
    else if (ui->rbTodos->isChecked())
        modo = int(Alumno::Modo::Todos);
    // each switch of the group toggles two buttons: reload once
    if (modo < 0 || m_model->modo() == modo)
        return;
    m_model->setModo(modo);
    m_model->refresh();
    updateActions();
}

// Warns and answers false unless exactly one row is selected.
bool AlumnosWidget::exactlyOneSelected(const QString& headline)
{
    if (ui->tbvAlumnos->selectionModel()->selectedRows(0).size() == 1)
        return true;
    APrompter::instance()->message(QMessageBox::Warning, QApplication::applicationName(),
                                   headline + QStringLiteral("\n")
                                       + tr("Choose only one student and try again."));
    return false;
}

void AlumnosWidget::verHorarioAlumno()
{
    const QList<int> ids = selectedIds();
    if (!ids.isEmpty())
        emit cambioAHorarioAlumno(ids.first());
}

void AlumnosWidget::showAlumnoDialog()
{
    auto* dialog = new AlumnoDialog(this, 0);
    dialog->exec();
}

void AlumnosWidget::showEditAlumnoDialog()
{
    if (!exactlyOneSelected(tr("You must choose only one in order to edit it.")))
        return;
    auto* dialog = new AlumnoDialog(this, selectedIds().first());
    dialog->exec();
}

void AlumnosWidget::showAsignaturasAlumnoDialog()
{
    if (!exactlyOneSelected(tr("You must choose only one student.")))
        return;
    auto* dialog = new AsignaturasAlumnoDialog(selectedIds().first(), this);
    dialog->exec();
}

// Withdraws each student at the date. Answers the names of the students who
// keep an open sign-up, and adds one line per such sign-up to enrolments.
QStringList AlumnosWidget::withdraw(const QList<int>& ids, const QDate& fecha, QStringList* enrolments)
{
    QSet<QString> names;
    const QLocale locale;
    for (int id : ids) {
        std::unique_ptr<Alumno> alumno(Alumno::getFromDB(id));
        if (!alumno || alumno->darDeBaja(fecha))
            continue;
        const QString name = nombreCompleto(*alumno);
        names.insert(name);
        const QList<Alta*> altas = alumno->altas();
        for (const Alta* alta : altas) {
            if (alta->fbaja().isNull())
                *enrolments << tr("%1: %2 - %3, signed up on %4")
                                   .arg(name, alta->nombreAsignatura(), alta->nombreTurnoAsignatura(),
                                        locale.toString(alta->falta(), QLocale::ShortFormat));
        }
        qDeleteAll(altas);
    }
    return names.values();
}

void AlumnosWidget::dropAsignaturasAlumno()
{
    const QList<int> ids = selectedIds();
    if (ids.isEmpty())
        return;
    const QString message =
        tr("Are you sure you want to withdraw %n student(s) selected from all their subjects?", nullptr,
           int(ids.size()))
        + tr("\nIf you agree choose the date to withdraw from all subjects.");
    auto dialog = std::make_unique<DateSelectDialog>(message, QDate(), this);
    if (dialog->exec() != QDialog::Accepted)
        return;
    QStringList enrolments;
    // one transaction for all of them: the list reloads once, after it
    DaoTransaction batch(DaoTransaction::OwnOrJoin);
    const QStringList refused = withdraw(ids, dialog->getDate(), &enrolments);
    if (!batch.commit()) {
        reportBatchFailure();
        return;
    }
    if (!refused.isEmpty()) {
        APrompter::instance()->message(
            QMessageBox::Warning, QApplication::applicationName(),
            tr("Couldn't withdraw from all subjects from the following students because assign date of any "
               "of them happens after the date chosen: ")
                + refused.join(QStringLiteral(", ")),
            QMessageBox::Ok, QMessageBox::NoButton,
            tr("These sign-ups are still open:") + QStringLiteral("\n") + enrolments.join(QLatin1Char('\n')));
    }
}

// Asks again for a student who still attends classes; true to delete.
bool AlumnosWidget::confirmDeletion(int idAlumno)
{
    const QDate hoy = QDate::currentDate();
    const QList<Alta*> activas = Alta::listAltasActivas(hoy, hoy, idAlumno);
    if (activas.isEmpty())
        return true;
    QString items;
    for (const Alta* alta : activas)
        items += QStringLiteral("<li>") + alta->nombreTurnoAsignatura().toHtmlEscaped() + QStringLiteral("</li>");
    qDeleteAll(activas);
    std::unique_ptr<Alumno> alumno(Alumno::getFromDB(idAlumno));
    const QString name = alumno ? nombreCompleto(*alumno) : QString();
    const QMessageBox::StandardButton answer = APrompter::instance()->message(
        QMessageBox::Question, QApplication::applicationName(),
        tr("Student %1 has subjects assigned so if it is deleted bills won't be generated and student will "
           "be withdrawn from all courses. Subjects assigned:<ul>%2</ul>")
                .arg(name.toHtmlEscaped(), items)
            + tr("Would you like to delete the student anyway?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes;
}

void AlumnosWidget::remove(int idAlumno)
{
    if (Alumno::remove(idAlumno))
        return;
    APrompter::instance()->message(QMessageBox::Critical, tr("Error deleting student"),
                                   tr("Error deleting student with id %1.").arg(idAlumno));
    qWarning() << "Student with id = " << idAlumno << " couldn't be removed";
}

void AlumnosWidget::deleteAlumnoConfirm()
{
    const QList<int> ids = selectedIds();
    if (ids.isEmpty())
        return;
    const QMessageBox::StandardButton answer = APrompter::instance()->message(
        QMessageBox::Question, QApplication::applicationName(),
        tr("Chosen students will be deleted permanently.") + QStringLiteral("\n")
            + tr("Are you sure you want to delete the %n chosen students?", nullptr, int(ids.size())),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    // each removal keeps a savepoint of its own inside: a failed one leaves
    // the others; the list reloads once, after the commit
    DaoTransaction batch(DaoTransaction::OwnOrJoin);
    for (int id : ids)
        if (confirmDeletion(id))
            remove(id);
    if (!batch.commit())
        reportBatchFailure();
}

void AlumnosWidget::reportBatchFailure()
{
    APrompter::instance()->message(QMessageBox::Critical, QApplication::applicationName(),
                                   tr("The changes could not be saved.") + QStringLiteral("\n")
                                       + tr("Nothing has been changed. Try again; if the error persists "
                                            "contact your provider."));
}

void AlumnosWidget::printList()
{
    ASaveAsHelper::printTableView(tr("Student list"), ui->tbvAlumnos);
}

void AlumnosWidget::saveListAs()
{
    ASaveAsHelper::saveAs(this, tr("Student list"), tr("listado_alumnos"), ui->tbvAlumnos);
}
