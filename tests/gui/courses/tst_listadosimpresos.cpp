#include "academyfixture.h"
#include "adatehelper.h"
#include "cursoswidget.h"
#include "listado.h"
#include "listadoresecon.h"
#include "outputfiles.h"
#include "printutils.h"
#include "profesor.h"
#include "testmain.h"
#include "turnocurso.h"

#include <QPrinter>
#include <QRegularExpression>
#include <QImage>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

using namespace academy;
using namespace outputfiles;

// Printed listings read back from a landscape PDF as a user sees them: no
// amount, phone number or word may be split over lines, and a row's values
// stand on the line of its first cell.
class TestListadosImpresos : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    // Printed the way the courses page prints its listings.
    QString imprime(const QList<Listado*>& listados, const QString& nombre)
    {
        std::unique_ptr<PrintUtils> documento(CursosWidget::documentoListados(listados));
        const QString pdf = m_dir.filePath(nombre + QStringLiteral(".pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageOrientation(QPageLayout::Landscape);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        documento->print(&printer);
        return pdf;
    }

    static QString texto(const QString& pdf)
    {
        QString todo;
        for (int p = 1; p <= pdfPages(pdf); ++p)
            todo += pdfText(pdf, p);
        return todo;
    }

    // The printed line holding the text, or an empty string.
    static QString lineaCon(const QString& texto, const QString& buscado)
    {
        const QStringList lineas = texto.split(QLatin1Char('\n'));
        for (const QString& linea : lineas)
            if (linea.contains(buscado))
                return linea;
        return QString();
    }

    // Each value stands whole on the line that holds the first one.
    static void enUnaLinea(const QString& texto, const QStringList& valores)
    {
        const QString linea = lineaCon(texto, valores.first());
        QVERIFY2(!linea.isEmpty(), qPrintable(valores.first() + QStringLiteral(" not printed whole in:\n") + texto));
        for (const QString& valor : valores)
            QVERIFY2(linea.contains(valor),
                     qPrintable(QStringLiteral("\"%1\" not on the line of \"%2\": %3\n%4")
                                    .arg(valor, valores.first(), linea, texto)));
    }

    // Every row of the listings stands whole on one printed line.
    static void filasEnteras(const QString& impreso, const QList<Listado*>& listados)
    {
        const QStringList lineas = impreso.split(QLatin1Char('\n'));
        for (const Listado* listado : listados) {
            for (const LineaListado* fila : listado->lineas()) {
                QStringList celdas;
                for (int c = 0; c < fila->count(); ++c) {
                    const QString t = LineaListado::textoCelda(fila->valor(c), fila->atributo(c));
                    if (!t.isEmpty())
                        celdas << t;
                }
                const bool entera = std::any_of(lineas.begin(), lineas.end(), [&](const QString& l) {
                    return std::all_of(celdas.begin(), celdas.end(), [&](const QString& c) { return l.contains(c); });
                });
                QVERIFY2(entera, qPrintable(QStringLiteral("Row [%1] of \"%2\" not on one line:\n%3")
                                                .arg(celdas.join(QStringLiteral(" | ")), listado->titulo(), impreso)));
            }
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // To look at the printed pages: PENSARIO_KEEP_OUTPUT=1 keeps the folder.
        if (qEnvironmentVariableIsSet("PENSARIO_KEEP_OUTPUT")) {
            m_dir.setAutoRemove(false);
            qInfo("Output kept in %s", qPrintable(m_dir.path()));
        }
    }

    void init()
    {
        QVERIFY(openFreshDatabase());
    }

    void courseShiftListing()
    {
        const int mates = asignatura(QStringLiteral("Matemáticas Aplicadas"), 30, 1);
        const int lengua = asignatura(QStringLiteral("Lengua Castellana y Literatura"), 30, 2);
        const int matesM = turno(mates, QStringLiteral("Mañana"));
        const int lenguaM = turno(lengua, QStringLiteral("Mañana"));
        const int matesT = turno(mates, QStringLiteral("Tarde"));
        const int lenguaT = turno(lengua, QStringLiteral("Tarde"));
        const int manana = turnoCurso(QStringLiteral("Bachillerato"), QStringLiteral("Mañana"), {matesM, lenguaM});
        const int tarde = turnoCurso(QStringLiteral("Bachillerato"), QStringLiteral("Tarde"), {matesT, lenguaT});
        link(QStringLiteral("curso_asignatura"), QStringLiteral("idcurso"), curso(QStringLiteral("Bachillerato")),
             QStringLiteral("idasignatura"), mates);

        const int ana = alumno(QStringLiteral("Ana María"), QStringLiteral("Fernández Castro"),
                               tels({{"casa", "981 123 456"}}), QStringLiteral("Beca del concello"));
        const int bruno = alumno(QStringLiteral("Bruno"), QStringLiteral("López Vázquez"), tels({{"móvil", "600 333 444"}}));
        const int carla = alumno(QStringLiteral("Carla"), QStringLiteral("Pérez Souto"), tels({{"casa", "986 555 777"}}));
        const QDate d = ADateHelper::firstDayOfMonth().addMonths(-1);
        QVERIFY(alta(ana, matesM, d, QDate(), 123.45));
        QVERIFY(alta(ana, lenguaM, d, QDate(), 40.06));
        QVERIFY(alta(bruno, matesM, d, QDate(), 1234.56));
        QVERIFY(alta(carla, lenguaT, d, QDate(), 99.99));

        QList<Listado*> listados;
        for (int id : {manana, tarde}) {
            std::unique_ptr<TurnoCurso> tc(TurnoCurso::getFromDB(id));
            listados << tc->listado(true, 0, QDate(), QDate());
        }
        const QString impreso = texto(imprime(listados, QStringLiteral("turnos")));
        qDeleteAll(listados);

        enUnaLinea(impreso, {QStringLiteral("Fernández Castro ,Ana María"), QStringLiteral("163.51"),
                             QStringLiteral("981 123 456"), QStringLiteral("123.45"), QStringLiteral("40.06"),
                             QStringLiteral("Beca del concello")});
        enUnaLinea(impreso, {QStringLiteral("López Vázquez ,Bruno"), QStringLiteral("1234.56"),
                             QStringLiteral("600 333 444")});
        enUnaLinea(impreso, {QStringLiteral("Pérez Souto ,Carla"), QStringLiteral("99.99"),
                             QStringLiteral("986 555 777")});
        enUnaLinea(impreso, {QStringLiteral("Matemáticas Aplicadas"), QStringLiteral("Lengua Castellana y Literatura")});
        QVERIFY2(!impreso.contains(QLatin1String("nbr")), qPrintable(impreso));
    }

    // Names typed with markup print as typed, and the picture they name is
    // not printed; each printed settlement names its teacher.
    void typedMarkupPrintsAsTyped()
    {
        QImage rojo(37, 23, QImage::Format_RGB32);
        rojo.fill(Qt::red);
        const QString imagen = m_dir.filePath(QStringLiteral("rojo.png"));
        QVERIFY(rojo.save(imagen));
        const QString tecleado = QStringLiteral("<b>X</b><img src=\"%1\">").arg(QUrl::fromLocalFile(imagen).toString());

        const int mates = turno(asignatura(tecleado), QStringLiteral("Mañana"));
        const int manana = turnoCurso(QStringLiteral("Bachillerato"), QStringLiteral("Mañana"), {mates});
        const int idProfesor = profesor(tecleado, QStringLiteral("Souto"));
        std::unique_ptr<Profesor> p(Profesor::getFromDB(idProfesor));
        p->setApodo(QStringLiteral("Profe"));
        QVERIFY(p->update());
        QVERIFY(sesion(mates, aula(QStringLiteral("Aula"), 20), idProfesor, 2, 10, 90));
        QVERIFY(alta(alumno(tecleado, QStringLiteral("Pérez")), mates, ADateHelper::firstDayOfMonth().addMonths(-1)));

        std::unique_ptr<TurnoCurso> tc(TurnoCurso::getFromDB(manana));
        QList<Listado*> listados{tc->listado(true, 0, QDate(), QDate())};
        listados += p->liquidacion(QDate(), QDate());
        const QString pdf = imprime(listados, QStringLiteral("tecleado"));
        qDeleteAll(listados);
        const QString impreso = texto(pdf).simplified();
        QVERIFY2(impreso.contains(QStringLiteral("Pérez ,<b>X</b><img")), qPrintable(impreso));
        QVERIFY2(impreso.contains(QStringLiteral("Settlement of Profe - <b>X</b><img")), qPrintable(impreso));
        const QString imagenes = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
        QVERIFY2(!imagenes.isEmpty(), "pdfimages gave nothing");
        QVERIFY2(!QRegularExpression(QStringLiteral("\\s37\\s+23\\s")).match(imagenes).hasMatch(), qPrintable(imagenes));
    }

    // The teacher's listings carry no header attributes; long labels and
    // amounts with decimals must still print whole.
    void teacherListings()
    {
        const int lengua = asignatura(QStringLiteral("Lengua Castellana y Literatura"), 30, 1);
        const int manana = turno(lengua, QStringLiteral("Mañana de los martes"));
        const int idProfesor = profesor(QStringLiteral("Xosé Manuel"), QStringLiteral("Rodríguez Fernández"));
        std::unique_ptr<Profesor> p(Profesor::getFromDB(idProfesor));
        p->setApodo(QStringLiteral("Xosé Manuel R."));
        p->setSueldoPorHora(12.5);
        p->setSueldoPorcentaje(30);
        p->setRetencion(15.75);
        QVERIFY(p->update());
        QVERIFY(sesion(manana, aula(QStringLiteral("Aula grande"), 20), idProfesor, 2, 10, 90));
        const QDate d = ADateHelper::firstDayOfMonth().addMonths(-1);
        QVERIFY(alta(alumno(QStringLiteral("Ana"), QStringLiteral("Fernández")), manana, d, QDate(), 123.45,
                     QStringLiteral("Fernández Castro, Ana María")));
        QVERIFY(alta(alumno(QStringLiteral("Bruno"), QStringLiteral("López")), manana, d, QDate(), 1234.56,
                     QStringLiteral("López Vázquez, Bruno")));

        QList<Listado*> listados{p->listadoAlumnos(QDate(), QDate())};
        listados += p->liquidacion(QDate(), QDate());
        QCOMPARE(listados.size(), 5); // students, fixed, hourly, percentage, totals
        const QString pdf = imprime(listados, QStringLiteral("profesor"));
        filasEnteras(texto(pdf), listados);
        qDeleteAll(listados);

        std::unique_ptr<ListadoResEcon> resumen(Profesor::resumenEconomico(QDate(), QDate()));
        QVERIFY(resumen->rowCount() >= 2);
        filasEnteras(texto(imprime({resumen.get()}, QStringLiteral("resumen"))), {resumen.get()});
    }
};

PENSARIO_TEST_MAIN(TestListadosImpresos)
#include "tst_listadosimpresos.moc"
