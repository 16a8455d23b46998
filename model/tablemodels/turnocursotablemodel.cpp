#include "turnocursotablemodel.h"

#include "curso.h"
#include "dao.h"
#include "turnocurso.h"

#include <QDebug>
#include <QSqlQuery>

TurnoCursoTableModel::TurnoCursoTableModel(QObject* parent)
    : EntityTableModel(titles(), parent)
{
    load();
}

QStringList TurnoCursoTableModel::titles()
{
    return {tr("Course"), tr("Shift"), tr("Description"), tr("Price"), tr("Number of subjects")};
}

void TurnoCursoTableModel::load()
{
    replaceRows(TurnoCurso::listForModel());
    m_numTurnosAsignatura.clear();
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
    load();
    endResetModel();
}

QVariant TurnoCursoTableModel::cell(TurnoCurso* turno, const QModelIndex& index) const
{
    switch (index.column()) {
    case 0:
        return turno->getCurso() ? turno->getCurso()->nombre() : QVariant();
    case 1:
        return turno->getNombre();
    case 2:
        return turno->getCurso() ? turno->getCurso()->descripcion() : QVariant();
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
    const TurnoCurso* turno = rowAt(index);
    return turno ? turno->getId() : -1;
}
