#include "alumnotablemodel.h"

#include "alumno.h"
#include "daorow.h"
#include "tablatelefonos.h"

#include <QDebug>
#include <QHash>
#include <QSet>

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
    replaceRows(load());
    m_rowsLoaded.take();
    followTables({QStringLiteral("alumno"), QStringLiteral("telefonoalumno"), QStringLiteral("alta")});
}

// The students of the mode as Alumno::list reads them, with their phones.
QList<AlumnoFila*> AlumnoTableModel::load(const QString& filtro) const
{
    QList<AlumnoFila*> filas;
    const int modo = filtro.isEmpty() ? m_modo : int(Alumno::Modo::Todos);
    Alumno::readList(modo, [&filas](const DaoRow& row) {
        // the columns of Alumno::COLUMNS, in their order
        auto* f = new AlumnoFila;
        f->id = int(row.integer(0));
        f->nombre = row.text(1);
        f->apellidos = row.text(2);
        f->instituto = row.text(3);
        f->observaciones = row.text(4);
        f->dni = row.text(6);
        f->localidad = row.text(8);
        f->cp = row.text(10);
        f->email = row.text(11);
        f->descuento = row.real(12);
        f->banco = row.text(13);
        filas << f;
    }, filtro);
    QList<int> ids;
    ids.reserve(filas.size());
    for (const AlumnoFila* f : std::as_const(filas))
        ids << f->id;
    const QHash<int, Alumno::Telefonos> telefonos = Alumno::telefonosDe(ids);
    for (AlumnoFila* f : std::as_const(filas))
        f->telefonos = telefonos.value(f->id);
    return filas;
}

QVariant AlumnoTableModel::cell(AlumnoFila* a, const QModelIndex& index) const
{
    switch (Column(index.column())) {
    case Column::Nombre: return a->nombre;
    case Column::Apellidos: return a->apellidos;
    case Column::Instituto: return a->instituto;
    case Column::Observaciones: return a->observaciones;
    case Column::Dni: return a->dni;
    case Column::Localidad: return a->localidad;
    case Column::Cp: return a->cp;
    case Column::Email: return a->email;
    case Column::Descuento: return a->descuento;
    case Column::Banco: return a->banco;
    case Column::Telefonos: return TablaTelefonos::texto(a->telefonos);
    case Column::Count: break;
    }
    qWarning() << "AlumnoTableModel trying to get an unknown column";
    return QVariant();
}

int AlumnoTableModel::rowId(const AlumnoFila* a) const
{
    return a->id;
}

void AlumnoTableModel::refresh()
{
    QList<AlumnoFila*> filas = load();
    beginResetModel();
    replaceRows(filas);
    m_rowsLoaded.take();
    endResetModel();
}

// Sign-ups and the date decide only who is listed, never what a row shows:
// while the students and their phones are as loaded, a change to them moves
// the few students who come or go (a sign-up saved, a withdrawal) instead of
// reloading thousands.
void AlumnoTableModel::catchUp()
{
    if (!m_rowsLoaded.isCurrent() || !followMembership())
        refresh();
    else
        noteCurrent();
}

// False, with nothing changed, when so many come or go that a reload is cheaper.
bool AlumnoTableModel::followMembership()
{
    if (m_modo == int(Alumno::Modo::Todos))
        return true;
    const QList<int> listed = Alumno::ids(m_modo);
    const QSet<int> wanted(listed.cbegin(), listed.cend());
    QList<int> leaving;
    QSet<int> shown;
    for (int row = 0; row < rowCount(); ++row) {
        const int id = rowObject(row)->id;
        shown.insert(id);
        if (!wanted.contains(id))
            leaving << row;
    }
    QStringList coming;
    for (int id : listed)
        if (!shown.contains(id))
            coming << QString::number(id);
    constexpr int kFew = 200;
    if (leaving.size() + coming.size() > kFew)
        return false;
    // from the last, so that the rows before keep their numbers
    for (auto it = leaving.crbegin(); it != leaving.crend(); ++it)
        removeRowAt(*it);
    if (!coming.isEmpty())
        appendRows(load(QStringLiteral("id IN (%1)").arg(coming.join(QLatin1Char(',')))));
    return true;
}

int AlumnoTableModel::getId(const QModelIndex& index) const
{
    return idAt(index);
}
