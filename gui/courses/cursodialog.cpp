#include "cursodialog.h"
#include "ui_cursodialog.h"

#include "aprompter.h"
#include "asignatura.h"
#include "curso.h"
#include "dao.h"
#include "daotransaction.h"
#include "selectasignaturasdialog.h"
#include "turnoasignatura.h"
#include "turnocurso.h"
#include "turnocursodialog.h"

#include <QCoreApplication>
#include <QDebug>
#include <QRegularExpressionValidator>

#include <algorithm>
#include <memory>

namespace {
void avisa(const QString& texto, const QString& detalle)
{
    APrompter::instance()->message(QMessageBox::Warning, QCoreApplication::applicationName(), texto,
                                   QMessageBox::Ok, QMessageBox::NoButton, detalle);
}

// A member stands for its subject when it is one of the subject's shifts,
// stored or created in this dialog; a placeholder stands for nothing yet.
bool cubre(TurnoAsignatura* miembro, Asignatura* asignatura)
{
    if (miembro->id() > 0)
        return miembro->getIdAsignatura() == asignatura->id();
    return asignatura->turnos().contains(miembro);
}

}

CursoDialog::CursoDialog(QWidget* parent, Qt::WindowFlags f)
    : ADialog(parent, f)
    , ui(new Ui::CursoDialog)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    ui->leNombre->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("^.+$")), ui->leNombre));
    connect(ui->btnAddTurno, &QPushButton::clicked, this, &CursoDialog::addTurno);
    connect(ui->btnAddAsignatura, &QPushButton::clicked, this, &CursoDialog::addAsignatura);
    connect(ui->btnDelAsignatura, &QPushButton::clicked, this, &CursoDialog::delAsignatura);
    connect(ui->btnDelTurno, &QPushButton::clicked, this, &CursoDialog::delTurno);
    connect(ui->lwTurnos, &QListWidget::doubleClicked, this, &CursoDialog::editTurnoCurso);
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &CursoDialog::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

CursoDialog::~CursoDialog()
{
    delete ui;
}

void CursoDialog::setCurso(Curso* curso)
{
    m_curso = curso;
    m_curso->setParent(this);
    ui->leNombre->setText(curso->nombre());
    ui->lePrecioMes->setValue(curso->precioOrientativo());
    ui->teDescripcion->setPlainText(curso->descripcion());
    fillTurnos();
    fillAsignaturas();
}

void CursoDialog::readIntoCurso()
{
    if (!m_curso)
        m_curso = new Curso(this);
    m_curso->setNombre(ui->leNombre->text());
    m_curso->setDescripcion(ui->teDescripcion->toPlainText());
    m_curso->setPrecioOrientativo(ui->lePrecioMes->value());
    m_curso->setParent(this);
}

void CursoDialog::fillTurnos()
{
    if (!m_curso)
        return;
    ui->lwTurnos->clear();
    const QList<TurnoCurso*> turnos = m_curso->turnos();
    for (TurnoCurso* turno : turnos)
        ui->lwTurnos->addItem(turno->getNombre());
}

void CursoDialog::fillAsignaturas()
{
    if (!m_curso)
        return;
    ui->lwAsignaturas->clear();
    const QList<Asignatura*> asignaturas = m_curso->asignaturas();
    for (Asignatura* asignatura : asignaturas)
        ui->lwAsignaturas->addItem(asignatura->nombre());
}

void CursoDialog::addTurno()
{
    readIntoCurso();
    auto* dialog = new TurnoCursoDialog(m_curso, nullptr, this);
    if (dialog->exec() == QDialog::Accepted)
        ui->lwTurnos->addItem(m_curso->turnos().last()->getNombre());
}

void CursoDialog::editTurnoCurso(const QModelIndex& index)
{
    readIntoCurso();
    const QList<TurnoCurso*> turnos = m_curso->turnos();
    if (index.row() < 0 || index.row() >= turnos.size())
        return;
    TurnoCurso* turno = turnos.at(index.row());
    QStringList nombres;
    const QList<Asignatura*> asignaturas = m_curso->asignaturas();
    for (Asignatura* asignatura : asignaturas)
        nombres << asignatura->nombre();
    qDebug() << "Se llama al dialogo con" << turno->getNombre();
    qDebug() << "La lista de asignaturas en el curso es" << nombres.join(QStringLiteral(", "));
    auto* dialog = new TurnoCursoDialog(m_curso, turno, this);
    if (dialog->exec() == QDialog::Accepted)
        ui->lwTurnos->item(index.row())->setText(turno->getNombre());
}

void CursoDialog::delTurno()
{
    const QList<QListWidgetItem*> elegidos = ui->lwTurnos->selectedItems();
    if (elegidos.isEmpty() || !m_curso)
        return;
    m_curso->delTurnoCurso(m_curso->turnos().at(ui->lwTurnos->row(elegidos.first())));
    fillTurnos();
}

