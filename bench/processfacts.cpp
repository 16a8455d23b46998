#include "processfacts.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

namespace ProcessFacts {
double statusMb(const QByteArray& key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').first().toDouble() / 1024.0;
    return -1;
}

bool resetPeak()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    return refs.open(QIODevice::WriteOnly) && refs.write("5") == 1;
}

int pdfPages(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    // A year of bills makes a file of some 160 MB.
    if (!p.waitForFinished(60000))
        return -1;
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(QString::fromUtf8(p.readAll()));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}
} // namespace ProcessFacts
