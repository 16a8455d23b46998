#include "linealistado.h"
#include "listado.h"
#include "messagecapture.h"
#include "testmain.h"
#include "outputfiles.h"
#include "shownhtml.h"

#include <QAbstractItemModelTester>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {
const QString kTotal = QStringLiteral("bgcolor=\"#888586\" align=\"center\" class=\"ROUNDED\" style=\"font-style:bold\"");

QString sufijoFecha()
{
    const QDate hoy = QDate::currentDate();
    return QStringLiteral("(%1 %2)").arg(QLocale::system().monthName(hoy.month(), QLocale::LongFormat)).arg(hoy.year());
}
}

class TestListado : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_tmp;

    Listado* listadoDePrueba()
    {
        auto* l = new Listado;
        l->setTitulo(QStringLiteral("Salaries"));
        l->setSubtitulo(QStringLiteral("01/03/12 - 01/04/12"));
        l->setCabeceras({QStringLiteral("Teacher"), QStringLiteral("Amount"), QStringLiteral("Hours")});
        l->setHtmlCabeceras({QStringLiteral("width=\"50%\"")});
        l->addlinea(new LineaListado({QStringLiteral("Ana"), 12345.67, 7}, {QString(), QString(), QString()}));
        l->addlinea(new LineaListado({QStringLiteral("Luis <br/> 50 %1"), 12.5, 3}, {QString(), QString(), QString()}));
        l->addlinea(new LineaListado({QStringLiteral("Totales"), 12358.17, 10}, {kTotal, kTotal, kTotal}));
        return l;
    }

