#include "academyfixture.h"
#include "alta.h"
#include "messagecapture.h"
#include "testmain.h"

#include <memory>

using namespace academy;

namespace {
QList<int> ids(const QList<Alta*>& altas)
{
    QList<int> result;
    for (Alta* a : altas)
        result << a->id();
    qDeleteAll(altas);
    std::sort(result.begin(), result.end());
    return result;
}

Alta* nueva(int idAlumno, int idTurno, const QDate& falta, const QDate& fbaja = QDate())
{
    Alta* a = new Alta(idAlumno);
    a->setIdTurnoAsignatura(idTurno);
    a->setFalta(falta);
    a->setFbaja(fbaja);
    a->setPrecio(27.0);
    a->setPrecioBase(30.0);
    a->setNombreAlumno(QStringLiteral("Apellidos, Nombre"));
    a->setNombreTurnoAsignatura(QStringLiteral("Manana"));
    a->setNombreAsignatura(QStringLiteral("Matematicas"));
    return a;
}
}

class TestAlta : public QObject
{
    Q_OBJECT

private:
    Academy a;

private slots:
    void init()
    {
        QVERIFY(openFreshDatabase());
        a = Academy();
        QVERIFY(a.build());
    }

    void storeAndLoad()
    {
        std::unique_ptr<Alta> alta(nueva(a.nuevo, a.turnoTarde, QDate(2025, 1, 10), QDate(2025, 5, 31)));
        alta->setConDescuento(true);
        alta->setObservaciones(QStringLiteral("paga a fin de mes"));
        alta->setPrecio(22.95);
        QCOMPARE(alta->persist(false), int(Alta::Almacenada));

        std::unique_ptr<Alta> loaded(Alta::getFromDB(alta->id()));
        QVERIFY(loaded);
        QCOMPARE((QList<int>{loaded->idAlumno(), loaded->idTurnoAsignatura()}), (QList<int>{a.nuevo, a.turnoTarde}));
        QCOMPARE(loaded->falta(), QDate(2025, 1, 10));
        QCOMPARE(loaded->fbaja(), QDate(2025, 5, 31));
        QCOMPARE(loaded->precio(), 22.95); // prices are stored as held, not in cents
        QCOMPARE(loaded->precioBase(), 30.0);
        QVERIFY(loaded->conDescuento());
        QCOMPARE((QStringList{loaded->observaciones(), loaded->nombreAlumno(), loaded->nombreTurnoAsignatura(),
                              loaded->nombreAsignatura()}),
                 (QStringList{"paga a fin de mes", "Apellidos, Nombre", "Manana", "Matematicas"}));
        std::unique_ptr<Alta> open(Alta::getFromDB(a.altaLuis));
        QVERIFY(open->fbaja().isNull());
        QVERIFY(!open->conDescuento());

        Alta copy(*loaded); // the editing dialog's copy carries only the ids
        QCOMPARE(copy.id(), loaded->id());
        QCOMPARE(copy.idTurnoAsignatura(), a.turnoTarde);
        QVERIFY(copy.falta().isNull() && copy.nombreAlumno().isEmpty());
    }

    void reasonCodeAlreadyStored()
    {
        // A shift without sessions would refuse the capacity check: code 4
        // comes first and the table is left alone.
        const int sinSesiones = turno(a.matematicas, QStringLiteral("Sin sesiones"));
        std::unique_ptr<Alta> alta(nueva(a.nuevo, sinSesiones, QDate(2025, 2, 1)));
        QCOMPARE(alta->persist(true), int(Alta::Almacenada));
        const int before = count("SELECT count(*) FROM alta");
        MessageCapture capture;
        QCOMPARE(alta->persist(false), int(Alta::YaTieneId));
        QVERIFY(capture.contains(QtWarningMsg, "Intentando almacenar como nueva un alta que ya tiene id"));
        QCOMPARE(count("SELECT count(*) FROM alta"), before);
    }

