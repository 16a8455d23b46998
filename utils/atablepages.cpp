#include "atablepages.h"

#include "aimagesizes.h"
#include "asealeddocument.h"
#include "awaitfor.h"
#include "aworkahead.h"

#include <QAbstractEventDispatcher>
#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QDebug>
#include <QFontMetricsF>
#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFragment>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <QThread>
#include <QThreadPool>
#include <QTimerEvent>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <future>
#include <iterator>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <cmath>

namespace {
// Space kept free above a page bottom when a table is split there.
constexpr double kSplitSlack = 20.0;
// A table cut into more parts than this has them laid out on helper threads.
constexpr int kPartsAlone = 8;
// At most so many helpers lay a list out beside the thread that cuts it.
constexpr int kListHelpers = 4;
// A rest of a list longer than so many chunks of rows is measured chunk by
// chunk on helper threads; a chunk holds several pages.
constexpr int kRowsPerChunk = 300;
constexpr int kChunksFrom = 4;

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

// An empty document laid out like the given one.
std::unique_ptr<QTextDocument> emptyLike(const QTextDocument* document)
{
    auto alone = std::make_unique<ASealedDocument>();
    alone->setUndoRedoEnabled(false);
    alone->rootFrame()->setFrameFormat(document->rootFrame()->frameFormat());
    alone->setDefaultFont(document->defaultFont());
    alone->setDefaultTextOption(document->defaultTextOption());
    alone->setPageSize(document->pageSize());
    alone->setUseDesignMetrics(document->useDesignMetrics());
    return alone;
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

using Widths = std::pair<double, double>;  // the narrowest and the natural width of a cell's text

Widths cellWidths(const QTextTableCell& cell)
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

// What the layout of some rows of a table tells of them, row by row.
struct RowMeasures
{
    std::vector<double> heights;  // each with the spacing above it
    std::vector<double> naturalHeights;  // without the gaps of page edges
    std::vector<std::vector<Widths>> widths;  // of each cell's text

    void append(RowMeasures&& more)
    {
        std::move(more.heights.begin(), more.heights.end(), std::back_inserter(heights));
        std::move(more.naturalHeights.begin(), more.naturalHeights.end(), std::back_inserter(naturalHeights));
        std::move(more.widths.begin(), more.widths.end(), std::back_inserter(widths));
    }
};

RowMeasures measureRows(QTextTable* table, int from, int to)
{
    const QTextTableFormat format = table->format();
    const double border = format.border();
    const double padding = format.cellPadding();
    RowMeasures measures;
    for (int row = from; row < to; ++row) {
        measures.heights.push_back(format.cellSpacing() + rowHeight(table, row, border, padding));
        measures.naturalHeights.push_back(format.cellSpacing() + rowHeight(table, row, border, padding, true));
        std::vector<Widths> cells;
        for (int column = 0; column < table->columns(); ++column)
            cells.push_back(cellWidths(table->cellAt(row, column)));
        measures.widths.push_back(std::move(cells));
    }
    return measures;
}

// Whether every cell of the table covers one row and one column.
bool plainGridOf(QTextTable* table)
{
    for (int row = 0; row < table->rows(); ++row)
        for (int column = 0; column < table->columns(); ++column) {
            const QTextTableCell cell = table->cellAt(row, column);
            if (!cell.isValid() || cell.rowSpan() != 1 || cell.columnSpan() != 1)
                return false;
        }
    return true;
}

// The measures of a laid-out table that decide where pages cut it. Row
// heights are taken once: measuring them is what the layout is paid for.
class TableRows
{
public:
    explicit TableRows(QTextTable* table)
        : TableRows(table->format(), measureRows(table, 0, table->rows()), plainGridOf(table))
    {
    }

    // The rows of a table of this format as its layout measured them.
    TableRows(const QTextTableFormat& format, RowMeasures measures, bool plain)
    {
        border = format.border();
        spacing = format.cellSpacing();
        headRows = format.headerRowCount();
        const double padding = format.cellPadding();
        above = 2 * border + spacing + padding + border + format.topMargin();
        below = spacing + border + format.bottomMargin() + kSplitSlack;
        topToFirstRow = 2 * border + spacing + padding;
        heights = std::move(measures.heights);
        naturalHeights = std::move(measures.naturalHeights);
        simpleGrid = plain;
        if (simpleGrid)
            measureWidths(measures.widths);
    }

    // Whether every cell of the table covers one row and one column.
    bool plainGrid() const { return simpleGrid; }

    // Whether the head rows and the rows from bodyStart on, laid out alone,
    // get the column widths of the whole table: then they keep its row heights.
    bool keepsWidths(int bodyStart) const { return sameWidths(0, bodyStart); }

    // Whether the head rows with the rows from `to` on get the column widths
    // of the head rows with the rows from `from` on.
    bool sameWidths(int from, int to) const
    {
        if (!simpleGrid)
            return false;
        if (to >= int(heights.size()))
            return true;
        for (int column = 0; column < int(headWidths.size()); ++column) {
            const auto& head = headWidths.at(column);
            const auto& later = suffixWidths.at(to).at(column);
            const auto& earlier = suffixWidths.at(from).at(column);
            if (std::max(later.first, head.first) != std::max(earlier.first, head.first)
                || std::max(later.second, head.second) != std::max(earlier.second, head.second))
                return false;
        }
        return true;
    }

    // The first row after `from` where the widths of the rest change; the
    // row count when they never do.
    int nextWidthChange(int from) const
    {
        int row = from + 1;
        while (row < int(heights.size()) && sameWidths(from, row))
            ++row;
        return row;
    }

    // The rows whose cells have the narrowest and the natural width of a
    // column among the rows from `from` on.
    std::pair<int, int> widestRows(int from, int column) const { return suffixSources.at(from).at(column); }

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
    // Column widths follow from the widest texts of each column; spans
    // would mix columns, and such tables are measured part by part.
    void measureWidths(const std::vector<std::vector<Widths>>& cells)
    {
        const int rows = int(cells.size());
        const int columns = rows > 0 ? int(cells.front().size()) : 0;
        headWidths.assign(columns, Widths{0.0, 0.0});
        suffixWidths.assign(rows + 1, std::vector<Widths>(columns, Widths{0.0, 0.0}));
        suffixSources.assign(rows + 1, std::vector<std::pair<int, int>>(columns, {rows, rows}));
        for (int row = rows - 1; row >= 0; --row) {
            for (int column = 0; column < columns; ++column) {
                const Widths& w = cells.at(row).at(column);
                Widths& suffix = suffixWidths[row][column];
                const Widths& below = suffixWidths[row + 1][column];
                suffix = {std::max(w.first, below.first), std::max(w.second, below.second)};
                const auto& belowSources = suffixSources[row + 1][column];
                suffixSources[row][column] = {w.first >= below.first ? row : belowSources.first,
                                              w.second >= below.second ? row : belowSources.second};
                if (row < headRows)
                    headWidths[column] = {std::max(w.first, headWidths[column].first),
                                          std::max(w.second, headWidths[column].second)};
            }
        }
    }

    bool simpleGrid = true;
    std::vector<Widths> headWidths;
    std::vector<std::vector<Widths>> suffixWidths;
    std::vector<std::vector<std::pair<int, int>>> suffixSources;
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
// widthsHold tells, for a part beginning at a row, whether it keeps the
// widths of the rows measured; by default the rows themselves tell.
QList<int> predictSplits(const TableRows& rows, int firstSplit, double partTop, double pageHeight,
                         const std::function<bool(int)>& widthsHold = {})
{
    QList<int> splits{firstSplit};
    const int headRows = rows.headRows;
    for (;;) {
        const int bodyStart = splits.last();
        if (widthsHold ? !widthsHold(bodyStart) : !rows.keepsWidths(bodyStart))
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

// Cuts a table whose body begins at row firstBody of the original table at
// the given rows of the original: its middle split copies it once, each half
// keeps its own rows, and each half is cut the same way. Every row is copied
// and removed about log(parts) times, never once per part. Answers the parts
// in document order.
QList<QTextTable*> cutInHalves(QTextTable* table, const QList<int>& splits, int firstBody, int headRows)
{
    if (splits.isEmpty())
        return {table};
    const int middle = int(splits.size()) / 2;
    const int split = splits.at(middle);
    const auto local = [&](int row) { return headRows + row - firstBody; };
    const int rows = table->rows();
    QTextTable* rest = duplicateAfter(table);
    if (!rest)
        return {table};
    table->removeRows(local(split), rows - local(split));
    if (local(split) > headRows)
        rest->removeRows(headRows, local(split) - headRows);
    QList<QTextTable*> parts = cutInHalves(table, splits.mid(0, middle), firstBody, headRows);
    parts += cutInHalves(rest, splits.mid(middle + 1), std::max(split, firstBody), headRows);
    return parts;
}

// Fills an empty cell like another one: its format, its first block's
// formats and its contents.
void copyCell(const QTextTableCell& from, QTextTableCell to)
{
    to.setFormat(from.format());
    QTextCursor contents(from.firstCursorPosition());
    contents.setPosition(from.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    QTextCursor into = to.firstCursorPosition();
    into.setBlockFormat(from.firstCursorPosition().blockFormat());
    into.setBlockCharFormat(from.firstCursorPosition().blockCharFormat());
    into.insertFragment(contents.selection());
}

// Adds the contents of a cell to another one, as a block of their own.
void appendCellText(const QTextTableCell& from, const QTextTableCell& to)
{
    QTextCursor contents(from.firstCursorPosition());
    contents.setPosition(from.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    QTextCursor into = to.lastCursorPosition();
    into.insertBlock(from.firstCursorPosition().blockFormat(), from.firstCursorPosition().blockCharFormat());
    into.insertFragment(contents.selection());
}

// A copy of the table's rows [from, to) put at the cursor, with the head
// rows in front when they are not among them. Costs the rows copied,
// however long the table.
QTextTable* copyRowsAt(QTextCursor at, QTextTable* table, int from, int to, int headRows)
{
    QTextCursor cells(table->cellAt(from, 0).firstCursorPosition());
    cells.setPosition(table->cellAt(to - 1, table->columns() - 1).lastCursorPosition().position(),
                      QTextCursor::KeepAnchor);
    at.insertFragment(cells.selection());
    at.movePosition(QTextCursor::PreviousBlock);
    QTextTable* part = at.currentTable();
    if (!part || part == table)
        return nullptr;
    // A copy of cells leaves the column widths behind.
    QTextTableFormat format = part->format();
    format.setColumnWidthConstraints(table->format().columnWidthConstraints());
    part->setFormat(format);
    if (from > 0 && headRows > 0) {
        part->insertRows(0, headRows);
        for (int row = 0; row < headRows; ++row)
            for (int column = 0; column < table->columns(); ++column)
                copyCell(table->cellAt(row, column), part->cellAt(row, column));
    }
    return part;
}

// For each column, the rows whose cells have its narrowest and its natural width.
using WidestCells = std::vector<std::pair<int, int>>;

WidestCells widestAfter(const TableRows& measured, int from, int columns)
{
    WidestCells widest;
    for (int column = 0; column < columns; ++column)
        widest.push_back(measured.widestRows(from, column));
    return widest;
}

// Adds a last row to a part of the table holding the texts of the given
// cells of each column, so that the part's columns get the widths those
// texts ask for: a cell is as wide as the widest of its blocks.
void appendWidestRow(QTextTable* part, QTextTable* table, const WidestCells& widest)
{
    part->appendRows(1);
    const int last = part->rows() - 1;
    for (int column = 0; column < table->columns(); ++column) {
        const auto [narrowest, natural] = widest.at(column);
        const QTextTableCell into = part->cellAt(last, column);
        copyCell(table->cellAt(narrowest, column), into);
        if (natural != narrowest)
            appendCellText(table->cellAt(natural, column), into);
    }
}

// The head rows and the rows from bodyStart to end, alone in a document laid
// out like the table's, with a last row of the widest cells when given: the
// part of the table as it lies once it begins a page.
std::unique_ptr<QTextDocument> partAlone(QTextTable* table, int headRows, int bodyStart, int end,
                                         const WidestCells* widest, QTextTable** part)
{
    std::unique_ptr<QTextDocument> alone = emptyLike(table->document());
    *part = copyRowsAt(QTextCursor(alone.get()), table, bodyStart, end, headRows);
    if (!*part)
        return alone;
    setBreakPolicy(*part, (*part)->format().pageBreakPolicy() & ~QTextFormat::PageBreak_AlwaysBefore);
    if (widest)
        appendWidestRow(*part, table, *widest);
    return alone;
}

// The head rows and the rows from bodyStart to end, alone in a document laid
// out like the table's: the rest of the table as it lies once it begins a
// page. When rows are left out after end, a last row holds the widest texts
// of each of their columns, so that the columns get the rest's widths.
std::unique_ptr<QTextDocument> restAlone(QTextTable* table, const TableRows& measured, int bodyStart, int end,
                                         QTextTable** rest)
{
    if (end >= table->rows())
        return partAlone(table, measured.headRows, bodyStart, end, nullptr, rest);
    const WidestCells widest = widestAfter(measured, end, table->columns());
    return partAlone(table, measured.headRows, bodyStart, end, &widest, rest);
}

// How many rows from `from` on it takes to fill the given height, as measured.
int rowsFilling(const TableRows& measured, int from, double height)
{
    int row = from;
    for (double filled = 0.0; row < int(measured.naturalHeights.size()) && filled < height; ++row)
        filled += measured.naturalHeights.at(row);
    return row - from + 1;
}

// The rest of a table from a row to another as it lies once it begins a
// page: where its box begins on the page, and its rows (the head rows, then
// the rest's) as a copy of them laid out alone measures them.
struct RestLayout
{
    double top = 0.0;
    TableRows rows;
};

// A document made on one thread for a helper thread to take over; it goes
// with the job that holds it when no helper took it.
class Handed
{
public:
    explicit Handed(std::unique_ptr<QTextDocument> document)
        : m_document(std::move(document))
    {
        m_document->moveToThread(nullptr);
    }
    Handed(const Handed&) = delete;
    Handed& operator=(const Handed&) = delete;

    std::unique_ptr<QTextDocument> take()
    {
        m_document->moveToThread(QThread::currentThread());
        return std::move(m_document);
    }

private:
    std::unique_ptr<QTextDocument> m_document;
};

// Threads that lay a list's parts out beside the thread that cuts them.
int listHelpers()
{
    return AWorkAhead<int>::spareThreads(kListHelpers);
}

// The rest from bodyStart to end copied into a document of its own and laid out there.
std::optional<RestLayout> restLaidOutWhole(QTextTable* table, const TableRows& measured, int bodyStart, int end)
{
    QTextTable* rest = nullptr;
    const std::unique_ptr<QTextDocument> alone = restAlone(table, measured, bodyStart, end, &rest);
    if (!rest)
        return std::nullopt;
    RestLayout laid{alone->documentLayout()->frameBoundingRect(rest).top(), TableRows(rest)};
    if (end < table->rows()) {
        laid.rows.heights.pop_back();  // the row of the widest texts
        laid.rows.naturalHeights.pop_back();
    }
    return laid;
}

// A copy laid out where it is taken: its top and its rows, without the row of
// the widest texts that gave its columns their widths.
RestLayout laidOutCopy(Handed& handed)
{
    const std::unique_ptr<QTextDocument> alone = handed.take();
    auto* rest = qobject_cast<QTextTable*>(alone->rootFrame()->childFrames().constFirst());
    RestLayout laid{alone->documentLayout()->frameBoundingRect(rest).top(), TableRows(rest)};
    laid.rows.heights.pop_back();
    laid.rows.naturalHeights.pop_back();
    return laid;
}

// The rest from bodyStart to end laid out in chunks of rows on helper
// threads, each with the head rows and a row of the widest texts of the
// whole rest, those before the chunk too: every chunk gets the columns of
// the whole rest, and so its row heights,
// while a long rest laid out at once would cost far more on one thread.
std::optional<RestLayout> restLaidOutInChunks(QTextTable* table, const TableRows& measured, int bodyStart, int end,
                                              const std::function<bool()>& goOn)
{
    const int helpers = listHelpers();
    AWorkAhead<RestLayout> ahead(helpers, 2 * helpers);
    std::optional<RestLayout> whole;
    const auto takeOne = [&] {
        RestLayout chunk = ahead.take();
        if (!whole) {
            whole = std::move(chunk);
            return;
        }
        const auto body = [&](std::vector<double>& rows) { return rows.begin() + std::min<int>(measured.headRows, rows.size()); };
        whole->rows.heights.insert(whole->rows.heights.end(), body(chunk.rows.heights), chunk.rows.heights.end());
        whole->rows.naturalHeights.insert(whole->rows.naturalHeights.end(), body(chunk.rows.naturalHeights),
                                          chunk.rows.naturalHeights.end());
    };
    const WidestCells widest = widestAfter(measured, bodyStart, table->columns());
    for (int from = bodyStart; from < end; from += kRowsPerChunk) {
        const int to = std::min(end, from + kRowsPerChunk);
        QTextTable* chunk = nullptr;
        std::unique_ptr<QTextDocument> alone = partAlone(table, measured.headRows, from, to, &widest, &chunk);
        if (!chunk)
            return std::nullopt;
        while (ahead.full()) {
            if (!ahead.waitForOldest(goOn))
                return std::nullopt;
            takeOne();
        }
        ahead.add([handed = std::make_shared<Handed>(std::move(alone))] { return laidOutCopy(*handed); });
    }
    while (ahead.pending() > 0) {
        if (!ahead.waitForOldest(goOn))
            return std::nullopt;
        takeOne();
    }
    return whole;
}

std::optional<RestLayout> restLaidOutAlone(QTextTable* table, const TableRows& measured, int bodyStart, int end,
                                           const std::function<bool()>& goOn)
{
    if (end - bodyStart > kChunksFrom * kRowsPerChunk)
        return restLaidOutInChunks(table, measured, bodyStart, end, goOn);
    return restLaidOutWhole(table, measured, bodyStart, end);
}

// Where the rest of a table after the given splits breaks its pages, as far
// as it can be told without the document: each time the column widths change,
// a copy of the rest laid out alone tells. Only the rows up to a page past
// the next change of widths are copied, with a row that gives the columns
// the rest's widths. The layout of the document after the cut checks it all.
void predictOnCopies(QTextTable* table, const TableRows& measured, QList<int>& splits, double pageHeight,
                     const std::function<bool()>& goOn)
{
    const int headRows = table->format().headerRowCount();
    const int tableRows = table->rows();
    // While the rest keeps the widths of the whole, it keeps its row heights
    // too: only where it begins on its page needs a copy, of one row.
    if (splits.last() > headRows && splits.last() < tableRows && measured.keepsWidths(splits.last())) {
        QTextTable* first = nullptr;
        const std::unique_ptr<QTextDocument> alone = restAlone(table, measured, splits.last(), splits.last() + 1, &first);
        if (!first)
            return;
        const double top = alone->documentLayout()->frameBoundingRect(first).top();
        const QList<int> more = predictSplits(measured, splits.last(), top, pageHeight);
        splits += more.mid(1);
    }
    while (splits.last() > headRows && splits.last() < tableRows && goOn()) {
        const int bodyStart = splits.last();
        const auto widthsHold = [&](int split) { return measured.sameWidths(bodyStart, bodyStart + split - headRows); };
        const int change = measured.nextWidthChange(bodyStart);
        QList<int> more;
        for (int extra = rowsFilling(measured, change, 2 * pageHeight);; extra *= 2) {
            const int end = std::min(tableRows, change + extra);
            const std::optional<RestLayout> rest = restLaidOutAlone(table, measured, bodyStart, end, goOn);
            if (!rest)
                return;
            const double top = rest->top;
            const TableRows& rows = rest->rows;
            double pageTop = 0.0;
            double pageBottom = pageHeight;
            const PageFit fit = fitOnPage(rows, rows.heights, top, pageHeight, pageTop, pageBottom, true);
            if (fit.splitRow < 0 && end < tableRows)
                continue;  // the copy ended before the page did
            if (fit.splitRow <= headRows || fit.ranOver || fit.moveTable)
                return;
            more = predictSplits(rows, fit.splitRow, top, pageHeight, widthsHold);
            if (end < tableRows && widthsHold(more.last()))
                continue;  // the copy ended before the widths changed
            break;
        }
        for (int split : more)
            splits << bodyStart + split - headRows;
    }
}

// Each part of the table between the given rows copied into a document of
// its own laid out like the table's; every row is copied once. Empty when
// a copy failed, or when the job stopped (then `stopped` tells).
ATablePages::Parts copiesOfParts(QTextTable* table, const QList<int>& splits, int headRows, const std::function<bool()>& goOn,
                    bool* stopped)
{
    ATablePages::Parts built;
    int from = 0;
    for (int i = 0; i <= splits.size(); ++i) {
        if (i % 32 == 31 && !goOn()) {
            *stopped = true;
            return {};
        }
        const int to = i < splits.size() ? splits.at(i) : table->rows();
        std::unique_ptr<QTextDocument> alone = emptyLike(table->document());
        if (!copyRowsAt(QTextCursor(alone.get()), table, from, to, headRows))
            return {};
        built.push_back(std::move(alone));
        from = std::max(to, headRows);
    }
    return built;
}

// Copies the parts of the table between the given rows before it and
// removes it whole. All go in within one edit, since every table put into a
// document makes it scan all its frames again.
QList<QTextTable*> copyParts(QTextTable* table, const QList<int>& splits, int headRows,
                             const std::function<bool()>& goOn)
{
    QTextDocument* document = table->document();
    const qsizetype index = document->rootFrame()->childFrames().indexOf(table);
    bool stopped = false;
    const ATablePages::Parts built = copiesOfParts(table, splits, headRows, goOn, &stopped);
    if (stopped)
        return {table};  // a stopped job: the document is thrown away
    if (built.empty())
        return {};
    QTextCursor at = table->firstCursorPosition();
    at.movePosition(QTextCursor::PreviousBlock);
    at.movePosition(QTextCursor::EndOfBlock);
    at.beginEditBlock();
    for (const auto& alone : built) {
        QTextCursor whole(alone.get());
        whole.setPosition(qobject_cast<QTextTable*>(alone->rootFrame()->childFrames().constFirst())->lastPosition() + 1,
                          QTextCursor::KeepAnchor);
        at.insertFragment(whole.selection());
    }
    table->removeRows(0, table->rows());
    at.endEditBlock();
    const QList<QTextFrame*> frames = document->rootFrame()->childFrames();
    QList<QTextTable*> parts;
    for (qsizetype i = index; i >= 0 && i < index + qsizetype(built.size()) && i < frames.size(); ++i)
        if (auto* part = qobject_cast<QTextTable*>(frames.at(i)))
            parts << part;
    return parts;
}

// Cuts the table at the given rows: the parts in order, each later one
// repeating the head rows and beginning a page. The layout is taken off the
// document meanwhile, else every copy and removal would lay out the table
// again; it is laid out once afterwards. A plain grid is cut by copying
// its parts, any other table in halves.
QList<QTextTable*> splitTable(QTextTable* table, const QList<int>& splits, bool plainGrid,
                              const std::function<bool()>& goOn)
{
    QTextDocument* document = table->document();
    const QTextFormat::PageBreakFlags policy = table->format().pageBreakPolicy();
    const int headRows = table->format().headerRowCount();
    document->setDocumentLayout(nullptr);
    QList<QTextTable*> parts;
    if (plainGrid)
        parts = copyParts(table, splits, headRows, goOn);
    if (parts.isEmpty())
        parts = cutInHalves(table, splits, headRows, headRows);
    for (int i = 0; i < parts.size(); ++i) {
        QTextFormat::PageBreakFlags partPolicy = i == 0 ? policy : policy & ~QTextFormat::PageBreak_AlwaysBefore;
        if (i + 1 < parts.size())
            partPolicy |= QTextFormat::PageBreak_AlwaysAfter;
        setBreakPolicy(parts.at(i), partPolicy);
    }
    document->documentLayout();  // a new layout, of the whole document at once
    return parts;
}

// Whether nothing but the empty block every table leaves after it
// follows the table.
bool endsDocument(QTextTable* table)
{
    const QTextBlock after = table->document()->findBlock(table->lastPosition() + 1);
    return after.isValid() && !after.next().isValid() && after.length() <= 1;
}

// Whether the document shows an image: copies of it would lack its resources.
bool hasImages(QTextDocument* document)
{
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                return true;
    return false;
}

// Hears, while a table is cut apart, how many of its parts are done.
using PartsMade = std::function<void(int done, int parts)>;

// Hears, before a table is cut apart, how many pages its document is to have.
using PagesForetold = std::function<void(int pages)>;

bool fixFrames(QTextDocument* document, const std::function<bool()>& goOn, ATablePages::Parts* apart,
               bool beginsPage = false, bool isRest = false, const PartsMade& made = {},
               const PagesForetold& foretold = {});

using StopFlag = std::shared_ptr<std::atomic<bool>>;

// Takes documents a helper thread laid out and let go of.
void takeLaidOut(ATablePages::Parts& laid, ATablePages::Parts& into)
{
    for (auto& part : laid) {
        part->moveToThread(QThread::currentThread());
        into.push_back(std::move(part));
    }
}


// One page's part of a split table laid out on a helper thread: the part,
// or the parts its own pages cut it into, let go of for the thread that
// takes them.
ATablePages::Parts layOutPart(Handed& handed, bool last, const StopFlag& stop)
{
    std::unique_ptr<QTextDocument> copy = handed.take();
    ATablePages::Parts more;
    ATablePages::Parts laid;
    if (!fixFrames(copy.get(), [&stop] { return !stop->load(); }, &more, true, last))
        laid.push_back(std::move(copy));
    std::move(more.begin(), more.end(), std::back_inserter(laid));
    for (const auto& part : laid) {
        part->pageCount();  // laid out here, with this thread's fonts
        ATablePages::handOver(part.get(), nullptr);
    }
    return laid;
}

// What comes before the table in its document followed by a copy of the
// part of it in `copy`, in a document of its own.
std::unique_ptr<QTextDocument> afterWhatComesBefore(QTextTable* table, QTextDocument* copy, QTextTable* part)
{
    QTextCursor before = table->firstCursorPosition();
    before.movePosition(QTextCursor::PreviousBlock);
    before.movePosition(QTextCursor::EndOfBlock);
    before.setPosition(0, QTextCursor::KeepAnchor);
    std::unique_ptr<QTextDocument> first = emptyLike(table->document());
    QTextCursor at(first.get());
    at.insertFragment(before.selection());
    QTextCursor whole(copy);
    whole.setPosition(part->lastPosition() + 1, QTextCursor::KeepAnchor);
    at.insertFragment(whole.selection());
    return first;
}

// Where a long table that ends its document begins, read without finishing
// the document's layout: its first step lays such a table out whole, and
// finishing it would lay the table out all over again. The top is that of a
// copy of what comes before the table with its first rows. Nothing when the
// table is short enough that the layout had better tell.
std::optional<double> topOfLongTable(QTextTable* table, double pageHeight)
{
    QAbstractTextDocumentLayout* layout = table->document()->documentLayout();
    const QTextBlock lastRow = table->cellAt(table->rows() - 1, 0).firstCursorPosition().block();
    const double lastRowTop = layout->blockBoundingRect(lastRow).top();
    const int headRows = table->format().headerRowCount();
    std::unique_ptr<QTextDocument> copy = emptyLike(table->document());
    QTextTable* firstRows = copyRowsAt(QTextCursor(copy.get()), table, 0, std::min(table->rows(), headRows + 1), headRows);
    if (!firstRows)
        return std::nullopt;
    const std::unique_ptr<QTextDocument> start = afterWhatComesBefore(table, copy.get(), firstRows);
    const QList<QTextFrame*> frames = start->rootFrame()->childFrames();
    if (frames.isEmpty())
        return std::nullopt;
    const double top = start->documentLayout()->frameBoundingRect(frames.constLast()).top();
    if (lastRowTop < top + 2 * pageHeight)
        return std::nullopt;
    return top;
}

// Cuts a table that ends its document at the given rows into documents of
// their own, in `apart` in page order, each followed by what its own pages
// cut off it; the first one begins with what comes before the table. The
// document itself is left whole: taking rows out of a long table costs far
// more than copying them. Each document ends its page, so no part keeps a
// break after it but the last, as the table had. Many parts are laid out on
// helper threads while the next ones are copied; `made` hears of each part
// done. False, with `apart` as it was, when the parts could not be copied.
bool splitApart(QTextTable* table, const QList<int>& splits, const std::function<bool()>& goOn,
                ATablePages::Parts& apart, const PartsMade& made)
{
    const QTextFormat::PageBreakFlags policy = table->format().pageBreakPolicy();
    const int headRows = table->format().headerRowCount();
    const int count = int(splits.size()) + 1;
    if (count < 2)
        return false;
    const std::size_t given = apart.size();
    const StopFlag stop = std::make_shared<std::atomic<bool>>(false);
    std::optional<AWorkAhead<ATablePages::Parts>> ahead;
    if (count > kPartsAlone)
        ahead.emplace(listHelpers(), 3 * listHelpers());
    int pending = 0;
    int done = 0;
    const auto takeOne = [&] {
        ATablePages::Parts laid = ahead->take();
        --pending;
        takeLaidOut(laid, apart);
        if (made)
            made(++done, count);
    };
    int from = 0;
    for (int i = 0; i < count; ++i) {
        if (!goOn()) {
            stop->store(true);
            return true;  // a stopped job: the documents are thrown away
        }
        const bool last = i + 1 == count;
        const int to = last ? table->rows() : splits.at(i);
        std::unique_ptr<QTextDocument> copy = emptyLike(table->document());
        QTextTable* part = copyRowsAt(QTextCursor(copy.get()), table, from, to, headRows);
        if (!part) {
            stop->store(true);
            apart.resize(given);
            return false;
        }
        from = std::max(to, headRows);
        QTextFormat::PageBreakFlags partPolicy = i == 0 ? policy : policy & ~QTextFormat::PageBreak_AlwaysBefore;
        if (!last)
            partPolicy &= ~QTextFormat::PageBreak_AlwaysAfter;
        setBreakPolicy(part, partPolicy);
        if (i == 0) {
            apart.push_back(afterWhatComesBefore(table, copy.get(), part));  // as the table was laid out in its document
        } else if (ahead) {
            while (ahead->full())
                takeOne();
            ahead->add([handed = std::make_shared<Handed>(std::move(copy)), last, stop] {
                return layOutPart(*handed, last, stop);
            });
            ++pending;
            continue;
        } else {
            ATablePages::Parts more;
            if (!fixFrames(copy.get(), goOn, &more, true, last))
                apart.push_back(std::move(copy));
            std::move(more.begin(), more.end(), std::back_inserter(apart));
        }
        if (made)
            made(++done, count);
    }
    while (pending > 0 && goOn())
        takeOne();
    stop->store(pending > 0);
    return true;
}

// Splits the tables of the document at its page edges. With `apart`, a
// plain table that ends the document is cut into documents of their own
// there, in page order, the first with what comes before the table; the
// document is then left unprinted and answers true, and the whole of it is
// never laid out again. A document that beginsPage holds a part of a split
// table from the top of a page on; isRest, its last part. `made` hears of
// the parts of a table cut apart as they are done.
bool fixFrames(QTextDocument* document, const std::function<bool()>& goOn, ATablePages::Parts* apart,
               bool beginsPage, bool isRest, const PartsMade& made, const PagesForetold& foretold)
{
    const double pageHeight = document->pageSize().height();
    if (!(pageHeight > 0))
        return false;
    document->setUndoRedoEnabled(false);
    // Tables known to begin at the top of a page: moving or splitting them
    // again could never make a row fit better, so they are never split at
    // their first body row.
    QSet<QTextFrame*> atPageTop;
    QSet<QTextFrame*> splitRests;
    const QList<QTextFrame*> first = document->rootFrame()->childFrames();
    if (beginsPage && !first.isEmpty())
        atPageTop.insert(first.constFirst());
    if (isRest && !first.isEmpty())
        splitRests.insert(first.constFirst());
    double pageTop = 0.0;
    int index = 0;
    for (;;) {
        const QList<QTextFrame*> frames = document->rootFrame()->childFrames();
        if (index >= frames.size() || !goOn())
            break;
        auto* table = qobject_cast<QTextTable*>(frames.at(index));
        if (!table) {
            ++index;
            continue;
        }

        // A long list that is to be cut apart is measured as the layout's
        // first step left it: the document itself is never printed.
        const bool cutApart = apart && index == 0 && endsDocument(table) && !hasImages(document) && plainGridOf(table);
        const std::optional<double> longTop = cutApart ? topOfLongTable(table, pageHeight) : std::nullopt;
        QRectF box;
        if (!longTop) {
            document->size();  // completes the layout after earlier splits
            box = document->documentLayout()->frameBoundingRect(table);
        }
        const double top = longTop ? *longTop : box.top();
        double pageBottom = pageTop + pageHeight;
        while (top > pageBottom) {
            pageTop = pageBottom;
            pageBottom = pageTop + pageHeight;
        }
        // A table that ends on the page it starts on needs no split, however
        // little room it leaves below it.
        if (!longTop && box.bottom() <= pageBottom) {
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
        QList<int> splits = splitRests.contains(table) ? predictSplits(rows, fit.splitRow, top - pageTop, pageHeight)
                                                       : QList<int>{fit.splitRow};
        if (rows.plainGrid())
            predictOnCopies(table, rows, splits, pageHeight, goOn);
        if (apart && rows.plainGrid() && endsDocument(table) && !hasImages(document)) {
            // Each part is to fill one page, the first one after the pages above it.
            if (foretold)
                foretold(int(std::lround(pageTop / pageHeight)) + int(splits.size()) + 1);
            if (splitApart(table, splits, goOn, *apart, made))
                return true;
        }
        const QList<QTextTable*> parts = splitTable(table, splits, rows.plainGrid(), goOn);
        for (int i = 1; i < parts.size(); ++i)
            atPageTop.insert(parts.at(i));
        if (parts.size() > 1)
            splitRests.insert(parts.last());
        ++index;
    }
    return false;
}

// The metrics of each character format of a document, taken once: every
// cell of a long list is measured, nearly all in the same few formats.
class FormatMetrics
{
public:
    const QFontMetricsF& of(int formatIndex, const std::function<QTextCharFormat()>& format)
    {
        auto found = m_metrics.find(formatIndex);
        if (found == m_metrics.end())
            found = m_metrics.emplace(formatIndex, QFontMetricsF(format().font())).first;
        return found->second;
    }

private:
    std::unordered_map<int, QFontMetricsF> m_metrics;
};

// The widest word of a block: its lines break at spaces, tabs and line
// separators only.
double widestWord(const QTextBlock& block, FormatMetrics& metrics)
{
    double widest = 0.0;
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QFontMetricsF& font = metrics.of(fragment.charFormatIndex(), [&fragment] { return fragment.charFormat(); });
        const QString text = fragment.text();
        qsizetype start = 0;
        for (qsizetype i = 0; i <= text.size(); ++i) {
            if (i < text.size() && text.at(i) != QLatin1Char(' ') && text.at(i) != QLatin1Char('\t')
                && text.at(i) != QChar(0x2028))
                continue;
            if (i > start)
                widest = std::max(widest, font.horizontalAdvance(text.mid(start, i - start)));
            start = i + 1;
        }
    }
    return widest;
}

double cellWidth(const QTextTableCell& cell, bool whole, FormatMetrics& metrics)
{
    double width = 0.0;
    for (QTextFrame::iterator it = cell.begin(); !it.atEnd(); ++it) {
        const QTextBlock block = it.currentBlock();
        if (!block.isValid())
            continue;
        width = std::max(width, whole ? metrics.of(block.charFormatIndex(), [&block] { return block.charFormat(); }).horizontalAdvance(block.text())
                                      : widestWord(block, metrics));
    }
    return width;
}

bool emptyColumn(QTextTable* table, int column)
{
    const int headRows = table->format().headerRowCount();
    if (headRows <= 0 || table->rows() <= headRows)
        return false;
    for (int row = headRows; row < table->rows(); ++row) {
        const QTextTableCell cell = table->cellAt(row, column);
        QTextCursor text(cell.firstCursorPosition());
        text.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
        if (!text.selectedText().trimmed().remove(QChar::Nbsp).isEmpty())
            return false;
    }
    return true;
}
} // namespace

namespace ATablePages {
// A document of this HTML that nothing ties to a thread (no layout, no
// images), so that a worker thread can build it.
std::unique_ptr<QTextDocument> bareDocument(const QString& html)
{
    auto document = std::make_unique<ASealedDocument>();
    // Printing never undoes: keeping what every cut removed costs time and memory.
    document->setUndoRedoEnabled(false);
    document->setHtml(html);
    document->setDocumentMargin(0);
    return document;
}

// The document cut after every top-level table that breaks the page after
// it, each part a copy set like it; the document itself when there is no
// such table. Laid out one by one, parts that begin pages of their own cost
// far less than the whole document at once. Makes no layout when the
// document has none, so it may run on a worker thread.
Parts splitAtPageBreaks(std::unique_ptr<QTextDocument> content)
{
    Parts parts;
    const QList<int> cuts = cutsAfterPageBreaks(content.get());
    if (cuts.isEmpty()) {
        parts.push_back(std::move(content));
        return parts;
    }
    int start = 0;
    for (int i = 0; i <= cuts.size(); ++i) {
        const int end = i < cuts.size() ? cuts.at(i) : content->characterCount() - 1;
        if (i == cuts.size() && end <= start && !parts.empty())
            break;
        QTextCursor range(content.get());
        range.setPosition(start);
        range.setPosition(end, QTextCursor::KeepAnchor);
        std::unique_ptr<QTextDocument> part = emptyLike(content.get());
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

// The top-level tables of a list.
QList<QTextTable*> tablesOf(QTextDocument* document)
{
    QList<QTextTable*> tables;
    for (QTextFrame* frame : document->rootFrame()->childFrames())
        if (auto* table = qobject_cast<QTextTable*>(frame))
            tables << table;
    return tables;
}

// Columns with nothing below their head get the width of their title.
void narrowEmptyColumns(QTextTable* table)
{
    QTextTableFormat format = table->format();
    QList<QTextLength> widths = format.columnWidthConstraints();
    const double frame = 2 * format.cellPadding() + 2 * format.border();
    FormatMetrics metrics;
    bool narrowed = false;
    for (int column = 0; column < table->columns(); ++column) {
        if (!emptyColumn(table, column))
            continue;
        while (widths.size() < table->columns())
            widths << QTextLength();
        widths[column] = QTextLength(QTextLength::FixedLength, std::ceil(cellWidth(table->cellAt(0, column), true, metrics)) + frame);
        narrowed = true;
    }
    if (!narrowed)
        return;
    format.setColumnWidthConstraints(widths);
    table->setFormat(format);
}

// The width the document needs so that no table breaks a word: each column
// as wide as its widest word, or its fixed width.
double wholeWordsWidth(QTextDocument* document)
{
    const QTextFrameFormat root = document->rootFrame()->frameFormat();
    FormatMetrics metrics;
    double needed = 0.0;
    for (QTextTable* table : tablesOf(document)) {
        const QTextTableFormat format = table->format();
        const QList<QTextLength> widths = format.columnWidthConstraints();
        const double frame = 2 * format.cellPadding() + 2 * format.border() + std::max(0.0, format.cellSpacing());
        double width = format.leftMargin() + format.rightMargin() + 2 * format.border();
        for (int column = 0; column < table->columns(); ++column) {
            if (column < widths.size() && widths.at(column).type() == QTextLength::FixedLength) {
                width += widths.at(column).rawValue();
                continue;
            }
            double widest = 0.0;
            for (int row = 0; row < table->rows(); ++row)
                widest = std::max(widest, cellWidth(table->cellAt(row, column), false, metrics));
            width += std::ceil(widest) + 1 + frame;
        }
        needed = std::max(needed, width);
    }
    return needed + root.leftMargin() + root.rightMargin();
}

Pages layOut(Parts parts, const std::function<bool(int, int)>& progress, bool cutApart, const Stream* stream)
{
    Pages result;
    const int count = int(parts.size());
    // Pages foretold before the end need the pages of all the parts after
    // the one cut apart: a single part has none.
    if (count != 1)
        stream = nullptr;
    for (int i = 0; i < count; ++i) {
        Parts apart;
        // A part cut apart counts as many steps as its own parts.
        int done = i;
        int total = count;
        int passed = 0;
        const int pagesBefore = result.pages;
        const auto passOn = [&] {
            for (auto& part : apart) {
                const int pages = part->pageCount();
                result.pages += pages;
                ++passed;
                stream->part(std::move(part));
            }
            apart.clear();
        };
        const PartsMade made = [&](int piecesDone, int pieces) {
            done = i * pieces + piecesDone;
            total = count * pieces;
            if (stream)
                passOn();
        };
        const PagesForetold foretold = [&](int pages) {
            if (stream)
                stream->foretold(result.pages + pages);
        };
        if (!fixFrames(parts.at(i).get(), [&] { return progress(done, total); }, cutApart ? &apart : nullptr, false,
                       false, made, foretold)) {
            if (passed > 0) {
                // The cut apart failed half way: the document is cut within itself instead.
                result.pages = pagesBefore;
                stream->withdrawn();
            }
            result.pages += parts.at(i)->pageCount();
            result.parts.push_back(std::move(parts.at(i)));
        } else {
            parts.at(i).reset();  // cut apart: its copies hold all it prints
        }
        for (auto& part : apart) {
            result.pages += part->pageCount();
            result.parts.push_back(std::move(part));
        }
        if (!progress(i + 1, count))
            break;
    }
    return result;
}

void fixTableFrames(QTextDocument* document, const std::function<bool()>& keepGoing)
{
    fixFrames(document, keepGoing ? keepGoing : [] { return true; }, nullptr);
}
} // namespace ATablePages

namespace {
// Each line layout keeps the last font engine it used, and engines belong
// to the thread that loaded them: setting the font again lets it go.
void releaseFontEngines(QTextDocument* document)
{
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        block.layout()->setFont(block.layout()->font());
}

// A layout finished outside an event loop leaves a timer running (its size
// report). Moved so, the timer would be re-registered by a queued call that
// is lost, with what it holds, when the document goes first; fired here,
// where it belongs, it stops.
void settleTimers(QObject* object)
{
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    if (!dispatcher)
        return;
    QList<QObject*> objects = object->findChildren<QObject*>();
    objects.prepend(object);
    for (QObject* each : std::as_const(objects)) {
        for (const QAbstractEventDispatcher::TimerInfo& timer : dispatcher->registeredTimers(each)) {
            QTimerEvent event(timer.timerId);
            QCoreApplication::sendEvent(each, &event);
        }
    }
}

} // namespace

struct ATablePages::Worker::State
{
    QString html;
    bool fitTables = false;
    QList<QPair<QUrl, QImage>> images;
    QThread* asking = nullptr;
    std::atomic<bool> stop{false};
    std::atomic<int> done{0};
    std::atomic<int> total{0};
    std::promise<double> width;
    std::future<double> widthTaken = width.get_future();
    std::promise<Sheet> sheet;
    std::future<Sheet> sheetTaken = sheet.get_future();
    bool sheetGiven = false;
    std::mutex mutex;
    std::condition_variable changed;
    // What the asking thread has not taken yet: parts already its own, a
    // null one voiding those before it.
    Parts made;
    int foretold = -1;
    bool ended = false;
    int pages = 0;
    bool abandoned = false;

    // Gives a part laid out here to the asking thread, unless it left.
    void hand(std::unique_ptr<QTextDocument> part)
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (abandoned)
            return;  // nobody waits: the part goes here, on its own thread
        if (part)
            handOver(part.get(), asking);
        made.push_back(std::move(part));
        changed.notify_all();
    }
};

ATablePages::Worker::Worker(const QString& html, bool fitTables, const QList<QPair<QUrl, QImage>>& images)
    : m_state(std::make_shared<State>())
{
    m_state->html = html;
    m_state->fitTables = fitTables;
    m_state->images = images;
    m_state->asking = QThread::currentThread();
    QThreadPool::globalInstance()->start([state = m_state] { run(state); });
}

ATablePages::Worker::~Worker()
{
    Parts taken;
    {
        std::lock_guard<std::mutex> lock(m_state->mutex);
        m_state->stop = true;
        m_state->abandoned = true;
        if (!m_state->sheetGiven)
            m_state->sheet.set_value(Sheet{});
        // Parts already handed over belong to this thread: they go here.
        taken = std::move(m_state->made);
    }
}

void ATablePages::Worker::run(const std::shared_ptr<State>& state)
{
    std::unique_ptr<QTextDocument> content = bareDocument(state->html);
    double needed = 0.0;
    if (state->fitTables) {
        // Lines break between words only, and every column gets its widest word.
        QTextOption wrap = content->defaultTextOption();
        wrap.setWrapMode(QTextOption::WordWrap);
        content->setDefaultTextOption(wrap);
        for (QTextTable* table : tablesOf(content.get()))
            narrowEmptyColumns(table);
        needed = wholeWordsWidth(content.get());
    }
    state->width.set_value(needed);
    const Sheet sheet = state->sheetTaken.get();
    Pages pages;
    if (!sheet.pageSize.isEmpty() && !state->stop) {
        Parts parts = splitAtPageBreaks(std::move(content));
        for (const auto& part : parts) {
            for (const auto& [url, image] : state->images)
                part->addResource(QTextDocument::ImageResource, url, image);
            // An empty page keeps the layout from working before its image
            // sizes are in place; the real page then lays it out once.
            part->setPageSize(QSizeF(0, 0));
            AImageSizes::install(part.get());
            part->setUseDesignMetrics(sheet.designMetrics);
            part->setPageSize(sheet.pageSize);
        }
        const Stream stream{[&state](int foretold) {
                                std::lock_guard<std::mutex> lock(state->mutex);
                                state->foretold = foretold;
                                state->changed.notify_all();
                            },
                            [&state](std::unique_ptr<QTextDocument> part) { state->hand(std::move(part)); },
                            [&state] { state->hand(nullptr); }};
        pages = layOut(
            std::move(parts),
            [&state](int done, int total) {
                state->done = done;
                state->total = total;
                return !state->stop;
            },
            true, &stream);
    }
    for (auto& part : pages.parts)
        state->hand(std::move(part));
    std::lock_guard<std::mutex> lock(state->mutex);
    state->pages = pages.pages;
    state->ended = true;
    state->changed.notify_all();
}

bool ATablePages::Worker::widthNeeded(double* width, const Waiting& waiting)
{
    if (!aWaitFor(m_state->widthTaken, [&waiting] { return waiting(0, 0); }))
        return false;
    *width = m_state->widthTaken.get();
    return true;
}

void ATablePages::Worker::start(const Sheet& sheet)
{
    std::lock_guard<std::mutex> lock(m_state->mutex);
    if (m_state->sheetGiven)
        return;
    m_state->sheet.set_value(sheet);
    m_state->sheetGiven = true;
}

bool ATablePages::Worker::more(Made* made, const Waiting& waiting)
{
    made->parts.clear();
    State& state = *m_state;
    // Parts may come faster than the waiting is asked for: it is asked each time.
    if (!waiting(state.done, state.total))
        return false;
    std::unique_lock<std::mutex> lock(state.mutex);
    const auto news = [&] { return !state.made.empty() || state.ended || state.foretold != made->foretold; };
    while (!state.changed.wait_for(lock, std::chrono::milliseconds(20), news)) {
        lock.unlock();
        if (!waiting(state.done, state.total))
            return false;
        lock.lock();
    }
    made->parts = std::move(state.made);
    state.made.clear();
    made->foretold = state.foretold;
    made->ended = state.ended;
    made->pages = state.pages;
    return true;
}

bool ATablePages::Worker::pages(const Sheet& sheet, Pages* pages, const Waiting& waiting)
{
    start(sheet);
    Made made;
    while (!made.ended) {
        if (!more(&made, waiting))
            return false;
        for (auto& part : made.parts) {
            if (!part)
                pages->parts.clear();
            else
                pages->parts.push_back(std::move(part));
        }
    }
    pages->pages = made.pages;
    return true;
}

void ATablePages::handOver(QTextDocument* document, QThread* painting)
{
    releaseFontEngines(document);
    settleTimers(document);
    document->moveToThread(painting);
}
