#ifndef DOCUMENTOSRECIBOS_H
#define DOCUMENTOSRECIBOS_H

#include <QList>
#include <QLocale>
#include <QPair>
#include <QPixmap>
#include <QString>

#include "printutils.h"

class Recibo;

// The printed documents of the bills page, as HTML ready for PrintUtils:
// the bills themselves (one page each, two copies on the page) and the
// letters to the families of students who owe bills.
class DocumentosRecibos
{
public:
    DocumentosRecibos() = delete;

    // The bills with these ids, in this order, for printing a batch at a
    // time, one page each. A bill that can no longer be read stops the print.
    static PrintUtils::Batches lotesRecibos(const QList<int>& ids);

    // What a letter tells of one unpaid bill: its month and what is owed, in cents.
    struct Deuda
    {
        int mes = 0;
        qint64 centimos = 0;
    };

    // One letter per debtor, in the order in which the debtors first appear,
    // for printing a batch of letters at a time; paid bills are skipped. A
    // bill whose student is gone is addressed with the name copied onto it.
    // Only what the letters need is kept of the bills.
    static PrintUtils::Batches lotesCartas(const QList<Recibo*>& recibos, const QLocale& locale);
    // The letters of every unpaid bill of any date, as lotesCartas() of
    // Recibo::list() of the unpaid bills would write them.
    static PrintUtils::Batches lotesCartasImpagadas(const QLocale& locale);
    // The body and total row of one letter's table of debts.
    static QString tablaDeudas(const QList<Deuda>& deudas, const QLocale& locale);

    // Every fragment ends with a page break: the last one would leave an empty
    // page behind, so it goes, whichever of the two spellings it uses.
    static QString sinUltimoSalto(QString documento);

    // The image resources the printed documents refer to.
    static QList<QPair<QString, QPixmap>> imagenes();
};

#endif // DOCUMENTOSRECIBOS_H
