#include "centralwidget.h"
#include "dao.h"
#include "dbmanager.h"
#include "guitest.h"
#include "mainwindow.h"
#include "scriptedprompter.h"
#include "testmain.h"

#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTranslator>

using namespace GuiTest;

namespace {
// Installs the program's catalogues of a language ("en" needs none);
// removed when the object goes.
class Language
{
public:
    explicit Language(const QString& name)
    {
        if (name == QLatin1String("en"))
            return;
        QLocale::setDefault(QLocale(name));
        const QString locale = QLocale().name().toLower();
        for (const QString& file : {QStringLiteral("pensario.") + locale, QStringLiteral("formkit")}) {
            auto* translator = new QTranslator;
            if (translator->load(file, QStringLiteral(":/translations")) && QCoreApplication::installTranslator(translator))
                m_translators << translator;
            else
                delete translator;
        }
    }
    ~Language()
    {
        for (QTranslator* translator : std::as_const(m_translators)) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        QLocale::setDefault(QLocale::c());
    }
    bool loaded() const { return !m_translators.isEmpty(); }

private:
    QList<QTranslator*> m_translators;
};

// What is wrong with the mnemonics of one menu's entries: an entry without
// one, or two entries sharing one.
QStringList mnemonicProblems(const QString& menu, const QList<QAction*>& entries)
{
    QStringList problems;
    QHash<QKeySequence, QString> taken;
    for (QAction* entry : entries) {
        if (entry->isSeparator())
            continue;
        const QKeySequence key = QKeySequence::mnemonic(entry->text());
        if (key.isEmpty())
            problems << QStringLiteral("%1: \"%2\" has no mnemonic").arg(menu, entry->text());
        else if (taken.contains(key))
            problems << QStringLiteral("%1: \"%2\" and \"%3\" share one").arg(menu, taken.value(key), entry->text());
        else
            taken.insert(key, entry->text());
    }
    return problems;
}
} // namespace

class TestKeyboard : public QObject
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
        QSettings().setValue("CONFIGURATION/isFirstTime", false);
    }
    void cleanup() { Dao::getInstance()->close(); }

    void everyMenuOpensFromTheKeyboard_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "en";
        QTest::newRow("Spanish") << "es_ES";
        QTest::newRow("Galician") << "gl_ES";
    }
    void everyMenuOpensFromTheKeyboard()
    {
        QFETCH(QString, language);
        Language installed(language);
        QVERIFY(language == QLatin1String("en") || installed.loaded());
        MainWindow window;
        const QList<QAction*> titles = window.menuBar()->actions();
        QCOMPARE(titles.size(), 3);
        if (language != QLatin1String("en")) // really translated
            QVERIFY(titles.first()->text() != QLatin1String("&File"));
        QStringList problems = mnemonicProblems(QStringLiteral("menu bar"), titles);
        for (QAction* title : titles) {
            QVERIFY(title->menu());
            problems << mnemonicProblems(title->text(), title->menu()->actions());
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    void shownSectionFiltersAsTyped()
    {
        MainWindow window;
        window.show();
        for (const char* section : {"actionAlumnos", "actionAsignaturas", "actionProfesores", "actionCursos",
                                    "actionRecibos", "actionAlumnos"}) {
            child<QAction>(window, section)->trigger();
            QVERIFY(window.currentPage());
            auto* filter = window.currentPage()->findChild<QLineEdit*>("leFiltro");
            QVERIFY2(filter, section);
            QTRY_VERIFY2(window.focusWidget() == filter, section); // the page shows when events run
        }
    }
};

PENSARIO_TEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
