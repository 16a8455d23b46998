#include "guitest.h"
#include "mainwindow.h"
#include "testmain.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QSet>

// Every icon the program names, embedded and found through the "icons:"
// search path as the application sets it up.
class TestIcons : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::useIconPaths(); }
    void init() { TestEnv::resetCase(); }

    // The main window's list of replaceable icons, plus the two the form uses
    // outside it. Two entries of the list name no embedded icon on purpose.
    void namedIconsLoad_data()
    {
        QTest::addColumn<QString>("name");
        const QStringList listed = MainWindow::iconFileNames();
        QCOMPARE(listed.size(), 57);
        QCOMPARE(QSet<QString>(listed.begin(), listed.end()).size(), 57);
        for (const QString& name : listed + QStringList{"app_icon.svg", "velbrookicon.png"})
            if (name != "logo.png" && name != "receip_print.svg")
                QTest::newRow(qPrintable(name)) << name;
    }
    void unembeddedEntriesStayAbsent()
    {
        QVERIFY(!QFile::exists(":/icons/logo.png"));
        QVERIFY(!QFile::exists(":/icons/receip_print.svg"));
    }
    // Whatever a form or a source file names through "icons:" or ":/icons/"
    // is embedded, so that a section cannot show a blank button.
    void iconsNamedInTheSourcesExist()
    {
        // Named by a file, so that the build tree's "gui" folder does not answer.
        const QString root = QFileInfo(QFINDTESTDATA("../../gui/shell/mainwindow.ui")).absolutePath() + "/..";
        QVERIFY(QFile::exists(root + "/shell/mainwindow.ui"));
        static const QRegularExpression named(QStringLiteral(R"((?:icons:|:/icons/)([A-Za-z0-9_.\-]+\.(?:svg|png)))"));
        QStringList missing;
        int seen = 0;
        QDirIterator it(root, {"*.ui", "*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(file.readAll());
            for (const QRegularExpressionMatch& m : named.globalMatch(text)) {
                ++seen;
                if (!QFile::exists(":/icons/" + m.captured(1)))
                    missing << QFileInfo(file.fileName()).fileName() + ": " + m.captured(1);
            }
        }
        QVERIFY(seen > 13);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join('\n')));
    }

    void namedIconsLoad()
    {
        QFETCH(QString, name);
        QVERIFY(QFile::exists(":/icons/" + name));
        // the file is what its name says, for a user who copies it out to replace it
        const QByteArray format = name.endsWith(".png") ? "png" : "svg";
        QCOMPARE(QImageReader(":/icons/" + name).format(), format);
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
