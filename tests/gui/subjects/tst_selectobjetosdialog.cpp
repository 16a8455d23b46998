#include "academyfixture.h"
#include "asignatura.h"
#include "guitest.h"
#include "profesor.h"
#include "profesordialog.h"
#include "scriptedprompter.h"
#include "selectasignaturasdialog.h"
#include "selectprofesordialog.h"
#include "testmain.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

using namespace GuiTest;

namespace {

QStringList visibleItems(const QWidget& picker)
{
    QStringList result;
    auto* list = child<QListWidget>(picker, "lwObjetos");
    for (int i = 0; i < list->count(); ++i) {
        if (!list->item(i)->isHidden())
            result << list->item(i)->text();
    }
    return result;
}

void selectRow(const QWidget& picker, int row)
{
    auto* list = child<QListWidget>(picker, "lwObjetos");
    list->setCurrentRow(row);
    list->item(row)->setSelected(true);
}

void filter(const QWidget& picker, const QString& text)
{
    child<QLineEdit>(picker, "leFiltro")->setText(text);
}

} // namespace

class TestSelectObjetosDialog : public QObject
{
    Q_OBJECT
private slots:
    void init() { QVERIFY(academy::openFreshDatabase()); }

    void subjectsInOrderWithoutExcludedOnes()
    {
        const int mates = academy::asignatura("Matemáticas", 30, 2);
        academy::asignatura("Física", 30, 1);
        academy::asignatura("Química", 30, 3);
        std::unique_ptr<Asignatura> excluida(Asignatura::getFromDB(mates));
        SelectAsignaturasDialog picker({excluida.get()});
        QCOMPARE(visibleItems(picker), QStringList({"Física: Física desc", "Química: Química desc"}));
        QCOMPARE(child<QPushButton>(picker, "btNuevoObjeto")->text(), QString("Add new subject"));
    }

    void filterNarrowsWidensAndDeselects()
    {
        for (const char* nombre : {"Matemáticas", "MATEMÁTICAS II", "Física", "Lengua"})
            academy::profesor(nombre, "Souto");
        SelectProfesorDialog picker({});
        filter(picker, "mat");
        // a substring in any mix of case and accents
        QCOMPARE(visibleItems(picker).size(), 2);
        for (const QString& item : visibleItems(picker))
            QVERIFY2(item.contains("mat", Qt::CaseInsensitive), qPrintable(item));
        filter(picker, "matemáticas ii");
        QCOMPARE(visibleItems(picker).size(), 1);
        QVERIFY(visibleItems(picker).first().startsWith("MATEMÁTICAS II"));
        filter(picker, "matematicas ii");
        QCOMPARE(visibleItems(picker).size(), 1);
        filter(picker, "FISICA");
        QCOMPARE(visibleItems(picker).size(), 1);
        QVERIFY(visibleItems(picker).first().endsWith("Física Souto"));
        filter(picker, "lengua");
        QCOMPARE(visibleItems(picker).size(), 1);
        // the picker's text is plain: no wildcards
        filter(picker, "l*gua");
        QVERIFY(visibleItems(picker).isEmpty());
        filter(picker, "[");
        QVERIFY(visibleItems(picker).isEmpty());
        filter(picker, "ma");
        QCOMPARE(visibleItems(picker).size(), 2);
        filter(picker, "");
        QCOMPARE(visibleItems(picker).size(), 4);

        // a selected item that the filter hides is deselected: Ok then refuses
        selectRow(picker, 3);
        filter(picker, "fís");
        QVERIFY(child<QListWidget>(picker, "lwObjetos")->selectedItems().isEmpty());
        ScriptedPrompter prompter;
        prompter.button(QMessageBox::Ok);
        picker.accept();
        QCOMPARE(picker.result(), int(QDialog::Rejected));
        QVERIFY(prompter.allAnswered());
        QCOMPARE(prompter.asked().first().text, QString("No teacher selected"));
        QCOMPARE(prompter.asked().first().informativeText, QString("Select a teacher to be able to accept"));
    }

    void teacherDetailsAreNumbersAndEscapedText()
    {
        Profesor p;
        p.setNombre("Ana <b>");
        p.setApellidos("Souto & Rial");
        p.setApodo("Anita");
        p.setRetencion(12.5);
        p.setSueldoPorcentaje(30);
        p.setSueldoPorHora(10);
        p.setSueldoFijo(0);
        p.setFAlta(QDate(2024, 1, 1));
        QVERIFY(p.persist());
        SelectProfesorDialog picker({});
        QCOMPARE(visibleItems(picker), QStringList({"Anita - Ana <b> Souto & Rial"}));
        selectRow(picker, 0);
        const QString html = child<QLabel>(picker, "lblObjeto")->text();
        QVERIFY2(html.contains("<p>Ana &lt;b&gt;</p>"), qPrintable(html));
        QVERIFY(html.contains("<p>Souto &amp; Rial</p>"));
        for (const char* value : {"<p>12.5€</p>", "<p>30%</p>", "<p>10€</p>", "<p>0€</p>"})
            QVERIFY2(html.contains(QString::fromUtf8(value)), value);
        QVERIFY(html.startsWith("<h3>Name:</h3>"));
    }

    void acceptedTeacherIsHandedOverAndSurvivesThePicker()
    {
        const int ana = academy::profesor("Ana", "Souto");
        const int bea = academy::profesor("Bea", "Rial");
        std::unique_ptr<Profesor> excluido(Profesor::getFromDB(ana));
        std::unique_ptr<Profesor> elegido;
        {
            auto* picker = new SelectProfesorDialog({excluido.get()});
            QCOMPARE(visibleItems(*picker).size(), 1);
            selectRow(*picker, 0);
            picker->accept();
            QCOMPARE(picker->result(), int(QDialog::Accepted));
            elegido.reset(picker->objetoSeleccionado());
            delete picker;
        }
        QVERIFY(elegido);
        QCOMPARE(elegido->id(), bea);
        QCOMPARE(elegido->parent(), nullptr);
    }

    void newTeacherFromThePickerIsOfferedAfterReload()
    {
        academy::profesor("Ana", "Souto");
        SelectProfesorDialog picker({});
        filter(picker, "ana");
        whenShown<ProfesorDialog>([](ProfesorDialog* d) {
            child<QLineEdit>(*d, "leNombre")->setText("Carme");
            child<QLineEdit>(*d, "leApellidos")->setText("Pazos");
            clickOk(*d);
        });
        QTest::mouseClick(child<QPushButton>(picker, "btNuevoObjeto"), Qt::LeftButton);
        QCOMPARE(child<QPushButton>(picker, "btNuevoObjeto")->text(), QString("Create new teacher"));
        QCOMPARE(child<QLineEdit>(picker, "leFiltro")->text(), QString());
        QCOMPARE(visibleItems(picker), QStringList({"Ana - Ana Souto", "Carme - Carme Pazos"}));
        QVERIFY(child<QListWidget>(picker, "lwObjetos")->selectedItems().isEmpty());
    }
};

PENSARIO_TEST_MAIN(TestSelectObjetosDialog)
#include "tst_selectobjetosdialog.moc"
