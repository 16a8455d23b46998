#include "alumnodialog.h"
#include "ui_alumnodialog.h"

#include "alumno.h"
#include "aprompter.h"
#include "asignaturaalumnodialog.h"
#include "cccvalidator.h"
#include "dnivalidator.h"
#include "emailvalidator.h"
#include "tablatelefonos.h"

#include <QApplication>
#include <QRegularExpressionValidator>

namespace {
const QString redCell = QStringLiteral("#FD6F73");
const QString noAccount = QStringLiteral("---");

void setPattern(QLineEdit* edit, const QString& pattern)
{
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
}

QString cellText(const QTableWidgetItem* item)
{
    return item ? item->text() : QString();
}
} // namespace

AlumnoDialog::AlumnoDialog(QWidget* parent, int idAlumno, Qt::WindowFlags f)
    : ADialog(parent, f)
    , ui(new Ui::AlumnoDialog)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    connect(ui->btnAddTelefono, &QPushButton::clicked, this, &AlumnoDialog::addTelefono);
    connect(ui->btnRemoveTelefono, &QPushButton::clicked, this, &AlumnoDialog::delTelefono);
    connect(ui->leCCC, &QLineEdit::textEdited, this, [this] { m_cccEdited = true; });
    setPattern(ui->leNombre, QStringLiteral("^.+$"));
    setPattern(ui->leApellidos, QStringLiteral("^.+$"));
    setPattern(ui->leDireccion, QStringLiteral("^.*$"));
    setPattern(ui->leInstituto, QStringLiteral("^.*$"));
    setPattern(ui->leBanco, QStringLiteral("^.*$"));
    ui->leMail->setValidator(new EmailValidator(ui->leMail));
    ui->leDNI->setValidator(new DNIValidator(true, ui->leDNI));
    ui->leCCC->setValidator(new CCCValidator(true, ui->leCCC));
    if (idAlumno > 0) {
        m_alumno = Alumno::getFromDB(idAlumno);
        if (m_alumno) {
            m_alumno->setParent(this);
            fillFromAlumno();
        }
    }
}

AlumnoDialog::~AlumnoDialog()
{
    delete ui;
}

void AlumnoDialog::addTelefono()
{
    const int row = ui->tableTelefonos->rowCount();
    ui->tableTelefonos->insertRow(row);
    ui->tableTelefonos->setCurrentCell(row, 0);
    ui->tableTelefonos->editItem(nameCell(row));
}

void AlumnoDialog::delTelefono()
{
    const QModelIndexList rows = ui->tableTelefonos->selectionModel()->selectedRows();
    if (rows.size() == 1) {
        m_markedCells.clear(); // the removed row's cells go with it
        ui->tableTelefonos->removeRow(rows.first().row());
    }
}

QTableWidgetItem* AlumnoDialog::nameCell(int row)
{
    QTableWidgetItem* item = ui->tableTelefonos->item(row, 0);
    if (!item) {
        item = new QTableWidgetItem;
        ui->tableTelefonos->setItem(row, 0, item);
    }
    return item;
}

void AlumnoDialog::fillFromAlumno()
{
    ui->leNombre->setText(m_alumno->nombre());
    ui->leApellidos->setText(m_alumno->apellidos());
    ui->leInstituto->setText(m_alumno->instituto());
    ui->teObservaciones->setPlainText(m_alumno->observaciones());
    ui->leBanco->setText(m_alumno->banco());
    ui->leCCC->setText(m_alumno->ccc());
    if (!ui->leCCC->hasAcceptableInput()) {
        // an account kept in another layout is shown in the validator's one
        QString shown = m_alumno->ccc();
        ui->leCCC->validator()->fixup(shown);
        ui->leCCC->setText(shown);
    }
    ui->leCP->setText(m_alumno->cp());
    ui->leDescuento->setValue(m_alumno->descuento());
    ui->leDireccion->setText(m_alumno->direccion());
    ui->leDirBanco->setText(m_alumno->direccionBanco());
    ui->leDNI->setText(m_alumno->dni());
    ui->leMail->setText(m_alumno->email());
    ui->leLocalidad->setText(m_alumno->localidad());
    ui->leProvincia->setText(m_alumno->provincia());
    ui->tableTelefonos->setRowCount(0);
    for (const auto& telefono : m_alumno->telefonos()) {
        const int row = ui->tableTelefonos->rowCount();
        ui->tableTelefonos->insertRow(row);
        ui->tableTelefonos->setItem(row, 0, new QTableWidgetItem(telefono.first));
        ui->tableTelefonos->setItem(row, 1, new QTableWidgetItem(telefono.second));
    }
}

