#ifndef LISTADORESECON_H
#define LISTADORESECON_H

#include "listado.h"

// The economic summary listing. Its workbook adds, after the base listing's
// title rows, bold headers with thick borders, the teacher rows with the
// balance as a formula, a totals row the spreadsheet computes and a legend
// in which the academy notes by hand how each amount was cashed or paid.
// The HTML is the base listing's.
class ListadoResEcon : public Listado
{
    Q_OBJECT
public:
    // The columns of the summary's lines.
    enum class Columna { Nombre = 0, Ingresos = 1, Retenciones = 2, Efectivo = 3, Balance = 4 };

    explicit ListadoResEcon(QObject* parent = nullptr);
    ListadoResEcon(const QStringList& cabeceras, const QStringList& htmlCabeceras,
                   const QList<LineaListado*>& lineas, QObject* parent = nullptr);

public slots:
    // The last line (the totals) is not written: the totals row takes its place.
    QString toXls() override;

protected:
    // SUM of a column's data rows at the totals row.
    void sumaColumna(int primeraFila, int filaTotales, int columna, lxw_worksheet* hoja, lxw_format* formato,
                     double valor) const;
    void escribeLeyenda(int fila, lxw_workbook* libro, lxw_worksheet* hoja) const;
};

#endif // LISTADORESECON_H
