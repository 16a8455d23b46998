#ifndef PRINTUTILS_H
#define PRINTUTILS_H

#include <QList>
#include <QObject>
#include <QPair>
#include <QPixmap>
#include <QString>

#include <memory>
#include <vector>

class QGraphicsScene;
class QPaintEngine;
class QPrinter;
class QTextDocument;

// Prints a document page by page with an HTML header and footer on every
// page, and runs its print preview. The content is either HTML, cut into
// pages with tables split between rows, or a graphics scene fitted to one
// page. Geometry is in page units of 1/96 inch at any printer resolution.
// Headers and footers may carry "%%PAGENUM%%" and "%%PAGECOUNT%%".
class PrintUtils : public QObject
{
    Q_OBJECT
public:
    PrintUtils(const QString& header, const QString& content, const QString& footer,
               QObject* parent = nullptr,
               QList<QPair<QString, QPixmap>> resources = QList<QPair<QString, QPixmap>>());
    PrintUtils(const QString& header, QGraphicsScene* scene, const QString& footer,
               QObject* parent = nullptr,
               QList<QPair<QString, QPixmap>> resources = QList<QPair<QString, QPixmap>>());
    ~PrintUtils() override;

    static double inchToCm(double inches);
    static double cmToInch(double cm);

    // Modal print preview; the user prints from it.
    void preview(QPrinter* printer = nullptr);
    // The platform's print dialog; prints only when it is accepted.
    void printWithDialog(QPrinter* printer = nullptr);
    // Splits the tables of a paginated document between rows at page
    // boundaries, repeating their head rows. Always ends; keeps every row.
    static void fixTableFrames(QTextDocument* document);

public slots:
    void print(QPrinter* printer = nullptr);
    void addResources(QList<QPair<QString, QPixmap>> resources);

private:
    QTextDocument* createDocument(const QString& html) const;
    void printHtml(QPainter& painter, QTextDocument* content, QTextDocument* header,
                   QTextDocument* footer, QPrinter* printer, double pageWidth, double contentHeight,
                   const QSizeF& headerSize);
    // Copies of the document cut after every top-level table that breaks the
    // page after it, laid out like it.
    std::vector<std::unique_ptr<QTextDocument>> splitAtPageBreaks(QTextDocument* content) const;
    // The header and footer of one page, numbered.
    void printFrame(QPainter& painter, QTextDocument* header, QTextDocument* footer, const QString& headerHtml,
                    const QString& footerHtml, int page, const QRectF& headerRect, const QRectF& footerRect,
                    const QSizeF& headerSize, double contentHeight);
    void printScene(QPainter& painter, QTextDocument* header, QTextDocument* footer, double pageWidth,
                    double contentHeight, const QSizeF& headerSize, const QSizeF& footerSize);

    QString m_header;
    QString m_content;
    QGraphicsScene* m_scene = nullptr;
    QString m_footer;
    QList<QPair<QString, QPixmap>> m_resources;
    bool m_previewing = false;
    QPaintEngine* m_previewEngine = nullptr;
    bool m_sceneMode = false;
};

#endif // PRINTUTILS_H
