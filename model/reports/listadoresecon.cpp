#include "listadoresecon.h"

#include <xlsxwriter.h>


namespace {
constexpr int kFilaCabeceras = 3;
constexpr int kPrimeraFila = 4;

// The summary's columns as spreadsheet column numbers.
constexpr int Nombre = int(ListadoResEcon::Columna::Nombre);
constexpr int Ingresos = int(ListadoResEcon::Columna::Ingresos);
constexpr int Retenciones = int(ListadoResEcon::Columna::Retenciones);
constexpr int Efectivo = int(ListadoResEcon::Columna::Efectivo);
constexpr int Balance = int(ListadoResEcon::Columna::Balance);

// Column letters as the spreadsheet writes them: 0 -> A, 25 -> Z, 26 -> AA.
QString letra(int columna)
{
    QString texto;
    for (int n = columna + 1; n > 0; n = (n - 1) / 26)
        texto.prepend(QChar('A' + (n - 1) % 26));
    return texto;
}

QString celda(int fila, int columna)
{
    return letra(columna) + QString::number(fila + 1);
}

QString rango(int desde, int hasta, int columna)
{
    return celda(desde, columna) + QLatin1Char(':') + celda(hasta, columna);
}

double numero(const LineaListado* linea, int columna)
{
    return linea && columna < linea->count() ? linea->valor(columna).toDouble() : 0.0;
}

void formula(lxw_worksheet* hoja, int fila, int columna, const QString& texto, lxw_format* formato, double valor)
{
    worksheet_write_formula_num(hoja, static_cast<lxw_row_t>(fila), static_cast<lxw_col_t>(columna),
                                texto.toUtf8().constData(), formato, valor);
}
}

ListadoResEcon::ListadoResEcon(QObject* parent)
    : Listado(parent)
{
}

ListadoResEcon::ListadoResEcon(const QStringList& cabeceras, const QStringList& htmlCabeceras,
                               const QList<LineaListado*>& lineas, QObject* parent)
    : Listado(cabeceras, htmlCabeceras, lineas, parent)
{
}

void ListadoResEcon::sumaColumna(int primeraFila, int filaTotales, int columna, lxw_worksheet* hoja,
                                 lxw_format* formato, double valor) const
{
    if (filaTotales <= primeraFila) {
        // No data rows: a range would reach back into the headers.
        worksheet_write_number(hoja, static_cast<lxw_row_t>(filaTotales), static_cast<lxw_col_t>(columna), 0.0,
                               formato);
        return;
    }
    formula(hoja, filaTotales, columna,
            QStringLiteral("=SUM(%1)").arg(rango(primeraFila, filaTotales - 1, columna)), formato, valor);
}

void ListadoResEcon::escribeLeyenda(int fila, lxw_workbook* libro, lxw_worksheet* hoja) const
{
    lxw_format* gris = workbook_add_format(libro);
    setBordes(gris, LXW_BORDER_THICK);
    format_set_pattern(gris, LXW_PATTERN_SOLID);
    format_set_bg_color(gris, kGris25);
    lxw_format* grisNegrita = workbook_add_format(libro);
    setBordes(grisNegrita, LXW_BORDER_THICK);
    format_set_pattern(grisNegrita, LXW_PATTERN_SOLID);
    format_set_bg_color(grisNegrita, kGris25);
    format_set_bold(grisNegrita);
    lxw_format* rotulo = workbook_add_format(libro);
    setBordes(rotulo, LXW_BORDER_THICK);
    format_set_bold(rotulo);
    lxw_format* hueco = workbook_add_format(libro);
    setBordes(hueco, LXW_BORDER_THIN);

    const auto f = [](int n) { return static_cast<lxw_row_t>(n); };
    worksheet_write_blank(hoja, f(fila), 0, gris);
    worksheet_write_blank(hoja, f(fila), 1, gris);
    escribeTexto(hoja, fila, 2, tr("DATE"), grisNegrita);
    const QStringList rotulos{tr("CASHED/BANK"), tr("CASHED/CASH"), tr("PAID/CASH"), tr("PENDING")};
    for (int i = 0; i < rotulos.size(); ++i) {
        escribeTexto(hoja, fila + 1 + i, 0, rotulos.at(i), rotulo);
        worksheet_write_blank(hoja, f(fila + 1 + i), 1, hueco);
        worksheet_write_blank(hoja, f(fila + 1 + i), 2, hueco);
    }
}

