#include "recibotablemodel.h"

#include "adatehelper.h"

#include <QCoreApplication>
#include <QDebug>

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
    replaceRows(Recibo::list(m_pagados, m_dateIni, m_dateEnd));
    followTables({QStringLiteral("recibo")});
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
    replaceRows(Recibo::list(m_pagados, m_dateIni, m_dateEnd));
    endResetModel();
}

int ReciboTableModel::getId(const QModelIndex& index) const
{
    return idAt(index);
}

void ReciboTableModel::setDateIni(QDate date)
{
    if (!date.isValid() || date == m_dateIni)
        return;
    m_dateIni = date;
    refresh();
}

void ReciboTableModel::setDateEnd(QDate date)
{
    if (!date.isValid() || date == m_dateEnd)
        return;
    m_dateEnd = date;
    refresh();
}

void ReciboTableModel::setPagados(Recibo::pagadosImpagados pagados)
{
    if (pagados == m_pagados)
        return;
    m_pagados = pagados;
    refresh();
}
