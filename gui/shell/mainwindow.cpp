#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "academia.h"
#include "alumnoswidget.h"
#include "appstatusdialog.h"
#include "aprompter.h"
#include "asignaturaswidget.h"
#include "centralwidget.h"
#include "comprobacion.h"
#include "configurationdialog.h"
#include "cursoswidget.h"
#include "dao.h"
#include "helpdialog.h"
#include "horarioswindowwidget.h"
#include "profesoreswidget.h"
#include "profesortablemodel.h"
#include "recibotablemodel.h"
#include "reciboswidget.h"
#include "turnoasignaturatablemodel.h"
#include "turnocursotablemodel.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFile>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>

const QString MainWindow::VERSION = QStringLiteral("1.0.4.0");

QStringList MainWindow::iconFileNames()
{
    return {QStringLiteral("add.svg"), QStringLiteral("application-exit.png"),
            QStringLiteral("classroom_add.svg"), QStringLiteral("classroom_del.svg"),
            QStringLiteral("classroom_edit.svg"), QStringLiteral("classroom.svg"),
            QStringLiteral("configure.png"), QStringLiteral("course_add.svg"),
            QStringLiteral("course_del.svg"), QStringLiteral("course_edit.svg"),
            QStringLiteral("courses.svg"), QStringLiteral("delete.svg"), QStringLiteral("erase.svg"),
            QStringLiteral("error.svg"), QStringLiteral("help-contents.svg"),
            QStringLiteral("help-contextual.svg"), QStringLiteral("help.svg"),
            QStringLiteral("list-add.svg"), QStringLiteral("listado_economic.svg"),
            QStringLiteral("listado.svg"), QStringLiteral("list-remove.svg"),
            QStringLiteral("logovelbrook.png"), QStringLiteral("logo.png"),
            QStringLiteral("media-floppy.png"), QStringLiteral("printer.png"),
            QStringLiteral("receip_print.svg"), QStringLiteral("recibo_delete.svg"),
            QStringLiteral("recibo_edit.svg"), QStringLiteral("recibo_generar.svg"),
            QStringLiteral("recibo_regenerate.svg"), QStringLiteral("recibo.svg"),
            QStringLiteral("recibo_unpaid.svg"), QStringLiteral("selected.svg"),
            QStringLiteral("student_add.svg"), QStringLiteral("student_delete.svg"),
            QStringLiteral("student_edit.svg"), QStringLiteral("student_listado_sin_euros.svg"),
            QStringLiteral("student_listado.svg"), QStringLiteral("students_subjects_removeall.svg"),
            QStringLiteral("students_subjects.svg"), QStringLiteral("students.svg"),
            QStringLiteral("subject_add.svg"), QStringLiteral("subject_del.svg"),
            QStringLiteral("subject_edit.svg"), QStringLiteral("subject.svg"),
            QStringLiteral("teacher_add.svg"), QStringLiteral("teacher_delete.svg"),
            QStringLiteral("teacher_edit.svg"), QStringLiteral("teacher_listado.svg"),
            QStringLiteral("teacher.svg"), QStringLiteral("timetable_classrooms.svg"),
            QStringLiteral("timetables.svg"), QStringLiteral("timetable_students.svg"),
            QStringLiteral("timetable_teachers.svg"), QStringLiteral("unselected.svg"),
            QStringLiteral("view-refresh.svg"), QStringLiteral("edit-clear.svg")};
}

MainWindow::MainWindow(QWidget* parent, Qt::WindowFlags flags)
    : AMainWindow(parent, flags), ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    updateLogo();
    m_home = centralWidget();
    m_home->installEventFilter(this);
    m_current = nullptr;
    setIconfileNames(iconFileNames());
    connectActions();
    showFirstRunGreeting();
}

MainWindow::~MainWindow()
{
    // The installed page goes with the window; the others have no parent.
    for (QWidget* page : {static_cast<QWidget*>(m_alumnos), static_cast<QWidget*>(m_horarios),
                          static_cast<QWidget*>(m_profesores), static_cast<QWidget*>(m_asignaturas),
                          static_cast<QWidget*>(m_cursos), static_cast<QWidget*>(m_recibos)}) {
        if (page && page != m_current)
            delete page;
    }
    delete m_home;
    delete ui;
}

// The academy's start-up work (office hours converted, first consistency
// check, its faults made the ignored ones) waits until the window is on
// screen, but comes before anything that reads its results or the hours:
// every page, the consistency results and the configuration.
void MainWindow::initializeAcademy()
{
    if (m_academyInitialized)
        return;
    m_academyInitialized = true;
    Academia::inicializarEstado();
}

// Each page is built once, the first time its section is needed, or in the
// event loop's idle turns once the window is on screen: the window shows
// without waiting for six pages and their models.
template <typename Page>
Page* MainWindow::page(Page*& slot)
{
    if (slot)
        return slot;
    initializeAcademy();
    slot = new Page;
    connectPage(slot);
    return slot;
}

