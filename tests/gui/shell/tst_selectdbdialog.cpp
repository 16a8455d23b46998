#include "dao.h"
#include "dbmanager.h"
#include "guitest.h"
#include "modalanswerer.h"
#include "selectdbdialog.h"
#include "testmain.h"

#include <QFile>
#include <QListWidget>
#include <QMessageBox>

using namespace GuiTest;

namespace {
QImage iconImage(const QIcon& icon)
{
    return icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
}

bool hasIcon(const QListWidgetItem* item, const char* resource)
{
    return iconImage(item->icon()) == iconImage(QIcon(QString::fromLatin1(resource)));
}
} // namespace

class TestSelectDBDialog : public QObject
{
    Q_OBJECT
private:
    QListWidget* list(SelectDBDialog& d) { return d.findChild<QListWidget*>("listDatabases"); }
    QStringList names(SelectDBDialog& d)
    {
        QStringList result;
        for (int i = 0; i < list(d)->count(); ++i)
            result << list(d)->item(i)->text();
        return result;
    }
    QListWidgetItem* itemNamed(SelectDBDialog& d, const QString& name)
    {
        const QList<QListWidgetItem*> found = list(d)->findItems(name, Qt::MatchExactly);
        return found.size() == 1 ? found.first() : nullptr;
    }
    void selectByClick(SelectDBDialog& d, const QString& name, bool twice = false)
    {
        QListWidgetItem* item = itemNamed(d, name);
        QVERIFY(item);
        const QPoint at = list(d)->visualItemRect(item).center();
        QTest::mouseClick(list(d)->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(list(d)->selectedItems(), QList<QListWidgetItem*>{item});
        if (twice)
            QTest::mouseDClick(list(d)->viewport(), Qt::LeftButton, {}, at);
    }
    bool dbFileExists(const QString& name)
    {
        return QFile::exists(TestEnv::dataDir() + "/" + name + ".db");
    }

private slots:
    void initTestCase() { TestEnv::useIconPaths(); }
    void init()
    {
        TestEnv::resetCase();
        QVERIFY(Dao::getInstance()->open(QString(), false)); // the default "database"
    }
    void cleanup() { Dao::getInstance()->close(); }

    void addChooseAndDelete()
    {
        SelectDBDialog d;
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QCOMPARE(names(d), QStringList{"database"});
        {
            ModalAnswerer answerer;
            answerer.typeText("branch2");
            click(d, "pbAddDB");
            VERIFY_ANSWERED(answerer);
        }
        QVERIFY(dbFileExists("branch2"));
        QCOMPARE(DBManager::currentDB(false), QStringLiteral("branch2"));
        QVERIFY(hasIcon(itemNamed(d, "branch2"), ":/icons/selected.svg"));
        QVERIFY(hasIcon(itemNamed(d, "database"), ":/icons/unselected.svg"));

        // The same name again: the creation refuses, the name stays current.
        {
            ModalAnswerer answerer;
            answerer.typeText("branch2").pressButton("OK");
            click(d, "pbAddDB");
            VERIFY_ANSWERED(answerer);
            QVERIFY(answerer.seen().last().contains("There is already a database with the same name"));
        }
        QCOMPARE(names(d), (QStringList{"branch2", "database"}));

        // "Choose database" makes the selected entry current, so does a double click.
        selectByClick(d, "database");
        click(d, "pbSeleccionar");
        QCOMPARE(DBManager::currentDB(false), QStringLiteral("database"));
        QVERIFY(hasIcon(itemNamed(d, "database"), ":/icons/selected.svg"));
        selectByClick(d, "branch2", true);
        QCOMPARE(DBManager::currentDB(false), QStringLiteral("branch2"));
        QVERIFY(d.isVisible());
        selectByClick(d, "database", true);
        QCOMPARE(DBManager::currentDB(false), QStringLiteral("database"));

        // Deleting the non-current one, confirmed.
        selectByClick(d, "branch2");
        {
            ModalAnswerer answerer;
            answerer.pressButton("Yes");
            click(d, "pbDeleteDB");
            VERIFY_ANSWERED(answerer);
            QVERIFY(answerer.seen().first().contains("branch2"));
        }
        QVERIFY(!dbFileExists("branch2"));
        QCOMPARE(names(d), QStringList{"database"});
        QVERIFY(dbFileExists("database"));
    }

    void deletingCurrentOrLockedIsRefused()
    {
        Dao* dao = Dao::getInstance();
        QVERIFY(dao->open("busy", false));
        QVERIFY(dao->lock());
        QVERIFY(dao->open(QString(), false));
        SelectDBDialog d;
        d.show();
        const QList<QPair<QString, QString>> cases{{"database", "currently selected"},
                                                   {"busy", "currently in use by another instance"}};
        for (const auto& [name, reason] : cases) {
            selectByClick(d, name);
            ModalAnswerer answerer;
            answerer.pressButton("OK");
            click(d, "pbDeleteDB");
            VERIFY_ANSWERED(answerer);
            QCOMPARE(answerer.seen().size(), 1);
            QVERIFY(answerer.seen().first().contains(reason));
            QVERIFY(dbFileExists(name));
        }
        QCOMPARE(names(d), (QStringList{"busy", "database"}));
    }

    void deletionAsksWithNoAsDefault()
    {
        QVERIFY(DBManager::createDB("keep", false));
        SelectDBDialog d;
        d.show();
        selectByClick(d, "keep");

        // Enter on the question takes its default button, which must keep the file.
        QString defaultButton = QStringLiteral("no question");
        whenShown<QMessageBox>([&defaultButton](QMessageBox* box) {
            defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
            QTest::keyClick(box, Qt::Key_Return);
        });
        click(d, "pbDeleteDB");
        QCOMPARE(defaultButton.remove('&'), QStringLiteral("No"));
        QVERIFY(dbFileExists("keep"));
        QCOMPARE(names(d), (QStringList{"database", "keep"}));
    }
};

PENSARIO_TEST_MAIN(TestSelectDBDialog)
#include "tst_selectdbdialog.moc"
