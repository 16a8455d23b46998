#include "informeprofesor.h"

#include "asignatura.h"
#include "linealistado.h"
#include "listado.h"
#include "profesor.h"
#include "sueldoprofesor.h"
#include "turnoasignatura.h"

#include <QCoreApplication>

Listado* InformeProfesor::listadoAlumnos(const Profesor& profesor, const QDate& ini, const QDate& fin)
{
    auto* listado = new Listado;
    listado->setCabeceras({QCoreApplication::translate("Profesor", "Student"),
                           QCoreApplication::translate("Profesor", "Subject"),
                           QCoreApplication::translate("Profesor", "Amount")});
    double total = 0.0;
    const QList<TurnoAsignatura*> turnos = TurnoAsignatura::listByProfesor(profesor.id());
    for (TurnoAsignatura* turno : turnos) {
        const QString etiqueta = turno->getAsignatura()->nombre() + QLatin1String(" - ") + turno->getNombre();
        const QList<QPair<QString, double>> alumnos = turno->getAlumnosYPrecios(ini, fin);
        for (const auto& alumno : alumnos) {
            listado->addlinea(new LineaListado({alumno.first, etiqueta, alumno.second},
                                               {QString(), QString(), QString()}));
            total += alumno.second;
        }
    }
    qDeleteAll(turnos);

    const QString totales = SueldoProfesor::atributoTotales();
    listado->addlinea(new LineaListado({QStringLiteral("Totales"), QString(), total}, {totales, totales, totales}));
    // Plain concatenation: a nickname holding "%1" stays as written.
    QString titulo = QCoreApplication::translate("Profesor", "Student listing for teacher: %1 ");
    titulo.replace(QLatin1String("%1"), profesor.apodo());
    listado->setTitulo(titulo);
    return listado;
}
