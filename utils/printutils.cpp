#include "printutils.h"

#include "aprogress.h"
#include "aimagesizes.h"
#include "asealeddocument.h"
#include "aprompter.h"
#include "aworkahead.h"

#include <QAbstractTextDocumentLayout>
#include <QDebug>
#include <QFile>
#include <QFontMetricsF>
#include <QRegularExpression>
#include <QTextFragment>
#include <QGraphicsScene>
#include <QImage>
#include <QThread>
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
#include <QTemporaryFile>
#include <QUrl>
#include <QWidget>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
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

// The document cut after every top-level table that breaks the page after
// it, each part a copy set like it; the document itself when there is no
// such table. Laid out one by one, parts that begin pages of their own cost
// far less than the whole document at once. Makes no layout when the
// document has none, so it may run on a worker thread.
std::vector<std::unique_ptr<QTextDocument>> splitAtPageBreaks(std::unique_ptr<QTextDocument> content)
{
    std::vector<std::unique_ptr<QTextDocument>> parts;
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
        headWidths.assign(columns, Widths{0.0, 0.0});
        suffixWidths.assign(rows + 1, std::vector<Widths>(columns, Widths{0.0, 0.0}));
        suffixSources.assign(rows + 1, std::vector<std::pair<int, int>>(columns, {rows, rows}));
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

// The head rows and the rows from bodyStart to end, alone in a document laid
// out like the table's: the rest of the table as it lies once it begins a
// page. When rows are left out after end, a last row holds the widest texts
// of each of their columns, so that the columns get the rest's widths.
std::unique_ptr<QTextDocument> restAlone(QTextTable* table, const TableRows& measured, int bodyStart, int end,
                                         QTextTable** rest)
{
    std::unique_ptr<QTextDocument> alone = emptyLike(table->document());
    *rest = copyRowsAt(QTextCursor(alone.get()), table, bodyStart, end, measured.headRows);
    if (!*rest)
        return alone;
    setBreakPolicy(*rest, (*rest)->format().pageBreakPolicy() & ~QTextFormat::PageBreak_AlwaysBefore);
    if (end < table->rows()) {
        (*rest)->appendRows(1);
        const int last = (*rest)->rows() - 1;
        for (int column = 0; column < table->columns(); ++column) {
            const auto [narrowest, natural] = measured.widestRows(end, column);
            const QTextTableCell into = (*rest)->cellAt(last, column);
            copyCell(table->cellAt(narrowest, column), into);
            if (natural != narrowest)
                appendCellText(table->cellAt(natural, column), into);
        }
    }
    return alone;
}

// How many rows from `from` on it takes to fill the given height, as measured.
int rowsFilling(const TableRows& measured, int from, double height)
{
    int row = from;
    for (double filled = 0.0; row < int(measured.naturalHeights.size()) && filled < height; ++row)
        filled += measured.naturalHeights.at(row);
    return row - from + 1;
}

// Where the rest of a table after the given splits breaks its pages, as far
// as it can be told without the document: each time the column widths change,
// a copy of the rest laid out alone tells. Only the rows up to a page past the
// next change of widths are copied, with a row that gives the columns the
// rest's widths. The layout of the document after the cut checks it all.
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
            QTextTable* rest = nullptr;
            const std::unique_ptr<QTextDocument> alone = restAlone(table, measured, bodyStart, end, &rest);
            if (!rest)
                return;
            const double top = alone->documentLayout()->frameBoundingRect(rest).top();
            TableRows rows(rest);
            if (end < tableRows) {
                rows.heights.pop_back();
                rows.naturalHeights.pop_back();
            }
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

// Copies the parts of the table between the given rows before it and
// removes it whole: every row is copied once. Each part is built in a
// document of its own, and all go in within one edit, since every table put
// into a document makes it scan all its frames again.
QList<QTextTable*> copyParts(QTextTable* table, const QList<int>& splits, int headRows,
                             const std::function<bool()>& goOn)
{
    QTextDocument* document = table->document();
    const qsizetype index = document->rootFrame()->childFrames().indexOf(table);
    std::vector<std::unique_ptr<QTextDocument>> built;
    int from = 0;
    for (int i = 0; i <= splits.size(); ++i) {
        if (i % 32 == 31 && !goOn())
            return {table};  // a stopped job: the document is thrown away
        const int to = i < splits.size() ? splits.at(i) : table->rows();
        std::unique_ptr<QTextDocument> alone = emptyLike(document);
        QTextTable* part = copyRowsAt(QTextCursor(alone.get()), table, from, to, headRows);
        if (!part)
            return {};
        built.push_back(std::move(alone));
        from = std::max(to, headRows);
    }
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

// The widest word of a block: where its lines may break, and where not.
double widestWord(const QTextBlock& block)
{
    // Compiled once: every cell of a long list is measured.
    static const QRegularExpression spaces(QStringLiteral("[ \\t\\x2028]"));
    double widest = 0.0;
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QFontMetricsF metrics(fragment.charFormat().font());
        const QStringList words = fragment.text().split(spaces, Qt::SkipEmptyParts);
        for (const QString& word : words)
            widest = std::max(widest, metrics.horizontalAdvance(word));
    }
    return widest;
}

double cellWidth(const QTextTableCell& cell, bool whole)
{
    double width = 0.0;
    for (QTextFrame::iterator it = cell.begin(); !it.atEnd(); ++it) {
        const QTextBlock block = it.currentBlock();
        if (!block.isValid())
            continue;
        width = std::max(width, whole ? QFontMetricsF(block.charFormat().font()).horizontalAdvance(block.text())
                                      : widestWord(block));
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
    bool narrowed = false;
    for (int column = 0; column < table->columns(); ++column) {
        if (!emptyColumn(table, column))
            continue;
        while (widths.size() < table->columns())
            widths << QTextLength();
        widths[column] = QTextLength(QTextLength::FixedLength, std::ceil(cellWidth(table->cellAt(0, column), true)) + frame);
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
                widest = std::max(widest, cellWidth(table->cellAt(row, column), false));
            width += std::ceil(widest) + 1 + frame;
        }
        needed = std::max(needed, width);
    }
    return needed + root.leftMargin() + root.rightMargin();
}

// A PDF file is written under a name of its own beside the one asked for and
// takes that name only once complete: a cancelled or failed job leaves what
// was there before.
class PdfBeside
{
public:
    explicit PdfBeside(QPrinter* printer)
        : m_printer(printer)
    {
        if (!printer || printer->outputFormat() != QPrinter::PdfFormat || printer->outputFileName().isEmpty())
            return;
        QTemporaryFile beside(printer->outputFileName() + QStringLiteral(".XXXXXX"));
        if (!beside.open())
            return;  // then straight under its name, as asked
        // Only the name is kept: the writer creates the file anew, with the
        // permissions any new file of the user gets.
        m_written = beside.fileName();
        beside.remove();
        m_target = printer->outputFileName();
        printer->setOutputFileName(m_written);
    }

    void finish(bool complete)
    {
        if (m_written.isEmpty())
            return;
        m_printer->setOutputFileName(m_target);
        if (complete && QFile::exists(m_written)
            && std::rename(QFile::encodeName(m_written).constData(), QFile::encodeName(m_target).constData()) == 0)
            return;
        if (complete && QFile::exists(m_written))
            qWarning() << "Couldn't move the written PDF to" << m_target;
        QFile::remove(m_written);
    }

private:
    QPrinter* m_printer;
    QString m_target;
    QString m_written;
};

const QLatin1String kPageCount("%%PAGECOUNT%%");
const QLatin1String kPageNumber("%%PAGENUM%%");
} // namespace

