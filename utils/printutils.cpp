#include "printutils.h"

#include <QAbstractTextDocumentLayout>
#include <QDebug>
#include <QGraphicsScene>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <QUrl>
#include <QWidget>

#include <algorithm>
#include <memory>
#include <vector>

namespace {
constexpr double kPageUnitsPerInch = 96.0;
constexpr double kMinContentHeight = 12.0;
// Space kept free above a page bottom when a table is split there.
constexpr double kSplitSlack = 20.0;

// What the layout put between the lines of a block to move its lower lines
// past a page edge.
double pageGaps(const QTextLayout* layout)
{
    double gaps = 0.0;
    for (int i = 1; i < layout->lineCount(); ++i) {
        const QTextLine above = layout->lineAt(i - 1);
        gaps += std::max(0.0, layout->lineAt(i).y() - (above.y() + above.height()));
    }
    return gaps;
}

// Height of one table row: its tallest cell, each cell measured as its blocks
// plus borders and padding; without the gaps of page edges when `natural`.
double rowHeight(QTextTable* table, int row, double border, double padding, bool natural = false)
{
    double tallest = 0.0;
    for (int column = 0; column < table->columns(); ++column) {
        const QTextTableCell cell = table->cellAt(row, column);
        if (!cell.isValid())
            continue;
        double height = 2 * border + 2 * padding;
        for (QTextFrame::iterator it = cell.begin(); !it.atEnd(); ++it) {
            if (it.currentFrame()) {
                qWarning("Found a inner frame in a table cell.");
                continue;
            }
            const QTextBlock block = it.currentBlock();
            if (block.isValid() && block.layout()) {
                height += block.layout()->boundingRect().height();
                if (natural)
                    height -= pageGaps(block.layout());
            }
        }
        tallest = qMax(tallest, height);
    }
    return tallest;
}

// Changes the table's page-break policy. Setting a table's format lays the
// whole document out again, so a policy that is already right is left alone.
void setBreakPolicy(QTextTable* table, QTextFormat::PageBreakFlags policy)
{
    QTextTableFormat format = table->format();
    if (format.pageBreakPolicy() == policy)
        return;
    format.setPageBreakPolicy(policy);
    table->setFormat(format);
}

// The positions after every top-level table that forces a page break after
// it: what follows such a table begins a page of its own.
QList<int> cutsAfterPageBreaks(QTextDocument* document)
{
    QList<int> cuts;
    const QList<QTextFrame*> frames = document->rootFrame()->childFrames();
    for (QTextFrame* frame : frames) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (table && (table->format().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysAfter))
            cuts << table->lastPosition() + 1;
    }
    return cuts;
}

// Puts a copy of the whole table right after it and answers the copy.
QTextTable* duplicateAfter(QTextTable* table)
{
    QTextCursor cursor = table->firstCursorPosition();
    cursor.movePosition(QTextCursor::PreviousBlock);
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
    const QTextDocumentFragment fragment = cursor.selection();
    cursor.clearSelection();
    cursor.insertFragment(fragment);
    cursor.movePosition(QTextCursor::PreviousBlock);
    return cursor.currentTable();
}

// The measures of a laid-out table that decide where pages cut it. Row
// heights are taken once: measuring them is what the layout is paid for.
class TableRows
{
public:
    explicit TableRows(QTextTable* table)
    {
        const QTextTableFormat format = table->format();
        border = format.border();
        spacing = format.cellSpacing();
        headRows = format.headerRowCount();
        const double padding = format.cellPadding();
        above = 2 * border + spacing + padding + border + format.topMargin();
        below = spacing + border + format.bottomMargin() + kSplitSlack;
        topToFirstRow = 2 * border + spacing + padding;
        for (int row = 0; row < table->rows(); ++row) {
            heights.push_back(spacing + rowHeight(table, row, border, padding));
            naturalHeights.push_back(spacing + rowHeight(table, row, border, padding, true));
        }
        measureWidths(table);
    }

