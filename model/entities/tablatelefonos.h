#ifndef TABLATELEFONOS_H
#define TABLATELEFONOS_H

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

class QSqlQuery;

// The named phones a person row owns, kept in a table of its own
// (nombre, telefono, <owner id>). Students and teachers store them alike.
class TablaTelefonos
{
public:
    typedef QList<QPair<QString, QString>> Telefonos;

    // dueno names the owner in warnings ("alumno", "profesor").
    TablaTelefonos(const QString& table, const QString& idColumn, const QString& dueno);

    const QString& table() const { return m_table; }

    // The owner's phones in row order; empty, with a warning, without an id.
    Telefonos cargar(int id) const;
    // Inserts the phones after the old ones were deleted (borrados: that
    // deletion's success), leaving out blank ones. Stops at the first
    // failure: the caller's write is taken back anyway.
    bool escribir(int id, const Telefonos& telefonos, bool borrados) const;
    // Rows of (owner id, nombre, telefono), grouped by owner in row order.
    static QHash<int, Telefonos> porDueno(const QString& sql);
    // A row left without name and number (an abandoned new row) is no phone.
    static bool enBlanco(const QPair<QString, QString>& telefono);
    // "name: number" entries joined by "; ".
    static QString texto(const Telefonos& telefonos);

private:
    QString m_table;
    QString m_idColumn;
    QString m_dueno;
};

#endif // TABLATELEFONOS_H
