#ifndef RECIBOTABLEMODEL_H
#define RECIBOTABLEMODEL_H

#include "recibo.h"

#include "avaluekeys.h"
#include "readonlytablemodel.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class DaoRow;

// The read-only list of bills behind the bills page, filtered by a date range
// (start included, end excluded) and a paid state. Rows are read at refresh()
// straight from the database into plain values; data() only reads them.
// The model keeps every bill of its period whatever its paid state, so that
// a step of the paid state reads nothing and a step of a date reads only the
// days it adds. A year of a large academy is a quarter of a million bills:
// each is a few numbers, and its texts (the student's, the concept, the
// series), which repeat from month to month, are held once.
class ReciboTableModel : public ReadOnlyTableModel, public AValueKeys
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

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    qint64 valueKey(int row, int column) const override;
    bool sortsByNumber(int column) const override;
    double sortNumber(int row, int column) const override;

    void refresh() override;
    int getId(const QModelIndex& index) const;

    QDate dateIni() const { return m_dateIni; }
    QDate dateEnd() const { return m_dateEnd; }
    Recibo::pagadosImpagados pagados() const { return m_pagados; }

    // While a job that writes only bills dated in [ini, fin) runs (the
    // month's generation), the writes it announces are kept for its end; an
    // empty range ends it, and the model then reads again only those days of
    // its period, if anything was written.
    void soloCambianDias(QDate ini, QDate fin);

    // Called every few thousand bills while the model reads, so that a long
    // reading can keep the window painted. When it answers false while a
    // date step reads, the step is given up and the period stays as it was.
    void setAvance(std::function<bool()> avance) { m_avance = std::move(avance); }

public slots:
    void setDateIni(QDate date);
    void setDateEnd(QDate date);
    void setPagados(Recibo::pagadosImpagados pagados);

private:
    // One bill as the list shows it; its texts are indexes into m_textos.
    struct Registro
    {
        int id = 0;
        int nRecibo = 0;
        QDate fecha;
        double importe = 0.0;
        double descuento = 0.0;
        int serie = 0;
        int datosAlumno = 0;
        int concepto = 0;
        int nombre = 0;
        int apellidos = 0;
        bool pagado = false;
    };
    using Registros = std::vector<Registro>;

    static QStringList titulos();
    QVariant celda(const Registro& r, int column) const;
    const Registro* registroDe(const QModelIndex& index) const;

    Registros leer(QDate ini, QDate fin);
    Registro registroDeFila(const DaoRow& row);
    int texto(const DaoRow& row, int column);
    void compactarTextos();

    void cargar(QDate ini, QDate fin);
    void ponerDias(QDate ini, QDate fin, Registros& leidos);
    void cambiarPeriodo(QDate ini, QDate fin);
    void cambiarPeriodoLeido(QDate ini, QDate fin, bool seToca, Registros& antes, Registros& despues);
    bool seMuestra(const Registro& r) const;
    void mostrar();
    void alCambiarTabla();
    void releerDias(QDate ini, QDate fin);

    // every bill of [m_cargadoIni, m_cargadoFin), by date and id
    Registros m_cargados;
    QDate m_cargadoIni;
    QDate m_cargadoFin;
    // the shown rows: indexes into m_cargados
    std::vector<int> m_filas;

    // every text of the bills held, once; looked up by its stored bytes
    QList<QString> m_textos;
    QHash<QByteArray, int> m_indiceTextos;
    QHash<QByteArray, QDate> m_fechas;

    QDate m_dateIni;
    QDate m_dateEnd;
    Recibo::pagadosImpagados m_pagados;
    QDate m_soloIni;
    QDate m_soloFin;
    bool m_cambioPendiente = false;
    std::function<bool()> m_avance;
    bool m_cancelable = false;
    bool m_cancelado = false;
};

#endif // RECIBOTABLEMODEL_H
