#ifndef FILAUNICA_H
#define FILAUNICA_H

#include <QList>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

// The select behind the entities' getFromDB: a condition that names at most one row.
class FilaUnica
{
public:
    // The answer is on the row (isValid()) when exactly one matched; with no
    // row, or with several (warned about), it is on none.
    static QSqlQuery select(const QString& table, const QStringList& columns, const QString& where,
                            const QList<QVariant>& values);
};

#endif // FILAUNICA_H
