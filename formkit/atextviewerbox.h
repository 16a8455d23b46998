#ifndef ATEXTVIEWERBOX_H
#define ATEXTVIEWERBOX_H

#include <QDialog>

namespace Ui {
class ATextViewerBox;
}

// Shows a text file, with an optional logo above it.
class ATextViewerBox : public QDialog
{
    Q_OBJECT
public:
    explicit ATextViewerBox(const QString& fileName, QWidget* parent = nullptr,
                            Qt::WindowFlags f = Qt::WindowFlags());
    ~ATextViewerBox() override;

    // A null pixmap hides the logo.
    void setPixmap(const QPixmap& pixmap);
    QString text() const;

private:
    Ui::ATextViewerBox* ui;
};

#endif // ATEXTVIEWERBOX_H
