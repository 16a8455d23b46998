#ifndef ALUMNOTABLEMODEL_H
#define ALUMNOTABLEMODEL_H

#include "entitytablemodel.h"

class Alumno;

// The students of the students page: current, former or all of them.
class AlumnoTableModel : public EntityTableModel<Alumno>
{
    Q_OBJECT

public:
    explicit AlumnoTableModel(QObject* parent = nullptr);

    // Reloads the students of the current mode, phones included.
    void refresh();
    // The student's id behind a row, or -1.
    int getId(const QModelIndex& index) const;

    // 0 current students, 1 former students, 2 all; takes effect at refresh().
    int modo = 0;

protected:
    QVariant cell(Alumno* a, const QModelIndex& index) const override;
};

#endif // ALUMNOTABLEMODEL_H
