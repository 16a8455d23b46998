#ifndef PROFESORTABLEMODEL_H
#define PROFESORTABLEMODEL_H

#include "readonlytablemodel.h"

#include <QList>

class Profesor;

// Every teacher, in storage order; former teachers included.
class ProfesorTableModel : public ReadOnlyTableModel
{
    Q_OBJECT

public:
    explicit ProfesorTableModel(QObject* parent = nullptr);
    ~ProfesorTableModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void refresh();
    // The teacher's id behind a row, or -1.
    int getId(const QModelIndex& index) const;

private:
    QList<Profesor*> m_profesores;
};

#endif // PROFESORTABLEMODEL_H
