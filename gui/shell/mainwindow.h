#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "amainwindow.h"

class AlumnosWidget;
class AsignaturasWidget;
class CentralWidget;
class CursosWidget;
class HelpDialog;
class HorariosWindowWidget;
class ProfesoresWidget;
class QAction;
class RecibosWidget;

namespace Ui {
class MainWindow;
}

// The program's only top-level window: the six section pages, each created
// once (when first needed, or when the program is idle after the window
// shows) and installed one at a time, the "Section tools" bar of the installed page,
// the configuration, the consistency results, the manual and the about boxes.
class MainWindow : public AMainWindow
{
    Q_OBJECT
public:
    // Shown in the window title and in the about box.
    static const QString VERSION;
    // The 57 embedded icons the user may replace, as the icon folder offers them.
    static QStringList iconFileNames();

    explicit MainWindow(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~MainWindow() override;

    // The installed section page; nullptr while the home page is shown.
    CentralWidget* currentPage() const { return m_current; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

public slots:
    void showHorarioAlumno(int id);
    void showHorarioProfe(int id);
    void showAsignaturas(bool show);
    void showProfesores(bool show);
    void showAlumnos(bool show);
    void showCursos(bool show);
    void showRecibos(bool show);
    void showHorarios(bool show);
    void showAbout();
    void showAboutVelbrook();
    void showSettings();
    void showHelp();
    void showErrors();
    void closeApp();

private:
    template <typename Page>
    Page* page(Page*& slot);
    // What a new page tells the window: the pages that jump to a timetable.
    void connectPage(AlumnosWidget* page);
    void connectPage(ProfesoresWidget* page);
    void connectPage(QWidget*) {}
    void buildNextPage();
    HelpDialog* manual();
    void initializeAcademy();
    void connectActions();
    void showFirstRunGreeting();
    void showSection(bool show, CentralWidget* page, QAction* action);
    void replaceCentralWidget(QWidget* widget);
    void checkSectionAction(QAction* action);
    void updateLogo();
    bool currentPageMayLeave();

    Ui::MainWindow* ui;
    AlumnosWidget* m_alumnos = nullptr;
    AsignaturasWidget* m_asignaturas = nullptr;
    ProfesoresWidget* m_profesores = nullptr;
    HorariosWindowWidget* m_horarios = nullptr;
    CursosWidget* m_cursos = nullptr;
    RecibosWidget* m_recibos = nullptr;
    HelpDialog* m_help = nullptr;
    QWidget* m_home = nullptr;
    CentralWidget* m_current = nullptr;
    bool m_pagesScheduled = false;
    bool m_academyInitialized = false;
    bool m_checkReadAhead = false;
};

#endif // MAINWINDOW_H
