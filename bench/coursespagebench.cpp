#include "coursespagebench.h"

#include "benchreport.h"
#include "cursoswidget.h"
#include "printutils.h"
#include "processfacts.h"
#include "turnocurso.h"
#include "turnocursotablemodel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QItemSelectionModel>
#include <QPrinter>
#include <QTableView>

#include <memory>

namespace {
// The page as the user has it, but its preview renders every page to a PDF,
// which is what the preview dialog does to show them.
class PaginaCursosAPdf : public CursosWidget
{
public:
    explicit PaginaCursosAPdf(const QString& pdf)
        : m_pdf(pdf)
    {
    }
    int listados = 0;

protected:
    void preview(PrintUtils* documento, QPrinter* printer) override
    {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(m_pdf);
        documento->print(printer);
        ++listados;
    }

private:
    QString m_pdf;
};
}

void medirPaginaCursos(BenchReport& report, int runs, const QString& carpeta)
{
    const QString pdf = QDir(carpeta).filePath(QStringLiteral("cursos.pdf"));
    BenchReport::Measure& abrir = report.add(QStringLiteral("open the courses page (refresh, build, show)"));
    abrir.targetMs = 50;
    int filas = 0;
    for (int r = 0; r < runs; ++r) {
        abrir.samples << BenchReport::timeMs([&] {
            TurnoCursoTableModel::instance()->refresh();
            PaginaCursosAPdf pagina(pdf);
            pagina.resize(1000, 700);
            pagina.show();
            QApplication::processEvents();
            filas = pagina.findChild<QTableView*>(QStringLiteral("tbvCursos"))->model()->rowCount();
        });
    }
    abrir.detail = QStringLiteral("%1 course shifts").arg(filas);
    abrir.sane = filas > 0;

    BenchReport::Measure& listar = report.add(QStringLiteral("student listing of ten course shifts, rendered"));
    listar.targetMs = 1000;
    PaginaCursosAPdf pagina(pdf);
    pagina.show();
    auto* vista = pagina.findChild<QTableView*>(QStringLiteral("tbvCursos"));
    // ten course shifts, or every one a small academy has
    const int n = std::min(10, vista->model()->rowCount());
    // ten course shifts, or every one a small academy has
    for (int i = 0; i < n; ++i)
        vista->selectionModel()->select(vista->model()->index(i, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    for (int r = 0; r < runs; ++r) {
        QFile::remove(pdf);
        listar.samples << BenchReport::timeMs([&] { pagina.listadoAlumnos(true); });
    }
    const int paginas = ProcessFacts::pdfPages(pdf);
    listar.detail = QStringLiteral("%1 course shifts, %2 pages").arg(n).arg(paginas);
    listar.sane = n == std::min(10, filas) && pagina.listados == runs && paginas >= n;
}
