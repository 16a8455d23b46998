#include "asignaturadialog.h"
#include "ui_asignaturadialog.h"

#include "academia.h"
#include "appstatusdialog.h"
#include "pagesession.h"
#include "aprompter.h"
#include "asignatura.h"
#include "dao.h"
#include "daotransaction.h"
#include "estadoacademiafallo.h"
#include "profesor.h"
#include "selectprofesordialog.h"
#include "sesiondeclase.h"
#include "turnoasignatura.h"
#include "turnoasignaturadialog.h"

#include <QCoreApplication>
#include <QDebug>
#include <QHeaderView>
#include <QRegularExpressionValidator>

#include <algorithm>

AsignaturaDialog::AsignaturaDialog(QWidget* parent, Qt::WindowFlags f)
    : ADialog(parent, f)
    , ui(new Ui::AsignaturaDialog)
{
    ui->setupUi(this);
    m_session = new PageSession(AppStatusDialog::SaveAnyway | AppStatusDialog::Revert, this);
    m_session->setShowFilter([this](const QList<EstadoAcademia*>& resultados) {
        m_statusWanted = statusDialogWanted(resultados);
        return m_statusWanted;
    });
    m_session->begin();
    setAttribute(Qt::WA_DeleteOnClose);
    ui->twProfesores->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ui->twTurnos->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ui->leNombre->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("^.+$")), ui->leNombre));
    connect(ui->btnAddTurno, &QPushButton::clicked, this, &AsignaturaDialog::showTurnoAsignaturaDialog);
    connect(ui->twTurnos, &QTableWidget::cellDoubleClicked, this, &AsignaturaDialog::updateTurnoAsignaturaDialog);
    connect(ui->btnDelTurno, &QPushButton::clicked, this, &AsignaturaDialog::deleteTurnoAsignatura);
    connect(ui->btnAddProfesor, &QPushButton::clicked, this, &AsignaturaDialog::showSelectProfesorDialog);
    connect(ui->btnDelProfesor, &QPushButton::clicked, this, &AsignaturaDialog::deleteProfesor);
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &AsignaturaDialog::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &AsignaturaDialog::reject);
}

AsignaturaDialog::~AsignaturaDialog()
{
    // the session takes back a transaction it still holds
    delete ui;
}

void AsignaturaDialog::setAsignatura(Asignatura* asignatura)
{
    if (m_asignatura && m_asignatura != asignatura)
        delete m_asignatura;
    m_asignatura = asignatura;
    m_asignatura->setParent(this);
    m_turnosBorrados.clear();
    ui->leNombre->setText(asignatura->nombre());
    ui->lePrecioOrientativo->setValue(asignatura->precioOrientativo());
    ui->txtDescripcion->setPlainText(asignatura->descripcion());
    ui->sbEdad->setValue(asignatura->edad());
    fillTables();
}

void AsignaturaDialog::copyFormToAsignatura()
{
    if (!m_asignatura)
        m_asignatura = new Asignatura(nullptr);
    m_asignatura->setNombre(ui->leNombre->text());
    m_asignatura->setDescripcion(ui->txtDescripcion->toPlainText());
    m_asignatura->setPrecioOrientativo(ui->lePrecioOrientativo->value());
    m_asignatura->setEdad(ui->sbEdad->value());
    m_asignatura->setParent(this);
}

QList<TurnoAsignatura*> AsignaturaDialog::turnosVisibles()
{
    QList<TurnoAsignatura*> visibles;
    if (!m_asignatura)
        return visibles;
    const QList<TurnoAsignatura*> turnos = m_asignatura->turnos();
    for (TurnoAsignatura* turno : turnos) {
        if (turno->id() == 0 || !m_turnosBorrados.contains(turno->id()))
            visibles.append(turno);
    }
    return visibles;
}

