#ifndef SUELDOPROFESOR_H
#define SUELDOPROFESOR_H

#include <QDate>
#include <QList>
#include <QPair>

class Listado;
class Profesor;

// A teacher's pay for a period, in up to three independent parts (a fixed
// salary per month, a salary per hour of the teacher's own class sessions and
// a percentage of the income of the shifts the teacher teaches), and the
// salary settlement that adds them up. The period runs from ini to the day
// before fin. Only reads: nothing is written.
class SueldoProfesor
{
public:
    // A part's listing (null when the part does not apply; owned by the
    // caller) and its amount in currency units.
    typedef QPair<Listado*, double> Parte;

    static Parte liquidacionFijo(const Profesor& profesor, const QDate& ini, const QDate& fin);
    static Parte liquidacionPorHora(const Profesor& profesor, const QDate& ini, const QDate& fin);
    // *ok turns false when the income of a shift could not be read; that
    // shift then adds nothing and the result must not be paid out.
    static Parte liquidacionPorcentaje(const Profesor& profesor, const QDate& ini, const QDate& fin,
                                       bool* ok = nullptr);

    // The settlement: the listings of the parts that apply, in the order
    // fixed, hourly, percentage, followed by a "Total" listing; empty when no
    // part applies. Null dates mean the current month. The caller owns the
    // listings. *ok as for the percentage part.
    static QList<Listado*> liquidacion(const Profesor& profesor, const QDate& ini = QDate(),
                                       const QDate& fin = QDate(), bool* ok = nullptr);

    // The period clipped to the teacher's sign-up and withdrawal dates.
    static void recortaPeriodo(const Profesor& profesor, const QDate& ini, const QDate& fin, QDate* desde,
                               QDate* hasta);
    // The attribute string of the cells of a totals row.
    static QString atributoTotales();
};

#endif // SUELDOPROFESOR_H
