#ifndef BILLSTESTHELPERS_H
#define BILLSTESTHELPERS_H

#include "guitest.h"
#include "pageharness.h"

#include <QAction>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

// What the bills page tests share: actions by name and the print preview
// caught and printed to a PDF file.
namespace BillsTest {

inline QAction* action(QWidget& page, const char* name)
{
    return GuiTest::child<QAction>(page, name);
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
