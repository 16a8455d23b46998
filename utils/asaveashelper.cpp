#include "asaveashelper.h"

#include "afilebeside.h"
#include "aprogress.h"
#include "aprompter.h"
#include "awaitfor.h"
#include "listado.h"
#include "printutils.h"

#include <QAbstractItemModel>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLocale>
#include <QPageLayout>
#include <QPrinter>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>
#include <QTextStream>

#include <xlsxwriter.h>

#include <functional>
#include <future>

namespace {
const char* const kGroup = "listing";
const char* const kDefaultDir = "defaultDir";
const char* const kDefaultFilter = "defaultFilter";

struct VisibleTable
{
    QList<int> columns;  // logical columns, in the order the view shows them
    QList<int> rows;     // logical rows, in the order the view shows them
};

QList<int> visibleSections(const QHeaderView* header)
{
    QList<int> sections;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (logical >= 0 && !header->isSectionHidden(logical))
            sections << logical;
    }
    return sections;
}

VisibleTable visibleTable(QTableView* view)
{
    return {visibleSections(view->horizontalHeader()), visibleSections(view->verticalHeader())};
}

// A view's text for a cell. Numbers keep every significant decimal and never
// turn into exponents (12345.67, 45.5, 70); anything else is its text form.
QString displayText(const QVariant& value)
{
    if (value.typeId() != QMetaType::Double && value.typeId() != QMetaType::Float)
        return value.toString();
    const QString text = QString::number(value.toDouble(), 'f', QLocale::FloatingPointShortest);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString headerText(QTableView* view, int column)
{
    return displayText(view->model()->headerData(column, Qt::Horizontal, Qt::DisplayRole));
}

QString cellText(QTableView* view, int row, int column)
{
    QAbstractItemModel* model = view->model();
    return displayText(model->data(model->index(row, column), Qt::DisplayRole));
}

// Rows of a list between two looks at the windows: a few milliseconds.
constexpr int kRowsPerStep = 256;

// Goes through the visible rows in the view's order; `step`, when given,
// hears now and then how many are done, and its false stops the walk.
bool forEachRow(const VisibleTable& table, const std::function<bool(int done, int rows)>& step,
                const std::function<void(int index, int row)>& each)
{
    const int rows = int(table.rows.size());
    for (int i = 0; i < rows; ++i) {
        if (step && i % kRowsPerStep == 0 && !step(i, rows))
            return false;
        each(i, table.rows.at(i));
    }
    return true;
}

// The progress of a file written row by row.
std::function<bool(int, int)> rowsWritten(AProgress& progress)
{
    return [&progress](int done, int rows) {
        return progress.update(ASaveAsHelper::tr("Row %1 of %2").arg(done + 1).arg(rows), done, rows);
    };
}

// Closes a workbook, which packs the whole file, on a worker thread while the
// windows go on being painted. Cancel can no longer stop it: the file is
// thrown away afterwards instead.
lxw_error closeWorkbook(lxw_workbook* workbook, AProgress& progress)
{
    std::future<lxw_error> closed = std::async(std::launch::async, [workbook] { return workbook_close(workbook); });
    aWaitFor(closed, [&progress] {
        progress.update(ASaveAsHelper::tr("Writing the file..."), 0, 0);
        return true;
    });
    return closed.get();
}

QString htmlCell(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("&nbsp;") : text.toHtmlEscaped();
}

// Writes a whole text file in UTF-8 beside its name, so a failure leaves
// any earlier file as it was. The warnings name what failed.
bool writeUtf8(const QString& fileName, const QString& text, const char* writeWarning)
{
    AFileBeside file(fileName);
    if (!file.isValid())
        return false;
    const QByteArray bytes = text.toUtf8();
    if (file.file().write(bytes) != bytes.size()) {
        qWarning() << writeWarning << file.file().error() << file.file().errorString();
        return false;
    }
    return file.commit([size = bytes.size()](QFile& written) { return written.size() == size; });
}

QString documentsFooter()
{
    return ASaveAsHelper::tr("<p align=\"center\">Page %%PAGENUM%% of %%PAGECOUNT%%</p><p>&nbsp;</p>");
}

const QString kBlankBand = QStringLiteral("<p>&nbsp;</p><p>&nbsp;</p><p>&nbsp;</p>");

// The list's HTML, written with the windows kept painted and Cancel at hand
// once it lasts; empty, with *cancelled set, when the user stops it.
QString listHtml(const QString& title, QTableView* view, bool* cancelled)
{
    AProgress progress(view->window());
    const QString html = ASaveAsHelper::tableViewToHtml(title, view, [&progress](int done, int rows) {
        return progress.update(PrintUtils::tr("Preparing the pages..."), done, rows);
    });
    *cancelled = progress.cancelled();
    return html;
}

// A list prints in landscape when portrait would break a word of its table,
// and smaller when even landscape would; the print measures it once.
void fitList(PrintUtils& document)
{
    document.setFitTables(true);
    document.setTurnToFit(true);
}
}

