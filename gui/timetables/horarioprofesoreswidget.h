#ifndef HORARIOPROFESORESWIDGET_H
#define HORARIOPROFESORESWIDGET_H

#include "horariosemanalwidget.h"


// The weekly timetable of one teacher; sessions without teacher never show.
class HorarioProfesoresWidget : public HorarioSemanalWidget
{
    Q_OBJECT
public:
    HorarioProfesoresWidget();
    ~HorarioProfesoresWidget() override;

public slots:
    void refreshCmb() override;
    QString getHeaderForPrint() override;

protected:
    QStringList chooserTables() const override { return {QStringLiteral("profesor")}; }
    bool loadShown(int id) override;
    bool showsSession(const SesionDeClase& sesion) const override;
    HorarioEntryBuilder::Lines toolTipLines() const override;

private:
    int m_idProfesor = 0;
};

#endif // HORARIOPROFESORESWIDGET_H
