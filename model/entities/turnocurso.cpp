#include "turnocurso.h"

#include "adatehelper.h"
#include "alta.h"
#include "alumno.h"
#include "asignatura.h"
#include "curso.h"
#include "dao.h"
#include "filaunica.h"
#include "daotransaction.h"
#include "linealistado.h"
#include "listado.h"
#include "moneda.h"
#include "sqlcollation.h"
#include "turnoasignatura.h"

#include <QDebug>
#include <QLocale>
#include <QSet>

#include <memory>

const QString TurnoCurso::TABLE = QStringLiteral("turnocurso");
const QStringList TurnoCurso::COLUMNS = {QStringLiteral("id"), QStringLiteral("nombre"),
                                         QStringLiteral("precioorientativo"), QStringLiteral("idcurso")};

namespace {
const QString LINK_TABLE = QStringLiteral("turnocurso_turnoasignatura");
} // namespace

TurnoCurso::TurnoCurso(QObject* parent)
    : QObject(parent)
{
}

TurnoCurso::TurnoCurso(int id, QObject* parent)
    : QObject(parent)
    , m_id(id)
{
}

void TurnoCurso::setCurso(Curso* curso)
{
    m_curso = curso;
    m_idCurso = curso ? curso->id() : 0;
}

Curso* TurnoCurso::getCurso()
{
    if (m_curso)
        return m_curso;
    // A course that cannot be loaded is as missing as no course at all.
    Curso* curso = m_idCurso == 0 ? nullptr : Curso::getFromDB(m_idCurso);
    if (!curso) {
        qWarning("Accediendo al curso de un TurnoCurso que no tiene curso asociado. TurnoCurso::id()= %d", m_id);
        return nullptr;
    }
    curso->setParent(this);
    setCurso(curso);
    return m_curso;
}

void TurnoCurso::loadTurnosAsignatura()
{
    if (m_loaded)
        return;
    m_turnos = TurnoAsignatura::listByTurnoCurso(m_id);
    for (TurnoAsignatura* turno : std::as_const(m_turnos))
        turno->setParent(this);
    m_loaded = true;
}

QList<TurnoAsignatura*> TurnoCurso::getTurnosAsignatura()
{
    loadTurnosAsignatura();
    return m_turnos + m_turnosNuevos;
}

int TurnoCurso::getNumTurnosAsignatura()
{
    return getTurnosAsignatura().size();
}

void TurnoCurso::addTurnoAsignatura(TurnoAsignatura* turno)
{
    if (!turno->parent())
        turno->setParent(this);
    m_turnosNuevos.append(turno);
}

void TurnoCurso::removeTurnoAsignatura(TurnoAsignatura* turno)
{
    m_turnos.removeAll(turno);
    m_turnosNuevos.removeAll(turno);
}

void TurnoCurso::removeTurnoAsignaturaById(int id)
{
    loadTurnosAsignatura();
    for (int i = m_turnos.size() - 1; i >= 0; --i) {
        if (m_turnos.at(i)->id() == id)
            delete m_turnos.takeAt(i);
    }
}

void TurnoCurso::removeTurnosDeAsignatura(Asignatura* asignatura)
{
    const QList<TurnoAsignatura*> propios = asignatura->turnos();
    const QList<TurnoAsignatura*> miembros = getTurnosAsignatura();
    for (TurnoAsignatura* miembro : miembros) {
        const bool suyo = propios.contains(miembro)
                          || (asignatura->id() > 0 && miembro->getIdAsignatura() == asignatura->id());
        if (suyo)
            removeTurnoAsignatura(miembro);
    }
}

void TurnoCurso::clearTurnosAsignatura()
{
    m_turnos.clear();
    m_turnosNuevos.clear();
}

