#include "asignaturaalumnodialog.h"
#include "ui_asignaturaalumnodialog.h"

#include "alta.h"
#include "alumno.h"
#include "aprompter.h"
#include "arounder.h"
#include "asignatura.h"
#include "sesiondeclase.h"
#include "turnoasignatura.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDebug>
#include <QLocale>

namespace {
const int maxObservaciones = 320;

// The price after a discount in percent, in cents.
double precioConDescuento(double precioBase, double descuento)
{
    return ARounder::round(precioBase + descuento * precioBase / -100.0, 2);
}

// The dialog's own copy of an enrolment: the copy constructor carries only
// the ids, and the caller's object may go with a model refresh.
Alta* copiaCompleta(const Alta& alta, QObject* parent)
{
    auto* copia = new Alta(alta, parent);
    copia->setFalta(alta.falta());
    copia->setFbaja(alta.fbaja());
    copia->setPrecio(alta.precio());
    copia->setPrecioBase(alta.precioBase());
    copia->setConDescuento(alta.conDescuento());
    copia->setObservaciones(alta.observaciones());
    copia->setNombreAlumno(alta.nombreAlumno());
    copia->setNombreTurnoAsignatura(alta.nombreTurnoAsignatura());
    copia->setNombreAsignatura(alta.nombreAsignatura());
    return copia;
}
} // namespace

AsignaturaAlumnoDialog::AsignaturaAlumnoDialog(Alumno* alumno, QWidget* parent, Qt::WindowFlags f)
    : ADialog(parent, f)
    , ui(new Ui::AsignaturaAlumnoDialog)
    , m_alumno(alumno)
{
    setUp();
    ui->edtStartDate->setDate(QDate::currentDate());
    ui->edtEndDate->setDate(QDate::currentDate().addMonths(1));
}

AsignaturaAlumnoDialog::AsignaturaAlumnoDialog(Alta* alta, Alumno* alumno, QWidget* parent,
                                               Qt::WindowFlags f)
    : ADialog(parent, f)
    , ui(new Ui::AsignaturaAlumnoDialog)
    , m_alumno(alumno)
    , m_alta(copiaCompleta(*alta, this))
{
    setUp();
    fillFromAlta();
}

AsignaturaAlumnoDialog::~AsignaturaAlumnoDialog()
{
    qDeleteAll(m_turnos);
    qDeleteAll(m_asignaturas);
    delete ui;
}

void AsignaturaAlumnoDialog::setUp()
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    connect(ui->cmbSubject, &QComboBox::currentIndexChanged, this, &AsignaturaAlumnoDialog::updateShifts);
    connect(ui->cmbShift, &QComboBox::currentIndexChanged, this, &AsignaturaAlumnoDialog::updatePrice);
    connect(ui->edtDescuento, &QDoubleSpinBox::valueChanged, this, &AsignaturaAlumnoDialog::discountChanged);
    connect(ui->sbPrecioBase, &QDoubleSpinBox::valueChanged, this, &AsignaturaAlumnoDialog::priceChanged);
    connect(ui->edtStartDate, &QDateEdit::dateChanged, this, &AsignaturaAlumnoDialog::altaChanged);
    m_asignaturas = Asignatura::list();
    for (const Asignatura* asignatura : std::as_const(m_asignaturas))
        ui->cmbSubject->addItem(asignatura->nombre());
    ui->edtStartDate->calendarWidget()->setFirstDayOfWeek(Qt::Monday);
    ui->edtEndDate->calendarWidget()->setFirstDayOfWeek(Qt::Monday);
}

void AsignaturaAlumnoDialog::fillFromAlta()
{
    const int idTurno = m_alta->idTurnoAsignatura();
    ui->chkNoEnd->setEnabled(idTurno > 0);
    if (idTurno <= 0 || !selectShiftOf(idTurno)) {
        ui->cmbSubject->setCurrentIndex(-1);
        ui->cmbShift->setCurrentIndex(-1);
        ui->lblDeletedShift->setText(tr("<b>Associated shift has been erased: %1</b>")
                                         .arg(m_alta->nombreTurnoAsignatura().toHtmlEscaped()));
    }
    const double base = m_alta->precioBase();
    ui->edtDescuento->setValue(base != 0.0 ? (1.0 - m_alta->precio() / base) * 100.0 : 0.0);
    ui->sbPrecioBase->setValue(base);
    // Untouched, the sign-up keeps the price it had, whatever the discount
    // field could show of it.
    setPrecio(m_alta->precio());
    ui->edtStartDate->setDate(m_alta->falta());
    ui->edtEndDate->setDate(m_alta->falta().addMonths(1));
    ui->edtEndDate->setMinimumDate(m_alta->falta().addDays(1));
    if (!m_alta->fbaja().isNull()) {
        ui->chkNoEnd->setChecked(false);
        ui->edtEndDate->setDate(m_alta->fbaja());
        ui->edtEndDate->setEnabled(true);
    }
    ui->edtObservaciones->setPlainText(m_alta->observaciones());
}

