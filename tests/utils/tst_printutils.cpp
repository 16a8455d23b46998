#include "messagecapture.h"
#include "printutils.h"
#include "testmain.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QTimer>
#include <QDialog>
#include <QTextBlock>
#include <QFileInfo>

namespace {
QString pdfText(const QString& pdf, int page = 0)
{
    QStringList args{QStringLiteral("-layout")};
    if (page > 0)
        args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    args << pdf << QStringLiteral("-");
    QProcess p;
    p.start(QStringLiteral("pdftotext"), args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pdfPages(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    p.waitForFinished(30000);
    const QRegularExpression re(QStringLiteral("Pages:\\s+(\\d+)"));
    const auto m = re.match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

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

void letter(QPrinter& printer)
{
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}


// Every table row lies within one page of the laid-out document.
struct RowCheck
{
    int bodyRows = 0;
    int tables = 0;
    int cutRows = 0;
    QStringList firstCells;  // text of each table's first row
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
        const int head = table->format().headerRowCount();
        check.bodyRows += table->rows() - head;
        check.firstCells << table->cellAt(0, 0).firstCursorPosition().block().text();
        for (int r = 0; r < table->rows(); ++r) {
            const QTextTableCell cell = table->cellAt(r, 0);
            QTextBlock first = cell.firstCursorPosition().block();
            QTextBlock last = cell.lastCursorPosition().block();
            const double top = layout->blockBoundingRect(first).top();
            const double bottom = layout->blockBoundingRect(last).bottom();
            const double height = bottom - top;
            if (height < page && int(top / page) != int((bottom - 0.01) / page))
                ++check.cutRows;
        }
    }
    return check;
}

QTextDocument* paginated(const QString& html, double pageHeight = 906)
{
    auto* doc = new QTextDocument;
    doc->setHtml(html);
    doc->setDocumentMargin(0);
    doc->setPageSize(QSizeF(816, pageHeight));
    return doc;
}
}

class TestPrintUtils : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void sheetGeometryAtAnyResolution_data();
    void sheetGeometryAtAnyResolution();
    void longListingOnThreePages();
    void tableSplitKeepsEveryRowOnce();
    void tableWithRowTallerThanAPage();
    void tableStartingNearPageBottomMoves();
    void headRowsAloneBeforeTheBreak();
    void nestedTableInACell();
    void cancelledPrintDialogPrintsNothing();
    void headerAndFooterTooBig();
    void placeholdersAndResources();
    void sceneFittedOnOnePage();
    void previewUsesScreenMetrics();

private:
    QString printToPdf(PrintUtils& pu, const QString& name, int resolution = 0);
    QTemporaryDir m_tmp;
};

void TestPrintUtils::init()
{
    TestEnv::resetCase();
}

QString TestPrintUtils::printToPdf(PrintUtils& pu, const QString& name, int resolution)
{
    QPrinter printer(QPrinter::HighResolution);
    if (resolution > 0)
        printer.setResolution(resolution);
    letter(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = m_tmp.filePath(name);
    printer.setOutputFileName(pdf);
    pu.print(&printer);
    if (!printer.fullPage())
        qWarning("the printer was not left in full-page mode");
    return pdf;
}

void TestPrintUtils::sheetGeometryAtAnyResolution_data()
{
    QTest::addColumn<int>("resolution");
    QTest::addColumn<QString>("scale");
    QTest::newRow("96") << 96 << QStringLiteral("scalefactor =  1");
    QTest::newRow("600") << 600 << QStringLiteral("scalefactor =  6.25");
    QTest::newRow("1200") << 1200 << QStringLiteral("scalefactor =  12.5");
}

void TestPrintUtils::sheetGeometryAtAnyResolution()
{
    QFETCH(int, resolution);
    QFETCH(QString, scale);
    PrintUtils pu(QString(), QStringLiteral("<p>x</p>"), QString());
    MessageCapture capture;
    printToPdf(pu, QStringLiteral("geometry.pdf"), resolution);
    // An 8.5 x 11 inch sheet is 816 x 1056 units; the empty header and footer take one line each.
    QVERIFY2(capture.contains(QtDebugMsg, QStringLiteral("centralSize =  QSizeF(816, 1028)")),
             qPrintable(capture.texts(QtDebugMsg).join(QLatin1Char('\n'))));
    QVERIFY(capture.contains(QtDebugMsg, scale));
}

void TestPrintUtils::longListingOnThreePages()
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
        QCOMPARE(text.count(QStringLiteral("Name")), 1);  // the head row starts every page
        QList<int> onPage;
        for (auto it = rowRe.globalMatch(text); it.hasNext();)
            onPage << it.next().captured(1).toInt();
        QVERIFY(!onPage.isEmpty());
        for (int i = 1; i < onPage.size(); ++i)
            QCOMPARE(onPage.at(i), onPage.at(i - 1) + 1);
        seen += onPage;
    }
    // A row cut by a page edge would be drawn on two pages.
    QCOMPARE(seen.size(), 120);
    for (int i = 0; i < seen.size(); ++i)
        QCOMPARE(seen.at(i), i + 1);
}

