#include "alumno.h"

#include "alta.h"
#include "alumnotablemodel.h"
#include "asignaturasalumnotablemodel.h"
#include "dao.h"
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
    "null OR julianday(%2.fbaja) > julianday('now'))) OR NOT EXISTS (SELECT 1 FROM %2 WHERE "
    "%2.idalumno = %1.id)) %3 %4";
// Former students: some enrolment, none of them not yet withdrawn.
const char* const antiguosSql =
    "SELECT %1.*\tFROM %1       WHERE ( \t\tSELECT count( * )\t\t  FROM %2\t\t  WHERE %2.idalumno = "
    "%1.id \t    ) \t    > 0 \t    AND\t    ( \t\tSELECT count( * )\t\t  FROM %2\t\t  WHERE "
    "%2.idalumno = %1.id \t\t\tAND\t\t\t( %2.fbaja IS NULL \t\t\t    OR\t\t\tjulianday( %2.fbaja ) "
    "> julianday( 'now' )  ) \t    ) \t    = 0 %3\t    GROUP BY %1.id %4";

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

void Alumno::refreshModel()
{
    AlumnoTableModel::refreshInstance();
}

Alumno* Alumno::fromRow(QSqlQuery& query)
{
    Alumno* a = new Alumno(query.value(0).toInt());
    a->m_nombre = query.value(1).toString();
    a->m_apellidos = query.value(2).toString();
    a->m_instituto = query.value(3).toString();
    a->m_observaciones = query.value(4).toString();
    a->m_ccc = query.value(5).toString();
    a->m_dni = query.value(6).toString();
    a->m_direccion = query.value(7).toString();
    a->m_localidad = query.value(8).toString();
    a->m_provincia = query.value(9).toString();
    a->m_cp = query.value(10).toString();
    a->m_email = query.value(11).toString();
    a->m_descuento = query.value(12).toDouble();
    a->m_banco = query.value(13).toString();
    a->m_direccionBanco = query.value(14).toString();
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

QList<Alumno*> Alumno::listFromQuery(QSqlQuery& query)
{
    QList<Alumno*> result;
    while (query.next())
        result.append(fromRow(query));
    if (result.isEmpty())
        return result;
    // The phones of every listed student in one query, not one per student,
    // named by the ids already read rather than by running the student query
    // again as a subquery. The ids are integers read from the database.
    QString ids;
    ids.reserve(int(result.size()) * 6);
    for (const Alumno* alumno : std::as_const(result)) {
        if (!ids.isEmpty())
            ids += QLatin1Char(',');
        ids += QString::number(alumno->m_id);
    }
    const QString sql = QStringLiteral("SELECT idalumno, nombre, telefono FROM %1 WHERE idalumno IN (%2) "
                                       "ORDER BY rowid")
                            .arg(telefonoTable.table(), ids);
    QSqlQuery phones = Dao::getInstance()->query(sql);
    const QHash<int, Telefonos> porAlumno = TablaTelefonos::porDueno(phones);
    for (Alumno* alumno : std::as_const(result))
        alumno->m_telefonos = porAlumno.value(alumno->m_id);
    return result;
}

QList<Alumno*> Alumno::list(const QString& orden, const QString& filtro)
{
    QSqlQuery query = Dao::getInstance()->select(TABLE, COLUMNS, filtro, orden, {});
    return listFromQuery(query);
}

QList<Alumno*> Alumno::list(int modo, const QString& orden, const QString& filtro)
{
    const char* sqlTemplate = nullptr;
    switch (Modo(modo)) {
    case Modo::Todos: return list(orden, filtro);
    case Modo::Actuales: sqlTemplate = actualesSql; break;
    case Modo::Antiguos: sqlTemplate = antiguosSql; break;
    default: return {};
    }
    // The filter narrows the whole condition, not only its last term.
    const QString condicion =
        filtro.isEmpty() ? QString() : QStringLiteral("AND (") + filtro + QLatin1Char(')');
    const QString orderBy = orden.isEmpty() ? QString() : QStringLiteral("ORDER BY ") + orden;
    const QString sql = QString::fromLatin1(sqlTemplate)
                            .arg(TABLE, Alta::TABLE, condicion, orderBy);
    QSqlQuery query = Dao::getInstance()->query(sql);
    return listFromQuery(query);
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
    refreshModel();
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
    refreshModel();
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
    refreshModel();
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
