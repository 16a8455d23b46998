#include "selectdbdialog.h"
#include "ui_selectdbdialog.h"

#include "aprompter.h"
#include "dao.h"
#include "dbmanager.h"

#include <QApplication>

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
        return;
    }
    if (selection.isEmpty()) {
        qDebug("%s: Se ha dejado la base de datos por defecto como seleccionada.",
               metaObject()->className());
        return;
    }
    if (DBManager::setCurrentDB(selection.first()->text()))
        connectToCurrent();
    fillList();
}

void SelectDBDialog::addDB()
{
    bool ok = false;
    const QString name = APrompter::instance()->getText(tr("New database"), tr("New database name:"),
                                                        QLineEdit::Normal, QString(), &ok, this);
    if (!ok || name.isEmpty())
        return;
    // A refused name (the creation says why) changes nothing: an existing
    // database does not silently become the current one.
    if (!DBManager::createDB(name, false))
        return;
    if (DBManager::setCurrentDB(name))
        connectToCurrent();
    fillList();
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
        tell(tr("The database you are trying to delete is currently selected. Select "
                "another and try again to delete the database."));
        return;
    }
    // Read on a connection of its own: the program stays on the current database.
    if (DBManager::isDBLocked(name, false)) {
        tell(tr("The database you are trying to delete is currently in use by another "
                "instance of the application. It is not possible to delete it"));
        return;
    }
    // Deleting a database loses every record in it: ask first, as for every other deletion.
    const QMessageBox::StandardButton answer = APrompter::question(
        QApplication::applicationName(),
        APrompter::asText(tr("Do you really want to delete the database %1?\nAll its data will be lost.").arg(name)),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No, this);
    if (answer != QMessageBox::Yes)
        return;
    if (!DBManager::deleteDB(name, false))
        APrompter::critical(QApplication::applicationName(),
                            APrompter::asText(tr("It has been impossible to delete the database %1.").arg(name)), this);
    fillList();
}

void SelectDBDialog::tell(const QString& text)
{
    APrompter::instance()->message(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok,
                                   QMessageBox::NoButton, QString(), this);
}

// The program follows the tick: what is written next goes to the current database.
bool SelectDBDialog::connectToCurrent()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool opened = Dao::getInstance()->open(QString(), false);
    QApplication::restoreOverrideCursor();
    if (!opened)
        APrompter::critical(QApplication::applicationName(),
                            APrompter::asText(tr("The database %1 can't be opened.").arg(DBManager::currentDB(false))),
                            this);
    return opened;
}
