#include "horarioaulaswidget.h"
#include "ui_horarioswidget.h"

#include "aula.h"
#include "sesiondeclase.h"

#include <memory>

HorarioAulasWidget::HorarioAulasWidget()
    : HorarioSemanalWidget(QStringLiteral("IndAulasTT"))
{
    setUp(tr("<b>Schedule of the classroom</b>"), tr("Day/hour"));
}

HorarioAulasWidget::~HorarioAulasWidget() = default;

void HorarioAulasWidget::refreshCmb()
{
    const QList<Aula*> aulas = Aula::list();
    const QSignalBlocker blocker(ui->timetableSelCmb);
    ui->timetableSelCmb->clear();
    for (const Aula* aula : aulas)
        ui->timetableSelCmb->addItem(aula->nombre(), aula->id());
    qDeleteAll(aulas);
}

bool HorarioAulasWidget::loadShown(int id)
{
    const std::unique_ptr<Aula> aula(Aula::getFromDB(id));
    m_idAula = aula ? aula->id() : 0;
    return aula != nullptr;
}

bool HorarioAulasWidget::showsSession(const SesionDeClase& sesion) const
{
    return sesion.getIdAula() == m_idAula;
}

HorarioEntryBuilder::Lines HorarioAulasWidget::toolTipLines() const
{
    HorarioEntryBuilder::Lines lines;
    lines.noTeacher = tr("<b>NO TEACHER ASSIGNED</b><br/>");
    lines.subject = tr("<b>Subject:</b> %1<br/>");
    lines.shift = tr("<b>Shift: </b> %3<br/>");
    lines.students = tr("<b>Number of students:</b> %4 <br/>");
    return lines;
}

QString HorarioAulasWidget::getHeaderForPrint()
{
    const std::unique_ptr<Aula> aula(Aula::getFromDB(currentId()));
    return tr("Timetable for %1").arg(aula ? aula->nombre() : QString());
}
