#include "timetablesfixture.h"

#include "appstatusdialog.h"
#include "atimetablewidget.h"
#include "auladialog.h"
#include "crearsesiondeclasedialog.h"
#include "editsesiondeclasedialog.h"
#include "dbmanager.h"
#include "horarioalumnoswidget.h"
#include "horarioaulaswidget.h"
#include "horariodiaswidget.h"
#include "horarioprofesoreswidget.h"
#include "horarioswindowwidget.h"
#include "outputfiles.h"
#include "pageharness.h"
#include "pagesession.h"
#include "shownhtml.h"
#include "testmain.h"

#include "checkcounter.h"

#include <QCheckBox>
#include <QGraphicsPathItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTextBrowser>

using namespace TimetablesFixture;

namespace {

QPointF cellPoint(int column, int minute)
{
    return {ATimeTableWidget::xOfColumn(column) + 75.0, double(ATimeTableWidget::yOfMinute(minute))};
}

// A right click on that scene point of the view's grid.
void rightClick(HorariosWidget* view, const QPointF& scenePoint)
{
    ATimeTableWidget* canvas = view->canvas();
    canvas->ensureVisible(QRectF(scenePoint, QSizeF(1, 1)), 200, 120);
    emit canvas->customContextMenuRequested(canvas->mapFromScene(scenePoint));
    for (QMenu* menu : view->findChildren<QMenu*>())
        menu->hide();
}

QMap<int, QGraphicsPathItem*> boxes(HorariosWidget* view)
{
    QMap<int, QGraphicsPathItem*> found;
    for (QGraphicsItem* item : view->canvas()->scene()->items())
        if (auto* box = qgraphicsitem_cast<QGraphicsPathItem*>(item))
            found.insert(box->data(0).toInt(), box);
    return found;
}

int statusOf(QGraphicsPathItem* box)
{
    if (box->brush().style() == Qt::DiagCrossPattern)
        return 1;
    return box->brush().color() == QColor(QStringLiteral("#FFC4B7")) ? 2 : 0;
}

QString infoText(HorariosWidget* view)
{
    for (QGraphicsItem* item : view->canvas()->scene()->items())
        if (auto* text = qgraphicsitem_cast<QGraphicsSimpleTextItem*>(item))
            return text->text();
    return QString();
}

QAction* action(QWidget* view, const char* name)
{
    return view->findChild<QAction*>(QLatin1String(name));
}

void pressWhenShown(PageHarness& h, const char* button, bool* saveEnabled = nullptr)
{
    h.whenShown<AppStatusDialog>([button, saveEnabled](AppStatusDialog* dialog) {
        if (saveEnabled)
            *saveEnabled = dialog->findChild<QPushButton*>(QStringLiteral("btnIgnore"))->isEnabled();
        dialog->findChild<QPushButton*>(QLatin1String(button))->click();
    });
}

// Presses the button and keeps what the status dialog showed.
struct StatusSeen {
    bool shown = false;
    bool saveEnabled = false;
    QString text;
};

void pressWhenShown(PageHarness& h, const char* button, StatusSeen* seen)
{
    h.whenShown<AppStatusDialog>([button, seen](AppStatusDialog* dialog) {
        seen->shown = true;
        seen->saveEnabled = dialog->findChild<QPushButton*>(QStringLiteral("btnIgnore"))->isEnabled();
        seen->text = dialog->findChild<QTextBrowser*>(QStringLiteral("tbErrors"))->toPlainText();
        dialog->findChild<QPushButton*>(QLatin1String(button))->click();
    });
}

// The hours whose rows a printed page names ("9:00 h.").
QSet<int> printedHours(const QString& text)
{
    QSet<int> hours;
    static const QRegularExpression row(QStringLiteral("(?<!\\d)(\\d{1,2}):00 h\\."));
    for (auto it = row.globalMatch(text); it.hasNext();)
        hours.insert(it.next().captured(1).toInt());
    return hours;
}

// The height in points of the smallest word of a PDF's text layer, as poppler boxes it.
double smallestWordHeight(const QString& pdf)
{
    const QString boxes = outputfiles::run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    static const QRegularExpression word(QStringLiteral("yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" yMax=\"([\\d.]+)\""));
    double smallest = 1000;
    for (auto it = word.globalMatch(boxes); it.hasNext();) {
        const auto m = it.next();
        smallest = std::min(smallest, m.captured(2).toDouble() - m.captured(1).toDouble());
    }
    return smallest;
}

} // namespace

