#include "centralwidget.h"
#include "testmain.h"

#include <QAction>

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
        auto* first = new QAction("New", &busy);
        auto* second = new QAction("Edit", &busy);
        busy.addAction(first);
        busy.addAction(second);
        page->activateWidget();
        page->activateWidget();
        QCOMPARE(busy.activations, 2);
        QVERIFY(!page->isValidState());
        busy.settled = true;
        QVERIFY(page->isValidState());
        // The section tool bar takes the page's own actions, in order.
        QCOMPARE(page->actions(), (QList<QAction*>{first, second}));
    }
};

PENSARIO_TEST_MAIN(TestCentralWidget)
#include "tst_centralwidget.moc"
