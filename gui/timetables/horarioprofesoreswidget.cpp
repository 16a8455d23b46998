#include "horarioprofesoreswidget.h"
#include "ui_horarioswidget.h"

#include "profesor.h"
#include "sesiondeclase.h"

#include <memory>

HorarioProfesoresWidget::HorarioProfesoresWidget()
    : HorarioSemanalWidget(QStringLiteral("IndProfesTT"))
{
    setUp(tr("<b>Schedule of the teacher</b>"), tr("Day/hour"));
}

HorarioProfesoresWidget::~HorarioProfesoresWidget() = default;

void HorarioProfesoresWidget::refreshCmb()
{
    const QList<Profesor*> profesores = Profesor::getAll();
    const QSignalBlocker blocker(ui->timetableSelCmb);
    ui->timetableSelCmb->clear();
    for (const Profesor* profesor : profesores)
        ui->timetableSelCmb->addItem(profesor->apellidos() + QStringLiteral(", ") + profesor->nombre(),
                                     profesor->id());
    qDeleteAll(profesores);
}

bool HorarioProfesoresWidget::loadShown(int id)
{
    const std::unique_ptr<Profesor> profesor(Profesor::getFromDB(id));
    m_idProfesor = profesor ? profesor->id() : 0;
    return profesor != nullptr;
}

bool HorarioProfesoresWidget::showsSession(const SesionDeClase& sesion) const
{
    return m_idProfesor > 0 && sesion.getIdProfesor() == m_idProfesor;
}

HorarioEntryBuilder::Lines HorarioProfesoresWidget::toolTipLines() const
{
    HorarioEntryBuilder::Lines lines;
    lines.subject = tr("<b>Subject:</b> %1<br/>");
    lines.shift = tr("<b>Shift: </b> %3<br/>");
    lines.students = tr("<b>Number of students:</b> %4 <br/>");
    lines.classroom = tr("<b>Classroom:</b> %5");
    return lines;
}

QString HorarioProfesoresWidget::getHeaderForPrint()
{
    const std::unique_ptr<Profesor> profesor(Profesor::getFromDB(currentId()));
    return tr("Timetable for teacher %1")
        .arg(profesor ? profesor->nombre() + QLatin1Char(' ') + profesor->apellidos() : QString());
}
