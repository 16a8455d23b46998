#ifndef APROMPTER_H
#define APROMPTER_H

#include <QLineEdit>
#include <QMessageBox>
#include <QString>
#include <QStringList>

class QWidget;

// The one way code below the windows asks the user something. The default
// instance shows the real Qt dialogs; tests install their own answers.
class APrompter
{
public:
    // A message box with one button per named answer.
    struct Choice
    {
        QMessageBox::Icon icon = QMessageBox::Question;
        QString title;
        QString text;
        QString informativeText;
        QString detailedText;
        QStringList buttons;
        int defaultIndex = -1;
        int escapeIndex = -1;
        // The window the box belongs to; none: the application's.
        QWidget* parent = nullptr;
    };

    virtual ~APrompter();

    virtual QMessageBox::StandardButton message(QMessageBox::Icon icon, const QString& title,
                                                const QString& text,
                                                QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                                QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
                                                const QString& informativeText = QString(),
                                                QWidget* parent = nullptr);
    // Answers the index of the pressed button; the escape index when the box is closed.
    virtual int choose(const Choice& choice);
    // Answers the typed text; *ok is false when the user cancelled.
    virtual QString getText(const QString& title, const QString& label,
                            QLineEdit::EchoMode mode, const QString& text, bool* ok,
                            QWidget* parent = nullptr);

    // A message that carries typed values (names, file names), shown as the
    // text it is even when a value looks like markup: a box would render it.
    static QString asText(const QString& text);

    static APrompter* instance();
    // Takes no ownership; nullptr restores the real dialogs.
    static void setInstance(APrompter* prompter);

    static QMessageBox::StandardButton warning(const QString& title, const QString& text,
                                               QWidget* parent = nullptr);
    static QMessageBox::StandardButton information(const QString& title, const QString& text,
                                                   QWidget* parent = nullptr);
    static QMessageBox::StandardButton critical(const QString& title, const QString& text,
                                                QWidget* parent = nullptr);
    static QMessageBox::StandardButton question(const QString& title, const QString& text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton,
                                                QWidget* parent = nullptr);
};

#endif // APROMPTER_H
