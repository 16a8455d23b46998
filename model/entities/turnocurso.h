#ifndef TURNOCURSO_H
#define TURNOCURSO_H

#include <QDate>
#include <QList>
#include <QObject>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

class Alta;
class Alumno;
class Asignatura;
class Curso;
class LineaListado;
class Listado;
class TurnoAsignatura;

// One timetable variant of a course: a named group of one subject shift per
// subject of the course.
class TurnoCurso : public QObject
{
    Q_OBJECT
public:
    static const QString TABLE;
    static const QStringList COLUMNS;

    explicit TurnoCurso(QObject* parent = nullptr);
    TurnoCurso(int id, QObject* parent);

    int getId() const { return m_id; }
    int id() const { return m_id; }
    QString getNombre() const { return m_nombre; }
    void setNombre(const QString& nombre) { m_nombre = nombre; }
    double getPrecioOrientativo() const { return m_precioOrientativo; }
    void setPrecioOrientativo(double precio) { m_precioOrientativo = precio; }
    int getIdCurso() const { return m_idCurso; }
    void setIdCurso(int idCurso) { m_idCurso = idCurso; }

    void setCurso(Curso* curso);
    // Null (with a warning) when the shift has no course that loads.
    Curso* getCurso();

    QList<TurnoAsignatura*> getTurnosAsignatura();
    int getNumTurnosAsignatura();
    void addTurnoAsignatura(TurnoAsignatura* turno);
    void removeTurnoAsignatura(TurnoAsignatura* turno);
    void removeTurnoAsignaturaById(int id);
    // Every member standing for the subject: stored, created for it, or the
    // empty member waiting for a choice.
    void removeTurnosDeAsignatura(Asignatura* asignatura);
    void clearTurnosAsignatura();


    static TurnoCurso* fromQuery(QSqlQuery& query);
    static TurnoCurso* getFromDB(int id);
    static QList<TurnoCurso*> listByCurso(int idCurso);
    // Every course shift, each carrying its course (id, name, description).
    static QList<TurnoCurso*> listForModel();

    bool storeTurnosAsignatura();
    bool persist(bool useTransaction = true);
    bool update(bool useTransaction = true);
    // The last shift of a course takes the course with it, unless conCurso
    // is false (the course is being written with other shifts).
    static bool remove(int id, bool conCurso = true);
    // After the transaction that stored it was taken back: new again.
    void olvidarId() { m_id = 0; }

    // Student listings: type 0 current students, 1 registrations and
    // 2 withdrawals in [ini, fin]. A new listing owned by the caller.
    Listado* listado(bool conImportes, int tipoListado, QDate ini = QDate(), QDate fin = QDate());
    Listado* listadoAltas(QDate ini, QDate fin);
    Listado* listadoBajas(QDate ini, QDate fin);
    static LineaListado* lineaAlumno(Alumno* alumno, const QList<TurnoAsignatura*>& turnos,
                                     const QList<Alta*>& altas, bool conImportes, bool conFechas);

private:
    friend class Curso;
    void loadTurnosAsignatura();

    int m_id = 0;
    QString m_nombre;
    double m_precioOrientativo = 0;
    int m_idCurso = 0;
    Curso* m_curso = nullptr;
    QList<TurnoAsignatura*> m_turnos;
    QList<TurnoAsignatura*> m_turnosNuevos;
    bool m_loaded = false;
};

#endif // TURNOCURSO_H