TurnoCurso* TurnoCurso::fromQuery(QSqlQuery& query)
{
    auto* turno = new TurnoCurso(query.value(0).toInt(), nullptr);
    turno->m_nombre = query.value(1).toString();
    turno->m_precioOrientativo = Moneda::deCentimos(query.value(2));
    turno->m_idCurso = query.value(3).toInt();
    return turno;
}

TurnoCurso* TurnoCurso::getFromDB(int id)
{
    QSqlQuery query = FilaUnica::select(TABLE, COLUMNS, QStringLiteral("id = ?"), {id});
    return query.isValid() ? fromQuery(query) : nullptr;
}

QList<TurnoCurso*> TurnoCurso::listByCurso(int idCurso)
{
    QSqlQuery query = Dao::getInstance()->select(TABLE, COLUMNS, QStringLiteral("idcurso = ?"), QString(), {idCurso});
    QList<TurnoCurso*> list;
    while (query.next())
        list.append(fromQuery(query));
    return list;
}

QList<TurnoCurso*> TurnoCurso::listForModel()
{
    const QString sql = QStringLiteral("SELECT tc.%1 ,c.nombre, c.descripcion from %2 tc JOIN curso c on "
                                       "tc.idcurso = c.id")
                            .arg(COLUMNS.join(QStringLiteral(", tc.")), TABLE);
    QSqlQuery query = Dao::getInstance()->query(sql, {});
    QList<TurnoCurso*> list;
    while (query.next()) {
        TurnoCurso* turno = fromQuery(query);
        // The course keeps its real id, so the shift still names its course.
        auto* curso = new Curso(turno->m_idCurso, turno);
        curso->setNombre(query.value(4).toString());
        curso->setDescripcion(query.value(5).toString());
        turno->setCurso(curso);
        list.append(turno);
    }
    return list;
}

bool TurnoCurso::storeTurnosAsignatura()
{
    DaoTransaction tx;
    loadTurnosAsignatura();
    Dao* dao = Dao::getInstance();
    bool ok = dao->deleteFrom(LINK_TABLE, {QStringLiteral("idturnocurso")}, {m_id});
    if (ok) {
        const QList<TurnoAsignatura*> miembros = getTurnosAsignatura();
        for (TurnoAsignatura* miembro : miembros) {
            // A link row must name a stored subject shift.
            if (miembro->id() < 1) {
                qWarning() << "Intentando enlazar un turnoCurso con un turnoAsignatura sin id. turnoCurso id ="
                           << m_id;
                ok = false;
                break;
            }
            if (!dao->insert(LINK_TABLE, {QStringLiteral("idturnocurso"), QStringLiteral("idturnoasignatura")},
                             {Dao::idOrNull(m_id), Dao::idOrNull(miembro->id())})
                     .isValid()) {
                ok = false;
                break;
            }
        }
    }
    if (!ok) {
        tx.rollback();
        return false;
    }
    ok = tx.commit();
    if (ok) {
        m_turnos.append(m_turnosNuevos);
        m_turnosNuevos.clear();
    }
    return ok;
}

bool TurnoCurso::persist(bool useTransaction)
{
    if (m_id >= 1) {
        qWarning() << "Intentando almacenar como nuevo un turnoCurso que ya tiene id. id =" << m_id;
        return false;
    }
    DaoTransaction tx(useTransaction ? DaoTransaction::OwnOrJoin : DaoTransaction::JoinOnly);
    m_id = Dao::getInstance()
               ->insert(TABLE, COLUMNS.mid(1),
                        {m_nombre, Moneda::aCentimos(m_precioOrientativo), Dao::idOrNull(m_idCurso)})
               .toInt();
    const bool ok = m_id != 0 && storeTurnosAsignatura() && tx.commit();
    if (!ok && tx.owns())
        m_id = 0; // nothing of it is stored: a retry stores it anew
    return ok;
}

