#ifndef PROFESORTABLEMODEL_H
#define PROFESORTABLEMODEL_H

#include "entitytablemodel.h"

class Profesor;

// Every teacher, in storage order; former teachers included.
class ProfesorTableModel : public EntityTableModel<Profesor>
{
    Q_OBJECT

public:
    explicit ProfesorTableModel(QObject* parent = nullptr);

    void refresh();
    // The teacher's id behind a row, or -1.
    int getId(const QModelIndex& index) const;

protected:
    QVariant cell(Profesor* p, const QModelIndex& index) const override;
};

#endif // PROFESORTABLEMODEL_H
