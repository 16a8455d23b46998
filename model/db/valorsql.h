#ifndef VALORSQL_H
#define VALORSQL_H

#include <QString>
#include <QVariant>

// How text fields are bound to statements. The SQL driver binds a null
// QString as NULL, which NOT NULL text columns refuse: an empty text field is
// stored as the empty text. (A null QDate needs nothing: the driver binds it
// as NULL.)
class ValorSql
{
public:
    static QVariant texto(const QString& text)
    {
        return text.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(text);
    }
};

#endif // VALORSQL_H
