#include "recibo.h"

#include "academia.h"
#include "alta.h"
#include "alumno.h"
#include "arounder.h"
#include "dao.h"
#include "daorow.h"
#include "daotransaction.h"
#include "generacionrecibos.h"
#include "moneda.h"
#include "recibotablemodel.h"

#include <QDebug>
#include <QHash>
#include <QSet>
#include <QSettings>
#include <QSqlError>
#include <QSqlQuery>

const QString Recibo::TABLE = QStringLiteral("recibo");
const QStringList Recibo::COLUMNS = {
    QStringLiteral("id"),          QStringLiteral("nrecibo"),       QStringLiteral("serie"),
    QStringLiteral("fecha"),       QStringLiteral("importe"),       QStringLiteral("importepagado"),
    QStringLiteral("descuento"),   QStringLiteral("concepto"),      QStringLiteral("datosalumno"),
    QStringLiteral("pagado"),      QStringLiteral("automatico"),    QStringLiteral("pagaderoen"),
    QStringLiteral("idalumno"),    QStringLiteral("nombrealumno"),  QStringLiteral("apellidosalumno")};

const QString Recibo::NRECIBO = QStringLiteral("#nrecibo#");
const QString Recibo::FEXPEDICION = QStringLiteral("#fexpedicion#");
const QString Recibo::IMPORTE = QStringLiteral("#importe#");
const QString Recibo::FVENCIMIENTO = QStringLiteral("#fvencimiento#");
const QString Recibo::CONCEPTO = QStringLiteral("#concepto#");
const QString Recibo::PAGADEROEN = QStringLiteral("#pagaderoen#");
const QString Recibo::DATOSALUMNO = QStringLiteral("#datosalumno#");
const QString Recibo::CONTENT = QStringLiteral("##content##");
const QString Recibo::EXPEDIDOEN = QStringLiteral("#expedidoen#");
const QString Recibo::NOMBREACADEMIA = QStringLiteral("#nombreacademia#");
const QString Recibo::DATOSACADEMIA = QStringLiteral("%%DATOSACADEMIA%%");


namespace {

QStringList writeColumns()
{
    return Recibo::COLUMNS.mid(1);
}

// Numbering state must never be guessed: a failed read is logged and the
// caller answers failure.
void falloLectura(QSqlQuery& query, const char* mensaje)
{
    qDebug().noquote() << query.lastError().text() + QStringLiteral("\n\"") + query.lastQuery()
                              + QStringLiteral("\"");
    qWarning("%s", mensaje);
}

} // namespace

Recibo::Recibo(QObject* parent)
    : QObject(parent)
    , m_serie(getSerieActual())
{
}

Recibo::Recibo(int idAlumno, QObject* parent)
    : QObject(parent)
    , m_serie(getSerieActual())
    , m_idalumno(idAlumno)
{
    if (Alumno* alumno = Alumno::getFromDB(idAlumno)) {
        m_pagaderoen = alumno->ccc();
        delete alumno;
    }
}

Recibo::Recibo(SinSerie, QObject* parent)
    : QObject(parent)
{
}

void Recibo::setNRecibo(int nrecibo)
{
    if (nrecibo == m_nrecibo)
        return;
    m_nrecibo = nrecibo;
    m_automatico = false;
}

void Recibo::setFecha(QDate fecha)
{
    if (fecha == m_fecha)
        return;
    m_fecha = fecha;
    m_automatico = false;
}

void Recibo::setImporte(double importe)
{
    if (importe == m_importe)
        return;
    m_importe = importe;
    m_automatico = false;
}

void Recibo::setImportePagado(double importePagado)
{
    if (importePagado == m_importepagado)
        return;
    m_importepagado = importePagado;
    m_automatico = false;
}

void Recibo::setDescuento(double descuento)
{
    if (descuento == m_descuento)
        return;
    m_descuento = descuento;
    m_automatico = false;
}

void Recibo::setPagado(bool pagado)
{
    if (pagado == m_pagado)
        return;
    if (pagado)
        m_importepagado = m_importe;
    m_pagado = pagado;
    m_automatico = false;
}

void Recibo::setPagaderoEn(QString pagaderoEn)
{
    if (pagaderoEn == m_pagaderoen)
        return;
    m_pagaderoen = pagaderoEn;
    m_automatico = false;
}

