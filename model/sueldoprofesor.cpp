#include "sueldoprofesor.h"

#include "adatehelper.h"
#include "arounder.h"
#include "asignatura.h"
#include "linealistado.h"
#include "listado.h"
#include "profesor.h"
#include "sesiondeclase.h"
#include "turnoasignatura.h"

#include <QCoreApplication>
#include <QDebug>
#include <QHash>
#include <QLocale>

#include <memory>

namespace {
QString tr(const char* texto)
{
    return QCoreApplication::translate("Profesor", texto);
}

QString etiquetaTurno(TurnoAsignatura* turno)
{
    return turno->getAsignatura()->nombre() + QLatin1String(" - ") + turno->getNombre();
}

QString fechaCorta(const QDate& fecha)
{
    return QLocale().toString(fecha, QLocale::ShortFormat);
}

LineaListado* lineaTotales(const QList<QVariant>& valores)
{
    QStringList atributos;
    for (int i = 0; i < valores.size(); ++i)
        atributos << SueldoProfesor::atributoTotales();
    return new LineaListado(valores, atributos);
}

LineaListado* lineaSimple(const QList<QVariant>& valores)
{
    QStringList atributos;
    for (int i = 0; i < valores.size(); ++i)
        atributos << QString();
    return new LineaListado(valores, atributos);
}

// The shifts the teacher has sessions in, deleted with the holder.
struct Turnos
{
    explicit Turnos(int idProfesor)
        : lista(TurnoAsignatura::listByProfesor(idProfesor))
    {
    }
    ~Turnos() { qDeleteAll(lista); }
    Turnos(const Turnos&) = delete;
    Turnos& operator=(const Turnos&) = delete;
    QList<TurnoAsignatura*> lista;
};
}

QString SueldoProfesor::atributoTotales()
{
    return QStringLiteral("bgcolor=\"#888586\" align=\"center\" class=\"ROUNDED\" style=\"font-style:bold\"");
}

void SueldoProfesor::recortaPeriodo(const Profesor& profesor, const QDate& ini, const QDate& fin, QDate* desde,
                                    QDate* hasta)
{
    *desde = ini;
    if (profesor.fAlta().isValid() && profesor.fAlta() > ini)
        *desde = profesor.fAlta();
    *hasta = fin;
    if (profesor.fBaja().isValid() && profesor.fBaja() < fin)
        *hasta = profesor.fBaja();
}

SueldoProfesor::Parte SueldoProfesor::liquidacionFijo(const Profesor& profesor, const QDate& ini, const QDate& fin)
{
    if (profesor.sueldoFijo() == 0.0)
        return {nullptr, 0.0};
    QDate desde, hasta;
    recortaPeriodo(profesor, ini, fin, &desde, &hasta);
    if (hasta < desde)
        return {nullptr, 0.0};

    double meses = 1.0;
    double importe = profesor.sueldoFijo();
    if (desde != ini || hasta != fin) {
        const double proporcion = desde.daysTo(hasta) / 30.0;
        meses = ARounder::round(proporcion, 2);
        importe = ARounder::round(profesor.sueldoFijo() * proporcion, 2);
    }

    auto* listado = new Listado;
    listado->setCabeceras({tr("Months"), tr("€/month"), tr("€ for teacher")});
    const QString textoMeses = QString::number(meses, 'g', 6) + QLatin1String(" (") + fechaCorta(desde)
                               + QLatin1String(" - ") + fechaCorta(hasta) + QLatin1String(")");
    listado->addlinea(lineaSimple({textoMeses, profesor.sueldoFijo(), importe}));
    listado->setTitulo(tr("Fixed salary"));
    return {listado, importe};
}

