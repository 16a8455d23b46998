#include "curso.h"

#include "asignatura.h"
#include "dao.h"
#include "daotransaction.h"
#include "filaunica.h"
#include "moneda.h"
#include "nombresprovisionales.h"
#include "turnocurso.h"

#include <QDebug>

const QString Curso::TABLE = QStringLiteral("curso");
const QStringList Curso::COLUMNS = {QStringLiteral("id"), QStringLiteral("nombre"),
                                    QStringLiteral("precioorientativo"), QStringLiteral("descripcion")};

namespace {
const QString LINK_TABLE = QStringLiteral("curso_asignatura");
}

Curso::Curso(QObject* parent)
    : QObject(parent)
{
}

Curso::Curso(int id, QObject* parent)
    : QObject(parent)
    , m_id(id)
{
}

QList<Asignatura*> Curso::asignaturas()
{
    if (!m_asignaturasLoaded) {
        m_asignaturas = Asignatura::listPorCurso(m_id);
        for (Asignatura* asignatura : std::as_const(m_asignaturas))
            asignatura->setParent(this);
        m_asignaturasLoaded = true;
    }
    return m_asignaturas;
}

void Curso::addAsignatura(Asignatura* asignatura)
{
    asignaturas();
    for (Asignatura* a : std::as_const(m_asignaturas))
        if (a->id() == asignatura->id())
            return;
    asignatura->setParent(this);
    m_asignaturas.append(asignatura);
}

void Curso::removeAsignatura(Asignatura* asignatura)
{
    asignaturas();
    const int idAsignatura = asignatura->id();
    m_asignaturas.removeIf([idAsignatura](Asignatura* a) { return a->id() == idAsignatura; });
    const QList<TurnoCurso*> lista = turnos();
    for (TurnoCurso* turno : lista)
        turno->removeTurnosDeAsignatura(asignatura);
}

QList<TurnoCurso*> Curso::turnos()
{
    if (!m_turnosLoaded) {
        m_turnos = TurnoCurso::listByCurso(m_id);
        for (TurnoCurso* turno : std::as_const(m_turnos)) {
            turno->setParent(this);
            turno->setCurso(this);
        }
        m_turnosLoaded = true;
    }
    return m_turnos + m_turnosNuevos;
}

bool Curso::addTurnoCurso(TurnoCurso* turno)
{
    const QList<TurnoCurso*> lista = turnos();
    for (TurnoCurso* t : lista)
        if (t->getNombre() == turno->getNombre())
            return false;
    turno->setCurso(this);
    turno->setParent(this);
    m_turnosNuevos.append(turno);
    return true;
}

void Curso::delTurnoCurso(TurnoCurso* turno)
{
    if (!turno) {
        qWarning("Turno::delTurnoCurso(TurnoCurso* tc) - Passing a null TurnoCurso* to be deleted");
        return;
    }
    if (turno->getId() != 0)
        removeTurnoById(turno->getId());
    else
        m_turnosNuevos.removeAll(turno);
}

void Curso::removeTurnoById(int id)
{
    if (id == 0)
        return;
    turnos();
    m_turnosBorrados.append(id);
    m_turnos.removeIf([id](TurnoCurso* t) { return t->getId() == id; });
}

Curso* Curso::fromQuery(QSqlQuery& query)
{
    auto* curso = new Curso(query.value(0).toInt(), nullptr);
    curso->m_nombre = query.value(1).toString();
    curso->m_precioOrientativo = Moneda::deCentimos(query.value(2));
    curso->m_descripcion = query.value(3).toString();
    return curso;
}

QList<Curso*> Curso::list()
{
    QSqlQuery query = Dao::getInstance()->select(TABLE, COLUMNS, QString(), QString(), {});
    QList<Curso*> cursos;
    while (query.next())
        cursos.append(fromQuery(query));
    return cursos;
}

Curso* Curso::getOne(const QString& condition, const QList<QVariant>& values)
{
    QSqlQuery query = FilaUnica::select(TABLE, COLUMNS, condition, values);
    return query.isValid() ? fromQuery(query) : nullptr;
}

Curso* Curso::getFromDB(int id)
{
    return getOne(QStringLiteral("id = ?"), {id});
}

