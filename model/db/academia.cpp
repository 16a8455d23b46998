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
#include <QDate>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QResource>
#include <QSettings>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTranslator>

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

namespace {

const char* const kGrupo = "CONFIGURATION";

const char* const kSolapaAlumno = QT_TRANSLATE_NOOP("Academia", "Student %1 has session %5 overlapped %2s from %3:%4 to %6:%7");
const char* const kSolapaProfe = QT_TRANSLATE_NOOP("Academia", "Teacher %1 has session %5 overlapped %2s from %3:%4 to %6:%7");
const char* const kSolapaTurno = QT_TRANSLATE_NOOP("Academia", "Subject %1 is overlapped %2s from %3:%4 to %6:%7");
const char* const kSolapaAula = QT_TRANSLATE_NOOP("Academia", "Classroom %1 has session %5 overlapped %2s from %3:%4 to %6:%7");
const char* const kDobleAlta = QT_TRANSLATE_NOOP("Academia", "Student %1 has already signed up in subject %2, shift %3");
const char* const kHorario = QT_TRANSLATE_NOOP("Academia", "The office is open from %1 to %2 %3");
const char* const kHorarioTarde = QT_TRANSLATE_NOOP("Academia", "and from %1 to %2");

using Fallos = QList<std::shared_ptr<EstadoAcademiaFallo>>;

// A fault lives while the current or the ignored list holds it, or while it
// belongs to one of the three latest checks: a result list stays readable
// while two more checks run (the status dialog checks again while the dialog
// that opened it still holds its own list).
Fallos g_actuales;
Fallos g_ignorados;
QList<Fallos> g_recientes;

QList<EstadoAcademiaFallo*> punteros(const Fallos& fallos)
{
    QList<EstadoAcademiaFallo*> lista;
    lista.reserve(fallos.size());
    for (const auto& f : fallos)
        lista << f.get();
    return lista;
}

// Fills %1..%9 of texto in one pass, so neither the order of the placeholders
// nor a value that itself contains "%n" changes the result.
QString rellenar(const QString& texto, const QStringList& valores)
{
    QString resultado;
    resultado.reserve(texto.size() + 64);
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        if (c == QLatin1Char('%') && i + 1 < texto.size()) {
            const int n = texto.at(i + 1).digitValue();
            if (n >= 1 && n <= valores.size()) {
                resultado += valores.at(n - 1);
                ++i;
                continue;
            }
        }
        resultado += c;
    }
    return resultado;
}

QString configuracion(const char* clave)
{
    QSettings s;
    s.beginGroup(QLatin1String(kGrupo));
    return s.value(QLatin1String(clave)).toString();
}

// The hour and minute pairs of the settings, with the defaults the hour
// getters and the outside-hours query share.
QPair<int, int> horaMinuto(const char* claveHora, int hora, const char* claveMinuto, int minuto)
{
    QSettings s;
    s.beginGroup(QLatin1String(kGrupo));
    return {s.value(QLatin1String(claveHora), hora).toInt(), s.value(QLatin1String(claveMinuto), minuto).toInt()};
}

QPair<int, int> apertura()
{
    return horaMinuto("hora_apertura", 9, "minuto_apertura", 30);
}

QPair<int, int> cierre()
{
    return horaMinuto("hora_cierre", 22, "minuto_cierre", 0);
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
    return resultado;
}

