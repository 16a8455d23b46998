#include "../model/tst_academiafixture.h"

#include "aula.h"
#include "configurationdialog.h"
#include "modalanswerer.h"
#include "recibo.h"
#include "testmain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimeEdit>

using namespace AcademiaFixture;

namespace {

template <typename T>
T* child(QWidget& dialog, const char* name)
{
    T* found = dialog.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("missing %s", name);
    return found;
}

QVariant setting(const QString& key)
{
    return QSettings().value(QStringLiteral("CONFIGURATION/") + key);
}

void clickOk(ConfigurationDialog& dialog)
{
    auto* box = child<QDialogButtonBox>(dialog, "buttonBox");
    QTest::mouseClick(box->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

void clickCancel(ConfigurationDialog& dialog)
{
    auto* box = child<QDialogButtonBox>(dialog, "buttonBox");
    QTest::mouseClick(box->button(QDialogButtonBox::Cancel), Qt::LeftButton);
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
    void initTestCase()
    {
        QDir::setSearchPaths("icons", {TestEnv::dataDir() + "/icons", ":/icons"});
    }
    void init() { QVERIFY(abrirBaseNueva()); }

    void firstRunDefaultsAndSeries()
    {
        const QString year = QString::number(QDate::currentDate().year());
        ConfigurationDialog dialog;
        // The current year becomes the series while loading.
        QCOMPARE(Recibo::getSerieActual(), year);
        QCOMPARE(child<QComboBox>(dialog, "cbSeries")->currentText(), year);
        QVERIFY(child<QLineEdit>(dialog, "leDireccion")->text().isEmpty());
        QCOMPARE(child<QTimeEdit>(dialog, "sbHoraAperturaSecretaria1")->time(), QTime(8, 0));
        QCOMPARE(child<QTimeEdit>(dialog, "sbHoraCierreSecretaria1")->time(), QTime(14, 0));
        QCOMPARE(child<QTimeEdit>(dialog, "sbHoraAperturaSecretaria2")->time(), QTime(16, 0));
        QCOMPARE(child<QTimeEdit>(dialog, "sbHoraCierreSecretaria2")->time(), QTime(20, 0));
        QCOMPARE(child<QTimeEdit>(dialog, "dtHoraApertura")->time(), QTime(9, 30));
        QCOMPARE(child<QTimeEdit>(dialog, "dtHoraCierre")->time(), QTime(22, 0));
        QCOMPARE(child<QSpinBox>(dialog, "sbDiasVencimiento")->value(), 0);
        QVERIFY(!child<QCheckBox>(dialog, "cbMostrarTurno")->isChecked());
        auto* cobro = child<QListWidget>(dialog, "cobroListWidget");
        QCOMPARE(cobro->item(0)->checkState(), Qt::Unchecked);
        QCOMPARE(cobro->item(1)->checkState(), Qt::Unchecked);
        QCOMPARE(cobro->item(2)->checkState(), Qt::Checked);
        QVERIFY(child<QTimeEdit>(dialog, "sbHoraAperturaSecretaria2")->styleSheet().isEmpty());

        dialog.show();
        clickOk(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(setting("isFirstTime").toBool(), false);

        Recibo::setSerieActual("B");
        ConfigurationDialog again;
        QCOMPARE(Recibo::getSerieActual(), QStringLiteral("B"));
    }

    void cancelWritesNothing()
    {
        ConfigurationDialog dialog;
        dialog.show();
        typeInto(child<QLineEdit>(dialog, "leDireccion"), "Rúa do Vilar 3");
        clickCancel(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!setting("academia_direccion").isValid());
        QVERIFY(!setting("isFirstTime").isValid());
    }

    void storedAndReadBack()
    {
        {
            ConfigurationDialog dialog;
            dialog.show();
            typeInto(child<QLineEdit>(dialog, "leDireccion"), "Rúa do Vilar 3, Lugo");
            typeInto(child<QLineEdit>(dialog, "leWeb"), "www.academia.example");
            typeInto(child<QLineEdit>(dialog, "leTelefono"), "982 000 000");
            typeInto(child<QLineEdit>(dialog, "leMail"), "info@academia.example");
            typeInto(child<QLineEdit>(dialog, "leNombreComercial"), "Academia Miño");
            typeInto(child<QLineEdit>(dialog, "leDenominacion"), "Miño Formación S.L.");
            typeInto(child<QLineEdit>(dialog, "leNIF"), "B27000000");
            child<QTimeEdit>(dialog, "sbHoraAperturaSecretaria1")->setTime(QTime(9, 0));
            child<QTimeEdit>(dialog, "sbHoraCierreSecretaria1")->setTime(QTime(13, 30));
            child<QTimeEdit>(dialog, "sbHoraAperturaSecretaria2")->setTime(QTime(17, 0));
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
        QCOMPARE(setting("academia_web").toString(), QStringLiteral("www.academia.example"));
        QCOMPARE(setting("academia_telefono").toString(), QStringLiteral("982 000 000"));
        QCOMPARE(setting("academia_e-mail").toString(), QStringLiteral("info@academia.example"));
        QCOMPARE(setting("academia_nombre").toString(), QStringLiteral("Academia Miño"));
        QCOMPARE(setting("academia_denominacion").toString(), QStringLiteral("Miño Formación S.L."));
        QCOMPARE(setting("academia_nif").toString(), QStringLiteral("B27000000"));
        QCOMPARE(setting("recibo_expedidoEn").toString(), QStringLiteral("Lugo"));
        QCOMPARE(setting("recibo_mostrarturno").toBool(), true);
        QCOMPARE(setting("recibo_diasVencimiento").toInt(), 30);
        QCOMPARE(setting("hora_apertura").toInt(), 10);
        QCOMPARE(setting("minuto_apertura").toInt(), 15);
        QCOMPARE(setting("hora_cierre").toInt(), 21);
        QCOMPARE(setting("minuto_cierre").toInt(), 45);
        QCOMPARE(setting("secretaria_horaApertura1").toTime(), QTime(9, 0));
        QCOMPARE(setting("secretaria_horaCierre1").toTime(), QTime(13, 30));
        QCOMPARE(setting("secretaria_horaApertura2").toTime(), QTime(17, 0));
        QCOMPARE(setting("secretaria_horaCierre2").toTime(), QTime(21, 15));
        QCOMPARE(setting("cobro_mes").toBool(), true);
        QCOMPARE(setting("cobro_hora").toBool(), false);
        QCOMPARE(setting("cobro_porcentaje").toBool(), false);
        QCOMPARE(setting("isFirstTime").toBool(), false);
        // Other parts of the program read the opening hours from the same keys.
        QCOMPARE(Academia::horaApertura(), QTime(10, 15));

        ConfigurationDialog again;
        QCOMPARE(child<QLineEdit>(again, "leDireccion")->text(), QStringLiteral("Rúa do Vilar 3, Lugo"));
        QCOMPARE(child<QLineEdit>(again, "leNIF")->text(), QStringLiteral("B27000000"));
        QCOMPARE(child<QLineEdit>(again, "leExpedidoEn")->text(), QStringLiteral("Lugo"));
        QCOMPARE(child<QSpinBox>(again, "sbDiasVencimiento")->value(), 30);
        QVERIFY(child<QCheckBox>(again, "cbMostrarTurno")->isChecked());
        QCOMPARE(child<QTimeEdit>(again, "dtHoraApertura")->time(), QTime(10, 15));
        QCOMPARE(child<QTimeEdit>(again, "dtHoraCierre")->time(), QTime(21, 45));
        QCOMPARE(child<QTimeEdit>(again, "sbHoraCierreSecretaria1")->time(), QTime(13, 30));
        QCOMPARE(child<QTimeEdit>(again, "sbHoraCierreSecretaria2")->time(), QTime(21, 15));
        auto* cobro = child<QListWidget>(again, "cobroListWidget");
        QCOMPARE(cobro->item(0)->checkState(), Qt::Checked);
        QCOMPARE(cobro->item(1)->checkState(), Qt::Unchecked);
        QCOMPARE(cobro->item(2)->checkState(), Qt::Unchecked);
    }

    void afternoonWithoutBreakIsGreyed()
    {
        ConfigurationDialog dialog;
        auto* open2 = child<QTimeEdit>(dialog, "sbHoraAperturaSecretaria2");
        auto* close2 = child<QTimeEdit>(dialog, "sbHoraCierreSecretaria2");
        open2->setTime(QTime(20, 0));
        QCOMPARE(open2->styleSheet(), QStringLiteral("color:grey"));
        QCOMPARE(close2->styleSheet(), QStringLiteral("color:grey"));
        close2->setTime(QTime(20, 30));
        QVERIFY(open2->styleSheet().isEmpty());
        QVERIFY(close2->styleSheet().isEmpty());

        // Equal times loaded from the settings are greyed at once.
        QSettings().setValue("CONFIGURATION/secretaria_horaApertura2", QTime(15, 0));
        QSettings().setValue("CONFIGURATION/secretaria_horaCierre2", QTime(15, 0));
        ConfigurationDialog loaded;
        QCOMPARE(child<QTimeEdit>(loaded, "sbHoraCierreSecretaria2")->styleSheet(),
                 QStringLiteral("color:grey"));
    }

    void changedOpeningHoursWarnOnceAboutSessionsOutside()
    {
        configurar("hora_apertura", 9);
        configurar("minuto_apertura", 30);
        configurar("hora_cierre", 22);
        configurar("minuto_cierre", 0);
        const int shift = turno(asignatura("Piano"), "Único");
        const int room = aula("Aula 1");
        sesion(shift, room, 1, 600, 660, profesor("Rosa"));   // 10:00
        sesion(shift, room, 2, 1200, 1260, profesor("Iago")); // 20:00
        {
            // Unchanged times: no check, no box.
            ConfigurationDialog dialog;
            dialog.show();
            ModalAnswerer answerer;
            clickOk(dialog);
            QVERIFY2(answerer.allAnswered(), qPrintable(answerer.problems().join('\n')));
        }
        ConfigurationDialog dialog;
        dialog.show();
        child<QTimeEdit>(dialog, "dtHoraApertura")->setTime(QTime(11, 0));
        child<QTimeEdit>(dialog, "dtHoraCierre")->setTime(QTime(19, 0));
        ModalAnswerer answerer;
        answerer.pressButton("OK");
        clickOk(dialog);
        QVERIFY2(answerer.allAnswered(), qPrintable(answerer.problems().join('\n')));
        QCOMPARE(answerer.seen().size(), 1);
        QVERIFY(answerer.seen().first().contains("There are some sessions outside opening times."));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(setting("hora_apertura").toInt(), 11);
    }

    void logoChosenScaledAndSavedOnlyOnOk()
    {
        const QString picture = TestEnv::homeDir() + "/escudo.png";
        QImage image(600, 400, QImage::Format_RGB32);
        image.fill(Qt::darkBlue);
        QVERIFY(image.save(picture, "PNG"));

        // Picks the file in the file dialog the way a user would.
        const auto chooseFile = [picture] {
            auto* timer = new QTimer;
            timer->setInterval(20);
            QObject::connect(timer, &QTimer::timeout, [timer, picture] {
                for (QWidget* top : QApplication::topLevelWidgets()) {
                    auto* files = qobject_cast<QFileDialog*>(top);
                    if (!files || !files->isVisible())
                        continue;
                    // Typed into the name field, as a user would.
                    auto* name = files->findChild<QLineEdit*>("fileNameEdit");
                    if (!name)
                        return;
                    name->setText(picture);
                    if (files->selectedFiles().value(0) != picture)
                        return;
                    timer->stop();
                    timer->deleteLater();
                    static_cast<QDialog*>(files)->done(QDialog::Accepted);
                    return;
                }
            });
            timer->start();
        };
        QFile::remove(Academia::logoPath());
        {
            ConfigurationDialog dialog;
            dialog.show();
            chooseFile();
            QTest::mouseClick(child<QPushButton>(dialog, "pbCambiarLogo"), Qt::LeftButton);
            QVERIFY(dialog.logoChanged());
            QCOMPARE(child<QLabel>(dialog, "lblLogo")->pixmap().size(), QSize(300, 200));
            clickCancel(dialog);
            QVERIFY(dialog.logoChanged());
        }
        QVERIFY(!QFile::exists(Academia::logoPath()));
        {
            ConfigurationDialog dialog;
            dialog.show();
            chooseFile();
            QTest::mouseClick(child<QPushButton>(dialog, "pbCambiarLogo"), Qt::LeftButton);
            clickOk(dialog);
        }
        QImage saved(Academia::logoPath(), "PNG");
        QCOMPARE(saved.size(), QSize(300, 200));
    }

    void forcedBillNumber()
    {
        {
            ConfigurationDialog dialog;
            dialog.show();
            child<QTabWidget>(dialog, "tabWidget")->setCurrentIndex(2);
            auto* next = child<QSpinBox>(dialog, "sbProximoRecibo");
            QVERIFY(!next->isEnabled());
            toggle(child<QCheckBox>(dialog, "cbForzar"));
            QVERIFY(next->isEnabled());
            next->selectAll();
            QTest::keyClicks(next, "250");
            clickOk(dialog);
        }
        QCOMPARE(Recibo::getSiguienteNumeroRecibo(), 250);
        {
            // Changed and then unchecked: left alone.
            ConfigurationDialog dialog;
            dialog.show();
            toggle(child<QCheckBox>(dialog, "cbForzar"));
            child<QSpinBox>(dialog, "sbProximoRecibo")->setValue(7);
            toggle(child<QCheckBox>(dialog, "cbForzar"));
            clickOk(dialog);
        }
        QCOMPARE(Recibo::getSiguienteNumeroRecibo(), 250);
    }

    void newAndEmptySeries()
    {
        ConfigurationDialog dialog;
        dialog.show();
        auto* combo = child<QComboBox>(dialog, "cbSeries");
        auto* dropEmpty = child<QPushButton>(dialog, "pbEliminarSeriesVacias");
        QVERIFY(!dropEmpty->isEnabled()); // no series has bills yet
        {
            ModalAnswerer answerer;
            answerer.typeText("2031-A");
            QTest::mouseClick(child<QPushButton>(dialog, "pbNuevaSerie"), Qt::LeftButton);
            QVERIFY(answerer.allAnswered());
        }
        QCOMPARE(Recibo::getSerieActual(), QStringLiteral("2031-A"));
        QCOMPARE(combo->currentText(), QStringLiteral("2031-A"));
        {
            ModalAnswerer answerer;
            answerer.typeText("");
            QTest::mouseClick(child<QPushButton>(dialog, "pbNuevaSerie"), Qt::LeftButton);
            answerer.reject();
            QTest::mouseClick(child<QPushButton>(dialog, "pbNuevaSerie"), Qt::LeftButton);
            QVERIFY(answerer.allAnswered());
        }
        QCOMPARE(Recibo::getSerieActual(), QStringLiteral("2031-A"));

        // A bill in series "A": dropping the empty current series makes "A" current.
        QVERIFY(insertar("recibo", {"nrecibo", "serie", "fecha", "importe", "importepagado", "concepto", "datosalumno"},
                         {1, "A", QDate::currentDate(), 1000, 0, "Inglés", "Brais"}) > 0);
        dialog.fillSeriesCombo();
        QVERIFY(dropEmpty->isEnabled());
        QTest::mouseClick(dropEmpty, Qt::LeftButton);
        QCOMPARE(Recibo::getSerieActual(), QStringLiteral("A"));
        QCOMPARE(combo->currentText(), QStringLiteral("A"));
        QCOMPARE(combo->count(), 1);
        // The current series has bills now: nothing changes.
        QTest::mouseClick(dropEmpty, Qt::LeftButton);
        QCOMPARE(Recibo::getSerieActual(), QStringLiteral("A"));
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
        // Cancel at the second prompt.
        {
            ModalAnswerer answerer;
            answerer.typeText("vella").reject();
            QVERIFY(!dialog.cambiaPassword());
            QVERIFY(answerer.allAnswered());
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
