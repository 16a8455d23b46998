#include "horariosemanalwidget.h"
#include "ui_horarioswidget.h"

#include "atimetablewidget.h"
#include "sesiondeclase.h"

#include <QLocale>
#include <QSettings>

namespace {

QList<ATimeTableHeader> weekdayHeaders()
{
    const QLocale locale;
    QList<ATimeTableHeader> headers;
    for (int day = 1; day <= 7; ++day)
        headers.append({locale.dayName(day, QLocale::LongFormat), QString(), day});
    return headers;
}

} // namespace

HorarioSemanalWidget::HorarioSemanalWidget(const QString& settingsKey)
    : HorariosWidget(nullptr)
    , m_settingsKey(settingsKey)
{
}

HorarioSemanalWidget::~HorarioSemanalWidget()
{
    storeSelection();
}

void HorarioSemanalWidget::setUp(const QString& title, const QString& cornerText)
{
    ui->lbTipoHorario->setText(title);
    canvas()->setHeaders(weekdayHeaders());
    canvas()->setCornerText(cornerText);
    // The chooser (every student, say) is filled and the week drawn when the
    // view is first activated: the section is built without them.
    checkLastSessionDatabase();
    QSettings settings;
    settings.beginGroup(QStringLiteral("LASTSESSIONSTATUS"));
    m_rememberedId = settings.value(m_settingsKey, 0).toInt();
    canvas()->refresh();
}

void HorarioSemanalWidget::saveCurrentIndex(int id)
{
    QSettings settings;
    settings.beginGroup(QStringLiteral("LASTSESSIONSTATUS"));
    settings.setValue(m_settingsKey, id);
}

void HorarioSemanalWidget::refresh()
{
    HorariosWidget::refresh();
    QList<SesionDeClase*> todas = SesionDeClase::listAll();
    const QSet<int> overlaps = overlapIds();
    if (!loadShown(currentId())) {
        qDeleteAll(todas);
        // once to the first entry; when that one fails too, an empty grid
        if (!m_fallingBack && ui->timetableSelCmb->count() > 0) {
            m_fallingBack = true;
            {
                const QSignalBlocker blocker(ui->timetableSelCmb);
                ui->timetableSelCmb->setCurrentIndex(0);
            }
            refresh();
            m_fallingBack = false;
            return;
        }
        showEmptyGrid();
        return;
    }

    QList<SesionDeClase*> shown;
    for (SesionDeClase* sesion : std::as_const(todas)) {
        if (showsSession(*sesion))
            shown.append(sesion);
        else
            delete sesion;
    }
    setShownSessions(shown);
    HorarioEntryBuilder builder(toolTipLines(), overlaps);
    QList<ATimeTableSession> entries;
    for (const SesionDeClase* sesion : std::as_const(m_sesiones))
        entries.append(builder.build(*sesion, sesion->getDiaSemana()));
    canvas()->setSessions(entries);
    canvas()->refresh();
    showOutsideWarning();
}

void HorarioSemanalWidget::showEmptyGrid()
{
    setShownSessions({});
    canvas()->setSessions({});
    canvas()->refresh();
    showOutsideWarning();
}

void HorarioSemanalWidget::showContextMenu()
{
    rememberPointer();
    updateActions();
    HorariosWidget::showContextMenu();
}
