#include "asaveashelper.h"
#include "messagecapture.h"
#include "scriptedprompter.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

namespace {
QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000))
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStandardItem* item(const QVariant& value)
{
    auto* i = new QStandardItem;
    i->setData(value, Qt::DisplayRole);
    return i;
}
}

class TestASaveAsHelper : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void csvQuotesEveryFieldOfTheVisibleTable();
    void htmlPageOfTheVisibleTable();
    void workbookOfTheVisibleTable();
    void unicodeFileNamesAreKept();
    void failedWritesAreReported();
    void formatChosenByEnding();
    void proposedFolderAndFilters();
    void existingFileIsReplacedWhole();
    void pdfListingOnThreePages();
    void printPreviewOpens();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    void fillLong(int rows);

    QStandardItemModel m_model;
    QSortFilterProxyModel m_proxy;
    QTableView* m_view = nullptr;
    QScopedPointer<QTemporaryDir> m_dir;
};

void TestASaveAsHelper::initTestCase()
{
    m_view = new QTableView;
}

void TestASaveAsHelper::init()
{
    TestEnv::resetCase();
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());

    m_model.clear();
    m_model.setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Amount"), QStringLiteral("Note"),
                                       QStringLiteral("Paid")});
    m_model.appendRow({item(QStringLiteral("Ana")), item(12345.67), item(QStringLiteral("He said \"hi\", then left")),
                       item(true)});
    m_model.appendRow({item(QStringLiteral("Bea & <Co>")), item(45.5), item(QStringLiteral("line1\nline2")),
                       item(false)});
    m_model.appendRow({item(QStringLiteral("Ca")), item(70.0), item(QString()), item(true)});
    m_model.appendRow({item(QStringLiteral("Zz hidden")), item(1.0), item(QStringLiteral("x")), item(true)});
    m_proxy.setSourceModel(&m_model);
    m_view->setModel(&m_proxy);
    m_proxy.sort(0, Qt::DescendingOrder);  // Zz hidden, Ca, Bea, Ana
    m_view->horizontalHeader()->moveSection(1, 0);
    m_view->setColumnHidden(3, true);
    m_view->setRowHidden(0, true);
}

void TestASaveAsHelper::cleanup()
{
    m_view->setModel(nullptr);
}

void TestASaveAsHelper::fillLong(int rows)
{
    m_model.clear();
    m_model.setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Amount")});
    for (int i = 1; i <= rows; ++i)
        m_model.appendRow({item(QStringLiteral("Row%1").arg(i, 3, 10, QLatin1Char('0'))), item(i * 1.25)});
    m_view->setModel(&m_model);
}

void TestASaveAsHelper::csvQuotesEveryFieldOfTheVisibleTable()
{
    QCOMPARE(ASaveAsHelper::escapeCsv(QStringLiteral("a\"b\"")), QStringLiteral("a\"\"b\"\""));
    const QString file = path(QStringLiteral("list.csv"));
    QVERIFY(ASaveAsHelper::saveAsCsv(file, QStringLiteral("Student \"list\", 2012"), m_view));
    const QByteArray expected =
        "\"Student \"\"list\"\", 2012\"\n"
        "\n"
        "\"Amount\",\"Name\",\"Note\"\n"
        "\"70\",\"Ca\",\"\"\n"
        "\"45.5\",\"Bea & <Co>\",\"line1\nline2\"\n"
        "\"12345.67\",\"Ana\",\"He said \"\"hi\"\", then left\"\n";
    QCOMPARE(readAll(file), expected);
}

