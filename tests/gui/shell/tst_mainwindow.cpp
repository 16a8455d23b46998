#include "academia.h"
#include "academyfixture.h"
#include "appstatusdialog.h"
#include "centralwidget.h"
#include "configurationdialog.h"
#include "dao.h"
#include "dbmanager.h"
#include "guitest.h"
#include "mainwindow.h"
#include "modalanswerer.h"
#include "reciboswidget.h"
#include "scriptedprompter.h"
#include "testmain.h"

#include <QLabel>
#include <QPointer>
#include <QSettings>
#include <QTextBrowser>
#include <QToolBar>

using namespace GuiTest;

namespace {
const char* const sections[] = {"actionAlumnos", "actionAsignaturas", "actionProfesores",
                                "actionHorarios", "actionCursos", "actionRecibos"};

QAction* action(QWidget& w, const char* name)
{
    return child<QAction>(w, name);
}

QStringList checkedSections(QWidget& w)
{
    QStringList checked;
    for (const char* name : sections)
        if (action(w, name)->isChecked())
            checked << QString::fromLatin1(name);
    return checked;
}

QToolBar* sectionTools(QWidget& w)
{
    return child<QToolBar>(w, "secondaryToolBar");
}

void setFirstTime(const QVariant& value)
{
    QSettings settings;
    if (value.isValid())
        settings.setValue("CONFIGURATION/isFirstTime", value);
    else
        settings.remove("CONFIGURATION/isFirstTime");
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::useIconPaths(); }
    void init()
    {
        TestEnv::resetCase();
        ScriptedPrompter prompter;
        prompter.text("pw").text("pw");
        QCOMPARE(DBManager::checkPassword(QString(), true), int(DBManager::Opened));
        setFirstTime(false);
    }
    void cleanup() { Dao::getInstance()->close(); }

