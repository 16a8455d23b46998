#ifndef MESSAGECAPTURE_H
#define MESSAGECAPTURE_H

#include <QList>
#include <QString>
#include <QtGlobal>

// Records every Qt message while alive, so tests can assert on warning texts.
// Messages are still passed on to the handler that was installed before.
class MessageCapture
{
public:
    struct Message
    {
        QtMsgType type;
        QString text;
    };

    MessageCapture();
    ~MessageCapture();
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    QList<Message> messages() const;
    QStringList texts(QtMsgType type) const;
    // True when a message of that type contains the fragment.
    bool contains(QtMsgType type, const QString& fragment) const;
    int count(QtMsgType type) const;
    void clear();

private:
    static void handler(QtMsgType type, const QMessageLogContext& context, const QString& text);
    QtMessageHandler m_previous;
};

#endif // MESSAGECAPTURE_H
