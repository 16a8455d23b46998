#ifndef ASIGNATURASALUMNOTABLEMODEL_H
#define ASIGNATURASALUMNOTABLEMODEL_H

#include "readonlytablemodel.h"

#include <QList>

class Alta;
class Alumno;

// The enrolments of one student. Unlike the shared models it hands out its
// own enrolment objects, valid until the next refresh().
class AsignaturasAlumnoTableModel : public ReadOnlyTableModel
{
    Q_OBJECT

public:
    AsignaturasAlumnoTableModel(int idAlumno, QObject* parent = nullptr);
    ~AsignaturasAlumnoTableModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Reads the student's enrolments again from the database.
    void refresh();
    // The enrolment behind a row (owned by the model), or null.
    Alta* getId(const QModelIndex& index) const;

private:
    Alumno* m_alumno = nullptr;
    QList<Alta*> m_altas;
};

#endif // ASIGNATURASALUMNOTABLEMODEL_H
