#include "academyfixture.h"
#include "adatehelper.h"
#include "cursoswidget.h"
#include "listado.h"
#include "outputfiles.h"
#include "pageharness.h"
#include "printutils.h"
#include "testmain.h"
#include "tipolistadoporcursodialog.h"
#include "turnocurso.h"
#include "turnocursotablemodel.h"

#include <QAction>
#include <QDateEdit>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>

using namespace academy;
using namespace outputfiles;

namespace {
// The page with its preview printed to a PDF file instead of shown.
class PaginaCursos : public CursosWidget
{
public:
    QString pdf;
    int previews = 0;

protected:
    void preview(PrintUtils* documento, QPrinter* printer) override
    {
        ++previews;
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        documento->print(printer);
    }
};
}

// Course "Bachillerato" (Matemáticas, Lengua) with course shifts Mañana and
// Tarde; course "Idiomas" (Inglés) with one course shift, Intensivo, and
// nobody in it. Ana and Bruno study in the morning, Carla in the afternoon.
class TestCursosWidget : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_manana = 0, m_tarde = 0, m_intensivo = 0;
    int m_bach = 0;
    int m_matesM = 0, m_lenguaM = 0, m_matesT = 0, m_lenguaT = 0;

    static QStringList paginasPdf(const QString& pdf)
    {
        QStringList paginas;
        for (int p = 1; p <= pdfPages(pdf); ++p)
            paginas << pdfText(pdf, p);
        return paginas;
    }

    static QString textoPdf(const QString& pdf) { return paginasPdf(pdf).join(QString()); }

    // Runs the listing-type dialog with the option and dates given.
    void pideListado(PageHarness& h, const char* opcion, QDate desde = QDate(), QDate hasta = QDate())
    {
        h.whenShown<TipoListadoPorCursoDialog>([opcion, desde, hasta](TipoListadoPorCursoDialog* d) {
            d->findChild<QRadioButton*>(QString::fromLatin1(opcion))->setChecked(true);
            if (desde.isValid())
                d->findChild<QDateEdit*>(QStringLiteral("deDesde"))->setDate(desde);
            if (hasta.isValid())
                d->findChild<QDateEdit*>(QStringLiteral("deHasta"))->setDate(hasta);
            d->accept();
        });
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        TestEnv::useIconPaths();
    }

    void init()
    {
        QVERIFY(openFreshDatabase());
        const int mates = asignatura(QStringLiteral("Matemáticas"), 30, 1);
        const int lengua = asignatura(QStringLiteral("Lengua"), 30, 2);
        const int ingles = asignatura(QStringLiteral("Inglés"), 30, 3);
        m_matesM = turno(mates, QStringLiteral("M1"));
        m_lenguaM = turno(lengua, QStringLiteral("L1"));
        m_matesT = turno(mates, QStringLiteral("M2"));
        m_lenguaT = turno(lengua, QStringLiteral("L2"));
        m_manana = turnoCurso(QStringLiteral("Bachillerato"), QStringLiteral("Mañana"), {m_matesM, m_lenguaM});
        m_tarde = turnoCurso(QStringLiteral("Bachillerato"), QStringLiteral("Tarde"), {m_matesT, m_lenguaT});
        m_intensivo = turnoCurso(QStringLiteral("Idiomas"), QStringLiteral("Intensivo"),
                                 {turno(ingles, QStringLiteral("I1"))});
        m_bach = curso(QStringLiteral("Bachillerato"));
        link(QStringLiteral("curso_asignatura"), QStringLiteral("idcurso"), m_bach, QStringLiteral("idasignatura"), mates);
        link(QStringLiteral("curso_asignatura"), QStringLiteral("idcurso"), m_bach, QStringLiteral("idasignatura"), lengua);

        const QDate mes = ADateHelper::firstDayOfMonth();
        const int ana = alumno(QStringLiteral("Ana"), QStringLiteral("García"), tels({{"casa", "981 000 111"}}));
        const int bruno = alumno(QStringLiteral("Bruno"), QStringLiteral("López"), tels({{"móvil", "600 222 333"}}));
        const int carla = alumno(QStringLiteral("Carla"), QStringLiteral("Pérez"));
        QVERIFY(alta(ana, m_matesM, mes.addMonths(-2), QDate(), 45.25));
        QVERIFY(alta(ana, m_lenguaM, mes.addMonths(-2), QDate(), 30.1));
        QVERIFY(alta(bruno, m_matesM, mes.addDays(3), QDate(), 50));           // registered this month
        QVERIFY(alta(carla, m_lenguaT, mes.addMonths(-3), mes.addDays(-10), 20)); // withdrew last month
        QVERIFY(alta(carla, m_matesT, mes.addMonths(-3), QDate(), 33.33));
        TurnoCursoTableModel::instance()->refresh();
    }

    void actionsFollowTheSelection()
    {
        CursosWidget page;
        PageHarness h(&page);
        auto* editar = page.findChild<QAction*>(QStringLiteral("actionEditar_curso"));
        auto* borrar = page.findChild<QAction*>(QStringLiteral("actionBorrar_curso"));
        auto* listar = page.findChild<QAction*>(QStringLiteral("actionRecibos_por_alumno"));
        QVERIFY(!editar->isEnabled() && !borrar->isEnabled() && !listar->isEnabled());
        QVERIFY(h.selectIds("tbvCursos", {m_manana}));
        QVERIFY(editar->isEnabled() && borrar->isEnabled() && listar->isEnabled());
        QVERIFY(h.selectIds("tbvCursos", {m_manana, m_intensivo}));
        QVERIFY(!editar->isEnabled() && borrar->isEnabled() && listar->isEnabled());
        // the page's four actions fill the section bar and the context menu
        QCOMPARE(page.actions().size(), 4);
        QCOMPARE(page.findChild<QTableView*>(QStringLiteral("tbvCursos"))->actions(), page.actions());

        QVERIFY(!h.trigger("actionEditar_curso")); // disabled with two rows
        QVERIFY(h.selectIds("tbvCursos", {}));
        QVERIFY(!editar->isEnabled() && !borrar->isEnabled());
        QVERIFY(h.problems().size() == 1);
    }

    void filterNarrowsEveryColumnIgnoringCase()
    {
        CursosWidget page;
        PageHarness h(&page);
        QCOMPARE(h.shownIds("tbvCursos").size(), 3);
        QVERIFY(h.type("leFiltro", QStringLiteral("bachi")));
        QList<int> vistos = h.shownIds("tbvCursos");
        std::sort(vistos.begin(), vistos.end());
        QCOMPARE(vistos, QList<int>({m_manana, m_tarde}));
        QVERIFY(h.type("leFiltro", QStringLiteral("INTENS")));
        QCOMPARE(h.shownIds("tbvCursos"), QList<int>({m_intensivo}));
        QVERIFY(h.click("pushButton_2"));
        QCOMPARE(page.findChild<QLineEdit*>(QStringLiteral("leFiltro"))->text(), QString());
        QCOMPARE(h.shownIds("tbvCursos").size(), 3);
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void deletingTheLastShiftTakesTheCourse()
    {
        CursosWidget page;
        PageHarness h(&page);
        QVERIFY(h.selectIds("tbvCursos", {m_manana, m_intensivo}));
        h.answerNext(QStringLiteral("permanently deleted"), QMessageBox::No);
        QVERIFY(h.trigger("actionBorrar_curso"));
        QCOMPARE(count("SELECT count(*) FROM turnocurso"), 3);

        QVERIFY(h.selectIds("tbvCursos", {m_manana, m_intensivo}));
        h.answerNext(QStringLiteral("permanently deleted"), QMessageBox::Yes);
        QVERIFY(h.trigger("actionBorrar_curso"));
        QCOMPARE(h.shownIds("tbvCursos"), QList<int>({m_tarde}));
        QCOMPARE(count("SELECT count(*) FROM turnocurso_turnoasignatura WHERE idturnocurso = ?", {m_manana}), 0);
        // Bachillerato keeps its other shift; Idiomas had only one and is gone
        QCOMPARE(count("SELECT count(*) FROM curso WHERE nombre = 'Bachillerato'"), 1);
        QCOMPARE(count("SELECT count(*) FROM curso WHERE nombre = 'Idiomas'"), 0);
        // subjects, their shifts and enrolments stay
        QCOMPARE(count("SELECT count(*) FROM turnoasignatura"), 5);
        QCOMPARE(count("SELECT count(*) FROM alta"), 5);
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void failedRemovalIsReportedAndTheOthersGoOn()
    {
        CursosWidget page;
        PageHarness h(&page);
        QVERIFY(h.selectIds("tbvCursos", {m_manana, m_intensivo}));
        QVERIFY(exec("CREATE TEMP TRIGGER fail_manana BEFORE DELETE ON turnocurso WHEN old.nombre = 'Mañana' "
                     "BEGIN SELECT RAISE(ABORT, 'injected failure'); END"));
        h.answerNext(QStringLiteral("permanently deleted"), QMessageBox::Yes);
        h.answerNext(QStringLiteral("Internal error deleting course shift."), QMessageBox::Ok);
        QVERIFY(h.trigger("actionBorrar_curso"));
        QCOMPARE(count("SELECT count(*) FROM turnocurso WHERE id = ?", {m_manana}), 1);
        QCOMPARE(count("SELECT count(*) FROM turnocurso_turnoasignatura WHERE idturnocurso = ?", {m_manana}), 2);
        QCOMPARE(count("SELECT count(*) FROM turnocurso WHERE id = ?", {m_intensivo}), 0);
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void editingTwoRowsWarns()
    {
        CursosWidget page;
        PageHarness h(&page);
        QVERIFY(h.selectIds("tbvCursos", {m_manana, m_tarde}));
        h.answerNext(QStringLiteral("Only one course shift can be edited at a time"), QMessageBox::Ok);
        page.updateCurso(); // a double click with two rows selected
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    // Three shifts selected, one without students: two listings, each on its
    // own landscape page with the academy header and "n / 2" footer.
    void studentListingsWithAndWithoutAmounts()
    {
        PaginaCursos page;
        page.pdf = m_dir.filePath(QStringLiteral("alumnos.pdf"));
        PageHarness h(&page);
        QVERIFY(h.selectIds("tbvCursos", {m_manana, m_tarde, m_intensivo}));
        pideListado(h, "rbAlumnosEuro");
        QVERIFY(h.trigger("actionRecibos_por_alumno"));
        QCOMPARE(page.previews, 1);
        QCOMPARE(pdfPages(page.pdf), 2);
        QVERIFY(run(QStringLiteral("pdfinfo"), {page.pdf}).contains(QLatin1String("842 x 595")));
        const QStringList paginas = paginasPdf(page.pdf);
        QVERIFY2(paginas.at(0).contains(QStringLiteral("Bachillerato - Mañana.")), qPrintable(paginas.at(0)));
        QVERIFY(paginas.at(0).contains(QRegularExpression(QStringLiteral("Page 1 of 2"))));
        QVERIFY(paginas.at(1).contains(QLatin1String("Bachillerato - Tarde.")));
        QVERIFY(paginas.at(1).contains(QRegularExpression(QStringLiteral("Page 2 of 2"))));
        QVERIFY(!paginas.join(QString()).contains(QLatin1String("Intensivo")));
        const QString ana = paginas.at(0).split(QLatin1Char('\n')).filter(QStringLiteral("García ,Ana")).value(0);
        for (const char* valor : {"75.35", "981 000 111", "45.25", "30.1"})
            QVERIFY2(ana.contains(QLatin1String(valor)), qPrintable(ana));
        QVERIFY(paginas.at(0).contains(QStringLiteral("López ,Bruno")));
        QVERIFY(paginas.at(1).contains(QStringLiteral("Pérez ,Carla")));

        pideListado(h, "rbAlumnosNoEuro");
        QVERIFY(h.trigger("actionRecibos_por_alumno"));
        const QString sinImportes = textoPdf(page.pdf);
        QVERIFY(sinImportes.contains(QStringLiteral("García ,Ana")));
        QVERIFY2(!sinImportes.contains(QLatin1String("45.25")) && sinImportes.contains(QLatin1String("X")),
                 qPrintable(sinImportes));
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void registrationsAndWithdrawalsBetweenDates()
    {
        PaginaCursos page;
        page.pdf = m_dir.filePath(QStringLiteral("altas.pdf"));
        PageHarness h(&page);
        QVERIFY(h.selectIds("tbvCursos", {m_manana, m_tarde}));
        const QDate mes = ADateHelper::firstDayOfMonth();
        pideListado(h, "rbAltas"); // this month, the dialog's own dates
        QVERIFY(h.trigger("actionRecibos_por_alumno"));
        QString texto = textoPdf(page.pdf);
        QCOMPARE(pdfPages(page.pdf), 1); // only Bruno registered this month
        QVERIFY2(texto.contains(QLatin1String("Registrations from")) && texto.contains(QStringLiteral("López ,Bruno")),
                 qPrintable(texto));
        QVERIFY(!texto.contains(QStringLiteral("García")));

        pideListado(h, "rbBajas", mes.addMonths(-1), mes);
        QVERIFY(h.trigger("actionRecibos_por_alumno"));
        texto = textoPdf(page.pdf);
        QVERIFY2(texto.contains(QLatin1String("Withdraw from")) && texto.contains(QStringLiteral("Pérez ,Carla")),
                 qPrintable(texto));
        QVERIFY(!texto.contains(QStringLiteral("López")));

        // nobody registered in that range
        const int antes = page.previews;
        pideListado(h, "rbAltas", QDate(2001, 1, 1), QDate(2001, 2, 1));
        h.answerNext(QStringLiteral("There is no data in selected lists."), QMessageBox::Ok);
        QVERIFY(h.trigger("actionRecibos_por_alumno"));
        QCOMPARE(page.previews, antes);
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void documentBreaksAfterEveryListingButTheLast()
    {
        QList<Listado*> listados;
        for (int id : {m_manana, m_tarde}) {
            std::unique_ptr<TurnoCurso> tc(TurnoCurso::getFromDB(id));
            listados << tc->listado(true, 0, QDate(), QDate());
        }
        QVERIFY(!CursosWidget::documentoListados({}));
        const QString pagina = CursosWidget::htmlPage(listados.at(0)->toHtml(true) + listados.at(1)->toHtml(true));
        QVERIFY(pagina.contains(QLatin1String("display: table-header-group")));
        QVERIFY(!pagina.contains(QLatin1String("%%CONTENT%%")));
        std::unique_ptr<PrintUtils> documento(CursosWidget::documentoListados(listados));
        QVERIFY(documento);
        const QString pdf = m_dir.filePath(QStringLiteral("saltos.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        documento->print(&printer);
        QCOMPARE(pdfPages(pdf), 2); // no empty page after the last listing
        qDeleteAll(listados);
    }
};

PENSARIO_TEST_MAIN(TestCursosWidget)
#include "tst_cursoswidget.moc"