class TestHorariosWindowWidget : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(abrirBaseNueva());
        m = smallAcademy();
        configurar(QStringLiteral("hora_apertura"), 8);
        configurar(QStringLiteral("hora_cierre"), 22);
        // the shifts without sessions are known and ignored
        Academia::inicializarEstado();
    }
    void cleanup()
    {
        delete m_window;
        if (Dao::getInstance()->inTransaction())
            Dao::getInstance()->rollback();
    }

    void startsOnTheDayViewAndSwitchesByNumber()
    {
        open();
        QVERIFY(qobject_cast<HorarioDiasWidget*>(m_window->currentHorario()));
        QVERIFY(action(m_window, "actionShowDias")->isChecked());
        QStringList names;
        for (QAction* a : m_window->actions())
            names << (a->isSeparator() ? QStringLiteral("|") : a->objectName());
        QCOMPARE(names, (QStringList{"actionShowAlumnos", "actionShowAulas", "actionShowTeacher", "|",
                                     "actionShowDias"}));
        auto* stack = m_window->findChild<QStackedWidget*>(QStringLiteral("stackedWidget"));
        QCOMPARE(stack->indexOf(m_window->findChild<HorarioAlumnosWidget*>()), 1);
        QCOMPARE(stack->indexOf(m_window->findChild<HorarioAulasWidget*>()), 2);
        QCOMPARE(stack->indexOf(m_window->findChild<HorarioDiasWidget*>()), 3);
        QCOMPARE(stack->indexOf(m_window->findChild<HorarioProfesoresWidget*>()), 4);
        struct Case { int number; const char* view; const char* action; };
        for (const Case& c : {Case{1, "HorarioAulasWidget", "actionShowAulas"},
                              Case{2, "HorarioDiasWidget", "actionShowDias"},
                              Case{3, "HorarioProfesoresWidget", "actionShowTeacher"},
                              Case{7, "HorarioAlumnosWidget", "actionShowAlumnos"},
                              Case{0, "HorarioAlumnosWidget", "actionShowAlumnos"}}) {
            m_window->showHorario(c.number);
            QCOMPARE(m_window->currentHorario()->metaObject()->className(), c.view);
            int checked = 0;
            for (QAction* a : m_window->actions())
                checked += a->isChecked();
            QCOMPARE(checked, 1);
            QVERIFY(action(m_window, c.action)->isChecked());
        }
    }

    // The check runs when the section is drawn first, and again only once
    // something it reads has changed.
    void checksWhenActivatedAndAgainOnlyAfterAChange()
    {
        const int monday = sesion(m.manana, m.aula1, 1, 600, 660, m.marta);
        const int clashA = sesion(m.tarde, m.aula1, 1, 900, 960, m.marta);
        const int clashB = sesion(m.tarde, m.aula2, 1, 930, 990, 0);
        CheckCounter checks;
        m_window = new HorariosWindowWidget;
        QCOMPARE(checks.count(), 0);
        HorariosWidget* day = m_window->currentHorario();
        QVERIFY(qobject_cast<HorarioDiasWidget*>(day));

        m_window->resize(1100, 700);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        QCOMPARE(checks.count(), 0);
        m_window->activateWidget();
        QCOMPARE(checks.count(), 1);
        const auto shown = boxes(day);
        QCOMPARE(shown.keys(), (QList<int>{monday, clashA, clashB}));
        QCOMPARE(statusOf(shown.value(clashA)), 2);

        // views and entries shown while nothing changed reuse the results
        m_window->showHorario(3);
        QCOMPARE(checks.count(), 1);
        QVERIFY(!boxes(m_window->currentHorario()).isEmpty());
        m_window->showHorario(2);
        QCOMPARE(checks.count(), 1);
        combo(day, "timetableSelCmb")->setCurrentIndex(1);
        QCOMPARE(checks.count(), 1);
        QVERIFY(boxes(day).isEmpty());
        combo(day, "timetableSelCmb")->setCurrentIndex(0);

        // a write inside the visit's open transaction is seen at once
        QVERIFY(academy::exec(QStringLiteral("UPDATE sesiondeclase SET diasemana = 2 WHERE id = ?"), {clashB}));
        day->refresh();
        QCOMPARE(checks.count(), 2);
        QCOMPARE(statusOf(boxes(day).value(clashA)), 0);
        // a write the check does not read changes nothing
        QVERIFY(academy::exec(QStringLiteral("UPDATE alumno SET observaciones = 'x'")));
        day->refresh();
        QCOMPARE(checks.count(), 2);
    }

    // The section is built without its weekly choosers: each is filled when
    // its view is first shown, on the entry the last run left; a run that
    // never showed it keeps that entry. The day is laid out in idle turns.
    void choosersFilledWhenFirstShownOnTheRememberedEntry()
    {
        alumno(QStringLiteral("Ana"));
        const int bea = alumno(QStringLiteral("Bea"));
        const int monday = sesion(m.manana, m.aula1, 1, 600, 660, m.marta);
        QSettings settings;
        settings.setValue(QStringLiteral("LASTSESSIONSTATUS/database"), DBManager::currentDB(false));
        settings.setValue(QStringLiteral("LASTSESSIONSTATUS/IndStudentTT"), bea);
        CheckCounter checks;
        m_window = new HorariosWindowWidget;
        auto* students = m_window->findChild<HorarioAlumnosWidget*>();
        QCOMPARE(combo(students, "timetableSelCmb")->count(), 0);
        m_window->layOutAhead();
        QTRY_COMPARE(boxes(m_window->currentHorario()).keys(), QList<int>{monday});
        QCOMPARE(checks.count(), 0);
        delete m_window;
        QCOMPARE(QSettings().value(QStringLiteral("LASTSESSIONSTATUS/IndStudentTT")).toInt(), bea);

        open();
        m_window->showHorario(0);
        QCOMPARE(m_window->currentHorario()->currentId(), bea);
        QCOMPARE(combo(m_window->currentHorario(), "timetableSelCmb")->count(), 2);
    }

    void chosenViewAndEntryDrawnOnceOnActivation()
    {
        const int marta = sesion(m.manana, m.aula1, 2, 600, 660, m.marta);
        CheckCounter checks;
        open();
        QCOMPARE(checks.count(), 1);
        m_window->selectHorario(3, m.marta);
        QCOMPARE(checks.count(), 1);
        auto* view = qobject_cast<HorarioProfesoresWidget*>(m_window->currentHorario());
        QVERIFY(view);
        QVERIFY(action(m_window, "actionShowTeacher")->isChecked());
        m_window->activateWidget();
        // nothing changed: the results of the first drawing are reused
        QCOMPARE(checks.count(), 1);
        QCOMPARE(view->currentId(), m.marta);
        QCOMPARE(boxes(view).keys(), QList<int>{marta});
        // the wish is used once: the next activation keeps what is chosen
        m_window->activateWidget();
        QCOMPARE(checks.count(), 1);
        QCOMPARE(view->currentId(), m.marta);
    }

    void dayViewWithoutClassroomsAsksForOne()
    {
        QVERIFY(academy::exec(QStringLiteral("DELETE FROM aula")));
        open();
        HorariosWidget* day = m_window->currentHorario();
        QCOMPARE(infoText(day), QStringLiteral("Please, add a classroom in order to add sessions"));
        rightClick(day, QPointF(300, 300));
        QVERIFY(!action(day, "actionAdd_session")->isEnabled());
        QVERIFY(action(day, "actionAdd_classroom")->isEnabled());

        // the weekly views say so instead of opening the dialog
        m_window->showHorario(3);
        PageHarness h(m_window->currentHorario());
        h.answerNext(QStringLiteral("There are no classrooms available."), QMessageBox::Ok);
        QVERIFY(h.trigger("actionAdd_session"));
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QVERIFY(!h.prompter().asked().isEmpty());
    }

    void coloursFollowTeacherAndOverlaps()
    {
        const int normal = sesion(m.manana, m.aula1, 1, 600, 660, m.marta);
        const int noTeacher = sesion(m.manana, m.aula2, 1, 720, 780, 0);
        const int clashA = sesion(m.tarde, m.aula1, 1, 900, 960, m.marta);
        const int clashB = sesion(m.tarde, m.aula2, 1, 930, 990, 0);
        open();
        const auto shown = boxes(m_window->currentHorario());
        QCOMPARE(shown.keys(), (QList<int>{normal, noTeacher, clashA, clashB}));
        QCOMPARE(statusOf(shown.value(normal)), 0);
        QCOMPARE(statusOf(shown.value(noTeacher)), 1);
        QCOMPARE(statusOf(shown.value(clashA)), 2);
        QCOMPARE(statusOf(shown.value(clashB)), 2);
        QCOMPARE(shown.value(normal)->toolTip(),
                 QStringLiteral("<html><p><b>Teacher:</b> Marta<br/><b>Subject:</b> English<br/>"
                                "<b>Shift: </b> Morning<br/><b>Number of students:</b> 0</p></html>"));
        // classrooms by name: Room A is the first column
        QCOMPARE(shown.value(noTeacher)->path().boundingRect().left(), double(ATimeTableWidget::xOfColumn(1)));
    }

    // The names and counts in the boxes, kept between redraws, follow what
    // other sections change: subjects, shifts, teachers, classrooms, sign-ups.
    void boxesFollowNamesAndSignUpsChangedElsewhere()
    {
        const int s = sesion(m.manana, m.aula1, 1, 600, 660, m.marta);
        const int ana = alumno(QStringLiteral("Ana"));
        alta(ana, m.manana, QStringLiteral("Souto, Ana"), QStringLiteral("English"), QStringLiteral("Morning"));
        open();
        HorariosWidget* day = m_window->currentHorario();
        QVERIFY(boxes(day).value(s)->toolTip().contains(QStringLiteral("<b>Number of students:</b> 1<")));
        m_window->showHorario(0);
        m_window->currentHorario()->setCurrentId(ana);
        QVERIFY(boxes(m_window->currentHorario()).value(s)->toolTip().contains(QStringLiteral("Room A")));

        QVERIFY(academy::exec(QStringLiteral("UPDATE asignatura SET nombre = 'Inglés' WHERE id = ?"), {m.ingles}));
        QVERIFY(academy::exec(QStringLiteral("UPDATE turnoasignatura SET nombre = 'Mañá' WHERE id = ?"), {m.manana}));
        QVERIFY(academy::exec(QStringLiteral("UPDATE profesor SET apodo = 'Martiña' WHERE id = ?"), {m.marta}));
        QVERIFY(academy::exec(QStringLiteral("UPDATE aula SET nombre = 'Aula Norte' WHERE id = ?"), {m.aula1}));
        alta(alumno(QStringLiteral("Bea")), m.manana, QStringLiteral("Souto, Bea"), QStringLiteral("English"),
             QStringLiteral("Morning"));
        m_window->currentHorario()->refresh();
        QVERIFY(boxes(m_window->currentHorario()).value(s)->toolTip().contains(QStringLiteral("Aula Norte")));
        m_window->showHorario(2);
        QCOMPARE(boxes(day).value(s)->toolTip(),
                 QStringLiteral("<html><p><b>Teacher:</b> Martiña<br/><b>Subject:</b> Inglés<br/>"
                                "<b>Shift: </b> Mañá<br/><b>Number of students:</b> 2</p></html>"));
    }

    // The colours are never stale: they follow a write through the Dao, a
    // change the database makes on its own (a deleted teacher leaves his
    // sessions), and an edit in the section's own dialog.
    void coloursFollowEveryWriteOfTheVisit()
    {
        const int first = sesion(m.manana, m.aula1, 2, 600, 660, m.marta);
        const int second = sesion(m.tarde, m.aula2, 2, 720, 780, m.marta);
        alta(alumno(QStringLiteral("Iria")), m.manana, QStringLiteral("Iria Souto"), QStringLiteral("English"),
             QStringLiteral("Morning"));
        HorariosWidget* teacher = martasWeek();
        QCOMPARE(statusOf(boxes(teacher).value(first)), 0);
        QCOMPARE(statusOf(boxes(teacher).value(second)), 0);

        QVERIFY(academy::exec(QStringLiteral("UPDATE sesiondeclase SET minutoinicio = 630, minutofin = 690 "
                                             "WHERE id = ?"),
                              {second}));
        teacher->refresh();
        QCOMPARE(statusOf(boxes(teacher).value(first)), 2);
        QCOMPARE(statusOf(boxes(teacher).value(second)), 2);

        // the section's own dialog moves it away again
        rightClick(teacher, cellPoint(1, 660));
        PageHarness h(teacher);
        QVERIFY(h.trigger("actionEdit_session"));
        auto* dialog = h.waitForWindow<EditSesionDeClaseDialog>();
        QVERIFY(dialog);
        timeEdit(dialog, "tedIni")->setTime(QTime(12, 0));
        timeEdit(dialog, "tedFin")->setTime(QTime(13, 0));
        dialog->accept();
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QCOMPARE(sessionCount(QStringLiteral("id = %1 AND minutoinicio = 720").arg(second)), 1);
        QCOMPARE(statusOf(boxes(teacher).value(first)), 0);
        QCOMPARE(statusOf(boxes(teacher).value(second)), 0);

        // the two sessions clash in one classroom; once their teacher is
        // gone the database leaves them without one, and the day view shows it
        QVERIFY(academy::exec(QStringLiteral("UPDATE sesiondeclase SET idaula = ?, minutoinicio = 630, "
                                             "minutofin = 690 WHERE id = ?"),
                              {m.aula1, second}));
        m_window->showHorario(2);
        HorariosWidget* day = m_window->currentHorario();
        day->setCurrentId(2);
        QCOMPARE(statusOf(boxes(day).value(first)), 2);
        QVERIFY(academy::exec(QStringLiteral("DELETE FROM profesor_asignatura WHERE idprofesor = ?"), {m.marta}));
        QVERIFY(academy::exec(QStringLiteral("DELETE FROM profesor WHERE id = ?"), {m.marta}));
        day->refresh();
        QCOMPARE(sessionCount(QStringLiteral("idprofesor IS NULL")), 2);
        QCOMPARE(statusOf(boxes(day).value(first)), 2);

        // and the status dialog lists what the visit brought
        StatusSeen seen;
        pressWhenShown(h, "btnRevert", &seen);
        QVERIFY(!m_window->isValidState());
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QVERIFY(seen.shown);
        QVERIFY(!seen.saveEnabled);
        QVERIFY2(seen.text.startsWith(QStringLiteral("Brought by these changes\n")), qPrintable(seen.text));
        QVERIFY(seen.text.contains(QStringLiteral("Classroom Room A has session English overlapped")));
        QVERIFY(!seen.text.contains(QStringLiteral("Teacher Marta")));
        QVERIFY2(seen.text.contains(QStringLiteral("In classroom Room A there is no professor ") + dia(2)),
                 qPrintable(seen.text));
        QVERIFY(!seen.text.contains(QStringLiteral("Already stored")));
        QCOMPARE(sessionCount(QStringLiteral("idprofesor = %1").arg(m.marta)), 2);
    }

    // A double sign-up that was already stored is listed apart and does not
    // keep the user from saving; a new overlap still does.
    void storedProblemsNeverTrapTheVisit()
    {
        const int session = sesion(m.manana, m.aula1, 2, 600, 660, m.marta);
        const int sabela = alumno(QStringLiteral("Sabela"));
        alta(sabela, m.manana, QStringLiteral("Sabela Souto"), QStringLiteral("English"), QStringLiteral("Morning"));
        alta(sabela, m.manana, QStringLiteral("Sabela Souto"), QStringLiteral("English"), QStringLiteral("Morning"));
        const QString stored = QStringLiteral("Student Sabela Souto has already signed up in subject English, "
                                              "shift Morning");
        HorariosWidget* teacher = martasWeek();

        // OK with no change still writes the session
        rightClick(teacher, cellPoint(1, 630));
        PageHarness h(teacher);
        QVERIFY(h.trigger("actionEdit_session"));
        auto* dialog = h.waitForWindow<EditSesionDeClaseDialog>();
        QVERIFY(dialog);
        dialog->accept();
        StatusSeen seen;
        pressWhenShown(h, "btnIgnore", &seen);
        QVERIFY(m_window->isValidState());
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QVERIFY(seen.shown);
        QVERIFY(seen.saveEnabled);
        QVERIFY2(seen.text.startsWith(QStringLiteral("Already stored before these changes\n") + stored),
                 qPrintable(seen.text));
        QVERIFY(!seen.text.contains(QStringLiteral("Brought by these changes")));
        QVERIFY(!Dao::getInstance()->inTransaction());

        // a new classroom overlap cannot be saved anyway, the old problem
        // is still listed apart
        m_window->activateWidget();
        const int clash = sesion(m.tarde, m.aula1, 2, 630, 690, m.xoan);
        seen = StatusSeen();
        pressWhenShown(h, "btnRevert", &seen);
        QVERIFY(!m_window->isValidState());
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QVERIFY(!seen.saveEnabled);
        const qsizetype brought = seen.text.indexOf(QStringLiteral("Brought by these changes"));
        const qsizetype before = seen.text.indexOf(QStringLiteral("Already stored before these changes"));
        QVERIFY2(brought == 0 && before > 0, qPrintable(seen.text));
        QVERIFY(seen.text.indexOf(QStringLiteral("Classroom Room A")) < before);
        QVERIFY(seen.text.indexOf(stored) > before);
        QCOMPARE(sessionCount(QStringLiteral("id = %1").arg(clash)), 0);
        QCOMPARE(sessionCount(QStringLiteral("id = %1").arg(session)), 1);
    }

    void sessionsCreatedOnThreeWeekdaysFromTheGrid()
    {
        HorariosWidget* teacher = martasWeek();
        rightClick(teacher, cellPoint(1, 615)); // Tuesday, 10:15
        PageHarness h(teacher);
        QVERIFY(h.trigger("actionAdd_session"));
        auto* dialog = h.waitForWindow<CrearSesionDeClaseDialog>();
        QVERIFY(dialog);
        QVERIFY(dialog->findChild<QCheckBox*>(QStringLiteral("chkTuesday"))->isChecked());
        QCOMPARE(timeEdit(dialog, "tedMondayIni")->time(), QTime(10, 0));
        PageHarness d(dialog);
        QVERIFY(d.choose("cmbMateria", QStringLiteral("English")));
        QVERIFY(d.check("chkThursday"));
        QVERIFY(d.check("chkSaturday"));
        dialog->accept();
        QVERIFY2(h.ok() && d.ok(), qPrintable(h.report() + d.report()));
        QCOMPARE(sessionCount(QStringLiteral("minutoinicio = 600 AND minutofin = 660 AND idprofesor = %1")
                                  .arg(m.marta)),
                 3);
        QList<double> columns;
        for (QGraphicsPathItem* box : boxes(teacher))
            columns << box->path().boundingRect().left();
        std::sort(columns.begin(), columns.end());
        QCOMPARE(columns, (QList<double>{250, 550, 850}));
    }

    void leavingWithAnOverlapOffersNoSaveAndRevertsTheVisit()
    {
        open();
        QVERIFY(Dao::getInstance()->inTransaction());
        sesion(m.manana, m.aula1, 2, 600, 660, m.marta);
        sesion(m.tarde, m.aula2, 2, 630, 690, m.marta);
        m_window->refresh();
        PageHarness h(m_window);
        bool saveEnabled = true;
        pressWhenShown(h, "btnRevert", &saveEnabled);
        QVERIFY(!m_window->isValidState());
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QVERIFY(!saveEnabled);
        QCOMPARE(sessionCount(), 0);
        QVERIFY(m_window->pageSession()->isOpen());
        QVERIFY(boxes(m_window->currentHorario()).isEmpty());

        // fixing by hand keeps the visit's work open
        const int kept = sesion(m.manana, m.aula1, 2, 600, 660, m.marta);
        sesion(m.tarde, m.aula2, 2, 630, 690, m.marta);
        pressWhenShown(h, "btnAccept");
        QVERIFY(!m_window->isValidState());
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QVERIFY(m_window->pageSession()->isOpen());
        QCOMPARE(sessionCount(QStringLiteral("id = %1").arg(kept)), 1);
    }

    void leavingACleanVisitCommitsWithoutAsking()
    {
        open();
        sesion(m.manana, m.aula1, 2, 600, 660, m.marta);
        PageHarness h(m_window);
        QVERIFY(m_window->isValidState());
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QVERIFY(!Dao::getInstance()->inTransaction());
        QCOMPARE(sessionCount(), 1);
    }

    void aRefusedCommitKeepsTheUserAndTheWork()
    {
        open();
        // a dangling classroom only fails at commit time
        QVERIFY(academy::exec(QStringLiteral("PRAGMA defer_foreign_keys = ON")));
        sesion(m.manana, 999, 2, 600, 660, m.marta);
        PageHarness h(m_window);
        // the check may list the session without classroom: save anyway then
        h.whenShown<AppStatusDialog>([](AppStatusDialog* dialog) {
            dialog->findChild<QPushButton*>(QStringLiteral("btnIgnore"))->click();
        });
        h.answerNext(QStringLiteral("could not be saved"), QMessageBox::Ok);
        QVERIFY(!m_window->isValidState());
        QVERIFY(h.prompter().askedCount() >= 1);
        QVERIFY(m_window->pageSession()->isOpen());
        QVERIFY(Dao::getInstance()->inTransaction());
        QCOMPARE(sessionCount(QStringLiteral("idaula = 999")), 1);
    }

    void dialogsOpenWhenLeavingAreClosedUnsaved()
    {
        open();
        HorariosWidget* day = m_window->currentHorario();
        PageHarness h(day);
        QVERIFY(h.trigger("actionAdd_classroom"));
        QPointer<AulaDialog> dialog = h.waitForWindow<AulaDialog>();
        QVERIFY(dialog);
        QVERIFY(m_window->isValidState());
        QTRY_VERIFY(!dialog);
        QVERIFY(!Dao::getInstance()->inTransaction());
        QCOMPARE(academy::count(QStringLiteral("SELECT count(*) FROM aula")), 2);
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    // One editor per session; it never writes over a session changed or
    // removed since it opened.
    void oneEditorPerSessionThatNeverOverwrites()
    {
        const int id = sesion(m.manana, m.aula1, 2, 600, 660, m.marta);
        HorariosWidget* teacher = martasWeek();
        PageHarness h(teacher);
        QPointer<EditSesionDeClaseDialog> first = editAt(h, teacher, 1, 630);
        QVERIFY(first);
        QVERIFY(h.trigger("actionEdit_session"));
        QCOMPARE(m_window->findChildren<EditSesionDeClaseDialog*>().size(), 1);

        // moved to Thursday meanwhile: Friday from this editor is refused
        QVERIFY(academy::exec(QStringLiteral("UPDATE sesiondeclase SET diasemana = 4 WHERE id = ?"), {id}));
        combo(first, "cmbWeekDay")->setCurrentIndex(4);
        h.answerNext(QStringLiteral("The session has been changed elsewhere since this window opened."),
                     QMessageBox::Ok);
        first->accept();
        QVERIFY(first && first->isVisible());
        QCOMPARE(sessionCount(QStringLiteral("diasemana = 4")), 1);
        first->reject();
        QTRY_VERIFY(!first);
        teacher->refresh();

        // removed meanwhile: the editor says so and stays
        QPointer<EditSesionDeClaseDialog> editor = editAt(h, teacher, 3, 630);
        QVERIFY(editor);
        QVERIFY(h.trigger("actionRemove_session"));
        QCOMPARE(sessionCount(), 0);
        timeEdit(editor, "tedFin")->setTime(QTime(12, 0));
        h.answerNext(QStringLiteral("It has been impossible to store the session."), QMessageBox::Ok);
        editor->accept();
        QVERIFY(editor && editor->isVisible());
        QCOMPARE(sessionCount(), 0);
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    // Leaving the visit with typed changes in an editor asks first: Cancel
    // stays, Save stores them within the visit, Discard closes the editor.
    void typedEditorChangesAreAskedAboutOnLeaving()
    {
        const int id = sesion(m.manana, m.aula1, 2, 600, 660, m.marta);
        HorariosWidget* teacher = martasWeek();
        PageHarness h(teacher);
        const auto edit = [&] { return editAt(h, teacher, 1, 630); };
        const QString asked = QStringLiteral("Some class session windows hold changes that have not been stored.");

        // untouched: nothing to ask
        QPointer<EditSesionDeClaseDialog> editor = edit();
        QVERIFY(editor);
        QVERIFY(m_window->isValidState());
        QTRY_VERIFY(!editor);
        m_window->activateWidget();

        editor = edit();
        QVERIFY(editor);
        timeEdit(editor, "tedFin")->setTime(QTime(11, 30));
        h.answerNext(asked, QMessageBox::Cancel);
        QVERIFY(!m_window->isValidState());
        QVERIFY(editor && editor->isVisible());
        QVERIFY(Dao::getInstance()->inTransaction());

        h.answerNext(asked, QMessageBox::Save);
        QVERIFY(m_window->isValidState());
        QTRY_VERIFY(!editor);
        QVERIFY(!Dao::getInstance()->inTransaction());
        QCOMPARE(sessionCount(QStringLiteral("minutofin = 690 AND id = %1").arg(id)), 1);

        m_window->activateWidget();
        editor = edit();
        QVERIFY(editor);
        timeEdit(editor, "tedFin")->setTime(QTime(12, 0));
        h.answerNext(asked, QMessageBox::Discard);
        QVERIFY(m_window->isValidState());
        QTRY_VERIFY(!editor);
        QCOMPARE(sessionCount(QStringLiteral("minutofin = 690 AND id = %1").arg(id)), 1);
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void outsideWarningComparesMinutes()
    {
        // ends exactly where the grid ends: shown whole, no warning
        const int lastHour = sesion(m.manana, m.aula1, 1, 21 * 60, 23 * 60, m.marta);
        open();
        auto* label = m_window->currentHorario()->findChild<QLabel*>(QStringLiteral("lbWarnOutside"));
        QVERIFY(label->isHidden());

        QVERIFY(academy::exec(QStringLiteral("UPDATE sesiondeclase SET minutofin = ? WHERE id = ?"),
                              {23 * 60 + 10, lastHour}));
        m_window->refresh();
        QVERIFY(!label->isHidden());

        PageHarness h(m_window->currentHorario());
        QVERIFY(h.check("cbShowAllHours", true));
        QCOMPARE(m_window->currentHorario()->canvas()->endHour(), 24);
        QVERIFY(label->isHidden());
        h.answerNext(QStringLiteral("There are classrooms outside hour range"), QMessageBox::Ok);
        QVERIFY(h.check("cbShowAllHours", false));
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QVERIFY(!label->isHidden());
        QCOMPARE(QSettings().value(QStringLiteral("CONFIGURATION/mostrar_todas_horas")).toBool(), false);
    }

    void firstRunWritesTheOpeningHours()
    {
        QSettings().remove(QStringLiteral("CONFIGURATION"));
        open();
        QSettings settings;
        QCOMPARE(settings.value(QStringLiteral("CONFIGURATION/mostrar_todas_horas")).toBool(), false);
        QCOMPARE(settings.value(QStringLiteral("CONFIGURATION/hora_apertura")).toInt(), 8);
        QCOMPARE(settings.value(QStringLiteral("CONFIGURATION/minuto_apertura")).toInt(), 30);
        QCOMPARE(settings.value(QStringLiteral("CONFIGURATION/hora_cierre")).toInt(), 22);
        QCOMPARE(m_window->currentHorario()->canvas()->scene()->sceneRect().top(), 480.0);
        QCOMPARE(m_window->currentHorario()->canvas()->endHour(), 23);
    }

    void aMissingEntryFallsBackOnceThenShowsAnEmptyGrid()
    {
        const int ana = alumno(QStringLiteral("Ana"));
        const int bea = alumno(QStringLiteral("Bea"));
        alta(ana, m.manana, QStringLiteral("Souto, Ana"), QStringLiteral("English"), QStringLiteral("Morning"));
        const int s = sesion(m.manana, m.aula1, 3, 600, 660, m.marta);
        QSettings().setValue(QStringLiteral("LASTSESSIONSTATUS/IndStudentTT"), 4242);
        open();
        m_window->showHorario(0);
        HorariosWidget* students = m_window->currentHorario();
        QCOMPARE(students->currentId(), ana);
        QCOMPARE(boxes(students).keys(), QList<int>{s});

        // both entries gone while the chooser still lists them
        students->setCurrentId(bea);
        QVERIFY(academy::exec(QStringLiteral("DELETE FROM alumno")));
        students->refresh();
        QVERIFY(boxes(students).isEmpty());
        QCOMPARE(students->findChild<QComboBox*>(QStringLiteral("timetableSelCmb"))->currentIndex(), 0);
    }

    // The students' and classrooms' choosers in the order a Spanish reader
    // looks for a name: "Álvarez" among the A's, "ñ" after "n".
    void choosersInTheLanguagesOrder()
    {
        const QLocale antes;
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        for (const auto& [nombre, apellidos] : {std::pair{"Ana", "Zapata"}, std::pair{"Iria", "Álvarez"},
                                               std::pair{"Noa", "Ñande"}, std::pair{"Brais", "Nuno"},
                                               std::pair{"Eva", "alba"}})
            QVERIFY(academy::alumno(QString::fromUtf8(nombre), QString::fromUtf8(apellidos)));
        aula(QStringLiteral("Árbore"));
        open();
        const auto entries = [this](int number) {
            m_window->showHorario(number);
            QComboBox* chooser = m_window->currentHorario()->findChild<QComboBox*>(QStringLiteral("timetableSelCmb"));
            QStringList texts;
            for (int i = 0; i < chooser->count(); ++i)
                texts << chooser->itemText(i);
            return texts;
        };
        const QStringList students = entries(0);
        const QStringList classrooms = entries(1);
        QLocale::setDefault(antes);
        QCOMPARE(students, (QStringList{"alba, Eva", "Álvarez, Iria", "Nuno, Brais", "Ñande, Noa", "Zapata, Ana"}));
        QCOMPARE(classrooms, (QStringList{"Árbore", "Room A", "Room B"}));
    }

    void weeklyViewsShowTheirOwnSessions()
    {
        const int ana = alumno(QStringLiteral("Ana"));
        // withdrawn long ago, still shown
        alta(ana, m.tarde, QStringLiteral("Souto, Ana"), QStringLiteral("English"), QStringLiteral("Evening"),
             QDate(2019, 9, 1), QDate(2020, 6, 30));
        const int evening = sesion(m.tarde, m.aula2, 4, 1080, 1140, 0);
        const int morning = sesion(m.manana, m.aula1, 2, 600, 660, m.marta);
        open();

        m_window->showHorario(0);
        m_window->currentHorario()->setCurrentId(ana);
        auto shown = boxes(m_window->currentHorario());
        QCOMPARE(shown.keys(), QList<int>{evening});
        QCOMPARE(shown.value(evening)->toolTip(),
                 QStringLiteral("<html><p><b>NO TEACHER ASSIGNED</b><br/><b>Subject:</b> English<br/>"
                                "<b>Shift: </b> Evening<br/><b>Number of students:</b> 0 <br/>"
                                "<b>Classroom:</b> Room B</p></html>"));
        QCOMPARE(m_window->currentHorario()->getHeaderForPrint(), QStringLiteral("Timetable for student Ana Souto"));

        m_window->showHorario(1);
        m_window->currentHorario()->setCurrentId(m.aula2);
        shown = boxes(m_window->currentHorario());
        QCOMPARE(shown.keys(), QList<int>{evening});
        QVERIFY(shown.value(evening)->toolTip().endsWith(QStringLiteral("<b>Number of students:</b> 0 <br/></p></html>")));

        m_window->showHorario(3);
        m_window->currentHorario()->setCurrentId(m.marta);
        shown = boxes(m_window->currentHorario());
        QCOMPARE(shown.keys(), QList<int>{morning});
        QVERIFY(!shown.value(morning)->toolTip().contains(QStringLiteral("NO TEACHER")));
        QCOMPARE(m_window->currentHorario()->getHeaderForPrint(), QStringLiteral("Timetable for teacher Marta Rey"));

        // a right click outside every column keeps the weekday remembered before
        HorariosWidget* teacher = m_window->currentHorario();
        rightClick(teacher, cellPoint(3, 700));
        QVERIFY(!action(teacher, "actionEdit_session")->isEnabled());
        rightClick(teacher, cellPoint(1, 630));
        QVERIFY(action(teacher, "actionEdit_session")->isEnabled());
        rightClick(teacher, QPointF(1200, 300));
        QCOMPARE(teacher->getDayForNewSession(), 2);
    }

    // Names and a classroom's location typed with markup show as typed in
    // every tool tip of the day and student views.
    void typedMarkupInToolTipsShowsAsTyped()
    {
        QVERIFY(academy::exec(QStringLiteral("UPDATE asignatura SET nombre = ?"), {typedMarkup(QStringLiteral("S"))}));
        QVERIFY(academy::exec(QStringLiteral("UPDATE turnoasignatura SET nombre = ? WHERE id = ?"),
                              {typedMarkup(QStringLiteral("T")), m.manana}));
        QVERIFY(academy::exec(QStringLiteral("UPDATE profesor SET apodo = ?"), {typedMarkup(QStringLiteral("P"))}));
        QVERIFY(academy::exec(QStringLiteral("UPDATE aula SET nombre = ?, localizacion = ? WHERE id = ?"),
                              {typedMarkup(QStringLiteral("A")), typedMarkup(QStringLiteral("L")), m.aula1}));
        const int ana = alumno(QStringLiteral("Ana"));
        alta(ana, m.manana, QStringLiteral("Souto, Ana"), QStringLiteral("English"), QStringLiteral("Morning"),
             QDate(2019, 9, 1), QDate());
        const int session = sesion(m.manana, m.aula1, 1, 600, 660, m.marta);
        open();
        QStringList tips;
        for (QGraphicsItem* item : m_window->currentHorario()->canvas()->scene()->items())
            if (!item->toolTip().isEmpty())
                tips << item->toolTip();
        m_window->showHorario(0);
        m_window->currentHorario()->setCurrentId(ana);
        tips << boxes(m_window->currentHorario()).value(session)->toolTip();
        const QString shown = [&tips] {
            QString all;
            for (const QString& tip : tips) {
                const ShownHtml one = shownHtml(tip);
                if (!one.images.isEmpty())
                    return QStringLiteral("an image in ") + tip;
                all += one.text + QLatin1Char('\n');
            }
            return all;
        }();
        for (const char* tag : {"S", "T", "P", "A", "L"})
            QVERIFY2(shown.count(typedMarkup(QLatin1String(tag))) >= 1, qPrintable(shown));
        QCOMPARE(shown.count(typedMarkup(QStringLiteral("S"))), 2);
    }

    void removingSessionsAndClassroomsFromTheDayView()
    {
        const int tuesday = sesion(m.manana, m.aula1, 2, 9 * 60 + 5, 600, m.marta);
        open();
        HorariosWidget* day = m_window->currentHorario();
        day->setCurrentId(2);
        PageHarness h(day);
        rightClick(day, cellPoint(0, 570));
        h.answerNext(QLocale().dayName(2) + QStringLiteral(" at 09:05"), QMessageBox::Ok);
        QVERIFY(h.trigger("actionRemove_classroom"));
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QCOMPARE(academy::count(QStringLiteral("SELECT count(*) FROM aula")), 2);

        rightClick(day, cellPoint(0, 570));
        QVERIFY(h.trigger("actionRemove_session"));
        QCOMPARE(sessionCount(QStringLiteral("id = %1").arg(tuesday)), 0);
        QVERIFY(boxes(day).isEmpty());

        // an empty classroom goes without a question
        rightClick(day, cellPoint(1, 570));
        QVERIFY(h.trigger("actionRemove_classroom"));
        QVERIFY2(h.ok() && h.prompter().askedCount() == 1, qPrintable(h.report()));
        QCOMPARE(academy::count(QStringLiteral("SELECT count(*) FROM aula WHERE id = %1").arg(m.aula2)), 0);
        QCOMPARE(day->canvas()->scene()->sceneRect().width(), 251.0);
    }

    void aRefusedRemovalLeavesTheSessionOnShow()
    {
        const int s = sesion(m.manana, m.aula1, 1, 600, 660, m.marta);
        open();
        HorariosWidget* day = m_window->currentHorario();
        QVERIFY(academy::failDeletes(QStringLiteral("sesiondeclase")));
        PageHarness h(day);
        rightClick(day, cellPoint(0, 620));
        h.answerNext(QStringLiteral("impossible to remove the session"), QMessageBox::Ok);
        QVERIFY(h.trigger("actionRemove_session"));
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QCOMPARE(boxes(day).keys(), QList<int>{s});
        QCOMPARE(sessionCount(), 1);
    }

    void theChosenDayAndDatabaseAreRemembered()
    {
        open();
        m_window->currentHorario()->setCurrentId(3);
        QCOMPARE(QSettings().value(QStringLiteral("LASTSESSIONSTATUS/IndDiasTT")).toInt(), 3);
        delete m_window;
        open();
        QCOMPARE(m_window->currentHorario()->currentId(), 3);
        delete m_window;

        QSettings().setValue(QStringLiteral("LASTSESSIONSTATUS/database"), QStringLiteral("another"));
        open();
        QCOMPARE(m_window->currentHorario()->currentId(), 1);
        QCOMPARE(QSettings().value(QStringLiteral("LASTSESSIONSTATUS/database")).toString(),
                 DBManager::currentDB(false));
    }

    void printsTheTimetableAsPdf()
    {
        sesion(m.manana, m.aula1, 1, 600, 660, m.marta);
        open();
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("timetable.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        m_window->currentHorario()->printTo(&printer);
        QCOMPARE(outputfiles::pdfPages(file), 1);
        const QString text = outputfiles::pdfText(file, 1);
        QVERIFY2(text.contains(QStringLiteral("Timetable for ") + QLocale().dayName(1)), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("English - Morning")));
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
    }

    // A week has seven columns whatever the academy's size: the teacher's
    // week with every hour of the day still prints on one sheet.
    void printsATeachersWeekOnOneSheet()
    {
        sesion(m.manana, m.aula1, 1, 8 * 60, 9 * 60, m.marta);
        sesion(m.tarde, m.aula1, 5, 21 * 60, 22 * 60, m.marta);
        open();
        m_window->selectHorario(3, m.marta);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("week.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        m_window->currentHorario()->printTo(&printer);
        QCOMPARE(outputfiles::pdfPages(file), 1);
        const QString text = outputfiles::pdfText(file, 1);
        QVERIFY2(text.contains(QStringLiteral("8:00")) && text.contains(QStringLiteral("21:00")), qPrintable(text));
    }

    void printsADayOfManyClassroomsOverReadableLandscapePages()
    {
        QStringList rooms{QStringLiteral("Room A"), QStringLiteral("Room B")};
        for (int k = 1; k <= 27; ++k) {
            rooms.append(QStringLiteral("Room %1").arg(k, 2, 10, QLatin1Char('0')));
            const int room = aula(rooms.last());
            // one session in the morning, one at closing time
            sesion(m.manana, room, 1, 9 * 60, 10 * 60, m.marta);
            sesion(m.tarde, room, 1, 21 * 60, 21 * 60 + 45, 0);
        }
        // too short for its label at a readable size: it keeps one line
        sesion(m.manana, m.aula1, 1, 12 * 60, 12 * 60 + 15, m.marta);
        open();
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("day.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        m_window->currentHorario()->printTo(&printer);

        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
        const int pages = outputfiles::pdfPages(file);
        QVERIFY2(pages > 1, qPrintable(QString::number(pages)));
        QMap<QString, int> roomPages;
        QMap<int, int> hourPages;
        int morning = 0;
        int evening = 0;
        for (int page = 1; page <= pages; ++page) {
            const QString text = outputfiles::pdfText(file, page);
            QVERIFY2(text.contains(QStringLiteral("Classroom/")), qPrintable(text));
            const QSet<int> hours = printedHours(text);
            QVERIFY2(!hours.isEmpty(), qPrintable(text));
            for (int hour : hours)
                ++hourPages[hour];
            for (const QString& room : rooms)
                roomPages[room] += text.count(room);
            morning += text.count(QStringLiteral("English - Morning"));
            evening += text.count(QStringLiteral("English - Evening"));
        }
        // every room under every hour band, every shown hour and none above the opening
        QList<int> shown;
        for (int hour = 8; hour <= 22; ++hour)
            shown.append(hour);
        QCOMPARE(hourPages.keys(), shown);
        const int bands = pages / hourPages.value(8);
        for (const QString& room : rooms)
            QCOMPARE(roomPages.value(room), bands);
        QCOMPARE(morning, 28);
        QCOMPARE(evening, 27);
        // 7 points: a sans font boxes its words about 1.15 times their size
        QVERIFY2(smallestWordHeight(file) >= 8.0, qPrintable(QString::number(smallestWordHeight(file))));
    }

private:
    void open()
    {
        m_window = new HorariosWindowWidget;
        m_window->resize(1100, 700);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        m_window->activateWidget();
    }
    // The timetables opened on Marta's week.
    HorariosWidget* martasWeek()
    {
        open();
        m_window->showHorario(3);
        m_window->currentHorario()->setCurrentId(m.marta);
        return m_window->currentHorario();
    }
    // The editor of the session in that cell of the view; null when none opens.
    static QPointer<EditSesionDeClaseDialog> editAt(PageHarness& h, HorariosWidget* view, int day, int minute)
    {
        rightClick(view, cellPoint(day, minute));
        if (!h.trigger("actionEdit_session"))
            return {};
        return h.waitForWindow<EditSesionDeClaseDialog>();
    }

    Academy m;
    QPointer<HorariosWindowWidget> m_window;
};

PENSARIO_TEST_MAIN(TestHorariosWindowWidget)
#include "tst_horarioswindowwidget.moc"
