#include "academyfixture.h"
#include "alta.h"
#include "alumno.h"
#include "messagecapture.h"
#include "testmain.h"

#include <memory>

using namespace academy;

class TestAlumno : public QObject
{
    Q_OBJECT

private:
    Academy a;

private slots:
    void init()
    {
        QVERIFY(a.rebuild());
    }

    void storeLoadUpdate()
    {
        Alumno alumno;
        alumno.setNombre(QStringLiteral("María"));
        alumno.setInstituto(QStringLiteral("IES Rosalía"));
        alumno.setEmail(QStringLiteral("m@example.org"));
        alumno.setDescuento(12.5);
        alumno.setTelefonos(tels({{"casa", "982000000"}, {"pai", "622000000"}}));
        QVERIFY(alumno.persist());

        std::unique_ptr<Alumno> l(Alumno::getFromDB(alumno.id()));
        QVERIFY(l);
        QCOMPARE((QStringList{l->nombre(), l->instituto(), l->email()}), (QStringList{"María", "IES Rosalía", "m@example.org"}));
        QCOMPARE(l->descuento(), 12.5);
        QCOMPARE(l->telefonosString(), QStringLiteral("casa: 982000000; pai: 622000000"));

        // An update renames the student's enrolments and rewrites the phones.
        std::unique_ptr<Alumno> luis(Alumno::getFromDB(a.luis));
        luis->setNombre(QStringLiteral("Luís"));
        luis->setApellidos(QStringLiteral("Pena Vidal"));
        luis->setTelefonos(tels({{"móbil", "699999999"}}));
        QVERIFY(luis->update());
        QCOMPARE(count("SELECT count(*) FROM alta WHERE nombrealumno = 'Pena Vidal, Luís'"), 1);
        QCOMPARE(std::unique_ptr<Alumno>(Alumno::getFromDB(a.luis))->telefonosString(),
                 QStringLiteral("móbil: 699999999"));
        QVERIFY(!luis->persist()); // already stored
    }

    // Current students have an open enrolment or none; a filter narrows the
    // whole condition, so students with no enrolment do not slip past it.
    void listModesAndFilter()
    {
        const QDate hoy = QDate::currentDate();
        const int bajaManana = alumno(QStringLiteral("Iria"), QStringLiteral("Abad"), tels({{"casa", "2"}}));
        QVERIFY(alta(bajaManana, a.turnoTarde, QDate(2024, 1, 1), hoy.addDays(1)));
        const int bajaHoy = alumno(QStringLiteral("Roi"), QStringLiteral("Vila"));
        QVERIFY(alta(bajaHoy, a.turnoTarde, QDate(2024, 1, 1), hoy));

        QCOMPARE(idsOf(Alumno::list(int(Alumno::Modo::Actuales), QString(), QString()), &Alumno::id), (QList<int>{a.luis, a.nuevo, bajaManana}));
        QCOMPARE(idsOf(Alumno::list(int(Alumno::Modo::Antiguos), QString(), QString()), &Alumno::id), (QList<int>{a.eva, bajaHoy}));
        QCOMPARE(sizeOf(Alumno::list(int(Alumno::Modo::Todos), QString(), QString())), 5);
        const QString soloLuis = QStringLiteral("alumno.id = %1").arg(a.luis);
        QCOMPARE(idsOf(Alumno::list(int(Alumno::Modo::Actuales), QString(), soloLuis), &Alumno::id), (QList<int>{a.luis}));
        QCOMPARE(idsOf(Alumno::list(int(Alumno::Modo::Antiguos), QString(), soloLuis), &Alumno::id), (QList<int>{}));

        // Ordered, each with its own phones.
        const QList<Alumno*> ordenados = Alumno::list(int(Alumno::Modo::Actuales), QStringLiteral("apellidos"), QString());
        QCOMPARE(ordenados.size(), 3);
        QCOMPARE(ordenados.at(0)->telefonosString(), QStringLiteral("casa: 2"));
        QCOMPARE(ordenados.at(1)->telefonos(), Alumno::Telefonos());
        QCOMPARE(ordenados.at(2)->telefonosString(), QStringLiteral("casa: 981111111; madre: 611111111"));
        qDeleteAll(ordenados);
    }

