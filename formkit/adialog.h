#ifndef ADIALOG_H
#define ADIALOG_H

#include <QDialog>

// Dialog base: geometry remembered under the object name (kept within the
// screen when shown), line edits checked in one call with the invalid ones
// painted.
class ADialog : public QDialog
{
    Q_OBJECT
public:
    explicit ADialog(QWidget* parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());
    ~ADialog() override;

    // True when every line edit of the dialog holds acceptable input.
    bool validateLineEdits();
    void markInvalid(QWidget* widget);
    void storeGeometry();
    void loadGeometry();

protected:
    // Within the screen's available area, the form scrolling when it must.
    void fitToScreen();
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};

#endif // ADIALOG_H
