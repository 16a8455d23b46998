#include "auladialog.h"
#include "ui_auladialog.h"

#include "aprompter.h"
#include "aula.h"
#include "daotransaction.h"

AulaDialog::AulaDialog(QWidget* parent, int idAula, Qt::WindowFlags f)
    : ADialog(parent, f)
    , ui(new Ui::AulaDialog)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    if (idAula != 0) {
        m_aula = Aula::getFromDB(idAula);
        m_missing = !m_aula;
        if (m_aula)
            fillFields();
        else
            qWarning() << "Classroom to edit not found:" << idAula;
    }
}

bool AulaDialog::found() const
{
    return !m_missing;
}

QString AulaDialog::notFoundText()
{
    return tr("The classroom is no longer stored.");
}

AulaDialog::~AulaDialog()
{
    delete m_aula;
    delete ui;
}

void AulaDialog::fillFields()
{
    ui->edtNombre->setText(m_aula->nombre());
    ui->edtLoc->setText(m_aula->localizacion());
    ui->spbAforo->setValue(m_aula->aforo());
    ui->txtComments->setPlainText(m_aula->comentarios());
}

void AulaDialog::accept()
{
    if (m_missing) {
        // storing would create a classroom nobody asked for
        APrompter::instance()->message(QMessageBox::Warning, tr("Edit classroom"), notFoundText());
        reject();
        return;
    }
    if (ui->edtNombre->text().isEmpty()) {
        markInvalid(ui->edtNombre);
        return;
    }
    Aula* aula = m_aula ? m_aula : new Aula;
    copyFieldsInto(aula);
    if (!store(aula)) {
        if (aula != m_aula)
            delete aula;
        APrompter::instance()->message(QMessageBox::Warning, tr("Edit classroom"),
                                       tr("It has been impossible to store the classroom."), QMessageBox::Ok,
                                       QMessageBox::NoButton, tr("Nothing has been changed."));
        return;
    }
    if (aula != m_aula)
        delete aula;
    ADialog::accept();
}

void AulaDialog::copyFieldsInto(Aula* aula) const
{
    aula->setNombre(ui->edtNombre->text());
    aula->setLocalizacion(ui->edtLoc->text());
    aula->setAforo(ui->spbAforo->value());
    aula->setComentarios(ui->txtComments->toPlainText());
}

bool AulaDialog::store(Aula* aula)
{
    DaoTransaction tx(DaoTransaction::OwnOrSavepoint);
    const bool stored = aula->id() == 0 ? aula->persist() : aula->update();
    return stored && tx.commit();
}
