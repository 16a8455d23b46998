#ifndef GUITEST_H
#define GUITEST_H

#include "testenv.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

// What the shell dialogs' tests share.
namespace GuiTest {

// A missing widget fails the running test (it does not end the test
// program) and answers a hidden stand-in, so that the steps after it do nothing
// harmful instead of crashing.
template <typename T>
T* child(const QWidget& parent, const char* name)
{
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (found)
        return found;
    QTest::qFail(qPrintable(QStringLiteral("missing %1").arg(QLatin1String(name))), __FILE__, __LINE__);
    static T* standIn = nullptr;
    if (!standIn)
        standIn = new T;
    return standIn;
}

inline void click(const QWidget& dialog, const char* button)
{
    QTest::mouseClick(child<QPushButton>(dialog, button), Qt::LeftButton);
}

inline void clickBox(const QWidget& dialog, QDialogButtonBox::StandardButton which)
{
    QTest::mouseClick(child<QDialogButtonBox>(dialog, "buttonBox")->button(which), Qt::LeftButton);
}

inline void clickOk(const QWidget& dialog)
{
    clickBox(dialog, QDialogButtonBox::Ok);
}

// Runs the action on the first visible top-level T once it shows; for modal
// dialogs opened by the code under test.
template <typename T>
void whenShown(std::function<void(T*)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* found = qobject_cast<T*>(top);
            if (found && found->isVisible()) {
                timer->stop();
                timer->deleteLater();
                action(found);
                return;
            }
        }
    });
    timer->start();
}

} // namespace GuiTest

// Every scripted answer of a ModalAnswerer used, and no dialog unforeseen.
#define VERIFY_ANSWERED(answerer) QVERIFY2((answerer).allAnswered(), qPrintable((answerer).problems().join(u'\n')))

#endif // GUITEST_H
