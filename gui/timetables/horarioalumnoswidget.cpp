#include "horarioalumnoswidget.h"
#include "ui_horarioswidget.h"

#include "acollation.h"
#include "alta.h"
#include "alumno.h"
#include "daorow.h"
#include "sesiondeclase.h"

#include <memory>

HorarioAlumnosWidget::HorarioAlumnosWidget()
    : HorarioSemanalWidget(QStringLiteral("IndStudentTT"))
{
    setUp(tr("<b>Schedule of the student</b>"), tr("Day/hour"));
}

HorarioAlumnosWidget::~HorarioAlumnosWidget() = default;

void HorarioAlumnosWidget::refreshCmb()
{
    // every student, read as rows: thousands of objects with their phones
    // would be built only for two names
    QList<QPair<QString, int>> entradas;
    Alumno::readList(int(Alumno::Modo::Todos), [&entradas](const DaoRow& row) {
        // the columns of Alumno::COLUMNS: id, first name, surnames
        entradas.append({row.text(2) + QStringLiteral(", ") + row.text(1), int(row.integer(0))});
    });
    // by the shown text, as the language reads it ("Álvarez" among the A's)
    ACollation::sortBy(entradas, [](const QPair<QString, int>& e) { return e.first; });
    const QSignalBlocker blocker(ui->timetableSelCmb);
    ui->timetableSelCmb->clear();
    for (const auto& entrada : std::as_const(entradas))
        ui->timetableSelCmb->addItem(entrada.first, entrada.second);
}

bool HorarioAlumnosWidget::loadShown(int id)
{
    m_idsTurnos.clear();
    const std::unique_ptr<Alumno> alumno(Alumno::getFromDB(id));
    if (!alumno)
        return false;
    // every sign-up counts, whatever its dates
    const QList<Alta*> altas = alumno->altas();
    for (const Alta* alta : altas)
        m_idsTurnos.insert(alta->idTurnoAsignatura());
    qDeleteAll(altas);
    return true;
}

bool HorarioAlumnosWidget::showsSession(const SesionDeClase& sesion) const
{
    return m_idsTurnos.contains(sesion.getIdTurnoAsignatura());
}

HorarioEntryBuilder::Lines HorarioAlumnosWidget::toolTipLines() const
{
    HorarioEntryBuilder::Lines lines;
    lines.noTeacher = tr("<b>NO TEACHER ASSIGNED</b><br/>");
    lines.subject = tr("<b>Subject:</b> %1<br/>");
    lines.shift = tr("<b>Shift: </b> %3<br/>");
    lines.students = tr("<b>Number of students:</b> %4 <br/>");
    lines.classroom = tr("<b>Classroom:</b> %5");
    return lines;
}

QString HorarioAlumnosWidget::getHeaderForPrint()
{
    const std::unique_ptr<Alumno> alumno(Alumno::getFromDB(currentId()));
    return tr("Timetable for student %1")
        .arg(alumno ? alumno->nombre() + QLatin1Char(' ') + alumno->apellidos() : QString());
}
