#include "sesiondeclase.h"

#include "aula.h"
#include "dao.h"
#include "profesor.h"
#include "turnoasignatura.h"

#include <QDebug>
#include <QSqlQuery>

const QString SesionDeClase::TABLE = QStringLiteral("sesiondeclase");
const QStringList SesionDeClase::COLUMNS = {
    QStringLiteral("id"),       QStringLiteral("minutoinicio"), QStringLiteral("minutofin"),
    QStringLiteral("diasemana"), QStringLiteral("idaula"),      QStringLiteral("idprofesor"),
    QStringLiteral("idturnoasignatura")};

SesionDeClase::SesionDeClase(QObject* parent)
    : QObject(parent)
{
}

SesionDeClase::SesionDeClase(int id, QObject* parent)
    : QObject(parent)
    , m_id(id)
{
}

TurnoAsignatura* SesionDeClase::getTurnoAsignatura() const
{
    return TurnoAsignatura::getFromDB(m_idTurnoAsignatura);
}

Aula* SesionDeClase::getAula() const
{
    return Aula::getFromDB(m_idAula);
}

Profesor* SesionDeClase::getProfesor() const
{
    if (m_idProfesor == 0)
        return nullptr;
    return Profesor::getFromDB(m_idProfesor);
}

SesionDeClase* SesionDeClase::fromQuery(QSqlQuery& query)
{
    SesionDeClase* sesion = new SesionDeClase(query.value(0).toInt());
    sesion->m_minutoInicio = query.value(1).toInt();
    sesion->m_minutoFin = query.value(2).toInt();
    sesion->m_diaSemana = query.value(3).toInt();
    sesion->m_idAula = query.value(4).toInt();
    sesion->m_idProfesor = query.value(5).toInt(); // NULL reads as 0
    sesion->m_idTurnoAsignatura = query.value(6).toInt();
    return sesion;
}

SesionDeClase* SesionDeClase::getFromDB(int id)
{
    QSqlQuery query = Dao::getInstance()->select(TABLE, COLUMNS, QStringLiteral("id = ?"),
                                                 QList<QVariant>{id});
    if (query.next())
        return fromQuery(query);
    qWarning().noquote() << QStringLiteral("Asked for inexistent session: %1").arg(id);
    return nullptr;
}

QList<SesionDeClase*> SesionDeClase::listWhere(const QString& where, const QList<QVariant>& values)
{
    QList<SesionDeClase*> result;
    QSqlQuery query = Dao::getInstance()->select(TABLE, COLUMNS, where,
                                                 QStringLiteral("diasemana, minutoinicio"), values);
    while (query.next())
        result.append(fromQuery(query));
    return result;
}

QList<SesionDeClase*> SesionDeClase::listAll()
{
    return listWhere(QString(), {});
}

QList<SesionDeClase*> SesionDeClase::listByDiaSemana(int dia)
{
    return listWhere(QStringLiteral("diasemana = ?"), {dia});
}

QList<SesionDeClase*> SesionDeClase::listByAula(int idAula)
{
    return listWhere(QStringLiteral("idaula = ?"), {idAula});
}

QList<SesionDeClase*> SesionDeClase::listByTurnoAsignatura(int idTurno)
{
    return listWhere(QStringLiteral("idturnoasignatura = ?"), {idTurno});
}

bool SesionDeClase::profesorTieneSesiones(const QList<int>& idsTurnos, int idProfesor)
{
    for (int idTurno : idsTurnos) {
        QSqlQuery query = Dao::getInstance()->select(
            TABLE, {QStringLiteral("count(*)")},
            QStringLiteral("idturnoasignatura = ? AND idprofesor = ? "), {idTurno, idProfesor});
        if (query.next() && query.value(0).toInt() > 0)
            return true;
    }
    return false;
}

bool SesionDeClase::desasignarProfesor(int idTurnoAsignatura, int idProfesor)
{
    return Dao::getInstance()->update(TABLE, {QStringLiteral("idprofesor")},
                                      QStringLiteral("idturnoasignatura = ? AND idprofesor = ? "),
                                      {Dao::idOrNull(0), idTurnoAsignatura, idProfesor});
}

QList<QVariant> SesionDeClase::fieldValues() const
{
    // No teacher is NULL in the table: its foreign key refuses 0.
    return {m_minutoInicio, m_minutoFin, m_diaSemana, m_idAula, Dao::idOrNull(m_idProfesor),
            m_idTurnoAsignatura};
}

bool SesionDeClase::persist()
{
    if (m_id != 0) {
        qWarning() << "Intentando almacenar como nueva una sesion que ya tiene id";
        return false;
    }
    m_id = Dao::getInstance()->insert(TABLE, COLUMNS.mid(1), fieldValues()).toInt();
    return m_id != 0;
}

bool SesionDeClase::update()
{
    if (m_id < 1) {
        qWarning() << "tratando de actualizar una sesion sin id";
        return false;
    }
    QList<QVariant> values = fieldValues();
    values << m_id;
    // a session removed meanwhile is not stored, whatever the statement says
    int changed = 0;
    return Dao::getInstance()->update(TABLE, COLUMNS.mid(1), QStringLiteral("id = ?"), values, &changed)
           && changed == 1;
}

bool SesionDeClase::remove()
{
    if (m_id < 1) {
        qWarning() << "Tratando de eliminar una sesion sin id";
        return false;
    }
    return Dao::getInstance()->deleteFrom(TABLE, {QStringLiteral("id")}, {m_id});
}
