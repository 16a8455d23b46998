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
using namespace Qt::StringLiterals;

inline bool abrirBaseNueva()
{
    TestEnv::resetCase();
    if (Dao::getInstance()->inTransaction())
        Dao::getInstance()->rollback();
    // the fault lists are process-wide: start every case with both empty
    Academia::ignorarAvisos();
    Academia::ignorarAvisos();
    return Dao::getInstance()->open(u"academia"_s, false);
}

inline int insertar(const QString& tabla, const QStringList& columnas, const QList<QVariant>& valores)
{
    const QVariant id = Dao::getInstance()->insert(tabla, columnas, valores);
    return id.isValid() && id.typeId() != QMetaType::Bool ? id.toInt() : -1;
}

inline int asignatura(const QString& nombre) { return insertar(u"asignatura"_s, {"nombre"}, {nombre}); }
inline int turno(int idAsignatura, const QString& nombre)
{
    return insertar(u"turnoasignatura"_s, {"nombre", "idasignatura"}, {nombre, idAsignatura});
}
inline int aula(const QString& nombre, int aforo = 20) { return insertar(u"aula"_s, {"nombre", "aforo"}, {nombre, aforo}); }
inline int profesor(const QString& nombre)
{
    return insertar(u"profesor"_s, {"nombre", "falta"}, {nombre, QDate(2020, 9, 1)});
}

// minutes after midnight; idProfesor 0 = no teacher
inline int sesion(int idTurno, int idAula, int dia, int inicio, int fin, int idProfesor)
{
    return insertar(u"sesiondeclase"_s, {"minutoinicio", "minutofin", "diasemana", "idaula", "idprofesor", "idturnoasignatura"},
                    {inicio, fin, dia, idAula, Dao::idOrNull(idProfesor), idTurno});
}

inline int alumno(const QString& nombre)
{
    return insertar(u"alumno"_s, {"nombre", "apellidos", "dni", "direccion"}, {nombre, u"Souto"_s, u"00000000T"_s, u"Rúa Nova 1"_s});
}

// The names are the ones the enrolment keeps of its student, subject and shift;
// idTurno 0: the shift has been removed.
inline int alta(int idAlumno, int idTurno, const QString& nombreAlumno, const QString& nombreAsignatura,
                const QString& nombreTurno, const QDate& falta = QDate::currentDate().addMonths(-2),
                const QDate& fbaja = QDate())
{
    return insertar(u"alta"_s,
                    {"falta", "fbaja", "precio", "nombrealumno", "nombreturnoasignatura", "idalumno", "idturnoasignatura", "nombreasignatura"},
                    {falta, fbaja.isValid() ? QVariant(fbaja) : QVariant(), 4000, nombreAlumno, nombreTurno, idAlumno,
                     Dao::idOrNull(idTurno), nombreAsignatura});
}

inline int curso(const QString& nombre) { return insertar(u"curso"_s, {"nombre"}, {nombre}); }
inline bool cursoAsignatura(int idCurso, int idAsignatura)
{
    return insertar(u"curso_asignatura"_s, {"idcurso", "idasignatura"}, {idCurso, idAsignatura}) != -1;
}
inline int turnoCurso(int idCurso, const QString& nombre, const QList<int>& turnos)
{
    const int id = insertar(u"turnocurso"_s, {"nombre", "idcurso"}, {nombre, idCurso});
    for (int t : turnos)
        insertar(u"turnocurso_turnoasignatura"_s, {"idturnoasignatura", "idturnocurso"}, {t, id});
    return id;
}

inline void configurar(const QString& clave, const QVariant& valor) { QSettings().setValue(u"CONFIGURATION/"_s + clave, valor); }

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
    // The findings of type T that pass the test.
    template<typename T, typename Test> QList<T*> filtrar(int tipo, Test test) const
    {
        QList<T*> r;
        for (EstadoAcademia* e : todos)
            if (e->tipo() == tipo && test(static_cast<T*>(e)))
                r << static_cast<T*>(e);
        return r;
    }
    QList<EstadoAcademiaFallo*> fallos(int tipoFallo) const
    {
        return filtrar<EstadoAcademiaFallo>(EstadoAcademia::Fallo, [=](auto* f) { return f->tipoFallo() == tipoFallo; });
    }
    QList<EstadoAcademiaInconsistenciaSolapamiento*> solapamientos(int tipo) const
    {
        return filtrar<EstadoAcademiaInconsistenciaSolapamiento>(EstadoAcademia::Inconsistencia, [=](auto* s) {
            return s->esSolapamiento() && s->tipoSolapamiento() == tipo;
        });
    }
    QList<EstadoAcademiaInconsistencia*> dobles() const
    {
        return filtrar<EstadoAcademiaInconsistencia>(EstadoAcademia::Inconsistencia, [](auto* i) { return !i->esSolapamiento(); });
    }
};

inline QString dia(int d) { return EstadoAcademia::nombreDia(d); }

} // namespace AcademiaFixture

#endif // TST_ACADEMIAFIXTURE_H