    // Whether the head rows and the rows from bodyStart on, laid out alone,
    // get the column widths of the whole table: then they keep its row heights.
    bool keepsWidths(int bodyStart) const
    {
        if (!simpleGrid)
            return false;
        if (bodyStart >= int(heights.size()))
            return true;
        for (int column = 0; column < int(widest.size()); ++column) {
            const auto& from = suffixWidths.at(bodyStart).at(column);
            const auto& head = headWidths.at(column);
            if (std::max(from.first, head.first) != widest.at(column).first
                || std::max(from.second, head.second) != widest.at(column).second)
                return false;
        }
        return true;
    }

    // The rows of a part from bodyStart on, after the head rows.
    std::vector<double> partFrom(int bodyStart) const
    {
        const auto& all = naturalHeights;
        std::vector<double> part(all.begin(), all.begin() + std::min<int>(headRows, all.size()));
        part.insert(part.end(), all.begin() + std::max(bodyStart, headRows), all.end());
        return part;
    }

    double border = 0.0;
    double spacing = 0.0;
    double above = 0.0;  // what a page needs above the rows
    double below = 0.0;  // and below them
    double topToFirstRow = 0.0;
    int headRows = 0;
    std::vector<double> heights;  // each with the spacing above it
    // The same as the rows would be on a page of their own: where this
    // layout moved lines past its page edges, another page has none.
    std::vector<double> naturalHeights;

private:
    using Widths = std::pair<double, double>;  // the narrowest and the natural width of a cell's text

    static Widths cellWidths(const QTextTableCell& cell)
    {
        Widths widths{0.0, 0.0};
        for (QTextFrame::iterator it = cell.begin(); !it.atEnd(); ++it) {
            const QTextBlock block = it.currentBlock();
            if (!block.isValid() || !block.layout())
                continue;
            widths.first = std::max(widths.first, block.layout()->minimumWidth());
            widths.second = std::max(widths.second, block.layout()->maximumWidth());
        }
        return widths;
    }

    // Column widths follow from the widest texts of each column; spans
    // would mix columns, and such tables are measured part by part.
    void measureWidths(QTextTable* table)
    {
        const int columns = table->columns();
        const int rows = table->rows();
        widest.assign(columns, Widths{0.0, 0.0});
        headWidths.assign(columns, Widths{0.0, 0.0});
        suffixWidths.assign(rows + 1, std::vector<Widths>(columns, Widths{0.0, 0.0}));
        for (int row = rows - 1; row >= 0; --row) {
            for (int column = 0; column < columns; ++column) {
                const QTextTableCell cell = table->cellAt(row, column);
                if (!cell.isValid() || cell.rowSpan() != 1 || cell.columnSpan() != 1) {
                    simpleGrid = false;
                    return;
                }
                const Widths w = cellWidths(cell);
                Widths& suffix = suffixWidths[row][column];
                const Widths& below = suffixWidths[row + 1][column];
                suffix = {std::max(w.first, below.first), std::max(w.second, below.second)};
                if (row < headRows)
                    headWidths[column] = {std::max(w.first, headWidths[column].first),
                                          std::max(w.second, headWidths[column].second)};
            }
        }
        widest = suffixWidths.front();
    }

    bool simpleGrid = true;
    std::vector<Widths> widest;
    std::vector<Widths> headWidths;
    std::vector<std::vector<Widths>> suffixWidths;
};

// Where a page cuts a table that runs over its bottom.
struct PageFit
{
    int splitRow = -1;       // first row of the next page; -1 when none
    bool moveTable = false;  // nothing of the body fits: break before the table
    bool ranOver = false;    // a row taller than a page ran over an edge
};

