#include "turnoasignatura.h"

#include "adatehelper.h"
#include "alta.h"
#include "aprompter.h"
#include "asignatura.h"
#include "dao.h"
#include "daotransaction.h"
#include "filaunica.h"
#include "moneda.h"
#include "sesiondeclase.h"
#include "sqlcollation.h"
#include "turnocurso.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSqlError>

#include <algorithm>
#include <memory>

const QString TurnoAsignatura::TABLE = QStringLiteral("turnoasignatura");
const QStringList TurnoAsignatura::COLUMNS = {QStringLiteral("id"), QStringLiteral("nombre"),
                                              QStringLiteral("precioorientativo"),
                                              QStringLiteral("sueldoprofesorporalta"),
                                              QStringLiteral("idasignatura")};

namespace {

QStringList columnsWithoutId()
{
    return TurnoAsignatura::COLUMNS.mid(1);
}
} // namespace

TurnoAsignatura::TurnoAsignatura(QObject* parent)
    : QObject(parent)
{
}

TurnoAsignatura::TurnoAsignatura(int id, QObject* parent)
    : QObject(parent)
    , m_id(id)
{
}

void TurnoAsignatura::setAsignatura(Asignatura* asignatura)
{
    m_asignatura = asignatura;
    m_idAsignatura = asignatura ? asignatura->id() : 0;
}

Asignatura* TurnoAsignatura::getAsignatura()
{
    if (m_asignatura)
        return m_asignatura;
    // A subject that cannot be loaded is as missing as no subject at all.
    Asignatura* asignatura = m_idAsignatura < 1 ? nullptr : Asignatura::getFromDB(m_idAsignatura);
    if (!asignatura) {
        qWarning("Accediendo a la asignatura de un TurnoAsignatura que no tiene asignatura asociada. "
                 "TurnoAsignatura::id()= %d",
                 m_id);
        return nullptr;
    }
    asignatura->setParent(this);
    setAsignatura(asignatura);
    return m_asignatura;
}

TurnoAsignatura* TurnoAsignatura::fromQuery(QSqlQuery& query)
{
    auto* turno = new TurnoAsignatura(query.value(0).toInt(), nullptr);
    turno->m_nombre = query.value(1).toString();
    turno->m_precioOrientativo = Moneda::deCentimos(query.value(2));
    turno->m_sueldoProfesorPorAlta = Moneda::deCentimos(query.value(3));
    turno->m_idAsignatura = query.value(4).toInt();
    return turno;
}

QList<TurnoAsignatura*> TurnoAsignatura::listFromQuery(QSqlQuery& query)
{
    QList<TurnoAsignatura*> list;
    while (query.next())
        list.append(fromQuery(query));
    return list;
}

TurnoAsignatura* TurnoAsignatura::getFromDB(int id)
{
    QSqlQuery query = FilaUnica::select(TABLE, COLUMNS, QStringLiteral("id = ?"), {id});
    return query.isValid() ? fromQuery(query) : nullptr;
}

QList<TurnoAsignatura*> TurnoAsignatura::listByAsignatura(int idAsignatura)
{
    if (idAsignatura < 1) {
        qDebug() << "Tratando de obtener los turnos de asignatura de base de datos de una asignatura "
                    "que no está en base de datos";
        return {};
    }
    QSqlQuery query = Dao::getInstance()->select(TABLE, COLUMNS, QStringLiteral("idAsignatura = ?"),
                                                 {idAsignatura});
    return listFromQuery(query);
}

