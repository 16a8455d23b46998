#ifndef TST_ACADEMIAFIXTURE_H
#define TST_ACADEMIAFIXTURE_H

// A small academy written straight into a fresh database, for the consistency
// check tests: every helper returns the new row's id.

#include "academia.h"
#include "dao.h"
#include "estadoacademia.h"
#include "estadoacademiafallo.h"
#include "estadoacademiainconsistencia.h"
#include "estadoacademiainconsistenciasolapamiento.h"
#include "testenv.h"

#include <QDate>
#include <QSettings>
#include <QSqlQuery>
#include <QStringList>

namespace AcademiaFixture {

inline bool abrirBaseNueva()
{
    TestEnv::resetCase();
    if (Dao::getInstance()->inTransaction())
        Dao::getInstance()->rollback();
    // the fault lists are process-wide: start every case with both empty
    Academia::ignorarAvisos();
    Academia::ignorarAvisos();
    return Dao::getInstance()->open(QStringLiteral("academia"), false);
}

inline int insertar(const QString& tabla, const QStringList& columnas, const QList<QVariant>& valores)
{
    const QVariant id = Dao::getInstance()->insert(tabla, columnas, valores);
    return id.isValid() && id.typeId() != QMetaType::Bool ? id.toInt() : -1;
}

inline int asignatura(const QString& nombre)
{
    return insertar(QStringLiteral("asignatura"), {QStringLiteral("nombre")}, {nombre});
}

inline int turno(int idAsignatura, const QString& nombre)
{
    return insertar(QStringLiteral("turnoasignatura"), {QStringLiteral("nombre"), QStringLiteral("idasignatura")},
                    {nombre, idAsignatura});
}

inline int aula(const QString& nombre, int aforo = 20)
{
    return insertar(QStringLiteral("aula"), {QStringLiteral("nombre"), QStringLiteral("aforo")}, {nombre, aforo});
}

inline int profesor(const QString& nombre)
{
    return insertar(QStringLiteral("profesor"), {QStringLiteral("nombre"), QStringLiteral("falta")},
                    {nombre, QDate(2020, 9, 1)});
}

// minutes after midnight; idProfesor 0 = no teacher
inline int sesion(int idTurno, int idAula, int dia, int inicio, int fin, int idProfesor)
{
    return insertar(QStringLiteral("sesiondeclase"),
                    {QStringLiteral("minutoinicio"), QStringLiteral("minutofin"), QStringLiteral("diasemana"),
                     QStringLiteral("idaula"), QStringLiteral("idprofesor"), QStringLiteral("idturnoasignatura")},
                    {inicio, fin, dia, idAula, Dao::idOrNull(idProfesor), idTurno});
}

inline int alumno(const QString& nombre)
{
    return insertar(QStringLiteral("alumno"),
                    {QStringLiteral("nombre"), QStringLiteral("apellidos"), QStringLiteral("dni"),
                     QStringLiteral("direccion")},
                    {nombre, QStringLiteral("Souto"), QStringLiteral("00000000T"), QStringLiteral("Rúa Nova 1")});
}

// The names are the ones the enrolment keeps of its student, subject and shift;
// idTurno 0: the shift has been removed.
inline int alta(int idAlumno, int idTurno, const QString& nombreAlumno, const QString& nombreAsignatura,
                const QString& nombreTurno, const QDate& falta = QDate::currentDate().addMonths(-2),
                const QDate& fbaja = QDate())
{
    return insertar(QStringLiteral("alta"),
                    {QStringLiteral("falta"), QStringLiteral("fbaja"), QStringLiteral("precio"),
                     QStringLiteral("nombrealumno"), QStringLiteral("nombreturnoasignatura"), QStringLiteral("idalumno"),
                     QStringLiteral("idturnoasignatura"), QStringLiteral("nombreasignatura")},
                    {falta, fbaja.isValid() ? QVariant(fbaja) : QVariant(), 4000, nombreAlumno, nombreTurno, idAlumno,
                     Dao::idOrNull(idTurno), nombreAsignatura});
}

inline int curso(const QString& nombre)
{
    return insertar(QStringLiteral("curso"), {QStringLiteral("nombre")}, {nombre});
}

inline bool cursoAsignatura(int idCurso, int idAsignatura)
{
    return insertar(QStringLiteral("curso_asignatura"), {QStringLiteral("idcurso"), QStringLiteral("idasignatura")},
                    {idCurso, idAsignatura})
           != -1;
}

inline int turnoCurso(int idCurso, const QString& nombre, const QList<int>& turnos)
{
    const int id = insertar(QStringLiteral("turnocurso"), {QStringLiteral("nombre"), QStringLiteral("idcurso")},
                            {nombre, idCurso});
    for (int t : turnos)
        insertar(QStringLiteral("turnocurso_turnoasignatura"),
                 {QStringLiteral("idturnoasignatura"), QStringLiteral("idturnocurso")}, {t, id});
    return id;
}

inline void configurar(const QString& clave, const QVariant& valor)
{
    QSettings s;
    s.setValue(QStringLiteral("CONFIGURATION/") + clave, valor);
}

// The check's findings, the faults of one kind or the overlaps of one kind.
struct Resultado
{
    QList<EstadoAcademia*> todos;

    ~Resultado()
    {
        for (EstadoAcademia* e : std::as_const(todos))
            if (e->tipo() != EstadoAcademia::Fallo)
                delete e;
    }

    QList<EstadoAcademiaFallo*> fallos(int tipoFallo) const
    {
        QList<EstadoAcademiaFallo*> r;
        for (EstadoAcademia* e : todos)
            if (e->tipo() == EstadoAcademia::Fallo && static_cast<EstadoAcademiaFallo*>(e)->tipoFallo() == tipoFallo)
                r << static_cast<EstadoAcademiaFallo*>(e);
        return r;
    }

    QList<EstadoAcademiaInconsistenciaSolapamiento*> solapamientos(int tipo) const
    {
        QList<EstadoAcademiaInconsistenciaSolapamiento*> r;
        for (EstadoAcademia* e : todos) {
            if (e->tipo() != EstadoAcademia::Inconsistencia
                || !static_cast<EstadoAcademiaInconsistencia*>(e)->esSolapamiento())
                continue;
            auto* s = static_cast<EstadoAcademiaInconsistenciaSolapamiento*>(e);
            if (s->tipoSolapamiento() == tipo)
                r << s;
        }
        return r;
    }

    QList<EstadoAcademiaInconsistencia*> dobles() const
    {
        QList<EstadoAcademiaInconsistencia*> r;
        for (EstadoAcademia* e : todos)
            if (e->tipo() == EstadoAcademia::Inconsistencia
                && !static_cast<EstadoAcademiaInconsistencia*>(e)->esSolapamiento())
                r << static_cast<EstadoAcademiaInconsistencia*>(e);
        return r;
    }
};

inline QString dia(int d)
{
    return EstadoAcademia::nombreDia(d);
}

} // namespace AcademiaFixture

#endif // TST_ACADEMIAFIXTURE_H