void Recibo::setDatosAlumno(QString datosAlumno)
{
    if (datosAlumno == m_datosalumno)
        return;
    m_datosalumno = datosAlumno;
    m_automatico = false;
}

void Recibo::setConcepto(QString concepto)
{
    if (concepto == m_concepto)
        return;
    m_concepto = concepto;
    m_automatico = false;
}

double Recibo::importeAlta(Alta* alta)
{
    return alta->precioBase() - alta->precio();
}

// The columns of COLUMNS, converted as the driver converts them.
Recibo* Recibo::fromRow(const DaoRow& row)
{
    auto* r = new Recibo(SinSerie{}, nullptr);
    r->m_id = int(row.integer(0));
    r->m_nrecibo = int(row.integer(1));
    r->m_serie = row.text(2);
    r->m_fecha = QDate::fromString(row.text(3), Qt::ISODate);
    r->m_importe = Moneda::deCentimos(row.value(4));
    r->m_importepagado = Moneda::deCentimos(row.value(5));
    r->m_descuento = row.value(6).toDouble();
    r->m_concepto = row.text(7);
    r->m_datosalumno = row.text(8);
    r->m_pagado = row.flag(9);
    r->m_automatico = row.flag(10);
    r->m_pagaderoen = row.text(11);
    r->m_idalumno = int(row.integer(12));
    r->m_nombrealumno = row.text(13);
    r->m_apellidosalumno = row.text(14);
    return r;
}

Recibo* Recibo::getFromDB(int id)
{
    // read as list() reads, by the key: one row at most
    Recibo* recibo = nullptr;
    const QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE id = ?").arg(COLUMNS.join(QLatin1Char(',')), TABLE);
    Dao::getInstance()->readRows(sql, {id}, [&recibo](const DaoRow& row) { recibo = fromRow(row); });
    return recibo;
}

QList<Recibo*> Recibo::getFromDB(const QList<int>& ids)
{
    const QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE id IN (%3)").arg(COLUMNS.join(QLatin1Char(',')), TABLE);
    QHash<int, Recibo*> leidos;
    for (const QString& lista : Dao::idLists(ids))
        Dao::getInstance()->readRows(sql.arg(lista), {}, [&leidos](const DaoRow& row) {
            Recibo* r = fromRow(row);
            leidos.insert(r->id(), r);
        });
    QList<Recibo*> recibos;
    recibos.reserve(leidos.size());
    for (int id : ids)
        if (Recibo* r = leidos.take(id))
            recibos << r;
    return recibos;
}

QList<Recibo*> Recibo::list(Recibo::pagadosImpagados pagados, QDate ini, QDate fin)
{
    QString condicion;
    QList<QVariant> valores;
    switch (pagados) {
    case SOLOIMPAGADOS:
        condicion = QStringLiteral(" pagado == 'false' ");
        break;
    case SOLOPAGADOS:
        condicion = QStringLiteral(" pagado == 'true' ");
        break;
    case PAGADOS_E_IMPAGADOS:
        break;
    default:
        qWarning() << "A value distinct from SOLOIMPAGADOS, SOLOPAGADOS or PAGADOS_E_IMPAGADOS passed "
                      "as first argument to Recibo::list()";
        break;
    }
    if (ini.isValid()) {
        if (!condicion.isEmpty())
            condicion += QStringLiteral(" AND ");
        condicion += QStringLiteral(" fecha >= ?");
        valores << ini;
    }
    if (fin.isValid()) {
        if (!condicion.isEmpty())
            condicion += QStringLiteral(" AND ");
        condicion += QStringLiteral(" fecha < ?");
        valores << fin;
    }
    // Read straight from SQLite: a year of bills is tens of thousands of rows,
    // and the driver's per-value copies would cost most of the reading.
    QString sql = QStringLiteral("SELECT %1 FROM %2").arg(COLUMNS.join(QLatin1Char(',')), TABLE);
    if (!condicion.isEmpty())
        sql += QStringLiteral(" WHERE ") + condicion;
    QList<Recibo*> recibos;
    Dao::getInstance()->readRows(sql, valores, [&recibos](const DaoRow& row) { recibos << fromRow(row); });
    return recibos;
}

