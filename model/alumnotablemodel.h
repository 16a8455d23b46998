#ifndef ALUMNOTABLEMODEL_H
#define ALUMNOTABLEMODEL_H

#include "readonlytablemodel.h"

#include <QList>

class Alumno;

// The students of the students page: current, former or all of them.
class AlumnoTableModel : public ReadOnlyTableModel
{
    Q_OBJECT

public:
    explicit AlumnoTableModel(QObject* parent = nullptr);
    ~AlumnoTableModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Reloads the students of the current mode, phones included.
    void refresh();
    // The student's id behind a row, or -1.
    int getId(const QModelIndex& index) const;

    // 0 current students, 1 former students, 2 all; takes effect at refresh().
    int modo = 0;

private:
    QList<Alumno*> m_alumnos;
};

#endif // ALUMNOTABLEMODEL_H
