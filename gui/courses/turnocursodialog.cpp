#include "turnocursodialog.h"
#include "ui_turnocursodialog.h"

#include "aprompter.h"
#include "asignatura.h"
#include "curso.h"
#include "turnoasignatura.h"
#include "turnoasignaturadialog.h"
#include "turnocurso.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDebug>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalMapper>

namespace {
void avisa(const QString& texto, const QString& detalle)
{
    APrompter::instance()->message(QMessageBox::Warning, QCoreApplication::applicationName(), texto,
                                   QMessageBox::Ok, QMessageBox::NoButton, detalle);
}
}

TurnoCursoDialog::TurnoCursoDialog(Curso* curso, TurnoCurso* turnoCurso, QWidget* parent, Qt::WindowFlags f)
    : ADialog(parent, f)
    , ui(new Ui::TurnoCursoDialog)
    , m_curso(curso)
    , m_turnoCurso(turnoCurso)
    , m_mapper(new QSignalMapper(this))
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    ui->leNombre->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("^.+$")), ui->leNombre));
    ui->lePrecio->setValue(m_curso->precioOrientativo());
    if (!m_turnoCurso) {
        const QList<Asignatura*> asignaturas = m_curso->asignaturas();
        for (int i = 0; i < asignaturas.size(); ++i)
            addFilaAsignatura(asignaturas.at(i), i);
    } else {
        cargarTurnoCurso();
    }
    connect(m_mapper, &QSignalMapper::mappedInt, this, &TurnoCursoDialog::addTurnoAsignatura);
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &TurnoCursoDialog::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

TurnoCursoDialog::~TurnoCursoDialog()
{
    delete ui;
}

void TurnoCursoDialog::addFilaAsignatura(Asignatura* asignatura, int fila)
{
    auto* combo = new QComboBox(this);
    combo->setObjectName(QStringLiteral("cbTurnoAsignatura%1").arg(fila));
    combo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto* boton = new QPushButton(QStringLiteral("*"), this);
    boton->setObjectName(QStringLiteral("btnNuevoTurno%1").arg(fila));
    boton->setToolTip(tr("If there is no desired subject shift, you can create a new one"));
    boton->setMaximumWidth(32);
    auto* campo = new QHBoxLayout;
    campo->addWidget(combo);
    campo->addWidget(boton);
    ui->flTurnosAsignaturas->addRow(asignatura->nombre(), campo);
    m_combos.append(combo);
    fillCombo(fila);
    combo->setCurrentIndex(-1);
    connect(boton, &QPushButton::clicked, m_mapper, qOverload<>(&QSignalMapper::map));
    m_mapper->setMapping(boton, fila);
}

void TurnoCursoDialog::fillCombo(int fila)
{
    QComboBox* combo = m_combos.at(fila);
    combo->clear();
    const QList<TurnoAsignatura*> turnos = m_curso->asignaturas().at(fila)->turnos();
    for (TurnoAsignatura* turno : turnos)
        combo->addItem(turno->getNombre());
}

void TurnoCursoDialog::cargarTurnoCurso()
{
    ui->leNombre->setText(m_turnoCurso->getNombre());
    ui->lePrecio->setValue(m_turnoCurso->getPrecioOrientativo());
    const QList<Asignatura*> asignaturas = m_curso->asignaturas();
    for (int i = 0; i < asignaturas.size(); ++i)
        addFilaAsignatura(asignaturas.at(i), i);

    const QList<TurnoAsignatura*> miembros = m_turnoCurso->getTurnosAsignatura();
    for (TurnoAsignatura* ta : miembros) {
        for (int i = 0; i < asignaturas.size(); ++i) {
            // A shift created here before the course was stored is known by
            // its object; a stored one by its subject and name.
            const int nuevo = asignaturas.at(i)->turnos().indexOf(ta);
            if (ta->id() <= 0 && nuevo >= 0) {
                m_combos.at(i)->setCurrentIndex(nuevo);
                break;
            }
            qDebug() << "asignaturasEnCurso.at(i)->id():" << asignaturas.at(i)->id()
                     << "ta->pasignatura()->id():" << ta->getIdAsignatura();
            if (ta->id() > 0 && asignaturas.at(i)->id() == ta->getIdAsignatura()) {
                qDebug() << "ta->nombre():" << ta->getNombre();
                m_combos.at(i)->setCurrentIndex(m_combos.at(i)->findText(ta->getNombre(), Qt::MatchFixedString));
                break;
            }
        }
    }
}

void TurnoCursoDialog::addTurnoAsignatura(int fila)
{
    Asignatura* asignatura = m_curso->asignaturas().at(fila);
    auto* dialog = new TurnoAsignaturaDialog(asignatura, this);
    if (dialog->exec() != QDialog::Accepted)
        return;
    // The new shift stays with its subject in memory; the course dialog
    // stores it with the course, so Cancel there leaves nothing behind.
    fillCombo(fila);
}

void TurnoCursoDialog::updateTurnoCurso()
{
    if (!m_turnoCurso)
        m_turnoCurso = new TurnoCurso(nullptr);
    m_turnoCurso->setNombre(ui->leNombre->text());
    m_turnoCurso->setPrecioOrientativo(ui->lePrecio->value());
}

void TurnoCursoDialog::accept()
{
    if (!validateLineEdits())
        return;
    for (QComboBox* combo : std::as_const(m_combos)) {
        if (combo->currentIndex() < 0) {
            avisa(tr("Every course subject must have a shift selected"),
                  tr("Please select a shift for each subject to continue. "));
            return;
        }
    }
    const QString yaExiste = tr("There is already another course shift with this name");
    const QString detalle = tr("It is not possible to create more than a single course shift with the same "
                               "name.Please select a different course shift name to continue.");
    if (m_turnoCurso) {
        // Two course shifts of one course never share a name.
        const QList<TurnoCurso*> hermanos = m_curso->turnos();
        for (TurnoCurso* otro : hermanos) {
            if (otro != m_turnoCurso && otro->getNombre() == ui->leNombre->text()) {
                avisa(yaExiste, detalle);
                return;
            }
        }
        updateTurnoCurso();
        m_turnoCurso->getTurnosAsignatura();
        m_turnoCurso->clearTurnosAsignatura();
    } else {
        updateTurnoCurso();
        if (!m_curso->addTurnoCurso(m_turnoCurso)) {
            avisa(yaExiste, detalle);
            delete m_turnoCurso;
            m_turnoCurso = nullptr;
            return;
        }
    }
    const QList<Asignatura*> asignaturas = m_curso->asignaturas();
    for (int i = 0; i < m_combos.size(); ++i)
        m_turnoCurso->addTurnoAsignatura(asignaturas.at(i)->turnos().at(m_combos.at(i)->currentIndex()));
    ADialog::accept();
}
