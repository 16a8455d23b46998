#ifndef TURNOASIGNATURATABLEMODEL_H
#define TURNOASIGNATURATABLEMODEL_H

#include "readonlytablemodel.h"

#include <QHash>
#include <QList>
#include <QStringList>

class TurnoAsignatura;

// Every subject shift with data of its subject. Everything the cells show is
// loaded by refresh() in a fixed number of queries; data() reads memory only.
class TurnoAsignaturaTableModel : public ReadOnlyTableModel
{
    Q_OBJECT
public:
    explicit TurnoAsignaturaTableModel(QObject* parent = nullptr);
    ~TurnoAsignaturaTableModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void refresh();
    // The shift id of the row behind index (of this model or of a proxy on it); -1 otherwise.
    int getId(const QModelIndex& index) const;

private:
    static QStringList titles();
    void load();

    QList<TurnoAsignatura*> m_turnos;
    QHash<int, QString> m_cursosPorTurno;
    QHash<int, QString> m_profesoresPorAsignatura;
    QHash<int, int> m_altasPorTurno;
};

#endif // TURNOASIGNATURATABLEMODEL_H
