#include "helpbrowser.h"

#include <QHelpEngine>

HelpBrowser::HelpBrowser(QHelpEngine* helpEngine, QWidget* parent)
    : QTextBrowser(parent), m_helpEngine(helpEngine)
{
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    if (name.scheme() == QLatin1String("qthelp"))
        return QVariant(m_helpEngine->fileData(name));
    return QTextBrowser::loadResource(type, name);
}