bool AlumnoDialog::validate()
{
    const bool fieldsOk = validateLineEdits();
    for (const auto& marked : std::as_const(m_markedCells))
        marked.first->setBackground(marked.second);
    m_markedCells.clear();
    return markDuplicatePhoneNames() && fieldsOk;
}

void AlumnoDialog::paintRed(QTableWidgetItem* item)
{
    m_markedCells.append({item, item->background()});
    item->setBackground(QBrush(QColor(redCell)));
}

// Phone names are a student's keys to its phones: each once. False when
// some name repeats; its cells are painted.
bool AlumnoDialog::markDuplicatePhoneNames()
{
    QStringList repeated;
    const int rows = ui->tableTelefonos->rowCount();
    for (int r = 0; r < rows; ++r) {
        const QString name = cellText(ui->tableTelefonos->item(r, 0));
        if (repeated.contains(name) || isBlankRow(r))
            continue;
        bool found = false;
        for (int later = r + 1; later < rows; ++later) {
            if (cellText(ui->tableTelefonos->item(later, 0)) != name || isBlankRow(later))
                continue;
            paintRed(nameCell(later));
            found = true;
        }
        if (found) {
            repeated << name;
            paintRed(nameCell(r));
        }
    }
    return repeated.isEmpty();
}

// A row added and left without name and number is no phone.
bool AlumnoDialog::isBlankRow(int row) const
{
    return TablaTelefonos::enBlanco(
        {cellText(ui->tableTelefonos->item(row, 0)), cellText(ui->tableTelefonos->item(row, 1))});
}

void AlumnoDialog::readIntoAlumno()
{
    if (!m_alumno)
        m_alumno = new Alumno(this);
    m_alumno->setNombre(ui->leNombre->text());
    m_alumno->setApellidos(ui->leApellidos->text());
    m_alumno->setInstituto(ui->leInstituto->text());
    m_alumno->setObservaciones(ui->teObservaciones->toPlainText());
    m_alumno->setBanco(ui->leBanco->text());
    m_alumno->setCp(ui->leCP->text());
    m_alumno->setDescuento(ui->leDescuento->value());
    m_alumno->setDireccion(ui->leDireccion->text());
    m_alumno->setDireccionBanco(ui->leDirBanco->text());
    m_alumno->setDni(ui->leDNI->text());
    m_alumno->setEmail(ui->leMail->text());
    m_alumno->setLocalidad(ui->leLocalidad->text());
    m_alumno->setProvincia(ui->leProvincia->text());
    // "---" keeps the account; so does a field the user never touched, which
    // the validator's clean-up may have emptied.
    const QString ccc = ui->leCCC->text();
    if (ccc != noAccount && (m_cccEdited || !ccc.isEmpty()))
        m_alumno->setCcc(ccc);
    Alumno::Telefonos telefonos;
    for (int r = 0; r < ui->tableTelefonos->rowCount(); ++r) {
        if (!isBlankRow(r))
            telefonos.append({cellText(ui->tableTelefonos->item(r, 0)),
                              cellText(ui->tableTelefonos->item(r, 1))});
    }
    m_alumno->setTelefonos(telefonos);
}

// True when the dialog goes on to store; false leaves it open so that the
// discount can be changed.
bool AlumnoDialog::askAboutBrothers()
{
    const QStringList brothers = Alumno::buscarNombre(m_alumno->apellidos());
    if (brothers.isEmpty() || (m_brothersWarned && m_alumno->descuento() != 0.0))
        return true;
    QString items;
    for (const QString& name : brothers)
        items += QStringLiteral("<li>") + name.toHtmlEscaped() + QStringLiteral("</li>");
    const QMessageBox::StandardButton answer = APrompter::instance()->message(
        QMessageBox::Question, QString(),
        tr("This student may have brothers in the database. Brothers found: <ul>%1</ul>").arg(items),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton,
        tr("Would you like to change the discount for this student?"));
    if (answer != QMessageBox::Yes)
        return true;
    m_brothersWarned = true;
    return false;
}

bool AlumnoDialog::store()
{
    return m_alumno->id() > 0 ? m_alumno->update() : m_alumno->persist();
}

void AlumnoDialog::reportStoreFailure()
{
    APrompter::instance()->message(QMessageBox::Critical, QApplication::applicationName(),
                                   tr("The student could not be saved.") + QStringLiteral("\n")
                                       + tr("Nothing has been stored. Try again; if the error persists "
                                            "contact your provider."));
}

void AlumnoDialog::accept()
{
    if (!validate())
        return;
    readIntoAlumno();
    const bool isNew = m_alumno->id() < 1;
    if (isNew && !askAboutBrothers())
        return;
    if (!store()) {
        reportStoreFailure();
        return;
    }
    if (isNew) {
        auto* signUp = new AsignaturaAlumnoDialog(m_alumno, this);
        signUp->exec();
    }
    QDialog::accept();
}