ASaveAsHelper::ASaveAsHelper(QObject* parent)
    : QObject(parent)
{
}

QString ASaveAsHelper::escapeCsv(QString text)
{
    return text.replace(QLatin1Char('"'), QLatin1String("\"\""));
}

QString ASaveAsHelper::proposedPath(const QString& defaultName)
{
    QSettings settings;
    settings.beginGroup(QLatin1String(kGroup));
    QString folder = settings.value(QLatin1String(kDefaultDir)).toString();
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty()) {
            qDebug() << "Using default dir: " << defaultName;
            return defaultName;
        }
        if (!QDir(folder).exists() && !QDir().mkpath(folder)) {
            qWarning() << "Couldn't create default documents dir:" << folder;
            folder.clear();
        }
    }
    const QString path = folder.isEmpty() ? defaultName : folder + QLatin1Char('/') + defaultName;
    qDebug() << "Using default dir: " << path;
    return path;
}

QStringList ASaveAsHelper::filters()
{
    QStringList list{tr("Excel (*.xlsx)"), tr("Comma separated values (*.csv)"), tr("Web page (*.html)"),
                     tr("PDF (*.pdf)")};
    QSettings settings;
    settings.beginGroup(QLatin1String(kGroup));
    int last = settings.value(QLatin1String(kDefaultFilter), 0).toInt();
    if (last < 0 || last >= list.size())
        last = 0;
    list.prepend(list.takeAt(last));
    return list;
}

ASaveAsHelper::Formato ASaveAsHelper::formatOf(const QString& fileName)
{
    const QString lower = fileName.toLower();
    if (lower.endsWith(QLatin1String(".xlsx")))
        return Xls;
    if (lower.endsWith(QLatin1String(".csv")))
        return Csv;
    if (lower.endsWith(QLatin1String("html")))
        return Html;
    if (lower.endsWith(QLatin1String("pdf")))
        return Pdf;
    return FormatoInvalido;
}

QString ASaveAsHelper::withChosenFormat(const QString& fileName, const QString& chosenFilter)
{
    if (formatOf(fileName) != FormatoInvalido)
        return fileName;
    static const QRegularExpression pattern(QStringLiteral("\\(\\*(\\.[A-Za-z]+)\\)"));
    const QRegularExpressionMatch match = pattern.match(chosenFilter);
    return match.hasMatch() ? fileName + match.captured(1) : fileName;
}

