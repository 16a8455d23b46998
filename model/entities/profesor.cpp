#include "profesor.h"

#include "adatehelper.h"
#include "arounder.h"
#include "dao.h"
#include "daotransaction.h"
#include "filaunica.h"
#include "linealistado.h"
#include "listadoresecon.h"
#include "tablatelefonos.h"
#include "moneda.h"
#include "turnoasignatura.h"
#include "valorsql.h"

#include <QDebug>
#include <QHash>
#include <QLocale>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

const QString Profesor::TABLE = QStringLiteral("profesor");
const QStringList Profesor::COLUMNS = {
    QStringLiteral("id"),          QStringLiteral("nombre"),         QStringLiteral("apellidos"),
    QStringLiteral("apodo"),       QStringLiteral("ccc"),            QStringLiteral("dni"),
    QStringLiteral("direccion"),   QStringLiteral("localidad"),      QStringLiteral("provincia"),
    QStringLiteral("cp"),          QStringLiteral("email"),          QStringLiteral("sueldofijo"),
    QStringLiteral("sueldoporhora"), QStringLiteral("sueldoporcentaje"), QStringLiteral("descuento"),
    QStringLiteral("banco"),       QStringLiteral("direccionBanco"), QStringLiteral("falta"),
    QStringLiteral("fbaja")};

namespace {
const TablaTelefonos telefonoTable(QStringLiteral("telefonoprofesor"), QStringLiteral("idprofesor"),
                                   QStringLiteral("profesor"));
}

Profesor::Profesor(QObject* parent)
    : QObject(parent)
{
}

Profesor::Profesor(int id, QObject* parent)
    : QObject(parent)
    , m_id(id)
{
}

QString Profesor::telefonosToString() const
{
    return TablaTelefonos::texto(m_telefonos);
}

QString Profesor::nombreCompleto() const
{
    const QString nombre = m_nombre + QLatin1Char(' ') + m_apellidos;
    if (m_apodo.isEmpty())
        return nombre;
    return m_apodo + QStringLiteral(" - ") + nombre;
}

// Reports. They only read; every listing is created without a parent and
// handed to the caller.