    // Row and phones go in one transaction: a failed phone write takes the
    // student back and answers false.
    void failedPhoneWriteRollsBack()
    {
        std::unique_ptr<Alumno> luis(Alumno::getFromDB(a.luis));
        luis->setApellidos(QStringLiteral("Cambiado"));
        luis->setTelefonos(tels({{"novo", "600"}}));
        QVERIFY(failInserts("telefonoalumno"));
        QVERIFY(!luis->update());
        QVERIFY(!Dao::getInstance()->inTransaction());
        std::unique_ptr<Alumno> stored(Alumno::getFromDB(a.luis));
        QCOMPARE(stored->apellidos(), QStringLiteral("Pena Mato"));
        QCOMPARE(stored->telefonosString(), QStringLiteral("casa: 981111111; madre: 611111111"));
        QCOMPARE(count("SELECT count(*) FROM alta WHERE nombrealumno = 'Cambiado, Luis'"), 0);

        Alumno nuevo;
        nuevo.setTelefonos(tels({{"casa", "9"}}));
        QVERIFY(!nuevo.persist());
        QCOMPARE(nuevo.id(), 0);
        QCOMPARE(count("SELECT count(*) FROM alumno"), 3);
    }

    void removeCascades()
    {
        QVERIFY(exec("INSERT INTO recibo (fecha, importe, importepagado, concepto, datosalumno, idalumno) "
                     "VALUES ('2025-01-01', 3000, 0, 'x', 'Luis', ?)", {a.luis}));
        QVERIFY(Alumno::remove(a.luis));
        QVERIFY(!Alumno::getFromDB(a.luis));
        QCOMPARE(count("SELECT count(*) FROM telefonoalumno WHERE idalumno = ?", {a.luis}), 0);
        QCOMPARE(count("SELECT count(*) FROM alta WHERE idalumno = ?", {a.luis}), 0);
        QCOMPARE(count("SELECT count(*) FROM recibo WHERE idalumno IS NULL"), 1);

        QVERIFY(failDeletes("alumno"));
        QVERIFY(!Alumno::remove(a.eva));
        QVERIFY(!Dao::getInstance()->inTransaction());
        QCOMPARE(count("SELECT count(*) FROM alta WHERE idalumno = ?", {a.eva}), 1);
    }

    void brothersSearch()
    {
        QVERIFY(alumno(QStringLiteral("Brais"), QStringLiteral("  pena MATO ")));
        for (const char* apellidos : {"50% Ruiz", "50 Ruiz", "Ab_c", "Abxc"})
            QVERIFY(alumno(QStringLiteral("X"), QString::fromUtf8(apellidos)));
        QStringList found = Alumno::buscarNombre(QStringLiteral(" PENA mato"));
        found.sort();
        QCOMPARE(found, (QStringList{QStringLiteral("Brais   pena MATO "), QStringLiteral("Luis Pena Mato")}));
        // typed % and _ match themselves only
        QCOMPARE(Alumno::buscarNombre(QStringLiteral("50% Ruiz")), QStringList{"X 50% Ruiz"});
        QCOMPARE(Alumno::buscarNombre(QStringLiteral("Ab_c")), QStringList{"X Ab_c"});
        QVERIFY(Alumno::buscarNombre(QStringLiteral("Pena%")).isEmpty());
    }

    // Leaving is never refused for capacity, and open enrolments starting
    // after the date stay open.
    void withdrawal()
    {
        const QDate hoy = QDate::currentDate();
        QVERIFY(alta(a.nuevo, a.turnoManana, QDate(2024, 9, 1)));
        QVERIFY(alta(a.eva, a.turnoManana, QDate(2024, 9, 1))); // forced past the capacity of 2
        const int futura = alta(a.luis, a.turnoTarde, hoy.addDays(7));
        const int pasada = alta(a.luis, a.turnoTarde, QDate(2020, 1, 1), QDate(2020, 3, 1));
        std::unique_ptr<Alumno> luis(Alumno::getFromDB(a.luis));
        QVERIFY(!luis->darDeBaja(QDate())); // the future one could not be withdrawn
        QCOMPARE(fbajaDeAlta(a.altaLuis), hoy);
        QVERIFY(fbajaDeAlta(futura).isNull());
        QCOMPARE(fbajaDeAlta(pasada), QDate(2020, 3, 1));
        QVERIFY(luis->darDeBaja(hoy.addDays(10)));
        QCOMPARE(fbajaDeAlta(futura), hoy.addDays(10));
    }

    void withdrawalThatCannotBeWrittenIsReported()
    {
        QVERIFY(failUpdates("alta"));
        std::unique_ptr<Alumno> luis(Alumno::getFromDB(a.luis));
        MessageCapture capture;
        QVERIFY(!luis->darDeBaja(QDate::currentDate()));
        QVERIFY(fbajaDeAlta(a.altaLuis).isNull());

        std::unique_ptr<Alta> alta(Alta::getFromDB(a.altaEva));
        QCOMPARE(luis->updateAlta(alta.get(), false), int(Alta::ErrorBaseDeDatos));
        QVERIFY(capture.contains(QtWarningMsg, "Error updating subject relation. Unknown error."));
    }
};

PENSARIO_TEST_MAIN(TestAlumno)
#include "tst_alumno.moc"
