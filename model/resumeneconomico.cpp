#include "resumeneconomico.h"

#include "adatehelper.h"
#include "linealistado.h"
#include "listadoresecon.h"
#include "profesor.h"
#include "sueldoprofesor.h"
#include "turnoasignatura.h"

#include <QCoreApplication>
#include <QDebug>
#include <QHash>
#include <QLocale>

namespace {
QString tr(const char* texto)
{
    return QCoreApplication::translate("Profesor", texto);
}
}

ListadoResEcon* ResumenEconomico::resumenEconomico(const QDate& ini, const QDate& fin, bool* ok)
{
    if (ok)
        *ok = true;
    const QDate desde = ini.isValid() ? ini : ADateHelper::firstDayOfMonth();
    const QDate hasta = fin.isValid() ? fin : ADateHelper::firstDayOfNextMonth();

    auto* listado = new ListadoResEcon;
    listado->setCabeceras({tr("Teacher"), tr("Generated income"), tr("Withholdings"), tr("Ready cash perceived"),
                           tr("Balance")});

    // Income of each shift read once: a shift shared by several teachers
    // shows in each of their rows but counts once for the academy.
    QHash<int, double> ingresosTurno;
    double totalRetenciones = 0.0;
    double totalEfectivo = 0.0;

    const QList<Profesor*> profesores = Profesor::getAll();
    for (Profesor* profesor : profesores) {
        const double retencion = profesor->retencion();
        double ingresos = 0.0;
        const QList<TurnoAsignatura*> turnos = TurnoAsignatura::listByProfesor(profesor->id());
        for (TurnoAsignatura* turno : turnos) {
            qDebug() << "ingresos: " << ingresos;
            auto it = ingresosTurno.constFind(turno->getId());
            if (it == ingresosTurno.constEnd()) {
                bool leido = true;
                const double leidos = turno->getIngresos(desde, hasta, &leido);
                if (!leido) {
                    qWarning() << "No se han podido leer los ingresos del turno" << turno->getId();
                    if (ok)
                        *ok = false;
                    continue;
                }
                it = ingresosTurno.insert(turno->getId(), leidos);
            }
            ingresos += it.value();
        }
        qDeleteAll(turnos);

        const SueldoProfesor::Parte fijo = SueldoProfesor::liquidacionFijo(*profesor, desde, hasta);
        const SueldoProfesor::Parte porHora = SueldoProfesor::liquidacionPorHora(*profesor, desde, hasta);
        bool porcentajeLeido = true;
        const SueldoProfesor::Parte porcentaje =
            SueldoProfesor::liquidacionPorcentaje(*profesor, desde, hasta, &porcentajeLeido);
        delete fijo.first;
        delete porHora.first;
        delete porcentaje.first;
        if (!porcentajeLeido && ok)
            *ok = false;

        const double pagos = (fijo.second + porHora.second) + porcentaje.second;
        const double efectivo = pagos - retencion;
        const double balance = (ingresos - retencion) - efectivo;
        listado->addlinea(new LineaListado({profesor->apodo(), ingresos, retencion, efectivo, balance},
                                           {QString(), QString(), QString(), QString(), QString()}));
        totalRetenciones += retencion;
        totalEfectivo += efectivo;
    }
    qDeleteAll(profesores);

    double totalIngresos = 0.0;
    for (double valor : std::as_const(ingresosTurno))
        totalIngresos += valor;
    // The academy keeps its whole income less everything it pays out.
    const double totalBalance = (totalIngresos - totalRetenciones) - totalEfectivo;

    const QString atributo =
        QStringLiteral("bgcolor=\"#888586\" class=\"ROUNDED\" align=\"center\" style=\"font-style:bold\"");
    listado->addlinea(new LineaListado({tr("TOTALS"), totalIngresos, totalRetenciones, totalEfectivo, totalBalance},
                                       {atributo, atributo, atributo, atributo, atributo}));
    listado->setTitulo(tr("Economic summary"));
    listado->setSubtitulo(QLocale().toString(desde, QLocale::ShortFormat) + QLatin1String(" - ")
                          + QLocale().toString(hasta, QLocale::ShortFormat));
    return listado;
}
