#include "helpbrowser.h"
#include "helpdialog.h"
#include "messagecapture.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpLink>
#include <QSignalSpy>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTreeView>

namespace {

struct Entry
{
    int depth;
    QString anchor;
    QString title;
};

const QList<Entry>& expectedContents()
{
    static const QList<Entry> entries = {
        {0, "", "Pensario"},
        {1, "conceptos_interfaz", "Conceptos generales sobre el interfaz"},
        {2, "regiones_pantalla", "Regiones de la pantalla"},
        {1, "configuracion", "Configuración de la aplicación"},
        {1, "alumnos", "Alumnos"},
        {2, "submenu_alumnos_nuevo", "Crear un nuevo alumno"},
        {2, "submenu_alumnos_editar", "Editar un alumno"},
        {2, "submenu_alumnos_asignaturas", "Asignaturas de un alumno"},
        {2, "submenu_alumnos_eliminar", "Borrar un alumno"},
        {2, "submenu_alumnos_baja_general", "Baja general de un alumno"},
        {2, "submenu_alumnos_mostrar_horario", "Horario del alumno"},
        {1, "asignaturas", "Asignaturas"},
        {1, "profesores", "Profesores"},
        {1, "horarios", "Horarios"},
        {2, "gestion_sesiones", "Gestión de sesiones"},
        {3, "anadir_sesiones", "Añadir sesiones de clase"},
        {3, "editar_sesiones", "Editar sesiones de clase"},
        {2, "horario_dias", "Horario por dias"},
        {3, "horario_gestion_aulas", "Gestión de aulas"},
        {1, "cursos", "Cursos"},
        {2, "listado_curso", "Listado de alumnos por curso"},
        {1, "recibos", "Recibos"},
        {2, "generar_recibos", "Generar recibos"},
        {2, "editar_recibos", "Editar recibos"},
        {2, "regenerar_recibos", "Regenerar recibos"},
        {2, "eliminar_recibos", "Eliminar recibos"},
        {2, "resumen_economico_recibos", "Resumen económico"},
        {2, "escrito_impagos_recibos", "Generación de escrito de impagos"},
        {2, "imprimir_recibos", "Imprimir recibos"},
    };
    return entries;
}

void collect(QHelpContentModel* model, const QModelIndex& parent, int depth, QList<Entry>& out,
             QList<QUrl>& urls)
{
    for (int row = 0; row < model->rowCount(parent); ++row) {
        const QModelIndex index = model->index(row, 0, parent);
        QHelpContentItem* item = model->contentItemAt(index);
        out.append({depth, item->url().fragment(), item->title()});
        urls.append(item->url());
        collect(model, index, depth + 1, out, urls);
    }
}

QHelpContentWidget* contentsOf(HelpDialog& dialog)
{
    auto* splitter = dialog.findChild<QSplitter*>();
    return splitter ? qobject_cast<QHelpContentWidget*>(splitter->widget(0)) : nullptr;
}

// Waits until the engine has built the contents tree of the dialog.
QHelpContentModel* waitForContents(HelpDialog& dialog)
{
    QHelpContentWidget* tree = contentsOf(dialog);
    if (!tree)
        return nullptr;
    auto* model = qobject_cast<QHelpContentModel*>(tree->model());
    if (!model)
        return nullptr;
    const bool built = QTest::qWaitFor(
        [model] { return !model->isCreatingContents() && model->rowCount() > 0; }, 10000);
    return built ? model : nullptr;
}

} // namespace

