#include "../model/tst_academiafixture.h"

#include "configurationdialog.h"
#include "guitest.h"
#include "modalanswerer.h"
#include "testmain.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimeEdit>

using namespace AcademiaFixture;
using namespace GuiTest;

namespace {

QVariant setting(const QString& key)
{
    return QSettings().value(QStringLiteral("CONFIGURATION/") + key);
}

void clickOk(ConfigurationDialog& dialog)
{
    clickBox(dialog, QDialogButtonBox::Ok);
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
    void initTestCase() { useIconPaths(); }
    void init() { QVERIFY(abrirBaseNueva()); }

    void storedAndReadBack()
    {
        {
            ConfigurationDialog dialog;
            dialog.show();
            typeInto(child<QLineEdit>(dialog, "leDireccion"), "Rúa do Vilar 3, Lugo");
            typeInto(child<QLineEdit>(dialog, "leNIF"), "B27000000");
            child<QTimeEdit>(dialog, "sbHoraCierreSecretaria2")->setTime(QTime(21, 15));
            child<QTimeEdit>(dialog, "dtHoraApertura")->setTime(QTime(10, 15));
            child<QTimeEdit>(dialog, "dtHoraCierre")->setTime(QTime(21, 45));
            child<QTabWidget>(dialog, "tabWidget")->setCurrentIndex(2);
            typeInto(child<QLineEdit>(dialog, "leExpedidoEn"), "Lugo");
            QSpinBox* days = child<QSpinBox>(dialog, "sbDiasVencimiento");
            days->setFocus();
            QTest::keyClick(days, Qt::Key_Up);
            QTest::keyClick(days, Qt::Key_Up);
            QCOMPARE(days->value(), 30);
            toggle(child<QCheckBox>(dialog, "cbMostrarTurno"));
            auto* cobro = child<QListWidget>(dialog, "cobroListWidget");
            cobro->item(0)->setCheckState(Qt::Checked);
            cobro->item(2)->setCheckState(Qt::Unchecked);
            ModalAnswerer answerer; // no session lies outside: no warning expected
            clickOk(dialog);
            QVERIFY2(answerer.allAnswered(), qPrintable(answerer.problems().join('\n')));
        }
        QCOMPARE(setting("academia_direccion").toString(), QStringLiteral("Rúa do Vilar 3, Lugo"));
        QCOMPARE(setting("academia_nif").toString(), QStringLiteral("B27000000"));
        QCOMPARE(setting("recibo_expedidoEn").toString(), QStringLiteral("Lugo"));
        QCOMPARE(setting("recibo_mostrarturno").toBool(), true);
        QCOMPARE(setting("recibo_diasVencimiento").toInt(), 30);
        QCOMPARE(setting("hora_apertura").toInt(), 10);
        QCOMPARE(setting("minuto_apertura").toInt(), 15);
        QCOMPARE(setting("minuto_cierre").toInt(), 45);
        QCOMPARE(setting("secretaria_horaCierre2").toTime(), QTime(21, 15));
        QCOMPARE(setting("cobro_mes").toBool(), true);
        QCOMPARE(setting("cobro_porcentaje").toBool(), false);
        QCOMPARE(setting("isFirstTime").toBool(), false);
        // Other parts of the program read the opening hours from the same keys.
        QCOMPARE(Academia::horaApertura(), QTime(10, 15));

        ConfigurationDialog again;
        QCOMPARE(child<QLineEdit>(again, "leDireccion")->text(), QStringLiteral("Rúa do Vilar 3, Lugo"));
        QCOMPARE(child<QLineEdit>(again, "leExpedidoEn")->text(), QStringLiteral("Lugo"));
        QCOMPARE(child<QSpinBox>(again, "sbDiasVencimiento")->value(), 30);
        QVERIFY(child<QCheckBox>(again, "cbMostrarTurno")->isChecked());
        QCOMPARE(child<QTimeEdit>(again, "dtHoraCierre")->time(), QTime(21, 45));
        QCOMPARE(child<QTimeEdit>(again, "sbHoraCierreSecretaria2")->time(), QTime(21, 15));
        auto* cobro = child<QListWidget>(again, "cobroListWidget");
        QCOMPARE(cobro->item(0)->checkState(), Qt::Checked);
        QCOMPARE(cobro->item(2)->checkState(), Qt::Unchecked);
    }

    void passwordChange()
    {
        QVERIFY(Dao::setPasswordStatic("vella"));
        ConfigurationDialog dialog;
        dialog.show();
        QPushButton* change = child<QPushButton>(dialog, "pbCambiaPass");

        // Wrong current password.
        {
            ModalAnswerer answerer;
            answerer.typeText("mala").pressButton("OK");
            QTest::mouseClick(change, Qt::LeftButton);
            QVERIFY2(answerer.allAnswered(), qPrintable(answerer.problems().join('\n')));
            QVERIFY(answerer.seen().last().contains("Input password is not right"));
            QVERIFY(Dao::checkPasswordStatic("vella"));
        }
        // Empty entries are refused, a mismatch asks again, then it is stored and said so.
        {
            ModalAnswerer answerer;
            answerer.typeText("vella")
                .typeText("").typeText("")
                .typeText("nova1").typeText("nova2")
                .typeText("nova").typeText("nova")
                .pressButton("OK");
            QVERIFY(dialog.cambiaPassword());
            QVERIFY2(answerer.allAnswered(), qPrintable(answerer.problems().join('\n')));
            const QStringList seen = answerer.seen();
            QCOMPARE(seen.size(), 8);
            QVERIFY(seen.at(3).contains("The password can't be empty."));
            QVERIFY(seen.at(5).contains("Entered passwords don't match."));
            QVERIFY(seen.at(7).contains("The password has been changed."));
            QVERIFY(Dao::checkPasswordStatic("nova"));
            QVERIFY(!Dao::checkPasswordStatic(""));
        }
    }

    void failedPasswordStoreIsReported()
    {
        QVERIFY(Dao::setPasswordStatic("vella"));
        ConfigurationDialog dialog;
        QVERIFY(Dao::getInstance()->execute(
            "CREATE TEMP TRIGGER no_password BEFORE UPDATE ON property "
            "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
        QVERIFY(Dao::getInstance()->execute(
            "CREATE TEMP TRIGGER no_password_insert BEFORE INSERT ON property "
            "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
        ModalAnswerer answerer;
        answerer.typeText("vella").typeText("nova").typeText("nova").pressButton("OK");
        QVERIFY(!dialog.cambiaPassword());
        QVERIFY2(answerer.allAnswered(), qPrintable(answerer.problems().join('\n')));
        QVERIFY(answerer.seen().last().contains("It has been impossible to change the password."));
        Dao::getInstance()->execute("DROP TRIGGER no_password");
        Dao::getInstance()->execute("DROP TRIGGER no_password_insert");
        QVERIFY(Dao::checkPasswordStatic("vella"));
    }
};

PENSARIO_TEST_MAIN(TestConfigurationDialog)
#include "tst_configurationdialog.moc"
