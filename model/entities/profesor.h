#ifndef PROFESOR_H
#define PROFESOR_H

#include <QDate>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>

class Listado;
class ListadoResEcon;
class QSqlQuery;

// A teacher: personal and bank data, phones, the three independent pay
// figures and the withholding applied to that pay.
class Profesor : public QObject
{
    Q_OBJECT

public:
    typedef QList<QPair<QString, QString>> Telefonos;

    static const QString TABLE;
    static const QStringList COLUMNS;

    explicit Profesor(QObject* parent = nullptr);
    Profesor(int id, QObject* parent = nullptr);

    int id() const { return m_id; }
    QString nombre() const { return m_nombre; }
    QString apellidos() const { return m_apellidos; }
    QString apodo() const { return m_apodo; }
    QString ccc() const { return m_ccc; }
    QString dni() const { return m_dni; }
    QString direccion() const { return m_direccion; }
    QString localidad() const { return m_localidad; }
    QString provincia() const { return m_provincia; }
    QString cp() const { return m_cp; }
    QString email() const { return m_email; }
    double sueldoFijo() const { return m_sueldoFijo; }
    double sueldoPorHora() const { return m_sueldoPorHora; }
    double sueldoPorcentaje() const { return m_sueldoPorcentaje; }
    double retencion() const { return m_retencion; }
    QString banco() const { return m_banco; }
    QString direccionBanco() const { return m_direccionBanco; }
    QDate fAlta() const { return m_fAlta; }
    QDate fBaja() const { return m_fBaja; }

    void setNombre(const QString& v) { m_nombre = v; }
    void setApellidos(const QString& v) { m_apellidos = v; }
    void setApodo(const QString& v) { m_apodo = v; }
    void setCcc(const QString& v) { m_ccc = v; }
    void setDni(const QString& v) { m_dni = v; }
    void setDireccion(const QString& v) { m_direccion = v; }
    void setLocalidad(const QString& v) { m_localidad = v; }
    void setProvincia(const QString& v) { m_provincia = v; }
    void setCp(const QString& v) { m_cp = v; }
    void setEmail(const QString& v) { m_email = v; }
    void setSueldoFijo(double v) { m_sueldoFijo = v; }
    void setSueldoPorHora(double v) { m_sueldoPorHora = v; }
    void setSueldoPorcentaje(double v) { m_sueldoPorcentaje = v; }
    void setRetencion(double v) { m_retencion = v; }
    void setBanco(const QString& v) { m_banco = v; }
    void setDireccionBanco(const QString& v) { m_direccionBanco = v; }
    void setFAlta(const QDate& v) { m_fAlta = v; }
    void setFBaja(const QDate& v) { m_fBaja = v; }

    Telefonos telefonos() const { return m_telefonos; }
    void setTelefonos(const Telefonos& telefonos) { m_telefonos = telefonos; }
    // "name: number" entries joined by "; ".
    QString telefonosToString() const;
    // "nickname - name surnames", or "name surnames" without a nickname.
    QString nombreCompleto() const;


    // Reports. A period runs from ini to the day before fin; where a null
    // date is allowed it means the current month's bound. The caller owns
    // every listing returned.

    // The students of the shifts this teacher has sessions in. Never null.
    Listado* listadoAlumnos(const QDate& ini = QDate(), const QDate& fin = QDate()) const;

    // A pay part's listing (null when the part does not apply) and amount.
    typedef QPair<Listado*, double> ParteSueldo;
    ParteSueldo liquidacionFijo(const QDate& ini, const QDate& fin) const;
    // Counts the teacher's own sessions only.
    ParteSueldo liquidacionPorHora(const QDate& ini, const QDate& fin) const;
    // *ok turns false when the shifts' incomes could not be read: they then
    // count as 0 and the amount must not be paid out.
    ParteSueldo liquidacionPorcentaje(const QDate& ini, const QDate& fin, bool* ok = nullptr) const;
    // The listings of the parts that apply followed by a "Total" listing;
    // empty when no part applies. *ok as for the percentage part.
    QList<Listado*> liquidacion(const QDate& ini = QDate(), const QDate& fin = QDate(), bool* ok = nullptr) const;

    // The academy's account of the period, teacher by teacher. Never null;
    // *ok turns false when some income could not be read.
    static ListadoResEcon* resumenEconomico(const QDate& ini = QDate(), const QDate& fin = QDate(),
                                            bool* ok = nullptr);

    // Without phones.
    static Profesor* fromQuery(QSqlQuery& query);
    // With phones; null when there is no such teacher.
    static Profesor* getFromDB(int id);
    // Every teacher in storage order, with phones (one query for all phones).
    static QList<Profesor*> getAll();
    // The teachers linked to a subject, without phones.
    static QList<Profesor*> getByAsignatura(int idAsignatura);

    // A copy of every field, phones and id included.
    Profesor* copia(QObject* parent = nullptr) const;
    // After the transaction that stored it was taken back: new again.
    void olvidarId() { m_id = 0; }

    // The row and its phones are written together or not at all.
    bool persist();
    bool update();
    static bool remove(int id);

private:
    void loadTelefonos();
    bool saveTelefonos(const Telefonos& telefonos);
    static bool deleteTelefonos(int idProfesor);
    static QStringList columnas(int pos, int length);
    QList<QVariant> fieldValues() const;

    int m_id = 0;
    QString m_nombre;
    QString m_apellidos;
    QString m_apodo;
    QString m_ccc;
    QString m_dni;
    QString m_direccion;
    QString m_localidad;
    QString m_provincia;
    QString m_cp;
    QString m_email;
    double m_sueldoFijo = 0.0;
    double m_sueldoPorHora = 0.0;
    double m_sueldoPorcentaje = 0.0;
    double m_retencion = 0.0;
    QString m_banco;
    QString m_direccionBanco;
    QDate m_fAlta;
    QDate m_fBaja;
    Telefonos m_telefonos;
};

#endif // PROFESOR_H
