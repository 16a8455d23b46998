#ifndef SCRIPTEDPROMPTER_H
#define SCRIPTEDPROMPTER_H

#include "aprompter.h"

#include <QList>
#include <QQueue>
#include <QString>

// Answers the questions of the code under test from a script, in order, and
// remembers what was asked. A question with no scripted answer is recorded as
// unanswered (and gets the escape answer), so the test fails instead of hanging.
// Installs itself on construction and restores the real dialogs on destruction.
class ScriptedPrompter : public APrompter
{
public:
    struct Asked
    {
        QString kind; // "message", "choice" or "text"
        QString title;
        QString text;
        QString informativeText;
        QStringList buttons;
        QWidget* parent = nullptr; // the window the question was asked over
    };

    ScriptedPrompter();
    ~ScriptedPrompter() override;

    // Each answer below may name a part of the question it is meant for
    // (title, text or informative text); a question that doesn't hold it is
    // recorded as a problem and gets the escape answer.
    ScriptedPrompter& buttonFor(const QString& questionPart, QMessageBox::StandardButton answer);
    ScriptedPrompter& choiceFor(const QString& questionPart, const QString& buttonText);
    ScriptedPrompter& textFor(const QString& questionPart, const QString& typed);

    // Answer the next message box with this standard button.
    ScriptedPrompter& button(QMessageBox::StandardButton answer);
    // Answer the next named-answer box by the text of its button.
    ScriptedPrompter& choice(const QString& buttonText);
    // Answer the next text prompt with this text (ok = true) ...
    ScriptedPrompter& text(const QString& typed);
    // ... or cancel it.
    ScriptedPrompter& cancelText();

    QList<Asked> asked() const { return m_asked; }
    int askedCount() const { return m_asked.size(); }
    // Every question received a scripted answer, and no scripted answer is left.
    bool allAnswered() const { return problems().isEmpty(); }
    QStringList problems() const;

    QMessageBox::StandardButton message(QMessageBox::Icon icon, const QString& title,
                                        const QString& text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton,
                                        const QString& informativeText, QWidget* parent) override;
    int choose(const Choice& choice) override;
    QString getText(const QString& title, const QString& label, QLineEdit::EchoMode mode,
                    const QString& text, bool* ok, QWidget* parent) override;

private:
    struct Answer
    {
        QString kind;
        QMessageBox::StandardButton button = QMessageBox::NoButton;
        QString text;
        bool ok = true;
        QString questionPart;
    };
    ScriptedPrompter& script(const QString& kind, const QString& text = QString(),
                             QMessageBox::StandardButton button = QMessageBox::NoButton, bool ok = true,
                             const QString& questionPart = QString());
    bool takeAnswer(const QString& kind, const Asked& asked, Answer* answer);

    QQueue<Answer> m_answers;
    QList<Asked> m_asked;
    QStringList m_unanswered;
};

#endif // SCRIPTEDPROMPTER_H