bool Recibo::existenRecibosMes(int mes, int anio)
{
    const QDate hoy = QDate::currentDate();
    const QDate primero(anio == 0 ? hoy.year() : anio, mes == 0 ? hoy.month() : mes, 1);
    const QDate ultimo = primero.addMonths(1).addDays(-1);
    QSqlQuery query = Dao::getInstance()->select(TABLE, COLUMNS, QStringLiteral("fecha >= ? and fecha <= ?"),
                                                 {primero, ultimo});
    return query.next();
}

bool Recibo::removeList(const QList<int>& ids)
{
    if (ids.isEmpty())
        return true;
    QStringList texto;
    texto.reserve(ids.size());
    for (int id : ids)
        texto << QString::number(id);
    const bool ok = Dao::getInstance()->execute(
        QStringLiteral("DELETE FROM recibo WHERE id IN (") + texto.join(QLatin1Char(',')) + QStringLiteral(")"));
    return ok;
}

QList<QVariant> Recibo::rowValues() const
{
    return {m_nrecibo,
            m_serie,
            m_fecha,
            Moneda::aCentimos(m_importe),
            Moneda::aCentimos(m_importepagado),
            ARounder::round(m_descuento, 2),
            m_concepto,
            m_datosalumno,
            m_pagado,
            m_automatico,
            m_pagaderoen,
            // a bill whose student was removed holds NULL, never 0
            Dao::idOrNull(m_idalumno),
            m_nombrealumno,
            m_apellidosalumno};
}

bool Recibo::insertRow()
{
    const QVariant nuevo = Dao::getInstance()->insert(TABLE, writeColumns(), rowValues());
    m_id = nuevo.isValid() && nuevo.typeId() != QMetaType::Bool ? nuevo.toInt() : 0;
    return m_id != 0;
}

bool Recibo::updateRow()
{
    QList<QVariant> valores = rowValues();
    valores << m_id;
    return Dao::getInstance()->update(TABLE, writeColumns(), QStringLiteral("id = ?"), valores);
}

bool Recibo::persist()
{
    if (m_id != 0) {
        qWarning() << "Intentando almacenar como nuevo un recibo que ya tiene id";
        return false;
    }
    DaoTransaction tx;
    const int numero = getSiguienteNumeroRecibo();
    const QString serie = getSerieActual();
    if (numero < 0 || serie.isNull())
        return false;
    m_nrecibo = numero;
    m_serie = serie;
    if (!insertRow())
        return false; // the number stays free for the next bill
    if (!incrementarNumeroRecibo()) {
        m_id = 0;
        return false;
    }
    if (!tx.commit()) {
        m_id = 0;
        return false;
    }
    return true;
}

bool Recibo::update()
{
    if (m_id < 1) {
        qWarning() << "tratando de actualizar un recibo sin id";
        return false;
    }
    DaoTransaction tx;
    const bool ok = updateRow() && renumerarTrasEdicion();
    if (!ok || !tx.commit())
        return false;
    return true;
}

// ---- Numbering -------------------------------------------------------------

QString Recibo::getSerieActual()
{
    QSqlQuery query = Dao::getInstance()->query(QStringLiteral("SELECT value FROM property WHERE key = 'serieactual'"));
    if (!query.next()) {
        falloLectura(query, "No se ha podido dobtener la serie actual");
        return QString();
    }
    // never null: a null answer means the read failed
    const QString serie = query.value(0).toString();
    return serie.isNull() ? QStringLiteral("") : serie;
}

int Recibo::siguienteGuardado()
{
    QSqlQuery query =
        Dao::getInstance()->query(QStringLiteral("SELECT value FROM property WHERE key = 'siguienterecibo'"));
    if (!query.next()) {
        falloLectura(query, "No se ha podido dobtener el siguiente número de recibo");
        return -1;
    }
    return query.value(0).toInt();
}

bool Recibo::setSerieActual(QString serie)
{
    if (Dao::getInstance()->execute(QStringLiteral("UPDATE property SET value = ? WHERE key = 'serieactual'"),
                                    {serie}))
        return true;
    qWarning("No se ha podido establecer el valor de la serie");
    return false;
}

