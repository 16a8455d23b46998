#include "turnoasignaturatablemodel.h"

#include "adatehelper.h"
#include "asignatura.h"
#include "dao.h"
#include "turnoasignatura.h"

#include <QDebug>
#include <QSet>
#include <QSqlQuery>

namespace {
TurnoAsignaturaTableModel* s_instance = nullptr;
}

TurnoAsignaturaTableModel* TurnoAsignaturaTableModel::instance()
{
    if (!s_instance)
        s_instance = new TurnoAsignaturaTableModel(nullptr);
    return s_instance;
}

TurnoAsignaturaTableModel::TurnoAsignaturaTableModel(QObject* parent)
    : EntityTableModel(titles(), parent)
{
    load();
    followTables({QStringLiteral("turnoasignatura"), QStringLiteral("asignatura"), QStringLiteral("curso"),
                  QStringLiteral("turnocurso"), QStringLiteral("turnocurso_turnoasignatura"),
                  QStringLiteral("profesor"), QStringLiteral("profesor_asignatura"), QStringLiteral("alta")});
}

QStringList TurnoAsignaturaTableModel::titles()
{
    return {tr("Subject"), tr("Shift"), tr("Description"), tr("Price"), tr("Courses"),
            tr("Teachers"), tr("Number of students"), tr("Order")};
}

void TurnoAsignaturaTableModel::load()
{
    replaceRows(TurnoAsignatura::listForModel());
    m_cursosPorTurno.clear();
    m_profesoresPorAsignatura.clear();
    Dao* dao = Dao::getInstance();

    QHash<int, QStringList> cursos;
    QSqlQuery query = dao->query(
        QStringLiteral("SELECT tt.idturnoasignatura, c.nombre FROM curso c JOIN turnocurso tc ON c.id = "
                       "tc.idcurso JOIN turnocurso_turnoasignatura tt ON tc.id = tt.idturnocurso"),
        {});
    while (query.next())
        cursos[query.value(0).toInt()].append(query.value(1).toString());
    // A course holding the shift in two of its course shifts is named once.
    for (auto it = cursos.begin(); it != cursos.end(); ++it) {
        it.value().removeDuplicates();
        m_cursosPorTurno.insert(it.key(), it.value().join(QStringLiteral(", ")));
    }

    // A link stored twice (older files) still names its teacher once.
    QHash<int, QStringList> profesores;
    QSet<QPair<int, int>> vistos;
    query = dao->query(QStringLiteral("SELECT pa.idasignatura, p.id, p.nombre FROM profesor_asignatura pa "
                                      "JOIN profesor p ON p.id = pa.idprofesor"),
                       {});
    while (query.next()) {
        const QPair<int, int> clave(query.value(0).toInt(), query.value(1).toInt());
        if (vistos.contains(clave))
            continue;
        vistos.insert(clave);
        profesores[clave.first].append(query.value(2).toString());
    }
    for (auto it = profesores.cbegin(); it != profesores.cend(); ++it)
        m_profesoresPorAsignatura.insert(it.key(), it.value().join(QStringLiteral(", ")));

    countAltas();
    m_rowsLoaded.take();
}

// Enrolments active today, counted as TurnoAsignatura::getNumAltas() counts them.
void TurnoAsignaturaTableModel::countAltas()
{
    m_altasPorTurno.clear();
    QSqlQuery query = Dao::getInstance()->query(
        QStringLiteral("SELECT idturnoasignatura, count(*) FROM alta NOT INDEXED WHERE idturnoasignatura "
                       "is not null and idalumno is not null and falta is not null and "
                       "julianday(falta) <= julianday(?) and (fbaja is null or "
                       "julianday(fbaja) > julianday(?)) GROUP BY idturnoasignatura"),
        {ADateHelper::today(), ADateHelper::today()});
    while (query.next())
        m_altasPorTurno.insert(query.value(0).toInt(), query.value(1).toInt());
}

void TurnoAsignaturaTableModel::refresh()
{
    beginResetModel();
    load();
    endResetModel();
}

// Sign-ups and the date change only the number of students: while the rest
// is as loaded, that column alone is counted again.
void TurnoAsignaturaTableModel::catchUp()
{
    if (!m_rowsLoaded.isCurrent()) {
        refresh();
        return;
    }
    countAltas();
    noteCurrent();
    const int column = int(Column::NumAlumnos);
    if (rowCount() > 0)
        emit dataChanged(index(0, column), index(rowCount() - 1, column), {Qt::DisplayRole});
}

QVariant TurnoAsignaturaTableModel::cell(TurnoAsignatura* turno, const QModelIndex& index) const
{
    Asignatura* asignatura = turno->getAsignatura();
    switch (Column(index.column())) {
    // a shift whose subject doesn't load shows only its own columns
    case Column::Asignatura: return asignatura ? asignatura->nombre() : QVariant();
    case Column::Turno: return turno->getNombre();
    case Column::Descripcion: return asignatura ? asignatura->descripcion() : QVariant();
    case Column::Precio: return turno->getPrecioOrientativo();
    case Column::Cursos: return m_cursosPorTurno.value(turno->id());
    case Column::Profesores: return asignatura ? m_profesoresPorAsignatura.value(asignatura->id()) : QVariant();
    case Column::NumAlumnos: return m_altasPorTurno.value(turno->id(), 0);
    case Column::Orden: return asignatura ? asignatura->edad() : QVariant();
    case Column::Count: break;
    }
    qWarning() << "TurnoAsignaturaTableModel trying to get an unknown column";
    return QVariant();
}

int TurnoAsignaturaTableModel::rowId(const TurnoAsignatura* turno) const
{
    return turno->id();
}

int TurnoAsignaturaTableModel::getId(const QModelIndex& index) const
{
    return idAt(index);
}
