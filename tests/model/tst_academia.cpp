// Academy settings, transaction wrappers, the HTML fragments and the
// unpaid-bill letter.

#include "academia.h"
#include "dao.h"
#include "messagecapture.h"
#include "testmain.h"

#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSettings>
#include <QTextDocument>
#include <QtTest>

namespace {
void configurar(const QString& clave, const QVariant& valor)
{
    QSettings s;
    s.setValue(QStringLiteral("CONFIGURATION/") + clave, valor);
}

QString filaDeuda(const QString& mes, const QString& importe)
{
    return QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td></tr>").arg(mes.toHtmlEscaped(), importe);
}

// The paragraph of the letter that holds the text, tags and all.
QString parrafoCon(const QString& html, const QString& texto)
{
    const qsizetype i = html.indexOf(texto);
    if (i < 0)
        return QString();
    const qsizetype inicio = html.lastIndexOf(QStringLiteral("<p"), i);
    const qsizetype fin = html.indexOf(QStringLiteral("</p>"), i);
    return html.mid(inicio, fin - inicio);
}
} // namespace

class TestAcademia : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestEnv::resetCase();
    }

    void horasPorDefectoYGuardadas()
    {
        QCOMPARE(Academia::horaApertura(), QTime(9, 30));
        QCOMPARE(Academia::horaCierre(), QTime(22, 0));
        QCOMPARE(Academia::nombre(), QString());
        QCOMPARE(Academia::reciboExpedidoEn(), QString());

        configurar(QStringLiteral("hora_apertura"), 8);
        QCOMPARE(Academia::horaApertura(), QTime(8, 30));
        configurar(QStringLiteral("minuto_apertura"), 0);
        configurar(QStringLiteral("hora_cierre"), 21);
        configurar(QStringLiteral("minuto_cierre"), 45);
        QCOMPARE(Academia::horaApertura(), QTime(8, 0));
        QCOMPARE(Academia::horaCierre(), QTime(21, 45));
        configurar(QStringLiteral("academia_nombre"), QStringLiteral("Academia Atlántica"));
        configurar(QStringLiteral("recibo_expedidoEn"), QStringLiteral("Vigo"));
        QCOMPARE(Academia::nombre(), QStringLiteral("Academia Atlántica"));
        QCOMPARE(Academia::reciboExpedidoEn(), QStringLiteral("Vigo"));
    }

    void transaccionesDelDao()
    {
        QVERIFY(Dao::getInstance()->open(QStringLiteral("academia"), false));
        QVERIFY(Academia::transaction());
        // one transaction at a time: the second one joins
        QVERIFY(!Academia::transaction());
        QVERIFY(Dao::getInstance()->execute(QStringLiteral("INSERT INTO aula(nombre, aforo) VALUES ('Aula 9', 3)")));
        QVERIFY(Academia::rollback());
        QSqlQuery q = Dao::getInstance()->query(QStringLiteral("SELECT count(*) FROM aula"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 0);
        QVERIFY(Academia::transaction());
        QVERIFY(Dao::getInstance()->execute(QStringLiteral("INSERT INTO aula(nombre, aforo) VALUES ('Aula 9', 3)")));
        QVERIFY(Academia::commit());
        QVERIFY(!Academia::commit());
        QSqlQuery q2 = Dao::getInstance()->query(QStringLiteral("SELECT count(*) FROM aula"));
        QVERIFY(q2.next());
        QCOMPARE(q2.value(0).toInt(), 1);
    }

    void datosAcademia()
    {
        QCOMPARE(Academia::datosAcademiaHtml(), QStringLiteral(" <br/> <br/> <br/>"));
        configurar(QStringLiteral("academia_web"), QStringLiteral("www.atlantica.example"));
        QCOMPARE(Academia::datosAcademiaHtml(), QStringLiteral(" www.atlantica.example<br/> <br/> <br/>"));
        configurar(QStringLiteral("academia_direccion"), QStringLiteral("Rúa do Príncipe 3"));
        configurar(QStringLiteral("academia_telefono"), QStringLiteral("986000000"));
        configurar(QStringLiteral("academia_e-mail"), QStringLiteral("info@atlantica.example"));
        configurar(QStringLiteral("academia_denominacion"), QStringLiteral("Atlántica S.L."));
        configurar(QStringLiteral("academia_nif"), QStringLiteral("B00000000"));
        QCOMPARE(Academia::datosAcademiaHtml(),
                 QStringLiteral("Rúa do Príncipe 3 www.atlantica.example<br/>986000000 info@atlantica.example<br/>"
                                "Atlántica S.L. B00000000<br/>"));
    }

    void datosAcademiaEscapados()
    {
        configurar(QStringLiteral("academia_denominacion"), QStringLiteral("Pérez & Hijos <S.L.>"));
        const QString html = Academia::datosAcademiaHtml();
        QVERIFY(html.contains(QStringLiteral("Pérez &amp; Hijos &lt;S.L.&gt;")));
        QVERIFY(!html.contains(QStringLiteral("<S.L.>")));
    }

    void cabecera()
    {
        configurar(QStringLiteral("academia_nif"), QStringLiteral("B00000000"));
        // a value that looks like the placeholder is not expanded again
        configurar(QStringLiteral("academia_direccion"), QStringLiteral("%%DATOSACADEMIA%%"));
        const QString html = Academia::cabeceraListado();
        QVERIFY(html.contains(QStringLiteral("resources://logo")));
        QCOMPARE(html.count(QStringLiteral("B00000000<br/>")), 1);
        QCOMPARE(html.count(QStringLiteral("%%DATOSACADEMIA%%")), 1);
        QVERIFY(html.contains(QStringLiteral("class=\"datosAcademia\"")));
    }

    void horarioSecretaria()
    {
        configurar(QStringLiteral("secretaria_horaApertura1"), QTime(8, 0));
        configurar(QStringLiteral("secretaria_horaCierre1"), QTime(14, 0));
        QCOMPARE(Academia::horarioSecretaria(QLocale(QLocale::Spanish, QLocale::Spain)),
                 QStringLiteral("El horario de secretaría es de 08:00 a 14:00 "));
        configurar(QStringLiteral("secretaria_horaApertura2"), QTime(16, 0));
        configurar(QStringLiteral("secretaria_horaCierre2"), QTime(20, 0));
        QCOMPARE(Academia::horarioSecretaria(QLocale(QLocale::Spanish, QLocale::Spain)),
                 QStringLiteral("El horario de secretaría es de 08:00 a 14:00 y de 16:00 a 20:00"));
        QCOMPARE(Academia::horarioSecretaria(QLocale(QLocale::Galician, QLocale::Spain)),
                 QStringLiteral("O horario da secretaría é de 08:00 a 14:00 e de 16:00 a 20:00"));
        QCOMPARE(Academia::horarioSecretaria(QLocale(QLocale::English, QLocale::UnitedKingdom)),
                 QStringLiteral("The office is open from 08:00 to 14:00 and from 16:00 to 20:00"));
    }

    void horarioSecretariaSinCatalogo()
    {
        configurar(QStringLiteral("secretaria_horaApertura1"), QTime(8, 0));
        MessageCapture capture;
        QCOMPARE(Academia::horarioSecretaria(QLocale(QLocale::French, QLocale::France)), QString());
        QVERIFY(capture.contains(QtWarningMsg,
                                 QStringLiteral("Unable to load the translation resource to the locale \"fr_FR\"")));
    }

    void migracionHorarioAntiguo()
    {
        {
            QSettings s;
            s.setValue(QStringLiteral("impagos_horaApertura"), QStringLiteral("09:15"));
            s.setValue(QStringLiteral("impagos_horaCierre"), QStringLiteral("9:5"));
        }
        MessageCapture capture;
        Academia::migrarHorarioSecretaria();
        QSettings s;
        QVERIFY(!s.contains(QStringLiteral("impagos_horaApertura")));
        QVERIFY(!s.contains(QStringLiteral("impagos_horaCierre")));
        QCOMPARE(s.value(QStringLiteral("CONFIGURATION/secretaria_horaApertura1")).toTime(), QTime(9, 15));
        QVERIFY(s.contains(QStringLiteral("CONFIGURATION/secretaria_horaCierre1")));
        QVERIFY(!s.value(QStringLiteral("CONFIGURATION/secretaria_horaCierre1")).toTime().isValid());
        QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("Unable to convert from deprecated impagos_horaCierre to "
                                                              "new secretaria_horaCierre1. Leaving empty "
                                                              "secretaria_horaCierre1")));
        QVERIFY(!capture.contains(QtWarningMsg, QStringLiteral("impagos_horaApertura")));

        // a value already under the new key is kept
        s.setValue(QStringLiteral("impagos_horaApertura"), QStringLiteral("10:00"));
        capture.clear();
        Academia::migrarHorarioSecretaria();
        QCOMPARE(s.value(QStringLiteral("CONFIGURATION/secretaria_horaApertura1")).toTime(), QTime(9, 15));
        QVERIFY(!s.contains(QStringLiteral("impagos_horaApertura")));
        QCOMPARE(capture.count(QtWarningMsg), 0);
    }

    void escritoEnCastellano()
    {
        configurar(QStringLiteral("recibo_expedidoEn"), QStringLiteral("Vigo"));
        configurar(QStringLiteral("secretaria_horaApertura1"), QTime(9, 0));
        configurar(QStringLiteral("secretaria_horaCierre1"), QTime(13, 30));
        const QLocale es(QLocale::Spanish, QLocale::Spain);
        const QString html = Academia::escritoImpagos(QStringLiteral("Ana Souto"),
                                                      filaDeuda(QStringLiteral("Marzo"), QStringLiteral("40,00 €")),
                                                      es, QString());
        QVERIFY(html.contains(QStringLiteral("Estimados padres o tutores de Ana Souto:")));
        QVERIFY(html.contains(QStringLiteral("<td>Marzo</td>")));
        QVERIFY(html.contains(QStringLiteral("El horario de secretaría es de 09:00 a 13:30  de lunes a viernes.")));
        const QDate hoy = QDate::currentDate();
        QVERIFY(html.contains(QStringLiteral("Vigo, a %1 de %2 de %3")
                                  .arg(hoy.day())
                                  .arg(es.monthName(hoy.month()))
                                  .arg(hoy.year())));
        QVERIFY(!html.contains(QStringLiteral("##")));
        QVERIFY(parrafoCon(html, QStringLiteral("Vigo, a ")).contains(QStringLiteral("page-break-after: always")));

        // a given place wins over the configured one
        QVERIFY(Academia::escritoImpagos(QStringLiteral("Ana"), QString(), es, QStringLiteral("Redondela"))
                    .contains(QStringLiteral("Redondela, a ")));
    }

    void escritoEnGallego()
    {
        const QLocale gl(QLocale::Galician, QLocale::Spain);
        const QString html = Academia::escritoImpagos(QStringLiteral("Brais"), QString(), gl, QString());
        QVERIFY(html.contains(QStringLiteral("Estimados pais ou titores de Brais:")));
        QVERIFY(html.contains(QStringLiteral("Quedamos a súa enteira disposición para cantas aclaracións sexan necesarias.")));
        QVERIFY(html.contains(QStringLiteral("de luns a venres.")));
        // nothing configured: the date line starts with ", a "
        QVERIFY(html.contains(QStringLiteral("\">, a %1 de %2 de ")
                                  .arg(QDate::currentDate().day())
                                  .arg(gl.monthName(QDate::currentDate().month()))));
        // any other language takes the Spanish letter, with that language's month
        const QLocale en(QLocale::English, QLocale::UnitedKingdom);
        const QString ingles = Academia::escritoImpagos(QStringLiteral("Brais"), QString(), en, QStringLiteral("Vigo"));
        QVERIFY(ingles.contains(QStringLiteral("Estimados padres o tutores de Brais:")));
        QVERIFY(ingles.contains(en.monthName(QDate::currentDate().month())));
    }

    void escritoEscapaYNoReemplazaDosVeces()
    {
        configurar(QStringLiteral("recibo_expedidoEn"), QStringLiteral("A <b>Coruña</b> ##year##"));
        const QString html = Academia::escritoImpagos(QStringLiteral("Ana ##lugar## <i>&</i>"),
                                                      filaDeuda(QStringLiteral("Xaneiro <script>"), QStringLiteral("1")),
                                                      QLocale(QLocale::Spanish, QLocale::Spain), QString());
        QVERIFY(html.contains(QStringLiteral("Estimados padres o tutores de Ana ##lugar## &lt;i&gt;&amp;&lt;/i&gt;:")));
        QVERIFY(html.contains(QStringLiteral("A &lt;b&gt;Coruña&lt;/b&gt; ##year##, a ")));
        QVERIFY(html.contains(QStringLiteral("<td>Xaneiro &lt;script&gt;</td>")));
    }

    void escritoAPdf_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("frase");
        QTest::newRow("es") << QLocale(QLocale::Spanish, QLocale::Spain) << QStringLiteral("Estimados padres");
        QTest::newRow("gl") << QLocale(QLocale::Galician, QLocale::Spain) << QStringLiteral("Estimados pais");
    }

    void escritoAPdf()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, frase);
        configurar(QStringLiteral("academia_direccion"), QStringLiteral("Rúa do Príncipe 3, Vigo"));
        configurar(QStringLiteral("academia_telefono"), QStringLiteral("986 000 000"));
        configurar(QStringLiteral("academia_web"), QStringLiteral("www.atlantica.example"));
        configurar(QStringLiteral("academia_e-mail"), QStringLiteral("info@atlantica.example"));
        configurar(QStringLiteral("academia_denominacion"), QStringLiteral("Academia Atlántica S.L."));
        configurar(QStringLiteral("academia_nif"), QStringLiteral("B00000000"));
        configurar(QStringLiteral("recibo_expedidoEn"), QStringLiteral("Vigo"));
        configurar(QStringLiteral("secretaria_horaApertura1"), QTime(9, 0));
        configurar(QStringLiteral("secretaria_horaCierre1"), QTime(13, 30));
        configurar(QStringLiteral("secretaria_horaApertura2"), QTime(16, 0));
        configurar(QStringLiteral("secretaria_horaCierre2"), QTime(20, 0));

        const QString tabla = filaDeuda(QStringLiteral("Marzo 2026"), QStringLiteral("85,50 €"))
                              + filaDeuda(QStringLiteral("Abril 2026"), QStringLiteral("85,50 €"));
        QTextDocument doc;
        doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("resources://logo")),
                        Academia::logo().toImage());
        doc.setHtml(Academia::cabeceraListado() + Academia::escritoImpagos(QStringLiteral("Ana Souto Pérez"), tabla,
                                                                          locale, QString()));
        QVERIFY(doc.toPlainText().contains(frase));
        QVERIFY(doc.toPlainText().contains(QStringLiteral("Academia Atlántica S.L.")));

        const QString fichero = QDir(TestEnv::dataDir()).filePath(QStringLiteral("escrito.pdf"));
        {
            QPdfWriter pdf(fichero);
            pdf.setPageSize(QPageSize(QPageSize::A4));
            pdf.setResolution(300);
            doc.print(&pdf);
        }
        QFile pdf(fichero);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QVERIFY(bytes.size() > 2000);
        const QByteArray copia = qgetenv("PENSARIO_ESCRITO_PDF");
        if (!copia.isEmpty()) {
            QFile::remove(QString::fromLocal8Bit(copia) + QTest::currentDataTag() + QStringLiteral(".pdf"));
            QFile::copy(fichero, QString::fromLocal8Bit(copia) + QTest::currentDataTag() + QStringLiteral(".pdf"));
        }
    }

    void logo()
    {
        // built in while the user has none
        QVERIFY(!QFile::exists(Academia::logoPath()));
        QVERIFY(Academia::logoPath().startsWith(TestEnv::dataDir()));
        QVERIFY(Academia::logoPath().endsWith(QStringLiteral("/logo")));
        const QPixmap propio = Academia::logo();
        QVERIFY(!propio.isNull());
        QCOMPARE(propio.size(), QPixmap(QStringLiteral(":/icons/logovelbrook.png")).size());

        QImage rojo(40, 10, QImage::Format_RGB32);
        rojo.fill(Qt::red);
        QVERIFY(rojo.save(Academia::logoPath(), "PNG"));
        QCOMPARE(Academia::logo().size(), QSize(40, 10));
        QCOMPARE(Academia::logo().toImage().pixelColor(3, 3), QColor(Qt::red));
    }

    void leerFichero()
    {
        const QString sql = Academia::leerFichero(QStringLiteral(":/consultas/consulta_turnos_sin_sesiones"));
        QCOMPARE(sql.trimmed(), QStringLiteral("SELECT t.id FROM turnoasignatura t LEFT JOIN sesiondeclase s ON t.id = "
                                               "s.idturnoasignatura WHERE s.id IS NULL"));
        // lines keep their breaks, so multi-line queries stay valid SQL
        QVERIFY(Academia::leerFichero(QStringLiteral(":/consultas/consulta_solapar_aula")).contains(QLatin1Char('\n')));
        MessageCapture capture;
        QCOMPARE(Academia::leerFichero(QStringLiteral("/no/such/file")), QString());
        QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("File \"/no/such/file\" not found")));
    }
};

PENSARIO_TEST_MAIN(TestAcademia)
#include "tst_academia.moc"
