#include "horariodiaswidget.h"
#include "ui_horarioswidget.h"

#include "aprompter.h"
#include "atimetablewidget.h"
#include "aula.h"
#include "auladialog.h"
#include "horarioentrybuilder.h"
#include "sesiondeclase.h"

#include <QApplication>
#include <QLocale>
#include <QMenu>
#include <QSettings>
#include <QTextDocument>
#include <QTimer>

namespace {
const QString kDayKey = QStringLiteral("IndDiasTT");
// boxes laid out ahead per idle turn: each turn well under a tenth of a second
constexpr qsizetype kBoxesPerTurn = 200;
}

HorarioDiasWidget::HorarioDiasWidget()
    : HorariosWidget(nullptr)
{
    const QLocale locale;
    {
        const QSignalBlocker blocker(ui->timetableSelCmb);
        for (int day = 1; day <= 7; ++day)
            ui->timetableSelCmb->addItem(locale.dayName(day, QLocale::LongFormat), day);
    }
    ui->lbTipoHorario->setText(tr("<b>Schedule of the day</b>"));
    m_menu->addSeparator();
    m_menu->addAction(ui->actionAdd_classroom);
    m_menu->addAction(ui->actionEdit_classroom);
    m_menu->addAction(ui->actionRemove_classroom);
    connect(ui->actionAdd_classroom, &QAction::triggered, this, &HorarioDiasWidget::addAula);
    connect(ui->actionEdit_classroom, &QAction::triggered, this, &HorarioDiasWidget::editAula);
    connect(ui->actionRemove_classroom, &QAction::triggered, this, &HorarioDiasWidget::removeAula);
    connect(ui->timetableSelCmb, &QComboBox::currentIndexChanged, this, [this] { storeSelection(); });

    checkLastSessionDatabase();
    QSettings settings;
    settings.beginGroup(QStringLiteral("LASTSESSIONSTATUS"));
    if (settings.contains(kDayKey))
        setCurrentId(settings.value(kDayKey).toInt());
    else
        ui->timetableSelCmb->setCurrentIndex(0);
    canvas()->setCornerText(tr("Classroom/hour"));
    HorariosWidget::refresh();
    updateActions();
}

HorarioDiasWidget::~HorarioDiasWidget()
{
    storeSelection();
    qDeleteAll(m_aulas);
}

void HorarioDiasWidget::refreshCmb()
{
    // the weekdays never change
}

void HorarioDiasWidget::saveCurrentIndex(int id)
{
    QSettings settings;
    settings.beginGroup(QStringLiteral("LASTSESSIONSTATUS"));
    settings.setValue(kDayKey, id);
}

QString HorarioDiasWidget::getHeaderForPrint()
{
    return tr("Timetable for %1").arg(QLocale().dayName(getDayForNewSession(), QLocale::LongFormat));
}

int HorarioDiasWidget::getDayForNewSession()
{
    return ui->timetableSelCmb->currentIndex() + 1;
}

int HorarioDiasWidget::getAulaForNewSession()
{
    if (m_columnaRecordada > 0)
        return m_columnaRecordada;
    // no classroom found under the pointer yet: the first one
    return m_aulas.isEmpty() ? -1 : m_aulas.first()->id();
}

void HorarioDiasWidget::loadAulas()
{
    qDeleteAll(m_aulas);
    m_aulas = Aula::list();
    QList<ATimeTableHeader> headers;
    for (const Aula* aula : std::as_const(m_aulas)) {
        // A tool tip that looks like markup is shown as markup: the location is text.
        const QString lugar = aula->localizacion();
        headers.append({aula->nombre(), lugar.isEmpty() ? QString() : Qt::convertFromPlainText(lugar), aula->id()});
    }
    canvas()->setHeaders(headers);
    canvas()->setInfoText(m_aulas.isEmpty() ? tr("Please, add a classroom in order to add sessions") : QString());
}

void HorarioDiasWidget::layOutAhead()
{
    m_ahead.clear();
    m_aheadLaidOut = -1;
    m_layingOutAhead = true;
    QTimer::singleShot(0, this, &HorarioDiasWidget::layOutMoreAhead);
}

