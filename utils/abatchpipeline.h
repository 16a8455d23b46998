#ifndef ABATCHPIPELINE_H
#define ABATCHPIPELINE_H

#include "atablepages.h"
#include "printutils.h"

#include <QList>
#include <QPair>
#include <QPixmap>
#include <QSizeF>
#include <QString>

#include <functional>

// Lays the batches of a print out ahead on worker threads while the printing
// thread paints earlier ones, so that neither waits long for the other and
// memory stays bounded however many items there are.
namespace ABatchPipeline {
// What every batch is laid out on.
struct Sheet
{
    QSizeF pageSize;
    bool designMetrics = false;
    QList<QPair<QString, QPixmap>> resources;
};

// Runs `each` on every batch in turn, laid out and cut into pages; stops
// when it answers false. While a batch is still being laid out, `waiting`
// is called every few milliseconds with the batch's first item, so that the
// printing thread goes on answering; it stops the job too when it answers
// false. What a reading or a worker's job throws stops it as well and comes
// out here, on the printing thread.
void forEachBatch(const PrintUtils::Batches& batches, const Sheet& sheet,
                  const std::function<bool(int first, int count, ATablePages::Pages batch)>& each,
                  const std::function<bool(int first)>& waiting);
} // namespace ABatchPipeline

#endif // ABATCHPIPELINE_H
