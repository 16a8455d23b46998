#ifndef INFORMEPROFESOR_H
#define INFORMEPROFESOR_H

#include <QDate>

class Listado;
class Profesor;

// The students a teacher teaches in a period: for every shift in which the
// teacher has class sessions, the students enrolled in it, with the price of
// each enrolment and a totals row.
class InformeProfesor
{
public:
    // Null dates mean the current month; fin is the first day after the
    // period. Never null; the caller owns the listing.
    static Listado* listadoAlumnos(const Profesor& profesor, const QDate& ini = QDate(),
                                   const QDate& fin = QDate());
};

#endif // INFORMEPROFESOR_H