QList<TurnoAsignatura*> TurnoAsignatura::listByProfesor(int idProfesor)
{
    if (idProfesor < 1) {
        qDebug() << "Tratando de obtener los turnos de asignatura de base de datos de un profesor que "
                    "no está en base de datos id = "
                 << idProfesor;
        return {};
    }
    const QString sql = QStringLiteral("SELECT ta.%1 FROM %2 JOIN %3 ON ta.id = ss.idturnoasignatura "
                                       "WHERE ss.idprofesor=? group by ta.id")
                            .arg(COLUMNS.join(QStringLiteral(", ta.")), TABLE + QStringLiteral(" ta "),
                                 QStringLiteral("sesiondeclase ss "));
    QSqlQuery query = Dao::getInstance()->query(sql, {idProfesor});
    return listFromQuery(query);
}

QList<TurnoAsignatura*> TurnoAsignatura::listByTurnoCurso(int idTurnoCurso)
{
    const QString sql = QStringLiteral("SELECT ta.%1, a.edad FROM %2 JOIN asignatura a ON ta.idasignatura = a.id "
                                       "JOIN %3 ON %4 WHERE %5 order by a.edad")
                            .arg(COLUMNS.join(QStringLiteral(", ta.")), TABLE + QStringLiteral(" ta "),
                                 QStringLiteral(" turnocurso_turnoasignatura tc_ta "),
                                 QStringLiteral(" ta.id = tc_ta.idturnoasignatura "),
                                 QStringLiteral(" tc_ta.idturnocurso = ? "));
    QSqlQuery query = Dao::getInstance()->query(sql, {idTurnoCurso});
    return listFromQuery(query);
}

QList<TurnoAsignatura*> TurnoAsignatura::listForModel()
{
    const QString sql = QStringLiteral("SELECT ta.%1, a.nombre, a.descripcion, a.edad from %2 ta  join "
                                       "asignatura a on ta.idasignatura = a.id")
                            .arg(COLUMNS.join(QStringLiteral(", ta.")), TABLE);
    QSqlQuery query = Dao::getInstance()->query(sql, {});
    QList<TurnoAsignatura*> list;
    while (query.next()) {
        TurnoAsignatura* turno = fromQuery(query);
        // The subject keeps its real id, so what is read through it (its
        // teachers) belongs to the right subject.
        auto* asignatura = new Asignatura(turno->m_idAsignatura, turno);
        asignatura->setNombre(query.value(5).toString());
        asignatura->setDescripcion(query.value(6).toString());
        asignatura->setEdad(query.value(7).toInt());
        turno->setAsignatura(asignatura);
        list.append(turno);
    }
    return list;
}

QList<int> TurnoAsignatura::getIdsTurnoCurso() const
{
    QSqlQuery query = Dao::getInstance()->query(
        QStringLiteral("Select tc.id from turnocurso tc join turnocurso_turnoasignatura tt on tc.id = "
                       "tt.idturnocurso where tt.idturnoasignatura = ?"),
        {m_id});
    QList<int> ids;
    while (query.next())
        ids.append(query.value(0).toInt());
    return ids;
}

QString TurnoAsignatura::getNombresCursos()
{
    if (m_nombresCursosLoaded)
        return m_nombresCursos;
    QSqlQuery query = Dao::getInstance()->query(
        QStringLiteral("Select c.nombre from curso c join turnocurso tc on c.id = tc.idcurso join "
                       "turnocurso_turnoasignatura tt on tc.id = tt.idturnocurso where tt.idturnoasignatura = ?"),
        {m_id});
    QStringList nombres;
    while (query.next())
        nombres.append(query.value(0).toString());
    // Separated, so that two course names never run into one; a course
    // holding the shift in two of its course shifts is named once.
    nombres.removeDuplicates();
    m_nombresCursos = nombres.join(QStringLiteral(", "));
    m_nombresCursosLoaded = true;
    return m_nombresCursos;
}

QList<QVariant> TurnoAsignatura::columnValues() const
{
    return {m_nombre, Moneda::aCentimos(m_precioOrientativo), Moneda::aCentimos(m_sueldoProfesorPorAlta),
            Dao::idOrNull(m_idAsignatura)};
}