// Finds the first row that does not fit above pageBottom, for a table whose
// rows are `heights` (head rows first) and whose box begins at `top`.
// pageTop and pageBottom follow rows that run over a page edge.
PageFit fitOnPage(const TableRows& rows, const std::vector<double>& heights, double top, double pageHeight,
                  double& pageTop, double& pageBottom, bool startsPage)
{
    PageFit fit;
    const int headRows = rows.headRows;
    const double base = top - rows.topToFirstRow;
    double running = rows.border;
    double headHeight = 0.0;
    for (int row = 0; row < int(heights.size()); ++row) {
        const double height = heights[row];
        running += height;
        if (row < headRows)
            headHeight += height;
        const double rowBottom = base + running;
        if (rowBottom + rows.below <= pageBottom)
            continue;
        const double onFreshPage = rows.above + (row < headRows ? headHeight : headHeight + height) + rows.below;
        const bool wouldFit = onFreshPage <= pageHeight;
        if (row > headRows) {
            fit.splitRow = row;
            return fit;
        }
        if (wouldFit && !startsPage) {
            // Nothing of the body fits here: break before the table, or
            // leave only its head rows, and go on on the next page.
            if (row == 0)
                fit.moveTable = true;
            else
                fit.splitRow = row;
            return fit;
        }
        // Not even a fresh page holds the row: it runs over the page edge.
        fit.ranOver = true;
        while (rowBottom > pageBottom) {
            pageTop = pageBottom;
            pageBottom = pageTop + pageHeight;
        }
    }
    return fit;
}

// The split rows of a table (rows of the original) after the first one:
// each part begins a fresh page, `partTop` below its top, with the head rows
// repeated. Stops where a part would need what only its own layout can tell
// (a row running over a page edge): the layout of that part decides it.
QList<int> predictSplits(const TableRows& rows, int firstSplit, double partTop, double pageHeight)
{
    QList<int> splits{firstSplit};
    const int headRows = rows.headRows;
    for (;;) {
        const int bodyStart = splits.last();
        if (!rows.keepsWidths(bodyStart))
            break;
        double pageTop = 0.0;
        double pageBottom = pageHeight;
        const PageFit fit = fitOnPage(rows, rows.partFrom(bodyStart), partTop, pageHeight, pageTop, pageBottom, true);
        if (fit.splitRow < 0 || fit.ranOver || fit.moveTable)
            break;
        splits << bodyStart + fit.splitRow - headRows;
    }
    return splits;
}

// Cuts the table at the given rows: the parts in order, each later one
// repeating the head rows and beginning a page. The layout is taken off the
// document meanwhile, else every copy and removal would lay out the table
// again; it is laid out once afterwards.
QList<QTextTable*> splitTable(QTextTable* table, const QList<int>& splits)
{
    QTextDocument* document = table->document();
    const QTextFormat::PageBreakFlags policy = table->format().pageBreakPolicy();
    const int headRows = table->format().headerRowCount();
    const int rowCount = table->rows();
    document->setDocumentLayout(nullptr);
    QList<QTextTable*> parts{table};
    for (int i = 0; i < splits.size(); ++i)
        parts << duplicateAfter(table);
    parts.removeAll(nullptr);
    std::sort(parts.begin(), parts.end(),
              [](QTextTable* a, QTextTable* b) { return a->firstPosition() < b->firstPosition(); });
    for (int i = 0; i < parts.size(); ++i) {
        QTextTable* part = parts.at(i);
        const int start = i == 0 ? headRows : splits.value(i - 1, rowCount);
        const int end = i < splits.size() ? splits.at(i) : rowCount;
        if (end < rowCount)
            part->removeRows(end, rowCount - end);
        if (start > headRows)
            part->removeRows(headRows, start - headRows);
        QTextFormat::PageBreakFlags partPolicy = i == 0 ? policy : policy & ~QTextFormat::PageBreak_AlwaysBefore;
        if (i < splits.size())
            partPolicy |= QTextFormat::PageBreak_AlwaysAfter;
        setBreakPolicy(part, partPolicy);
    }
    document->documentLayout();  // a new layout, of the whole document at once
    return parts;
}
}

PrintUtils::PrintUtils(const QString& header, const QString& content, const QString& footer, QObject* parent,
                       QList<QPair<QString, QPixmap>> resources)
    : QObject(parent)
    , m_header(header)
    , m_content(content)
    , m_footer(footer)
    , m_resources(resources)
{
}

