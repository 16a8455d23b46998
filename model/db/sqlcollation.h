#ifndef SQLCOLLATION_H
#define SQLCOLLATION_H

#include <QString>

struct sqlite3;

// The SQL collation that orders names as the program's language reads them
// (ACollation): listings and choosers write "ORDER BY apellidos COLLATE
// locale". Every connection the Dao opens has it.
namespace SqlCollation {

// The collation's name, to write after COLLATE.
QString name();

// Makes the collation known to the connection; false when SQLite refuses it.
bool registerOn(sqlite3* handle);

} // namespace SqlCollation

#endif // SQLCOLLATION_H
