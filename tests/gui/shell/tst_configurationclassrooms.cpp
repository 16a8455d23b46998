#include "tst_academiafixture.h"

#include "aula.h"
#include "configurationdialog.h"
#include "guitest.h"
#include "pageharness.h"
#include "testmain.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>

#include <memory>

using namespace AcademiaFixture;
using namespace GuiTest;

namespace {

QTableWidget* table(ConfigurationDialog& dialog)
{
    return dialog.findChild<QTableWidget*>("twAulas");
}

QStringList rowNames(ConfigurationDialog& dialog)
{
    QStringList names;
    for (int row = 0; row < table(dialog)->rowCount(); ++row)
        names << table(dialog)->item(row, 0)->text();
    return names;
}

// name/capacity/location/description of every stored classroom, by name.
QStringList stored()
{
    QStringList rows;
    const QList<Aula*> aulas = Aula::list();
    for (const Aula* aula : aulas)
        rows << QStringLiteral("%1/%2/%3/%4")
                    .arg(aula->nombre())
                    .arg(aula->aforo())
                    .arg(aula->localizacion(), aula->comentarios());
    qDeleteAll(aulas);
    return rows;
}

void selectRows(ConfigurationDialog& dialog, const QList<int>& rows)
{
    QTableWidget* t = table(dialog);
    t->clearSelection();
    for (int row : rows)
        t->selectionModel()->select(t->model()->index(row, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

// Opens the cell's editor as a user would and types the text into it.
void editCell(ConfigurationDialog& dialog, int row, int column, const QString& text)
{
    QTableWidget* t = table(dialog);
    t->setCurrentCell(row, column);
    t->editItem(t->item(row, column));
    // The delegate's editor is a child of the view's viewport.
    QWidget* editor = column == 1 ? static_cast<QWidget*>(t->viewport()->findChild<QSpinBox*>())
                                  : t->viewport()->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(editor);
    QVERIFY(QMetaObject::invokeMethod(editor, "selectAll"));
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // Closed editors go at the next deferred deletion; don't find them again.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestConfigurationClassrooms : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::useIconPaths(); }
    void init()
    {
        QVERIFY(abrirBaseNueva());
        QSettings().setValue("CONFIGURATION/isFirstTime", false);
    }

    void addRenameRemoveAndSave()
    {
        const int lab = aula("Laboratorio", 12);
        aula("Sótano", 8);
        {
            ConfigurationDialog dialog;
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            // Rename the laboratory and give it room for 15.
            editCell(dialog, 0, 0, "Lab 2");
            editCell(dialog, 0, 1, "15");
            // A new classroom with its location.
            PageHarness h(&dialog);
            QVERIFY(h.click("btnNewAula"));
            editCell(dialog, 2, 2, "Planta baja");
            editCell(dialog, 2, 1, "25");
            // Remove the basement.
            selectRows(dialog, {1});
            QVERIFY(h.click("btnDeleteAula"));
            QVERIFY2(h.ok(), qPrintable(h.report()));
            QCOMPARE(rowNames(dialog), (QStringList{"Lab 2", "Classroom 3"}));
            // Nothing is written before OK.
            QCOMPARE(stored(), (QStringList{"Laboratorio/12//", "Sótano/8//"}));
            clickOk(dialog);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        QCOMPARE(stored(), (QStringList{"Classroom 3/25/Planta baja/", "Lab 2/15//"}));
        std::unique_ptr<Aula> renamed(Aula::getFromDB(lab)); // renamed in place, not replaced
        QVERIFY(renamed);
        QCOMPARE(renamed->nombre(), QStringLiteral("Lab 2"));
        QVERIFY(!Dao::getInstance()->inTransaction());
    }

    // The capacity editor shows its number and its arrows whole, in the
    // row's height and the column's width, also with a desktop's larger font.
    void capacityEditorIsWhole_data()
    {
        QTest::addColumn<double>("points");
        QTest::newRow("default font") << 0.0;
        QTest::newRow("large font") << 14.0;
    }
    void capacityEditorIsWhole()
    {
        QFETCH(double, points);
        const QFont desktopFont = QApplication::font();
        const auto restoreFont = qScopeGuard([&desktopFont] { QApplication::setFont(desktopFont); });
        if (points > 0) {
            QFont larger = desktopFont;
            larger.setPointSizeF(points);
            QApplication::setFont(larger);
        }
        aula("Laboratorio", 120);
        ConfigurationDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTableWidget* t = table(dialog);
        auto* tabs = dialog.findChild<QTabWidget*>();
        tabs->setCurrentWidget(tabs->findChild<QWidget*>(QStringLiteral("tabAulas")));
        t->setCurrentCell(0, 1);
        t->editItem(t->item(0, 1));
        auto* editor = t->viewport()->findChild<QSpinBox*>();
        QVERIFY(editor);
        if (qEnvironmentVariableIsSet("PENSARIO_SHOT"))
            dialog.grab().save(qEnvironmentVariable("PENSARIO_SHOT"));
        // what a spin box of the same range asks for on its own, arrows and all
        QSpinBox whole;
        whole.setRange(editor->minimum(), editor->maximum());
        QVERIFY2(editor->height() >= whole.sizeHint().height(),
                 qPrintable(QStringLiteral("%1 < %2").arg(editor->height()).arg(whole.sizeHint().height())));
        QVERIFY2(editor->width() >= whole.sizeHint().width(),
                 qPrintable(QStringLiteral("%1 < %2").arg(editor->width()).arg(whole.sizeHint().width())));
    }

    void classroomWithSessionsIsKept()
    {
        const int busy = aula("Aula música", 10);
        aula("Aula libre", 10);
        const int other = aula("Aula plástica", 10);
        const int shift = turno(asignatura("Piano"), "Único");
        sesion(shift, busy, 1, 600, 660, profesor("Rosa"));
        sesion(shift, other, 3, 1005, 1065, profesor("Iago"));

        ConfigurationDialog dialog;
        dialog.show();
        QCOMPARE(rowNames(dialog), (QStringList{"Aula libre", "Aula música", "Aula plástica"}));
        selectRows(dialog, {0, 1, 2});
        PageHarness h(&dialog);
        h.answerNext("Aula plástica", QMessageBox::Ok).answerNext("Aula música", QMessageBox::Ok);
        QVERIFY(h.click("btnDeleteAula"));
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QStringList seen;
        for (const ScriptedPrompter::Asked& asked : h.prompter().asked())
            seen << asked.text;
        QCOMPARE(seen.size(), 2); // one per classroom with sessions, last row first
        QVERIFY(seen.at(0).contains("Aula plástica"));
        QVERIFY(seen.at(1).contains("Aula música"));
        QVERIFY(seen.at(1).contains("It is not possible to delete a classroom with sessions."));
        QVERIFY(seen.at(1).contains(QStringLiteral("<li>%1 at 10:00</li>").arg(QLocale().dayName(1))));
        QVERIFY(seen.at(0).contains(QStringLiteral("<li>%1 at 16:45</li>").arg(QLocale().dayName(3))));
        QCOMPARE(rowNames(dialog), (QStringList{"Aula música", "Aula plástica"}));

        // Rows left as they were are not written again.
        QVERIFY(Dao::getInstance()->execute("CREATE TEMP TRIGGER no_update BEFORE UPDATE ON aula "
                                            "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
        clickOk(dialog);
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(stored(), (QStringList{"Aula música/10//", "Aula plástica/10//"}));
        QVERIFY(Dao::getInstance()->execute("DROP TRIGGER no_update"));
    }

    void contextMenuOffersDeleteOnlyForASelection()
    {
        aula("Aula 1", 10);
        ConfigurationDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTableWidget* t = table(dialog);
        // A right click on the table; the menu that pops up.
        const auto menuAt = [t](const QPoint& at) {
            QContextMenuEvent event(QContextMenuEvent::Mouse, at, t->viewport()->mapToGlobal(at));
            QApplication::sendEvent(t->viewport(), &event);
            return qobject_cast<QMenu*>(QApplication::activePopupWidget());
        };
        t->clearSelection();
        QMenu* menu = menuAt(QPoint(5, 60));
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), 2);
        QVERIFY(!menu->actions().at(1)->isEnabled());
        menu->close();

        selectRows(dialog, {0});
        QCOMPARE(menuAt(t->visualItemRect(t->item(0, 0)).center()), menu); // built once
        QVERIFY(menu->actions().at(1)->isEnabled());
        menu->actions().at(0)->trigger();
        menu->close();
        QCOMPARE(rowNames(dialog), (QStringList{"Aula 1", "Classroom 2"}));
    }

    // Changes pending elsewhere are never joined: their later revert would
    // take back what OK confirmed. The dialog says so and stores nothing.
    void pendingChangesElsewhereAreNeverJoined()
    {
        aula("Aula 1", 10);
        Dao* dao = Dao::getInstance();
        QVERIFY(dao->transaction());
        ConfigurationDialog dialog;
        dialog.show();
        click(dialog, "btnNewAula");
        PageHarness h(&dialog);
        h.answerNext("The configuration cannot be stored while other changes are pending.", QMessageBox::Ok);
        clickOk(dialog);
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QVERIFY(dialog.isVisible());
        QCOMPARE(stored(), QStringList{"Aula 1/10//"});
        h.answerNext("The configuration cannot be stored while other changes are pending.", QMessageBox::Ok);
        QVERIFY(!dialog.saveAulas());
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QCOMPARE(stored(), QStringList{"Aula 1/10//"});
        QVERIFY(dao->rollback());
        clickOk(dialog);
        QCOMPARE(stored(), (QStringList{"Aula 1/10//", "Classroom 2/0//"}));
    }

    void failedWriteRollsBackAndTellsTheUser()
    {
        aula("Aula 1", 10);
        QVERIFY(Dao::getInstance()->execute("CREATE TEMP TRIGGER no_aula BEFORE INSERT ON aula "
                                            "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
        ConfigurationDialog dialog;
        dialog.show();
        table(dialog)->item(0, 0)->setText("Aula renombrada");
        click(dialog, "btnNewAula");
        PageHarness h(&dialog);
        h.answerNext("It has been impossible to save the classrooms.", QMessageBox::Ok);
        clickOk(dialog);
        QVERIFY2(h.ok(), qPrintable(h.report()));
        // The rename that went through first is undone, and the dialog stays open.
        QCOMPARE(stored(), QStringList{"Aula 1/10//"});
        QVERIFY(!Dao::getInstance()->inTransaction());
        QVERIFY(dialog.isVisible());
        QCOMPARE(rowNames(dialog), (QStringList{"Aula renombrada", "Classroom 2"}));
    }

    // Capacities are numbers: sorting by them gives 2, 8, 20, 100.
    void capacitySortsAsNumbers()
    {
        aula("A", 100);
        aula("B", 2);
        aula("C", 20);
        aula("D", 8);
        ConfigurationDialog dialog;
        dialog.show();
        click(dialog, "btnNewAula");
        dialog.sortColumn(1);
        QTableWidget* t = table(dialog);
        const Qt::SortOrder order = t->horizontalHeader()->sortIndicatorOrder();
        QStringList capacities;
        for (int row = 0; row < t->rowCount(); ++row)
            capacities << t->item(row, 1)->text();
        QStringList expected{"0", "2", "8", "20", "100"};
        if (order == Qt::DescendingOrder)
            std::reverse(expected.begin(), expected.end());
        QCOMPARE(capacities, expected);
    }

    // A classroom name is shown as typed in the question, and the question is
    // well-formed markup.
    void classroomNameInTheDeletionWarningIsText()
    {
        const int room = aula("Aula <3> & B", 10);
        sesion(turno(asignatura("Piano"), "Único"), room, 1, 600, 660, profesor("Rosa"));
        ConfigurationDialog dialog;
        dialog.show();
        selectRows(dialog, {0});
        PageHarness h(&dialog);
        h.answerNext("It is not possible to delete a classroom with sessions.", QMessageBox::Ok);
        QVERIFY(h.click("btnDeleteAula"));
        QVERIFY2(h.ok(), qPrintable(h.report()));
        const ScriptedPrompter::Asked asked = h.prompter().asked().first();
        const QString text = asked.text;
        QVERIFY2(text.contains("Classroom Aula &lt;3&gt; &amp; B, which"), qPrintable(text));
        QVERIFY(!text.contains("</br>"));
        QCOMPARE(asked.parent, &dialog);
    }
};

PENSARIO_TEST_MAIN(TestConfigurationClassrooms)
#include "tst_configurationclassrooms.moc"
