#include "afilebeside.h"
#include "asaveashelper.h"
#include "filesizelimit.h"
#include "outputfiles.h"
#include "messagecapture.h"
#include "scriptedprompter.h"
#include "testmain.h"

#include <QApplication>
#include <algorithm>
#include <functional>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QTimer>
#include <QFile>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QSettings>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QThread>

namespace {
QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QList<QStandardItem*> row(const QVariantList& values)
{
    QList<QStandardItem*> items;
    for (const QVariant& value : values) {
        items << new QStandardItem;
        items.last()->setData(value, Qt::DisplayRole);
    }
    return items;
}

// A model as slow to read as a long list of a large academy.
class SlowModel : public QIdentityProxyModel
{
public:
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::DisplayRole)
            QThread::usleep(300);
        return QIdentityProxyModel::data(index, role);
    }
};

const QString listingFailure = QStringLiteral("<html>An error happened while creating listing file<br/>Check the "
                                              "file's name, you have write permission and enough disk space.");
} // namespace

using namespace outputfiles;

class TestASaveAsHelper : public QObject
{
    Q_OBJECT
private:
    QString path(const QString& name) const { return m_dir->filePath(name); }

    void fillLongList()
    {
        m_model.clear();
        m_model.setHorizontalHeaderLabels({"Name", "Amount", "Note"});
        for (int i = 1; i <= 6000; ++i)
            m_model.appendRow(row({QStringLiteral("Row%1").arg(i), i * 1.25, QStringLiteral("some words to wrap")}));
        m_view.setModel(&m_model);
    }

    struct CancelledSave
    {
        qint64 cancelledAt = -1; // ms from the start, -1: never
        qint64 endedAt = -1;
        QString label;           // of the box when Cancel was pressed
        bool answered = false;   // saveAsPdf answered true
        bool cancelled = false;
        QStringList asked;
    };

    // Saves the list as a PDF, pressing Cancel on the first progress box
    // that `now` accepts.
    CancelledSave saveCancelling(const std::function<bool(const QProgressDialog*)>& now)
    {
        CancelledSave save;
        QElapsedTimer job;
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, [&] {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QProgressDialog*>(top);
                    box && box->isVisible() && save.cancelledAt < 0 && now(box)) {
                    save.label = box->labelText();
                    save.cancelledAt = job.elapsed();
                    box->cancel();
                }
        });
        watcher.start(5);
        ScriptedPrompter prompter;
        job.start();
        save.answered = ASaveAsHelper::saveAsPdf(path(QStringLiteral("long.pdf")), QStringLiteral("Student list"),
                                                 &m_view, &save.cancelled);
        save.endedAt = job.elapsed();
        for (const auto& question : prompter.asked())
            save.asked << question.text;
        return save;
    }

    QStandardItemModel m_model;
    QSortFilterProxyModel m_proxy;
    QTableView m_view;
    QScopedPointer<QTemporaryDir> m_dir;

