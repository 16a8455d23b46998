#ifndef STUDENTSFIXTURE_H
#define STUDENTSFIXTURE_H

#include "academyfixture.h"

#include <QDate>
#include <QString>

// A small academy for the students section's tests, on a fresh database:
// one subject with a shift that has a taught session in a roomy classroom
// (nothing for the consistency check to list) and a shift without sessions.
namespace students {

struct Academy
{
    int ingles = 0;
    int manana = 0;   // 33.33 a month, one session with teacher, room for 20
    int tarde = 0;    // 40 a month, no sessions
    int aula = 0;
    int profesora = 0;
};

inline Academy buildAcademy()
{
    Academy a;
    a.ingles = academy::asignatura(QStringLiteral("Inglés"));
    a.manana = academy::turno(a.ingles, QStringLiteral("Mañana"), 33.33);
    a.tarde = academy::turno(a.ingles, QStringLiteral("Tarde"), 40.0);
    a.aula = academy::aula(QStringLiteral("Aula 1"), 20);
    a.profesora = academy::profesor(QStringLiteral("Marta"));
    academy::sesion(a.manana, a.aula, a.profesora, 1, 17);
    return a;
}

inline int student(const QString& nombre, const QString& apellidos, double descuento = 0.0)
{
    Alumno a;
    a.setNombre(nombre);
    a.setApellidos(apellidos);
    a.setDescuento(descuento);
    return a.persist() ? a.id() : 0;
}

// An enrolment written as given, past the capacity check.
inline int signUp(int idAlumno, int idTurno, const QDate& falta, const QDate& fbaja = QDate(),
                  double precio = 30.0, double precioBase = 30.0)
{
    Alta a(idAlumno);
    a.setIdTurnoAsignatura(idTurno);
    a.setFalta(falta);
    a.setFbaja(fbaja);
    a.setPrecio(precio);
    a.setPrecioBase(precioBase);
    a.setNombreAlumno(QStringLiteral("alumno %1").arg(idAlumno));
    a.setNombreTurnoAsignatura(QStringLiteral("Mañana"));
    a.setNombreAsignatura(QStringLiteral("Inglés"));
    return a.persist(true) == Alta::Almacenada ? a.id() : 0;
}

inline QVariant altaField(int idAlta, const QString& column)
{
    return academy::scalar(QStringLiteral("SELECT %1 FROM alta WHERE id = ?").arg(column), {idAlta});
}

inline int altasOf(int idAlumno)
{
    return academy::count(QStringLiteral("SELECT count(*) FROM alta WHERE idalumno = ?"), {idAlumno});
}

} // namespace students

#endif // STUDENTSFIXTURE_H
