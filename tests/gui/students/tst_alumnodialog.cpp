#include "studentsfixture.h"

#include "alumnodialog.h"
#include "asignaturaalumnodialog.h"
#include "cccvalidator.h"
#include "pageharness.h"
#include "testmain.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>

#include <memory>

using namespace students;

namespace {
const QColor red(QStringLiteral("#FD6F73"));

void pressOk(QDialog* dialog)
{
    dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok)->click();
}

QTableWidget* phones(QDialog* dialog)
{
    return dialog->findChild<QTableWidget*>(QStringLiteral("tableTelefonos"));
}

void addPhone(PageHarness& h, const QString& name, const QString& number)
{
    h.click("btnAddTelefono");
    QTableWidget* table = h.find<QTableWidget>("tableTelefonos");
    const int row = table->rowCount() - 1;
    table->closePersistentEditor(table->item(row, 0));
    table->setItem(row, 0, new QTableWidgetItem(name));
    table->setItem(row, 1, new QTableWidgetItem(number));
}

bool isRed(QTableWidget* table, int row)
{
    return table->item(row, 0)->background().color() == red;
}

int studentsNamed(const QString& apellidos)
{
    return academy::count(QStringLiteral("SELECT count(*) FROM alumno WHERE apellidos = ?"), {apellidos});
}

QString validAccount()
{
    return QStringLiteral("2100 0418 %1 0200051332")
        .arg(CCCValidator::controlDigits(QStringLiteral("2100"), QStringLiteral("0418"),
                                         QStringLiteral("0200051332")));
}
} // namespace

class TestAlumnoDialog : public QObject
{
    Q_OBJECT

    QPointer<AlumnoDialog> open(int idAlumno = 0)
    {
        auto* dialog = new AlumnoDialog(nullptr, idAlumno);
        dialog->show();
        return dialog;
    }

private slots:
    void init()
    {
        QVERIFY(academy::openFreshDatabase());
        buildAcademy();
    }

