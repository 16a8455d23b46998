#include "atablepages.h"
#include "filesizelimit.h"
#include "messagecapture.h"
#include "outputfiles.h"
#include "printutils.h"
#include "scriptedprompter.h"
#include "testmain.h"

#include <QApplication>
#include <QDir>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>
#include <QTimer>

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <atomic>
#include <functional>
#include <memory>
#include <stdexcept>

using namespace outputfiles;

namespace {
// A listing table like the ones the list pages print.
QString tableHtml(int rows, int firstRowLines = 1)
{
    QString html = QStringLiteral("<table width=\"100%\" border=\"1\" cellspacing=\"-1\" cellpadding=\"4\">"
                                  "<thead><tr><th>Name</th><th>Amount</th></tr></thead>");
    for (int i = 1; i <= rows; ++i) {
        QString name = QStringLiteral("Row%1").arg(i, 3, 10, QLatin1Char('0'));
        if (i == 1)
            for (int l = 1; l < firstRowLines; ++l)
                name += QStringLiteral("<br/>line%1").arg(l);
        html += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>").arg(name).arg(i * 1.5);
    }
    return html + QStringLiteral("</table>");
}

// Counts the body rows of the laid-out tables, and those that a page edge cuts
// although they would fit on one page.
struct RowCheck
{
    int bodyRows = 0;
    int tables = 0;
    int cutRows = 0;
};

RowCheck checkRows(QTextDocument* doc)
{
    RowCheck check;
    const double page = doc->pageSize().height();
    QAbstractTextDocumentLayout* layout = doc->documentLayout();
    doc->size();
    for (QTextFrame* frame : doc->rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table)
            continue;
        ++check.tables;
        check.bodyRows += table->rows() - table->format().headerRowCount();
        for (int r = 0; r < table->rows(); ++r) {
            const QTextTableCell cell = table->cellAt(r, 0);
            const double top = layout->blockBoundingRect(cell.firstCursorPosition().block()).top();
            const double bottom = layout->blockBoundingRect(cell.lastCursorPosition().block()).bottom();
            if (bottom - top < page && int(top / page) != int((bottom - 0.01) / page))
                ++check.cutRows;
        }
    }
    return check;
}

QTextDocument* paginated(const QString& html)
{
    auto* doc = new QTextDocument;
    doc->setHtml(html);
    doc->setDocumentMargin(0);
    doc->setPageSize(QSizeF(816, 906));
    return doc;
}
// The texts on each page of a print's parts, page after page.
QStringList pageTexts(const ATablePages::Pages& pages)
{
    QStringList texts;
    for (const auto& part : pages.parts) {
        const double height = part->pageSize().height();
        const qsizetype first = texts.size();
        QAbstractTextDocumentLayout* layout = part->documentLayout();
        for (QTextBlock block = part->begin(); block.isValid(); block = block.next()) {
            if (block.text().isEmpty())
                continue;  // prints nothing: the block every table leaves after it
            const qsizetype page = first + qsizetype(layout->blockBoundingRect(block).top() / height);
            while (texts.size() <= page)
                texts << QString();
            texts[page] += block.text() + QLatin1Char('|');
        }
        while (texts.size() < first + part->pageCount())
            texts << QString();
    }
    return texts;
}

// A list laid out as a print lays it out, its tables cut in place or apart.
ATablePages::Pages laidOutList(const QString& html, bool apart)
{
    ATablePages::Parts parts = ATablePages::splitAtPageBreaks(ATablePages::bareDocument(html));
    for (const auto& part : parts)
        part->setPageSize(QSizeF(816, 906));
    return ATablePages::layOut(std::move(parts), [](int, int) { return true; }, apart);
}
// Items that print one page each, slowly enough for a job to last.
PrintUtils::Batches slowPages(int items, int msPerBatch, int* produced = nullptr)
{
    PrintUtils::Batches pages;
    pages.items = items;
    pages.perBatch = 5;
    pages.pagesPerItem = 1;
    pages.progressText = QStringLiteral("Sheet %1 of %2");
    pages.read = [msPerBatch, produced](int first, int count) {
        QThread::msleep(msPerBatch);
        if (produced)
            *produced = first + count;
        return std::function<QString()>([first, count] {
            QString html;
            for (int i = first; i < first + count; ++i)
                html += QStringLiteral("<p%1>Sheet number %2</p>")
                            .arg(i + 1 < first + count ? QStringLiteral(" style=\"page-break-after:always\"") : QString())
                            .arg(i + 1);
            return html;
        });
    };
    return pages;
}

