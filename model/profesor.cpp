#include "profesor.h"

#include "dao.h"
#include "daotransaction.h"
#include "filaunica.h"
#include "informeprofesor.h"
#include "listadoresecon.h"
#include "modelocompartido.h"
#include "tablatelefonos.h"
#include "moneda.h"
#include "profesortablemodel.h"
#include "resumeneconomico.h"
#include "sueldoprofesor.h"
#include "valorsql.h"

#include <QDebug>
#include <QHash>
#include <QSqlQuery>

const QString Profesor::TABLE = QStringLiteral("profesor");
const QStringList Profesor::COLUMNS = {
    QStringLiteral("id"),          QStringLiteral("nombre"),         QStringLiteral("apellidos"),
    QStringLiteral("apodo"),       QStringLiteral("ccc"),            QStringLiteral("dni"),
    QStringLiteral("direccion"),   QStringLiteral("localidad"),      QStringLiteral("provincia"),
    QStringLiteral("cp"),          QStringLiteral("email"),          QStringLiteral("sueldofijo"),
    QStringLiteral("sueldoporhora"), QStringLiteral("sueldoporcentaje"), QStringLiteral("descuento"),
    QStringLiteral("banco"),       QStringLiteral("direccionBanco"), QStringLiteral("falta"),
    QStringLiteral("fbaja")};

namespace {
ModeloCompartido<ProfesorTableModel> sharedModel;

const TablaTelefonos telefonoTable(QStringLiteral("telefonoprofesor"), QStringLiteral("idprofesor"),
                                   QStringLiteral("profesor"));
}

Profesor::Profesor(QObject* parent)
    : QObject(parent)
{
}

Profesor::Profesor(int id, QObject* parent)
    : QObject(parent)
    , m_id(id)
{
}

QString Profesor::telefonosToString() const
{
    return TablaTelefonos::texto(m_telefonos);
}

QString Profesor::nombreCompleto() const
{
    const QString nombre = m_nombre + QLatin1Char(' ') + m_apellidos;
    if (m_apodo.isEmpty())
        return nombre;
    return m_apodo + QStringLiteral(" - ") + nombre;
}

Listado* Profesor::listadoAlumnos(const QDate& ini, const QDate& fin) const
{
    return InformeProfesor::listadoAlumnos(*this, ini, fin);
}

Profesor::ParteSueldo Profesor::liquidacionFijo(const QDate& ini, const QDate& fin) const
{
    return SueldoProfesor::liquidacionFijo(*this, ini, fin);
}

Profesor::ParteSueldo Profesor::liquidacionPorHora(const QDate& ini, const QDate& fin) const
{
    return SueldoProfesor::liquidacionPorHora(*this, ini, fin);
}

Profesor::ParteSueldo Profesor::liquidacionPorcentaje(const QDate& ini, const QDate& fin, bool* ok) const
{
    return SueldoProfesor::liquidacionPorcentaje(*this, ini, fin, ok);
}

QList<Listado*> Profesor::liquidacion(const QDate& ini, const QDate& fin, bool* ok) const
{
    return SueldoProfesor::liquidacion(*this, ini, fin, ok);
}

ListadoResEcon* Profesor::resumenEconomico(const QDate& ini, const QDate& fin, bool* ok)
{
    return ResumenEconomico::resumenEconomico(ini, fin, ok);
}

ProfesorTableModel* Profesor::tableModel()
{
    return sharedModel.get();
}

void Profesor::refreshModel()
{
    sharedModel.refresh();
}

QStringList Profesor::columnas(int pos, int length)
{
    return COLUMNS.mid(pos, length);
}

Profesor* Profesor::fromQuery(QSqlQuery& query)
{
    Profesor* p = new Profesor(query.value(0).toInt());
    p->m_nombre = query.value(1).toString();
    p->m_apellidos = query.value(2).toString();
    p->m_apodo = query.value(3).toString();
    p->m_ccc = query.value(4).toString();
    p->m_dni = query.value(5).toString();
    p->m_direccion = query.value(6).toString();
    p->m_localidad = query.value(7).toString();
    p->m_provincia = query.value(8).toString();
    p->m_cp = query.value(9).toString();
    p->m_email = query.value(10).toString();
    p->m_sueldoFijo = Moneda::deCentimos(query.value(11));
    p->m_sueldoPorHora = Moneda::deCentimos(query.value(12));
    p->m_sueldoPorcentaje = query.value(13).toDouble();
    p->m_retencion = Moneda::deCentimos(query.value(14));
    p->m_banco = query.value(15).toString();
    p->m_direccionBanco = query.value(16).toString();
    p->m_fAlta = query.value(17).toDate();
    p->m_fBaja = query.value(18).toDate();
    return p;
}

