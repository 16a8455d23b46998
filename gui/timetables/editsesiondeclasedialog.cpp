#include "editsesiondeclasedialog.h"
#include "ui_editsesiondeclasedialog.h"

#include "aprompter.h"
#include "daotransaction.h"
#include "sesiondeclase.h"
#include "sesiondeclasecombos.h"
#include "turnoasignatura.h"

#include <QHash>
#include <QLocale>
#include <QPointer>

#include <memory>

namespace {
constexpr int kMinimumSeconds = 600;

// The open editor of each session.
QHash<int, QPointer<EditSesionDeClaseDialog>>& editors()
{
    static QHash<int, QPointer<EditSesionDeClaseDialog>> open;
    return open;
}

QVariantList fieldsOf(const SesionDeClase& sesion)
{
    return {sesion.getIdAula(), sesion.getIdTurnoAsignatura(), sesion.getIdProfesor(),
            sesion.getDiaSemana(), sesion.getMinutoInicio(), sesion.getMinutoFin()};
}
} // namespace

EditSesionDeClaseDialog::EditSesionDeClaseDialog(int idSesion, QWidget* parent, Qt::WindowFlags f)
    : ADialog(parent, f)
    , ui(new Ui::EditSesionDeClaseDialog)
    , m_idSesion(idSesion)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    m_combos = new SesionDeClaseCombos(ui->cmbAula, ui->cmbMateria, ui->cmbTurno, ui->cmbProfesor, this);
    m_sesion = SesionDeClase::getFromDB(idSesion);
    const QLocale locale;
    for (int day = 1; day <= 7; ++day)
        ui->cmbWeekDay->addItem(locale.dayName(day, QLocale::LongFormat));
    if (m_sesion) {
        fillFields();
        m_loaded = fieldsOf(*m_sesion);
        editors().insert(idSesion, this);
    } else {
        m_combos->loadAulas(0);
    }
    m_shown = formState();
}

EditSesionDeClaseDialog::~EditSesionDeClaseDialog()
{
    if (editors().value(m_idSesion) == this)
        editors().remove(m_idSesion);
    delete m_sesion;
    delete ui;
}

EditSesionDeClaseDialog* EditSesionDeClaseDialog::raiseEditorOf(int idSesion)
{
    EditSesionDeClaseDialog* editor = editors().value(idSesion);
    if (!editor)
        return nullptr;
    editor->show();
    editor->raise();
    editor->activateWindow();
    return editor;
}

QVariantList EditSesionDeClaseDialog::formState() const
{
    return {ui->cmbAula->currentIndex(), ui->cmbMateria->currentIndex(), ui->cmbTurno->currentIndex(),
            ui->cmbProfesor->currentIndex(), ui->cmbWeekDay->currentIndex(), ui->tedIni->time(),
            ui->tedFin->time()};
}

bool EditSesionDeClaseDialog::hasChanges() const
{
    return m_sesion && formState() != m_shown;
}

void EditSesionDeClaseDialog::fillFields()
{
    m_combos->loadAulas(m_sesion->getIdAula());
    ui->tedIni->setTime(QTime(m_sesion->getHoraInicio(), m_sesion->getMinutoHoraInicio()));
    ui->tedFin->setTime(QTime(m_sesion->getHoraFin() % 24, m_sesion->getMinutoHoraFin()));
    TurnoAsignatura* turno = m_sesion->getTurnoAsignatura();
    m_combos->loadAsignaturas(turno ? turno->getIdAsignatura() : 0);
    delete turno;
    m_combos->selectTurno(m_sesion->getIdTurnoAsignatura());
    // A teacher the subject no longer has is not swapped for another one:
    // the combo stays empty until the user chooses.
    m_combos->selectProfesor(m_sesion->getIdProfesor());
    ui->cmbWeekDay->setCurrentIndex(m_sesion->getDiaSemana() - 1);
}

void EditSesionDeClaseDialog::updateCombos(int index)
{
    m_combos->updateCombos(index);
}

bool EditSesionDeClaseDialog::validateCombos()
{
    return m_combos->validate(this);
}

void EditSesionDeClaseDialog::accept()
{
    if (!m_sesion || !validateCombos() || !checkTimes() || !storedAsLoaded())
        return;
    m_combos->applyTo(m_sesion);
    m_sesion->setDiaSemana(ui->cmbWeekDay->currentIndex() + 1);
    m_sesion->setInicio(ui->tedIni->time().hour(), ui->tedIni->time().minute());
    m_sesion->setFin(ui->tedFin->time().hour(), ui->tedFin->time().minute());
    if (!store()) {
        APrompter::warning(tr("Edit class session"), tr("It has been impossible to store the session.\n"
                                                        "It keeps its former data."));
        return;
    }
    ADialog::accept();
}

bool EditSesionDeClaseDialog::storedAsLoaded()
{
    const std::unique_ptr<SesionDeClase> stored(SesionDeClase::getFromDB(m_idSesion));
    if (!stored) {
        APrompter::warning(tr("Edit class session"), tr("It has been impossible to store the session.\n"
                                                        "It is no longer stored: it has been removed meanwhile."));
        return false;
    }
    if (fieldsOf(*stored) != m_loaded) {
        APrompter::warning(tr("Edit class session"),
                           tr("The session has been changed elsewhere since this window opened.\n"
                              "Close this window and edit the session again."));
        return false;
    }
    return true;
}

bool EditSesionDeClaseDialog::checkTimes()
{
    if (ui->tedFin->time() <= ui->tedIni->time()) {
        APrompter::warning(tr("Invalid range"), tr("End time is less or equal than begin time"));
        return false;
    }
    if (ui->tedIni->time().secsTo(ui->tedFin->time()) < kMinimumSeconds) {
        APrompter::warning(tr("Invalid range"),
                           tr("Session duration is too short. Sessions must be at least 10 minutes long."));
        return false;
    }
    return true;
}

bool EditSesionDeClaseDialog::store()
{
    DaoTransaction tx(DaoTransaction::OwnOrSavepoint);
    return m_sesion->update() && tx.commit();
}
