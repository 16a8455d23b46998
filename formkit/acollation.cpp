#include "acollation.h"

#include <QLocale>

#include <memory>

namespace ACollation {

const QCollator& collator()
{
    static std::unique_ptr<QCollator> current;
    static QLocale locale;
    const QLocale now;
    if (!current || now != locale) {
        locale = now;
        current = std::make_unique<QCollator>(now);
    }
    return *current;
}

int compare(QStringView a, QStringView b)
{
    return collator().compare(a, b);
}

} // namespace ACollation
