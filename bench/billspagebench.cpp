#include "billspagebench.h"

#include "adatehelper.h"
#include "aprompter.h"
#include "benchreport.h"
#include "dao.h"
#include "printbench.h"
#include "proxyhelpers.h"
#include "recibo.h"
#include "recibotablemodel.h"
#include "reciboswidget.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QSqlQuery>

#include <functional>

namespace {

// Answers every question of the page as the office would: the first named
// answer, OK to every message.
class AnswerAll : public APrompter
{
public:
    AnswerAll() { APrompter::setInstance(this); }
    ~AnswerAll() override { APrompter::setInstance(nullptr); }
    QMessageBox::StandardButton message(QMessageBox::Icon, const QString&, const QString&,
                                        QMessageBox::StandardButtons, QMessageBox::StandardButton,
                                        const QString&, QWidget*) override
    {
        return QMessageBox::Ok;
    }
    int choose(const Choice&) override { return 0; }
};

int recibosDesde(const QDate& desde)
{
    QSqlQuery q = Dao::getInstance()->query(QStringLiteral("SELECT count(*) FROM recibo WHERE fecha >= ?"), {desde});
    return q.next() ? q.value(0).toInt() : -1;
}

void borrarRecibosDesde(const QDate& desde)
{
    Dao::getInstance()->execute(QStringLiteral("DELETE FROM recibo WHERE fecha >= ?"), {desde});
}

} // namespace

void billsPageBench(BenchReport& report, int alumnos, int runs, const QString& workDir)
{
    const QDate mes = ADateHelper::firstDayOfMonth();
    AnswerAll answers;
    ReciboTableModel* modelo = ReciboTableModel::instance();

    BenchReport::Measure& abrir = report.add(QStringLiteral("bills page: open on the month's bills"));
    abrir.targetMs = 100;
    for (int r = 0; r < runs; ++r) {
        abrir.samples << BenchReport::timeMs([&] {
            modelo->refresh(); // what the main window does before it shows the section
            RecibosWidget page;
            page.resize(1200, 800);
            page.show();
            page.repaint();
        });
    }
    abrir.detail = QStringLiteral("%1 rows").arg(modelo->rowCount());
    abrir.sane = modelo->rowCount() == alumnos;

    RecibosWidget page;
    page.resize(1200, 800);
    page.show();
    page.repaint();
    auto* filtro = page.findChild<QLineEdit*>(QStringLiteral("leFiltro"));
    auto* vista = page.findChild<QAbstractItemView*>(QStringLiteral("tbvRecibos"));
    BenchReport::Measure& tecla = report.add(QStringLiteral("bills page: one filter keystroke"));
    tecla.targetMs = 30;
    // The second letter of a surname, typed after the first.
    const QString apellido = modelo->index(0, 9).data().toString();
    for (int r = 0; r < runs; ++r) {
        filtro->setText(apellido.left(1));
        page.repaint();
        tecla.samples << BenchReport::timeMs([&] {
            filtro->setText(apellido.left(2));
            page.repaint();
        });
    }
    tecla.detail = QStringLiteral("%1 of %2 rows left").arg(vista->model()->rowCount()).arg(modelo->rowCount());
    tecla.sane = vista->model()->rowCount() > 0 && vista->model()->rowCount() <= modelo->rowCount();
    filtro->clear();

    // The month's bills are taken away and generated again, by the model
    // layer alone and from the page (question, progress box, result box).
    BenchReport::Measure& generar = report.add(QStringLiteral("bills page: generate the month's bills"));
    generar.targetRatio = 1.2;
    for (int r = 0; r < runs; ++r) {
        borrarRecibosDesde(mes);
        modelo->refresh();
        QList<int> cuentas;
        generar.floorSamples << BenchReport::timeMs([&] { cuentas = Recibo::generarRecibos(0, 0, {}); });
        borrarRecibosDesde(mes);
        modelo->refresh();
        generar.samples << BenchReport::timeMs([&] { page.generarRecibos(); });
        generar.sane = generar.sane && cuentas == QList<int>{alumnos, 0, 0} && recibosDesde(mes) == alumnos;
    }
    generar.detail = QStringLiteral("%1 bills; floor = Recibo::generarRecibos alone").arg(recibosDesde(mes));

    BenchReport::Measure& imprimir = report.add(QStringLiteral("print 500 bills to PDF (page's document)"));
    imprimir.targetMs = 4000;
    QList<int> ids;
    for (int fila = 0; fila < modelo->rowCount() && ids.size() < 500; ++fila)
        ids << modelo->index(fila, 0).data(ARole::Id).toInt();
    const QString pdf = workDir + QStringLiteral("/page-bills.pdf");
    for (int r = 0; r < runs; ++r) {
        QFile::remove(pdf);
        bool completo = true;
        imprimir.samples << BenchReport::timeMs([&] { completo = printBillsToPdf(ids, pdf); });
        imprimir.sane = imprimir.sane && completo;
    }
    imprimir.detail = QStringLiteral("%1 bills, %2 kB").arg(ids.size()).arg(QFile(pdf).size() / 1024);
    imprimir.sane = imprimir.sane && ids.size() == std::min(500, alumnos) && QFile(pdf).size() > 0;
}