void TestPrintUtils::tableSplitKeepsEveryRowOnce()
{
    QScopedPointer<QTextDocument> doc(paginated(QStringLiteral("<p>Before</p>") + tableHtml(300)
                                                + QStringLiteral("<p>Between</p>") + tableHtml(40)));
    PrintUtils::fixTableFrames(doc.data());
    const RowCheck check = checkRows(doc.data());
    QCOMPARE(check.bodyRows, 340);
    QCOMPARE(check.cutRows, 0);
    QVERIFY(check.tables > 3);
    for (const QString& first : check.firstCells)
        QCOMPARE(first, QStringLiteral("Name"));
    QVERIFY(doc->pageCount() >= check.tables - 1);
}

void TestPrintUtils::tableWithRowTallerThanAPage()
{
    // The first body row is taller than a whole page: it must run over the page
    // edge once, and the splitting must still end with every row kept.
    QScopedPointer<QTextDocument> doc(paginated(tableHtml(60, 90)));
    MessageCapture capture;
    PrintUtils::fixTableFrames(doc.data());
    const RowCheck check = checkRows(doc.data());
    QCOMPARE(check.bodyRows, 60);
    QCOMPARE(check.cutRows, 0);

    // And a tall row in the middle of a table, after a page of ordinary rows.
    QString html = tableHtml(50);
    html.replace(QStringLiteral("Row030</td>"),
                 QStringLiteral("Row030") + QStringLiteral("<br/>tall").repeated(90) + QStringLiteral("</td>"));
    QScopedPointer<QTextDocument> doc2(paginated(html));
    PrintUtils::fixTableFrames(doc2.data());
    const RowCheck check2 = checkRows(doc2.data());
    QCOMPARE(check2.bodyRows, 50);
    QCOMPARE(check2.cutRows, 0);
}

void TestPrintUtils::tableStartingNearPageBottomMoves()
{
    // A spacer pushes the table down until its first row still ends on the
    // first page, but inside the space a split keeps free: the row cannot be
    // split off, so the whole table moves to the next page.
    const QString table = QStringLiteral("<table border=\"1\" cellpadding=\"4\"><tr><td>First<br/>row</td>"
                                         "<td>Only</td></tr></table>");
    QString html;
    for (int spacer = 700; spacer < 906 && html.isEmpty(); ++spacer) {
        const QString candidate = QStringLiteral("<p>top</p><p style=\"margin-top:%1px\">spacer</p>").arg(spacer) + table;
        QScopedPointer<QTextDocument> probe(paginated(candidate));
        probe->size();
        auto* t = qobject_cast<QTextTable*>(probe->rootFrame()->childFrames().constFirst());
        const QTextBlock first = t->cellAt(0, 0).lastCursorPosition().block();
        const double bottom = probe->documentLayout()->blockBoundingRect(first).bottom();
        if (bottom < 906 && bottom + 12 > 906)
            html = candidate;
    }
    QVERIFY(!html.isEmpty());
    QScopedPointer<QTextDocument> doc(paginated(html));
    PrintUtils::fixTableFrames(doc.data());
    const RowCheck check = checkRows(doc.data());
    QCOMPARE(check.tables, 1);
    QCOMPARE(check.bodyRows, 1);
    QCOMPARE(check.cutRows, 0);
    auto* moved = qobject_cast<QTextTable*>(doc->rootFrame()->childFrames().constFirst());
    QCOMPARE(moved->rows(), 1);
    QCOMPARE(moved->cellAt(0, 1).firstCursorPosition().block().text(), QStringLiteral("Only"));
    QVERIFY(doc->documentLayout()->frameBoundingRect(moved).top() >= 906);
    QCOMPARE(doc->pageCount(), 2);
}

