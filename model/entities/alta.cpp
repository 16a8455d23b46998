#include "alta.h"

#include "adatehelper.h"
#include "dao.h"
#include "filaunica.h"
#include "turnoasignatura.h"
#include "valorsql.h"

#include <QDebug>
#include <QSqlQuery>

const QString Alta::TABLE = QStringLiteral("alta");
const QStringList Alta::COLUMNS = {
    QStringLiteral("id"),           QStringLiteral("falta"),
    QStringLiteral("fbaja"),        QStringLiteral("precio"),
    QStringLiteral("preciobase"),   QStringLiteral("condescuento"),
    QStringLiteral("observaciones"), QStringLiteral("nombrealumno"),
    QStringLiteral("nombreturnoasignatura"), QStringLiteral("nombreasignatura"),
    QStringLiteral("idalumno"),     QStringLiteral("idturnoasignatura")};

Alta::Alta(int idAlumno, QObject* parent)
    : QObject(parent)
    , m_idAlumno(idAlumno)
{
}

Alta::Alta(int id, int idAlumno, QObject* parent)
    : QObject(parent)
    , m_id(id)
    , m_idAlumno(idAlumno)
{
}

Alta::Alta(const Alta& other, QObject* parent)
    : QObject(parent)
    , m_id(other.m_id)
    , m_idAlumno(other.m_idAlumno)
    , m_idTurnoAsignatura(other.m_idTurnoAsignatura)
{
}

Alta* Alta::fromQuery(QSqlQuery& query)
{
    Alta* alta = new Alta(query.value(0).toInt(), query.value(10).toInt());
    alta->m_idTurnoAsignatura = query.value(11).toInt(); // NULL reads as 0
    alta->m_nombreTurnoAsignatura = query.value(8).toString();
    alta->m_nombreAsignatura = query.value(9).toString();
    alta->m_falta = query.value(1).toDate();
    alta->m_fbaja = query.value(2).toDate();
    alta->m_precio = query.value(3).toDouble();
    alta->m_precioBase = query.value(4).toDouble();
    alta->m_observaciones = query.value(6).toString();
    alta->m_nombreAlumno = query.value(7).toString();
    alta->m_conDescuento = query.value(5).toBool();
    return alta;
}

Alta* Alta::getFromDB(int id)
{
    QSqlQuery query = FilaUnica::select(TABLE, COLUMNS, QStringLiteral("id = ?"), {id});
    return query.isValid() ? fromQuery(query) : nullptr;
}

QList<Alta*> Alta::listWhere(const QString& where, const QList<QVariant>& values, bool* ok)
{
    QList<Alta*> result;
    QSqlQuery query = Dao::getInstance()->select(TABLE, COLUMNS, where, QString(), values);
    if (ok)
        *ok = query.isActive();
    while (query.next())
        result.append(fromQuery(query));
    return result;
}

QList<Alta*> Alta::listAltasPorAlumno(int idAlumno, bool* ok)
{
    return listWhere(QStringLiteral("%1 = ?").arg(COLUMNS.at(10)), {idAlumno}, ok);
}

QList<Alta*> Alta::listAltasActivas(QDate ini, QDate fin, int idAlumno, bool* ok)
{
    QString where = QStringLiteral("julianday(%1) <= julianday(?) AND (%2 is null OR julianday(%2) > "
                                   "julianday(?))")
                        .arg(COLUMNS.at(1), COLUMNS.at(2));
    QList<QVariant> values{fin, ini};
    if (idAlumno > 0) {
        where += QStringLiteral(" and %1 == ?").arg(COLUMNS.at(10));
        values << idAlumno;
    }
    return listWhere(where, values, ok);
}

QList<Alta*> Alta::listAltasPorTurnoAsignatura(int idTurnoAsignatura, bool soloActivas, QDate fini,
                                               QDate ffin, int orden, bool* ok)
{
    QString where = QStringLiteral("%1 = ? ").arg(COLUMNS.at(11));
    QList<QVariant> values{idTurnoAsignatura};
    if (soloActivas) {
        if (fini.isNull() && ffin.isNull()) {
            where += QStringLiteral(" and %1 is not null  and ( %2 is not null and julianday(%2) <= "
                                    "julianday(?)  and (%3 is null or julianday(%3) > julianday(?)))")
                         .arg(COLUMNS.at(10), COLUMNS.at(1), COLUMNS.at(2));
            values << ADateHelper::today() << ADateHelper::today();
        } else if (!fini.isNull() && !ffin.isNull()) {
            where += QStringLiteral(" and %1 is not null  and (%2 is not null and julianday(%2) <= "
                                    "julianday(?)  and (%3 is null or julianday(%3) > julianday(?)))")
                         .arg(COLUMNS.at(10), COLUMNS.at(1), COLUMNS.at(2));
            values << ffin << fini;
        } else {
            qWarning() << "calling to Alta::listAltasPorTurnoAsignatura with soloActivas = true but "
                          "with only one of fini or ffin not null";
            if (ok)
                *ok = false;
            return {};
        }
    }
    where += QStringLiteral(" order by ") + COLUMNS.value(orden, COLUMNS.at(0));
    return listWhere(where, values, ok);
}