QString ListadoResEcon::toXls()
{
    const QString ruta = rutaXlsTemporal();
    lxw_workbook* libro = nullptr;
    lxw_worksheet* hoja = nullptr;
    if (!abreLibro(ruta, titulo(), &libro, &hoja))
        return QString();

    escribeTitulos(libro, hoja);

    lxw_format* fCabecera = workbook_add_format(libro);
    format_set_bold(fCabecera);
    setBordes(fCabecera, LXW_BORDER_THICK);
    format_set_pattern(fCabecera, LXW_PATTERN_SOLID);
    format_set_bg_color(fCabecera, kGris25);
    const QStringList cabeceras = this->cabeceras();
    for (int i = 0; i < cabeceras.size(); ++i)
        escribeTexto(hoja, kFilaCabeceras, i, cabeceras.at(i), fCabecera);

    lxw_format* fTexto = workbook_add_format(libro);
    setBordes(fTexto, LXW_BORDER_THIN);
    lxw_format* fNegrita = workbook_add_format(libro);
    setBordes(fNegrita, LXW_BORDER_THIN);
    format_set_bold(fNegrita);
    lxw_format* fNumero = workbook_add_format(libro);
    setBordes(fNumero, LXW_BORDER_THIN);
    format_set_num_format_index(fNumero, 2);
    lxw_format* fNumeroNegrita = workbook_add_format(libro);
    setBordes(fNumeroNegrita, LXW_BORDER_THIN);
    format_set_num_format_index(fNumeroNegrita, 2);
    format_set_bold(fNumeroNegrita);

    // The sheet shows the same columns and values as the printed summary; only
    // the balance is left to the spreadsheet, from the three amounts beside it.
    const QList<LineaListado*> lineas = this->lineas();
    const int datos = qMax(0, int(lineas.size()) - 1);
    double sumaIngresos = 0.0;
    double sumaRetenciones = 0.0;
    double sumaEfectivo = 0.0;
    for (int i = 0; i < datos; ++i) {
        const LineaListado* linea = lineas.at(i);
        const int fila = kPrimeraFila + i;
        for (int j = 0; j < linea->count(); ++j) {
            if (j == Balance) {
                formula(hoja, fila, j,
                        QStringLiteral("=%1-%2-%3")
                            .arg(celda(fila, Ingresos), celda(fila, Retenciones), celda(fila, Efectivo)),
                        fNumero, linea->valor(j).toDouble());
            } else if (j == 0) {
                escribeValor(hoja, fila, j, linea->valor(j), fNumeroNegrita, fNegrita);
            } else {
                escribeValor(hoja, fila, j, linea->valor(j), fNumero, fTexto);
            }
        }
        sumaIngresos += numero(linea, Ingresos);
        sumaRetenciones += numero(linea, Retenciones);
        sumaEfectivo += numero(linea, Efectivo);
    }

    const int filaTotales = kPrimeraFila + datos;
    const LineaListado* totales = lineas.isEmpty() ? nullptr : lineas.constLast();
    lxw_format* fTotalTexto = workbook_add_format(libro);
    format_set_bold(fTotalTexto);
    setBordes(fTotalTexto, LXW_BORDER_THICK);
    lxw_format* fTotal = workbook_add_format(libro);
    format_set_num_format_index(fTotal, 2);
    format_set_bold(fTotal);
    setBordes(fTotal, LXW_BORDER_THICK);
    escribeTexto(hoja, filaTotales, Nombre, tr("TOTALS"), fTotalTexto);

    // The academy's income counts a shift shared by several teachers once,
    // while each teacher's row shows it in full: then the column cannot be
    // summed, and the summary's own total is written.
    const double ingresosAcademia = totales ? numero(totales, Ingresos) : 0.0;
    if (datos > 0 && qAbs(ingresosAcademia - sumaIngresos) < 0.005) {
        sumaColumna(kPrimeraFila, filaTotales, Ingresos, hoja, fTotal, sumaIngresos);
    } else {
        worksheet_write_number(hoja, static_cast<lxw_row_t>(filaTotales), Ingresos, ingresosAcademia, fTotal);
    }

    // The withholdings total is text, "TC1: " and the sum; the prefix stays ASCII
    // because it goes into a formula.
    //: Do not put utf8 chars in it.
    const QString prefijo = QString::fromLatin1(tr("TC1: ").toLatin1()).replace(QLatin1Char('"'), QLatin1String("\"\""));
    const QString sumaTexto = datos > 0 ? QStringLiteral("SUM(%1)").arg(rango(kPrimeraFila, filaTotales - 1, Retenciones))
                                        : QStringLiteral("0");
    const QString resultadoTc1 = prefijo + QString::number(sumaRetenciones, 'g', 15);
    worksheet_write_formula_str(hoja, static_cast<lxw_row_t>(filaTotales), Retenciones,
                                QStringLiteral("=\"%1\"&%2").arg(prefijo, sumaTexto).toUtf8().constData(),
                                fTotalTexto, resultadoTc1.toUtf8().constData());

    sumaColumna(kPrimeraFila, filaTotales, Efectivo, hoja, fTotal, sumaEfectivo);

    // The balance total follows from the totals beside it, so it matches the
    // academy's income even when teachers share shifts.
    formula(hoja, filaTotales, Balance,
            QStringLiteral("=%1-%2-%3").arg(celda(filaTotales, Ingresos), sumaTexto, celda(filaTotales, Efectivo)),
            fTotal, ingresosAcademia - sumaRetenciones - sumaEfectivo);

    escribeLeyenda(filaTotales + 2, libro, hoja);
    worksheet_set_column(hoja, 0, 0, 4500 / 256.0, nullptr);

    return cierraLibro(libro, ruta) ? ruta : QString();
}
