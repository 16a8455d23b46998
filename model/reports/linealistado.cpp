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
    if (valores.size() != atributos.size())
        qFatal("Inicializing a LineaListado with two lists with different size");
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

QString LineaListado::toHtml()
{
    QString html;
    for (int i = 0; i < m_valores.size(); ++i) {
        html += QLatin1String("<td ") + m_atributos.at(i) + QLatin1String(" >")
                + textoCelda(m_valores.at(i), m_atributos.at(i)) + QLatin1String("</td>");
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
