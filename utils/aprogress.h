#ifndef APROGRESS_H
#define APROGRESS_H

#include <QElapsedTimer>
#include <QString>

#include <memory>

class QProgressDialog;
class QWidget;

// The progress of a long job run on the GUI thread, with a Cancel button.
// The box appears only once the job has lasted almost half a second; until then
// and afterwards the windows are kept painted. While the box is up it takes
// every input, so no other command can start in the middle of the job.
class AProgress
{
public:
    explicit AProgress(QWidget* parent = nullptr);
    ~AProgress();
    AProgress(const AProgress&) = delete;
    AProgress& operator=(const AProgress&) = delete;

    // Tells where the job is (done of total; total 0 when not known yet).
    // False once the user has cancelled: the job should stop.
    bool update(const QString& text, int done, int total);
    bool cancelled() const { return m_cancelled; }

private:
    void show(const QString& text);

    QWidget* m_parent = nullptr;
    std::unique_ptr<QProgressDialog> m_box;
    QElapsedTimer m_started;
    QElapsedTimer m_sinceEvents;
    bool m_cancelled = false;
};

#endif // APROGRESS_H