private slots:
    void initTestCase() { QVERIFY(m_tmp.isValid()); }

    void init()
    {
        TestEnv::resetCase();
        // Each test process gets its own temporary folder.
        qputenv("TMPDIR", QFile::encodeName(m_tmp.path()));
    }

    void htmlOfASmallTable()
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
        QVERIFY(l->toHtml(false).contains(QStringLiteral("<tr><td>Salaries</td></tr>")));
        // As a model it never reads past a short line.
        QAbstractItemModelTester tester(l.data(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        l->addlinea(new LineaListado({QStringLiteral("short")}, {QString()}));
        QCOMPARE(l->rowCount(), 4);
        QCOMPARE(l->data(l->index(0, 1)), QVariant(12345.67));
        QVERIFY(!l->data(l->index(3, 2)).isValid());

        Listado vacio;
        vacio.setTitulo(QStringLiteral("Nothing"));
        QCOMPARE(vacio.toHtml(true), QString());
        QVERIFY(!vacio.isValid());
    }

    // A typed text shows as written in the HTML, while values of the
    // program's own markup stay markup; the value itself, the model and the
    // workbook keep the text as typed.
    void typedTextShowsAsText()
    {
        Listado l;
        l.setCabeceras({QStringLiteral("Name"), QStringLiteral("Phones")});
        auto* linea = new LineaListado;
        linea->addTexto(typedMarkup() + QStringLiteral(" & 50 %1"), QStringLiteral("align=\"center\""));
        linea->addValor(QStringLiteral("1<br/>2"), QString());
        l.addlinea(linea);
        const QString html = l.toHtml(false);
        const ShownHtml shown = shownHtml(html);
        QVERIFY2(shown.text.contains(typedMarkup() + QStringLiteral(" & 50 %1")), qPrintable(shown.text));
        QVERIFY2(shown.images.isEmpty(), qPrintable(shown.images.join(QLatin1Char(','))));
        QVERIFY2(html.contains(QStringLiteral("<td align=\"center\" >&lt;b&gt;X")), qPrintable(html));
        QVERIFY2(html.contains(QStringLiteral(">1<br/>2</td>")), qPrintable(html));
        QVERIFY(linea->esTexto(0) && !linea->esTexto(1));
        QCOMPARE(l.data(l.index(0, 0)).toString(), typedMarkup() + QStringLiteral(" & 50 %1"));
        const QString celda = outputfiles::xlsxRows(l.toXls()).value(4);
        QVERIFY2(celda.contains(QStringLiteral("<b>X</b><img src=")) && celda.contains(QStringLiteral("> & 50 %1")),
                 qPrintable(celda));
    }

    // The workbook goes to a folder only this user may enter, named for
    // this program run; a file, a link or a folder another user left at the
    // name every user shares neither blocks it nor is followed.
    void workbookInAPrivateFolder()
    {
        const QString compartida = m_tmp.filePath(QStringLiteral("listado.xlsx"));
        const QString ajeno = m_tmp.filePath(QStringLiteral("ajeno"));
        QFile f(ajeno);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("untouched");
        f.close();
        QFile::remove(compartida);
        QVERIFY(QFile::link(ajeno, compartida));
        QScopedPointer<Listado> l(listadoDePrueba());
        const QString ruta = l->toXls();
        QVERIFY(!ruta.isEmpty());
        QCOMPARE(outputfiles::xlsxRows(ruta).value(4), QStringLiteral("Ana,12345.67,7"));
        const QFileInfo carpeta(QFileInfo(ruta).absolutePath());
        QCOMPARE(carpeta.absolutePath(), QFileInfo(m_tmp.path()).absoluteFilePath());
        QVERIFY(carpeta.fileName() != QStringLiteral("listado.xlsx"));
        struct stat estado;
        QCOMPARE(::stat(QFile::encodeName(carpeta.absoluteFilePath()).constData(), &estado), 0);
        QCOMPARE(estado.st_mode & 0777, mode_t(0700));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("untouched"));
        f.close();
        QVERIFY(QFileInfo(compartida).isSymLink());

        QVERIFY(QFile::remove(compartida));
        QVERIFY(QDir().mkpath(compartida + QStringLiteral("/dentro")));
        QCOMPARE(l->toXls(), ruta);
        QVERIFY(QFileInfo(ruta).isFile());
    }

    // Lines whose values and attributes differ in number warn and keep every
    // value, instead of ending the program.
    void mismatchedLineKeepsItsValues()
    {
        MessageCapture capture;
        LineaListado masValores({QStringLiteral("Ana"), 12.5}, {QStringLiteral("width=\"50%\"")});
        QCOMPARE(capture.count(QtWarningMsg), 1);
        QVERIFY(masValores.toHtml().contains(QStringLiteral(">Ana</td>")));
        QVERIFY(masValores.toHtml().contains(QStringLiteral(">12.5")));
        LineaListado masAtributos({QStringLiteral("Luis")}, {QString(), QString()});
        QCOMPARE(capture.count(QtWarningMsg), 2);
        QCOMPARE(masAtributos.toHtml().count(QStringLiteral("<td")), 2);
    }

    // A width="0" column is as narrow as its widest cell: a 1 % column whose
    // header and cells never wrap, a style already there kept.
    void narrowColumnsNeverWrap()
    {
        Listado l;
        l.setCabeceras({QStringLiteral("Name"), QStringLiteral("TOTAL"), QStringLiteral("Física y Química")});
        l.setHtmlCabeceras({QString(), QStringLiteral("width=\"0\""), QStringLiteral("align=\"left\" width=0")});
        l.addlinea(new LineaListado({QStringLiteral("Ana"), QStringLiteral("123.45"), QStringLiteral("12.5<br/>30")},
                                    {QString(), QStringLiteral("align=\"center\""),
                                     QStringLiteral("style=\"font-family:mono;\"")}));
        const QString html = l.toHtml(false);
        QVERIFY2(html.contains(QStringLiteral("<th >Name</th>")), qPrintable(html));
        QVERIFY2(html.contains(QStringLiteral("<th width=\"1%\" style=\"white-space:nowrap;\">TOTAL</th>")),
                 qPrintable(html));
        QVERIFY2(html.contains(QStringLiteral(
                     "<th align=\"left\" width=\"1%\" style=\"white-space:nowrap;\">Física y Química</th>")),
                 qPrintable(html));
        QVERIFY2(html.contains(QStringLiteral("<td  >Ana</td>")), qPrintable(html));
        QVERIFY2(html.contains(QStringLiteral("<td align=\"center\" style=\"white-space:nowrap;\" >123.45</td>")),
                 qPrintable(html));
        QVERIFY2(html.contains(QStringLiteral("<td style=\"white-space:nowrap;font-family:mono;\" >12.5<br/>30</td>")),
                 qPrintable(html));
        QVERIFY(!Listado::esEstrecha(QStringLiteral("width=\"50%\"")));
        QVERIFY(!Listado::esEstrecha(QStringLiteral("width=\"05\"")));
    }

    // Two-decimal cells and CSV show the cent a stored amount keeps: 1.115
    // is kept as 112 cents, though printf-style rounding of the double says 1.11.
    void twoDecimalsRoundAsStoredAmounts()
    {
        QCOMPARE(LineaListado::textoCelda(1.115, kTotal), QStringLiteral("1.12"));
        QCOMPARE(LineaListado::textoCelda(1.115, QString()), QStringLiteral("1.115"));
        QCOMPARE(LineaListado::textoCelda(-2.5, QStringLiteral("class=\"ROUNDED\"")), QStringLiteral("-2.50"));
        LineaListado linea({QStringLiteral("Ana"), 1.115, 7}, {QString(), QString(), QString()});
        QCOMPARE(linea.toCSV(), QStringLiteral("Ana,1.12,7"));
        QCOMPARE(linea.toCSV_XLS(), QStringLiteral("Ana\t1.12\t7"));
    }

    // Written under a folder with a non-ASCII name and read back.
    void workbookReadBack()
    {
        const QString carpeta = m_tmp.filePath(QStringLiteral("Ñandú año"));
        QVERIFY(QDir().mkpath(carpeta));
        qputenv("TMPDIR", QFile::encodeName(carpeta));
        QScopedPointer<Listado> l(listadoDePrueba());
        const QString ruta = l->toXls();
        QCOMPARE(QFileInfo(ruta).fileName(), QStringLiteral("listado.xlsx"));
        QCOMPARE(QFileInfo(QFileInfo(ruta).absolutePath()).absolutePath(), QFileInfo(carpeta).absoluteFilePath());
        QVERIFY(QFile::exists(ruta));

        const QStringList filas = outputfiles::xlsxRows(ruta);
        QVERIFY2(filas.size() >= 7, qPrintable(filas.join(QLatin1Char('|'))));
        QCOMPARE(filas.at(0).section(QLatin1Char(','), 0, 0), QStringLiteral("Salaries"));
        QCOMPARE(filas.at(1).section(QLatin1Char(','), 0, 0), QStringLiteral("01/03/12 - 01/04/12"));
        QCOMPARE(filas.at(3), QStringLiteral("Teacher,Amount,Hours"));
        QCOMPARE(filas.at(4), QStringLiteral("Ana,12345.67,7"));
        QCOMPARE(filas.at(5), QStringLiteral("Luis <br/> 50 %1,12.50,3"));
        QCOMPARE(filas.at(6), QStringLiteral("Totales,12358.17,10"));
        const QString hoja = outputfiles::xlsxPart(ruta);
        QVERIFY2(hoja.contains(QStringLiteral("ht=\"30\" customHeight=\"1\"><c r=\"A1\"")), qPrintable(hoja));
        QVERIFY(outputfiles::xlsxPart(ruta, QStringLiteral("xl/styles.xml")).contains(QStringLiteral("numFmtId=\"2\"")));
    }

    void sheetNameCleaning()
    {
        Listado l;
        l.setTitulo(QStringLiteral("Course: 1º [A/B] *really* a very long title indeed?"));
        l.setCabeceras({QStringLiteral("A"), QStringLiteral("B")});
        const QString ruta = l.toXls();
        QVERIFY(!ruta.isEmpty());
        QVERIFY(outputfiles::xlsxPart(ruta, QStringLiteral("xl/workbook.xml"))
                    .contains(QStringLiteral("<sheet name=\"Course_ 1º _A_B_ _really_ a ver\"")));
        QCOMPARE(outputfiles::xlsxRows(ruta).value(3), QStringLiteral("A,B"));
        QCOMPARE(Listado::nombreHoja(QString()), QStringLiteral("Sheet1"));
        QCOMPARE(Listado::nombreHoja(QStringLiteral("'quoted'")), QStringLiteral("quoted"));
        QCOMPARE(Listado::nombreHoja(QString(40, QChar(0x00F1))).size(), 31);
    }

    // A stale file that cannot be removed, or a write that fails, answers no path.
    void workbookThatCannotBeWritten()
    {
        QScopedPointer<Listado> l(listadoDePrueba());
        const QString ruta = Listado::rutaXlsTemporal();
        QFile::remove(ruta);
        QVERIFY(QDir().mkpath(ruta + QStringLiteral("/dentro")));
        {
            MessageCapture capture;
            QCOMPARE(l->toXls(), QString());
            QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("Couldn't remove the old workbook file")));
        }
        QVERIFY(QDir(ruta).removeRecursively());

        const QString fichero = m_tmp.filePath(QStringLiteral("not-a-folder"));
        QFile f(fichero);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        qputenv("TMPDIR", QFile::encodeName(fichero));
        MessageCapture capture;
        QCOMPARE(l->toXls(), QString());
        QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("Couldn't make a private temporary folder")));
    }
};

PENSARIO_TEST_MAIN(TestListado)
#include "tst_listado.moc"
