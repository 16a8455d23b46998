#ifndef VALORSQL_H
#define VALORSQL_H

#include <QDate>
#include <QString>
#include <QVariant>

// How entity fields are bound to statements. The SQL driver binds a null
// QString as NULL, which NOT NULL text columns refuse: an empty text field is
// stored as the empty text. A null date is stored as NULL.
class ValorSql
{
public:
    static QVariant texto(const QString& text)
    {
        return text.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(text);
    }
    static QVariant fecha(const QDate& date)
    {
        return date.isValid() ? QVariant(date) : QVariant(QMetaType(QMetaType::QDate));
    }
};

#endif // VALORSQL_H
