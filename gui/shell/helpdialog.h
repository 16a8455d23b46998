#ifndef HELPDIALOG_H
#define HELPDIALOG_H

#include "adialog.h"

class QSplitter;
class QHelpEngine;
class HelpBrowser;

// The manual window: contents tree on the left, page on the right. The
// embedded manual is copied into the data folder and registered in the help
// collection kept there the first time it is needed.
class HelpDialog : public ADialog
{
    Q_OBJECT
public:
    explicit HelpDialog(QWidget* parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());

    // The namespace the embedded manual declares.
    static QString helpNamespace();
    // The first page of the manual.
    static QUrl startPage();

public slots:
    void expand1levels();

private:
    void registerManual(QHelpEngine* helpEngine, const QString& helpFile);

    QSplitter* m_splitter;
};

#endif // HELPDIALOG_H
