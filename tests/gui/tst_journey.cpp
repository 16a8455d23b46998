#include "alumnodialog.h"
#include "alumnotablemodel.h"
#include "appstatusdialog.h"
#include "asignaturaalumnodialog.h"
#include "asignaturadialog.h"
#include "asignaturasalumnotablemodel.h"
#include "atimetablewidget.h"
#include "aula.h"
#include "configurationdialog.h"
#include "crearsesiondeclasedialog.h"
#include "dao.h"
#include "horarioalumnoswidget.h"
#include "horarioswindowwidget.h"
#include "mainwindow.h"
#include "outputfiles.h"
#include "pageharness.h"
#include "profesordialog.h"
#include "profesortablemodel.h"
#include "selectprofesordialog.h"
#include "proxyhelpers.h"
#include "recibotablemodel.h"
#include "startupsequence.h"
#include "testmain.h"
#include "turnoasignaturadialog.h"
#include "turnoasignaturatablemodel.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QGraphicsPathItem>
#include <QGraphicsView>
#include <QLibraryInfo>
#include <QListWidget>
#include <QLocale>
#include <QTranslator>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimeEdit>

#include <memory>

namespace {
const QString password = QStringLiteral("journey-pass");

// Screenshots of every step go to this folder when it is given; nothing is
// written otherwise.
QString shotsFolder()
{
    return qEnvironmentVariable("PENSARIO_JOURNEY_SHOTS");
}

void shoot(QWidget* window, const QString& step)
{
    const QString folder = shotsFolder();
    if (folder.isEmpty() || !window)
        return;
    QDir().mkpath(folder);
    QTest::qWait(50);
    window->grab().save(folder + QLatin1Char('/') + step + QStringLiteral(".png"));
}

// The language of the screenshots, e.g. "gl"; English when none is given.
QString shotsLocale()
{
    return qEnvironmentVariable("PENSARIO_JOURNEY_LOCALE");
}

// Installs the program's catalogues for that language, as the application
// object does at start-up.
void useLanguage(const QString& name)
{
    QLocale::setDefault(QLocale(name));
    const QString locale = QLocale().name().toLower();
    const QList<QPair<QString, QString>> catalogues = {
        {QStringLiteral("pensario.") + locale, QStringLiteral(":/translations")},
        {QStringLiteral("formkit"), QStringLiteral(":/translations")},
        {QStringLiteral("qt_") + locale, QLibraryInfo::path(QLibraryInfo::TranslationsPath)},
        {QStringLiteral("qtbase_") + locale, QStringLiteral(":/translations")}};
    for (const auto& [file, folder] : catalogues) {
        auto* translator = new QTranslator(qApp);
        if (translator->load(file, folder))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    }
}

// Questions are matched by their English text; in another language they are
// answered in the order asked.
void answer(PageHarness& h, const QString& questionPart, QMessageBox::StandardButton button)
{
    if (shotsLocale().isEmpty())
        h.answerNext(questionPart, button);
    else
        h.prompter().button(button);
}

void answerText(PageHarness& h, const QString& questionPart, const QString& typed)
{
    if (shotsLocale().isEmpty())
        h.answerNextText(questionPart, typed);
    else
        h.prompter().text(typed);
}

// Presses OK; a modal dialog that stays open is a failure of the harness and
// is closed, so that the journey cannot hang on it.
void pressOk(QDialog* dialog, PageHarness* h = nullptr)
{
    QPointer<QDialog> guard(dialog);
    dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok)->click();
    if (h && guard && guard->isVisible()) {
        h->fail(QStringLiteral("%1 stayed open after OK").arg(QLatin1String(guard->metaObject()->className())));
        guard->reject();
    }
}

// Saves through every status dialog that shows: the journey's data is what
// the user wants, warnings about it included.
class SaveAnyway : public QObject
{
public:
    SaveAnyway()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* status = qobject_cast<AppStatusDialog*>(top); status && status->isVisible()) {
                    shoot(status, QStringLiteral("status-%1").arg(++m_shown));
                    status->findChild<QPushButton*>(QStringLiteral("btnIgnore"))->click();
                }
        });
        m_timer.start(20);
    }

