#include "comprobacion.h"

#include "academia.h"
#include "changenotifier.h"
#include "dao.h"
#include "daorow.h"
#include "estadoacademiafalloaforo.h"
#include "estadoacademiafalloasignaturadoble.h"
#include "estadoacademiafallohorario.h"
#include "estadoacademiafalloprofe.h"
#include "estadoacademiafalloturnonoasignado.h"
#include "estadoacademiafalloturnosinuso.h"
#include "estadoacademiainconsistencia.h"
#include "estadoacademiainconsistenciasolapamiento.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QHash>
#include <QLocale>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <memory>
#include <numeric>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

namespace {

const char* const kSolapaAlumno = QT_TRANSLATE_NOOP("Academia", "Student %1 has session %5 overlapped %2s from %3:%4 to %6:%7");
const char* const kSolapaProfe = QT_TRANSLATE_NOOP("Academia", "Teacher %1 has session %5 overlapped %2s from %3:%4 to %6:%7");
const char* const kSolapaTurno = QT_TRANSLATE_NOOP("Academia", "Subject %1 is overlapped %2s from %3:%4 to %6:%7");
const char* const kSolapaAula = QT_TRANSLATE_NOOP("Academia", "Classroom %1 has session %5 overlapped %2s from %3:%4 to %6:%7");
const char* const kDobleAlta = QT_TRANSLATE_NOOP("Academia", "Student %1 has already signed up in subject %2, shift %3");
const char* const kLecturaFallida = QT_TRANSLATE_NOOP(
    "Academia", "The consistency check could not read the database (%1): what it shows may be incomplete.");

// The run of the check under way: what every value it reuses is keyed on,
// and whether any of its reads failed.
struct Ronda {
    qint64 versionDatos = -1;
    QString circunstancias;
    int fallos = 0;
    QString error;
};
Ronda g_ronda;

void lecturaFallida()
{
    ++g_ronda.fallos;
    if (g_ronda.error.isEmpty())
        g_ronda.error = Dao::getInstance()->lastError().second;
}

bool leer(const QString& sql, const QList<QVariant>& valores, const std::function<void(const DaoRow&)>& porFila)
{
    if (Dao::getInstance()->readRows(sql, valores, porFila))
        return true;
    lecturaFallida();
    return false;
}

QString consulta(const QString& nombre)
{
    return Academia::leerFichero(QStringLiteral(":/consultas/") + nombre);
}

QList<QVariantList> filas(const QString& sql, int columnas)
{
    QList<QVariantList> resultado;
    QSqlQuery q = Dao::getInstance()->query(sql);
    while (q.next()) {
        QVariantList fila;
        fila.reserve(columnas);
        for (int i = 0; i < columnas; ++i)
            fila << q.value(i);
        resultado << fila;
    }
    // not run, or stopped by an error before its last row
    if (!q.isActive() || q.lastError().isValid())
        lecturaFallida();
    return resultado;
}

// Rows of sql keyed by their first column, for the given ids: sql holds "%1"
// where the id list goes ("... WHERE x.id IN (%1)"). A few queries per kind of
// finding, however many findings there are.
QHash<int, QVariantList> porId(const QString& sql, const QList<int>& ids, int columnas)
{
    QHash<int, QVariantList> resultado;
    for (const QString& lista : Dao::idLists(ids))
        for (const QVariantList& fila : filas(QString(sql).replace(QLatin1String("%1"), lista), columnas))
            resultado.insert(fila.at(0).toInt(), fila);
    return resultado;
}

QList<int> columnaInt(const QList<QVariantList>& filas, int columna)
{
    QList<int> ids;
    for (const QVariantList& fila : filas)
        ids << fila.at(columna).toInt();
    return ids;
}

// id -> (id, diasemana, minutoinicio, idaula, nombre del aula)
QHash<int, QVariantList> sesiones(const QList<int>& ids)
{
    return porId(QStringLiteral("SELECT s.id, s.diasemana, s.minutoinicio, u.id, u.nombre FROM sesiondeclase s "
                                "LEFT JOIN aula u ON u.id = s.idaula WHERE s.id IN (%1)"),
                 ids, 5);
}

// id -> (id, nombrealumno, nombreasignatura, nombreturnoasignatura, idalumno, idasignatura del turno)
QHash<int, QVariantList> altas(const QList<int>& ids)
{
    return porId(QStringLiteral("SELECT a.id, a.nombrealumno, a.nombreasignatura, a.nombreturnoasignatura, "
                                "a.idalumno, t.idasignatura FROM alta a "
                                "LEFT JOIN turnoasignatura t ON t.id = a.idturnoasignatura WHERE a.id IN (%1)"),
                 ids, 6);
}

// Overlap findings from rows of the overlap queries' six columns.
void solapamientos(QList<EstadoAcademia*>& resultado, const QList<QVariantList>& filasSolapadas, const char* texto,
                   int tipo)
{
    const QString traducido = QCoreApplication::translate("Academia", texto);
    for (const QVariantList& f : filasSolapadas) {
        const int inicio = f.at(2).toInt();
        const int fin = f.at(3).toInt();
        const QString mensaje = EstadoAcademia::rellenar(
            traducido, {f.at(0).toString(), EstadoAcademia::nombreDia(f.at(1).toInt()),
                        EstadoAcademia::dosDigitos(inicio / 60), EstadoAcademia::dosDigitos(inicio % 60),
                        f.at(4).toString(), EstadoAcademia::dosDigitos(fin / 60), EstadoAcademia::dosDigitos(fin % 60)});
        resultado << new EstadoAcademiaInconsistenciaSolapamiento(mensaje, f.at(5).toInt(), tipo);
    }
}

void sinProfesor(QList<EstadoAcademia*>& resultado)
{
    const QList<int> ids = columnaInt(filas(consulta(QStringLiteral("consulta_sesion_sen_profesor")), 1), 0);
    const QHash<int, QVariantList> s = sesiones(ids);
    for (int id : ids) {
        const QVariantList sesion = s.value(id);
        if (!sesion.isEmpty())
            resultado << new EstadoAcademiaFalloProfe(id, sesion.at(1).toInt(), sesion.at(2).toInt(),
                                                      sesion.at(4).toString());
    }
}

void turnosSinSesiones(QList<EstadoAcademia*>& resultado)
{
    const QList<int> ids = columnaInt(filas(consulta(QStringLiteral("consulta_turnos_sin_sesiones")), 1), 0);
    const QHash<int, QVariantList> turnos =
        porId(QStringLiteral("SELECT t.id, t.nombre, a.nombre FROM turnoasignatura t "
                             "LEFT JOIN asignatura a ON a.id = t.idasignatura WHERE t.id IN (%1)"),
              ids, 3);
    for (int id : ids) {
        const QVariantList t = turnos.value(id);
        if (!t.isEmpty())
            resultado << new EstadoAcademiaFalloTurnoSinUso(id, t.at(1).toString(), t.at(2).toString());
    }
}

void fueraDeHorario(QList<EstadoAcademia*>& resultado)
{
    const QString sql = consulta(QStringLiteral("consulta_fuera_horario"))
                            .replace(QLatin1String("%1"), QString::number(Academia::minutoApertura()))
                            .replace(QLatin1String("%2"), QString::number(Academia::minutoCierre()));
    const QList<int> ids = columnaInt(filas(sql, 1), 0);
    const QHash<int, QVariantList> s = sesiones(ids);
    for (int id : ids) {
        const QVariantList sesion = s.value(id);
        if (!sesion.isEmpty())
            resultado << new EstadoAcademiaFalloHorario(id, sesion.at(1).toInt(), sesion.at(2).toInt());
    }
}

void asignaturasSinTurno(QList<EstadoAcademia*>& resultado)
{
    const QList<QVariantList> f = filas(consulta(QStringLiteral("consulta_turnocurso_sin_turnoasignatura")), 2);
    const QHash<int, QVariantList> asignaturas =
        porId(QStringLiteral("SELECT id, nombre FROM asignatura WHERE id IN (%1)"), columnaInt(f, 0), 2);
    const QHash<int, QVariantList> cursos =
        porId(QStringLiteral("SELECT id, nombre FROM curso WHERE id IN (%1)"), columnaInt(f, 1), 2);
    for (const QVariantList& fila : f) {
        const QVariantList a = asignaturas.value(fila.at(0).toInt());
        const QVariantList c = cursos.value(fila.at(1).toInt());
        if (!a.isEmpty() && !c.isEmpty())
            resultado << new EstadoAcademiaFalloTurnoNoAsignado(fila.at(0).toInt(), a.at(1).toString(),
                                                                fila.at(1).toInt(), c.at(1).toString());
    }
}

// What a query's findings depend on besides its tables: today's date (the
// queries compare with julianday('now'), a UTC date), the opening hours, and
// the language of the texts.
QString circunstancias()
{
    return QDateTime::currentDateTimeUtc().date().toString(Qt::ISODate) + QLatin1Char('|')
           + QString::number(Academia::minutoApertura()) + QLatin1Char('-')
           + QString::number(Academia::minutoCierre()) + QLatin1Char('|') + QLocale().name() + QLatin1Char('|')
           + QCoreApplication::translate("Academia", kSolapaAula);
}

// What a reused value was read from: its tables as this process wrote them,
// the database as other connections committed to it, and the circumstances.
struct Clave {
    QList<quint64> versiones;
    qint64 versionDatos = -1;
    QString circunstancias;

