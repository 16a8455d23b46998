#include "daorow.h"

#include <QByteArray>
#include <QString>

#include <sqlite3.h>

QVariant DaoRow::value(int column) const
{
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_INTEGER: return QVariant(qlonglong(sqlite3_column_int64(m_statement, column)));
    case SQLITE_FLOAT: return QVariant(sqlite3_column_double(m_statement, column));
    case SQLITE_TEXT: return QVariant(text(column));
    case SQLITE_BLOB: {
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(m_statement, column));
        return QVariant(QByteArray(bytes, sqlite3_column_bytes(m_statement, column)));
    }
    default: return QVariant();
    }
}

QString DaoRow::text(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    return text ? QString::fromUtf8(text, sqlite3_column_bytes(m_statement, column)) : QString();
}

QByteArrayView DaoRow::utf8(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    return text ? QByteArrayView(text, sqlite3_column_bytes(m_statement, column)) : QByteArrayView();
}

qlonglong DaoRow::integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

double DaoRow::real(int column) const
{
    return sqlite3_column_double(m_statement, column);
}

bool DaoRow::flag(int column) const
{
    const QVariant stored = value(column);
    if (stored.typeId() != QMetaType::QString)
        return stored.toBool();
    const QString text = stored.toString();
    return !(text.isEmpty() || text == QLatin1String("0") || text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0);
}
