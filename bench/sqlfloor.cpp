#include "sqlfloor.h"

#include <QElapsedTimer>
#include <QStringList>

#include <sqlite3.h>

namespace {

const char* const kGeneracion = R"SQL(
WITH numeracion AS (
    SELECT s.serie AS serie,
           max(CAST((SELECT value FROM property WHERE key = 'siguienterecibo') AS INTEGER),
               coalesce((SELECT max(nrecibo) + 1 FROM recibo WHERE serie = s.serie), 0)) AS primero
    FROM (SELECT value AS serie FROM property WHERE key = 'serieactual') s),
facturados AS MATERIALIZED (
    SELECT idalumno FROM recibo WHERE fecha >= ?2 AND fecha < ?4 AND idalumno IS NOT NULL),
lineas AS MATERIALIZED (
    SELECT a.id, a.idalumno, a.precio, a.preciobase,
           substr(a.nombreasignatura || '......................................................................', 1, 70)
           || CASE WHEN length(printf('%.2f', a.preciobase)) >= 7 THEN printf('%.2f', a.preciobase)
                   ELSE substr('.......' || printf('%.2f', a.preciobase), -7) END AS linea
    FROM alta a
    WHERE a.idalumno IS NOT NULL
      AND julianday(a.falta) <= julianday(?1)
      AND (a.fbaja IS NULL OR julianday(a.fbaja) > julianday(?2))
    ORDER BY a.id)
INSERT INTO recibo (nrecibo, serie, fecha, importe, importepagado, descuento, concepto, datosalumno,
                    pagado, automatico, pagaderoen, idalumno, nombrealumno, apellidosalumno)
SELECT n.primero + row_number() OVER (ORDER BY al.id) - 1, n.serie, ?3,
       CAST(round(sum(l.precio) * 100) AS INTEGER), 0, round(sum(l.preciobase - l.precio), 2),
       group_concat(l.linea, char(10)),
       coalesce(al.nombre, '')
       || CASE WHEN coalesce(al.nombre, '') <> '' AND coalesce(al.apellidos, '') <> '' THEN ' ' ELSE '' END
       || coalesce(al.apellidos, '') || ' ' || char(10) || coalesce(al.direccion, '') || ' ' || char(10)
       || coalesce(al.localidad, '')
       || CASE WHEN coalesce(al.cp, '') <> '' THEN ' ' || al.cp ELSE '' END
       || CASE WHEN coalesce(al.provincia, '') <> '' THEN ' (' || al.provincia || ')' ELSE '' END,
       'false', 'true', al.ccc, al.id, al.nombre, al.apellidos
FROM lineas l
JOIN alumno al ON al.id = l.idalumno
CROSS JOIN numeracion n
WHERE al.id NOT IN facturados
GROUP BY al.id
)SQL";

const char* const kNumeracion = R"SQL(
UPDATE property SET value = CAST(max(CAST(value AS INTEGER), coalesce(
    (SELECT max(nrecibo) + 1 FROM recibo WHERE serie = (SELECT value FROM property WHERE key = 'serieactual')), 0))
    AS TEXT)
WHERE key = 'siguienterecibo'
)SQL";

// Active enrolments as the program counts them for the check: not withdrawn
// by now.
#define ACTIVA(a) "(" a ".fbaja IS NULL OR julianday(" a ".fbaja) > julianday('now'))"

struct Comprobacion {
    const char* sql;
    int hallazgosPorFila; // an overlap pair row stands for two findings
};

