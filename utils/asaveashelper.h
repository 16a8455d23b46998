#ifndef ASAVEASHELPER_H
#define ASAVEASHELPER_H

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QTableView;
class QWidget;

// Saves what a list view shows (its visible columns in their shown order, its
// visible rows in the view's order) as a spreadsheet, CSV, HTML page or PDF,
// and prints it. Remembers the folder and format in settings group "listing".
class ASaveAsHelper : public QObject
{
    Q_OBJECT
public:
    // Indexes of the formats in the save dialog's filter list.
    enum Formato { Xls = 0, Csv = 1, Html = 2, Pdf = 3, FormatoInvalido = -1 };

    explicit ASaveAsHelper(QObject* parent = nullptr);

    // The whole save dialogue: asks for a file name and writes the list there.
    static void saveAs(QWidget* parent, const QString& title, const QString& defaultName, QTableView* view);
    // Print preview of the list; the user prints from it.
    static bool printTableView(const QString& title, QTableView* view);

    // Each is false too when the user stops it; *cancelled, when given, tells which.
    static bool saveAsXls(const QString& fileName, const QString& title, QTableView* view, bool* cancelled = nullptr);
    static bool saveAsCsv(const QString& fileName, const QString& title, QTableView* view, bool* cancelled = nullptr);
    static bool saveAsHtml(const QString& fileName, const QString& title, QTableView* view, bool* cancelled = nullptr);
    static bool saveAsPdf(const QString& fileName, const QString& title, QTableView* view, bool* cancelled = nullptr);

    // The list as an HTML table. `step`, when given, hears now and then how
    // many rows are written of how many; its false gives up, with nothing.
    static QString tableViewToHtml(const QString& title, QTableView* view,
                                   const std::function<bool(int done, int rows)>& step = {});
    static QString escapeCsv(QString text);

    // The path the save dialog proposes: the remembered folder, else the
    // documents folder, followed by the default name.
    static QString proposedPath(const QString& defaultName);
    // The dialog's filters, the last format used first.
    static QStringList filters();
    // The format a file name asks for by its ending.
    static Formato formatOf(const QString& fileName);
    // The name to write for the name and type chosen in the save dialog: a
    // name ending in a known format keeps it; any other gets the type's ending.
    static QString withChosenFormat(const QString& fileName, const QString& chosenFilter);
    // What the dialogue does with the chosen name: remembers the folder and the
    // format, writes the file and tells the user about a failure. True when written.
    static bool saveTo(const QString& fileName, const QString& title, QTableView* view);
};

#endif // ASAVEASHELPER_H