// Rows of sql keyed by their first column, for the given ids: sql holds "%1"
// where the id list goes ("... WHERE x.id IN (%1)"). A few queries per kind of
// finding, however many findings there are.
QHash<int, QVariantList> porId(const QString& sql, const QList<int>& ids, int columnas)
{
    QHash<int, QVariantList> resultado;
    const int trozo = 500;
    for (int i = 0; i < ids.size(); i += trozo) {
        QStringList lista;
        for (int id : ids.mid(i, trozo))
            lista << QString::number(id);
        for (const QVariantList& fila : filas(QString(sql).replace(QLatin1String("%1"), lista.join(QLatin1Char(','))),
                                              columnas))
            resultado.insert(fila.at(0).toInt(), fila);
    }
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
        const QString mensaje = rellenar(
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
    const auto [horaA, minutoA] = apertura();
    const auto [horaC, minutoC] = cierre();
    const QString sql = consulta(QStringLiteral("consulta_fuera_horario"))
                            .replace(QLatin1String("%1"), QString::number(horaA * 60 + minutoA))
                            .replace(QLatin1String("%2"), QString::number(horaC * 60 + minutoC));
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

void dobleAltaTurno(QList<EstadoAcademia*>& resultado)
{
    const QList<int> ids = columnaInt(filas(consulta(QStringLiteral("consulta_doble_alta_turno")), 1), 0);
    const QHash<int, QVariantList> a = altas(ids);
    const QString texto = QCoreApplication::translate("Academia", kDobleAlta);
    for (int id : ids) {
        const QVariantList alta = a.value(id);
        if (!alta.isEmpty())
            resultado << new EstadoAcademiaInconsistencia(
                rellenar(texto, {alta.at(1).toString(), alta.at(2).toString(), alta.at(3).toString()}), false);
    }
}

void dobleAltaAsignatura(QList<EstadoAcademia*>& resultado)
{
    const QList<int> ids = columnaInt(filas(consulta(QStringLiteral("consulta_doble_alta_asignatura")), 1), 0);
    const QHash<int, QVariantList> a = altas(ids);
    for (int id : ids) {
        const QVariantList alta = a.value(id);
        if (!alta.isEmpty())
            resultado << new EstadoAcademiaFalloAsignaturaDoble(id, alta.at(4).toInt(), alta.at(5).toInt(),
                                                                alta.at(1).toString(), alta.at(2).toString());
    }
}

// What a query's findings depend on besides its tables: today's date (the
// queries compare with julianday('now'), a UTC date), the opening hours, and
// the language of the texts.
QString circunstancias()
{
    const auto [horaA, minutoA] = apertura();
    const auto [horaC, minutoC] = cierre();
    return QDateTime::currentDateTimeUtc().date().toString(Qt::ISODate) + QLatin1Char('|')
           + QString::number(horaA * 60 + minutoA) + QLatin1Char('-') + QString::number(horaC * 60 + minutoC)
           + QLatin1Char('|') + QLocale().name() + QLatin1Char('|')
           + QCoreApplication::translate("Academia", kSolapaAula);
}

QList<quint64> versiones(const QStringList& tablas)
{
    QList<quint64> lista;
    lista.reserve(tablas.size());
    for (const QString& tabla : tablas)
        lista << ChangeNotifier::instance()->version(tabla);
    return lista;
}

// A value worked out from some tables, kept while they and the
// circumstances stay the same.
template<class T> class Recordado
{
public:
    template<class F> const T& valor(const QStringList& tablas, F calcular)
    {
        const QList<quint64> estado = versiones(tablas);
        const QString ahora = circunstancias();
        if (!m_hay || estado != m_versiones || ahora != m_circunstancias) {
            m_valor = calcular();
            m_versiones = estado;
            m_circunstancias = ahora;
            m_hay = true;
        }
        return m_valor;
    }

private:
    bool m_hay = false;
    QList<quint64> m_versiones;
    QString m_circunstancias;
    T m_valor;
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
};

AltasActivas leerAltasActivas()
{
    struct Fila {
        int id;
        int turno;
        QString nombre;
        std::optional<double> desde;
        std::optional<double> hasta;
    };
    const auto opcional = [](const DaoRow& r, int c) {
        return r.value(c).isNull() ? std::optional<double>() : std::optional<double>(r.real(c));
    };
    QHash<qlonglong, QList<Fila>> porAlumno;
    AltasActivas altas;
    Dao::getInstance()->readRows(
        QStringLiteral("SELECT id, idalumno, idturnoasignatura, nombrealumno, julianday(falta), julianday(fbaja) "
                       "FROM alta WHERE idturnoasignatura IS NOT NULL "
                       "AND (fbaja IS NULL OR julianday(fbaja) > julianday('now')) ORDER BY id"),
        {}, [&](const DaoRow& r) {
            const Fila fila{int(r.integer(0)), int(r.integer(2)), r.text(3), opcional(r, 4), opcional(r, 5)};
            ++altas.numeroPorTurno[fila.turno];
            if (!fila.hasta || (fila.desde && *fila.desde < *fila.hasta))
                altas.nombresPorTurno[fila.turno] << fila.nombre;
            if (!r.value(1).isNull())
                porAlumno[r.integer(1)] << fila;
        });
    // as SQL compares: a comparison with null is not true
    const auto antes = [](const std::optional<double>& a, const std::optional<double>& b) { return a && *a < *b; };
    QList<std::pair<int, AltasActivas::Par>> pares;
    for (const QList<Fila>& delAlumno : std::as_const(porAlumno)) {
        for (const Fila& a1 : delAlumno) {
            for (const Fila& a2 : delAlumno) {
                if (a1.id != a2.id && (!a2.hasta || antes(a1.desde, a2.hasta))
                    && (!a1.hasta || antes(a2.desde, a1.hasta)))
                    pares.append({a1.id, {a1.nombre, a1.turno, a2.turno}});
            }
        }
    }
    std::stable_sort(pares.begin(), pares.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    altas.pares.reserve(pares.size());
    for (const auto& par : std::as_const(pares))
        altas.pares.append(par.second);
    return altas;
}

const AltasActivas& altasActivas()
{
    static Recordado<AltasActivas> recordado;
    return recordado.valor({QStringLiteral("alta")}, leerAltasActivas);
}

// The subject name of each shift that has one.
const QHash<int, QString>& asignaturaDeTurno()
{
    static Recordado<QHash<int, QString>> recordado;
    return recordado.valor({QStringLiteral("turnoasignatura"), QStringLiteral("asignatura")}, [] {
        QHash<int, QString> nombres;
        Dao::getInstance()->readRows(QStringLiteral("SELECT t.id, a.nombre FROM turnoasignatura t "
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
    static Recordado<QList<Sesion>> recordado;
    return recordado.valor({QStringLiteral("sesiondeclase")}, [] {
        QList<Sesion> lista;
        Dao::getInstance()->readRows(
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
    static QHash<QString, Recordado<QHash<int, QString>>> recordados;
    return recordados[tabla].valor({tabla}, [&tabla] {
        QHash<int, QString> porId;
        Dao::getInstance()->readRows(QStringLiteral("SELECT id, nombre FROM ") + tabla, {},
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

// The findings of "consulta_aforo_aulas", with the count of each shift's
// active enrolments kept between checks.
void aforo(QList<EstadoAcademia*>& resultado)
{
    const AltasActivas& altas = altasActivas();
    static Recordado<QHash<int, int>> recordado;
    const QHash<int, int>& aforos = recordado.valor({QStringLiteral("aula")}, [] {
        QHash<int, int> porAula;
        Dao::getInstance()->readRows(QStringLiteral("SELECT id, aforo FROM aula WHERE aforo IS NOT NULL"), {},
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

// The findings of each query, kept while nothing they depend on changed: a
// few states per query, so that going back to an earlier state (a rollback)
// finds its findings again.
struct Hallazgos {
    QList<quint64> versiones;
    QString circunstancias;
    QList<std::shared_ptr<const EstadoAcademia>> modelos;
};

QList<QList<Hallazgos>> g_cache;

// The findings of the whole check, new objects the caller owns, in the
// check's order. Only the queries whose tables changed run again.
QList<EstadoAcademia*> hallar()
{
    const QList<Consulta>& lista = consultas();
    if (g_cache.size() != lista.size())
        g_cache = QList<QList<Hallazgos>>(lista.size());
    const QString ahora = circunstancias();
    QList<EstadoAcademia*> resultado;
    for (qsizetype i = 0; i < lista.size(); ++i) {
        QList<Hallazgos>& guardados = g_cache[i];
        const QList<quint64> estado = versiones(lista.at(i).tablas);
        auto encontrado = std::find_if(guardados.begin(), guardados.end(), [&](const Hallazgos& h) {
            return h.versiones == estado && h.circunstancias == ahora;
        });
        if (encontrado == guardados.end()) {
            QList<EstadoAcademia*> nuevos;
            lista.at(i).hallar(nuevos);
            Hallazgos h{estado, ahora, {}};
            for (EstadoAcademia* e : std::as_const(nuevos))
                h.modelos.append(std::shared_ptr<const EstadoAcademia>(e));
            if (guardados.size() >= 4)
                guardados.removeLast();
            guardados.prepend(std::move(h));
            encontrado = guardados.begin();
        }
        for (const auto& modelo : std::as_const(encontrado->modelos))
            resultado << modelo->clonar();
    }
    return resultado;
}

// The office-hours texts of the letter's languages, for when no catalogue
// carries them (the letters themselves are only written in these languages).
QString textoIncorporado(QLocale::Language idioma, const char* fuente)
{
    const bool tarde = qstrcmp(fuente, kHorarioTarde) == 0;
    switch (idioma) {
    case QLocale::Spanish:
        return tarde ? QStringLiteral("y de %1 a %2") : QStringLiteral("El horario de secretaría es de %1 a %2 %3");
    case QLocale::Galician:
        return tarde ? QStringLiteral("e de %1 a %2") : QStringLiteral("O horario da secretaría é de %1 a %2 %3");
    case QLocale::English:
        return QString::fromLatin1(fuente);
    default:
        return QString();
    }
}

} // namespace

bool Academia::transaction()
{
    return Dao::getInstance()->transaction();
}

bool Academia::commit()
{
    return Dao::getInstance()->commit();
}

bool Academia::rollback()
{
    return Dao::getInstance()->rollback();
}

QList<EstadoAcademia*> Academia::comprobarEstado()
{
    const QList<EstadoAcademia*> resultado = hallar();

    Fallos fallos;
    for (EstadoAcademia* e : std::as_const(resultado)) {
        if (e->tipo() != EstadoAcademia::Fallo)
            continue;
        auto* fallo = static_cast<EstadoAcademiaFallo*>(e);
        fallos.append(std::shared_ptr<EstadoAcademiaFallo>(fallo));
        for (const auto& ignorado : std::as_const(g_ignorados)) {
            if (EstadoAcademiaFallo::mismoFallo(fallo, ignorado.get())) {
                fallo->setIgnorado(true);
                break;
            }
        }
    }
    g_recientes.append(fallos);
    if (g_recientes.size() > 3)
        g_recientes.removeFirst();
    g_actuales = std::move(fallos);
    return resultado;
}

QSet<QString> Academia::identidadesEstado()
{
    QSet<QString> identidades;
    for (EstadoAcademia* e : hallar()) {
        identidades.insert(e->identidad());
        delete e;
    }
    return identidades;
}

void Academia::ignorarAvisos()
{
    g_ignorados = std::exchange(g_actuales, {});
}

void Academia::inicializarEstado()
{
    migrarHorarioSecretaria();
    const QList<EstadoAcademia*> resultado = comprobarEstado();
    for (EstadoAcademia* e : resultado) {
        if (e->tipo() != EstadoAcademia::Fallo)
            delete e;
    }
    ignorarAvisos();
}

QList<EstadoAcademiaFallo*> Academia::avisosActuales()
{
    return punteros(g_actuales);
}

QList<EstadoAcademiaFallo*> Academia::avisosIgnorados()
{
    return punteros(g_ignorados);
}

QTime Academia::horaApertura()
{
    const auto [hora, minuto] = apertura();
    return QTime(hora, minuto);
}

QTime Academia::horaCierre()
{
    const auto [hora, minuto] = cierre();
    return QTime(hora, minuto);
}

QString Academia::nombre()
{
    return configuracion("academia_nombre");
}

QString Academia::reciboExpedidoEn()
{
    return configuracion("recibo_expedidoEn");
}

void Academia::migrarHorarioSecretaria()
{
    struct Par {
        const char* antigua;
        const char* nueva;
        const char* aviso;
    };
    const Par pares[] = {
        {"impagos_horaApertura", "secretaria_horaApertura1",
         "Unable to convert from deprecated impagos_horaApertura to new secretaria_horaApertura1. Leaving empty "
         "secretaria_horaApertura1"},
        {"impagos_horaCierre", "secretaria_horaCierre1",
         "Unable to convert from deprecated impagos_horaCierre to new secretaria_horaCierre1. Leaving empty "
         "secretaria_horaCierre1"},
    };
    QSettings s;
    for (const Par& par : pares) {
        if (!s.contains(QLatin1String(par.antigua)))
            continue;
        const QString nueva = QLatin1String(kGrupo) + QLatin1Char('/') + QLatin1String(par.nueva);
        if (!s.contains(nueva)) {
            const QTime hora = QTime::fromString(s.value(QLatin1String(par.antigua)).toString(), QStringLiteral("hh:mm"));
            s.setValue(nueva, hora);
            if (!hora.isValid())
                qWarning("%s", par.aviso);
        }
        s.remove(QLatin1String(par.antigua));
    }
}

QString Academia::logoPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QDir::separator() +
           QStringLiteral("logo");
}

QPixmap Academia::logo()
{
    if (QFile::exists(logoPath())) {
        const QPixmap propio(logoPath());
        // an unreadable file must not leave documents without a logo
        if (!propio.isNull())
            return propio;
    }
    return QPixmap(QStringLiteral(":/icons/logovelbrook.png"));
}

QString Academia::datosAcademiaHtml()
{
    const auto v = [](const char* clave) { return configuracion(clave).toHtmlEscaped(); };
    return v("academia_direccion") + QStringLiteral(" ") + v("academia_web") + QStringLiteral("<br/>") +
           v("academia_telefono") + QStringLiteral(" ") + v("academia_e-mail") + QStringLiteral("<br/>") +
           v("academia_denominacion") + QStringLiteral(" ") + v("academia_nif") + QStringLiteral("<br/>");
}

QString Academia::cabeceraListado()
{
    return rellenarPlantilla(QStringLiteral(":/html/cabeceraListado.html"),
                             {{QStringLiteral("%%DATOSACADEMIA%%"), datosAcademiaHtml()}});
}

QString Academia::horarioSecretaria(const QLocale& locale)
{
    QTranslator traductor;
    QByteArray datos;
    bool cargado = false;
    const QResource recurso(QStringLiteral(":/translations/") + QCoreApplication::applicationName().toLower() +
                                QStringLiteral(".qm"),
                            locale);
    if (recurso.isValid()) {
        datos = recurso.uncompressedData();
        cargado = traductor.load(reinterpret_cast<const uchar*>(datos.constData()), int(datos.size()));
    }
    if (!cargado && textoIncorporado(locale.language(), kHorario).isEmpty()) {
        qWarning().noquote() << "Unable to load the translation resource to the locale" << ('"' + locale.name() + '"');
        return QString();
    }
    const auto traducir = [&](const char* fuente) {
        QString t = cargado ? traductor.translate("Academia", fuente) : QString();
        if (t.isEmpty())
            t = textoIncorporado(locale.language(), fuente);
        return t.isEmpty() ? QString::fromLatin1(fuente) : t;
    };
    QSettings s;
    s.beginGroup(QLatin1String(kGrupo));
    const auto hora = [&s](const char* clave) {
        return s.value(QLatin1String(clave)).toTime().toString(QStringLiteral("hh:mm"));
    };
    const QTime apertura2 = s.value(QStringLiteral("secretaria_horaApertura2")).toTime();
    const QTime cierre2 = s.value(QStringLiteral("secretaria_horaCierre2")).toTime();
    const QString tarde = apertura2 == cierre2 ? QString()
                                               : rellenar(traducir(kHorarioTarde),
                                                          {apertura2.toString(QStringLiteral("hh:mm")),
                                                           cierre2.toString(QStringLiteral("hh:mm"))});
    return rellenar(traducir(kHorario), {hora("secretaria_horaApertura1"), hora("secretaria_horaCierre1"), tarde});
}

QString Academia::escritoImpagos(const QString& nombreAlumno, const QString& tablaDeudas, const QLocale& locale,
                                 const QString& lugar)
{
    const QString plantilla = locale.language() == QLocale::Galician
                                  ? QStringLiteral(":/html/pageEscritoImpagos_gl.html")
                                  : QStringLiteral(":/html/pageEscritoImpagos.html");
    const QDate hoy = QDate::currentDate();
    // tablaDeudas is markup built by the caller; everything else is plain text
    return rellenarPlantilla(
        plantilla,
        {{QStringLiteral("##nombrealumno##"), nombreAlumno.toHtmlEscaped()},
         {QStringLiteral("##tablaDeudas##"), tablaDeudas},
         {QStringLiteral("##horariosecreteria##"), horarioSecretaria(locale).toHtmlEscaped()},
         {QStringLiteral("##diames##"), QString::number(hoy.day())},
         {QStringLiteral("##nombremes##"), locale.monthName(hoy.month(), QLocale::LongFormat).toHtmlEscaped()},
         {QStringLiteral("##year##"), QString::number(hoy.year())},
         {QStringLiteral("##lugar##"), (lugar.isEmpty() ? reciboExpedidoEn() : lugar).toHtmlEscaped()}});
}

QString Academia::rellenarPlantilla(const QString& fileName, const QList<QPair<QString, QString>>& valores)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly)) {
        qDebug() << "Error opening resource file" << fileName;
        return QString();
    }
    const QString plantilla = QString::fromUtf8(f.readAll());
    // Longer tokens first, so that no token is taken for a shorter one it contains.
    QList<QPair<QString, QString>> porLongitud = valores;
    std::stable_sort(porLongitud.begin(), porLongitud.end(),
                     [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
    QStringList tokens;
    QHash<QString, QString> porToken;
    for (const auto& [token, valor] : std::as_const(porLongitud)) {
        tokens << QRegularExpression::escape(token);
        porToken.insert(token, valor);
    }
    const QRegularExpression marca(tokens.join(QLatin1Char('|')));
    QString resultado;
    qsizetype desde = 0;
    for (auto it = marca.globalMatch(plantilla); it.hasNext();) {
        const auto m = it.next();
        resultado += QStringView(plantilla).mid(desde, m.capturedStart() - desde);
        resultado += porToken.value(m.captured());
        desde = m.capturedEnd();
    }
    resultado += QStringView(plantilla).mid(desde);
    return resultado;
}

QString Academia::leerFichero(const QString& fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly)) {
        qWarning().noquote() << "File" << ('"' + fileName + '"') << "not found";
        return QString();
    }
    // the embedded files are UTF-8, as every other text of the program
    return QString::fromUtf8(f.readAll());
}
