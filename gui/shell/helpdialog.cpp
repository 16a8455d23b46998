#include "helpdialog.h"

#include "helpbrowser.h"

#include <QDir>
#include <QFile>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QSplitter>
#include <QStandardPaths>
#include <QTreeView>
#include <QVBoxLayout>

HelpDialog::HelpDialog(QWidget* parent, Qt::WindowFlags f) : ADialog(parent, f)
{
    // The dialog base keeps the geometry under the object name.
    setObjectName(QStringLiteral("HelpDialog"));

    const QString dataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dataDir);
    const QString collectionPath = dataDir + QStringLiteral("/help.qhc");

    m_splitter = new QSplitter(Qt::Horizontal, this);
    // Lives as long as the dialog: its contents widget sits in the splitter,
    // and the engine would still reach it once the dialog is gone.
    m_helpEngine = new QHelpEngine(collectionPath);
    QHelpEngine* helpEngine = m_helpEngine;
    // Qt 6 opens collections read-only unless told otherwise, which would
    // make registering the manual fail.
    helpEngine->setReadOnly(false);

    setGeometry(0, 0, 790, 550);
    loadGeometry();

    if (!helpEngine->setupData())
        qWarning("%s", qPrintable(QStringLiteral("Error loading help collection \"%1\"")
                                      .arg(helpEngine->error())));

    if (!helpEngine->registeredDocumentations().contains(helpNamespace())) {
        const QString helpFile = dataDir + QStringLiteral("/help.qch");
        if (!QFile::exists(helpFile)) {
            QFile embedded(QStringLiteral(":/help/help.qch"));
            if (!embedded.copy(helpFile))
                qWarning("%s", qPrintable(QStringLiteral("Error copying help file. %1")
                                              .arg(embedded.errorString())));
            else
                QFile::setPermissions(helpFile, QFile::permissions(helpFile)
                                                    | QFile::WriteOwner | QFile::ReadOwner);
        }
        if (!helpEngine->registerDocumentation(helpFile))
            qWarning("%s", qPrintable(QStringLiteral("Error loading help %1")
                                          .arg(helpEngine->error())));
    }

    auto* browser = new HelpBrowser(helpEngine, this);

    m_splitter->addWidget(helpEngine->contentWidget());
    m_splitter->addWidget(browser);
    m_splitter->setSizes({100, 300});
    m_splitter->setStretchFactor(0, 0);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_splitter);

    browser->setSource(startPage());

    connect(helpEngine->contentWidget(), &QHelpContentWidget::linkActivated, browser,
            [browser](const QUrl& url) { browser->setSource(url); });
    connect(helpEngine->contentModel(), &QHelpContentModel::contentsCreated, this,
            &HelpDialog::expand1levels);
}

HelpDialog::~HelpDialog()
{
    // Before the widgets: the engine tells its contents widget when it is busy.
    delete m_helpEngine;
}

QString HelpDialog::helpNamespace()
{
    return QStringLiteral("example.velbrook.pensario");
}

QUrl HelpDialog::startPage()
{
    return QUrl(QStringLiteral("qthelp://") + helpNamespace() + QStringLiteral("/doc/index.html"));
}

void HelpDialog::expand1levels()
{
    if (auto* tree = qobject_cast<QTreeView*>(m_splitter->widget(0)))
        tree->expandToDepth(1);
}
