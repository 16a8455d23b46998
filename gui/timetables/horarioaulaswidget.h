#ifndef HORARIOAULASWIDGET_H
#define HORARIOAULASWIDGET_H

#include "horariosemanalwidget.h"


// The weekly timetable of one classroom.
class HorarioAulasWidget : public HorarioSemanalWidget
{
    Q_OBJECT
public:
    HorarioAulasWidget();
    ~HorarioAulasWidget() override;

public slots:
    void refreshCmb() override;
    QString getHeaderForPrint() override;

protected:
    QStringList chooserTables() const override { return {QStringLiteral("aula")}; }
    bool loadShown(int id) override;
    bool showsSession(const SesionDeClase& sesion) const override;
    HorarioEntryBuilder::Lines toolTipLines() const override;

private:
    int m_idAula = 0;
};

#endif // HORARIOAULASWIDGET_H
