#include "linealistado.h"

#include "moneda.h"

LineaListado::LineaListado(QObject* parent)
    : QObject(parent)
{
}

LineaListado::LineaListado(const QList<QVariant>& valores, const QStringList& atributos, QObject* parent)
    : QObject(parent)
    , m_valores(valores)
    , m_atributos(atributos)
{
    // a caller's mistake must not end the program under the user's hands:
    // every value keeps a cell, with no attributes where none were given
    if (valores.size() != atributos.size()) {
        qWarning("Inicializing a LineaListado with two lists with different size");
        while (m_atributos.size() < m_valores.size())
            m_atributos.append(QString());
        while (m_valores.size() < m_atributos.size())
            m_valores.append(QVariant(QString()));
    }
}

void LineaListado::addValor(const QVariant& valor, const QString& atributo)
{
    m_valores.append(valor);
    m_atributos.append(atributo);
}

void LineaListado::addValor(int valor, const QString& atributo)
{
    addValor(QVariant(valor), atributo);
}

void LineaListado::addValor(const QString& valor, const QString& atributo)
{
    addValor(QVariant(valor), atributo);
}

void LineaListado::addValor(double valor, const QString& atributo)
{
    addValor(QVariant(valor), atributo);
}

void LineaListado::addTexto(const QString& texto, const QString& atributo)
{
    m_textos.insert(int(m_valores.size()));
    addValor(QVariant(texto), atributo);
}

int LineaListado::count() const
{
    return m_valores.size();
}

QVariant LineaListado::valor(int pos) const
{
    return m_valores.value(pos);
}

QString LineaListado::atributo(int pos) const
{
    return m_atributos.value(pos);
}

bool LineaListado::esTexto(int pos) const
{
    return m_textos.contains(pos);
}

namespace {
// Two decimals round as stored amounts do, so a total never shows a cent
// other than the one kept for it.
QString dosDecimales(double valor)
{
    return QString::number(Moneda::redondear(valor), 'f', 2);
}
}

QString LineaListado::textoCelda(const QVariant& valor, const QString& atributo)
{
    if (valor.typeId() != QMetaType::Double)
        return valor.toString();
    if (atributo.contains(QLatin1String("ROUND")))
        return dosDecimales(valor.toDouble());
    return QString::number(valor.toDouble(), 'f', 3);
}

QString LineaListado::sinCortes(const QString& atributo)
{
    static const QLatin1String estilo("style=\"");
    static const QLatin1String nowrap("white-space:nowrap;");
    QString resultado = atributo;
    const qsizetype pos = resultado.indexOf(estilo);
    if (pos >= 0)
        return resultado.insert(pos + estilo.size(), nowrap);
    if (!resultado.isEmpty())
        resultado += QLatin1Char(' ');
    return resultado + estilo + nowrap + QLatin1Char('"');
}

QString LineaListado::toHtml()
{
    return toHtml(QList<bool>());
}

QString LineaListado::toHtml(const QList<bool>& enteras)
{
    QString html;
    for (int i = 0; i < m_valores.size(); ++i) {
        const QString atributo = enteras.value(i) ? sinCortes(m_atributos.at(i)) : m_atributos.at(i);
        const QString texto = textoCelda(m_valores.at(i), m_atributos.at(i));
        html += QLatin1String("<td ") + atributo + QLatin1String(" >") + (esTexto(i) ? texto.toHtmlEscaped() : texto)
                + QLatin1String("</td>");
    }
    return html;
}

QString LineaListado::toCSV(QString separador)
{
    QStringList campos;
    for (const QVariant& v : std::as_const(m_valores)) {
        if (v.typeId() == QMetaType::Double)
            campos << dosDecimales(v.toDouble());
        else
            campos << v.toString();
    }
    return campos.join(separador);
}

QString LineaListado::toCSV()
{
    return toCSV(QStringLiteral(","));
}

QString LineaListado::toCSV_XLS()
{
    return toCSV(QStringLiteral("\t"));
}
