#ifndef ASIGNATURA_H
#define ASIGNATURA_H

#include <QList>
#include <QObject>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

class Profesor;
class TurnoAsignatura;

// A subject the academy teaches, with its shifts and the teachers who may
// teach it; both lists are edited in memory and written with the subject.
class Asignatura : public QObject
{
    Q_OBJECT
public:
    static const QString TABLE;
    static const QStringList COLUMNS;

    explicit Asignatura(QObject* parent = nullptr);
    Asignatura(int id, QObject* parent);

    int id() const { return m_id; }
    QString nombre() const { return m_nombre; }
    void setNombre(const QString& nombre) { m_nombre = nombre; }
    QString descripcion() const { return m_descripcion; }
    void setDescripcion(const QString& descripcion) { m_descripcion = descripcion; }
    double precioOrientativo() const { return m_precioOrientativo; }
    void setPrecioOrientativo(double precio) { m_precioOrientativo = precio; }
    int edad() const { return m_edad; }
    void setEdad(int edad) { m_edad = edad; }

    // The shifts as they stand in memory: stored ones not removed, then new ones.
    QList<TurnoAsignatura*> turnos();
    QList<Profesor*> profesores();
    // False, leaving the subject as it was, when another of its shifts has the name.
    bool addTurno(TurnoAsignatura* turno);
    // No other shift of the subject than except has the name.
    bool nombreTurnoLibre(const QString& nombre, const TurnoAsignatura* except = nullptr);
    void removeTurno(TurnoAsignatura* turno);
    void addProfesor(Profesor* profesor);
    void removeProfesor(Profesor* profesor);
    QString profesoresString();
    QString toString();

    static Asignatura* fromQuery(QSqlQuery& query);
    static QList<Asignatura*> list();
    static QList<Asignatura*> listPorCurso(int idCurso);
    static Asignatura* getFromDB(int id);

    bool persist();
    bool update();
    // The last update stopped because the user declined a question: nothing failed.
    bool abortado() const { return m_abortado; }
    static bool remove(int id);
    // Why the last removal was refused; kept until the next refusal.
    static QString errorString();

private:
    // The new shifts, for this subject, inside the caller's transaction; stops at the first failure.
    bool persistTurnosNuevos();
    bool removeTurnosBorrados();
    bool linkProfesor(Profesor* profesor);
    // Stops at the first link that fails.
    bool linkProfesores(const QList<Profesor*>& profesores);
    static QList<Asignatura*> listFromQuery(QSqlQuery& query);

    int m_id = 0;
    QString m_nombre;
    double m_precioOrientativo = 0;
    QString m_descripcion;
    int m_edad = 0;

    QList<TurnoAsignatura*> m_turnos;
    QList<TurnoAsignatura*> m_turnosNuevos;
    QList<int> m_turnosBorrados;
    QList<Profesor*> m_profesores;
    QList<Profesor*> m_profesoresNuevos;
    QList<int> m_profesoresBorrados;
    bool m_turnosLoaded = false;
    bool m_profesoresLoaded = false;
    bool m_abortado = false;
};

#endif // ASIGNATURA_H
