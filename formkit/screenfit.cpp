#include "screenfit.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QWidget>

namespace {
const char* const scrollAreaName = "formScrollArea";

// The frame the window system draws around the window. Before the window is
// first mapped it is unknown: a title bar is allowed for.
QMargins frameMargins(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    if (frame != inner)
        return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                frame.bottom() - inner.bottom()};
    const int titleBar = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
    return {0, titleBar, 0, 0};
}

// Removes widget from whichever layout under layout holds it.
bool takeWidget(QLayout* layout, QWidget* widget)
{
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == widget) {
            delete layout->takeAt(i);
            return true;
        }
        if (item->layout() && takeWidget(item->layout(), widget))
            return true;
    }
    return false;
}

// Fits its dialog at every show the program asks for.
class ScreenFitter : public QObject
{
public:
    explicit ScreenFitter(QDialog* dialog) : QObject(dialog), m_dialog(dialog) { dialog->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_dialog && event->type() == QEvent::Show && !event->spontaneous()) {
            const QRect area = availableScreenArea(m_dialog);
            scrollFormToFit(m_dialog, area);
            keepWithinArea(m_dialog, area);
        }
        return false;
    }

private:
    QDialog* m_dialog;
};

int clampedStart(int start, int length, int areaStart, int areaLength)
{
    return qMax(areaStart, qMin(start, areaStart + areaLength - length));
}
} // namespace

QRect availableScreenArea(const QWidget* window)
{
    const QScreen* screen = window->screen();
    return screen ? screen->availableGeometry() : QRect();
}

void keepWithinArea(QWidget* window, const QRect& area)
{
    if (area.isEmpty() || window->isMaximized() || window->isFullScreen())
        return;
    const QMargins frame = frameMargins(window);
    const QSize room = area.marginsRemoved(frame).size();
    if (window->width() > room.width() || window->height() > room.height())
        window->resize(window->size().boundedTo(room));
    const QSize outer = window->size().grownBy(frame);
    const QPoint at = window->frameGeometry().topLeft();
    window->move(clampedStart(at.x(), outer.width(), area.left(), area.width()),
                 clampedStart(at.y(), outer.height(), area.top(), area.height()));
}

bool scrollFormToFit(QDialog* dialog, const QRect& area)
{
    QLayout* form = dialog->layout();
    if (!form || area.isEmpty() || dialog->findChild<QScrollArea*>(QLatin1String(scrollAreaName)))
        return false;
    const QSize room = area.marginsRemoved(frameMargins(dialog)).size();
    const QSize needed = form->totalMinimumSize();
    if (needed.width() <= room.width() && needed.height() <= room.height())
        return false;

    auto* buttons = dialog->findChild<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly);
    if (buttons && !takeWidget(form, buttons))
        buttons = nullptr; // not part of the form: left where it is
    const QMargins margins = form->contentsMargins();
    auto* content = new QWidget;
    content->setLayout(form); // takes the form's widgets along
    form->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(dialog);
    scroll->setObjectName(QLatin1String(scrollAreaName));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    auto* outer = new QVBoxLayout(dialog);
    outer->setContentsMargins(margins);
    outer->addWidget(scroll);
    if (buttons)
        outer->addWidget(buttons);
    outer->activate(); // the form's minimum size no longer binds the dialog

    // As large as the form wants, as far as the screen allows.
    const QSize wanted = content->sizeHint()
                         + QSize(scroll->verticalScrollBar()->sizeHint().width() + margins.left() + margins.right(),
                                 margins.top() + margins.bottom() + outer->spacing()
                                     + (buttons ? buttons->sizeHint().height() : 0));
    dialog->resize(wanted.expandedTo(dialog->size()).boundedTo(room));
    return true;
}

void keepDialogOnScreen(QDialog* dialog)
{
    new ScreenFitter(dialog);
}
