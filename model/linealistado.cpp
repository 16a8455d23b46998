#include "linealistado.h"

#include <QLocale>
#include <QtGlobal>

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

QString LineaListado::textoNumero(double valor)
{
    // 'f' with the shortest round-trip precision: never an exponent, never a lost digit.
    QString texto = QString::number(valor, 'f', QLocale::FloatingPointShortest);
    if (texto == QLatin1String("-0"))
        texto = QStringLiteral("0");
    return texto;
}

QString LineaListado::textoCelda(const QVariant& valor, const QString& atributo)
{
    if (valor.typeId() == QMetaType::Double) {
        const int decimales = atributo.contains(QLatin1String("ROUND")) ? 2 : 3;
        return QString::number(valor.toDouble(), 'f', decimales);
    }
    if (valor.typeId() == QMetaType::Float)
        return textoNumero(valor.toDouble());
    return valor.toString();
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
            campos << QString::number(v.toDouble(), 'f', 2);
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
