#include "asignatura.h"

#include "dao.h"
#include "daotransaction.h"
#include "filaunica.h"
#include "moneda.h"
#include "nombresprovisionales.h"
#include "profesor.h"
#include "sesiondeclase.h"
#include "turnoasignatura.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSet>
#include <QSqlError>

#include <algorithm>

const QString Asignatura::TABLE = QStringLiteral("asignatura");
const QStringList Asignatura::COLUMNS = {QStringLiteral("id"), QStringLiteral("nombre"),
                                         QStringLiteral("precioorientativo"), QStringLiteral("descripcion"),
                                         QStringLiteral("edad")};

namespace {
QString s_errorString;
const QString LINK_TABLE = QStringLiteral("profesor_asignatura");
} // namespace

Asignatura::Asignatura(QObject* parent)
    : QObject(parent)
{
}

Asignatura::Asignatura(int id, QObject* parent)
    : QObject(parent)
    , m_id(id)
{
}

QList<TurnoAsignatura*> Asignatura::turnos()
{
    if (!m_turnosLoaded) {
        m_turnos = TurnoAsignatura::listByAsignatura(m_id);
        for (TurnoAsignatura* turno : std::as_const(m_turnos)) {
            turno->setParent(this);
            turno->setAsignatura(this);
        }
        m_turnosLoaded = true;
    }
    return m_turnos + m_turnosNuevos;
}

QList<Profesor*> Asignatura::profesores()
{
    if (!m_profesoresLoaded) {
        const QList<Profesor*> leidos = Profesor::getByAsignatura(m_id);
        // Older files may hold a teacher's link twice; the teacher is listed once.
        QSet<int> vistos;
        for (Profesor* profesor : leidos) {
            if (vistos.contains(profesor->id())) {
                delete profesor;
                continue;
            }
            vistos.insert(profesor->id());
            profesor->setParent(this);
            m_profesores.append(profesor);
        }
        m_profesoresLoaded = true;
    }
    return m_profesores + m_profesoresNuevos;
}

bool Asignatura::nombreTurnoLibre(const QString& nombre, const TurnoAsignatura* except)
{
    const QList<TurnoAsignatura*> actuales = turnos();
    return std::none_of(actuales.begin(), actuales.end(), [&](const TurnoAsignatura* x) {
        return x != except && x->getNombre() == nombre;
    });
}

bool Asignatura::addTurno(TurnoAsignatura* turno)
{
    // An unsaved sister is never replaced: the user made it.
    if (!nombreTurnoLibre(turno->getNombre(), turno) || turnos().contains(turno))
        return false;
    turno->setAsignatura(this);
    turno->setParent(this);
    m_turnosNuevos.append(turno);
    return true;
}

void Asignatura::removeTurno(TurnoAsignatura* turno)
{
    turnos();
    const int idTurno = turno->id();
    if (idTurno != 0) {
        // Out of the list at once, so that its name is free for another shift.
        m_turnos.removeIf([idTurno](TurnoAsignatura* t) { return t->id() == idTurno; });
        if (!m_turnosBorrados.contains(idTurno))
            m_turnosBorrados.append(idTurno);
    } else {
        m_turnosNuevos.removeAll(turno);
    }
}

void Asignatura::addProfesor(Profesor* profesor)
{
    profesores();
    // An object nobody owns is kept with the subject; QObject deletion makes
    // this safe even when the caller deletes it first.
    if (!profesor->parent())
        profesor->setParent(this);
    m_profesoresNuevos.append(profesor);
    m_profesoresBorrados.removeAll(profesor->id());
}

void Asignatura::removeProfesor(Profesor* profesor)
{
    profesores();
    const int idProfesor = profesor->id();
    m_profesores.removeIf([idProfesor](Profesor* p) { return p->id() == idProfesor; });
    m_profesoresNuevos.removeAll(profesor);
    if (idProfesor != 0)
        m_profesoresBorrados.append(idProfesor);
}

