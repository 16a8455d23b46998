#include "profesortablemodel.h"

#include "profesor.h"

#include <QDebug>

namespace {
QStringList titles()
{
    return {ProfesorTableModel::tr("Name"),         ProfesorTableModel::tr("Surname"),
            ProfesorTableModel::tr("Nickname"),     ProfesorTableModel::tr("DNI"),
            ProfesorTableModel::tr("City"),         ProfesorTableModel::tr("CP"),
            ProfesorTableModel::tr("Email"),        ProfesorTableModel::tr("Salary %"),
            ProfesorTableModel::tr("Discount"),     ProfesorTableModel::tr("Bank"),
            ProfesorTableModel::tr("Sign up date"), ProfesorTableModel::tr("Withdraw date"),
            ProfesorTableModel::tr("Phone numbers")};
}
}

ProfesorTableModel::ProfesorTableModel(QObject* parent)
    : EntityTableModel(titles(), parent)
{
    replaceRows(Profesor::getAll());
}

QVariant ProfesorTableModel::cell(Profesor* p, const QModelIndex& index) const
{
    switch (index.column()) {
    case 0: return p->nombre();
    case 1: return p->apellidos();
    case 2: return p->apodo();
    case 3: return p->dni();
    case 4: return p->localidad();
    case 5: return p->cp();
    case 6: return p->email();
    case 7: return p->sueldoPorcentaje();
    case 8: return p->retencion();
    case 9: return p->banco();
    case 10: return p->fAlta();
    case 11: return p->fBaja();
    case 12: return p->telefonosToString();
    default:
        qWarning() << "ProfesorTableModel trying to get an unknown column";
        return QVariant();
    }
}

void ProfesorTableModel::refresh()
{
    beginResetModel();
    replaceRows(Profesor::getAll());
    endResetModel();
}

int ProfesorTableModel::getId(const QModelIndex& index) const
{
    const Profesor* profesor = rowAt(index);
    return profesor ? profesor->id() : -1;
}
