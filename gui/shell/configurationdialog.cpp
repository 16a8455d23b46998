#include "configurationdialog.h"
#include "ui_configurationdialog.h"

#include "academia.h"
#include "aprompter.h"
#include "aula.h"
#include "dao.h"
#include "daotransaction.h"
#include "estadoacademia.h"
#include "estadoacademiafallo.h"
#include "recibo.h"
#include "sesiondeclase.h"
#include "spinboxdelegate.h"

#include <QApplication>
#include <QDate>
#include <QFileDialog>
#include <QFileInfo>
#include <QHash>
#include <QHeaderView>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <iterator>

namespace {

const char* const configurationGroup = "CONFIGURATION";
const char* const sessionGroup = "LASTSESSIONSTATUS";

enum ClassroomColumn { NameColumn = 0, CapacityColumn, LocationColumn, DescriptionColumn };

using Form = Ui::ConfigurationDialog;

// The settings the dialog shows and writes back, each with its widget and,
// below, what an absent key shows where that is not empty.
const struct {
    const char* key;
    QLineEdit* Form::*edit;
} textSettings[] = {
    {"academia_denominacion", &Form::leDenominacion},
    {"academia_nombre", &Form::leNombreComercial},
    {"academia_direccion", &Form::leDireccion},
    {"recibo_expedidoEn", &Form::leExpedidoEn},
    {"academia_e-mail", &Form::leMail},
    {"academia_nif", &Form::leNIF},
    {"academia_telefono", &Form::leTelefono},
    {"academia_web", &Form::leWeb},
};

// Office hours are stored as time values.
const struct {
    const char* key;
    QTimeEdit* Form::*edit;
    QTime absent;
} officeHourSettings[] = {
    {"secretaria_horaApertura1", &Form::sbHoraAperturaSecretaria1, QTime(8, 0)},
    {"secretaria_horaCierre1", &Form::sbHoraCierreSecretaria1, QTime(14, 0)},
    {"secretaria_horaApertura2", &Form::sbHoraAperturaSecretaria2, QTime(16, 0)},
    {"secretaria_horaCierre2", &Form::sbHoraCierreSecretaria2, QTime(20, 0)},
};

// Opening hours are stored as an hour and a minute, read elsewhere as such.
const struct {
    const char* hourKey;
    const char* minuteKey;
    QTimeEdit* Form::*edit;
    QTime absent;
} openingHourSettings[] = {
    {"hora_apertura", "minuto_apertura", &Form::dtHoraApertura, QTime(9, 30)},
    {"hora_cierre", "minuto_cierre", &Form::dtHoraCierre, QTime(22, 0)},
};

// The payment methods, one per row of the list.
const struct {
    const char* key;
    bool absent;
} paymentSettings[] = {{"cobro_mes", false}, {"cobro_hora", false}, {"cobro_porcentaje", true}};

QString key(const char* name)
{
    return QString::fromLatin1(name);
}

QTime storedTime(const QSettings& settings, const char* hourKey, const char* minuteKey,
                 QTime absent)
{
    return QTime(settings.value(key(hourKey), absent.hour()).toInt(),
                 settings.value(key(minuteKey), absent.minute()).toInt());
}

// The opening hours as stored; absent keys count as midnight.
QList<QTime> storedOpeningHours(const QSettings& settings)
{
    QList<QTime> times;
    for (const auto& setting : openingHourSettings)
        times << storedTime(settings, setting.hourKey, setting.minuteKey, QTime(0, 0));
    return times;
}

// Held as a number, so that the column sorts 2, 8, 20, 100.
QTableWidgetItem* capacityItem(int aforo)
{
    auto* item = new QTableWidgetItem;
    item->setData(Qt::EditRole, aforo);
    return item;
}

QString cellText(const QTableWidget* table, int row, int column)
{
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QString();
}

} // namespace