bool TurnoCurso::update(bool useTransaction)
{
    if (m_id == 0) {
        qWarning() << "Intentando actualizar un turnoCurso sin id";
        return false;
    }
    DaoTransaction tx(useTransaction ? DaoTransaction::OwnOrJoin : DaoTransaction::JoinOnly);
    const bool ok = Dao::getInstance()->update(
                        TABLE, COLUMNS.mid(1), QStringLiteral("id = ?"),
                        {m_nombre, Moneda::aCentimos(m_precioOrientativo), Dao::idOrNull(m_idCurso), m_id})
                    && storeTurnosAsignatura() && tx.commit();
    return ok;
}

bool TurnoCurso::remove(int id, bool conCurso)
{
    DaoTransaction tx;
    Dao* dao = Dao::getInstance();
    bool ok = dao->deleteFrom(LINK_TABLE, {QStringLiteral("idturnocurso")}, {id});
    std::unique_ptr<TurnoCurso> turno;
    int hermanos = 0;
    if (ok) {
        turno.reset(getFromDB(id));
        if (!turno) {
            qWarning() << "Tratando de eliminar un turnoCurso que no existe. id =" << id;
            ok = false;
        } else if (!turno->getCurso()) {
            ok = false;
        } else {
            hermanos = turno->getCurso()->turnos().size();
            if (hermanos == 0) {
                qWarning("Hay un turno de curso que en su grupo de hermanos son 0");
                ok = false;
            } else {
                ok = dao->deleteFrom(TABLE, {QStringLiteral("id")}, {id});
            }
        }
    }
    // The last shift of a course takes the course with it.
    if (ok && conCurso && hermanos == 1)
        ok = turno->getCurso()->remove();

    ok = ok && tx.commit();
    return ok;
}

Listado* TurnoCurso::listadoAltas(QDate ini, QDate fin)
{
    return listado(true, 1, ini, fin);
}

Listado* TurnoCurso::listadoBajas(QDate ini, QDate fin)
{
    return listado(true, 2, ini, fin);
}

Listado* TurnoCurso::listado(bool conImportes, int tipoListado, QDate ini, QDate fin)
{
    const QList<TurnoAsignatura*> miembros = getTurnosAsignatura();
    QList<Alta*> altas;
    for (TurnoAsignatura* miembro : miembros) {
        switch (tipoListado) {
        case 0:
            altas += Alta::listAltasPorTurnoAsignatura(miembro->id(), true, ADateHelper::firstDayOfMonth(),
                                                       ADateHelper::firstDayOfNextMonth(), 0);
            break;
        case 1:
            altas += Alta::listAltasDadasDeAlta(miembro->id(), ini, fin);
            break;
        case 2:
            altas += Alta::listAltasDadasDeBaja(miembro->id(), ini, fin);
            break;
        default:
            qWarning() << "TurnoCurso: tipoListado no reconocido";
            break;
        }
    }
    std::unique_ptr<QObject> altasOwner(new QObject);
    for (Alta* alta : std::as_const(altas))
        alta->setParent(altasOwner.get());

    QStringList ids;
    QSet<int> vistos;
    for (Alta* alta : std::as_const(altas)) {
        if (alta->idAlumno() <= 0 || vistos.contains(alta->idAlumno()))
            continue;
        vistos.insert(alta->idAlumno());
        ids.append(QString::number(alta->idAlumno()));
    }
    auto* resultado = new Listado(nullptr);
    if (ids.isEmpty()) {
        qDebug() << "No hay alumnos para generar el listado";
        return resultado;
    }

    QList<Alumno*> alumnos =
        Alumno::list(QStringLiteral("apellidos COLLATE %1, nombre COLLATE %1").arg(SqlCollation::name()),
                     QStringLiteral("id in (") + ids.join(QLatin1Char(',')) + QLatin1Char(')'));
    std::unique_ptr<QObject> alumnosOwner(new QObject);
    for (Alumno* alumno : std::as_const(alumnos))
        alumno->setParent(alumnosOwner.get());

    // Titles, headers and cells are markup: every name goes in escaped.
    QString titulo = (getCurso() ? getCurso()->nombre() : QString()).toHtmlEscaped() + QStringLiteral(" - ")
                     + m_nombre.toHtmlEscaped() + QStringLiteral(". ");
    const QLocale locale;
    if (tipoListado == 1)
        titulo += tr("Registrations from %1 to %2")
                      .arg(locale.toString(ini, QLocale::ShortFormat), locale.toString(fin, QLocale::ShortFormat));
    else if (tipoListado == 2)
        titulo += tr("Withdraw from %1 to %2")
                      .arg(locale.toString(ini, QLocale::ShortFormat), locale.toString(fin, QLocale::ShortFormat));

    QStringList cabeceras{tr("Name"), tr("TOTAL"), tr("Phone")};
    QStringList atributos{QString(), QStringLiteral("width=\"0\""), QStringLiteral("width=\"0\"")};
    for (TurnoAsignatura* miembro : miembros) {
        cabeceras.append(miembro->getAsignatura() ? miembro->getAsignatura()->nombre().toHtmlEscaped() : QString());
        atributos.append(QStringLiteral("width=\"0\""));
    }
    cabeceras.append(tr("COMMENTS"));
    atributos.append(QString());

    resultado->setCabeceras(cabeceras);
    resultado->setHtmlCabeceras(atributos);
    resultado->setTitulo(titulo);
    const bool conFechas = tipoListado == 1 || tipoListado == 2;
    for (Alumno* alumno : std::as_const(alumnos))
        resultado->addlinea(lineaAlumno(alumno, miembros, altas, conImportes, conFechas));
    return resultado;
}