    void reasonCodeCapacity()
    {
        // The morning classroom holds 2; Luis is one of them.
        std::unique_ptr<Alta> segunda(nueva(a.nuevo, a.turnoManana, QDate(2024, 10, 1)));
        QCOMPARE(segunda->persist(false), int(Alta::Almacenada));
        std::unique_ptr<Alta> tercera(nueva(a.eva, a.turnoManana, QDate(2024, 10, 1)));
        QCOMPARE(tercera->persist(false), int(Alta::SinPlaza));
        QCOMPARE(tercera->id(), 0);
        QCOMPARE(count("SELECT count(*) FROM alta WHERE idturnoasignatura = ?", {a.turnoManana}), 2);
        // forcing skips the check
        QCOMPARE(tercera->persist(true), int(Alta::Almacenada));

        // reopening a withdrawn enrolment past the capacity is refused unless forced
        const int antigua = alta(a.eva, a.turnoManana, QDate(2024, 9, 1), QDate(2024, 9, 10));
        QVERIFY(exec("DELETE FROM alta WHERE id = ?", {tercera->id()}));
        std::unique_ptr<Alta> reabierta(Alta::getFromDB(antigua));
        reabierta->setFbaja(QDate());
        QCOMPARE(reabierta->update(false), int(Alta::SinPlaza));
        QVERIFY(scalar("SELECT fbaja FROM alta WHERE id = ?", {antigua}).toDate().isValid());
        QCOMPARE(reabierta->update(true), int(Alta::Almacenada));
        QVERIFY(scalar("SELECT fbaja FROM alta WHERE id = ?", {antigua}).isNull());

        // a shift without sessions has no place at all
        const int sinSesiones = turno(a.matematicas, QStringLiteral("Sin sesiones"));
        std::unique_ptr<Alta> sinAula(nueva(a.nuevo, sinSesiones, QDate(2025, 2, 1)));
        QCOMPARE(sinAula->persist(false), int(Alta::SinPlaza));
    }

    void reasonCodesOfUpdate()
    {
        std::unique_ptr<Alta> alta(Alta::getFromDB(a.altaLuis));
        alta->setFbaja(alta->falta());
        QCOMPARE(alta->update(true), int(Alta::Almacenada));
        QCOMPARE(scalar("SELECT fbaja FROM alta WHERE id = ?", {a.altaLuis}).toDate(), alta->falta());

        alta->setFbaja(alta->falta().addDays(-1));
        QCOMPARE(alta->update(true), int(Alta::BajaAntesDeAlta));
        QCOMPARE(scalar("SELECT fbaja FROM alta WHERE id = ?", {a.altaLuis}).toDate(), alta->falta());

        MessageCapture capture;
        std::unique_ptr<Alta> sinId(nueva(a.luis, a.turnoTarde, QDate(2025, 1, 1)));
        QCOMPARE(sinId->update(true), int(Alta::SinId));
        QVERIFY(capture.contains(QtWarningMsg, "tratando de actualizar un alta sin id"));
        // the date rule is looked at before the id
        sinId->setFbaja(QDate(2024, 1, 1));
        QCOMPARE(sinId->update(true), int(Alta::BajaAntesDeAlta));
    }

    void reasonCodeStatementFailed()
    {
        QVERIFY(failInserts("alta"));
        std::unique_ptr<Alta> alta(nueva(a.nuevo, a.turnoTarde, QDate(2025, 1, 1)));
        QCOMPARE(alta->persist(true), int(Alta::ErrorBaseDeDatos));
        QCOMPARE(alta->id(), 0);

        QVERIFY(failUpdates("alta"));
        std::unique_ptr<Alta> stored(Alta::getFromDB(a.altaLuis));
        stored->setPrecio(1.0);
        QCOMPARE(stored->update(true), int(Alta::ErrorBaseDeDatos));
    }

