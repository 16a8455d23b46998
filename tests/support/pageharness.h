#ifndef PAGEHARNESS_H
#define PAGEHARNESS_H

#include "scriptedprompter.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

// Drives a page or dialog the way a user does: actions and fields are found
// by object name, rows are chosen by their entity id, questions are answered
// by their text. Every step answers false and records a problem instead of
// crashing or hanging, so a journey test reads
//     QVERIFY(h.trigger("actionNuevo"));
// and ends with QVERIFY2(h.ok(), qPrintable(h.report())).
class PageHarness
{
public:
    explicit PageHarness(QWidget* root = nullptr);
    ~PageHarness();
    PageHarness(const PageHarness&) = delete;
    PageHarness& operator=(const PageHarness&) = delete;

    void setRoot(QWidget* root) { m_root = root; }
    QWidget* root() const { return m_root; }

    // Triggers the action of that object name (of the root, its children or
    // its actions()); false when it is missing or disabled.
    bool trigger(const char* actionName);
    // Clicks the button of that object name; false when missing or disabled.
    bool click(const char* buttonName);
    // Selects exactly the rows of the item view whose ARole::Id is listed;
    // false when the view is missing or an id is not shown.
    bool selectIds(const char* viewName, const QList<int>& ids);
    // The ids of the view's rows, in the order shown.
    QList<int> shownIds(const char* viewName);
    // Replaces the text of a line edit, spin box, editable combo box or
    // text edit by typing it, as a user would.
    bool type(const char* fieldName, const QString& text);
    // Chooses the combo box entry whose text is given.
    bool choose(const char* comboName, const QString& itemText);
    // Sets a check box or radio button.
    bool check(const char* buttonName, bool checked = true);

    // The next question through the prompter must hold questionPart and gets
    // this answer.
    PageHarness& answerNext(const QString& questionPart, QMessageBox::StandardButton answer);
    PageHarness& answerNext(const QString& questionPart, const QString& buttonText);
    PageHarness& answerNextText(const QString& questionPart, const QString& typed);
    ScriptedPrompter& prompter() { return m_prompter; }

    // Runs action on the first visible top-level T once it shows (within
    // timeoutMs); meant for modal windows the code under test opens with
    // exec(). A window that never shows is a problem.
    template <typename T>
    void whenShown(std::function<void(T*)> action, int timeoutMs = 5000);
    // Processes events until a visible top-level T shows; nullptr (and a
    // problem) on timeout.
    template <typename T>
    T* waitForWindow(int timeoutMs = 5000);

    template <typename T>
    T* find(const char* name);

    // Every scripted answer used, nothing unexpected asked, no step failed.
    bool ok() const { return problems().isEmpty(); }
    QStringList problems() const;
    QString report() const { return problems().join(u'\n'); }
    void fail(const QString& problem) { m_problems << problem; }

private:
    template <typename T>
    static T* visibleTopLevel();

    QPointer<QWidget> m_root;
    ScriptedPrompter m_prompter;
    QStringList m_problems;
    QList<QPointer<QTimer>> m_watchers;
};

template <typename T>
T* PageHarness::visibleTopLevel()
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* found = qobject_cast<T*>(top);
        if (found && found->isVisible())
            return found;
    }
    return nullptr;
}

template <typename T>
T* PageHarness::find(const char* name)
{
    T* found = m_root ? m_root->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    if (!found)
        fail(QStringLiteral("no %1 named %2").arg(QLatin1String(T::staticMetaObject.className()),
                                                  QLatin1String(name)));
    return found;
}

template <typename T>
void PageHarness::whenShown(std::function<void(T*)> action, int timeoutMs)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    const QDeadlineTimer deadline(timeoutMs);
    const QString wanted = QLatin1String(T::staticMetaObject.className());
    QObject::connect(timer, &QTimer::timeout, [this, timer, action, deadline, wanted] {
        if (T* window = visibleTopLevel<T>()) {
            timer->stop();
            timer->deleteLater();
            action(window);
        } else if (deadline.hasExpired()) {
            timer->stop();
            timer->deleteLater();
            fail(QStringLiteral("no %1 showed").arg(wanted));
        }
    });
    m_watchers << timer;
    timer->start();
}

template <typename T>
T* PageHarness::waitForWindow(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (T* window = visibleTopLevel<T>())
            return window;
        QTest::qWait(10);
    }
    fail(QStringLiteral("no %1 showed").arg(QLatin1String(T::staticMetaObject.className())));
    return nullptr;
}

#endif // PAGEHARNESS_H