// Makes the stored shift current; false when it no longer exists.
bool AsignaturaAlumnoDialog::selectShiftOf(int idTurnoAsignatura)
{
    TurnoAsignatura* turno = TurnoAsignatura::getFromDB(idTurnoAsignatura);
    if (!turno)
        return false;
    int subject = -1;
    for (int i = 0; i < m_asignaturas.size(); ++i)
        if (m_asignaturas.at(i)->id() == turno->getIdAsignatura())
            subject = i;
    if (subject < 0)
        qWarning() << "Subject no longer exists!";
    else
        ui->cmbSubject->setCurrentIndex(subject);
    int shift = -1;
    for (int i = 0; i < m_turnos.size(); ++i)
        if (m_turnos.at(i)->getId() == turno->getId())
            shift = i;
    if (shift < 0)
        qWarning() << "Shift no longer exists!";
    else
        ui->cmbShift->setCurrentIndex(shift);
    delete turno;
    return true;
}

int AsignaturaAlumnoDialog::exec()
{
    const QList<Asignatura*> asignaturas = Asignatura::list();
    const bool ninguna = asignaturas.isEmpty();
    qDeleteAll(asignaturas);
    if (ninguna) {
        APrompter::instance()->message(
            QMessageBox::Information, QApplication::applicationName(),
            tr("There are no subjects in the application.") + QStringLiteral("\n")
                + tr("So the next step (subscribe a student to a subject) can not be done now.\nPlease "
                     "create at least a subject and a turn and then subscribe the student to the subject."));
        // never shown, so never closed: it goes by itself
        deleteLater();
        return QDialog::Rejected;
    }
    return QDialog::exec();
}

void AsignaturaAlumnoDialog::updateShifts(int index)
{
    qDeleteAll(m_turnos);
    m_turnos.clear();
    ui->cmbShift->clear();
    if (index < 0 || index >= m_asignaturas.size())
        return;
    m_turnos = TurnoAsignatura::listByAsignatura(m_asignaturas.at(index)->id());
    for (const TurnoAsignatura* turno : std::as_const(m_turnos))
        ui->cmbShift->addItem(turno->getNombre());
}

void AsignaturaAlumnoDialog::updatePrice(int index)
{
    if (index < 0 || index >= m_turnos.size())
        return;
    const double base = m_turnos.at(index)->getPrecioOrientativo();
    const double descuento = m_alumno ? m_alumno->descuento() : 0.0;
    ui->sbPrecioBase->setValue(base);
    ui->edtDescuento->setValue(descuento);
    // from the fields, which hold the discount within its range
    setPrecio(precioConDescuento(ui->sbPrecioBase->value(), ui->edtDescuento->value()));
}

void AsignaturaAlumnoDialog::discountChanged(double descuento)
{
    setPrecio(precioConDescuento(ui->sbPrecioBase->value(), descuento));
}

void AsignaturaAlumnoDialog::priceChanged(double precioBase)
{
    setPrecio(precioConDescuento(precioBase, ui->edtDescuento->value()));
}

void AsignaturaAlumnoDialog::setPrecio(double precio)
{
    m_precio = precio;
    ui->edtPrice->setText(QString::number(precio, 'g', 6));
}

void AsignaturaAlumnoDialog::altaChanged()
{
    const QDate inicio = ui->edtStartDate->date();
    if (ui->edtEndDate->date() < inicio) {
        ui->edtEndDate->setDate(inicio);
        ui->chkNoEnd->setChecked(true);
        ui->edtEndDate->setDisabled(true);
    }
    ui->edtEndDate->setMinimumDate(inicio);
}

bool AsignaturaAlumnoDialog::validate()
{
    bool valid = true;
    for (QWidget* w : {static_cast<QWidget*>(ui->cmbSubject), static_cast<QWidget*>(ui->cmbShift),
                       static_cast<QWidget*>(ui->edtObservaciones)})
        w->setStyleSheet(QString());
    if (!m_alta) {
        for (QComboBox* combo : {ui->cmbSubject, ui->cmbShift}) {
            if (combo->currentIndex() < 0) {
                markInvalid(combo);
                valid = false;
            }
        }
    }
    if (ui->edtObservaciones->toPlainText().size() > maxObservaciones) {
        markInvalid(ui->edtObservaciones);
        valid = false;
    }
    return valid;
}