    bool operator==(const Clave&) const = default;
};

Clave claveDe(const QStringList& tablas)
{
    Clave clave{{}, g_ronda.versionDatos, g_ronda.circunstancias};
    clave.versiones.reserve(tablas.size());
    for (const QString& tabla : tablas)
        clave.versiones << ChangeNotifier::instance()->version(tabla);
    return clave;
}

// The one reuse cache of the check: values worked out from some tables (rows
// read once for several queries, a query's findings), kept for the last few
// states of what they were read from, so that going back to an earlier state
// (a rollback) finds them again. A value worked out while a read failed is
// handed out for that run and never kept.
template<class T> class Reutilizable
{
public:
    explicit Reutilizable(int estados = 1) : m_estados(estados) {}

    template<class F> const T& valor(const QStringList& tablas, F calcular)
    {
        const Clave clave = claveDe(tablas);
        const bool fiable = clave.versionDatos >= 0;
        if (fiable) {
            for (const auto& guardado : std::as_const(m_guardados)) {
                if (guardado.first == clave)
                    return guardado.second;
            }
        }
        const int fallosAntes = g_ronda.fallos;
        T nuevo = calcular();
        if (!fiable || g_ronda.fallos != fallosAntes) {
            m_sinGuardar = std::move(nuevo);
            return m_sinGuardar;
        }
        if (m_guardados.size() >= m_estados)
            m_guardados.removeLast();
        m_guardados.prepend({clave, std::move(nuevo)});
        return m_guardados.first().second;
    }

private:
    int m_estados;
    QList<std::pair<Clave, T>> m_guardados;
    T m_sinGuardar;
};

// The active enrolments (withdrawal after now, as julianday('now') has it),
// worked out once per state of the enrolments: the part of the student
// overlaps and of the capacities that does not depend on the sessions.
struct AltasActivas {
    // a1's student name, a1's shift, a2's shift: two enrolments of one
    // student whose periods overlap
    struct Par {
        QString nombre;
        int turno1;
        int turno2;
    };
    QList<Par> pares;
    // the names of the enrolments of each shift whose period is not empty
    QHash<int, QStringList> nombresPorTurno;
    QHash<int, int> numeroPorTurno;
    // the enrolments that name a student, by id
    struct DeAlumno {
        int id;
        int alumno;
        int turno;
    };
    QList<DeAlumno> deAlumnos;
};

AltasActivas leerAltasActivas()
{
    struct Fila {
        int id;
        int turno;
        QString nombre;
        std::optional<double> desde;
        std::optional<double> hasta;
        qlonglong alumno = 0;
    };
    const auto opcional = [](const DaoRow& r, int c) {
        return r.value(c).isNull() ? std::optional<double>() : std::optional<double>(r.real(c));
    };
    // the enrolments that name a student, in id order
    std::vector<Fila> conAlumno;
    AltasActivas altas;
    leer(
        QStringLiteral("SELECT id, idalumno, idturnoasignatura, nombrealumno, julianday(falta), julianday(fbaja) "
                       "FROM alta WHERE idturnoasignatura IS NOT NULL "
                       "AND (fbaja IS NULL OR julianday(fbaja) > julianday('now')) ORDER BY id"),
        {}, [&](const DaoRow& r) {
            Fila fila{int(r.integer(0)), int(r.integer(2)), r.text(3), opcional(r, 4), opcional(r, 5)};
            ++altas.numeroPorTurno[fila.turno];
            if (!fila.hasta || (fila.desde && *fila.desde < *fila.hasta))
                altas.nombresPorTurno[fila.turno] << fila.nombre;
            if (!r.value(1).isNull()) {
                fila.alumno = r.integer(1);
                altas.deAlumnos.append({fila.id, int(fila.alumno), fila.turno});
                conAlumno.push_back(std::move(fila));
            }
        });
    // Each student's enrolments side by side, in id order within each
    // student: the pairs come out as the stored query gives them, a1 in id
    // order and a2 in its student's, with no sort of every pair.
    std::vector<int> porAlumno(conAlumno.size());
    std::iota(porAlumno.begin(), porAlumno.end(), 0);
    std::stable_sort(porAlumno.begin(), porAlumno.end(),
                     [&conAlumno](int a, int b) { return conAlumno[a].alumno < conAlumno[b].alumno; });
    std::vector<std::pair<int, int>> suyas(conAlumno.size());
    for (std::size_t desde = 0; desde < porAlumno.size();) {
        std::size_t hasta = desde;
        while (hasta < porAlumno.size() && conAlumno[porAlumno[hasta]].alumno == conAlumno[porAlumno[desde]].alumno)
            ++hasta;
        for (std::size_t k = desde; k < hasta; ++k)
            suyas[porAlumno[k]] = {int(desde), int(hasta)};
        desde = hasta;
    }
    // as SQL compares: a comparison with null is not true
    const auto antes = [](const std::optional<double>& a, const std::optional<double>& b) { return a && *a < *b; };
    for (std::size_t i = 0; i < conAlumno.size(); ++i) {
        const Fila& a1 = conAlumno[i];
        for (int k = suyas[i].first; k < suyas[i].second; ++k) {
            const Fila& a2 = conAlumno[porAlumno[k]];
            if (a1.id != a2.id && (!a2.hasta || antes(a1.desde, a2.hasta)) && (!a1.hasta || antes(a2.desde, a1.hasta)))
                altas.pares.append({a1.nombre, a1.turno, a2.turno});
        }
    }
    return altas;
}

const AltasActivas& altasActivas()
{
    static Reutilizable<AltasActivas> recordado;
    return recordado.valor({QStringLiteral("alta")}, leerAltasActivas);
}

// The subject name of each shift that has one.
const QHash<int, QString>& asignaturaDeTurno()
{
    static Reutilizable<QHash<int, QString>> recordado;
    return recordado.valor({QStringLiteral("turnoasignatura"), QStringLiteral("asignatura")}, [] {
        QHash<int, QString> nombres;
        leer(QStringLiteral("SELECT t.id, a.nombre FROM turnoasignatura t "
                                                    "JOIN asignatura a ON a.id = t.idasignatura"),
                                     {}, [&](const DaoRow& r) { nombres.insert(int(r.integer(0)), r.text(1)); });
        return nombres;
    });
}

struct Sesion {
    int id;
    int turno;
    int aula;
    int profesor; // 0: none
    int dia;
    int inicio;
    int fin;

