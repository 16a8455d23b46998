#include "recibotablemodel.h"

#include "adatehelper.h"

#include <QCoreApplication>

#include <QDebug>

ReciboTableModel::ReciboTableModel(QDate dateIni, QDate dateEnd, int pagados, QObject* parent)
    : ReadOnlyTableModel(titulos(), parent)
    , m_dateIni(dateIni.isNull() ? ADateHelper::firstDayOfMonth() : dateIni)
    , m_dateEnd(dateEnd.isNull() ? ADateHelper::firstDayOfNextMonth() : dateEnd)
    , m_pagados(static_cast<Recibo::pagadosImpagados>(pagados))
{
    load();
}

ReciboTableModel::~ReciboTableModel()
{
    qDeleteAll(m_recibos);
}

int ReciboTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_recibos.size());
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

QVariant ReciboTableModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (index.row() < 0 || index.row() >= m_recibos.size())
        return QVariant();
    const Recibo* r = m_recibos.at(index.row());
    switch (index.column()) {
    case 0:
        return r->nRecibo();
    case 1:
        return r->serie();
    case 2:
        return r->datosAlumno();
    case 3:
        return r->fecha();
    case 4:
        return r->importe();
    case 5:
        return r->concepto();
    case 6:
        return r->descuento();
    case 7:
        return r->isPagado();
    case 8:
        return r->nombreAlumno();
    case 9:
        return r->apellidosAlumno();
    default:
        qWarning() << "ReciboTableModel trying to get an unknown column";
        return QVariant();
    }
}

void ReciboTableModel::load()
{
    m_recibos = Recibo::list(m_pagados, m_dateIni, m_dateEnd);
}

void ReciboTableModel::refresh()
{
    beginResetModel();
    qDeleteAll(m_recibos);
    m_recibos.clear();
    load();
    endResetModel();
}

int ReciboTableModel::getId(const QModelIndex& index) const
{
    const int row = sourceRow(index, int(m_recibos.size()));
    if (row < 0) {
        qWarning() << "invalid qModelIndex for get an id on ReciboTableModel ";
        return -1;
    }
    return m_recibos.at(row)->id();
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