const Comprobacion kComprobaciones[] = {
    // students in two places at once: the pairs of a student's enrolments that
    // meet in time first, then the sessions of the two shifts that meet
    {"WITH act AS MATERIALIZED (SELECT id, idalumno, idturnoasignatura AS t, julianday(falta) AS d, "
    "  julianday(fbaja) AS h FROM alta a WHERE idturnoasignatura IS NOT NULL AND idalumno IS NOT NULL AND " ACTIVA("a") "), "
    "pares AS MATERIALIZED (SELECT a1.t AS t1, a2.t AS t2 FROM act a1 JOIN act a2 ON a2.idalumno = a1.idalumno "
    "  AND a2.id > a1.id WHERE (a2.h IS NULL OR a1.d < a2.h) AND (a1.h IS NULL OR a2.d < a1.h)) "
    "SELECT s1.id, s2.id FROM pares p JOIN sesiondeclase s1 ON s1.idturnoasignatura = p.t1 "
    "JOIN sesiondeclase s2 ON s2.idturnoasignatura = p.t2 AND s2.diasemana = s1.diasemana "
    "WHERE s1.id <> s2.id AND s1.minutoinicio < s2.minutofin AND s1.minutofin > s2.minutoinicio", 2},
    // classrooms over capacity
    {"SELECT s.id FROM sesiondeclase s JOIN aula u ON u.id = s.idaula "
    "JOIN (SELECT idturnoasignatura AS t, count(*) AS n FROM alta a WHERE idturnoasignatura IS NOT NULL AND " ACTIVA("a")
    "      GROUP BY idturnoasignatura) c ON c.t = s.idturnoasignatura WHERE c.n > u.aforo", 1},
    // sessions of a running shift without a teacher
    {"SELECT s.id FROM sesiondeclase s WHERE s.idprofesor IS NULL AND EXISTS "
    "(SELECT 1 FROM alta a WHERE a.idturnoasignatura = s.idturnoasignatura AND " ACTIVA("a") ")", 1},
    // teachers, shifts and classrooms in two places at once; the sessions are
    // copied once so that SQLite indexes them on (owner, weekday)
#define SOLAPE(col) \
    "WITH s AS MATERIALIZED (SELECT id, " col " AS k, diasemana, minutoinicio, minutofin FROM sesiondeclase " \
    "  WHERE " col " IS NOT NULL) " \
    "SELECT a.id FROM s a JOIN s b ON b.k = a.k AND b.diasemana = a.diasemana " \
    "WHERE a.id <> b.id AND a.minutoinicio < b.minutofin AND a.minutofin > b.minutoinicio"
    {SOLAPE("idprofesor"), 1},
    {SOLAPE("idturnoasignatura"), 1},
    {SOLAPE("idaula"), 1},
#undef SOLAPE
    // shifts without sessions
    {"SELECT t.id FROM turnoasignatura t WHERE NOT EXISTS (SELECT 1 FROM sesiondeclase s WHERE s.idturnoasignatura = t.id)", 1},
    // sessions outside opening hours (bound: opening and closing minute)
    {"SELECT id FROM sesiondeclase WHERE minutoinicio < ?1 OR minutofin > ?2", 1},
    // course subjects no course shift covers
    {"SELECT ca.idasignatura, ca.idcurso FROM curso_asignatura ca WHERE NOT EXISTS (SELECT 1 FROM turnocurso tc "
    "JOIN turnocurso_turnoasignatura tt ON tt.idturnocurso = tc.id JOIN turnoasignatura ta ON ta.id = tt.idturnoasignatura "
    "WHERE tc.idcurso = ca.idcurso AND ta.idasignatura = ca.idasignatura)", 1},
    // double sign-ups in a shift and in a subject
    {"SELECT min(id) FROM alta a WHERE idturnoasignatura IS NOT NULL AND idalumno IS NOT NULL AND " ACTIVA("a")
    " GROUP BY idturnoasignatura, idalumno HAVING count(*) > 1", 1},
    {"SELECT min(a.id) FROM alta a JOIN turnoasignatura t ON t.id = a.idturnoasignatura "
    "WHERE a.idalumno IS NOT NULL AND " ACTIVA("a") " GROUP BY t.idasignatura, a.idalumno HAVING count(DISTINCT a.idturnoasignatura) > 1", 1},
};

#undef ACTIVA

