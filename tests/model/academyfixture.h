#ifndef ACADEMYFIXTURE_H
#define ACADEMYFIXTURE_H

#include "alta.h"
#include "alumno.h"
#include "aula.h"
#include "dao.h"
#include "messagecapture.h"
#include "moneda.h"
#include "profesor.h"
#include "sesiondeclase.h"
#include "testenv.h"

#include <QAbstractItemModel>
#include <QDate>
#include <QSettings>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <algorithm>

// Rows for the model tests, one call each, on a fresh database per test case.
// Subjects, shifts and courses are written as plain rows so that the tests of
// one class do not depend on the others' write paths.
namespace academy {

inline bool openFreshDatabase()
{
    TestEnv::resetCase();
    return Dao::getInstance()->open(QStringLiteral("test"), false);
}

inline QVariant scalar(const QString& sql, const QList<QVariant>& values = {})
{
    QSqlQuery q = Dao::getInstance()->query(sql, values);
    return q.next() ? q.value(0) : QVariant();
}
inline int count(const QString& sql, const QList<QVariant>& values = {}) { return scalar(sql, values).toInt(); }
inline bool exec(const QString& sql, const QList<QVariant>& values = {}) { return Dao::getInstance()->execute(sql, values); }

// The length of a list of loaded objects, which it deletes.
template<class T> int sizeOf(const QList<T*>& list)
{
    qDeleteAll(list);
    return int(list.size());
}

// The ids of a list of loaded objects, which it deletes; sorted unless the
// order itself is under test.
template<class T> QList<int> idsOf(const QList<T*>& list, int (T::*id)() const, bool sorted = true)
{
    QList<int> result;
    for (T* item : list)
        result << (item->*id)();
    qDeleteAll(list);
    if (sorted)
        std::sort(result.begin(), result.end());
    return result;
}

// A phone list from literals: {{"casa", "981000000"}, ...}.
inline Alumno::Telefonos tels(std::initializer_list<std::pair<const char*, const char*>> list)
{
    Alumno::Telefonos result;
    for (const auto& p : list)
        result.append({QString::fromUtf8(p.first), QString::fromUtf8(p.second)});
    return result;
}

inline QDate fbajaDeAlta(int idAlta)
{
    return scalar(QStringLiteral("SELECT fbaja FROM alta WHERE id = ?"), {idAlta}).toDate();
}

inline int insertId(const QString& table, const QStringList& columns, const QList<QVariant>& values)
{
    return Dao::getInstance()->insert(table, columns, values).toInt();
}
inline bool link(const QString& table, const QString& a, int idA, const QString& b, int idB)
{
    return Dao::getInstance()->insert(table, {a, b}, {idA, idB}).isValid();
}

// The statements run through the Dao while f runs, counted from the debug
// trace the Dao leaves when its debug flag is on.
template<class F> int statementsRunBy(F f)
{
    QSettings().setValue(QStringLiteral("DaoInDebugMode"), true);
    Dao::getInstance(); // re-reads the flag
    MessageCapture capture;
    f();
    QSettings().setValue(QStringLiteral("DaoInDebugMode"), false);
    Dao::getInstance();
    int n = 0;
    for (const QString& text : capture.texts(QtDebugMsg))
        n += text.contains(QStringLiteral("Executed query was")) ? 1 : 0;
    return n;
}

// Reads every cell the way a view paints them.
inline void paintAll(const QAbstractItemModel* model)
{
    for (int row = 0; row < model->rowCount(); ++row)
        for (int column = 0; column < model->columnCount(); ++column)
            model->data(model->index(row, column));
}

inline int asignatura(const QString& nombre, double precio = 30.0, int edad = 0)
{
    return insertId(QStringLiteral("asignatura"),
                    {QStringLiteral("nombre"), QStringLiteral("precioorientativo"), QStringLiteral("descripcion"),
                     QStringLiteral("edad")},
                    {nombre, Moneda::aCentimos(precio), QString(nombre + QStringLiteral(" desc")), edad});
}

inline int turno(int idAsignatura, const QString& nombre, double precio = 30.0)
{
    return insertId(QStringLiteral("turnoasignatura"),
                    {QStringLiteral("nombre"), QStringLiteral("precioorientativo"),
                     QStringLiteral("sueldoprofesorporalta"), QStringLiteral("idasignatura")},
                    {nombre, Moneda::aCentimos(precio), 0, idAsignatura});
}

inline int curso(const QString& nombre)
{
    const int id = count(QStringLiteral("SELECT id FROM curso WHERE nombre = ?"), {nombre});
    return id ? id : insertId(QStringLiteral("curso"), {QStringLiteral("nombre")}, {nombre});
}

// A course shift (its course made when missing) holding the subject shifts.
inline int turnoCurso(const QString& nombreCurso, const QString& nombre, const QList<int>& miembros)
{
    const int id = insertId(QStringLiteral("turnocurso"), {QStringLiteral("nombre"), QStringLiteral("idcurso")},
                            {nombre, curso(nombreCurso)});
    for (int m : miembros)
        link(QStringLiteral("turnocurso_turnoasignatura"), QStringLiteral("idturnocurso"), id,
             QStringLiteral("idturnoasignatura"), m);
    return id;
}

inline int aula(const QString& nombre, int aforo)
{
    Aula a;
    a.setNombre(nombre);
    a.setAforo(aforo);
    a.setLocalizacion(QStringLiteral("planta baja"));
    return a.persist() ? a.id() : 0;
}

// idProfesor 0 is a session without teacher.
inline int sesion(int idTurno, int idAula, int idProfesor, int dia, int hora, int minutos = 60)
{
    SesionDeClase s;
    s.setIdTurnoAsignatura(idTurno);
    s.setIdAula(idAula);
    s.setIdProfesor(idProfesor);
    s.setDiaSemana(dia);
    s.setInicio(hora, 0);
    s.setFin(hora + minutos / 60, minutos % 60);
    return s.persist() ? s.getId() : 0;
}

inline int profesor(const QString& nombre, const QString& apellidos = QString(),
                    const Profesor::Telefonos& telefonos = {})
{
    Profesor p;
    p.setNombre(nombre);
    p.setApellidos(apellidos);
    p.setFAlta(QDate(2020, 9, 1));
    p.setSueldoFijo(500);
    p.setTelefonos(telefonos);
    return p.persist() ? p.id() : 0;
}

inline int alumno(const QString& nombre, const QString& apellidos, const Alumno::Telefonos& telefonos = {},
                  const QString& observaciones = QString())
{
    Alumno a;
    a.setNombre(nombre);
    a.setApellidos(apellidos);
    a.setDni(QStringLiteral("12345678Z"));
    a.setDireccion(QStringLiteral("Rúa Nova 1"));
    a.setObservaciones(observaciones);
    a.setTelefonos(telefonos);
    return a.persist() ? a.id() : 0;
}

// An enrolment written past the capacity check; 0 when it was not stored.
inline int alta(int idAlumno, int idTurno, const QDate& falta, const QDate& fbaja = QDate(),
                double precio = 30.0, const QString& nombreAlumno = QString())
{
    Alta a(idAlumno);
    a.setIdTurnoAsignatura(idTurno);
    a.setFalta(falta);
    a.setFbaja(fbaja);
    a.setPrecio(precio);
    a.setPrecioBase(precio);
    a.setNombreAlumno(nombreAlumno.isEmpty() ? QStringLiteral("alumno %1").arg(idAlumno) : nombreAlumno);
    a.setNombreTurnoAsignatura(QStringLiteral("turno %1").arg(idTurno));
    a.setNombreAsignatura(QStringLiteral("asignatura"));
    return a.persist(true) == Alta::Almacenada ? a.id() : 0;
}

// Makes every INSERT, UPDATE or DELETE on the table fail inside SQLite until
// the trigger "fail_<operation>_<table>" is dropped.
inline bool failOn(const QString& operation, const QString& table)
{
    return exec(QStringLiteral("CREATE TEMP TRIGGER fail_%1_%2 BEFORE %1 ON %2 "
                               "BEGIN SELECT RAISE(ABORT, 'injected failure'); END")
                    .arg(operation, table));
}
inline bool failInserts(const QString& table) { return failOn(QStringLiteral("INSERT"), table); }
inline bool failUpdates(const QString& table) { return failOn(QStringLiteral("UPDATE"), table); }
inline bool failDeletes(const QString& table) { return failOn(QStringLiteral("DELETE"), table); }

// A small academy: two classrooms, a teacher, one subject with a morning
// shift (classroom capacity 2) and an afternoon shift, and three students.
struct Academy
{
    int aulaGrande = 0;   // capacity 20
    int aulaPequena = 0;  // capacity 2
    int profesora = 0;    // Ana Souto, two phones
    int matematicas = 0;
    int turnoManana = 0;  // Monday and Wednesday in the small classroom
    int turnoTarde = 0;   // Tuesday in the big classroom
    int luis = 0;         // current: open enrolment in the morning shift, two phones
    int eva = 0;          // former: one enrolment withdrawn long ago
    int nuevo = 0;        // no enrolment at all
    int altaLuis = 0;
    int altaEva = 0;