// Runs `act` on the first visible top-level widget of type T that appears
// while `owner` lives; answers whether one did.
template <typename T>
std::shared_ptr<bool> whenShown(QObject* owner, std::function<void(T*)> act, int timeoutMs = 20000)
{
    auto seen = std::make_shared<bool>(false);
    auto* timer = new QTimer(owner);
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act, seen, started, timeoutMs] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* widget = qobject_cast<T*>(top); widget && widget->isVisible()) {
                *seen = true;
                timer->deleteLater();
                timer->stop();
                act(widget);
                return;
            }
        }
        if (started->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(20);
    return seen;
}

// The numbers of the "RowNNN" cells a page shows, in order.
QList<int> rowNumbers(const QString& pageText)
{
    static const QRegularExpression rowRe(QStringLiteral("Row(\\d{3})"));
    QList<int> numbers;
    for (auto it = rowRe.globalMatch(pageText); it.hasNext();)
        numbers << it.next().captured(1).toInt();
    return numbers;
}
} // namespace

class TestPrintUtils : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_tmp;

    // A file the user had under the name a print is about to take.
    static QString earlierFile(const QTemporaryDir& dir)
    {
        const QString pdf = dir.filePath(QStringLiteral("sheets.pdf"));
        QFile old(pdf);
        if (!old.open(QIODevice::WriteOnly) || old.write("earlier file") != 12)
            return QString();
        return pdf;
    }

    QString printToPdf(PrintUtils& pu, const QString& name,
                       QPageLayout::Orientation orientation = QPageLayout::Portrait)
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        printer.setPageOrientation(orientation);
        printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = m_tmp.filePath(name);
        printer.setOutputFileName(pdf);
        pu.print(&printer);
        return pdf;
    }

    // The first spacer before the table that brings what bottomOf measures to
    // less than slack above the first page's bottom edge; empty when none does.
    static QString spacedToPageBottom(const QString& table, double slack, const std::function<double(QTextDocument*)>& bottomOf)
    {
        for (int spacer = 700; spacer < 906; ++spacer) {
            const QString candidate = QStringLiteral("<p>top</p><p style=\"margin-top:%1px\">spacer</p>").arg(spacer) + table;
            QScopedPointer<QTextDocument> probe(paginated(candidate));
            probe->size();
            const double bottom = bottomOf(probe.data());
            if (bottom <= 906 && bottom + slack > 906)
                return candidate;
        }
        return {};
    }