private:
    QTimer m_timer;
    int m_shown = 0;
};

// Times are typed in as a user would: the field selected, the digits keyed.
void setTime(QWidget* dialog, const QString& name, QTime time)
{
    if (auto* edit = dialog->findChild<QTimeEdit*>(name)) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, time.toString(edit->displayFormat()));
        if (edit->time() != time)
            edit->setTime(time);
    }
}

QList<int> ids(QAbstractItemModel* model)
{
    QList<int> found;
    for (int row = 0; row < model->rowCount(); ++row)
        found << model->index(row, 0).data(ARole::Id).toInt();
    return found;
}

// The tool tips of the session boxes a timetable view shows.
QStringList sessionBoxes(HorariosWidget* view)
{
    QStringList tips;
    if (!view)
        return tips;
    for (QGraphicsItem* item : view->canvas()->scene()->items())
        if (auto* box = qgraphicsitem_cast<QGraphicsPathItem*>(item))
            tips << box->toolTip();
    return tips;
}

int scalar(const QString& sql)
{
    QSqlQuery q = Dao::getInstance()->query(sql);
    return q.next() ? q.value(0).toInt() : -1;
}
} // namespace

// A user's first day with the program, then the next start on the same data.
class TestJourney : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainWindow> m_window;
    QTemporaryDir m_out;
    int m_alumno = 0;
    int m_profesor = 0;
    int m_turno = 0;
    int m_recibo = 0;

    bool start(PageHarness& h)
    {
        int status = 99;
        if (!StartupSequence::openDatabase(&status))
            return false;
        m_window = std::make_unique<MainWindow>();
        m_window->setWindowTitle(StartupSequence::windowTitle(m_window->windowTitle()));
        m_window->resize(1200, 800);
        m_window->show();
        h.setRoot(m_window.get());
        return QTest::qWaitForWindowExposed(m_window.get());
    }

    void quit(PageHarness& h)
    {
        QVERIFY(h.trigger("actionSalir"));
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->isVisible(), 5000);
        m_window.reset();
        QCOMPARE(StartupSequence::finish(0), 0);
        Dao::getInstance()->close();
    }