void TestASaveAsHelper::htmlPageOfTheVisibleTable()
{
    m_model.setHorizontalHeaderItem(2, new QStandardItem(QString()));
    const QString html = ASaveAsHelper::tableViewToHtml(QStringLiteral("Students <b>2012</b>"), m_view);
    const QString expected = QStringLiteral(
        "<html><head><meta http-equiv=\"content-type\" content=\"text/html; charset=utf-8\" />"
        "<title>Students <b>2012</b></title></head>"
        "<body style=\"margin-left:56px;margin-right:56px;\"><h1>Students <b>2012</b></h1><p></p>"
        "<table width=\"100%\" border=\"1\" cellspacing=\"-1\" cellpadding=\"4\" "
        "style=\"border-style:solid;border-color:black;margin-top:1px\"><thead><tr>"
        "<th>Amount</th><th>Name</th><th>&nbsp;</th></tr></thead>"
        "<tr><td>70</td><td>Ca</td><td>&nbsp;</td></tr>"
        "<tr><td>45.5</td><td>Bea &amp; &lt;Co&gt;</td><td>line1\nline2</td></tr>"
        "<tr><td>12345.67</td><td>Ana</td><td>He said &quot;hi&quot;, then left</td></tr>"
        "</table></body></html>");
    QCOMPARE(html, expected);

    const QString file = path(QStringLiteral("list.html"));
    QVERIFY(ASaveAsHelper::saveAsHtml(file, QStringLiteral("Students <b>2012</b>"), m_view));
    QCOMPARE(QString::fromUtf8(readAll(file)), expected);
}

void TestASaveAsHelper::workbookOfTheVisibleTable()
{
    const QString file = path(QStringLiteral("list.xlsx"));
    QVERIFY(ASaveAsHelper::saveAsXls(file, QStringLiteral("Student list: 2012/13"), m_view));
    const QString csv = run(QStringLiteral("xlsx2csv"), {file});
    const QStringList lines = csv.split(QLatin1Char('\n'));
    QVERIFY2(lines.size() >= 7, qPrintable(csv));
    QCOMPARE(lines.at(0).section(QLatin1Char(','), 0, 0), QStringLiteral("Student list: 2012/13"));
    QCOMPARE(lines.at(2), QStringLiteral("Amount,Name,Note"));
    QCOMPARE(lines.at(3), QStringLiteral("70,Ca,"));
    QCOMPARE(lines.at(4), QStringLiteral("45.5,Bea & <Co>,\"line1"));
    QCOMPARE(lines.at(6), QStringLiteral("12345.67,Ana,\"He said \"\"hi\"\", then left\""));
    // Every cell is text, the headers are bold, the title is 25 points in a 30 point row.
    const QString sheet = run(QStringLiteral("unzip"), {QStringLiteral("-p"), file,
                                                        QStringLiteral("xl/worksheets/sheet1.xml")});
    QVERIFY(!sheet.contains(QRegularExpression(QStringLiteral("<c r=\"[A-Z]+[0-9]+\"( s=\"[0-9]+\")?><v>"))));
    QVERIFY(sheet.contains(QStringLiteral("ht=\"30\" customHeight=\"1\"><c r=\"A1\"")));
    const QString styles = run(QStringLiteral("unzip"), {QStringLiteral("-p"), file, QStringLiteral("xl/styles.xml")});
    QVERIFY(styles.contains(QStringLiteral("<b/>")));
    QVERIFY(styles.contains(QStringLiteral("<sz val=\"25\"/>")));
    const QString book = run(QStringLiteral("unzip"), {QStringLiteral("-p"), file, QStringLiteral("xl/workbook.xml")});
    QVERIFY(book.contains(QStringLiteral("<sheet name=\"Student list_ 2012_13\"")));
}

void TestASaveAsHelper::unicodeFileNamesAreKept()
{
    const QString folder = path(QStringLiteral("Años de señales é à ü"));
    QVERIFY(QDir().mkpath(folder));
    const QStringList names{QStringLiteral("listado_año_ñandú_é.xlsx"), QStringLiteral("listado_año_ñandú_é.csv"),
                            QStringLiteral("listado_año_ñandú_é.html"), QStringLiteral("listado_año_ñandú_é.pdf")};
    ScriptedPrompter prompter;
    for (const QString& name : names)
        QVERIFY2(ASaveAsHelper::saveTo(folder + QLatin1Char('/') + name, QStringLiteral("Año"), m_view),
                 qPrintable(name));
    QVERIFY(prompter.allAnswered());
    QStringList found = QDir(folder).entryList(QDir::Files);
    found.sort();
    QStringList sorted = names;
    sorted.sort();
    QCOMPARE(found, sorted);  // no transliterated names, no leftovers beside them
    QVERIFY(readAll(folder + QStringLiteral("/listado_año_ñandú_é.pdf")).startsWith("%PDF-"));
    QVERIFY(readAll(folder + QStringLiteral("/listado_año_ñandú_é.xlsx")).startsWith("PK"));
    QCOMPARE(QSettings().value(QStringLiteral("listing/defaultDir")).toString(), folder);
}

