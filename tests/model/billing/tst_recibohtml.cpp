#include "recibofixture.h"

#include "testmain.h"

#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

using namespace ReciboFixture;

class TestReciboHtml : public QObject
{
    Q_OBJECT

private:
    // One bill as the academy prints it.
    static std::unique_ptr<Recibo> ejemplo()
    {
        const QList<QPair<QString, QVariant>> settings = {{"academia_nombre", u"Academia Miño"_s}, {"academia_direccion", u"Rúa do Sol 4"_s},
            {"academia_nif", u"B27000000"_s}, {"recibo_expedidoEn", u"Lugo"_s}, {"recibo_diasVencimiento", 10}};
        for (const auto& [key, value] : settings)
            QSettings().setValue(u"CONFIGURATION/"_s + key, value);
        auto r = std::make_unique<Recibo>();
        r->setNRecibo(17);
        r->setFecha(QDate(2024, 3, 1));
        r->setImporte(70);
        r->setDescuento(5);
        r->setPagaderoEn(u"ES76 2100 0418 4502 0005 1332"_s);
        r->setDatosAlumno(u"Ana Pena \nRúa Nova 3 \nLugo 27001 (Lugo)"_s);
        r->addLineaConcepto(Recibo::lineaConcepto(u"Mates"_s, 45));
        r->addLineaConcepto(Recibo::lineaConcepto(u"Inglés"_s, 30));
        return r;
    }

private slots:
    void init() { QVERIFY(abrirBaseNueva()); }

    void pageCarriesValuesInBothCopies()
    {
        auto r = ejemplo();
        const QString html = r->toHtml();
        for (const QString& v : {u"2012 - 17"_s, u"01/03/2024"_s, u"11/03/2024"_s, u"70.00"_s, u"ES76 2100 0418 4502 0005 1332"_s,
                                 u"Ana Pena <br/>Rúa Nova 3 <br/>Lugo 27001 (Lugo)"_s, u"Academia Miño"_s, u"Rúa do Sol 4"_s,
                                 u"B27000000<br/>"_s, u">Lugo<"_s, Recibo::lineaConcepto(u"Mates"_s, 45) + u"<br/>"_s,
                                 u"..-5.00"_s, u"resources://logo"_s})
            QVERIFY2(html.count(v) == 2, qPrintable(v));
        QCOMPARE(html.count(u"page-break-after:always"_s), 1);
        // no placeholder is left unfilled
        const QRegularExpression placeholder(u"#[a-z]+#|%%[A-Z]+%%"_s);
        QVERIFY2(!html.contains(placeholder), qPrintable(placeholder.match(html).captured()));
        // without the setting the due date is the date of issue
        QSettings().remove(u"CONFIGURATION/recibo_diasVencimiento"_s);
        QCOMPARE(r->toHtmlPage().count(u"01/03/2024"_s), 4);
    }

    void amountsKeepTheirCentsAndTextsAreEscaped()
    {
        auto r = ejemplo();
        r->setImporte(1234567.89);
        // a text that looks like a placeholder is printed as typed
        r->setDatosAlumno(u"<b>Eva</b> & Co \nx #importe# %%DATOSACADEMIA%%"_s);
        const QString page = Recibo::toHtmlBody(r->toHtmlPage());
        QCOMPARE(page.count(u"1,234,567.89"_s), 2);
        QVERIFY(!page.contains(u"e+"_s));
        QVERIFY(!page.contains(u"<b>Eva</b>"_s));
        QCOMPARE(page.count(u"&lt;b&gt;Eva&lt;/b&gt; &amp; Co <br/>x #importe# %%DATOSACADEMIA%%"_s), 2);
        QVERIFY(Recibo::lineaConcepto(u"A"_s, 123456789.5).endsWith(u"123456789.50"_s));
    }

    void billPrintsToPdf()
    {
        auto r = ejemplo();
        QTextDocument doc;
        doc.setHtml(r->toHtml());
        doc.addResource(QTextDocument::ImageResource, QUrl(u"resources://logo"_s), QImage(u":/icons/logovelbrook.png"_s));
        doc.setDocumentMargin(0);
        // An A4 sheet in 96-dpi units, laid out as the printing code does: both copies fit on it.
        const QSizeF a4(794, 1123);
        doc.setPageSize(a4);
        QCOMPARE(doc.pageCount(), 1);
        // the label, two subjects and the discount: a wrapped concept line would add more
        const QTextCursor linea = doc.find(u"Mates....."_s);
        QVERIFY(!linea.isNull());
        QCOMPARE(linea.block().layout()->lineCount(), 4);

        QTemporaryDir dir;
        const QString keep = qEnvironmentVariable("PENSARIO_KEEP_PDF");
        const QString path = keep.isEmpty() ? dir.filePath(u"recibo.pdf"_s) : keep;
        {
            QPdfWriter writer(path);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setPageMargins(QMarginsF(0, 0, 0, 0));
            QPainter painter(&writer);
            painter.scale(writer.resolution() / 96.0, writer.resolution() / 96.0);
            doc.drawContents(&painter, QRectF(QPointF(0, 0), a4));
        }
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QVERIFY(bytes.size() > 2000);
    }
};

PENSARIO_TEST_MAIN(TestReciboHtml)
#include "tst_recibohtml.moc"
