#include "printutils.h"

#include "abatchpipeline.h"
#include "amemory.h"
#include "afilebeside.h"
#include "aprogress.h"
#include "aprompter.h"
#include "atablepages.h"

#include <QDebug>
#include <QDir>
#include <QGraphicsScene>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QTextTable>
#include <QImage>
#include <QUrl>
#include <QWidget>

#include <algorithm>
#include <exception>
#include <memory>
#include <optional>

using namespace ATablePages;

namespace {
constexpr double kPageUnitsPerInch = 96.0;
constexpr double kMinContentHeight = 12.0;

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
        m_file = std::make_unique<AFileBeside>(printer->outputFileName());
        if (m_file->isValid())
            printer->setOutputFileName(m_file->fileName());
    }

    // False when no file could be made beside the target: then nothing is
    // written, rather than straight over the earlier file.
    bool isReady() const { return !m_file || m_file->isValid(); }

    // Whether the print took its name, when it is to a file; else `whole`.
    bool finish(bool whole)
    {
        if (!m_file)
            return whole;
        m_printer->setOutputFileName(m_file->target());
        if (whole)
            return m_file->commit(&AFileBeside::isWholePdf);
        m_file->discard();
        return false;
    }

private:
    QPrinter* m_printer;
    std::unique_ptr<AFileBeside> m_file;
};

const QLatin1String kPageCount("%%PAGECOUNT%%");
const QLatin1String kPageNumber("%%PAGENUM%%");
} // namespace

// Header, footer and sheet of one print, and the content cut into pages.
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
    // The worker still cutting the content, when its pages are painted as
    // they come.
    std::unique_ptr<Worker> cutting;
    QString headerHtml;  // with the page count in place
    QString footerHtml;
    // What the header and footer documents hold now: a page that would set
    // the same HTML again keeps them as laid out.
    std::optional<QString> headerShown;
    std::optional<QString> footerShown;
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