class TestHelpDialog : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestEnv::resetCase(); }

    void freshDataFolderGetsTheManualRegisteredAndShown()
    {
        const QString dataDir = TestEnv::dataDir();
        QVERIFY(!QFile::exists(dataDir + "/help.qch"));
        QVERIFY(!QFile::exists(dataDir + "/help.qhc"));

        MessageCapture capture;
        HelpDialog dialog;
        QVERIFY(QFile::exists(dataDir + "/help.qch"));
        QVERIFY(QFile::exists(dataDir + "/help.qhc"));
        QCOMPARE(capture.count(QtWarningMsg), 0);

        auto* browser = dialog.findChild<HelpBrowser*>();
        QVERIFY(browser);
        QCOMPARE(browser->source(), HelpDialog::startPage());
        QVERIFY(browser->toPlainText().contains(QStringLiteral("Pensario es el programa de gestión")));

        dialog.show();
        QHelpContentModel* model = waitForContents(dialog);
        QVERIFY(model);
        QList<Entry> found;
        QList<QUrl> urls;
        collect(model, QModelIndex(), 0, found, urls);
        const QList<Entry>& expected = expectedContents();
        QCOMPARE(found.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i) {
            QCOMPARE(found.at(i).depth, expected.at(i).depth);
            QCOMPARE(found.at(i).title, expected.at(i).title);
            QCOMPARE(found.at(i).anchor, expected.at(i).anchor);
            QCOMPARE(urls.at(i).adjusted(QUrl::RemoveFragment), HelpDialog::startPage());
        }

        // Tree expanded to depth 1 once the engine built it: the entries of
        // depth 2 under "Alumnos" are visible, those of depth 3 are not.
        QHelpContentWidget* tree = contentsOf(dialog);
        const QModelIndex root = model->index(0, 0);
        QTRY_VERIFY(tree->isExpanded(root));
        QModelIndex alumnos, horarios;
        for (int row = 0; row < model->rowCount(root); ++row) {
            const QModelIndex child = model->index(row, 0, root);
            if (model->contentItemAt(child)->title() == QLatin1String("Alumnos"))
                alumnos = child;
            if (model->contentItemAt(child)->title() == QLatin1String("Horarios"))
                horarios = child;
        }
        QVERIFY(alumnos.isValid() && horarios.isValid());
        QVERIFY(tree->isExpanded(alumnos));
        QVERIFY(!tree->isExpanded(model->index(0, 0, horarios)));
    }

    void everyAnchorOfTheTreeAndIndexIsInThePage()
    {
        HelpDialog dialog;
        auto* browser = dialog.findChild<HelpBrowser*>();
        QVERIFY(browser);
        const QString html = QString::fromUtf8(
            browser->loadResource(QTextDocument::HtmlResource, HelpDialog::startPage()).toByteArray());
        QStringList anchors;
        for (const Entry& e : expectedContents())
            if (!e.anchor.isEmpty())
                anchors << e.anchor;
        anchors << "aulas";
        for (const QString& anchor : anchors)
            QVERIFY2(html.contains(QStringLiteral("name=\"%1\"").arg(anchor)), qPrintable(anchor));

        // Following a tree link scrolls the same page to its anchor.
        QUrl target = HelpDialog::startPage();
        target.setFragment(QStringLiteral("imprimir_recibos"));
        browser->setSource(target);
        QCOMPARE(browser->source(), target);
        QVERIFY(browser->toPlainText().contains(QStringLiteral("Imprimir recibos")));
    }

    void keywordIndexLeadsToTheSections()
    {
        HelpDialog dialog;
        QHelpEngine engine(TestEnv::dataDir() + "/help.qhc");
        QVERIFY(engine.setupData());
        QVERIFY(engine.registeredDocumentations().contains(HelpDialog::helpNamespace()));
        const QHash<QString, QString> expected = {
            {"Pensario", ""}, {"alumno", "alumnos"}, {"asignatura", "asignaturas"},
            {"profesor", "profesores"}, {"aula", "aulas"}, {"curso", "cursos"},
            {"recibo", "recibos"}};
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            const QList<QHelpLink> links = engine.documentsForKeyword(it.key());
            QVERIFY2(links.size() == 1, qPrintable(it.key()));
            QCOMPARE(links.first().url.fragment(), it.value());
        }
    }

    void registeredCollectionIsNotRegisteredAgain()
    {
        { HelpDialog first; }
        const QString helpFile = TestEnv::dataDir() + "/help.qch";
        QFile file(helpFile);
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QDateTime old = QDateTime::currentDateTime().addDays(-30);
        QVERIFY(file.setFileTime(old, QFileDevice::FileModificationTime));
        file.close();

        MessageCapture capture;
        HelpDialog second;
        QCOMPARE(capture.count(QtWarningMsg), 0);
        QCOMPARE(QFileInfo(helpFile).lastModified().toSecsSinceEpoch(), old.toSecsSinceEpoch());
        QVERIFY(second.findChild<HelpBrowser*>()->toPlainText().contains(QStringLiteral("Pensario")));
    }

    void existingHelpFileIsOnlyRegistered()
    {
        const QString dataDir = TestEnv::dataDir();
        const QString helpFile = dataDir + "/help.qch";
        QVERIFY(QFile::copy(":/help/help.qch", helpFile));
        QFile::setPermissions(helpFile, QFile::ReadOwner | QFile::WriteOwner);
        const QDateTime old = QDateTime::currentDateTime().addDays(-3);
        {
            QFile file(helpFile);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(old, QFileDevice::FileModificationTime));
        }
        QVERIFY(!QFile::exists(dataDir + "/help.qhc"));

        HelpDialog dialog;
        QCOMPARE(QFileInfo(helpFile).lastModified().toSecsSinceEpoch(), old.toSecsSinceEpoch());
        QHelpEngine engine(dataDir + "/help.qhc");
        QVERIFY(engine.setupData());
        QVERIFY(engine.registeredDocumentations().contains(HelpDialog::helpNamespace()));
    }

    void otherSchemesLoadTheOrdinaryWay()
    {
        QTemporaryDir dir;
        QFile page(dir.filePath("page.html"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><body><p>Plain file page</p></body></html>");
        page.close();

        QHelpEngine engine(TestEnv::dataDir() + "/other.qhc");
        HelpBrowser browser(&engine);
        browser.setSource(QUrl::fromLocalFile(page.fileName()));
        QVERIFY(browser.toPlainText().contains(QStringLiteral("Plain file page")));
        // A qthelp URL the engine doesn't know gives no data, not the file.
        QVERIFY(browser.loadResource(QTextDocument::HtmlResource,
                                     QUrl("qthelp://no.such.namespace/doc/page.html"))
                    .toByteArray()
                    .isEmpty());
    }

};

PENSARIO_TEST_MAIN(TestHelpDialog)
#include "tst_helpdialog.moc"
