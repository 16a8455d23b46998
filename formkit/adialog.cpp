#include "adialog.h"
#include "screenfit.h"
#include "widgetstate.h"

#include <QHideEvent>
#include <QLineEdit>
#include <QShowEvent>

namespace {
const char* const invalidStyle = "background:#FD6F73;";
}

ADialog::ADialog(QWidget* parent, Qt::WindowFlags f)
    : QDialog(parent, f)
{
}

ADialog::~ADialog() = default;

bool ADialog::validateLineEdits()
{
    bool allValid = true;
    const QList<QLineEdit*> edits = findChildren<QLineEdit*>();
    for (QLineEdit* edit : edits) {
        if (edit->hasAcceptableInput()) {
            edit->setStyleSheet(QString());
            continue;
        }
        markInvalid(edit);
        if (allValid)
            edit->setFocus(Qt::OtherFocusReason);
        allValid = false;
    }
    return allValid;
}

void ADialog::markInvalid(QWidget* widget)
{
    widget->setStyleSheet(QLatin1String(invalidStyle));
}

void ADialog::storeGeometry()
{
    storeWidgetState(QStringLiteral("geometry"), objectName(), saveGeometry());
}

void ADialog::loadGeometry()
{
    loadWidgetState(QStringLiteral("geometry"), objectName(), "geometry",
                    [this](const QByteArray& state) { return restoreGeometry(state); });
}

void ADialog::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        loadGeometry();
    QDialog::showEvent(event);
    if (!event->spontaneous())
        fitToScreen();
}

void ADialog::fitToScreen()
{
    const QRect area = availableScreenArea(this);
    scrollFormToFit(this, area);
    keepWithinArea(this, area);
}

void ADialog::hideEvent(QHideEvent* event)
{
    if (!event->spontaneous())
        storeGeometry();
    QWidget::hideEvent(event);
}
