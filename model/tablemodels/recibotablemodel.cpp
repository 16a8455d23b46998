#include "recibotablemodel.h"

#include "adatehelper.h"
#include "amemory.h"
#include "changenotifier.h"
#include "dao.h"
#include "daorow.h"
#include "moneda.h"
#include "proxyhelpers.h"

#include <QCoreApplication>
#include <QDebug>

#include <algorithm>
#include <cstring>

namespace {
ReciboTableModel* s_instance = nullptr;

// How often a long reading tells how it goes.
constexpr int kFilasPorAvance = 4096;

qint64 bitsDe(double value)
{
    qint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

} // namespace

ReciboTableModel* ReciboTableModel::instance()
{
    if (!s_instance)
        s_instance = new ReciboTableModel(QDate(), QDate(), Recibo::PAGADOS_E_IMPAGADOS, nullptr);
    return s_instance;
}

ReciboTableModel::ReciboTableModel(QDate dateIni, QDate dateEnd, Recibo::pagadosImpagados pagados, QObject* parent)
    : ReadOnlyTableModel(titulos(), parent)
    , m_dateIni(dateIni.isNull() ? ADateHelper::firstDayOfMonth() : dateIni)
    , m_dateEnd(dateEnd.isNull() ? ADateHelper::firstDayOfNextMonth() : dateEnd)
    , m_pagados(pagados)
{
    cargar(m_dateIni, m_dateEnd);
    mostrar();
    // a section visit reloads only after a write the model has not taken in
    stampTables({QStringLiteral("recibo")});
    connect(ChangeNotifier::instance(), &ChangeNotifier::tablesChanged, this, [this](const QSet<QString>& tablas) {
        if (tablas.contains(QStringLiteral("recibo")))
            alCambiarTabla();
    });
}

ReciboTableModel::~ReciboTableModel() = default;

QStringList ReciboTableModel::titulos()
{
    QStringList t;
    for (const char* titulo : {QT_TRANSLATE_NOOP("ReciboTableModel", "Number"),
                               QT_TRANSLATE_NOOP("ReciboTableModel", "Series"),
                               QT_TRANSLATE_NOOP("ReciboTableModel", "Student"),
                               QT_TRANSLATE_NOOP("ReciboTableModel", "Date"),
                               QT_TRANSLATE_NOOP("ReciboTableModel", "Amount"),
                               QT_TRANSLATE_NOOP("ReciboTableModel", "Concept"),
                               QT_TRANSLATE_NOOP("ReciboTableModel", "Discount"),
                               QT_TRANSLATE_NOOP("ReciboTableModel", "Paid"),
                               QT_TRANSLATE_NOOP("ReciboTableModel", "Name"),
                               QT_TRANSLATE_NOOP("ReciboTableModel", "Surname")})
        t << QCoreApplication::translate("ReciboTableModel", titulo);
    return t;
}

// ---- Cells -------------------------------------------------------------------

// What the base class does, without asking for the counts through virtual
// calls: a sort of a year of bills asks for millions of indexes.
QModelIndex ReciboTableModel::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() || row < 0 || column < 0 || size_t(row) >= m_filas.size()
        || column >= int(Column::Count))
        return QModelIndex();
    return createIndex(row, column);
}

int ReciboTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_filas.size());
}

const ReciboTableModel::Registro* ReciboTableModel::registroDe(const QModelIndex& index) const
{
    if (!index.isValid() || index.row() < 0 || size_t(index.row()) >= m_filas.size())
        return nullptr;
    return &m_cargados[size_t(m_filas[size_t(index.row())])];
}

QVariant ReciboTableModel::data(const QModelIndex& index, int role) const
{
    const Registro* r = registroDe(index);
    if (!r)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case ARole::Sort: return celda(*r, index.column());
    case ARole::Id: return r->id;
    default: return QVariant();
    }
}

