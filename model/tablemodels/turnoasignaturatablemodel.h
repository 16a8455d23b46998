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
    enum class Column { Asignatura, Turno, Descripcion, Precio, Cursos, Profesores, NumAlumnos, Orden, Count };

    // The process-wide model, created on first use and never deleted.
    static TurnoAsignaturaTableModel* instance();

    void refresh() override;
    // The shift id of the row behind index (of this model or of a proxy on it); -1 otherwise.
    int getId(const QModelIndex& index) const;

protected:
    QVariant cell(TurnoAsignatura* turno, const QModelIndex& index) const override;
    int rowId(const TurnoAsignatura* turno) const override;
    void catchUp() override;

private:
    explicit TurnoAsignaturaTableModel(QObject* parent = nullptr);
    static QStringList titles();
    void load();
    void countAltas();

    QHash<int, QString> m_cursosPorTurno;
    QHash<int, QString> m_profesoresPorAsignatura;
    QHash<int, int> m_altasPorTurno;
    // what every table but the sign-ups held at the last whole load
    TableStamp m_rowsLoaded{{QStringLiteral("turnoasignatura"), QStringLiteral("asignatura"), QStringLiteral("curso"),
                             QStringLiteral("turnocurso"), QStringLiteral("turnocurso_turnoasignatura"),
                             QStringLiteral("profesor"), QStringLiteral("profesor_asignatura")}};
};

#endif // TURNOASIGNATURATABLEMODEL_H
