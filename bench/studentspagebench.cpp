#include "studentspagebench.h"

#include "alumnoswidget.h"
#include "appstatusdialog.h"
#include "asignaturasalumnodialog.h"
#include "benchreport.h"
#include "dao.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTimer>

#include <functional>
#include <memory>

namespace {
int alumnoConMasAltas()
{
    QSqlQuery q = Dao::getInstance()->query(
        QStringLiteral("SELECT idalumno FROM alta GROUP BY idalumno ORDER BY count(*) DESC, idalumno LIMIT 1"));
    return q.next() ? q.value(0).toInt() : 0;
}

// Shown and painted once, as the user first sees it.
void mostrar(QWidget* w)
{
    w->show();
    w->repaint();
    QApplication::processEvents();
}

void medirApertura(BenchReport& report, int runs)
{
    BenchReport::Measure& abrir = report.add(QStringLiteral("open the students page (model loaded, first paint)"));
    abrir.targetMs = 150;
    int filas = 0;
    for (int r = 0; r < runs; ++r) {
        abrir.samples << BenchReport::timeMs([&] {
            AlumnosWidget pagina;
            pagina.resize(1200, 800);
            pagina.refreshModel();
            mostrar(&pagina);
            filas = pagina.findChild<QTableView*>(QStringLiteral("tbvAlumnos"))->model()->rowCount();
        });
    }
    abrir.detail = QStringLiteral("%1 current students").arg(filas);
    abrir.sane = filas > 0;
}

// Every keystroke of a few filter words, then the filter emptied again.
void medirFiltro(BenchReport& report, int runs)
{
    BenchReport::Measure& filtro = report.add(QStringLiteral("students page: one filter keystroke"));
    filtro.targetMs = 30;
    AlumnosWidget pagina;
    pagina.resize(1200, 800);
    pagina.refreshModel();
    mostrar(&pagina);
    auto* edit = pagina.findChild<QLineEdit*>(QStringLiteral("leFiltro"));
    auto* vista = pagina.findChild<QTableView*>(QStringLiteral("tbvAlumnos"));
    const int todas = vista->model()->rowCount();
    int menos = todas;
    for (int r = 0; r < runs; ++r) {
        for (const QString& palabra : {QStringLiteral("mar"), QStringLiteral("sou"), QStringLiteral("98")}) {
            QString texto;
            for (const QChar c : palabra) {
                texto += c;
                filtro.samples << BenchReport::timeMs([&] {
                    edit->setText(texto);
                    vista->viewport()->repaint();
                });
                menos = std::min(menos, vista->model()->rowCount());
            }
            filtro.samples << BenchReport::timeMs([&] {
                edit->clear();
                vista->viewport()->repaint();
            });
        }
    }
    filtro.detail = QStringLiteral("%1 keystrokes over %2 rows").arg(filtro.samples.size()).arg(todas);
    filtro.sane = todas > 0 && menos < todas && vista->model()->rowCount() == todas;
}

void medirAltas(BenchReport& report, int runs)
{
    BenchReport::Measure& altas = report.add(QStringLiteral("open one student's sign-ups dialog"));
    altas.targetMs = 50;
    const int id = alumnoConMasAltas();
    int filas = 0;
    for (int r = 0; r < runs && id > 0; ++r) {
        std::unique_ptr<AsignaturasAlumnoDialog> dialogo;
        altas.samples << BenchReport::timeMs([&] {
            dialogo = std::make_unique<AsignaturasAlumnoDialog>(id);
            mostrar(dialogo.get());
        });
        filas = dialogo->findChild<QTableView*>(QStringLiteral("tbvSubjects"))->model()->rowCount();
        // gone without closing: its transaction is rolled back, no check runs
    }
    altas.detail = QStringLiteral("%1 sign-ups").arg(filas);
    altas.sane = id > 0 && filas > 0 && !Dao::getInstance()->inTransaction();
}

// While the close runs, clicks "Save anyway" in the status dialog once it
// shows, and keeps when.
struct Guardado {
    bool esperando = true;
    QElapsedTimer clic;
};

void guardarAlMostrarse(const std::shared_ptr<Guardado>& guardado)
{
    QTimer::singleShot(0, [guardado] {
        if (!guardado->esperando)
            return;
        auto* dialogo = qobject_cast<AppStatusDialog*>(QApplication::activeModalWidget());
        if (!dialogo) {
            guardarAlMostrarse(guardado);
            return;
        }
        guardado->esperando = false;
        guardado->clic.start();
        dialogo->findChild<QPushButton*>(QStringLiteral("btnIgnore"))->click();
    });
}

// A sign-up's comments changed in the sign-ups dialog over the shown students
// page, the dialog closed and "Save anyway" chosen: from that click to the
// page painted again, the list brought up to date on the way.
void medirGuardarAltas(BenchReport& report, int runs)
{
    BenchReport::Measure& guardar = report.add(QStringLiteral("students page: save anyway after a sign-up change"));
    guardar.targetMs = 150;
    const int id = alumnoConMasAltas();
    AlumnosWidget pagina;
    pagina.resize(1200, 800);
    pagina.refreshModel();
    mostrar(&pagina);
    int preguntas = 0;
    for (int r = 0; r < runs && id > 0; ++r) {
        QPointer<AsignaturasAlumnoDialog> dialogo = new AsignaturasAlumnoDialog(id, &pagina);
        dialogo->show();
        Dao::getInstance()->execute(QStringLiteral("UPDATE alta SET observaciones = ? WHERE id = (SELECT min(id) "
                                                   "FROM alta WHERE idalumno = ?)"),
                                    {QStringLiteral("run %1").arg(r), id});
        auto guardado = std::make_shared<Guardado>();
        guardarAlMostrarse(guardado);
        QElapsedTimer desde;
        desde.start();
        dialogo->reject();
        pagina.repaint();
        QApplication::processEvents();
        guardado->esperando = false;
        // with nothing to list the dialog does not show: the whole close counts
        const bool pregunto = guardado->clic.isValid();
        preguntas += pregunto;
        guardar.samples << double((pregunto ? guardado->clic : desde).nsecsElapsed()) / 1e6;
        guardar.sane = guardar.sane && !Dao::getInstance()->inTransaction() && (!dialogo || !dialogo->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        delete dialogo;
    }
    guardar.detail = QStringLiteral("the status dialog asked %1 of %2 times").arg(preguntas).arg(runs);
    guardar.sane = guardar.sane && id > 0;
}
} // namespace

void medirPaginaAlumnos(BenchReport& report, int runs)
{
    // the forms name their icons as the program finds them
    medirApertura(report, runs);
    medirFiltro(report, runs);
    medirAltas(report, runs);
    medirGuardarAltas(report, runs);
}
