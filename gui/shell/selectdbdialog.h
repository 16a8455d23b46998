#ifndef SELECTDBDIALOG_H
#define SELECTDBDIALOG_H

#include <QDialog>

namespace Ui {
class SelectDBDialog;
}

// Chooses the current academy database, creates new ones and deletes those
// neither current nor in use. The choice is the current-database setting.
class SelectDBDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SelectDBDialog(QWidget* parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());
    ~SelectDBDialog() override;

public slots:
    void addDB();
    void delDB();
    void selectDB();

private:
    void fillList();
    void tell(const QString& text);
    // Opens the current database on the program's connection; says so when it fails.
    bool connectToCurrent();

    Ui::SelectDBDialog* ui;
};

#endif // SELECTDBDIALOG_H
