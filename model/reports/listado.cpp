#include "listado.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

#include <xlsxwriter.h>

namespace {
// Excel refuses longer text cells.
constexpr int kMaxTextoCelda = 32767;
constexpr int kMaxNombreHoja = 31;
}

namespace {
const QRegularExpression kAnchoCero(QStringLiteral("\\bwidth\\s*=\\s*(\"0\"|'0'|0(?=\\s|$))"));
}

// width="0" asks for a column as narrow as its widest cell. Qt's rich text
// takes it literally and breaks every cell after each character, so such a
// column becomes a 1 % column (which never gets narrower than its content)
// whose header and cells never wrap.
bool Listado::esEstrecha(const QString& atributos)
{
    return atributos.contains(kAnchoCero);
}

QString Listado::cabeceraHtml(const QString& atributos)
{
    if (!esEstrecha(atributos))
        return atributos;
    QString resultado = atributos;
    resultado.replace(kAnchoCero, QStringLiteral("width=\"1%\""));
    return LineaListado::sinCortes(resultado);
}

Listado::Listado(QObject* parent)
    : QAbstractTableModel(parent)
{
}

Listado::Listado(const QStringList& cabeceras, const QStringList& htmlCabeceras,
                 const QList<LineaListado*>& lineas, QObject* parent)
    : QAbstractTableModel(parent)
    , m_lineas(lineas)
    , m_cabeceras(cabeceras)
    , m_htmlCabeceras(htmlCabeceras)
{
}

int Listado::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_cabeceras.size();
}

int Listado::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_lineas.size();
}

QVariant Listado::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return QVariant();
    if (index.row() < 0 || index.row() >= m_lineas.size() || index.column() < 0
        || index.column() >= m_cabeceras.size())
        return QVariant();
    const LineaListado* linea = m_lineas.at(index.row());
    if (!linea || index.column() >= linea->count())
        return QVariant();
    return linea->valor(index.column());
}

QVariant Listado::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0
        || section >= m_cabeceras.size())
        return QVariant();
    return m_cabeceras.at(section);
}

QString Listado::toHtml(bool conFecha)
{
    if (m_lineas.isEmpty())
        return QString();

    const QDate hoy = QDate::currentDate();
    const QString sufijo = QLatin1String("(") + QLocale().monthName(hoy.month(), QLocale::LongFormat)
                           + QLatin1String(" ") + QString::number(hoy.year()) + QLatin1String(")");
    QString textoTitulo = m_titulo;
    if (conFecha)
        textoTitulo = m_titulo.isEmpty() ? sufijo : m_titulo + QLatin1String(" ") + sufijo;

    // Plain concatenation throughout: the texts may hold "%1" and must stay as written.
    QString html = QLatin1String("<table border=\"1\" cellspacing=\"-1\" style=\"margin-bottom:25px; "
                                 "margin-top:25px; font-size:12pt; font-weight:bold; border-color:black; \">"
                                 "<tr><td>")
                   + textoTitulo + QLatin1String("</td></tr></table>");

    html += QLatin1String("<table style=\"border-style:solid; border-color:black;page-break-after:auto;"
                          "margin-top:1px;\" border=\"1\" width=\"100%\" cellspacing=\"-1\" cellpadding=\"6\">"
                          "<thead><tr>");
    QList<bool> estrechas;
    for (int i = 0; i < m_cabeceras.size(); ++i) {
        estrechas << esEstrecha(m_htmlCabeceras.value(i));
        html += QLatin1String("<th ") + cabeceraHtml(m_htmlCabeceras.value(i)) + QLatin1String(">")
                + m_cabeceras.at(i) + QLatin1String("</th>");
    }
    html += QLatin1String("</tr></thead><tbody>");
    for (int i = 0; i < m_lineas.size(); ++i) {
        html += (i % 2 == 0) ? QLatin1String("<tr class=\"odd\">") : QLatin1String("<tr class=\"even\">");
        html += m_lineas.at(i)->toHtml(estrechas) + QLatin1String("</tr>");
    }
    html += QLatin1String("</tbody></table>");
    return html;
}