bool Recibo::incrementarNumeroRecibo()
{
    if (Dao::getInstance()->execute(
            QStringLiteral("UPDATE property SET value = CAST((CAST(value as integer) + 1) as text) "
                           "WHERE key = 'siguienterecibo'")))
        return true;
    qWarning("No se ha podido incrementar el valor del número de recibo");
    return false;
}

bool Recibo::forzarNumeroRecibo(int numero, QString serie)
{
    if (!Dao::getInstance()->execute(
            QStringLiteral("UPDATE property SET value = CAST(? as text) WHERE key = 'siguienterecibo'"), {numero})) {
        qWarning("No se ha podido forzar el valor del número de recibo");
        return false;
    }
    if (!serie.isNull() && !serie.trimmed().isEmpty())
        return setSerieActual(serie);
    return true;
}

bool Recibo::existeNumeroEnSerie(int numero, QString serie)
{
    QSqlQuery query = Dao::getInstance()->query(
        QStringLiteral("SELECT nrecibo FROM recibo WHERE nrecibo = ? and serie = ?"), {numero, serie});
    return query.next();
}

int Recibo::getUltimoNumero()
{
    const QString serie = getSerieActual();
    if (serie.isNull())
        return -1;
    QSqlQuery query =
        Dao::getInstance()->query(QStringLiteral("SELECT max(nrecibo) FROM recibo WHERE serie = ?"), {serie});
    if (!query.next()) {
        falloLectura(query, "No se ha podido dobtener el último número de recibo");
        return -1;
    }
    return query.value(0).toInt();
}

int Recibo::getSiguienteNumeroRecibo()
{
    int n = siguienteGuardado();
    const QString serie = getSerieActual();
    if (n < 0 || serie.isNull())
        return -1;
    while (existeNumeroEnSerie(n, serie)) {
        if (!incrementarNumeroRecibo())
            return -1;
        ++n;
    }
    return n;
}

// A next number set higher by hand survives the edit of a bill; a lower one
// moves past the series' highest number.
bool Recibo::renumerarTrasEdicion()
{
    const int guardado = siguienteGuardado();
    const int ultimo = getUltimoNumero();
    if (guardado < 0 || ultimo < 0)
        return false;
    return forzarNumeroRecibo(qMax(guardado, ultimo + 1), QString());
}

QStringList Recibo::getSeries(bool soloConRecibos)
{
    QSet<QString> series;
    QSqlQuery query = Dao::getInstance()->query(QStringLiteral("SELECT distinct(serie) FROM recibo"));
    while (query.next())
        series.insert(query.value(0).toString());
    if (!soloConRecibos) {
        const QString actual = getSerieActual();
        if (!actual.isNull())
            series.insert(actual);
    }
    return series.values();
}

bool Recibo::serieSinElegir()
{
    QSqlQuery elegida =
        Dao::getInstance()->query(QStringLiteral("SELECT value FROM property WHERE key = 'serieelegida'"));
    if (elegida.next())
        return false;
    QSqlQuery recibos = Dao::getInstance()->query(QStringLiteral("SELECT 1 FROM recibo LIMIT 1"));
    return !recibos.next();
}

bool Recibo::marcarSerieElegida()
{
    return Dao::getInstance()->execute(
        QStringLiteral("INSERT OR REPLACE INTO property (key, value) VALUES ('serieelegida', 'true')"));
}

// ---- Monthly generation ----------------------------------------------------

QList<int> Recibo::generarRecibos(int modo, int mes, QList<Alumno*> alumnos, int anio,
                                  const std::function<void()>& entrePasos)
{
    return GeneracionRecibos::generar(modo, mes, alumnos, anio, entrePasos);
}

int Recibo::regenerarRecibos(QList<Recibo*> recibos, int mes, int anio, const std::function<void()>& entrePasos)
{
    return GeneracionRecibos::regenerar(recibos, mes, anio, entrePasos);
}

// ---- Rendering -------------------------------------------------------------

QString Recibo::lineaConcepto(QString texto, double importe)
{
    return texto.leftJustified(70, QLatin1Char('.'), true)
           + QString::number(Moneda::redondear(importe), 'f', 2).rightJustified(7, QLatin1Char('.'));
}

void Recibo::addLineaConcepto(QString linea)
{
    if (m_concepto.isEmpty()) {
        m_concepto = linea;
        return;
    }
    m_concepto += QLatin1Char('\n');
    m_concepto += linea;
}

