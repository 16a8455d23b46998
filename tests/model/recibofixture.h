#ifndef RECIBOFIXTURE_H
#define RECIBOFIXTURE_H

// A small academy for the bill tests: a fresh database per case, students
// stored through their entity class and enrolments through theirs.

#include "alta.h"
#include "alumno.h"
#include "dao.h"
#include "recibo.h"
#include "testenv.h"

#include <QDate>
#include <QSqlQuery>
#include <QString>

namespace ReciboFixture {

inline bool abrirBaseNueva()
{
    TestEnv::resetCase();
    if (Dao::getInstance()->inTransaction())
        Dao::getInstance()->rollback();
    return Dao::getInstance()->open(QStringLiteral("recibos"), false);
}

inline QString propiedad(const QString& key)
{
    QSqlQuery q = Dao::getInstance()->query(QStringLiteral("SELECT value FROM property WHERE key = ?"), {key});
    return q.next() ? q.value(0).toString() : QString();
}

inline int contar(const QString& sql, const QList<QVariant>& values = {})
{
    QSqlQuery q = Dao::getInstance()->query(sql, values);
    return q.next() ? q.value(0).toInt() : -1;
}

inline int turno(const QString& asignatura, const QString& nombreTurno = QStringLiteral("A"))
{
    Dao* dao = Dao::getInstance();
    QSqlQuery q = dao->query(QStringLiteral("SELECT id FROM asignatura WHERE nombre = ?"), {asignatura});
    int idAsignatura = q.next() ? q.value(0).toInt() : 0;
    if (!idAsignatura)
        idAsignatura = dao->insert(QStringLiteral("asignatura"), {QStringLiteral("nombre")}, {asignatura}).toInt();
    return dao->insert(QStringLiteral("turnoasignatura"), {QStringLiteral("nombre"), QStringLiteral("idasignatura")},
                       {nombreTurno, idAsignatura})
        .toInt();
}

inline int alumno(const QString& nombre, const QString& apellidos, const QString& ccc = QString(),
                  const QString& direccion = QStringLiteral("Rúa Nova 3"),
                  const QString& localidad = QStringLiteral("Lugo"), const QString& cp = QStringLiteral("27001"),
                  const QString& provincia = QStringLiteral("Lugo"))
{
    Alumno a;
    a.setNombre(nombre);
    a.setApellidos(apellidos);
    a.setCcc(ccc);
    a.setDni(QStringLiteral("12345678Z"));
    a.setDireccion(direccion);
    a.setLocalidad(localidad);
    a.setCp(cp);
    a.setProvincia(provincia);
    a.setDescuento(0);
    return a.persist() ? a.id() : 0;
}

inline int alta(int idAlumno, int idTurno, const QString& asignatura, QDate falta, QDate fbaja, double precioBase,
                double precio, const QString& nombreTurno = QStringLiteral("A"))
{
    Alta a(idAlumno);
    a.setFalta(falta);
    a.setFbaja(fbaja);
    a.setPrecioBase(precioBase);
    a.setPrecio(precio);
    a.setConDescuento(precio != precioBase);
    a.setObservaciones(QString(""));
    a.setNombreAlumno(QStringLiteral("alumno"));
    a.setNombreAsignatura(asignatura);
    a.setNombreTurnoAsignatura(nombreTurno);
    a.setIdTurnoAsignatura(idTurno);
    return a.persist(true) == 1 ? a.id() : 0;
}

// A stored bill, numbered by the current series.
inline int recibo(int idAlumno, QDate fecha, double importe, bool automatico = true, double pagado = 0)
{
    Recibo r(idAlumno);
    r.setFecha(fecha);
    r.setImporte(importe);
    r.setConcepto(QStringLiteral("Concepto"));
    r.setDatosAlumno(QStringLiteral("Datos"));
    if (pagado > 0)
        r.setImportePagado(pagado);
    if (!r.persist())
        return 0;
    if (automatico) {
        // setters mark a bill as edited: put the flag back as generated
        Dao::getInstance()->execute(QStringLiteral("UPDATE recibo SET automatico = 'true' WHERE id = ?"), {r.id()});
    }
    return r.id();
}

inline QDate primeroDeMes()
{
    const QDate hoy = QDate::currentDate();
    return QDate(hoy.year(), hoy.month(), 1);
}

} // namespace ReciboFixture

#endif // RECIBOFIXTURE_H