QList<Alta*> Alta::listDadas(const QString& dateColumn, int idTurnoAsignatura, QDate ini,
                             QDate fin, bool* ok)
{
    if (fin.isNull())
        fin = QDate::currentDate();
    if (ini.isNull())
        ini = fin.addMonths(-1);
    const QString where = QStringLiteral("%1 = ? ").arg(COLUMNS.at(11))
                          + QStringLiteral(" and %1 is not null  and ( %2 is not null)  and ( "
                                           "julianday(%2) >= julianday(?))  and ( julianday(%2) <= "
                                           "julianday(?)) ")
                                .arg(COLUMNS.at(10), dateColumn);
    return listWhere(where, {idTurnoAsignatura, ini, fin}, ok);
}

QList<Alta*> Alta::listAltasDadasDeAlta(int idTurnoAsignatura, QDate ini, QDate fin, bool* ok)
{
    return listDadas(COLUMNS.at(1), idTurnoAsignatura, ini, fin, ok);
}

QList<Alta*> Alta::listAltasDadasDeBaja(int idTurnoAsignatura, QDate ini, QDate fin, bool* ok)
{
    return listDadas(COLUMNS.at(2), idTurnoAsignatura, ini, fin, ok);
}

bool Alta::darDeBajaAltasTurnoAsignatura(int idTurnoAsignatura)
{
    Dao* dao = Dao::getInstance();
    if (!dao->update(TABLE, {COLUMNS.at(2)},
                     QStringLiteral("%1 = ? AND %2 IS NULL").arg(COLUMNS.at(11), COLUMNS.at(2)),
                     {QDate::currentDate(), idTurnoAsignatura}))
        return false;
    return dao->update(TABLE, {COLUMNS.at(11)}, QStringLiteral("%1 = ?").arg(COLUMNS.at(11)),
                       {Dao::idOrNull(0), idTurnoAsignatura});
}

QList<QVariant> Alta::fieldValues() const
{
    return {m_falta,
            m_fbaja,
            m_precio,
            m_precioBase,
            m_conDescuento,
            ValorSql::texto(m_observaciones),
            ValorSql::texto(m_nombreAlumno),
            ValorSql::texto(m_nombreTurnoAsignatura),
            ValorSql::texto(m_nombreAsignatura),
            Dao::idOrNull(m_idAlumno),
            // a detached enrolment keeps NULL, which its foreign key accepts
            Dao::idOrNull(m_idTurnoAsignatura)};
}

bool Alta::cabe(bool isUpdate)
{
    // An enrolment without a loadable shift has no classroom to fill.
    TurnoAsignatura* turno = TurnoAsignatura::getFromDB(m_idTurnoAsignatura);
    if (!turno)
        return true;
    const QDate sinPlaza = turno->getFechaSinPlaza(this, isUpdate);
    delete turno;
    return !sinPlaza.isValid();
}

int Alta::persist(bool forzar)
{
    if (m_id != 0) {
        qWarning() << "Intentando almacenar como nueva un alta que ya tiene id";
        return YaTieneId;
    }
    if (!forzar && !cabe(false))
        return SinPlaza;
    m_id = Dao::getInstance()->insert(TABLE, COLUMNS.mid(1), fieldValues()).toInt();
    return m_id != 0 ? Almacenada : ErrorBaseDeDatos;
}

int Alta::update(bool forzar)
{
    if (m_fbaja.isValid() && m_falta > m_fbaja)
        return BajaAntesDeAlta;
    if (m_id < 1) {
        qWarning() << "tratando de actualizar un alta sin id";
        return SinId;
    }
    if (!forzar && !cabe(true))
        return SinPlaza;
    QList<QVariant> values = fieldValues();
    values << m_id;
    const bool ok =
        Dao::getInstance()->update(TABLE, COLUMNS.mid(1), QStringLiteral("id = ?"), values);
    return ok ? Almacenada : ErrorBaseDeDatos;
}

bool Alta::remove()
{
    if (m_id < 1) {
        qWarning() << "Tratando de eliminar un alta sin id";
        return false;
    }
    return Dao::getInstance()->deleteFrom(TABLE, {COLUMNS.at(0)}, {m_id});
}
