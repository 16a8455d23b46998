#include "profesordialog.h"
#include "ui_profesordialog.h"

#include "aprompter.h"
#include "cccvalidator.h"
#include "dnivalidator.h"
#include "emailvalidator.h"
#include "tablatelefonos.h"
#include "profesor.h"

#include <QCoreApplication>
#include <QRegularExpressionValidator>
#include <QCalendarWidget>
#include <QSettings>

namespace {
const QString SIN_CUENTA = QStringLiteral("---");

void setRegExp(QLineEdit* edit, const QString& pattern)
{
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
}

bool payOption(const char* key, bool byDefault)
{
    QSettings settings;
    settings.beginGroup(QStringLiteral("CONFIGURATION"));
    return settings.value(QLatin1String(key), byDefault).toBool();
}
} // namespace

ProfesorDialog::ProfesorDialog(QWidget* parent, int idProfesor, Qt::WindowFlags f)
    : ADialog(parent, f)
    , ui(new Ui::ProfesorDialog)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    connect(ui->btnAddTelefono, &QPushButton::clicked, this, &ProfesorDialog::addTelefono);
    connect(ui->btnRemoveTelefono, &QPushButton::clicked, this, &ProfesorDialog::delTelefono);
    connect(ui->deAlta, &QDateEdit::dateChanged, this, &ProfesorDialog::altaChanged);
    connect(ui->cbSinBaja, &QCheckBox::clicked, this, [this](bool checked) { setBajaEnabled(!checked); });
    connect(ui->leCCC, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_cccTecleado = text;
        m_cccEditado = true;
    });
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &ProfesorDialog::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &ProfesorDialog::reject);
    installValidators();

    if (idProfesor < 1) {
        ui->deAlta->setDate(QDate::currentDate());
        ui->deBaja->setDate(QDate::currentDate().addMonths(1));
        setBajaEnabled(false);
        ui->cbSinBaja->setChecked(true);
    } else {
        m_profesor = Profesor::getFromDB(idProfesor);
        if (m_profesor) {
            m_profesor->setParent(this);
            m_sueldosGuardados = {m_profesor->sueldoFijo(), m_profesor->sueldoPorHora(),
                                  m_profesor->sueldoPorcentaje()};
            fillFromProfesor();
        }
    }
    applyPayOptions();
}

ProfesorDialog::~ProfesorDialog()
{
    delete ui;
}

void ProfesorDialog::installValidators()
{
    setRegExp(ui->leNombre, QStringLiteral("^.+$"));
    setRegExp(ui->leApellidos, QStringLiteral("^.+$"));
    setRegExp(ui->leApodo, QStringLiteral("^.*$"));
    setRegExp(ui->leDireccion, QStringLiteral("^.*$"));
    setRegExp(ui->leBanco, QStringLiteral("^.*$"));
    ui->leMail->setValidator(new EmailValidator(ui->leMail));
    ui->leDNI->setValidator(new DNIValidator(true, ui->leDNI));
    ui->leCCC->setValidator(new CCCValidator(true, ui->leCCC));
    // two-digit years are ambiguous for register dates decades apart
    QString formato = QLocale().dateFormat(QLocale::ShortFormat);
    if (!formato.contains(QLatin1String("yyyy")))
        formato.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    for (QDateEdit* fecha : {ui->deAlta, ui->deBaja}) {
        fecha->calendarWidget()->setFirstDayOfWeek(Qt::Monday);
        fecha->setDisplayFormat(formato);
    }
}

QList<ProfesorDialog::FilaSueldo> ProfesorDialog::filasSueldo() const
{
    return {
        {ui->lbSueldoFijoMes, ui->sbSueldoFijoMes, m_sueldosGuardados.value(0), payOption("cobro_mes", false)},
        {ui->lbSueldoFijoHora, ui->sbSueldoFijoHora, m_sueldosGuardados.value(1), payOption("cobro_hora", false)},
        {ui->lbPorcentajeSueldo, ui->sbPorcentajeSueldo, m_sueldosGuardados.value(2),
         payOption("cobro_porcentaje", true)},
    };
}

void ProfesorDialog::applyPayOptions()
{
    const QList<FilaSueldo> filas = filasSueldo();
    for (const FilaSueldo& fila : filas) {
        fila.label->setVisible(fila.shown);
        fila.spinBox->setVisible(fila.shown);
        if (!fila.shown)
            fila.spinBox->setValue(0);
    }
}

