#ifndef EVENTGAP_H
#define EVENTGAP_H

#include <QElapsedTimer>
#include <QTimer>

// The longest stretch a job run on the GUI thread leaves without processing
// events: a zero timer fires at every pass of the event loop, and the gaps
// between its firings are timed.
class EventGap
{
public:
    EventGap();
    // The longest gap since construction, in milliseconds, up to now.
    double longestMs() const;

private:
    void tick();

    QTimer m_timer;
    QElapsedTimer m_sinceLast;
    qint64 m_longestNs = 0;
};

#endif // EVENTGAP_H
