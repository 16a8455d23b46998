#include "alumno.h"

#include "adatehelper.h"
#include "alta.h"
#include "asignaturasalumnotablemodel.h"
#include "dao.h"
#include "daorow.h"
#include "daotransaction.h"
#include "filaunica.h"
#include "tablatelefonos.h"
#include "valorsql.h"

#include <QDebug>
#include <QHash>
#include <QSqlQuery>

const QString Alumno::TABLE = QStringLiteral("alumno");
const QStringList Alumno::COLUMNS = {
    QStringLiteral("id"),        QStringLiteral("nombre"),    QStringLiteral("apellidos"),
    QStringLiteral("instituto"), QStringLiteral("observaciones"), QStringLiteral("ccc"),
    QStringLiteral("dni"),       QStringLiteral("direccion"), QStringLiteral("localidad"),
    QStringLiteral("provincia"), QStringLiteral("cp"),        QStringLiteral("email"),
    QStringLiteral("descuento"), QStringLiteral("banco"),     QStringLiteral("direccionBanco")};

namespace {
const TablaTelefonos telefonoTable(QStringLiteral("telefonoalumno"), QStringLiteral("idalumno"),
                                   QStringLiteral("alumno"));

// Current students: no enrolment at all, or one not yet withdrawn. Asked as
// two lookups per student rather than a join grouped back to students, which
// carried every column of every enrolment row through the grouping.
const char* const actualesSql =
    "SELECT %1.* FROM %1 WHERE (EXISTS (SELECT 1 FROM %2 WHERE %2.idalumno = %1.id AND (%2.fbaja is "
    "null OR julianday(%2.fbaja) > julianday(?))) OR NOT EXISTS (SELECT 1 FROM %2 WHERE "
    "%2.idalumno = %1.id)) %3 %4";
// Former students: some enrolment, none of them not yet withdrawn.
const char* const antiguosSql =
    "SELECT %1.*\tFROM %1       WHERE ( \t\tSELECT count( * )\t\t  FROM %2\t\t  WHERE %2.idalumno = "
    "%1.id \t    ) \t    > 0 \t    AND\t    ( \t\tSELECT count( * )\t\t  FROM %2\t\t  WHERE "
    "%2.idalumno = %1.id \t\t\tAND\t\t\t( %2.fbaja IS NULL \t\t\t    OR\t\t\tjulianday( %2.fbaja ) "
    "> julianday( ? )  ) \t    ) \t    = 0 %3\t    GROUP BY %1.id %4";

// The same reads from the driver's query and from a row read straight from SQLite.
QString texto(const QSqlQuery& query, int column) { return query.value(column).toString(); }
QString texto(const DaoRow& row, int column) { return row.text(column); }
qlonglong entero(const QSqlQuery& query, int column) { return query.value(column).toLongLong(); }
qlonglong entero(const DaoRow& row, int column) { return row.integer(column); }
double real(const QSqlQuery& query, int column) { return query.value(column).toDouble(); }
double real(const DaoRow& row, int column) { return row.real(column); }

// From this many students on, a list reads every phone instead of naming ids.
constexpr int kListaLarga = 1000;

// LIKE pattern that matches the text literally, with '\' as escape character.
QString literalLike(QString text)
{
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('%'), QLatin1String("\\%"));
    text.replace(QLatin1Char('_'), QLatin1String("\\_"));
    return text;
}
}

Alumno::Alumno(QObject* parent)
    : QObject(parent)
{
}

Alumno::Alumno(int id, QObject* parent)
    : QObject(parent)
    , m_id(id)
{
}

QString Alumno::telefonosString() const
{
    return TablaTelefonos::texto(m_telefonos);
}

// Reads the columns of COLUMNS from a QSqlQuery or a DaoRow.
template<class Row>
Alumno* Alumno::fromRow(const Row& query)
{
    Alumno* a = new Alumno(int(entero(query, 0)));
    a->m_nombre = texto(query, 1);
    a->m_apellidos = texto(query, 2);
    a->m_instituto = texto(query, 3);
    a->m_observaciones = texto(query, 4);
    a->m_ccc = texto(query, 5);
    a->m_dni = texto(query, 6);
    a->m_direccion = texto(query, 7);
    a->m_localidad = texto(query, 8);
    a->m_provincia = texto(query, 9);
    a->m_cp = texto(query, 10);
    a->m_email = texto(query, 11);
    a->m_descuento = real(query, 12);
    a->m_banco = texto(query, 13);
    a->m_direccionBanco = texto(query, 14);
    return a;
}

Alumno* Alumno::fromQuery(QSqlQuery& query)
{
    Alumno* alumno = fromRow(query);
    alumno->loadTelefonos();
    return alumno;
}

Alumno* Alumno::getFromDB(int id)
{
    QSqlQuery query = FilaUnica::select(TABLE, COLUMNS, QStringLiteral("id = ?"), {id});
    return query.isValid() ? fromQuery(query) : nullptr;
}