PrintUtils::PrintUtils(const QString& header, QGraphicsScene* scene, const QString& footer, QObject* parent,
                       QList<QPair<QString, QPixmap>> resources)
    : QObject(parent)
    , m_header(header)
    , m_scene(scene)
    , m_footer(footer)
    , m_resources(resources)
    , m_sceneMode(true)
{
}

PrintUtils::~PrintUtils() = default;

double PrintUtils::inchToCm(double inches)
{
    return inches * 2.5392986698911733;
}

double PrintUtils::cmToInch(double cm)
{
    return cm * 0.3938095238095238;
}

void PrintUtils::addResources(QList<QPair<QString, QPixmap>> resources)
{
    m_resources = resources;
}

QTextDocument* PrintUtils::createDocument(const QString& html) const
{
    auto* document = new QTextDocument;
    document->setHtml(html);
    document->setDocumentMargin(0);
    for (const auto& resource : m_resources)
        document->addResource(QTextDocument::ImageResource, QUrl(resource.first), resource.second);
    return document;
}

void PrintUtils::preview(QPrinter* printer)
{
    std::unique_ptr<QPrinter> own;
    if (!printer) {
        own = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer = own.get();
    }
    QPrintPreviewDialog dialog(printer, qobject_cast<QWidget*>(parent()));
    dialog.setWindowFlags(dialog.windowFlags() | Qt::WindowMinMaxButtonsHint);
    m_previewing = true;
    m_previewEngine = nullptr;
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) { print(p); });
    dialog.exec();
    m_previewing = false;
    m_previewEngine = nullptr;
}

void PrintUtils::printWithDialog(QPrinter* printer)
{
    std::unique_ptr<QPrinter> own;
    if (!printer) {
        own = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer = own.get();
    }
    QPrintDialog dialog(printer, qobject_cast<QWidget*>(parent()));
    if (dialog.exec() == QDialog::Accepted)
        print(printer);
}

