#ifndef PRINTUTILS_H
#define PRINTUTILS_H

#include <QList>
#include <QObject>
#include <QPair>
#include <QPixmap>
#include <QSizeF>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class AProgress;
namespace ATablePages {
struct Pages;
}
class QGraphicsScene;
class QPaintEngine;
class QPrinter;
class QTextDocument;
class QWidget;

// Prints a document page by page with an HTML header and footer on every
// page, and runs its print preview. The content is either HTML, cut into
// pages with tables split between rows, or graphics scenes fitted to one
// page each. Geometry is in page units of 1/96 inch at any printer resolution.
// Headers and footers may carry "%%PAGENUM%%" and "%%PAGECOUNT%%".
// A job that lasts shows its progress and can be cancelled; a PDF file is
// written beside its name and takes it only once complete.
class PrintUtils : public QObject
{
    Q_OBJECT
public:
    // Content made of many like items (bills), laid out, printed and released
    // a batch at a time, so that memory stays bounded however many there are.
    // Each batch begins a page.
    struct Batches
    {
        int items = 0;
        int perBatch = 1;
        // Reads the items from first on, count of them, on the printing
        // thread, and answers what writes their HTML from what was read. That
        // runs on a worker thread while earlier pages print, so it may use
        // nothing but what it holds. Either may throw a std::exception when
        // items cannot be read or written: the print then stops, writes no
        // file and tells the user its what().
        std::function<std::function<QString()>(int first, int count)> read;
        // The pages every item takes when that is fixed; 0 when it varies.
        // Items of one page each (every one ending in a page break) are kept
        // to it: one whose texts run longer prints smaller.
        int pagesPerItem = 0;
        // The progress text, with "%1" the item being printed and "%2" the items.
        QString progressText;
    };

    PrintUtils(const QString& header, const QString& content, const QString& footer,
               QObject* parent = nullptr,
               QList<QPair<QString, QPixmap>> resources = QList<QPair<QString, QPixmap>>());
    PrintUtils(const QString& header, QGraphicsScene* scene, const QString& footer,
               QObject* parent = nullptr,
               QList<QPair<QString, QPixmap>> resources = QList<QPair<QString, QPixmap>>());
    // One page per scene, in order.
    PrintUtils(const QString& header, const QList<QGraphicsScene*>& scenes, const QString& footer,
               QObject* parent = nullptr);
    PrintUtils(const QString& header, const Batches& content, const QString& footer, QObject* parent = nullptr,
               QList<QPair<QString, QPixmap>> resources = QList<QPair<QString, QPixmap>>());
    ~PrintUtils() override;

    // Previews longer than this ask first: a preview holds every page in memory.
    static constexpr int kPreviewPageLimit = 500;

    static double inchToCm(double inches);
    static double cmToInch(double cm);

    // Modal print preview; the user prints from it. A preview of more than
    // kPreviewPageLimit pages is offered to be printed directly instead.
    void preview(QPrinter* printer = nullptr);
    // The platform's print dialog; prints only when it is accepted.
    void printWithDialog(QPrinter* printer = nullptr);
    // Splits the tables of a paginated document between rows at page
    // boundaries, repeating their head rows. Always ends; keeps every row.
    // keepGoing is asked now and then; false stops it half done.
    static void fixTableFrames(QTextDocument* document, const std::function<bool()>& keepGoing = {});
    // List tables print whole: no word or number broken over two lines, and
    // a column with nothing in it no wider than its title. When even so the
    // tables need more than the sheet's width, the content prints smaller.
    void setFitTables(bool fit) { m_fitTables = fit; }
    // A portrait sheet that the tables would not fit whole turns to
    // landscape when the pages are first prepared.
    void setTurnToFit(bool turn) { m_turnToFit = turn; }
    // Whether the tables of this HTML keep every word whole on a sheet this
    // many page units wide.
    static bool tablesFit(const QString& html, double sheetWidth);
    // The room a scene gets on a sheet of this printer, in page units.
    QSizeF sceneArea(QPrinter* printer) const;
    // Whether the user stopped the last print before its end.
    bool cancelled() const { return m_cancelled; }
    // Whether the last print failed: a job of it stopped, the printer took
    // it in error or its PDF file could not be written whole.
    bool failed() const { return m_failed; }
    // A failed print tells the user so unless the caller tells in its own words.
    void setTellsFailure(bool tell) { m_tellsFailure = tell; }

public slots:
    void print(QPrinter* printer = nullptr);
    void addResources(QList<QPair<QString, QPixmap>> resources);

private:
    struct Job;
    using Paginated = ATablePages::Pages;

