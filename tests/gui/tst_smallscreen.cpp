#include "recibofixture.h"

#include "alumnodialog.h"
#include "atextviewerbox.h"
#include "asignaturadialog.h"
#include "configurationdialog.h"
#include "guitest.h"
#include "helpdialog.h"
#include "mainwindow.h"
#include "profesordialog.h"
#include "recibodialog.h"
#include "testmain.h"

#include <QDialogButtonBox>
#include <QScreen>
#include <QSettings>

using namespace GuiTest;
using namespace ReciboFixture;

namespace {
// A laptop screen at 150 %: the test screen (800 x 600) shows 533 x 400
// device-independent pixels. Set before the application object reads it.
const bool magnified = qputenv("QT_SCALE_FACTOR", "1.5");

// Shows the window and tells what keeps its frame or its buttons out of the
// screen's available area ("" when nothing does).
QString outOfReach(QWidget& window)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return QStringLiteral("not shown");
    const QRect area = window.screen()->availableGeometry();
    if (!area.contains(window.frameGeometry()))
        return QStringLiteral("%1 outside %2").arg(QDebug::toString(window.frameGeometry()), QDebug::toString(area));
    auto* buttons = window.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    if (buttons && (!buttons->isVisible() || !window.rect().contains(buttons->geometry())))
        return QStringLiteral("buttons out of reach at %1").arg(QDebug::toString(buttons->geometry()));
    return {};
}
} // namespace

class TestSmallScreen : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(magnified);
        TestEnv::useIconPaths();
    }
    void init()
    {
        QVERIFY(abrirBaseNueva());
        QSettings().setValue("CONFIGURATION/isFirstTime", false);
    }

    void editingDialogsKeepTheirButtonsInReach()
    {
        const int student = alumno(QStringLiteral("Sabela"), QStringLiteral("Rial Souto"));
        const int bill = recibo(student, primeroDeMes(), 285);
        QVERIFY(bill > 0);
        AlumnoDialog studentDialog(nullptr, student);
        QCOMPARE(outOfReach(studentDialog), QString());
        ProfesorDialog teacherDialog;
        QCOMPARE(outOfReach(teacherDialog), QString());
        AsignaturaDialog subjectDialog;
        QCOMPARE(outOfReach(subjectDialog), QString());
        ReciboDialog billDialog(nullptr, bill);
        QCOMPARE(outOfReach(billDialog), QString());
        ConfigurationDialog configuration;
        QCOMPARE(outOfReach(configuration), QString());
        HelpDialog manual;
        QCOMPARE(outOfReach(manual), QString());
        ATextViewerBox licence(QStringLiteral(":/legal/gpl-3.txt"));
        QCOMPARE(outOfReach(licence), QString());
    }

    void mainWindowFitsTheScreen()
    {
        MainWindow window;
        QCOMPARE(outOfReach(window), QString());
    }
};

PENSARIO_TEST_MAIN(TestSmallScreen)
#include "tst_smallscreen.moc"
