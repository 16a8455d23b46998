#include "asignaturasalumnodialog.h"
#include "ui_asignaturasalumnodialog.h"

#include "alta.h"
#include "alumno.h"
#include "aprompter.h"
#include "asignaturaalumnodialog.h"
#include "asignaturasalumnotablemodel.h"
#include "columntitles.h"
#include "pagesession.h"
#include "proxyhelpers.h"

#include <QApplication>
#include <QDebug>
#include <QLocale>
#include <QSortFilterProxyModel>

#include <memory>

namespace {
const int statusMask = 28; // save anyway, revert, fix manually
}

AsignaturasAlumnoDialog::AsignaturasAlumnoDialog(int idAlumno, QWidget* parent, Qt::WindowFlags f)
    : ADialog(parent, f)
    , ui(new Ui::AsignaturasAlumnoDialog)
    , m_alumno(Alumno::getFromDB(idAlumno))
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    if (!m_alumno)
        m_alumno = new Alumno; // gone meanwhile: an empty list
    m_alumno->setParent(this);
    ui->lblStudentInfo->setText(ui->lblStudentInfo->text().arg(m_alumno->apellidos().toHtmlEscaped(),
                                                               m_alumno->nombre().toHtmlEscaped()));
    m_model = m_alumno->getAsignaturasModel();
    m_proxy = createFilterProxy(m_model, this);
    ui->tbvSubjects->setModel(m_proxy);
    ui->tbvSubjects->setSortingEnabled(true);
    fitColumnsToTitles(ui->tbvSubjects);
    ui->tbvSubjects->addActions({ui->actionActionAdd, ui->actionActionEdit, ui->actionActionRemove});
    ui->tbvSubjects->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(ui->tbvSubjects->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &AsignaturasAlumnoDialog::updateActions);
    connect(m_proxy, &QAbstractItemModel::modelReset, this, &AsignaturasAlumnoDialog::updateActions);
    connect(ui->actionActionAdd, &QAction::triggered, this, &AsignaturasAlumnoDialog::addSubjectRelation);
    connect(ui->btnAdd, &QPushButton::clicked, this, &AsignaturasAlumnoDialog::addSubjectRelation);
    connect(ui->actionActionEdit, &QAction::triggered, this, &AsignaturasAlumnoDialog::editSubjectRelation);
    connect(ui->tbvSubjects, &QAbstractItemView::doubleClicked, this,
            &AsignaturasAlumnoDialog::editSubjectRelation);
    connect(ui->actionActionRemove, &QAction::triggered, this,
            &AsignaturasAlumnoDialog::removeSubjectRelations);
    connect(ui->btnErase, &QPushButton::clicked, this, &AsignaturasAlumnoDialog::removeSubjectRelations);
    connect(ui->btnWithdraw, &QPushButton::clicked, this,
            &AsignaturasAlumnoDialog::withdrawSubjectRelations);
    updateActions();
    m_session = new PageSession(statusMask, this);
    connect(m_session, &PageSession::reverted, m_model, &AsignaturasAlumnoTableModel::refresh);
    m_session->begin();
}

AsignaturasAlumnoDialog::~AsignaturasAlumnoDialog()
{
    delete ui;
}

void AsignaturasAlumnoDialog::reject()
{
    switch (m_session->finish(true)) {
    case PageSession::Outcome::Committed:
    case PageSession::Outcome::NothingOpen:
        QDialog::reject();
        break;
    default:
        break; // reverted and begun again, or kept open for fixing
    }
}

// The ids, not the model's objects: every refresh of the model frees those.
QList<int> AsignaturasAlumnoDialog::selectedAltaIds() const
{
    QList<int> ids;
    for (const QModelIndex& index : ui->tbvSubjects->selectionModel()->selectedRows(0))
        if (const Alta* alta = m_model->getId(index))
            ids << alta->id();
    return ids;
}

