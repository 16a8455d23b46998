#include "generacionrecibos.h"

#include "alumno.h"
#include "dao.h"
#include "daorow.h"
#include "daotransaction.h"
#include "moneda.h"
#include "recibo.h"

#include <QDebug>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <bit>

namespace {
// The caller's turn between a run's steps, so that its window is painted.
void pausa(const std::function<void()>& entrePasos)
{
    if (entrePasos)
        entrePasos();
}
} // namespace

GeneracionRecibos::GeneracionRecibos(int mes, int anio)
    : m_dao(Dao::getInstance())
{
    const QDate hoy = QDate::currentDate();
    m_ini = QDate(anio == 0 ? hoy.year() : anio, mes == 0 ? hoy.month() : mes, 1);
    m_fin = m_ini.addMonths(1);
}

GeneracionRecibos::~GeneracionRecibos()
{
    qDeleteAll(m_nuevos);
}

QList<GeneracionRecibos::Linea> GeneracionRecibos::altasActivas(const QList<int>& idsAlumno) const
{
    // The enrolment listing's rule: started on or before the month's last day
    // (its end date counts), not withdrawn on or before its first day.
    const QDate ultimo = m_fin.addDays(-1);
    QString sql = QStringLiteral("SELECT id, idalumno, precio, preciobase, nombreasignatura, nombreturnoasignatura "
                                 "FROM alta WHERE julianday(falta) <= julianday(?) "
                                 "AND (fbaja is null OR julianday(fbaja) > julianday(?))");
    QList<QVariant> valores{ultimo, m_ini};
    if (idsAlumno.size() == 1) {
        sql += QStringLiteral(" AND idalumno = ?");
        valores << idsAlumno.first();
    }
    QList<Linea> todas;
    m_dao->readRows(sql + QStringLiteral(" ORDER BY id"), valores, [&todas](const DaoRow& row) {
        todas.append({int(row.integer(0)), int(row.integer(1)), row.real(2), row.real(3), row.text(4), row.text(5)});
    });
    if (idsAlumno.size() <= 1)
        return todas;
    // Several students: every student's enrolments in one query, kept for the
    // given ones in their order, rather than a query per student.
    QHash<int, QList<Linea>> porAlumno;
    for (const Linea& linea : std::as_const(todas))
        porAlumno[linea.idAlumno] << linea;
    QList<Linea> altas;
    for (int idAlumno : idsAlumno)
        altas += porAlumno.take(idAlumno);
    return altas;
}

QHash<int, GeneracionRecibos::Pagador> GeneracionRecibos::pagadores(const QList<Linea>& altas) const
{
    // The students of the run, read in one query rather than one per bill.
    QSet<int> ids;
    for (const Linea& alta : altas)
        if (alta.idAlumno != 0)
            ids.insert(alta.idAlumno);
    QHash<int, Pagador> leidos;
    if (ids.isEmpty())
        return leidos;
    m_dao->readRows(
        QStringLiteral("SELECT id, nombre, apellidos, ccc, direccion, localidad, cp, provincia FROM alumno"), {},
        [&](const DaoRow& row) {
            const int id = int(row.integer(0));
            if (!ids.contains(id))
                return;
            const QString nombre = row.text(1);
            const QString apellidos = row.text(2);
            leidos.insert(id, {nombre, apellidos, row.text(3),
                               Recibo::datosAlumno(nombre, apellidos, row.text(4), row.text(5), row.text(6),
                                                   row.text(7))});
        });
    return leidos;
}

const QString& GeneracionRecibos::lineaConcepto(const Linea& alta)
{
    // Enrolments of one subject and shift at one price share their line: it
    // is made once per run, not once per bill.
    const ClaveLinea clave{alta.asignatura, m_mostrarTurno ? alta.turno : QString(),
                           std::bit_cast<quint64>(alta.precioBase)};
    auto hecha = m_lineas.constFind(clave);
    if (hecha == m_lineas.cend()) {
        QString texto = alta.asignatura;
        if (m_mostrarTurno)
            texto += QStringLiteral(" - ") + alta.turno;
        hecha = m_lineas.insert(clave, Recibo::lineaConcepto(texto, alta.precioBase));
    }
    return *hecha;
}

