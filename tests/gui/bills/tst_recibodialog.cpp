#include "recibofixture.h"

#include "billstesthelpers.h"
#include "guitest.h"
#include "outputfiles.h"
#include "recibodialog.h"
#include "pageharness.h"
#include "testmain.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>

using namespace ReciboFixture;
using namespace GuiTest;

namespace {
QString columna(const char* nombre, int id)
{
    return valor(QStringLiteral("SELECT %1 FROM recibo WHERE id = ?").arg(QLatin1String(nombre)), {id});
}

// Lets the dialog's own deletion happen.
void procesarBorrados()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
} // namespace

class TstReciboDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::useIconPaths(); }
    void init()
    {
        QVERIFY(abrirBaseNueva());
        m_alumno = alumno(QStringLiteral("Sabela"), QStringLiteral("Rial Souto"));
        QVERIFY(m_alumno > 0);
    }

    // The first bill of a series has number 0 and an amount may exceed what
    // the fields offer: OK on an untouched automatic bill with a paid amount
    // and a discount writes nothing and keeps the concept as stored.
    void untouchedAutomaticBillIsNotWritten()
    {
        const int id = recibo(m_alumno, primeroDeMes(), 12000, true, 20);
        QVERIFY(academy::exec(QStringLiteral("UPDATE recibo SET descuento = 5 WHERE id = ?"), {id}));
        QCOMPARE(columna("nrecibo", id), QStringLiteral("0"));
        PageHarness h;
        QPointer<ReciboDialog> dialogo = new ReciboDialog(nullptr, id);
        dialogo->show();
        QCOMPARE(child<QPlainTextEdit>(*dialogo, "taConcepto")->toPlainText(), QStringLiteral("Concepto"));
        QCOMPARE(child<QDoubleSpinBox>(*dialogo, "dsbImporte")->value(), 12000.0);
        clickOk(*dialogo);
        procesarBorrados();
        QVERIFY2(dialogo.isNull(), "the dialog deletes itself when it closes");
        QCOMPARE(columna("automatico", id), QStringLiteral("true"));
        QCOMPARE(columna("concepto", id), QStringLiteral("Concepto"));
        QCOMPARE(columna("nrecibo", id), QStringLiteral("0"));
        QCOMPARE(columna("importe", id), QStringLiteral("1200000"));
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    // Ticking only "Paid" stores the bill paid in full and no longer automatic;
    // an edited bill is written at every OK, its concept never growing.
    void tickingPaidStoresItPaidInFull()
    {
        const int id = recibo(m_alumno, primeroDeMes(), 45.5);
        PageHarness h;
        auto* dialogo = new ReciboDialog(nullptr, id);
        dialogo->show();
        child<QCheckBox>(*dialogo, "cbPagado")->setChecked(true);
        clickOk(*dialogo);
        procesarBorrados();
        QCOMPARE(columna("pagado", id), QStringLiteral("true"));
        QCOMPARE(columna("importepagado", id), QStringLiteral("4550"));
        QCOMPARE(columna("automatico", id), QStringLiteral("false"));

        auto* otraVez = new ReciboDialog(nullptr, id);
        otraVez->show();
        QCOMPARE(child<QPlainTextEdit>(*otraVez, "taConcepto")->toPlainText(), QStringLiteral("Concepto"));
        clickOk(*otraVez);
        procesarBorrados();
        QCOMPARE(columna("concepto", id), QStringLiteral("Concepto"));
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    // Ticked and then unticked, the bill owes its whole amount again: the
    // shown paid amount follows the tick, and a partial payment can still be
    // typed with edition allowed.
    void untickingPaidOwesTheWholeAmount()
    {
        const int id = recibo(m_alumno, primeroDeMes(), 285);
        PageHarness h;
        auto* dialogo = new ReciboDialog(nullptr, id);
        dialogo->show();
        h.setRoot(dialogo);
        auto* pagado = child<QDoubleSpinBox>(*dialogo, "dsbImportePagado");
        QVERIFY(h.check("cbPagado", true));
        QCOMPARE(pagado->value(), 285.0);
        QVERIFY(h.check("cbPagado", false));
        QCOMPARE(pagado->value(), 0.0);
        clickOk(*dialogo);
        procesarBorrados();
        QCOMPARE(columna("pagado", id), QStringLiteral("false"));
        QCOMPARE(columna("importepagado", id), QStringLiteral("0"));

        // stored paid, then marked unpaid with part of it paid
        QVERIFY(academy::exec(QStringLiteral("UPDATE recibo SET pagado = 'true', importepagado = 28500 WHERE id = ?"),
                              {id}));
        dialogo = new ReciboDialog(nullptr, id);
        dialogo->show();
        h.setRoot(dialogo);
        QVERIFY(h.check("cbPagado", false));
        QVERIFY(h.check("cbEditable", true));
        QVERIFY(h.type("dsbImportePagado", QStringLiteral("100")));
        QVERIFY(!child<QCheckBox>(*dialogo, "cbPagado")->isChecked());
        clickOk(*dialogo);
        procesarBorrados();
        QCOMPARE(columna("pagado", id), QStringLiteral("false"));
        QCOMPARE(columna("importepagado", id), QStringLiteral("10000"));
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void paidAmountAboveTheAmountIsClamped()
    {
        const int id = recibo(m_alumno, primeroDeMes(), 50);
        PageHarness h;
        ScriptedPrompter& prompter = h.prompter();
        prompter.button(QMessageBox::Ok);
        ReciboDialog* dialogo = new ReciboDialog(nullptr, id);
        dialogo->show();
        child<QCheckBox>(*dialogo, "cbEditable")->setChecked(true);
        auto* pagado = child<QDoubleSpinBox>(*dialogo, "dsbImportePagado");
        auto* pagadoTick = child<QCheckBox>(*dialogo, "cbPagado");
        QVERIFY(pagado->isEnabled());
        pagado->setValue(80);
        QCOMPARE(prompter.askedCount(), 1);
        QCOMPARE(prompter.asked().first().text, QStringLiteral("The paid amount can't exceed the total bill amount"));
        QCOMPARE(pagado->value(), 50.0);
        QVERIFY(pagadoTick->isChecked());
        pagado->setValue(20);
        QVERIFY(!pagadoTick->isChecked());
        QCOMPARE(prompter.askedCount(), 1);
        clickOk(*dialogo);
        procesarBorrados();
        QCOMPARE(columna("importepagado", id), QStringLiteral("2000"));
        QCOMPARE(columna("pagado", id), QStringLiteral("false"));
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    // A number used by another bill of the series is refused by the database:
    // the dialog says so, stays open with the input, and the stored bill is
    // unchanged; the old number back lets OK succeed.
    void usedNumberIsRefusedAndTheDialogStaysOpen()
    {
        recibo(m_alumno, primeroDeMes(), 20);
        const int primero = recibo(m_alumno, primeroDeMes(), 30);
        const int segundo = recibo(m_alumno, primeroDeMes(), 40);
        QCOMPARE(columna("nrecibo", segundo), QStringLiteral("2"));
        PageHarness h;
        ScriptedPrompter& prompter = h.prompter();
        prompter.button(QMessageBox::Ok);
        QPointer<ReciboDialog> dialogo = new ReciboDialog(nullptr, segundo);
        dialogo->show();
        child<QCheckBox>(*dialogo, "cbEditable")->setChecked(true);
        child<QCheckBox>(*dialogo, "cbEditarNRecibo")->setChecked(true);
        auto* numero = child<QSpinBox>(*dialogo, "sbNRecibo");
        QVERIFY(numero->isEnabled());
        numero->setValue(1);
        child<QDoubleSpinBox>(*dialogo, "dsbImporte")->setValue(41);
        clickOk(*dialogo);
        procesarBorrados();
        QVERIFY(!dialogo.isNull());
        QVERIFY(dialogo->isVisible());
        QCOMPARE(prompter.askedCount(), 1);
        QVERIFY(prompter.asked().first().text.startsWith(QStringLiteral("It has been impossible to make bill update")));
        QCOMPARE(numero->value(), 1);
        QCOMPARE(columna("nrecibo", segundo), QStringLiteral("2"));
        QCOMPARE(columna("importe", segundo), QStringLiteral("4000"));
        QCOMPARE(columna("nrecibo", primero), QStringLiteral("1"));

        numero->setValue(2);
        clickOk(*dialogo);
        procesarBorrados();
        QVERIFY(dialogo.isNull());
        QCOMPARE(columna("importe", segundo), QStringLiteral("4100"));
        QCOMPARE(siguiente(), QStringLiteral("3"));
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    // Print shows the bill as stored, not the unsaved form.
    void printShowsTheStoredBill()
    {
        QTemporaryDir dir;
        const int id = recibo(m_alumno, primeroDeMes(), 30);
        PageHarness h;
        auto* dialogo = new ReciboDialog(nullptr, id);
        h.setRoot(dialogo);
        dialogo->show();
        QVERIFY(h.check("cbEditable"));
        child<QDoubleSpinBox>(*dialogo, "dsbImporte")->setValue(99);
        bool visto = false;
        const QString pdf = dir.filePath(QStringLiteral("recibo.pdf"));
        BillsTest::printNextPreview(h, pdf, &visto);
        QVERIFY(h.click("pbPrint"));
        QVERIFY(visto);
        QCOMPARE(outputfiles::pdfPages(pdf), 1);
        const QString texto = outputfiles::pdfText(pdf, 1);
        QVERIFY2(texto.contains(QStringLiteral("30")), qPrintable(texto));
        QVERIFY(!texto.contains(QStringLiteral("99")));
        dialogo->close();
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void cancelWritesNothing()
    {
        const int id = recibo(m_alumno, primeroDeMes(), 30);
        QPointer<ReciboDialog> dialogo = new ReciboDialog(nullptr, id);
        dialogo->show();
        child<QCheckBox>(*dialogo, "cbPagado")->setChecked(true);
        clickBox(*dialogo, QDialogButtonBox::Cancel);
        procesarBorrados();
        QVERIFY(dialogo.isNull());
        QCOMPARE(columna("pagado", id), QStringLiteral("false"));
        QCOMPARE(columna("automatico", id), QStringLiteral("true"));
    }

private:
    int m_alumno = 0;
};

PENSARIO_TEST_MAIN(TstReciboDialog)
#include "tst_recibodialog.moc"
