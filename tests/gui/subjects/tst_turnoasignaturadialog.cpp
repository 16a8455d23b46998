#include "academyfixture.h"
#include "asignatura.h"
#include "guitest.h"
#include "scriptedprompter.h"
#include "testmain.h"
#include "turnoasignatura.h"
#include "turnoasignaturadialog.h"

#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPointer>

using namespace GuiTest;

namespace {

QStringList nombres(Asignatura* a)
{
    QStringList result;
    const QList<TurnoAsignatura*> turnos = a->turnos();
    for (TurnoAsignatura* t : turnos)
        result << t->getNombre();
    return result;
}

// Fills and accepts a shift dialog; answers whether it closed as accepted.
bool acceptShift(TurnoAsignaturaDialog* d, const QString& nombre, double precio)
{
    QPointer<TurnoAsignaturaDialog> guard(d);
    child<QLineEdit>(*d, "leNombre")->setText(nombre);
    child<QDoubleSpinBox>(*d, "lePrecio")->setValue(precio);
    d->accept();
    const bool accepted = d->result() == QDialog::Accepted;
    delete guard.data();
    return accepted;
}

} // namespace

class TestTurnoAsignaturaDialog : public QObject
{
    Q_OBJECT
    int m_asignatura = 0;
    int m_manana = 0;

private slots:
    void init()
    {
        QVERIFY(academy::openFreshDatabase());
        m_asignatura = academy::asignatura("Inglés", 42.5);
        m_manana = academy::turno(m_asignatura, "Mañana", 40);
        QVERIFY(academy::exec("UPDATE turnoasignatura SET sueldoprofesorporalta = 350 WHERE id = ?", {m_manana}));
    }

    void newShiftStartsAtSubjectPriceAndIsAdded()
    {
        std::unique_ptr<Asignatura> a(Asignatura::getFromDB(m_asignatura));
        auto* d = new TurnoAsignaturaDialog(a.get());
        QCOMPARE(child<QDoubleSpinBox>(*d, "lePrecio")->value(), 42.5);
        QVERIFY(acceptShift(d, "Tarde", 38));
        QCOMPARE(nombres(a.get()), QStringList({"Mañana", "Tarde"}));
        TurnoAsignatura* tarde = a->turnos().last();
        QCOMPARE(tarde->id(), 0);
        QCOMPARE(tarde->getPrecioOrientativo(), 38.0);
        QCOMPARE(tarde->getSueldoProfesorPorAlta(), 0.0);
        QCOMPARE(tarde->parent(), a.get());
    }

    void emptyNameIsMarkedAndNothingAdded()
    {
        std::unique_ptr<Asignatura> a(Asignatura::getFromDB(m_asignatura));
        ScriptedPrompter prompter;
        auto* d = new TurnoAsignaturaDialog(a.get());
        QVERIFY(!acceptShift(d, "", 10));
        QCOMPARE(nombres(a.get()), QStringList({"Mañana"}));
        QCOMPARE(prompter.askedCount(), 0);
    }

    void nameOfStoredSisterIsRefused()
    {
        std::unique_ptr<Asignatura> a(Asignatura::getFromDB(m_asignatura));
        ScriptedPrompter prompter;
        prompter.button(QMessageBox::Ok);
        auto* d = new TurnoAsignaturaDialog(a.get());
        QPointer<TurnoAsignaturaDialog> guard(d);
        child<QLineEdit>(*d, "leNombre")->setText("Mañana");
        d->accept();
        QVERIFY(guard);
        QCOMPARE(d->result(), int(QDialog::Rejected));
        // the dialog stays open with what was typed
        QCOMPARE(child<QLineEdit>(*d, "leNombre")->text(), QString("Mañana"));
        delete d;
        QVERIFY2(prompter.allAnswered(), qPrintable(prompter.problems().join('\n')));
        QCOMPARE(prompter.asked().first().text, QString("There is already a shift of this subject with the same name"));
        QCOMPARE(nombres(a.get()), QStringList({"Mañana"}));
        // names are compared exactly
        QVERIFY(acceptShift(new TurnoAsignaturaDialog(a.get()), "mañana", 10));
        QCOMPARE(nombres(a.get()), QStringList({"Mañana", "mañana"}));
    }

    // The user made the unstored sister: it is never replaced silently.
    void nameOfUnstoredSisterIsRefused()
    {
        std::unique_ptr<Asignatura> a(Asignatura::getFromDB(m_asignatura));
        QVERIFY(acceptShift(new TurnoAsignaturaDialog(a.get()), "Tarde", 30));
        QVERIFY(acceptShift(new TurnoAsignaturaDialog(a.get()), "Noche", 20));
        ScriptedPrompter prompter;
        prompter.button(QMessageBox::Ok);
        QVERIFY(!acceptShift(new TurnoAsignaturaDialog(a.get()), "Tarde", 31));
        QVERIFY(prompter.allAnswered());
        QCOMPARE(prompter.asked().first().text, QString("There is already a shift of this subject with the same name"));
        QCOMPARE(nombres(a.get()), QStringList({"Mañana", "Tarde", "Noche"}));
        QCOMPARE(a->turnos().at(1)->getPrecioOrientativo(), 30.0);
    }

    void editingStoredShiftKeepsIdAndTeacherPay()
    {
        std::unique_ptr<Asignatura> a(Asignatura::getFromDB(m_asignatura));
        TurnoAsignatura* manana = a->turnos().first();
        auto* d = new TurnoAsignaturaDialog(a.get());
        d->populateDialog(manana);
        QCOMPARE(child<QLineEdit>(*d, "leNombre")->text(), QString("Mañana"));
        QCOMPARE(child<QDoubleSpinBox>(*d, "lePrecio")->value(), 40.0);
        QVERIFY(acceptShift(d, "Mañanas", 45));
        QCOMPARE(a->turnos().size(), 1);
        QCOMPARE(manana->id(), m_manana);
        QCOMPARE(manana->getNombre(), QString("Mañanas"));
        QCOMPARE(manana->getPrecioOrientativo(), 45.0);
        QCOMPARE(manana->getSueldoProfesorPorAlta(), 3.5); // stored as cents
    }

    void editingUnstoredShiftNeverHoldsItTwice()
    {
        std::unique_ptr<Asignatura> a(Asignatura::getFromDB(m_asignatura));
        QVERIFY(acceptShift(new TurnoAsignaturaDialog(a.get()), "Tarde", 30));
        TurnoAsignatura* tarde = a->turnos().last();
        auto* d = new TurnoAsignaturaDialog(a.get());
        d->populateDialog(tarde);
        QVERIFY(acceptShift(d, "Serán", 33));
        QCOMPARE(nombres(a.get()), QStringList({"Mañana", "Serán"}));

        // renamed like the stored sister: refused, and the shift is as before
        ScriptedPrompter prompter;
        prompter.button(QMessageBox::Ok);
        d = new TurnoAsignaturaDialog(a.get());
        d->populateDialog(tarde);
        QVERIFY(!acceptShift(d, "Mañana", 1));
        QVERIFY(prompter.allAnswered());
        QCOMPARE(nombres(a.get()), QStringList({"Mañana", "Serán"}));
        QCOMPARE(tarde->getPrecioOrientativo(), 33.0);
    }
};

PENSARIO_TEST_MAIN(TestTurnoAsignaturaDialog)
#include "tst_turnoasignaturadialog.moc"
