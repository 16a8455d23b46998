#include "nombresprovisionales.h"

#include "dao.h"

#include <QStringList>
#include <QVariant>

bool NombresProvisionales::asignar(const QString& table, const QList<int>& ids)
{
    if (ids.isEmpty())
        return true;
    QStringList marks;
    marks.fill(QStringLiteral("?"), ids.size());
    return Dao::getInstance()->execute(QStringLiteral("UPDATE %1 SET nombre = char(1) || id WHERE id IN (%2)")
                                           .arg(table, marks.join(QLatin1Char(','))),
                                       QList<QVariant>(ids.cbegin(), ids.cend()));
}