bool TurnoAsignatura::persist(bool ownTransaction)
{
    if (m_id >= 1) {
        qWarning() << "Intentando almacenar como nuevo un turnoAsignatura que ya tiene id";
        return false;
    }
    DaoTransaction tx(ownTransaction ? DaoTransaction::OwnOrJoin : DaoTransaction::JoinOnly);
    const int newId = Dao::getInstance()->insert(TABLE, columnsWithoutId(), columnValues()).toInt();
    if (newId != 0)
        m_id = newId;
    const bool ok = newId != 0 && tx.commit();
    if (!ok && tx.owns())
        m_id = 0; // nothing of it is stored: a retry stores it anew
    return ok;
}

bool TurnoAsignatura::update(bool ownTransaction)
{
    if (m_id < 1) {
        qWarning() << "Intentando actualizar un turnoAsignatura sin id";
        return false;
    }
    DaoTransaction tx(ownTransaction ? DaoTransaction::OwnOrJoin : DaoTransaction::JoinOnly);
    QList<QVariant> values = columnValues();
    values.append(m_id);
    const bool ok = Dao::getInstance()->update(TABLE, columnsWithoutId(), QStringLiteral("id = ?"), values)
                    && tx.commit();
    return ok;
}

bool TurnoAsignatura::remove(int id, bool ownTransaction)
{
    return borrar(id, ownTransaction, true) == Borrado::Hecho;
}

TurnoAsignatura::Borrado TurnoAsignatura::removeDeAsignatura(int id)
{
    return borrar(id, false, false);
}

TurnoAsignatura::Borrado TurnoAsignatura::borrar(int id, bool ownTransaction, bool conAsignatura)
{
    std::unique_ptr<TurnoAsignatura> turno(getFromDB(id));
    if (!turno) {
        qWarning() << "Tratando de eliminar un turnoAsignatura que no existe. id =" << id;
        return Borrado::Fallido;
    }
    Asignatura* asignatura = turno->getAsignatura();
    if (!asignatura)
        return Borrado::Fallido;
    const QList<TurnoAsignatura*> hermanos = asignatura->turnos();
    if (hermanos.isEmpty()) {
        qWarning("Hay un turno de asignatura que en su grupo de hermanos son 0");
        return Borrado::Fallido;
    }

    // Ask first: nothing is written until the user agrees.
    const QList<SesionDeClase*> sesiones = SesionDeClase::listByTurnoAsignatura(id);
    std::unique_ptr<QObject> sesionesOwner(new QObject);
    for (SesionDeClase* sesion : sesiones)
        sesion->setParent(sesionesOwner.get());
    if (!sesiones.isEmpty()) {
        const QMessageBox::StandardButton answer = APrompter::instance()->message(
            QMessageBox::Question, QCoreApplication::applicationName(),
            QCoreApplication::translate("TurnoAsignatura", "The selected shift has assigned sessions"),
            QMessageBox::Ok | QMessageBox::Abort, QMessageBox::Abort,
            QCoreApplication::translate("TurnoAsignatura",
                                        "The %1 shift of the %2 subject has one or more assigned "
                                        "sessions, these sessions will also be deleted")
                .arg(turno->getNombre(), asignatura->nombre()));
        if (answer != QMessageBox::Ok)
            return Borrado::Abortado;
    }

    DaoTransaction tx(ownTransaction ? DaoTransaction::OwnOrJoin : DaoTransaction::JoinOnly);

    bool ok = Alta::darDeBajaAltasTurnoAsignatura(id);
    for (SesionDeClase* sesion : sesiones) {
        if (!ok)
            break;
        ok = sesion->remove();
    }
    if (ok) {
        const QList<int> idsTurnosCurso = turno->getIdsTurnoCurso();
        for (int idTurnoCurso : idsTurnosCurso) {
            std::unique_ptr<TurnoCurso> turnoCurso(TurnoCurso::getFromDB(idTurnoCurso));
            if (!turnoCurso)
                continue;
            turnoCurso->removeTurnoAsignaturaById(id);
            if (!turnoCurso->update(false)) {
                ok = false;
                break;
            }
        }
    }
    if (ok) {
        ok = Dao::getInstance()->execute(QStringLiteral("DELETE FROM %1 WHERE id = ?").arg(TABLE), {id});
        if (ok && conAsignatura && hermanos.size() == 1)
            ok = Asignatura::remove(asignatura->id());
    }

    ok = ok && tx.commit();
    return ok ? Borrado::Hecho : Borrado::Fallido;
}

