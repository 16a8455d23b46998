#ifndef STARTUPSEQUENCE_H
#define STARTUPSEQUENCE_H

#include <QStringList>

class QTextStream;

// What main does before and after the main window: the command line, the loop
// that settles which database is opened (lock, password, corruption, a file
// that cannot be read or written, choice of another one) and the lock flag
// cleared at the end.
class StartupSequence
{
public:
    // Stores DaoInDebugMode; false after writing the usage text for any other
    // argument list (the program then ends with 0).
    static bool readCommandLine(const QStringList& arguments, QTextStream& out);
    // True once the current database is open and locked for this process;
    // otherwise false with the status the program ends with.
    static bool openDatabase(int* exitStatus);
    // The form's title, the version and a database other than the default one.
    static QString windowTitle(const QString& formTitle);
    // Clears the lock flag: the event loop's result, or -1 when that fails.
    static int finish(int eventLoopResult);

private:
    enum class Step { LockTest, Open, Choose, Opened, Exit };
    static Step lockTest(int* exitStatus);
    static Step open(int* exitStatus);
    static Step corrupted(int* exitStatus);
    // text: %1 the database, %2 why it cannot be used.
    static Step cannotUse(const QString& text, int* exitStatus);
    // The two boxes' second answer changes database, their last one stops.
    static Step changeOrStop(bool change, int* exitStatus);
    static Step choose(int* exitStatus);
};

#endif // STARTUPSEQUENCE_H
