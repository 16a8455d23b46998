#include "dao.h"
#include "outputfiles.h"
#include "printutils.h"
#include "recibo.h"
#include "testenv.h"
#include "testmain.h"

#include <QDate>
#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QPixmap>
#include <QPrinter>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace outputfiles;

// Bills as the bills page prints them: the pages of several bills joined in
// one frame and printed through the paged printer, each bill on a sheet of its
// own with both copies.
class TestBillPrinting : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_tmp;

    static QString bills(int count, int conceptLines, int first = 1, const QString& payer = QString())
    {
        QSettings().setValue(u"CONFIGURATION/academia_nombre"_s, u"Academia Miño"_s);
        QSettings().setValue(u"CONFIGURATION/academia_direccion"_s, u"Rúa do Sol 4"_s);
        QSettings().setValue(u"CONFIGURATION/recibo_expedidoEn"_s, u"Lugo"_s);
        QString pages;
        for (int n = first; n < first + count; ++n) {
            Recibo r;
            r.setNRecibo(900 + n);
            r.setFecha(QDate(2024, 3, 1));
            r.setImporte(70);
            r.setDescuento(5);
            r.setImportePagado(10);
            r.setPagaderoEn(u"ES76 2100 0418 4502 0005 1332"_s);
            r.setDatosAlumno(payer.isEmpty() ? u"Ana Pena \nRúa Nova 3 \nLugo 27001 (Lugo)"_s : payer);
            for (int l = 1; l <= conceptLines; ++l)
                r.addLineaConcepto(Recibo::lineaConcepto(u"Subject %1"_s.arg(l), 10 * l));
            pages += r.toHtmlPage();
        }
        return Recibo::toHtmlBody(pages);
    }

    static QList<QPair<QString, QPixmap>> logo()
    {
        return {{u"resources://logo"_s, QPixmap::fromImage(QImage(u":/icons/logovelbrook.png"_s))}};
    }

    QString printA4(const QString& html, const QString& name, const QString& header = QString(),
                    const QString& footer = QString())
    {
        PrintUtils pu(header, html, footer, nullptr, logo());
        return printA4(pu, name);
    }

    QString printA4(PrintUtils& pu, const QString& name)
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFormat(QPrinter::PdfFormat);
        // PENSARIO_KEEP_PDF names a file to keep the printout in, to look at it
        const QString keep = qEnvironmentVariable("PENSARIO_KEEP_PDF");
        const QString pdf = keep.isEmpty() ? m_tmp.filePath(name) : keep;
        printer.setOutputFileName(pdf);
        pu.print(&printer);
        return pdf;
    }

    // The pages of a PDF as images, at a low resolution.
    static QList<QImage> pageImages(const QString& pdf, const QString& prefix)
    {
        run(u"pdftoppm"_s, {u"-png"_s, u"-r"_s, u"40"_s, pdf, prefix});
        QList<QImage> images;
        for (int page = 1; QFile::exists(u"%1-%2.png"_s.arg(prefix).arg(page, 2, 10, QLatin1Char('0'))); ++page)
            images << QImage(u"%1-%2.png"_s.arg(prefix).arg(page, 2, 10, QLatin1Char('0')));
        return images;
    }