private slots:
    // Sorted descending, "Amount" moved first, "Paid" and the "Zz hidden" row hidden.
    void init()
    {
        TestEnv::resetCase();
        m_dir.reset(new QTemporaryDir);
        m_model.clear();
        m_model.setHorizontalHeaderLabels({"Name", "Amount", "Note", "Paid"});
        m_model.appendRow(row({"Ana", 12345.67, "He said \"hi\", then left", true}));
        m_model.appendRow(row({"Bea & <Co>", 45.5, "line1\nline2", false}));
        m_model.appendRow(row({"Ca", 70.0, QString(), true}));
        m_model.appendRow(row({"Zz hidden", 1.0, "x", true}));
        m_proxy.setSourceModel(&m_model);
        m_view.setModel(&m_proxy);
        m_proxy.sort(0, Qt::DescendingOrder);
        m_view.horizontalHeader()->moveSection(1, 0);
        m_view.setColumnHidden(3, true);
        m_view.setRowHidden(0, true);
    }
    void cleanup() { m_view.setModel(nullptr); }

    void csvQuotesEveryFieldOfTheVisibleTable()
    {
        const QString file = path(QStringLiteral("list.csv"));
        QVERIFY(ASaveAsHelper::saveAsCsv(file, QStringLiteral("Student \"list\", 2012"), &m_view));
        QCOMPARE(readAll(file), QByteArray("\"Student \"\"list\"\", 2012\"\n"
                                           "\n"
                                           "\"Amount\",\"Name\",\"Note\"\n"
                                           "\"70\",\"Ca\",\"\"\n"
                                           "\"45.5\",\"Bea & <Co>\",\"line1\nline2\"\n"
                                           "\"12345.67\",\"Ana\",\"He said \"\"hi\"\", then left\"\n"));
    }

    void htmlAndWorkbookOfTheVisibleTable()
    {
        m_model.setHorizontalHeaderItem(2, new QStandardItem(QString()));
        const QString html = ASaveAsHelper::tableViewToHtml(QStringLiteral("Students <b>2012</b>"), &m_view);
        QVERIFY(html.contains(QStringLiteral("<thead><tr><th>Amount</th><th>Name</th><th>&nbsp;</th></tr></thead>"
                                             "<tr><td>70</td><td>Ca</td><td>&nbsp;</td></tr>"
                                             "<tr><td>45.5</td><td>Bea &amp; &lt;Co&gt;</td>")));
        QVERIFY(html.contains(QStringLiteral("<td>He said &quot;hi&quot;, then left</td></tr></table></body></html>")));
        QVERIFY(!html.contains(QStringLiteral("Zz hidden")));

        const QString file = path(QStringLiteral("list.xlsx"));
        QVERIFY(ASaveAsHelper::saveAsXls(file, QStringLiteral("Student list: 2012/13"), &m_view));
        const QStringList lines = xlsxRows(file);
        QVERIFY(lines.size() >= 7);
        QCOMPARE(lines.at(3), QStringLiteral("70,Ca,"));
        QCOMPARE(lines.at(6), QStringLiteral("12345.67,Ana,\"He said \"\"hi\"\", then left\""));
        // every cell is text; the title is in a 30 point row
        const QString sheet = xlsxPart(file);
        QVERIFY(!sheet.contains(QRegularExpression(QStringLiteral("<c r=\"[A-Z]+[0-9]+\"( s=\"[0-9]+\")?><v>"))));
        QVERIFY(sheet.contains(QStringLiteral("ht=\"30\" customHeight=\"1\"><c r=\"A1\"")));
    }

    // Also: an existing file is replaced whole, whatever its size.
    void unicodeFileNamesKeptAndOldFilesReplaced()
    {
        const QString folder = path(QStringLiteral("Años de señales é à ü"));
        QVERIFY(QDir().mkpath(folder));
        QStringList names;
        for (const char* ending : {".csv", ".html", ".pdf", ".xlsx"})
            names << QStringLiteral("listado_año_ñandú_é") + QLatin1String(ending);
        ScriptedPrompter prompter;
        for (const QString& name : names) {
            QFile old(folder + QLatin1Char('/') + name);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(QByteArray(100000, 'x'));
            old.close();
            QVERIFY2(ASaveAsHelper::saveTo(folder + QLatin1Char('/') + name, QStringLiteral("Año"), &m_view),
                     qPrintable(name));
            QVERIFY(!readAll(folder + QLatin1Char('/') + name).contains(QByteArray(100, 'x')));
        }
        QVERIFY(prompter.allAnswered());
        // no transliterated names, no leftovers beside them
        QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name), names);
        QVERIFY(readAll(folder + QStringLiteral("/listado_año_ñandú_é.pdf")).startsWith("%PDF-"));
        QCOMPARE(QSettings().value(QStringLiteral("listing/defaultDir")).toString(), folder);
    }

    void failedWritesAreReported()
    {
        const QString missing = path(QStringLiteral("missing/folder"));
        for (const char* ending : {".xlsx", ".csv", ".html", ".pdf"}) {
            ScriptedPrompter prompter;
            prompter.button(QMessageBox::Ok);
            QVERIFY2(!ASaveAsHelper::saveTo(missing + "/list" + ending, QStringLiteral("T"), &m_view), ending);
            QVERIFY(prompter.allAnswered());
            QCOMPARE(prompter.asked().constFirst().title, QStringLiteral("Error creating file"));
            QCOMPARE(prompter.asked().constFirst().text, listingFailure);
            QVERIFY(!QFileInfo::exists(missing));
        }
        // a PDF whose target cannot be replaced (a folder of that name) is a failure too
        const QString folderTarget = path(QStringLiteral("taken.pdf"));
        QVERIFY(QDir().mkpath(folderTarget + QStringLiteral("/inside")));
        QVERIFY(!ASaveAsHelper::saveAsPdf(folderTarget, QStringLiteral("T"), &m_view));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList());
    }

    // On a full disk no format replaces the earlier file with a part of the
    // new one: the failure is told, the old file stays byte for byte and
    // nothing is left beside it.
    void fullDiskKeepsTheEarlierFile_data()
    {
        QTest::addColumn<QString>("ending");
        for (const char* ending : {".xlsx", ".csv", ".html", ".pdf"})
            QTest::newRow(ending) << QString::fromLatin1(ending);
    }
    void fullDiskKeepsTheEarlierFile()
    {
        QFETCH(QString, ending);
        m_model.clear();
        m_model.setHorizontalHeaderLabels({"Name", "Amount"});
        for (int i = 1; i <= 3000; ++i)
            m_model.appendRow(row({QStringLiteral("Student number %1").arg(i), i * 1.25}));
        m_view.setModel(&m_model);
        const QString file = path(QStringLiteral("list") + ending);
        const QByteArray earlier = QByteArray("earlier good file ").repeated(40);
        {
            QFile old(file);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write(earlier) == earlier.size());
        }
        const int told = withFileSizeLimit(3 * 1024, [&] {
            ScriptedPrompter prompter;
            prompter.button(QMessageBox::Ok);
            const bool written = ASaveAsHelper::saveTo(file, QStringLiteral("Student list"), &m_view);
            return !written && prompter.allAnswered() && prompter.asked().constFirst().text == listingFailure ? 0 : 1;
        });
        QCOMPARE(told, 0);
        QCOMPARE(readAll(file), earlier);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{QFileInfo(file).fileName()});
    }

    // The file beside the target is made by the job itself: a link planted
    // under the name pattern is removed, never written through, and so is a
    // file a killed job left; a file the writer finds swapped for a link
    // never takes the target's name.
    void plantedLinksAndLeftoversAreNeverFollowed()
    {
        const QString victim = path(QStringLiteral("victim.txt"));
        {
            QFile file(victim);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("keep me") == 7);
        }
        const QString target = path(QStringLiteral("list.csv"));
        QVERIFY(QFile::link(victim, path(QStringLiteral(".list.csv.AbCd12.part"))));
        {
            QFile leftover(path(QStringLiteral(".list.csv.Zz9876.part")));
            QVERIFY(leftover.open(QIODevice::WriteOnly) && leftover.write("half a list") == 11);
        }
        // A job still running keeps its file.
        AFileBeside running(path(QStringLiteral("list.csv")));
        QVERIFY(running.isValid());
        QVERIFY(QFileInfo(running.fileName()).fileName().startsWith(QStringLiteral(".list.csv.")));

        QVERIFY(ASaveAsHelper::saveAsCsv(target, QStringLiteral("T"), &m_view));
        QVERIFY(readAll(target).startsWith("\"T\""));
        QCOMPARE(readAll(victim), QByteArray("keep me"));
        QStringList expected{QStringLiteral("list.csv"), QStringLiteral("victim.txt"),
                             QFileInfo(running.fileName()).fileName()};
        expected.sort();
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name), expected);

        // The running job's file swapped for a link to the victim.
        QVERIFY(running.file().write("new") == 3);
        QVERIFY(QFile::remove(running.fileName()));
        QVERIFY(QFile::link(victim, running.fileName()));
        const QByteArray before = readAll(target);
        QVERIFY(!running.commit());
        QCOMPARE(readAll(target), before);
        QCOMPARE(readAll(victim), QByteArray("keep me"));
    }

    // A PDF list the user stopped tells of no error, leaves no file, and
    // leaves nothing behind that would keep a later failure from being told.
    void stoppedPdfIsNoFailureButTheNextFailureIsTold()
    {
        m_model.clear();
        m_model.setHorizontalHeaderLabels({"Name", "Amount"});
        for (int i = 1; i <= 8000; ++i)
            m_model.appendRow(row({QStringLiteral("Row%1").arg(i), i * 1.25}));
        m_view.setModel(&m_model);
        bool stopped = false;
        QTimer stopper;
        connect(&stopper, &QTimer::timeout, [&stopped] {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QProgressDialog*>(top); box && box->isVisible() && !stopped) {
                    stopped = true;
                    box->cancel();
                }
        });
        stopper.start(20);
        ScriptedPrompter prompter;
        const QString file = path(QStringLiteral("long.pdf"));
        QVERIFY(!ASaveAsHelper::saveTo(file, QStringLiteral("Student list"), &m_view));
        stopper.stop();
        QVERIFY(stopped);
        QVERIFY(prompter.asked().isEmpty());
        QVERIFY(!QFileInfo::exists(file));

        prompter.button(QMessageBox::Ok);
        QVERIFY(!ASaveAsHelper::saveTo(path(QStringLiteral("missing/list.pdf")), QStringLiteral("T"), &m_view));
        QVERIFY(prompter.allAnswered());
        QCOMPARE(prompter.asked().constFirst().text, listingFailure);
    }

    // A long list's HTML tells how far it got as it is written, so that the
    // windows stay painted, and writes nothing when told to stop.
    void listHtmlInStepsStopsWhenTold()
    {
        m_model.clear();
        m_model.setHorizontalHeaderLabels({"Name"});
        for (int i = 1; i <= 1000; ++i)
            m_model.appendRow(row({QStringLiteral("Row%1").arg(i)}));
        m_view.setModel(&m_model);
        const QString whole = ASaveAsHelper::tableViewToHtml(QStringLiteral("T"), &m_view);
        QList<int> seen;
        const auto told = [&seen](int done, int rows) {
            seen << done;
            return rows == 1000;
        };
        QCOMPARE(ASaveAsHelper::tableViewToHtml(QStringLiteral("T"), &m_view, told), whole);
        QVERIFY2(seen.size() >= 3 && seen.first() == 0 && std::is_sorted(seen.cbegin(), seen.cend())
                     && seen.last() < 1000,
                 qPrintable(QString::number(seen.size())));
        const auto stop = [](int done, int) { return done == 0; };
        QVERIFY(ASaveAsHelper::tableViewToHtml(QStringLiteral("T"), &m_view, stop).isEmpty());
    }

    // A long list shows its progress while it is still being measured and
    // cut into pages, long before any page is painted, and Cancel there ends
    // the job at once instead of after the table is laid out.
    void longListShowsProgressFromTheStartAndStopsAtOnce()
    {
        fillLongList();
        const CancelledSave save = saveCancelling([](const QProgressDialog*) { return true; });
        QVERIFY(!save.answered);
        QVERIFY(save.cancelled);
        QVERIFY2(save.cancelledAt >= 0 && save.cancelledAt < 800 * TestEnv::slowdown(),
                 qPrintable(QString::number(save.cancelledAt)));
        QCOMPARE(save.label, QStringLiteral("Preparing the pages..."));
        QVERIFY2(save.endedAt - save.cancelledAt < 1000,
                 qPrintable(QStringLiteral("%1 ms after Cancel").arg(save.endedAt - save.cancelledAt)));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // A long list's pages are painted from the moment their count is
    // foretold, while its last parts may still be cut; Cancel among them
    // ends the job at once and leaves no file.
    void longListCancelledWhilePaintedLeavesNoFile()
    {
        fillLongList();
        const CancelledSave save = saveCancelling(
            [](const QProgressDialog* box) { return box->labelText().startsWith(QStringLiteral("Page ")); });
        QVERIFY(!save.answered);
        QVERIFY(save.cancelled);
        QVERIFY2(save.cancelledAt >= 0, "no page was painted before the end");
        QVERIFY2(save.endedAt - save.cancelledAt < 1000,
                 qPrintable(QStringLiteral("%1 ms after Cancel").arg(save.endedAt - save.cancelledAt)));
        QVERIFY(save.asked.isEmpty());
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // A long list written to a spreadsheet, CSV or HTML file shows its
    // progress while its rows are read; Cancel leaves the earlier file alone.
    void longListExportShowsProgressAndCancels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("spreadsheet") << QStringLiteral("long.xlsx");
        QTest::newRow("csv") << QStringLiteral("long.csv");
        QTest::newRow("html") << QStringLiteral("long.html");
    }
    void longListExportShowsProgressAndCancels()
    {
        QFETCH(QString, name);
        SlowModel slow;
        slow.setSourceModel(&m_model);
        m_model.clear();
        m_model.setHorizontalHeaderLabels({"Name", "Amount"});
        for (int i = 1; i <= 3000; ++i)
            m_model.appendRow(row({QStringLiteral("Row%1").arg(i), i * 1.25}));
        m_view.setModel(&slow);
        const QString file = path(name);
        QFile earlier(file);
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
        earlier.close();
        QString label;
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, [&] {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QProgressDialog*>(top); box && box->isVisible() && label.isEmpty()) {
                    label = box->labelText();
                    box->cancel();
                }
        });
        watcher.start(10);
        ScriptedPrompter prompter;
        QVERIFY(!ASaveAsHelper::saveTo(file, QStringLiteral("Student list"), &m_view));
        watcher.stop();
        m_view.setModel(nullptr);
        QVERIFY2(QRegularExpression(QStringLiteral("^Row \\d+ of 3000$")).match(label).hasMatch(), qPrintable(label));
        QVERIFY(prompter.asked().isEmpty());  // a stopped job is no failure to tell about
        QCOMPARE(readAll(file), QByteArray("earlier"));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
    }

    void formatByEndingAndRememberedChoice()
    {
        QCOMPARE(ASaveAsHelper::formatOf(QStringLiteral("/a/B.XLSX")), ASaveAsHelper::Xls);
        QCOMPARE(ASaveAsHelper::formatOf(QStringLiteral("/a/b.xls")), ASaveAsHelper::FormatoInvalido);
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(ASaveAsHelper::proposedPath(QStringLiteral("listado")), documents + QStringLiteral("/listado"));
        QCOMPARE(ASaveAsHelper::filters().constFirst(), QStringLiteral("Excel (*.xlsx)"));
        {
            ScriptedPrompter prompter;
            prompter.button(QMessageBox::Ok);
            QVERIFY(!ASaveAsHelper::saveTo(path(QStringLiteral("notes.txt")), QStringLiteral("T"), &m_view));
            QCOMPARE(prompter.asked().constFirst().text, QStringLiteral("Can't generate listings in selected format: .txt"));
        }

        const QString folder = path(QStringLiteral("chosen"));
        QVERIFY(QDir().mkpath(folder));
        ScriptedPrompter quiet;
        QVERIFY(ASaveAsHelper::saveTo(folder + QStringLiteral("/x.csv"), QStringLiteral("T"), &m_view));
        QCOMPARE(ASaveAsHelper::proposedPath(QStringLiteral("listado")), folder + QStringLiteral("/listado"));
        QCOMPARE(ASaveAsHelper::filters().constFirst(), QStringLiteral("Comma separated values (*.csv)"));
    }

    // The save dialog's type decides the format: its ending is added to a
    // name without a known one; a name with another known ending keeps it.
    void chosenTypeDecidesTheFormat()
    {
        const QString csv = QStringLiteral("Comma separated values (*.csv)");
        QCOMPARE(ASaveAsHelper::withChosenFormat(QStringLiteral("/a/students"), csv), QStringLiteral("/a/students.csv"));
        QCOMPARE(ASaveAsHelper::withChosenFormat(QStringLiteral("/a/students.PDF"), csv), QStringLiteral("/a/students.PDF"));
        QCOMPARE(ASaveAsHelper::withChosenFormat(QStringLiteral("/a/v1.2 list"), QStringLiteral("Web page (*.html)")),
                 QStringLiteral("/a/v1.2 list.html"));

        // the real dialog: "CSV" chosen and a bare name typed
        auto answerDialog = [](const QString& filter, const QString& name) {
            QTimer::singleShot(0, [filter, name] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                if (!filter.isEmpty())
                    dialog->selectNameFilter(filter);
                if (!name.isEmpty())
                    dialog->selectFile(name);
                static_cast<QDialog*>(dialog)->accept(); // as the Save button does
            });
        };
        ScriptedPrompter quiet;
        answerDialog(csv, path(QStringLiteral("students")));
        ASaveAsHelper::saveAs(nullptr, QStringLiteral("T"), QStringLiteral("listado"), &m_view);
        QVERIFY2(quiet.allAnswered(), qPrintable(quiet.problems().join('\n')));
        QVERIFY(readAll(path(QStringLiteral("students.csv"))).startsWith("\"T\"\n"));
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("students"))));

        // Save pressed on the dialog's own proposal: the remembered type, CSV
        answerDialog(QString(), QString());
        ASaveAsHelper::saveAs(nullptr, QStringLiteral("T"), QStringLiteral("listado"), &m_view);
        QVERIFY2(quiet.allAnswered(), qPrintable(quiet.problems().join('\n')));
        QVERIFY(readAll(path(QStringLiteral("listado.csv"))).startsWith("\"T\"\n"));

        // the ending added here names a file that is there: the user decides
        QFile existing(path(QStringLiteral("kept.csv")));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("kept");
        existing.close();
        ScriptedPrompter keep;
        keep.buttonFor(QStringLiteral("kept.csv already exists"), QMessageBox::No);
        answerDialog(csv, path(QStringLiteral("kept")));
        ASaveAsHelper::saveAs(nullptr, QStringLiteral("T"), QStringLiteral("listado"), &m_view);
        QVERIFY2(keep.allAnswered(), qPrintable(keep.problems().join('\n')));
        QCOMPARE(readAll(path(QStringLiteral("kept.csv"))), QByteArray("kept"));
        ScriptedPrompter replace;
        replace.buttonFor(QStringLiteral("kept.csv already exists"), QMessageBox::Yes);
        answerDialog(csv, path(QStringLiteral("kept")));
        ASaveAsHelper::saveAs(nullptr, QStringLiteral("T"), QStringLiteral("listado"), &m_view);
        QVERIFY2(replace.allAnswered(), qPrintable(replace.problems().join('\n')));
        QVERIFY(readAll(path(QStringLiteral("kept.csv"))).startsWith("\"T\"\n"));
    }

    void pdfListingOnThreePages()
    {
        m_model.clear();
        m_model.setHorizontalHeaderLabels({"Name", "Amount"});
        for (int i = 1; i <= 100; ++i)
            m_model.appendRow(row({QStringLiteral("Row%1").arg(i, 3, 10, QLatin1Char('0')), i * 1.25}));
        m_view.setModel(&m_model);
        const QString file = path(QStringLiteral("long.pdf"));
        QVERIFY(ASaveAsHelper::saveAsPdf(file, QStringLiteral("Student list"), &m_view));
        QCOMPARE(pdfPages(file), 3);
        QString all;
        for (int page = 1; page <= 3; ++page) {
            const QString text = pdfText(file, page);
            QVERIFY2(text.contains(QStringLiteral("Page %1 of 3").arg(page)), qPrintable(text));
            QCOMPARE(text.contains(QStringLiteral("Student list")), page == 1);
            QCOMPARE(text.count(QStringLiteral("Name")), 1); // the header on every page
            all += text;
        }
        for (int i = 1; i <= 100; ++i)
            QCOMPARE(all.count(QStringLiteral("Row%1").arg(i, 3, 10, QLatin1Char('0'))), 1);
    }
};

PENSARIO_TEST_MAIN(TestASaveAsHelper)
#include "tst_asaveashelper.moc"