// Header, footer and sheet of one print, and the content cut into pages.
struct PrintUtils::Paginated
{
    // Each begins a page.
    Parts parts;
    int pages = 0;
};

struct PrintUtils::Job
{
    std::unique_ptr<QTextDocument> header;
    std::unique_ptr<QTextDocument> footer;
    QSizeF sheet;
    double contentHeight = 0.0;
    QSizeF headerSize;
    QSizeF footerSize;
    QRectF headerRect;
    QRectF footerRect;  // measured again with the metrics of the print
    double scale = 1.0;  // of the content on the sheet
    bool designMetrics = false;
    std::unique_ptr<Paginated> content;
    QString headerHtml;  // with the page count in place
    QString footerHtml;
};

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
    , m_scenes({scene})
    , m_footer(footer)
    , m_resources(resources)
    , m_sceneMode(true)
{
}

PrintUtils::PrintUtils(const QString& header, const QList<QGraphicsScene*>& scenes, const QString& footer,
                       QObject* parent)
    : QObject(parent)
    , m_header(header)
    , m_scenes(scenes)
    , m_footer(footer)
    , m_sceneMode(true)
{
}

PrintUtils::PrintUtils(const QString& header, const Batches& content, const QString& footer, QObject* parent,
                       QList<QPair<QString, QPixmap>> resources)
    : QObject(parent)
    , m_header(header)
    , m_footer(footer)
    , m_resources(resources)
    , m_batches(content)
    , m_batchMode(true)
{
    m_batches.perBatch = std::max(1, m_batches.perBatch);
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

namespace {
// The printer the caller gave, or else one of our own kept in `own`.
QPrinter* givenOrOwn(QPrinter* printer, std::unique_ptr<QPrinter>& own)
{
    if (!printer) {
        own = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer = own.get();
    }
    return printer;
}
} // namespace

QTextDocument* PrintUtils::createDocument(const QString& html) const
{
    QTextDocument* document = bareDocument(html).release();
    addImages(document);
    return document;
}

void PrintUtils::addImages(QTextDocument* document) const
{
    for (const auto& resource : m_resources)
        document->addResource(QTextDocument::ImageResource, QUrl(resource.first), resource.second);
}

QWidget* PrintUtils::parentWidget() const
{
    return qobject_cast<QWidget*>(parent());
}

bool PrintUtils::tablesFit(const QString& html, double sheetWidth)
{
    const std::unique_ptr<QTextDocument> document = bareDocument(html);
    for (QTextTable* table : tablesOf(document.get()))
        narrowEmptyColumns(table);
    return wholeWordsWidth(document.get()) <= sheetWidth;
}

void PrintUtils::preview(QPrinter* printer)
{
    std::unique_ptr<QPrinter> own;
    printer = givenOrOwn(printer, own);
    m_previewing = true;
    m_previewEngine = nullptr;
    // The pages are prepared here, to be counted, and the first paint uses them.
    int pages = 0;
    bool show = true;
    {
        AProgress progress(parentWidget());
        m_prepared = prepare(printer, false, progress);
        if (m_prepared)
            pages = expectedPages(*m_prepared, progress);
        show = !progress.cancelled();
    }
    if (show && pages > kPreviewPageLimit)
        show = !askPrintDirectly(pages, printer);
    if (show) {
        QPrintPreviewDialog dialog(printer, parentWidget());
        dialog.setWindowFlags(dialog.windowFlags() | Qt::WindowMinMaxButtonsHint);
        connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) { print(p); });
        dialog.exec();
    }
    m_prepared.reset();
    m_previewing = false;
    m_previewEngine = nullptr;
}

