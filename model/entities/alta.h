#ifndef ALTA_H
#define ALTA_H

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

class QSqlQuery;

// The enrolment of one student in one subject shift, from a start date to an
// optional withdrawal date, at a monthly price.
class Alta : public QObject
{
    Q_OBJECT

public:
    // Answers of persist() and update().
    enum Codigo {
        Almacenada = 1,
        BajaAntesDeAlta = 3, // update only: withdrawal before start
        YaTieneId = 4,       // persist only
        SinId = 5,           // update only
        SinPlaza = 6,        // the shift's classroom capacity would be exceeded
        ErrorBaseDeDatos = 7
    };

    static const QString TABLE;
    static const QStringList COLUMNS;

    explicit Alta(int idAlumno, QObject* parent = nullptr);
    Alta(int id, int idAlumno, QObject* parent = nullptr);
    // Copies only the ids (enrolment, student, shift); the editing dialog sets
    // every other field of the changed enrolment itself.
    Alta(const Alta& other, QObject* parent = nullptr);

    int id() const { return m_id; }
    QDate falta() const { return m_falta; }
    QDate fbaja() const { return m_fbaja; }
    double precio() const { return m_precio; }
    double precioBase() const { return m_precioBase; }
    bool conDescuento() const { return m_conDescuento; }
    QString observaciones() const { return m_observaciones; }
    QString nombreAlumno() const { return m_nombreAlumno; }
    QString nombreTurnoAsignatura() const { return m_nombreTurnoAsignatura; }
    QString nombreAsignatura() const { return m_nombreAsignatura; }
    int idAlumno() const { return m_idAlumno; }
    // 0 once the shift was removed
    int idTurnoAsignatura() const { return m_idTurnoAsignatura; }

    void setFalta(const QDate& v) { m_falta = v; }
    void setFbaja(const QDate& v) { m_fbaja = v; }
    void setPrecio(double v) { m_precio = v; }
    void setPrecioBase(double v) { m_precioBase = v; }
    void setConDescuento(bool v) { m_conDescuento = v; }
    void setObservaciones(const QString& v) { m_observaciones = v; }
    void setNombreAlumno(const QString& v) { m_nombreAlumno = v; }
    void setNombreTurnoAsignatura(const QString& v) { m_nombreTurnoAsignatura = v; }
    void setNombreAsignatura(const QString& v) { m_nombreAsignatura = v; }
    void setIdTurnoAsignatura(int v) { m_idTurnoAsignatura = v; }

    static Alta* fromQuery(QSqlQuery& query);
    static Alta* getFromDB(int id);

    // Every list below answers new objects owned by the caller. When ok is
    // given it tells a failed query (false) apart from an empty answer.
    static QList<Alta*> listAltasPorAlumno(int idAlumno, bool* ok = nullptr);
    // Counted in [ini, fin]: started on or before fin, and open or withdrawn
    // after ini. idAlumno 0 lists every student's enrolments.
    static QList<Alta*> listAltasActivas(QDate ini, QDate fin, int idAlumno, bool* ok = nullptr);
    // orden is the index of the sort column in COLUMNS.
    static QList<Alta*> listAltasPorTurnoAsignatura(int idTurnoAsignatura, bool soloActivas,
                                                    QDate fini, QDate ffin, int orden,
                                                    bool* ok = nullptr);
    // Started (or withdrawn) in [ini, fin], both ends included; a null fin is
    // today and a null ini one month before fin.
    static QList<Alta*> listAltasDadasDeAlta(int idTurnoAsignatura, QDate ini, QDate fin,
                                             bool* ok = nullptr);
    static QList<Alta*> listAltasDadasDeBaja(int idTurnoAsignatura, QDate ini, QDate fin,
                                             bool* ok = nullptr);
    // Withdraws today every open enrolment of a shift being removed and
    // detaches all its enrolments from it.
    static bool darDeBajaAltasTurnoAsignatura(int idTurnoAsignatura);

    int persist(bool forzar);
    int update(bool forzar);
    bool remove();

private:
    static QList<Alta*> listWhere(const QString& where, const QList<QVariant>& values, bool* ok);
    static QList<Alta*> listDadas(const QString& dateColumn, int idTurnoAsignatura, QDate ini,
                                  QDate fin, bool* ok);
    QList<QVariant> fieldValues() const;
    bool cabe(bool isUpdate);

    int m_id = 0;
    QDate m_falta;
    QDate m_fbaja;
    double m_precio = 0.0;
    double m_precioBase = 0.0;
    bool m_conDescuento = false;
    QString m_observaciones;
    QString m_nombreAlumno;
    QString m_nombreTurnoAsignatura;
    QString m_nombreAsignatura;
    int m_idAlumno = 0;
    int m_idTurnoAsignatura = 0;
};

#endif // ALTA_H
