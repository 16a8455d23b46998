#include "columntitles.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QSettings>
#include <QTableView>

#include <algorithm>

namespace {
// where ATableView keeps the header state it restores
bool hasSavedWidths(const QTableView* view)
{
    QSettings settings;
    settings.beginGroup(QStringLiteral("ATableView"));
    return settings.contains(view->objectName());
}
} // namespace

void fitColumnsToTitles(QTableView* view)
{
    if (!view->model() || hasSavedWidths(view))
        return;
    QHeaderView* header = view->horizontalHeader();
    const QFontMetrics metrics(header->font());
    const int margins = 4 * metrics.averageCharWidth() + header->style()->pixelMetric(QStyle::PM_HeaderMarkSize);
    for (int column = 0; column < header->count(); ++column) {
        const QString title = view->model()->headerData(column, Qt::Horizontal).toString();
        header->resizeSection(column, std::max(header->sectionSize(column),
                                               metrics.horizontalAdvance(title) + margins));
    }
}