ConfigurationDialog::ConfigurationDialog(QWidget* parent, Qt::WindowFlags f)
    : ADialog(parent, f), ui(new Ui::ConfigurationDialog)
{
    ui->setupUi(this);

    // Classroom table, its capacity editor and its actions; the menu is built
    // when first asked for.
    ui->twAulas->setItemDelegateForColumn(CapacityColumn, new spinBoxDelegate(this));
    const QSize wholeEditor = spinBoxDelegate::wholeEditorSize(ui->twAulas);
    QHeaderView* rows = ui->twAulas->verticalHeader();
    const int gridLine = ui->twAulas->showGrid() ? 1 : 0; // the editor covers the cell within it
    rows->setDefaultSectionSize(std::max(rows->defaultSectionSize(), wholeEditor.height() + gridLine));
    ui->twAulas->setColumnWidth(CapacityColumn,
                                std::max(ui->twAulas->columnWidth(CapacityColumn), wholeEditor.width() + gridLine));
    addAction(ui->actionAdd_classroom);
    addAction(ui->actionDelete_classroom);
    ui->twAulas->addAction(ui->actionAdd_classroom);
    ui->twAulas->addAction(ui->actionDelete_classroom);
    connect(ui->twAulas, &QWidget::customContextMenuRequested, this,
            &ConfigurationDialog::showContextMenu);
    connect(ui->twAulas->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &ConfigurationDialog::sortColumn);
    connect(ui->btnNewAula, &QPushButton::clicked, this, &ConfigurationDialog::addAula);
    connect(ui->actionAdd_classroom, &QAction::triggered, this, &ConfigurationDialog::addAula);
    connect(ui->btnDeleteAula, &QPushButton::clicked, this, &ConfigurationDialog::removeAulas);
    connect(ui->actionDelete_classroom, &QAction::triggered, this,
            &ConfigurationDialog::removeAulas);

    connect(ui->pbCambiaPass, &QPushButton::clicked, this, &ConfigurationDialog::cambiaPassword);
    connect(ui->pbCambiarLogo, &QPushButton::clicked, this, &ConfigurationDialog::setLogo);
    connect(ui->pbNuevaSerie, &QPushButton::clicked, this, &ConfigurationDialog::nuevaSerie);
    connect(ui->pbEliminarSeriesVacias, &QPushButton::clicked, this,
            &ConfigurationDialog::eliminarSeriesVacias);
    connect(ui->sbHoraAperturaSecretaria2, &QDateTimeEdit::dateTimeChanged, this,
            &ConfigurationDialog::secretariaTime);
    connect(ui->sbHoraCierreSecretaria2, &QDateTimeEdit::dateTimeChanged, this,
            &ConfigurationDialog::secretariaTime);

    loadValues();
}

ConfigurationDialog::~ConfigurationDialog()
{
    QSettings settings;
    settings.beginGroup(QLatin1String(sessionGroup));
    const QHeaderView* header = ui->twAulas->horizontalHeader();
    settings.setValue(QStringLiteral("aulas_last_index"), header->sortIndicatorSection());
    settings.setValue(QStringLiteral("aulas_last_order"), int(header->sortIndicatorOrder()));
    settings.endGroup();
    delete ui;
}

void ConfigurationDialog::loadValues()
{
    QSettings settings;
    settings.beginGroup(QLatin1String(configurationGroup));
    for (const auto& setting : textSettings)
        (ui->*setting.edit)->setText(settings.value(key(setting.key)).toString());
    for (const auto& setting : officeHourSettings)
        (ui->*setting.edit)->setTime(settings.value(key(setting.key), setting.absent).toTime());
    for (const auto& setting : openingHourSettings)
        (ui->*setting.edit)->setTime(
            storedTime(settings, setting.hourKey, setting.minuteKey, setting.absent));
    for (int row = 0; row < int(std::size(paymentSettings)); ++row)
        ui->cobroListWidget->item(row)->setCheckState(
            settings.value(key(paymentSettings[row].key), paymentSettings[row].absent).toBool()
                ? Qt::Checked
                : Qt::Unchecked);
    ui->cbMostrarTurno->setChecked(settings.value(QStringLiteral("recibo_mostrarturno"), false).toBool());
    ui->sbDiasVencimiento->setValue(settings.value(QStringLiteral("recibo_diasVencimiento"), 0).toInt());

    settings.endGroup();
    // Shown, not stored: the series changes only when the dialog is accepted.
    m_serie = Recibo::serieSinElegir() ? QString::number(QDate::currentDate().year()) : Recibo::getSerieActual();

    ui->sbProximoRecibo->setValue(Recibo::getSiguienteNumeroRecibo());
    ui->lblLogo->setPixmap(Academia::logo());
    fillSeriesCombo();
    fillClassroomTable();
    restoreClassroomSort();
}