QVariant ReciboTableModel::celda(const Registro& r, int column) const
{
    switch (Column(column)) {
    case Column::NRecibo: return r.nRecibo;
    case Column::Serie: return m_textos.at(r.serie);
    case Column::DatosAlumno: return m_textos.at(r.datosAlumno);
    case Column::Fecha: return r.fecha;
    case Column::Importe: return r.importe;
    case Column::Concepto: return m_textos.at(r.concepto);
    case Column::Descuento: return r.descuento;
    case Column::Pagado: return r.pagado;
    case Column::NombreAlumno: return m_textos.at(r.nombre);
    case Column::ApellidosAlumno: return m_textos.at(r.apellidos);
    case Column::Count: break;
    }
    qWarning() << "ReciboTableModel trying to get an unknown column";
    return QVariant();
}

qint64 ReciboTableModel::valueKey(int row, int column) const
{
    if (row < 0 || size_t(row) >= m_filas.size())
        return -1;
    const Registro& r = m_cargados[size_t(m_filas[size_t(row)])];
    switch (Column(column)) {
    case Column::NRecibo: return r.nRecibo;
    case Column::Serie: return r.serie;
    case Column::DatosAlumno: return r.datosAlumno;
    // days from the first held: small numbers, which the proxy finds in a table
    case Column::Fecha: return r.fecha.toJulianDay() - m_cargadoIni.toJulianDay();
    case Column::Importe: return bitsDe(r.importe);
    case Column::Concepto: return r.concepto;
    case Column::Descuento: return bitsDe(r.descuento);
    case Column::Pagado: return r.pagado ? 1 : 0;
    case Column::NombreAlumno: return r.nombre;
    case Column::ApellidosAlumno: return r.apellidos;
    case Column::Count: break;
    }
    return -1;
}

bool ReciboTableModel::sortsByNumber(int column) const
{
    switch (Column(column)) {
    case Column::NRecibo:
    case Column::Fecha:
    case Column::Importe:
    case Column::Descuento:
    case Column::Pagado: return true;
    default: return false;
    }
}

double ReciboTableModel::sortNumber(int row, int column) const
{
    if (row < 0 || size_t(row) >= m_filas.size())
        return 0;
    const Registro& r = m_cargados[size_t(m_filas[size_t(row)])];
    switch (Column(column)) {
    case Column::NRecibo: return r.nRecibo;
    case Column::Fecha: return double(r.fecha.toJulianDay());
    case Column::Importe: return r.importe;
    case Column::Descuento: return r.descuento;
    case Column::Pagado: return r.pagado ? 1 : 0;
    default: return 0;
    }
}

int ReciboTableModel::getId(const QModelIndex& index) const
{
    const int row = sourceRow(index, rowCount());
    if (row < 0) {
        qWarning().noquote() << QStringLiteral("invalid qModelIndex for get an id on ReciboTableModel ");
        return -1;
    }
    return m_cargados[size_t(m_filas[size_t(row)])].id;
}

// ---- Reading -----------------------------------------------------------------

int ReciboTableModel::texto(const DaoRow& row, int column)
{
    const QByteArrayView bytes = row.utf8(column);
    const QByteArray clave = QByteArray::fromRawData(bytes.data(), bytes.size());
    const auto it = m_indiceTextos.constFind(clave);
    if (it != m_indiceTextos.cend())
        return it.value();
    const int indice = int(m_textos.size());
    m_textos.append(QString::fromUtf8(bytes));
    m_indiceTextos.insert(QByteArray(bytes.data(), bytes.size()), indice);
    return indice;
}

// The columns of Recibo::COLUMNS, converted as Recibo::fromRow converts them.
ReciboTableModel::Registro ReciboTableModel::registroDeFila(const DaoRow& row)
{
    Registro r;
    r.id = int(row.integer(0));
    r.nRecibo = int(row.integer(1));
    r.serie = texto(row, 2);
    const QByteArrayView fecha = row.utf8(3);
    const QByteArray clave = QByteArray::fromRawData(fecha.data(), fecha.size());
    auto it = m_fechas.constFind(clave);
    if (it == m_fechas.cend())
        it = m_fechas.insert(QByteArray(fecha.data(), fecha.size()),
                             QDate::fromString(QString::fromUtf8(fecha), Qt::ISODate));
    r.fecha = it.value();
    r.importe = Moneda::deCentimos(row.value(4));
    r.descuento = row.value(6).toDouble();
    r.concepto = texto(row, 7);
    r.datosAlumno = texto(row, 8);
    r.pagado = row.flag(9);
    r.nombre = texto(row, 13);
    r.apellidos = texto(row, 14);
    return r;
}