SueldoProfesor::Parte SueldoProfesor::liquidacionPorHora(const Profesor& profesor, const QDate& ini,
                                                         const QDate& fin)
{
    if (profesor.sueldoPorHora() == 0.0)
        return {nullptr, 0.0};
    QDate desde, hasta;
    recortaPeriodo(profesor, ini, fin, &desde, &hasta);

    auto* listado = new Listado;
    listado->setCabeceras({tr("Subject"), tr("hours"), tr("€/hour"), tr("€ for teacher")});
    double totalHoras = 0.0;
    double total = 0.0;
    const Turnos turnos(profesor.id());
    for (TurnoAsignatura* turno : turnos.lista) {
        // Only the sessions this teacher gives: a session of the same shift
        // that someone else teaches is that teacher's work.
        QHash<int, int> minutosPorDia;
        const QList<SesionDeClase*> sesiones = SesionDeClase::listByTurnoAsignatura(turno->getId());
        for (SesionDeClase* sesion : sesiones) {
            if (sesion->getIdProfesor() == profesor.id())
                minutosPorDia[sesion->getDiaSemana()] += sesion->getDuracion();
        }
        qDeleteAll(sesiones);

        double minutos = 0.0;
        for (QDate dia = desde; dia < hasta; dia = dia.addDays(1)) {
            minutos += minutosPorDia.value(dia.dayOfWeek(), 0);
            qDebug() << " nMinutos es " << minutos;
            qDebug() << " day es " << fechaCorta(dia);
            qDebug() << " dayofweek es " << dia.dayOfWeek();
        }
        const double horas = ARounder::round(minutos / 60.0, 2);
        const double importe = horas * profesor.sueldoPorHora();
        listado->addlinea(lineaSimple({etiquetaTurno(turno), horas, profesor.sueldoPorHora(), importe}));
        totalHoras += horas;
        total += importe;
    }
    listado->addlinea(lineaTotales({QStringLiteral("Totales"), totalHoras, profesor.sueldoPorHora(), total}));
    listado->setTitulo(tr("Fixed salary an hour"));
    return {listado, total};
}

SueldoProfesor::Parte SueldoProfesor::liquidacionPorcentaje(const Profesor& profesor, const QDate& ini,
                                                            const QDate& fin, bool* ok)
{
    if (ok)
        *ok = true;
    if (profesor.sueldoPorcentaje() == 0.0)
        return {nullptr, 0.0};
    QDate desde, hasta;
    recortaPeriodo(profesor, ini, fin, &desde, &hasta);
    // A teacher who was not at the academy on any day of the period earns
    // nothing from it, like the other two parts.
    if (hasta <= desde)
        return {nullptr, 0.0};

    const double porcentaje = profesor.sueldoPorcentaje();
    auto* listado = new Listado;
    listado->setCabeceras({tr("Subject"), tr("Amount raised"), tr("% for teacher"), tr("€ for teacher")});
    double totalIngresos = 0.0;
    const Turnos turnos(profesor.id());
    for (TurnoAsignatura* turno : turnos.lista) {
        bool leido = true;
        const double ingresos = turno->getIngresos(desde, hasta, &leido);
        if (!leido) {
            qWarning() << "No se han podido leer los ingresos del turno" << turno->getId() << "del profesor"
                       << profesor.id();
            if (ok)
                *ok = false;
            continue;
        }
        totalIngresos += ingresos;
        listado->addlinea(lineaSimple({etiquetaTurno(turno), ingresos, porcentaje,
                                       ARounder::round(ingresos * porcentaje / 100.0, 3)}));
    }
    const double importe = ARounder::round(totalIngresos * porcentaje / 100.0, 2);
    listado->addlinea(lineaTotales({QStringLiteral("Totales"), totalIngresos, porcentaje, importe}));
    listado->setTitulo(tr("Of salary by percentage"));
    return {listado, importe};
}

QList<Listado*> SueldoProfesor::liquidacion(const Profesor& profesor, const QDate& ini, const QDate& fin, bool* ok)
{
    const QDate desde = ini.isValid() ? ini : ADateHelper::firstDayOfMonth();
    const QDate hasta = fin.isValid() ? fin : ADateHelper::firstDayOfNextMonth();

    QList<Listado*> listados;
    double base = 0.0;
    const Parte partes[] = {liquidacionFijo(profesor, desde, hasta), liquidacionPorHora(profesor, desde, hasta),
                            liquidacionPorcentaje(profesor, desde, hasta, ok)};
    for (const Parte& parte : partes) {
        if (!parte.first)
            continue;
        listados << parte.first;
        base += parte.second;
    }
    if (listados.isEmpty())
        return listados;

    auto* total = new Listado;
    total->setCabeceras({tr("Base"), tr("Withholding"), tr("Total received")});
    total->addlinea(lineaTotales({base, profesor.retencion(), base - profesor.retencion()}));
    total->setTitulo(tr("Total"));
    listados << total;
    return listados;
}
