#include "academyfixture.h"
#include "alta.h"
#include "messagecapture.h"
#include "testmain.h"

#include <memory>

using namespace academy;

namespace {
std::unique_ptr<Alta> nueva(int idAlumno, int idTurno, const QDate& falta, const QDate& fbaja = QDate())
{
    auto a = std::make_unique<Alta>(idAlumno);
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
        QVERIFY(a.rebuild());
    }

    void storeLoadRemove()
    {
        auto alta = nueva(a.nuevo, a.turnoTarde, QDate(2025, 1, 10), QDate(2025, 5, 31));
        alta->setConDescuento(true);
        alta->setObservaciones(QStringLiteral("paga a fin de mes"));
        alta->setPrecio(22.95);
        QCOMPARE(alta->persist(false), int(Alta::Almacenada));

        std::unique_ptr<Alta> l(Alta::getFromDB(alta->id()));
        QVERIFY(l);
        QCOMPARE((QList<int>{l->idAlumno(), l->idTurnoAsignatura()}), (QList<int>{a.nuevo, a.turnoTarde}));
        QCOMPARE(l->falta(), QDate(2025, 1, 10));
        QCOMPARE(l->fbaja(), QDate(2025, 5, 31));
        QCOMPARE(l->precio(), 22.95); // prices are stored as held, not in cents
        QCOMPARE(l->precioBase(), 30.0);
        QVERIFY(l->conDescuento());
        QCOMPARE((QStringList{l->observaciones(), l->nombreAlumno()}), (QStringList{"paga a fin de mes", "Apellidos, Nombre"}));

        QVERIFY(l->remove());
        QCOMPARE(count("SELECT count(*) FROM alta"), 2);
    }

    // Reason codes: 4 (already stored) before the capacity check, 5 (no place) unless forced.
    void reasonCodesOfPersist()
    {
        const int sinSesiones = turno(a.matematicas, QStringLiteral("Sin sesiones"));
        auto sinAula = nueva(a.nuevo, sinSesiones, QDate(2025, 2, 1));
        QCOMPARE(sinAula->persist(false), int(Alta::SinPlaza)); // no session, no place
        QCOMPARE(sinAula->persist(true), int(Alta::Almacenada));
        const int before = count("SELECT count(*) FROM alta");
        MessageCapture capture;
        QCOMPARE(sinAula->persist(false), int(Alta::YaTieneId));
        QVERIFY(capture.contains(QtWarningMsg, "Intentando almacenar como nueva un alta que ya tiene id"));
        QCOMPARE(count("SELECT count(*) FROM alta"), before);

        // The morning classroom holds 2; Luis is one of them.
        QCOMPARE(nueva(a.nuevo, a.turnoManana, QDate(2024, 10, 1))->persist(false), int(Alta::Almacenada));
        auto tercera = nueva(a.eva, a.turnoManana, QDate(2024, 10, 1));
        QCOMPARE(tercera->persist(false), int(Alta::SinPlaza));
        QCOMPARE(tercera->id(), 0);
        QCOMPARE(count("SELECT count(*) FROM alta WHERE idturnoasignatura = ?", {a.turnoManana}), 2);
    }

    // Reason codes 3 (withdrawn before starting, checked before the id), 6 (no
    // id) and 7 (statement failed).
    void reasonCodesOfUpdate()
    {
        std::unique_ptr<Alta> alta(Alta::getFromDB(a.altaLuis));
        alta->setFbaja(alta->falta());
        QCOMPARE(alta->update(true), int(Alta::Almacenada));
        alta->setFbaja(alta->falta().addDays(-1));
        QCOMPARE(alta->update(true), int(Alta::BajaAntesDeAlta));
        QCOMPARE(fbajaDeAlta(a.altaLuis), alta->falta());

        MessageCapture capture;
        auto sinId = nueva(a.luis, a.turnoTarde, QDate(2025, 1, 1));
        QCOMPARE(sinId->update(true), int(Alta::SinId));
        QVERIFY(capture.contains(QtWarningMsg, "tratando de actualizar un alta sin id"));
        sinId->setFbaja(QDate(2024, 1, 1));
        QCOMPARE(sinId->update(true), int(Alta::BajaAntesDeAlta));

        QVERIFY(failInserts("alta"));
        QCOMPARE(sinId->persist(true), int(Alta::ErrorBaseDeDatos));
        QCOMPARE(sinId->id(), 0);
        QVERIFY(failUpdates("alta"));
        alta->setFbaja(QDate());
        QCOMPARE(alta->update(true), int(Alta::ErrorBaseDeDatos));
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
    }

    // A period holds an enrolment withdrawn after its first day and started
    // on or before its last day.
    void activeInAPeriod()
    {
        const QDate ini(2025, 3, 1), fin(2025, 3, 31);
        const int bajaElPrimerDia = alta(a.nuevo, a.turnoTarde, QDate(2025, 1, 1), ini);
        const int bajaElSegundoDia = alta(a.nuevo, a.turnoTarde, QDate(2025, 1, 1), ini.addDays(1));
        const int empiezaElUltimo = alta(a.eva, a.turnoTarde, fin);
        QVERIFY(alta(a.eva, a.turnoTarde, fin.addDays(1)));

        QCOMPARE(idsOf(Alta::listAltasActivas(ini, fin, 0), &Alta::id), (QList<int>{a.altaLuis, bajaElSegundoDia, empiezaElUltimo}));
        QCOMPARE(idsOf(Alta::listAltasActivas(ini, fin, a.eva), &Alta::id), (QList<int>{empiezaElUltimo}));
        QCOMPARE(idsOf(Alta::listAltasActivas(ini, ini, 0), &Alta::id), (QList<int>{a.altaLuis, bajaElSegundoDia}));
        QCOMPARE(idsOf(Alta::listAltasPorAlumno(a.nuevo), &Alta::id), (QList<int>{bajaElPrimerDia, bajaElSegundoDia}));
    }

    // A failed read is told apart from "no enrolments".
    void failedListIsReported()
    {
        bool ok = false;
        QVERIFY(Alta::listAltasActivas(QDate(2000, 1, 1), QDate(2000, 1, 31), 0, &ok).isEmpty());
        QVERIFY(ok);
        QVERIFY(exec("ALTER TABLE alta RENAME TO alta_apartada"));
        QVERIFY(Alta::listAltasActivas(QDate(2025, 1, 1), QDate(2025, 1, 31), 0, &ok).isEmpty());
        QVERIFY(!ok);
        ok = true;
        QVERIFY(Alta::listAltasPorTurnoAsignatura(a.turnoManana, false, QDate(), QDate(), 1, &ok).isEmpty());
        QVERIFY(!ok);
        QVERIFY(exec("ALTER TABLE alta_apartada RENAME TO alta"));
    }
};

PENSARIO_TEST_MAIN(TestAlta)
#include "tst_alta.moc"
