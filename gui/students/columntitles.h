#ifndef COLUMNTITLES_H
#define COLUMNTITLES_H

class QTableView;

// Widens the view's columns to their titles (sort arrow included) unless the
// user's own widths were restored for it.
void fitColumnsToTitles(QTableView* view);

#endif // COLUMNTITLES_H
