#ifndef RECIBO_H
#define RECIBO_H

#include <QDate>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

class Alta;
class Alumno;
class DaoRow;
class QSqlQuery;

// The monthly bill of one student: one row of table recibo.
class Recibo : public QObject
{
    Q_OBJECT
public:
    enum class pagadosImpagados { SOLOPAGADOS = 0, SOLOIMPAGADOS = 1, PAGADOS_E_IMPAGADOS = 2 };
    // The values are also reached as Recibo::SOLOPAGADOS, ...
    using enum pagadosImpagados;
    Q_ENUM(pagadosImpagados)

    static const QString TABLE;
    static const QStringList COLUMNS;

    // Template placeholders
    static const QString NRECIBO;
    static const QString FEXPEDICION;
    static const QString IMPORTE;
    static const QString FVENCIMIENTO;
    static const QString CONCEPTO;
    static const QString PAGADEROEN;
    static const QString DATOSALUMNO;
    static const QString CONTENT;
    static const QString EXPEDIDOEN;
    static const QString NOMBREACADEMIA;
    static const QString DATOSACADEMIA;

    explicit Recibo(QObject* parent = nullptr);
    explicit Recibo(int idAlumno, QObject* parent = nullptr);

    int id() const { return m_id; }
    int nRecibo() const { return m_nrecibo; }
    QString serie() const { return m_serie; }
    QDate fecha() const { return m_fecha; }
    double importe() const { return m_importe; }
    double importePagado() const { return m_importepagado; }
    double descuento() const { return m_descuento; }
    QString concepto() const { return m_concepto; }
    QString datosAlumno() const { return m_datosalumno; }
    QString pagaderoEn() const { return m_pagaderoen; }
    bool isPagado() const { return m_pagado; }
    bool isAutomatico() const { return m_automatico; }
    int idAlumno() const { return m_idalumno; }
    QString nombreAlumno() const { return m_nombrealumno; }
    QString apellidosAlumno() const { return m_apellidosalumno; }

    // Every setter that changes a value marks the bill as edited by hand.
    void setNRecibo(int nrecibo);
    void setFecha(QDate fecha);
    void setImporte(double importe);
    void setImportePagado(double importePagado);
    void setDescuento(double descuento);
    void setPagado(bool pagado);
    void setPagaderoEn(QString pagaderoEn);
    void setDatosAlumno(QString datosAlumno);
    void setConcepto(QString concepto);

    static double importeAlta(Alta* alta);

    static Recibo* fromRow(const DaoRow& row);
    static Recibo* getFromDB(int id);
    // The bills of these ids that exist, in the order given: a few reads
    // however many ids.
    static QList<Recibo*> getFromDB(const QList<int>& ids);
    static QList<Recibo*> list(Recibo::pagadosImpagados pagados, QDate ini, QDate fin);
    // mes 0: the current month; anio 0: the current year.
    static bool existenRecibosMes(int mes, int anio = 0);
    static bool removeList(const QList<int>& ids);

    bool persist();
    bool update();

    // Numbering and series. A failed read or write of the numbering state is
    // logged and answered as a failure (a null series, -1, false), so that no
    // bill is numbered from an unknown state.
    static QString getSerieActual();
    static bool setSerieActual(QString serie);
    static bool incrementarNumeroRecibo();
    static bool forzarNumeroRecibo(int numero, QString serie);
    static bool existeNumeroEnSerie(int numero, QString serie);
    static int getUltimoNumero();
    static int getSiguienteNumeroRecibo();
    static QStringList getSeries(bool soloConRecibos);
    // A database whose series nobody chose yet (no bill, never configured)
    // starts with the current year's, as the first one did.
    static bool serieSinElegir();
    static bool marcarSerieElegida();

    // Monthly generation
    // Monthly generation: mes 0 is the current month, anio 0 the current
    // year. The run opens no event loop of its own: between its steps it
    // calls entrePasos, where the page keeps its window painted (refusing
    // input meanwhile).
    static QList<int> generarRecibos(int modo, int mes, QList<Alumno*> alumnos, int anio = 0,
                                     const std::function<void()>& entrePasos = {});
    static int regenerarRecibos(QList<Recibo*> recibos, int mes, int anio = 0,
                                const std::function<void()>& entrePasos = {});

    // Rendering
    static QString lineaConcepto(QString texto, double importe);
    void addLineaConcepto(QString linea);
    static QString datosAlumno(Alumno* alumno);
    static QString datosAlumno(const QString& nombre, const QString& apellidos, const QString& direccion,
                               const QString& localidad, const QString& cp, const QString& provincia);
    QString conceptoYaPagadoYDescuento() const;
    // What every bill's page takes from the academy's settings, read once
    // for a whole print.
    struct DatosAcademia
    {
        int diasVencimiento = 0;
        QString nombre;
        QString expedidoEn;
        QString datosHtml;
        static DatosAcademia leer();
    };
    // The page's tokens with their HTML, filled into the page by paginaHtml,
    // which uses nothing else and so may run on any thread.
    QList<QPair<QString, QString>> camposHtml(const DatosAcademia& academia) const;
    static QString paginaHtml(const QList<QPair<QString, QString>>& campos);
    QString toHtmlPage() const;
    static QString toHtmlBody(QString content);
    QString toHtml() const;

private:
    struct SinSerie {};
    // Loading and generation build many bills: they get the series from their
    // row or from the run, never from a query per object.
    Recibo(SinSerie, QObject* parent);

    // The stored next number; -1 when it cannot be read.
    static int siguienteGuardado();
    static bool renumerarTrasEdicion();

    QList<QVariant> rowValues() const;
    bool insertRow();
    bool updateRow();
    void tomarDe(const Recibo* almacenado);

    int m_id = 0;
    int m_nrecibo = 0;
    QString m_serie;
    QDate m_fecha;
    double m_importe = 0.0;
    double m_importepagado = 0.0;
    double m_descuento = 0.0;
    QString m_concepto;
    QString m_datosalumno;
    QString m_pagaderoen;
    bool m_pagado = false;
    bool m_automatico = true;
    int m_idalumno = 0;
    QString m_nombrealumno;
    QString m_apellidosalumno;


    friend class GeneracionRecibos;
};

#endif // RECIBO_H