void TestASaveAsHelper::failedWritesAreReported()
{
    const QString missing = path(QStringLiteral("missing/folder"));
    for (const QString& ending : {QStringLiteral(".xlsx"), QStringLiteral(".csv"), QStringLiteral(".html"),
                                  QStringLiteral(".pdf")}) {
        MessageCapture capture;
        ScriptedPrompter prompter;
        prompter.button(QMessageBox::Ok);
        QVERIFY2(!ASaveAsHelper::saveTo(missing + QStringLiteral("/list") + ending, QStringLiteral("T"), m_view),
                 qPrintable(ending));
        QVERIFY(prompter.allAnswered());
        QCOMPARE(prompter.asked().constFirst().title, QStringLiteral("Error creating file"));
        QCOMPARE(prompter.asked().constFirst().text,
                 QStringLiteral("<html>An error happened while creating listing file<br/>Check the file's name, "
                                "you have write permission and enough disk space."));
        QVERIFY(!QFileInfo::exists(missing));
        // Folder and format are remembered even though the write failed.
        QCOMPARE(QSettings().value(QStringLiteral("listing/defaultDir")).toString(), missing);
        QCOMPARE(QSettings().value(QStringLiteral("listing/defaultFilter")).toInt(),
                 int(ASaveAsHelper::formatOf(ending)));
    }
    // A PDF whose target cannot be replaced (a folder of that name) is a failure too.
    const QString folderTarget = path(QStringLiteral("taken.pdf"));
    QVERIFY(QDir().mkpath(folderTarget + QStringLiteral("/inside")));
    QVERIFY(!ASaveAsHelper::saveAsPdf(folderTarget, QStringLiteral("T"), m_view));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList());
}

void TestASaveAsHelper::formatChosenByEnding()
{
    QCOMPARE(ASaveAsHelper::formatOf(QStringLiteral("/a/B.XLSX")), ASaveAsHelper::Xls);
    QCOMPARE(ASaveAsHelper::formatOf(QStringLiteral("/a/b.Csv")), ASaveAsHelper::Csv);
    QCOMPARE(ASaveAsHelper::formatOf(QStringLiteral("/a/bhtml")), ASaveAsHelper::Html);
    QCOMPARE(ASaveAsHelper::formatOf(QStringLiteral("/a/bpdf")), ASaveAsHelper::Pdf);
    QCOMPARE(ASaveAsHelper::formatOf(QStringLiteral("/a/b.xls")), ASaveAsHelper::FormatoInvalido);

    QSettings().setValue(QStringLiteral("listing/defaultFilter"), 2);
    {
        ScriptedPrompter prompter;
        prompter.button(QMessageBox::Ok);
        QVERIFY(!ASaveAsHelper::saveTo(path(QStringLiteral("notes.txt")), QStringLiteral("T"), m_view));
        QCOMPARE(prompter.asked().constFirst().title, QStringLiteral("Format is not valid"));
        QCOMPARE(prompter.asked().constFirst().text,
                 QStringLiteral("Can't generate listings in selected format: .txt"));
    }
    {
        const QString noPoint = QStringLiteral("/tmp/nopoint/listado_alumnos");
        ScriptedPrompter prompter;
        prompter.button(QMessageBox::Ok);
        QVERIFY(!ASaveAsHelper::saveTo(noPoint, QStringLiteral("T"), m_view));
        QCOMPARE(prompter.asked().constFirst().text,
                 QStringLiteral("Can't generate listings in selected format: ") + noPoint);
    }
    QCOMPARE(QSettings().value(QStringLiteral("listing/defaultFilter")).toInt(), 2);

    ScriptedPrompter quiet;
    QVERIFY(ASaveAsHelper::saveTo(path(QStringLiteral("UPPER.XLSX")), QStringLiteral("T"), m_view));
    QVERIFY(readAll(path(QStringLiteral("UPPER.XLSX"))).startsWith("PK"));
    QVERIFY(ASaveAsHelper::saveTo(path(QStringLiteral("pagehtml")), QStringLiteral("T"), m_view));
    QVERIFY(readAll(path(QStringLiteral("pagehtml"))).startsWith("<html>"));
    QVERIFY(quiet.allAnswered());
}

