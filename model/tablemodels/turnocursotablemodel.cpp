#include "turnocursotablemodel.h"

#include "curso.h"
#include "dao.h"
#include "turnocurso.h"

#include <QDebug>
#include <QSqlQuery>

namespace {
TurnoCursoTableModel* s_instance = nullptr;
}

TurnoCursoTableModel* TurnoCursoTableModel::instance()
{
    if (!s_instance)
        s_instance = new TurnoCursoTableModel(nullptr);
    return s_instance;
}

TurnoCursoTableModel::TurnoCursoTableModel(QObject* parent)
    : EntityTableModel(titles(), parent)
{
    load();
    followTables({QStringLiteral("turnocurso"), QStringLiteral("curso"), QStringLiteral("turnocurso_turnoasignatura"),
                  QStringLiteral("turnoasignatura"), QStringLiteral("asignatura")});
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
    switch (Column(index.column())) {
    case Column::Curso: return turno->getCurso() ? turno->getCurso()->nombre() : QVariant();
    case Column::Turno: return turno->getNombre();
    case Column::Descripcion: return turno->getCurso() ? turno->getCurso()->descripcion() : QVariant();
    case Column::Precio: return turno->getPrecioOrientativo();
    case Column::NumTurnosAsignatura: return m_numTurnosAsignatura.value(turno->getId(), 0);
    case Column::Count: break;
    }
    qWarning() << "TurnoCursoTableModel trying to get an unknown column";
    return QVariant();
}

int TurnoCursoTableModel::rowId(const TurnoCurso* turno) const
{
    return turno->getId();
}

int TurnoCursoTableModel::getId(const QModelIndex& index) const
{
    return idAt(index);
}
