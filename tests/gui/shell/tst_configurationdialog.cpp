#include "tst_academiafixture.h"

#include "configurationdialog.h"
#include "guitest.h"
#include "pageharness.h"
#include "recibo.h"
#include "testmain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimeEdit>
#include <QSqlQuery>
#include <QDate>

using namespace AcademiaFixture;
using namespace GuiTest;

namespace {

QVariant setting(const QString& key)
{
    return QSettings().value(QStringLiteral("CONFIGURATION/") + key);
}

void toggle(QCheckBox* box)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
}

void typeInto(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    // keyClicks() takes Latin-1 only; typed text may carry accents.
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

} // namespace

class TestConfigurationDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::useIconPaths(); }
    void init() { QVERIFY(abrirBaseNueva()); }

    void emptySettingsShowDefaults()
    {
        ConfigurationDialog dialog;
        for (QLineEdit* edit : dialog.findChildren<QLineEdit*>())
            if (!edit->objectName().startsWith("qt_")) // the spin boxes' own editors
                QVERIFY2(edit->text().isEmpty(), qPrintable(edit->objectName()));
        const QList<QPair<const char*, QTime>> times{{"sbHoraAperturaSecretaria1", QTime(8, 0)},
                                                     {"sbHoraCierreSecretaria1", QTime(14, 0)},
                                                     {"sbHoraAperturaSecretaria2", QTime(16, 0)},
                                                     {"sbHoraCierreSecretaria2", QTime(20, 0)},
                                                     {"dtHoraApertura", QTime(9, 30)},
                                                     {"dtHoraCierre", QTime(22, 0)}};
        for (const auto& [name, time] : times)
            QCOMPARE(child<QTimeEdit>(dialog, name)->time(), time);
        QCOMPARE(child<QSpinBox>(dialog, "sbDiasVencimiento")->value(), 0);
        QVERIFY(!child<QCheckBox>(dialog, "cbMostrarTurno")->isChecked());
        auto* cobro = child<QListWidget>(dialog, "cobroListWidget");
        QCOMPARE(cobro->item(0)->checkState(), Qt::Unchecked);
        QCOMPARE(cobro->item(1)->checkState(), Qt::Unchecked);
        QCOMPARE(cobro->item(2)->checkState(), Qt::Checked);
        // the current year is offered as the series; nothing is stored before OK
        QCOMPARE(child<QComboBox>(dialog, "cbSeries")->currentText(), QString::number(QDate::currentDate().year()));
        QCOMPARE(Recibo::getSerieActual(), QStringLiteral("2012"));

        // Equal afternoon times mean no break: both fields turn grey, and back.
        auto* afternoon = child<QTimeEdit>(dialog, "sbHoraAperturaSecretaria2");
        afternoon->setTime(QTime(20, 0));
        QCOMPARE(child<QTimeEdit>(dialog, "sbHoraCierreSecretaria2")->styleSheet(), QStringLiteral("color:grey"));
        afternoon->setTime(QTime(16, 0));
        QVERIFY(afternoon->styleSheet().isEmpty());
    }

    void storedAndReadBack()
    {
        // Every line edit with its key, each given its own text.
        const QList<QPair<const char*, QString>> texts{{"leDenominacion", "academia_denominacion"},
                                                       {"leNombreComercial", "academia_nombre"},
                                                       {"leDireccion", "academia_direccion"},
                                                       {"leExpedidoEn", "recibo_expedidoEn"},
                                                       {"leMail", "academia_e-mail"},
                                                       {"leNIF", "academia_nif"},
                                                       {"leTelefono", "academia_telefono"},
                                                       {"leWeb", "academia_web"}};
        const auto typed = [](const char* name) { return QStringLiteral("Rúa %1").arg(QLatin1String(name)); };
        {
            ConfigurationDialog dialog;
            dialog.show();
            for (const auto& [name, key] : texts) {
                auto* edit = child<QLineEdit>(dialog, name);
                child<QTabWidget>(dialog, "tabWidget")->setCurrentWidget(edit->parentWidget());
                typeInto(edit, typed(name));
            }
            child<QTimeEdit>(dialog, "sbHoraAperturaSecretaria1")->setTime(QTime(8, 30));
            child<QTimeEdit>(dialog, "sbHoraCierreSecretaria1")->setTime(QTime(13, 30));
            child<QTimeEdit>(dialog, "sbHoraAperturaSecretaria2")->setTime(QTime(16, 15));
            child<QTimeEdit>(dialog, "sbHoraCierreSecretaria2")->setTime(QTime(21, 15));
            child<QTimeEdit>(dialog, "dtHoraApertura")->setTime(QTime(10, 15));
            child<QTimeEdit>(dialog, "dtHoraCierre")->setTime(QTime(21, 45));
            child<QTabWidget>(dialog, "tabWidget")->setCurrentIndex(2);
            QSpinBox* days = child<QSpinBox>(dialog, "sbDiasVencimiento");
            days->setFocus();
            QTest::keyClick(days, Qt::Key_Up);
            QTest::keyClick(days, Qt::Key_Up);
            QCOMPARE(days->value(), 30);
            toggle(child<QCheckBox>(dialog, "cbMostrarTurno"));
            auto* cobro = child<QListWidget>(dialog, "cobroListWidget");
            cobro->item(1)->setCheckState(Qt::Checked);
            cobro->item(2)->setCheckState(Qt::Unchecked);
            PageHarness h(&dialog); // no session lies outside: no warning expected
            clickOk(dialog);
            QVERIFY2(h.prompter().askedCount() == 0, qPrintable(h.report()));
            QVERIFY2(h.ok(), qPrintable(h.report()));
        }
        for (const auto& [name, key] : texts)
            QCOMPARE(setting(key).toString(), typed(name));
        QCOMPARE(setting("recibo_mostrarturno").toBool(), true);
        QCOMPARE(setting("recibo_diasVencimiento").toInt(), 30);
        QCOMPARE(setting("hora_apertura").toInt(), 10);
        QCOMPARE(setting("minuto_apertura").toInt(), 15);
        QCOMPARE(setting("hora_cierre").toInt(), 21);
        QCOMPARE(setting("minuto_cierre").toInt(), 45);
        QCOMPARE(setting("secretaria_horaApertura1").toTime(), QTime(8, 30));
        QCOMPARE(setting("secretaria_horaCierre1").toTime(), QTime(13, 30));
        QCOMPARE(setting("secretaria_horaApertura2").toTime(), QTime(16, 15));
        QCOMPARE(setting("secretaria_horaCierre2").toTime(), QTime(21, 15));
        QCOMPARE(setting("cobro_mes").toBool(), false);
        QCOMPARE(setting("cobro_hora").toBool(), true);
        QCOMPARE(setting("cobro_porcentaje").toBool(), false);
        QCOMPARE(setting("isFirstTime").toBool(), false);
        // Other parts of the program read the opening hours from the same keys.
        QCOMPARE(Academia::horaApertura(), QTime(10, 15));

        ConfigurationDialog again;
        for (const auto& [name, key] : texts)
            QCOMPARE(child<QLineEdit>(again, name)->text(), typed(name));
        QCOMPARE(child<QSpinBox>(again, "sbDiasVencimiento")->value(), 30);
        QVERIFY(child<QCheckBox>(again, "cbMostrarTurno")->isChecked());
        QCOMPARE(child<QTimeEdit>(again, "dtHoraCierre")->time(), QTime(21, 45));
        QCOMPARE(child<QTimeEdit>(again, "sbHoraAperturaSecretaria1")->time(), QTime(8, 30));
        QCOMPARE(child<QTimeEdit>(again, "sbHoraCierreSecretaria2")->time(), QTime(21, 15));
        auto* cobro = child<QListWidget>(again, "cobroListWidget");
        QCOMPARE(cobro->item(0)->checkState(), Qt::Unchecked);
        QCOMPARE(cobro->item(1)->checkState(), Qt::Checked);
        QCOMPARE(cobro->item(2)->checkState(), Qt::Unchecked);
    }

    void changedOpeningHoursWarnOnceAboutSessionsOutside()
    {
        configurar("hora_apertura", 8);
        configurar("minuto_apertura", 0);
        configurar("hora_cierre", 22);
        configurar("minuto_cierre", 0);
        configurar("isFirstTime", false);
        const int shift = turno(asignatura("Solfeo"), "Temprano");
        const int room = aula("Aula 1");
        QVERIFY(sesion(shift, room, 1, 480, 540, profesor("Rosa")) > 0);
        QVERIFY(sesion(shift, room, 2, 480, 540, profesor("Iago")) > 0);
        {
            ConfigurationDialog unchanged;
            PageHarness h(&unchanged); // the hours stay: no check, no warning
            clickOk(unchanged);
            QVERIFY2(h.ok(), qPrintable(h.report()));
        }
        ConfigurationDialog dialog;
        child<QTimeEdit>(dialog, "dtHoraApertura")->setTime(QTime(9, 0));
        PageHarness h(&dialog);
        h.answerNext("There are some sessions outside opening times.", QMessageBox::Ok);
        clickOk(dialog);
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QCOMPARE(h.prompter().askedCount(), 1);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void seriesInOrderAndEmptyCurrentDropped()
    {
        configurar("isFirstTime", false);
        int number = 0;
        for (const char* serie : {"2024", "2022", "2025", "2023"})
            QVERIFY(insertar("recibo", {"fecha", "importe", "importepagado", "concepto", "datosalumno", "nrecibo", "serie"},
                             {QDate(2024, 1, 1), 100, 0, "Inglés", "Uxía", ++number, serie})
                    > 0);
        Recibo::setSerieActual("2026");
        const auto listed = [](QComboBox* combo) {
            QStringList items;
            for (int i = 0; i < combo->count(); ++i)
                items << combo->itemText(i);
            return items;
        };
        ConfigurationDialog dialog;
        dialog.show();
        child<QTabWidget>(dialog, "tabWidget")->setCurrentIndex(2);
        auto* combo = child<QComboBox>(dialog, "cbSeries");
        QCOMPARE(listed(combo), (QStringList{"2022", "2023", "2024", "2025", "2026"}));
        QCOMPARE(combo->currentText(), QStringLiteral("2026"));

        // The empty current series gives way to the latest one with bills.
        // (stored only when the dialog is accepted)
        click(dialog, "pbEliminarSeriesVacias");
        QCOMPARE(listed(combo), (QStringList{"2022", "2023", "2024", "2025"}));
        QCOMPARE(combo->currentText(), QStringLiteral("2025"));
        click(dialog, "pbEliminarSeriesVacias");
        QCOMPARE(combo->currentText(), QStringLiteral("2025"));
        QCOMPARE(Recibo::getSerieActual(), QStringLiteral("2026"));

        PageHarness h(&dialog);
        h.answerNextText("New series' name:", "2026B");
        QVERIFY(h.click("pbNuevaSerie"));
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QCOMPARE(combo->currentText(), QStringLiteral("2026B"));
        QCOMPARE(combo->count(), 5);
        QCOMPARE(Recibo::getSerieActual(), QStringLiteral("2026"));
        clickOk(dialog);
        QCOMPARE(Recibo::getSerieActual(), QStringLiteral("2026B"));
    }

    void passwordChange()
    {
        QVERIFY(Dao::setPasswordStatic("vella"));
        ConfigurationDialog dialog;
        dialog.show();

        // Wrong current password.
        {
            PageHarness h(&dialog);
            h.answerNextText("Current password", "mala").answerNext("Input password is not right", QMessageBox::Ok);
            QVERIFY(h.click("pbCambiaPass"));
            QVERIFY2(h.ok(), qPrintable(h.report()));
            QVERIFY(Dao::checkPasswordStatic("vella"));
        }
        // Empty entries are refused, a mismatch asks again, then it is stored and said so.
        {
            PageHarness h(&dialog);
            h.answerNextText("Current password", "vella")
                .answerNextText("Input desired password.", "").answerNextText("Retype password.", "")
                .answerNextText("The password can't be empty.", "nova1").answerNextText("Retype password.", "nova2")
                .answerNextText("Entered passwords don't match.", "nova").answerNextText("Retype password.", "nova")
                .answerNext("The password has been changed.", QMessageBox::Ok);
            QVERIFY(dialog.cambiaPassword());
            QVERIFY2(h.ok(), qPrintable(h.report()));
            QCOMPARE(h.prompter().askedCount(), 8);
            QVERIFY(Dao::checkPasswordStatic("nova"));
            QVERIFY(!Dao::checkPasswordStatic(""));
        }
    }

    void failedPasswordStoreIsReported()
    {
        QVERIFY(Dao::setPasswordStatic("vella"));
        ConfigurationDialog dialog;
        for (const QString op : {"UPDATE", "INSERT"})
            QVERIFY(Dao::getInstance()->execute(QStringLiteral("CREATE TEMP TRIGGER no_password_%1 BEFORE %1 ON property "
                                                               "BEGIN SELECT RAISE(ABORT, 'refused'); END").arg(op)));
        PageHarness h(&dialog);
        h.answerNextText("Current password", "vella")
            .answerNextText("Input desired password.", "nova")
            .answerNextText("Retype password.", "nova")
            .answerNext("It has been impossible to change the password.", QMessageBox::Ok);
        QVERIFY(!dialog.cambiaPassword());
        QVERIFY2(h.ok(), qPrintable(h.report()));
        for (const QString op : {"UPDATE", "INSERT"})
            Dao::getInstance()->execute(QStringLiteral("DROP TRIGGER no_password_%1").arg(op));
        QVERIFY(Dao::checkPasswordStatic("vella"));
    }

    // Nothing is stored before OK: Cancel after a new series and the first
    // run's series leaves the database and the settings as they were.
    void cancelStoresNothing()
    {
        {
            ConfigurationDialog dialog;
            dialog.show();
            PageHarness h(&dialog);
            h.answerNextText("New series' name:", "2027");
            QVERIFY(h.click("pbNuevaSerie"));
            QVERIFY2(h.ok(), qPrintable(h.report()));
            QCOMPARE(h.prompter().asked().first().parent, &dialog);
            typeInto(child<QLineEdit>(dialog, "leNombreComercial"), "Academia Nova");
            clickBox(dialog, QDialogButtonBox::Cancel);
        }
        QCOMPARE(Recibo::getSerieActual(), QStringLiteral("2012"));
        QVERIFY(!setting("academia_nombre").isValid());
        QVERIFY(!setting("isFirstTime").isValid());
    }

    // A save the database refuses stores nothing, settings included, and the
    // dialog stays open with what the user typed.
    void failedSaveStoresNothing()
    {
        const int room = aula("Aula 1", 10);
        QVERIFY(room > 0);
        QVERIFY(Dao::getInstance()->execute("CREATE TEMP TRIGGER no_property BEFORE UPDATE ON property "
                                            "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
        ConfigurationDialog dialog;
        dialog.show();
        typeInto(child<QLineEdit>(dialog, "leNombreComercial"), "Academia Nova");
        child<QTableWidget>(dialog, "twAulas")->item(0, 0)->setText("Aula renomeada");
        PageHarness h(&dialog);
        h.answerNext("It has been impossible to save the configuration.", QMessageBox::Ok);
        clickOk(dialog);
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QVERIFY(dialog.isVisible());
        QVERIFY(!setting("academia_nombre").isValid());
        QVERIFY(!setting("isFirstTime").isValid());
        QSqlQuery q = Dao::getInstance()->query("SELECT nombre FROM aula WHERE id = ?", {room});
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("Aula 1"));
        QCOMPARE(child<QLineEdit>(dialog, "leNombreComercial")->text(), QStringLiteral("Academia Nova"));
        QVERIFY(!Dao::getInstance()->inTransaction());
        QVERIFY(Dao::getInstance()->execute("DROP TRIGGER no_property"));
    }

    // Inside someone else's transaction nothing is stored, the settings
    // included, and that transaction is left as it was.
    void pendingChangesElsewhereStoreNothing()
    {
        Dao* dao = Dao::getInstance();
        QVERIFY(dao->transaction());
        ConfigurationDialog dialog;
        dialog.show();
        typeInto(child<QLineEdit>(dialog, "leNombreComercial"), "Academia Nova");
        PageHarness h(&dialog);
        h.answerNext("The configuration cannot be stored while other changes are pending.", QMessageBox::Ok);
        clickOk(dialog);
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QVERIFY(dialog.isVisible());
        QVERIFY(dao->inTransaction());
        QVERIFY(!setting("academia_nombre").isValid());
        QVERIFY(!setting("isFirstTime").isValid());
        QVERIFY(dao->rollback());
    }

    // Every database starts its series with the year it is first configured
    // in, not only the first one the user ever had.
    void laterDatabaseStartsWithTheCurrentYear()
    {
        const QString year = QString::number(QDate::currentDate().year());
        {
            ConfigurationDialog dialog;
            dialog.show();
            clickOk(dialog);
        }
        QCOMPARE(setting("isFirstTime").toBool(), false);
        QCOMPARE(Recibo::getSerieActual(), year);
        QVERIFY(Dao::getInstance()->open("branch2", false));
        QCOMPARE(Recibo::getSerieActual(), QStringLiteral("2012"));
        {
            ConfigurationDialog dialog;
            dialog.show();
            QCOMPARE(child<QComboBox>(dialog, "cbSeries")->currentText(), year);
            clickOk(dialog);
        }
        QCOMPARE(Recibo::getSerieActual(), year);
        // once chosen, a series is kept even without bills
        Recibo::setSerieActual("B");
        ConfigurationDialog dialog;
        QCOMPARE(child<QComboBox>(dialog, "cbSeries")->currentText(), QStringLiteral("B"));
    }

    // Password prompts open over the dialog.
    void passwordPromptsBelongToTheDialog()
    {
        QVERIFY(Dao::setPasswordStatic("vella"));
        ConfigurationDialog dialog;
        PageHarness h(&dialog);
        h.answerNextText("Current password", "vella")
            .answerNextText("Input desired password.", "nova")
            .answerNextText("Retype password.", "nova")
            .answerNext("The password has been changed.", QMessageBox::Ok);
        QVERIFY(dialog.cambiaPassword());
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QCOMPARE(h.prompter().askedCount(), 4);
        for (const ScriptedPrompter::Asked& asked : h.prompter().asked())
            QCOMPARE(asked.parent, &dialog);
    }
};

PENSARIO_TEST_MAIN(TestConfigurationDialog)
#include "tst_configurationdialog.moc"
