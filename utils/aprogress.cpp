#include "aprogress.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace {
// Progress is seen within half a second of the start.
constexpr qint64 kShowAfterMs = 400;
// Often enough for Cancel to be felt at once and the windows to stay painted.
constexpr qint64 kEventsEveryMs = 100;
}

AProgress::AProgress(QWidget* parent)
    : m_parent(parent)
{
    m_started.start();
    m_sinceEvents.start();
}

AProgress::~AProgress() = default;

bool AProgress::update(const QString& text, int done, int total)
{
    if (m_cancelled)
        return false;
    if (m_sinceEvents.elapsed() < kEventsEveryMs)
        return true;
    m_sinceEvents.restart();
    if (!m_box && m_started.elapsed() >= kShowAfterMs)
        show(text);
    if (m_box) {
        m_box->setLabelText(text);
        m_box->setRange(0, std::max(total, 0));
        m_box->setValue(std::clamp(done, 0, std::max(total, 0)));
        QCoreApplication::processEvents();
        m_cancelled = m_box->wasCanceled();
    } else {
        // Before the box takes the input, a click must not start another command.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    return !m_cancelled;
}

void AProgress::show(const QString& text)
{
    m_box = std::make_unique<QProgressDialog>(m_parent);
    m_box->setWindowModality(Qt::ApplicationModal);
    m_box->setAutoClose(false);
    m_box->setAutoReset(false);
    m_box->setMinimumDuration(0);
    m_box->setLabelText(text);
    m_box->setMinimumWidth(m_box->fontMetrics().horizontalAdvance(text) * 3 / 2);
    m_box->show();
}
