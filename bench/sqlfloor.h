#ifndef SQLFLOOR_H
#define SQLFLOOR_H

#include <QDate>
#include <QString>

// The least SQLite itself needs for the program's heavy jobs: a few
// hand-written set-based statements run through the SQLite C library on a
// database file, timed from the first statement to the last.
class SqlFloor
{
public:
    struct Result {
        bool ok = false;
        double ms = 0;
        int rows = 0; // bills written, or findings read
        QString error;
    };

    // The monthly generation of the month starting at ini: one bill per
    // student with an enrolment active in the month and no bill in it yet,
    // with the concept lines, payer block, amounts and discount the program
    // writes, numbered on from the current series, in one transaction.
    static Result generarRecibos(const QString& path, const QDate& ini, const QDate& hoy);

    // The eleven consistency checks, every finding read.
    static Result comprobarEstado(const QString& path, int minutoApertura, int minutoCierre);

    // Count, amount, discount and concept length of the bills dated in the
    // month, to tell that two generations wrote the same bills.
    static QString resumenMes(const QString& path, const QDate& ini);
};

#endif // SQLFLOOR_H