// Every bill of [ini, fin), by date and id; nothing when ini is not before fin.
ReciboTableModel::Registros ReciboTableModel::leer(QDate ini, QDate fin)
{
    Registros leidos;
    if (!(ini < fin))
        return leidos;
    const QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE fecha >= ? AND fecha < ?")
                            .arg(Recibo::COLUMNS.join(QLatin1Char(',')), Recibo::TABLE);
    Dao::getInstance()->readRows(sql, {ini, fin}, [this, &leidos](const DaoRow& row) {
        if (m_cancelado)
            return;
        leidos.push_back(registroDeFila(row));
        if (m_avance && leidos.size() % kFilasPorAvance == 0 && !m_avance() && m_cancelable)
            m_cancelado = true;
    });
    std::sort(leidos.begin(), leidos.end(), [](const Registro& a, const Registro& b) {
        return a.fecha != b.fecha ? a.fecha < b.fecha : a.id < b.id;
    });
    return leidos;
}

// Keeps only the texts of the bills held, once many are no longer used.
void ReciboTableModel::compactarTextos()
{
    std::vector<bool> usado(size_t(m_textos.size()), false);
    size_t usados = 0;
    for (const Registro& r : m_cargados) {
        for (int t : {r.serie, r.datosAlumno, r.concepto, r.nombre, r.apellidos}) {
            if (!usado[size_t(t)]) {
                usado[size_t(t)] = true;
                ++usados;
            }
        }
    }
    if (usados * 2 > usado.size() && usado.size() - usados < 4096)
        return;
    std::vector<int> nuevo(usado.size(), -1);
    QList<QString> textos;
    textos.reserve(qsizetype(usados));
    QHash<QByteArray, int> indice;
    indice.reserve(qsizetype(usados));
    for (size_t t = 0; t < usado.size(); ++t) {
        if (!usado[t])
            continue;
        nuevo[t] = int(textos.size());
        textos.append(m_textos.at(qsizetype(t)));
        indice.insert(textos.last().toUtf8(), nuevo[t]);
    }
    for (Registro& r : m_cargados) {
        for (int* t : {&r.serie, &r.datosAlumno, &r.concepto, &r.nombre, &r.apellidos})
            *t = nuevo[size_t(*t)];
    }
    m_textos = textos;
    m_indiceTextos = indice;
    m_fechas = QHash<QByteArray, QDate>();
}

// Before the first rows only.
void ReciboTableModel::cargar(QDate ini, QDate fin)
{
    m_cargados = leer(ini, fin);
    m_cargados.shrink_to_fit();
    m_cargadoIni = ini;
    m_cargadoFin = fin;
}

// Puts the bills read for [ini, fin) of the period held in place of those
// held for those days.
void ReciboTableModel::ponerDias(QDate ini, QDate fin, Registros& leidos)
{
    const auto desde = std::find_if(m_cargados.begin(), m_cargados.end(),
                                    [ini](const Registro& r) { return r.fecha >= ini; });
    const auto hasta = std::find_if(desde, m_cargados.end(), [fin](const Registro& r) { return r.fecha >= fin; });
    const auto en = m_cargados.erase(desde, hasta);
    m_cargados.insert(en, leidos.begin(), leidos.end());
    leidos = {};
}

// A period that meets the one held reads only the days it adds and drops the
// days it leaves; any other is read afresh. Everything is read before the
// rows change, so that a reading given up changes nothing.
void ReciboTableModel::cambiarPeriodo(QDate ini, QDate fin)
{
    const bool seToca = m_cargadoIni < m_cargadoFin && ini < fin && ini < m_cargadoFin && m_cargadoIni < fin;
    Registros antes, despues;
    m_cancelable = true;
    m_cancelado = false;
    if (!seToca) {
        antes = leer(ini, fin);
    } else {
        if (ini < m_cargadoIni)
            antes = leer(ini, m_cargadoIni);
        if (m_cargadoFin < fin && !m_cancelado)
            despues = leer(m_cargadoFin, fin);
    }
    m_cancelable = false;
    if (m_cancelado) {
        m_cancelado = false;
        antes = {};
        despues = {};
        compactarTextos();
        return;
    }
    cambiarPeriodoLeido(ini, fin, seToca, antes, despues);
}

