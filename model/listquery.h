#ifndef LISTQUERY_H
#define LISTQUERY_H

#include <QList>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

// Selects whose rows are read once, front to back, to build lists. A
// forward-only query lets the driver hand out rows without caching them all
// first, which halves the cost of loading thousands of rows. Statements still
// run through the Dao, so they are logged and their failures recorded as any
// other. isActive() is false on the answer when the statement failed.
class ListQuery
{
public:
    static QSqlQuery run(const QString& sql, const QList<QVariant>& values = {});
    // The SELECT the Dao builds: "SELECT cols FROM table WHERE ... ORDER BY ...".
    static QSqlQuery select(const QString& table, const QStringList& columns, const QString& where,
                            const QString& orderBy, const QList<QVariant>& values);
};

#endif // LISTQUERY_H