private slots:
    void init() { TestEnv::resetCase(); }

    void longListingOnThreePages()
    {
        const QString header = QStringLiteral("<p>Academy listing, sheet %%PAGENUM%%</p><p>&nbsp;</p>");
        const QString footer = QStringLiteral("<p align=\"center\">page %%PAGENUM%% of %%PAGECOUNT%%</p>");
        PrintUtils pu(header, tableHtml(120), footer);
        const QString pdf = printToPdf(pu, QStringLiteral("long.pdf"));
        QCOMPARE(pdfPages(pdf), 3);

        QList<int> seen;
        for (int page = 1; page <= 3; ++page) {
            const QString text = pdfText(pdf, page);
            QVERIFY2(text.contains(QStringLiteral("Academy listing, sheet %1").arg(page)), qPrintable(text));
            QVERIFY2(text.contains(QStringLiteral("page %1 of 3").arg(page)), qPrintable(text));
            QCOMPARE(text.count(QStringLiteral("Name")), 1); // the head row starts every page
            seen << rowNumbers(text);
        }
        // a row cut by a page edge would be drawn on two pages
        QCOMPARE(seen.size(), 120);
        for (int i = 0; i < seen.size(); ++i)
            QCOMPARE(seen.at(i), i + 1);
    }

    void tableSplitKeepsEveryRowOnce_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<int>("rows");
        QTest::newRow("two long tables") << QStringLiteral("<p>Before</p>") + tableHtml(300)
                                                + QStringLiteral("<p>Between</p>") + tableHtml(40)
                                         << 340;
        // a row taller than a page runs over the edge once, and splitting still ends
        QTest::newRow("first row taller than a page") << tableHtml(60, 90) << 60;
        QString tallInside = tableHtml(50);
        tallInside.replace(QStringLiteral("Row030</td>"), QStringLiteral("Row030") + QStringLiteral("<br/>tall").repeated(90)
                                                              + QStringLiteral("</td>"));
        QTest::newRow("tall row after a page of rows") << tallInside << 50;
    }

    void tableSplitKeepsEveryRowOnce()
    {
        QFETCH(QString, html);
        QFETCH(int, rows);
        QScopedPointer<QTextDocument> doc(paginated(html));
        PrintUtils::fixTableFrames(doc.data());
        const RowCheck check = checkRows(doc.data());
        QCOMPARE(check.bodyRows, rows);
        QCOMPARE(check.cutRows, 0);
        QVERIFY(check.tables > 1);
    }

    // A long table of rows of several heights, some of whose texts decide the
    // column widths, printed over many landscape pages: every page is full,
    // has its header and head row, and no row is lost, cut or printed twice.
    void longTableOverManyPages()
    {
        QString html = tableHtml(300);
        for (int i = 7; i <= 300; i += 7)
            html.replace(QStringLiteral("<td>Row%1</td>").arg(i, 3, 10, QLatin1Char('0')),
                         QStringLiteral("<td>Row%1 %2</td>").arg(i, 3, 10, QLatin1Char('0'))
                             .arg(QStringLiteral("wrapping words ").repeated(i % 40)));

        QScopedPointer<QTextDocument> doc(paginated(html));
        doc->setPageSize(QSizeF(1056, 700));
        PrintUtils::fixTableFrames(doc.data());
        const RowCheck check = checkRows(doc.data());
        QCOMPARE(check.bodyRows, 300);
        QCOMPARE(check.cutRows, 0);
        QVERIFY(check.tables > 8);
        // a part that leaves room for the next part's first row was cut too early
        QAbstractTextDocumentLayout* layout = doc->documentLayout();
        const QList<QTextFrame*> parts = doc->rootFrame()->childFrames();
        for (int i = 0; i + 1 < parts.size(); ++i) {
            auto* next = qobject_cast<QTextTable*>(parts.at(i + 1));
            const double bottom = layout->frameBoundingRect(parts.at(i)).bottom();
            const double pageBottom = (int(bottom / 700) + 1) * 700.0;
            const double rowTop = layout->blockBoundingRect(next->cellAt(1, 0).firstCursorPosition().block()).top();
            const double rowBottom = layout->blockBoundingRect(next->cellAt(2, 0).firstCursorPosition().block()).top();
            QVERIFY2(bottom + (rowBottom - rowTop) + 20 > pageBottom - 12,
                     qPrintable(QStringLiteral("part %1 ends at %2 of a page ending at %3").arg(i).arg(bottom).arg(pageBottom)));
        }

        const QString header = QStringLiteral("<p>Listing sheet %%PAGENUM%% of %%PAGECOUNT%%</p>");
        PrintUtils pu(header, html, QStringLiteral("<p>end of sheet %%PAGENUM%%</p>"));
        const QString pdf = printToPdf(pu, QStringLiteral("manypages.pdf"), QPageLayout::Landscape);
        const int pages = pdfPages(pdf);
        QVERIFY(pages > 8);
        QList<int> seen;
        for (int page = 1; page <= pages; ++page) {
            const QString text = pdfText(pdf, page);
            QVERIFY2(text.contains(QStringLiteral("Listing sheet %1 of %2").arg(page).arg(pages)), qPrintable(text));
            QVERIFY2(text.contains(QStringLiteral("end of sheet %1").arg(page)), qPrintable(text));
            QCOMPARE(text.count(QStringLiteral("Name")), 1);
            seen << rowNumbers(text);
        }
        QCOMPARE(seen.size(), 300);
        for (int i = 0; i < seen.size(); ++i)
            QCOMPARE(seen.at(i), i + 1);
    }

    void tableStartingNearPageBottomMoves()
    {
        // A spacer pushes the table down until its first row still ends on the
        // first page, but inside the space a split keeps free: the row cannot be
        // split off, so the whole table moves to the next page.
        const QString table = QStringLiteral("<table border=\"1\" cellpadding=\"4\"><tr><td>First<br/>row</td>"
                                             "<td>Only</td></tr></table>");
        const QString html = spacedToPageBottom(table, 12, [](QTextDocument* probe) {
            auto* t = qobject_cast<QTextTable*>(probe->rootFrame()->childFrames().constFirst());
            return probe->documentLayout()->blockBoundingRect(t->cellAt(0, 0).lastCursorPosition().block()).bottom();
        });
        QVERIFY(!html.isEmpty());
        QScopedPointer<QTextDocument> doc(paginated(html));
        PrintUtils::fixTableFrames(doc.data());
        const RowCheck check = checkRows(doc.data());
        QCOMPARE(check.tables, 1);
        QCOMPARE(check.bodyRows, 1);
        auto* moved = qobject_cast<QTextTable*>(doc->rootFrame()->childFrames().constFirst());
        QVERIFY(doc->documentLayout()->frameBoundingRect(moved).top() >= 906);
        QCOMPARE(doc->pageCount(), 2);
    }

    void tableEndingJustAbovePageBottomStays()
    {
        // The table ends on its page, closer to the bottom than a split would
        // leave free: nothing needs splitting, so it stays where it is and what
        // follows it goes on on the same page.
        const QString table = QStringLiteral("<table border=\"1\" cellpadding=\"4\"><tr><td>Only<br/>row</td></tr></table>");
        const QString html = spacedToPageBottom(table, 8, [](QTextDocument* probe) {
            return probe->documentLayout()->frameBoundingRect(probe->rootFrame()->childFrames().constFirst()).bottom();
        });
        QVERIFY(!html.isEmpty());
        QScopedPointer<QTextDocument> doc(paginated(html));
        PrintUtils::fixTableFrames(doc.data());
        QCOMPARE(doc->rootFrame()->childFrames().size(), 1);
        auto* stayed = qobject_cast<QTextTable*>(doc->rootFrame()->childFrames().constFirst());
        QCOMPARE(stayed->format().pageBreakPolicy(), QTextFormat::PageBreak_Auto);
        QVERIFY(doc->documentLayout()->frameBoundingRect(stayed).bottom() <= 906);
        QCOMPARE(doc->pageCount(), 1);
    }

    void splitTableKeepsItsBreakAfter()
    {
        // A long table that asks for a page break after it still gets one
        // after its last piece.
        QString html = tableHtml(100);
        html.replace(QStringLiteral("<table "), QStringLiteral("<table style=\"page-break-after:always\" "));
        QScopedPointer<QTextDocument> doc(paginated(html + QStringLiteral("<p>After</p>")));
        PrintUtils::fixTableFrames(doc.data());
        const RowCheck check = checkRows(doc.data());
        QCOMPARE(check.bodyRows, 100);
        QVERIFY(check.tables > 1);
        const QRectF last = doc->documentLayout()->frameBoundingRect(doc->rootFrame()->childFrames().constLast());
        const double after = doc->documentLayout()->blockBoundingRect(doc->lastBlock()).top();
        QVERIFY2(int(after / 906) > int(last.bottom() / 906), qPrintable(QStringLiteral("%1 %2").arg(after).arg(last.bottom())));
    }

    // Long lists cut into documents of their own print the very pages that
    // cutting them within one document prints.
    void listCutApartKeepsThePages_data()
    {
        QTest::addColumn<QString>("html");
        const QString title = QStringLiteral("<body style=\"margin-left:56px;margin-right:56px;\"><h1>Students</h1><p></p>");
        QString varied = tableHtml(400);
        for (int i = 5; i <= 400; i += 11)
            varied.replace(QStringLiteral("<td>Row%1</td>").arg(i, 3, 10, QLatin1Char('0')),
                           QStringLiteral("<td>Row%1 %2</td>").arg(i, 3, 10, QLatin1Char('0'))
                               .arg(QStringLiteral("wrapping words ").repeated(i % 30)));
        // a wider word far down changes the widths of the parts before it
        varied.replace(QStringLiteral("<td>Row350</td>"), QStringLiteral("<td>Row350 Unbreakablewordthatwidensitscolumn</td>"));
        QTest::newRow("rows of several heights and widths") << title + varied + QStringLiteral("</body>");
        QString tall = tableHtml(300);
        tall.replace(QStringLiteral("Row200</td>"), QStringLiteral("Row200") + QStringLiteral("<br/>tall").repeated(90)
                                                        + QStringLiteral("</td>"));
        QTest::newRow("a row taller than a page") << title + tall;
        QString breakAfter = tableHtml(200);
        breakAfter.replace(QStringLiteral("<table "), QStringLiteral("<table style=\"page-break-after:always\" "));
        QTest::newRow("two lists, a break after each")
            << QStringLiteral("<p>First</p>") + breakAfter + QStringLiteral("<p>Second</p>") + breakAfter;
    }

    void listCutApartKeepsThePages()
    {
        QFETCH(QString, html);
        const ATablePages::Pages inPlace = laidOutList(html, false);
        const ATablePages::Pages apart = laidOutList(html, true);
        QVERIFY(apart.parts.size() > inPlace.parts.size());
        QVERIFY(inPlace.pages > 4);
        QCOMPARE(apart.pages, inPlace.pages);
        QCOMPARE(pageTexts(apart), pageTexts(inPlace));
    }

    // A list is painted while it is cut, numbered with the pages its breaks
    // foretell; where a row taller than a page makes more pages than
    // foretold, the file is painted again, every page numbered of the pages
    // it holds.
    void listOfMorePagesThanForetoldNumbersThemAll_data()
    {
        QTest::addColumn<QString>("table");
        QTest::newRow("rows of one height") << tableHtml(400);
        QString tall = tableHtml(300);
        tall.replace(QStringLiteral("Row200</td>"), QStringLiteral("Row200") + QStringLiteral("<br/>tall").repeated(90)
                                                        + QStringLiteral("</td>"));
        QTest::newRow("a row taller than a page") << tall;
    }

    void listOfMorePagesThanForetoldNumbersThemAll()
    {
        QFETCH(QString, table);
        PrintUtils pu(QString(), QStringLiteral("<h1>Students</h1>") + table,
                      QStringLiteral("<p>page %%PAGENUM%% of %%PAGECOUNT%%</p>"));
        const QString pdf = printToPdf(pu, QStringLiteral("foretold.pdf"));
        QVERIFY(!pu.failed());
        const int pages = pdfPages(pdf);
        QVERIFY(pages > 8);
        QList<int> seen;
        for (int page = 1; page <= pages; ++page) {
            const QString text = pdfText(pdf, page);
            QVERIFY2(text.contains(QStringLiteral("page %1 of %2").arg(page).arg(pages)), qPrintable(text));
            seen << rowNumbers(text);
        }
        QCOMPARE(seen.size(), table.count(QStringLiteral("<tr>")) - 1);
        for (int i = 0; i < seen.size(); ++i)
            QCOMPARE(seen.at(i), i + 1);
        // nothing is left of a file painted before it started over
        QCOMPARE(QDir(m_tmp.path()).entryList({QStringLiteral("*foretold*")}, QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("foretold.pdf")});
    }

    // A list cut apart hands its parts on as they are done, after the page
    // count its breaks foretell: the same pages as the list cut in place.
    void listCutApartHandsItsPartsOn()
    {
        const QString html = QStringLiteral("<h1>Students</h1>") + tableHtml(600);
        const ATablePages::Pages inPlace = laidOutList(html, false);
        ATablePages::Parts parts = ATablePages::splitAtPageBreaks(ATablePages::bareDocument(html));
        for (const auto& part : parts)
            part->setPageSize(QSizeF(816, 906));
        ATablePages::Pages handed;
        int foretold = -1;
        bool foretoldFirst = true;
        const ATablePages::Stream stream{[&](int pages) { foretold = pages; },
                                         [&](std::unique_ptr<QTextDocument> part) {
                                             foretoldFirst = foretoldFirst && foretold > 0;
                                             handed.pages += part->pageCount();
                                             handed.parts.push_back(std::move(part));
                                         },
                                         [&] { handed = ATablePages::Pages(); }};
        ATablePages::Pages rest = ATablePages::layOut(std::move(parts), [](int, int) { return true; }, true, &stream);
        QVERIFY(rest.parts.empty());
        QVERIFY(handed.parts.size() > 8);
        QVERIFY(foretoldFirst);
        QCOMPARE(foretold, inPlace.pages);
        QCOMPARE(rest.pages, inPlace.pages);
        QCOMPARE(handed.pages, inPlace.pages);
        QCOMPARE(pageTexts(handed), pageTexts(inPlace));
    }

    // A long list cut apart tells its progress part by part; stopped while
    // its parts are laid out on helper threads, it ends at once, and the
    // parts it answers belong to the thread that asked.
    void listCutApartStopsAtOnce()
    {
        ATablePages::Parts parts = ATablePages::splitAtPageBreaks(
            ATablePages::bareDocument(QStringLiteral("<h1>Students</h1>") + tableHtml(3000)));
        for (const auto& part : parts)
            part->setPageSize(QSizeF(816, 906));
        int steps = 0;
        QElapsedTimer sinceStop;
        const auto progress = [&](int done, int total) {
            if (total > 1 && done > 0)
                ++steps;
            if (steps < 10)
                return true;
            if (!sinceStop.isValid())
                sinceStop.start();
            return false;
        };
        const ATablePages::Pages pages = ATablePages::layOut(std::move(parts), progress, true);
        QVERIFY2(sinceStop.isValid(), "no progress while the parts were laid out");
        QVERIFY2(sinceStop.elapsed() < 250, qPrintable(QString::number(sinceStop.elapsed())));
        QVERIFY(pages.pages < 3000 / 40);
        for (const auto& part : pages.parts)
            QCOMPARE(part->thread(), QThread::currentThread());
    }

    // A job that lasts shows its progress with Cancel; Cancel stops it at
    // once, and the file the user named keeps what it held before.
    void longJobCancelledLeavesNoFile()
    {
        QTemporaryDir dir;
        const QString pdf = earlierFile(dir);
        QVERIFY(!pdf.isEmpty());

        int produced = 0;
        PrintUtils pu(QString(), slowPages(400, 40, &produced), QString());
        QString label;
        QObject watching;
        bool cancelShown = false;
        const auto seen = whenShown<QProgressDialog>(&watching, [&](QProgressDialog* box) {
            label = box->labelText();
            auto* cancel = box->findChild<QPushButton*>();
            cancelShown = cancel && cancel->isVisible();
            if (cancel)
                cancel->click();
        });
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        QElapsedTimer job;
        job.start();
        pu.print(&printer);
        QVERIFY(*seen);
        QVERIFY(cancelShown);
        QVERIFY2(QRegularExpression(QStringLiteral("^Sheet \\d+ of 400$")).match(label).hasMatch(), qPrintable(label));
        QVERIFY(pu.cancelled());
        QVERIFY2(produced < 400, qPrintable(QString::number(produced)));
        QCOMPARE(printer.outputFileName(), pdf);
        QFile old(pdf);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("earlier file"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("sheets.pdf")});
    }

    // A first batch slow to lay out keeps the windows answering meanwhile:
    // the box with Cancel shows, and acts, before that batch is done.
    void slowFirstBatchShowsProgressMeanwhile()
    {
        auto firstLaidOut = std::make_shared<std::atomic<bool>>(false);
        PrintUtils::Batches pages = slowPages(40, 0);
        pages.read = [read = pages.read, firstLaidOut](int first, int count) {
            std::function<QString()> compose = read(first, count);
            if (first > 0)
                return compose;
            return std::function<QString()>([compose, firstLaidOut] {
                QThread::msleep(1500);
                firstLaidOut->store(true);
                return compose();
            });
        };
        PrintUtils pu(QString(), pages, QString());
        QObject watching;
        bool shownBeforeFirst = false;
        const auto seen = whenShown<QProgressDialog>(&watching, [&](QProgressDialog* box) {
            shownBeforeFirst = !firstLaidOut->load();
            if (auto* cancel = box->findChild<QPushButton*>())
                cancel->click();
        });
        printToPdf(pu, QStringLiteral("slow-first.pdf"));
        QVERIFY(*seen);
        QVERIFY(shownBeforeFirst);
        QVERIFY(pu.cancelled());
    }

    // A complete job takes the name only at its end, over what was there.
    void completedJobReplacesTheFile()
    {
        QTemporaryDir dir;
        const QString pdf = earlierFile(dir);
        QVERIFY(!pdf.isEmpty());
        PrintUtils pu(QStringLiteral("<p>Head %%PAGENUM%% of %%PAGECOUNT%%</p>"), slowPages(12, 0), QString());
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        pu.print(&printer);
        QVERIFY(!pu.cancelled());
        QCOMPARE(pdfPages(pdf), 12);
        for (int page : {1, 6, 12}) {
            const QString text = pdfText(pdf, page);
            QVERIFY2(text.contains(QStringLiteral("Head %1 of 12").arg(page)), qPrintable(text));
            QVERIFY2(text.contains(QStringLiteral("Sheet number %1\n").arg(page)), qPrintable(text));
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("sheets.pdf")});
    }

    // A print to a PDF file on a full disk is told as not completed, and
    // the earlier file of that name stays byte for byte, with nothing beside it.
    void fullDiskKeepsTheEarlierPdf()
    {
        QTemporaryDir dir;
        const QString pdf = earlierFile(dir);
        QVERIFY(!pdf.isEmpty());
        const int told = withFileSizeLimit(16 * 1024, [&] {
            ScriptedPrompter prompter;
            prompter.buttonFor(QStringLiteral("The print could not be completed."), QMessageBox::Ok);
            PrintUtils pu(QString(), slowPages(60, 0), QString());
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            pu.print(&printer);
            return pu.failed() && !pu.cancelled() && prompter.allAnswered()
                           && prompter.asked().constFirst().text.contains(pdf)
                       ? 0
                       : 1;
        });
        QCOMPARE(told, 0);
        QFile old(pdf);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("earlier file"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("sheets.pdf")});
    }

    // What a batch's reading or a worker's job throws stops the print with
    // the reason, writes no file and leaves the program running.
    void throwingJobStopsThePrint_data()
    {
        QTest::addColumn<bool>("onWorker");
        QTest::newRow("reading") << false;
        QTest::newRow("worker") << true;
    }
    void throwingJobStopsThePrint()
    {
        QFETCH(bool, onWorker);
        QTemporaryDir dir;
        const QString pdf = earlierFile(dir);
        QVERIFY(!pdf.isEmpty());
        PrintUtils::Batches pages = slowPages(40, 0);
        pages.read = [onWorker, read = pages.read](int first, int count) {
            if (first >= 20 && !onWorker)
                throw std::runtime_error("Item 21 is gone");
            std::function<QString()> compose = read(first, count);
            return std::function<QString()>([first, onWorker, compose] {
                if (first >= 20 && onWorker)
                    throw std::runtime_error("Item 21 is gone");
                return compose();
            });
        };
        ScriptedPrompter prompter;
        prompter.buttonFor(QStringLiteral("Item 21 is gone"), QMessageBox::Ok);
        PrintUtils pu(QString(), pages, QString());
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        pu.print(&printer);
        QVERIFY(pu.failed());
        QVERIFY(!pu.cancelled());
        QVERIFY(prompter.allAnswered());
        QVERIFY(prompter.asked().constFirst().text.startsWith(QStringLiteral("The print could not be completed.")));
        QCOMPARE(printer.outputFileName(), pdf);
        QFile old(pdf);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("earlier file"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("sheets.pdf")});
    }

    // A preview of more pages than a preview should hold asks first, saying
    // how many; a smaller one asks nothing.
    void bigPreviewAsksFirst_data()
    {
        QTest::addColumn<bool>("batches");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("answer");
        QTest::newRow("batches, cancelled") << true << 600 << QStringLiteral("Cancel");
        QTest::newRow("batches, print directly") << true << 600 << QStringLiteral("Print directly");
        QTest::newRow("batches, preview anyway") << true << 501 << QStringLiteral("Preview");
        QTest::newRow("HTML pages, cancelled") << false << 520 << QStringLiteral("Cancel");
        QTest::newRow("batches, few pages") << true << 500 << QString();
    }

    void bigPreviewAsksFirst()
    {
        QFETCH(bool, batches);
        QFETCH(int, pages);
        QFETCH(QString, answer);
        QString html;
        for (int i = 1; i <= pages; ++i)
            html += QStringLiteral("<p style=\"page-break-after:always\">page %1</p>").arg(i);
        std::unique_ptr<PrintUtils> pu = batches ? std::make_unique<PrintUtils>(QString(), slowPages(pages, 0), QString())
                                                 : std::make_unique<PrintUtils>(QString(), html, QString());
        ScriptedPrompter prompter;
        if (!answer.isEmpty())
            prompter.choiceFor(QStringLiteral("The preview will have %1 page").arg(pages), answer);
        int previewPages = -1;
        QObject watching;
        const auto previewed = whenShown<QPrintPreviewDialog>(&watching, [&previewPages](QPrintPreviewDialog* dialog) {
            previewPages = dialog->findChild<QPrintPreviewWidget*>()->pageCount();
            dialog->reject();
        }, 60000);
        const auto printDialog = whenShown<QPrintDialog>(&watching, [](QPrintDialog* dialog) { dialog->reject(); }, 60000);
        QPrinter printer(QPrinter::HighResolution);
        pu->preview(&printer);
        QVERIFY2(prompter.allAnswered(), qPrintable(prompter.problems().join(QLatin1Char('\n'))));
        QCOMPARE(prompter.askedCount(), answer.isEmpty() ? 0 : 1);
        QCOMPARE(*previewed, answer.isEmpty() || answer == QStringLiteral("Preview"));
        QCOMPARE(*printDialog, answer == QStringLiteral("Print directly"));
        if (*previewed)
            QCOMPARE(previewPages, pages);
    }

    // Every later part of a split table begins with the head rows as the
    // first part has them: their cells, blocks and characters formatted alike.
    void splitPartsKeepTheHeadAsWritten()
    {
        QString html = tableHtml(200);
        html.replace(QStringLiteral("<th>Name</th>"), QStringLiteral("<th bgcolor=\"#d3d3d3\" align=\"left\"><i>Name</i></th>"));
        QScopedPointer<QTextDocument> doc(paginated(html));
        PrintUtils::fixTableFrames(doc.data());
        const QList<QTextFrame*> parts = doc->rootFrame()->childFrames();
        QVERIFY(parts.size() > 3);
        auto* first = qobject_cast<QTextTable*>(parts.constFirst());
        for (QTextFrame* frame : parts) {
            auto* part = qobject_cast<QTextTable*>(frame);
            QVERIFY(part);
            QCOMPARE(part->format().headerRowCount(), 1);
            QCOMPARE(part->format().width(), first->format().width());
            for (int column = 0; column < 2; ++column) {
                const QTextTableCell head = part->cellAt(0, column);
                const QTextTableCell model = first->cellAt(0, column);
                QMap<int, QVariant> cellProps = head.format().properties();
                QMap<int, QVariant> modelProps = model.format().properties();
                // each part is a table object of its own
                cellProps.remove(QTextFormat::ObjectIndex);
                modelProps.remove(QTextFormat::ObjectIndex);
                QCOMPARE(cellProps, modelProps);
                QCOMPARE(head.firstCursorPosition().block().text(), model.firstCursorPosition().block().text());
                QCOMPARE(head.firstCursorPosition().blockFormat(), model.firstCursorPosition().blockFormat());
                QTextCursor inside = head.firstCursorPosition();
                inside.movePosition(QTextCursor::NextCharacter);
                QTextCursor modelInside = model.firstCursorPosition();
                modelInside.movePosition(QTextCursor::NextCharacter);
                QCOMPARE(inside.charFormat(), modelInside.charFormat());
            }
        }
    }

    // A list wider than the sheet prints every word and number whole.
    void wideListKeepsWordsWhole()
    {
        QString html = QStringLiteral("<body style=\"margin-left:56px;margin-right:56px;\"><table width=\"100%\" border=\"1\" "
                                      "cellspacing=\"-1\" cellpadding=\"4\"><thead><tr>");
        const QStringList heads{QStringLiteral("Surnames"), QStringLiteral("Discount"), QStringLiteral("Comments")};
        for (int column = 0; column < 9; ++column)
            html += QStringLiteral("<th>%1</th>").arg(heads.value(column, QStringLiteral("Heading%1").arg(column)));
        html += QStringLiteral("</tr></thead>");
        for (int row = 0; row < 40; ++row) {
            html += QStringLiteral("<tr><td>Fernández Castro</td><td>10.00</td><td>&nbsp;</td>");
            for (int column = 3; column < 9; ++column)
                html += QStringLiteral("<td>student%1@mail.example</td>").arg(row * 10 + column);
            html += QStringLiteral("</tr>");
        }
        html += QStringLiteral("</table></body>");
        QVERIFY(!PrintUtils::tablesFit(html, 816));
        QVERIFY(PrintUtils::tablesFit(html, 4000));
        // digits are letters of a word like any other
        QString numbers = QStringLiteral("<table border=\"1\" cellpadding=\"4\"><tr>");
        for (int column = 0; column < 6; ++column)
            numbers += QStringLiteral("<td>ref2828282828282828282828%1</td>").arg(column);
        numbers += QStringLiteral("</tr></table>");
        QVERIFY(!PrintUtils::tablesFit(numbers, 816));
        QVERIFY(PrintUtils::tablesFit(numbers, 4000));

        PrintUtils pu(QString(), html, QString());
        pu.setFitTables(true);
        const QString pdf = printToPdf(pu, QStringLiteral("wide.pdf"), QPageLayout::Landscape);
        const QString text = pdfText(pdf, 1);
        QVERIFY2(text.contains(QStringLiteral("Surnames")) && text.contains(QStringLiteral("Discount")), qPrintable(text));
        for (int column = 3; column < 9; ++column)
            QVERIFY2(text.contains(QStringLiteral("student%1@mail.example").arg(column)), qPrintable(text));
    }

    void headerAndFooterTooBig()
    {
        QPixmap tall(10, 1050);
        tall.fill(Qt::black);
        PrintUtils pu(QStringLiteral("<img src=\"resources://tall\"/>"), tableHtml(3), QStringLiteral("<p>f</p>"),
                      nullptr, {{QStringLiteral("resources://tall"), tall}});
        MessageCapture capture;
        const QString pdf = printToPdf(pu, QStringLiteral("toobig.pdf"));
        QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("Space for content too small. Header/footer too big.")));
        QVERIFY(!QFileInfo::exists(pdf));
    }

};

PENSARIO_TEST_MAIN(TestPrintUtils)
#include "tst_printutils.moc"
