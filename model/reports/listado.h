#ifndef LISTADO_H
#define LISTADO_H

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>

#include "linealistado.h"

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

// A titled table built row by row by report code, rendered as an HTML
// fragment or written as a spreadsheet. Also a read-only table model.
// Titles, headers and values go into the HTML as they are, so that report
// code may put its own markup in them: a typed text goes in escaped, or as
// a LineaListado::addTexto() value.
// Changing its contents emits no model notifications: a listing is complete
// before anything shows it.
class Listado : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit Listado(QObject* parent = nullptr);
    Listado(const QStringList& cabeceras, const QStringList& htmlCabeceras,
            const QList<LineaListado*>& lineas, QObject* parent = nullptr);

    // A sheet name the spreadsheet accepts, made from a title: forbidden
    // characters become "_", at most 31 characters, never empty.
    static QString nombreHoja(const QString& titulo);
    // Where listings write their workbook: "listado.xlsx" in a folder of the
    // temporary folder that only this process of this user uses (mode 0700);
    // empty when that folder cannot be made.
    static QString rutaXlsTemporal();
    // A header whose attributes ask width="0": a column as narrow as its
    // widest cell, whose cells never wrap.
    static bool esEstrecha(const QString& atributos);
    // The header attributes as the HTML of a listing carries them.
    static QString cabeceraHtml(const QString& atributos);

public slots:
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    virtual QString toHtml(bool conFecha = true);
    // Writes the workbook to rutaXlsTemporal() and answers that path, or an
    // empty string when it could not be written.
    virtual QString toXls();

    void addlinea(LineaListado* linea);
    QList<LineaListado*> lineas() const;
    void setLineas(const QList<LineaListado*>& lineas);
    QStringList cabeceras() const;
    void setCabeceras(const QStringList& cabeceras);
    QStringList htmlCabeceras() const;
    void setHtmlCabeceras(const QStringList& htmlCabeceras);
    QString titulo() const;
    void setTitulo(const QString& titulo);
    QString subtitulo() const;
    void setSubtitulo(const QString& subtitulo);
    bool isValid() const;

public:
    // Same style on the four edges of a cell format.
    static void setBordes(lxw_format* formato, int estilo);

    // Workbook writing shared by every spreadsheet the program writes.
    // Removes an earlier file at ruta and starts a workbook with one sheet named
    // after titulo; false (with a warning) when that cannot be done.
    static bool abreLibro(const QString& ruta, const QString& titulo, lxw_workbook** libro,
                          lxw_worksheet** hoja);
    // Writes the file; on failure removes what was left and answers false.
    static bool cierraLibro(lxw_workbook* libro, const QString& ruta);
    // A text cell, cut to the longest text a cell holds.
    static void escribeTexto(lxw_worksheet* hoja, int fila, int columna, const QString& texto,
                             lxw_format* formato);

protected:
    // Rows 0 and 1: title and subtitle with their fonts and row heights.
    void escribeTitulos(lxw_workbook* libro, lxw_worksheet* hoja) const;
    // A line's value by its type: a double as a number in formatoNumero, an
    // integer as a number and anything else as its text, both in formatoOtro.
    static void escribeValor(lxw_worksheet* hoja, int fila, int columna, const QVariant& valor,
                             lxw_format* formatoNumero, lxw_format* formatoOtro);
    // The 25 % grey of header cells.
    static const unsigned int kGris25 = 0xC0C0C0;

private:
    QList<LineaListado*> m_lineas;
    QStringList m_cabeceras;
    QStringList m_htmlCabeceras;
    QString m_titulo;
    QString m_subtitulo;
};

#endif // LISTADO_H