Profesor* Profesor::getFromDB(int id)
{
    QSqlQuery query = FilaUnica::select(TABLE, COLUMNS, QStringLiteral("id = ?"), {id});
    if (!query.isValid())
        return nullptr;
    Profesor* profesor = fromQuery(query);
    profesor->loadTelefonos();
    return profesor;
}

QList<Profesor*> Profesor::getAll()
{
    QList<Profesor*> result;
    QSqlQuery query = Dao::getInstance()->select(TABLE, COLUMNS, QString(), QString(), {});
    while (query.next())
        result.append(fromQuery(query));
    if (result.isEmpty())
        return result;
    // Every teacher is listed, so one query over all phones fills them all.
    QSqlQuery phones = Dao::getInstance()->select(
        telefonoTable.table(), {QStringLiteral("idprofesor"), QStringLiteral("nombre"), QStringLiteral("telefono")},
        QString(), QStringLiteral("rowid"), QList<QVariant>());
    const QHash<int, Telefonos> porProfesor = TablaTelefonos::porDueno(phones);
    for (Profesor* profesor : std::as_const(result))
        profesor->m_telefonos = porProfesor.value(profesor->m_id);
    return result;
}

QList<Profesor*> Profesor::getByAsignatura(int idAsignatura)
{
    const QString sql = QStringLiteral("SELECT p.%1 FROM %2 p JOIN profesor_asignatura pa ON p.%3 = "
                                       "pa.idprofesor WHERE pa.idasignatura = ?")
                            .arg(COLUMNS.join(QStringLiteral(", p.")), TABLE, QStringLiteral("id"));
    QList<Profesor*> result;
    QSqlQuery query = Dao::getInstance()->query(sql, {idAsignatura});
    while (query.next())
        result.append(fromQuery(query));
    return result;
}

void Profesor::loadTelefonos()
{
    m_telefonos = telefonoTable.cargar(m_id);
}

bool Profesor::deleteTelefonos(int idProfesor)
{
    return Dao::getInstance()->deleteFrom(telefonoTable.table(), {QStringLiteral("idProfesor")},
                                          {idProfesor});
}

bool Profesor::saveTelefonos(const Telefonos& telefonos)
{
    return telefonoTable.escribir(m_id, telefonos, deleteTelefonos(m_id));
}

QList<QVariant> Profesor::fieldValues() const
{
    return {ValorSql::texto(m_nombre),
            ValorSql::texto(m_apellidos),
            ValorSql::texto(m_apodo),
            ValorSql::texto(m_ccc),
            ValorSql::texto(m_dni),
            ValorSql::texto(m_direccion),
            ValorSql::texto(m_localidad),
            ValorSql::texto(m_provincia),
            ValorSql::texto(m_cp),
            ValorSql::texto(m_email),
            Moneda::aCentimos(m_sueldoFijo),
            Moneda::aCentimos(m_sueldoPorHora),
            m_sueldoPorcentaje,
            Moneda::aCentimos(m_retencion),
            ValorSql::texto(m_banco),
            ValorSql::texto(m_direccionBanco),
            m_fAlta,
            m_fBaja};
}

bool Profesor::persist()
{
    if (m_id >= 1) {
        qWarning() << "Intentando almacenar como nuevo un profesor que ya tiene id";
        return false;
    }
    if (m_apodo.isEmpty())
        m_apodo = m_nombre;
    DaoTransaction write(DaoTransaction::OwnOrSavepoint);
    m_id = Dao::getInstance()->insert(TABLE, columnas(1, -1), fieldValues()).toInt();
    if (m_id == 0)
        return false;
    if (!saveTelefonos(m_telefonos) || !write.commit()) {
        write.rollback();
        m_id = 0; // the row is gone again: a retry stores it anew
        return false;
    }
    refreshModel();
    return true;
}

bool Profesor::update()
{
    if (m_id < 1) {
        qWarning() << "tratando de actualizar un profesor sin id";
        return false;
    }
    if (m_apodo.isEmpty())
        m_apodo = m_nombre;
    DaoTransaction write(DaoTransaction::OwnOrSavepoint);
    QList<QVariant> values;
    values << m_id << fieldValues() << m_id;
    if (!Dao::getInstance()->update(TABLE, COLUMNS, QStringLiteral("id = ?"), values)
        || !saveTelefonos(m_telefonos) || !write.commit()) {
        write.rollback();
        return false;
    }
    refreshModel();
    return true;
}

bool Profesor::remove(int id)
{
    bool ok;
    {
        DaoTransaction write(DaoTransaction::OwnOrSavepoint);
        ok = deleteTelefonos(id)
             && Dao::getInstance()->deleteFrom(TABLE, {QStringLiteral("id")}, {id})
             && write.commit();
        // an uncommitted write is taken back when it goes out of scope
    }
    refreshModel();
    return ok;
}
