#include "checkreusebench.h"

#include "academia.h"
#include "benchreport.h"
#include "dao.h"
#include "estadoacademia.h"

#include <QSqlQuery>

namespace {

// Runs the check and answers how many findings it gave.
int check()
{
    const QList<EstadoAcademia*> found = Academia::comprobarEstado();
    for (EstadoAcademia* e : found) {
        if (e->tipo() != EstadoAcademia::Fallo)
            delete e; // faults stay with the current-faults list
    }
    return int(found.size());
}

} // namespace

void benchCheckReuse(BenchReport& report, int runs)
{
    Dao* dao = Dao::getInstance();
    QSqlQuery q = dao->query(QStringLiteral("SELECT min(id) FROM sesiondeclase"));
    const int edited = q.next() ? q.value(0).toInt() : 0;
    const int findings = check();

    BenchReport::Measure& same = report.add(QStringLiteral("consistency check, nothing changed (reused)"));
    same.targetMs = 10;
    int reused = 0;
    for (int r = 0; r < runs; ++r)
        same.samples << BenchReport::timeMs([&] { reused = check(); });
    same.detail = QStringLiteral("%1 findings").arg(reused);
    same.sane = reused == findings;

    // inside a transaction, as the timetables' visit, and taken back after
    BenchReport::Measure& edit = report.add(QStringLiteral("consistency check after a session edit"));
    edit.targetMs = 50;
    dao->transaction();
    int afterEdit = 0;
    for (int r = 0; r < runs; ++r) {
        dao->execute(QStringLiteral("UPDATE sesiondeclase SET minutofin = minutofin + ? WHERE id = ?"),
                     {r % 2 ? -5 : 5, edited});
        edit.samples << BenchReport::timeMs([&] { afterEdit = check(); });
    }
    dao->rollback();
    edit.detail = QStringLiteral("%1 findings").arg(afterEdit);
    edit.sane = check() == findings;
}
