#include "printbench.h"

#include "academia.h"
#include "alumnoswidget.h"
#include "amemory.h"
#include "asaveashelper.h"
#include "benchreport.h"
#include "dao.h"
#include "documentosrecibos.h"
#include "eventgap.h"
#include "printutils.h"
#include "processfacts.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPrinter>
#include <QSqlQuery>
#include <QTableView>


namespace {
constexpr int kBills = 5000;
constexpr int kYearOfBills = 60000;
// Below this many students the two bill rows print a few hundred bills only,
// so that the small run stays quick under the sanitizers.
constexpr int kSmallAcademy = 1000;
constexpr int kSmallBills = 100;
constexpr int kSmallYearOfBills = 300;
// Cancel must act within this while a long job runs.
constexpr double kEventsEveryMs = 250;

} // namespace

void benchStudentList(BenchReport& report, int runs, const QString& pdf)
{
    BenchReport::Measure& lista = report.add(QStringLiteral("print the current students' list to PDF"));
    lista.targetMs = 10000;
    lista.targetMsAtScale = 20000;
    BenchReport::Measure& hueco = report.add(QStringLiteral("longest stretch without processed events, students' list to PDF"));
    hueco.targetMs = kEventsEveryMs;
    AlumnosWidget pagina;
    pagina.refreshModel();
    auto* vista = pagina.findChild<QTableView*>(QStringLiteral("tbvAlumnos"));
    bool escrito = true;
    for (int r = 0; r < runs; ++r) {
        QFile::remove(pdf);
        const EventGap gap;
        lista.samples << BenchReport::timeMs(
            [&] { escrito = ASaveAsHelper::saveAsPdf(pdf, QStringLiteral("Student list"), vista) && escrito; });
        hueco.samples << gap.longestMs();
    }
    hueco.detail = QStringLiteral("while the list above prints");
    const int paginas = ProcessFacts::pdfPages(pdf);
    lista.detail = QStringLiteral("%1 students, %2 pages").arg(vista->model()->rowCount()).arg(paginas);
    lista.sane = escrito && paginas > vista->model()->rowCount() / 60;
}