bool ConfigurationDialog::logoChanged() const
{
    return m_logoChanged;
}

// The series come as an unordered set: sorted, the combo reads the same at
// every run and dropping an empty series falls back to the latest one.
void ConfigurationDialog::fillSeriesCombo()
{
    QStringList withBills = Recibo::getSeries(true);
    ui->pbEliminarSeriesVacias->setEnabled(!withBills.isEmpty());
    QStringList series = withBills;
    if (!m_serie.isNull() && !series.contains(m_serie))
        series << m_serie;
    series.sort();
    ui->cbSeries->clear();
    ui->cbSeries->addItems(series);
    ui->cbSeries->setCurrentIndex(ui->cbSeries->findText(m_serie, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void ConfigurationDialog::accept()
{
    if (!validateClassrooms() || !noChangesPending())
        return;

    // The database first, all or nothing; the settings only once it is stored,
    // so that a failure leaves everything as it was.
    DaoTransaction tx;
    if (!writeAulas()) {
        reportClassroomFailure();
        return;
    }
    const bool stored = (!ui->cbForzar->isChecked()
                         || Recibo::forzarNumeroRecibo(ui->sbProximoRecibo->value(), QString()))
                        && Recibo::setSerieActual(ui->cbSeries->currentText()) && Recibo::marcarSerieElegida()
                        && tx.commit();
    if (!stored) {
        tx.rollback();
        reportSaveFailure(tr("It has been impossible to save the configuration."), tr("Nothing has been changed."));
        return;
    }
    m_aulasToDelete.clear();

    QSettings settings;
    settings.beginGroup(QLatin1String(configurationGroup));
    const QList<QTime> oldOpeningHours = storedOpeningHours(settings);

    for (const auto& setting : textSettings)
        settings.setValue(key(setting.key), (ui->*setting.edit)->text());
    for (const auto& setting : officeHourSettings)
        settings.setValue(key(setting.key), (ui->*setting.edit)->time());
    for (const auto& setting : openingHourSettings) {
        const QTime time = (ui->*setting.edit)->time();
        settings.setValue(key(setting.hourKey), time.hour());
        settings.setValue(key(setting.minuteKey), time.minute());
    }
    for (int row = 0; row < int(std::size(paymentSettings)); ++row)
        settings.setValue(key(paymentSettings[row].key),
                          ui->cobroListWidget->item(row)->checkState() == Qt::Checked);
    settings.setValue(QStringLiteral("recibo_mostrarturno"), ui->cbMostrarTurno->isChecked());
    settings.setValue(QStringLiteral("recibo_diasVencimiento"), ui->sbDiasVencimiento->value());
    settings.setValue(QStringLiteral("isFirstTime"), false);

    if (m_logoChanged)
        ui->lblLogo->pixmap().save(Academia::logoPath(), "PNG");

    if (storedOpeningHours(settings) != oldOpeningHours && sessionsOutsideOpeningHours())
        APrompter::warning(title(), tr("There are some sessions outside opening times."), this);
    settings.endGroup();

    emit horarioShouldRefresh();
    QDialog::accept();
}

// What OK confirms is stored when confirmed: joined to changes still pending
// elsewhere, their later revert would take it back.
bool ConfigurationDialog::noChangesPending()
{
    if (!Dao::getInstance()->inTransaction())
        return true;
    APrompter::critical(title(),
                        tr("The configuration cannot be stored while other changes are pending.") + QLatin1Char('\n')
                            + tr("Save or revert them first. Nothing has been changed."),
                        this);
    return false;
}

QString ConfigurationDialog::title() const
{
    return QApplication::applicationName();
}

bool ConfigurationDialog::sessionsOutsideOpeningHours()
{
    bool outside = false;
    const QList<EstadoAcademia*> results = Academia::comprobarEstado();
    for (EstadoAcademia* result : results) {
        // Faults stay with the academy services; the other results are ours.
        if (result->tipo() != EstadoAcademia::Fallo)
            delete result;
        else if (static_cast<EstadoAcademiaFallo*>(result)->tipoFallo()
                 == EstadoAcademiaFallo::FueraDeHorario)
            outside = true;
    }
    return outside;
}

bool ConfigurationDialog::cambiaPassword()
{
    bool ok = false;
    APrompter* prompter = APrompter::instance();
    const QString current = prompter->getText(tr("Current password"), tr("Current password"),
                                              QLineEdit::Password, QString(), &ok, this);
    if (!ok)
        return false;
    if (!Dao::checkPasswordStatic(current)) {
        APrompter::critical(title(), tr("Input password is not right"), this);
        return false;
    }

    QString label = tr("Input desired password.");
    for (;;) {
        const QString first =
            prompter->getText(tr("New password"), label, QLineEdit::Password, QString(), &ok, this);
        if (!ok)
            return false;
        const QString second = prompter->getText(tr("New password"), tr("Retype password."),
                                                 QLineEdit::Password, QString(), &ok, this);
        if (!ok)
            return false;
        if (first != second) {
            label = tr("Entered passwords don't match.") + QLatin1Char('\n')
                    + tr("Input a password again");
            continue;
        }
        // An empty password would leave the database open to anyone; start-up refuses it too.
        if (first.isEmpty()) {
            label = tr("The password can't be empty.") + QLatin1Char('\n')
                    + tr("Input a password again");
            continue;
        }
        const bool stored = Dao::setPasswordStatic(first);
        if (stored)
            APrompter::information(title(), tr("The password has been changed."), this);
        else
            APrompter::critical(title(),
                                tr("It has been impossible to change the password.") + QLatin1Char('\n')
                                    + tr("The previous password is still in use."),
                                this);
        return stored;
    }
}

void ConfigurationDialog::setLogo()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Select logo"),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        tr("Image Files (*.png *.jpg *.bmp)"));
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    const QPixmap picture(path);
    ui->lblLogo->setPixmap(picture.isNull() ? picture
                                            : picture.scaled(300, 300, Qt::KeepAspectRatio,
                                                             Qt::SmoothTransformation));
    m_logoChanged = true;
}

void ConfigurationDialog::nuevaSerie()
{
    m_serie = ui->cbSeries->currentText();
    bool ok = false;
    const QString serie = APrompter::instance()->getText(tr("New series"), tr("New series' name:"),
                                                         QLineEdit::Normal, QString(), &ok, this);
    if (ok && !serie.isEmpty())
        m_serie = serie;
    fillSeriesCombo();
}

void ConfigurationDialog::eliminarSeriesVacias()
{
    m_serie = ui->cbSeries->currentText();
    QStringList withBills = Recibo::getSeries(true);
    withBills.sort();
    if (!withBills.isEmpty() && !withBills.contains(m_serie))
        m_serie = withBills.last();
    fillSeriesCombo();
}

void ConfigurationDialog::secretariaTime()
{
    const QString style = ui->sbHoraAperturaSecretaria2->time() == ui->sbHoraCierreSecretaria2->time()
                              ? QStringLiteral("color:grey")
                              : QString();
    ui->sbHoraAperturaSecretaria2->setStyleSheet(style);
    ui->sbHoraCierreSecretaria2->setStyleSheet(style);
}

// Classrooms

void ConfigurationDialog::fillClassroomTable()
{
    const QList<Aula*> aulas = Aula::list();
    QTableWidget* table = ui->twAulas;
    table->setRowCount(aulas.size());
    for (int row = 0; row < aulas.size(); ++row) {
        const Aula* aula = aulas.at(row);
        auto* name = new QTableWidgetItem(aula->nombre());
        name->setData(Qt::UserRole, aula->id());
        table->setItem(row, NameColumn, name);
        table->setItem(row, CapacityColumn, capacityItem(aula->aforo()));
        table->setItem(row, LocationColumn, new QTableWidgetItem(aula->localizacion()));
        table->setItem(row, DescriptionColumn, new QTableWidgetItem(aula->comentarios()));
    }
    qDeleteAll(aulas);
}

void ConfigurationDialog::restoreClassroomSort()
{
    QSettings settings;
    settings.beginGroup(QLatin1String(sessionGroup));
    const int order = settings.value(QStringLiteral("aulas_last_order"), 0).toInt();
    const int index = settings.value(QStringLiteral("aulas_last_index"), 0).toInt();
    settings.endGroup();
    ui->twAulas->horizontalHeader()->setSortIndicator(
        index, order == 1 ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void ConfigurationDialog::sortColumn(int column)
{
    ui->twAulas->sortItems(column, ui->twAulas->horizontalHeader()->sortIndicatorOrder());
}

void ConfigurationDialog::showContextMenu(const QPoint& point)
{
    if (!m_classroomMenu) {
        m_classroomMenu = new QMenu(this);
        m_classroomMenu->addAction(ui->actionAdd_classroom);
        m_classroomMenu->addAction(ui->actionDelete_classroom);
    }
    ui->actionDelete_classroom->setEnabled(!ui->twAulas->selectedItems().isEmpty());
    m_classroomMenu->popup(ui->twAulas->viewport()->mapToGlobal(point));
}

void ConfigurationDialog::addAula()
{
    QTableWidget* table = ui->twAulas;
    int n = table->rowCount() + 1;
    QString name;
    for (;;) {
        name = tr("Classroom ") + QString::number(n);
        bool taken = false;
        for (int row = 0; row < table->rowCount() && !taken; ++row)
            taken = cellText(table, row, NameColumn).compare(name, Qt::CaseInsensitive) == 0;
        if (!taken)
            break;
        ++n;
    }
    const int row = table->rowCount();
    table->insertRow(row);
    auto* nameItem = new QTableWidgetItem(name);
    nameItem->setData(Qt::UserRole, 0);
    table->setItem(row, NameColumn, nameItem);
    table->setItem(row, CapacityColumn, capacityItem(0));
    table->setItem(row, LocationColumn, new QTableWidgetItem(QString()));
    table->setItem(row, DescriptionColumn, new QTableWidgetItem(QString()));
}

void ConfigurationDialog::removeAulas()
{
    QTableWidget* table = ui->twAulas;
    const QModelIndexList selectedRows = table->selectionModel()->selectedRows();
    QList<int> rows;
    for (const QModelIndex& index : selectedRows)
        rows.append(index.row());
    std::sort(rows.begin(), rows.end(), std::greater<int>());

    for (int row : rows) {
        const QTableWidgetItem* nameItem = table->item(row, NameColumn);
        const int id = nameItem ? nameItem->data(Qt::UserRole).toInt() : 0;
        if (id == 0) {
            table->removeRow(row);
            continue;
        }
        const QList<SesionDeClase*> sesiones = SesionDeClase::listByAula(id);
        if (sesiones.isEmpty()) {
            m_aulasToDelete.append(id);
            table->removeRow(row);
            continue;
        }
        Aula* aula = Aula::getFromDB(id);
        const QString aulaName = aula ? aula->nombre() : nameItem->text();
        delete aula;
        QString list = QStringLiteral("<ul>");
        for (const SesionDeClase* sesion : sesiones)
            list += tr("<li>%1 at %2:%3</li>")
                        .arg(QLocale().dayName(sesion->getDiaSemana(), QLocale::LongFormat))
                        .arg(sesion->getHoraInicio(), 2, 10, QLatin1Char('0'))
                        .arg(sesion->getMinutoHoraInicio(), 2, 10, QLatin1Char('0'));
        list += QStringLiteral("</ul>");
        qDeleteAll(sesiones);
        // the name goes into markup escaped
        APrompter::warning(title(),
                           tr("<html>It is not possible to delete a classroom with sessions. <br/>")
                               + tr("Classroom %1, which you are trying to delete, has the following sessions: "
                                    "<br/>%2<br/> Edit them before deleting the classroom.")
                                     .arg(aulaName.toHtmlEscaped(), list),
                           this);
    }
}

bool ConfigurationDialog::validateClassrooms()
{
    for (int row = 0; row < ui->twAulas->rowCount(); ++row) {
        if (!cellText(ui->twAulas, row, NameColumn).isEmpty())
            continue;
        const QMessageBox::StandardButton answer = APrompter::instance()->message(
            QMessageBox::Warning, title(),
            tr("There is a nameless classroom") + QLatin1Char('\n')
                + tr("The classroom won't be saved. Do you want to save other changes or cancel "
                     "and go back to put it a name?"),
            QMessageBox::Save | QMessageBox::Cancel, QMessageBox::NoButton, QString(), this);
        if (answer != QMessageBox::Save)
            return false;
    }
    return true;
}

bool ConfigurationDialog::saveAulas()
{
    if (!noChangesPending())
        return false;
    DaoTransaction tx;
    if (writeAulas() && tx.commit()) {
        m_aulasToDelete.clear();
        return true;
    }
    reportClassroomFailure();
    return false;
}

bool ConfigurationDialog::writeAulas()
{
    QHash<int, Aula*> storedAulas;
    const QList<Aula*> aulas = Aula::list();
    for (Aula* aula : aulas)
        storedAulas.insert(aula->id(), aula);

    bool ok = true;
    QTableWidget* table = ui->twAulas;
    for (int row = 0; row < table->rowCount() && ok; ++row) {
        const QString name = cellText(table, row, NameColumn);
        if (name.isEmpty())
            continue;
        const int id = table->item(row, NameColumn)->data(Qt::UserRole).toInt();
        const int aforo = table->item(row, CapacityColumn)
                              ? table->item(row, CapacityColumn)->data(Qt::EditRole).toInt()
                              : 0;
        const QString localizacion = cellText(table, row, LocationColumn);
        const QString comentarios = cellText(table, row, DescriptionColumn);
        if (id == 0) {
            Aula aula(nullptr);
            aula.setNombre(name);
            aula.setAforo(aforo);
            aula.setLocalizacion(localizacion);
            aula.setComentarios(comentarios);
            ok = aula.persist();
            continue;
        }
        Aula* aula = storedAulas.value(id);
        if (!aula) {
            qWarning("Wrong id stored in classroom table!");
            continue;
        }
        if (aula->nombre() == name && aula->aforo() == aforo
            && aula->localizacion() == localizacion && aula->comentarios() == comentarios)
            continue;
        aula->setNombre(name);
        aula->setAforo(aforo);
        aula->setLocalizacion(localizacion);
        aula->setComentarios(comentarios);
        ok = aula->update();
    }
    for (int i = 0; i < m_aulasToDelete.size() && ok; ++i)
        if (Aula* aula = storedAulas.value(m_aulasToDelete.at(i)))
            ok = aula->remove();
    qDeleteAll(aulas);
    return ok;
}

void ConfigurationDialog::reportClassroomFailure()
{
    reportSaveFailure(tr("It has been impossible to save the classrooms."), tr("No classroom has been changed."));
}

void ConfigurationDialog::reportSaveFailure(const QString& headline, const QString& nothingStored)
{
    APrompter::critical(title(), headline + QLatin1Char('\n') + nothingStored, this);
}