Asignatura* AsignaturaAlumnoDialog::currentSubject() const
{
    const int index = ui->cmbSubject->currentIndex();
    return index >= 0 && index < m_asignaturas.size() ? m_asignaturas.at(index) : nullptr;
}

TurnoAsignatura* AsignaturaAlumnoDialog::currentShift() const
{
    const int index = ui->cmbShift->currentIndex();
    return index >= 0 && index < m_turnos.size() ? m_turnos.at(index) : nullptr;
}

Alta* AsignaturaAlumnoDialog::buildAlta()
{
    Alta* alta = m_alta ? new Alta(*m_alta, this) : new Alta(m_alumno->id(), this);
    alta->setNombreAlumno(m_alumno->apellidos() + QStringLiteral(", ") + m_alumno->nombre());
    alta->setPrecioBase(ui->sbPrecioBase->value());
    alta->setPrecio(m_precio);
    alta->setFalta(ui->edtStartDate->date());
    alta->setFbaja(ui->chkNoEnd->isChecked() ? QDate() : ui->edtEndDate->date());
    alta->setObservaciones(ui->edtObservaciones->toPlainText());
    alta->setConDescuento(alta->precioBase() > alta->precio());
    if (TurnoAsignatura* turno = currentShift()) {
        alta->setNombreTurnoAsignatura(turno->getNombre());
        Asignatura* asignatura = currentSubject();
        alta->setNombreAsignatura(asignatura ? asignatura->nombre() : QString());
        alta->setIdTurnoAsignatura(turno->getId());
    } else if (m_alta) {
        // no shift chosen: the sign-up keeps the one it had
        alta->setNombreTurnoAsignatura(m_alta->nombreTurnoAsignatura());
        alta->setNombreAsignatura(m_alta->nombreAsignatura());
    }
    return alta;
}

// Asks before overfilling the shift; false when the user declined.
bool AsignaturaAlumnoDialog::confirmCapacity(TurnoAsignatura* turno, Alta* alta, bool* forzar)
{
    *forzar = false;
    if (!turno)
        return true; // an erased shift has no classroom to fill
    const QDate sinPlaza = turno->getFechaSinPlaza(alta, m_alta != nullptr);
    if (!sinPlaza.isValid())
        return true;
    const QList<SesionDeClase*> sesiones = SesionDeClase::listByTurnoAsignatura(turno->getId());
    const QString motivo =
        sesiones.isEmpty()
            ? tr("The shift you are trying to sign up this student in has no sessions assigned")
            : tr("If you sign up this student, the classroom capacity will be exceeded in %1. ")
                  .arg(QLocale().toString(sinPlaza, QLocale::ShortFormat));
    qDeleteAll(sesiones);
    const QMessageBox::StandardButton answer = APrompter::instance()->message(
        QMessageBox::Warning, QApplication::applicationName(),
        motivo + QStringLiteral("\n") + tr("Would you like to proceed anyway?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    *forzar = answer == QMessageBox::Yes;
    return *forzar;
}

void AsignaturaAlumnoDialog::accept()
{
    if (!validate())
        return;
    Alta* alta = buildAlta();
    bool forzar = false;
    int code = Alta::SinPlaza;
    if (confirmCapacity(currentShift(), alta, &forzar))
        code = m_alta ? m_alumno->updateAlta(alta, forzar) : m_alumno->persistAlta(alta, forzar);
    if (code == Alta::Almacenada) {
        QDialog::accept();
        return;
    }
    delete alta;
    reportRefusal(code);
}

void AsignaturaAlumnoDialog::reportRefusal(int code)
{
    const QString inesperado =
        tr("There has been an unexpected error. Try again, if the error persists contact your provider. ");
    QString motivo = inesperado;
    switch (code) {
    case Alta::BajaAntesDeAlta:
        motivo = tr("Sign up and withdraw dates are incorrect. Check them and try again. ");
        break;
    case Alta::YaTieneId:
        motivo = m_alta ? inesperado : tr("Student has already been signed up.");
        break;
    case Alta::SinId:
        motivo = m_alta ? tr("This information is NOT in the database") : inesperado;
        break;
    case Alta::SinPlaza:
        motivo = tr("This classroom's capacity has been exceeded.");
        break;
    default:
        break;
    }
    const QString text =
        m_alta ? tr("Unsuccessful sign up") + QStringLiteral("\n")
                     + tr("This student's register has not been UPDATED, because:  %1").arg(motivo)
               : tr("Student couldn't be signed up") + QStringLiteral("\n")
                     + tr("Student couldn't be signed up because: %1").arg(motivo);
    APrompter::instance()->message(QMessageBox::Critical, QApplication::applicationName(), text);
}
