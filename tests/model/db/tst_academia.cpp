// Academy settings, the HTML fragments and the unpaid-bill letter.

#include "academia.h"
#include "testmain.h"

#include <QAbstractTextDocumentLayout>
#include <QSettings>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
void configurar(const QString& clave, const QVariant& valor) { QSettings().setValue(u"CONFIGURATION/"_s + clave, valor); }

QString filaDeuda(const QString& mes, const QString& importe)
{
    return u"<tr><td>%1</td><td align=\"right\">%2</td></tr>"_s.arg(mes.toHtmlEscaped(), importe);
}
} // namespace

class TestAcademia : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestEnv::resetCase(); }

    void settingsWithAndWithoutStoredValues()
    {
        QCOMPARE(Academia::horaApertura(), QTime(9, 30));
        QCOMPARE(Academia::horaCierre(), QTime(22, 0));
        QCOMPARE(Academia::nombre(), QString());
        QCOMPARE(Academia::datosAcademiaHtml(), u" <br/> <br/> <br/>"_s);
        configurar(u"hora_apertura"_s, 8);
        QCOMPARE(Academia::horaApertura(), QTime(8, 30)); // the minute keeps its default
        configurar(u"minuto_apertura"_s, 0);
        configurar(u"hora_cierre"_s, 21);
        configurar(u"minuto_cierre"_s, 45);
        configurar(u"academia_nombre"_s, u"Academia Atlántica"_s);
        QCOMPARE(Academia::horaApertura(), QTime(8, 0));
        QCOMPARE(Academia::horaCierre(), QTime(21, 45));
        QCOMPARE(Academia::nombre(), u"Academia Atlántica"_s);

        configurar(u"secretaria_horaApertura1"_s, QTime(8, 0));
        configurar(u"secretaria_horaCierre1"_s, QTime(14, 0));
        QCOMPARE(Academia::horarioSecretaria(QLocale(QLocale::Spanish, QLocale::Spain)),
                 u"El horario de secretaría es de 08:00 a 14:00 "_s);
        configurar(u"secretaria_horaApertura2"_s, QTime(16, 0));
        configurar(u"secretaria_horaCierre2"_s, QTime(20, 0));
        QCOMPARE(Academia::horarioSecretaria(QLocale(QLocale::Galician, QLocale::Spain)),
                 u"O horario da secretaría é de 08:00 a 14:00 e de 16:00 a 20:00"_s);
    }

    void htmlIsEscapedAndPlaceholdersReplacedOnce()
    {
        configurar(u"academia_web"_s, u"www.atlantica.example"_s);
        configurar(u"academia_telefono"_s, u"986000000"_s);
        configurar(u"academia_denominacion"_s, u"Pérez & Hijos <S.L.>"_s);
        configurar(u"academia_nif"_s, u"B00000000"_s);
        QCOMPARE(Academia::datosAcademiaHtml(),
                 u" www.atlantica.example<br/>986000000 <br/>Pérez &amp; Hijos &lt;S.L.&gt; B00000000<br/>"_s);
        // a value that looks like the placeholder is not expanded again
        configurar(u"academia_direccion"_s, u"%%DATOSACADEMIA%%"_s);
        const QString cabecera = Academia::cabeceraListado();
        QVERIFY(cabecera.contains(u"resources://logo"_s));
        QCOMPARE(cabecera.count(u"B00000000<br/>"_s), 1);
        QCOMPARE(cabecera.count(u"%%DATOSACADEMIA%%"_s), 1);

        configurar(u"recibo_expedidoEn"_s, u"A <b>Coruña</b> ##year##"_s);
        const QString html = Academia::escritoImpagos(u"Ana ##lugar## <i>&</i>"_s, filaDeuda(u"Xaneiro <script>"_s, u"1"_s),
                                                      QLocale(QLocale::Spanish, QLocale::Spain), QString());
        QVERIFY(html.contains(u"Estimados padres o tutores de Ana ##lugar## &lt;i&gt;&amp;&lt;/i&gt;:"_s));
        QVERIFY(html.contains(u"A &lt;b&gt;Coruña&lt;/b&gt; ##year##, a "_s));
        QVERIFY(html.contains(u"<td>Xaneiro &lt;script&gt;</td>"_s));
    }

    void unpaidLetter_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("frases");
        QTest::newRow("es") << QLocale(QLocale::Spanish, QLocale::Spain)
                            << QStringList{"Estimados padres o tutores de Ana Souto:",
                                           "El horario de secretaría es de 09:00 a 13:30  de lunes a viernes."};
        QTest::newRow("gl") << QLocale(QLocale::Galician, QLocale::Spain)
                            << QStringList{"Estimados pais ou titores de Ana Souto:",
                                           "Quedamos á súa enteira disposición para cantas aclaracións sexan necesarias.",
                                           "de luns a venres."};
        // any other language takes the Spanish letter
        QTest::newRow("en") << QLocale(QLocale::English, QLocale::UnitedKingdom)
                            << QStringList{"Estimados padres o tutores de Ana Souto:"};
    }
    void unpaidLetter()
    {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, frases);
        configurar(u"recibo_expedidoEn"_s, u"Vigo"_s);
        configurar(u"secretaria_horaApertura1"_s, QTime(9, 0));
        configurar(u"secretaria_horaCierre1"_s, QTime(13, 30));
        const QString html = Academia::escritoImpagos(u"Ana Souto"_s, filaDeuda(u"Marzo"_s, u"40,00 €"_s), locale, QString());
        for (const QString& frase : frases)
            QVERIFY2(html.contains(frase), qPrintable(frase));
        QVERIFY(html.contains(u"<td>Marzo</td>"_s));
        const QDate hoy = QDate::currentDate();
        QVERIFY(html.contains(u"Vigo, a %1 de %2 de %3"_s.arg(hoy.day()).arg(locale.monthName(hoy.month())).arg(hoy.year())));
        QVERIFY(!html.contains(u"##"_s));
        // a given place wins over the configured one
        QVERIFY(Academia::escritoImpagos(u"Ana"_s, QString(), locale, u"Redondela"_s).contains(u"Redondela, a "_s));

        // laid out as printed, the letter leaves its blank space above the salutation
        QTextDocument doc;
        doc.setHtml(html);
        doc.setPageSize(QSizeF(794, 1123));
        const QTextCursor saludo = doc.find(u"Estimad"_s);
        QVERIFY(!saludo.isNull());
        QVERIFY(doc.documentLayout()->blockBoundingRect(saludo.block()).top() >= 100);
    }
};

PENSARIO_TEST_MAIN(TestAcademia)
#include "tst_academia.moc"