private slots:
    void init()
    {
        TestEnv::resetCase();
        QVERIFY(Dao::getInstance()->open(u"bills"_s, false));
    }

    void everyBillOnOneSheetWithBothCopies_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("conceptLines");
        QTest::addColumn<QString>("footer");
        QTest::newRow("three bills") << 3 << 2 << QString();
        QTest::newRow("one bill") << 1 << 2 << QString();
        QTest::newRow("six subjects, paid and discount") << 3 << 6 << QString();
        QTest::newRow("page footer") << 3 << 2 << u"<p align=\"center\">%%PAGENUM%% / %%PAGECOUNT%%</p>"_s;
    }

    void everyBillOnOneSheetWithBothCopies()
    {
        QFETCH(int, count);
        QFETCH(int, conceptLines);
        QFETCH(QString, footer);
        const QString pdf = printA4(bills(count, conceptLines), u"bills.pdf"_s, QString(), footer);
        QCOMPARE(pdfPages(pdf), count);
        for (int page = 1; page <= count; ++page) {
            const QString text = pdfText(pdf, page);
            // both copies of this bill, down to the line closing each copy
            QVERIFY2(text.count(u" - %1"_s.arg(900 + page)) == 2, qPrintable(text));
            QCOMPARE(text.count(QRegularExpression(u" - 9\\d\\d"_s)), 2);
            QCOMPARE(text.count(u"Subject %1"_s.arg(conceptLines)), 2);
            QCOMPARE(text.count(u"Lugo 27001 (Lugo)"_s), 2);
            QVERIFY2(text.count(u"Recibo no válido sin el sello"_s) == 2, qPrintable(text));
            if (!footer.isEmpty())
                QVERIFY2(text.contains(QRegularExpression(u"\\b%1\\s*/\\s*%2\\b"_s.arg(page).arg(count))), qPrintable(text));
        }
    }

    // However long a bill's payer block, its address or its concept, the
    // bill keeps to its page, smaller, and so the pages counted are the
    // bills; a normal bill among them keeps its size.
    void longTextsKeepEachBillOnItsPage()
    {
        QString payer = u"María del Carmen Fernández de la Torre y Villanueva de los Ríos "_s.repeated(6);
        for (int line = 1; line <= 25; ++line)
            payer += u"\nRúa da Raíña, número %1, portal B, escaleira dereita, cuarto andar"_s.arg(line);
        payer += u"\nLast line of the address"_s;
        const int count = 7;
        const QString footer = u"<p align=\"center\">%%PAGENUM%% / %%PAGECOUNT%%</p>"_s;
        PrintUtils::Batches batches;
        batches.items = count;
        batches.perBatch = 3;
        batches.pagesPerItem = 1;
        batches.progressText = u"Bill %1 of %2"_s;
        batches.read = [payer](int first, int n) {
            QString html;
            for (int i = first; i < first + n; ++i)
                html += bills(1, i == 3 ? 2 : 30, i + 1, i == 3 ? QString() : payer);
            return std::function<QString()>([html] { return html; });
        };
        PrintUtils pu(QString(), batches, footer, nullptr, logo());
        const QString pdf = printA4(pu, u"long.pdf"_s);
        QCOMPARE(pdfPages(pdf), count);
        for (int page = 1; page <= count; ++page) {
            const QString text = pdfText(pdf, page);
            QVERIFY2(text.count(u" - %1"_s.arg(900 + page)) == 2, qPrintable(text));
            QVERIFY2(text.contains(QRegularExpression(u"\\b%1\\s*/\\s*%2\\b"_s.arg(page).arg(count))), qPrintable(text));
            if (page != 4)
                QVERIFY2(text.count(u"Last line of the address"_s) == 2, qPrintable(text));
        }
        // the normal bill prints as it would alone
        const QString alone = printA4(bills(1, 2, 4), u"alone.pdf"_s, QString(), footer);
        QCOMPARE(pdfText(pdf, 4).count(u"Lugo 27001 (Lugo)"_s), 2);
        QCOMPARE(pdfText(alone, 1).section(u'\n', 0, 5), pdfText(pdf, 4).section(u'\n', 0, 5));
    }

    // Bills printed a batch at a time give the very pages of one document
    // holding them all, with the page count of every bill in the footer.
    void batchesPrintTheSamePages()
    {
        const int count = 23;
        const QString footer = u"<p align=\"center\">%%PAGENUM%% / %%PAGECOUNT%%</p>"_s;
        const QString whole = printA4(bills(count, 3), u"whole.pdf"_s, QString(), footer);

        PrintUtils::Batches batches;
        batches.items = count;
        batches.perBatch = 10;
        batches.pagesPerItem = 1;
        batches.progressText = u"Bill %1 of %2"_s;
        batches.read = [](int first, int n) {
            const QString html = bills(n, 3, first + 1);
            return std::function<QString()>([html] { return html; });
        };
        PrintUtils pu(QString(), batches, footer, nullptr, logo());
        const QString batched = printA4(pu, u"batched.pdf"_s);
        QCOMPARE(pdfPages(batched), count);

        const QList<QImage> expected = pageImages(whole, m_tmp.filePath(u"whole"_s));
        const QList<QImage> printed = pageImages(batched, m_tmp.filePath(u"batched"_s));
        QCOMPARE(printed.size(), count);
        QCOMPARE(expected.size(), count);
        for (int page = 0; page < count; ++page) {
            QVERIFY2(printed.at(page) == expected.at(page), qPrintable(u"page %1 differs"_s.arg(page + 1)));
        }
    }
};

PENSARIO_TEST_MAIN(TestBillPrinting)
#include "tst_billprinting.moc"
