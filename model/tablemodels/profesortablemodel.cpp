#include "profesortablemodel.h"

#include "profesor.h"

#include <QDebug>

namespace {
ProfesorTableModel* s_instance = nullptr;

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

ProfesorTableModel* ProfesorTableModel::instance()
{
    if (!s_instance)
        s_instance = new ProfesorTableModel(nullptr);
    return s_instance;
}

ProfesorTableModel::ProfesorTableModel(QObject* parent)
    : EntityTableModel(titles(), parent)
{
    replaceRows(Profesor::getAll());
    followTables({QStringLiteral("profesor"), QStringLiteral("telefonoprofesor")});
}

QVariant ProfesorTableModel::cell(Profesor* p, const QModelIndex& index) const
{
    switch (Column(index.column())) {
    case Column::Nombre: return p->nombre();
    case Column::Apellidos: return p->apellidos();
    case Column::Apodo: return p->apodo();
    case Column::Dni: return p->dni();
    case Column::Localidad: return p->localidad();
    case Column::Cp: return p->cp();
    case Column::Email: return p->email();
    case Column::SueldoPorcentaje: return p->sueldoPorcentaje();
    case Column::Retencion: return p->retencion();
    case Column::Banco: return p->banco();
    case Column::FAlta: return p->fAlta();
    case Column::FBaja: return p->fBaja();
    case Column::Telefonos: return p->telefonosToString();
    case Column::Count: break;
    }
    qWarning() << "ProfesorTableModel trying to get an unknown column";
    return QVariant();
}

int ProfesorTableModel::rowId(const Profesor* p) const
{
    return p->id();
}

void ProfesorTableModel::refresh()
{
    beginResetModel();
    replaceRows(Profesor::getAll());
    endResetModel();
}

int ProfesorTableModel::getId(const QModelIndex& index) const
{
    return idAt(index);
}