    bool solapa(const Sesion& otra) const
    {
        return id != otra.id && dia == otra.dia && inicio < otra.fin && fin > otra.inicio;
    }
};

// Every session, read once per state of the sessions for all the queries
// that look at them.
const QList<Sesion>& sesionesGuardadas()
{
    static Reutilizable<QList<Sesion>> recordado;
    return recordado.valor({QStringLiteral("sesiondeclase")}, [] {
        QList<Sesion> lista;
        leer(
            QStringLiteral("SELECT id, idturnoasignatura, idaula, idprofesor, diasemana, minutoinicio, minutofin "
                           "FROM sesiondeclase ORDER BY id"),
            {}, [&](const DaoRow& r) {
                lista.append({int(r.integer(0)), int(r.integer(1)), int(r.integer(2)), int(r.integer(3)),
                              int(r.integer(4)), int(r.integer(5)), int(r.integer(6))});
            });
        return lista;
    });
}

// The sessions by one of their ids; sessions without it (0) are left out.
QHash<int, QList<Sesion>> agrupadas(int Sesion::*clave)
{
    QHash<int, QList<Sesion>> grupos;
    for (const Sesion& sesion : sesionesGuardadas()) {
        if (sesion.*clave > 0)
            grupos[sesion.*clave].append(sesion);
    }
    return grupos;
}

// id -> nombre of a table with both columns.
const QHash<int, QString>& nombres(const QString& tabla)
{
    static QHash<QString, Reutilizable<QHash<int, QString>>> recordados;
    return recordados[tabla].valor({tabla}, [&tabla] {
        QHash<int, QString> porId;
        leer(QStringLiteral("SELECT id, nombre FROM ") + tabla, {},
                                     [&](const DaoRow& r) { porId.insert(int(r.integer(0)), r.text(1)); });
        return porId;
    });
}

QVariantList filaSolapada(const QString& nombre, const Sesion& s, const QString& asignatura)
{
    return {nombre, s.dia, s.inicio, s.fin, asignatura, s.id};
}

// The rows of "consulta_solapar_alumnos", with its enrolment part kept
// between checks: a student's two active enrolments whose periods overlap and
// whose sessions overlap, and a shift's own overlapping sessions for each of
// its enrolments.
void solapamientosDeAlumnos(QList<EstadoAcademia*>& resultado)
{
    const AltasActivas& altas = altasActivas();
    const QHash<int, QString>& asignaturas = asignaturaDeTurno();
    const QHash<int, QList<Sesion>> sesiones = agrupadas(&Sesion::turno);
    QList<QVariantList> filasSolapadas;
    for (const AltasActivas::Par& par : altas.pares) {
        const auto asignatura = asignaturas.constFind(par.turno1);
        const auto de1 = sesiones.constFind(par.turno1);
        const auto de2 = sesiones.constFind(par.turno2);
        if (asignatura == asignaturas.cend() || de1 == sesiones.cend() || de2 == sesiones.cend())
            continue;
        for (const Sesion& s1 : de1.value()) {
            for (const Sesion& s2 : de2.value()) {
                if (s1.solapa(s2))
                    filasSolapadas << filaSolapada(par.nombre, s1, asignatura.value());
            }
        }
    }
    for (auto turno = sesiones.cbegin(); turno != sesiones.cend(); ++turno) {
        const auto asignatura = asignaturas.constFind(turno.key());
        const QStringList nombres = altas.nombresPorTurno.value(turno.key());
        if (asignatura == asignaturas.cend() || nombres.isEmpty())
            continue;
        for (const Sesion& s1 : turno.value()) {
            for (const Sesion& s2 : turno.value()) {
                if (!s1.solapa(s2))
                    continue;
                for (const QString& nombre : nombres)
                    filasSolapadas << filaSolapada(nombre, s1, asignatura.value());
            }
        }
    }
    solapamientos(resultado, filasSolapadas, kSolapaAlumno, EstadoAcademiaInconsistenciaSolapamiento::Alumno);
}

// The rows of the overlap queries of classrooms, teachers and shifts: two
// sessions with the same id of that kind; each row carries the name the kind
// gives (the subject's, for a shift) and the other session's times. A session
// whose named row or subject is missing gives none, as the queries' joins.
void solapamientosPor(QList<EstadoAcademia*>& resultado, int Sesion::*clave, const QHash<int, QString>& nombrePorClave,
                      bool conAsignatura, const char* texto, int tipo)
{
    const QHash<int, QString>& asignaturas = asignaturaDeTurno();
    const QHash<int, QList<Sesion>> grupos = agrupadas(clave);
    QList<QVariantList> filasSolapadas;
    for (const Sesion& a : sesionesGuardadas()) {
        const auto nombre = nombrePorClave.constFind(a.*clave);
        const auto asignatura = asignaturas.constFind(a.turno);
        if (a.*clave <= 0 || nombre == nombrePorClave.cend() || asignatura == asignaturas.cend())
            continue;
        for (const Sesion& b : grupos.value(a.*clave)) {
            if (a.solapa(b))
                filasSolapadas << QVariantList{nombre.value(), b.dia, b.inicio, b.fin,
                                               conAsignatura ? QVariant(asignatura.value()) : QVariant(0), a.id};
        }
    }
    solapamientos(resultado, filasSolapadas, texto, tipo);
}

// The shift's subject of every shift, null for one without it: what the
// double sign-ups in a subject group by.
const QHash<int, std::optional<int>>& asignaturaIdDeTurno()
{
    static Reutilizable<QHash<int, std::optional<int>>> recordado;
    return recordado.valor({QStringLiteral("turnoasignatura")}, [] {
        QHash<int, std::optional<int>> ids;
        leer(QStringLiteral("SELECT id, idasignatura FROM turnoasignatura"), {}, [&](const DaoRow& r) {
            ids.insert(int(r.integer(0)), r.value(1).isNull() ? std::optional<int>() : int(r.integer(1)));
        });
        return ids;
    });
}

// A group of the double sign-up queries: its keys in their GROUP BY order
// (null first), one enrolment of it and the shifts it holds.
struct Grupo {
    std::optional<int> clave;
    int alumno;
    int id;
    int turno;

