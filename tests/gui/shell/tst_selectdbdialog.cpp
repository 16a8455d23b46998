#include "dao.h"
#include "dbmanager.h"
#include "guitest.h"
#include "messagecapture.h"
#include "pageharness.h"
#include "selectdbdialog.h"
#include "testmain.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
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
    // The file the program's connection is on.
    QString connectedFile()
    {
        QSqlQuery query = Dao::getInstance()->query("PRAGMA database_list");
        while (query.next())
            if (query.value(1).toString() == "main")
                return QFileInfo(query.value(2).toString()).fileName();
        return QString();
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
            PageHarness h(&d);
            h.answerNextText("New database name:", "branch2");
            QVERIFY(h.click("pbAddDB"));
            QVERIFY2(h.ok(), qPrintable(h.report()));
        }
        QVERIFY(dbFileExists("branch2"));
        QCOMPARE(DBManager::currentDB(false), QStringLiteral("branch2"));
        QVERIFY(hasIcon(itemNamed(d, "branch2"), ":/icons/selected.svg"));
        QVERIFY(hasIcon(itemNamed(d, "database"), ":/icons/unselected.svg"));

        // The same name again: the creation refuses, the name stays current.
        {
            PageHarness h(&d);
            h.answerNextText("New database name:", "branch2")
                .answerNext("There is already a database with the same name", QMessageBox::Ok);
            QVERIFY(h.click("pbAddDB"));
            QVERIFY2(h.ok(), qPrintable(h.report()));
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
            PageHarness h(&d);
            h.answerNext("Do you really want to delete the database branch2?", QMessageBox::Yes);
            QVERIFY(h.click("pbDeleteDB"));
            QVERIFY2(h.ok(), qPrintable(h.report()));
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
            PageHarness h(&d);
            h.answerNext(reason, QMessageBox::Ok);
            QVERIFY(h.click("pbDeleteDB"));
            QVERIFY2(h.ok(), qPrintable(h.report()));
            QCOMPARE(h.prompter().askedCount(), 1);
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

    // Whatever the user does in the dialog, the program's one connection is
    // on the database the list ticks.
    void connectionFollowsTheCurrentDatabase()
    {
        Dao* dao = Dao::getInstance();
        QVERIFY(DBManager::createDB("other", false));
        QVERIFY(dao->execute("CREATE TEMP TABLE marca (x)"));
        SelectDBDialog d;
        d.show();
        selectByClick(d, "other");
        {
            // answering No to the deletion leaves the program where it was
            PageHarness h(&d);
            h.answerNext("Do you really want to delete the database other?", QMessageBox::No);
            QVERIFY(h.click("pbDeleteDB"));
            QVERIFY2(h.ok(), qPrintable(h.report()));
            QCOMPARE(h.prompter().asked().first().parent, &d);
        }
        QCOMPARE(connectedFile(), QStringLiteral("database.db"));
        QVERIFY(dbFileExists("other"));
        {
            // neither a cancelled nor an empty name opens anything
            PageHarness h(&d);
            h.prompter().cancelText();
            h.answerNextText("New database name:", QString());
            QVERIFY(h.click("pbAddDB"));
            QVERIFY(h.click("pbAddDB"));
            QVERIFY2(h.ok(), qPrintable(h.report()));
        }
        QVERIFY2(dao->execute("SELECT x FROM marca"), "the connection was opened again");
        {
            // a name the files can't have is refused, and the program stays connected
            PageHarness h(&d);
            h.answerNextText("New database name:", "curso 24/25").answerNext("Invalid database name", QMessageBox::Ok);
            QVERIFY(h.click("pbAddDB"));
            QVERIFY2(h.ok(), qPrintable(h.report()));
        }
        QVERIFY(dao->isOpen());
        QCOMPARE(connectedFile(), QStringLiteral("database.db"));
        QCOMPARE(DBManager::currentDB(false), QStringLiteral("database"));
        {
            // an existing name is refused, not made current
            PageHarness h(&d);
            h.answerNextText("New database name:", "other")
                .answerNext("There is already a database with the same name", QMessageBox::Ok);
            QVERIFY(h.click("pbAddDB"));
            QVERIFY2(h.ok(), qPrintable(h.report()));
        }
        QCOMPARE(DBManager::currentDB(false), QStringLiteral("database"));
        QVERIFY(hasIcon(itemNamed(d, "database"), ":/icons/selected.svg"));

        // choosing and creating move the connection with the tick
        selectByClick(d, "other");
        PageHarness h(&d);
        QVERIFY(h.click("pbSeleccionar"));
        QCOMPARE(connectedFile(), QStringLiteral("other.db"));
        h.answerNextText("New database name:", "branch3");
        QVERIFY(h.click("pbAddDB"));
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QCOMPARE(connectedFile(), QStringLiteral("branch3.db"));
        QCOMPARE(DBManager::currentDB(false), QStringLiteral("branch3"));
    }

    void databaseThatCannotBeOpenedIsReported()
    {
        {
            QFile broken(TestEnv::dataDir() + "/broken.db");
            QVERIFY(broken.open(QIODevice::WriteOnly));
            broken.write(QByteArray(4096, 'x'));
        }
        SelectDBDialog d;
        d.show();
        selectByClick(d, "broken");
        PageHarness h(&d);
        h.answerNext("The database broken can't be opened.", QMessageBox::Ok);
        QVERIFY(h.click("pbSeleccionar"));
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    // Several selected entries (which the list does not allow) end the
    // dialog without changing the current database.
    void severalSelectedRejectsAndStops()
    {
        QVERIFY(DBManager::createDB("other", false));
        SelectDBDialog d;
        d.show();
        list(d)->setSelectionMode(QAbstractItemView::MultiSelection);
        list(d)->selectAll();
        QCOMPARE(list(d)->selectedItems().size(), 2);
        MessageCapture capture;
        d.selectDB();
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(DBManager::currentDB(false), QStringLiteral("database"));
        QVERIFY(capture.contains(QtWarningMsg, "Se ha seleccionado más de una base de datos"));
    }
};

PENSARIO_TEST_MAIN(TestSelectDBDialog)
#include "tst_selectdbdialog.moc"