QString Recibo::datosAlumno(Alumno* alumno)
{
    if (!alumno)
        return QStringLiteral("");
    return datosAlumno(alumno->nombre(), alumno->apellidos(), alumno->direccion(), alumno->localidad(), alumno->cp(),
                       alumno->provincia());
}

QString Recibo::datosAlumno(const QString& nombre, const QString& apellidos, const QString& direccion,
                            const QString& localidad, const QString& cp, const QString& provincia)
{
    // sized once: a month's generation builds one per student
    QString datos;
    datos.reserve(nombre.size() + apellidos.size() + direccion.size() + localidad.size() + cp.size()
                  + provincia.size() + 10);
    if (!nombre.isEmpty())
        datos += nombre;
    if (!apellidos.isEmpty()) {
        if (!datos.isEmpty())
            datos += QStringLiteral(" ");
        datos += apellidos;
    }
    datos += QStringLiteral(" \n");
    if (!direccion.isEmpty())
        datos += direccion;
    datos += QStringLiteral(" \n");
    if (!localidad.isEmpty())
        datos += localidad;
    if (!cp.isEmpty())
        datos += QStringLiteral(" ") + cp;
    if (!provincia.isEmpty())
        datos += QStringLiteral(" (") + provincia + QStringLiteral(")");
    return datos;
}

QString Recibo::conceptoYaPagadoYDescuento() const
{
    QString resultado = m_concepto;
    if (m_importepagado != 0)
        resultado += QStringLiteral("\n") + lineaConcepto(tr("Paid"), m_importepagado);
    if (m_descuento > 0) {
        resultado += QStringLiteral("\n") + lineaConcepto(tr("Discount"), 0 - m_descuento);
    }
    return resultado;
}

namespace {
// Text typed by people goes into markup escaped, line breaks kept.
QString enHtml(const QString& texto)
{
    return texto.toHtmlEscaped().replace(QStringLiteral("\n"), QStringLiteral("<br/>"));
}
} // namespace

Recibo::DatosAcademia Recibo::DatosAcademia::leer()
{
    QSettings settings;
    settings.beginGroup(QStringLiteral("CONFIGURATION"));
    DatosAcademia datos;
    datos.diasVencimiento = settings.value(QStringLiteral("recibo_diasVencimiento"), 0).toInt();
    datos.nombre = Academia::nombre();
    datos.expedidoEn = Academia::reciboExpedidoEn();
    datos.datosHtml = Academia::datosAcademiaHtml();
    return datos;
}

QList<QPair<QString, QString>> Recibo::camposHtml(const DatosAcademia& academia) const
{
    // The academy block is filled here rather than by the frame, so that no
    // bill text is ever searched for placeholders.
    return {{CONCEPTO, enHtml(conceptoYaPagadoYDescuento())},
            {DATOSALUMNO, enHtml(m_datosalumno)},
            {FEXPEDICION, m_fecha.toString(QStringLiteral("dd/MM/yyyy"))},
            {NRECIBO, enHtml(m_serie) + QStringLiteral(" - ") + QString::number(m_nrecibo)},
            {IMPORTE, Moneda::formatear(m_importe)},
            {PAGADEROEN, enHtml(m_pagaderoen)},
            {NOMBREACADEMIA, enHtml(academia.nombre)},
            {FVENCIMIENTO, m_fecha.addDays(academia.diasVencimiento).toString(QStringLiteral("dd/MM/yyyy"))},
            {EXPEDIDOEN, enHtml(academia.expedidoEn)},
            {DATOSACADEMIA, academia.datosHtml}};
}

QString Recibo::paginaHtml(const QList<QPair<QString, QString>>& campos)
{
    return Academia::rellenarPlantilla(QStringLiteral(":/html/pageRecibo.html"), campos);
}

QString Recibo::toHtmlPage() const
{
    return paginaHtml(camposHtml(DatosAcademia::leer()));
}

QString Recibo::toHtmlBody(QString content)
{
    return Academia::rellenarPlantilla(QStringLiteral(":/html/body.html"), {{CONTENT, content}});
}

QString Recibo::toHtml() const
{
    return toHtmlBody(toHtmlPage());
}
