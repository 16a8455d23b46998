#include "recibofixture.h"

#include "academia.h"
#include "adatehelper.h"
#include "documentosrecibos.h"
#include "moneda.h"
#include "printutils.h"
#include "billstesthelpers.h"
#include "guitest.h"
#include "messagecapture.h"
#include "outputfiles.h"
#include "proxyhelpers.h"
#include "recibotablemodel.h"
#include "reciboswidget.h"
#include "pageharness.h"
#include "scriptedprompter.h"
#include "testmain.h"

#include <QApplication>
#include <QDateEdit>
#include <QPrinter>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <QDir>
#include <QStandardPaths>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextDocumentFragment>

using namespace ReciboFixture;
using namespace BillsTest;
using namespace GuiTest;

namespace {
QDate haceMeses(int meses) { return primeroDeMes().addMonths(-meses); }

QString resultado(int creados, int modificados, int sinCambios)
{
    return QStringLiteral("%1 bills created.\n%2 bills modified.\n%3 bills unchanged.")
        .arg(creados)
        .arg(modificados)
        .arg(sinCambios);
}

// A stored bill carrying its student's names, as generated bills do.
int reciboDe(int idAlumno, QDate fecha, double importe, double pagado = 0)
{
    const int id = recibo(idAlumno, fecha, importe, true, pagado);
    academy::exec(QStringLiteral("UPDATE recibo SET nombrealumno = (SELECT nombre FROM alumno WHERE id = ?), "
                                 "apellidosalumno = (SELECT apellidos FROM alumno WHERE id = ?) WHERE id = ?"),
                  {idAlumno, idAlumno, id});
    return id;
}

// Types the name into the save dialog, as a user would.
void elegir(QFileDialog* dialogo, const QString& ruta)
{
    dialogo->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(ruta);
}

int recibosDelMes()
{
    return contar(QStringLiteral("SELECT count(*) FROM recibo WHERE fecha >= ?"), {primeroDeMes()});
}
} // namespace

// Answers as scripted and remembers which button each choice box offered for Enter.
class DefaultsSeen : public ScriptedPrompter
{
public:
    QStringList defaults;
    int choose(const Choice& choice) override
    {
        defaults << choice.buttons.value(choice.defaultIndex);
        return ScriptedPrompter::choose(choice);
    }
};

class TstRecibosWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::useIconPaths(); }
    void init()
    {
        QVERIFY(abrirBaseNueva());
        // the shared model outlives each case's page
        ReciboTableModel::instance()->setPagados(Recibo::PAGADOS_E_IMPAGADOS);
        ReciboTableModel::instance()->setDateIni(ADateHelper::firstDayOfMonth());
        ReciboTableModel::instance()->setDateEnd(ADateHelper::firstDayOfNextMonth());
        m_turno = turno(QStringLiteral("Piano"));
        m_ana = alumno(QStringLiteral("Ana"), QStringLiteral("Souto"));
        m_brais = alumno(QStringLiteral("Brais"), QStringLiteral("Pena"));
        QVERIFY(alta(m_ana, m_turno, QStringLiteral("Piano"), haceMeses(2), QDate(), 45, 40));
        QVERIFY(alta(m_brais, m_turno, QStringLiteral("Piano"), haceMeses(2), QDate(), 30, 30));
        ReciboTableModel::instance()->refresh();
    }

    // The month's first run asks nothing; later runs ask, and each answer
    // leaves alone what it promises to. Cancel changes nothing.
    void generationWithEveryAnswer()
    {
        RecibosWidget page;
        PageHarness h(&page);
        ScriptedPrompter& prompter = h.prompter();
        prompter.button(QMessageBox::Ok);
        QVERIFY(h.trigger("actionGenerar_recibos"));
        QCOMPARE(prompter.asked().last().text, resultado(2, 0, 0));
        QCOMPARE(ReciboTableModel::instance()->rowCount(), 2);

        // Ana's bill edited by hand; Xian signed up since the first run
        QVERIFY(academy::exec(QStringLiteral("UPDATE recibo SET automatico = 'false', importe = 1 WHERE idalumno = ?"),
                              {m_ana}));
        const int xian = alumno(QStringLiteral("Xián"), QStringLiteral("Vilar"));
        QVERIFY(alta(xian, m_turno, QStringLiteral("Piano"), primeroDeMes(), QDate(), 30, 30));

        prompter.choice(QStringLiteral("Don't overwrite. Just generate new ones")).button(QMessageBox::Ok);
        QVERIFY(h.trigger("actionGenerar_recibos"));
        QCOMPARE(prompter.asked().at(1).text, QStringLiteral("There are bills already generated for this month."));
        QCOMPARE(prompter.asked().last().text, resultado(1, 0, 2));

        prompter.choice(QStringLiteral("Only bills with no manual changes")).button(QMessageBox::Ok);
        QVERIFY(h.trigger("actionGenerar_recibos"));
        QCOMPARE(prompter.asked().last().text, resultado(0, 2, 1));
        QCOMPARE(valor(QStringLiteral("SELECT importe FROM recibo WHERE idalumno = ?"), {m_ana}), QStringLiteral("1"));

        prompter.choice(QStringLiteral("Cancel"));
        const int preguntas = prompter.askedCount();
        QVERIFY(h.trigger("actionGenerar_recibos"));
        QCOMPARE(prompter.askedCount(), preguntas + 1);
        QCOMPARE(valor(QStringLiteral("SELECT importe FROM recibo WHERE idalumno = ?"), {m_ana}), QStringLiteral("1"));

        prompter.choice(QStringLiteral("All bills")).button(QMessageBox::Ok);
        QVERIFY(h.trigger("actionGenerar_recibos"));
        QCOMPARE(prompter.asked().last().text, resultado(0, 3, 0));
        QCOMPARE(valor(QStringLiteral("SELECT importe FROM recibo WHERE idalumno = ?"), {m_ana}), QStringLiteral("4000"));
        QCOMPARE(recibosDelMes(), 3);
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    // With months of bills shown, what a run writes is shown as a fresh
    // reading of the period shows it.
    void generationShownOverALongPeriod()
    {
        reciboDe(m_ana, haceMeses(2), 10);
        RecibosWidget page;
        PageHarness h(&page);
        page.findChild<QDateEdit*>("deFechaDesde")->setDate(haceMeses(3));
        ScriptedPrompter& prompter = h.prompter();
        const auto comoRecienLeido = [] {
            const ReciboTableModel* model = ReciboTableModel::instance();
            const ReciboTableModel fresco(model->dateIni(), model->dateEnd(), model->pagados());
            QStringList a, b;
            for (const ReciboTableModel* m : {model, &fresco})
                for (int row = 0; row < m->rowCount(); ++row)
                    for (int c = 0; c < m->columnCount(); ++c)
                        (m == model ? a : b) << m->index(row, c).data().toString();
            return a == b && model->rowCount() == fresco.rowCount();
        };
        prompter.button(QMessageBox::Ok);
        QVERIFY(h.trigger("actionGenerar_recibos"));
        QCOMPARE(ReciboTableModel::instance()->rowCount(), 3);
        QVERIFY(comoRecienLeido());
        QVERIFY(academy::exec(QStringLiteral("UPDATE recibo SET importe = 1, concepto = 'x' WHERE fecha >= ?"),
                              {primeroDeMes()}));
        QVERIFY(comoRecienLeido());
        prompter.choice(QStringLiteral("All bills")).button(QMessageBox::Ok);
        QVERIFY(h.trigger("actionGenerar_recibos"));
        QCOMPARE(prompter.asked().last().text, resultado(0, 2, 0));
        QVERIFY(comoRecienLeido());
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    // A failed run is told as a failure, never as a count, and keeps nothing;
    // while it runs the page takes no second command.
    void failedGenerationIsToldAndTheRunTakesNoSecondCommand()
    {
        RecibosWidget page;
        PageHarness h(&page);
        ScriptedPrompter& prompter = h.prompter();
        prompter.button(QMessageBox::Ok);
        bool vistoOcupado = false;
        auto conexion = connect(ReciboTableModel::instance(), &QAbstractItemModel::modelReset, &page, [&] {
            vistoOcupado = page.ocupado() && !action(page, "actionGenerar_recibos")->isEnabled();
            page.generarRecibos(); // would ask a question if it ran
        });
        // the window is painted between the run's steps, inside its transaction
        int turnosEnLaEscritura = 0;
        QTimer latido;
        connect(&latido, &QTimer::timeout, [&] { turnosEnLaEscritura += Dao::getInstance()->inTransaction(); });
        latido.start(0);
        QVERIFY(h.trigger("actionGenerar_recibos"));
        latido.stop();
        disconnect(conexion);
        QVERIFY(turnosEnLaEscritura > 0);
        QVERIFY(vistoOcupado);
        QVERIFY(!page.ocupado());
        QVERIFY(action(page, "actionGenerar_recibos")->isEnabled());
        QCOMPARE(prompter.askedCount(), 1);

        QVERIFY(academy::failUpdates(QStringLiteral("recibo")));
        prompter.choice(QStringLiteral("All bills")).button(QMessageBox::Ok);
        QVERIFY(h.trigger("actionGenerar_recibos"));
        QCOMPARE(prompter.asked().last().text, QStringLiteral("The bills could not be generated; nothing was changed."));
        QCOMPARE(recibosDelMes(), 2);

        prompter.button(QMessageBox::Ok).button(QMessageBox::Ok);
        QVERIFY(h.selectIds("tbvRecibos", {contar(QStringLiteral("SELECT id FROM recibo WHERE idalumno = ?"), {m_ana})}));
        QVERIFY(h.trigger("actionRegenerar_recibos"));
        QCOMPARE(prompter.asked().last().text, QStringLiteral("The bills could not be regenerated; nothing was changed."));
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void actionsFollowSelectionAndPaidFilter()
    {
        const int a = reciboDe(m_ana, primeroDeMes(), 40);
        const int b = reciboDe(m_brais, primeroDeMes(), 30);
        const int c = reciboDe(m_brais, primeroDeMes().addDays(1), 30);
        reciboDe(m_ana, ADateHelper::firstDayOfNextMonth(), 40); // "to" is exclusive
        ReciboTableModel::instance()->refresh();
        RecibosWidget page;
        PageHarness h(&page);
        ScriptedPrompter& prompter = h.prompter();
        auto* vista = page.findChild<QTableView*>("tbvRecibos");
        QCOMPARE(vista->model()->rowCount(), 3);
        QVERIFY(!action(page, "actionEditar_recibo")->isEnabled());
        QVERIFY(!action(page, "actionGenerar_escrito_impagos")->isEnabled());

        QVERIFY(h.selectIds("tbvRecibos", {a, b}));
        QVERIFY(!action(page, "actionEditar_recibo")->isEnabled());
        QVERIFY(action(page, "actionEliminar_recibo")->isEnabled());
        QVERIFY(action(page, "actionRegenerar_recibos")->isEnabled());

        prompter.button(QMessageBox::Ok);
        page.showEditReciboDialog();
        QCOMPARE(prompter.asked().last().text, QStringLiteral("You must select just one bill in order to edit it."));

        QSignalSpy resets(ReciboTableModel::instance(), &QAbstractItemModel::modelReset);
        QVERIFY(h.check("rbSoloImpagados"));
        QCOMPARE(resets.count(), 1);
        QVERIFY(action(page, "actionGenerar_escrito_impagos")->isEnabled());
        QVERIFY(!action(page, "actionEliminar_recibo")->isEnabled()); // a reload empties the selection
        QVERIFY(h.check("rbPagadosEImpagados"));
        QVERIFY(!action(page, "actionGenerar_escrito_impagos")->isEnabled());

        // the paid column only shows the flag: a click on its check box changes no bill
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        const QModelIndex pagadoDeA = vista->model()->index(0, 7);
        const int idFila = pagadoDeA.data(ARole::Id).toInt();
        QTest::mouseClick(vista->viewport(), Qt::LeftButton, {}, vista->visualRect(pagadoDeA).center());
        QCOMPARE(valor(QStringLiteral("SELECT pagado FROM recibo WHERE id = ?"), {idFila}), QStringLiteral("false"));

        auto* filtro = page.findChild<QLineEdit*>("leFiltro");
        QTest::keyClicks(filtro, QStringLiteral("brais"));
        QCOMPARE(vista->model()->rowCount(), 2);
        QVERIFY(h.click("pushButton"));
        QCOMPARE(vista->model()->rowCount(), 3);

        QVERIFY(h.selectIds("tbvRecibos", {a, b, c}));
        prompter.button(QMessageBox::Yes);
        QVERIFY(h.trigger("actionEliminar_recibo"));
        QCOMPARE(prompter.asked().last().informativeText,
                 QStringLiteral("Are you sure you want to delete the 3 selected bill(s)?"));
        QCOMPARE(contar(QStringLiteral("SELECT count(*) FROM recibo")), 1);
        QCOMPARE(vista->model()->rowCount(), 0);
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    // The filter ignores accents and case, keeps its wildcards, takes an
    // unfinished bracket as text without a warning, and follows the list
    // when the bills change under it.
    void filterAsPeopleType()
    {
        const int lucia = alumno(QStringLiteral("Lucía"), QStringLiteral("López"));
        const int deLucia = reciboDe(lucia, primeroDeMes(), 20);
        reciboDe(m_ana, primeroDeMes(), 40);
        ReciboTableModel::instance()->refresh();
        RecibosWidget page;
        PageHarness h(&page);
        MessageCapture capture;
        for (const QString& typed : {QStringLiteral("lopez"), QStringLiteral("LUCIA"), QStringLiteral("l?pez"),
                                     QStringLiteral("l*ez")}) {
            QVERIFY(h.type("leFiltro", typed));
            QCOMPARE(h.shownIds("tbvRecibos"), QList<int>{deLucia});
        }
        QVERIFY(h.type("leFiltro", QStringLiteral("[")));
        QCOMPARE(h.shownIds("tbvRecibos"), QList<int>{});
        QCOMPARE(capture.count(QtWarningMsg), 0);

        QVERIFY(h.type("leFiltro", QStringLiteral("lopez")));
        const int otro = reciboDe(lucia, primeroDeMes().addDays(2), 25);
        ReciboTableModel::instance()->refresh();
        QCOMPARE(h.shownIds("tbvRecibos").size(), 2);
        QVERIFY(h.shownIds("tbvRecibos").contains(otro));
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    // Bills of an earlier month among the selection are not regenerated; two
    // bills of one student in this month give one rebuilt bill.
    void regenerationCountsOnlyThisMonthsStudents()
    {
        const int viejo = reciboDe(m_ana, haceMeses(1), 10);
        const int uno = reciboDe(m_brais, primeroDeMes(), 10);
        const int dos = reciboDe(m_brais, primeroDeMes().addDays(1), 10);
        RecibosWidget page;
        PageHarness h(&page);
        ScriptedPrompter& prompter = h.prompter();
        page.findChild<QDateEdit*>("deFechaDesde")->setDate(haceMeses(1));
        prompter.button(QMessageBox::Ok).button(QMessageBox::Ok);
        QVERIFY(h.selectIds("tbvRecibos", {viejo}));
        QVERIFY(h.trigger("actionRegenerar_recibos"));
        QCOMPARE(prompter.asked().last().text, QStringLiteral("0 bills regenerated."));

        prompter.button(QMessageBox::Ok).button(QMessageBox::Ok);
        QVERIFY(h.selectIds("tbvRecibos", {uno, dos}));
        QVERIFY(h.trigger("actionRegenerar_recibos"));
        QCOMPARE(prompter.asked().last().text, QStringLiteral("1 bills regenerated."));
        QCOMPARE(valor(QStringLiteral("SELECT importe FROM recibo WHERE id = ?"), {dos}), QStringLiteral("3000"));
        QCOMPARE(valor(QStringLiteral("SELECT importe FROM recibo WHERE id = ?"), {viejo}), QStringLiteral("1000"));
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    // One page per bill and no blank page after the last; with nothing
    // selected, the bills the filtered list shows.
    void printedBillsOnePageEach()
    {
        QTemporaryDir dir;
        const int a = reciboDe(m_ana, primeroDeMes(), 40);
        const int b = reciboDe(m_brais, primeroDeMes(), 30);
        reciboDe(m_brais, primeroDeMes(), 35);
        ReciboTableModel::instance()->refresh();
        RecibosWidget page;
        PageHarness h(&page);
        QVERIFY(h.selectIds("tbvRecibos", {a, b}));
        bool visto = false;
        const QString pdf = dir.filePath(QStringLiteral("dos.pdf"));
        printNextPreview(h, pdf, &visto);
        QVERIFY(h.click("btnImprimirRecibos"));
        QVERIFY(visto);
        QCOMPARE(outputfiles::pdfPages(pdf), 2);
        QVERIFY(outputfiles::pdfText(pdf, 1).contains(QStringLiteral("- 0")));
        QVERIFY(outputfiles::pdfText(pdf, 2).contains(QStringLiteral("- 1")));

        page.findChild<QTableView*>("tbvRecibos")->clearSelection();
        QTest::keyClicks(page.findChild<QLineEdit*>("leFiltro"), QStringLiteral("pena"));
        QCOMPARE(page.idsParaImprimir().size(), 2);
        const QString filtrado = dir.filePath(QStringLiteral("filtrado.pdf"));
        printNextPreview(h, filtrado, &visto);
        page.print();
        QVERIFY(visto);
        QCOMPARE(outputfiles::pdfPages(filtrado), 2);
        QVERIFY(outputfiles::pdfText(filtrado, 1).contains(QStringLiteral("- 1")));
        QVERIFY(outputfiles::pdfText(filtrado, 2).contains(QStringLiteral("- 2")));
    }

    // Letters cover every unpaid bill of any date with nothing selected, one
    // per debtor, months in the chosen language, every cent kept; a removed
    // student's bills are addressed with the name stored on them.
    void lettersInBothLanguages()
    {
        QTemporaryDir dir;
        const int septiembre = reciboDe(m_ana, QDate(2023, 9, 1), 45.55);
        reciboDe(m_ana, QDate(2023, 10, 1), 50, 20);
        reciboDe(m_brais, QDate(2023, 10, 1), 30, 30); // fully paid: no letter
        QVERIFY(academy::exec(QStringLiteral("UPDATE recibo SET pagado = 'true' WHERE idalumno = ? AND importepagado = 3000"),
                              {m_brais}));
        const int xan = alumno(QStringLiteral("Xan"), QStringLiteral("Novo"));
        const int deXan = reciboDe(xan, QDate(2023, 11, 1), 12.5);
        QVERIFY(academy::exec(QStringLiteral("UPDATE recibo SET nombrealumno = 'Xan', apellidosalumno = 'Novo' WHERE id = ?"),
                              {deXan}));
        QVERIFY(Alumno::remove(xan));

        RecibosWidget page;
        PageHarness h(&page);
        ScriptedPrompter& prompter = h.prompter();
        QVERIFY(h.check("rbSoloImpagados"));
        prompter.choice(QStringLiteral("Spanish"));
        bool visto = false;
        const QString es = dir.filePath(QStringLiteral("es.pdf"));
        printNextPreview(h, es, &visto);
        QVERIFY(h.trigger("actionGenerar_escrito_impagos"));
        QVERIFY(visto);
        QCOMPARE(prompter.asked().first().text, QStringLiteral("In which language do you want to get the unpaid document?"));
        QCOMPARE(outputfiles::pdfPages(es), 2);
        const QString carta = outputfiles::pdfText(es, 1);
        QVERIFY2(carta.contains(QStringLiteral("Ana Souto")), qPrintable(carta));
        QVERIFY(carta.contains(QStringLiteral("septiembre")));
        QVERIFY(carta.contains(QStringLiteral("45.55")));
        QVERIFY(carta.contains(QStringLiteral("octubre")));
        QVERIFY(carta.contains(QRegularExpression(QStringLiteral("TOTAL:\\s+75.55"))));
        const QString deBaja = outputfiles::pdfText(es, 2);
        QVERIFY2(deBaja.contains(QStringLiteral("Xan Novo")), qPrintable(deBaja));
        QVERIFY(deBaja.contains(QStringLiteral("noviembre")));
        QVERIFY(!deBaja.contains(QStringLiteral("Brais")));

        // a selection that mixes paid and unpaid bills: letters for the unpaid ones
        page.findChild<QDateEdit*>("deFechaDesde")->setDate(QDate(2023, 1, 1));
        QVERIFY(h.check("rbPagadosEImpagados"));
        const int pagado = contar(QStringLiteral("SELECT id FROM recibo WHERE idalumno = ?"), {m_brais});
        QVERIFY(h.selectIds("tbvRecibos", {septiembre, pagado}));
        prompter.choice(QStringLiteral("Galician"));
        const QString gl = dir.filePath(QStringLiteral("gl.pdf"));
        printNextPreview(h, gl, &visto);
        page.generaEscritoImpagos();
        QVERIFY(visto);
        QCOMPARE(outputfiles::pdfPages(gl), 1);
        const QString galego = outputfiles::pdfText(gl, 1);
        QVERIFY(galego.contains(QStringLiteral("setembro")));
        QVERIFY(galego.contains(QRegularExpression(QStringLiteral("TOTAL:\\s+45.55"))));
        QVERIFY(!galego.contains(QStringLiteral("outubro")));
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    // Written a batch at a time, the letters are those of one letter per
    // debtor filled by the academy's template: the same debtors in the same
    // order, names as markup-safe as the template makes them, the owed cents
    // and their total, and no page break after the last letter of a batch.
    void letterBatchesAreTheAcademysLetters()
    {
        QList<int> debtors;
        for (int i = 0; i < 45; ++i)
            debtors << alumno(QStringLiteral("N%1 <b>&").arg(i), QStringLiteral("S%1").arg(i));
        const int removed = alumno(QStringLiteral("Gone"), QStringLiteral("Away"));
        QList<int> ids;
        for (int i = 44; i >= 0; --i)
            ids << reciboDe(debtors.at(i), QDate(2024, 3, 1), 10 + i, i % 2 ? 0.35 : 0);
        ids << reciboDe(m_brais, QDate(2024, 3, 1), 30, 30);  // fully paid: no letter
        QVERIFY(academy::exec(QStringLiteral("UPDATE recibo SET pagado = 'true' WHERE id = ?"), {ids.last()}));
        const int ofRemoved = reciboDe(removed, QDate(2024, 4, 1), 12.5);
        QVERIFY(Alumno::remove(removed));
        ids << ofRemoved << reciboDe(debtors.at(44), QDate(2024, 5, 1), 7.25);

        QList<Recibo*> bills;
        for (int id : ids)
            bills << Recibo::getFromDB(id);
        QCOMPARE(bills.count(nullptr), 0);
        const QLocale gl(QLocale::Galician, QLocale::Spain);
        const PrintUtils::Batches batches = DocumentosRecibos::lotesCartas(bills, gl);
        qDeleteAll(bills);

        const auto row = [&gl](int month, const QString& amount) {
            return QStringLiteral("<tr><td>%1</td><td>%2</td></tr>").arg(gl.monthName(month), amount);
        };
        const auto table = [](const QString& rows, const QString& total) {
            return QStringLiteral("<tbody>") + rows
                   + QStringLiteral("</tbody><tfoot style=\"font-weight:bold;\"><tr><td>TOTAL:</td><td>%1</td></tr></tfoot>")
                         .arg(total);
        };
        QStringList expected;
        expected << Academia::escritoImpagos(QStringLiteral("N44 <b>& S44"), table(row(3, u"54"_s) + row(5, u"7.25"_s), u"61.25"_s),
                                             gl, QString());
        for (int i = 43; i >= 0; --i)
            expected << Academia::escritoImpagos(QStringLiteral("N%1 <b>& S%1").arg(i),
                                                 table(row(3, Moneda::formatearListado(10 + i - (i % 2 ? 0.35 : 0))),
                                                       Moneda::formatearListado(10 + i - (i % 2 ? 0.35 : 0))),
                                                 gl, QString());
        expected << Academia::escritoImpagos(u"Gone Away"_s, table(row(4, u"12.5"_s), u"12.5"_s), gl, QString());

        QCOMPARE(batches.items, int(expected.size()));
        QVERIFY(batches.perBatch > 1 && batches.perBatch < batches.items);
        for (int first = 0; first < batches.items; first += batches.perBatch) {
            const int count = std::min(batches.perBatch, batches.items - first);
            const QString html = batches.read(first, count)();
            const QString letters = DocumentosRecibos::sinUltimoSalto(expected.mid(first, count).join(QString()));
            QVERIFY(html.endsWith(letters));
            // later batches begin where a letter after another began: a blank space, no text
            const QString before = html.chopped(letters.size());
            QCOMPARE(before.isEmpty(), first == 0);
            QVERIFY(QTextDocumentFragment::fromHtml(before).toPlainText().remove(QChar::ObjectReplacementCharacter).trimmed().isEmpty());
        }

        // every unpaid bill, read without bill objects: the letters of the bills' own list
        QList<Recibo*> unpaid = Recibo::list(Recibo::SOLOIMPAGADOS, QDate(), QDate());
        const PrintUtils::Batches fromObjects = DocumentosRecibos::lotesCartas(unpaid, gl);
        qDeleteAll(unpaid);
        const PrintUtils::Batches read = DocumentosRecibos::lotesCartasImpagadas(gl);
        QCOMPARE(read.items, fromObjects.items);
        QCOMPARE(read.items, batches.items);
        for (int first = 0; first < read.items; first += read.perBatch) {
            const int count = std::min(read.perBatch, read.items - first);
            QCOMPARE(read.read(first, count)(), fromObjects.read(first, count)());
        }
    }

    // Letters the user stops while they print leave the file named as it
    // was, and nothing beside it.
    void stoppedLettersLeaveNoFile()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("cartas.pdf"));
        QList<Recibo*> bills;
        for (int i = 0; i < 30; ++i)
            bills << Recibo::getFromDB(reciboDe(alumno(QStringLiteral("N%1").arg(i), u"S"_s), QDate(2024, 3, 1), 10));
        PrintUtils::Batches batches = DocumentosRecibos::lotesCartas(bills, QLocale(QLocale::Spanish, QLocale::Spain));
        qDeleteAll(bills);
        // one letter at a time, each slow to read, so that the job lasts
        batches.perBatch = 1;
        batches.read = [read = batches.read](int first, int count) {
            QThread::msleep(80);
            return read(first, count);
        };
        PrintUtils letters(Academia::cabeceraListado(), batches, QString(), nullptr, DocumentosRecibos::imagenes());
        bool stopped = false;
        QTimer stopper;
        connect(&stopper, &QTimer::timeout, [&stopped] {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QProgressDialog*>(top); box && box->isVisible() && !stopped) {
                    stopped = true;
                    QVERIFY(box->labelText().startsWith(QStringLiteral("Printing letter ")));
                    box->cancel();
                }
        });
        stopper.start(20);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        letters.print(&printer);
        stopper.stop();
        QVERIFY(stopped);
        QVERIFY(letters.cancelled());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // The workbook replaces an existing file, complete, and reads back.
    void economicSummaryWorkbook()
    {
        QTemporaryDir dir;
        const QString destino = dir.filePath(QStringLiteral("resumen.xlsx"));
        {
            QFile viejo(destino);
            QVERIFY(viejo.open(QIODevice::WriteOnly));
            viejo.write("not a workbook");
        }
        academy::profesor(QStringLiteral("Uxía"), QStringLiteral("Lema"));
        RecibosWidget page;
        PageHarness h(&page);
        ScriptedPrompter& prompter = h.prompter();
        prompter.choice(QStringLiteral("Excel"));
        bool dialogoVisto = false;
        h.whenShown<QFileDialog>([&](QFileDialog* d) {
            dialogoVisto = true;
            QCOMPARE(d->windowTitle(), QStringLiteral("Save report"));
            elegir(d, destino);
            static_cast<QDialog*>(d)->done(QDialog::Accepted);
        });
        QVERIFY(h.trigger("actionResumen_economico"));
        QVERIFY(dialogoVisto);
        const QStringList filas = outputfiles::xlsxRows(destino);
        QVERIFY2(filas.join('\n').contains(QStringLiteral("Uxía")), qPrintable(destino + QString::number(QFileInfo(destino).size()) + prompter.problems().join(QLatin1Char(10))));
        QVERIFY(!filas.join('\n').contains(QStringLiteral("not a workbook")));

        // a folder that cannot be written is told
        prompter.choice(QStringLiteral("Excel")).button(QMessageBox::Ok);
        h.whenShown<QFileDialog>([&](QFileDialog* d) {
            elegir(d, dir.filePath(QStringLiteral("no/such/folder/x.xlsx")));
            static_cast<QDialog*>(d)->done(QDialog::Accepted);
        });
        QVERIFY(h.trigger("actionResumen_economico"));
        QVERIFY(prompter.asked().last().text.startsWith(QStringLiteral("The report could not be saved")));
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    // Enter at the generation question keeps every bill.
    void generationQuestionDefaultsToKeepingTheBills()
    {
        RecibosWidget page;
        PageHarness h(&page);
        h.prompter().button(QMessageBox::Ok);
        QVERIFY(h.trigger("actionGenerar_recibos"));
        {
            DefaultsSeen prompter;
            prompter.choice(QStringLiteral("Cancel"));
            QVERIFY(h.trigger("actionGenerar_recibos"));
            QVERIFY(prompter.allAnswered());
            QCOMPARE(prompter.defaults, QStringList{QStringLiteral("Don't overwrite. Just generate new ones")});
        }
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    // A bare name gets ".xlsx"; in a home without a documents folder, Save
    // on what the dialog offers writes nothing under a name nobody gave.
    void economicSummaryNamesOnlyWhatTheUserGave()
    {
        const QString documentos = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(documentos.startsWith(TestEnv::homeDir()));
        QDir(documentos).removeRecursively();
        QTemporaryDir dir;
        RecibosWidget page;
        PageHarness h(&page);
        ScriptedPrompter& prompter = h.prompter();
        prompter.choice(QStringLiteral("Excel"));
        h.whenShown<QFileDialog>([&](QFileDialog* d) {
            static_cast<QDialog*>(d)->done(QDialog::Accepted);
        });
        QVERIFY(h.trigger("actionResumen_economico"));
        QVERIFY(QFileInfo(documentos).isDir());
        QCOMPARE(QDir(documentos).entryList(QDir::Files), QStringList());
        QVERIFY(!QFileInfo(documentos + QStringLiteral(".xlsx")).exists());

        prompter.choice(QStringLiteral("Excel"));
        h.whenShown<QFileDialog>([&](QFileDialog* d) {
            elegir(d, dir.filePath(QStringLiteral("resumen")));
            static_cast<QDialog*>(d)->done(QDialog::Accepted);
        });
        QVERIFY(h.trigger("actionResumen_economico"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("resumen.xlsx")});
        QVERIFY(!outputfiles::xlsxRows(dir.filePath(QStringLiteral("resumen.xlsx"))).isEmpty());
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void economicSummaryPreview()
    {
        QTemporaryDir dir;
        academy::profesor(QStringLiteral("Uxía"), QStringLiteral("Lema"));
        RecibosWidget page;
        PageHarness h(&page);
        ScriptedPrompter& prompter = h.prompter();
        prompter.choice(QStringLiteral("Preview and print"));
        bool visto = false;
        const QString pdf = dir.filePath(QStringLiteral("resumen.pdf"));
        printNextPreview(h, pdf, &visto);
        QVERIFY(h.trigger("actionResumen_economico"));
        QVERIFY(visto);
        const QString texto = outputfiles::pdfText(pdf, 1);
        QVERIFY2(texto.contains(QStringLiteral("Uxía")), qPrintable(texto));
        QVERIFY2(texto.contains(QRegularExpression(QStringLiteral("Page 1 of 1"))), qPrintable(texto));
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

private:
    int m_turno = 0;
    int m_ana = 0;
    int m_brais = 0;
};

PENSARIO_TEST_MAIN(TstRecibosWidget)
#include "tst_reciboswidget.moc"
