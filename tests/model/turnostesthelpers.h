#ifndef TURNOSTESTHELPERS_H
#define TURNOSTESTHELPERS_H

#include "dao.h"
#include "testenv.h"

#include <QDate>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

// Small helpers for the subject/course tests: a fresh academy database per
// case and rows written straight through the Dao, so each test builds only
// what it looks at.
namespace turnostest {

inline bool openFreshDb()
{
    TestEnv::resetCase();
    return Dao::getInstance()->open(QStringLiteral("turnos"), false);
}

inline QVariant scalar(const QString& sql, const QList<QVariant>& values = {})
{
    QSqlQuery q = Dao::getInstance()->query(sql, values);
    if (!q.next())
        return QVariant();
    return q.value(0);
}

inline int count(const QString& sql, const QList<QVariant>& values = {})
{
    return scalar(sql, values).toInt();
}

inline int insertId(const QString& table, const QStringList& columns, const QList<QVariant>& values)
{
    return Dao::getInstance()->insert(table, columns, values).toInt();
}

inline int profesor(const QString& nombre)
{
    return insertId(QStringLiteral("profesor"), {QStringLiteral("nombre"), QStringLiteral("falta")},
                    {nombre, QDate(2020, 1, 1)});
}

inline int aula(const QString& nombre, int aforo)
{
    return insertId(QStringLiteral("aula"), {QStringLiteral("nombre"), QStringLiteral("aforo")}, {nombre, aforo});
}

inline int sesion(int idTurno, int idAula, int dia = 1, int inicio = 600, int fin = 660)
{
    return insertId(QStringLiteral("sesiondeclase"),
                    {QStringLiteral("minutoinicio"), QStringLiteral("minutofin"), QStringLiteral("diasemana"),
                     QStringLiteral("idaula"), QStringLiteral("idturnoasignatura")},
                    {inicio, fin, dia, idAula, idTurno});
}

inline int alumno(const QString& nombre, const QString& apellidos, const QString& observaciones = QString())
{
    return insertId(QStringLiteral("alumno"),
                    {QStringLiteral("nombre"), QStringLiteral("apellidos"), QStringLiteral("dni"),
                     QStringLiteral("direccion"), QStringLiteral("observaciones")},
                    {nombre, apellidos, QStringLiteral("00000000T"), QStringLiteral("Rúa 1"), observaciones});
}

inline bool telefono(int idAlumno, const QString& nombre, const QString& numero)
{
    return Dao::getInstance()->insert(QStringLiteral("telefonoalumno"),
                                      {QStringLiteral("nombre"), QStringLiteral("telefono"), QStringLiteral("idalumno")},
                                      {nombre, numero, idAlumno})
        .isValid();
}

inline int alta(int idAlumno, int idTurno, const QDate& falta, const QDate& fbaja, double precio,
                const QString& nombreAlumno = QStringLiteral("Alumno"))
{
    return insertId(QStringLiteral("alta"),
                    {QStringLiteral("falta"), QStringLiteral("fbaja"), QStringLiteral("precio"),
                     QStringLiteral("preciobase"), QStringLiteral("nombrealumno"),
                     QStringLiteral("nombreturnoasignatura"), QStringLiteral("nombreasignatura"),
                     QStringLiteral("idalumno"), QStringLiteral("idturnoasignatura")},
                    {falta, fbaja.isValid() ? QVariant(fbaja) : QVariant(), precio,
                     precio, nombreAlumno, QStringLiteral("T"), QStringLiteral("A"), idAlumno, idTurno});
}

// Makes every insert into table fail inside SQLite itself, until dropped.
inline bool failInsertsInto(const QString& table)
{
    return Dao::getInstance()->execute(QStringLiteral("CREATE TEMP TRIGGER fail_%1 BEFORE INSERT ON %1 BEGIN "
                                                      "SELECT RAISE(ABORT, 'injected failure'); END")
                                           .arg(table));
}

inline bool failDeletesFrom(const QString& table)
{
    return Dao::getInstance()->execute(QStringLiteral("CREATE TEMP TRIGGER faildel_%1 BEFORE DELETE ON %1 BEGIN "
                                                      "SELECT RAISE(ABORT, 'injected failure'); END")
                                           .arg(table));
}

} // namespace turnostest

#endif // TURNOSTESTHELPERS_H
