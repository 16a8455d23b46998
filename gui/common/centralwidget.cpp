#include "centralwidget.h"

CentralWidget::CentralWidget(QWidget* parent, Qt::WindowFlags f) : QWidget(parent, f)
{
}

void CentralWidget::activateWidget()
{
}

bool CentralWidget::isValidState()
{
    return true;
}
