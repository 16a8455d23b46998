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

// The rows of a workbook's first sheet as xlsx2csv prints them, one line each.
inline QStringList xlsxRows(const QString& xlsx)
{
    return run(QStringLiteral("xlsx2csv"), {xlsx}).split(QLatin1Char('\n'));
}

// One part of the package as stored, e.g. "xl/worksheets/sheet1.xml".
inline QString xlsxPart(const QString& xlsx, const QString& part = QStringLiteral("xl/worksheets/sheet1.xml"))
{
    return run(QStringLiteral("unzip"), {QStringLiteral("-p"), xlsx, part});
}

// The formula stored for a cell of a sheet's XML, or a text naming the cell when it has none.
inline QString xlsxFormula(const QString& sheetXml, const QString& cell)
{
    const auto m = QRegularExpression(QStringLiteral("<c r=\"%1\"[^>]*><f>([^<]*)</f>").arg(cell)).match(sheetXml);
    return m.hasMatch() ? m.captured(1) : QStringLiteral("<no formula in %1>").arg(cell);
}

} // namespace outputfiles

#endif // OUTPUTFILES_H