// True when the question was answered by printing directly or by cancelling.
bool PrintUtils::askPrintDirectly(int pages, QPrinter* printer)
{
    APrompter::Choice choice;
    choice.icon = QMessageBox::Warning;
    choice.title = tr("Print preview");
    choice.text = tr("The preview will have %n page(s).", nullptr, pages);
    choice.informativeText = tr("A preview holds every page in memory, which can take more than this computer "
                                "has. Do you want to print directly to a printer or a PDF file instead?");
    choice.buttons = {tr("Print directly"), tr("Preview"), tr("Cancel")};
    choice.defaultIndex = 0;
    choice.escapeIndex = 2;
    choice.parent = parentWidget();
    const int answer = APrompter::instance()->choose(choice);
    if (answer == 1)
        return false;
    m_prepared.reset();
    if (answer == 0) {
        m_previewing = false;
        printWithDialog(printer);
    }
    return true;
}

void PrintUtils::printWithDialog(QPrinter* printer)
{
    std::unique_ptr<QPrinter> own;
    printer = givenOrOwn(printer, own);
    QPrintDialog dialog(printer, parentWidget());
    if (dialog.exec() == QDialog::Accepted)
        print(printer);
}

std::unique_ptr<PrintUtils::Job> PrintUtils::prepare(QPrinter* printer, bool designMetrics, AProgress& progress)
{
    auto job = std::make_unique<Job>();
    std::unique_ptr<QTextDocument> content;
    if (!m_sceneMode && !m_batchMode)
        content.reset(createDocument(m_content));
    job->header.reset(createDocument(m_header));
    job->footer.reset(createDocument(m_footer));

    printer->setFullPage(true);
    qDebug() << "printer->pageRect() =" << printer->pageRect(QPrinter::DevicePixel);
    qDebug() << "printer->paperRect() =" << printer->paperRect(QPrinter::DevicePixel);

    const QRectF paper = printer->paperRect(QPrinter::DevicePixel);
    const double resolution = printer->resolution();
    job->sheet = QSizeF(paper.width() / resolution * kPageUnitsPerInch, paper.height() / resolution * kPageUnitsPerInch);

    job->header->setPageSize(job->sheet);
    job->headerSize = job->header->size();
    qDebug() << "headerSize = " << job->headerSize;
    job->footer->setPageSize(job->sheet);
    job->footerSize = job->footer->size();
    qDebug() << "footerSize = " << job->footerSize;

    job->contentHeight = job->sheet.height() - job->headerSize.height() - job->footerSize.height();
    qDebug() << "contentHeight = " << job->contentHeight;
    if (job->contentHeight < kMinContentHeight) {
        qWarning("Space for content too small. Header/footer too big.");
        return nullptr;
    }
    qDebug() << "centralSize = " << QSizeF(job->sheet.width(), job->contentHeight);
    if (content)
        content->setPageSize(QSizeF(job->sheet.width(), job->contentHeight));
    if (content && m_fitTables) {
        // Lines break between words only, and every column gets its widest word.
        QTextOption wrap = content->defaultTextOption();
        wrap.setWrapMode(QTextOption::WordWrap);
        content->setDefaultTextOption(wrap);
        for (QTextTable* table : tablesOf(content.get()))
            narrowEmptyColumns(table);
        // Smaller rather than a word broken: laid out wider, painted scaled down.
        const double needed = wholeWordsWidth(content.get());
        if (needed > job->sheet.width()) {
            job->scale = job->sheet.width() / needed;
            content->setPageSize(QSizeF(needed, job->contentHeight / job->scale));
        }
    }

    job->designMetrics = designMetrics;
    if (designMetrics) {
        qDebug() << "usando design metrics";
        job->header->setUseDesignMetrics(true);
        job->footer->setUseDesignMetrics(true);
        if (content)
            content->setUseDesignMetrics(true);
    }
    job->headerRect = QRectF(QPointF(0, 0), job->headerSize);
    job->footerRect = QRectF(QPointF(0, 0), job->footer->size());
    job->headerHtml = m_header;
    job->footerHtml = m_footer;
    if (content)
        job->content = std::make_unique<Paginated>(paginate(std::move(content), [&progress](int done, int parts) {
            return progress.update(tr("Preparing the pages..."), done, parts);
        }));
    return job;
}

