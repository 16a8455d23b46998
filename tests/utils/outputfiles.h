#ifndef OUTPUTFILES_H
#define OUTPUTFILES_H

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// Reads written files back with the command-line tools a user would open
// them with (poppler's pdfinfo and pdftotext, xlsx2csv, unzip).
namespace outputfiles {

// The standard output of a program; empty when it did not finish in time.
inline QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(30000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

// The page count of a PDF, or -1 when it cannot be read.
inline int pdfPages(const QString& pdf)
{
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(run(QStringLiteral("pdfinfo"), {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The text of one page (from 1), laid out as printed.
inline QString pdfText(const QString& pdf, int page)
{
    const QString n = QString::number(page);
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-f"), n, QStringLiteral("-l"), n,
                                             pdf, QStringLiteral("-")});
}

} // namespace outputfiles

#endif // OUTPUTFILES_H