namespace {
const QString kAtributoTotales =
    QStringLiteral("bgcolor=\"#888586\" align=\"center\" class=\"ROUNDED\" style=\"font-style:bold\"");

QString fechaCorta(const QDate& fecha)
{
    return QLocale().toString(fecha, QLocale::ShortFormat);
}

// A row whose cells all carry the same attribute string. Its texts are names
// and labels, never markup: the HTML shows them as text.
LineaListado* linea(const QList<QVariant>& valores, const QString& atributo = QString())
{
    auto* fila = new LineaListado;
    for (const QVariant& valor : valores) {
        if (valor.typeId() == QMetaType::QString)
            fila->addTexto(valor.toString(), atributo);
        else
            fila->addValor(valor, atributo);
    }
    return fila;
}

// The period clipped to the teacher's sign-up and withdrawal dates.
void recortaPeriodo(const Profesor& profesor, const QDate& ini, const QDate& fin, QDate* desde, QDate* hasta)
{
    *desde = ini;
    if (profesor.fAlta().isValid() && profesor.fAlta() > ini)
        *desde = profesor.fAlta();
    *hasta = fin;
    if (profesor.fBaja().isValid() && profesor.fBaja() < fin)
        *hasta = profesor.fBaja();
}

// A shift a teacher has sessions in, with the minutes of that teacher's own
// sessions per weekday (1 = Monday).
struct TurnoDeProfesor
{
    int id = 0;
    QString etiqueta;
    QHash<int, int> minutosPorDia;
};

constexpr int kTodosLosProfesores = -1;

// The shifts of one teacher (or of every teacher with kTodosLosProfesores),
// by teacher and in shift order, read in one query. A teacher not yet stored
// has none.
QHash<int, QList<TurnoDeProfesor>> turnosDeProfesores(int idProfesor)
{
    if (idProfesor != kTodosLosProfesores && idProfesor < 1)
        return {};
    QString sql = QStringLiteral(
        "SELECT s.idprofesor, ta.id, a.nombre, ta.nombre, s.diasemana, sum(s.minutofin - s.minutoinicio) "
        "FROM sesiondeclase s JOIN turnoasignatura ta ON ta.id = s.idturnoasignatura "
        "JOIN asignatura a ON a.id = ta.idasignatura ");
    QList<QVariant> valores;
    if (idProfesor != kTodosLosProfesores) {
        sql += QStringLiteral("WHERE s.idprofesor = ? ");
        valores << idProfesor;
    }
    sql += QStringLiteral("GROUP BY s.idprofesor, ta.id, s.diasemana ORDER BY s.idprofesor, ta.id");
    QSqlQuery query = Dao::getInstance()->query(sql, valores);
    QHash<int, QList<TurnoDeProfesor>> turnos;
    while (query.next()) {
        QList<TurnoDeProfesor>& lista = turnos[query.value(0).toInt()];
        const int idTurno = query.value(1).toInt();
        if (lista.isEmpty() || lista.constLast().id != idTurno) {
            TurnoDeProfesor turno;
            turno.id = idTurno;
            turno.etiqueta = query.value(2).toString() + QLatin1String(" - ") + query.value(3).toString();
            lista.append(turno);
        }
        lista.last().minutosPorDia[query.value(4).toInt()] += query.value(5).toInt();
    }
    return turnos;
}

// The income of the shifts of one teacher (or of every shift with
// kTodosLosProfesores) in the period, in one query: the prices of the
// enrolments that started before its end and had not been withdrawn by its
// start. A shift without such enrolments is absent (income 0). False when
// the query failed.
bool ingresosDeTurnos(const QDate& desde, const QDate& hasta, int idProfesor, QHash<int, double>* ingresos)
{
    QString sql = QStringLiteral("SELECT idturnoasignatura, SUM(precio) FROM alta WHERE julianday(falta) < julianday(?) "
                                 "AND (fbaja is null OR julianday(fbaja) > julianday(?)) ");
    QList<QVariant> valores{hasta, desde};
    if (idProfesor != kTodosLosProfesores) {
        sql += QStringLiteral("AND idturnoasignatura IN (SELECT idturnoasignatura FROM sesiondeclase "
                              "WHERE idprofesor = ?) ");
        valores << idProfesor;
    }
    QSqlQuery query = Dao::getInstance()->query(sql + QStringLiteral("GROUP BY idturnoasignatura"), valores);
    if (!query.isActive()) {
        qWarning() << "Error executing query: \n" + query.lastError().text();
        return false;
    }
    while (query.next())
        ingresos->insert(query.value(0).toInt(), query.value(1).toDouble());
    return true;
}

// The hourly part from the teacher's shifts, already loaded.
Profesor::ParteSueldo parteHoras(const Profesor& profesor, const QList<TurnoDeProfesor>& turnos, const QDate& ini,
                                 const QDate& fin)
{
    QDate desde, hasta;
    recortaPeriodo(profesor, ini, fin, &desde, &hasta);
    const double porHora = profesor.sueldoPorHora();

    auto* listado = new Listado;
    listado->setCabeceras({Profesor::tr("Subject"), Profesor::tr("hours"), Profesor::tr("€/hour"),
                           Profesor::tr("€ for teacher")});
    double totalHoras = 0.0;
    double total = 0.0;
    for (const TurnoDeProfesor& turno : turnos) {
        double minutos = 0.0;
        for (QDate dia = desde; dia < hasta; dia = dia.addDays(1)) {
            minutos += turno.minutosPorDia.value(dia.dayOfWeek(), 0);
            qDebug() << " nMinutos es " << minutos;
            qDebug() << " day es " << fechaCorta(dia);
            qDebug() << " dayofweek es " << dia.dayOfWeek();
        }
        const double horas = ARounder::round(minutos / 60.0, 2);
        const double importe = horas * porHora;
        listado->addlinea(linea({turno.etiqueta, horas, porHora, importe}));
        totalHoras += horas;
        total += importe;
    }
    listado->addlinea(linea({QStringLiteral("Totales"), totalHoras, porHora, total}, kAtributoTotales));
    listado->setTitulo(Profesor::tr("Fixed salary an hour"));
    return {listado, total};
}

// The percentage part from the teacher's shifts, already loaded. The
// incomes of the whole period may be given (read once for many teachers);
// otherwise, or when the teacher's dates clip the period, they are read here.
Profesor::ParteSueldo partePorcentaje(const Profesor& profesor, const QList<TurnoDeProfesor>& turnos,
                                      const QDate& ini, const QDate& fin, const QHash<int, double>* ingresosPeriodo,
                                      bool* ok)
{
    if (ok)
        *ok = true;
    QDate desde, hasta;
    recortaPeriodo(profesor, ini, fin, &desde, &hasta);
    // A teacher who was not at the academy on any day of the period earns
    // nothing from it, like the other two parts.
    if (hasta <= desde)
        return {nullptr, 0.0};
    // Incomes that cannot be read count as none, and *ok tells.
    QHash<int, double> leidos;
    const bool propios = !ingresosPeriodo || desde != ini || hasta != fin;
    if (propios && !ingresosDeTurnos(desde, hasta, profesor.id(), &leidos) && ok)
        *ok = false;
    const QHash<int, double>& ingresos = propios ? leidos : *ingresosPeriodo;

    const double porcentaje = profesor.sueldoPorcentaje();
    auto* listado = new Listado;
    listado->setCabeceras({Profesor::tr("Subject"), Profesor::tr("Amount raised"), Profesor::tr("% for teacher"),
                           Profesor::tr("€ for teacher")});
    double totalIngresos = 0.0;
    for (const TurnoDeProfesor& turno : turnos) {
        const double ingreso = ingresos.value(turno.id, 0.0);
        totalIngresos += ingreso;
        listado->addlinea(
            linea({turno.etiqueta, ingreso, porcentaje, ARounder::round(ingreso * porcentaje / 100.0, 3)}));
    }
    const double importe = ARounder::round(totalIngresos * porcentaje / 100.0, 2);
    listado->addlinea(linea({QStringLiteral("Totales"), totalIngresos, porcentaje, importe}, kAtributoTotales));
    listado->setTitulo(Profesor::tr("Of salary by percentage"));
    return {listado, importe};
}
}

