#include "academyfixture.h"
#include "cccvalidator.h"
#include "guitest.h"
#include "pageharness.h"
#include "profesor.h"
#include "profesordialog.h"
#include "testmain.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSettings>
#include <QTableWidget>

using GuiTest::child;

namespace {

const QString CUENTA = QStringLiteral("2100 0418 45 0200051332");

void setPayOptions(bool mes, bool hora, bool porcentaje)
{
    QSettings settings;
    settings.beginGroup("CONFIGURATION");
    settings.setValue("cobro_mes", mes);
    settings.setValue("cobro_hora", hora);
    settings.setValue("cobro_porcentaje", porcentaje);
}

std::unique_ptr<Profesor> stored(int id)
{
    return std::unique_ptr<Profesor>(Profesor::getFromDB(id));
}

void leaveField(QWidget* field)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(field, &out);
}

} // namespace

class TestProfesorDialog : public QObject
{
    Q_OBJECT
    int m_ana = 0;

private slots:
    void init()
    {
        QVERIFY(academy::openFreshDatabase());
        Profesor p;
        p.setNombre("Ana");
        p.setApellidos("Souto");
        p.setSueldoFijo(500);
        p.setSueldoPorHora(12);
        p.setSueldoPorcentaje(30);
        p.setCcc(CUENTA);
        p.setFAlta(QDate(2024, 9, 1));
        p.setFBaja(QDate(2025, 6, 30));
        p.setTelefonos({{"casa", "981000001"}});
        QVERIFY(p.persist());
        m_ana = p.id();
    }

