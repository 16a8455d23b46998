#include "alumnotablemodel.h"

#include "alumno.h"

#include <QDebug>

namespace {
AlumnoTableModel* s_instance = nullptr;

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

AlumnoTableModel* AlumnoTableModel::instance()
{
    if (!s_instance)
        s_instance = new AlumnoTableModel(nullptr);
    return s_instance;
}

AlumnoTableModel::AlumnoTableModel(QObject* parent)
    : EntityTableModel(titles(), parent)
{
    replaceRows(Alumno::list(m_modo, QString(), QString()));
    followTables({QStringLiteral("alumno"), QStringLiteral("telefonoalumno"), QStringLiteral("alta")});
}

QVariant AlumnoTableModel::cell(Alumno* a, const QModelIndex& index) const
{
    switch (Column(index.column())) {
    case Column::Nombre: return a->nombre();
    case Column::Apellidos: return a->apellidos();
    case Column::Instituto: return a->instituto();
    case Column::Observaciones: return a->observaciones();
    case Column::Dni: return a->dni();
    case Column::Localidad: return a->localidad();
    case Column::Cp: return a->cp();
    case Column::Email: return a->email();
    case Column::Descuento: return a->descuento();
    case Column::Banco: return a->banco();
    case Column::Telefonos: return a->telefonosString();
    case Column::Count: break;
    }
    qWarning() << "AlumnoTableModel trying to get an unknown column";
    return QVariant();
}

int AlumnoTableModel::rowId(const Alumno* a) const
{
    return a->id();
}

void AlumnoTableModel::refresh()
{
    beginResetModel();
    replaceRows(Alumno::list(m_modo, QString(), QString()));
    endResetModel();
}

int AlumnoTableModel::getId(const QModelIndex& index) const
{
    return idAt(index);
}
