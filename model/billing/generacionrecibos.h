#ifndef GENERACIONRECIBOS_H
#define GENERACIONRECIBOS_H

#include <QDate>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>
#include <utility>

class Alumno;
class Dao;
class DaoTransaction;
class Recibo;

// One run of the monthly bill generation or regeneration: the month's window,
// the new bills built from the enrolments, the series numbering kept in memory
// for the whole run, and the run's transaction. A run is all or nothing: a
// failed write undoes every write of the run, also inside a transaction the
// run joined.
class GeneracionRecibos
{
public:
    // Recibo::generarRecibos and Recibo::regenerarRecibos.
    static QList<int> generar(int modo, int mes, const QList<Alumno*>& alumnos, int anio,
                              const std::function<void()>& entrePasos = {});
    static int regenerar(const QList<Recibo*>& recibos, int mes, int anio,
                         const std::function<void()>& entrePasos = {});

    ~GeneracionRecibos();
    GeneracionRecibos(const GeneracionRecibos&) = delete;
    GeneracionRecibos& operator=(const GeneracionRecibos&) = delete;

private:
    // mes 0 is the current month, anio 0 the current year.
    GeneracionRecibos(int mes, int anio);

    QDate ini() const { return m_ini; }
    // First day of the next month, excluded.
    QDate fin() const { return m_fin; }
    bool enMes(const QDate& fecha) const { return fecha >= m_ini && fecha < m_fin; }

    // What a bill needs of one enrolment.
    struct Linea
    {
        int idAlta = 0;
        int idAlumno = 0;
        double precio = 0.0;
        double precioBase = 0.0;
        QString asignatura;
        QString turno;
    };

    // The enrolments active in the month of the given students, in their
    // order (none given: every student's), read in one statement.
    QList<Linea> altasActivas(const QList<int>& idsAlumno) const;

    // What a bill needs of its student.
    struct Pagador
    {
        QString nombre, apellidos, ccc, datos;
    };
    // The students of the enrolments, by id.
    QHash<int, Pagador> pagadores(const QList<Linea>& altas) const;

    // One concept line: subject, shift when shown, and the price's bits.
    struct ClaveLinea
    {
        QString asignatura;
        QString turno;
        quint64 precio = 0;
        bool operator==(const ClaveLinea&) const = default;
        friend size_t qHash(const ClaveLinea& clave, size_t seed = 0)
        {
            return qHashMulti(seed, clave.asignatura, clave.turno, clave.precio);
        }
    };
    const QString& lineaConcepto(const Linea& alta);

    // One new bill per student of the enrolments, in order of first appearance.
    void construir(const QList<Linea>& altas);
    const QList<int>& alumnos() const { return m_orden; }
    Recibo* nuevo(int idAlumno) const { return m_nuevos.value(idAlumno); }

    bool empezar();
    // Stores new bills, each under the next free number of the current series.
    bool crear(const QList<Recibo*>& recibos);
    // A new bill and the stored one it replaces.
    using Sobrescritura = std::pair<Recibo*, const Recibo*>;
    // Stores new bills over stored ones, keeping their id, number, series and
    // the amount already paid.
    bool sobrescribir(const QList<Sobrescritura>& recibos);
    // Writes the numbering and commits; on failure everything is undone.
    bool terminar();
    void deshacer();

    // False when the numbering state cannot be read.
    bool cargarNumeracion();
    // Runs sql for each of count bills, with the values fila gives for the
    // bill at an index, as one write; the numbering is read first.
    bool escribir(const QString& sql, qsizetype count, const std::function<void(qsizetype, QList<QVariant>&)>& fila);

    QDate m_ini;
    QDate m_fin;
    QList<int> m_orden;
    QHash<int, Recibo*> m_nuevos;
    bool m_mostrarTurno = false;
    QHash<ClaveLinea, QString> m_lineas;

    // Asked for once: every statement would read the debug setting again.
    Dao* m_dao;
    std::unique_ptr<DaoTransaction> m_tx;

    bool m_numeracion = false;
    bool m_escrito = false;
    QString m_serie;
    int m_siguiente = 0;
    int m_siguienteGuardado = 0;
    int m_maximo = -1;
    QSet<int> m_usados;
    QDate m_fecha;
    QString m_fechaTexto;
};

#endif // GENERACIONRECIBOS_H