    bool operator<(const Grupo& o) const
    {
        return std::tie(clave, alumno, id) < std::tie(o.clave, o.alumno, o.id);
    }
};

// The smallest enrolment id of each group, in the groups' order, of the
// groups holding more than one enrolment (porTurno) or more than one shift.
QList<int> dobles(QList<Grupo> grupos, bool porTurno)
{
    std::sort(grupos.begin(), grupos.end());
    QList<int> ids;
    for (qsizetype i = 0; i < grupos.size();) {
        qsizetype fin = i + 1;
        QSet<int> turnos{grupos.at(i).turno};
        for (; fin < grupos.size() && grupos.at(fin).clave == grupos.at(i).clave
               && grupos.at(fin).alumno == grupos.at(i).alumno;
             ++fin)
            turnos.insert(grupos.at(fin).turno);
        if (porTurno ? fin - i > 1 : turnos.size() > 1)
            ids << grupos.at(i).id;
        i = fin;
    }
    return ids;
}

// The rows of "consulta_doble_alta_turno" from the active enrolments read once.
void dobleAltaTurno(QList<EstadoAcademia*>& resultado)
{
    QList<Grupo> grupos;
    for (const AltasActivas::DeAlumno& alta : altasActivas().deAlumnos)
        grupos.append({alta.turno, alta.alumno, alta.id, alta.turno});
    const QList<int> ids = dobles(grupos, true);
    const QHash<int, QVariantList> a = altas(ids);
    const QString texto = QCoreApplication::translate("Academia", kDobleAlta);
    for (int id : ids) {
        const QVariantList alta = a.value(id);
        if (!alta.isEmpty())
            resultado << new EstadoAcademiaInconsistencia(
                EstadoAcademia::rellenar(texto, {alta.at(1).toString(), alta.at(2).toString(), alta.at(3).toString()}), false);
    }
}

// The rows of "consulta_doble_alta_asignatura" likewise: the enrolments of
// existing shifts, by the shift's subject.
void dobleAltaAsignatura(QList<EstadoAcademia*>& resultado)
{
    const QHash<int, std::optional<int>>& asignaturas = asignaturaIdDeTurno();
    QList<Grupo> grupos;
    for (const AltasActivas::DeAlumno& alta : altasActivas().deAlumnos) {
        const auto asignatura = asignaturas.constFind(alta.turno);
        if (asignatura != asignaturas.cend())
            grupos.append({asignatura.value(), alta.alumno, alta.id, alta.turno});
    }
    const QList<int> ids = dobles(grupos, false);
    const QHash<int, QVariantList> a = altas(ids);
    for (int id : ids) {
        const QVariantList alta = a.value(id);
        if (!alta.isEmpty())
            resultado << new EstadoAcademiaFalloAsignaturaDoble(id, alta.at(4).toInt(), alta.at(5).toInt(),
                                                                alta.at(1).toString(), alta.at(2).toString());
    }
}

// The findings of "consulta_aforo_aulas", with the count of each shift's
// active enrolments kept between checks.
void aforo(QList<EstadoAcademia*>& resultado)
{
    const AltasActivas& altas = altasActivas();
    static Reutilizable<QHash<int, int>> recordado;
    const QHash<int, int>& aforos = recordado.valor({QStringLiteral("aula")}, [] {
        QHash<int, int> porAula;
        leer(QStringLiteral("SELECT id, aforo FROM aula WHERE aforo IS NOT NULL"), {},
                                     [&](const DaoRow& r) { porAula.insert(int(r.integer(0)), int(r.integer(1))); });
        return porAula;
    });
    const QHash<int, QString>& aulas = nombres(QStringLiteral("aula"));
    for (const Sesion& sesion : sesionesGuardadas()) {
        const auto numero = altas.numeroPorTurno.constFind(sesion.turno);
        const auto capacidad = aforos.constFind(sesion.aula);
        if (numero != altas.numeroPorTurno.cend() && capacidad != aforos.cend() && numero.value() > capacidad.value())
            resultado << new EstadoAcademiaFalloAforo(numero.value() - capacidad.value(), sesion.aula,
                                                      aulas.value(sesion.aula), sesion.id, sesion.dia, sesion.inicio);
    }
}

// One query of the check: the tables it reads, and how it turns its rows
// into findings.
struct Consulta {
    QStringList tablas;
    void (*hallar)(QList<EstadoAcademia*>&);
};

// The queries in the order the check runs them.
const QList<Consulta>& consultas()
{
    static const QString alta = QStringLiteral("alta");
    static const QString sesion = QStringLiteral("sesiondeclase");
    static const QString turno = QStringLiteral("turnoasignatura");
    static const QString asignatura = QStringLiteral("asignatura");
    static const QString aula = QStringLiteral("aula");
    static const QList<Consulta> lista{
        {{alta, sesion, turno, asignatura}, solapamientosDeAlumnos},
        {{alta, sesion, aula}, aforo},
        {{alta, sesion, aula}, sinProfesor},
        {{sesion, QStringLiteral("profesor"), turno, asignatura},
         [](QList<EstadoAcademia*>& r) {
             solapamientosPor(r, &Sesion::profesor, nombres(QStringLiteral("profesor")), true, kSolapaProfe,
                              EstadoAcademiaInconsistenciaSolapamiento::Profesor);
         }},
        {{sesion, turno, asignatura},
         [](QList<EstadoAcademia*>& r) {
             solapamientosPor(r, &Sesion::turno, asignaturaDeTurno(), false, kSolapaTurno,
                              EstadoAcademiaInconsistenciaSolapamiento::TurnoAsignatura);
         }},
        {{sesion, turno, asignatura}, turnosSinSesiones},
        {{sesion, turno, asignatura, aula}, fueraDeHorario},
        {{sesion, aula, turno, asignatura},
         [](QList<EstadoAcademia*>& r) {
             solapamientosPor(r, &Sesion::aula, nombres(QStringLiteral("aula")), true, kSolapaAula,
                              EstadoAcademiaInconsistenciaSolapamiento::Aula);
         }},
        {{QStringLiteral("curso_asignatura"), asignatura, QStringLiteral("curso"), QStringLiteral("turnocurso"),
          QStringLiteral("turnocurso_turnoasignatura"), turno},
         asignaturasSinTurno},
        {{alta, turno}, dobleAltaTurno},
        {{alta, turno}, dobleAltaAsignatura},
    };
    return lista;
}

using Modelos = QList<std::shared_ptr<const EstadoAcademia>>;

// The findings of each query, for the last few states of what it reads.
QList<Reutilizable<Modelos>>& hallazgos()
{
    static QList<Reutilizable<Modelos>> cache(consultas().size(), Reutilizable<Modelos>(4));
    return cache;
}

// A run's key for what other connections committed: -1 when it can't be read.
qint64 leerVersionDatos()
{
    QSqlQuery q = Dao::getInstance()->query(QStringLiteral("PRAGMA data_version"));
    if (q.next())
        return q.value(0).toLongLong();
    lecturaFallida();
    return -1;
}
} // namespace