Listado* Profesor::listadoAlumnos(const QDate& ini, const QDate& fin) const
{
    auto* listado = new Listado;
    listado->setCabeceras({tr("Student"), tr("Subject"), tr("Amount")});
    double total = 0.0;
    const QList<TurnoDeProfesor> turnos = turnosDeProfesores(m_id).value(m_id);
    for (const TurnoDeProfesor& turno : turnos) {
        const QList<QPair<QString, double>> alumnos = TurnoAsignatura(turno.id, nullptr).getAlumnosYPrecios(ini, fin);
        for (const auto& alumno : alumnos) {
            listado->addlinea(linea({alumno.first, turno.etiqueta, alumno.second}));
            total += alumno.second;
        }
    }
    listado->addlinea(linea({QStringLiteral("Totales"), QString(), total}, kAtributoTotales));
    // Plain replacement: a nickname holding "%1" stays as written. The title
    // is markup, the nickname text.
    listado->setTitulo(tr("Student listing for teacher: %1 ").replace(QLatin1String("%1"), m_apodo.toHtmlEscaped()));
    return listado;
}

Profesor::ParteSueldo Profesor::liquidacionFijo(const QDate& ini, const QDate& fin) const
{
    if (m_sueldoFijo == 0.0)
        return {nullptr, 0.0};
    QDate desde, hasta;
    recortaPeriodo(*this, ini, fin, &desde, &hasta);
    if (hasta < desde)
        return {nullptr, 0.0};

    double meses = 1.0;
    double importe = m_sueldoFijo;
    if (desde != ini || hasta != fin) {
        const double proporcion = desde.daysTo(hasta) / 30.0;
        meses = ARounder::round(proporcion, 2);
        importe = ARounder::round(m_sueldoFijo * proporcion, 2);
    }

    auto* listado = new Listado;
    listado->setCabeceras({tr("Months"), tr("€/month"), tr("€ for teacher")});
    const QString textoMeses = QString::number(meses, 'g', 6) + QLatin1String(" (") + fechaCorta(desde)
                               + QLatin1String(" - ") + fechaCorta(hasta) + QLatin1String(")");
    listado->addlinea(linea({textoMeses, m_sueldoFijo, importe}));
    listado->setTitulo(tr("Fixed salary"));
    return {listado, importe};
}

