#ifndef ATABLEPAGES_H
#define ATABLEPAGES_H

#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QTextDocument;
class QTextTable;

// Cuts HTML documents into pages: long tables split between rows at page
// edges with their head rows repeated, list tables fitted to the sheet.
// Nothing here ties a document to a thread unless it is laid out, so worker
// threads may use it on documents of their own.
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
// Lays each part out at its page size and splits its tables; stops early
// when progress(done, parts) answers false.
Pages layOut(Parts parts, const std::function<bool(int, int)>& progress);
// Splits the tables of a paginated document between rows at page
// boundaries, repeating their head rows. Always ends; keeps every row.
// keepGoing is asked now and then; false stops it half done.
void fixTableFrames(QTextDocument* document, const std::function<bool()>& keepGoing = {});

// The top-level tables of a document.
QList<QTextTable*> tablesOf(QTextDocument* document);
// Columns with nothing below their head get the width of their title.
void narrowEmptyColumns(QTextTable* table);
// The width the document needs so that no table breaks a word.
double wholeWordsWidth(QTextDocument* document);
} // namespace ATablePages

#endif // ATABLEPAGES_H
