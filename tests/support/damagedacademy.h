#ifndef DAMAGEDACADEMY_H
#define DAMAGEDACADEMY_H

#include "dao.h"

#include <QFile>
#include <QString>

// Makes the academy the Dao has open one that reads well and fails the
// integrity check: 300 subjects are added, then one of them is renamed
// behind its index's back in the file. The Dao is left closed.
inline bool damageBehindAnIndex(const QString& path)
{
    Dao* dao = Dao::getInstance();
    if (!dao->transaction())
        return false;
    for (int i = 0; i < 300; ++i) {
        if (!dao->execute(QStringLiteral("INSERT INTO asignatura (nombre, descripcion) VALUES (?, ?)"),
                          {QStringLiteral("S%1").arg(i), QString(200, QLatin1Char('d'))}))
            return false;
    }
    if (!dao->commit())
        return false;
    dao->close();
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    const qsizetype row = file.readAll().indexOf("S150ddd");
    return row > 0 && file.seek(row) && file.write("T") == 1;
}

#endif // DAMAGEDACADEMY_H
