#include "selectasignaturasdialog.h"

#include "aprompter.h"
#include "asignatura.h"
#include "asignaturadialog.h"

#include <QCoreApplication>

SelectAsignaturasDialog::SelectAsignaturasDialog(const QList<Asignatura*>& excluidas, QWidget* parent,
                                                 Qt::WindowFlags f)
    : SelectObjetosDialog(parent, f)
{
    for (Asignatura* asignatura : excluidas)
        m_idsExcluidos.append(asignatura->id());
    cargarObjetos();
    setTextoBotonNuevo(tr("Add new subject"));
}

void SelectAsignaturasDialog::cargarObjetos()
{
    // Objects of an earlier load stay children of the picker until it goes.
    m_objetos.clear();
    QStringList nombres;
    const QList<Asignatura*> todas = Asignatura::list();
    for (Asignatura* asignatura : todas) {
        asignatura->setParent(this);
        if (m_idsExcluidos.contains(asignatura->id()))
            continue;
        m_objetos.append(asignatura);
        nombres.append(asignatura->toString());
    }
    setObjetos(nombres);
}

Asignatura* SelectAsignaturasDialog::objetoSeleccionado()
{
    const int row = selectedRow();
    if (row < 0 || row >= m_objetos.size())
        return nullptr;
    Asignatura* asignatura = m_objetos.at(row);
    asignatura->setParent(nullptr);
    return asignatura;
}

void SelectAsignaturasDialog::showDetails(int row)
{
    if (row < 0 || row >= m_objetos.size())
        return;
    Asignatura* a = m_objetos.at(row);
    muestraDetalles({{tr("Name:"), a->nombre()},
                     {tr("Illustrative price:"), QString::number(a->precioOrientativo(), 'g', 6)},
                     {tr("Assigned teachers"), a->profesoresString()},
                     {tr("Description"), a->descripcion()}});
}

void SelectAsignaturasDialog::accept()
{
    const int row = selectedRow();
    if (row < 0) {
        APrompter::instance()->message(QMessageBox::Warning, QCoreApplication::applicationName(),
                                       tr("No subject has been selected"), QMessageBox::Ok,
                                       QMessageBox::NoButton,
                                       tr("Either select one in order to accept or cancel"));
        return;
    }
    m_objetos.at(row)->setParent(nullptr);
    QDialog::accept();
}

void SelectAsignaturasDialog::addObjeto()
{
    auto* dialog = new AsignaturaDialog(this);
    if (dialog->exec() == QDialog::Accepted)
        cargarObjetos();
}
