#ifndef RECIBOTABLEMODEL_H
#define RECIBOTABLEMODEL_H

#include "recibo.h"

#include "entitytablemodel.h"

#include <QDate>
#include <QStringList>

// The read-only list of bills behind the bills page, filtered by a date range
// (start included, end excluded) and a paid state. Rows are loaded at
// refresh(); data() only reads them.
class ReciboTableModel : public EntityTableModel<Recibo>
{
    Q_OBJECT
public:
    enum class Column {
        NRecibo,
        Serie,
        DatosAlumno,
        Fecha,
        Importe,
        Concepto,
        Descuento,
        Pagado,
        NombreAlumno,
        ApellidosAlumno,
        Count
    };

    // The process-wide model (current month, all bills), created on first use
    // and never deleted.
    static ReciboTableModel* instance();

    ReciboTableModel(QDate dateIni, QDate dateEnd, Recibo::pagadosImpagados pagados, QObject* parent = nullptr);

    void refresh() override;
    int getId(const QModelIndex& index) const;

    QDate dateIni() const { return m_dateIni; }
    QDate dateEnd() const { return m_dateEnd; }
    Recibo::pagadosImpagados pagados() const { return m_pagados; }

public slots:
    void setDateIni(QDate date);
    void setDateEnd(QDate date);
    void setPagados(Recibo::pagadosImpagados pagados);

protected:
    QVariant cell(Recibo* r, const QModelIndex& index) const override;
    int rowId(const Recibo* r) const override;

private:
    static QStringList titulos();

    QDate m_dateIni;
    QDate m_dateEnd;
    Recibo::pagadosImpagados m_pagados;
};

#endif // RECIBOTABLEMODEL_H