    void firstRunGreeting_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<bool>("greeted");
        QTest::newRow("absent") << QVariant() << true;
        QTest::newRow("true") << QVariant(true) << true;
        QTest::newRow("false") << QVariant(false) << false;
    }
    void firstRunGreeting()
    {
        QFETCH(QVariant, stored);
        QFETCH(bool, greeted);
        setFirstTime(stored);
        ScriptedPrompter prompter;
        bool configured = false;
        if (greeted) {
            prompter.button(QMessageBox::Ok);
            whenShown<ConfigurationDialog>([&](ConfigurationDialog* d) {
                configured = true;
                d->reject();
            });
        }
        MainWindow window;
        QVERIFY2(prompter.allAnswered(), qPrintable(prompter.problems().join('\n')));
        QCOMPARE(configured, greeted);
        if (greeted) {
            QCOMPARE(prompter.asked().first().title, QStringLiteral("First run"));
            // cancelled: the greeting comes back next time
            QCOMPARE(QSettings().value("CONFIGURATION/isFirstTime"), stored);
        }
    }

    void formTitleAndToolTips()
    {
        MainWindow window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Pensario"));
        QCOMPARE(action(window, "actionAlumnos")->toolTip(), QStringLiteral("Students main page"));
        QCOMPARE(action(window, "actionAsignaturas")->toolTip(), QStringLiteral("Subjects"));
        QCOMPARE(action(window, "actionSalir")->toolTip(), QStringLiteral("Exit"));
        QCOMPARE(action(window, "actionAcerca_de")->toolTip(), QStringLiteral("About"));
        QCOMPARE(action(window, "actionManual_de_Pensario")->shortcut(), QKeySequence(Qt::Key_F1));
        for (QAction* a : window.findChildren<QAction*>())
            if (!a->isSeparator() && a->objectName().startsWith("action"))
                QVERIFY2(!a->icon().isNull(), qPrintable(a->objectName()));
    }

    void switchingKeepsPagesAndFillsSectionTools()
    {
        MainWindow window;
        QWidget* home = window.centralWidget();
        QVERIFY(home->findChild<QLabel*>("label"));
        QVERIFY(sectionTools(window)->actions().isEmpty());

        action(window, "actionAlumnos")->trigger();
        CentralWidget* alumnos = window.currentPage();
        QVERIFY(alumnos);
        QCOMPARE(window.centralWidget(), alumnos);
        QCOMPARE(checkedSections(window), QStringList{"actionAlumnos"});
        QVERIFY(!home->parent());

        action(window, "actionRecibos")->trigger();
        CentralWidget* recibos = window.currentPage();
        QVERIFY(recibos && recibos != alumnos);
        QCOMPARE(checkedSections(window), QStringList{"actionRecibos"});
        QCOMPARE(sectionTools(window)->actions(), recibos->actions());
        QVERIFY(!alumnos->parent()); // detached, not destroyed

        // the same page object again, its own actions in "Section tools"
        auto* tool = new QAction("probe", alumnos);
        alumnos->addAction(tool);
        action(window, "actionAlumnos")->trigger();
        QCOMPARE(window.currentPage(), alumnos);
        QCOMPARE(sectionTools(window)->actions(), alumnos->actions());
        QCOMPARE(sectionTools(window)->actions().last(), tool);

        // its own action again: back home, nothing checked, tools empty
        action(window, "actionAlumnos")->trigger();
        QVERIFY(!window.currentPage());
        QCOMPARE(window.centralWidget(), home);
        QVERIFY(checkedSections(window).isEmpty());
        QVERIFY(sectionTools(window)->actions().isEmpty());
    }

    void everySectionCanBeShown()
    {
        MainWindow window;
        QList<CentralWidget*> pages;
        for (const char* name : sections) {
            action(window, name)->trigger();
            QCOMPARE(checkedSections(window), QStringList{QString::fromLatin1(name)});
            QVERIFY(window.currentPage());
            QVERIFY(!pages.contains(window.currentPage()));
            pages << window.currentPage();
        }
    }

    void destructionDeletesEveryPage_data()
    {
        QTest::addColumn<QString>("installed");
        QTest::newRow("home page") << QString();
        QTest::newRow("a section") << "actionCursos";
    }
    void destructionDeletesEveryPage()
    {
        QFETCH(QString, installed);
        auto* window = new MainWindow;
        QList<QPointer<QWidget>> pages{window->centralWidget()};
        for (const char* name : sections) {
            action(*window, name)->trigger();
            pages << QPointer<QWidget>(window->currentPage());
        }
        action(*window, "actionRecibos")->trigger(); // back home
        if (!installed.isEmpty())
            action(*window, qPrintable(installed))->trigger();
        delete window;
        for (const QPointer<QWidget>& page : pages)
            QVERIFY(page.isNull());
    }

    // The window shows before the academy's start-up check and its pages:
    // they follow once it has been painted, and whatever reads the check's
    // results (here a section) runs the check first.
    void startUpWorkFollowsTheShownWindow()
    {
        // a shift without sessions: a fault the start-up check finds and ignores
        academy::turno(academy::asignatura(QStringLiteral("Maths")), QStringLiteral("Empty"));
        auto builtBillsPages = [] {
            int n = 0;
            for (QWidget* w : QApplication::allWidgets())
                n += qobject_cast<RecibosWidget*>(w) != nullptr;
            return n;
        };
        {
            MainWindow window;
            QVERIFY(Academia::avisosIgnorados().isEmpty());
            QCOMPARE(builtBillsPages(), 0);
            action(window, "actionHorarios")->trigger();
            QCOMPARE(Academia::avisosIgnorados().size(), 1);
            QCOMPARE(builtBillsPages(), 0);
        }
        // saving twice in a row empties both lists
        Academia::ignorarAvisos();
        Academia::ignorarAvisos();
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(builtBillsPages(), 1);
        QCOMPARE(Academia::avisosIgnorados().size(), 1);
        action(window, "actionRecibos")->trigger();
        QCOMPARE(builtBillsPages(), 1);
    }

    void exitClosesTheWindow()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        action(window, "actionHorarios")->trigger();
        action(window, "actionSalir")->trigger();
        QVERIFY(!window.isVisible());
    }

    void errorsOpenOneModelessDialogPerTrigger()
    {
        MainWindow window;
        action(window, "actionErrores")->trigger();
        action(window, "actionErrores")->trigger();
        const QList<AppStatusDialog*> dialogs = window.findChildren<AppStatusDialog*>();
        QCOMPARE(dialogs.size(), 2);
        for (AppStatusDialog* d : dialogs) {
            QVERIFY(d->isVisible());
            QVERIFY(!d->isModal());
        }
    }

    void academyLogoReplacesTheBuiltInOne()
    {
        QPixmap logo(40, 30);
        logo.fill(Qt::red);
        QVERIFY(logo.save(Academia::logoPath(), "PNG"));
        MainWindow window;
        QCOMPARE(child<QLabel>(window, "label")->pixmap().size(), QSize(40, 30));
    }

    void builtInLogoWithoutAFile()
    {
        MainWindow window;
        QCOMPARE(child<QLabel>(window, "label")->pixmap().toImage(),
                 QPixmap(":/icons/logovelbrook.png").toImage());
    }

    void aboutBoxes()
    {
        MainWindow window;
        ModalAnswerer answerer;
        answerer.pressButton("OK").pressButton("OK");
        action(window, "actionAcerca_de")->trigger();
        action(window, "actionAcerca_de_Velbrook")->trigger();
        VERIFY_ANSWERED(answerer);
        QCOMPARE(answerer.seen().size(), 2);
        QVERIFY(answerer.seen().at(0).contains("Versión 1.0.4.0"));
        QVERIFY(answerer.seen().at(0).contains("about:license-lgplv3"));
        QVERIFY(answerer.seen().at(1).startsWith("About Velbrook|"));
        QVERIFY(answerer.seen().at(1).contains("velbrook.example"));
    }

    // One manual window per main window; windows built one after another in
    // a process keep working once the manual's contents arrive.
    void manualShowsOnceInEachWindow()
    {
        for (int round = 0; round < 3; ++round) {
            MainWindow window;
            action(window, "actionManual_de_Pensario")->trigger();
            action(window, "actionManual_de_Pensario")->trigger();
            const QList<QDialog*> shown = window.findChildren<QDialog*>("HelpDialog");
            QCOMPARE(shown.size(), 1);
            QVERIFY(shown.first()->isVisible());
            QTest::qWait(100);
        }
    }

    // F1 opens the manual of the program's language.
    void f1OpensTheManualInTheProgramsLanguage()
    {
        const struct Restore
        {
            QLocale locale;
            ~Restore() { QLocale::setDefault(locale); }
        } restore{QLocale()};
        QLocale::setDefault(QLocale(QLocale::Galician, QLocale::Spain));
        MainWindow window;
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_F1);
        auto* manual = window.findChild<QDialog*>("HelpDialog");
        QVERIFY(manual && manual->isVisible());
        auto* page = manual->findChild<QTextBrowser*>();
        QVERIFY(page);
        QVERIFY(page->toPlainText().contains(QString::fromUtf8("Pensario é o programa de xestión")));
    }
};

PENSARIO_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