bool ProfesorDialog::confirmHiddenPayLoss()
{
    QStringList perdidos;
    const QList<FilaSueldo> filas = filasSueldo();
    for (const FilaSueldo& fila : filas) {
        if (!fila.shown && fila.stored != 0)
            perdidos << QStringLiteral("%1: %2%3").arg(fila.label->text(), QString::number(fila.stored, 'g', 6),
                                                      fila.spinBox->suffix());
    }
    if (perdidos.isEmpty())
        return true;
    const QMessageBox::StandardButton answer = APrompter::instance()->message(
        QMessageBox::Question, QCoreApplication::applicationName(),
        tr("Saving will set pay rates to 0"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
        tr("The academy's billing options no longer offer these pay kinds, but this teacher has them "
           "stored:\n%1\nDo you want to save the teacher with them set to 0?")
            .arg(perdidos.join(QLatin1Char('\n'))));
    return answer == QMessageBox::Yes;
}

void ProfesorDialog::setBajaEnabled(bool enabled)
{
    ui->deBaja->setEnabled(enabled);
    ui->lb_deBaja->setEnabled(enabled);
}

void ProfesorDialog::fillFromProfesor()
{
    const Profesor* p = m_profesor;
    ui->leNombre->setText(p->nombre());
    ui->leApellidos->setText(p->apellidos());
    ui->leApodo->setText(p->apodo());
    ui->leBanco->setText(p->banco());
    ui->leCCC->setText(p->ccc());
    ui->leCP->setText(p->cp());
    ui->leDescuento->setValue(p->retencion());
    ui->leDireccion->setText(p->direccion());
    ui->leDirBanco->setText(p->direccionBanco());
    ui->leDNI->setText(p->dni());
    ui->leMail->setText(p->email());
    ui->leLocalidad->setText(p->localidad());
    ui->leProvincia->setText(p->provincia());
    ui->deAlta->setDate(p->fAlta());
    ui->deBaja->setDate(p->fBaja());
    ui->sbSueldoFijoMes->setValue(p->sueldoFijo());
    ui->sbPorcentajeSueldo->setValue(p->sueldoPorcentaje());
    ui->sbSueldoFijoHora->setValue(p->sueldoPorHora());
    ui->deBaja->setMinimumDate(ui->deAlta->date());
    const bool conBaja = p->fBaja().isValid();
    if (!conBaja)
        ui->deBaja->setDate(QDate::currentDate());
    ui->cbSinBaja->setChecked(!conBaja);
    setBajaEnabled(conBaja);

    ui->tableTelefonos->clearContents();
    ui->tableTelefonos->setRowCount(0);
    const Profesor::Telefonos telefonos = p->telefonos();
    for (const auto& telefono : telefonos) {
        const int row = ui->tableTelefonos->rowCount();
        ui->tableTelefonos->insertRow(row);
        ui->tableTelefonos->setItem(row, 0, new QTableWidgetItem(telefono.first));
        ui->tableTelefonos->setItem(row, 1, new QTableWidgetItem(telefono.second));
    }
}

bool ProfesorDialog::keepStoredCcc() const
{
    const QString text = ui->leCCC->text();
    if (text == SIN_CUENTA)
        return true;
    // The validator's fix-up empties "---" when the field loses focus; only an
    // account the user emptied himself is erased.
    return text.isEmpty() && m_cccEditado && !m_cccTecleado.isEmpty();
}

void ProfesorDialog::readIntoProfesor()
{
    if (!m_profesor)
        m_profesor = new Profesor(this);
    Profesor* p = m_profesor;
    p->setNombre(ui->leNombre->text());
    p->setApellidos(ui->leApellidos->text());
    p->setApodo(ui->leApodo->text());
    p->setBanco(ui->leBanco->text());
    p->setCp(ui->leCP->text());
    p->setRetencion(ui->leDescuento->value());
    p->setDireccion(ui->leDireccion->text());
    p->setDireccionBanco(ui->leDirBanco->text());
    p->setDni(ui->leDNI->text());
    p->setEmail(ui->leMail->text());
    p->setLocalidad(ui->leLocalidad->text());
    p->setProvincia(ui->leProvincia->text());
    p->setSueldoFijo(ui->sbSueldoFijoMes->value());
    p->setSueldoPorHora(ui->sbSueldoFijoHora->value());
    p->setSueldoPorcentaje(ui->sbPorcentajeSueldo->value());
    if (!keepStoredCcc())
        p->setCcc(ui->leCCC->text());
    p->setFAlta(ui->deAlta->date());
    p->setFBaja(ui->cbSinBaja->isChecked() ? QDate() : ui->deBaja->date());

    Profesor::Telefonos telefonos;
    for (int row = 0; row < ui->tableTelefonos->rowCount(); ++row) {
        const QTableWidgetItem* numero = ui->tableTelefonos->item(row, 1);
        if (!numero)
            continue;
        const QTableWidgetItem* nombre = ui->tableTelefonos->item(row, 0);
        const QPair<QString, QString> telefono(nombre ? nombre->text() : QString(), numero->text());
        // a row added and left without name and number is no phone
        if (!TablaTelefonos::enBlanco(telefono))
            telefonos.append(telefono);
    }
    p->setTelefonos(telefonos);
}

void ProfesorDialog::accept()
{
    if (!validateLineEdits())
        return;
    if (!confirmHiddenPayLoss())
        return;
    readIntoProfesor();
    const bool ok = m_profesor->id() < 1 ? m_profesor->persist() : m_profesor->update();
    if (!ok) {
        // The write took back what it did; the dialog keeps what was typed.
        APrompter::instance()->message(QMessageBox::Warning, QCoreApplication::applicationName(),
                                       tr("The teacher could not be saved"), QMessageBox::Ok,
                                       QMessageBox::NoButton,
                                       tr("Nothing has been stored. Check the data and try again."));
        return;
    }
    QDialog::accept();
}

void ProfesorDialog::addTelefono()
{
    const int row = ui->tableTelefonos->rowCount();
    ui->tableTelefonos->insertRow(row);
    auto* nombre = new QTableWidgetItem;
    ui->tableTelefonos->setItem(row, 0, nombre);
    ui->tableTelefonos->setCurrentItem(nombre);
    ui->tableTelefonos->editItem(nombre);
}

void ProfesorDialog::delTelefono()
{
    const QList<QTableWidgetSelectionRange> ranges = ui->tableTelefonos->selectedRanges();
    if (ranges.size() == 1 && ranges.first().rowCount() == 1)
        ui->tableTelefonos->removeRow(ranges.first().topRow());
}

void ProfesorDialog::altaChanged()
{
    if (ui->deBaja->date() < ui->deAlta->date()) {
        ui->deBaja->setDate(ui->deAlta->date());
        ui->cbSinBaja->setChecked(true);
        setBajaEnabled(false);
    }
    ui->deBaja->setMinimumDate(ui->deAlta->date());
}