namespace {
void empezarRonda()
{
    g_ronda = {};
    g_ronda.versionDatos = leerVersionDatos();
    g_ronda.circunstancias = circunstancias();
}
} // namespace

void Comprobacion::leerAntes()
{
    // a read that fails here is kept for nobody: hallar() reads again
    empezarRonda();
    altasActivas();
    sesionesGuardadas();
}

QList<EstadoAcademia*> Comprobacion::hallar()
{
    empezarRonda();
    const QList<Consulta>& lista = consultas();
    QList<EstadoAcademia*> resultado;
    for (qsizetype i = 0; i < lista.size(); ++i) {
        const Modelos& modelos = hallazgos()[i].valor(lista.at(i).tablas, [&lista, i] {
            QList<EstadoAcademia*> nuevos;
            lista.at(i).hallar(nuevos);
            Modelos m;
            m.reserve(nuevos.size());
            for (EstadoAcademia* e : std::as_const(nuevos))
                m.append(std::shared_ptr<const EstadoAcademia>(e));
            return m;
        });
        for (const auto& modelo : modelos)
            resultado << modelo->clonar();
    }
    // Never "no findings" when the database could not be read.
    if (g_ronda.fallos > 0) {
        qWarning().noquote() << "The consistency check could not read the database: " + g_ronda.error;
        resultado << new EstadoAcademiaInconsistencia(
            QCoreApplication::translate("Academia", kLecturaFallida).arg(g_ronda.error), false);
    }
    return resultado;
}
