#ifndef RESUMENECONOMICO_H
#define RESUMENECONOMICO_H

#include <QDate>

class ListadoResEcon;

// The academy's account of a period, teacher by teacher: the income of the
// shifts each one teaches, the withholding, the cash the teacher receives and
// the balance left to the academy, closed by a totals line.
class ResumenEconomico
{
public:
    // A null start means the first day of the current month, a null end the
    // first day of the next. Never null; the caller owns the listing.
    // *ok turns false when some income could not be read: the figures are
    // then incomplete and must not be used.
    static ListadoResEcon* resumenEconomico(const QDate& ini = QDate(), const QDate& fin = QDate(),
                                            bool* ok = nullptr);
};

#endif // RESUMENECONOMICO_H
