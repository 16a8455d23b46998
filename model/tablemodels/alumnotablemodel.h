#ifndef ALUMNOTABLEMODEL_H
#define ALUMNOTABLEMODEL_H

#include "entitytablemodel.h"

class Alumno;

// The students of the students page: current, former or all of them.
class AlumnoTableModel : public EntityTableModel<Alumno>
{
    Q_OBJECT

public:
    enum class Column {
        Nombre,
        Apellidos,
        Instituto,
        Observaciones,
        Dni,
        Localidad,
        Cp,
        Email,
        Descuento,
        Banco,
        Telefonos,
        Count
    };

    // The process-wide model, created on first use and never deleted.
    static AlumnoTableModel* instance();

    // Reloads the students of the current mode, phones included.
    void refresh() override;
    // The student's id behind a row, or -1.
    int getId(const QModelIndex& index) const;

    // Alumno::Modo: 0 current students, 1 former students, 2 all; takes effect at refresh().
    int modo() const { return m_modo; }
    void setModo(int modo) { m_modo = modo; }

protected:
    QVariant cell(Alumno* a, const QModelIndex& index) const override;
    int rowId(const Alumno* a) const override;

private:
    explicit AlumnoTableModel(QObject* parent = nullptr);

    int m_modo = 0;
};

#endif // ALUMNOTABLEMODEL_H