    void requiredAndMalformedFieldsAreMarked()
    {
        QPointer<AlumnoDialog> d = open();
        PageHarness h(d);
        QVERIFY(h.type("leMail", QStringLiteral("sen arroba")));
        QVERIFY(h.type("leDNI", QStringLiteral("12345678A")));
        pressOk(d);
        QVERIFY(d && d->isVisible());
        for (const char* name : {"leNombre", "leApellidos", "leMail", "leDNI"})
            QVERIFY2(h.find<QLineEdit>(name)->styleSheet().contains(QStringLiteral("#FD6F73")), name);
        QVERIFY(h.find<QLineEdit>("leCCC")->styleSheet().isEmpty()); // empty is fine
        QCOMPARE(academy::count(QStringLiteral("SELECT count(*) FROM alumno")), 0);
        QCOMPARE(h.find<QDoubleSpinBox>("leDescuento")->maximum(), 100.0);
        d->close();
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void repeatedPhoneNamesAreMarkedUntilRenamed()
    {
        QPointer<AlumnoDialog> d = open();
        PageHarness h(d);
        QVERIFY(h.type("leApellidos", QStringLiteral("Rei")));
        addPhone(h, QStringLiteral("casa"), QStringLiteral("981000001"));
        addPhone(h, QStringLiteral("casa"), QStringLiteral("981000002"));
        addPhone(h, QStringLiteral("Casa"), QStringLiteral("981000003"));
        pressOk(d); // the name is missing too
        QTableWidget* table = phones(d);
        QVERIFY(isRed(table, 0));
        QVERIFY(isRed(table, 1));
        QVERIFY(!isRed(table, 2));
        table->item(1, 0)->setText(QStringLiteral("móbil"));
        pressOk(d); // still without a name: open, and the cells back as they were
        QVERIFY(d && d->isVisible());
        QVERIFY(!isRed(table, 0));
        QVERIFY(!isRed(table, 1));
        QVERIFY(h.type("leNombre", QStringLiteral("Sabela")));
        h.whenShown<AsignaturaAlumnoDialog>([](AsignaturaAlumnoDialog* s) { s->reject(); });
        pressOk(d);
        QTRY_VERIFY(!d);
        QCOMPARE(academy::count(QStringLiteral("SELECT count(*) FROM telefonoalumno")), 3);
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    // "+" and then Escape leaves a row without name and number: it is no
    // phone, however many there are. A real address may end in more than
    // four letters.
    void abandonedPhoneRowsAreLeftOut()
    {
        QPointer<AlumnoDialog> d = open();
        PageHarness h(d);
        QVERIFY(h.type("leNombre", QStringLiteral("Sabela")));
        QVERIFY(h.type("leApellidos", QStringLiteral("Rei")));
        QVERIFY(h.type("leMail", QStringLiteral("sabela@escola.galicia")));
        addPhone(h, QStringLiteral("casa"), QStringLiteral("981000001"));
        QTableWidget* table = phones(d);
        for (int i = 0; i < 2; ++i) {
            QVERIFY(h.click("btnAddTelefono"));
            QLineEdit* editor = nullptr;
            for (QLineEdit* open : table->viewport()->findChildren<QLineEdit*>())
                if (open->isVisible())
                    editor = open;
            QVERIFY(editor && editor->text().isEmpty());
            // what Escape in the cell does
            emit table->itemDelegate()->closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
        }
        QCOMPARE(table->rowCount(), 3);
        h.whenShown<AsignaturaAlumnoDialog>([](AsignaturaAlumnoDialog* s) { s->reject(); });
        pressOk(d);
        QTRY_VERIFY(!d);
        QCOMPARE(academy::count(QStringLiteral("SELECT count(*) FROM telefonoalumno")), 1);
        QCOMPARE(academy::count(QStringLiteral("SELECT count(*) FROM alumno WHERE email = 'sabela@escola.galicia'")), 1);
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void newStudentIsStoredAndSignUpOpens()
    {
        QPointer<AlumnoDialog> d = open();
        PageHarness h(d);
        QVERIFY(h.type("leNombre", QStringLiteral("Sabela")));
        QVERIFY(h.type("leApellidos", QStringLiteral("Rei")));
        QVERIFY(h.type("leDescuento", QStringLiteral("10")));
        addPhone(h, QStringLiteral("casa"), QStringLiteral("981000001"));
        bool signUpShown = false;
        h.whenShown<AsignaturaAlumnoDialog>([&](AsignaturaAlumnoDialog* s) {
            signUpShown = s->parentWidget() == d.data();
            s->reject();
        });
        pressOk(d);
        QVERIFY(signUpShown);
        QTRY_VERIFY(!d);
        std::unique_ptr<Alumno> stored(Alumno::getFromDB(
            academy::count(QStringLiteral("SELECT id FROM alumno WHERE nombre = 'Sabela'"))));
        QVERIFY(stored);
        QCOMPARE(stored->apellidos(), QStringLiteral("Rei"));
        QCOMPARE(stored->descuento(), 10.0);
        QCOMPARE(stored->telefonos(), academy::tels({{"casa", "981000001"}}));
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void brothersQuestionLeavesTheDialogOpenUntilADiscountIsSet()
    {
        student(QStringLiteral("Uxía"), QStringLiteral("Souto <b>Varela</b>"));
        QPointer<AlumnoDialog> d = open();
        PageHarness h(d);
        QVERIFY(h.type("leNombre", QStringLiteral("Brais")));
        QVERIFY(h.type("leApellidos", QStringLiteral("  souto <b>varela</b> ")));
        h.answerNext(QStringLiteral("Souto &lt;b&gt;Varela&lt;/b&gt;"), QMessageBox::Yes);
        pressOk(d);
        QVERIFY(d && d->isVisible());
        // still no discount: asked again
        h.answerNext(QStringLiteral("Brothers found"), QMessageBox::Yes);
        pressOk(d);
        QVERIFY(d && d->isVisible());
        QCOMPARE(studentsNamed(QStringLiteral("  souto <b>varela</b> ")), 0);
        QVERIFY(h.type("leDescuento", QStringLiteral("10")));
        h.whenShown<AsignaturaAlumnoDialog>([](AsignaturaAlumnoDialog* s) { s->reject(); });
        pressOk(d);
        QTRY_VERIFY(!d);
        QCOMPARE(studentsNamed(QStringLiteral("  souto <b>varela</b> ")), 1);
        QCOMPARE(h.prompter().askedCount(), 2);
        QVERIFY(h.prompter().asked().first().informativeText.contains(QStringLiteral("change the discount")));
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void failedStoreSaysSoAndOpensNoSignUp()
    {
        QVERIFY(academy::failInserts(QStringLiteral("alumno")));
        QPointer<AlumnoDialog> d = open();
        PageHarness h(d);
        QVERIFY(h.type("leNombre", QStringLiteral("Sabela")));
        QVERIFY(h.type("leApellidos", QStringLiteral("Rei")));
        h.answerNext(QStringLiteral("The student could not be saved."), QMessageBox::Ok);
        pressOk(d); // a sign-up dialog would show and never be answered
        QVERIFY(d && d->isVisible());
        QCOMPARE(h.find<QLineEdit>("leNombre")->text(), QStringLiteral("Sabela"));
        QVERIFY(academy::exec(QStringLiteral("DROP TRIGGER fail_INSERT_alumno")));
        h.whenShown<AsignaturaAlumnoDialog>([](AsignaturaAlumnoDialog* s) { s->reject(); });
        pressOk(d);
        QTRY_VERIFY(!d);
        QCOMPARE(studentsNamed(QStringLiteral("Rei")), 1);
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void failedUpdateSaysSoAndKeepsTheEdits()
    {
        const int id = student(QStringLiteral("Iria"), QStringLiteral("Castro"));
        QVERIFY(academy::failUpdates(QStringLiteral("alumno")));
        QPointer<AlumnoDialog> d = open(id);
        PageHarness h(d);
        QVERIFY(h.type("leLocalidad", QStringLiteral("Ourense")));
        h.answerNext(QStringLiteral("The student could not be saved."), QMessageBox::Ok);
        pressOk(d);
        QVERIFY(d && d->isVisible());
        QCOMPARE(h.find<QLineEdit>("leLocalidad")->text(), QStringLiteral("Ourense"));
        QVERIFY(academy::scalar(QStringLiteral("SELECT localidad FROM alumno WHERE id = ?"), {id}).toString().isEmpty());
        d->close();
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void editKeepsAnAccountUnlessTheUserEmptiesIt()
    {
        const int placeholder = student(QStringLiteral("Iria"), QStringLiteral("Castro"));
        const int real = student(QStringLiteral("Antía"), QStringLiteral("Lema"));
        QVERIFY(academy::exec(QStringLiteral("UPDATE alumno SET ccc = '---' WHERE id = ?"), {placeholder}));
        QVERIFY(academy::exec(QStringLiteral("UPDATE alumno SET ccc = ? WHERE id = ?"), {validAccount(), real}));
        const QString ccc = QStringLiteral("SELECT ccc FROM alumno WHERE id = ?");

        QPointer<AlumnoDialog> d = open(placeholder);
        PageHarness h(d);
        QVERIFY(h.type("leCP", QStringLiteral("15701")));
        pressOk(d); // an edit closes without signing up
        QTRY_VERIFY(!d);
        QCOMPARE(academy::scalar(ccc, {placeholder}).toString(), QStringLiteral("---"));

        d = open(real);
        h.setRoot(d);
        QCOMPARE(h.find<QLineEdit>("leCCC")->text(), validAccount());
        QVERIFY(h.type("leCCC", QString()));
        pressOk(d);
        QTRY_VERIFY(!d);
        QCOMPARE(academy::scalar(ccc, {real}).toString(), QString());
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }
};

PENSARIO_TEST_MAIN(TestAlumnoDialog)
#include "tst_alumnodialog.moc"
