#include "recibofixture.h"

#include "testmain.h"

#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QUrl>

using namespace ReciboFixture;

class TestReciboHtml : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void conceptLineLayout();
    void payerBlock();
    void paidAndDiscountLines();
    void pageCarriesValuesInBothCopies();
    void largeAmountsKeepTheirCents();
    void markupInTextsIsEscaped();
    void billPrintsToPdf();

private:
    Recibo* ejemplo();
};

void TestReciboHtml::init()
{
    QVERIFY(abrirBaseNueva());
}

void TestReciboHtml::conceptLineLayout()
{
    const QString l = Recibo::lineaConcepto(QStringLiteral("Piano1"), 45);
    QCOMPARE(l.size(), 77);
    QCOMPARE(l, QStringLiteral("Piano1") + QString(66, QLatin1Char('.')) + QStringLiteral("45.00"));

    const QString largo(90, QLatin1Char('x'));
    QCOMPARE(Recibo::lineaConcepto(largo, 1).left(70), largo.left(70));
    QCOMPARE(Recibo::lineaConcepto(largo, 1).size(), 77);

    const QString grande = Recibo::lineaConcepto(QStringLiteral("A"), 12345.67);
    QVERIFY(grande.endsWith(QStringLiteral("A") + QString(69, QLatin1Char('.')) + QStringLiteral("12345.67")));
    QCOMPARE(grande.size(), 78);
    QVERIFY(Recibo::lineaConcepto(QStringLiteral("A"), 123456789.5).endsWith(QStringLiteral("123456789.50")));
}

void TestReciboHtml::payerBlock()
{
    Alumno a;
    a.setApellidos(QStringLiteral("Souto Vilas"));
    a.setDireccion(QStringLiteral("Praza Maior 1"));
    a.setLocalidad(QStringLiteral("Ourense"));
    a.setCp(QStringLiteral("32001"));
    QCOMPARE(Recibo::datosAlumno(&a), QStringLiteral("Souto Vilas \nPraza Maior 1 \nOurense 32001"));
    a.setNombre(QStringLiteral("Iria"));
    a.setProvincia(QStringLiteral("Ourense"));
    QCOMPARE(Recibo::datosAlumno(&a), QStringLiteral("Iria Souto Vilas \nPraza Maior 1 \nOurense 32001 (Ourense)"));
    QVERIFY(!Recibo::datosAlumno(nullptr).isNull());
    QVERIFY(Recibo::datosAlumno(nullptr).isEmpty());
}

void TestReciboHtml::paidAndDiscountLines()
{
    Recibo r;
    r.addLineaConcepto(Recibo::lineaConcepto(QStringLiteral("Mates"), 45));
    r.addLineaConcepto(Recibo::lineaConcepto(QStringLiteral("Inglés"), 30));
    QCOMPARE(r.conceptoYaPagadoYDescuento(), r.concepto());
    QCOMPARE(r.concepto().count(QLatin1Char('\n')), 1);

    r.setDescuento(5);
    QStringList lineas = r.conceptoYaPagadoYDescuento().split(QLatin1Char('\n'));
    QCOMPARE(lineas.size(), 3);
    QCOMPARE(lineas.last(), QStringLiteral("Discount") + QString(62, QLatin1Char('.')) + QStringLiteral("..-5.00"));

    r.setImportePagado(20);
    lineas = r.conceptoYaPagadoYDescuento().split(QLatin1Char('\n'));
    QCOMPARE(lineas.size(), 4);
    QCOMPARE(lineas.at(2), Recibo::lineaConcepto(QStringLiteral("Paid"), 20));
}

Recibo* TestReciboHtml::ejemplo()
{
    QSettings settings;
    settings.setValue(QStringLiteral("CONFIGURATION/academia_nombre"), QStringLiteral("Academia Miño"));
    settings.setValue(QStringLiteral("CONFIGURATION/academia_direccion"), QStringLiteral("Rúa do Sol 4"));
    settings.setValue(QStringLiteral("CONFIGURATION/academia_nif"), QStringLiteral("B27000000"));
    settings.setValue(QStringLiteral("CONFIGURATION/recibo_expedidoEn"), QStringLiteral("Lugo"));
    settings.setValue(QStringLiteral("CONFIGURATION/recibo_diasVencimiento"), 10);

    auto* r = new Recibo;
    r->setNRecibo(17);
    r->setFecha(QDate(2024, 3, 1));
    r->setImporte(70);
    r->setDescuento(5);
    r->setPagaderoEn(QStringLiteral("ES76 2100 0418 4502 0005 1332"));
    r->setDatosAlumno(QStringLiteral("Ana Pena \nRúa Nova 3 \nLugo 27001 (Lugo)"));
    r->addLineaConcepto(Recibo::lineaConcepto(QStringLiteral("Mates"), 45));
    r->addLineaConcepto(Recibo::lineaConcepto(QStringLiteral("Inglés"), 30));
    return r;
}

