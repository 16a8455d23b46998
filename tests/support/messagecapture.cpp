#include "messagecapture.h"

#include <QStringList>

namespace {
QList<MessageCapture::Message>* captured = nullptr;
QtMessageHandler chained = nullptr;
}

MessageCapture::MessageCapture()
{
    Q_ASSERT_X(!captured, "MessageCapture", "only one capture at a time");
    captured = new QList<Message>;
    m_previous = qInstallMessageHandler(&MessageCapture::handler);
    chained = m_previous;
}

MessageCapture::~MessageCapture()
{
    qInstallMessageHandler(m_previous);
    delete captured;
    captured = nullptr;
    chained = nullptr;
}

void MessageCapture::handler(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (captured)
        captured->append({type, text});
    if (chained)
        chained(type, context, text);
}

QList<MessageCapture::Message> MessageCapture::messages() const
{
    return *captured;
}

QStringList MessageCapture::texts(QtMsgType type) const
{
    QStringList result;
    for (const Message& message : *captured)
        if (message.type == type)
            result << message.text;
    return result;
}

bool MessageCapture::contains(QtMsgType type, const QString& fragment) const
{
    for (const Message& message : *captured)
        if (message.type == type && message.text.contains(fragment))
            return true;
    return false;
}

int MessageCapture::count(QtMsgType type) const
{
    return texts(type).size();
}

void MessageCapture::clear()
{
    captured->clear();
}
