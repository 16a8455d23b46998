#ifndef ASIGNATURASALUMNOTABLEMODEL_H
#define ASIGNATURASALUMNOTABLEMODEL_H

#include "entitytablemodel.h"

class Alta;
class Alumno;

// The enrolments of one student. Unlike the shared models it hands out its
// own enrolment objects, valid until the next refresh().
class AsignaturasAlumnoTableModel : public EntityTableModel<Alta>
{
    Q_OBJECT

public:
    enum class Column { Asignatura, Turno, FAlta, FBaja, Precio, Observaciones, Count };

    AsignaturasAlumnoTableModel(int idAlumno, QObject* parent = nullptr);
    ~AsignaturasAlumnoTableModel() override;

    // Reads the student's enrolments again from the database.
    void refresh() override;
    // The enrolment behind a row (owned by the model), or null.
    Alta* getId(const QModelIndex& index) const;

protected:
    QVariant cell(Alta* alta, const QModelIndex& index) const override;
    int rowId(const Alta* alta) const override;

private:
    QList<Alta*> altas() const;

    Alumno* m_alumno = nullptr;
};

#endif // ASIGNATURASALUMNOTABLEMODEL_H