void MainWindow::connectPage(AlumnosWidget* page)
{
    connect(page, &AlumnosWidget::cambioAHorarioAlumno, this, &MainWindow::showHorarioAlumno);
}

void MainWindow::connectPage(ProfesoresWidget* page)
{
    connect(page, &ProfesoresWidget::cambiaAHorarioProfe, this, &MainWindow::showHorarioProfe);
}

// One page per turn of the event loop, in the sections' order, so that the
// window stays responsive while the rest are built. The manual and the
// timetables' day come last: every section can be reached before.
void MainWindow::buildNextPage()
{
    const auto buildFirstMissing = [this](auto*&... pages) { return ((!pages && page(pages)) || ...); };
    if (!m_checkReadAhead && !m_academyInitialized) {
        // the first check's dearest reads, in a turn of their own
        Comprobacion::leerAntes();
        m_checkReadAhead = true;
    } else if (!m_academyInitialized)
        initializeAcademy();
    else if (!buildFirstMissing(m_alumnos, m_asignaturas, m_profesores, m_horarios, m_cursos, m_recibos)) {
        manual();
        m_horarios->layOutAhead();
        return;
    }
    QTimer::singleShot(0, this, &MainWindow::buildNextPage);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Once the home page has been painted the user sees the window: the
    // academy's start-up work and the pages follow in the idle time after it.
    if (watched == m_home && event->type() == QEvent::Paint && !m_pagesScheduled) {
        m_pagesScheduled = true;
        QTimer::singleShot(0, this, &MainWindow::buildNextPage);
    }
    return AMainWindow::eventFilter(watched, event);
}

void MainWindow::connectActions()
{
    connect(ui->actionAlumnos, &QAction::triggered, this, &MainWindow::showAlumnos);
    connect(ui->actionAsignaturas, &QAction::triggered, this, &MainWindow::showAsignaturas);
    connect(ui->actionProfesores, &QAction::triggered, this, &MainWindow::showProfesores);
    connect(ui->actionHorarios, &QAction::triggered, this, &MainWindow::showHorarios);
    connect(ui->actionCursos, &QAction::triggered, this, &MainWindow::showCursos);
    connect(ui->actionRecibos, &QAction::triggered, this, &MainWindow::showRecibos);
    connect(ui->actionErrores, &QAction::triggered, this, &MainWindow::showErrors);
    connect(ui->actionSalir, &QAction::triggered, this, &MainWindow::closeApp);
    connect(ui->actionAcerca_de, &QAction::triggered, this, &MainWindow::showAbout);
    connect(ui->actionAcerca_de_Velbrook, &QAction::triggered, this, &MainWindow::showAboutVelbrook);
    connect(ui->actionConfiguracion, &QAction::triggered, this, &MainWindow::showSettings);
    connect(ui->actionManual_de_Pensario, &QAction::triggered, this, &MainWindow::showHelp);
}

void MainWindow::showFirstRunGreeting()
{
    QSettings settings;
    settings.beginGroup(QStringLiteral("CONFIGURATION"));
    if (!settings.value(QStringLiteral("isFirstTime"), true).toBool())
        return;
    APrompter::instance()->message(
        QMessageBox::NoIcon, tr("First run"),
        tr("<b>First run</b><br/>A configuration window will be shown where you'll be able to personalize "
           "the appearance of this application.\nThis will only happen the first time you run the "
           "application.\nIn order to show the configuration window again you can go to "
           "<nobr>File->Configuration</nobr>"));
    showSettings();
}

void MainWindow::showHorarioAlumno(int id)
{
    // the student's view is drawn once, as the section is shown
    page(m_horarios)->selectHorario(0, id);
    showHorarios(true);
}

void MainWindow::showHorarioProfe(int id)
{
    page(m_horarios)->selectHorario(3, id);
    showHorarios(true);
}

void MainWindow::showAsignaturas(bool show)
{
    TurnoAsignaturaTableModel::instance()->refreshIfStale();
    showSection(show, page(m_asignaturas), ui->actionAsignaturas);
}

void MainWindow::showProfesores(bool show)
{
    ProfesorTableModel::instance()->refreshIfStale();
    showSection(show, page(m_profesores), ui->actionProfesores);
}

void MainWindow::showAlumnos(bool show)
{
    page(m_alumnos)->refreshModel();
    showSection(show, m_alumnos, ui->actionAlumnos);
}

void MainWindow::showCursos(bool show)
{
    TurnoCursoTableModel::instance()->refreshIfStale();
    showSection(show, page(m_cursos), ui->actionCursos);
}

void MainWindow::showRecibos(bool show)
{
    ReciboTableModel::instance()->refreshIfStale();
    showSection(show, page(m_recibos), ui->actionRecibos);
}

void MainWindow::showHorarios(bool show)
{
    showSection(show, page(m_horarios), ui->actionHorarios);
}

bool MainWindow::currentPageMayLeave()
{
    return !m_current || m_current->isValidState();
}