namespace {

// Bills printed to PDF a batch at a time: the time, the peak memory over what
// the process held before, with the target in megabytes in its detail, and
// the longest stretch without processed events.
void benchBills(BenchReport& report, int bills, int runs, double targetMs, int targetMb, const QString& pdf)
{
    BenchReport::Measure& tiempo = report.add(QStringLiteral("print %1 bills to PDF (batches)").arg(bills));
    tiempo.targetMs = targetMs;
    // Megabytes in the milliseconds column; its target is in the detail.
    BenchReport::Measure& memoria =
        report.add(QStringLiteral("peak resident memory growth in MB, %1 bills to PDF").arg(bills));
    BenchReport::Measure& hueco =
        report.add(QStringLiteral("longest stretch without processed events, %1 bills to PDF").arg(bills));
    hueco.targetMs = kEventsEveryMs;
    QList<int> ids;
    QSqlQuery q = Dao::getInstance()->query(QStringLiteral("SELECT id FROM recibo ORDER BY fecha, id LIMIT ?"), {bills});
    while (q.next())
        ids << q.value(0).toInt();
    QSqlQuery total = Dao::getInstance()->query(QStringLiteral("SELECT count(*) FROM recibo"));
    const int esperados = total.next() ? std::min(bills, total.value(0).toInt()) : -1;
    bool completo = true;
    for (int r = 0; r < runs; ++r) {
        QFile::remove(pdf);
        // What earlier jobs freed goes back first, so that reusing it does not hide growth.
        AMemory::giveBack();
        const bool medible = ProcessFacts::resetPeak();
        const double antes = ProcessFacts::statusMb("VmRSS:");
        const EventGap gap;
        tiempo.samples << BenchReport::timeMs([&] { completo = printBillsToPdf(ids, pdf) && completo; });
        hueco.samples << gap.longestMs();
        if (medible)
            memoria.samples << ProcessFacts::statusMb("VmHWM:") - antes;
    }
    const int paginas = ProcessFacts::pdfPages(pdf);
    tiempo.detail = QStringLiteral("%1 bills, %2 pages, %3 kB").arg(ids.size()).arg(paginas).arg(QFileInfo(pdf).size() / 1024);
    tiempo.sane = completo && paginas == ids.size() && ids.size() == esperados;
    memoria.detail = QStringLiteral("the peak over the memory held before the print (target < %1 MB)").arg(targetMb);
    memoria.sane = !memoria.samples.isEmpty();
    hueco.detail = QStringLiteral("while the bills above print");
    QFile::remove(pdf);
}
// Every unpaid bill's letter to PDF, as "Generate unpaid list" with nothing
// selected prints them: the time, the peak memory it adds and the longest
// stretch without processed events.
void benchLetters(BenchReport& report, int runs, const QString& pdf)
{
    BenchReport::Measure& tiempo = report.add(QStringLiteral("print every unpaid bill's letter to PDF (batches)"));
    tiempo.targetMs = 30000;
    BenchReport::Measure& memoria = report.add(QStringLiteral("peak resident memory growth in MB, every letter to PDF"));
    BenchReport::Measure& hueco = report.add(QStringLiteral("longest stretch without processed events, letters to PDF"));
    hueco.targetMs = kEventsEveryMs;
    QSqlQuery q = Dao::getInstance()->query(
        QStringLiteral("SELECT count(*), count(DISTINCT idalumno) FROM recibo WHERE pagado == 'false'"));
    const int deudores = q.next() ? q.value(1).toInt() : -1;
    const int impagados = q.isValid() ? q.value(0).toInt() : -1;
    bool completo = true;
    for (int r = 0; r < runs; ++r) {
        QFile::remove(pdf);
        AMemory::giveBack();
        const bool medible = ProcessFacts::resetPeak();
        const double antes = ProcessFacts::statusMb("VmRSS:");
        const EventGap gap;
        tiempo.samples << BenchReport::timeMs([&] { completo = printLettersToPdf(pdf) && completo; });
        hueco.samples << gap.longestMs();
        if (medible)
            memoria.samples << ProcessFacts::statusMb("VmHWM:") - antes;
    }
    const int paginas = ProcessFacts::pdfPages(pdf);
    tiempo.detail = QStringLiteral("%1 unpaid bills, %2 letters, %3 pages").arg(impagados).arg(deudores).arg(paginas);
    tiempo.sane = completo && deudores > 0 && paginas >= deudores;
    memoria.detail = QStringLiteral("the peak over the memory held before the print (target < 200 MB)");
    memoria.sane = !memoria.samples.isEmpty();
    hueco.detail = QStringLiteral("while the letters above print");
    QFile::remove(pdf);
}
} // namespace

bool printLettersToPdf(const QString& pdf)
{
    PrintUtils documento(Academia::cabeceraListado(),
                         DocumentosRecibos::lotesCartasImpagadas(QLocale(QLocale::Spanish, QLocale::Spain)),
                         QString(), nullptr, DocumentosRecibos::imagenes());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    documento.print(&printer);
    return !documento.cancelled() && !documento.failed();
}

bool printBillsToPdf(const QList<int>& ids, const QString& pdf)
{
    PrintUtils documento(QString(), DocumentosRecibos::lotesRecibos(ids), QString(), nullptr,
                         DocumentosRecibos::imagenes());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    documento.print(&printer);
    return !documento.cancelled() && !documento.failed();
}

void benchPrinting(BenchReport& report, int students, int runs, const QString& workDir)
{
    const bool small = students < kSmallAcademy;
    benchBills(report, small ? kSmallBills : kBills, runs, 10000, 400, workDir + QStringLiteral("/bills-batches.pdf"));
    benchLetters(report, runs, workDir + QStringLiteral("/letters.pdf"));
    // A year of the large academy's bills, once: it takes a minute or two.
    benchBills(report, small ? kSmallYearOfBills : kYearOfBills, 1, 120000, 1024,
               workDir + QStringLiteral("/bills-year.pdf"));
}
