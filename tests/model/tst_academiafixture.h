#ifndef TST_ACADEMIAFIXTURE_H
#define TST_ACADEMIAFIXTURE_H

// A small academy in a fresh database for the consistency check tests: every
// helper returns the new row's id. Rows the check needs as they are (sessions
// at any minute, enrolments with their own names or a removed shift) are
// written straight; the rest come from the shared model fixture.

#include "academia.h"
#include "academyfixture.h"
#include "dao.h"
#include "estadoacademia.h"
#include "estadoacademiafallo.h"
#include "estadoacademiainconsistencia.h"
#include "estadoacademiainconsistenciasolapamiento.h"

#include <QDate>
#include <QSettings>
#include <QStringList>

namespace AcademiaFixture {
using namespace Qt::StringLiterals;

inline bool abrirBaseNueva()
{
    if (Dao::getInstance()->inTransaction())
        Dao::getInstance()->rollback();
    // the fault lists are process-wide: start every case with both empty
    Academia::ignorarAvisos();
    Academia::ignorarAvisos();
    return academy::openFreshDatabase();
}

inline int insertar(const QString& tabla, const QStringList& columnas, const QList<QVariant>& valores)
{
    const int id = academy::insertId(tabla, columnas, valores);
    return id > 0 ? id : -1;
}

inline int asignatura(const QString& nombre) { return academy::asignatura(nombre); }
inline int turno(int idAsignatura, const QString& nombre) { return academy::turno(idAsignatura, nombre); }
inline int aula(const QString& nombre, int aforo = 20) { return insertar(u"aula"_s, {"nombre", "aforo"}, {nombre, aforo}); }
inline int profesor(const QString& nombre) { return academy::profesor(nombre); }

// minutes after midnight; idProfesor 0 = no teacher
inline int sesion(int idTurno, int idAula, int dia, int inicio, int fin, int idProfesor)
{
    return insertar(u"sesiondeclase"_s, {"minutoinicio", "minutofin", "diasemana", "idaula", "idprofesor", "idturnoasignatura"},
                    {inicio, fin, dia, idAula, Dao::idOrNull(idProfesor), idTurno});
}

inline int alumno(const QString& nombre) { return academy::alumno(nombre, u"Souto"_s); }

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

inline int curso(const QString& nombre) { return academy::curso(nombre); }
inline bool cursoAsignatura(int idCurso, int idAsignatura)
{
    return insertar(u"curso_asignatura"_s, {"idcurso", "idasignatura"}, {idCurso, idAsignatura}) != -1;
}
inline int turnoCurso(int idCurso, const QString& nombre, const QList<int>& turnos)
{
    const int id = insertar(u"turnocurso"_s, {"nombre", "idcurso"}, {nombre, idCurso});
    for (int t : turnos)
        academy::link(u"turnocurso_turnoasignatura"_s, u"idturnoasignatura"_s, t, u"idturnocurso"_s, id);
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
        for (EstadoAcademia* e : todos) {
            auto* t = dynamic_cast<T*>(e);
            if (t && e->tipo() == tipo && test(t))
                r << t;
        }
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