PrintUtils::Paginated PrintUtils::paginate(std::unique_ptr<QTextDocument> content,
                                           const std::function<bool(int, int)>& progress) const
{
    Parts parts = splitAtPageBreaks(std::move(content));
    for (const auto& part : parts)
        addImages(part.get());
    return layOut(std::move(parts), progress);
}

PrintUtils::Paginated PrintUtils::layOut(Parts parts, const std::function<bool(int, int)>& progress)
{
    Paginated result;
    const int count = int(parts.size());
    for (int i = 0; i < count; ++i) {
        fixTableFrames(parts.at(i).get(), [&] { return progress(i, count); });
        result.pages += parts.at(i)->pageCount();
        if (!progress(i + 1, count))
            break;
    }
    result.parts = std::move(parts);
    return result;
}

namespace {
// Enough workers to keep the printing thread fed: laying a page out costs
// less than painting it.
constexpr int kBatchWorkers = 3;

// Painting takes the glyphs the layout shaped instead of shaping every line again.
void keepShapes(QTextDocument* document)
{
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        block.layout()->setCacheEnabled(true);
}

// Each line layout keeps the last font engine it used, and engines belong
// to the thread that loaded them: setting the font again lets it go, so
// that the printing thread paints with engines of its own.
void releaseFontEngines(QTextDocument* document)
{
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        block.layout()->setFont(block.layout()->font());
}
} // namespace

