#include "selectdbdialog.h"
#include "ui_selectdbdialog.h"

#include "dao.h"
#include "dbmanager.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

SelectDBDialog::SelectDBDialog(QWidget* parent, Qt::WindowFlags f)
    : QDialog(parent, f), ui(new Ui::SelectDBDialog)
{
    ui->setupUi(this);
    fillList();
    connect(ui->pbSeleccionar, &QPushButton::clicked, this, &SelectDBDialog::selectDB);
    connect(ui->pbAddDB, &QPushButton::clicked, this, &SelectDBDialog::addDB);
    connect(ui->pbDeleteDB, &QPushButton::clicked, this, &SelectDBDialog::delDB);
    connect(ui->listDatabases, &QListWidget::itemDoubleClicked, this, &SelectDBDialog::selectDB);
}

SelectDBDialog::~SelectDBDialog()
{
    delete ui;
}

void SelectDBDialog::fillList()
{
    ui->listDatabases->clear();
    const QStringList names = DBManager::listDBs(false, false);
    const QString current = DBManager::currentDB(false);
    const QIcon selected(QStringLiteral(":/icons/selected.svg"));
    const QIcon unselected(QStringLiteral(":/icons/unselected.svg"));
    for (const QString& name : names)
        new QListWidgetItem(name == current ? selected : unselected, name, ui->listDatabases);
}

void SelectDBDialog::selectDB()
{
    const QList<QListWidgetItem*> selection = ui->listDatabases->selectedItems();
    if (selection.size() > 1) {
        qWarning("%s: Se ha seleccionado más de una base de datos. Esto no debería de ser posible.",
                 metaObject()->className());
        reject();
    } else if (selection.isEmpty()) {
        qDebug("%s: Se ha dejado la base de datos por defecto como seleccionada.",
               metaObject()->className());
        return;
    }
    DBManager::setCurrentDB(selection.first()->text());
    fillList();
}

void SelectDBDialog::addDB()
{
    bool ok = false;
    const QString name = QInputDialog::getText(this, tr("New database"), tr("New database name:"),
                                               QLineEdit::Normal, QString(), &ok);
    if (ok && !name.isEmpty()) {
        DBManager::createDB(name, false);
        DBManager::setCurrentDB(name);
        fillList();
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Dao::getInstance()->open(name, false);
    QApplication::restoreOverrideCursor();
}

void SelectDBDialog::delDB()
{
    const QList<QListWidgetItem*> selection = ui->listDatabases->selectedItems();
    if (selection.size() != 1) {
        qDebug("SelectDBDialog: seleccion.isEmpty()||seleccion.size()!=1");
        return;
    }
    const QString name = selection.first()->text();
    if (name == DBManager::currentDB(false)) {
        QMessageBox box;
        box.setText(tr("The database you are trying to delete is currently selected. Select "
                       "another and try again to delete the database."));
        box.exec();
        return;
    }
    Dao* dao = Dao::getInstance();
    dao->open(name, false);
    if (dao->isLocked()) {
        QMessageBox box;
        box.setText(tr("The database you are trying to delete is currently in use by another "
                       "instance of the application. It is not possible to delete it"));
        box.exec();
        return;
    }
    // Deleting a database loses every record in it: ask first, as for every other deletion.
    const QMessageBox::StandardButton answer = QMessageBox::question(
        this, QApplication::applicationName(),
        tr("Do you really want to delete the database %1?\nAll its data will be lost.").arg(name),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    DBManager::deleteDB(name, false);
    fillList();
}
