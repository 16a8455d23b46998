#ifndef TURNOCURSOTABLEMODEL_H
#define TURNOCURSOTABLEMODEL_H

#include "readonlytablemodel.h"

#include <QHash>
#include <QList>
#include <QStringList>

class TurnoCurso;

// Every course shift with data of its course; loaded by refresh() in a fixed
// number of queries, data() reads memory only.
class TurnoCursoTableModel : public ReadOnlyTableModel
{
    Q_OBJECT
public:
    explicit TurnoCursoTableModel(QObject* parent = nullptr);
    ~TurnoCursoTableModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void refresh();
    // The course-shift id of the row behind index (of this model or of a proxy on it); -1 otherwise.
    int getId(const QModelIndex& index) const;

private:
    static QStringList titles();
    void load();

    QList<TurnoCurso*> m_turnos;
    QHash<int, int> m_numTurnosAsignatura;
};

#endif // TURNOCURSOTABLEMODEL_H
