#ifndef NOMBRESPROVISIONALES_H
#define NOMBRESPROVISIONALES_H

#include <QList>
#include <QString>

// Sister rows (a subject's shifts, a course's shifts) have unique names.
// Before they are renamed, each takes a provisional name no one types, so
// that renames that swap names or take a freed one never meet the old names.
namespace NombresProvisionales {
// Inside the caller's transaction; the rows' "nombre" column.
bool asignar(const QString& table, const QList<int>& ids);

// The sisters' rows stored with their names as they are now, each through its
// provisional name; inside the caller's transaction, stopping at the first
// failure.
template<class Fila> bool actualizar(const QString& table, const QList<Fila*>& filas)
{
    QList<int> ids;
    ids.reserve(filas.size());
    for (const Fila* fila : filas)
        ids.append(fila->id());
    if (!asignar(table, ids))
        return false;
    for (Fila* fila : filas) {
        if (!fila->update(false))
            return false;
    }
    return true;
}
}

#endif // NOMBRESPROVISIONALES_H
