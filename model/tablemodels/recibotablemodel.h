#ifndef RECIBOTABLEMODEL_H
#define RECIBOTABLEMODEL_H

#include "recibo.h"

#include "entitytablemodel.h"

#include <QDate>
#include <QStringList>

// The read-only list of bills behind the bills page, filtered by a date range
// (start included, end excluded) and a paid state. Rows are loaded at
// refresh(); data() only reads them.
// The model keeps every bill of the period it has loaded, whatever its paid
// state, so that a step of a date or of the paid state only reads the bills
// it does not hold yet: on a year of bills, each step would otherwise read
// tens of thousands of them again. refresh() starts again from the current
// period.
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
    ~ReciboTableModel() override;

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
    void cargar(QDate ini, QDate fin);
    void anadir(QDate ini, QDate fin);
    void cambiarPeriodo(QDate ini, QDate fin);
    bool seMuestra(const Recibo* r) const;
    void mostrar();

    // every bill of [m_cargadoIni, m_cargadoFin), by date and id
    QList<Recibo*> m_cargados;
    QDate m_cargadoIni;
    QDate m_cargadoFin;
    QDate m_dateIni;
    QDate m_dateEnd;
    Recibo::pagadosImpagados m_pagados;
};

#endif // RECIBOTABLEMODEL_H
