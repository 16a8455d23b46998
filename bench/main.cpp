// Measures how the program's heavy jobs grow with the size of the academy,
// on a synthetic academy built in a private data folder, and sets the monthly
// generation and the consistency check beside what SQLite alone needs.

#include "academia.h"
#include "adatehelper.h"
#include "academygenerator.h"
#include "alumno.h"
#include "alumnotablemodel.h"
#include "asignaturasalumnotablemodel.h"
#include "benchreport.h"
#include "billspagebench.h"
#include "billsyearbench.h"
#include "changenotifier.h"
#include "checkreusebench.h"
#include "coursespagebench.h"
#include "dao.h"
#include "dbmanager.h"
#include "estadoacademia.h"
#include "listado.h"
#include "listadoresecon.h"
#include "mainwindowbench.h"
#include "printbench.h"
#include "printutils.h"
#include "processfacts.h"
#include "profesor.h"
#include "profesortablemodel.h"
#include "recibo.h"
#include "recibotablemodel.h"
#include "sqlfloor.h"
#include "studentspagebench.h"
#include "subjectspagebench.h"
#include "threadsatexit.h"
#include "timetablespagebench.h"
#include "turnoasignatura.h"
#include "turnoasignaturatablemodel.h"
#include "turnocurso.h"
#include "turnocursotablemodel.h"

#include <cstdlib>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QStandardPaths>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

#include <functional>
#include <memory>

namespace {

const QString kDb = QStringLiteral("bench");

// Never the user's settings or data: a private home that goes with the run,
// and the test-mode locations inside it.
QTemporaryDir* privateHome()
{
    auto* home = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/pensario-bench-XXXXXX"));
    if (!home->isValid())
        return home;
    const QByteArray path = home->path().toLocal8Bit();
    qputenv("HOME", path);
    qputenv("XDG_DATA_HOME", path + "/.local/share");
    qputenv("XDG_CONFIG_HOME", path + "/.config");
    qputenv("XDG_CACHE_HOME", path + "/.cache");
    qputenv("XDG_RUNTIME_DIR", path);
    QStandardPaths::setTestModeEnabled(true);
    return home;
}

void setIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("Pensario"));
    QCoreApplication::setOrganizationName(QStringLiteral("Velbrook"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("velbrook.example"));
}

int g_warnings = 0;

// Developer traces would drown the table; warnings are counted and the first
// few shown, since a warning during a measured job is worth knowing about.
void messageHandler(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    if (type == QtFatalMsg) {
        fprintf(stderr, "fatal: %s\n", qPrintable(text));
        abort();
    }
    if (++g_warnings <= 10)
        fprintf(stderr, "warning: %s\n", qPrintable(text));
}

double msSince(const QElapsedTimer& t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

double cronometra(const std::function<void()>& f)
{
    QElapsedTimer t;
    t.start();
    f();
    return msSince(t);
}

QString dbPath()
{
    return DBManager::dataDir() + QDir::separator() + kDb + DBManager::EXTENSION;
}

bool copia(const QString& from, const QString& to)
{
    QFile::remove(to);
    return QFile::copy(from, to);
}

int escalar(const QString& sql, const QList<QVariant>& values = {})
{
    QSqlQuery q = Dao::getInstance()->query(sql, values);
    return q.next() ? q.value(0).toInt() : -1;
}

} // namespace

