#ifndef CHECKCOUNTER_H
#define CHECKCOUNTER_H

#include "academia.h"
#include "dao.h"

#include <QSettings>
#include <QString>

// Counts the consistency checks that ran their session queries while it
// lives, by a statement such a check runs once (the database layer logs every
// statement in debug mode); a check that reuses its results runs none.
class CheckCounter
{
public:
    CheckCounter()
    {
        s_marker = Academia::leerFichero(QStringLiteral(":/consultas/consulta_sesion_sen_profesor")).trimmed();
        s_count = 0;
        QSettings().setValue(QStringLiteral("DaoInDebugMode"), true);
        Dao::getInstance();
        s_previous = qInstallMessageHandler(&CheckCounter::handle);
    }
    ~CheckCounter()
    {
        qInstallMessageHandler(s_previous);
        QSettings().setValue(QStringLiteral("DaoInDebugMode"), false);
        Dao::getInstance();
    }
    int count() const { return s_count; }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (type == QtDebugMsg && message.startsWith(QLatin1String("Executed query was:"))) {
            s_count += message.contains(s_marker);
            return;
        }
        if (type != QtDebugMsg && s_previous)
            s_previous(type, context, message);
    }
    static inline QString s_marker;
    static inline int s_count = 0;
    static inline QtMessageHandler s_previous = nullptr;
};


#endif // CHECKCOUNTER_H
