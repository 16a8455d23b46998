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

#include <memory>
#include <vector>

namespace {
constexpr double kPageUnitsPerInch = 96.0;
constexpr double kMinContentHeight = 12.0;
// Space kept free above a page bottom when a table is split there.
constexpr double kSplitSlack = 20.0;

// Height of one table row: its tallest cell, each cell measured as its blocks
// plus borders and padding.
double rowHeight(QTextTable* table, int row, double border, double padding)
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
            if (block.isValid() && block.layout())
                height += block.layout()->boundingRect().height();
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
    QAbstractTextDocumentLayout* layout = document->documentLayout();

    // Tables known to begin at the top of a page: moving or splitting them
    // again could never make a row fit better, so they are never split at
    // their first body row.
    QSet<QTextFrame*> atPageTop;
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
        const QRectF box = layout->frameBoundingRect(table);
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

        const QTextTableFormat format = table->format();
        const double border = format.border();
        const double spacing = format.cellSpacing();
        const double padding = format.cellPadding();
        const double bottomMargin = format.bottomMargin();
        const int headRows = format.headerRowCount();
        const bool startsPage = atPageTop.contains(table);

        // Everything a page needs besides the rows themselves, so that one can
        // tell whether a row would fit at the top of a fresh page at all.
        const double above = 2 * border + spacing + padding + border + format.topMargin();
        const double below = spacing + border + bottomMargin + kSplitSlack;
        const double base = top - 2 * border - spacing - padding;
        double running = border;
        double headHeight = 0.0;
        int splitRow = -1;
        bool moveTable = false;
        for (int row = 0; row < table->rows(); ++row) {
            const double height = spacing + rowHeight(table, row, border, padding);
            running += height;
            if (row < headRows)
                headHeight += height;
            const double rowBottom = base + running;
            if (rowBottom + below <= pageBottom)
                continue;
            const double onFreshPage = above + (row < headRows ? headHeight : headHeight + height) + below;
            const bool wouldFit = onFreshPage <= pageHeight;
            if (row > headRows) {
                splitRow = row;
                break;
            }
            if (wouldFit && !startsPage) {
                // Nothing of the body fits here: break before the table, or
                // leave only its head rows, and go on on the next page.
                if (row == 0)
                    moveTable = true;
                else
                    splitRow = row;
                break;
            }
            // Not even a fresh page holds the row: it runs over the page edge.
            while (rowBottom > pageBottom) {
                pageTop = pageBottom;
                pageBottom = pageTop + pageHeight;
            }
        }

        if (moveTable) {
            setBreakPolicy(table, format.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
            atPageTop.insert(table);
            continue;  // measure the same table again on its new page
        }
        if (splitRow < 0) {
            ++index;
            continue;
        }

        QTextTable* copy = duplicateAfter(table);
        const int rows = table->rows();
        table->removeRows(splitRow, rows - splitRow);
        setBreakPolicy(table, format.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysAfter);
        if (copy) {
            if (splitRow > headRows)
                copy->removeRows(headRows, splitRow - headRows);
            // The rest follows the break on the next page and keeps the
            // table's own break after it.
            setBreakPolicy(copy, format.pageBreakPolicy() & ~QTextFormat::PageBreak_AlwaysBefore);
            atPageTop.insert(copy);
        }
        ++index;
    }
}
