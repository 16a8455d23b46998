#ifndef HORARIOALUMNOSWIDGET_H
#define HORARIOALUMNOSWIDGET_H

#include "horariosemanalwidget.h"

#include <QSet>

// The weekly timetable of one student: the sessions of every shift the
// student was ever signed up in.
class HorarioAlumnosWidget : public HorarioSemanalWidget
{
    Q_OBJECT
public:
    HorarioAlumnosWidget();
    ~HorarioAlumnosWidget() override;

public slots:
    void refreshCmb() override;
    QString getHeaderForPrint() override;

protected:
    QStringList chooserTables() const override { return {QStringLiteral("alumno")}; }
    bool loadShown(int id) override;
    bool showsSession(const SesionDeClase& sesion) const override;
    HorarioEntryBuilder::Lines toolTipLines() const override;

private:
    QSet<int> m_idsTurnos;
};

#endif // HORARIOALUMNOSWIDGET_H