    // Once its shift is removed an enrolment holds NULL as shift; writing it
    // again must keep NULL, not 0, which the foreign key refuses.
    void detachedEnrolmentCanBeUpdated()
    {
        QVERIFY(exec("UPDATE alta SET idturnoasignatura = NULL WHERE id = ?", {a.altaEva}));
        std::unique_ptr<Alta> alta(Alta::getFromDB(a.altaEva));
        QCOMPARE(alta->idTurnoAsignatura(), 0);
        alta->setObservaciones(QStringLiteral("turno borrado"));
        QCOMPARE(alta->update(false), int(Alta::Almacenada));
        QVERIFY(scalar("SELECT idturnoasignatura FROM alta WHERE id = ?", {a.altaEva}).isNull());
        QCOMPARE(scalar("SELECT observaciones FROM alta WHERE id = ?", {a.altaEva}).toString(),
                 QStringLiteral("turno borrado"));

        Alta nuevaSinTurno(a.nuevo);
        nuevaSinTurno.setFalta(QDate(2025, 3, 1));
        nuevaSinTurno.setNombreAlumno(QStringLiteral("Novo, Xan"));
        QCOMPARE(nuevaSinTurno.persist(false), int(Alta::Almacenada));
    }

    void activeInAPeriod()
    {
        const QDate ini(2025, 3, 1), fin(2025, 3, 31);
        const int bajaElPrimerDia = alta(a.nuevo, a.turnoTarde, QDate(2025, 1, 1), ini);
        const int bajaElSegundoDia = alta(a.nuevo, a.turnoTarde, QDate(2025, 1, 1), ini.addDays(1));
        const int empiezaElUltimo = alta(a.eva, a.turnoTarde, fin);
        const int empiezaDespues = alta(a.eva, a.turnoTarde, fin.addDays(1));
        QVERIFY(bajaElPrimerDia && bajaElSegundoDia && empiezaElUltimo && empiezaDespues);

        QCOMPARE(ids(Alta::listAltasActivas(ini, fin, 0)),
                 (QList<int>{a.altaLuis, bajaElSegundoDia, empiezaElUltimo}));
        QCOMPARE(ids(Alta::listAltasActivas(ini, fin, a.eva)), (QList<int>{empiezaElUltimo}));
        // one day: both bounds that day
        QCOMPARE(ids(Alta::listAltasActivas(ini, ini, 0)), (QList<int>{a.altaLuis, bajaElSegundoDia}));
        QCOMPARE(ids(Alta::listAltasPorAlumno(a.nuevo)), (QList<int>{bajaElPrimerDia, bajaElSegundoDia}));
    }

    void shiftLists()
    {
        const int antigua = alta(a.nuevo, a.turnoManana, QDate(2020, 1, 1), QDate(2020, 6, 1));
        const int futura = alta(a.eva, a.turnoManana, QDate::currentDate().addDays(10));
        QVERIFY(antigua && futura);

        QList<Alta*> todas = Alta::listAltasPorTurnoAsignatura(a.turnoManana, false, QDate(), QDate(), 1);
        QCOMPARE(todas.size(), 3);
        QCOMPARE(todas.first()->id(), antigua); // ordered by start date
        QCOMPARE(todas.last()->id(), futura);
        qDeleteAll(todas);

        // active today
        QCOMPARE(ids(Alta::listAltasPorTurnoAsignatura(a.turnoManana, true, QDate(), QDate(), 0)),
                 (QList<int>{a.altaLuis}));
        // a period
        QCOMPARE(ids(Alta::listAltasPorTurnoAsignatura(a.turnoManana, true, QDate(2020, 5, 1),
                                                       QDate(2020, 5, 31), 0)),
                 (QList<int>{antigua}));

        MessageCapture capture;
        bool ok = true;
        QVERIFY(Alta::listAltasPorTurnoAsignatura(a.turnoManana, true, QDate(2020, 5, 1), QDate(), 0, &ok)
                    .isEmpty());
        QVERIFY(!ok);
        QVERIFY(capture.contains(QtWarningMsg, "with only one of fini or ffin not null"));
    }

