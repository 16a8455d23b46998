#include "alumnotablemodel.h"

#include "alumno.h"

#include <QDebug>

namespace {
QStringList titles()
{
    return {AlumnoTableModel::tr("Name"),     AlumnoTableModel::tr("Surname"),
            AlumnoTableModel::tr("School"),   AlumnoTableModel::tr("Comments"),
            AlumnoTableModel::tr("DNI"),      AlumnoTableModel::tr("City"),
            AlumnoTableModel::tr("CP"),       AlumnoTableModel::tr("Email"),
            AlumnoTableModel::tr("Discount"), AlumnoTableModel::tr("Bank"),
            AlumnoTableModel::tr("Phone numbers")};
}
}

AlumnoTableModel::AlumnoTableModel(QObject* parent)
    : EntityTableModel(titles(), parent)
{
    replaceRows(Alumno::list(modo, QString(), QString()));
}

QVariant AlumnoTableModel::cell(Alumno* a, const QModelIndex& index) const
{
    switch (index.column()) {
    case 0: return a->nombre();
    case 1: return a->apellidos();
    case 2: return a->instituto();
    case 3: return a->observaciones();
    case 4: return a->dni();
    case 5: return a->localidad();
    case 6: return a->cp();
    case 7: return a->email();
    case 8: return a->descuento();
    case 9: return a->banco();
    case 10: return a->telefonosString();
    default:
        qWarning() << "AlumnoTableModel trying to get an unknown column";
        return QVariant();
    }
}

void AlumnoTableModel::refresh()
{
    beginResetModel();
    replaceRows(Alumno::list(modo, QString(), QString()));
    endResetModel();
}

int AlumnoTableModel::getId(const QModelIndex& index) const
{
    const Alumno* alumno = rowAt(index);
    return alumno ? alumno->id() : -1;
}