int main(int argc, char** argv)
{
    std::atexit(ThreadsAtExit::awaitOthersGone);
    if (const int child = mainWindowBenchChild(argc, argv); child >= 0)
        return child;
    std::unique_ptr<QTemporaryDir> home(privateHome());
    if (!home->isValid()) {
        fprintf(stderr, "no private temporary folder\n");
        return 2;
    }
    setIdentity();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setIdentity();
    // The pages name their icons through the search path the program sets.
    QDir::setSearchPaths(QStringLiteral("icons"), {QStringLiteral(":/icons")});
    qInstallMessageHandler(messageHandler);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Timings of the heavy jobs on a synthetic academy."));
    parser.addHelpOption();
    QCommandLineOption sizeOption(QStringList{QStringLiteral("s"), QStringLiteral("size")},
                                  QStringLiteral("small (200 students), large (5000) or a number of students."),
                                  QStringLiteral("size"), QStringLiteral("small"));
    QCommandLineOption runsOption(QStringList{QStringLiteral("r"), QStringLiteral("runs")},
                                  QStringLiteral("Runs per measurement; the median is shown."),
                                  QStringLiteral("runs"), QStringLiteral("5"));
    QCommandLineOption jsonOption(QStringLiteral("json"), QStringLiteral("One JSON object per measurement and line."));
    QCommandLineOption saveOption(QStringLiteral("save"),
                                  QStringLiteral("Keep a copy of the generated academy (and the bills' PDF as <file>.pdf, "
                                                 "the students' list as <file>.students.pdf)."),
                                  QStringLiteral("file"));
    QCommandLineOption onlyOption(QStringLiteral("only"),
                                  QStringLiteral("Only these groups after the opening and generation, comma separated: "
                                                 "check, models, listings, bills, students, billspage, billsyear, "
                                                 "checkreuse, timetables, mainwindow, subjects, courses, studentlist, printing."),
                                  QStringLiteral("groups"));
    parser.addOptions({sizeOption, runsOption, jsonOption, saveOption, onlyOption});
    parser.process(app);

    const QString size = parser.value(sizeOption);
    bool numero = false;
    int alumnos = size == QLatin1String("small") ? 200 : size == QLatin1String("large") ? 5000 : size.toInt(&numero);
    if (size != QLatin1String("small") && size != QLatin1String("large") && (!numero || alumnos < 10)) {
        fprintf(stderr, "--size: small, large or a number of students of at least 10\n");
        return 2;
    }
    const int runs = std::max(1, parser.value(runsOption).toInt());
    const QStringList only = parser.value(onlyOption).split(QLatin1Char(','), Qt::SkipEmptyParts);
    const auto wanted = [&only](const char* group) { return only.isEmpty() || only.contains(QLatin1String(group)); };
    QTextStream out(stdout);
    QTextStream err(stderr);

    QTemporaryDir trabajo;
    if (!trabajo.isValid()) {
        err << "no temporary folder\n";
        return 2;
    }
    const QString pristine = trabajo.filePath(QStringLiteral("pristine.sqlite"));
    const QString floorDb = trabajo.filePath(QStringLiteral("floor.sqlite"));

    BenchReport report(alumnos);
    Dao* dao = Dao::getInstance();
    if (!DBManager::setCurrentDB(kDb) || !dao->open(kDb, false)) {
        err << "the benchmark database could not be created\n";
        return 1;
    }

    // The academy.
    const AcademyGenerator::Sizes sizes = AcademyGenerator::sizesFor(alumnos);
    AcademyGenerator::Counts counts;
    QString error;
    bool generado = false;
    BenchReport::Measure& gen = report.add(QStringLiteral("build synthetic academy (once)"));
    gen.samples << cronometra([&] { generado = AcademyGenerator().generate(sizes, &counts, &error); });
    if (!generado) {
        err << "the academy could not be generated: " << error << '\n';
        return 1;
    }
    gen.detail = QStringLiteral("%1 students, %2 subjects, %3 shifts, %4 sessions, %5 enrolments, %6 teachers, "
                                "%7 rooms, %8 courses, %9 bills")
                     .arg(counts.alumnos).arg(counts.asignaturas).arg(counts.turnos).arg(counts.sesiones)
                     .arg(counts.altas).arg(counts.profesores).arg(counts.aulas).arg(counts.cursos)
                     .arg(counts.recibos);
    gen.sane = counts.alumnos == sizes.alumnos && counts.turnos == sizes.turnos && counts.sesiones == sizes.sesiones
               && counts.recibos == sizes.alumnos * sizes.mesesRecibos
               && escalar(QStringLiteral("SELECT count(*) FROM recibo")) == counts.recibos
               && escalar(QStringLiteral("SELECT count(*) FROM alta")) == counts.altas
               && AcademyGenerator::editableAsStored();
    dao->close();
    if (!copia(dbPath(), pristine)) {
        err << "the generated file could not be copied\n";
        return 1;
    }

    if (parser.isSet(saveOption) && !copia(pristine, parser.value(saveOption)))
        err << "the academy could not be saved to " << parser.value(saveOption) << '\n';

    const QDate mes = ADateHelper::firstDayOfMonth();
    const QDate hoy = QDate::currentDate();

    // Opening, monthly generation and regeneration, each run on a fresh copy
    // of the generated file; the plain-SQL generation on another copy.
    BenchReport::Measure& abrir = report.add(QStringLiteral("open database (integrity, migration, backup)"));
    abrir.targetMs = 500;
    BenchReport::Measure& integridad = report.add(QStringLiteral("integrity check (part of opening)"));
    BenchReport::Measure& generacion = report.add(QStringLiteral("monthly bill generation"));
    generacion.targetMs = 1000;
    generacion.targetRatio = 1.3;
    BenchReport::Measure& regeneracion = report.add(QStringLiteral("regenerate all bills of the month"));
    QString resumenPrograma, resumenFloor;
    for (int r = 0; r < runs; ++r) {
        dao->close();
        if (!copia(pristine, dbPath())) {
            err << "the working copy could not be made\n";
            return 1;
        }
        bool abierto = false;
        abrir.samples << cronometra([&] {
            abierto = dao->open(kDb, false);
            dao->backup(kDb + DBManager::EXTENSION);
        });
        if (!abierto) {
            err << "the generated database did not open\n";
            return 1;
        }
        bool integro = false;
        integridad.samples << cronometra([&] { integro = dao->integrityCheck(); });
        abrir.sane = abrir.sane && integro;
        // The bills page shows the month's bills while it generates them.
        ReciboTableModel::instance();

        QList<int> resultado;
        generacion.samples << cronometra([&] { resultado = Recibo::generarRecibos(0, 0, {}); });
        generacion.sane = generacion.sane && resultado == QList<int>{alumnos, 0, 0};
        generacion.detail = QStringLiteral("created/modified/unchanged %1/%2/%3")
                                .arg(resultado.value(0)).arg(resultado.value(1)).arg(resultado.value(2));
        resumenPrograma = SqlFloor::resumenMes(dbPath(), mes);

        const QList<Recibo*> delMes = Recibo::list(Recibo::PAGADOS_E_IMPAGADOS, mes, mes.addMonths(1));
        int regenerados = -1;
        regeneracion.samples << cronometra([&] { regenerados = Recibo::regenerarRecibos(delMes, 0); });
        qDeleteAll(delMes);
        regeneracion.sane = regeneracion.sane && regenerados == alumnos;
        regeneracion.detail = QStringLiteral("%1 bills rebuilt").arg(regenerados);

        if (!copia(pristine, floorDb)) {
            err << "the floor copy could not be made\n";
            return 1;
        }
        const SqlFloor::Result piso = SqlFloor::generarRecibos(floorDb, mes, hoy);
        if (!piso.ok) {
            err << "plain-SQL generation failed: " << piso.error << '\n';
            generacion.sane = false;
        }
        generacion.floorSamples << piso.ms;
        generacion.sane = generacion.sane && piso.rows == alumnos;
        resumenFloor = SqlFloor::resumenMes(floorDb, mes);
    }
    // Same bills, amounts, discounts and texts from both; only the numbers may
    // follow another order.
    if (resumenPrograma != resumenFloor) {
        err << "program and plain SQL wrote different bills: " << resumenPrograma << " vs " << resumenFloor << '\n';
        generacion.sane = false;
    }

    if (wanted("check")) {
        // The consistency check on the academy with this month's bills.
        BenchReport::Measure& check = report.add(QStringLiteral("consistency check"));
        check.targetMs = 100;
        const int apertura = AcademyGenerator::kHoraApertura * 60;
        const int cierre = AcademyGenerator::kHoraCierre * 60;
        for (int r = 0; r < runs; ++r) {
            QList<EstadoAcademia*> estado;
            // the whole check, as after a change to every table it reads
            ChangeNotifier::instance()->changeAll();
            check.samples << cronometra([&] { estado = Academia::comprobarEstado(); });
            int hallazgos = 0;
            for (EstadoAcademia* e : estado) {
                if (e->tipo() != EstadoAcademia::Ok)
                    ++hallazgos;
                if (e->tipo() != EstadoAcademia::Fallo)
                    delete e; // faults stay with the current-faults list
            }
            const SqlFloor::Result piso = SqlFloor::comprobarEstado(dbPath(), apertura, cierre);
            if (!piso.ok)
                err << "plain-SQL check failed: " << piso.error << '\n';
            check.floorSamples << piso.ms;
            check.sane = check.sane && piso.ok && hallazgos == piso.rows;
            check.detail = QStringLiteral("%1 findings (plain SQL %2)").arg(hallazgos).arg(piso.rows);
        }
    }

    if (wanted("models")) {
        // Table models, each refreshed as its page does when shown.
        auto medirModelo = [&](const QString& nombre, QAbstractItemModel* modelo, const std::function<void()>& refresh,
                               int esperadas) {
            BenchReport::Measure& m = report.add(nombre);
            m.targetMs = 50;
            for (int r = 0; r < runs; ++r)
                m.samples << cronometra(refresh);
            m.detail = QStringLiteral("%1 rows").arg(modelo->rowCount());
            m.sane = esperadas < 0 ? modelo->rowCount() > 0 : modelo->rowCount() == esperadas;
        };
        AlumnoTableModel* alumnosModel = AlumnoTableModel::instance();
        medirModelo(QStringLiteral("refresh student model"), alumnosModel, [&] { alumnosModel->refresh(); }, alumnos);
        ProfesorTableModel* profesModel = ProfesorTableModel::instance();
        medirModelo(QStringLiteral("refresh teacher model"), profesModel, [&] { profesModel->refresh(); },
                    counts.profesores);
        TurnoAsignaturaTableModel* turnosModel = TurnoAsignaturaTableModel::instance();
        medirModelo(QStringLiteral("refresh subject-shift model"), turnosModel, [&] { turnosModel->refresh(); },
                    counts.turnos);
        TurnoCursoTableModel* turnosCursoModel = TurnoCursoTableModel::instance();
        medirModelo(QStringLiteral("refresh course-shift model"), turnosCursoModel, [&] { turnosCursoModel->refresh(); },
                    counts.turnosCurso);
        ReciboTableModel* recibosModel = ReciboTableModel::instance();
        medirModelo(QStringLiteral("refresh bill model (this month)"), recibosModel, [&] { recibosModel->refresh(); },
                    alumnos);
        {
            Alumno* alumno = Alumno::getFromDB(escalar(QStringLiteral("SELECT idalumno FROM alta GROUP BY idalumno "
                                                                      "ORDER BY count(*) DESC, idalumno LIMIT 1")));
            if (alumno) {
                AsignaturasAlumnoTableModel* asignaturasModel = alumno->getAsignaturasModel();
                medirModelo(QStringLiteral("refresh one student's sign-ups model"), asignaturasModel,
                            [&] { asignaturasModel->refresh(); }, -1);
                delete alumno;
            } else {
                report.add(QStringLiteral("refresh one student's sign-ups model")).sane = false;
            }
        }
    }

    if (wanted("listings")) {
        // Listings.
        {
            BenchReport::Measure& m = report.add(QStringLiteral("course-shift listing (current students, amounts)"));
            const int id = escalar(QStringLiteral("SELECT min(id) FROM turnocurso"));
            TurnoCurso* turno = TurnoCurso::getFromDB(id);
            int filas = 0;
            qsizetype html = 0;
            for (int r = 0; r < runs && turno; ++r) {
                m.samples << cronometra([&] {
                    Listado* listado = turno->listado(true, 0);
                    filas = listado ? listado->rowCount() : -1;
                    html = listado ? listado->toHtml(true).size() : 0;
                    delete listado;
                });
            }
            m.detail = QStringLiteral("%1 rows, %2 characters of HTML").arg(filas).arg(html);
            m.sane = turno && filas > 0 && html > 0;
            delete turno;
        }
        {
            BenchReport::Measure& m = report.add(QStringLiteral("one teacher's salary settlement"));
            // the busiest teacher paid in all three ways: every part computed
            Profesor* profesor = Profesor::getFromDB(escalar(QStringLiteral(
                "SELECT p.id FROM profesor p JOIN sesiondeclase s ON s.idprofesor = p.id WHERE p.sueldofijo > 0 "
                "AND p.sueldoporhora > 0 AND p.sueldoporcentaje > 0 GROUP BY p.id ORDER BY count(*) DESC, p.id LIMIT 1")));
            int listados = 0;
            bool ok = profesor != nullptr;
            for (int r = 0; r < runs && profesor; ++r) {
                m.samples << cronometra([&] {
                    bool leido = true;
                    const QList<Listado*> partes = profesor->liquidacion(QDate(), QDate(), &leido);
                    QString html;
                    for (Listado* l : partes)
                        html += l->toHtml(true);
                    listados = int(partes.size());
                    qDeleteAll(partes);
                    ok = ok && leido && !html.isEmpty();
                });
            }
            m.detail = QStringLiteral("%1 listings").arg(listados);
            m.sane = ok && listados == 4; // fixed, hourly, percentage, total
            delete profesor;
        }
        {
            BenchReport::Measure& m = report.add(QStringLiteral("economic summary of the month"));
            m.targetMs = 500;
            int filas = 0;
            bool ok = true;
            for (int r = 0; r < runs; ++r) {
                m.samples << cronometra([&] {
                    bool leido = true;
                    ListadoResEcon* resumen = Profesor::resumenEconomico(QDate(), QDate(), &leido);
                    filas = resumen->rowCount();
                    ok = ok && leido && !resumen->toHtml(true).isEmpty();
                    delete resumen;
                });
            }
            m.detail = QStringLiteral("%1 rows").arg(filas);
            m.sane = ok && filas == counts.profesores + 1;
        }
    }

    if (wanted("bills")) {
        // 100 bills of the month rendered and printed to PDF.
        {
            BenchReport::Measure& m = report.add(QStringLiteral("render 100 bills to PDF"));
            QList<Recibo*> todos = Recibo::list(Recibo::PAGADOS_E_IMPAGADOS, mes, mes.addMonths(1));
            const QList<Recibo*> cien = todos.mid(0, 100);
            const QString pdf = trabajo.filePath(QStringLiteral("bills.pdf"));
            for (int r = 0; r < runs; ++r) {
                QFile::remove(pdf);
                m.samples << cronometra([&] {
                    QString paginas;
                    for (const Recibo* recibo : cien)
                        paginas += recibo->toHtmlPage();
                    PrintUtils impresion(QString(), Recibo::toHtmlBody(paginas), QString(), nullptr,
                                         {{QStringLiteral("resources://logo"), Academia::logo()}});
                    QPrinter printer(QPrinter::HighResolution);
                    printer.setOutputFormat(QPrinter::PdfFormat);
                    printer.setOutputFileName(pdf);
                    impresion.print(&printer);
                });
            }
            const int paginas = ProcessFacts::pdfPages(pdf);
            if (parser.isSet(saveOption))
                copia(pdf, parser.value(saveOption) + QStringLiteral(".pdf"));
            m.detail = QStringLiteral("%1 bills, %2 pages, %3 kB").arg(cien.size()).arg(paginas).arg(QFileInfo(pdf).size() / 1024);
            m.sane = cien.size() == std::min(100, alumnos) && paginas == cien.size();
            qDeleteAll(todos);
        }
    }

    if (wanted("students"))
        medirPaginaAlumnos(report, runs);
    if (wanted("billspage"))
        billsPageBench(report, alumnos, runs, trabajo.path());
    if (wanted("billsyear"))
        billsYearBench(report, runs);
    if (wanted("checkreuse"))
        benchCheckReuse(report, runs);
    if (wanted("timetables"))
        benchTimetablesPage(report, runs, trabajo.path());
    if (wanted("mainwindow"))
        benchMainWindow(report, pristine, runs);
    if (wanted("subjects"))
        benchSubjectsAndTeachersPages(report, runs);
    if (wanted("courses"))
        medirPaginaCursos(report, runs, trabajo.path());
    if (wanted("studentlist")) {
        const QString pdf = trabajo.filePath(QStringLiteral("students.pdf"));
        benchStudentList(report, runs, pdf);
        if (parser.isSet(saveOption))
            copia(pdf, parser.value(saveOption) + QStringLiteral(".students.pdf"));
    }
    if (wanted("printing"))
        benchPrinting(report, alumnos, runs, trabajo.path());

    dao->close();
    if (parser.isSet(jsonOption))
        report.printJson(out);
    else
        report.printTable(out);
    out.flush();
    if (g_warnings > 0)
        err << g_warnings << " warnings were logged during the run\n";
    if (!report.allSane()) {
        err << "some results were not what the generated academy implies\n";
        return 1;
    }
    return 0;
}