QList<Alumno*> Alumno::listFromSql(const QString& sql, const QList<QVariant>& values)
{
    // Read straight from SQLite: the students page lists thousands of them.
    QList<Alumno*> result;
    Dao::getInstance()->readRows(sql, values, [&result](const DaoRow& row) { result.append(fromRow(row)); });
    if (result.isEmpty())
        return result;
    QList<int> ids;
    ids.reserve(result.size());
    for (const Alumno* alumno : std::as_const(result))
        ids << alumno->m_id;
    const QHash<int, Telefonos> porAlumno = telefonosDe(ids);
    for (Alumno* alumno : std::as_const(result))
        alumno->m_telefonos = porAlumno.value(alumno->m_id);
    return result;
}

QHash<int, Alumno::Telefonos> Alumno::telefonosDe(const QList<int>& ids)
{
    if (ids.isEmpty())
        return {};
    // The phones of every listed student in one query, not one per student.
    // A long list reads the whole phone table, which costs no more than
    // naming thousands of ids; a short one names its ids (integers read from
    // the database) rather than running the student query again.
    QString telefonosSql = QStringLiteral("SELECT idalumno, nombre, telefono FROM %1 ").arg(telefonoTable.table());
    if (ids.size() < kListaLarga) {
        QString lista;
        lista.reserve(int(ids.size()) * 6);
        for (int id : ids) {
            if (!lista.isEmpty())
                lista += QLatin1Char(',');
            lista += QString::number(id);
        }
        telefonosSql += QStringLiteral("WHERE idalumno IN (%1) ").arg(lista);
    }
    telefonosSql += QStringLiteral("ORDER BY rowid");
    return TablaTelefonos::porDueno(telefonosSql);
}

QString Alumno::listSql(int modo, const QString& orden, const QString& filtro, QList<QVariant>* values)
{
    const char* sqlTemplate = nullptr;
    switch (Modo(modo)) {
    case Modo::Todos: {
        QString sql = QStringLiteral("SELECT %1 FROM %2 ").arg(COLUMNS.join(QLatin1Char(',')), TABLE);
        if (!filtro.isEmpty())
            sql += QStringLiteral("WHERE ") + filtro;
        if (!orden.isEmpty())
            sql += QStringLiteral(" ORDER BY ") + orden;
        return sql;
    }
    case Modo::Actuales: sqlTemplate = actualesSql; break;
    case Modo::Antiguos: sqlTemplate = antiguosSql; break;
    default: return QString();
    }
    // The filter narrows the whole condition, not only its last term.
    const QString condicion =
        filtro.isEmpty() ? QString() : QStringLiteral("AND (") + filtro + QLatin1Char(')');
    const QString orderBy = orden.isEmpty() ? QString() : QStringLiteral("ORDER BY ") + orden;
    // Today is the local date, which julianday('now') (UTC) is not near midnight.
    *values << ADateHelper::today();
    return QString::fromLatin1(sqlTemplate).arg(TABLE, Alta::TABLE, condicion, orderBy);
}

QList<Alumno*> Alumno::list(const QString& orden, const QString& filtro)
{
    return list(int(Modo::Todos), orden, filtro);
}

QList<Alumno*> Alumno::list(int modo, const QString& orden, const QString& filtro)
{
    QList<QVariant> values;
    const QString sql = listSql(modo, orden, filtro, &values);
    return sql.isEmpty() ? QList<Alumno*>() : listFromSql(sql, values);
}

bool Alumno::readList(int modo, const std::function<void(const DaoRow&)>& onRow, const QString& filtro)
{
    QList<QVariant> values;
    const QString sql = listSql(modo, QString(), filtro, &values);
    return !sql.isEmpty() && Dao::getInstance()->readRows(sql, values, onRow);
}

QList<int> Alumno::ids(int modo)
{
    QList<QVariant> values;
    const QString sql = listSql(modo, QString(), QString(), &values);
    QList<int> ids;
    if (!sql.isEmpty())
        Dao::getInstance()->readRows(QStringLiteral("SELECT id FROM (%1)").arg(sql), values,
                                     [&ids](const DaoRow& row) { ids << int(row.integer(0)); });
    return ids;
}

QStringList Alumno::buscarNombre(const QString& apellidos)
{
    // The surnames are matched literally: % and _ typed in them are no wildcards.
    const QString sql = QStringLiteral("SELECT %1||' '||%2 FROM %3 WHERE upper(trim(%4)) like "
                                       "upper(trim(?)) ESCAPE '\\'")
                            .arg(QStringLiteral("nombre"), QStringLiteral("apellidos"), TABLE,
                                 QStringLiteral("apellidos"));
    QStringList result;
    QSqlQuery query = Dao::getInstance()->query(sql, {literalLike(apellidos)});
    while (query.next())
        result << query.value(0).toString();
    return result;
}

