#include "generacionrecibos.h"

#include "alta.h"
#include "alumno.h"
#include "dao.h"
#include "daotransaction.h"
#include "moneda.h"
#include "recibo.h"

#include <QDebug>
#include <QSettings>
#include <QSqlQuery>

GeneracionRecibos::GeneracionRecibos(int mes)
{
    const QDate hoy = QDate::currentDate();
    m_ini = QDate(hoy.year(), mes == 0 ? hoy.month() : mes, 1);
    m_fin = m_ini.addMonths(1);
}

GeneracionRecibos::~GeneracionRecibos()
{
    qDeleteAll(m_nuevos);
}

QList<Alta*> GeneracionRecibos::altasActivas(int idAlumno) const
{
    // The enrolment listing counts a start on its end date: the month ends on
    // its last day, not on the first day of the next one.
    return Alta::listAltasActivas(m_ini, m_fin.addDays(-1), idAlumno);
}

void GeneracionRecibos::construir(const QList<Alta*>& altas)
{
    QSettings settings;
    const bool mostrarTurno =
        settings.value(QStringLiteral("CONFIGURATION/recibo_mostrarturno"), false).toBool();
    const QDate hoy = QDate::currentDate();

    // The students of the run, read in one query rather than one per bill.
    QSet<int> ids;
    for (Alta* alta : altas)
        if (alta->idAlumno() != 0)
            ids.insert(alta->idAlumno());
    QHash<int, Alumno*> alumnos;
    if (!ids.isEmpty()) {
        QSqlQuery query = Dao::getInstance()->query(
            QStringLiteral("SELECT id, nombre, apellidos, ccc, direccion, localidad, cp, provincia FROM alumno"));
        while (query.next()) {
            const int id = query.value(0).toInt();
            if (!ids.contains(id))
                continue;
            auto* alumno = new Alumno(id);
            alumno->setNombre(query.value(1).toString());
            alumno->setApellidos(query.value(2).toString());
            alumno->setCcc(query.value(3).toString());
            alumno->setDireccion(query.value(4).toString());
            alumno->setLocalidad(query.value(5).toString());
            alumno->setCp(query.value(6).toString());
            alumno->setProvincia(query.value(7).toString());
            alumnos.insert(id, alumno);
        }
    }

    for (Alta* alta : altas) {
        const int idAlumno = alta->idAlumno();
        if (idAlumno == 0) {
            qWarning().noquote() << QStringLiteral("Hay un alta activa (id = ") + QString::number(alta->id())
                                        + QStringLiteral(") sin id de alumno. No se genera recibo.");
            continue;
        }
        Recibo* recibo = m_nuevos.value(idAlumno);
        if (!recibo) {
            Alumno* alumno = alumnos.value(idAlumno);
            recibo = new Recibo(Recibo::SinSerie{}, nullptr);
            recibo->m_idalumno = idAlumno;
            recibo->m_datosalumno = Recibo::datosAlumno(alumno);
            if (alumno) {
                recibo->m_nombrealumno = alumno->nombre();
                recibo->m_apellidosalumno = alumno->apellidos();
                recibo->m_pagaderoen = alumno->ccc();
            }
            recibo->m_pagado = false;
            m_nuevos.insert(idAlumno, recibo);
            m_orden << idAlumno;
        }
        recibo->m_fecha = hoy;
        recibo->m_importe += alta->precio();
        recibo->m_descuento += Recibo::importeAlta(alta);
        QString texto = alta->nombreAsignatura();
        if (mostrarTurno)
            texto += QStringLiteral(" - ") + alta->nombreTurnoAsignatura();
        recibo->addLineaConcepto(Recibo::lineaConcepto(texto, alta->precioBase()));
    }
    qDeleteAll(alumnos);
}

bool GeneracionRecibos::empezar()
{
    // Joined: a savepoint lets the run undo its own writes only.
    m_tx = std::make_unique<DaoTransaction>(DaoTransaction::OwnOrSavepoint);
    if (!m_tx->canTakeBack()) {
        m_tx.reset();
        return false;
    }
    return true;
}

void GeneracionRecibos::cargarNumeracion()
{
    if (m_numeracion)
        return;
    m_numeracion = true;
    m_serie = Recibo::getSerieActual();
    m_siguienteGuardado = Recibo::siguienteGuardadoOrFatal();
    m_siguiente = m_siguienteGuardado;
    // Numbering only moves up from the stored next number: the numbers below
    // it (a year of bills) never need to be looked at one by one.
    QSqlQuery maximo = Dao::getInstance()->query(QStringLiteral("SELECT max(nrecibo) FROM recibo WHERE serie = ?"),
                                                 {m_serie});
    if (maximo.next() && !maximo.value(0).isNull())
        m_maximo = maximo.value(0).toInt();
    QSqlQuery query = Dao::getInstance()->query(
        QStringLiteral("SELECT nrecibo FROM recibo WHERE serie = ? AND nrecibo >= ?"), {m_serie, m_siguiente});
    while (query.next())
        m_usados.insert(query.value(0).toInt());
}

bool GeneracionRecibos::crear(Recibo* recibo)
{
    cargarNumeracion();
    while (m_usados.contains(m_siguiente))
        ++m_siguiente;
    recibo->m_nrecibo = m_siguiente;
    recibo->m_serie = m_serie;
    if (!recibo->insertRow())
        return false;
    // a number is taken only by a stored bill
    m_usados.insert(m_siguiente);
    m_maximo = qMax(m_maximo, m_siguiente);
    ++m_siguiente;
    m_escrito = true;
    return true;
}

bool GeneracionRecibos::sobrescribir(Recibo* recibo, const Recibo* almacenado)
{
    cargarNumeracion();
    recibo->m_id = almacenado->m_id;
    recibo->m_nrecibo = almacenado->m_nrecibo;
    recibo->m_serie = almacenado->m_serie;
    recibo->m_automatico = true;
    if (almacenado->m_importepagado > 0) {
        recibo->m_importepagado += almacenado->m_importepagado;
        if (Moneda::aCentimos(recibo->m_importepagado) == Moneda::aCentimos(recibo->m_importe))
            recibo->m_pagado = true;
    }
    if (!recibo->updateRow())
        return false;
    m_escrito = true;
    return true;
}

bool GeneracionRecibos::terminar()
{
    if (m_escrito) {
        // Same rule as single writes: past every number used, never below
        // what was stored.
        const int siguiente = qMax(m_siguiente, m_maximo + 1);
        if (siguiente != m_siguienteGuardado
            && !Dao::getInstance()->execute(
                QStringLiteral("UPDATE property SET value = CAST(? as text) WHERE key = 'siguienterecibo'"),
                {siguiente})) {
            deshacer();
            return false;
        }
    }
    // A failed commit takes the whole run back.
    const bool ok = m_tx->commit();
    m_tx.reset();
    return ok;
}

void GeneracionRecibos::deshacer()
{
    // The guard takes back what it holds when it goes.
    m_tx.reset();
}
