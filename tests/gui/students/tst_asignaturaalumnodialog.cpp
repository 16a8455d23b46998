#include "studentsfixture.h"

#include "asignaturaalumnodialog.h"
#include "pageharness.h"
#include "testmain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTextEdit>

#include <memory>

using namespace students;

namespace {
const QString red = QStringLiteral("#FD6F73");

void pressOk(QDialog* dialog)
{
    dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok)->click();
}

QString priceShown(QDialog* dialog)
{
    return dialog->findChild<QLabel*>(QStringLiteral("edtPrice"))->text();
}

bool marked(QDialog* dialog, const char* name)
{
    return dialog->findChild<QWidget*>(QString::fromLatin1(name))->styleSheet().contains(red);
}
} // namespace

class TestAsignaturaAlumnoDialog : public QObject
{
    Q_OBJECT

    Academy m_academy;
    std::unique_ptr<Alumno> m_alumno;

    // A new sign-up of the student, shown; the dialog deletes itself.
    QPointer<AsignaturaAlumnoDialog> openNew()
    {
        auto* dialog = new AsignaturaAlumnoDialog(m_alumno.get());
        dialog->show();
        return dialog;
    }
    QPointer<AsignaturaAlumnoDialog> openEdit(int idAlta)
    {
        std::unique_ptr<Alta> alta(Alta::getFromDB(idAlta));
        auto* dialog = new AsignaturaAlumnoDialog(alta.get(), m_alumno.get());
        dialog->show();
        return dialog; // holds its own copy: the caller's object may go
    }
    int onlyAlta()
    {
        return academy::count(QStringLiteral("SELECT max(id) FROM alta WHERE idalumno = ?"), {m_alumno->id()});
    }

private slots:
    void init()
    {
        QVERIFY(academy::openFreshDatabase());
        m_academy = buildAcademy();
        m_alumno.reset(Alumno::getFromDB(student(QStringLiteral("Sabela"), QStringLiteral("Rei"), 10)));
        QVERIFY(m_alumno);
    }
    void cleanup() { m_alumno.reset(); }

