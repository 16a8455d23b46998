#ifndef TURNOCURSOTABLEMODEL_H
#define TURNOCURSOTABLEMODEL_H

#include "entitytablemodel.h"

#include <QHash>

class TurnoCurso;

// Every course shift with data of its course; loaded by refresh() in a fixed
// number of queries, data() reads memory only.
class TurnoCursoTableModel : public EntityTableModel<TurnoCurso>
{
    Q_OBJECT
public:
    enum class Column { Curso, Turno, Descripcion, Precio, NumTurnosAsignatura, Count };

    // The process-wide model, created on first use and never deleted.
    static TurnoCursoTableModel* instance();

    void refresh() override;
    // The course-shift id of the row behind index (of this model or of a proxy on it); -1 otherwise.
    int getId(const QModelIndex& index) const;

protected:
    QVariant cell(TurnoCurso* turno, const QModelIndex& index) const override;
    int rowId(const TurnoCurso* turno) const override;

private:
    explicit TurnoCursoTableModel(QObject* parent = nullptr);
    static QStringList titles();
    void load();

    QHash<int, int> m_numTurnosAsignatura;
};

#endif // TURNOCURSOTABLEMODEL_H
