#include "aapplication.h"
#include "mainwindow.h"
#include "messageoutput.h"
#include "startupsequence.h"

#include <QIcon>
#include <QTextStream>

int main(int argc, char* argv[])
{
    AApplication app(argc, argv, QStringLiteral("Pensario"), QStringLiteral("Velbrook"),
                     QStringLiteral("velbrook.example"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/app_icon.svg")));

    QTextStream out(stdout);
    if (!StartupSequence::readCommandLine(QCoreApplication::arguments(), out))
        return 0;
    qInstallMessageHandler(messageOutput);

    int exitStatus = 0;
    if (!StartupSequence::openDatabase(&exitStatus))
        return exitStatus;

    // Destroyed after the lock flag is cleared: it stores the window's state.
    MainWindow window;
    window.setWindowTitle(StartupSequence::windowTitle(window.windowTitle()));
    window.show();
    return StartupSequence::finish(QApplication::exec());
}
