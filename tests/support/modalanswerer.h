#ifndef MODALANSWERER_H
#define MODALANSWERER_H

#include <QObject>
#include <QQueue>
#include <QStringList>
#include <QTimer>

class QWidget;

// Answers real modal message boxes and input dialogs that the code under test
// opens with exec(). Answers are used in order. A modal dialog that appears
// with no answer left is recorded and rejected, so the test fails instead of
// hanging. Check problems() (or allAnswered()) at the end of the test.
class ModalAnswerer : public QObject
{
    Q_OBJECT
public:
    explicit ModalAnswerer(QObject* parent = nullptr);
    ~ModalAnswerer() override;

    // Press the button whose text (mnemonic ampersands ignored) is buttonText.
    ModalAnswerer& pressButton(const QString& buttonText);
    // Type into the input dialog and accept it.
    ModalAnswerer& typeText(const QString& text);
    // Reject (Escape) whatever dialog comes next.
    ModalAnswerer& reject();

    // The texts of the dialogs seen, in order (title, text and informative text).
    QStringList seen() const { return m_seen; }
    QStringList problems() const;
    bool allAnswered() const { return problems().isEmpty(); }

private slots:
    void poll();

private:
    struct Answer
    {
        enum Kind { Button, Text, Reject } kind;
        QString value;
    };
    void answer(QWidget* dialog);
    QQueue<Answer> m_answers;
    QStringList m_seen;
    QStringList m_problems;
    QTimer m_timer;
};

#endif // MODALANSWERER_H
