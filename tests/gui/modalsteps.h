#ifndef MODALSTEPS_H
#define MODALSTEPS_H

#include <QApplication>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

// Answers the modal dialogs a step opens, each as soon as it shows (no
// polling interval, so that hundreds of steps stay fast). An expected dialog
// that never showed is a problem; settle() ends the step and forgets answers
// still waiting, so they never act on a later step's dialog.
class ModalSteps
{
public:
    template <typename T>
    void expect(std::function<void(T*)> action)
    {
        auto pending = std::make_shared<bool>(true);
        m_pending << pending;
        schedule<T>(action, pending, m_generation, 0);
    }

    // Processes what is left of the step; false (with a problem) when an expected dialog never showed.
    bool settle()
    {
        QApplication::processEvents();
        bool all = true;
        for (const auto& pending : std::as_const(m_pending)) {
            if (*pending) {
                all = false;
                *pending = false;
            }
        }
        if (!all)
            m_problems << QStringLiteral("an expected dialog did not show");
        m_pending.clear();
        ++*m_generation;
        return all;
    }

    QStringList problems() const { return m_problems; }

private:
    template <typename T>
    void schedule(std::function<void(T*)> action, std::shared_ptr<bool> pending, std::shared_ptr<int> generation,
                  int tries)
    {
        const int mine = *generation;
        QTimer::singleShot(0, [=, this] {
            if (*generation != mine || !*pending)
                return;
            if (T* dialog = qobject_cast<T*>(QApplication::activeModalWidget()); dialog && dialog->isVisible()) {
                *pending = false;
                action(dialog);
            } else if (tries < 5000) {
                schedule<T>(action, pending, generation, tries + 1);
            }
        });
    }

    QList<std::shared_ptr<bool>> m_pending;
    std::shared_ptr<int> m_generation = std::make_shared<int>(0);
    QStringList m_problems;
};

#endif // MODALSTEPS_H
