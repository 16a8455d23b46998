#ifndef STATUSANSWERS_H
#define STATUSANSWERS_H

#include "appstatusdialog.h"
#include "guitest.h"

#include <QApplication>
#include <QPointer>
#include <QStringList>
#include <QTimer>

// Answers every status dialog that shows, in order: by pressing a button (by
// object name) or by closing it. One that shows with nothing scripted is
// counted and closed, so a test fails instead of hanging.
class StatusAnswers : public QObject
{
public:
    StatusAnswers()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
        m_timer.start(20);
    }
    void press(const char* button) { m_answers << QString::fromLatin1(button); }
    // Closing the window means "fix manually".
    void close() { m_answers << QString(); }
    int shown() const { return m_shown; }
    int unexpected() const { return m_unexpected; }
    bool allUsed() const { return m_answers.isEmpty() && m_unexpected == 0; }

private:
    void poll()
    {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* status = qobject_cast<AppStatusDialog*>(top);
            if (!status || !status->isVisible() || m_seen.contains(status))
                continue;
            m_seen << status;
            ++m_shown;
            if (m_answers.isEmpty()) {
                ++m_unexpected;
                status->reject();
                continue;
            }
            const QString answer = m_answers.takeFirst();
            if (answer.isEmpty())
                status->reject();
            else
                GuiTest::click(*status, qPrintable(answer));
        }
    }
    QTimer m_timer;
    QStringList m_answers;
    QList<QPointer<AppStatusDialog>> m_seen;
    int m_shown = 0;
    int m_unexpected = 0;
};

#endif // STATUSANSWERS_H
