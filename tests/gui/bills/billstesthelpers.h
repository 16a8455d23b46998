#ifndef BILLSTESTHELPERS_H
#define BILLSTESTHELPERS_H

#include "guitest.h"
#include "pageharness.h"
#include "recibotablemodel.h"

#include <QAbstractItemView>
#include <QAction>
#include <QItemSelectionModel>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

// What the bills page tests share: rows by bill id, actions by name and the
// print preview caught and printed to a PDF file.
namespace BillsTest {

inline QAction* action(QWidget& page, const char* name)
{
    return GuiTest::child<QAction>(page, name);
}

// Selects the rows of the view whose bill id is listed; false when one is missing.
inline bool selectIds(QAbstractItemView* view, const QList<int>& ids)
{
    auto* model = Recibo::tableModel();
    view->clearSelection();
    int found = 0;
    for (int row = 0; row < view->model()->rowCount(); ++row) {
        const QModelIndex index = view->model()->index(row, 0);
        if (ids.contains(model->getId(index))) {
            view->selectionModel()->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
            ++found;
        }
    }
    return found == ids.size();
}

// The next print preview is printed to the PDF file and closed.
inline void printNextPreview(PageHarness& h, const QString& pdf, bool* shown)
{
    *shown = false;
    h.whenShown<QPrintPreviewDialog>([pdf, shown](QPrintPreviewDialog* dialog) {
        dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog->printer()->setOutputFileName(pdf);
        dialog->findChild<QPrintPreviewWidget*>()->print();
        *shown = true;
        dialog->reject();
    });
}

} // namespace BillsTest

#endif // BILLSTESTHELPERS_H
