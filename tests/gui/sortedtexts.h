#ifndef SORTEDTEXTS_H
#define SORTEDTEXTS_H

#include "dao.h"

#include <QSqlQuery>
#include <QStringList>

// Lists compared as sets of names, whatever order a dialog or a query gives.
inline QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

// The first column of every row the query answers, sorted.
inline QStringList storedTexts(const QString& sql, const QList<QVariant>& values = {})
{
    QSqlQuery query = Dao::getInstance()->query(sql, values);
    QStringList result;
    while (query.next())
        result << query.value(0).toString();
    return sorted(result);
}

#endif // SORTEDTEXTS_H
