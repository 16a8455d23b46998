#include "tablatelefonos.h"

#include "dao.h"
#include "daorow.h"
#include "valorsql.h"

#include <QDebug>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

TablaTelefonos::TablaTelefonos(const QString& table, const QString& idColumn, const QString& dueno)
    : m_table(table)
    , m_idColumn(idColumn)
    , m_dueno(dueno)
{
}

TablaTelefonos::Telefonos TablaTelefonos::cargar(int id) const
{
    Telefonos telefonos;
    if (id < 1) {
        qWarning().noquote() << QStringLiteral("No se pueden obtener los teléfonos de un %1 sin id")
                                    .arg(m_dueno);
        return telefonos;
    }
    QSqlQuery query = Dao::getInstance()->select(
        m_table, {QStringLiteral("nombre"), QStringLiteral("telefono")},
        m_idColumn + QStringLiteral(" = ?"), QStringLiteral("rowid"), {id});
    while (query.next())
        telefonos.append({query.value(0).toString(), query.value(1).toString()});
    return telefonos;
}

bool TablaTelefonos::escribir(int id, const Telefonos& telefonos, bool borrados) const
{
    bool ok = borrados;
    for (int i = 0; ok && i < telefonos.size(); ++i) {
        if (enBlanco(telefonos.at(i)))
            continue;
        const QVariant newId = Dao::getInstance()->insert(
            m_table, {QStringLiteral("nombre"), QStringLiteral("telefono"), m_idColumn},
            {ValorSql::texto(telefonos.at(i).first), ValorSql::texto(telefonos.at(i).second), id});
        ok = newId.toLongLong() != 0;
    }
    if (!ok)
        qWarning().noquote() << QStringLiteral("Hubo un error guardando los teléfonos del %1 ")
                                    .arg(m_dueno)
                             << id << " en la base de datos";
    return ok;
}

bool TablaTelefonos::enBlanco(const QPair<QString, QString>& telefono)
{
    return telefono.first.trimmed().isEmpty() && telefono.second.trimmed().isEmpty();
}

QHash<int, TablaTelefonos::Telefonos> TablaTelefonos::porDueno(const QString& sql)
{
    QHash<int, Telefonos> result;
    Dao::getInstance()->readRows(sql, {}, [&result](const DaoRow& row) {
        result[int(row.integer(0))].append({row.text(1), row.text(2)});
    });
    return result;
}

QString TablaTelefonos::texto(const Telefonos& telefonos)
{
    QStringList entries;
    for (const auto& telefono : telefonos)
        entries << telefono.first + QStringLiteral(": ") + telefono.second;
    return entries.join(QStringLiteral("; "));
}
