#include "sqlcollation.h"

#include "acollation.h"

#include <sqlite3.h>

namespace {

const char kName[] = "locale";

// SQLite hands the texts in UTF-16 of the machine's byte order, aligned:
// compared in place, without copies.
int compareTexts(void*, int lengthA, const void* a, int lengthB, const void* b)
{
    const QStringView textA(static_cast<const char16_t*>(a), lengthA / 2);
    const QStringView textB(static_cast<const char16_t*>(b), lengthB / 2);
    return ACollation::compare(textA, textB);
}

} // namespace

namespace SqlCollation {

QString name()
{
    return QString::fromLatin1(kName);
}

bool registerOn(sqlite3* handle)
{
    if (!handle)
        return false;
    return sqlite3_create_collation_v2(handle, kName, SQLITE_UTF16_ALIGNED, nullptr, compareTexts, nullptr)
           == SQLITE_OK;
}

} // namespace SqlCollation
