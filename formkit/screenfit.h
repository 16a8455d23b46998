#ifndef SCREENFIT_H
#define SCREENFIT_H

#include <QRect>

class QDialog;
class QWidget;

// Windows on small or magnified screens (a laptop at 150 %): whatever size
// their forms ask for or was saved, they open within the screen's available
// area, so that their buttons stay within reach.

// The area of the window's screen its frame may take; without a screen, null.
QRect availableScreenArea(const QWidget* window);

// Shrinks and moves the window so that its frame lies within area (a
// maximised or full-screen window is left to the window system).
void keepWithinArea(QWidget* window, const QRect& area);

// When the dialog's form cannot shrink to fit area, moves the form (all but
// its button box, which stays below) into a scroll area; true when it did.
// Done once: a form already scrolling is left as it is.
bool scrollFormToFit(QDialog* dialog, const QRect& area);

// Fits the dialog (scrollFormToFit, then keepWithinArea) whenever the program
// shows it: for dialogs not derived from the dialog base, which does so itself.
void keepDialogOnScreen(QDialog* dialog);

#endif // SCREENFIT_H
