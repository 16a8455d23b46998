#include "dao.h"
#include "dbmanager.h"
#include "modalanswerer.h"
#include "selectdbdialog.h"
#include "testmain.h"

#include <QDialogButtonBox>
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

    void onlyDefaultDatabaseIsListedAsSelected()
    {
        SelectDBDialog d;
        QCOMPARE(names(d), QStringList{"database"});
        QVERIFY(hasIcon(list(d)->item(0), ":/icons/selected.svg"));
    }

    void addChooseAndDelete()
    {
        SelectDBDialog d;
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));

        {
            ModalAnswerer answerer;
            answerer.typeText("branch2");
            QTest::mouseClick(button(d, "pbAddDB"), Qt::LeftButton);
            QVERIFY2(answerer.allAnswered(), qPrintable(answerer.problems().join('\n')));
        }
        QVERIFY(dbFileExists("branch2"));
        QCOMPARE(DBManager::currentDB(false), QStringLiteral("branch2"));
        QCOMPARE(names(d), (QStringList{"branch2", "database"}));
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
        QCOMPARE(DBManager::currentDB(false), QStringLiteral("branch2"));

        // A double click makes "database" current and leaves the dialog open.
        QListWidgetItem* def = itemNamed(d, "database");
        const QPoint at = list(d)->visualItemRect(def).center();
        QTest::mouseClick(list(d)->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list(d)->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(DBManager::currentDB(false), QStringLiteral("database"));
        QVERIFY(hasIcon(itemNamed(d, "database"), ":/icons/selected.svg"));
        QVERIFY(hasIcon(itemNamed(d, "branch2"), ":/icons/unselected.svg"));
        QVERIFY(d.isVisible());

        // "Choose database" does the same for the selected entry.
        selectByClick(d, "branch2");
        QTest::mouseClick(button(d, "pbSeleccionar"), Qt::LeftButton);
        QCOMPARE(DBManager::currentDB(false), QStringLiteral("branch2"));
        selectByClick(d, "database");
        QTest::mouseClick(button(d, "pbSeleccionar"), Qt::LeftButton);
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

    void cancelledAddCreatesNothing()
    {
        SelectDBDialog d;
        ModalAnswerer answerer;
        answerer.reject();
        QTest::mouseClick(button(d, "pbAddDB"), Qt::LeftButton);
        QVERIFY(answerer.allAnswered());
        QCOMPARE(names(d), QStringList{"database"});
        QCOMPARE(DBManager::currentDB(false), QStringLiteral("database"));
        // The data layer is left on the current database.
        QVERIFY(Dao::getInstance()->isOpen());
        QCOMPARE(DBManager::listDBs(false, false), QStringList{"database"});
    }

    void deletingTheCurrentDatabaseIsRefused()
    {
        QVERIFY(DBManager::createDB("other", false));
        SelectDBDialog d;
        d.show();
        selectByClick(d, "database");
        ModalAnswerer answerer;
        answerer.pressButton("OK");
        QTest::mouseClick(button(d, "pbDeleteDB"), Qt::LeftButton);
        QVERIFY2(answerer.allAnswered(), qPrintable(answerer.problems().join('\n')));
        QVERIFY(answerer.seen().first().contains("currently selected"));
        QVERIFY(dbFileExists("database"));
        QCOMPARE(names(d), (QStringList{"database", "other"}));
    }

    void deletingALockedDatabaseIsRefused()
    {
        Dao* dao = Dao::getInstance();
        QVERIFY(dao->open("busy", false));
        QVERIFY(dao->lock());
        QVERIFY(dao->open(QString(), false));

        SelectDBDialog d;
        d.show();
        selectByClick(d, "busy");
        ModalAnswerer answerer;
        answerer.pressButton("OK");
        QTest::mouseClick(button(d, "pbDeleteDB"), Qt::LeftButton);
        QVERIFY2(answerer.allAnswered(), qPrintable(answerer.problems().join('\n')));
        QCOMPARE(answerer.seen().size(), 1);
        QVERIFY(answerer.seen().first().contains("currently in use by another instance"));
        QVERIFY(dbFileExists("busy"));
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

        ModalAnswerer answerer;
        answerer.pressButton("No");
        QTest::mouseClick(button(d, "pbDeleteDB"), Qt::LeftButton);
        QVERIFY(answerer.allAnswered());
        QVERIFY(dbFileExists("keep"));
        QCOMPARE(names(d), (QStringList{"database", "keep"}));
    }

    void nothingSelectedChangesNothing()
    {
        QVERIFY(DBManager::createDB("spare", false));
        SelectDBDialog d;
        ModalAnswerer answerer; // any box would be a fault
        QTest::mouseClick(button(d, "pbDeleteDB"), Qt::LeftButton);
        QTest::mouseClick(button(d, "pbSeleccionar"), Qt::LeftButton);
        QVERIFY(answerer.allAnswered());
        QCOMPARE(DBManager::currentDB(false), QStringLiteral("database"));
        QVERIFY(dbFileExists("spare"));
    }

    void okAcceptsAndCloseRejects()
    {
        {
            SelectDBDialog d;
            d.show();
            auto* box = d.findChild<QDialogButtonBox*>("buttonBox");
            QTest::mouseClick(box->button(QDialogButtonBox::Ok), Qt::LeftButton);
            QCOMPARE(d.result(), int(QDialog::Accepted));
        }
        {
            SelectDBDialog d;
            d.show();
            auto* box = d.findChild<QDialogButtonBox*>("buttonBox");
            QTest::mouseClick(box->button(QDialogButtonBox::Close), Qt::LeftButton);
            QCOMPARE(d.result(), int(QDialog::Rejected));
        }
    }
};

PENSARIO_TEST_MAIN(TestSelectDBDialog)
#include "tst_selectdbdialog.moc"
