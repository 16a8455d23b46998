#include "startupsequence.h"

#include "alumnotablemodel.h"
#include "aprompter.h"
#include "comprobacion.h"
#include "dbmanager.h"
#include "mainwindow.h"
#include "selectdbdialog.h"
#include "turnoasignaturatablemodel.h"

#include <QCoreApplication>
#include <QObject>
#include <QSettings>
#include <QTextStream>

namespace {

const QString debugOption = QStringLiteral("-debugDB");

// The two start-up choice boxes: the last button is the default and the
// escape answer, so Enter, Esc and closing the box all stop.
int askWhatToDo(const QString& text, const QString& detail, const QStringList& buttons)
{
    APrompter::Choice choice;
    choice.icon = QMessageBox::NoIcon;
    choice.text = text;
    choice.detailedText = detail;
    choice.informativeText = QObject::tr("What to do?");
    choice.buttons = buttons;
    choice.defaultIndex = int(buttons.size()) - 1;
    choice.escapeIndex = choice.defaultIndex;
    return APrompter::instance()->choose(choice);
}

// What the window's first idle turns would read: read while the start-up
// waits on the file's integrity check or on a password's verification,
// whichever comes first; the second time it finds them read.
void readAhead()
{
    Comprobacion::leerAntes();
    AlumnoTableModel::instance();
    TurnoAsignaturaTableModel::instance();
}

void say(const QString& text)
{
    APrompter::instance()->message(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok);
}

} // namespace

bool StartupSequence::readCommandLine(const QStringList& arguments, QTextStream& out)
{
    bool debug = false;
    if (arguments.size() == 2 && arguments.contains(debugOption)) {
        debug = true;
    } else if (arguments.size() != 1) {
        out << "Usage:\n" << "  pensario [OPTIONS]\n\n" << "Available options:\n"
            << "  -debugDB: Enables debugging messages regarding database operations\n";
        out.flush();
        return false;
    }
    QSettings().setValue(QStringLiteral("DaoInDebugMode"), debug);
    return true;
}

bool StartupSequence::openDatabase(int* exitStatus)
{
    Step step = Step::LockTest;
    for (;;) {
        switch (step) {
        case Step::LockTest:
            step = lockTest(exitStatus);
            break;
        case Step::Open:
            step = open(exitStatus);
            break;
        case Step::Choose:
            step = choose(exitStatus);
            break;
        case Step::Opened:
            return true;
        case Step::Exit:
            return false;
        }
    }
}

StartupSequence::Step StartupSequence::lockTest(int* exitStatus)
{
    if (!DBManager::isDBLocked(readAhead))
        return Step::Open;
    const int answer = askWhatToDo(
        QObject::tr("Looks like selected database is being used by another application instance.\n"),
        QObject::tr("If you are sure no other instance is using the database click Force (In case another "
                    "instance were using the database this could corrupt it).\nIf you prefer using another "
                    "database for this instance click Change database.\nIf you prefer to stop execution click "
                    "Stop execution."),
        {QObject::tr("Force database"), QObject::tr("Change database"), QObject::tr("Stop execution")});
    if (answer == 0) {
        DBManager::unlockDB();
        return Step::Open;
    }
    return changeOrStop(answer == 1, exitStatus);
}

StartupSequence::Step StartupSequence::open(int* exitStatus)
{
    switch (DBManager::checkPassword(QString(), true, readAhead)) {
    case DBManager::Cancelled:
        return Step::Choose;
    case DBManager::WrongPassword:
        say(QObject::tr("Entered password is not correct."));
        return Step::Open;
    case DBManager::Opened:
        return Step::Opened;
    case DBManager::Corrupted:
        return corrupted(exitStatus);
    case DBManager::Unreadable:
        return cannotUse(QObject::tr("The database \"%1\" cannot be opened: %2.\n\nNothing was changed and no "
                                     "backup was restored."),
                         exitStatus);
    case DBManager::ReadOnly:
        return cannotUse(QObject::tr("The database \"%1\" cannot be changed: %2.\n\nNothing you do could be saved "
                                     "in it. Choose another database, or make it writable and start the program "
                                     "again."),
                         exitStatus);
    default:
        qWarning() << "main: " << "Error inesperado al cargar base de datos";
        *exitStatus = -1;
        return Step::Exit;
    }
}

StartupSequence::Step StartupSequence::corrupted(int* exitStatus)
{
    const int answer = askWhatToDo(
        QObject::tr("Looks like selected database is corrupted.\n\nBut not everything is lost!!.\nThis smart "
                    "application makes a database backup each time it starts so now you can select another "
                    "database or restore last automatic backup of this database."),
        QString(),
        {QObject::tr("Restore last backup"), QObject::tr("Change database (or create new one)"),
         QObject::tr("Stop execution")});
    if (answer == 0) {
        if (DBManager::restoreLastBackup())
            return Step::Open;
        say(QObject::tr("Unable to restore last backup you have to select another database or create a new "
                        "one.\n"));
        return Step::Choose;
    }
    return changeOrStop(answer == 1, exitStatus);
}

// A file no restore can mend: the user chooses another database or stops.
StartupSequence::Step StartupSequence::cannotUse(const QString& text, int* exitStatus)
{
    const int answer = askWhatToDo(APrompter::asText(text.arg(DBManager::currentDB(false), DBManager::problemText())), QString(),
                                   {QObject::tr("Change database (or create new one)"), QObject::tr("Stop execution")});
    return changeOrStop(answer == 0, exitStatus);
}

StartupSequence::Step StartupSequence::changeOrStop(bool change, int* exitStatus)
{
    if (change) {
        qDebug() << "main: " << "Seleccionando otra base de datos, CAMBIAR";
        return Step::Choose;
    }
    qDebug() << "main: " << "Saliendo de la aplicación, CANCELAR";
    *exitStatus = 0;
    return Step::Exit;
}

StartupSequence::Step StartupSequence::choose(int* exitStatus)
{
    SelectDBDialog dialog;
    if (dialog.exec() == QDialog::Accepted)
        return Step::LockTest;
    qDebug() << "main:" << "Rejected";
    *exitStatus = 0;
    return Step::Exit;
}

QString StartupSequence::windowTitle(const QString& formTitle)
{
    QString title = formTitle + QLatin1Char(' ') + MainWindow::VERSION;
    const QString name = DBManager::currentDB(false);
    if (name != DBManager::DEFAULT_NAME)
        title += QStringLiteral(" - ") + name;
    return title;
}

int StartupSequence::finish(int eventLoopResult)
{
    return DBManager::unlockDB() ? eventLoopResult : -1;
}