// What a worker thread needs to lay a batch out as the printing thread would.
// Images go in as QImage, the kind a worker may use.
struct PrintUtils::WorkerSheet
{
    QSizeF pageSize;
    bool designMetrics = false;
    QList<QPair<QUrl, QImage>> images;
    QThread* printing = nullptr;
    std::shared_ptr<std::atomic<bool>> stop;
};

PrintUtils::Paginated PrintUtils::layOutOnWorker(const QString& html, const WorkerSheet& sheet)
{
    Parts parts = splitAtPageBreaks(bareDocument(html));
    for (const auto& part : parts) {
        for (const auto& [url, image] : sheet.images)
            part->addResource(QTextDocument::ImageResource, url, image);
        keepShapes(part.get());
        // An empty page keeps the new layout from working before its image
        // sizes are in place; the real page then lays it out once.
        part->setPageSize(QSizeF(0, 0));
        AImageSizes::install(part.get());
        part->setUseDesignMetrics(sheet.designMetrics);
        part->setPageSize(sheet.pageSize);
    }
    Paginated batch = layOut(std::move(parts), [&sheet](int, int) { return !sheet.stop->load(); });
    for (const auto& part : batch.parts) {
        releaseFontEngines(part.get());
        part->moveToThread(sheet.printing);
    }
    return batch;
}

void PrintUtils::forEachBatch(const Job& job, const std::function<bool(int, int, Paginated)>& each) const
{
    WorkerSheet sheet;
    sheet.pageSize = QSizeF(job.sheet.width(), job.contentHeight);
    sheet.designMetrics = job.designMetrics;
    for (const auto& [url, pixmap] : m_resources)
        sheet.images << qMakePair(QUrl(url), pixmap.toImage());
    sheet.printing = QThread::currentThread();
    sheet.stop = std::make_shared<std::atomic<bool>>(false);

    const int workers = AWorkAhead<Paginated>::spareThreads(kBatchWorkers);
    AWorkAhead<Paginated> ahead(workers, 2 * workers);
    const int items = m_batches.items;
    int read = 0;
    for (int first = 0; first < items; first += m_batches.perBatch) {
        while (!ahead.full() && read < items) {
            const int count = std::min(m_batches.perBatch, items - read);
            ahead.add([compose = m_batches.read(read, count), sheet] { return layOutOnWorker(compose(), sheet); });
            read += count;
        }
        Paginated batch = ahead.take();
        // Pixmaps again for painting: a PDF then holds each image once.
        for (const auto& part : batch.parts)
            addImages(part.get());
        if (!each(first, std::min(m_batches.perBatch, items - first), std::move(batch))) {
            sheet.stop->store(true);
            return;
        }
    }
}

int PrintUtils::countBatchPages(Job& job, AProgress& progress)
{
    int pages = 0;
    bool whole = true;
    forEachBatch(job, [&](int first, int count, Paginated batch) {
        pages += batch.pages;
        whole = progress.update(tr("Preparing the pages..."), first + count, m_batches.items);
        return whole;
    });
    return whole ? pages : -1;
}