Profesor::ParteSueldo Profesor::liquidacionPorHora(const QDate& ini, const QDate& fin) const
{
    if (m_sueldoPorHora == 0.0)
        return {nullptr, 0.0};
    return parteHoras(*this, turnosDeProfesores(m_id).value(m_id), ini, fin);
}

Profesor::ParteSueldo Profesor::liquidacionPorcentaje(const QDate& ini, const QDate& fin, bool* ok) const
{
    if (ok)
        *ok = true;
    if (m_sueldoPorcentaje == 0.0)
        return {nullptr, 0.0};
    return partePorcentaje(*this, turnosDeProfesores(m_id).value(m_id), ini, fin, nullptr, ok);
}

QList<Listado*> Profesor::liquidacion(const QDate& ini, const QDate& fin, bool* ok) const
{
    const QDate desde = ini.isValid() ? ini : ADateHelper::firstDayOfMonth();
    const QDate hasta = fin.isValid() ? fin : ADateHelper::firstDayOfNextMonth();

    QList<Listado*> listados;
    double base = 0.0;
    const ParteSueldo partes[] = {liquidacionFijo(desde, hasta), liquidacionPorHora(desde, hasta),
                                  liquidacionPorcentaje(desde, hasta, ok)};
    for (const ParteSueldo& parte : partes) {
        if (!parte.first)
            continue;
        listados << parte.first;
        base += parte.second;
    }
    if (listados.isEmpty())
        return listados;
    // Printed one after another, each settlement says whose it is.
    Listado* primero = listados.constFirst();
    primero->setTitulo(tr("Settlement of %1: %2").arg(nombreCompleto().toHtmlEscaped(), primero->titulo()));

    auto* total = new Listado;
    total->setCabeceras({tr("Base"), tr("Withholding"), tr("Total received")});
    total->addlinea(linea({base, m_retencion, base - m_retencion}, kAtributoTotales));
    total->setTitulo(tr("Total"));
    listados << total;
    return listados;
}

ListadoResEcon* Profesor::resumenEconomico(const QDate& ini, const QDate& fin, bool* ok)
{
    if (ok)
        *ok = true;
    const QDate desde = ini.isValid() ? ini : ADateHelper::firstDayOfMonth();
    const QDate hasta = fin.isValid() ? fin : ADateHelper::firstDayOfNextMonth();

    auto* listado = new ListadoResEcon;
    listado->setCabeceras(
        {tr("Teacher"), tr("Generated income"), tr("Withholdings"), tr("Ready cash perceived"), tr("Balance")});

    // Everything the teachers' rows need, read once for all of them.
    const QHash<int, QList<TurnoDeProfesor>> turnosPorProfesor = turnosDeProfesores(kTodosLosProfesores);
    QHash<int, double> ingresosTurno;
    const bool leidos = ingresosDeTurnos(desde, hasta, kTodosLosProfesores, &ingresosTurno);
    if (!leidos && ok)
        *ok = false;

    // A shift shared by several teachers shows in each of their rows but
    // counts once for the academy.
    QSet<int> turnosContados;
    double totalIngresos = 0.0;
    double totalRetenciones = 0.0;
    double totalEfectivo = 0.0;

    const QList<Profesor*> profesores = getAll();
    for (Profesor* profesor : profesores) {
        const QList<TurnoDeProfesor> turnos = turnosPorProfesor.value(profesor->id());
        double ingresos = 0.0;
        for (const TurnoDeProfesor& turno : turnos) {
            qDebug() << "ingresos: " << ingresos;
            const double ingreso = ingresosTurno.value(turno.id, 0.0);
            ingresos += ingreso;
            if (!turnosContados.contains(turno.id)) {
                turnosContados.insert(turno.id);
                totalIngresos += ingreso;
            }
        }

        const ParteSueldo fijo = profesor->liquidacionFijo(desde, hasta);
        const ParteSueldo porHora = profesor->sueldoPorHora() == 0.0
                                        ? ParteSueldo(nullptr, 0.0)
                                        : parteHoras(*profesor, turnos, desde, hasta);
        bool porcentajeLeido = true;
        const ParteSueldo porcentaje =
            profesor->sueldoPorcentaje() == 0.0
                ? ParteSueldo(nullptr, 0.0)
                : partePorcentaje(*profesor, turnos, desde, hasta, &ingresosTurno, &porcentajeLeido);
        delete fijo.first;
        delete porHora.first;
        delete porcentaje.first;
        if (!porcentajeLeido && ok)
            *ok = false;

        const double retencion = profesor->retencion();
        const double efectivo = (fijo.second + porHora.second) + porcentaje.second - retencion;
        const double balance = (ingresos - retencion) - efectivo;
        listado->addlinea(linea({profesor->apodo(), ingresos, retencion, efectivo, balance}));
        totalRetenciones += retencion;
        totalEfectivo += efectivo;
    }
    qDeleteAll(profesores);

    // The academy keeps its whole income less everything it pays out.
    const double totalBalance = (totalIngresos - totalRetenciones) - totalEfectivo;

    const QString atributo =
        QStringLiteral("bgcolor=\"#888586\" class=\"ROUNDED\" align=\"center\" style=\"font-style:bold\"");
    listado->addlinea(
        linea({tr("TOTALS"), totalIngresos, totalRetenciones, totalEfectivo, totalBalance}, atributo));
    listado->setTitulo(tr("Economic summary"));
    listado->setSubtitulo(fechaCorta(desde) + QLatin1String(" - ") + fechaCorta(hasta));
    return listado;
}

