#ifndef HORARIODIASWIDGET_H
#define HORARIODIASWIDGET_H

#include "horarioswidget.h"

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
    void loadAulas();
    QString sessionsList(const QList<SesionDeClase*>& sesiones) const;

    QList<Aula*> m_aulas;
};

#endif // HORARIODIASWIDGET_H
