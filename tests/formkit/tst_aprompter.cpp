#include "aprompter.h"
#include "modalanswerer.h"
#include "scriptedprompter.h"
#include "testmain.h"

#include <QApplication>
#include <QTextDocument>
#include <QTimer>

class TestAPrompter : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestEnv::resetCase(); }

    void scriptedAnswersInOrder()
    {
        ScriptedPrompter prompter;
        prompter.button(QMessageBox::No).choice(QStringLiteral("Second")).text(QStringLiteral("typed"));
        QCOMPARE(APrompter::question(QStringLiteral("t"), QStringLiteral("Sure?"),
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No),
                 QMessageBox::No);
        APrompter::Choice choice;
        choice.buttons = {QStringLiteral("First"), QStringLiteral("Second")};
        QCOMPARE(APrompter::instance()->choose(choice), 1);
        bool ok = false;
        QCOMPARE(APrompter::instance()->getText(QString(), QStringLiteral("Name"), QLineEdit::Normal, QString(), &ok),
                 QStringLiteral("typed"));
        QVERIFY(ok);
        QVERIFY(prompter.allAnswered());
        QCOMPARE(prompter.asked().first().text, QStringLiteral("Sure?"));
    }

    void unscriptedQuestionIsReportedNotHung()
    {
        ScriptedPrompter prompter;
        APrompter::warning(QStringLiteral("t"), QStringLiteral("Nobody answers"));
        QVERIFY(!prompter.allAnswered());
        QVERIFY(prompter.problems().first().contains(QStringLiteral("Nobody answers")));
    }

    // Every kind of question can name the window it belongs to, and the real
    // boxes are then children of that window.
    void questionsOpenOverTheGivenWindow()
    {
        QWidget window;
        {
            ScriptedPrompter prompter;
            prompter.button(QMessageBox::Ok).choice(QStringLiteral("A")).text(QStringLiteral("x")).button(QMessageBox::Yes);
            APrompter::warning(QStringLiteral("t"), QStringLiteral("w"), &window);
            APrompter::Choice choice;
            choice.buttons = {QStringLiteral("A")};
            choice.parent = &window;
            APrompter::instance()->choose(choice);
            bool ok = false;
            APrompter::instance()->getText(QString(), QStringLiteral("l"), QLineEdit::Normal, QString(), &ok, &window);
            APrompter::question(QStringLiteral("t"), QStringLiteral("q"), QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No, &window);
            QVERIFY(prompter.allAnswered());
            QCOMPARE(prompter.askedCount(), 4);
            for (const ScriptedPrompter::Asked& asked : prompter.asked())
                QCOMPARE(asked.parent, &window);
        }
        QWidget* parentSeen = nullptr;
        QTimer::singleShot(0, [&parentSeen] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                parentSeen = box->parentWidget();
                box->close();
            }
        });
        APrompter::information(QStringLiteral("t"), QStringLiteral("Over the window"), &window);
        QCOMPARE(parentSeen, &window);
    }

    // A box guesses whether its text is markup: a typed name that looks like
    // markup would be rendered (bold, a table, a local image) instead of shown.
    void typedValuesInAMessageShowAsTheyWereTyped()
    {
        const QString typed = QStringLiteral("Could not delete <b>Ana</b> <img src=\"file:///etc/hostname\"> & co.\nTry again.");
        QVERIFY(Qt::mightBeRichText(typed));
        QTextDocument shown;
        shown.setHtml(APrompter::asText(typed));
        QCOMPARE(shown.toPlainText(), typed);
        QVERIFY(!APrompter::asText(typed).contains(QStringLiteral("<img")));
        // plain messages reach the box, and the tests that answer it, unchanged
        const QString plain = QStringLiteral("Do you really want to delete the database Ana & Co?\nAll its data will be lost.");
        QCOMPARE(APrompter::asText(plain), plain);
    }

    void realMessageBoxAnsweredAndUnexpectedOneRejected()
    {
        ModalAnswerer answerer;
        answerer.pressButton(QStringLiteral("Second"));
        APrompter::Choice choice;
        choice.title = QStringLiteral("Pensario");
        choice.text = QStringLiteral("Which one?");
        choice.buttons = {QStringLiteral("First"), QStringLiteral("Second")};
        QCOMPARE(APrompter::instance()->choose(choice), 1);
        QVERIFY2(answerer.allAnswered(), qPrintable(answerer.problems().join('\n')));

        // with no answer left, the next box is rejected and reported
        QVERIFY(APrompter::question(QStringLiteral("t"), QStringLiteral("Unexpected"),
                                    QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
                != QMessageBox::Yes);
        QCOMPARE(answerer.problems().size(), 1);
        QVERIFY(answerer.problems().first().contains(QStringLiteral("Unexpected")));
    }
};

PENSARIO_TEST_MAIN(TestAPrompter)
#include "tst_aprompter.moc"
