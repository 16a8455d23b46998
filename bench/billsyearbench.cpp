#include "billsyearbench.h"

#include "adatehelper.h"
#include "amemory.h"
#include "aprompter.h"
#include "asaveashelper.h"
#include "benchreport.h"
#include "dao.h"
#include "eventgap.h"
#include "processfacts.h"
#include "recibotablemodel.h"
#include "reciboswidget.h"

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <QSqlQuery>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

namespace {

// Answers the generation's question by keeping every bill, OK to the rest.
class ConservarTodo : public APrompter
{
public:
    ConservarTodo() { APrompter::setInstance(this); }
    ~ConservarTodo() override { APrompter::setInstance(nullptr); }
    QMessageBox::StandardButton message(QMessageBox::Icon, const QString&, const QString&,
                                        QMessageBox::StandardButtons, QMessageBox::StandardButton,
                                        const QString&, QWidget*) override
    {
        return QMessageBox::Ok;
    }
    int choose(const Choice&) override { return 2; }
};

double memoriaMb()
{
    AMemory::giveBack();
    return ProcessFacts::statusMb("VmRSS:");
}

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

// The page's list painted now and whatever the page has pending done.
void pintar(RecibosWidget& pagina)
{
    pagina.findChild<QTableView*>(QStringLiteral("tbvRecibos"))->viewport()->repaint();
    QApplication::processEvents();
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

    void pintar() { ::pintar(*m_pagina); }

    QLineEdit* filtro() const { return hijo<QLineEdit>("leFiltro"); }
    QTableView* vista() const { return hijo<QTableView>("tbvRecibos"); }
    QDateEdit* desde() const { return hijo<QDateEdit>("deFechaDesde"); }
    QDateEdit* hasta() const { return hijo<QDateEdit>("deFechaHasta"); }
    QRadioButton* radio(const char* nombre) const { return hijo<QRadioButton>(nombre); }
    int filas() const { return vista()->model()->rowCount(); }
    RecibosWidget* pagina() const { return m_pagina.get(); }

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
    m.targetMs = 300;
    m.targetMsAtScale = 1000;
    BenchReport::Measure& pausa = report.add(QStringLiteral("bills page over a year: longest stretch without events, opening"));
    pausa.targetMs = 250;
    // in MB, with the target in the detail, as the table's targets are times
    BenchReport::Measure& anio = report.add(QStringLiteral("bills page over a year: memory with the year shown (MB)"));
    BenchReport::Measure& mes = report.add(QStringLiteral("bills page over a year: memory kept after going back to the month (MB)"));
    int filas = 0;
    for (int r = 0; r < runs; ++r) {
        alMes();
        const double antes = memoriaMb();
        {
            std::unique_ptr<PaginaDelAnio> pagina;
            const EventGap eventos;
            m.samples << BenchReport::timeMs([&] {
                pagina = std::make_unique<PaginaDelAnio>(periodo);
                filas = pagina->filas();
            });
            pausa.samples << eventos.longestMs();
            anio.samples << memoriaMb() - antes;
        }
        alMes();
        mes.samples << memoriaMb() - antes;
    }
    m.detail = QStringLiteral("%1 rows read, the dates set on the page, the page shown").arg(filas);
    m.sane = filas == periodo.recibos;
    pausa.detail = QStringLiteral("from the month to the year, the page built and painted");
    anio.detail = QStringLiteral("resident memory over the month's, the page shown (target < 150 MB at 20,000 students)");
    mes.detail = QStringLiteral("resident memory over the month's, the page gone and the model on the month (given back)");
}

// The first keystroke and the first sort by each text column of a page just
// opened on the period, when nothing is prepared yet.
void medirPrimeros(BenchReport& report, int runs, const Periodo& periodo)
{
    BenchReport::Measure& tecla = report.add(QStringLiteral("bills page over a year: first filter keystroke"));
    tecla.targetMs = 50;
    tecla.targetMsAtScale = 150;
    BenchReport::Measure& orden = report.add(QStringLiteral("bills page over a year: first sort by a text column"));
    orden.targetMs = 150;
    orden.targetMsAtScale = 500;
    const QList<ReciboTableModel::Column> textos{ReciboTableModel::Column::Serie, ReciboTableModel::Column::DatosAlumno,
                                                 ReciboTableModel::Column::Concepto,
                                                 ReciboTableModel::Column::NombreAlumno,
                                                 ReciboTableModel::Column::ApellidosAlumno};
    QStringList detalle;
    int quedan = -1;
    for (int r = 0; r < runs; ++r) {
        {
            PaginaDelAnio pagina(periodo);
            tecla.samples << BenchReport::timeMs([&] {
                pagina.filtro()->setText(QStringLiteral("g"));
                pagina.pintar();
            });
            quedan = pagina.filas();
        }
        double peor = 0;
        detalle.clear();
        for (const ReciboTableModel::Column c : textos) {
            PaginaDelAnio pagina(periodo);
            const double ms = BenchReport::timeMs([&] {
                pagina.vista()->sortByColumn(int(c), Qt::AscendingOrder);
                pagina.pintar();
            });
            detalle << QStringLiteral("%1 %2").arg(pagina.vista()->model()->headerData(int(c), Qt::Horizontal).toString())
                           .arg(ms, 0, 'f', 0);
            peor = std::max(peor, ms);
        }
        orden.samples << peor;
    }
    tecla.detail = QStringLiteral("\"g\" on a page just opened, %1 of %2 rows left").arg(quedan).arg(periodo.recibos);
    tecla.sane = quedan > 0 && quedan <= periodo.recibos;
    orden.detail = QStringLiteral("the slowest of a page just opened for each (ms): %1").arg(detalle.join(QStringLiteral(", ")));
}

// Every keystroke of two surnames' first letters, then the field emptied.
void medirTeclas(BenchReport& report, int runs, PaginaDelAnio& pagina, int todas)
{
    BenchReport::Measure& teclas = report.add(QStringLiteral("bills page over a year: one filter keystroke"));
    teclas.targetMs = 50;
    teclas.targetMsAtScale = 150;
    BenchReport::Measure& vaciar = report.add(QStringLiteral("bills page over a year: clear the filter"));
    vaciar.targetMs = 50;
    vaciar.targetMsAtScale = 150;
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

// Every column both ways; each run gives its slowest sort.
void medirOrden(BenchReport& report, int runs, PaginaDelAnio& pagina, int todas)
{
    BenchReport::Measure& m = report.add(QStringLiteral("bills page over a year: sort by any column"));
    m.targetMs = 150;
    m.targetMsAtScale = 500;
    QString peorColumna;
    for (int r = 0; r < runs; ++r) {
        double peor = 0;
        for (int c = 0; c < int(ReciboTableModel::Column::Count); ++c) {
            for (const Qt::SortOrder orden : {Qt::AscendingOrder, Qt::DescendingOrder}) {
                const double ms = BenchReport::timeMs([&] {
                    pagina.vista()->sortByColumn(c, orden);
                    pagina.pintar();
                });
                if (ms > peor) {
                    peor = ms;
                    peorColumna = pagina.vista()->model()->headerData(c, Qt::Horizontal).toString()
                                  + (orden == Qt::AscendingOrder ? QStringLiteral(" up") : QStringLiteral(" down"));
                }
            }
        }
        m.samples << peor;
    }
    pagina.vista()->sortByColumn(int(ReciboTableModel::Column::NRecibo), Qt::AscendingOrder);
    m.detail = QStringLiteral("the slowest of every column both ways (%1), over %2 rows").arg(peorColumna).arg(todas);
    m.sane = pagina.filas() == todas;
}

int recibosDesde(const QDate& desde)
{
    QSqlQuery q = Dao::getInstance()->query(QStringLiteral("SELECT count(*) FROM recibo WHERE fecha >= ?"), {desde});
    return q.next() ? q.value(0).toInt() : -1;
}

// The month's bills taken away and generated again from the page, then the
// list painted, with the month shown (the floor) and with the year shown.
void medirGeneracion(BenchReport& report, int runs, const Periodo& periodo)
{
    BenchReport::Measure& m = report.add(QStringLiteral("bills page over a year: generate the month with the year shown"));
    m.targetRatio = 1.5;
    BenchReport::Measure& pausa = report.add(QStringLiteral("bills page over a year: longest stretch without events, generation"));
    pausa.targetMs = 250;
    ConservarTodo respuestas;
    const QDate mes = ADateHelper::firstDayOfMonth();
    const int delMes = recibosDesde(mes);
    bool bien = true;
    for (int r = 0; r < runs; ++r) {
        alMes();
        {
            RecibosWidget pagina;
            pagina.resize(1200, 800);
            pagina.show();
            Dao::getInstance()->execute(QStringLiteral("DELETE FROM recibo WHERE fecha >= ?"), {mes});
            QApplication::processEvents();
            m.floorSamples << BenchReport::timeMs([&] {
                pagina.generarRecibos();
                pintar(pagina);
            });
        }
        PaginaDelAnio pagina(periodo);
        Dao::getInstance()->execute(QStringLiteral("DELETE FROM recibo WHERE fecha >= ?"), {mes});
        pagina.pintar();
        const EventGap eventos;
        m.samples << BenchReport::timeMs([&] {
            pagina.pagina()->generarRecibos();
            pagina.pintar();
        });
        pausa.samples << eventos.longestMs();
        bien = bien && recibosDesde(mes) == delMes && pagina.filas() == periodo.recibos;
    }
    m.detail = QStringLiteral("%1 bills made over %2 shown; floor = the same with the month shown").arg(delMes).arg(periodo.recibos);
    m.sane = bien;
    pausa.detail = QStringLiteral("the question answered, the result box answered");
}

void medirPasos(BenchReport& report, int runs, PaginaDelAnio& pagina, const Periodo& periodo)
{
    BenchReport::Measure& fechas = report.add(QStringLiteral("bills page over a year: one step of a date"));
    fechas.targetMs = 100;
    fechas.targetMsAtScale = 300;
    BenchReport::Measure& pagados = report.add(QStringLiteral("bills page over a year: one step of the paid state"));
    pagados.targetMs = 100;
    pagados.targetMsAtScale = 300;
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

// The year's list written to a spreadsheet, as "Export listing" writes it.
void medirExportacion(BenchReport& report, int runs, PaginaDelAnio& pagina, int todas)
{
    BenchReport::Measure& m = report.add(QStringLiteral("bills page over a year: export the list to a spreadsheet"));
    BenchReport::Measure& pausa =
        report.add(QStringLiteral("bills page over a year: longest stretch without events, export"));
    pausa.targetMs = 250;
    QTemporaryDir carpeta;
    const QString fichero = carpeta.filePath(QStringLiteral("bills.xlsx"));
    bool escrito = carpeta.isValid();
    for (int r = 0; r < runs; ++r) {
        const EventGap sin;
        m.samples << BenchReport::timeMs(
            [&] { escrito = ASaveAsHelper::saveAsXls(fichero, QStringLiteral("Bill listing"), pagina.vista()) && escrito; });
        pausa.samples << sin.longestMs();
    }
    m.detail = QStringLiteral("%1 rows, %2 kB").arg(todas).arg(QFileInfo(fichero).size() / 1024);
    m.sane = escrito && pagina.filas() == todas;
    pausa.detail = QStringLiteral("while the list above is written");
}

} // namespace

void billsYearBench(BenchReport& report, int runs)
{
    const Periodo periodo = periodoCompleto();
    medirApertura(report, runs, periodo);
    medirPrimeros(report, runs, periodo);
    {
        PaginaDelAnio pagina(periodo);
        const int todas = pagina.filas();
        medirTeclas(report, runs, pagina, todas);
        medirOrden(report, runs, pagina, todas);
        medirPasos(report, runs, pagina, periodo);
        medirExportacion(report, runs, pagina, todas);
    }
    medirGeneracion(report, runs, periodo);
    // the page's model back on the month, as the other jobs expect it
    alMes();
}
