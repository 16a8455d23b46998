#ifndef SECTIONTESTS_H
#define SECTIONTESTS_H

#include "academyfixture.h"
#include "guitest.h"

#include <QAction>

// What the subjects and teachers page tests share.
namespace SectionTests {

inline QAction* action(QWidget& page, const char* name)
{
    return GuiTest::child<QAction>(page, name);
}

// How many of the ids are rows of the table.
inline int stored(const char* table, const QList<int>& ids)
{
    int n = 0;
    for (int id : ids)
        n += academy::count(QStringLiteral("SELECT count(*) FROM %1 WHERE id = ?").arg(QLatin1String(table)), {id});
    return n;
}

} // namespace SectionTests

#endif // SECTIONTESTS_H