void TestPrintUtils::headRowsAloneBeforeTheBreak()
{
    // The head row fits above the page bottom, the first body row does not:
    // the head stays, the whole table follows on the next page.
    QScopedPointer<QTextDocument> probeHead(paginated(tableHtml(0)));
    const double headHeight = probeHead->size().height();
    QString filler;
    for (int i = 1; i < 400; ++i) {
        const QString candidate = QStringLiteral("<p>filler</p>").repeated(i);
        QScopedPointer<QTextDocument> probe(paginated(candidate));
        if (probe->size().height() + headHeight + 20 > 906 - 12)
            break;
        filler = candidate;
    }
    QScopedPointer<QTextDocument> doc(paginated(filler + tableHtml(5)));
    PrintUtils::fixTableFrames(doc.data());
    const RowCheck check = checkRows(doc.data());
    QCOMPARE(check.tables, 2);
    auto frames = doc->rootFrame()->childFrames();
    QCOMPARE(qobject_cast<QTextTable*>(frames.at(0))->rows(), 1);
    QCOMPARE(qobject_cast<QTextTable*>(frames.at(1))->rows(), 6);
    QCOMPARE(check.cutRows, 0);
}

void TestPrintUtils::nestedTableInACell()
{
    QString html = tableHtml(80);
    html.replace(QStringLiteral("Row040</td>"),
                 QStringLiteral("Row040<table border=\"1\"><tr><td>inner</td></tr></table></td>"));
    QScopedPointer<QTextDocument> doc(paginated(html));
    MessageCapture capture;
    PrintUtils::fixTableFrames(doc.data());
    QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("Found a inner frame in a table cell.")));
    QCOMPARE(checkRows(doc.data()).bodyRows, 80);
}

void TestPrintUtils::cancelledPrintDialogPrintsNothing()
{
    PrintUtils pu(QString(), tableHtml(3), QString());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = m_tmp.filePath(QStringLiteral("cancelled.pdf"));
    printer.setOutputFileName(pdf);
    bool shown = false;
    QTimer::singleShot(200, [&shown] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            shown = true;
            dialog->reject();
        }
    });
    pu.printWithDialog(&printer);
    QVERIFY(shown);
    QVERIFY(!QFileInfo::exists(pdf));
}

void TestPrintUtils::headerAndFooterTooBig()
{
    QPixmap tall(10, 1050);
    tall.fill(Qt::black);
    const QList<QPair<QString, QPixmap>> resources{{QStringLiteral("resources://tall"), tall}};
    PrintUtils pu(QStringLiteral("<img src=\"resources://tall\"/>"), tableHtml(3), QStringLiteral("<p>f</p>"),
                  nullptr, resources);
    MessageCapture capture;
    const QString pdf = printToPdf(pu, QStringLiteral("toobig.pdf"));
    QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("Space for content too small. Header/footer too big.")));
    QVERIFY(!QFileInfo::exists(pdf));

    // The same object prints once the image no longer resolves.
    pu.addResources({});
    const QString pdf2 = printToPdf(pu, QStringLiteral("fits.pdf"));
    QCOMPARE(pdfPages(pdf2), 1);
}