void TestReciboHtml::pageCarriesValuesInBothCopies()
{
    std::unique_ptr<Recibo> r(ejemplo());
    const QString html = r->toHtml();

    QCOMPARE(html.count(QStringLiteral("2012 - 17")), 2);
    QCOMPARE(html.count(QStringLiteral("01/03/2024")), 2);
    QCOMPARE(html.count(QStringLiteral("11/03/2024")), 2);
    QCOMPARE(html.count(QStringLiteral("70.00")), 2);
    QCOMPARE(html.count(QStringLiteral("ES76 2100 0418 4502 0005 1332")), 2);
    QCOMPARE(html.count(QStringLiteral("Ana Pena <br/>Rúa Nova 3 <br/>Lugo 27001 (Lugo)")), 2);
    QCOMPARE(html.count(QStringLiteral("Academia Miño")), 2);
    QCOMPARE(html.count(QStringLiteral("Rúa do Sol 4")), 2);
    QCOMPARE(html.count(QStringLiteral("B27000000<br/>")), 2);
    QCOMPARE(html.count(QStringLiteral(">Lugo<")), 2);
    QCOMPARE(html.count(Recibo::lineaConcepto(QStringLiteral("Mates"), 45) + QStringLiteral("<br/>")), 2);
    QCOMPARE(html.count(QStringLiteral("..-5.00")), 2);
    QCOMPARE(html.count(QStringLiteral("resources://logo")), 2);
    QCOMPARE(html.count(QStringLiteral("page-break-after:always")), 1);
    QVERIFY(html.contains(QStringLiteral("<title>Recibo</title>")));

    // no placeholder is left unfilled
    const QRegularExpression placeholder(QStringLiteral("#[a-z]+#|%%[A-Z]+%%"));
    QVERIFY2(!html.contains(placeholder), qPrintable(placeholder.match(html).captured()));

    // without the setting the due date is the date of issue
    QSettings().remove(QStringLiteral("CONFIGURATION/recibo_diasVencimiento"));
    QCOMPARE(r->toHtmlPage().count(QStringLiteral("01/03/2024")), 4);
}

void TestReciboHtml::largeAmountsKeepTheirCents()
{
    std::unique_ptr<Recibo> r(ejemplo());
    r->setImporte(1234567.89);
    const QString page = r->toHtmlPage();
    QCOMPARE(page.count(QStringLiteral("1,234,567.89")), 2);
    QVERIFY(!page.contains(QStringLiteral("e+")));
    r->setImporte(12345.6);
    QCOMPARE(r->toHtmlPage().count(QStringLiteral("12,345.60")), 2);
}

void TestReciboHtml::markupInTextsIsEscaped()
{
    std::unique_ptr<Recibo> r(ejemplo());
    r->setDatosAlumno(QStringLiteral("<b>Eva</b> & Co \nx"));
    const QString page = r->toHtmlPage();
    QVERIFY(!page.contains(QStringLiteral("<b>Eva</b>")));
    QCOMPARE(page.count(QStringLiteral("&lt;b&gt;Eva&lt;/b&gt; &amp; Co <br/>x")), 2);
}

void TestReciboHtml::billPrintsToPdf()
{
    std::unique_ptr<Recibo> r(ejemplo());
    QTextDocument doc;
    doc.setHtml(r->toHtml());
    doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("resources://logo")),
                    QImage(QStringLiteral(":/icons/logovelbrook.png")));
    doc.setDocumentMargin(0);
    QVERIFY(doc.toPlainText().contains(QStringLiteral("2012 - 17")));

    // An A4 sheet in 96-dpi units, laid out as the printing code does:
    // both copies fit on it.
    const QSizeF a4(794, 1123);
    doc.setPageSize(a4);
    QCOMPARE(doc.pageCount(), 1);
    // each concept line stays on one line of its cell
    const QTextCursor linea = doc.find(QStringLiteral("Mates....."));
    QVERIFY(!linea.isNull());
    // the label, two subjects and the discount: a wrapped line would add more
    QCOMPARE(linea.block().layout()->lineCount(), 4);

    QTemporaryDir dir;
    const QString keep = qEnvironmentVariable("PENSARIO_KEEP_PDF");
    const QString path = keep.isEmpty() ? dir.filePath(QStringLiteral("recibo.pdf")) : keep;
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

PENSARIO_TEST_MAIN(TestReciboHtml)
#include "tst_recibohtml.moc"
