#include "dateselectdialog.h"
#include "ui_dateselectdialog.h"

DateSelectDialog::DateSelectDialog(const QString& message, const QDate& initial, QWidget* parent,
                                   Qt::WindowFlags f)
    : QDialog(parent, f)
    , ui(new Ui::DateSelectDialog)
{
    ui->setupUi(this);
    ui->lblMessage->setText(message);
    connect(ui->calendar, &QCalendarWidget::clicked, ui->dateEdit, &QDateEdit::setDate);
    connect(ui->dateEdit, &QDateEdit::dateChanged, ui->calendar, &QCalendarWidget::setSelectedDate);
    const QDate start = initial.isValid() ? initial : QDate::currentDate();
    ui->dateEdit->setDate(start);
    ui->calendar->setSelectedDate(start);
}

DateSelectDialog::~DateSelectDialog()
{
    delete ui;
}

void DateSelectDialog::accept()
{
    m_date = ui->dateEdit->date();
    QDialog::accept();
}
