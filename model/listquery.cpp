#include "listquery.h"

#include "dao.h"

#include <QSqlDatabase>

QSqlQuery ListQuery::run(const QString& sql, const QList<QVariant>& values)
{
    Dao* dao = Dao::getInstance();
    QSqlQuery query(QSqlDatabase::database(QSqlDatabase::defaultConnection, false));
    query.setForwardOnly(true);
    if (dao->prepare(query, sql)) {
        Dao::bindValues(query, values);
        dao->exec(query);
    }
    return query;
}

QSqlQuery ListQuery::select(const QString& table, const QStringList& columns, const QString& where,
                            const QString& orderBy, const QList<QVariant>& values)
{
    QString sql = QStringLiteral("SELECT %1 FROM %2 ").arg(columns.join(QLatin1Char(',')), table);
    if (!where.isEmpty())
        sql += QStringLiteral("WHERE ") + where;
    if (!orderBy.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + orderBy;
    return run(sql, values);
}
