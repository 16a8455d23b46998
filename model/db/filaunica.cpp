#include "filaunica.h"

#include "dao.h"

#include <QDebug>

QSqlQuery FilaUnica::select(const QString& table, const QStringList& columns, const QString& where,
                            const QList<QVariant>& values)
{
    // The SQLite driver reports no result size: the matches are counted by
    // the statement itself, in a column after the asked ones.
    QSqlQuery query = Dao::getInstance()->select(table, QStringList(columns) << QStringLiteral("count(*) OVER ()"),
                                                 where, values);
    if (!query.next())
        return query;
    if (query.value(int(columns.size())).toInt() >= 2) {
        qWarning().noquote() << "More than one result for a getFromDB execution in " + table
                                    + "\n the query was: \n" + query.executedQuery();
        query.finish();
    }
    return query;
}