QString Listado::nombreHoja(const QString& titulo)
{
    static const QString prohibidos = QStringLiteral("[]:*?/\\");
    QString nombre;
    for (const QChar c : titulo) {
        if (prohibidos.contains(c) || c.category() == QChar::Other_Control)
            nombre += QLatin1Char('_');
        else
            nombre += c;
    }
    nombre = nombre.trimmed();
    // An apostrophe may not open or close a sheet name.
    while (nombre.startsWith(QLatin1Char('\'')))
        nombre.remove(0, 1);
    // Count code points, not UTF-16 units, and never cut a surrogate pair.
    const QList<uint> puntos = nombre.toUcs4();
    if (puntos.size() > kMaxNombreHoja)
        nombre = QString::fromUcs4(reinterpret_cast<const char32_t*>(puntos.constData()), kMaxNombreHoja);
    while (nombre.endsWith(QLatin1Char('\'')))
        nombre.chop(1);
    nombre = nombre.trimmed();
    if (nombre.isEmpty())
        nombre = QStringLiteral("Sheet1");
    return nombre;
}

namespace {
// This process's own folder in the temporary folder, readable by this user
// only and named uniquely: a name every user shares could be taken or read
// by another. Made again when the temporary folder changed or the folder
// was cleaned away; removed when the program ends.
QString carpetaPrivada()
{
    static std::unique_ptr<QTemporaryDir> carpeta;
    const QString temporal = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    if (temporal.isEmpty())
        return QString();
    if (carpeta && QFileInfo(carpeta->path()).absolutePath() == QFileInfo(temporal).absoluteFilePath()
        && QFileInfo(carpeta->path()).isDir())
        return carpeta->path();
    carpeta = std::make_unique<QTemporaryDir>(QDir(temporal).filePath(QStringLiteral("pensario-XXXXXX")));
    if (!carpeta->isValid()) {
        qWarning("Couldn't make a private temporary folder in \"%s\": %s", qPrintable(temporal),
                 qPrintable(carpeta->errorString()));
        carpeta.reset();
        return QString();
    }
    return carpeta->path();
}
} // namespace

QString Listado::rutaXlsTemporal()
{
    const QString carpeta = carpetaPrivada();
    if (carpeta.isEmpty())
        return QString();
    return QDir::toNativeSeparators(carpeta + QLatin1String("/listado.xlsx"));
}

void Listado::setBordes(lxw_format* formato, int estilo)
{
    format_set_bottom(formato, static_cast<uint8_t>(estilo));
    format_set_top(formato, static_cast<uint8_t>(estilo));
    format_set_left(formato, static_cast<uint8_t>(estilo));
    format_set_right(formato, static_cast<uint8_t>(estilo));
}

bool Listado::abreLibro(const QString& ruta, const QString& titulo, lxw_workbook** libro, lxw_worksheet** hoja)
{
    *libro = nullptr;
    *hoja = nullptr;
    if (ruta.isEmpty()) {
        qWarning("There is no path to write the workbook to");
        return false;
    }
    // A stale file must never pass for this listing.
    if (QFileInfo::exists(ruta) && !QFile::remove(ruta)) {
        qWarning("Couldn't remove the old workbook file \"%s\"", qPrintable(ruta));
        return false;
    }
    const QByteArray rutaLocal = QFile::encodeName(ruta);
    *libro = workbook_new(rutaLocal.constData());
    if (!*libro) {
        qWarning("Couldn't create the workbook \"%s\"", qPrintable(ruta));
        return false;
    }
    *hoja = workbook_add_worksheet(*libro, nombreHoja(titulo).toUtf8().constData());
    if (!*hoja) {
        qWarning("Couldn't add the worksheet to \"%s\"", qPrintable(ruta));
        cierraLibro(*libro, ruta);
        QFile::remove(ruta);
        *libro = nullptr;
        return false;
    }
    return true;
}

bool Listado::cierraLibro(lxw_workbook* libro, const QString& ruta)
{
    const lxw_error error = workbook_close(libro);
    if (error != LXW_NO_ERROR) {
        qWarning("Error writting excel file \"%s\": %s", qPrintable(ruta), lxw_strerror(error));
        QFile::remove(ruta);
        return false;
    }
    return true;
}