LineaListado* TurnoCurso::lineaAlumno(Alumno* alumno, const QList<TurnoAsignatura*>& turnos,
                                      const QList<Alta*>& altas, bool conImportes, bool conFechas)
{
    auto* linea = new LineaListado(nullptr);
    linea->addValor(QStringLiteral("<nobr>") + (alumno->apellidos() + QStringLiteral(" ,") + alumno->nombre()).toHtmlEscaped()
                        + QStringLiteral("</nobr>"),
                    QStringLiteral("class=\"nombreAlumno\""));

    QList<Alta*> suyas;
    for (Alta* alta : altas)
        if (alta->idAlumno() == alumno->id())
            suyas.append(alta);

    // Summed in cents, so that the total is exact to the cent.
    qint64 totalCentimos = 0;
    for (Alta* alta : std::as_const(suyas))
        totalCentimos += Moneda::aCentimos(alta->precio());
    linea->addValor(conImportes ? Moneda::formatearListado(Moneda::deCentimos(totalCentimos)) : QString(),
                    QStringLiteral("align=\"center\""));

    QStringList telefonos;
    const auto lista = alumno->telefonos();
    for (const auto& telefono : lista)
        telefonos.append(telefono.second.toHtmlEscaped());
    linea->addValor(telefonos.join(QStringLiteral("<br/>")), QStringLiteral("align=\"center\""));

    for (TurnoAsignatura* turno : turnos) {
        QStringList entradas;
        for (Alta* alta : std::as_const(suyas)) {
            if (alta->idTurnoAsignatura() != turno->id())
                continue;
            if (!conImportes) {
                entradas = QStringList{QStringLiteral("X")};
                break;
            }
            QString entrada = Moneda::formatearListado(alta->precio());
            if (conFechas) {
                entrada += QStringLiteral(" A-") + alta->falta().toString(QStringLiteral("dd.MM.yy"));
                if (alta->fbaja().isValid())
                    entrada += QStringLiteral(" B-") + alta->fbaja().toString(QStringLiteral("dd.MM.yy"));
            }
            entradas.append(entrada);
        }
        linea->addValor(QVariant(entradas.join(QStringLiteral("<br/>"))), QStringLiteral("style=\"font-family:mono;\""));
    }
    linea->addTexto(alumno->observaciones(), QString());
    return linea;
}
