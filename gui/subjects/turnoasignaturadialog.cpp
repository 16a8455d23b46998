#include "turnoasignaturadialog.h"
#include "ui_turnoasignaturadialog.h"

#include "aprompter.h"
#include "asignatura.h"
#include "turnoasignatura.h"

#include <QCoreApplication>
#include <QRegularExpressionValidator>

TurnoAsignaturaDialog::TurnoAsignaturaDialog(Asignatura* asignatura, QWidget* parent, Qt::WindowFlags f)
    : ADialog(parent, f)
    , ui(new Ui::TurnoAsignaturaDialog)
    , m_asignatura(asignatura)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    ui->leNombre->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("^.+$")), ui->leNombre));
    ui->lePrecio->setValue(asignatura->precioOrientativo());
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &TurnoAsignaturaDialog::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &TurnoAsignaturaDialog::reject);
}

TurnoAsignaturaDialog::~TurnoAsignaturaDialog()
{
    delete ui;
}

void TurnoAsignaturaDialog::populateDialog(TurnoAsignatura* turno)
{
    m_turno = turno;
    ui->leNombre->setText(turno->getNombre());
    ui->lePrecio->setValue(turno->getPrecioOrientativo());
}

void TurnoAsignaturaDialog::readIntoTurno(TurnoAsignatura* turno) const
{
    turno->setNombre(ui->leNombre->text());
    turno->setPrecioOrientativo(ui->lePrecio->value());
}

void TurnoAsignaturaDialog::accept()
{
    if (!validateLineEdits())
        return;
    const bool guardado = m_turno && m_turno->getId() > 0;
    if (guardado && m_asignatura->nombreTurnoLibre(ui->leNombre->text(), m_turno)) {
        // A stored shift keeps its teacher pay per enrolment.
        readIntoTurno(m_turno);
        QDialog::accept();
        return;
    }
    if (guardado || !offerToAsignatura()) {
        APrompter::instance()->message(
            QMessageBox::Warning, QCoreApplication::applicationName(),
            tr("There is already a shift of this subject with the same name"), QMessageBox::Ok,
            QMessageBox::NoButton,
            tr("It is not possible to create more than a single subject shift with the same name. "
               "Please, select a different shift name."));
        return;
    }
    QDialog::accept();
}

bool TurnoAsignaturaDialog::offerToAsignatura()
{
    if (!m_turno) {
        auto* nuevo = new TurnoAsignatura(nullptr);
        readIntoTurno(nuevo);
        nuevo->setSueldoProfesorPorAlta(0);
        if (!m_asignatura->addTurno(nuevo)) {
            delete nuevo;
            return false;
        }
        m_turno = nuevo;
        return true;
    }
    // An unstored shift edited again is offered anew, so that the subject
    // applies its name rules to it and never holds it twice.
    const QString nombre = m_turno->getNombre();
    const double precio = m_turno->getPrecioOrientativo();
    const bool held = m_asignatura->turnos().contains(m_turno);
    if (held)
        m_asignatura->removeTurno(m_turno);
    readIntoTurno(m_turno);
    if (m_asignatura->addTurno(m_turno))
        return true;
    m_turno->setNombre(nombre);
    m_turno->setPrecioOrientativo(precio);
    if (held)
        m_asignatura->addTurno(m_turno);
    return false;
}