QString Asignatura::profesoresString()
{
    QStringList nombres;
    const QList<Profesor*> lista = profesores();
    for (Profesor* profesor : lista)
        nombres.append(profesor->nombre());
    return nombres.join(QStringLiteral(", "));
}

QString Asignatura::toString()
{
    QString texto = m_nombre;
    if (!m_descripcion.isEmpty())
        texto += QStringLiteral(": ") + m_descripcion;
    if (texto.length() > 120)
        texto = texto.left(117) + QStringLiteral("...");
    const QString profes = profesoresString();
    if (!profes.isEmpty())
        texto += QStringLiteral(" (") + profes + QStringLiteral(")");
    if (texto.length() > 160)
        texto = texto.left(157) + QStringLiteral("...");
    return texto;
}

Asignatura* Asignatura::fromQuery(QSqlQuery& query)
{
    auto* asignatura = new Asignatura(query.value(0).toInt(), nullptr);
    asignatura->m_nombre = query.value(1).toString();
    asignatura->m_precioOrientativo = Moneda::deCentimos(query.value(2));
    asignatura->m_descripcion = query.value(3).toString();
    asignatura->m_edad = query.value(4).toInt();
    return asignatura;
}

QList<Asignatura*> Asignatura::listFromQuery(QSqlQuery& query)
{
    QList<Asignatura*> list;
    while (query.next())
        list.append(fromQuery(query));
    return list;
}

QList<Asignatura*> Asignatura::list()
{
    QSqlQuery query = Dao::getInstance()->select(TABLE, COLUMNS, QString(), QStringLiteral("edad"), {});
    return listFromQuery(query);
}

QList<Asignatura*> Asignatura::listPorCurso(int idCurso)
{
    const QString sql = QStringLiteral("SELECT a.%1 FROM %2 a JOIN curso_asignatura ca ON a.id = "
                                       "ca.idasignatura WHERE ca.idcurso = ? order by %3")
                            .arg(COLUMNS.join(QStringLiteral(", a.")), TABLE, QStringLiteral("edad"));
    QSqlQuery query = Dao::getInstance()->query(sql, {idCurso});
    if (query.lastError().isValid())
        return {};
    return listFromQuery(query);
}

Asignatura* Asignatura::getFromDB(int id)
{
    QSqlQuery query = FilaUnica::select(TABLE, COLUMNS, QStringLiteral("id = ?"), {id});
    return query.isValid() ? fromQuery(query) : nullptr;
}

bool Asignatura::linkProfesor(Profesor* profesor)
{
    // A teacher made new again (its row was taken back with a reverted
    // transaction) is stored before it is linked.
    if (profesor->id() < 1 && !profesor->persist())
        return false;
    const int idProfesor = profesor->id();
    // Writing a link twice must not store it twice: the table has no key.
    Dao* dao = Dao::getInstance();
    if (!dao->deleteFrom(LINK_TABLE, {QStringLiteral("idprofesor"), QStringLiteral("idasignatura")},
                         {idProfesor, m_id}))
        return false;
    return dao->insert(LINK_TABLE, {QStringLiteral("idprofesor"), QStringLiteral("idasignatura")},
                       {Dao::idOrNull(idProfesor), Dao::idOrNull(m_id)})
        .isValid();
}

bool Asignatura::linkProfesores(const QList<Profesor*>& profesores)
{
    for (Profesor* profesor : profesores) {
        if (!linkProfesor(profesor))
            return false;
    }
    return true;
}

bool Asignatura::persistTurnosNuevos()
{
    for (TurnoAsignatura* turno : std::as_const(m_turnosNuevos)) {
        turno->setIdAsignatura(m_id);
        if (!turno->persist(false))
            return false;
    }
    return true;
}

bool Asignatura::removeTurnosBorrados()
{
    for (int idTurno : std::as_const(m_turnosBorrados)) {
        switch (TurnoAsignatura::removeDeAsignatura(idTurno)) {
        case TurnoAsignatura::Borrado::Hecho:
            break;
        case TurnoAsignatura::Borrado::Abortado:
            m_abortado = true;
            return false;
        case TurnoAsignatura::Borrado::Fallido:
            return false;
        }
    }
    return true;
}

