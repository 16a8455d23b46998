#ifndef MESSAGEOUTPUT_H
#define MESSAGEOUTPUT_H

#include <QString>
#include <QtGlobal>

#include <cstdio>

// Stream every Qt message goes to; set to standard error on first use when
// a host program has not pointed it elsewhere.
extern FILE* output;

// Console message handler, installed with qInstallMessageHandler().
// Does not return for a fatal message.
void messageOutput(QtMsgType type, const QMessageLogContext& context, const QString& message);

#endif // MESSAGEOUTPUT_H
