#include "eventgap.h"

#include <algorithm>

EventGap::EventGap()
{
    m_timer.setInterval(0);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { tick(); });
    m_timer.start();
    m_sinceLast.start();
}

void EventGap::tick()
{
    m_longestNs = std::max(m_longestNs, m_sinceLast.nsecsElapsed());
    m_sinceLast.restart();
}

double EventGap::longestMs() const
{
    // The stretch still open counts too: a job may end without a last pass.
    return std::max(m_longestNs, m_sinceLast.nsecsElapsed()) / 1e6;
}
