#ifndef SHOWNHTML_H
#define SHOWNHTML_H

#include <QString>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>

// What a reader of an HTML document or a tool tip gets: its text and the
// names of the images it would show.
struct ShownHtml
{
    QString text;
    QStringList images;
};

inline ShownHtml shownHtml(const QString& html)
{
    QTextDocument document;
    document.setHtml(html);
    ShownHtml shown{document.toPlainText(), {}};
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat())
                shown.images << it.fragment().charFormat().toImageFormat().name();
        }
    }
    return shown;
}

// A name typed with markup in it, a local file's picture among it.
inline QString typedMarkup(const QString& tag = QStringLiteral("X"))
{
    return QStringLiteral("<b>%1</b><img src=\"file:///etc/hostname\">").arg(tag);
}

#endif // SHOWNHTML_H
