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
    switch (index.column()) {
    case 0: return alta->nombreAsignatura();
    case 1: return alta->nombreTurnoAsignatura();
    case 2: return alta->falta();
    case 3: return alta->fbaja();
    case 4: return alta->precio();
    case 5: return alta->observaciones();
    default:
        qWarning() << "Trying to access unknown column:" << index;
        return QVariant();
    }
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
