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
    : ReadOnlyTableModel(titles(), parent)
    , m_alumnos(Alumno::list(0, QString(), QString()))
{
}

AlumnoTableModel::~AlumnoTableModel()
{
    qDeleteAll(m_alumnos);
}

int AlumnoTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_alumnos.size();
}

QVariant AlumnoTableModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || index.row() < 0 || index.row() >= m_alumnos.size())
        return QVariant();
    const Alumno* a = m_alumnos.at(index.row());
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
    qDeleteAll(m_alumnos);
    m_alumnos = Alumno::list(modo, QString(), QString());
    endResetModel();
}

int AlumnoTableModel::getId(const QModelIndex& index) const
{
    const int row = sourceRow(index, m_alumnos.size());
    if (row < 0) {
        qWarning() << "invalid qModelIndex for get an id on AlumnoTableModel ";
        return -1;
    }
    return m_alumnos.at(row)->id();
}
