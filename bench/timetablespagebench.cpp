#include "timetablespagebench.h"

#include "atimetablewidget.h"
#include "benchreport.h"
#include "dao.h"
#include "horarioswidget.h"
#include "horarioswindowwidget.h"
#include "pagesession.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGraphicsPathItem>
#include <QGraphicsScene>
#include <QPrinter>
#include <QSqlQuery>

#include <functional>
#include <memory>

namespace {

int scalar(const QString& sql)
{
    QSqlQuery q = Dao::getInstance()->query(sql);
    return q.next() ? q.value(0).toInt() : 0;
}

int boxesShown(HorariosWidget* view)
{
    int boxes = 0;
    for (QGraphicsItem* item : view->canvas()->scene()->items())
        boxes += qgraphicsitem_cast<QGraphicsPathItem*>(item) != nullptr;
    return boxes;
}

// Every job is measured with the paint of the whole page.
void paint(QWidget* page)
{
    page->grab();
}

// Leaves the section without keeping anything, ready to enter again.
void leave(HorariosWindowWidget* page)
{
    if (page->pageSession()->isOpen())
        page->pageSession()->revert(false);
}

} // namespace

void benchTimetablesPage(BenchReport& report, int runs, const QString& pdfFolder)
{
    // the forms name their icons through the search path, as in the program
    if (QDir::searchPaths(QStringLiteral("icons")).isEmpty())
        QDir::addSearchPath(QStringLiteral("icons"), QStringLiteral(":/icons"));
    const int busiestTeacher = scalar(QStringLiteral(
        "SELECT idprofesor FROM sesiondeclase WHERE idprofesor IS NOT NULL GROUP BY idprofesor "
        "ORDER BY count(*) DESC, idprofesor LIMIT 1"));
    const int otherTeacher = scalar(QStringLiteral(
        "SELECT idprofesor FROM sesiondeclase WHERE idprofesor IS NOT NULL GROUP BY idprofesor "
        "ORDER BY count(*) DESC, idprofesor LIMIT 1 OFFSET 1"));
    const int busiestStudent = scalar(QStringLiteral(
        "SELECT a.idalumno FROM alta a JOIN sesiondeclase s ON s.idturnoasignatura = a.idturnoasignatura "
        "GROUP BY a.idalumno ORDER BY count(*) DESC, a.idalumno LIMIT 1"));
    const int mondaySessions = scalar(QStringLiteral("SELECT count(*) FROM sesiondeclase WHERE diasemana = 1"));

    std::unique_ptr<HorariosWindowWidget> page;
    BenchReport::Measure& build = report.add(QStringLiteral("timetables: build the section (once, at start-up)"));
    build.samples << BenchReport::timeMs([&] {
        page = std::make_unique<HorariosWindowWidget>();
        page->resize(1280, 800);
        page->show();
    });
    leave(page.get());

    BenchReport::Measure& open = report.add(QStringLiteral("timetables: open the section (day view)"));
    open.targetMs = 100;
    // No idle turns come between building and opening here, so the first
    // visit lays out every box: at scale, the section's first visit's target.
    open.targetMsAtScale = 300;
    for (int r = 0; r < runs; ++r) {
        open.samples << BenchReport::timeMs([&] {
            page->activateWidget();
            paint(page.get());
        });
        leave(page.get());
    }
    open.detail = QStringLiteral("%1 boxes of %2 sessions on Monday, %3 classrooms")
                      .arg(boxesShown(page->currentHorario()))
                      .arg(mondaySessions)
                      .arg(scalar(QStringLiteral("SELECT count(*) FROM aula")));
    open.sane = boxesShown(page->currentHorario()) == mondaySessions;

    page->activateWidget();
    BenchReport::Measure& views = report.add(QStringLiteral("timetables: switch view (teacher, then day)"));
    views.targetMs = 100;
    for (int r = 0; r < runs; ++r) {
        views.samples << BenchReport::timeMs([&] {
            page->showHorario(3);
            paint(page.get());
        });
        views.samples << BenchReport::timeMs([&] {
            page->showHorario(2);
            paint(page.get());
        });
    }

    // the student view as a visit shows it: the chooser of every student is
    // filled already and nobody was added
    BenchReport::Measure& studentView = report.add(QStringLiteral("timetables: switch to the student view"));
    studentView.targetMs = 100;
    for (int r = 0; r < runs; ++r) {
        studentView.samples << BenchReport::timeMs([&] {
            page->showHorario(0);
            paint(page.get());
        });
        page->showHorario(2);
    }
    page->showHorario(0);
    const int chooserEntries = page->currentHorario()->findChild<QComboBox*>(QStringLiteral("timetableSelCmb"))->count();
    studentView.detail = QStringLiteral("%1 students in the chooser").arg(chooserEntries);
    studentView.sane = chooserEntries == scalar(QStringLiteral("SELECT count(*) FROM alumno"));

    page->showHorario(3);
    page->currentHorario()->setCurrentId(otherTeacher);
    BenchReport::Measure& entries = report.add(QStringLiteral("timetables: switch teacher"));
    entries.targetMs = 100;
    int teacherBoxes = 0;
    for (int r = 0; r < runs; ++r) {
        entries.samples << BenchReport::timeMs([&] {
            page->currentHorario()->setCurrentId(r % 2 ? otherTeacher : busiestTeacher);
            paint(page.get());
        });
        if (r % 2 == 0)
            teacherBoxes = boxesShown(page->currentHorario());
    }
    entries.detail = QStringLiteral("%1 sessions of the busiest teacher").arg(teacherBoxes);
    entries.sane = teacherBoxes == scalar(QStringLiteral("SELECT count(*) FROM sesiondeclase WHERE idprofesor = %1")
                                              .arg(busiestTeacher));

    page->showHorario(0);
    BenchReport::Measure& student = report.add(QStringLiteral("timetables: switch to a student"));
    student.targetMs = 100;
    for (int r = 0; r < runs; ++r) {
        page->currentHorario()->setCurrentId(0);
        student.samples << BenchReport::timeMs([&] {
            page->currentHorario()->setCurrentId(busiestStudent);
            paint(page.get());
        });
    }
    student.detail = QStringLiteral("%1 sessions").arg(boxesShown(page->currentHorario()));
    student.sane = boxesShown(page->currentHorario()) > 0;

    page->showHorario(2);
    BenchReport::Measure& edit = report.add(QStringLiteral("timetables: redraw after an edit (day view)"));
    edit.targetMs = 100;
    const int edited = scalar(QStringLiteral("SELECT min(id) FROM sesiondeclase WHERE diasemana = 1"));
    for (int r = 0; r < runs; ++r) {
        Dao::getInstance()->execute(QStringLiteral("UPDATE sesiondeclase SET minutofin = minutofin + ? WHERE id = ?"),
                                    {r % 2 ? -5 : 5, edited});
        edit.samples << BenchReport::timeMs([&] {
            page->refresh();
            paint(page.get());
        });
    }
    edit.sane = boxesShown(page->currentHorario()) == mondaySessions;

    page->showHorario(3);
    page->currentHorario()->setCurrentId(busiestTeacher);
    BenchReport::Measure& print = report.add(QStringLiteral("timetables: print a teacher's week to PDF"));
    print.targetMs = 1000;
    const QString pdf = QDir(pdfFolder).filePath(QStringLiteral("timetable.pdf"));
    for (int r = 0; r < runs; ++r) {
        QFile::remove(pdf);
        print.samples << BenchReport::timeMs([&] {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            page->currentHorario()->printTo(&printer);
        });
    }
    print.detail = QStringLiteral("%1 kB").arg(QFile(pdf).size() / 1024);
    print.sane = QFile(pdf).size() > 0;
    leave(page.get());
}