void Listado::escribeTexto(lxw_worksheet* hoja, int fila, int columna, const QString& texto,
                           lxw_format* formato)
{
    const QString recortado = texto.size() > kMaxTextoCelda ? texto.left(kMaxTextoCelda) : texto;
    worksheet_write_string(hoja, static_cast<lxw_row_t>(fila), static_cast<lxw_col_t>(columna),
                           recortado.toUtf8().constData(), formato);
}

void Listado::escribeValor(lxw_worksheet* hoja, int fila, int columna, const QVariant& valor,
                           lxw_format* formatoNumero, lxw_format* formatoOtro)
{
    const lxw_row_t r = static_cast<lxw_row_t>(fila);
    const lxw_col_t c = static_cast<lxw_col_t>(columna);
    switch (valor.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        worksheet_write_number(hoja, r, c, valor.toDouble(), formatoNumero);
        break;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        worksheet_write_number(hoja, r, c, valor.toDouble(), formatoOtro);
        break;
    default:
        escribeTexto(hoja, fila, columna, valor.toString(), formatoOtro);
        break;
    }
}

void Listado::escribeTitulos(lxw_workbook* libro, lxw_worksheet* hoja) const
{
    lxw_format* fTitulo = workbook_add_format(libro);
    format_set_font_size(fTitulo, 25);
    lxw_format* fSubtitulo = workbook_add_format(libro);
    format_set_font_size(fSubtitulo, 19);

    escribeTexto(hoja, 0, 0, m_titulo, fTitulo);
    worksheet_set_row(hoja, 0, 30, nullptr);
    escribeTexto(hoja, 1, 0, m_subtitulo, fSubtitulo);
    worksheet_set_row(hoja, 1, 22, nullptr);
}

QString Listado::toXls()
{
    const QString ruta = rutaXlsTemporal();
    lxw_workbook* libro = nullptr;
    lxw_worksheet* hoja = nullptr;
    if (!abreLibro(ruta, m_titulo, &libro, &hoja))
        return QString();

    escribeTitulos(libro, hoja);

    lxw_format* fCabecera = workbook_add_format(libro);
    setBordes(fCabecera, LXW_BORDER_MEDIUM);
    format_set_pattern(fCabecera, LXW_PATTERN_SOLID);
    format_set_bg_color(fCabecera, kGris25);
    for (int i = 0; i < m_cabeceras.size(); ++i)
        escribeTexto(hoja, 3, i, m_cabeceras.at(i), fCabecera);

    lxw_format* fCelda = workbook_add_format(libro);
    setBordes(fCelda, LXW_BORDER_THIN);
    lxw_format* fNumero = workbook_add_format(libro);
    setBordes(fNumero, LXW_BORDER_THIN);
    format_set_num_format_index(fNumero, 2);

    for (int i = 0; i < m_lineas.size(); ++i) {
        const LineaListado* linea = m_lineas.at(i);
        for (int j = 0; j < linea->count(); ++j)
            escribeValor(hoja, 4 + i, j, linea->valor(j), fNumero, fCelda);
    }

    return cierraLibro(libro, ruta) ? ruta : QString();
}

void Listado::addlinea(LineaListado* linea)
{
    linea->setParent(this);
    m_lineas.append(linea);
}

QList<LineaListado*> Listado::lineas() const
{
    return m_lineas;
}

void Listado::setLineas(const QList<LineaListado*>& lineas)
{
    m_lineas = lineas;
}

QStringList Listado::cabeceras() const
{
    return m_cabeceras;
}

void Listado::setCabeceras(const QStringList& cabeceras)
{
    m_cabeceras = cabeceras;
}

QStringList Listado::htmlCabeceras() const
{
    return m_htmlCabeceras;
}

void Listado::setHtmlCabeceras(const QStringList& htmlCabeceras)
{
    m_htmlCabeceras = htmlCabeceras;
}

QString Listado::titulo() const
{
    return m_titulo;
}

void Listado::setTitulo(const QString& titulo)
{
    m_titulo = titulo;
}

QString Listado::subtitulo() const
{
    return m_subtitulo;
}

void Listado::setSubtitulo(const QString& subtitulo)
{
    m_subtitulo = subtitulo;
}

bool Listado::isValid() const
{
    return !m_lineas.isEmpty();
}