QStringList Profesor::columnas(int pos, int length)
{
    return COLUMNS.mid(pos, length);
}

Profesor* Profesor::fromQuery(QSqlQuery& query)
{
    Profesor* p = new Profesor(query.value(0).toInt());
    p->m_nombre = query.value(1).toString();
    p->m_apellidos = query.value(2).toString();
    p->m_apodo = query.value(3).toString();
    p->m_ccc = query.value(4).toString();
    p->m_dni = query.value(5).toString();
    p->m_direccion = query.value(6).toString();
    p->m_localidad = query.value(7).toString();
    p->m_provincia = query.value(8).toString();
    p->m_cp = query.value(9).toString();
    p->m_email = query.value(10).toString();
    p->m_sueldoFijo = Moneda::deCentimos(query.value(11));
    p->m_sueldoPorHora = Moneda::deCentimos(query.value(12));
    p->m_sueldoPorcentaje = query.value(13).toDouble();
    p->m_retencion = Moneda::deCentimos(query.value(14));
    p->m_banco = query.value(15).toString();
    p->m_direccionBanco = query.value(16).toString();
    p->m_fAlta = query.value(17).toDate();
    p->m_fBaja = query.value(18).toDate();
    return p;
}

Profesor* Profesor::getFromDB(int id)
{
    QSqlQuery query = FilaUnica::select(TABLE, COLUMNS, QStringLiteral("id = ?"), {id});
    if (!query.isValid())
        return nullptr;
    Profesor* profesor = fromQuery(query);
    profesor->loadTelefonos();
    return profesor;
}

QList<Profesor*> Profesor::getAll()
{
    QList<Profesor*> result;
    QSqlQuery query = Dao::getInstance()->select(TABLE, COLUMNS, QString(), QString(), {});
    while (query.next())
        result.append(fromQuery(query));
    if (result.isEmpty())
        return result;
    // Every teacher is listed, so one query over all phones fills them all.
    const QHash<int, Telefonos> porProfesor = TablaTelefonos::porDueno(
        QStringLiteral("SELECT idprofesor, nombre, telefono FROM %1 ORDER BY rowid").arg(telefonoTable.table()));
    for (Profesor* profesor : std::as_const(result))
        profesor->m_telefonos = porProfesor.value(profesor->m_id);
    return result;
}

QList<Profesor*> Profesor::getByAsignatura(int idAsignatura)
{
    const QString sql = QStringLiteral("SELECT p.%1 FROM %2 p JOIN profesor_asignatura pa ON p.%3 = "
                                       "pa.idprofesor WHERE pa.idasignatura = ?")
                            .arg(COLUMNS.join(QStringLiteral(", p.")), TABLE, QStringLiteral("id"));
    QList<Profesor*> result;
    QSqlQuery query = Dao::getInstance()->query(sql, {idAsignatura});
    while (query.next())
        result.append(fromQuery(query));
    return result;
}

