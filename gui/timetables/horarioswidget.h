#ifndef HORARIOSWIDGET_H
#define HORARIOSWIDGET_H

#include "centralwidget.h"
#include "tablestamp.h"

#include <QList>
#include <QPointer>
#include <QSet>

#include <memory>
#include <vector>

class ATimeTableWidget;
class PageSession;
class QDialog;
class QMenu;
class QPrinter;
class SesionDeClase;

namespace Ui {
class HorariosWidget;
}

// Base of the timetable views: a chooser above the grid canvas, the hour
// range with "Show all", the outside-range warning, printing, the context
// menu with the session actions and the status protocol on leaving. A view
// fills the chooser and the grid.
class HorariosWidget : public CentralWidget
{
    Q_OBJECT
public:
    explicit HorariosWidget(QWidget* parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());
    ~HorariosWidget() override;

    void activateWidget() override;
    // Activates the view on the chooser's entry of that id (the first when none).
    void activateOn(int id);
    // Runs the consistency check on the section's transaction; true once it is committed.
    bool isValidState() override;

    // Selects the first entry carrying the id, else entry 0.
    void setCurrentId(int id);
    // Item data of the current entry; 0 when none is current.
    int currentId() const;
    // The section's transaction; the section window hands it to every view.
    void setPageSession(PageSession* session);
    // Closes the classroom and session dialogs this view opened, unsaved.
    void closeDialogs();
    // Prints straight onto the printer, as the preview shows it.
    void printTo(QPrinter* printer);

    virtual int getDayForNewSession();
    virtual int getAulaForNewSession();

    ATimeTableWidget* canvas() const;

public slots:
    virtual void refresh();
    void changeHourRange(bool showAll, bool warn);
    void changeHourRange(bool showAll);
    void print();
    virtual void refreshCmb() = 0;
    virtual void showContextMenu();
    virtual void saveCurrentIndex(int id) = 0;
    virtual QString getHeaderForPrint() = 0;
    void addSesion();
    void editSesion();
    void removeSesion();

protected:
    // The tables the chooser's entries are read from; none: the chooser is
    // refilled at every activation.
    virtual QStringList chooserTables() const { return {}; }
    // The entry the first activation shows, before the chooser holds any.
    virtual int firstShownId() const { return currentId(); }
    // Whether the grid is cut over several sheets rather than printed smaller
    // than a readable size: a day has a column per classroom, as many as the
    // academy has; a week always has seven and prints on one sheet.
    virtual bool printsOverSheets() const { return false; }
    // Refills the chooser unless its tables are unchanged since its last fill.
    void fillChooser();
    void checkLastSessionDatabase();
    // Whether any shown session lies outside the hours the canvas draws.
    bool sessionsOutsideRange() const;
    void showOutsideWarning();
    // The session ids of every overlap the consistency check finds now; none
    // (and no check) before the view is first activated, since until then
    // nothing shows what a refresh draws.
    QSet<int> overlapIds() const;
    bool wasActivated() const { return m_activated; }
    // Replaces the shown sessions, deleting the old ones.
    void setShownSessions(const QList<SesionDeClase*>& sesiones);
    // Sets every context-menu action from what the last request found.
    virtual void updateActions();
    // Remembers what lies under the pointer of the last context-menu request.
    void rememberPointer();
    void trackDialog(QDialog* dialog);
    void storeSelection();

    Ui::HorariosWidget* ui;
    QList<SesionDeClase*> m_sesiones;
    int m_firstHour = 0;
    int m_lastHour = 23;
    QMenu* m_menu = nullptr;
    // before any request: no session, the first weekday or classroom
    int m_sesionRecordada = -1;
    int m_columnaRecordada = 0;
    bool m_sesionEnPuntero = false;
    bool m_columnaEnPuntero = false;

private:
    bool outsideRange(int firstHour, int endHour) const;
    void printWith(QPrinter* printer, bool preview);
    // The grid as printed with that header and footer, no text smaller than
    // a readable size: on one sheet when it fits so, else cut over landscape
    // sheets, each with the hour column and the header row (a week always on
    // one sheet).
    std::vector<std::unique_ptr<ATimeTableWidget>> printPages(QPrinter* printer, const QString& header,
                                                              const QString& footer) const;
    QList<QPointer<QDialog>> m_dialogs;
    QPointer<PageSession> m_session;
    bool m_activated = false;
    // what the chooser's tables held at its last fill
    TableStamp m_chooserFilled;
    bool m_chooserFilledOnce = false;
};

#endif // HORARIOSWIDGET_H
