#include "guitest.h"
#include "testmain.h"

#include <QLineEdit>

// The shared helpers of the dialog tests fail a test, never the whole program.
class TestGuiTest : public QObject
{
    Q_OBJECT
private slots:
    void missingWidgetFailsTheTestOnly()
    {
        QWidget dialog;
        QEXPECT_FAIL("", "the widget is missing on purpose", Continue);
        QPushButton* button = GuiTest::child<QPushButton>(dialog, "pbNowhere");
        QVERIFY(button);
        QVERIFY(!button->isVisible());
        // the stand-in takes clicks and text without harm
        QEXPECT_FAIL("", "the widget is missing on purpose", Continue);
        GuiTest::click(dialog, "pbNowhere");
        QEXPECT_FAIL("", "the widget is missing on purpose", Continue);
        GuiTest::child<QLineEdit>(dialog, "leNowhere")->setText(QStringLiteral("x"));
    }
};

PENSARIO_TEST_MAIN(TestGuiTest)
#include "tst_guitest.moc"
