#include "helpbrowser.h"
#include "helpdialog.h"
#include "messagecapture.h"
#include "testmain.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpLink>
#include <QLocale>
#include <QPointer>
#include <QSplitter>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {
QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Entry
{
    int depth;
    QString anchor;
    QString title;
};

void collect(QHelpContentModel* model, const QModelIndex& parent, int depth, QList<Entry>& out)
{
    for (int row = 0; row < model->rowCount(parent); ++row) {
        const QModelIndex index = model->index(row, 0, parent);
        QHelpContentItem* item = model->contentItemAt(index);
        QCOMPARE(item->url().adjusted(QUrl::RemoveFragment), HelpDialog::startPage()); // one page
        out.append({depth, item->url().fragment(), item->title()});
        collect(model, index, depth + 1, out);
    }
}

void useLanguage(QLocale::Language language, QLocale::Territory territory)
{
    QLocale::setDefault(QLocale(language, territory));
}

// The contents model of a shown manual window, once the engine has built it.
QHelpContentModel* builtContents(HelpDialog& dialog)
{
    dialog.show();
    auto* tree = qobject_cast<QHelpContentWidget*>(dialog.findChild<QSplitter*>()->widget(0));
    auto* model = tree ? qobject_cast<QHelpContentModel*>(tree->model()) : nullptr;
    if (!model || !QTest::qWaitFor([model] { return !model->isCreatingContents() && model->rowCount() > 0; }, 10000))
        return nullptr;
    return model;
}

QString firstChapter(HelpDialog& dialog)
{
    QHelpContentModel* model = builtContents(dialog);
    return model ? model->contentItemAt(model->index(0, 0, model->index(0, 0)))->title() : QString();
}

const char* const spanishStart = "Pensario es el programa de gestión";
const char* const galicianStart = "Pensario é o programa de xestión";
const char* const englishStart = "Pensario runs the office of the academy";
} // namespace

class TestHelpDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { m_startLocale = QLocale(); }
    void init() { TestEnv::resetCase(); }
    void cleanup() { QLocale::setDefault(m_startLocale); }

    void freshDataFolderGetsTheManualRegisteredAndShown()
    {
        useLanguage(QLocale::Spanish, QLocale::Spain);
        const QString dataDir = TestEnv::dataDir();
        QVERIFY(!QFile::exists(dataDir + "/help.qch"));
        MessageCapture capture;
        HelpDialog dialog;
        QVERIFY(QFile::exists(dataDir + "/help.qch"));
        QVERIFY(QFile::exists(dataDir + "/help.qhc"));
        QCOMPARE(capture.count(QtWarningMsg), 0);
        auto* browser = dialog.findChild<HelpBrowser*>();
        QVERIFY(browser);
        QCOMPARE(browser->source(), HelpDialog::startPage());
        QVERIFY(browser->toPlainText().contains(QString::fromUtf8(spanishStart)));

        QHelpContentModel* model = builtContents(dialog);
        QVERIFY(model && model->rowCount() > 0);
        auto* tree = qobject_cast<QHelpContentWidget*>(dialog.findChild<QSplitter*>()->widget(0));
        QList<Entry> found;
        collect(model, QModelIndex(), 0, found);
        // every entry of the table of contents, as the project file lists them
        QFile project(QStringLiteral(PENSARIO_SOURCE_DIR "/resources/help/es/help.qhp"));
        QVERIFY(project.open(QIODevice::ReadOnly));
        QCOMPARE(found.size(), int(QString::fromUtf8(project.readAll()).count(QLatin1String("<section "))));
        QStringList chapters;
        for (const Entry& e : found)
            if (e.depth == 1)
                chapters << e.title;
        QCOMPARE(chapters, (QStringList{"Primeros pasos", "Bases de datos", "Conceptos generales sobre el interfaz",
                                        "Configuración de la aplicación",
                                        "Alumnos", "Asignaturas", "Profesores", "Horarios", "Cursos", "Recibos"}));
        const auto editing = std::find_if(found.cbegin(), found.cend(), [](const Entry& e) {
            return e.title == QStringLiteral("Editar sesiones de clase");
        });
        QVERIFY(editing != found.cend());
        QCOMPARE(editing->depth, 3);
        const auto days = std::find_if(found.cbegin(), found.cend(),
                                       [](const Entry& e) { return e.anchor == QStringLiteral("horario_dias"); });
        QVERIFY(days != found.cend());
        QCOMPARE(days->title, QStringLiteral("Horario por días"));
        QCOMPARE(found.last().anchor, QStringLiteral("imprimir_recibos"));

        // every anchor of the tree is in the page
        const QString html = QString::fromUtf8(
            browser->loadResource(QTextDocument::HtmlResource, HelpDialog::startPage()).toByteArray());
        for (const Entry& e : found)
            QVERIFY2(e.anchor.isEmpty() || html.contains(QStringLiteral("name=\"%1\"").arg(e.anchor)),
                     qPrintable(e.anchor));

        // expanded to depth 1 once built: the chapters are open, their sections are not
        const QModelIndex root = model->index(0, 0);
        QTRY_VERIFY(tree->isExpanded(root));
        const QModelIndex horarios = model->index(7, 0, root);
        QCOMPARE(model->contentItemAt(horarios)->title(), QStringLiteral("Horarios"));
        QVERIFY(tree->isExpanded(horarios));
        QVERIFY(!tree->isExpanded(model->index(0, 0, horarios)));
    }

    void anExistingHelpFileIsRegisteredNotCopiedAndOnlyOnce()
    {
        useLanguage(QLocale::English, QLocale::UnitedStates);
        const QString helpFile = TestEnv::dataDir() + "/help.qch";
        QVERIFY(QFile::copy(":/help/help.qch", helpFile));
        QVERIFY(QFile::setPermissions(helpFile, QFile::ReadOwner | QFile::WriteOwner));
        const QDateTime old = QDateTime::currentDateTime().addDays(-3);
        {
            QFile file(helpFile);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(old, QFileDevice::FileModificationTime));
        }
        {
            MessageCapture capture;
            HelpDialog first;
            QCOMPARE(capture.count(QtWarningMsg), 0);
            QCOMPARE(QFileInfo(helpFile).lastModified(), old);
            QVERIFY(first.findChild<HelpBrowser*>()->toPlainText().contains(QStringLiteral("Pensario")));
        }
        // A later start finds the manual registered: registering it again would fail.
        MessageCapture capture;
        HelpDialog later;
        QCOMPARE(capture.count(QtWarningMsg), 0);
        QCOMPARE(QFileInfo(helpFile).lastModified(), old);
    }

    void keywordIndexLeadsToTheSections_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("keywords"); // student, subject, teacher, classroom, bill
        QTest::newRow("es") << QLocale(QLocale::Spanish, QLocale::Spain)
                            << QStringList{"alumno", "asignatura", "profesor", "aula", "recibo"};
        QTest::newRow("gl") << QLocale(QLocale::Galician, QLocale::Spain)
                            << QStringList{"alumno", "materia", "profesor", "aula", "recibo"};
        QTest::newRow("en") << QLocale(QLocale::English, QLocale::UnitedStates)
                            << QStringList{"student", "subject", "teacher", "classroom", "bill"};
    }
    void keywordIndexLeadsToTheSections()
    {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, keywords);
        QLocale::setDefault(locale);
        HelpDialog dialog;
        QHelpEngine engine(TestEnv::dataDir() + "/help.qhc");
        QVERIFY(engine.setupData());
        QVERIFY(engine.registeredDocumentations().contains(HelpDialog::helpNamespace()));
        const QHash<QString, QString> expected = {{"Pensario", ""},
                                                  {keywords.at(0), "alumnos"},
                                                  {keywords.at(1), "asignaturas"},
                                                  {keywords.at(2), "profesores"},
                                                  {keywords.at(3), "aulas"},
                                                  {keywords.at(4), "recibos"}};
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            const QList<QHelpLink> links = engine.documentsForKeyword(it.key());
            QVERIFY2(links.size() == 1, qPrintable(it.key()));
            QCOMPARE(links.first().url.fragment(), it.value());
        }
    }

    // The help engine goes with the window that made it.
    void engineGoesWithTheWindow()
    {
        auto* dialog = new HelpDialog;
        QPointer<QHelpEngine> engine = dialog->findChild<QHelpEngine*>();
        QVERIFY(engine);
        delete dialog;
        QVERIFY(engine.isNull());
    }

    // A manual left in the data folder by an older program is replaced by the
    // one this program carries.
    void olderManualInTheDataFolderIsReplaced()
    {
        useLanguage(QLocale::Spanish, QLocale::Spain);
        const QString helpFile = TestEnv::dataDir() + "/help.qch";
        QVERIFY(QFile::copy(":/help/help.qch", helpFile));
        QVERIFY(QFile::setPermissions(helpFile, QFile::ReadOwner | QFile::WriteOwner));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "oldmanual");
            db.setDatabaseName(helpFile);
            QVERIFY(db.open());
            QSqlQuery query(db);
            QVERIFY(query.prepare("UPDATE FileDataTable SET Data = ?"));
            query.addBindValue(qCompress(QByteArray("<html><body>Manual antiguo</body></html>")));
            QVERIFY(query.exec());
            db.close();
        }
        QSqlDatabase::removeDatabase("oldmanual");
        {
            QHelpEngine engine(TestEnv::dataDir() + "/help.qhc");
            engine.setReadOnly(false);
            QVERIFY(engine.setupData());
            QVERIFY(engine.registerDocumentation(helpFile));
        }
        MessageCapture capture;
        HelpDialog dialog;
        QCOMPARE(capture.count(QtWarningMsg), 0);
        const QString page = dialog.findChild<HelpBrowser*>()->toPlainText();
        QVERIFY2(page.contains(QString::fromUtf8(spanishStart)), qPrintable(page.left(200)));
        QVERIFY(fileBytes(helpFile) == fileBytes(":/help/help.qch"));
    }

    // The manual is the one of the program's language, English when there is
    // none for it; its contents tree too.
    void manualFollowsTheProgramsLanguage_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("opening");
        QTest::addColumn<QString>("chapter");
        QTest::newRow("Spanish") << QLocale(QLocale::Spanish, QLocale::Spain) << QString::fromUtf8(spanishStart)
                                 << "Primeros pasos";
        QTest::newRow("Galician") << QLocale(QLocale::Galician, QLocale::Spain) << QString::fromUtf8(galicianStart)
                                  << "Primeiros pasos";
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedKingdom)
                                 << QString::fromUtf8(englishStart) << "First steps";
        QTest::newRow("French, no manual") << QLocale(QLocale::French, QLocale::France)
                                           << QString::fromUtf8(englishStart) << "First steps";
    }
    void manualFollowsTheProgramsLanguage()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, opening);
        QFETCH(QString, chapter);
        QLocale::setDefault(locale);
        MessageCapture capture;
        HelpDialog dialog;
        QCOMPARE(capture.count(QtWarningMsg), 0);
        const QString page = dialog.findChild<HelpBrowser*>()->toPlainText();
        QVERIFY2(page.contains(opening), qPrintable(page.left(200)));
        QCOMPARE(firstChapter(dialog), chapter);
    }

    // A change of language between runs puts that language's manual in the
    // data folder in place of the other one.
    void languageChangeReplacesTheManualInTheDataFolder()
    {
        const QString helpFile = TestEnv::dataDir() + "/help.qch";
        const struct
        {
            QLocale::Language language;
            const char* opening;
            const char* chapter;
        } runs[] = {{QLocale::Galician, galicianStart, "Primeiros pasos"},
                    {QLocale::Spanish, spanishStart, "Primeros pasos"},
                    {QLocale::Galician, galicianStart, "Primeiros pasos"}};
        QByteArray previous;
        for (const auto& run : runs) {
            useLanguage(run.language, QLocale::Spain);
            MessageCapture capture;
            HelpDialog dialog;
            QCOMPARE(capture.count(QtWarningMsg), 0);
            const QByteArray copy = fileBytes(helpFile);
            QVERIFY(copy == fileBytes(":/help/help.qch"));
            QVERIFY(copy != previous);
            previous = copy;
            QVERIFY(dialog.findChild<HelpBrowser*>()->toPlainText().contains(QString::fromUtf8(run.opening)));
            QCOMPARE(firstChapter(dialog), QString::fromUtf8(run.chapter));
        }
    }

    // The window says what it is, and its contents pane shows whole titles.
    void titledAndContentsPaneFitsItsTitles()
    {
        HelpDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Manual"));
        dialog.show();
        auto* tree = qobject_cast<QHelpContentWidget*>(dialog.findChild<QSplitter*>()->widget(0));
        auto* model = qobject_cast<QHelpContentModel*>(tree->model());
        QVERIFY(QTest::qWaitFor([model] { return !model->isCreatingContents() && model->rowCount() > 0; }, 10000));
        QTRY_VERIFY(tree->isExpanded(model->index(0, 0)));
        const QAbstractItemView* view = tree;
        QTRY_VERIFY2(tree->viewport()->width() >= view->sizeHintForColumn(0),
                     qPrintable(QStringLiteral("%1 < %2").arg(tree->viewport()->width()).arg(view->sizeHintForColumn(0))));
    }

private:
    QLocale m_startLocale;
};

PENSARIO_TEST_MAIN(TestHelpDialog)
#include "tst_helpdialog.moc"
