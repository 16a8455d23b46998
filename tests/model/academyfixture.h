#ifndef ACADEMYFIXTURE_H
#define ACADEMYFIXTURE_H

#include "alta.h"
#include "alumno.h"
#include "aula.h"
#include "dao.h"
#include "moneda.h"
#include "profesor.h"
#include "sesiondeclase.h"
#include "testenv.h"

#include <QDate>
#include <QIdentityProxyModel>
#include <QSettings>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

// A small academy built through the entity classes, on a fresh database per
// test case. Subjects and shifts are written as plain rows so that the tests
// of one class do not depend on the others' write paths.
namespace academy {

// A fresh, empty data folder and settings, and a new database in it.
inline bool openFreshDatabase(const QString& name = QStringLiteral("test"))
{
    TestEnv::resetCase();
    return Dao::getInstance()->open(name, false);
}

inline QVariant scalar(const QString& sql, const QList<QVariant>& values = {})
{
    QSqlQuery q = Dao::getInstance()->query(sql, values);
    return q.next() ? q.value(0) : QVariant();
}

inline int count(const QString& sql, const QList<QVariant>& values = {})
{
    return scalar(sql, values).toInt();
}

inline bool exec(const QString& sql, const QList<QVariant>& values = {})
{
    return Dao::getInstance()->execute(sql, values);
}

// Every statement run through the Dao leaves a debug trace while this is on.
inline void setDaoTracing(bool on)
{
    QSettings().setValue(QStringLiteral("DaoInDebugMode"), on);
    Dao::getInstance(); // re-reads the flag
}

inline int asignatura(const QString& nombre, double precio = 30.0)
{
    return Dao::getInstance()
        ->insert(QStringLiteral("asignatura"),
                 {QStringLiteral("nombre"), QStringLiteral("precioorientativo"),
                  QStringLiteral("descripcion")},
                 {nombre, Moneda::aCentimos(precio), QString(nombre + QStringLiteral(" desc"))})
        .toInt();
}

inline int turno(int idAsignatura, const QString& nombre, double precio = 30.0)
{
    return Dao::getInstance()
        ->insert(QStringLiteral("turnoasignatura"),
                 {QStringLiteral("nombre"), QStringLiteral("precioorientativo"),
                  QStringLiteral("sueldoprofesorporalta"), QStringLiteral("idasignatura")},
                 {nombre, Moneda::aCentimos(precio), 0, idAsignatura})
        .toInt();
}

inline int aula(const QString& nombre, int aforo)
{
    Aula a;
    a.setNombre(nombre);
    a.setAforo(aforo);
    a.setLocalizacion(QStringLiteral("planta baja"));
    return a.persist() ? a.id() : 0;
}

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

inline int profesor(const QString& nombre, const QString& apellidos,
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

inline int alumno(const QString& nombre, const QString& apellidos,
                  const Alumno::Telefonos& telefonos = {})
{
    Alumno a;
    a.setNombre(nombre);
    a.setApellidos(apellidos);
    a.setDni(QStringLiteral("12345678Z"));
    a.setDireccion(QStringLiteral("Rúa Nova 1"));
    a.setTelefonos(telefonos);
    return a.persist() ? a.id() : 0;
}

// An enrolment written past the capacity check; 0 when it was not stored.
inline int alta(int idAlumno, int idTurno, const QDate& falta, const QDate& fbaja = QDate(),
                double precio = 30.0)
{
    Alta a(idAlumno);
    a.setIdTurnoAsignatura(idTurno);
    a.setFalta(falta);
    a.setFbaja(fbaja);
    a.setPrecio(precio);
    a.setPrecioBase(precio);
    a.setNombreAlumno(QStringLiteral("alumno %1").arg(idAlumno));
    a.setNombreTurnoAsignatura(QStringLiteral("turno %1").arg(idTurno));
    a.setNombreAsignatura(QStringLiteral("asignatura"));
    return a.persist(true) == Alta::Almacenada ? a.id() : 0;
}

// Makes every insert into the table fail inside SQLite until dropped.
inline bool failInserts(const QString& table)
{
    return exec(QStringLiteral("CREATE TEMP TRIGGER fail_insert_%1 BEFORE INSERT ON %1 "
                               "BEGIN SELECT RAISE(ABORT, 'injected failure'); END")
                    .arg(table));
}

inline bool failUpdates(const QString& table)
{
    return exec(QStringLiteral("CREATE TEMP TRIGGER fail_update_%1 BEFORE UPDATE ON %1 "
                               "BEGIN SELECT RAISE(ABORT, 'injected failure'); END")
                    .arg(table));
}

inline bool failDeletes(const QString& table)
{
    return exec(QStringLiteral("CREATE TEMP TRIGGER fail_delete_%1 BEFORE DELETE ON %1 "
                               "BEGIN SELECT RAISE(ABORT, 'injected failure'); END")
                    .arg(table));
}

// Makes indexes of a model that its own index() would refuse (a column past
// the last one), to reach the model's guard against unknown columns.
class IndexForger : public QIdentityProxyModel
{
public:
    explicit IndexForger(QAbstractItemModel* source) { setSourceModel(source); }
    QModelIndex forge(int row, int column) const { return createSourceIndex(row, column, nullptr); }
};

inline int statementsTraced(const QStringList& debugMessages)
{
    int n = 0;
    for (const QString& text : debugMessages)
        n += text.contains(QStringLiteral("Executed query was")) ? 1 : 0;
    return n;
}

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
};

} // namespace academy

#endif // ACADEMYFIXTURE_H
