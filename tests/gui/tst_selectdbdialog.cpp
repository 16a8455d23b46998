#include "dao.h"
#include "dbmanager.h"
#include "modalanswerer.h"
#include "selectdbdialog.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

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
    QPushButton* button(SelectDBDialog& d, const char* name) { return d.findChild<QPushButton*>(name); }
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
    void selectByClick(SelectDBDialog& d, const QString& name)
    {
        QListWidgetItem* item = itemNamed(d, name);
        QVERIFY(item);
        const QRect rect = list(d)->visualItemRect(item);
        QTest::mouseClick(list(d)->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(list(d)->selectedItems(), QList<QListWidgetItem*>{item});
    }
    bool dbFileExists(const QString& name)
    {
        return QFile::exists(TestEnv::dataDir() + "/" + name + ".db");
    }

private slots:
    void initTestCase()
    {
        // As the application object sets it up.
        QDir::setSearchPaths("icons", {TestEnv::dataDir() + "/icons", ":/icons"});
    }
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
            QTest::mouseClick(button(d, "pbAddDB"), Qt::LeftButton);
            QVERIFY2(answerer.allAnswered(), qPrintable(answerer.problems().join('\n')));
        }
        QVERIFY(dbFileExists("branch2"));
        QCOMPARE(DBManager::currentDB(false), QStringLiteral("branch2"));
        QVERIFY(hasIcon(itemNamed(d, "branch2"), ":/icons/selected.svg"));
        QVERIFY(hasIcon(itemNamed(d, "database"), ":/icons/unselected.svg"));

        // The same name again: the creation refuses, the name stays current.
        {
            ModalAnswerer answerer;
            answerer.typeText("branch2").pressButton("OK");
            QTest::mouseClick(button(d, "pbAddDB"), Qt::LeftButton);
            QVERIFY2(answerer.allAnswered(), qPrintable(answerer.problems().join('\n')));
            QVERIFY(answerer.seen().last().contains("There is already a database with the same name"));
        }
        QCOMPARE(names(d), (QStringList{"branch2", "database"}));

        // "Choose database" makes the selected entry current, so does a double click.
        selectByClick(d, "database");
        QTest::mouseClick(button(d, "pbSeleccionar"), Qt::LeftButton);
        QCOMPARE(DBManager::currentDB(false), QStringLiteral("database"));
        QVERIFY(hasIcon(itemNamed(d, "database"), ":/icons/selected.svg"));
        selectByClick(d, "branch2");
        QTest::mouseDClick(list(d)->viewport(), Qt::LeftButton, {}, list(d)->visualItemRect(itemNamed(d, "branch2")).center());
        QCOMPARE(DBManager::currentDB(false), QStringLiteral("branch2"));
        QVERIFY(d.isVisible());
        selectByClick(d, "database");
        QTest::mouseDClick(list(d)->viewport(), Qt::LeftButton, {}, list(d)->visualItemRect(itemNamed(d, "database")).center());
        QCOMPARE(DBManager::currentDB(false), QStringLiteral("database"));

        // Deleting the non-current one, confirmed.
        selectByClick(d, "branch2");
        {
            ModalAnswerer answerer;
            answerer.pressButton("Yes");
            QTest::mouseClick(button(d, "pbDeleteDB"), Qt::LeftButton);
            QVERIFY2(answerer.allAnswered(), qPrintable(answerer.problems().join('\n')));
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
            QTest::mouseClick(button(d, "pbDeleteDB"), Qt::LeftButton);
            QVERIFY2(answerer.allAnswered(), qPrintable(answerer.problems().join('\n')));
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
        QString defaultButton;
        bool sawQuestion = false;
        QTimer poll;
        poll.setInterval(20);
        connect(&poll, &QTimer::timeout, [&] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(top);
                if (!box || !box->isVisible())
                    continue;
                sawQuestion = true;
                defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        poll.start();
        QTest::mouseClick(button(d, "pbDeleteDB"), Qt::LeftButton);
        poll.stop();
        QVERIFY(sawQuestion);
        QCOMPARE(defaultButton.remove('&'), QStringLiteral("No"));
        QVERIFY(dbFileExists("keep"));
        QCOMPARE(names(d), (QStringList{"database", "keep"}));
    }

};

PENSARIO_TEST_MAIN(TestSelectDBDialog)
#include "tst_selectdbdialog.moc"