bool Asignatura::persist()
{
    if (m_id >= 1) {
        qWarning() << "Intentando almacenar como nueva una asignatura con id";
        return false;
    }
    DaoTransaction tx;
    const QList<QVariant> values{m_nombre, Moneda::aCentimos(m_precioOrientativo), m_descripcion, m_edad};
    const int newId = Dao::getInstance()->insert(TABLE, COLUMNS.mid(1), values).toInt();
    bool ok = newId != 0;
    if (ok)
        m_id = newId;
    ok = ok && persistTurnosNuevos() && linkProfesores(m_profesoresNuevos) && linkProfesores(m_profesores);

    if (!ok) {
        // Rolled back here: nothing of this write is stored, so the objects
        // may be stored again later.
        if (tx.owns()) {
            tx.rollback();
            m_id = 0;
            for (TurnoAsignatura* turno : std::as_const(m_turnosNuevos))
                turno->m_id = 0;
        }
    } else {
        ok = tx.commit();
        if (ok) {
            // The stored shifts are read back with their new ids; objects
            // handed out before stay valid as children of the subject.
            m_turnosNuevos.clear();
            m_turnos.clear();
            m_turnosLoaded = false;
        }
    }
    return ok;
}

bool Asignatura::update()
{
    m_abortado = false;
    if (m_id < 1) {
        qWarning() << "Intentando actualizar una asignatura sin id";
        return false;
    }
    Dao* dao = Dao::getInstance();
    DaoTransaction tx;
    bool ok = dao->update(TABLE, COLUMNS.mid(1), QStringLiteral("id = ?"),
                          {m_nombre, Moneda::aCentimos(m_precioOrientativo), m_descripcion, m_edad, m_id});
    // Removals, then renames, then inserts: a name freed in memory is free in the table.
    turnos();
    ok = ok && removeTurnosBorrados() && NombresProvisionales::actualizar(TurnoAsignatura::TABLE, m_turnos)
         && persistTurnosNuevos();
    if (ok) {
        for (int idProfesor : std::as_const(m_profesoresBorrados)) {
            dao->deleteFrom(LINK_TABLE, {QStringLiteral("idasignatura"), QStringLiteral("idprofesor")},
                            {m_id, idProfesor});
            for (TurnoAsignatura* turno : std::as_const(m_turnos))
                SesionDeClase::desasignarProfesor(turno->id(), idProfesor);
        }
        ok = linkProfesores(m_profesoresNuevos);
    }

    if (!ok) {
        if (tx.owns()) {
            tx.rollback();
            for (TurnoAsignatura* turno : std::as_const(m_turnosNuevos))
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

bool Asignatura::remove(int id)
{
    QList<TurnoAsignatura*> turnos = TurnoAsignatura::listByAsignatura(id);
    const bool tieneTurnos = !turnos.isEmpty();
    qDeleteAll(turnos);
    if (tieneTurnos) {
        s_errorString = QCoreApplication::translate("Asignatura", "Subject couldn't be removed because it has shifts.");
        return false;
    }
    Dao* dao = Dao::getInstance();
    if (!dao->execute(QStringLiteral("DELETE FROM %1 WHERE idasignatura = ?").arg(QStringLiteral("curso_asignatura")),
                      {id})) {
        s_errorString = QCoreApplication::translate("Asignatura", "Error deleting relationship between subject and course.");
        qDebug() << "Error al borrar la relación entre asignatura " << id << " y curso.";
        return false;
    }
    if (!dao->execute(QStringLiteral("DELETE FROM %1 WHERE idasignatura = ?").arg(LINK_TABLE), {id})) {
        s_errorString = QCoreApplication::translate("Asignatura", "Error deleting relationship between subject and teacher.");
        return false;
    }
    return dao->execute(QStringLiteral("DELETE FROM %1 WHERE id = ?").arg(TABLE), {id});
}

QString Asignatura::errorString()
{
    return s_errorString;
}
