#include "crearsesiondeclasedialog.h"
#include "ui_crearsesiondeclasedialog.h"

#include "aprompter.h"
#include "daotransaction.h"
#include "sesiondeclase.h"
#include "sesiondeclasecombos.h"

#include <QLocale>
#include <QTimeEdit>
#include <QToolTip>

namespace {
constexpr int kMinimumSeconds = 600;
}

CrearSesionDeClaseDialog::CrearSesionDeClaseDialog(int idAula, int diaSemana, int minuto, QWidget* parent,
                                                   Qt::WindowFlags f)
    : ADialog(parent, f)
    , ui(new Ui::CrearSesionDeClaseDialog)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    m_combos = new SesionDeClaseCombos(ui->cmbAula, ui->cmbMateria, ui->cmbTurno, ui->cmbProfesor, this);
    m_combos->loadAulas(idAula);

    m_dias = {ui->chkMonday, ui->chkTuesday, ui->chkWednesday, ui->chkThursday,
              ui->chkFriday, ui->chkSaturday, ui->chkSunday};
    m_inicios = {ui->tedMondayIni, ui->tedTuesdayIni, ui->tedWednesdayIni, ui->tedThursdayIni,
                 ui->tedFridayIni, ui->tedSaturdayIni, ui->tedSundayIni};
    m_fines = {ui->tedMondayFin, ui->tedTuesdayFin, ui->tedWednesdayFin, ui->tedThursdayFin,
               ui->tedFridayFin, ui->tedSaturdayFin, ui->tedSundayFin};
    if (diaSemana >= 1 && diaSemana <= 7)
        m_dias.at(diaSemana - 1)->setChecked(true);
    for (QCheckBox* dia : std::as_const(m_dias))
        connect(dia, &QCheckBox::clicked, this, &CrearSesionDeClaseDialog::updateDays);

    presetTimes(minuto);
    ui->chkSameHour->setChecked(true);
    setSameHour(true);
    connect(ui->chkSameHour, &QCheckBox::clicked, this, &CrearSesionDeClaseDialog::setSameHour);
    for (QTimeEdit* shared : {m_inicios.first(), m_fines.first()})
        connect(shared, &QTimeEdit::timeChanged, this, &CrearSesionDeClaseDialog::showSharedTimes);
    m_combos->loadAsignaturas(-1);
    m_shown = formState();
}

CrearSesionDeClaseDialog::~CrearSesionDeClaseDialog()
{
    delete ui;
}

QVariantList CrearSesionDeClaseDialog::formState() const
{
    QVariantList state{ui->cmbAula->currentIndex(), ui->cmbMateria->currentIndex(), ui->cmbTurno->currentIndex(),
                       ui->cmbProfesor->currentIndex(), ui->chkSameHour->isChecked()};
    for (int i = 0; i < m_dias.size(); ++i)
        state << m_dias.at(i)->isChecked() << m_inicios.at(i)->time() << m_fines.at(i)->time();
    return state;
}

bool CrearSesionDeClaseDialog::hasChanges() const
{
    return formState() != m_shown;
}

void CrearSesionDeClaseDialog::presetTimes(int minuto)
{
    // the start rounded down to the half hour, one hour long
    const QTime begin(minuto / 60 % 24, minuto % 60 >= 30 ? 30 : 0);
    const QTime end = begin.addSecs(3600);
    for (int i = 0; i < m_inicios.size(); ++i) {
        m_inicios.at(i)->setTime(begin);
        m_fines.at(i)->setTime(end);
    }
}

void CrearSesionDeClaseDialog::updateCombos(int index)
{
    m_combos->updateCombos(index);
}

void CrearSesionDeClaseDialog::setSameHour(bool same)
{
    if (!same) {
        updateDays();
        return;
    }
    for (int i = 0; i < m_inicios.size(); ++i) {
        m_inicios.at(i)->setEnabled(i == 0);
        m_fines.at(i)->setEnabled(i == 0);
    }
    showSharedTimes();
}

// With the same hour for every day, the greyed fields show the times the
// other days will get: the first day's.
void CrearSesionDeClaseDialog::showSharedTimes()
{
    if (!ui->chkSameHour->isChecked())
        return;
    for (int i = 1; i < m_inicios.size(); ++i) {
        m_inicios.at(i)->setTime(m_inicios.first()->time());
        m_fines.at(i)->setTime(m_fines.first()->time());
    }
}

void CrearSesionDeClaseDialog::updateDays()
{
    if (ui->chkSameHour->isChecked())
        return;
    for (int i = 0; i < m_dias.size(); ++i) {
        m_inicios.at(i)->setEnabled(m_dias.at(i)->isChecked());
        m_fines.at(i)->setEnabled(m_dias.at(i)->isChecked());
    }
}

bool CrearSesionDeClaseDialog::validateCombos()
{
    if (ui->cmbMateria->currentIndex() < 0)
        QToolTip::showText(ui->cmbMateria->mapToGlobal(QPoint(0, 0)), tr("<b>You must choose a subject. </b>"),
                           ui->cmbMateria);
    return m_combos->validate(this);
}

void CrearSesionDeClaseDialog::accept()
{
    if (!validateCombos())
        return;
    bool refused = false;
    const QList<SesionDeClase*> sessions = buildSessions(&refused);
    if (refused)
        return;
    if (sessions.isEmpty()) {
        APrompter::warning(tr("Day of week"), tr("No weekday has been chosen, sessions can't be created."));
        return;
    }
    const bool stored = store(sessions);
    qDeleteAll(sessions);
    if (!stored) {
        APrompter::warning(tr("Create sessions"), tr("It has been impossible to store the sessions.\n"
                                                     "None of them has been created."));
        return;
    }
    ADialog::accept();
}

QList<SesionDeClase*> CrearSesionDeClaseDialog::buildSessions(bool* refused)
{
    QList<SesionDeClase*> sessions;
    const bool sameHour = ui->chkSameHour->isChecked();
    for (int i = 0; i < m_dias.size(); ++i) {
        if (!m_dias.at(i)->isChecked())
            continue;
        const QTime begin = (sameHour ? m_inicios.first() : m_inicios.at(i))->time();
        const QTime end = (sameHour ? m_fines.first() : m_fines.at(i))->time();
        if (!checkRange(i + 1, begin, end)) {
            qDeleteAll(sessions);
            *refused = true;
            return {};
        }
        auto* sesion = new SesionDeClase(this);
        m_combos->applyTo(sesion);
        sesion->setDiaSemana(i + 1);
        sesion->setInicio(begin.hour(), begin.minute());
        sesion->setFin(end.hour(), end.minute());
        sessions.append(sesion);
    }
    return sessions;
}

bool CrearSesionDeClaseDialog::checkRange(int day, const QTime& begin, const QTime& end)
{
    const QString dayName = QLocale().dayName(day, QLocale::LongFormat);
    if (end <= begin) {
        APrompter::warning(tr("Invalid range"), tr("%1 end hour is less or equal than begin hour").arg(dayName));
        return false;
    }
    if (begin.secsTo(end) < kMinimumSeconds) {
        APrompter::warning(tr("Invalid range"),
                           tr("%1 session duration is too short. Sessions must be at least 10 minutes long.")
                               .arg(dayName));
        return false;
    }
    return true;
}

bool CrearSesionDeClaseDialog::store(const QList<SesionDeClase*>& sessions)
{
    // all ticked days or none
    DaoTransaction tx(DaoTransaction::OwnOrSavepoint);
    for (SesionDeClase* sesion : sessions) {
        if (!sesion->persist())
            return false;
    }
    return tx.commit();
}
