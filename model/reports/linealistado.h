#ifndef LINEALISTADO_H
#define LINEALISTADO_H

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>

// One row of a listing: cell values, each with the HTML attribute string that
// goes inside its cell tag. An attribute string containing "ROUND" asks for
// two decimals instead of three.
class LineaListado : public QObject
{
    Q_OBJECT
public:
    explicit LineaListado(QObject* parent = nullptr);
    LineaListado(const QList<QVariant>& valores, const QStringList& atributos, QObject* parent = nullptr);

    void addValor(const QVariant& valor, const QString& atributo);
    void addValor(int valor, const QString& atributo);
    void addValor(const QString& valor, const QString& atributo);
    void addValor(double valor, const QString& atributo);
    // A text someone typed (a name, a comment): the HTML shows it as text,
    // escaped, while the value itself stays as typed.
    void addTexto(const QString& texto, const QString& atributo);

    int count() const;
    QVariant valor(int pos) const;
    QString atributo(int pos) const;
    // True for a value added with addTexto().
    bool esTexto(int pos) const;

    // The text of a cell as the HTML of a listing shows it: a double with a
    // point and three decimals, or two (rounded as money is) when the
    // attribute string holds "ROUND".
    static QString textoCelda(const QVariant& valor, const QString& atributo);

    // Puts white-space:nowrap into a cell's or header's attribute string,
    // into its style when it has one.
    static QString sinCortes(const QString& atributo);

public slots:
    QString toHtml();
    // The cells of the columns flagged in enteras never wrap.
    QString toHtml(const QList<bool>& enteras);
    QString toCSV(QString separador);
    QString toCSV();
    QString toCSV_XLS();

private:
    QList<QVariant> m_valores;
    QStringList m_atributos;
    QSet<int> m_textos;
};

#endif // LINEALISTADO_H
