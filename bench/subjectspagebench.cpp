#include "subjectspagebench.h"

#include "asignaturaswidget.h"
#include "benchreport.h"
#include "dao.h"
#include "profesoreswidget.h"
#include "profesortablemodel.h"
#include "proxyhelpers.h"
#include "turnoasignaturatablemodel.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QSqlQuery>
#include <QTableView>
#include <QTimer>

#include <functional>

namespace {

void mostrar(QWidget* w)
{
    w->show();
    w->repaint();
    QApplication::processEvents();
}

// The page as the main window shows it: the shared model refreshed, then
// the page built, installed and painted.
template <class Page>
void medirApertura(BenchReport& report, int runs, const QString& nombre, const char* vista,
                   const std::function<void()>& refresh)
{
    BenchReport::Measure& m = report.add(nombre);
    m.targetMs = 100;
    int filas = 0;
    for (int r = 0; r < runs; ++r) {
        m.samples << BenchReport::timeMs([&] {
            refresh();
            Page pagina;
            pagina.resize(1200, 800);
            mostrar(&pagina);
            filas = pagina.template findChild<QTableView*>(QLatin1String(vista))->model()->rowCount();
        });
    }
    m.detail = QStringLiteral("%1 rows").arg(filas);
    m.sane = filas > 0;
}

void medirFiltro(BenchReport& report, const QString& nombre, QWidget* pagina, const char* vista,
                 const QStringList& palabras)
{
    BenchReport::Measure& m = report.add(nombre);
    m.targetMs = 20;
    auto* edit = pagina->findChild<QLineEdit*>(QStringLiteral("leFiltro"));
    auto* tabla = pagina->findChild<QTableView*>(QLatin1String(vista));
    const int todas = tabla->model()->rowCount();
    int menos = todas;
    for (const QString& palabra : palabras) {
        QString texto;
        for (const QChar c : palabra) {
            texto += c;
            m.samples << BenchReport::timeMs([&] {
                edit->setText(texto);
                tabla->viewport()->repaint();
            });
            menos = std::min(menos, tabla->model()->rowCount());
        }
        m.samples << BenchReport::timeMs([&] {
            edit->clear();
            tabla->viewport()->repaint();
        });
    }
    m.detail = QStringLiteral("%1 keystrokes over %2 rows").arg(m.samples.size()).arg(todas);
    m.sane = todas > 0 && menos < todas && tabla->model()->rowCount() == todas;
}

bool selectId(QTableView* tabla, int id)
{
    const QAbstractItemModel* model = tabla->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 0).data(ARole::Id).toInt() == id) {
            tabla->selectRow(row);
            return true;
        }
    }
    return false;
}

int profesorMasOcupado()
{
    QSqlQuery q = Dao::getInstance()->query(QStringLiteral(
        "SELECT p.id FROM profesor p JOIN sesiondeclase s ON s.idprofesor = p.id WHERE p.sueldofijo > 0 "
        "AND p.sueldoporhora > 0 AND p.sueldoporcentaje > 0 GROUP BY p.id ORDER BY count(*) DESC, p.id LIMIT 1"));
    return q.next() ? q.value(0).toInt() : 0;
}

// From the action to the preview on screen with its pages drawn.
void medirLiquidacion(BenchReport& report, int runs)
{
    BenchReport::Measure& m = report.add(QStringLiteral("teachers page: one teacher's settlement preview"));
    m.targetMs = 300;
    ProfesoresWidget pagina;
    pagina.resize(1200, 800);
    mostrar(&pagina);
    const bool elegido = selectId(pagina.findChild<QTableView*>(QStringLiteral("tbvProfesores")), profesorMasOcupado());
    auto* accion = pagina.findChild<QAction*>(QStringLiteral("actionLiquidacion"));
    int mostradas = 0;
    for (int r = 0; r < runs && elegido; ++r) {
        QElapsedTimer t;
        double ms = -1;
        QTimer vigia;
        QObject::connect(&vigia, &QTimer::timeout, [&] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                auto* preview = qobject_cast<QPrintPreviewDialog*>(top);
                auto* pages = preview ? preview->findChild<QPrintPreviewWidget*>() : nullptr;
                if (preview && preview->isVisible() && pages && pages->pageCount() > 0) {
                    ms = double(t.nsecsElapsed()) / 1e6;
                    ++mostradas;
                    preview->reject();
                }
            }
        });
        vigia.start(0);
        t.start();
        accion->trigger();
        vigia.stop();
        m.samples << ms;
    }
    m.detail = QStringLiteral("all three pay kinds, %1 previews").arg(mostradas);
    m.sane = elegido && mostradas == runs;
}

} // namespace

void benchSubjectsAndTeachersPages(BenchReport& report, int runs)
{
    medirApertura<AsignaturasWidget>(report, runs, QStringLiteral("open the subjects page (model loaded, first paint)"),
                                     "tbvAsignaturas", [] { TurnoAsignaturaTableModel::instance()->refresh(); });
    medirApertura<ProfesoresWidget>(report, runs, QStringLiteral("open the teachers page (model loaded, first paint)"),
                                    "tbvProfesores", [] { ProfesorTableModel::instance()->refresh(); });
    {
        AsignaturasWidget pagina;
        pagina.resize(1200, 800);
        mostrar(&pagina);
        medirFiltro(report, QStringLiteral("subjects page: one filter keystroke"), &pagina, "tbvAsignaturas",
                    QStringList(runs, QStringLiteral("physics")) << QStringLiteral("group b"));
    }
    {
        ProfesoresWidget pagina;
        pagina.resize(1200, 800);
        mostrar(&pagina);
        medirFiltro(report, QStringLiteral("teachers page: one filter keystroke"), &pagina, "tbvProfesores",
                    QStringList(runs, QStringLiteral("mar")) << QStringLiteral("lugo"));
    }
    medirLiquidacion(report, runs);
}