void HorarioDiasWidget::layOutMoreAhead()
{
    // an activation or a refresh has drawn the whole day itself
    if (!m_layingOutAhead || wasActivated()) {
        m_ahead.clear();
        return;
    }
    // the first turn reads the sessions, the next ones lay their boxes out
    if (m_aheadLaidOut < 0) {
        loadAulas();
        m_ahead = entriesOfTheDay();
        m_aheadLaidOut = 0;
        if (!m_ahead.isEmpty())
            QTimer::singleShot(0, this, &HorarioDiasWidget::layOutMoreAhead);
        return;
    }
    m_aheadLaidOut = std::min(m_ahead.size(), m_aheadLaidOut + kBoxesPerTurn);
    canvas()->setSessions(m_ahead.first(m_aheadLaidOut));
    canvas()->refresh();
    if (m_aheadLaidOut < m_ahead.size())
        QTimer::singleShot(0, this, &HorarioDiasWidget::layOutMoreAhead);
    else
        m_ahead.clear();
}

void HorarioDiasWidget::refresh()
{
    m_layingOutAhead = false;
    HorariosWidget::refresh();
    loadAulas();
    canvas()->setSessions(entriesOfTheDay());
    canvas()->refresh();
    showOutsideWarning();
    updateActions();
}

// The boxes of the shown day's sessions, which become the shown ones.
QList<ATimeTableSession> HorarioDiasWidget::entriesOfTheDay()
{
    HorarioEntryBuilder::Lines lines;
    lines.noTeacher = tr("<b>NO TEACHER ASSIGNED</b><br/>");
    lines.teacher = tr("<b>Teacher:</b> %1<br/>");
    lines.subject = tr("<b>Subject:</b> %1<br/>");
    lines.shift = tr("<b>Shift: </b> %3<br/>");
    lines.students = tr("<b>Number of students:</b> %4");
    const QSet<int> overlaps = overlapIds();
    setShownSessions(SesionDeClase::listByDiaSemana(getDayForNewSession()));
    HorarioEntryBuilder builder(lines, overlaps);
    QList<ATimeTableSession> entries;
    for (const SesionDeClase* sesion : std::as_const(m_sesiones))
        entries.append(builder.build(*sesion, sesion->getIdAula()));
    return entries;
}

void HorarioDiasWidget::updateActions()
{
    HorariosWidget::updateActions();
    ui->actionAdd_session->setEnabled(!m_aulas.isEmpty());
    ui->actionAdd_classroom->setEnabled(true);
    ui->actionEdit_classroom->setEnabled(m_columnaEnPuntero);
    ui->actionRemove_classroom->setEnabled(m_columnaEnPuntero);
}

void HorarioDiasWidget::showContextMenu()
{
    rememberPointer();
    updateActions();
    HorariosWidget::showContextMenu();
}

void HorarioDiasWidget::addAula()
{
    trackDialog(new AulaDialog(this, 0));
}

void HorarioDiasWidget::editAula()
{
    auto* dialog = new AulaDialog(this, m_columnaRecordada);
    if (!dialog->found()) {
        delete dialog;
        APrompter::instance()->message(QMessageBox::Warning, QApplication::applicationName(),
                                       AulaDialog::notFoundText());
        refresh();
        return;
    }
    trackDialog(dialog);
}

void HorarioDiasWidget::removeAula()
{
    Aula* aula = nullptr;
    for (Aula* candidate : std::as_const(m_aulas))
        if (candidate->id() == m_columnaRecordada)
            aula = candidate;
    if (!aula) {
        qWarning() << "Aula to remove not found" << m_columnaRecordada;
        return;
    }
    const QList<SesionDeClase*> sesiones = SesionDeClase::listByAula(aula->id());
    if (!sesiones.isEmpty()) {
        const QString text = tr("<html>It is not possible to delete a classroom with classes. <br/>")
            + tr("The room you are trying to delete has the following sessions assigned: <br/>%1<br/> Edit them "
                 "before deleting the classroom.")
                  .arg(sessionsList(sesiones));
        qDeleteAll(sesiones);
        APrompter::instance()->message(QMessageBox::Warning, QApplication::applicationName(), text);
        return;
    }
    if (!aula->remove()) {
        APrompter::warning(QApplication::applicationName(),
                           tr("It has been impossible to remove the classroom.\nIt is still stored."));
        return;
    }
    m_columnaRecordada = 0;
    refresh();
}

QString HorarioDiasWidget::sessionsList(const QList<SesionDeClase*>& sesiones) const
{
    const QLocale locale;
    QString list = QStringLiteral("<ul>");
    for (const SesionDeClase* sesion : sesiones)
        list += tr("<li>%1 at %2:%3</li>")
                    .arg(locale.dayName(sesion->getDiaSemana(), QLocale::LongFormat))
                    .arg(sesion->getHoraInicio(), 2, 10, QLatin1Char('0'))
                    .arg(sesion->getMinutoHoraInicio(), 2, 10, QLatin1Char('0'));
    return list + QStringLiteral("</ul>");
}
