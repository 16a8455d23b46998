#ifndef CENTRALWIDGET_H
#define CENTRALWIDGET_H

#include <QWidget>

// Base of the main window's section pages. The main window asks a page
// whether it may be left and tells it when it has been installed; the page's
// own tool-bar actions are its QWidget::actions(). Whenever a page is shown,
// its filter field ("leFiltro"), if it has one, takes the keyboard focus, so
// that typing at once filters the list.
class CentralWidget : public QWidget
{
public:
    explicit CentralWidget(QWidget* parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());

    // Called right after the page has been installed as the central widget.
    virtual void activateWidget();
    // Asked before the page is left; false keeps it installed.
    virtual bool isValidState();
};

#endif // CENTRALWIDGET_H