void GeneracionRecibos::construir(const QList<Linea>& altas)
{
    QSettings settings;
    m_mostrarTurno = settings.value(QStringLiteral("CONFIGURATION/recibo_mostrarturno"), false).toBool();
    const QDate hoy = QDate::currentDate();
    const QHash<int, Pagador> leidos = pagadores(altas);

    for (const Linea& alta : altas) {
        const int idAlumno = alta.idAlumno;
        if (idAlumno == 0) {
            qWarning().noquote() << QStringLiteral("Hay un alta activa (id = ") + QString::number(alta.idAlta)
                                        + QStringLiteral(") sin id de alumno. No se genera recibo.");
            continue;
        }
        Recibo* recibo = m_nuevos.value(idAlumno);
        if (!recibo) {
            recibo = new Recibo(Recibo::SinSerie{}, nullptr);
            recibo->m_idalumno = idAlumno;
            const auto pagador = leidos.constFind(idAlumno);
            if (pagador != leidos.cend()) {
                recibo->m_datosalumno = pagador->datos;
                recibo->m_nombrealumno = pagador->nombre;
                recibo->m_apellidosalumno = pagador->apellidos;
                recibo->m_pagaderoen = pagador->ccc;
            } else {
                recibo->m_datosalumno = Recibo::datosAlumno(nullptr);
            }
            recibo->m_pagado = false;
            m_nuevos.insert(idAlumno, recibo);
            m_orden << idAlumno;
        }
        recibo->m_fecha = hoy;
        recibo->m_importe += alta.precio;
        // base price minus price, as Recibo::importeAlta
        recibo->m_descuento += alta.precioBase - alta.precio;
        recibo->addLineaConcepto(lineaConcepto(alta));
    }
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

bool GeneracionRecibos::cargarNumeracion()
{
    if (m_numeracion)
        return true;
    m_serie = Recibo::getSerieActual();
    m_siguienteGuardado = Recibo::siguienteGuardado();
    if (m_serie.isNull() || m_siguienteGuardado < 0)
        return false;
    m_numeracion = true;
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
    return true;
}

bool GeneracionRecibos::crear(const QList<Recibo*>& recibos)
{
    static const QString insert =
        QStringLiteral("INSERT INTO recibo(nrecibo,serie,fecha,importe,importepagado,descuento,concepto,"
                       "datosalumno,pagado,automatico,pagaderoen,idalumno,nombrealumno,apellidosalumno) "
                       "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    return escribir(insert, recibos.size(), [&](qsizetype i, QList<QVariant>& valores) {
        Recibo* recibo = recibos.at(i);
        while (m_usados.contains(m_siguiente))
            ++m_siguiente;
        recibo->m_nrecibo = m_siguiente;
        recibo->m_serie = m_serie;
        // a failed write undoes the run, numbering included
        m_usados.insert(m_siguiente);
        m_maximo = qMax(m_maximo, m_siguiente);
        ++m_siguiente;
        valores = recibo->rowValues();
    });
}

bool GeneracionRecibos::sobrescribir(const QList<Sobrescritura>& recibos)
{
    static const QString update =
        QStringLiteral("UPDATE recibo SET nrecibo=?,serie=?,fecha=?,importe=?,importepagado=?,descuento=?,"
                       "concepto=?,datosalumno=?,pagado=?,automatico=?,pagaderoen=?,idalumno=?,"
                       "nombrealumno=?,apellidosalumno=? WHERE id = ?");
    return escribir(update, recibos.size(), [&](qsizetype i, QList<QVariant>& valores) {
        const auto [recibo, almacenado] = recibos.at(i);
        recibo->m_id = almacenado->m_id;
        recibo->m_nrecibo = almacenado->m_nrecibo;
        recibo->m_serie = almacenado->m_serie;
        recibo->m_automatico = true;
        if (almacenado->m_importepagado > 0) {
            recibo->m_importepagado += almacenado->m_importepagado;
            if (Moneda::aCentimos(recibo->m_importepagado) == Moneda::aCentimos(recibo->m_importe))
                recibo->m_pagado = true;
        }
        valores = recibo->rowValues();
        valores << recibo->m_id;
    });
}

