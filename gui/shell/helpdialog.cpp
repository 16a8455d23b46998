#include "helpdialog.h"

#include "helpbrowser.h"

#include <QDir>
#include <QFile>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QLocale>
#include <QResource>
#include <QSaveFile>
#include <QScrollBar>
#include <QSplitter>
#include <QStandardPaths>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

// The widest title down to the given level, measured as the tree measures the
// rows it shows, also for rows that are not in view yet.
int widestTitle(const QTreeView* tree, const QModelIndex& parent, int level, int lastLevel)
{
    QStyleOptionViewItem option;
    option.initFrom(tree);
    option.widget = tree;
    const int indent = tree->indentation() * (level + (tree->rootIsDecorated() ? 1 : 0));
    int widest = 0;
    for (int row = 0; row < tree->model()->rowCount(parent); ++row) {
        const QModelIndex index = tree->model()->index(row, 0, parent);
        widest = qMax(widest, indent + tree->itemDelegateForIndex(index)->sizeHint(option, index).width());
        if (level < lastLevel)
            widest = qMax(widest, widestTitle(tree, index, level + 1, lastLevel));
    }
    return widest;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The embedded manual of the current language, the English one when there is
// none for it.
QByteArray embeddedManual()
{
    QResource manual(QStringLiteral(":/help/help.qch"));
    if (!manual.isValid()) {
        manual.setLocale(QLocale(QLocale::English));
        manual.setFileName(QStringLiteral(":/help/help.qch"));
    }
    return manual.uncompressedData();
}

// Writes the embedded manual over the copy in the data folder, whole or not at all.
bool copyEmbeddedManual(const QByteArray& embedded, const QString& helpFile)
{
    QSaveFile out(helpFile);
    if (out.open(QIODevice::WriteOnly) && out.write(embedded) == embedded.size() && out.commit())
        return true;
    qWarning("%s", qPrintable(QStringLiteral("Error copying help file. %1").arg(out.errorString())));
    return false;
}

} // namespace

HelpDialog::HelpDialog(QWidget* parent, Qt::WindowFlags f) : ADialog(parent, f)
{
    // The dialog base keeps the geometry under the object name.
    setObjectName(QStringLiteral("HelpDialog"));
    setWindowTitle(tr("Manual"));

    const QString dataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dataDir);
    const QString collectionPath = dataDir + QStringLiteral("/help.qhc");

    m_splitter = new QSplitter(Qt::Horizontal, this);
    // Goes with the window, after the splitter that shows its widgets.
    auto* helpEngine = new QHelpEngine(collectionPath, this);
    // Qt 6 opens collections read-only unless told otherwise, which would
    // make registering the manual fail.
    helpEngine->setReadOnly(false);

    setGeometry(0, 0, 790, 550);
    loadGeometry();

    if (!helpEngine->setupData())
        qWarning("%s", qPrintable(QStringLiteral("Error loading help collection \"%1\"")
                                      .arg(helpEngine->error())));
    registerManual(helpEngine, dataDir + QStringLiteral("/help.qch"));

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

// A newer program carries a newer manual, and each language has its own: the
// copy in the data folder is replaced whenever it differs from the embedded
// one of the current language.
void HelpDialog::registerManual(QHelpEngine* helpEngine, const QString& helpFile)
{
    const QByteArray embedded = embeddedManual();
    const bool registered = helpEngine->registeredDocumentations().contains(helpNamespace());
    const bool current = QFile::exists(helpFile) && fileBytes(helpFile) == embedded;
    if (registered && current)
        return;
    if (!current) {
        if (registered)
            helpEngine->unregisterDocumentation(helpNamespace());
        if (copyEmbeddedManual(embedded, helpFile))
            QFile::setPermissions(helpFile, QFile::permissions(helpFile) | QFile::WriteOwner | QFile::ReadOwner);
    }
    if (!helpEngine->registerDocumentation(helpFile))
        qWarning("%s", qPrintable(QStringLiteral("Error loading help %1").arg(helpEngine->error())));
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
    auto* tree = qobject_cast<QTreeView*>(m_splitter->widget(0));
    if (!tree)
        return;
    tree->expandToDepth(1);
    // Wide enough for the longest title shown, the rest for the page: the
    // tree's own measure sees only the rows in view.
    const int titles = qMax(static_cast<const QAbstractItemView*>(tree)->sizeHintForColumn(0),
                            widestTitle(tree, QModelIndex(), 0, 2));
    const int wanted = titles + 2 * tree->frameWidth()
                       + tree->verticalScrollBar()->sizeHint().width();
    const QList<int> sizes = m_splitter->sizes();
    // what the splitter has to share out, not the whole window: more would
    // be scaled down and narrow the contents again
    const QMargins margins = layout() ? layout()->contentsMargins() : QMargins();
    const int total = qMax(sizes.value(0) + sizes.value(1),
                           width() - margins.left() - margins.right() - m_splitter->handleWidth());
    if (wanted > sizes.value(0))
        m_splitter->setSizes({wanted, qMax(total - wanted, total / 3)});
}
