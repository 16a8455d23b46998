#ifndef ASEALEDDOCUMENT_H
#define ASEALEDDOCUMENT_H

#include <QTextDocument>

// A text document that shows only the images it was given (addResource) and
// the program's embedded files. Any other name, a local file or a path in a
// typed text that reached the markup, is never read: it gets a blank image.
class ASealedDocument : public QTextDocument
{
    Q_OBJECT
public:
    explicit ASealedDocument(QObject* parent = nullptr);

protected:
    QVariant loadResource(int type, const QUrl& name) override;
};

#endif // ASEALEDDOCUMENT_H
