#ifndef XLSXPARTS_H
#define XLSXPARTS_H

#include <QProcess>
#include <QString>
#include <QStringList>

// A written workbook read back with the command-line tools, as a user's
// spreadsheet program would see it.
namespace xlsx {

inline QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QStringLiteral("<failed: %1>").arg(QString::fromUtf8(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The rows of the first sheet as xlsx2csv shows their values.
inline QStringList csvRows(const QString& path)
{
    return run(QStringLiteral("xlsx2csv"), {path}).split(QLatin1Char('\n'));
}

inline QString part(const QString& path, const QString& name = QStringLiteral("xl/worksheets/sheet1.xml"))
{
    return run(QStringLiteral("unzip"), {QStringLiteral("-p"), path, name});
}

}

#endif
