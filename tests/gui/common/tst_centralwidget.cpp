#include "centralwidget.h"
#include "testmain.h"

namespace {
// A page that keeps unsettled work until told otherwise.
class BusyPage : public CentralWidget
{
public:
    int activations = 0;
    bool settled = false;
    void activateWidget() override { ++activations; }
    bool isValidState() override { return settled; }
};
} // namespace

class TestCentralWidget : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestEnv::resetCase(); }

    void overridesAnswerThroughTheBase()
    {
        CentralWidget plain;
        QVERIFY(plain.isValidState());

        BusyPage busy;
        CentralWidget* page = &busy;
        page->activateWidget();
        page->activateWidget();
        QCOMPARE(busy.activations, 2);
        QVERIFY(!page->isValidState());
        busy.settled = true;
        QVERIFY(page->isValidState());
    }
};

PENSARIO_TEST_MAIN(TestCentralWidget)
#include "tst_centralwidget.moc"
