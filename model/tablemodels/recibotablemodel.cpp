#include "recibotablemodel.h"

#include "adatehelper.h"

#include <QCoreApplication>
#include <QDebug>

#include <algorithm>

namespace {
ReciboTableModel* s_instance = nullptr;
}

ReciboTableModel* ReciboTableModel::instance()
{
    if (!s_instance)
        s_instance = new ReciboTableModel(QDate(), QDate(), Recibo::PAGADOS_E_IMPAGADOS, nullptr);
    return s_instance;
}

ReciboTableModel::ReciboTableModel(QDate dateIni, QDate dateEnd, Recibo::pagadosImpagados pagados, QObject* parent)
    : EntityTableModel(titulos(), parent)
    , m_dateIni(dateIni.isNull() ? ADateHelper::firstDayOfMonth() : dateIni)
    , m_dateEnd(dateEnd.isNull() ? ADateHelper::firstDayOfNextMonth() : dateEnd)
    , m_pagados(pagados)
{
    cargar(m_dateIni, m_dateEnd);
    mostrar();
    followTables({QStringLiteral("recibo")});
}

ReciboTableModel::~ReciboTableModel()
{
    showRows({});
    qDeleteAll(m_cargados);
}

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

QVariant ReciboTableModel::cell(Recibo* r, const QModelIndex& index) const
{
    switch (Column(index.column())) {
    case Column::NRecibo: return r->nRecibo();
    case Column::Serie: return r->serie();
    case Column::DatosAlumno: return r->datosAlumno();
    case Column::Fecha: return r->fecha();
    case Column::Importe: return r->importe();
    case Column::Concepto: return r->concepto();
    case Column::Descuento: return r->descuento();
    case Column::Pagado: return r->isPagado();
    case Column::NombreAlumno: return r->nombreAlumno();
    case Column::ApellidosAlumno: return r->apellidosAlumno();
    case Column::Count: break;
    }
    qWarning() << "ReciboTableModel trying to get an unknown column";
    return QVariant();
}

int ReciboTableModel::rowId(const Recibo* r) const
{
    return r->id();
}

void ReciboTableModel::refresh()
{
    beginResetModel();
    cargar(m_dateIni, m_dateEnd);
    mostrar();
    endResetModel();
}

int ReciboTableModel::getId(const QModelIndex& index) const
{
    return idAt(index);
}

// Only while no row is shown: between beginResetModel() and endResetModel(),
// or before the first rows.
void ReciboTableModel::cargar(QDate ini, QDate fin)
{
    showRows({});
    qDeleteAll(m_cargados);
    m_cargados = Recibo::list(Recibo::PAGADOS_E_IMPAGADOS, ini, fin);
    m_cargadoIni = ini;
    m_cargadoFin = fin;
}

void ReciboTableModel::anadir(QDate ini, QDate fin)
{
    if (ini >= fin)
        return;
    m_cargados += Recibo::list(Recibo::PAGADOS_E_IMPAGADOS, ini, fin);
    // in the order in which one reading of the whole period gives them
    std::stable_sort(m_cargados.begin(), m_cargados.end(), [](const Recibo* a, const Recibo* b) {
        return a->fecha() != b->fecha() ? a->fecha() < b->fecha() : a->id() < b->id();
    });
}

// A period that meets the loaded one reads only the days it adds; any other
// is read afresh, so that the model never holds more than the periods the
// user has looked at since the last refresh.
void ReciboTableModel::cambiarPeriodo(QDate ini, QDate fin)
{
    beginResetModel();
    m_dateIni = ini;
    m_dateEnd = fin;
    if (ini > m_cargadoFin || fin < m_cargadoIni) {
        cargar(ini, fin);
    } else {
        showRows({});
        if (ini < m_cargadoIni) {
            anadir(ini, m_cargadoIni);
            m_cargadoIni = ini;
        }
        if (fin > m_cargadoFin) {
            anadir(m_cargadoFin, fin);
            m_cargadoFin = fin;
        }
    }
    mostrar();
    endResetModel();
}

bool ReciboTableModel::seMuestra(const Recibo* r) const
{
    if (r->fecha() < m_dateIni || r->fecha() >= m_dateEnd)
        return false;
    switch (m_pagados) {
    case Recibo::SOLOPAGADOS: return r->isPagado();
    case Recibo::SOLOIMPAGADOS: return !r->isPagado();
    default: return true;
    }
}

void ReciboTableModel::mostrar()
{
    QList<Recibo*> filas;
    filas.reserve(m_cargados.size());
    for (Recibo* r : std::as_const(m_cargados)) {
        if (seMuestra(r))
            filas.append(r);
    }
    showRows(filas);
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
