#ifndef DAOROW_H
#define DAOROW_H

#include <QByteArrayView>
#include <QVariant>

struct sqlite3_stmt;

// The current row of Dao::readRows(): each column as the QSqlQuery of the
// same statement answers it (integer, real, text, bytes, or null), read
// straight from SQLite without the driver's per-value copies.
class DaoRow
{
public:
    explicit DaoRow(sqlite3_stmt* statement)
        : m_statement(statement)
    {
    }

    QVariant value(int column) const;
    // The column as text (empty for null) and as numbers (0 for null),
    // without going through a QVariant.
    QString text(int column) const;
    // The column's text as SQLite holds it (UTF-8), valid until the next row.
    QByteArrayView utf8(int column) const;
    qlonglong integer(int column) const;
    double real(int column) const;
    // A flag stored as text ("true"/"false") or a number, read as
    // QVariant::toBool() reads it.
    bool flag(int column) const;

private:
    sqlite3_stmt* m_statement;
};

#endif // DAOROW_H