void TestPrintUtils::placeholdersAndResources()
{
    QPixmap logo(40, 40);
    logo.fill(Qt::red);
    const QString header = QStringLiteral("<p><img src=\"resources://logo\"/> %%PAGENUM%%/%%PAGECOUNT%% "
                                          "again %%PAGENUM%% %%pagenum%%</p>");
    QString content;
    for (int i = 0; i < 150; ++i)
        content += QStringLiteral("<p>Paragraph %1</p>").arg(i);
    PrintUtils pu(header, content, QStringLiteral("<p>static-footer</p>"), nullptr,
                  {{QStringLiteral("resources://logo"), logo}});
    const QString pdf = printToPdf(pu, QStringLiteral("placeholders.pdf"));
    const int pages = pdfPages(pdf);
    QVERIFY(pages >= 2);
    for (int page = 1; page <= pages; ++page) {
        const QString text = pdfText(pdf, page);
        QVERIFY2(text.contains(QStringLiteral("%1/%2 again %1 %%pagenum%%").arg(page).arg(pages)), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("static-footer")), qPrintable(text));
    }
    // The logo is drawn in red on every page.
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("24"), pdf,
                                         m_tmp.filePath(QStringLiteral("ph"))});
    QVERIFY(p.waitForFinished(30000));
    for (int page = 1; page <= pages; ++page) {
        QImage image(m_tmp.filePath(QStringLiteral("ph-%1.png").arg(page)));
        QVERIFY(!image.isNull());
        bool red = false;
        for (int y = 0; y < 20 && !red; ++y)
            for (int x = 0; x < 20 && !red; ++x)
                red = image.pixelColor(x, y).red() > 200 && image.pixelColor(x, y).green() < 80;
        QVERIFY2(red, qPrintable(QStringLiteral("no logo on page %1").arg(page)));
    }
}

void TestPrintUtils::sceneFittedOnOnePage()
{
    QGraphicsScene scene;
    scene.addRect(QRectF(0, 0, 1000, 100), QPen(Qt::NoPen), QBrush(Qt::black));
    PrintUtils pu(QStringLiteral("<p>%%PAGENUM%%</p>"), &scene, QStringLiteral("<p>footer</p>"));
    const QString pdf = printToPdf(pu, QStringLiteral("scene.pdf"));
    QCOMPARE(pdfPages(pdf), 1);
    QVERIFY(pdfText(pdf).contains(QStringLiteral("%%PAGENUM%%")));  // scene pages are never numbered

    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("96"), pdf,
                                         m_tmp.filePath(QStringLiteral("scene"))});
    QVERIFY(p.waitForFinished(30000));
    QImage image(m_tmp.filePath(QStringLiteral("scene-1.png")));
    QCOMPARE(image.size(), QSize(816, 1056));
    // Scaled to the 740.39-unit wide target that starts 1 cm from the left edge.
    int left = -1, right = -1, top = -1, bottom = -1;
    // Between the one-line header and footer (14 units each).
    for (int y = 16; y < image.height() - 16; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 60) {
                if (left < 0 || x < left) left = x;
                right = qMax(right, x);
                if (top < 0) top = y;
                bottom = y;
            }
    QVERIFY(qAbs(left - 38) <= 1);
    QVERIFY(qAbs(right - 777) <= 1);
    QVERIFY(qAbs(top - 14) <= 2);
    QVERIFY(qAbs((bottom - top + 1) - 74) <= 2);
}

void TestPrintUtils::previewUsesScreenMetrics()
{
    PrintUtils pu(QStringLiteral("<p>h</p>"), tableHtml(10), QStringLiteral("<p>f</p>"));
    MessageCapture capture;
    bool shown = false;
    QTimer::singleShot(200, [&shown] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            shown = true;
            w->close();
        }
    });
    QPrinter printer(QPrinter::HighResolution);
    pu.preview(&printer);
    QVERIFY(shown);
    QVERIFY(capture.contains(QtDebugMsg, QStringLiteral("centralSize =")));
    QVERIFY(!capture.contains(QtDebugMsg, QStringLiteral("usando design metrics")));

    capture.clear();
    printToPdf(pu, QStringLiteral("after-preview.pdf"));
    QVERIFY(capture.contains(QtDebugMsg, QStringLiteral("usando design metrics")));
}

PENSARIO_TEST_MAIN(TestPrintUtils)
#include "tst_printutils.moc"
