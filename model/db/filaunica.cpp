#include "filaunica.h"

#include "dao.h"

#include <QDebug>

QSqlQuery FilaUnica::select(const QString& table, const QStringList& columns, const QString& where,
                            const QList<QVariant>& values)
{
    QSqlQuery query = Dao::getInstance()->select(table, columns, where, values);
    if (query.size() >= 2) {
        qWarning().noquote() << "More than one result for a getFromDB execution in " + table
                                    + "\n the query was: \n" + query.executedQuery();
        return query;
    }
    query.next();
    return query;
}