void ASaveAsHelper::saveAs(QWidget* parent, const QString& title, const QString& defaultName, QTableView* view)
{
    QString chosenFilter;
    const QString fileName = QFileDialog::getSaveFileName(parent, tr("Save listing"), proposedPath(defaultName),
                                                          filters().join(QLatin1String(";;")), &chosenFilter);
    if (fileName.isEmpty())
        return;
    // The chosen type decides the format unless the name asks for another one.
    const QString target = withChosenFormat(fileName, chosenFilter);
    // The dialog asked about the name the user typed, not about the one with
    // the type's ending added here.
    if (target != fileName && QFileInfo::exists(target)
        && APrompter::question(tr("Save listing"),
                               APrompter::asText(tr("%1 already exists.\nDo you want to replace it?")
                                                     .arg(QFileInfo(target).fileName())),
                               QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
               != QMessageBox::Yes)
        return;
    saveTo(target, title, view);
}

bool ASaveAsHelper::saveTo(const QString& fileName, const QString& title, QTableView* view)
{
    QSettings settings;
    settings.beginGroup(QLatin1String(kGroup));
    settings.setValue(QLatin1String(kDefaultDir), QFileInfo(fileName).absoluteDir().path());
    qDebug() << "Writing to" << fileName;

    const Formato formato = formatOf(fileName);
    bool written = false;
    bool cancelled = false; // a file the user stopped is no failure to tell about
    switch (formato) {
    case Xls:
        written = saveAsXls(fileName, title, view, &cancelled);
        break;
    case Csv:
        written = saveAsCsv(fileName, title, view, &cancelled);
        break;
    case Html:
        written = saveAsHtml(fileName, title, view, &cancelled);
        break;
    case Pdf:
        written = saveAsPdf(fileName, title, view, &cancelled);
        break;
    case FormatoInvalido: {
        const int point = fileName.lastIndexOf(QLatin1Char('.'));
        APrompter::warning(tr("Format is not valid"),
                           APrompter::asText(tr("Can't generate listings in selected format: ")
                                             + (point < 0 ? fileName : fileName.mid(point))));
        return false;
    }
    }
    settings.setValue(QLatin1String(kDefaultFilter), int(formato));
    if (!written && !cancelled) {
        APrompter::warning(tr("Error creating file"),
                           tr("<html>An error happened while creating listing file") + QLatin1String("<br/>")
                               + tr("Check the file's name, you have write permission and enough disk space."));
    }
    return written;
}

QString ASaveAsHelper::tableViewToHtml(const QString& title, QTableView* view,
                                       const std::function<bool(int, int)>& step)
{
    const VisibleTable table = visibleTable(view);
    QString html = QLatin1String("<html><head><meta http-equiv=\"content-type\" content=\"text/html; charset=utf-8\" />"
                                 "<title>")
                   + title + QLatin1String("</title></head>")
                   + QLatin1String("<body style=\"margin-left:56px;margin-right:56px;\"><h1>") + title
                   + QLatin1String("</h1><p></p>")
                   + QLatin1String("<table width=\"100%\" border=\"1\" cellspacing=\"-1\" cellpadding=\"4\" "
                                   "style=\"border-style:solid;border-color:black;margin-top:1px\"><thead><tr>");
    for (int column : table.columns)
        html += QLatin1String("<th>") + htmlCell(headerText(view, column)) + QLatin1String("</th>");
    html += QLatin1String("</tr></thead>");
    const bool whole = forEachRow(table, step, [&](int, int row) {
        html += QLatin1String("<tr>");
        for (int column : table.columns)
            html += QLatin1String("<td>") + htmlCell(cellText(view, row, column)) + QLatin1String("</td>");
        html += QLatin1String("</tr>");
    });
    if (!whole)
        return QString();
    html += QLatin1String("</table></body></html>");
    return html;
}

bool ASaveAsHelper::saveAsCsv(const QString& fileName, const QString& title, QTableView* view, bool* cancelled)
{
    AProgress progress(view->window());
    const VisibleTable table = visibleTable(view);
    auto quoted = [](const QString& text) { return QLatin1Char('"') + escapeCsv(text) + QLatin1Char('"'); };

    QString csv = quoted(title) + QLatin1String("\n\n");
    QStringList fields;
    for (int column : table.columns)
        fields << quoted(headerText(view, column));
    csv += fields.join(QLatin1Char(',')) + QLatin1Char('\n');
    const bool whole = forEachRow(table, rowsWritten(progress), [&](int, int row) {
        fields.clear();
        for (int column : table.columns)
            fields << quoted(cellText(view, row, column));
        csv += fields.join(QLatin1Char(',')) + QLatin1Char('\n');
    });
    if (cancelled)
        *cancelled = !whole;
    return whole && writeUtf8(fileName, csv, "Error writting to file.");
}

bool ASaveAsHelper::saveAsHtml(const QString& fileName, const QString& title, QTableView* view, bool* cancelled)
{
    AProgress progress(view->window());
    const QString html = tableViewToHtml(title, view, rowsWritten(progress));
    if (cancelled)
        *cancelled = progress.cancelled();
    return !progress.cancelled() && writeUtf8(fileName, html, "Error writing html data: ");
}

bool ASaveAsHelper::saveAsXls(const QString& fileName, const QString& title, QTableView* view, bool* cancelled)
{
    AProgress progress(view->window());
    AFileBeside beside(fileName);
    if (!beside.isValid())
        return false;
    // The writer opens the file made beside the target by its name, and so
    // writes into it: it must not be removed and made anew.
    lxw_workbook* workbook = workbook_new(QFile::encodeName(beside.fileName()).constData());
    lxw_worksheet* sheet = workbook ? workbook_add_worksheet(workbook, Listado::nombreHoja(title).toUtf8().constData())
                                    : nullptr;
    if (!sheet) {
        qWarning("Error writting excel file");
        if (workbook)
            workbook_close(workbook);
        return false;
    }
    auto text = [sheet](int row, int column, const QString& value, lxw_format* format) {
        Listado::escribeTexto(sheet, row, column, value, format);
    };

    lxw_format* titleFormat = workbook_add_format(workbook);
    format_set_font_size(titleFormat, 25);
    text(0, 0, title, titleFormat);
    worksheet_set_row(sheet, 0, 30, nullptr);

    lxw_format* bold = workbook_add_format(workbook);
    format_set_bold(bold);
    const VisibleTable table = visibleTable(view);
    for (int i = 0; i < table.columns.size(); ++i)
        text(2, i, headerText(view, table.columns.at(i)), bold);
    const bool whole = forEachRow(table, rowsWritten(progress), [&](int index, int row) {
        for (int c = 0; c < table.columns.size(); ++c)
            text(3 + index, c, cellText(view, row, table.columns.at(c)), nullptr);
    });
    if (cancelled)
        *cancelled = !whole;
    const lxw_error closed = closeWorkbook(workbook, progress);
    if (!whole)
        return false;  // the file made beside goes with `beside`
    if (closed != LXW_NO_ERROR) {
        qWarning("Error writting excel file \"%s\": %s", qPrintable(fileName), lxw_strerror(closed));
        return false;
    }
    return beside.commit(&AFileBeside::isWholeZip);
}

bool ASaveAsHelper::saveAsPdf(const QString& fileName, const QString& title, QTableView* view, bool* cancelled)
{
    bool stopped = false;
    const QString html = listHtml(title, view, &stopped);
    if (cancelled)
        *cancelled = stopped;
    if (stopped)
        return false;
    PrintUtils printer(kBlankBand, html, documentsFooter());
    // The print writes beside the name and takes it only when whole; the
    // failure is told here, as for the other formats.
    printer.setTellsFailure(false);
    QPrinter pdf(QPrinter::ScreenResolution);
    pdf.setOutputFileName(fileName);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    fitList(printer);
    printer.print(&pdf);
    if (cancelled)
        *cancelled = printer.cancelled();
    if (printer.cancelled() || printer.failed()) {
        qWarning() << "Error writting the pdf file" << fileName;
        return false;
    }
    return true;
}

bool ASaveAsHelper::printTableView(const QString& title, QTableView* view)
{
    bool stopped = false;
    const QString html = listHtml(title, view, &stopped);
    if (stopped)
        return true;
    PrintUtils printer(kBlankBand, html, documentsFooter());
    QPrinter device(QPrinter::ScreenResolution);
    fitList(printer);
    printer.preview(&device);
    return true;
}
