#include "aimagesizes.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QTextDocument>
#include <QTextFormat>
#include <QUrl>

namespace {
// What Qt shows for an image it cannot find.
const char* const kMissingImage = ":/qt-project.org/styles/commonstyle/images/file-16.png";

QImage imageOf(QTextDocument* document, const QTextImageFormat& format)
{
    QString name = format.name();
    if (name.startsWith(QLatin1String(":/")))
        name.prepend(QLatin1String("qrc"));
    const QVariant data = document->resource(QTextDocument::ImageResource, QUrl(name));
    QImage image = data.value<QImage>();
    if (image.isNull() && data.userType() == QMetaType::QByteArray)
        image.loadFromData(data.toByteArray());
    if (image.isNull() && (name.isEmpty() || !image.load(name)))
        image.load(QLatin1String(kMissingImage));
    return image;
}
} // namespace

AImageSizes::AImageSizes(QTextObjectInterface* painting, QObject* parent)
    : QObject(parent)
    , m_painting(painting)
{
}

void AImageSizes::install(QTextDocument* document)
{
    QAbstractTextDocumentLayout* layout = document->documentLayout();
    auto* sizes = new AImageSizes(layout->handlerForObject(QTextFormat::ImageObject), layout);
    layout->registerHandler(QTextFormat::ImageObject, sizes);
}

QSizeF AImageSizes::intrinsicSize(QTextDocument* document, int position, const QTextFormat& format)
{
    const QTextImageFormat image = format.toImageFormat();
    const bool hasWidth = image.hasProperty(QTextFormat::ImageWidth);
    const bool hasHeight = image.hasProperty(QTextFormat::ImageHeight);
    if ((hasWidth && hasHeight) || document->documentLayout()->paintDevice())
        return m_painting->intrinsicSize(document, position, format);
    const QImage source = imageOf(document, image);
    const qreal ratio = source.devicePixelRatio();
    const int sourceWidth = int(source.width() / ratio);
    const int sourceHeight = int(source.height() / ratio);
    QSize size(qRound(image.width()), qRound(image.height()));
    if (!hasWidth)
        size.setWidth(hasHeight ? qRound(size.height() * (sourceWidth / qreal(sourceHeight))) : sourceWidth);
    if (!hasHeight)
        size.setHeight(hasWidth ? qRound(size.width() * (sourceHeight / qreal(sourceWidth))) : sourceHeight);
    return size;
}

void AImageSizes::drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int position,
                             const QTextFormat& format)
{
    m_painting->drawObject(painter, rect, document, position, format);
}