    QTextDocument* createDocument(const QString& html) const;
    QWidget* parentWidget() const;
    // Header, footer, sheet and, in HTML mode, the content cut into pages.
    // Null when header and footer leave no room for content, or when the
    // user stopped the job while the content was prepared.
    // With asCut, HTML content is left to the job's worker to cut while its
    // pages are painted.
    std::unique_ptr<Job> prepare(QPrinter* printer, bool designMetrics, AProgress& progress, bool asCut = false);
    // Runs `each` on every batch in turn, laid out and cut into pages ahead
    // on worker threads; stops when it answers false. While a batch is
    // awaited, `waiting` keeps the windows answering and tells of Cancel.
    void forEachBatch(const Job& job, const std::function<bool(int first, int count, Paginated batch)>& each,
                      const std::function<bool(int first)>& waiting) const;
    // Pages a preview would have; -1 when cancelled.
    int expectedPages(Job& job, AProgress& progress);
    int countBatchPages(Job& job, AProgress& progress);
    bool askPrintDirectly(int pages, QPrinter* printer);
    // Prints the whole job; answers nothing when it printed or was
    // cancelled, else what stopped it (empty when there is no more to say).
    std::optional<QString> printOn(QPrinter* printer);
    void tellFailure(const QString& detail, const QString& file) const;
    bool beginPainting(QPainter& painter, QPrinter* printer) const;
    // The header and footer HTML with this page count in place.
    void setPageCount(Job& job, int pages) const;
    void printHtml(QPainter& painter, Job& job, QPrinter* printer, AProgress& progress);
    // Paints the pages as the worker cuts them, from the page count its
    // breaks foretell on; startOver discards what was painted when the
    // count comes out otherwise. False when the print could not go on.
    bool printHtmlAsCut(QPainter& painter, Job& job, QPrinter* printer, AProgress& progress,
                        const std::function<bool()>& startOver);
    void printBatches(QPainter& painter, Job& job, QPrinter* printer, AProgress& progress);
    // Paints the pages of one paginated document from page number `page` on,
    // freeing each part once painted; answers the page number of its last
    // page, or -1 when cancelled.
    int printPages(QPainter& painter, Job& job, Paginated& pages, int page, QPrinter* printer,
                   const std::function<bool(int)>& progress);
    // Paints the pages of one part from page number `page` on; answers the
    // page number of its last page, or -1 when cancelled.
    int printPart(QPainter& painter, Job& job, QTextDocument* document, double scale, int page, QPrinter* printer,
                  const std::function<bool(int)>& progress);
    // All at once, the parts of a long list would hold up the window.
    static void freeOneByOne(Paginated& pages, const std::function<void()>& between);
    void addImages(QTextDocument* document) const;
    // The header and footer of one page, numbered.
    void printFrame(QPainter& painter, Job& job, int page);
    void printScene(QPainter& painter, Job& job, QPrinter* printer);

    QString m_header;
    QString m_content;
    QList<QGraphicsScene*> m_scenes;
    QString m_footer;
    QList<QPair<QString, QPixmap>> m_resources;
    bool m_previewing = false;
    QPaintEngine* m_previewEngine = nullptr;
    bool m_sceneMode = false;
    Batches m_batches;
    bool m_batchMode = false;
    bool m_cancelled = false;
    bool m_failed = false;
    bool m_tellsFailure = true;
    bool m_fitTables = false;
    bool m_turnToFit = false;
    // What a preview prepared to count its pages, for its first paint.
    std::unique_ptr<Job> m_prepared;
};

#endif // PRINTUTILS_H
