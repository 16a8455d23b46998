#include "aula.h"

#include "dao.h"
#include "sqlcollation.h"
#include "valorsql.h"

#include <QDebug>
#include <QSqlQuery>
#include <QVariant>

const QString Aula::TABLE = QStringLiteral("aula");
const QStringList Aula::COLUMNS = {QStringLiteral("id"), QStringLiteral("nombre"),
                                   QStringLiteral("localizacion"), QStringLiteral("aforo"),
                                   QStringLiteral("comentarios")};

Aula::Aula(QObject* parent)
    : QObject(parent)
{
}

Aula::Aula(int id, QObject* parent)
    : QObject(parent)
    , m_id(id)
{
}

Aula* Aula::fromQuery(QSqlQuery& query)
{
    Aula* aula = new Aula(query.value(0).toInt());
    aula->m_nombre = query.value(1).toString();
    aula->m_localizacion = query.value(2).toString();
    aula->m_aforo = query.value(3).toInt();
    aula->m_comentarios = query.value(4).toString();
    return aula;
}

Aula* Aula::getFromDB(int id)
{
    QSqlQuery query = Dao::getInstance()->select(TABLE, COLUMNS, QStringLiteral("id = ?"),
                                                 QList<QVariant>{id});
    if (query.next())
        return fromQuery(query);
    return nullptr;
}

QList<Aula*> Aula::list()
{
    QList<Aula*> result;
    QSqlQuery query = Dao::getInstance()->select(TABLE, COLUMNS, QString(),
                                                 QStringLiteral("nombre COLLATE ") + SqlCollation::name(), QList<QVariant>());
    while (query.next())
        result.append(fromQuery(query));
    return result;
}

QList<QVariant> Aula::fieldValues() const
{
    return {ValorSql::texto(m_nombre), ValorSql::texto(m_localizacion), m_aforo,
            ValorSql::texto(m_comentarios)};
}

bool Aula::persist()
{
    if (m_id != 0) {
        qWarning() << "Intentando almacenar como nueva un aula que ya tiene id";
        return false;
    }
    const QVariant newId = Dao::getInstance()->insert(TABLE, COLUMNS.mid(1), fieldValues());
    m_id = newId.toInt(); // invalid or false (failure) give 0
    return m_id != 0;
}

bool Aula::update()
{
    if (m_id < 1) {
        qWarning() << "tratando de actualizar un aula sin id";
        return false;
    }
    QList<QVariant> values = fieldValues();
    values << m_id;
    return Dao::getInstance()->update(TABLE, COLUMNS.mid(1), QStringLiteral("id = ?"), values);
}

bool Aula::remove()
{
    if (m_id < 1) {
        qWarning() << "Tratando de eliminar un aula sin id";
        return false;
    }
    return Dao::getInstance()->deleteFrom(TABLE, {QStringLiteral("id")}, {m_id});
}