void TurnoAsignatura::periodo(const QDate& ini, const QDate& fin, QDate* desde, QDate* hasta)
{
    if (!ini.isValid()) {
        *desde = ADateHelper::firstDayOfMonth();
        *hasta = ADateHelper::firstDayOfNextMonth();
    } else {
        *desde = ini;
        *hasta = fin.isValid() ? fin : ADateHelper::firstDayOfNextMonth();
    }
}

int TurnoAsignatura::getNumAltas(const QDate& date) const
{
    QList<Alta*> altas = Alta::listAltasPorTurnoAsignatura(m_id, true, date, date, 1);
    const int n = altas.size();
    qDeleteAll(altas);
    return n;
}

QHash<int, int> TurnoAsignatura::numAltasPorTurno(const QList<int>& idsTurnos, const QDate& date)
{
    QHash<int, int> counts;
    if (idsTurnos.isEmpty())
        return counts;
    // the conditions of Alta::listAltasPorTurnoAsignatura with soloActivas;
    // "today" is the local date, never SQLite's UTC 'now'
    const QDate dia = date.isNull() ? ADateHelper::today() : date;
    QList<QVariant> values(idsTurnos.cbegin(), idsTurnos.cend());
    values << dia << dia;
    QStringList marks;
    marks.fill(QStringLiteral("?"), idsTurnos.size());
    QSqlQuery query = Dao::getInstance()->query(
        QStringLiteral("SELECT idturnoasignatura, count(*) FROM alta WHERE idturnoasignatura IN (%1) AND "
                       "idalumno IS NOT NULL AND falta IS NOT NULL AND julianday(falta) <= julianday(?) AND "
                       "(fbaja IS NULL OR julianday(fbaja) > julianday(?)) GROUP BY idturnoasignatura")
            .arg(marks.join(QLatin1Char(','))),
        values);
    while (query.next())
        counts.insert(query.value(0).toInt(), query.value(1).toInt());
    return counts;
}

QList<QPair<QString, double>> TurnoAsignatura::getAlumnosYPrecios(const QDate& ini, const QDate& fin) const
{
    QDate desde, hasta;
    periodo(ini, fin, &desde, &hasta);
    QSqlQuery query = Dao::getInstance()->query(
        QStringLiteral("SELECT nombrealumno, precio FROM alta WHERE idturnoasignatura = ? AND julianday(falta) "
                       "< julianday(?) AND (fbaja is null OR julianday(fbaja) > julianday(?)) order by "
                       "nombrealumno COLLATE %1")
            .arg(SqlCollation::name()),
        {m_id, hasta, desde});
    QList<QPair<QString, double>> list;
    while (query.next())
        list.append(qMakePair(query.value(0).toString(), query.value(1).toDouble()));
    return list;
}

double TurnoAsignatura::getIngresos(const QDate& ini, const QDate& fin, bool* ok) const
{
    QDate desde, hasta;
    periodo(ini, fin, &desde, &hasta);
    QSqlQuery query = Dao::getInstance()->query(
        QStringLiteral("SELECT SUM(precio) FROM alta WHERE idturnoasignatura = ? AND julianday(falta) < "
                       "julianday(?) AND (fbaja is null OR julianday(fbaja) > julianday(?))"),
        {m_id, hasta, desde});
    if (!query.next()) {
        qWarning() << "Error executing query: \n" + query.lastError().text();
        if (ok)
            *ok = false;
        return 0.0;
    }
    if (ok)
        *ok = true;
    return query.value(0).toDouble();
}

