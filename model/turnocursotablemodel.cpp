#include "turnocursotablemodel.h"

#include "curso.h"
#include "dao.h"
#include "turnocurso.h"

#include <QDebug>
#include <QSqlQuery>

TurnoCursoTableModel::TurnoCursoTableModel(QObject* parent)
    : ReadOnlyTableModel(titles(), parent)
{
    load();
}

QStringList TurnoCursoTableModel::titles()
{
    return {tr("Course"), tr("Shift"), tr("Description"), tr("Price"), tr("Number of subjects")};
}

TurnoCursoTableModel::~TurnoCursoTableModel()
{
    qDeleteAll(m_turnos);
}

void TurnoCursoTableModel::load()
{
    m_turnos = TurnoCurso::listForModel();
    // Counted as TurnoCurso::getTurnosAsignatura() lists them: members that
    // are stored subject shifts of a stored subject.
    QSqlQuery query = Dao::getInstance()->query(
        QStringLiteral("SELECT tt.idturnocurso, count(*) FROM turnocurso_turnoasignatura tt JOIN "
                       "turnoasignatura ta ON ta.id = tt.idturnoasignatura JOIN asignatura a ON "
                       "ta.idasignatura = a.id GROUP BY tt.idturnocurso"),
        {});
    while (query.next())
        m_numTurnosAsignatura.insert(query.value(0).toInt(), query.value(1).toInt());
}

void TurnoCursoTableModel::refresh()
{
    beginResetModel();
    qDeleteAll(m_turnos);
    m_turnos.clear();
    m_numTurnosAsignatura.clear();
    load();
    endResetModel();
}

int TurnoCursoTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_turnos.size();
}

QVariant TurnoCursoTableModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() < 0 || index.row() >= m_turnos.size())
        return QVariant();
    TurnoCurso* turno = m_turnos.at(index.row());
    switch (index.column()) {
    case 0:
        return turno->getCurso()->nombre();
    case 1:
        return turno->getNombre();
    case 2:
        return turno->getCurso()->descripcion();
    case 3:
        return turno->getPrecioOrientativo();
    case 4:
        return m_numTurnosAsignatura.value(turno->getId(), 0);
    default:
        qWarning() << "TurnoCursoTableModel trying to get an unknown column";
        return QVariant();
    }
}

int TurnoCursoTableModel::getId(const QModelIndex& index) const
{
    const int row = sourceRow(index, m_turnos.size());
    if (row < 0) {
        qWarning() << "invalid qModelIndex for get an id on TurnoCursoTableModel ";
        return -1;
    }
    return m_turnos.at(row)->getId();
}