void Profesor::loadTelefonos()
{
    m_telefonos = telefonoTable.cargar(m_id);
}

bool Profesor::deleteTelefonos(int idProfesor)
{
    return Dao::getInstance()->deleteFrom(telefonoTable.table(), {QStringLiteral("idProfesor")},
                                          {idProfesor});
}

bool Profesor::saveTelefonos(const Telefonos& telefonos)
{
    return telefonoTable.escribir(m_id, telefonos, deleteTelefonos(m_id));
}

QList<QVariant> Profesor::fieldValues() const
{
    return {ValorSql::texto(m_nombre),
            ValorSql::texto(m_apellidos),
            ValorSql::texto(m_apodo),
            ValorSql::texto(m_ccc),
            ValorSql::texto(m_dni),
            ValorSql::texto(m_direccion),
            ValorSql::texto(m_localidad),
            ValorSql::texto(m_provincia),
            ValorSql::texto(m_cp),
            ValorSql::texto(m_email),
            Moneda::aCentimos(m_sueldoFijo),
            Moneda::aCentimos(m_sueldoPorHora),
            m_sueldoPorcentaje,
            Moneda::aCentimos(m_retencion),
            ValorSql::texto(m_banco),
            ValorSql::texto(m_direccionBanco),
            m_fAlta,
            m_fBaja};
}

Profesor* Profesor::copia(QObject* parent) const
{
    auto* p = new Profesor(m_id, parent);
    p->m_nombre = m_nombre;
    p->m_apellidos = m_apellidos;
    p->m_apodo = m_apodo;
    p->m_ccc = m_ccc;
    p->m_dni = m_dni;
    p->m_direccion = m_direccion;
    p->m_localidad = m_localidad;
    p->m_provincia = m_provincia;
    p->m_cp = m_cp;
    p->m_email = m_email;
    p->m_sueldoFijo = m_sueldoFijo;
    p->m_sueldoPorHora = m_sueldoPorHora;
    p->m_sueldoPorcentaje = m_sueldoPorcentaje;
    p->m_retencion = m_retencion;
    p->m_banco = m_banco;
    p->m_direccionBanco = m_direccionBanco;
    p->m_fAlta = m_fAlta;
    p->m_fBaja = m_fBaja;
    p->m_telefonos = m_telefonos;
    return p;
}

bool Profesor::persist()
{
    if (m_id >= 1) {
        qWarning() << "Intentando almacenar como nuevo un profesor que ya tiene id";
        return false;
    }
    if (m_apodo.isEmpty())
        m_apodo = m_nombre;
    DaoTransaction write(DaoTransaction::OwnOrSavepoint);
    m_id = Dao::getInstance()->insert(TABLE, columnas(1, -1), fieldValues()).toInt();
    if (m_id == 0)
        return false;
    if (!saveTelefonos(m_telefonos) || !write.commit()) {
        write.rollback();
        m_id = 0; // the row is gone again: a retry stores it anew
        return false;
    }
    return true;
}

bool Profesor::update()
{
    if (m_id < 1) {
        qWarning() << "tratando de actualizar un profesor sin id";
        return false;
    }
    if (m_apodo.isEmpty())
        m_apodo = m_nombre;
    DaoTransaction write(DaoTransaction::OwnOrSavepoint);
    QList<QVariant> values;
    values << m_id << fieldValues() << m_id;
    if (!Dao::getInstance()->update(TABLE, COLUMNS, QStringLiteral("id = ?"), values)
        || !saveTelefonos(m_telefonos) || !write.commit()) {
        write.rollback();
        return false;
    }
    return true;
}

bool Profesor::remove(int id)
{
    bool ok;
    {
        DaoTransaction write(DaoTransaction::OwnOrSavepoint);
        ok = deleteTelefonos(id)
             && Dao::getInstance()->deleteFrom(TABLE, {QStringLiteral("id")}, {id})
             && write.commit();
        // an uncommitted write is taken back when it goes out of scope
    }
    return ok;
}
