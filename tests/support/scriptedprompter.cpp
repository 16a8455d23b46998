#include "scriptedprompter.h"

ScriptedPrompter::ScriptedPrompter()
{
    APrompter::setInstance(this);
}

ScriptedPrompter::~ScriptedPrompter()
{
    APrompter::setInstance(nullptr);
}

ScriptedPrompter& ScriptedPrompter::script(const QString& kind, const QString& text,
                                           QMessageBox::StandardButton button, bool ok,
                                           const QString& questionPart)
{
    Answer a;
    a.questionPart = questionPart;
    a.kind = kind;
    a.text = text;
    a.button = button;
    a.ok = ok;
    m_answers.enqueue(a);
    return *this;
}

ScriptedPrompter& ScriptedPrompter::buttonFor(const QString& questionPart, QMessageBox::StandardButton answer)
{
    return script(QStringLiteral("message"), QString(), answer, true, questionPart);
}

ScriptedPrompter& ScriptedPrompter::choiceFor(const QString& questionPart, const QString& buttonText)
{
    return script(QStringLiteral("choice"), buttonText, QMessageBox::NoButton, true, questionPart);
}

ScriptedPrompter& ScriptedPrompter::textFor(const QString& questionPart, const QString& typed)
{
    return script(QStringLiteral("text"), typed, QMessageBox::NoButton, true, questionPart);
}

ScriptedPrompter& ScriptedPrompter::button(QMessageBox::StandardButton answer)
{
    return script(QStringLiteral("message"), QString(), answer);
}

ScriptedPrompter& ScriptedPrompter::choice(const QString& buttonText)
{
    return script(QStringLiteral("choice"), buttonText);
}

ScriptedPrompter& ScriptedPrompter::text(const QString& typed)
{
    return script(QStringLiteral("text"), typed);
}

ScriptedPrompter& ScriptedPrompter::cancelText()
{
    return script(QStringLiteral("text"), QString(), QMessageBox::NoButton, false);
}

QStringList ScriptedPrompter::problems() const
{
    QStringList result = m_unanswered;
    for (const Answer& left : m_answers)
        result << QStringLiteral("scripted %1 answer never used").arg(left.kind);
    return result;
}

bool ScriptedPrompter::takeAnswer(const QString& kind, const Asked& asked, Answer* answer)
{
    m_asked << asked;
    if (m_answers.isEmpty() || m_answers.head().kind != kind) {
        m_unanswered << QStringLiteral("unanswered %1: %2 %3").arg(kind, asked.text, asked.informativeText);
        return false;
    }
    const QString& part = m_answers.head().questionPart;
    const QString whole = asked.title + u'\n' + asked.text + u'\n' + asked.informativeText;
    if (!part.isEmpty() && !whole.contains(part)) {
        m_unanswered << QStringLiteral("expected a %1 about \"%2\", was asked: %3 %4")
                            .arg(kind, part, asked.text, asked.informativeText);
        m_answers.dequeue();
        return false;
    }
    *answer = m_answers.dequeue();
    return true;
}

QMessageBox::StandardButton ScriptedPrompter::message(QMessageBox::Icon, const QString& title,
                                                      const QString& text,
                                                      QMessageBox::StandardButtons buttons,
                                                      QMessageBox::StandardButton,
                                                      const QString& informativeText, QWidget* parent)
{
    Answer answer;
    if (!takeAnswer(QStringLiteral("message"), {QStringLiteral("message"), title, text, informativeText, {}, parent},
                    &answer))
        return buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::NoButton;
    return answer.button;
}

int ScriptedPrompter::choose(const Choice& choice)
{
    Answer answer;
    if (!takeAnswer(QStringLiteral("choice"),
                    {QStringLiteral("choice"), choice.title, choice.text, choice.informativeText, choice.buttons,
                     choice.parent},
                    &answer))
        return choice.escapeIndex;
    const int index = choice.buttons.indexOf(answer.text);
    if (index < 0)
        m_unanswered << QStringLiteral("no button \"%1\" in: %2").arg(answer.text, choice.buttons.join(QStringLiteral(", ")));
    return index < 0 ? choice.escapeIndex : index;
}

QString ScriptedPrompter::getText(const QString& title, const QString& label, QLineEdit::EchoMode,
                                  const QString&, bool* ok, QWidget* parent)
{
    Answer answer;
    const bool answered =
        takeAnswer(QStringLiteral("text"), {QStringLiteral("text"), title, label, {}, {}, parent}, &answer);
    if (ok)
        *ok = answered && answer.ok;
    return answered && answer.ok ? answer.text : QString();
}
