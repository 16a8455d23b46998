#ifndef DATESELECTDIALOG_H
#define DATESELECTDIALOG_H

#include <QDate>
#include <QDialog>

namespace Ui {
class DateSelectDialog;
}

// Asks for one date under a message; a calendar and a date edit that follow
// each other.
class DateSelectDialog : public QDialog
{
    Q_OBJECT

public:
    // An invalid initial date starts at today.
    DateSelectDialog(const QString& message, const QDate& initial, QWidget* parent = nullptr,
                     Qt::WindowFlags f = Qt::WindowFlags());
    ~DateSelectDialog() override;

    // The chosen date; null unless the dialog was accepted.
    QDate getDate() const { return m_date; }

public slots:
    void accept() override;

private:
    Ui::DateSelectDialog* ui;
    QDate m_date;
};

#endif // DATESELECTDIALOG_H
