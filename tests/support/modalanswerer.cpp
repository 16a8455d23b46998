#include "modalanswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>

namespace {
QString plain(QString text)
{
    return text.remove(QLatin1Char('&'));
}

QString describe(QWidget* dialog)
{
    if (auto* box = qobject_cast<QMessageBox*>(dialog))
        return QStringList{box->windowTitle(), box->text(), box->informativeText()}.join(QLatin1Char('|'));
    if (auto* input = qobject_cast<QInputDialog*>(dialog))
        return QStringList{input->windowTitle(), input->labelText()}.join(QLatin1Char('|'));
    return dialog->windowTitle() + QLatin1Char('|') + dialog->metaObject()->className();
}
} // namespace

ModalAnswerer::ModalAnswerer(QObject* parent)
    : QObject(parent)
{
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    m_timer.start(20);
}

ModalAnswerer::~ModalAnswerer() = default;

ModalAnswerer& ModalAnswerer::pressButton(const QString& buttonText)
{
    m_answers.enqueue({Answer::Button, buttonText});
    return *this;
}

ModalAnswerer& ModalAnswerer::typeText(const QString& text)
{
    m_answers.enqueue({Answer::Text, text});
    return *this;
}

ModalAnswerer& ModalAnswerer::reject()
{
    m_answers.enqueue({Answer::Reject, QString()});
    return *this;
}

QStringList ModalAnswerer::problems() const
{
    QStringList result = m_problems;
    for (const Answer& left : m_answers)
        result << QStringLiteral("answer never used: %1").arg(left.value);
    return result;
}

void ModalAnswerer::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) {
        // Offscreen platforms may not activate the window: look for any visible box.
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible() && top->isModal() && (qobject_cast<QMessageBox*>(top) || qobject_cast<QInputDialog*>(top)))
                modal = top;
    }
    if (!modal || !modal->isVisible() || !(qobject_cast<QMessageBox*>(modal) || qobject_cast<QInputDialog*>(modal)))
        return;
    answer(modal);
}

void ModalAnswerer::answer(QWidget* dialog)
{
    m_seen << describe(dialog);
    if (m_answers.isEmpty()) {
        m_problems << QStringLiteral("unexpected dialog: ") + describe(dialog);
        if (auto* d = qobject_cast<QDialog*>(dialog))
            d->reject();
        return;
    }
    const Answer next = m_answers.dequeue();
    auto* box = qobject_cast<QMessageBox*>(dialog);
    auto* input = qobject_cast<QInputDialog*>(dialog);
    if (next.kind == Answer::Reject) {
        static_cast<QDialog*>(dialog)->reject();
    } else if (next.kind == Answer::Button && box) {
        for (QAbstractButton* button : box->buttons()) {
            if (plain(button->text()) == plain(next.value)) {
                button->click();
                return;
            }
        }
        m_problems << QStringLiteral("no button \"%1\" in: %2").arg(next.value, describe(dialog));
        box->reject();
    } else if (next.kind == Answer::Text && input) {
        input->setTextValue(next.value);
        input->accept();
    } else {
        m_problems << QStringLiteral("answer \"%1\" does not fit: %2").arg(next.value, describe(dialog));
        static_cast<QDialog*>(dialog)->reject();
    }
}