int TurnoAsignatura::getMaxAlumnos() const
{
    // One query instead of loading every session and its classroom: the
    // smallest classroom among the shift's sessions.
    QSqlQuery query = Dao::getInstance()->query(
        QStringLiteral("SELECT count(*), min(ifnull(au.aforo, 0)) FROM sesiondeclase s JOIN aula au ON "
                       "s.idaula = au.id WHERE s.idturnoasignatura = ?"),
        {m_id});
    if (!query.next() || query.value(0).toInt() == 0) {
        qWarning() << "Preguntando por matrículas máximas de asignatura sin sesiones";
        return 0;
    }
    return query.value(1).toInt();
}

QDate TurnoAsignatura::getFechaSinPlaza(Alta* alta, bool isUpdate) const
{
    const int max = getMaxAlumnos();
    if (max == 0)
        return QDate::currentDate();
    const QDate inicio = alta->falta();
    // An enrolment without a start date is never counted on any day.
    if (!inicio.isValid())
        return QDate();

    std::unique_ptr<Alta> old;
    if (isUpdate) {
        qDebug() << "This is an update. getting oldAlta";
        old.reset(Alta::getFromDB(alta->id()));
        // Only a place held in this shift can be handed over: an enrolment
        // moved in from another shift needs a free place like a new one.
        if (old && old->idTurnoAsignatura() != m_id)
            old.reset();
    }

    QList<Alta*> todas = Alta::listAltasPorTurnoAsignatura(m_id, false, QDate(), QDate(), 1);
    std::unique_ptr<QObject> todasOwner(new QObject);
    for (Alta* a : todas)
        a->setParent(todasOwner.get());
    if (todas.isEmpty())
        return QDate();

    // Sorted by start date, nulls first: the last one started latest.
    QDate fin = todas.last()->falta();
    if (!fin.isValid() || fin <= inicio)
        fin = inicio;
    qDebug() << "There are more altas for this turnoasignatura on the sistem. We check capacity until last "
                "fechaAlta which is "
             << fin;
    if (alta->fbaja().isValid() && alta->fbaja() < fin) {
        fin = alta->fbaja();
        qDebug() << "New alta has fechaBaja so we only check capacity until" << fin;
    }
    qDebug() << "searching for conflicts from " << inicio << " to " << fin;

    // The number of stored enrolments active on a day only changes on the days
    // enrolments start or end, so those days (and the edges of the range the
    // changed enrolment already holds) are the only ones to look at.
    QList<QDate> candidatos{inicio};
    auto candidato = [&](const QDate& d) {
        if (d.isValid() && d > inicio && d <= fin)
            candidatos.append(d);
    };
    for (Alta* a : todas) {
        if (a->idAlumno() <= 0 || !a->falta().isValid())
            continue;
        candidato(a->falta());
        if (a->fbaja().isValid())
            candidato(a->fbaja());
    }
    if (old && old->falta().isValid()) {
        candidato(old->falta());
        if (old->fbaja().isValid())
            candidato(old->fbaja().addDays(1));
    }
    std::sort(candidatos.begin(), candidatos.end());
    candidatos.erase(std::unique(candidatos.begin(), candidatos.end()), candidatos.end());

    for (const QDate& d : candidatos) {
        if (old && old->falta().isValid() && d >= old->falta()) {
            if (!old->fbaja().isValid())
                return QDate();
            if (d <= old->fbaja())
                continue;
        }
        int n = 0;
        for (Alta* a : todas) {
            if (a->idAlumno() <= 0 || !a->falta().isValid())
                continue;
            if (a->falta() <= d && (!a->fbaja().isValid() || a->fbaja() > d))
                ++n;
        }
        if (n >= max)
            return d;
    }
    return QDate();
}
