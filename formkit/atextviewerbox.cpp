#include "atextviewerbox.h"
#include "screenfit.h"
#include "ui_atextviewerbox.h"

#include <QFile>

ATextViewerBox::ATextViewerBox(const QString& fileName, QWidget* parent, Qt::WindowFlags f)
    : QDialog(parent, f)
    , ui(new Ui::ATextViewerBox)
{
    ui->setupUi(this);
    keepDialogOnScreen(this);
    ui->label->hide();

    QFile file(fileName);
    if (!file.exists()) {
        qWarning("%s", qPrintable(QStringLiteral("File is not accesible \"%1\"").arg(fileName)));
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("%s", qPrintable(QStringLiteral("Failed to open file \"%1\" %2 \"%3\"")
                                      .arg(fileName).arg(file.error()).arg(file.errorString())));
        return;
    }
    const QByteArray bytes = file.readAll();
    const qsizetype end = bytes.indexOf('\0');
    ui->textBrowser->setText(QString::fromLatin1(end < 0 ? bytes : bytes.left(end)));
    if (file.error() != QFile::NoError)
        qWarning("%s", qPrintable(QStringLiteral("Error reading file \"%1\" %2 \"%3\"")
                                      .arg(fileName).arg(file.error()).arg(file.errorString())));
}

ATextViewerBox::~ATextViewerBox()
{
    delete ui;
}

void ATextViewerBox::setPixmap(const QPixmap& pixmap)
{
    if (pixmap.isNull()) {
        ui->label->hide();
        return;
    }
    ui->label->setPixmap(pixmap);
    ui->label->show();
}

QString ATextViewerBox::text() const
{
    return ui->textBrowser->toPlainText();
}