void TestASaveAsHelper::proposedFolderAndFilters()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QDir(documents).removeRecursively();
    QCOMPARE(ASaveAsHelper::proposedPath(QStringLiteral("listado_alumnos")),
             documents + QStringLiteral("/listado_alumnos"));
    QVERIFY(QDir(documents).exists());
    QCOMPARE(ASaveAsHelper::filters(),
             QStringList({QStringLiteral("Excel (*.xlsx)"), QStringLiteral("Comma separated values (*.csv)"),
                          QStringLiteral("Web page (*.html)"), QStringLiteral("PDF (*.pdf)")}));

    const QString folder = path(QStringLiteral("chosen"));
    QVERIFY(QDir().mkpath(folder));
    ScriptedPrompter quiet;
    QVERIFY(ASaveAsHelper::saveTo(folder + QStringLiteral("/x.csv"), QStringLiteral("T"), m_view));
    QCOMPARE(ASaveAsHelper::proposedPath(QStringLiteral("listado")), folder + QStringLiteral("/listado"));
    QCOMPARE(ASaveAsHelper::filters(),
             QStringList({QStringLiteral("Comma separated values (*.csv)"), QStringLiteral("Excel (*.xlsx)"),
                          QStringLiteral("Web page (*.html)"), QStringLiteral("PDF (*.pdf)")}));

    QVERIFY(QDir(folder).removeRecursively());
    QCOMPARE(ASaveAsHelper::proposedPath(QStringLiteral("listado")), documents + QStringLiteral("/listado"));

    QSettings().setValue(QStringLiteral("listing/defaultFilter"), 7);
    QCOMPARE(ASaveAsHelper::filters().constFirst(), QStringLiteral("Excel (*.xlsx)"));
    QSettings().setValue(QStringLiteral("listing/defaultFilter"), -1);
    QCOMPARE(ASaveAsHelper::filters().size(), 4);
    QCOMPARE(ASaveAsHelper::filters().constFirst(), QStringLiteral("Excel (*.xlsx)"));
}

void TestASaveAsHelper::existingFileIsReplacedWhole()
{
    for (const QString& name : {QStringLiteral("old.csv"), QStringLiteral("old.xlsx"), QStringLiteral("old.pdf"),
                                QStringLiteral("old.html")}) {
        const QString file = path(name);
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(100000, 'x'));
        }
        ScriptedPrompter quiet;
        QVERIFY(ASaveAsHelper::saveTo(file, QStringLiteral("T"), m_view));
        QVERIFY2(!readAll(file).contains(QByteArray(100, 'x')), qPrintable(name));
        QVERIFY(QFileInfo(file).permissions().testFlag(QFileDevice::ReadOwner));
    }
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 4);
}

void TestASaveAsHelper::pdfListingOnThreePages()
{
    fillLong(100);
    const QString file = path(QStringLiteral("long.pdf"));
    QVERIFY(ASaveAsHelper::saveAsPdf(file, QStringLiteral("Student list"), m_view));
    const QString info = run(QStringLiteral("pdfinfo"), {file});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\b"))), qPrintable(info));

    // Rows split between pages are checked with the paged printer itself.
    for (int page = 1; page <= 3; ++page) {
        const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-f"),
                                                               QString::number(page), QStringLiteral("-l"),
                                                               QString::number(page), file, QStringLiteral("-")});
        QVERIFY2(text.contains(QStringLiteral("Page %1 of 3").arg(page)), qPrintable(text));
        QCOMPARE(text.contains(QStringLiteral("Student list")), page == 1);
        QCOMPARE(text.count(QStringLiteral("Name")), 1);
    }
}

void TestASaveAsHelper::printPreviewOpens()
{
    bool shown = false;
    QTimer::singleShot(200, [&shown] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            shown = w->inherits("QPrintPreviewDialog");
            w->close();
        }
    });
    MessageCapture capture;
    QVERIFY(ASaveAsHelper::printTableView(QStringLiteral("Student list"), m_view));
    QVERIFY(shown);
    QVERIFY(capture.contains(QtDebugMsg, QStringLiteral("contentSize =")));
}

PENSARIO_TEST_MAIN(TestASaveAsHelper)
#include "tst_asaveashelper.moc"