    void shiftPriceWithDiscountIsRoundedToCentsAndStored()
    {
        PageHarness h;
        QPointer<AsignaturaAlumnoDialog> d = openNew();
        h.setRoot(d);
        QVERIFY(h.choose("cmbSubject", QStringLiteral("Inglés")));
        QVERIFY(h.choose("cmbShift", QStringLiteral("Mañana")));
        QCOMPARE(priceShown(d), QStringLiteral("30"));
        // a typed base price is rounded as well
        QVERIFY(h.type("sbPrecioBase", QStringLiteral("33.33")));
        QCOMPARE(priceShown(d), QStringLiteral("30"));
        pressOk(d);
        QTRY_VERIFY(!d); // stored and closed
        const int alta = onlyAlta();
        QCOMPARE(altaField(alta, "precio").toDouble(), 30.0);
        QCOMPARE(altaField(alta, "preciobase").toDouble(), 33.33);
        QCOMPARE(altaField(alta, "condescuento").toBool(), true);
        QCOMPARE(altaField(alta, "idturnoasignatura").toInt(), m_academy.manana);
        QCOMPARE(altaField(alta, "nombrealumno").toString(), QStringLiteral("Rei, Sabela"));
        QVERIFY(altaField(alta, "fbaja").isNull());
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void noDiscountStoresTheBasePriceWithoutFlag()
    {
        m_alumno->setDescuento(0);
        PageHarness h;
        QPointer<AsignaturaAlumnoDialog> d = openNew();
        h.setRoot(d);
        QVERIFY(h.choose("cmbShift", QStringLiteral("Mañana")));
        QCOMPARE(priceShown(d), QStringLiteral("33.33"));
        pressOk(d);
        QTRY_VERIFY(!d);
        QCOMPARE(altaField(onlyAlta(), "precio").toDouble(), 33.33);
        QCOMPARE(altaField(onlyAlta(), "condescuento").toBool(), false);
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void discountAboveAHundredNeverGivesANegativePrice()
    {
        m_alumno->setDescuento(150);
        QPointer<AsignaturaAlumnoDialog> d = openNew();
        PageHarness h(d);
        QVERIFY(h.choose("cmbShift", QStringLiteral("Mañana")));
        QCOMPARE(d->findChild<QDoubleSpinBox*>("edtDescuento")->value(), 100.0);
        QCOMPARE(d->precio(), 0.0);
        d->close();
    }

    void shiftWithoutSessionsAsksAndNoKeepsTheDialogOpen()
    {
        QPointer<AsignaturaAlumnoDialog> d = openNew();
        PageHarness h(d);
        QVERIFY(h.choose("cmbShift", QStringLiteral("Tarde")));
        h.answerNext(QStringLiteral("has no sessions assigned"), QMessageBox::No);
        h.answerNext(QStringLiteral("This classroom's capacity has been exceeded."), QMessageBox::Ok);
        pressOk(d);
        QVERIFY(d && d->isVisible());
        QCOMPARE(altasOf(m_alumno->id()), 0);
        h.answerNext(QStringLiteral("Would you like to proceed anyway?"), QMessageBox::Yes);
        pressOk(d);
        QTRY_VERIFY(!d);
        QCOMPARE(altaField(onlyAlta(), "idturnoasignatura").toInt(), m_academy.tarde);
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void fullClassroomAsksWithTheDateItOverflows()
    {
        const int aula = academy::aula(QStringLiteral("Cuarto"), 1);
        const int turno = academy::turno(m_academy.ingles, QStringLiteral("Sábado"), 20.0);
        QVERIFY(academy::sesion(turno, aula, m_academy.profesora, 6, 10) > 0);
        const QDate start = QDate::currentDate().addDays(-7);
        QVERIFY(signUp(student(QStringLiteral("Iago"), QStringLiteral("Lema")), turno, start) > 0);
        QPointer<AsignaturaAlumnoDialog> d = openNew();
        PageHarness h(d);
        QVERIFY(h.choose("cmbShift", QStringLiteral("Sábado")));
        h.answerNext(QStringLiteral("the classroom capacity will be exceeded in"), QMessageBox::Yes);
        pressOk(d);
        QTRY_VERIFY(!d);
        QVERIFY(h.prompter().asked().first().text.contains(QStringLiteral("Would you like to proceed anyway?")));
        QCOMPARE(altaField(onlyAlta(), "idturnoasignatura").toInt(), turno);
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void subjectWithoutShiftsMarksTheShiftCombo()
    {
        academy::asignatura(QStringLiteral("Alemán"), 30.0, 5);
        QPointer<AsignaturaAlumnoDialog> d = openNew();
        PageHarness h(d);
        QVERIFY(h.choose("cmbSubject", QStringLiteral("Alemán")));
        QCOMPARE(d->findChild<QComboBox*>("cmbShift")->count(), 0);
        pressOk(d);
        QVERIFY(d && d->isVisible());
        QVERIFY(marked(d, "cmbShift"));
        QVERIFY(!marked(d, "cmbSubject"));
        d->close();
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void commentsAreLimitedTo320Characters()
    {
        QPointer<AsignaturaAlumnoDialog> d = openNew();
        PageHarness h(d);
        QVERIFY(h.choose("cmbShift", QStringLiteral("Mañana")));
        d->findChild<QTextEdit*>("edtObservaciones")->setPlainText(QString(321, QLatin1Char('x')));
        pressOk(d);
        QVERIFY(d && marked(d, "edtObservaciones"));
        d->findChild<QTextEdit*>("edtObservaciones")->setPlainText(QString(320, QLatin1Char('x')));
        pressOk(d);
        QTRY_VERIFY(!d);
        QCOMPARE(altaField(onlyAlta(), "observaciones").toString().size(), 320);
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void startAfterTheWithdrawalDateReopensTheSignUp()
    {
        QPointer<AsignaturaAlumnoDialog> d = openNew();
        PageHarness h(d);
        QVERIFY(h.check("chkNoEnd", false));
        auto* start = d->findChild<QDateEdit*>("edtStartDate");
        auto* end = d->findChild<QDateEdit*>("edtEndDate");
        QVERIFY(end->isEnabled());
        end->setDate(start->date().addDays(5));
        start->setDate(start->date().addDays(10));
        QCOMPARE(end->date(), start->date());
        QVERIFY(d->findChild<QCheckBox*>("chkNoEnd")->isChecked());
        QVERIFY(!end->isEnabled());
        // checked: no withdrawal date, whatever the date edit shows
        QVERIFY(h.choose("cmbShift", QStringLiteral("Mañana")));
        pressOk(d);
        QTRY_VERIFY(!d);
        QVERIFY(altaField(onlyAlta(), "fbaja").isNull());
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void refusesToOpenWithoutSubjects()
    {
        QVERIFY(academy::openFreshDatabase()); // no subject at all
        PageHarness h;
        h.answerNext(QStringLiteral("There are no subjects in the application."), QMessageBox::Ok);
        QPointer<AsignaturaAlumnoDialog> d = new AsignaturaAlumnoDialog(m_alumno.get());
        QCOMPARE(d->exec(), int(QDialog::Rejected));
        QTRY_VERIFY(!d); // it goes by itself
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void untouchedEditKeepsTheStoredPrice()
    {
        // a price that no two-decimal discount reproduces
        const int alta = signUp(m_alumno->id(), m_academy.manana, QDate(2026, 9, 1), QDate(), 29.997, 33.33);
        QPointer<AsignaturaAlumnoDialog> d = openEdit(alta);
        PageHarness h(d);
        QCOMPARE(d->findChild<QComboBox*>("cmbShift")->currentText(), QStringLiteral("Mañana"));
        QCOMPARE(d->findChild<QDoubleSpinBox*>("sbPrecioBase")->value(), 33.33);
        QCOMPARE(d->findChild<QDoubleSpinBox*>("edtDescuento")->value(), 10.0);
        QCOMPARE(priceShown(d), QStringLiteral("29.997"));
        pressOk(d);
        QTRY_VERIFY(!d);
        QCOMPARE(altaField(alta, "precio").toDouble(), 29.997);
        QCOMPARE(altaField(alta, "falta").toDate(), QDate(2026, 9, 1));
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void editWithZeroBasePriceShowsNoDiscount()
    {
        const int alta = signUp(m_alumno->id(), m_academy.manana, QDate(2026, 9, 1), QDate(), 0.0, 0.0);
        QPointer<AsignaturaAlumnoDialog> d = openEdit(alta);
        QCOMPARE(d->findChild<QDoubleSpinBox*>("edtDescuento")->value(), 0.0);
        d->close();
    }

    void editOfAnErasedShiftKeepsItsNamesAndEscapesThem()
    {
        const int alta = signUp(m_alumno->id(), m_academy.manana, QDate(2026, 9, 1), QDate(2026, 12, 1));
        QVERIFY(academy::exec(QStringLiteral("UPDATE alta SET idturnoasignatura = NULL, nombreturnoasignatura = "
                                             "'<i>Noite</i>' WHERE id = ?"),
                              {alta}));
        QPointer<AsignaturaAlumnoDialog> d = openEdit(alta);
        PageHarness h(d);
        auto* label = d->findChild<QLabel*>("lblDeletedShift");
        QVERIFY(label->text().contains(QStringLiteral("&lt;i&gt;Noite&lt;/i&gt;")));
        QCOMPARE(d->findChild<QComboBox*>("cmbSubject")->currentIndex(), -1);
        QVERIFY(!d->findChild<QCheckBox*>("chkNoEnd")->isEnabled());
        d->findChild<QTextEdit*>("edtObservaciones")->setPlainText(QStringLiteral("sen turno"));
        pressOk(d);
        QTRY_VERIFY(!d);
        QCOMPARE(altaField(alta, "nombreturnoasignatura").toString(), QStringLiteral("<i>Noite</i>"));
        QCOMPARE(altaField(alta, "nombreasignatura").toString(), QStringLiteral("Inglés"));
        QCOMPARE(altaField(alta, "observaciones").toString(), QStringLiteral("sen turno"));
        QCOMPARE(altaField(alta, "fbaja").toDate(), QDate(2026, 12, 1));
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void refusedUpdateSaysWhyAndStaysOpen()
    {
        const int alta = signUp(m_alumno->id(), m_academy.manana, QDate(2026, 9, 1));
        QVERIFY(academy::failUpdates(QStringLiteral("alta")));
        QPointer<AsignaturaAlumnoDialog> d = openEdit(alta);
        PageHarness h(d);
        h.answerNext(QStringLiteral("This student's register has not been UPDATED"), QMessageBox::Ok);
        QVERIFY(h.type("edtObservaciones", QStringLiteral("cambio")));
        pressOk(d);
        QVERIFY(d && d->isVisible());
        QCOMPARE(d->findChild<QTextEdit*>("edtObservaciones")->toPlainText(), QStringLiteral("cambio"));
        QVERIFY(altaField(alta, "observaciones").toString().isEmpty());
        d->close();
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }
};

PENSARIO_TEST_MAIN(TestAsignaturaAlumnoDialog)
#include "tst_asignaturaalumnodialog.moc"
