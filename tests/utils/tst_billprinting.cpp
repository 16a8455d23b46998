#include "dao.h"
#include "outputfiles.h"
#include "printutils.h"
#include "recibo.h"
#include "testenv.h"
#include "testmain.h"

#include <QDate>
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

    static QString bills(int count, int conceptLines)
    {
        QSettings().setValue(u"CONFIGURATION/academia_nombre"_s, u"Academia Miño"_s);
        QSettings().setValue(u"CONFIGURATION/academia_direccion"_s, u"Rúa do Sol 4"_s);
        QSettings().setValue(u"CONFIGURATION/recibo_expedidoEn"_s, u"Lugo"_s);
        QString pages;
        for (int n = 1; n <= count; ++n) {
            Recibo r;
            r.setNRecibo(900 + n);
            r.setFecha(QDate(2024, 3, 1));
            r.setImporte(70);
            r.setDescuento(5);
            r.setImportePagado(10);
            r.setPagaderoEn(u"ES76 2100 0418 4502 0005 1332"_s);
            r.setDatosAlumno(u"Ana Pena \nRúa Nova 3 \nLugo 27001 (Lugo)"_s);
            for (int l = 1; l <= conceptLines; ++l)
                r.addLineaConcepto(Recibo::lineaConcepto(u"Subject %1"_s.arg(l), 10 * l));
            pages += r.toHtmlPage();
        }
        return Recibo::toHtmlBody(pages);
    }

    QString printA4(const QString& html, const QString& name, const QString& header = QString(),
                    const QString& footer = QString())
    {
        PrintUtils pu(header, html, footer, nullptr,
                      {{u"resources://logo"_s, QPixmap::fromImage(QImage(u":/icons/logovelbrook.png"_s))}});
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
};

PENSARIO_TEST_MAIN(TestBillPrinting)
#include "tst_billprinting.moc"
