#ifndef AIMAGESIZES_H
#define AIMAGESIZES_H

#include <QObject>
#include <QTextObjectInterface>

class QTextDocument;

// Sizes a document's images on any thread as the GUI thread would. Laid out
// elsewhere, Qt gives an image with only its height (or width) set its own
// width (or height) instead of keeping its proportions, which would move
// every cell beside it. Painting is left to the handler it replaces.
class AImageSizes : public QObject, public QTextObjectInterface
{
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    // Takes over the sizing of the document's images; lives with its layout.
    static void install(QTextDocument* document);

    QSizeF intrinsicSize(QTextDocument* document, int position, const QTextFormat& format) override;
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int position,
                    const QTextFormat& format) override;

private:
    AImageSizes(QTextObjectInterface* painting, QObject* parent);

    QTextObjectInterface* m_painting;
};

#endif // AIMAGESIZES_H
