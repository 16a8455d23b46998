#ifndef HELPBROWSER_H
#define HELPBROWSER_H

#include <QTextBrowser>

class QHelpEngine;

// Page view of the manual: reads "qthelp" pages and images from the help
// engine, anything else the ordinary way.
class HelpBrowser : public QTextBrowser
{
    Q_OBJECT
public:
    // The engine is not owned.
    HelpBrowser(QHelpEngine* helpEngine, QWidget* parent = nullptr);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    QHelpEngine* m_helpEngine;
};

#endif // HELPBROWSER_H
