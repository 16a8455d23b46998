#include "centralwidget.h"

#include <QEvent>
#include <QLineEdit>

namespace {
// Watches its page's show events from outside, so that pages overriding
// showEvent() keep the behaviour.
class FilterFocus : public QObject
{
public:
    explicit FilterFocus(QWidget* page) : QObject(page), m_page(page) { page->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_page && event->type() == QEvent::Show && !event->spontaneous())
            if (auto* filter = m_page->findChild<QLineEdit*>(QStringLiteral("leFiltro")))
                filter->setFocus(Qt::OtherFocusReason);
        return false;
    }

private:
    QWidget* m_page;
};
} // namespace

CentralWidget::CentralWidget(QWidget* parent, Qt::WindowFlags f) : QWidget(parent, f)
{
    new FilterFocus(this);
}

void CentralWidget::activateWidget()
{
}

bool CentralWidget::isValidState()
{
    return true;
}
