#include "amainwindow.h"
#include "atextviewerbox.h"
#include "messagecapture.h"
#include "modalanswerer.h"
#include "testmain.h"

#include <QDesktopServices>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QPixmap>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QToolBar>

namespace {
class TestWindow : public AMainWindow
{
public:
    TestWindow()
    {
        setObjectName(QStringLiteral("MainWindow"));
        toolBar = new QToolBar(QStringLiteral("Tools"), this);
        toolBar->setObjectName(QStringLiteral("tbTools"));
        addToolBar(Qt::TopToolBarArea, toolBar);
        setCentralWidget(new QWidget(this));
    }
    QToolBar* toolBar;
};

QByteArray readFile(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TestAMainWindow : public QObject
{
    Q_OBJECT
private:
    // How often the folder was handed to the desktop's file manager (the
    // offscreen platform only reports it).
    static int folderOpenings(const MessageCapture& capture, const QString& folder)
    {
        const QString handed = QStringLiteral("openDocument() for '%1'").arg(QUrl::fromLocalFile(folder).toString());
        int count = 0;
        for (const QString& text : capture.texts(QtWarningMsg))
            count += text.contains(handed) ? 1 : 0;
        return count;
    }

    // Opens an "about:" link and answers the text viewer it shows.
    // Gives the viewer's title and text, or nothing when no viewer came.
    QStringList viewerFor(AMainWindow& window, const QString& link)
    {
        QStringList seen;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* viewer = window.findChild<ATextViewerBox*>();
            if (!viewer || !viewer->isVisible())
                return;
            seen << viewer->windowTitle() << viewer->text();
            viewer->reject();
        });
        poll.start(10);
        QDesktopServices::openUrl(QUrl(link));
        QCoreApplication::processEvents();
        return seen;
    }

private slots:
    void init() { TestEnv::resetCase(); }

    void geometryAndStateAcrossTwoRuns()
    {
        QRect placed;
        {
            TestWindow window;
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            window.setGeometry(60, 70, 640, 410);
            placed = window.geometry();
            window.addToolBar(Qt::LeftToolBarArea, window.toolBar);
        }
        MessageCapture capture;
        TestWindow again;
        QCOMPARE(again.toolBarArea(again.toolBar), Qt::TopToolBarArea);
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QCOMPARE(again.geometry(), placed);
        QCOMPARE(again.toolBarArea(again.toolBar), Qt::LeftToolBarArea);
        QVERIFY(!capture.contains(QtWarningMsg, QStringLiteral("Couldn't restore")));
    }

    void savedGeometryLargerThanTheScreenIsBroughtWithin()
    {
        QRect area;
        {
            TestWindow window;
            area = window.screen()->availableGeometry();
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            window.setGeometry(area.x() + 200, area.y() + 100, area.width() + 300, area.height() + 300);
        }
        TestWindow again;
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QVERIFY2(area.contains(again.frameGeometry()), qPrintable(QDebug::toString(again.frameGeometry())));
    }

    void unreadableStoredStateWarnsAndKeepsTheLayout()
    {
        {
            QSettings settings;
            settings.setValue(QStringLiteral("geometry/MainWindow"), QByteArray("not a geometry"));
            settings.setValue(QStringLiteral("status/MainWindow"), QByteArray("not a state"));
        }
        MessageCapture capture;
        TestWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(capture.texts(QtWarningMsg).filter(QStringLiteral("Couldn't restore")),
                 (QStringList{QStringLiteral("Couldn't restore \"MainWindow\" geometry!"),
                              QStringLiteral("Couldn't restore \"MainWindow\" status!")}));
        QCOMPARE(window.toolBarArea(window.toolBar), Qt::TopToolBarArea);
    }

    void licenceLinks_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("fragment");
        QTest::newRow("oxygen") << "about:copyright-oxygen" << "Oxygen copyright notice" << "oxygen-icons.org";
        QTest::newRow("gpl 3") << "about:license-gplv3" << "GPL v3 license" << "GNU GENERAL PUBLIC LICENSE\n                       Version 3";
    }

    void licenceLinks()
    {
        QFETCH(QString, link);
        QFETCH(QString, title);
        QFETCH(QString, fragment);
        TestWindow window;
        const QStringList seen = viewerFor(window, link);
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen.at(0), title);
        QVERIFY2(seen.at(1).contains(fragment), qPrintable(seen.at(1).left(200)));
        QVERIFY(!window.findChild<ATextViewerBox*>()); // destroyed on return
    }

    // The picture beside the oxygen notice is one the program carries.
    void oxygenLogoIsEmbedded()
    {
        QVERIFY(!QPixmap(QStringLiteral(":/icons/oxygen.png")).isNull());
    }

    void aboutIconsPopulatesTheFolder()
    {
        TestWindow window;
        window.setIconfileNames({QStringLiteral("alpha.png"), QStringLiteral("beta.png")});
        const QString folder = AMainWindow::userIconFolder();
        ModalAnswerer answerer;
        answerer.pressButton(QStringLiteral("Populate external icons folder"));
        MessageCapture capture;
        QDesktopServices::openUrl(QUrl(QStringLiteral("about:use-modified-icons")));
        QVERIFY2(answerer.allAnswered(), qPrintable(answerer.problems().join('\n')));

        const QString text = answerer.seen().first();
        // a well-formed link to the folder: three slashes, never four
        QVERIFY(text.contains(QStringLiteral("href=\"%1\"").arg(QUrl::fromLocalFile(folder).toString())));
        QVERIFY(!text.contains(QStringLiteral("file:////")));
        QVERIFY(text.contains(QStringLiteral(">%1</a>").arg(QDir::toNativeSeparators(folder))));

        QCOMPARE(readFile(folder + "/beta.png"), readFile(":/icons/beta.png"));
        QCOMPARE(folderOpenings(capture, folder), 1);
    }

};

PENSARIO_TEST_MAIN(TestAMainWindow)
#include "tst_amainwindow.moc"