void CursoDialog::addAsignatura()
{
    readIntoCurso();
    std::unique_ptr<SelectAsignaturasDialog> picker(new SelectAsignaturasDialog(m_curso->asignaturas(), this));
    if (picker->exec() == QDialog::Accepted) {
        Asignatura* elegida = picker->objetoSeleccionado();
        qDebug() << "La asignatura nueva es" << elegida->nombre();
        m_curso->addAsignatura(elegida);
        // Each course shift holds an empty member for the new subject until
        // a shift of it is chosen there.
        const QList<TurnoCurso*> turnos = m_curso->turnos();
        for (TurnoCurso* turno : turnos) {
            qDebug() << "Se genera una dummyTurnoAsignatura para el turno de curso" << turno->getNombre()
                     << turno->getId();
            auto* hueco = new TurnoAsignatura(nullptr);
            // the empty member knows its subject, so removing the subject takes it too
            hueco->setIdAsignatura(elegida->id());
            turno->addTurnoAsignatura(hueco);
        }
    }
    picker.reset();
    fillAsignaturas();
}

void CursoDialog::delAsignatura()
{
    const QList<QListWidgetItem*> elegidos = ui->lwAsignaturas->selectedItems();
    if (elegidos.isEmpty() || !m_curso)
        return;
    m_curso->removeAsignatura(m_curso->asignaturas().at(ui->lwAsignaturas->row(elegidos.first())));
    fillAsignaturas();
}

bool CursoDialog::refusal(QString* text, QString* detail)
{
    std::unique_ptr<Curso> mismoNombre(Curso::getFromDBByNombre(m_curso->nombre()));
    if (mismoNombre && mismoNombre->id() != m_curso->id()) {
        *text = tr("The course name already exists");
        *detail = tr("There is already a course with the same name. Please edit the course name.");
        return true;
    }
    QStringList nombres;
    const QList<TurnoCurso*> turnos = m_curso->turnos();
    const QList<Asignatura*> asignaturas = m_curso->asignaturas();
    for (TurnoCurso* turno : turnos) {
        if (nombres.contains(turno->getNombre())) {
            *text = tr("There is already another course shift with this name");
            *detail = tr("Rename the course shift %1 before saving the course.").arg(turno->getNombre());
            return true;
        }
        nombres << turno->getNombre();
        const QList<TurnoAsignatura*> miembros = turno->getTurnosAsignatura();
        for (Asignatura* asignatura : asignaturas) {
            if (std::none_of(miembros.begin(), miembros.end(),
                             [asignatura](TurnoAsignatura* m) { return cubre(m, asignatura); })) {
                *text = tr("Every course subject must have a shift selected");
                *detail = tr("The course shift %1 has no shift of %2. Double-click it to choose one.")
                              .arg(turno->getNombre(), asignatura->nombre());
                return true;
            }
        }
    }
    return false;
}

bool CursoDialog::store()
{
    // Subject shifts created for a course shift are stored first, so that
    // the course shift links to their ids.
    QList<TurnoAsignatura*> nuevos;
    const QList<Asignatura*> asignaturas = m_curso->asignaturas();
    for (Asignatura* asignatura : asignaturas) {
        const QList<TurnoAsignatura*> turnos = asignatura->turnos();
        for (TurnoAsignatura* turno : turnos) {
            if (turno->id() <= 0) {
                turno->setAsignatura(asignatura);
                nuevos.append(turno);
            }
        }
    }
    DaoTransaction tx(DaoTransaction::OwnOrSavepoint);
    bool ok = std::all_of(nuevos.begin(), nuevos.end(), [](TurnoAsignatura* t) { return t->persist(false); });
    ok = ok && (m_curso->id() > 0 ? m_curso->update() : m_curso->persist());
    if (ok)
        ok = tx.commit();
    else
        tx.rollback();
    if (!ok) {
        // Taken back: the new shifts are new again, so a retry stores them.
        for (TurnoAsignatura* turno : std::as_const(nuevos))
            turno->olvidarId();
        qWarning() << "The course could not be saved:" << Dao::getInstance()->lastError().second;
    }
    return ok;
}

void CursoDialog::accept()
{
    if (!validateLineEdits())
        return;
    if (ui->lwTurnos->count() == 0) {
        avisa(tr("Course without shifts"), tr("You can't create a course without shifts. Please add at least a "
                                              "shift in order to create the course."));
        return;
    }
    if (ui->lwAsignaturas->count() == 0) {
        avisa(tr("Course without subjects"), tr("You can't create a course without subjects. Please add at "
                                                "least a subject in order to create the course."));
        return;
    }
    readIntoCurso();
    QString texto, detalle;
    if (refusal(&texto, &detalle)) {
        avisa(texto, detalle);
        return;
    }
    if (!store()) {
        avisa(tr("The course could not be saved"),
              tr("The database refused to store it and nothing of it was kept. Check the data and try again, "
                 "or cancel."));
        return;
    }
    ADialog::accept();
}