// A long print's documents are gone with it: so is the memory they took.
PrintUtils::~PrintUtils()
{
    m_prepared.reset();
    AMemory::giveBack();
}

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
    std::optional<QString> failure;
    {
        AProgress progress(parentWidget());
        m_prepared = prepare(printer, false, progress);
        try {
            if (m_prepared)
                pages = expectedPages(*m_prepared, progress);
        } catch (const std::exception& error) {
            failure = QString::fromUtf8(error.what());
        }
        show = !progress.cancelled() && !failure;
    }
    if (failure) {
        m_prepared.reset();
        m_previewing = false;
        if (m_tellsFailure)
            tellFailure(*failure, QString());
        return;
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

std::unique_ptr<PrintUtils::Job> PrintUtils::prepare(QPrinter* printer, bool designMetrics, AProgress& progress,
                                                     bool asCut)
{
    // The content is parsed, measured and cut into pages on a worker thread,
    // so that the progress shows from the start and Cancel acts at once.
    std::unique_ptr<Worker> content;
    if (!m_sceneMode && !m_batchMode) {
        QList<QPair<QUrl, QImage>> images;
        for (const auto& [url, pixmap] : m_resources)
            images << qMakePair(QUrl(url), pixmap.toImage());
        content = std::make_unique<Worker>(m_content, m_fitTables, images);
    }
    const Worker::Waiting waiting = [&progress](int done, int parts) {
        return progress.update(tr("Preparing the pages..."), done, parts);
    };
    double needed = 0.0;
    if (content && !content->widthNeeded(&needed, waiting))
        return nullptr;
    if (content && m_turnToFit) {
        m_turnToFit = false;
        const double portraitWidth = printer->pageLayout().pageSize().sizePoints().width() * kPageUnitsPerInch / 72.0;
        printer->setPageOrientation(needed <= portraitWidth ? QPageLayout::Portrait : QPageLayout::Landscape);
    }

    auto job = std::make_unique<Job>();
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
    Worker::Sheet sheet{QSizeF(job->sheet.width(), job->contentHeight), designMetrics};
    // Smaller rather than a word broken: laid out wider, painted scaled down.
    if (m_fitTables && needed > job->sheet.width()) {
        job->scale = job->sheet.width() / needed;
        sheet.pageSize = QSizeF(needed, job->contentHeight / job->scale);
    }

    job->designMetrics = designMetrics;
    if (designMetrics) {
        qDebug() << "usando design metrics";
        job->header->setUseDesignMetrics(true);
        job->footer->setUseDesignMetrics(true);
    }
    job->headerRect = QRectF(QPointF(0, 0), job->headerSize);
    job->footerRect = QRectF(QPointF(0, 0), job->footer->size());
    job->headerHtml = m_header;
    job->footerHtml = m_footer;
    if (content && asCut) {
        content->start(sheet);
        job->cutting = std::move(content);
    } else if (content) {
        job->content = std::make_unique<Paginated>();
        if (!content->pages(sheet, job->content.get(), waiting))
            return nullptr;
        // Pixmaps again for painting: a PDF then holds each image once.
        for (const auto& part : job->content->parts)
            addImages(part.get());
    }
    return job;
}

void PrintUtils::forEachBatch(const Job& job, const std::function<bool(int, int, Paginated)>& each,
                              const std::function<bool(int)>& waiting) const
{
    ABatchPipeline::Sheet sheet;
    sheet.pageSize = QSizeF(job.sheet.width(), job.contentHeight);
    sheet.designMetrics = job.designMetrics;
    sheet.resources = m_resources;
    ABatchPipeline::forEachBatch(m_batches, sheet, each, waiting);
}

int PrintUtils::countBatchPages(Job& job, AProgress& progress)
{
    int pages = 0;
    bool whole = true;
    const auto preparing = [&](int done) {
        whole = progress.update(tr("Preparing the pages..."), done, m_batches.items);
        return whole;
    };
    forEachBatch(
        job,
        [&](int first, int count, Paginated batch) {
            pages += batch.pages;
            return preparing(first + count);
        },
        preparing);
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
    m_failed = false;
    const bool toFile = printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty();
    const std::optional<QString> failure = printOn(printer);
    m_failed = !m_cancelled && failure.has_value();
    if (m_failed && m_tellsFailure)
        tellFailure(*failure, toFile && !m_previewing ? printer->outputFileName() : QString());
}

std::optional<QString> PrintUtils::printOn(QPrinter* printer)
{
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
    // Only a file can start over, should the pages come out more or fewer
    // than foretold: the pages are then painted while they are cut.
    const bool toFile = !m_previewing && printer->outputFormat() == QPrinter::PdfFormat
                        && !printer->outputFileName().isEmpty();
    if (!job)
        job = prepare(printer, !m_previewing, progress, toFile && !m_sceneMode && !m_batchMode);
    if (!job || progress.cancelled()) {
        m_cancelled = progress.cancelled();
        return std::nullopt;
    }

    std::optional<PdfBeside> pdf(std::in_place, m_previewing ? nullptr : printer);
    if (!pdf->isReady())
        return QString();
    QPainter painter;
    if (!beginPainting(painter, printer)) {
        pdf->finish(false);
        return QString();
    }
    // What was painted goes, and the file is written again from its start.
    const auto startOver = [&] {
        painter.end();
        pdf->finish(false);
        pdf.emplace(printer);
        return pdf->isReady() && beginPainting(painter, printer);
    };

    std::optional<QString> failure;
    // A job that throws (a bill that can no longer be read, a worker that
    // failed) stops the print: nothing of it may pass for whole.
    try {
        if (m_sceneMode)
            printScene(painter, *job, printer);
        else if (m_batchMode)
            printBatches(painter, *job, printer, progress);
        else if (job->cutting && !printHtmlAsCut(painter, *job, printer, progress, startOver))
            failure = QString();
        else if (!job->cutting)
            printHtml(painter, *job, printer, progress);
    } catch (const std::exception& error) {
        qWarning() << "The print stopped:" << error.what();
        failure = QString::fromUtf8(error.what());
    } catch (...) {
        qWarning() << "The print stopped on an unknown error";
        failure = QString();
    }
    m_cancelled = progress.cancelled() && !failure;
    if (m_cancelled || failure.has_value())
        printer->abort();
    const bool ended = painter.isActive() && painter.end();
    const bool whole = !m_cancelled && !failure && ended && printer->printerState() != QPrinter::Error;
    if (!pdf->finish(whole) && !failure && !m_cancelled)
        failure = QString();
    return failure;
}

void PrintUtils::tellFailure(const QString& detail, const QString& file) const
{
    QString text = tr("The print could not be completed.");
    if (!file.isEmpty())
        text += QLatin1Char('\n')
                + tr("The file %1 could not be written whole; an earlier file of that name is left as it was.")
                      .arg(QDir::toNativeSeparators(file));
    if (!detail.isEmpty())
        text += QLatin1Char('\n') + detail;
    APrompter::warning(tr("Print"), APrompter::asText(text), parentWidget());
}

bool PrintUtils::beginPainting(QPainter& painter, QPrinter* printer) const
{
    if (!painter.begin(printer)) {
        qWarning("Couldn't start painting on the printer");
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const double scale = printer->resolution() / kPageUnitsPerInch;
    qDebug() << "printer->resolution() = " << printer->resolution();
    qDebug() << "scalefactor = " << scale;
    painter.scale(scale, scale);
    return true;
}

void PrintUtils::setPageCount(Job& job, int pages) const
{
    job.headerHtml = QString(m_header).replace(kPageCount, QString::number(pages));
    job.footerHtml = QString(m_footer).replace(kPageCount, QString::number(pages));
}

void PrintUtils::printHtml(QPainter& painter, Job& job, QPrinter* printer, AProgress& progress)
{
    // One page per content page of the layout, so the count in the footer is
    // always the number of pages printed.
    const int pages = job.content->pages;
    setPageCount(job, pages);
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
    const auto printing = [&](int item) { return progress.update(m_batches.progressText.arg(item).arg(items), item, items); };
    forEachBatch(
        job,
        [&](int first, int count, Paginated batch) {
            const int before = page;
            page = printPages(painter, job, batch, page, printer, [&](int at) {
                return printing(first + std::min(count - 1, (at - before - 1) * count / std::max(1, batch.pages)) + 1);
            });
            return page >= 0;
        },
        [&](int first) { return printing(first + 1); });
}

bool PrintUtils::printHtmlAsCut(QPainter& painter, Job& job, QPrinter* printer, AProgress& progress,
                                const std::function<bool()>& startOver)
{
    // Every part is kept until the page count is sure: should the pages come
    // out more or fewer than foretold, all of them are painted again.
    Paginated kept;
    std::size_t painted = 0;
    int page = 0;
    int count = -1;  // in the footers of the pages painted
    bool voided = false;
    const Worker::Waiting preparing = [&progress](int done, int parts) {
        return progress.update(tr("Preparing the pages..."), done, parts);
    };
    const auto pageDone = [&](int at) { return progress.update(tr("Page %1 of %2").arg(at).arg(count), at, count); };
    const auto paintKept = [&] {
        for (; painted < kept.parts.size() && page >= 0; ++painted)
            page = printPart(painter, job, kept.parts.at(painted).get(), job.scale, page, printer, pageDone);
        return page >= 0;
    };
    Worker::Made made;
    while (!made.ended) {
        if (!job.cutting->more(&made, preparing))
            return true;  // cancelled
        for (auto& part : made.parts) {
            voided = voided || !part;
            if (!part) {
                kept.parts.clear();
                painted = 0;
                continue;
            }
            addImages(part.get());
            kept.parts.push_back(std::move(part));
        }
        if (count < 0 && made.foretold > 0 && !voided) {
            count = made.foretold;
            setPageCount(job, count);
        }
        if (count >= 0 && !voided && !paintKept())
            return true;
    }
    if (made.pages != count || voided) {
        if (page > 0 && !startOver())
            return false;
        page = 0;
        painted = 0;
        count = made.pages;
        setPageCount(job, count);
    }
    if (!paintKept())
        return true;
    freeOneByOne(kept, [&] { pageDone(count); });
    return true;
}

int PrintUtils::printPart(QPainter& painter, Job& job, QTextDocument* document, double scale, int page,
                          QPrinter* printer, const std::function<bool(int)>& progress)
{
    QRectF slice(0, 0, job.sheet.width() / scale, job.contentHeight / scale);
    for (int inPart = 1; inPart <= document->pageCount(); ++inPart) {
        if (!progress(page + 1))
            return -1;
        if (++page > 1)
            printer->newPage();
        painter.save();
        painter.translate(0, job.headerSize.height());
        painter.scale(scale, scale);
        painter.translate(0, -slice.top());
        document->drawContents(&painter, slice);
        painter.restore();
        printFrame(painter, job, page);
        slice.translate(0, slice.height());
    }
    return page;
}

int PrintUtils::printPages(QPainter& painter, Job& job, Paginated& pages, int page, QPrinter* printer,
                           const std::function<bool(int)>& progress)
{
    for (std::size_t i = 0; i < pages.parts.size() && page >= 0; ++i) {
        page = printPart(painter, job, pages.parts.at(i).get(), job.scale * pages.scaleOf(i), page, printer, progress);
        // Freed one by one between pages rather than all at once at the end,
        // which for a long list would hold up the window.
        pages.parts.at(i).reset();
    }
    return page;
}

void PrintUtils::freeOneByOne(Paginated& pages, const std::function<void()>& between)
{
    for (auto& part : pages.parts) {
        part.reset();
        between();
    }
    pages.parts.clear();
}

namespace {
// Parsing and laying out the same header again for every page of a long
// list costs more than painting it.
void showHtml(QTextDocument* document, std::optional<QString>& shown, const QString& html)
{
    if (shown == html)
        return;
    document->setHtml(html);
    shown = html;
}
} // namespace

void PrintUtils::printFrame(QPainter& painter, Job& job, int page)
{
    // Bills have neither: thousands of pages need not lay out nothing twice each.
    if (job.headerHtml.isEmpty() && job.footerHtml.isEmpty())
        return;
    const QString number = QString::number(page);
    painter.save();
    showHtml(job.header.get(), job.headerShown, QString(job.headerHtml).replace(kPageNumber, number));
    job.header->drawContents(&painter, job.headerRect);
    painter.translate(0, job.headerSize.height());
    painter.translate(0, job.contentHeight);
    showHtml(job.footer.get(), job.footerShown, QString(job.footerHtml).replace(kPageNumber, number));
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
    ATablePages::fixTableFrames(document, keepGoing);
}
