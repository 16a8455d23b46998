#include "asealeddocument.h"
#include "outputfiles.h"
#include "printutils.h"
#include "testmain.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>

// Printed documents show the images the program gives them and no file a
// typed text names, in whatever form the name comes.
class TestASealedDocument : public QObject
{
    Q_OBJECT

    QTemporaryDir m_tmp;
    QString m_file;

    static QImage painted(QTextDocument& document)
    {
        document.setTextWidth(300);
        QImage image(300, 200, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        document.drawContents(&painter);
        return image;
    }

    static bool hasColour(const QImage& image, QRgb colour)
    {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == colour)
                    return true;
        return false;
    }

    // A page's HTML showing the red file under each form of its name, and the
    // program's blue logo.
    QString html() const
    {
        const QString url = QUrl::fromLocalFile(m_file).toString();
        return QStringLiteral("<p><img src=\"%1\"><img src=\"%2\"><img src=\"resources://logo\"></p>").arg(url, m_file);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_tmp.isValid());
        QImage red(37, 23, QImage::Format_RGB32);
        red.fill(Qt::red);
        m_file = m_tmp.filePath(QStringLiteral("red.png"));
        QVERIFY(red.save(m_file));
    }

    void onlyGivenImagesArePainted()
    {
        QPixmap blue(20, 20);
        blue.fill(Qt::blue);
        ASealedDocument sealed;
        sealed.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("resources://logo")), blue);
        sealed.setHtml(html());
        const QImage image = painted(sealed);
        QVERIFY(hasColour(image, qRgb(0, 0, 255)));
        QVERIFY(!hasColour(image, qRgb(255, 0, 0)));
        // What an ordinary document would have done.
        QTextDocument open;
        open.setHtml(html());
        QVERIFY(hasColour(painted(open), qRgb(255, 0, 0)));
    }

    void printedDocumentsAreSealed()
    {
        QPixmap blue(41, 29);
        blue.fill(Qt::blue);
        PrintUtils print(html(), html(), html(), nullptr, {{QStringLiteral("resources://logo"), blue}});
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = m_tmp.filePath(QStringLiteral("sealed.pdf"));
        printer.setOutputFileName(pdf);
        print.print(&printer);
        const QString images = outputfiles::run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
        QVERIFY2(QRegularExpression(QStringLiteral("\\s41\\s+29\\s")).match(images).hasMatch(), qPrintable(images));
        QVERIFY2(!QRegularExpression(QStringLiteral("\\s37\\s+23\\s")).match(images).hasMatch(), qPrintable(images));
    }
};

PENSARIO_TEST_MAIN(TestASealedDocument)
#include "tst_asealeddocument.moc"
