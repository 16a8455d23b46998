#include "asignaturasalumnotablemodel.h"

#include "alta.h"
#include "alumno.h"

#include <QDebug>

namespace {
QStringList titles()
{
    return {AsignaturasAlumnoTableModel::tr("Subject"),
            AsignaturasAlumnoTableModel::tr("Shift"),
            AsignaturasAlumnoTableModel::tr("Sign up date"),
            AsignaturasAlumnoTableModel::tr("Withdraw date"),
            AsignaturasAlumnoTableModel::tr("Price"),
            AsignaturasAlumnoTableModel::tr("Comments")};
}
}

AsignaturasAlumnoTableModel::AsignaturasAlumnoTableModel(int idAlumno, QObject* parent)
    : EntityTableModel(titles(), parent)
    , m_alumno(Alumno::getFromDB(idAlumno))
{
    replaceRows(altas());
}

AsignaturasAlumnoTableModel::~AsignaturasAlumnoTableModel()
{
    delete m_alumno;
}

QList<Alta*> AsignaturasAlumnoTableModel::altas() const
{
    // A student that cannot be loaded simply has no rows.
    return m_alumno ? m_alumno->altas() : QList<Alta*>();
}

QVariant AsignaturasAlumnoTableModel::cell(Alta* alta, const QModelIndex& index) const
{
    switch (Column(index.column())) {
    case Column::Asignatura: return alta->nombreAsignatura();
    case Column::Turno: return alta->nombreTurnoAsignatura();
    case Column::FAlta: return alta->falta();
    case Column::FBaja: return alta->fbaja();
    case Column::Precio: return alta->precio();
    case Column::Observaciones: return alta->observaciones();
    case Column::Count: break;
    }
    qWarning() << "Trying to access unknown column:" << index;
    return QVariant();
}

int AsignaturasAlumnoTableModel::rowId(const Alta* alta) const
{
    return alta->id();
}

void AsignaturasAlumnoTableModel::refresh()
{
    beginResetModel();
    replaceRows(altas());
    endResetModel();
}

Alta* AsignaturasAlumnoTableModel::getId(const QModelIndex& index) const
{
    return rowAt(index);
}
