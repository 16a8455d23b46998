#ifndef HORARIOSEMANALWIDGET_H
#define HORARIOSEMANALWIDGET_H

#include "horarioentrybuilder.h"
#include "horarioswidget.h"

// The weekly timetable of one chosen student, classroom or teacher: one
// column per weekday. A view says which entity the chooser lists, which
// sessions belong to it and which tooltip lines it shows.
class HorarioSemanalWidget : public HorariosWidget
{
    Q_OBJECT
public:
    // settingsKey: where the last selection is kept in LASTSESSIONSTATUS.
    explicit HorarioSemanalWidget(const QString& settingsKey);
    ~HorarioSemanalWidget() override;

public slots:
    void refresh() override;
    void showContextMenu() override;
    void saveCurrentIndex(int id) override;

protected:
    // The construction steps that need the view's own chooser.
    void setUp(const QString& title, const QString& cornerText);
    // Loads the entity with the id; false when it does not exist.
    virtual bool loadShown(int id) = 0;
    virtual bool showsSession(const SesionDeClase& sesion) const = 0;
    virtual HorarioEntryBuilder::Lines toolTipLines() const = 0;
    int firstShownId() const override { return m_rememberedId; }

private:
    void showEmptyGrid();

    QString m_settingsKey;
    // the entry shown when the last run ended; 0: none, the first entry
    int m_rememberedId = 0;
    bool m_fallingBack = false;
};

#endif // HORARIOSEMANALWIDGET_H
