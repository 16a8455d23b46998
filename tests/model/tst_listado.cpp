#include "linealistado.h"
#include "listado.h"
#include "messagecapture.h"
#include "testmain.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>

namespace {
const QString kTotal = QStringLiteral("bgcolor=\"#888586\" align=\"center\" class=\"ROUNDED\" style=\"font-style:bold\"");

QString ejecuta(const QString& programa, const QStringList& argumentos)
{
    QProcess p;
    p.start(programa, argumentos);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QStringLiteral("<failed: %1>").arg(QString::fromUtf8(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString comoCsv(const QString& xlsx)
{
    return ejecuta(QStringLiteral("xlsx2csv"), {xlsx});
}

QString parteXml(const QString& xlsx, const QString& parte)
{
    return ejecuta(QStringLiteral("unzip"), {QStringLiteral("-p"), xlsx, parte});
}

QString sufijoFecha()
{
    const QDate hoy = QDate::currentDate();
    return QStringLiteral("(%1 %2)").arg(QLocale::system().monthName(hoy.month(), QLocale::LongFormat))
        .arg(hoy.year());
}
}

class TestListado : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void celdasDeUnaLinea();
    void lineaSinValoresYCsv();
    void numerosSinPerderDecimales();
    void htmlDeUnaTablaPequena();
    void tituloConYSinFecha();
    void listadoVacio();
    void modeloNoLeeFueraDeRango();
    void libroConValoresYFormatos();
    void libroDeListadoVacioYTituloInvalido();
    void libroQueNoSePuedeEscribir();

private:
    Listado* listadoDePrueba(QObject* parent = nullptr);
    QTemporaryDir m_tmp;
};

void TestListado::initTestCase()
{
    // Each test process gets its own temporary folder, so parallel runs never share listado.xlsx.
    QVERIFY(m_tmp.isValid());
    qputenv("TMPDIR", QFile::encodeName(m_tmp.path()));
}

void TestListado::init()
{
    TestEnv::resetCase();
    qputenv("TMPDIR", QFile::encodeName(m_tmp.path()));
}

Listado* TestListado::listadoDePrueba(QObject* parent)
{
    auto* l = new Listado(parent);
    l->setTitulo(QStringLiteral("Salaries"));
    l->setSubtitulo(QStringLiteral("01/03/12 - 01/04/12"));
    l->setCabeceras({QStringLiteral("Teacher"), QStringLiteral("Amount"), QStringLiteral("Hours")});
    l->setHtmlCabeceras({QStringLiteral("width=\"50%\"")});
    auto* a = new LineaListado;
    a->addValor(QStringLiteral("Ana"), QString());
    a->addValor(12345.67, QString());
    a->addValor(7, QString());
    l->addlinea(a);
    auto* b = new LineaListado;
    b->addValor(QStringLiteral("Luis <br/> 50 %1"), QString());
    b->addValor(12.5, QString());
    b->addValor(3, QString());
    l->addlinea(b);
    l->addlinea(new LineaListado({QStringLiteral("Totales"), 12358.17, 10}, {kTotal, kTotal, kTotal}));
    return l;
}

void TestListado::celdasDeUnaLinea()
{
    LineaListado l;
    l.addValor(7.0, QString());
    l.addValor(7.0, QStringLiteral("class=\"ROUNDED\""));
    l.addValor(7, QStringLiteral("class=\"ROUNDED\""));
    l.addValor(QStringLiteral("50 %1 <br/>"), QStringLiteral("align=\"center\""));
    l.addValor(QVariant(QDate(2012, 3, 5)), QString());
    QCOMPARE(l.count(), 5);
    QCOMPARE(l.toHtml(),
             QStringLiteral("<td  >7.000</td><td class=\"ROUNDED\" >7.00</td><td class=\"ROUNDED\" >7</td>"
                            "<td align=\"center\" >50 %1 <br/></td><td  >2012-03-05</td>"));
    // The "ROUND" test is case-sensitive.
    QCOMPARE(LineaListado::textoCelda(12.5, QStringLiteral("class=\"rounded\"")), QStringLiteral("12.500"));
    QCOMPARE(LineaListado::textoCelda(12.5, QStringLiteral("ROUND")), QStringLiteral("12.50"));
    QCOMPARE(l.valor(2), QVariant(7));
    QVERIFY(!l.valor(9).isValid());
}

void TestListado::lineaSinValoresYCsv()
{
    LineaListado vacia;
    QCOMPARE(vacia.toHtml(), QString());
    QCOMPARE(vacia.toCSV(), QString());

    LineaListado l({QStringLiteral("a b"), 3.14159, 4}, {QString(), QStringLiteral("ROUND"), QString()});
    QCOMPARE(l.toCSV(), QStringLiteral("a b,3.14,4"));
    QCOMPARE(l.toCSV(QStringLiteral(";")), QStringLiteral("a b;3.14;4"));
    QCOMPARE(l.toCSV_XLS(), QStringLiteral("a b\t3.14\t4"));
}

void TestListado::numerosSinPerderDecimales()
{
    QCOMPARE(LineaListado::textoNumero(12345.67), QStringLiteral("12345.67"));
    QCOMPARE(LineaListado::textoNumero(70.0), QStringLiteral("70"));
    QCOMPARE(LineaListado::textoNumero(45.5), QStringLiteral("45.5"));
    QCOMPARE(LineaListado::textoNumero(-0.25), QStringLiteral("-0.25"));
    QCOMPARE(LineaListado::textoNumero(1234567890.12), QStringLiteral("1234567890.12"));
    QCOMPARE(LineaListado::textoNumero(1e20), QStringLiteral("100000000000000000000"));
    QCOMPARE(LineaListado::textoNumero(0.00001), QStringLiteral("0.00001"));
    QCOMPARE(LineaListado::textoNumero(-0.0), QStringLiteral("0"));
    // Listing cells keep their fixed decimals however large the amount.
    QCOMPARE(LineaListado::textoCelda(12345678.9, QString()), QStringLiteral("12345678.900"));
}

void TestListado::htmlDeUnaTablaPequena()
{
    QScopedPointer<Listado> l(listadoDePrueba());
    const QString esperado =
        QStringLiteral("<table border=\"1\" cellspacing=\"-1\" style=\"margin-bottom:25px; margin-top:25px; "
                       "font-size:12pt; font-weight:bold; border-color:black; \"><tr><td>Salaries ")
        + sufijoFecha()
        + QStringLiteral("</td></tr></table>"
                         "<table style=\"border-style:solid; border-color:black;page-break-after:auto;"
                         "margin-top:1px;\" border=\"1\" width=\"100%\" cellspacing=\"-1\" cellpadding=\"6\">"
                         "<thead><tr><th width=\"50%\">Teacher</th><th >Amount</th><th >Hours</th></tr></thead>"
                         "<tbody>"
                         "<tr class=\"odd\"><td  >Ana</td><td  >12345.670</td><td  >7</td></tr>"
                         "<tr class=\"even\"><td  >Luis <br/> 50 %1</td><td  >12.500</td><td  >3</td></tr>"
                         "<tr class=\"odd\">")
        + QStringLiteral("<td %1 >Totales</td><td %1 >12358.17</td><td %1 >10</td>").arg(kTotal)
        + QStringLiteral("</tr></tbody></table>");
    QCOMPARE(l->toHtml(true), esperado);
    QCOMPARE(l->toHtml(), esperado);
    QVERIFY(l->isValid());
}

void TestListado::tituloConYSinFecha()
{
    Listado l;
    l.addlinea(new LineaListado({1}, {QString()}));
    l.setTitulo(QStringLiteral("Pay 100 %2"));
    QVERIFY(l.toHtml(false).contains(QStringLiteral("<tr><td>Pay 100 %2</td></tr>")));
    QVERIFY(l.toHtml(true).contains(QStringLiteral("<tr><td>Pay 100 %2 ") + sufijoFecha() + QStringLiteral("</td>")));
    l.setTitulo(QString());
    QVERIFY(l.toHtml(true).contains(QStringLiteral("<tr><td>") + sufijoFecha() + QStringLiteral("</td>")));
    QVERIFY(l.toHtml(false).contains(QStringLiteral("<tr><td></td></tr>")));
}

void TestListado::listadoVacio()
{
    Listado l;
    l.setTitulo(QStringLiteral("Nothing"));
    l.setCabeceras({QStringLiteral("A")});
    QCOMPARE(l.toHtml(true), QString());
    QVERIFY(!l.isValid());
    QCOMPARE(l.rowCount(), 0);
    QCOMPARE(l.columnCount(), 1);
}

void TestListado::modeloNoLeeFueraDeRango()
{
    QScopedPointer<Listado> l(listadoDePrueba());
    auto* larga = new LineaListado({QStringLiteral("x"), 1.5, 2, QStringLiteral("extra")},
                                   {QString(), QString(), QString(), QString()});
    l->addlinea(larga);
    auto* corta = new LineaListado({QStringLiteral("short")}, {QString()});
    l->addlinea(corta);

    QCOMPARE(l->rowCount(), 5);
    QCOMPARE(l->columnCount(), 3);
    QCOMPARE(l->data(l->index(0, 1)), QVariant(12345.67));
    QCOMPARE(l->data(l->index(0, 1)).typeId(), int(QMetaType::Double));
    QVERIFY(!l->data(l->index(0, 1), Qt::EditRole).isValid());
    QVERIFY(!l->data(l->index(4, 2)).isValid());     // beyond the short line's values
    QVERIFY(!l->data(l->index(3, 3)).isValid());     // beyond the headers
    QVERIFY(!l->data(l->index(7, 0)).isValid());
    QVERIFY(!l->data(QModelIndex()).isValid());
    QCOMPARE(l->headerData(1, Qt::Horizontal), QVariant(QStringLiteral("Amount")));
    QVERIFY(!l->headerData(1, Qt::Vertical).isValid());
    QVERIFY(!l->headerData(3, Qt::Horizontal).isValid());
    QVERIFY(!l->headerData(-1, Qt::Horizontal).isValid());
    QVERIFY(!l->headerData(0, Qt::Horizontal, Qt::ToolTipRole).isValid());
    // The longer line still shows all its values in the HTML.
    QVERIFY(l->toHtml().contains(QStringLiteral("<td  >extra</td>")));
}

void TestListado::libroConValoresYFormatos()
{
    QScopedPointer<Listado> l(listadoDePrueba());
    const QString ruta = l->toXls();
    QCOMPARE(ruta, QDir(m_tmp.path()).filePath(QStringLiteral("listado.xlsx")));
    QVERIFY(QFile::exists(ruta));

    const QStringList filas = comoCsv(ruta).split(QLatin1Char('\n'));
    QVERIFY2(filas.size() >= 7, qPrintable(filas.join(QLatin1Char('|'))));
    QCOMPARE(filas.at(0).section(QLatin1Char(','), 0, 0), QStringLiteral("Salaries"));
    QCOMPARE(filas.at(1).section(QLatin1Char(','), 0, 0), QStringLiteral("01/03/12 - 01/04/12"));
    QCOMPARE(filas.at(3), QStringLiteral("Teacher,Amount,Hours"));
    QCOMPARE(filas.at(4), QStringLiteral("Ana,12345.67,7"));
    QCOMPARE(filas.at(5), QStringLiteral("Luis <br/> 50 %1,12.50,3"));
    QCOMPARE(filas.at(6), QStringLiteral("Totales,12358.17,10"));

    // Fonts, row heights, fills, borders and the two-decimal format.
    const QString hoja = parteXml(ruta, QStringLiteral("xl/worksheets/sheet1.xml"));
    QVERIFY2(hoja.contains(QStringLiteral("ht=\"30\" customHeight=\"1\"><c r=\"A1\"")), qPrintable(hoja));
    QVERIFY(hoja.contains(QStringLiteral("ht=\"22\" customHeight=\"1\"><c r=\"A2\"")));
    QVERIFY(!hoja.contains(QStringLiteral("r=\"A3\"")));
    QVERIFY(!hoja.contains(QStringLiteral("<cols>")));
    const QString estilos = parteXml(ruta, QStringLiteral("xl/styles.xml"));
    QVERIFY(estilos.contains(QStringLiteral("<sz val=\"25\"/>")));
    QVERIFY(estilos.contains(QStringLiteral("<sz val=\"19\"/>")));
    QVERIFY(estilos.contains(QStringLiteral("<patternFill patternType=\"solid\"><fgColor rgb=\"FFC0C0C0\"/>")));
    QVERIFY(estilos.contains(QStringLiteral("<left style=\"medium\">")));
    QVERIFY(estilos.contains(QStringLiteral("<left style=\"thin\">")));
    QVERIFY(estilos.contains(QStringLiteral("numFmtId=\"2\"")));
    QVERIFY(parteXml(ruta, QStringLiteral("xl/workbook.xml")).contains(QStringLiteral("<sheet name=\"Salaries\"")));
}

void TestListado::libroDeListadoVacioYTituloInvalido()
{
    Listado l;
    l.setTitulo(QStringLiteral("Course: 1º [A/B] *really* a very long title indeed?"));
    l.setCabeceras({QStringLiteral("A"), QStringLiteral("B")});
    const QString ruta = l.toXls();
    QVERIFY(!ruta.isEmpty());
    const QString libro = parteXml(ruta, QStringLiteral("xl/workbook.xml"));
    QVERIFY2(libro.contains(QStringLiteral("<sheet name=\"Course_ 1º _A_B_ _really_ a ver\"")), qPrintable(libro));
    const QStringList filas = comoCsv(ruta).split(QLatin1Char('\n'));
    QCOMPARE(filas.value(0).section(QLatin1Char(','), 0, 0), l.titulo());
    QCOMPARE(filas.value(3), QStringLiteral("A,B"));

    QCOMPARE(Listado::nombreHoja(QString()), QStringLiteral("Sheet1"));
    QCOMPARE(Listado::nombreHoja(QStringLiteral("::")), QStringLiteral("__"));
    QCOMPARE(Listado::nombreHoja(QStringLiteral("'quoted'")), QStringLiteral("quoted"));
    QCOMPARE(Listado::nombreHoja(QStringLiteral("Año 2012")), QStringLiteral("Año 2012"));
    QCOMPARE(Listado::nombreHoja(QString(40, QChar(0x00F1))).size(), 31);

    l.setTitulo(QString());
    QVERIFY(!l.toXls().isEmpty());
}

void TestListado::libroQueNoSePuedeEscribir()
{
    QScopedPointer<Listado> l(listadoDePrueba());
    QVERIFY(!l->toXls().isEmpty());

    // An old file that cannot be removed: never answered as if it were the new one.
    const QString ruta = Listado::rutaXlsTemporal();
    QVERIFY(QFile::remove(ruta));
    QVERIFY(QDir().mkpath(ruta + QStringLiteral("/dentro")));
    {
        MessageCapture capture;
        QCOMPARE(l->toXls(), QString());
        QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("Couldn't remove the old workbook file")));
    }
    QVERIFY(QDir(ruta).removeRecursively());

    // A temporary "folder" that is a file: the write itself fails and no path is answered.
    const QString fichero = m_tmp.filePath(QStringLiteral("not-a-folder"));
    QFile f(fichero);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    qputenv("TMPDIR", QFile::encodeName(fichero));
    {
        MessageCapture capture;
        QCOMPARE(l->toXls(), QString());
        QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("Error writting excel file")));
    }
    // No temporary folder at all: nothing is written at the root of the disk.
    qputenv("TMPDIR", QFile::encodeName(m_tmp.filePath(QStringLiteral("missing"))));
    {
        MessageCapture capture;
        QCOMPARE(l->toXls(), QString());
        QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("There is no temporary folder")));
    }
}

PENSARIO_TEST_MAIN(TestListado)
#include "tst_listado.moc"