private slots:
    void initTestCase()
    {
        TestEnv::useIconPaths();
        TestEnv::resetCase();
        Dao::getInstance()->close();
        QVERIFY(m_out.isValid());
        if (!shotsLocale().isEmpty())
            useLanguage(shotsLocale());
    }

    // Fresh data folder: the password is created, the first-run greeting
    // opens the configuration, where the classroom is added.
    void firstStartCreatesPasswordAndClassroom()
    {
        PageHarness h;
        answerText(h, QStringLiteral("you must enter a password"), password);
        answerText(h, QStringLiteral("Reenter password"), password);
        answer(h, QStringLiteral("A configuration window will be shown"), QMessageBox::Ok);
        h.whenShown<ConfigurationDialog>([&h](ConfigurationDialog* d) {
            PageHarness c(d);
            if (!c.click("btnNewAula"))
                h.fail(c.report());
            // room for the class: a new classroom holds nobody
            QTableWidget* aulas = d->findChild<QTableWidget*>(QStringLiteral("twAulas"));
            auto* tabs = d->findChild<QTabWidget*>();
            for (int i = 0; tabs && i < tabs->count(); ++i)
                if (tabs->widget(i)->isAncestorOf(aulas))
                    tabs->setCurrentIndex(i);
            QTest::qWait(20);
            aulas->setCurrentCell(0, 1);
            aulas->editItem(aulas->item(0, 1));
            if (auto* editor = aulas->viewport()->findChild<QSpinBox*>()) {
                editor->selectAll();
                QTest::keyClicks(editor, QStringLiteral("12"));
                QTest::keyClick(editor, Qt::Key_Return);
                QTest::qWait(20);
                if (aulas->item(0, 1)->text() != QStringLiteral("12"))
                    h.fail(QStringLiteral("capacity shown: ") + aulas->item(0, 1)->text());
            } else {
                h.fail(QStringLiteral("no capacity editor"));
            }
            shoot(d, QStringLiteral("01-configuration-classroom"));
            pressOk(d, &h);
        });
        QVERIFY(start(h));
        QVERIFY2(h.ok(), qPrintable(h.report()));
        shoot(m_window.get(), QStringLiteral("02-main-window"));
        const QList<Aula*> aulas = Aula::list();
        QCOMPARE(aulas.size(), 1);
        const int aforo = aulas.first()->aforo();
        qDeleteAll(aulas);
        QCOMPARE(aforo, 12);
    }

    void teacherIsAdded()
    {
        PageHarness h(m_window.get());
        QVERIFY(h.trigger("actionProfesores"));
        PageHarness p(m_window->currentPage());
        SaveAnyway status;
        p.whenShown<ProfesorDialog>([&p](ProfesorDialog* d) {
            PageHarness form(d);
            form.type("leNombre", QStringLiteral("Uxia"));
            form.type("leApellidos", QStringLiteral("Freire"));
            form.type("leApodo", QStringLiteral("Uxia"));
            shoot(d, QStringLiteral("03-teacher-dialog"));
            pressOk(d, &p);
            if (!form.ok())
                p.fail(form.report());
        });
        QVERIFY(p.trigger("actionNuevo_profesor"));
        QVERIFY2(p.ok(), qPrintable(p.report()));
        m_profesor = scalar(QStringLiteral("SELECT id FROM profesor WHERE nombre = 'Uxia'"));
        QVERIFY(m_profesor > 0);
        QVERIFY(p.shownIds("tbvProfesores").contains(m_profesor));
        shoot(m_window.get(), QStringLiteral("04-teachers-page"));
    }

    void subjectWithShiftIsAdded()
    {
        PageHarness h(m_window.get());
        QVERIFY(h.trigger("actionAsignaturas"));
        PageHarness p(m_window->currentPage());
        SaveAnyway status;
        p.whenShown<AsignaturaDialog>([&p](AsignaturaDialog* d) {
            PageHarness form(d);
            form.type("leNombre", QStringLiteral("Violin"));
            form.whenShown<TurnoAsignaturaDialog>([&form](TurnoAsignaturaDialog* s) {
                PageHarness shift(s);
                shift.type("leNombre", QStringLiteral("Tarde"));
                shift.type("lePrecio", QStringLiteral("42"));
                shoot(s, QStringLiteral("05-shift-dialog"));
                pressOk(s, &form);
                if (!shift.ok())
                    form.fail(shift.report());
            });
            form.click("btnAddTurno");
            form.whenShown<SelectProfesorDialog>([&form](SelectProfesorDialog* picker) {
                auto* list = picker->findChild<QListWidget*>(QStringLiteral("lwObjetos"));
                const QList<QListWidgetItem*> uxia = list->findItems(QStringLiteral("Uxia"), Qt::MatchContains);
                if (uxia.isEmpty())
                    form.fail(QStringLiteral("the teacher is not offered"));
                else
                    list->setCurrentItem(uxia.first());
                pressOk(picker, &form);
            });
            form.click("btnAddProfesor");
            shoot(d, QStringLiteral("06-subject-dialog"));
            pressOk(d, &p);
            if (!form.ok())
                p.fail(form.report());
        });
        QVERIFY(p.trigger("actionNueva_asignatura"));
        QVERIFY2(p.ok(), qPrintable(p.report()));
        m_turno = scalar(QStringLiteral("SELECT t.id FROM turnoasignatura t JOIN asignatura a ON a.id = t.idasignatura "
                                        "WHERE a.nombre = 'Violin' AND t.nombre = 'Tarde'"));
        QVERIFY(m_turno > 0);
        QVERIFY(p.shownIds("tbvAsignaturas").contains(m_turno));
        shoot(m_window.get(), QStringLiteral("07-subjects-page"));
    }

    void sessionsAreAddedInTheTimetables()
    {
        PageHarness h(m_window.get());
        QVERIFY(h.trigger("actionHorarios"));
        auto* horarios = qobject_cast<HorariosWindowWidget*>(m_window->currentPage());
        QVERIFY(horarios);
        horarios->showHorario(3);
        PageHarness t(horarios->currentHorario());
        // the session dialog is modeless
        QVERIFY(t.trigger("actionAdd_session"));
        auto* d = t.waitForWindow<CrearSesionDeClaseDialog>();
        QVERIFY2(d, qPrintable(t.report()));
        PageHarness form(d);
        QVERIFY(form.choose("cmbMateria", QStringLiteral("Violin")));
        QVERIFY(form.choose("cmbTurno", QStringLiteral("Tarde")));
        QVERIFY(form.choose("cmbProfesor", QStringLiteral("Uxia")));
        for (const char* day : {"Monday", "Wednesday"}) {
            QVERIFY(form.check(qPrintable(QStringLiteral("chk") + QLatin1String(day))));
            setTime(d, QStringLiteral("ted%1Ini").arg(QLatin1String(day)), QTime(17, 0));
            setTime(d, QStringLiteral("ted%1Fin").arg(QLatin1String(day)), QTime(18, 30));
        }
        shoot(d, QStringLiteral("08-session-dialog"));
        pressOk(d);
        QTRY_VERIFY_WITH_TIMEOUT(!d->isVisible(), 5000);
        QVERIFY2(t.ok() && form.ok(), qPrintable(t.report() + form.report()));
        QCOMPARE(scalar(QStringLiteral("SELECT count(*) FROM sesiondeclase WHERE idturnoasignatura = %1").arg(m_turno)), 2);
        shoot(m_window.get(), QStringLiteral("09-timetables"));
        // leaving the timetables settles their transaction
        SaveAnyway status;
        QVERIFY(h.trigger("actionAlumnos"));
        QTRY_VERIFY_WITH_TIMEOUT(!Dao::getInstance()->inTransaction(), 5000);
    }

    void studentIsSignedUpAndSeesTheSessions()
    {
        PageHarness p(m_window->currentPage());
        SaveAnyway status;
        p.whenShown<AlumnoDialog>([&p](AlumnoDialog* d) {
            PageHarness form(d);
            form.type("leNombre", QStringLiteral("Antia"));
            form.type("leApellidos", QStringLiteral("Bouzas"));
            p.whenShown<AsignaturaAlumnoDialog>([&p](AsignaturaAlumnoDialog* s) {
                PageHarness signUp(s);
                shoot(s, QStringLiteral("11-signup-dialog-empty"));
                signUp.choose("cmbSubject", QStringLiteral("Violin"));
                signUp.choose("cmbShift", QStringLiteral("Tarde"));
                shoot(s, QStringLiteral("11-signup-dialog"));
                pressOk(s, &p);
                if (!signUp.ok())
                    p.fail(signUp.report());
            });
            shoot(d, QStringLiteral("10-student-dialog"));
            pressOk(d, &p);
            if (!form.ok())
                p.fail(form.report());
        });
        QVERIFY(p.trigger("actionNuevo_alumno"));
        QVERIFY2(p.ok(), qPrintable(p.report()));
        m_alumno = scalar(QStringLiteral("SELECT id FROM alumno WHERE nombre = 'Antia'"));
        QVERIFY(m_alumno > 0);
        AsignaturasAlumnoTableModel altas(m_alumno);
        QCOMPARE(altas.rowCount(), 1);
        shoot(m_window.get(), QStringLiteral("12-students-page"));

        QVERIFY(p.selectIds("tbvAlumnos", {m_alumno}));
        QVERIFY(p.trigger("actionVerHorario"));
        auto* horarios = qobject_cast<HorariosWindowWidget*>(m_window->currentPage());
        QVERIFY(horarios);
        auto* view = qobject_cast<HorarioAlumnosWidget*>(horarios->currentHorario());
        QVERIFY(view);
        const QStringList boxes = sessionBoxes(view);
        QCOMPARE(boxes.size(), 2);
        QVERIFY(boxes.first().contains(QStringLiteral("Violin")));
        shoot(m_window.get(), QStringLiteral("13-student-timetable"));
    }

    void billsAreGeneratedAndPrinted()
    {
        PageHarness h(m_window.get());
        SaveAnyway status;
        QVERIFY(h.trigger("actionRecibos"));
        PageHarness p(m_window->currentPage());
        answer(p, QStringLiteral("1 bills created."), QMessageBox::Ok);
        QVERIFY(p.trigger("actionGenerar_recibos"));
        QVERIFY2(p.ok(), qPrintable(p.report()));
        m_recibo = scalar(QStringLiteral("SELECT id FROM recibo WHERE idalumno = %1").arg(m_alumno));
        QVERIFY(m_recibo > 0);
        QVERIFY(p.shownIds("tbvRecibos").contains(m_recibo));
        shoot(m_window.get(), QStringLiteral("14-bills-page"));

        const QString pdf = m_out.filePath(QStringLiteral("bills.pdf"));
        QVERIFY(p.selectIds("tbvRecibos", {m_recibo}));
        p.whenShown<QPrintPreviewDialog>([pdf](QPrintPreviewDialog* d) {
            shoot(d, QStringLiteral("15-bills-preview"));
            d->printer()->setOutputFormat(QPrinter::PdfFormat);
            d->printer()->setOutputFileName(pdf);
            d->findChild<QPrintPreviewWidget*>()->print();
            d->reject();
        });
        QVERIFY(p.click("btnImprimirRecibos"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(pdf), 10000);
        QVERIFY2(p.ok(), qPrintable(p.report()));
        QCOMPARE(outputfiles::pdfPages(pdf), 1);
        const QString text = outputfiles::pdfText(pdf, 1);
        QVERIFY2(text.contains(QStringLiteral("Antia")) && text.contains(QStringLiteral("Bouzas")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("42")), qPrintable(text));
    }

    void quitAndStartAgainFindsEverything()
    {
        PageHarness h(m_window.get());
        quit(h);
        QVERIFY2(h.ok(), qPrintable(h.report()));

        PageHarness again;
        answerText(again, QStringLiteral("Password for default database"), password);
        QVERIFY(start(again));
        QVERIFY2(again.ok(), qPrintable(again.report()));
        QVERIFY(Dao::getInstance()->checkPassword(password));
        shoot(m_window.get(), QStringLiteral("16-started-again"));

        const QList<Aula*> aulas = Aula::list();
        QCOMPARE(aulas.size(), 1);
        qDeleteAll(aulas);
        QVERIFY(ids(ProfesorTableModel::instance()).contains(m_profesor));
        QVERIFY(ids(TurnoAsignaturaTableModel::instance()).contains(m_turno));
        QVERIFY(ids(AlumnoTableModel::instance()).contains(m_alumno));
        AsignaturasAlumnoTableModel altas(m_alumno);
        QCOMPARE(altas.rowCount(), 1);

        QVERIFY(again.trigger("actionRecibos"));
        PageHarness bills(m_window->currentPage());
        QVERIFY(bills.shownIds("tbvRecibos").contains(m_recibo));

        m_window->showHorarioAlumno(m_alumno);
        auto* horarios = qobject_cast<HorariosWindowWidget*>(m_window->currentPage());
        QVERIFY(horarios);
        QCOMPARE(sessionBoxes(horarios->currentHorario()).size(), 2);
        shoot(m_window.get(), QStringLiteral("17-student-timetable-again"));
        SaveAnyway status;
        quit(again);
        QVERIFY2(again.ok() && bills.ok(), qPrintable(again.report() + bills.report()));
    }
};

PENSARIO_TEST_MAIN(TestJourney)
#include "tst_journey.moc"