    void startedAndWithdrawnInARange()
    {
        const QDate hoy = QDate::currentDate();
        const int haceUnMes = alta(a.nuevo, a.turnoTarde, hoy.addMonths(-1), hoy);
        const int haceMasDeUnMes = alta(a.eva, a.turnoTarde, hoy.addMonths(-1).addDays(-1), hoy.addDays(1));
        QVERIFY(haceUnMes && haceMasDeUnMes);

        // null bounds: from one month ago to today, both included
        QCOMPARE(ids(Alta::listAltasDadasDeAlta(a.turnoTarde, QDate(), QDate())), (QList<int>{haceUnMes}));
        QCOMPARE(ids(Alta::listAltasDadasDeBaja(a.turnoTarde, QDate(), QDate())), (QList<int>{haceUnMes}));
        QCOMPARE(ids(Alta::listAltasDadasDeBaja(a.turnoTarde, hoy, hoy.addDays(1))),
                 (QList<int>{haceUnMes, haceMasDeUnMes}));
        QCOMPARE(ids(Alta::listAltasDadasDeAlta(a.turnoTarde, QDate(2023, 9, 15), QDate(2023, 9, 15))),
                 (QList<int>{a.altaEva}));
    }

    void closingTheEnrolmentsOfARemovedShift()
    {
        const int cerrada = alta(a.nuevo, a.turnoManana, QDate(2020, 1, 1), QDate(2020, 6, 1));
        QVERIFY(Alta::darDeBajaAltasTurnoAsignatura(a.turnoManana));
        std::unique_ptr<Alta> abierta(Alta::getFromDB(a.altaLuis));
        QCOMPARE(abierta->fbaja(), QDate::currentDate());
        QCOMPARE(abierta->idTurnoAsignatura(), 0);
        QCOMPARE(abierta->nombreTurnoAsignatura(), QStringLiteral("turno %1").arg(a.turnoManana));
        std::unique_ptr<Alta> vieja(Alta::getFromDB(cerrada));
        QCOMPARE(vieja->fbaja(), QDate(2020, 6, 1));
        QCOMPARE(vieja->idTurnoAsignatura(), 0);
        // the other shift is untouched
        QCOMPARE(count("SELECT idturnoasignatura FROM alta WHERE id = ?", {a.altaEva}), a.turnoTarde);
    }

    void remove()
    {
        MessageCapture capture;
        Alta sinId(a.luis);
        QVERIFY(!sinId.remove());
        QVERIFY(capture.contains(QtWarningMsg, "Tratando de eliminar un alta sin id"));
        std::unique_ptr<Alta> alta(Alta::getFromDB(a.altaEva));
        QVERIFY(alta->remove());
        QCOMPARE(count("SELECT count(*) FROM alta"), 1);
    }

    // A failed read is told apart from "no enrolments" by callers that total
    // figures from the list.
    void failedListIsReported()
    {
        bool ok = false;
        QCOMPARE(ids(Alta::listAltasActivas(QDate(2000, 1, 1), QDate(2000, 1, 31), 0, &ok)).size(), 0);
        QVERIFY(ok);
        QVERIFY(exec("ALTER TABLE alta RENAME TO alta_apartada"));
        MessageCapture capture;
        QVERIFY(Alta::listAltasActivas(QDate(2025, 1, 1), QDate(2025, 1, 31), 0, &ok).isEmpty());
        QVERIFY(!ok);
        QVERIFY(Alta::listAltasPorTurnoAsignatura(a.turnoManana, false, QDate(), QDate(), 1, &ok).isEmpty());
        QVERIFY(!ok);
        QVERIFY(Alta::listAltasPorAlumno(a.luis, &ok).isEmpty());
        QVERIFY(!ok);
        QVERIFY(exec("ALTER TABLE alta_apartada RENAME TO alta"));
    }
};

PENSARIO_TEST_MAIN(TestAlta)
#include "tst_alta.moc"
