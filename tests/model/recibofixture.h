#ifndef RECIBOFIXTURE_H
#define RECIBOFIXTURE_H

// A small academy for the bill tests: a fresh database per case, students
// stored through their entity class and enrolments through theirs, with the
// address and prices the bills print.

#include "academyfixture.h"
#include "alta.h"
#include "alumno.h"
#include "dao.h"
#include "recibo.h"

#include <QDate>
#include <QString>

namespace ReciboFixture {
using namespace Qt::StringLiterals;

inline bool abrirBaseNueva()
{
    if (Dao::getInstance()->inTransaction())
        Dao::getInstance()->rollback();
    return academy::openFreshDatabase();
}

// First column of the first row, as text ("" when there is none).
inline QString valor(const QString& sql, const QList<QVariant>& values = {})
{
    return academy::scalar(sql, values).toString();
}
inline QString siguiente() { return valor(u"SELECT value FROM property WHERE key = 'siguienterecibo'"_s); }
// -1 when there is no row or the value is NULL
inline int contar(const QString& sql, const QList<QVariant>& values = {})
{
    const QVariant v = academy::scalar(sql, values);
    return v.isNull() ? -1 : v.toInt();
}

inline int turno(const QString& asignatura, const QString& nombreTurno = u"A"_s)
{
    return academy::turno(academy::asignatura(asignatura), nombreTurno);
}

inline int alumno(const QString& nombre, const QString& apellidos, const QString& ccc = QString())
{
    Alumno a;
    a.setNombre(nombre);
    a.setApellidos(apellidos);
    a.setCcc(ccc);
    a.setDni(u"12345678Z"_s);
    a.setDireccion(u"Rúa Nova 3"_s);
    a.setLocalidad(u"Lugo"_s);
    a.setCp(u"27001"_s);
    a.setProvincia(u"Lugo"_s);
    return a.persist() ? a.id() : 0;
}

inline int alta(int idAlumno, int idTurno, const QString& asignatura, QDate falta, QDate fbaja, double precioBase, double precio)
{
    Alta a(idAlumno);
    a.setFalta(falta);
    a.setFbaja(fbaja);
    a.setPrecioBase(precioBase);
    a.setPrecio(precio);
    a.setConDescuento(precio != precioBase);
    a.setNombreAlumno(u"alumno"_s);
    a.setNombreAsignatura(asignatura);
    a.setNombreTurnoAsignatura(u"A"_s);
    a.setIdTurnoAsignatura(idTurno);
    return a.persist(true) == 1 ? a.id() : 0;
}

// A stored bill, numbered by the current series.
inline int recibo(int idAlumno, QDate fecha, double importe, bool automatico = true, double pagado = 0)
{
    Recibo r(idAlumno);
    r.setFecha(fecha);
    r.setImporte(importe);
    r.setConcepto(u"Concepto"_s);
    r.setDatosAlumno(u"Datos"_s);
    if (pagado > 0)
        r.setImportePagado(pagado);
    if (!r.persist())
        return 0;
    // setters mark a bill as edited: put the flag back as generated
    if (automatico)
        Dao::getInstance()->execute(u"UPDATE recibo SET automatico = 'true' WHERE id = ?"_s, {r.id()});
    return r.id();
}

inline QDate primeroDeMes() { return QDate(QDate::currentDate().year(), QDate::currentDate().month(), 1); }

} // namespace ReciboFixture

#endif // RECIBOFIXTURE_H
