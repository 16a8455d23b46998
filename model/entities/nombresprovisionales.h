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
}

#endif // NOMBRESPROVISIONALES_H
