#ifndef CURSO_H
#define CURSO_H

#include <QList>
#include <QObject>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

class Asignatura;
class TurnoCurso;

// A course: a named bundle of subjects, offered in course shifts. Its
// subjects and shifts are edited in memory and written with it.
class Curso : public QObject
{
    Q_OBJECT
public:
    static const QString TABLE;
    static const QStringList COLUMNS;

    explicit Curso(QObject* parent = nullptr);
    Curso(int id, QObject* parent);

    int id() const { return m_id; }
    QString nombre() const { return m_nombre; }
    void setNombre(const QString& nombre) { m_nombre = nombre; }
    double precioOrientativo() const { return m_precioOrientativo; }
    void setPrecioOrientativo(double precio) { m_precioOrientativo = precio; }
    QString descripcion() const { return m_descripcion; }
    void setDescripcion(const QString& descripcion) { m_descripcion = descripcion; }

    QList<Asignatura*> asignaturas();
    void addAsignatura(Asignatura* asignatura);
    void removeAsignatura(Asignatura* asignatura);

    QList<TurnoCurso*> turnos();
    bool addTurnoCurso(TurnoCurso* turno);
    void delTurnoCurso(TurnoCurso* turno);
    void removeTurnoById(int id);

    static Curso* fromQuery(QSqlQuery& query);
    static QList<Curso*> list();
    static Curso* getFromDB(int id);
    static Curso* getFromDBByNombre(const QString& nombre);

    bool saveAsignaturas();
    bool persist();
    bool update();
    bool remove();

private:
    // The new shifts, for this course, inside the caller's transaction; stops at the first failure.
    bool persistTurnosNuevos();
    bool removeTurnosBorrados();
    static Curso* getOne(const QString& condition, const QList<QVariant>& values);

    int m_id = 0;
    QString m_nombre;
    double m_precioOrientativo = 0;
    QString m_descripcion;

    QList<Asignatura*> m_asignaturas;
    bool m_asignaturasLoaded = false;
    QList<TurnoCurso*> m_turnos;
    bool m_turnosLoaded = false;
    QList<TurnoCurso*> m_turnosNuevos;
    QList<int> m_turnosBorrados;
};

#endif // CURSO_H
