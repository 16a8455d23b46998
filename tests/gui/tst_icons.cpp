#include "guitest.h"
#include "testmain.h"

#include <QFile>
#include <QIcon>
#include <QPixmap>

// Every icon the shell's dialogs name, embedded and found through the
// "icons:" search path as the application sets it up.
class TestIcons : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::useIconPaths(); }
    void init() { TestEnv::resetCase(); }

    void namedIconsLoad_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"add.svg", "delete.svg", "selected.svg", "unselected.svg",
                                 "view-refresh.svg", "list-add.svg", "list-remove.svg"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void namedIconsLoad()
    {
        QFETCH(QString, name);
        QVERIFY(QFile::exists(":/icons/" + name));
        for (const QString& path : {QString(":/icons/" + name), QString("icons:" + name)}) {
            const QIcon icon(path);
            QVERIFY2(!icon.isNull(), qPrintable(path));
            // Something is drawn, not a blank square.
            const QImage image = icon.pixmap(32, 32).toImage();
            bool painted = false;
            for (int y = 0; y < image.height() && !painted; ++y)
                for (int x = 0; x < image.width() && !painted; ++x)
                    painted = qAlpha(image.pixel(x, y)) > 0;
            QVERIFY2(painted, qPrintable(path));
        }
    }
};

PENSARIO_TEST_MAIN(TestIcons)
#include "tst_icons.moc"