    void newTeacherStartsTodayWithoutWithdrawal()
    {
        auto* d = new ProfesorDialog(nullptr, 0);
        PageHarness h(d);
        QCOMPARE(child<QDateEdit>(*d, "deAlta")->date(), QDate::currentDate());
        QCOMPARE(child<QDateEdit>(*d, "deBaja")->date(), QDate::currentDate().addMonths(1));
        QVERIFY(!child<QDateEdit>(*d, "deBaja")->isEnabled());
        QVERIFY(child<QCheckBox>(*d, "cbSinBaja")->isChecked());
        // default options: only the percentage is offered
        QVERIFY(child<QDoubleSpinBox>(*d, "sbSueldoFijoMes")->isHidden());
        QVERIFY(child<QDoubleSpinBox>(*d, "sbSueldoFijoHora")->isHidden());
        QVERIFY(!child<QDoubleSpinBox>(*d, "sbPorcentajeSueldo")->isHidden());
        QVERIFY(h.type("leNombre", "Bea"));
        QVERIFY(h.type("leApellidos", "Rial"));
        QVERIFY(h.click("btnAddTelefono")); // a row without number is not stored
        d->accept();
        const int id = academy::count("SELECT id FROM profesor WHERE nombre = 'Bea'");
        QVERIFY(id > 0);
        auto bea = stored(id);
        QVERIFY(!bea->fBaja().isValid());
        QCOMPARE(bea->fAlta(), QDate::currentDate());
        QCOMPARE(bea->apodo(), QString("Bea"));
        QVERIFY(bea->telefonos().isEmpty());
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void wrongFieldsAreMarkedAndNothingStored()
    {
        auto* d = new ProfesorDialog(nullptr, 0);
        QPointer<ProfesorDialog> guard(d);
        PageHarness h(d);
        QVERIFY(h.type("leNombre", "Bea"));
        QVERIFY(h.type("leMail", "bea@"));
        d->accept();
        QVERIFY(guard);
        QCOMPARE(d->result(), int(QDialog::Rejected));
        QVERIFY(!child<QLineEdit>(*d, "leApellidos")->styleSheet().isEmpty());
        QVERIFY(!child<QLineEdit>(*d, "leMail")->styleSheet().isEmpty());
        QCOMPARE(academy::count("SELECT count(*) FROM profesor"), 1);
        QVERIFY(h.type("leApellidos", "Rial"));
        QVERIFY(h.type("leMail", ""));
        d->accept();
        QCOMPARE(academy::count("SELECT count(*) FROM profesor"), 2);
        delete guard.data();
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void hiddenStoredPayIsAskedAboutBeforeItBecomesZero()
    {
        setPayOptions(false, true, true);
        auto* d = new ProfesorDialog(nullptr, m_ana);
        QPointer<ProfesorDialog> guard(d);
        PageHarness h(d);
        QVERIFY(child<QDoubleSpinBox>(*d, "sbSueldoFijoMes")->isHidden());
        QCOMPARE(child<QDoubleSpinBox>(*d, "sbSueldoFijoMes")->value(), 0.0);
        QCOMPARE(child<QDoubleSpinBox>(*d, "sbSueldoFijoHora")->value(), 12.0);
        h.answerNext("Saving will set pay rates to 0", QMessageBox::No);
        d->accept();
        QVERIFY(guard);
        QVERIFY(h.prompter().asked().last().informativeText.contains("500"));
        QCOMPARE(stored(m_ana)->sueldoFijo(), 500.0);
        h.answerNext("Saving will set pay rates to 0", QMessageBox::Yes);
        d->accept();
        auto ana = stored(m_ana);
        QCOMPARE(ana->sueldoFijo(), 0.0);
        QCOMPARE(ana->sueldoPorHora(), 12.0);
        QCOMPARE(ana->sueldoPorcentaje(), 30.0);
        delete guard.data();
        QVERIFY2(h.ok(), qPrintable(h.report()));
        setPayOptions(false, false, true);
    }

    void allPayKindsShownAskNothing()
    {
        setPayOptions(true, true, true);
        auto* d = new ProfesorDialog(nullptr, m_ana);
        PageHarness h(d);
        QCOMPARE(child<QDoubleSpinBox>(*d, "sbSueldoFijoMes")->value(), 500.0);
        QVERIFY(h.type("sbSueldoFijoHora", "15"));
        d->accept();
        QCOMPARE(stored(m_ana)->sueldoPorHora(), 15.0);
        QCOMPARE(stored(m_ana)->sueldoFijo(), 500.0);
        QVERIFY2(h.ok(), qPrintable(h.report()));
        setPayOptions(false, false, true);
    }

    void withdrawalDateFollowsTheRegisterDate()
    {
        auto* d = new ProfesorDialog(nullptr, m_ana);
        auto* alta = child<QDateEdit>(*d, "deAlta");
        auto* baja = child<QDateEdit>(*d, "deBaja");
        auto* sinBaja = child<QCheckBox>(*d, "cbSinBaja");
        QCOMPARE(baja->date(), QDate(2025, 6, 30));
        QVERIFY(baja->isEnabled() && !sinBaja->isChecked());
        alta->setDate(QDate(2025, 9, 1));
        QCOMPARE(baja->date(), QDate(2025, 9, 1));
        QVERIFY(sinBaja->isChecked());
        QVERIFY(!baja->isEnabled());
        QTest::mouseClick(sinBaja, Qt::LeftButton);
        QVERIFY(baja->isEnabled());
        QVERIFY(child<QLabel>(*d, "lb_deBaja")->isEnabled());
        baja->setDate(QDate(2025, 1, 1)); // raised to the minimum
        QCOMPARE(baja->date(), QDate(2025, 9, 1));
        delete d;
    }

    // The validator's fix-up empties "---" when the field is left: the
    // stored account stays; only emptying the field erases it.
    void storedAccountIsKeptUnlessTheUserEmptiesIt()
    {
        setPayOptions(true, true, true);
        {
            auto* d = new ProfesorDialog(nullptr, m_ana);
            PageHarness h(d);
            QCOMPARE(child<QLineEdit>(*d, "leCCC")->text(), CUENTA);
            QVERIFY(h.type("leCCC", "---"));
            leaveField(child<QLineEdit>(*d, "leCCC"));
            QCOMPARE(child<QLineEdit>(*d, "leCCC")->text(), QString());
            d->accept();
            QCOMPARE(stored(m_ana)->ccc(), CUENTA);
        }
        {
            auto* d = new ProfesorDialog(nullptr, m_ana);
            PageHarness h(d);
            QVERIFY(h.type("leCCC", ""));
            d->accept();
            QCOMPARE(stored(m_ana)->ccc(), QString());
        }
        setPayOptions(false, false, true);
    }

    void phonesAreRewrittenInOrder()
    {
        auto* d = new ProfesorDialog(nullptr, m_ana);
        auto* table = child<QTableWidget>(*d, "tableTelefonos");
        QCOMPARE(table->rowCount(), 1);
        QTest::mouseClick(child<QPushButton>(*d, "btnAddTelefono"), Qt::LeftButton);
        table->setItem(1, 0, new QTableWidgetItem("móvil"));
        table->setItem(1, 1, new QTableWidgetItem("600000001"));
        table->selectRow(0);
        QTest::mouseClick(child<QPushButton>(*d, "btnRemoveTelefono"), Qt::LeftButton);
        QCOMPARE(table->rowCount(), 1);
        setPayOptions(true, true, true);
        d->accept();
        setPayOptions(false, false, true);
        QCOMPARE(stored(m_ana)->telefonos(), Profesor::Telefonos({{"móvil", "600000001"}}));
    }

    void failedWriteIsExplainedAndTheDialogStaysOpen()
    {
        QVERIFY(academy::failInserts("profesor"));
        auto* d = new ProfesorDialog(nullptr, 0);
        QPointer<ProfesorDialog> guard(d);
        PageHarness h(d);
        QVERIFY(h.type("leNombre", "Bea"));
        QVERIFY(h.type("leApellidos", "Rial"));
        h.answerNext("The teacher could not be saved", QMessageBox::Ok);
        d->accept();
        QVERIFY(guard);
        QCOMPARE(d->result(), int(QDialog::Rejected));
        QCOMPARE(child<QLineEdit>(*d, "leNombre")->text(), QString("Bea"));
        QVERIFY(academy::exec("DROP TRIGGER fail_INSERT_profesor"));
        d->accept();
        QCOMPARE(academy::count("SELECT count(*) FROM profesor WHERE nombre = 'Bea'"), 1);
        delete guard.data();
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }
};

PENSARIO_TEST_MAIN(TestProfesorDialog)
#include "tst_profesordialog.moc"