void AsignaturaDialog::fillTables()
{
    ui->twTurnos->setRowCount(0);
    ui->twProfesores->setRowCount(0);
    if (!m_asignatura)
        return;
    const QList<TurnoAsignatura*> turnos = turnosVisibles();
    for (TurnoAsignatura* turno : turnos) {
        const int row = ui->twTurnos->rowCount();
        ui->twTurnos->insertRow(row);
        ui->twTurnos->setItem(row, 0, new QTableWidgetItem(turno->getNombre()));
        ui->twTurnos->setItem(row, 1, new QTableWidgetItem(QString::number(turno->getPrecioOrientativo(), 'g', 6)));
    }
    const QList<Profesor*> profesores = m_asignatura->profesores();
    for (Profesor* profesor : profesores) {
        const int row = ui->twProfesores->rowCount();
        ui->twProfesores->insertRow(row);
        ui->twProfesores->setItem(row, 0, new QTableWidgetItem(profesor->nombre()));
        ui->twProfesores->setItem(row, 1, new QTableWidgetItem(profesor->apellidos()));
        ui->twProfesores->setItem(row, 2, new QTableWidgetItem(profesor->apodo()));
    }
}

TurnoAsignatura* AsignaturaDialog::selectedTurno()
{
    const QList<QTableWidgetSelectionRange> ranges = ui->twTurnos->selectedRanges();
    if (ranges.isEmpty())
        return nullptr;
    return turnosVisibles().value(ranges.first().topRow());
}

bool AsignaturaDialog::confirm(const QString& title, const QString& text)
{
    return APrompter::instance()->message(QMessageBox::Question, title, text,
                                          QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel)
           == QMessageBox::Ok;
}

void AsignaturaDialog::showTurnoAsignaturaDialog()
{
    copyFormToAsignatura();
    auto* dialog = new TurnoAsignaturaDialog(m_asignatura);
    if (dialog->exec() == QDialog::Accepted)
        fillTables();
}

void AsignaturaDialog::updateTurnoAsignaturaDialog()
{
    TurnoAsignatura* turno = selectedTurno();
    if (!turno)
        return;
    auto* dialog = new TurnoAsignaturaDialog(m_asignatura);
    dialog->populateDialog(turno);
    if (dialog->exec() == QDialog::Accepted)
        fillTables();
}

void AsignaturaDialog::deleteTurnoAsignatura()
{
    TurnoAsignatura* turno = selectedTurno();
    if (!turno)
        return;
    if (turno->id() > 0) {
        const QList<SesionDeClase*> sesiones = SesionDeClase::listByTurnoAsignatura(turno->id());
        const bool conSesiones = !sesiones.isEmpty();
        qDeleteAll(sesiones);
        if (conSesiones
            && !confirm(tr("Shift in use"),
                        tr("The shift you are trying to delete has sessions assigned. These sessions will be "
                           "deleted.")))
            return;
        if (turno->getNumAltas() > 0
            && !confirm(tr("Students signed up"),
                        tr("There are students signed up in the shift you are deleting. Those students will "
                           "be withdrawn from the subject.")))
            return;
        m_turnosBorrados.append(turno->id());
    }
    m_asignatura->removeTurno(turno);
    fillTables();
}

void AsignaturaDialog::showSelectProfesorDialog()
{
    copyFormToAsignatura();
    auto* picker = new SelectProfesorDialog(m_asignatura->profesores(), this);
    if (picker->exec() == QDialog::Accepted) {
        if (Profesor* profesor = picker->objetoSeleccionado()) {
            profesor->setParent(m_asignatura);
            m_asignatura->addProfesor(profesor);
        }
    }
    delete picker;
    fillTables();
}

