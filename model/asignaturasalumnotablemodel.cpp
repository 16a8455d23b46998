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
    : ReadOnlyTableModel(titles(), parent)
    , m_alumno(Alumno::getFromDB(idAlumno))
{
    // A student that cannot be loaded simply has no rows.
    if (m_alumno)
        m_altas = m_alumno->altas();
}

AsignaturasAlumnoTableModel::~AsignaturasAlumnoTableModel()
{
    qDeleteAll(m_altas);
    delete m_alumno;
}

int AsignaturasAlumnoTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_altas.size();
}

QVariant AsignaturasAlumnoTableModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || index.row() < 0 || index.row() >= m_altas.size())
        return QVariant();
    const Alta* alta = m_altas.at(index.row());
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
    qDeleteAll(m_altas);
    m_altas.clear();
    if (m_alumno)
        m_altas = m_alumno->altas();
    endResetModel();
}

Alta* AsignaturasAlumnoTableModel::getId(const QModelIndex& index) const
{
    const int row = sourceRow(index, m_altas.size());
    if (row < 0) {
        qWarning() << "invalid qModelIndex for get an id on AsignaturasAlumnoTableModel ";
        return nullptr;
    }
    return m_altas.at(row);
}