class Conexion
{
public:
    explicit Conexion(const QString& path)
    {
        if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
            m_error = QString::fromUtf8(m_db ? sqlite3_errmsg(m_db) : "out of memory");
            sqlite3_close(m_db);
            m_db = nullptr;
        }
    }
    ~Conexion() { sqlite3_close(m_db); }
    Conexion(const Conexion&) = delete;
    Conexion& operator=(const Conexion&) = delete;

    bool ok() const { return m_db != nullptr; }
    QString error() const { return m_error; }

    bool exec(const char* sql)
    {
        char* mensaje = nullptr;
        if (sqlite3_exec(m_db, sql, nullptr, nullptr, &mensaje) == SQLITE_OK)
            return true;
        m_error = QString::fromUtf8(mensaje ? mensaje : sqlite3_errmsg(m_db));
        sqlite3_free(mensaje);
        return false;
    }

    // Runs one statement with text parameters; rows counts the rows stepped.
    bool run(const char* sql, const QStringList& params, int* rows, QList<QString>* firstRow = nullptr)
    {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &stmt, nullptr) != SQLITE_OK) {
            m_error = QString::fromUtf8(sqlite3_errmsg(m_db));
            return false;
        }
        for (int i = 0; i < params.size(); ++i) {
            const QByteArray v = params.at(i).toUtf8();
            sqlite3_bind_text(stmt, i + 1, v.constData(), int(v.size()), SQLITE_TRANSIENT);
        }
        int rc;
        int n = 0;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            if (firstRow && n == 0)
                for (int c = 0; c < sqlite3_column_count(stmt); ++c)
                    firstRow->append(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, c))));
            ++n;
        }
        if (rc != SQLITE_DONE)
            m_error = QString::fromUtf8(sqlite3_errmsg(m_db));
        sqlite3_finalize(stmt);
        if (rows)
            *rows = n;
        return rc == SQLITE_DONE;
    }

    int changes() const { return sqlite3_changes(m_db); }

private:
    sqlite3* m_db = nullptr;
    QString m_error;
};

QString iso(const QDate& d)
{
    return d.toString(Qt::ISODate);
}

} // namespace

SqlFloor::Result SqlFloor::generarRecibos(const QString& path, const QDate& ini, const QDate& hoy)
{
    Result r;
    Conexion db(path);
    if (!db.ok()) {
        r.error = db.error();
        return r;
    }
    const QDate fin = ini.addMonths(1);
    QElapsedTimer timer;
    timer.start();
    if (!db.exec("BEGIN")) {
        r.error = db.error();
        return r;
    }
    int filas = 0;
    if (!db.run(kGeneracion, {iso(fin.addDays(-1)), iso(ini), iso(hoy), iso(fin)}, &filas)) {
        r.error = db.error();
        db.exec("ROLLBACK");
        return r;
    }
    r.rows = db.changes();
    if (!db.run(kNumeracion, {}, &filas) || !db.exec("COMMIT")) {
        r.error = db.error();
        db.exec("ROLLBACK");
        return r;
    }
    r.ms = double(timer.nsecsElapsed()) / 1e6;
    r.ok = true;
    return r;
}

SqlFloor::Result SqlFloor::comprobarEstado(const QString& path, int minutoApertura, int minutoCierre)
{
    Result r;
    Conexion db(path);
    if (!db.ok()) {
        r.error = db.error();
        return r;
    }
    QElapsedTimer timer;
    timer.start();
    for (const Comprobacion& comprobacion : kComprobaciones) {
        const char* sql = comprobacion.sql;
        const QStringList params = QByteArray(sql).contains("?1")
                                       ? QStringList{QString::number(minutoApertura), QString::number(minutoCierre)}
                                       : QStringList();
        int filas = 0;
        if (!db.run(sql, params, &filas)) {
            r.error = db.error();
            return r;
        }
        r.rows += filas * comprobacion.hallazgosPorFila;
    }
    r.ms = double(timer.nsecsElapsed()) / 1e6;
    r.ok = true;
    return r;
}

QString SqlFloor::resumenMes(const QString& path, const QDate& ini)
{
    Conexion db(path);
    if (!db.ok())
        return QStringLiteral("error: ") + db.error();
    QList<QString> fila;
    int filas = 0;
    if (!db.run("SELECT count(*), sum(importe), printf('%.2f', total(descuento)), total(length(concepto)), "
                "total(length(datosalumno)), count(DISTINCT nrecibo) FROM recibo WHERE fecha >= ?1 AND fecha < ?2",
                {iso(ini), iso(ini.addMonths(1))}, &filas, &fila))
        return QStringLiteral("error: ") + db.error();
    return fila.join(QLatin1Char('/'));
}
