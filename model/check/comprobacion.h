#ifndef COMPROBACION_H
#define COMPROBACION_H

#include <QList>

class EstadoAcademia;

// The consistency check's engine: its queries, how their rows become
// findings, and the one cache that reuses findings while nothing they were
// read from changed (this process's writes, another connection's commits,
// the date, opening hours and language). Never instantiated.
class Comprobacion
{
public:
    Comprobacion() = delete;

    // The findings of the whole check, new objects the caller owns, in the
    // check's order. A run in which a read failed ends with an inconsistency
    // saying so, and none of what it read is reused.
    static QList<EstadoAcademia*> hallar();
    // Reads ahead what the check reads of every enrolment and session, for
    // the next hallar() to reuse while they stay the same: a first check
    // cut into two shorter steps.
    static void leerAntes();
};

#endif // COMPROBACION_H
