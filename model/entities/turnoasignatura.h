#ifndef TURNOASIGNATURA_H
#define TURNOASIGNATURA_H

#include <QDate>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

class Alta;
class Asignatura;

// One shift of a subject: the group students sign up in and that meets in
// weekly class sessions.
class TurnoAsignatura : public QObject
{
    Q_OBJECT
public:
    static const QString TABLE;
    static const QStringList COLUMNS;

    explicit TurnoAsignatura(QObject* parent = nullptr);
    TurnoAsignatura(int id, QObject* parent);

    int id() const { return m_id; }
    int getId() const { return m_id; }
    QString getNombre() const { return m_nombre; }
    void setNombre(const QString& nombre) { m_nombre = nombre; }
    double getPrecioOrientativo() const { return m_precioOrientativo; }
    void setPrecioOrientativo(double precio) { m_precioOrientativo = precio; }
    double getSueldoProfesorPorAlta() const { return m_sueldoProfesorPorAlta; }
    void setSueldoProfesorPorAlta(double sueldo) { m_sueldoProfesorPorAlta = sueldo; }
    int getIdAsignatura() const { return m_idAsignatura; }
    void setIdAsignatura(int idAsignatura) { m_idAsignatura = idAsignatura; }

    void setAsignatura(Asignatura* asignatura);
    // Null (with a warning) when the shift has no subject that loads.
    Asignatura* getAsignatura();


    static TurnoAsignatura* fromQuery(QSqlQuery& query);
    static TurnoAsignatura* getFromDB(int id);
    static QList<TurnoAsignatura*> listByAsignatura(int idAsignatura);
    static QList<TurnoAsignatura*> listByProfesor(int idProfesor);
    static QList<TurnoAsignatura*> listByTurnoCurso(int idTurnoCurso);
    // Every shift, each carrying its subject (id, name, description, order).
    static QList<TurnoAsignatura*> listForModel();

    QList<int> getIdsTurnoCurso() const;
    QString getNombresCursos();

    bool persist(bool ownTransaction = true);
    bool update(bool ownTransaction = true);
    static bool remove(int id, bool ownTransaction = true);
    enum class Borrado { Hecho, Fallido, Abortado };
    // remove() inside the caller's transaction for a subject being written
    // with other shifts: the subject stays even when this was its last stored
    // shift. Abortado: the user declined the question about its sessions.
    static Borrado removeDeAsignatura(int id);
    // After the transaction that stored it was taken back: new again.
    void olvidarId() { m_id = 0; }

    // Figures of the shift.
    int getNumAltas(const QDate& date = QDate()) const;
    // getNumAltas of each listed shift in one query, by shift id; a shift
    // without sign-ups at the date is left out.
    static QHash<int, int> numAltasPorTurno(const QList<int>& idsTurnos, const QDate& date = QDate());
    QList<QPair<QString, double>> getAlumnosYPrecios(const QDate& ini, const QDate& fin) const;
    // A failed query answers 0 with *ok false, so it is never taken for an income.
    double getIngresos(const QDate& ini, const QDate& fin, bool* ok = nullptr) const;
    int getMaxAlumnos() const;
    // The first date on which the shift would be full with alta counted;
    // a null date when it fits.
    QDate getFechaSinPlaza(Alta* alta, bool isUpdate) const;

private:
    friend class Asignatura;
    QList<QVariant> columnValues() const;
    static QList<TurnoAsignatura*> listFromQuery(QSqlQuery& query);
    static void periodo(const QDate& ini, const QDate& fin, QDate* desde, QDate* hasta);
    static Borrado borrar(int id, bool ownTransaction, bool conAsignatura);

    int m_id = 0;
    QString m_nombre;
    double m_precioOrientativo = 0;
    double m_sueldoProfesorPorAlta = 0;
    int m_idAsignatura = 0;
    Asignatura* m_asignatura = nullptr;
    QString m_nombresCursos;
    bool m_nombresCursosLoaded = false;
};

#endif // TURNOASIGNATURA_H
