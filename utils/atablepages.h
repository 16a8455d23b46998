#ifndef ATABLEPAGES_H
#define ATABLEPAGES_H

#include <QImage>
#include <QList>
#include <QPair>
#include <QSizeF>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>
#include <vector>

class QTextDocument;
class QTextTable;

// Cuts HTML documents into pages: long tables split between rows at page
// edges with their head rows repeated, list tables fitted to the sheet.
// Nothing here ties a document to a thread unless it is laid out, so worker
// threads may use it on documents of their own.
class QThread;

namespace ATablePages {
using Parts = std::vector<std::unique_ptr<QTextDocument>>;

// A document cut into pages: parts that each begin a page.
struct Pages
{
    Parts parts;
    int pages = 0;
    // How much smaller than laid out each part is painted; 1 for a part
    // not listed.
    std::vector<double> scales;
    double scaleOf(std::size_t part) const { return part < scales.size() ? scales.at(part) : 1.0; }
};

// A document of this HTML without margins, undo or layout.
std::unique_ptr<QTextDocument> bareDocument(const QString& html);
// The document cut after every top-level table that breaks the page after
// it, each part a copy set like it; the document itself when there is no
// such table. Parts that begin pages of their own lay out far faster one by
// one than the whole document at once.
Parts splitAtPageBreaks(std::unique_ptr<QTextDocument> content);
// Hears of a cut while it goes on, on the thread that cuts. The parts
// handed on are laid out, and left out of the pages answered, which still
// count their pages.
struct Stream
{
    // The page count that the breaks foretell, once they are known.
    std::function<void(int pages)> foretold;
    // Each part once it and those before it are done, in page order.
    std::function<void(std::unique_ptr<QTextDocument> part)> part;
    // The parts handed on are void: the pages answered hold them all.
    std::function<void()> withdrawn;
};

// Lays each part out at its page size and splits its tables; stops early
// when progress(done, parts) answers false. With cutApart, a long plain table
// that ends its part is cut into parts of its own instead of within it (the
// same pages, without laying the whole part out again); the parts answered
// may then outnumber those given.
// With a stream, a single part cut apart hands its parts on as they are done.
Pages layOut(Parts parts, const std::function<bool(int, int)>& progress, bool cutApart = false,
             const Stream* stream = nullptr);
// Splits the tables of a paginated document between rows at page
// boundaries, repeating their head rows. Always ends; keeps every row.
// keepGoing is asked now and then; false stops it half done.
void fixTableFrames(QTextDocument* document, const std::function<bool()>& keepGoing = {});

// A document's HTML parsed, measured and cut into pages on a worker thread,
// in two steps: first the width its tables need, so that the thread that
// asked can choose the sheet, and then the pages, whole or part by part as
// they are done. The asking thread keeps its windows painted and its Cancel
// working meanwhile, and may leave at any moment: what the worker made is
// then freed on the worker, however long the step it is in takes to end.
class Worker
{
public:
    struct Sheet
    {
        QSizeF pageSize;  // empty: the job is given up
        bool designMetrics = false;
    };
    // What the asking thread does while it waits; false gives the job up.
    using Waiting = std::function<bool(int done, int total)>;

    Worker(const QString& html, bool fitTables, const QList<QPair<QUrl, QImage>>& images);
    ~Worker();
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    // What the cut made since the asking thread last took of it.
    struct Made
    {
        // Parts laid out, in page order; a null one voids all those before it.
        Parts parts;
        // The page count the breaks foretell; -1 while unknown. The pages
        // may still come out more or fewer.
        int foretold = -1;
        bool ended = false;  // the cut is over, and `pages` its page count
        int pages = 0;
    };

    // The width no table breaks a word at (0 unless fitting tables); false
    // when the waiting gave up.
    bool widthNeeded(double* width, const Waiting& waiting);
    // Lets the cut at this sheet begin; a sheet given again is ignored.
    void start(const Sheet& sheet);
    // Waits until the cut has more to tell than `made` holds, and takes it,
    // on the asking thread; false when the waiting gave up.
    bool more(Made* made, const Waiting& waiting);
    // The pages at this sheet, on the asking thread; false when the waiting gave up.
    bool pages(const Sheet& sheet, Pages* pages, const Waiting& waiting);

private:
    struct State;
    static void run(const std::shared_ptr<State>& state);
    std::shared_ptr<State> m_state;
};

// The top-level tables of a document.
QList<QTextTable*> tablesOf(QTextDocument* document);
// Columns with nothing below their head get the width of their title.
void narrowEmptyColumns(QTextTable* table);
// The width the document needs so that no table breaks a word.
double wholeWordsWidth(QTextDocument* document);
// Gives a document laid out on this thread to the thread that paints it:
// its font engines let go and its layout's pending timers settled here.
void handOver(QTextDocument* document, QThread* painting);
} // namespace ATablePages

#endif // ATABLEPAGES_H
