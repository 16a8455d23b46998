#include "billsyearbench.h"

#include "adatehelper.h"
#include "benchreport.h"
#include "dao.h"
#include "recibotablemodel.h"
#include "reciboswidget.h"

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTableView>

#include <memory>

namespace {

struct Periodo
{
    QDate desde;
    QDate hasta;
    int recibos = 0;
};

// From the first day of the month of the oldest bill to the first day after
// the month of the newest.
Periodo periodoCompleto()
{
    QSqlQuery q = Dao::getInstance()->query(QStringLiteral("SELECT min(fecha), max(fecha), count(*) FROM recibo"));
    Periodo p;
    if (!q.next())
        return p;
    p.desde = ADateHelper::firstDayOfMonth(q.value(0).toDate());
    p.hasta = ADateHelper::firstDayOfNextMonth(q.value(1).toDate());
    p.recibos = q.value(2).toInt();
    return p;
}

// The shared model on the month's bills and nothing more, as after the
// main window refreshes it for a page that shows the month.
void alMes()
{
    ReciboTableModel* modelo = ReciboTableModel::instance();
    modelo->setDateIni(ADateHelper::firstDayOfMonth());
    modelo->setDateEnd(ADateHelper::firstDayOfNextMonth());
    modelo->refresh();
}

class PaginaDelAnio
{
public:
    explicit PaginaDelAnio(const Periodo& periodo)
        : m_pagina(std::make_unique<RecibosWidget>())
    {
        m_pagina->resize(1200, 800);
        desde()->setDate(periodo.desde);
        hasta()->setDate(periodo.hasta);
        m_pagina->show();
        pintar();
    }

    void pintar()
    {
        vista()->viewport()->repaint();
        QApplication::processEvents();
    }

    QLineEdit* filtro() const { return hijo<QLineEdit>("leFiltro"); }
    QTableView* vista() const { return hijo<QTableView>("tbvRecibos"); }
    QDateEdit* desde() const { return hijo<QDateEdit>("deFechaDesde"); }
    QDateEdit* hasta() const { return hijo<QDateEdit>("deFechaHasta"); }
    QRadioButton* radio(const char* nombre) const { return hijo<QRadioButton>(nombre); }
    int filas() const { return vista()->model()->rowCount(); }

private:
    template<class T>
    T* hijo(const char* nombre) const
    {
        return m_pagina->findChild<T*>(QString::fromLatin1(nombre));
    }

    std::unique_ptr<RecibosWidget> m_pagina;
};

void medirApertura(BenchReport& report, int runs, const Periodo& periodo)
{
    BenchReport::Measure& m = report.add(QStringLiteral("bills page over a year: open on the period"));
    m.targetMs = 500;
    int filas = 0;
    for (int r = 0; r < runs; ++r) {
        alMes();
        m.samples << BenchReport::timeMs([&] {
            PaginaDelAnio pagina(periodo);
            filas = pagina.filas();
        });
    }
    m.detail = QStringLiteral("%1 rows read, the dates set on the page, the page shown").arg(filas);
    m.sane = filas == periodo.recibos;
}

// Every keystroke of two surnames' first letters, then the field emptied.
void medirTeclas(BenchReport& report, int runs, PaginaDelAnio& pagina, int todas)
{
    BenchReport::Measure& teclas = report.add(QStringLiteral("bills page over a year: one filter keystroke"));
    teclas.targetMs = 50;
    BenchReport::Measure& vaciar = report.add(QStringLiteral("bills page over a year: clear the filter"));
    vaciar.targetMs = 150;
    int menos = todas;
    for (int r = 0; r < runs; ++r) {
        for (const QString& palabra : {QStringLiteral("garc"), QStringLiteral("lopez")}) {
            QString texto;
            for (const QChar c : palabra) {
                texto += c;
                teclas.samples << BenchReport::timeMs([&] {
                    pagina.filtro()->setText(texto);
                    pagina.pintar();
                });
                menos = std::min(menos, pagina.filas());
            }
            vaciar.samples << BenchReport::timeMs([&] {
                pagina.filtro()->clear();
                pagina.pintar();
            });
        }
    }
    teclas.detail = QStringLiteral("%1 keystrokes over %2 rows, %3 rows at the fewest")
                        .arg(teclas.samples.size()).arg(todas).arg(menos);
    teclas.sane = menos < todas && menos > 0;
    vaciar.detail = QStringLiteral("%1 rows again").arg(pagina.filas());
    vaciar.sane = pagina.filas() == todas;
}

void medirOrden(BenchReport& report, int runs, PaginaDelAnio& pagina, int todas)
{
    BenchReport::Measure& m = report.add(QStringLiteral("bills page over a year: sort by a column"));
    m.targetMs = 150;
    const QList<ReciboTableModel::Column> columnas{ReciboTableModel::Column::DatosAlumno,
                                                   ReciboTableModel::Column::Importe,
                                                   ReciboTableModel::Column::Fecha};
    for (int r = 0; r < runs; ++r) {
        for (const ReciboTableModel::Column c : columnas) {
            for (const Qt::SortOrder orden : {Qt::AscendingOrder, Qt::DescendingOrder}) {
                m.samples << BenchReport::timeMs([&] {
                    pagina.vista()->sortByColumn(int(c), orden);
                    pagina.pintar();
                });
            }
        }
    }
    pagina.vista()->sortByColumn(int(ReciboTableModel::Column::NRecibo), Qt::AscendingOrder);
    m.detail = QStringLiteral("student, amount and date, both ways, over %1 rows").arg(todas);
    m.sane = pagina.filas() == todas;
}

void medirPasos(BenchReport& report, int runs, PaginaDelAnio& pagina, const Periodo& periodo)
{
    BenchReport::Measure& fechas = report.add(QStringLiteral("bills page over a year: one step of a date"));
    fechas.targetMs = 150;
    BenchReport::Measure& pagados = report.add(QStringLiteral("bills page over a year: one step of the paid state"));
    pagados.targetMs = 150;
    bool bien = true;
    for (int r = 0; r < runs; ++r) {
        // a day more and back, on either date
        for (QDateEdit* edit : {pagina.desde(), pagina.hasta()}) {
            const QDate fecha = edit->date();
            for (const QDate paso : {fecha.addDays(1), fecha}) {
                fechas.samples << BenchReport::timeMs([&] {
                    edit->setDate(paso);
                    pagina.pintar();
                });
            }
        }
        bien = bien && pagina.filas() == periodo.recibos;
        for (const char* nombre : {"rbSoloImpagados", "rbSoloPagados", "rbPagadosEImpagados"}) {
            pagados.samples << BenchReport::timeMs([&] {
                pagina.radio(nombre)->setChecked(true);
                pagina.pintar();
            });
        }
        bien = bien && pagina.filas() == periodo.recibos;
    }
    fechas.detail = QStringLiteral("a day later and back, each date");
    fechas.sane = bien;
    pagados.detail = QStringLiteral("unpaid, paid, all");
    pagados.sane = bien;
}

} // namespace

void billsYearBench(BenchReport& report, int runs)
{
    if (QDir::searchPaths(QStringLiteral("icons")).isEmpty())
        QDir::addSearchPath(QStringLiteral("icons"), QStringLiteral(":/icons"));
    const Periodo periodo = periodoCompleto();
    medirApertura(report, runs, periodo);
    PaginaDelAnio pagina(periodo);
    const int todas = pagina.filas();
    medirTeclas(report, runs, pagina, todas);
    medirOrden(report, runs, pagina, todas);
    medirPasos(report, runs, pagina, periodo);
    // the page's model back on the month, as the other jobs expect it
    alMes();
}