void Alumno::loadTelefonos()
{
    m_telefonos = telefonoTable.cargar(m_id);
}

bool Alumno::borrarTelefonos(int idAlumno)
{
    return Dao::getInstance()->deleteFrom(telefonoTable.table(), {QStringLiteral("idalumno")},
                                          {idAlumno});
}

bool Alumno::saveTelefonos(const Telefonos& telefonos)
{
    return telefonoTable.escribir(m_id, telefonos, borrarTelefonos(m_id));
}

QList<QVariant> Alumno::fieldValues() const
{
    return {ValorSql::texto(m_nombre),   ValorSql::texto(m_apellidos),
            ValorSql::texto(m_instituto), ValorSql::texto(m_observaciones),
            ValorSql::texto(m_ccc),      ValorSql::texto(m_dni),
            ValorSql::texto(m_direccion), ValorSql::texto(m_localidad),
            ValorSql::texto(m_provincia), ValorSql::texto(m_cp),
            ValorSql::texto(m_email),    m_descuento,
            ValorSql::texto(m_banco),    ValorSql::texto(m_direccionBanco)};
}

bool Alumno::persist()
{
    if (m_id >= 1) {
        qWarning() << "Intentando almacenar como nuevo un alumno que ya tiene id";
        return false;
    }
    DaoTransaction write(DaoTransaction::OwnOrSavepoint);
    m_id = Dao::getInstance()->insert(TABLE, COLUMNS.mid(1), fieldValues()).toInt();
    if (m_id == 0)
        return false;
    if (!saveTelefonos(m_telefonos) || !write.commit()) {
        write.rollback();
        m_id = 0; // the row is gone again: a retry stores it anew
        return false;
    }
    return true;
}

bool Alumno::update()
{
    if (m_id < 1) {
        qWarning() << "tratando de actualizar un alumno sin id";
        return false;
    }
    Dao* dao = Dao::getInstance();
    DaoTransaction write(DaoTransaction::OwnOrSavepoint);
    QList<QVariant> values;
    values << m_id << fieldValues() << m_id;
    const bool ok =
        dao->update(TABLE, COLUMNS, QStringLiteral("id = ?"), values)
        && dao->update(Alta::TABLE, {QStringLiteral("nombrealumno")}, QStringLiteral("idalumno = ?"),
                       {m_apellidos + QStringLiteral(", ") + m_nombre, m_id})
        && saveTelefonos(m_telefonos) && write.commit();
    if (!ok) {
        write.rollback();
        return false;
    }
    return true;
}

bool Alumno::remove(int id)
{
    bool ok;
    {
        DaoTransaction write(DaoTransaction::OwnOrSavepoint);
        ok = borrarTelefonos(id)
             && Dao::getInstance()->deleteFrom(TABLE, {QStringLiteral("id")}, {id})
             && write.commit();
        // an uncommitted write is taken back when it goes out of scope
    }
    return ok;
}

QList<Alta*> Alumno::altas() const
{
    if (m_id == 0)
        return {};
    return Alta::listAltasPorAlumno(m_id);
}

bool Alumno::darDeBaja(QDate fecha)
{
    if (fecha.isNull())
        fecha = QDate::currentDate();
    bool todas = true;
    const QList<Alta*> lista = altas();
    for (Alta* alta : lista) {
        if (!alta->fbaja().isNull())
            continue;
        if (alta->falta() > fecha) {
            todas = false; // starts later: it stays open
            continue;
        }
        alta->setFbaja(fecha);
        // Leaving a shift never exceeds its capacity: no capacity check.
        if (alta->update(true) != Alta::Almacenada) {
            qWarning() << "No se pudo dar de baja el alta" << alta->id() << "del alumno" << m_id;
            todas = false;
        }
    }
    qDeleteAll(lista);
    return todas;
}

AsignaturasAlumnoTableModel* Alumno::getAsignaturasModel()
{
    if (!m_asignaturasModel)
        m_asignaturasModel = new AsignaturasAlumnoTableModel(m_id, this);
    return m_asignaturasModel;
}

int Alumno::persistAlta(Alta* alta, bool forzar)
{
    const int code = alta->persist(forzar);
    // The student's own enrolment model hands out its objects, so it is not
    // left to the change announcements, which could free them under a caller.
    if (code == Alta::Almacenada && m_asignaturasModel)
        m_asignaturasModel->refresh();
    if (code == Alta::ErrorBaseDeDatos)
        qWarning() << "Error persisting subject relation. Unknown error.";
    return code;
}

int Alumno::updateAlta(Alta* alta, bool forzar)
{
    const int code = alta->update(forzar);
    if (code == Alta::Almacenada && m_asignaturasModel)
        m_asignaturasModel->refresh();
    if (code == Alta::ErrorBaseDeDatos)
        qWarning() << "Error updating subject relation. Unknown error.";
    return code;
}