void AsignaturaDialog::deleteProfesor()
{
    const QList<QTableWidgetSelectionRange> ranges = ui->twProfesores->selectedRanges();
    if (ranges.isEmpty() || !m_asignatura)
        return;
    Profesor* profesor = m_asignatura->profesores().value(ranges.first().topRow());
    if (!profesor)
        return;
    QList<int> idsTurnos;
    const QList<TurnoAsignatura*> turnos = turnosVisibles();
    for (TurnoAsignatura* turno : turnos) {
        if (turno->id() > 0)
            idsTurnos.append(turno->id());
    }
    if (profesor->id() > 0 && !idsTurnos.isEmpty() && SesionDeClase::profesorTieneSesiones(idsTurnos, profesor->id())
        && !confirm(tr("Incomplete sessions"),
                    tr("The teacher you are detaching from this subject has sessions assigned. The teacher "
                       "will be removed from those sessions, which will have to be manually fixed.")))
        return;
    m_asignatura->removeProfesor(profesor);
    fillTables();
}

AsignaturaDialog::Borrador AsignaturaDialog::borrador()
{
    Borrador b;
    b.id = m_asignatura->id();
    b.nombre = m_asignatura->nombre();
    b.descripcion = m_asignatura->descripcion();
    b.precio = m_asignatura->precioOrientativo();
    b.edad = m_asignatura->edad();
    const QList<TurnoAsignatura*> turnos = turnosVisibles();
    for (TurnoAsignatura* t : turnos)
        b.turnos.append({t->id(), t->getNombre(), t->getPrecioOrientativo(), t->getSueldoProfesorPorAlta()});
    const QList<Profesor*> profesores = m_asignatura->profesores();
    for (Profesor* p : profesores) {
        Profesor* copia = p->id() > 0 ? Profesor::getFromDB(p->id()) : nullptr;
        b.profesores.append({p->id(), std::shared_ptr<Profesor>(copia ? copia : p->copia())});
    }
    return b;
}

void AsignaturaDialog::rebuild(const Borrador& b)
{
    Asignatura* a = b.id > 0 ? Asignatura::getFromDB(b.id) : nullptr;
    if (!a)
        a = new Asignatura(nullptr);
    a->setParent(this);
    a->setNombre(b.nombre);
    a->setDescripcion(b.descripcion);
    a->setPrecioOrientativo(b.precio);
    a->setEdad(b.edad);

    QList<int> idsGuardados;
    QList<int> borrados;
    const QList<TurnoAsignatura*> guardados = a->id() > 0 ? a->turnos() : QList<TurnoAsignatura*>();
    for (TurnoAsignatura* t : guardados) {
        auto it = std::find_if(b.turnos.begin(), b.turnos.end(),
                               [t](const Borrador::Turno& x) { return x.id == t->id(); });
        if (it == b.turnos.end()) {
            a->removeTurno(t);
            borrados.append(t->id());
            continue;
        }
        idsGuardados.append(t->id());
        t->setNombre(it->nombre);
        t->setPrecioOrientativo(it->precio);
        t->setSueldoProfesorPorAlta(it->sueldoPorAlta);
    }
    for (const Borrador::Turno& x : b.turnos) {
        if (x.id > 0 && idsGuardados.contains(x.id))
            continue;
        auto* t = new TurnoAsignatura(nullptr);
        t->setNombre(x.nombre);
        t->setPrecioOrientativo(x.precio);
        t->setSueldoProfesorPorAlta(x.sueldoPorAlta);
        if (!a->addTurno(t))
            delete t;
    }

    QList<int> idsProfesores;
    const QList<Profesor*> enlazados = a->id() > 0 ? a->profesores() : QList<Profesor*>();
    for (Profesor* p : enlazados) {
        const bool sigue = std::any_of(b.profesores.begin(), b.profesores.end(),
                                       [p](const Borrador::Profe& x) { return x.id == p->id(); });
        if (sigue)
            idsProfesores.append(p->id());
        else
            a->removeProfesor(p);
    }
    for (const Borrador::Profe& x : b.profesores) {
        if (x.id <= 0 || !idsProfesores.contains(x.id))
            a->addProfesor(profesorDelBorrador(x, a));
    }

    delete m_asignatura;
    m_asignatura = a;
    m_turnosBorrados = borrados;
}