Curso* Curso::getFromDBByNombre(const QString& nombre)
{
    return getOne(QStringLiteral("nombre = ? "), {nombre});
}

bool Curso::saveAsignaturas()
{
    Dao* dao = Dao::getInstance();
    if (!dao->deleteFrom(LINK_TABLE, {QStringLiteral("idcurso")}, {m_id}))
        return false;
    // Every link must be written, not only the last one.
    bool ok = true;
    const QList<Asignatura*> lista = asignaturas();
    for (Asignatura* asignatura : lista) {
        if (!dao->insert(LINK_TABLE, {QStringLiteral("idcurso"), QStringLiteral("idasignatura")},
                         {Dao::idOrNull(m_id), Dao::idOrNull(asignatura->id())})
                 .isValid())
            ok = false;
    }
    return ok;
}

bool Curso::persistTurnosNuevos()
{
    for (TurnoCurso* turno : std::as_const(m_turnosNuevos)) {
        turno->setIdCurso(m_id);
        if (!turno->persist(false))
            return false;
    }
    return true;
}

bool Curso::persist()
{
    if (m_id > 0) {
        qWarning() << "Trying to store as new a Curso with an already valid id (id = " << m_id << ")";
        return false;
    }
    // A savepoint inside an open transaction, so that a failure takes back
    // this course's rows and the objects can be stored again.
    DaoTransaction tx(DaoTransaction::OwnOrSavepoint);
    const int newId = Dao::getInstance()
                          ->insert(TABLE, COLUMNS.mid(1),
                                   {m_nombre, Moneda::aCentimos(m_precioOrientativo), m_descripcion})
                          .toInt();
    m_id = newId;
    bool ok = newId != 0 && saveAsignaturas();
    ok = ok && persistTurnosNuevos();
    if (!ok) {
        if (tx.canTakeBack()) {
            tx.rollback();
            // Nothing of it is stored: the objects may be stored again.
            m_id = 0;
            for (TurnoCurso* turno : std::as_const(m_turnosNuevos)) {
                turno->m_id = 0;
                turno->setIdCurso(0);
            }
        }
        return false;
    }
    ok = tx.commit();
    if (ok) {
        m_turnosNuevos.clear();
        m_turnos.clear();
        m_turnosLoaded = false;
    }
    return ok;
}

bool Curso::removeTurnosBorrados()
{
    for (int id : std::as_const(m_turnosBorrados)) {
        if (!TurnoCurso::remove(id, false))
            return false;
    }
    return true;
}

bool Curso::update()
{
    if (m_id < 1) {
        qWarning() << "Trying to update a Curso without a valid id";
        return false;
    }
    DaoTransaction tx(DaoTransaction::OwnOrSavepoint);
    bool ok = Dao::getInstance()->update(TABLE, COLUMNS.mid(1), QStringLiteral("id = ?"),
                                         {m_nombre, Moneda::aCentimos(m_precioOrientativo), m_descripcion, m_id});
    ok = ok && saveAsignaturas();
    // Removals, then renames, then inserts: a name freed in memory is free in the table.
    turnos();
    ok = ok && removeTurnosBorrados() && NombresProvisionales::actualizar(TurnoCurso::TABLE, m_turnos)
         && persistTurnosNuevos();
    if (!ok) {
        if (tx.canTakeBack()) {
            tx.rollback();
            for (TurnoCurso* turno : std::as_const(m_turnosNuevos))
                turno->m_id = 0;
        }
    } else {
        ok = tx.commit();
        if (ok) {
            m_turnosBorrados.clear();
            m_turnosNuevos.clear();
            m_turnos.clear();
            m_turnosLoaded = false;
        }
    }
    return ok;
}

bool Curso::remove()
{
    QList<TurnoCurso*> restantes = TurnoCurso::listByCurso(m_id);
    const bool tieneTurnos = !restantes.isEmpty();
    qDeleteAll(restantes);
    if (tieneTurnos)
        return false;
    DaoTransaction tx;
    Dao* dao = Dao::getInstance();
    bool ok = dao->deleteFrom(LINK_TABLE, {QStringLiteral("idcurso")}, {m_id})
              && dao->deleteFrom(TABLE, {QStringLiteral("id")}, {m_id});
    if (!ok) {
        tx.rollback();
        return false;
    }
    return tx.commit();
}
