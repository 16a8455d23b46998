#include "messagecapture.h"
#include "outputfiles.h"
#include "printutils.h"
#include "testmain.h"

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <functional>

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
} // namespace

class TestPrintUtils : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_tmp;

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
        const QRegularExpression rowRe(QStringLiteral("Row(\\d{3})"));
        for (int page = 1; page <= 3; ++page) {
            const QString text = pdfText(pdf, page);
            QVERIFY2(text.contains(QStringLiteral("Academy listing, sheet %1").arg(page)), qPrintable(text));
            QVERIFY2(text.contains(QStringLiteral("page %1 of 3").arg(page)), qPrintable(text));
            QCOMPARE(text.count(QStringLiteral("Name")), 1); // the head row starts every page
            for (auto it = rowRe.globalMatch(text); it.hasNext();)
                seen << it.next().captured(1).toInt();
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
        const QRegularExpression rowRe(QStringLiteral("Row(\\d{3})"));
        for (int page = 1; page <= pages; ++page) {
            const QString text = pdfText(pdf, page);
            QVERIFY2(text.contains(QStringLiteral("Listing sheet %1 of %2").arg(page).arg(pages)), qPrintable(text));
            QVERIFY2(text.contains(QStringLiteral("end of sheet %1").arg(page)), qPrintable(text));
            QCOMPARE(text.count(QStringLiteral("Name")), 1);
            for (auto it = rowRe.globalMatch(text); it.hasNext();)
                seen << it.next().captured(1).toInt();
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