void PrintUtils::print(QPrinter* printer)
{
    std::unique_ptr<QPrinter> own;
    if (!printer) {
        own = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer = own.get();
    }

    std::unique_ptr<QTextDocument> content;
    if (!m_sceneMode)
        content.reset(createDocument(m_content));
    std::unique_ptr<QTextDocument> header(createDocument(m_header));
    std::unique_ptr<QTextDocument> footer(createDocument(m_footer));

    printer->setFullPage(true);
    qDebug() << "printer->pageRect() =" << printer->pageRect(QPrinter::DevicePixel);
    qDebug() << "printer->paperRect() =" << printer->paperRect(QPrinter::DevicePixel);

    const QRectF paper = printer->paperRect(QPrinter::DevicePixel);
    const double resolution = printer->resolution();
    const double pageWidth = paper.width() / resolution * kPageUnitsPerInch;
    const double pageHeight = paper.height() / resolution * kPageUnitsPerInch;

    header->setPageSize(QSizeF(pageWidth, pageHeight));
    const QSizeF headerSize = header->size();
    qDebug() << "headerSize = " << headerSize;
    footer->setPageSize(QSizeF(pageWidth, pageHeight));
    QSizeF footerSize = footer->size();
    qDebug() << "footerSize = " << footerSize;

    const double contentHeight = pageHeight - headerSize.height() - footerSize.height();
    qDebug() << "contentHeight = " << contentHeight;
    if (contentHeight < kMinContentHeight) {
        qWarning("Space for content too small. Header/footer too big.");
        return;
    }
    qDebug() << "centralSize = " << QSizeF(pageWidth, contentHeight);
    if (content)
        content->setPageSize(QSizeF(pageWidth, contentHeight));

    // Printing from the preview dialog hands us a printer with another engine.
    if (m_previewing && !m_previewEngine)
        m_previewEngine = printer->paintEngine();
    else if (m_previewing && m_previewEngine != printer->paintEngine())
        m_previewing = false;

    if (!m_previewing) {
        qDebug() << "usando design metrics";
        header->setUseDesignMetrics(true);
        footer->setUseDesignMetrics(true);
        if (content)
            content->setUseDesignMetrics(true);
    }

    QPainter painter;
    if (!painter.begin(printer)) {
        qWarning("Couldn't start painting on the printer");
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const double scale = resolution / kPageUnitsPerInch;
    qDebug() << "printer->resolution() = " << resolution;
    qDebug() << "scalefactor = " << scale;
    painter.scale(scale, scale);

    if (m_sceneMode)
        printScene(painter, header.get(), footer.get(), pageWidth, contentHeight, headerSize, footerSize);
    else
        printHtml(painter, content.get(), header.get(), footer.get(), printer, pageWidth, contentHeight,
                  headerSize);
    painter.end();
}

std::vector<std::unique_ptr<QTextDocument>> PrintUtils::splitAtPageBreaks(QTextDocument* content) const
{
    std::vector<std::unique_ptr<QTextDocument>> parts;
    const QList<int> cuts = cutsAfterPageBreaks(content);
    int start = 0;
    for (int i = 0; i <= cuts.size(); ++i) {
        const int end = i < cuts.size() ? cuts.at(i) : content->characterCount() - 1;
        if (i == cuts.size() && end <= start && !parts.empty())
            break;
        QTextCursor range(content);
        range.setPosition(start);
        range.setPosition(end, QTextCursor::KeepAnchor);
        std::unique_ptr<QTextDocument> part(createDocument(QString()));
        part->rootFrame()->setFrameFormat(content->rootFrame()->frameFormat());
        part->setDefaultFont(content->defaultFont());
        part->setPageSize(content->pageSize());
        part->setUseDesignMetrics(content->useDesignMetrics());
        QTextCursor(part.get()).insertFragment(range.selection());
        // The part's end is its page break: the table's own one would add an empty page.
        const QList<QTextFrame*> frames = part->rootFrame()->childFrames();
        if (i < cuts.size() && !frames.isEmpty()) {
            if (auto* last = qobject_cast<QTextTable*>(frames.last()))
                setBreakPolicy(last, last->format().pageBreakPolicy() & ~QTextFormat::PageBreak_AlwaysAfter);
        }
        parts.push_back(std::move(part));
        start = end;
    }
    return parts;
}

void PrintUtils::printHtml(QPainter& painter, QTextDocument* content, QTextDocument* header,
                           QTextDocument* footer, QPrinter* printer, double pageWidth, double contentHeight,
                           const QSizeF& headerSize)
{
    // Laid out and cut into pages one by one, parts that begin pages of
    // their own cost far less than the whole document at once.
    std::vector<std::unique_ptr<QTextDocument>> parts;
    if (cutsAfterPageBreaks(content).isEmpty())
        parts.emplace_back(nullptr);
    else
        parts = splitAtPageBreaks(content);
    int pageCount = 0;
    for (auto& part : parts) {
        QTextDocument* document = part ? part.get() : content;
        fixTableFrames(document);
        pageCount += document->pageCount();
    }

    const QSizeF footerSize = footer->size();
    const QRectF headerRect(0, 0, headerSize.width(), headerSize.height());
    const QRectF footerRect(0, 0, footerSize.width(), footerSize.height());

    // One page per content page of the layout, so the count in the footer is
    // always the number of pages printed.
    const QString count = QString::number(pageCount);
    QString headerHtml = m_header;
    headerHtml.replace(QLatin1String("%%PAGECOUNT%%"), count);
    QString footerHtml = m_footer;
    footerHtml.replace(QLatin1String("%%PAGECOUNT%%"), count);

    int page = 0;
    for (auto& part : parts) {
        QTextDocument* document = part ? part.get() : content;
        QRectF slice(0, 0, pageWidth, contentHeight);
        for (int inPart = 1; inPart <= document->pageCount(); ++inPart) {
            if (++page > 1)
                printer->newPage();
            painter.save();
            painter.translate(0, -slice.top());
            painter.translate(0, headerSize.height());
            document->drawContents(&painter, slice);
            painter.restore();
            printFrame(painter, header, footer, headerHtml, footerHtml, page, headerRect, footerRect, headerSize,
                       contentHeight);
            slice.translate(0, contentHeight);
        }
    }
}

void PrintUtils::printFrame(QPainter& painter, QTextDocument* header, QTextDocument* footer,
                            const QString& headerHtml, const QString& footerHtml, int page, const QRectF& headerRect,
                            const QRectF& footerRect, const QSizeF& headerSize, double contentHeight)
{
    const QString number = QString::number(page);
    painter.save();
    header->setHtml(QString(headerHtml).replace(QLatin1String("%%PAGENUM%%"), number));
    header->drawContents(&painter, headerRect);
    painter.translate(0, headerSize.height());
    painter.translate(0, contentHeight);
    footer->setHtml(QString(footerHtml).replace(QLatin1String("%%PAGENUM%%"), number));
    footer->drawContents(&painter, footerRect);
    painter.restore();
}

void PrintUtils::printScene(QPainter& painter, QTextDocument* header, QTextDocument* footer, double pageWidth,
                            double contentHeight, const QSizeF& headerSize, const QSizeF& footerSize)
{
    header->drawContents(&painter, QRectF(0, 0, headerSize.width(), headerSize.height()));

    const double margin = kPageUnitsPerInch * cmToInch(1.0);
    if (m_scene) {
        m_scene->render(&painter, QRectF(margin, headerSize.height(), pageWidth - 2 * margin, contentHeight),
                        QRectF(), Qt::KeepAspectRatio);
    }

    painter.save();
    painter.translate(0, contentHeight + headerSize.height());
    footer->drawContents(&painter, QRectF(0, 0, footerSize.width(), footerSize.height()));
    painter.restore();
}

void PrintUtils::fixTableFrames(QTextDocument* document)
{
    const double pageHeight = document->pageSize().height();
    if (!(pageHeight > 0))
        return;
    // Tables known to begin at the top of a page: moving or splitting them
    // again could never make a row fit better, so they are never split at
    // their first body row.
    QSet<QTextFrame*> atPageTop;
    QSet<QTextFrame*> splitRests;
    double pageTop = 0.0;
    int index = 0;
    for (;;) {
        const QList<QTextFrame*> frames = document->rootFrame()->childFrames();
        if (index >= frames.size())
            break;
        auto* table = qobject_cast<QTextTable*>(frames.at(index));
        if (!table) {
            ++index;
            continue;
        }

        document->size();  // completes the layout after earlier splits
        const QRectF box = document->documentLayout()->frameBoundingRect(table);
        const double top = box.top();
        double pageBottom = pageTop + pageHeight;
        while (top > pageBottom) {
            pageTop = pageBottom;
            pageBottom = pageTop + pageHeight;
        }
        // A table that ends on the page it starts on needs no split, however
        // little room it leaves below it.
        if (box.bottom() <= pageBottom) {
            ++index;
            continue;
        }

        const TableRows rows(table);
        const PageFit fit = fitOnPage(rows, rows.heights, top, pageHeight, pageTop, pageBottom,
                                      atPageTop.contains(table));
        if (fit.moveTable) {
            setBreakPolicy(table, table->format().pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
            atPageTop.insert(table);
            continue;  // measure the same table again on its new page
        }
        if (fit.splitRow < 0) {
            ++index;
            continue;
        }

        // The rest of a split table begins a page with the head rows, and so
        // does every later part of it, at the same height and with the same
        // rows: where the rest breaks its pages follows from its own measures,
        // and it is cut once for all of them.
        const QList<int> splits = splitRests.contains(table)
                                      ? predictSplits(rows, fit.splitRow, top - pageTop, pageHeight)
                                      : QList<int>{fit.splitRow};
        const QList<QTextTable*> parts = splitTable(table, splits);
        for (int i = 1; i < parts.size(); ++i)
            atPageTop.insert(parts.at(i));
        if (parts.size() > 1)
            splitRests.insert(parts.last());
        ++index;
    }
}
