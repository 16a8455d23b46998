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
    return run(Dao::selectSql(table, columns, where, orderBy), values);
}
