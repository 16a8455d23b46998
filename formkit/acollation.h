#ifndef ACOLLATION_H
#define ACOLLATION_H

#include <QCollator>
#include <QList>
#include <QString>
#include <QStringView>

#include <algorithm>

// Names in the order the program's language reads them: accented letters
// with their base letter, "ñ" after "n" in Spanish and Galician, letter case
// only breaking ties. Follows the default locale, which start-up sets from
// the settings.
namespace ACollation {

// The collator of the current default locale, made again when it changes.
const QCollator& collator();

int compare(QStringView a, QStringView b);

// Sorts items by the text each gives, with one sort key per item.
template<class T, class TextOf>
void sortBy(QList<T>& items, TextOf textOf)
{
    const QCollator& c = collator();
    QList<QCollatorSortKey> keys;
    keys.reserve(items.size());
    QList<qsizetype> order;
    order.reserve(items.size());
    for (qsizetype i = 0; i < items.size(); ++i) {
        keys.append(c.sortKey(textOf(items.at(i))));
        order.append(i);
    }
    std::stable_sort(order.begin(), order.end(),
                     [&keys](qsizetype a, qsizetype b) { return keys.at(a).compare(keys.at(b)) < 0; });
    QList<T> sorted;
    sorted.reserve(items.size());
    for (qsizetype i : order)
        sorted.append(items.at(i));
    items = sorted;
}

} // namespace ACollation

#endif // ACOLLATION_H
