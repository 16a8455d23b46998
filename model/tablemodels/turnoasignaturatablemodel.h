#ifndef TURNOASIGNATURATABLEMODEL_H
#define TURNOASIGNATURATABLEMODEL_H

#include "entitytablemodel.h"

#include <QHash>

class TurnoAsignatura;

// Every subject shift with data of its subject. Everything the cells show is
// loaded by refresh() in a fixed number of queries; data() reads memory only.
class TurnoAsignaturaTableModel : public EntityTableModel<TurnoAsignatura>
{
    Q_OBJECT
public:
    explicit TurnoAsignaturaTableModel(QObject* parent = nullptr);

    void refresh();
    // The shift id of the row behind index (of this model or of a proxy on it); -1 otherwise.
    int getId(const QModelIndex& index) const;

protected:
    QVariant cell(TurnoAsignatura* turno, const QModelIndex& index) const override;

private:
    static QStringList titles();
    void load();

    QHash<int, QString> m_cursosPorTurno;
    QHash<int, QString> m_profesoresPorAsignatura;
    QHash<int, int> m_altasPorTurno;
};

#endif // TURNOASIGNATURATABLEMODEL_H
