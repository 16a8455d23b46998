#ifndef PROFESORTABLEMODEL_H
#define PROFESORTABLEMODEL_H

#include "entitytablemodel.h"

class Profesor;

// Every teacher, in storage order; former teachers included.
class ProfesorTableModel : public EntityTableModel<Profesor>
{
    Q_OBJECT

public:
    enum class Column {
        Nombre,
        Apellidos,
        Apodo,
        Dni,
        Localidad,
        Cp,
        Email,
        SueldoPorcentaje,
        Retencion,
        Banco,
        FAlta,
        FBaja,
        Telefonos,
        Count
    };

    // The process-wide model, created on first use and never deleted.
    static ProfesorTableModel* instance();

    void refresh() override;
    // The teacher's id behind a row, or -1.
    int getId(const QModelIndex& index) const;

protected:
    QVariant cell(Profesor* p, const QModelIndex& index) const override;
    int rowId(const Profesor* p) const override;

private:
    explicit ProfesorTableModel(QObject* parent = nullptr);
};

#endif // PROFESORTABLEMODEL_H
