#include "tst_academiafixture.h"

#include "appstatusdialog.h"
#include "guitest.h"
#include "pageharness.h"
#include "testmain.h"

#include <QCheckBox>
#include <QPointer>
#include <QTextBlock>
#include <QTextBrowser>

using namespace AcademiaFixture;
using namespace GuiTest;

namespace {

// The colours of the listed lines, in order, and their texts.
struct Listing
{
    QStringList colours;
    QStringList texts;
};

Listing listing(AppStatusDialog& dialog)
{
    Listing result;
    const QTextDocument* doc = dialog.findChild<QTextBrowser*>("tbErrors")->document();
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        if (block.text().isEmpty())
            continue;
        result.texts << block.text();
        result.colours << block.begin().fragment().charFormat().foreground().color().name().toUpper();
    }
    return result;
}

QPushButton* button(QWidget* dialog, const char* name)
{
    return child<QPushButton>(*dialog, name);
}

} // namespace

class TestAppStatusDialog : public QObject
{
    Q_OBJECT
private:
    // A session overlap in one classroom (an inconsistency), a shift without
    // sessions that was already ignored, and a session without teacher.
    void buildAcademy()
    {
        const int subject = asignatura("Inglés");
        const int t1 = turno(subject, "Mañana");
        turno(subject, "Tarde");
        const int t3 = turno(subject, "Noche");
        const int t4 = turno(subject, "Sábado");
        const int r1 = aula("Aula 1");
        const int r2 = aula("Aula 2");
        const int marta = profesor("Marta");
        QVERIFY(sesion(t1, r1, 1, 600, 660, marta) > 0);
        QVERIFY(sesion(t3, r1, 1, 630, 690, profesor("Xoán")) > 0);
        QVERIFY(sesion(t4, r2, 2, 600, 660, marta) > 0);
        // The shift without sessions is the only fault now: ignore it.
        Resultado first{Academia::comprobarEstado()};
        Academia::ignorarAvisos();
        QVERIFY(sesion(t4, r2, 3, 600, 660, 0) > 0);
        // A session without teacher only matters when someone attends it.
        QVERIFY(alta(alumno("Uxía"), t4, "Uxía", "Inglés", "Sábado") > 0);
    }

    // Two faults: a shift without sessions and an attended session without teacher.
    void buildFaultsOnly()
    {
        const int subject = asignatura("Francés");
        turno(subject, "Mañana");
        const int afternoon = turno(subject, "Tarde");
        QVERIFY(sesion(afternoon, aula("Aula 3"), 4, 600, 660, 0) > 0);
        QVERIFY(alta(alumno("Brais"), afternoon, "Brais", "Francés", "Tarde") > 0);
    }

private slots:
    void initTestCase() { TestEnv::useIconPaths(); }
    void init() { QVERIFY(abrirBaseNueva()); }

    void maskChoosesTheControls_data()
    {
        QTest::addColumn<int>("mask");
        QTest::addColumn<QList<bool>>("shown"); // cbOmitir, reload, save, revert, fix
        QTest::newRow("subject dialog") << 12 << QList<bool>{false, false, true, true, false};
        QTest::newRow("timetables") << 28 << QList<bool>{false, false, true, true, true};
        QTest::newRow("errors menu") << 3 << QList<bool>{true, true, false, false, false};
    }
    void maskChoosesTheControls()
    {
        QFETCH(int, mask);
        QFETCH(QList<bool>, shown);
        AppStatusDialog dialog(mask);
        QCOMPARE(!dialog.findChild<QCheckBox*>("cbOmitir")->isHidden(), shown.at(0));
        QCOMPARE(!button(&dialog, "btnReload")->isHidden(), shown.at(1));
        QCOMPARE(!button(&dialog, "btnIgnore")->isHidden(), shown.at(2));
        QCOMPARE(!button(&dialog, "btnRevert")->isHidden(), shown.at(3));
        QCOMPARE(!button(&dialog, "btnAccept")->isHidden(), shown.at(4));
        QCOMPARE(dialog.getOpcion(), 3);
    }