int PrintUtils::expectedPages(Job& job, AProgress& progress)
{
    if (m_sceneMode)
        return std::max<int>(1, m_scenes.size());
    if (!m_batchMode)
        return job.content->pages;
    if (m_batches.pagesPerItem > 0)
        return m_batches.items * m_batches.pagesPerItem;
    return countBatchPages(job, progress);
}

void PrintUtils::print(QPrinter* printer)
{
    std::unique_ptr<QPrinter> own;
    printer = givenOrOwn(printer, own);
    m_cancelled = false;

    // Printing from the preview dialog hands us a printer with another engine.
    if (m_previewing && !m_previewEngine)
        m_previewEngine = printer->paintEngine();
    else if (m_previewing && m_previewEngine != printer->paintEngine())
        m_previewing = false;

    AProgress progress(parentWidget());
    std::unique_ptr<Job> job = std::move(m_prepared);
    if (job) {
        const QRectF paper = printer->paperRect(QPrinter::DevicePixel);
        const QSizeF sheet = paper.size() / printer->resolution() * kPageUnitsPerInch;
        if (job->designMetrics == m_previewing || !qFuzzyCompare(sheet.width(), job->sheet.width())
            || !qFuzzyCompare(sheet.height(), job->sheet.height()))
            job.reset();
    }
    if (!job)
        job = prepare(printer, !m_previewing, progress);
    if (!job || progress.cancelled()) {
        m_cancelled = progress.cancelled();
        return;
    }

    PdfBeside pdf(m_previewing ? nullptr : printer);
    QPainter painter;
    if (!painter.begin(printer)) {
        qWarning("Couldn't start painting on the printer");
        pdf.finish(false);
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const double scale = printer->resolution() / kPageUnitsPerInch;
    qDebug() << "printer->resolution() = " << printer->resolution();
    qDebug() << "scalefactor = " << scale;
    painter.scale(scale, scale);

    if (m_sceneMode)
        printScene(painter, *job, printer);
    else if (m_batchMode)
        printBatches(painter, *job, printer, progress);
    else
        printHtml(painter, *job, printer, progress);
    m_cancelled = progress.cancelled();
    if (m_cancelled)
        printer->abort();
    painter.end();
    pdf.finish(!m_cancelled);
}

void PrintUtils::printHtml(QPainter& painter, Job& job, QPrinter* printer, AProgress& progress)
{
    // One page per content page of the layout, so the count in the footer is
    // always the number of pages printed.
    const int pages = job.content->pages;
    job.headerHtml.replace(kPageCount, QString::number(pages));
    job.footerHtml.replace(kPageCount, QString::number(pages));
    printPages(painter, job, *job.content, 0, printer, [&](int page) {
        return progress.update(tr("Page %1 of %2").arg(page).arg(pages), page, pages);
    });
}

void PrintUtils::printBatches(QPainter& painter, Job& job, QPrinter* printer, AProgress& progress)
{
    // The page count costs a pass of its own, so it is only taken when shown.
    if ((m_header + m_footer).contains(kPageCount)) {
        const int pages = countBatchPages(job, progress);
        if (pages < 0)
            return;
        job.headerHtml.replace(kPageCount, QString::number(pages));
        job.footerHtml.replace(kPageCount, QString::number(pages));
    }
    const int items = m_batches.items;
    int page = 0;
    forEachBatch(job, [&](int first, int count, Paginated batch) {
        const int before = page;
        page = printPages(painter, job, batch, page, printer, [&](int at) {
            const int item = first + std::min(count - 1, (at - before - 1) * count / std::max(1, batch.pages)) + 1;
            return progress.update(m_batches.progressText.arg(item).arg(items), item, items);
        });
        return page >= 0;
    });
}

int PrintUtils::printPages(QPainter& painter, Job& job, const Paginated& pages, int page, QPrinter* printer,
                           const std::function<bool(int)>& progress)
{
    const double pageWidth = job.sheet.width();
    for (const auto& part : pages.parts) {
        QTextDocument* document = part.get();
        QRectF slice(0, 0, pageWidth / job.scale, job.contentHeight / job.scale);
        for (int inPart = 1; inPart <= document->pageCount(); ++inPart) {
            if (!progress(page + 1))
                return -1;
            if (++page > 1)
                printer->newPage();
            painter.save();
            painter.translate(0, job.headerSize.height());
            painter.scale(job.scale, job.scale);
            painter.translate(0, -slice.top());
            document->drawContents(&painter, slice);
            painter.restore();
            printFrame(painter, job, page);
            slice.translate(0, slice.height());
        }
    }
    return page;
}

void PrintUtils::printFrame(QPainter& painter, Job& job, int page)
{
    // Bills have neither: thousands of pages need not lay out nothing twice each.
    if (job.headerHtml.isEmpty() && job.footerHtml.isEmpty())
        return;
    const QString number = QString::number(page);
    painter.save();
    job.header->setHtml(QString(job.headerHtml).replace(kPageNumber, number));
    job.header->drawContents(&painter, job.headerRect);
    painter.translate(0, job.headerSize.height());
    painter.translate(0, job.contentHeight);
    job.footer->setHtml(QString(job.footerHtml).replace(kPageNumber, number));
    job.footer->drawContents(&painter, job.footerRect);
    painter.restore();
}

QSizeF PrintUtils::sceneArea(QPrinter* printer) const
{
    const QSizeF sheet = printer->paperRect(QPrinter::DevicePixel).size() / printer->resolution() * kPageUnitsPerInch;
    const std::unique_ptr<QTextDocument> header(createDocument(m_header));
    const std::unique_ptr<QTextDocument> footer(createDocument(m_footer));
    header->setPageSize(sheet);
    footer->setPageSize(sheet);
    return QSizeF(sheet.width() - 2 * kPageUnitsPerInch * cmToInch(1.0),
                  sheet.height() - header->size().height() - footer->size().height());
}

void PrintUtils::printScene(QPainter& painter, Job& job, QPrinter* printer)
{
    const double margin = kPageUnitsPerInch * cmToInch(1.0);
    for (int page = 0; page < m_scenes.size(); ++page) {
        if (page > 0)
            printer->newPage();
        job.header->drawContents(&painter, job.headerRect);
        if (QGraphicsScene* scene = m_scenes.at(page)) {
            scene->render(&painter,
                          QRectF(margin, job.headerSize.height(), job.sheet.width() - 2 * margin, job.contentHeight),
                          QRectF(), Qt::KeepAspectRatio);
        }
        painter.save();
        painter.translate(0, job.contentHeight + job.headerSize.height());
        job.footer->drawContents(&painter, QRectF(QPointF(0, 0), job.footerSize));
        painter.restore();
    }
}

void PrintUtils::fixTableFrames(QTextDocument* document, const std::function<bool()>& keepGoing)
{
    const std::function<bool()> goOn = keepGoing ? keepGoing : [] { return true; };
    const double pageHeight = document->pageSize().height();
    if (!(pageHeight > 0))
        return;
    document->setUndoRedoEnabled(false);
    // Tables known to begin at the top of a page: moving or splitting them
    // again could never make a row fit better, so they are never split at
    // their first body row.
    QSet<QTextFrame*> atPageTop;
    QSet<QTextFrame*> splitRests;
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
        QList<int> splits = splitRests.contains(table) ? predictSplits(rows, fit.splitRow, top - pageTop, pageHeight)
                                                       : QList<int>{fit.splitRow};
        if (rows.plainGrid())
            predictOnCopies(table, rows, splits, pageHeight, goOn);
        const QList<QTextTable*> parts = splitTable(table, splits, rows.plainGrid(), goOn);
        for (int i = 1; i < parts.size(); ++i)
            atPageTop.insert(parts.at(i));
        if (parts.size() > 1)
            splitRests.insert(parts.last());
        ++index;
    }
}
