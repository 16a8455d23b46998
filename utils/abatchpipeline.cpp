#include "abatchpipeline.h"

#include "aimagesizes.h"
#include "aworkahead.h"

#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QThread>
#include <QUrl>

#include <atomic>
#include <memory>

namespace {
// Enough workers to keep the printing thread fed: laying a page out costs
// less than painting it.
constexpr int kBatchWorkers = 3;

// Painting takes the glyphs the layout shaped instead of shaping every line again.
void keepShapes(QTextDocument* document)
{
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        block.layout()->setCacheEnabled(true);
}

// What a worker thread needs to lay a batch out as the printing thread would.
// Images go in as QImage, the kind a worker may use.
struct WorkerSheet
{
    QSizeF pageSize;
    bool designMetrics = false;
    QList<QPair<QUrl, QImage>> images;
    QThread* printing = nullptr;
    std::shared_ptr<std::atomic<bool>> stop;
    // Each part is an item that takes one page whatever the length of its texts.
    bool onePagePerPart = false;
};

// Lays an item that runs over its one page out on a larger sheet, to be
// painted smaller, until it fits; answers how much smaller.
double fitOnOnePage(QTextDocument* part, const QSizeF& pageSize)
{
    constexpr double kStep = 0.9;
    constexpr double kSmallest = 0.2;
    double scale = 1.0;
    while (part->pageCount() > 1 && scale * kStep >= kSmallest) {
        scale *= kStep;
        part->setPageSize(pageSize / scale);
    }
    return scale;
}

ATablePages::Pages layOutOnWorker(const QString& html, const WorkerSheet& sheet)
{
    ATablePages::Parts parts = ATablePages::splitAtPageBreaks(ATablePages::bareDocument(html));
    for (const auto& part : parts) {
        for (const auto& [url, image] : sheet.images)
            part->addResource(QTextDocument::ImageResource, url, image);
        keepShapes(part.get());
        // An empty page keeps the new layout from working before its image
        // sizes are in place; the real page then lays it out once.
        part->setPageSize(QSizeF(0, 0));
        AImageSizes::install(part.get());
        part->setUseDesignMetrics(sheet.designMetrics);
        part->setPageSize(sheet.pageSize);
    }
    std::vector<double> scales;
    if (sheet.onePagePerPart)
        for (const auto& part : parts)
            scales.push_back(fitOnOnePage(part.get(), sheet.pageSize));
    ATablePages::Pages batch = ATablePages::layOut(std::move(parts), [&sheet](int, int) { return !sheet.stop->load(); });
    batch.scales = std::move(scales);
    for (const auto& part : batch.parts)
        ATablePages::handOver(part.get(), sheet.printing);
    return batch;
}

// Pixmaps again for painting: a PDF then holds each image once.
void addImages(QTextDocument* document, const QList<QPair<QString, QPixmap>>& resources)
{
    for (const auto& resource : resources)
        document->addResource(QTextDocument::ImageResource, QUrl(resource.first), resource.second);
}
} // namespace

void ABatchPipeline::forEachBatch(const PrintUtils::Batches& batches, const Sheet& sheet,
                                  const std::function<bool(int, int, ATablePages::Pages)>& each,
                                  const std::function<bool(int)>& waiting)
{
    WorkerSheet worker;
    worker.pageSize = sheet.pageSize;
    worker.designMetrics = sheet.designMetrics;
    for (const auto& [url, pixmap] : sheet.resources)
        worker.images << qMakePair(QUrl(url), pixmap.toImage());
    worker.printing = QThread::currentThread();
    worker.stop = std::make_shared<std::atomic<bool>>(false);
    worker.onePagePerPart = batches.pagesPerItem == 1;

    const int workers = AWorkAhead<ATablePages::Pages>::spareThreads(kBatchWorkers);
    AWorkAhead<ATablePages::Pages> ahead(workers, 2 * workers);
    const int items = batches.items;
    int read = 0;
    try {
        for (int first = 0; first < items; first += batches.perBatch) {
            while (!ahead.full() && read < items) {
                const int count = std::min(batches.perBatch, items - read);
                ahead.add([compose = batches.read(read, count), worker] { return layOutOnWorker(compose(), worker); });
                read += count;
            }
            if (!ahead.waitForOldest([&] { return waiting(first); })) {
                worker.stop->store(true);
                return;
            }
            ATablePages::Pages batch = ahead.take();
            for (const auto& part : batch.parts)
                addImages(part.get(), sheet.resources);
            if (!each(first, std::min(batches.perBatch, items - first), std::move(batch))) {
                worker.stop->store(true);
                return;
            }
        }
    } catch (...) {
        // The batches laid out ahead are of no use any more.
        worker.stop->store(true);
        throw;
    }
}
