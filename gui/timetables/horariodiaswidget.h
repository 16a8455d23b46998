#ifndef HORARIODIASWIDGET_H
#define HORARIODIASWIDGET_H

#include "horarioswidget.h"

#include "atimetablesession.h"

#include <QList>

class Aula;

// The timetable of one weekday, one column per classroom; also where
// classrooms are added, edited and removed.
class HorarioDiasWidget : public HorariosWidget
{
    Q_OBJECT
public:
    HorarioDiasWidget();
    ~HorarioDiasWidget() override;

    int getDayForNewSession() override;
    int getAulaForNewSession() override;
    // Lays the day's boxes out unseen, a few in each idle turn of the event
    // loop: their labels are the dear part of drawing, and the canvas keeps
    // them for the first activation. Stops once the view is activated.
    void layOutAhead();

public slots:
    void refresh() override;
    bool printsOverSheets() const override { return true; }
    void refreshCmb() override;
    void showContextMenu() override;
    void addAula();
    void editAula();
    void removeAula();
    void saveCurrentIndex(int id) override;
    QString getHeaderForPrint() override;

protected:
    void updateActions() override;

private:
    void layOutMoreAhead();
    QList<ATimeTableSession> entriesOfTheDay();
    void loadAulas();
    QString sessionsList(const QList<SesionDeClase*>& sesiones) const;

    QList<Aula*> m_aulas;
    QList<ATimeTableSession> m_ahead;
    qsizetype m_aheadLaidOut = 0;
    bool m_layingOutAhead = false;
};

#endif // HORARIODIASWIDGET_H