    void emptyAcademyShowsNothing()
    {
        AppStatusDialog dialog(28);
        QCOMPARE(dialog.checkStatus(true), 0);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.getOpcion(), 3);
        QCOMPARE(listing(dialog).colours, QStringList{"#00C000"});
    }

    void coloursAndSaveAnywayDisabledByAnInconsistency()
    {
        buildAcademy();
        QSettings().setValue("CONFIGURATION/omitir_fallos", true);
        AppStatusDialog dialog(31);
        bool saveEnabled = true;
        Listing shown;
        PageHarness h(&dialog);
        h.whenShown<AppStatusDialog>([&](AppStatusDialog* d) {
            saveEnabled = h.find<QPushButton>("btnIgnore")->isEnabled();
            shown = listing(*d);
            QVERIFY(h.click("btnAccept"));
        });
        QCOMPARE(dialog.checkStatus(true), 1);
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QCOMPARE(dialog.getOpcion(), 0);
        QVERIFY(!saveEnabled);
        // The overlap is reported for each of its two sessions.
        QCOMPARE(shown.colours.count("#C00000"), 2);
        QCOMPARE(shown.colours.count("#FFA858"), 1);
        QCOMPARE(shown.colours.size(), 4);
        QCOMPARE(shown.texts.last(), QStringLiteral("Omitted 1 error(s)"));

        // Without omitting, the ignored fault is listed in orange like the other.
        dialog.findChild<QCheckBox*>("cbOmitir")->setChecked(false);
        QCOMPARE(QSettings().value("CONFIGURATION/omitir_fallos").toBool(), false);
        QCOMPARE(listing(dialog).colours.count("#FFA858"), 2);
    }

    void answers_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("answer");
        QTest::newRow("fix manually") << "btnAccept" << 0;
        QTest::newRow("save anyway") << "btnIgnore" << 1;
        QTest::newRow("revert") << "btnRevert" << 2;
        QTest::newRow("escape") << "" << 0;
    }
    void answers()
    {
        QFETCH(QString, button);
        QFETCH(int, answer);
        // Only faults: "Save anyway" is offered.
        buildFaultsOnly();

        AppStatusDialog dialog(28);
        PageHarness h(&dialog);
        h.whenShown<AppStatusDialog>([&h, button](AppStatusDialog* d) {
            if (button.isEmpty())
                QTest::keyClick(d, Qt::Key_Escape);
            else
                QVERIFY(h.click(qPrintable(button)));
        });
        // Escape keeps editing like "Fix manually", but closes as rejected
        QCOMPARE(dialog.checkStatus(true), button.isEmpty() ? int(QDialog::Rejected) : int(QDialog::Accepted));
        QCOMPARE(dialog.getOpcion(), answer);
        QVERIFY(!dialog.isVisible());
        QVERIFY2(h.ok(), qPrintable(h.report()));
        // saving anyway ignores these faults from now on, nothing else does
        Resultado again{Academia::comprobarEstado()};
        QCOMPARE(again.todos.size(), 2);
        for (EstadoAcademia* e : again.todos)
            QCOMPARE(static_cast<EstadoAcademiaFallo*>(e)->isIgnorado(), answer == 1);
    }

    // Names are shown as typed, never read as markup.
    void namesInDescriptionsAreNotMarkup()
    {
        turno(asignatura("Francés <b>B1</b> & C"), "Único");
        QPointer<AppStatusDialog> dialog = new AppStatusDialog(3);
        dialog->checkStatus(false);
        const Listing shown = listing(*dialog);
        QCOMPARE(shown.texts.size(), 1);
        QVERIFY2(shown.texts.first().contains("Francés <b>B1</b> & C"), qPrintable(shown.texts.first()));
        dialog->close();
        QTRY_VERIFY(dialog.isNull());
    }

    // "Reload" also settles whether saving is allowed: an overlap mended by
    // hand lets the user save, a new one stops it.
    void reloadUpdatesSaveAnyway()
    {
        buildFaultsOnly();
        const int room = aula("Aula 9");
        const int shift = turno(asignatura("Latín"), "Mañana");
        const int first = sesion(shift, room, 5, 600, 660, profesor("Iria"));
        QVERIFY(first > 0);
        QVERIFY(sesion(shift, room, 5, 630, 690, profesor("Rosalía")) > 0);
        QPointer<AppStatusDialog> dialog = new AppStatusDialog(7);
        PageHarness h(dialog);
        dialog->checkStatus(false);
        QVERIFY(!h.find<QPushButton>("btnIgnore")->isEnabled());
        QVERIFY(Dao::getInstance()->execute("DELETE FROM sesiondeclase WHERE id = ?", {first}));
        QVERIFY(h.click("btnReload"));
        QVERIFY(h.find<QPushButton>("btnIgnore")->isEnabled());
        QVERIFY(sesion(shift, room, 5, 640, 700, profesor("Manuel")) > 0);
        QVERIFY(h.click("btnReload"));
        QVERIFY(!h.find<QPushButton>("btnIgnore")->isEnabled());
        QVERIFY2(h.ok(), qPrintable(h.report()));
        dialog->close();
        QTRY_VERIFY(dialog.isNull());
    }

    void modelessWindowReloadsAndDeletesItself()
    {
        QPointer<AppStatusDialog> dialog = new AppStatusDialog(3);
        QCOMPARE(dialog->checkStatus(false), 0);
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->isModal());
        QCOMPARE(listing(*dialog).texts, QStringList{"No errors"});
        turno(asignatura("Alemán"), "Único");
        PageHarness h(dialog);
        QVERIFY(h.click("btnReload"));
        QCOMPARE(listing(*dialog).colours, QStringList{"#FFA858"});
        dialog->close();
        QTRY_VERIFY(dialog.isNull());
    }
};

PENSARIO_TEST_MAIN(TestAppStatusDialog)
#include "tst_appstatusdialog.moc"