// Prepared on the first bill and then only bound and run again, straight
// through SQLite, all the bills as one write: the driver's binding would cost
// more than the write.
bool GeneracionRecibos::escribir(const QString& sql, qsizetype count,
                                 const std::function<void(qsizetype, QList<QVariant>&)>& fila)
{
    if (count == 0)
        return true;
    if (!cargarNumeracion())
        return false;
    qsizetype siguiente = 0;
    const bool ok = m_dao->executePreparedRows(sql, [&](QList<QVariant>& valores) {
        if (siguiente == count)
            return false;
        fila(siguiente++, valores);
        // The bills of a run share their date: its text, the one the database
        // holds for a date, is made once rather than once per bill.
        for (QVariant& value : valores) {
            if (value.typeId() != QMetaType::QDate || !value.toDate().isValid())
                continue;
            if (value.toDate() != m_fecha) {
                m_fecha = value.toDate();
                m_fechaTexto = m_fecha.toString(Qt::ISODate);
            }
            value = m_fechaTexto;
        }
        return true;
    });
    m_escrito = m_escrito || ok;
    return ok;
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

QList<int> GeneracionRecibos::generar(int modo, int mes, const QList<Alumno*>& alumnos, int anio,
                                      const std::function<void()>& entrePasos)
{
    GeneracionRecibos run(mes, anio);
    if (!run.empezar())
        return {};

    QList<int> ids;
    for (Alumno* alumno : alumnos)
        if (alumno && alumno->id() > 0)
            ids << alumno->id();
    // a list of students none of whom is stored gives no enrolments, not everyone's
    const QList<Linea> altas = alumnos.isEmpty() || !ids.isEmpty() ? run.altasActivas(ids) : QList<Linea>();

    QHash<int, Recibo*> almacenados;
    const QList<Recibo*> delMes = Recibo::list(Recibo::PAGADOS_E_IMPAGADOS, run.ini(), run.fin());
    for (Recibo* r : delMes)
        almacenados.insert(r->idAlumno(), r);

    run.construir(altas);
    pausa(entrePasos);

    QList<Recibo*> nuevos;
    QList<Sobrescritura> sobrescritos;
    int sinCambios = 0;
    for (int idAlumno : run.alumnos()) {
        Recibo* nuevo = run.nuevo(idAlumno);
        Recibo* almacenado = almacenados.value(idAlumno);
        if (!almacenado) {
            nuevos << nuevo;
        } else if (modo == 0 || (modo == 1 && !almacenado->isAutomatico())) {
            ++sinCambios;
        } else {
            sobrescritos.append(Sobrescritura(nuevo, almacenado));
            almacenados.remove(idAlumno);
        }
    }
    const bool ok = run.crear(nuevos) && run.sobrescribir(sobrescritos);
    qDeleteAll(delMes);
    pausa(entrePasos);

    if (!ok) {
        qWarning() << "Recibo::generarRecibos: a bill could not be written; nothing of the run is kept";
        run.deshacer();
        return {};
    }
    if (!run.terminar()) {
        qWarning() << "Recibo::generarRecibos: the bills could not be committed";
        return {};
    }
    return {int(nuevos.size()), int(sobrescritos.size()), sinCambios};
}

int GeneracionRecibos::regenerar(const QList<Recibo*>& recibos, int mes, int anio,
                                 const std::function<void()>& entrePasos)
{
    GeneracionRecibos run(mes, anio);
    QHash<int, Recibo*> dados;
    QList<int> orden;
    for (Recibo* r : recibos) {
        // a bill whose student is gone has no enrolments to be rebuilt from
        if (!r || !run.enMes(r->fecha()) || r->idAlumno() <= 0)
            continue;
        if (!dados.contains(r->idAlumno()))
            orden << r->idAlumno();
        dados.insert(r->idAlumno(), r);
    }
    if (dados.isEmpty())
        return 0;

    if (!run.empezar())
        return -1;
    run.construir(run.altasActivas(orden));
    pausa(entrePasos);

    QList<Sobrescritura> regenerados;
    for (int idAlumno : run.alumnos()) {
        Recibo* dado = dados.take(idAlumno);
        if (dado)
            regenerados.append(Sobrescritura(run.nuevo(idAlumno), dado));
    }
    if (!run.sobrescribir(regenerados)) {
        qWarning() << "Recibo::regenerarRecibos: a bill could not be written; nothing of the run is kept";
        run.deshacer();
        return -1;
    }
    pausa(entrePasos);
    if (!run.terminar()) {
        qWarning() << "Recibo::regenerarRecibos: the bills could not be committed";
        return -1;
    }
    return int(regenerados.size());
}
