#include "selectprofesordialog.h"

#include "aprompter.h"
#include "profesor.h"
#include "profesordialog.h"

#include <QCoreApplication>

namespace {
QString numero(double value)
{
    return QString::number(value, 'g', 6);
}
} // namespace

SelectProfesorDialog::SelectProfesorDialog(const QList<Profesor*>& excluidos, QWidget* parent,
                                           Qt::WindowFlags f)
    : SelectObjetosDialog(parent, f)
{
    for (Profesor* profesor : excluidos)
        m_idsExcluidos.append(profesor->id());
    cargarObjetos();
    setTextoBotonNuevo(tr("Create new teacher"));
}

void SelectProfesorDialog::cargarObjetos()
{
    // Objects of an earlier load stay children of the picker until it goes.
    m_objetos.clear();
    QStringList nombres;
    const QList<Profesor*> todos = Profesor::getAll();
    for (Profesor* profesor : todos) {
        profesor->setParent(this);
        if (m_idsExcluidos.contains(profesor->id()))
            continue;
        m_objetos.append(profesor);
        nombres.append(profesor->nombreCompleto());
    }
    setObjetos(nombres);
}

Profesor* SelectProfesorDialog::objetoSeleccionado()
{
    const int row = selectedRow();
    if (row < 0 || row >= m_objetos.size())
        return nullptr;
    Profesor* profesor = m_objetos.at(row);
    profesor->setParent(nullptr);
    return profesor;
}

void SelectProfesorDialog::showDetails(int row)
{
    if (row < 0 || row >= m_objetos.size())
        return;
    Profesor* p = m_objetos.at(row);
    const QString euro = QStringLiteral("€");
    muestraDetalles({{tr("Name:"), p->nombre()},
                     {tr("Surname:"), p->apellidos()},
                     {tr("Nickname: "), p->apodo()},
                     {tr("Retentions: "), numero(p->retencion()) + euro},
                     {tr("Salary in %:"), numero(p->sueldoPorcentaje()) + QStringLiteral("%")},
                     {tr("Salary/hour:"), numero(p->sueldoPorHora()) + euro},
                     {tr("Salary/month:"), numero(p->sueldoFijo()) + euro}});
}

void SelectProfesorDialog::accept()
{
    const int row = selectedRow();
    if (row < 0) {
        APrompter::instance()->message(QMessageBox::Warning, QCoreApplication::applicationName(),
                                       tr("No teacher selected"), QMessageBox::Ok, QMessageBox::NoButton,
                                       tr("Select a teacher to be able to accept"));
        return;
    }
    m_objetos.at(row)->setParent(nullptr);
    QDialog::accept();
}

void SelectProfesorDialog::addObjeto()
{
    auto* dialog = new ProfesorDialog(this, 0);
    if (dialog->exec() == QDialog::Accepted)
        cargarObjetos();
}