void ReciboTableModel::cambiarPeriodoLeido(QDate ini, QDate fin, bool seToca, Registros& antes, Registros& despues)
{
    beginResetModel();
    m_filas = {};
    m_dateIni = ini;
    m_dateEnd = fin;
    const size_t antesDe = m_cargados.size();
    if (!seToca) {
        m_cargados = std::move(antes);
    } else {
        std::erase_if(m_cargados, [ini, fin](const Registro& r) { return r.fecha < ini || r.fecha >= fin; });
        m_cargados.insert(m_cargados.begin(), antes.begin(), antes.end());
        m_cargados.insert(m_cargados.end(), despues.begin(), despues.end());
    }
    m_cargadoIni = ini;
    m_cargadoFin = fin;
    if (!seToca || m_cargados.size() < antesDe) {
        m_cargados.shrink_to_fit();
        antes = {};
        despues = {};
        compactarTextos();
        if (antesDe > m_cargados.size() + 10000)
            AMemory::giveBack();
    }
    mostrar();
    endResetModel();
}

// Read before the rows change, so that nothing painted meanwhile sees half a
// list.
void ReciboTableModel::refresh()
{
    Registros leidos = leer(m_dateIni, m_dateEnd);
    beginResetModel();
    m_filas = {};
    const size_t antesDe = m_cargados.size();
    m_cargados = std::move(leidos);
    m_cargados.shrink_to_fit();
    m_cargadoIni = m_dateIni;
    m_cargadoFin = m_dateEnd;
    compactarTextos();
    if (antesDe > 10000)
        AMemory::giveBack();
    mostrar();
    endResetModel();
}

void ReciboTableModel::soloCambianDias(QDate ini, QDate fin)
{
    const QDate antesIni = m_soloIni;
    const QDate antesFin = m_soloFin;
    m_soloIni = ini;
    m_soloFin = fin;
    if (ini < fin || !m_cambioPendiente)
        return;
    m_cambioPendiente = false;
    releerDias(antesIni, antesFin);
}

void ReciboTableModel::alCambiarTabla()
{
    if (m_soloIni < m_soloFin)
        m_cambioPendiente = true;
    else
        refresh();
}

void ReciboTableModel::releerDias(QDate ini, QDate fin)
{
    if (!(m_cargadoIni < m_cargadoFin)) {
        refresh();
        return;
    }
    ini = std::max(ini, m_cargadoIni);
    fin = std::min(fin, m_cargadoFin);
    if (!(ini < fin)) {
        noteCurrent(); // none of the days held changed
        return;
    }
    Registros leidos = leer(ini, fin);
    beginResetModel();
    m_filas = {};
    ponerDias(ini, fin, leidos);
    mostrar();
    endResetModel();
}

// ---- Shown rows --------------------------------------------------------------

bool ReciboTableModel::seMuestra(const Registro& r) const
{
    if (r.fecha < m_dateIni || r.fecha >= m_dateEnd)
        return false;
    switch (m_pagados) {
    case Recibo::SOLOPAGADOS: return r.pagado;
    case Recibo::SOLOIMPAGADOS: return !r.pagado;
    default: return true;
    }
}

void ReciboTableModel::mostrar()
{
    std::vector<int> filas;
    filas.reserve(m_cargados.size());
    for (size_t i = 0; i < m_cargados.size(); ++i) {
        if (seMuestra(m_cargados[i]))
            filas.push_back(int(i));
    }
    filas.shrink_to_fit();
    m_filas = std::move(filas);
}

void ReciboTableModel::setDateIni(QDate date)
{
    if (!date.isValid() || date == m_dateIni)
        return;
    cambiarPeriodo(date, m_dateEnd);
}

void ReciboTableModel::setDateEnd(QDate date)
{
    if (!date.isValid() || date == m_dateEnd)
        return;
    cambiarPeriodo(m_dateIni, date);
}

void ReciboTableModel::setPagados(Recibo::pagadosImpagados pagados)
{
    if (pagados == m_pagados)
        return;
    beginResetModel();
    m_pagados = pagados;
    mostrar();
    endResetModel();
}