    bool build()
    {
        aulaGrande = aula(QStringLiteral("Aula grande"), 20);
        aulaPequena = aula(QStringLiteral("Aula pequena"), 2);
        profesora = profesor(QStringLiteral("Ana"), QStringLiteral("Souto"),
                             {{QStringLiteral("casa"), QStringLiteral("981000001")},
                              {QStringLiteral("movil"), QStringLiteral("600000001")}});
        matematicas = asignatura(QStringLiteral("Matematicas"));
        turnoManana = turno(matematicas, QStringLiteral("Manana"));
        turnoTarde = turno(matematicas, QStringLiteral("Tarde"), 25.5);
        const bool sesiones = sesion(turnoManana, aulaPequena, profesora, 1, 9)
                              && sesion(turnoManana, aulaPequena, profesora, 3, 9)
                              && sesion(turnoTarde, aulaGrande, profesora, 2, 17);
        luis = alumno(QStringLiteral("Luis"), QStringLiteral("Pena Mato"),
                      {{QStringLiteral("casa"), QStringLiteral("981111111")},
                       {QStringLiteral("madre"), QStringLiteral("611111111")}});
        eva = alumno(QStringLiteral("Eva"), QStringLiteral("Rial"));
        nuevo = alumno(QStringLiteral("Xan"), QStringLiteral("Novo"));
        altaLuis = alta(luis, turnoManana, QDate(2024, 9, 15));
        altaEva = alta(eva, turnoTarde, QDate(2023, 9, 15), QDate(2024, 6, 30));
        return aulaGrande && aulaPequena && profesora && matematicas && turnoManana && turnoTarde
               && sesiones && luis && eva && nuevo && altaLuis && altaEva;
    }

    // The academy alone in a fresh database: what every test case starts from.
    bool rebuild()
    {
        *this = Academy();
        return openFreshDatabase() && build();
    }
};

} // namespace academy

#endif // ACADEMYFIXTURE_H