void AsignaturasAlumnoDialog::updateActions()
{
    const QModelIndexList rows = ui->tbvSubjects->selectionModel()->selectedRows(0);
    const qsizetype n = rows.size();
    ui->actionActionEdit->setEnabled(n == 1);
    ui->actionActionRemove->setEnabled(n >= 1);
    ui->btnErase->setEnabled(n >= 1);
    const Alta* alta = n == 1 ? m_model->getId(rows.first()) : nullptr;
    ui->btnWithdraw->setEnabled(alta && alta->fbaja().isNull());
}

void AsignaturasAlumnoDialog::addSubjectRelation()
{
    auto* dialog = new AsignaturaAlumnoDialog(m_alumno, this);
    dialog->exec();
    m_model->refresh();
}

void AsignaturasAlumnoDialog::editSubjectRelation()
{
    const QModelIndexList rows = ui->tbvSubjects->selectionModel()->selectedRows(0);
    Alta* alta = rows.size() == 1 ? m_model->getId(rows.first()) : nullptr;
    if (!alta) {
        qWarning() << "Call edit with incorrect items selected";
        return;
    }
    // the dialog keeps its own copy of the sign-up
    auto* dialog = new AsignaturaAlumnoDialog(alta, m_alumno, this);
    dialog->exec();
    m_model->refresh();
}

// "Subject - Shift, signed up on date" for messages.
QString AsignaturasAlumnoDialog::describe(int idAlta) const
{
    std::unique_ptr<Alta> alta(Alta::getFromDB(idAlta));
    if (!alta)
        return QString::number(idAlta);
    return tr("%1 - %2, signed up on %3")
        .arg(alta->nombreAsignatura(), alta->nombreTurnoAsignatura(),
             QLocale().toString(alta->falta(), QLocale::ShortFormat));
}

void AsignaturasAlumnoDialog::reportFailures(const QString& headline, const QStringList& failures)
{
    if (failures.isEmpty())
        return;
    APrompter::instance()->message(QMessageBox::Warning, QApplication::applicationName(), headline,
                                   QMessageBox::Ok, QMessageBox::NoButton,
                                   failures.join(QLatin1Char('\n')));
}

void AsignaturasAlumnoDialog::withdrawSubjectRelations()
{
    const QList<int> ids = selectedAltaIds();
    if (ids.isEmpty()) {
        qWarning() << "Call remove with incorrect items selected";
        return;
    }
    const QDate hoy = QDate::currentDate();
    QStringList failures;
    for (int id : ids) {
        std::unique_ptr<Alta> alta(Alta::getFromDB(id));
        if (!alta)
            continue;
        alta->setFbaja(hoy);
        const int code = m_alumno->updateAlta(alta.get(), true);
        if (code == Alta::BajaAntesDeAlta)
            failures << describe(id) + QStringLiteral(": ") + tr("it starts after today");
        else if (code != Alta::Almacenada)
            failures << describe(id) + QStringLiteral(": ") + tr("it could not be written");
    }
    m_model->refresh();
    reportFailures(tr("These sign-ups could not be withdrawn today:"), failures);
}

void AsignaturasAlumnoDialog::removeSubjectRelations()
{
    const QMessageBox::StandardButton answer = APrompter::instance()->message(
        QMessageBox::Question, QApplication::applicationName(),
        tr("You are about to completely delete elements from db.") + QStringLiteral("\n")
            + tr(" Probably you would prefer to withdraw the student from the subjects.Are you sure you "
                 "really want to delete these elements?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    const QList<int> ids = selectedAltaIds();
    if (ids.isEmpty()) {
        qWarning() << "Call remove with incorrect items selected";
        return;
    }
    QStringList failures;
    for (int id : ids) {
        std::unique_ptr<Alta> alta(Alta::getFromDB(id));
        if (alta && !alta->remove())
            failures << describe(id);
    }
    m_model->refresh();
    reportFailures(tr("These sign-ups could not be deleted:"), failures);
}