Profesor* AsignaturaDialog::profesorDelBorrador(const Borrador::Profe& x, QObject* parent)
{
    std::unique_ptr<Profesor> guardado(x.id > 0 ? Profesor::getFromDB(x.id) : nullptr);
    if (guardado) {
        guardado->setParent(parent);
        return guardado.release();
    }
    // Made by a nested dialog inside the transaction that was taken back:
    // new again, stored with the subject.
    Profesor* p = x.copia->copia(parent);
    p->olvidarId();
    return p;
}

bool AsignaturaDialog::write(const Borrador& antes)
{
    bool ok;
    {
        // Inside the dialog's transaction a failed write must leave nothing
        // half done: its own savepoint takes it back.
        DaoTransaction tx(DaoTransaction::OwnOrSavepoint);
        ok = m_asignatura->id() > 0 ? m_asignatura->update() : m_asignatura->persist();
        ok = ok && tx.commit();
        if (!ok)
            tx.rollback();
    }
    if (ok) {
        m_turnosBorrados.clear();
        return true;
    }
    const bool abortado = m_asignatura->abortado();
    const QString detalle = Dao::getInstance()->lastError().second;
    rebuild(antes);
    // The user declined a question: nothing failed, nothing to tell.
    if (abortado)
        return false;
    // The database's own words are for the log, not for the user.
    if (!detalle.isEmpty())
        qWarning() << "The subject could not be saved:" << detalle;
    APrompter::instance()->message(QMessageBox::Warning, QCoreApplication::applicationName(),
                                   tr("The subject could not be saved"), QMessageBox::Ok, QMessageBox::NoButton,
                                   tr("Nothing of it has been stored. Check the data (another subject may have "
                                      "the same name) and try again."));
    return false;
}

bool AsignaturaDialog::statusDialogWanted(const QList<EstadoAcademia*>& resultados)
{
    // A new shift has no sessions yet: that alone, and what the user already
    // chose to ignore, never stops the subject from being saved.
    return std::any_of(resultados.begin(), resultados.end(), [](const EstadoAcademia* e) {
        if (e->tipo() != EstadoAcademia::Fallo)
            return true;
        const auto* fallo = static_cast<const EstadoAcademiaFallo*>(e);
        return !fallo->isIgnorado() && fallo->tipoFallo() != EstadoAcademiaFallo::TurnoSinSesiones;
    });
}

AsignaturaDialog::Estado AsignaturaDialog::runStatusProtocol(const Borrador& antes)
{
    m_statusWanted = false;
    switch (m_session->finish(true)) {
    case PageSession::Outcome::Committed:
        // saved without the status dialog: what this check found is accepted
        if (!m_statusWanted)
            Academia::ignorarAvisos();
        return Estado::Cerrar;
    case PageSession::Outcome::Reverted:
        rebuild(antes);
        return Estado::SeguirAbierto;
    default:
        return Estado::SeguirAbierto;
    }
}

void AsignaturaDialog::accept()
{
    if (!validateLineEdits())
        return;
    if (ui->twTurnos->rowCount() == 0) {
        APrompter::instance()->message(QMessageBox::Warning, QCoreApplication::applicationName(),
                                       tr("Subject without shifts"), QMessageBox::Ok, QMessageBox::NoButton,
                                       tr("You can't create a subject without shifts. Please, add a shift at "
                                          "least in order to save the subject."));
        return;
    }
    if (!m_session->isOpen() && !m_session->begin())
        return;
    copyFormToAsignatura();
    const Borrador antes = borrador();
    if (!write(antes)) {
        fillTables();
        return;
    }
    const Estado estado = runStatusProtocol(antes);
    fillTables();
    if (estado == Estado::Cerrar)
        QDialog::accept();
}

void AsignaturaDialog::reject()
{
    m_session->revert(false);
    QDialog::reject();
}
