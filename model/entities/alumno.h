#ifndef ALUMNO_H
#define ALUMNO_H

#include <QDate>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

class Alta;
class DaoRow;
class AsignaturasAlumnoTableModel;
class QSqlQuery;

// A student: personal, school and bank data, a discount figure and named
// phones. Enrolments (Alta) point to the student and are written through it.
class Alumno : public QObject
{
    Q_OBJECT

public:
    typedef QList<QPair<QString, QString>> Telefonos;

    // Which students list(int, ...) answers.
    enum class Modo { Actuales = 0, Antiguos = 1, Todos = 2 };

    static const QString TABLE;
    static const QStringList COLUMNS;

    explicit Alumno(QObject* parent = nullptr);
    Alumno(int id, QObject* parent = nullptr);

    int id() const { return m_id; }
    QString nombre() const { return m_nombre; }
    QString apellidos() const { return m_apellidos; }
    QString instituto() const { return m_instituto; }
    QString observaciones() const { return m_observaciones; }
    QString ccc() const { return m_ccc; }
    QString dni() const { return m_dni; }
    QString direccion() const { return m_direccion; }
    QString localidad() const { return m_localidad; }
    QString provincia() const { return m_provincia; }
    QString cp() const { return m_cp; }
    QString email() const { return m_email; }
    double descuento() const { return m_descuento; }
    QString banco() const { return m_banco; }
    QString direccionBanco() const { return m_direccionBanco; }

    void setNombre(const QString& v) { m_nombre = v; }
    void setApellidos(const QString& v) { m_apellidos = v; }
    void setInstituto(const QString& v) { m_instituto = v; }
    void setObservaciones(const QString& v) { m_observaciones = v; }
    void setCcc(const QString& v) { m_ccc = v; }
    void setDni(const QString& v) { m_dni = v; }
    void setDireccion(const QString& v) { m_direccion = v; }
    void setLocalidad(const QString& v) { m_localidad = v; }
    void setProvincia(const QString& v) { m_provincia = v; }
    void setCp(const QString& v) { m_cp = v; }
    void setEmail(const QString& v) { m_email = v; }
    void setDescuento(double v) { m_descuento = v; }
    void setBanco(const QString& v) { m_banco = v; }
    void setDireccionBanco(const QString& v) { m_direccionBanco = v; }

    Telefonos telefonos() const { return m_telefonos; }
    void setTelefonos(const Telefonos& telefonos) { m_telefonos = telefonos; }
    // "name: number" entries joined by "; ".
    QString telefonosString() const;

    // With phones.
    static Alumno* fromQuery(QSqlQuery& query);
    static Alumno* getFromDB(int id);
    // orden and filtro are SQL fragments written by the program (an ORDER BY
    // list and a condition over the student table), never text typed by the
    // user. Every list carries its students' phones, read with one query.
    static QList<Alumno*> list(const QString& orden = QString(), const QString& filtro = QString());
    static QList<Alumno*> list(int modo, const QString& orden, const QString& filtro);
    // The rows of list(modo) read straight from SQLite, every column of
    // COLUMNS in order, without building objects; false when the read fails.
    // filtro: as in list().
    static bool readList(int modo, const std::function<void(const DaoRow&)>& onRow,
                         const QString& filtro = QString());
    // The ids of list(modo), in its order.
    static QList<int> ids(int modo);
    // The phones of these students, read with one query.
    static QHash<int, Telefonos> telefonosDe(const QList<int>& ids);
    // "name surnames" of the students whose surnames equal the given ones
    // after trimming, ignoring letter case (possible brothers and sisters).
    static QStringList buscarNombre(const QString& apellidos);

    // The row and its phones are written together or not at all.
    bool persist();
    bool update();
    static bool remove(int id);

    // The student's enrolments, read afresh; new objects owned by the caller.
    QList<Alta*> altas() const;
    // Withdraws every open enrolment that started on or before fecha (null:
    // today). False when some enrolment stays open: it starts later, or it
    // could not be written.
    bool darDeBaja(QDate fecha);
    AsignaturasAlumnoTableModel* getAsignaturasModel();
    int persistAlta(Alta* alta, bool forzar);
    int updateAlta(Alta* alta, bool forzar);

private:
    void loadTelefonos();
    template<class Row> static Alumno* fromRow(const Row& row);
    // The statement of a list and its values; empty for an unknown mode.
    static QString listSql(int modo, const QString& orden, const QString& filtro, QList<QVariant>* values);
    // The students the statement selects (every column of COLUMNS, in order), with their phones.
    static QList<Alumno*> listFromSql(const QString& sql, const QList<QVariant>& values);
    bool saveTelefonos(const Telefonos& telefonos);
    static bool borrarTelefonos(int idAlumno);
    QList<QVariant> fieldValues() const;

    int m_id = 0;
    QString m_nombre;
    QString m_apellidos;
    QString m_instituto;
    QString m_observaciones;
    QString m_ccc;
    QString m_dni;
    QString m_direccion;
    QString m_localidad;
    QString m_provincia;
    QString m_cp;
    QString m_email;
    double m_descuento = 0.0;
    QString m_banco;
    QString m_direccionBanco;
    Telefonos m_telefonos;
    AsignaturasAlumnoTableModel* m_asignaturasModel = nullptr;
};

#endif // ALUMNO_H
