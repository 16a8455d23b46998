#include "aprompter.h"

#include <QTextDocument>

#include <QInputDialog>
#include <QPushButton>

namespace {
APrompter* installed = nullptr;
}

APrompter::~APrompter() = default;

QMessageBox::StandardButton APrompter::message(QMessageBox::Icon icon, const QString& title,
                                               const QString& text,
                                               QMessageBox::StandardButtons buttons,
                                               QMessageBox::StandardButton defaultButton,
                                               const QString& informativeText,
                                               QWidget* parent)
{
    QMessageBox box(icon, title, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    if (!informativeText.isEmpty())
        box.setInformativeText(informativeText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

int APrompter::choose(const Choice& choice)
{
    QMessageBox box(choice.icon, choice.title, choice.text, QMessageBox::NoButton, choice.parent);
    if (!choice.informativeText.isEmpty())
        box.setInformativeText(choice.informativeText);
    if (!choice.detailedText.isEmpty())
        box.setDetailedText(choice.detailedText);
    QList<QPushButton*> buttons;
    for (const QString& label : choice.buttons)
        buttons << box.addButton(label, QMessageBox::ActionRole);
    if (choice.defaultIndex >= 0 && choice.defaultIndex < buttons.size())
        box.setDefaultButton(buttons.at(choice.defaultIndex));
    if (choice.escapeIndex >= 0 && choice.escapeIndex < buttons.size())
        box.setEscapeButton(buttons.at(choice.escapeIndex));
    box.exec();
    const int index = buttons.indexOf(static_cast<QPushButton*>(box.clickedButton()));
    return index >= 0 ? index : choice.escapeIndex;
}

QString APrompter::getText(const QString& title, const QString& label,
                           QLineEdit::EchoMode mode, const QString& text, bool* ok,
                           QWidget* parent)
{
    return QInputDialog::getText(parent, title, label, mode, text, ok);
}

QString APrompter::asText(const QString& text)
{
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text) : text;
}

APrompter* APrompter::instance()
{
    static APrompter realDialogs;
    return installed ? installed : &realDialogs;
}

void APrompter::setInstance(APrompter* prompter)
{
    installed = prompter;
}

QMessageBox::StandardButton APrompter::warning(const QString& title, const QString& text,
                                                QWidget* parent)
{
    return instance()->message(QMessageBox::Warning, title, text, QMessageBox::Ok, QMessageBox::NoButton,
                               QString(), parent);
}

QMessageBox::StandardButton APrompter::information(const QString& title, const QString& text,
                                                QWidget* parent)
{
    return instance()->message(QMessageBox::Information, title, text, QMessageBox::Ok, QMessageBox::NoButton,
                               QString(), parent);
}

QMessageBox::StandardButton APrompter::critical(const QString& title, const QString& text,
                                                QWidget* parent)
{
    return instance()->message(QMessageBox::Critical, title, text, QMessageBox::Ok, QMessageBox::NoButton,
                               QString(), parent);
}

QMessageBox::StandardButton APrompter::question(const QString& title, const QString& text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton,
                                                QWidget* parent)
{
    return instance()->message(QMessageBox::Question, title, text, buttons, defaultButton, QString(),
                               parent);
}
