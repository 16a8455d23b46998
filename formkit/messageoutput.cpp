#include "messageoutput.h"

#include <cstdlib>

FILE* output = nullptr;

void messageOutput(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    Q_UNUSED(context);
    if (!output)
        output = stderr;
    const QByteArray text = message.toLocal8Bit();
    switch (type) {
    case QtWarningMsg:
        fprintf(output, "----Warning: %s\n", text.constData());
        break;
    case QtCriticalMsg:
        fprintf(output, "------Critical: %s\n", text.constData());
        break;
    case QtFatalMsg:
        fprintf(output, "--------Fatal: %s\n", text.constData());
        abort();
    default:
        fprintf(output, "Debug: %s\n", text.constData());
        break;
    }
}
