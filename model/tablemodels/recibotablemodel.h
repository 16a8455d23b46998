#ifndef RECIBOTABLEMODEL_H
#define RECIBOTABLEMODEL_H

#include "recibo.h"

#include "readonlytablemodel.h"

#include <QDate>
#include <QList>
#include <QStringList>

// The process-wide read-only list of bills behind the bills page, filtered by
// a date range (start included, end excluded) and a paid state. Rows are
// loaded at refresh(); data() only reads them.
class ReciboTableModel : public ReadOnlyTableModel
{
    Q_OBJECT
public:
    ReciboTableModel(QDate dateIni, QDate dateEnd, int pagados, QObject* parent = nullptr);
    ~ReciboTableModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void refresh();
    int getId(const QModelIndex& index) const;

    QDate dateIni() const { return m_dateIni; }
    QDate dateEnd() const { return m_dateEnd; }
    Recibo::pagadosImpagados pagados() const { return m_pagados; }

public slots:
    void setDateIni(QDate date);
    void setDateEnd(QDate date);
    void setPagados(Recibo::pagadosImpagados pagados);

private:
    static QStringList titulos();
    void load();

    QList<Recibo*> m_recibos;
    QDate m_dateIni;
    QDate m_dateEnd;
    Recibo::pagadosImpagados m_pagados;
};

#endif // RECIBOTABLEMODEL_H