void MainWindow::showSection(bool show, CentralWidget* page, QAction* action)
{
    if (!currentPageMayLeave()) {
        // Unchecking the installed page's own action must not leave it unchecked.
        action->setChecked(page == m_current);
        return;
    }
    ui->secondaryToolBar->clear();
    if (!show) {
        m_current = nullptr;
        replaceCentralWidget(m_home);
        return;
    }
    checkSectionAction(action);
    replaceCentralWidget(page);
    m_current = page;
    ui->secondaryToolBar->addActions(page->actions());
    page->activateWidget();
}

void MainWindow::replaceCentralWidget(QWidget* widget)
{
    // Detached first: the window would delete a central widget it replaces.
    if (QWidget* installed = centralWidget())
        installed->setParent(nullptr);
    setCentralWidget(widget);
}

void MainWindow::checkSectionAction(QAction* action)
{
    for (QAction* section : {ui->actionAlumnos, ui->actionAsignaturas, ui->actionCursos,
                             ui->actionProfesores, ui->actionRecibos, ui->actionHorarios})
        section->setChecked(false);
    action->setChecked(true);
}

void MainWindow::updateLogo()
{
    const QString path = Academia::logoPath();
    if (!QFile::exists(path))
        return;
    const QPixmap logo(path);
    if (!logo.isNull())
        ui->label->setPixmap(logo);
}

void MainWindow::showSettings()
{
    initializeAcademy();
    // The dialog stores what it confirms at once: a section's pending changes
    // are settled first, as on leaving it, and its visit starts again after.
    const bool visiting = Dao::getInstance()->inTransaction();
    if (visiting && (!currentPageMayLeave() || Dao::getInstance()->inTransaction()))
        return;
    ConfigurationDialog dialog;
    // a timetables page not built yet draws what is stored when it is
    connect(&dialog, &ConfigurationDialog::horarioShouldRefresh, this, [this] {
        if (m_horarios)
            m_horarios->refresh();
    });
    dialog.exec();
    if (dialog.logoChanged())
        updateLogo();
    if (visiting && m_current)
        m_current->activateWidget();
}

// Built once every section is, or when first asked for.
HelpDialog* MainWindow::manual()
{
    if (!m_help)
        m_help = new HelpDialog(this);
    return m_help;
}

void MainWindow::showHelp()
{
    manual()->show();
}

void MainWindow::showErrors()
{
    initializeAcademy();
    auto* dialog = new AppStatusDialog(AppStatusDialog::OmitIgnored | AppStatusDialog::Reload, this);
    dialog->checkStatus(false);
}

void MainWindow::closeApp()
{
    if (currentPageMayLeave())
        close();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!currentPageMayLeave()) {
        event->ignore();
        return;
    }
    AMainWindow::closeEvent(event);
}

void MainWindow::showAbout()
{
    QMessageBox::about(
        this, tr("Pensario"),
        tr("<html><p><b>Pensario</b> is a management application for small academies developed with "
           "simplicity and agility in mind.</p>"
           "<p>This application uses several icons from the <b><a href=\"about:copyright-oxygen\">oxygen "
           "iconset</a></b>, under the terms of the <a href=\"about:license-lgplv3\">LGPLv3 license</a> "
           "(which extends the <a href=\"about:license-gplv3\"> GPLv3 license</a>). You are therefore free "
           "to use a modified version of the icons with this application. To do so read the instructions "
           "<a href=\"about:use-modified-icons\">here</a>. You can get the source of the iconset "
           "<a href=\"https://download.kde.org/stable/frameworks/5.103/oxygen-icons5-5.103.0.tar.xz\">here</a>.</p>"
           "<p>This application uses the <b><a href=\"about:qt\">Qt Toolkit</a></b> under the terms of the "
           "<a href=\"about:license-lgplv21\">LGPLv2.1</a> license with a "
           "<a href=\"about:license-qt-lgpl-exception\">LGPL exception </a>. You are therefore free to use a "
           "modified version of the Qt libraries with this application. To facilitate this the Qt libraries "
           "are dynamically linked. You can get the Qt source code from "
           "<a href=\"https://download.qt.io/archive/qt/6.4/\">here</a>.</p>"
           "<p><h1>Versión %1</h1></p></html>")
            .arg(VERSION));
}

void MainWindow::showAboutVelbrook()
{
    // An about box, not a question: it runs as a real box.
    QMessageBox box(this);
    box.setWindowIcon(QIcon(QStringLiteral(":/icons/velbrookicon.png")));
    box.setWindowTitle(tr("About Velbrook"));
    box.setTextFormat(Qt::RichText);
    box.setText(tr("<html><img src=\":/icons/logovelbrook.png\" width=\"180\" height=\"60\" style=\"float:left\"/>"
                   "<h2>Velbrook</h2>"
                   "<p>Velbrook is an imaginary software workshop that stands for the makers of this "
                   "program. It builds small, plain tools for the day-to-day work of teaching "
                   "academies and other small offices.</p>"
                   "<p>Questions and suggestions: <a href=\"mailto:info@velbrook.example\">"
                   "info@velbrook.example</a><br/>Web: <a href=\"https://velbrook.example\">"
                   "velbrook.example</a></p></html>"));
    box.exec();
}
