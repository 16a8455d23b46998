#include "amainwindow.h"
#include "atextviewerbox.h"
#include "screenfit.h"
#include "widgetstate.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>
#include <QStandardPaths>

namespace {
// The window that answers "about:" links: the one built last.
AMainWindow* aboutHandler = nullptr;
}

AMainWindow::AMainWindow(QWidget* parent, Qt::WindowFlags flags)
    : QMainWindow(parent, flags)
{
    QDesktopServices::setUrlHandler(QStringLiteral("about"), this, "handleAboutLink");
    aboutHandler = this;
}

AMainWindow::~AMainWindow()
{
    storeGeometry();
    storeStatus();
    if (aboutHandler == this) {
        QDesktopServices::unsetUrlHandler(QStringLiteral("about"));
        aboutHandler = nullptr;
    }
}

void AMainWindow::setIconfileNames(const QStringList& names)
{
    iconfileNames = names;
}

QString AMainWindow::userIconFolder()
{
    return QDir::fromNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
           + QStringLiteral("/icons");
}

void AMainWindow::showEvent(QShowEvent* event)
{
    if (!restored) {
        loadGeometry();
        loadStatus();
        restored = true;
        // a geometry saved on a larger screen, or the form's own size
        keepWithinArea(this, availableScreenArea(this));
    }
    QMainWindow::showEvent(event);
}

void AMainWindow::loadGeometry()
{
    loadWidgetState(QStringLiteral("geometry"), objectName(), "geometry",
                    [this](const QByteArray& state) { return restoreGeometry(state); });
}

void AMainWindow::loadStatus()
{
    loadWidgetState(QStringLiteral("status"), objectName(), "status",
                    [this](const QByteArray& state) { return restoreState(state, 0); });
}

void AMainWindow::storeGeometry()
{
    storeWidgetState(QStringLiteral("geometry"), objectName(), saveGeometry());
}

void AMainWindow::storeStatus()
{
    storeWidgetState(QStringLiteral("status"), objectName(), saveState(0));
}

void AMainWindow::handleAboutLink(QUrl url)
{
    if (url.scheme() != QLatin1String("about"))
        return;
    const QString path = url.path();
    if (path == QLatin1String("qt")) {
        QApplication::aboutQt();
        return;
    }
    if (path == QLatin1String("use-modified-icons")) {
        aboutIcons();
        return;
    }

    QString fileName;
    QString title;
    bool oxygenLogo = false;
    if (path == QLatin1String("license-lgplv21")) {
        fileName = QStringLiteral(":/legal/lgpl-2.1.txt");
        title = tr("LGPL v2.1 license");
    } else if (path == QLatin1String("license-qt-lgpl-exception")) {
        fileName = QStringLiteral(":/legal/qt-lgpl-exception.txt");
        title = tr("Qt LGPL v2.1 exception");
    } else if (path == QLatin1String("copyright-oxygen")) {
        fileName = QStringLiteral(":/legal/oxygen-copyright.txt");
        title = tr("Oxygen copyright notice");
        oxygenLogo = true;
    } else if (path == QLatin1String("license-lgplv3")) {
        fileName = QStringLiteral(":/legal/lgpl-3.txt");
        title = tr("LGPL v3 license");
    } else if (path == QLatin1String("license-gplv3")) {
        fileName = QStringLiteral(":/legal/gpl-3.txt");
        title = tr("GPL v3 license");
    } else {
        return;
    }

    ATextViewerBox viewer(fileName, this);
    viewer.setWindowTitle(title);
    if (oxygenLogo)
        viewer.setPixmap(QPixmap(QStringLiteral(":/icons/oxygen.png")));
    viewer.exec();
}

void AMainWindow::aboutIcons()
{
    const QString folder = userIconFolder();
    QMessageBox box;
    box.setWindowTitle(tr("About using modifiable icons"));
    box.setText(tr("<html><p>Most icons used in this application are distributed under the "
                   "<a href=\"about:license-lgplv3\">LGPL v3 license</a> (see the related "
                   "<a href=\"about:license-gplv3\">GPL v3 license</a> too). This allows you to use "
                   "modified versions of that icons with this application.</p><p>To use your own "
                   "version of the icon, put it with the right name and format in the folder "
                   "\"<a href=\"%1\">%2</a>\". If the folder or an specific icon doesn't exist, the "
                   "default one will be used.</p><p>You can choose the option \"Populate external "
                   "icons folder\" to automatically create the icons folder, and fill it with the "
                   "default versions. Existing icons in that folder won't be replaced. This will "
                   "allow you to access to the original icon data, and to know the names, formats "
                   "and sizes you should use.</p></html>")
                    .arg(QUrl::fromLocalFile(folder).toString(), QDir::toNativeSeparators(folder)));
    box.setStandardButtons(QMessageBox::Ok);
    QPushButton* populate = box.addButton(tr("Populate external icons folder"), QMessageBox::ActionRole);
    connect(populate, &QPushButton::clicked, this, &AMainWindow::populateIcons);
    box.exec();
}

void AMainWindow::populateIcons()
{
    QDir folder(userIconFolder());
    const QString absolute = folder.absolutePath();
    if (!folder.exists() && !QDir().mkpath(absolute)) {
        qWarning("Couldn't create icon folder.");
        QMessageBox::critical(this, tr("Couldn't create icon folder"),
                              tr("The external icon folder couldn't be created. Please check that you "
                                 "have the right permissions or space available: %1")
                                  .arg(QDir::toNativeSeparators(absolute)),
                              QMessageBox::Ok);
        return;
    }
    if (iconfileNames.isEmpty()) {
        qWarning("Couldn't create icons. No iconfileNames list.");
        QMessageBox::critical(this, tr("Couldn't create icons in folder"),
                              tr("There were no list of icons so I can not create the icons in the folder"),
                              QMessageBox::Ok);
        return;
    }
    for (const QString& name : std::as_const(iconfileNames)) {
        const QString target = absolute + QLatin1Char('/') + name;
        if (QFile::exists(target))
            continue; // a user's icon is never replaced
        const QString source = QStringLiteral(":/icons/") + name;
        if (!QFile::exists(source)) {
            qWarning("%s", qPrintable(QStringLiteral("Non existing embedded icon \"%1\"").arg(name)));
            continue;
        }
        if (!QFile::copy(source, target)) {
            QMessageBox::critical(this, tr("Couldn't create icon"),
                                  tr("The external icon \"%1\" couldn't be created. Please check that "
                                     "you have the right permissions or space available.")
                                      .arg(name),
                                  QMessageBox::Ok);
            continue;
        }
        // Copies of resources are read-only; the user is meant to replace them.
        QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(absolute));
}
