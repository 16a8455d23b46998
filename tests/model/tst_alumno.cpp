#include "academyfixture.h"
#include "alta.h"
#include "alumno.h"
#include "asignaturasalumnotablemodel.h"
#include "messagecapture.h"
#include "testmain.h"

#include <memory>

using namespace academy;

namespace {
QMap<int, Alumno*> byId(const QList<Alumno*>& alumnos)
{
    QMap<int, Alumno*> map;
    for (Alumno* a : alumnos)
        map.insert(a->id(), a);
    return map;
}

QList<int> ids(const QList<Alumno*>& alumnos)
{
    QList<int> result;
    for (Alumno* a : alumnos)
        result << a->id();
    qDeleteAll(alumnos);
    std::sort(result.begin(), result.end());
    return result;
}

Alumno::Telefonos telefonos(std::initializer_list<std::pair<const char*, const char*>> list)
{
    Alumno::Telefonos result;
    for (const auto& p : list)
        result.append({QString::fromUtf8(p.first), QString::fromUtf8(p.second)});
    return result;
}
}

class TestAlumno : public QObject
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
        Alumno alumno;
        QCOMPARE(alumno.descuento(), 0.0);
        const QStringList textos{"María", "Castro Díaz", "IES Rosalía", "alergia", "2080", "11111111H",
                                 "Praza Maior 3", "Lugo", "Lugo prov", "27001", "m@example.org",
                                 "Banco", "Rúa do Banco"};
        alumno.setNombre(textos[0]);
        alumno.setApellidos(textos[1]);
        alumno.setInstituto(textos[2]);
        alumno.setObservaciones(textos[3]);
        alumno.setCcc(textos[4]);
        alumno.setDni(textos[5]);
        alumno.setDireccion(textos[6]);
        alumno.setLocalidad(textos[7]);
        alumno.setProvincia(textos[8]);
        alumno.setCp(textos[9]);
        alumno.setEmail(textos[10]);
        alumno.setBanco(textos[11]);
        alumno.setDireccionBanco(textos[12]);
        alumno.setDescuento(12.5);
        alumno.setTelefonos(telefonos({{"casa", "982000000"}, {"pai", "622000000"}}));
        QVERIFY(alumno.persist());

        std::unique_ptr<Alumno> l(Alumno::getFromDB(alumno.id()));
        QVERIFY(l);
        QCOMPARE((QStringList{l->nombre(), l->apellidos(), l->instituto(), l->observaciones(), l->ccc(),
                              l->dni(), l->direccion(), l->localidad(), l->provincia(), l->cp(), l->email(),
                              l->banco(), l->direccionBanco()}),
                 textos);
        QCOMPARE(l->descuento(), 12.5);
        QCOMPARE(l->telefonosString(), QStringLiteral("casa: 982000000; pai: 622000000"));
        l->setTelefonos(telefonos({{"casa", "1"}}));
        QCOMPARE(l->telefonosString(), QStringLiteral("casa: 1"));
        // an entry equal to the last one still gets its separator
        l->setTelefonos(telefonos({{"casa", "1"}, {"pai", "2"}, {"casa", "1"}}));
        QCOMPARE(l->telefonosString(), QStringLiteral("casa: 1; pai: 2; casa: 1"));
        QVERIFY(!Alumno::getFromDB(alumno.id() + 50));
    }

    void unstoredStudent()
    {
        MessageCapture capture;
        Alumno alumno;
        alumno.loadTelefonos();
        QVERIFY(capture.contains(QtWarningMsg, "No se pueden obtener los teléfonos de un alumno sin id"));
        QVERIFY(alumno.altas().isEmpty());
        QVERIFY(!alumno.update());
        QVERIFY(capture.contains(QtWarningMsg, "tratando de actualizar un alumno sin id"));
        std::unique_ptr<Alumno> stored(Alumno::getFromDB(a.luis));
        QVERIFY(!stored->persist());
        QVERIFY(capture.contains(QtWarningMsg, "Intentando almacenar como nuevo un alumno que ya tiene id"));
        QCOMPARE(count("SELECT count(*) FROM alumno"), 3);
    }

    void listModes()
    {
        const QDate hoy = QDate::currentDate();
        const int bajaManana = alumno(QStringLiteral("Iria"), QStringLiteral("Vila"));
        QVERIFY(alta(bajaManana, a.turnoTarde, QDate(2024, 1, 1), hoy.addDays(1)));
        const int bajaHoy = alumno(QStringLiteral("Roi"), QStringLiteral("Vila"));
        QVERIFY(alta(bajaHoy, a.turnoTarde, QDate(2024, 1, 1), hoy));

        QCOMPARE(ids(Alumno::list(Alumno::Actuales, QString(), QString())),
                 (QList<int>{a.luis, a.nuevo, bajaManana}));
        QCOMPARE(ids(Alumno::list(Alumno::Antiguos, QString(), QString())), (QList<int>{a.eva, bajaHoy}));
        QCOMPARE(ids(Alumno::list(Alumno::Todos, QString(), QString())),
                 (QList<int>{a.luis, a.eva, a.nuevo, bajaManana, bajaHoy}));
        QVERIFY(Alumno::list(7, QString(), QString()).isEmpty());
    }

    // Every listed student carries its own phones, whatever the mode.
    void listsCarryTheirOwnPhones()
    {
        const int otra = alumno(QStringLiteral("Uxía"), QStringLiteral("Rial"), telefonos({{"casa", "2"}}));
        for (int modo : {0, 1, 2}) {
            const QList<Alumno*> alumnos = Alumno::list(modo, QString(), QString());
            for (Alumno* alumno : alumnos) {
                std::unique_ptr<Alumno> uno(Alumno::getFromDB(alumno->id()));
                QCOMPARE(alumno->telefonos(), uno->telefonos());
            }
            qDeleteAll(alumnos);
        }
        const QMap<int, Alumno*> todos = byId(Alumno::list());
        QCOMPARE(todos.value(a.luis)->telefonosString(), QStringLiteral("casa: 981111111; madre: 611111111"));
        QCOMPARE(todos.value(otra)->telefonosString(), QStringLiteral("casa: 2"));
        QCOMPARE(todos.value(a.eva)->telefonosString(), QString());
        qDeleteAll(todos);
    }

    void listFilterAndOrder()
    {
        const int otro = alumno(QStringLiteral("Ana"), QStringLiteral("Abad"));
        const QList<Alumno*> alumnos = Alumno::list(QStringLiteral("apellidos"),
            QStringLiteral("id in (%1,%2,%3)").arg(a.luis).arg(a.nuevo).arg(otro));
        QStringList apellidos;
        for (Alumno* alumno : alumnos)
            apellidos << alumno->apellidos();
        QCOMPARE(apellidos, (QStringList{"Abad", "Novo", "Pena Mato"}));
        QCOMPARE(alumnos.last()->telefonos().size(), 2);
        qDeleteAll(alumnos);

        // The filter narrows the whole condition of a mode: students with no
        // enrolment do not slip past it.
        QCOMPARE(ids(Alumno::list(Alumno::Actuales, QString(),
                                  QStringLiteral("alumno.id = %1").arg(a.luis))),
                 (QList<int>{a.luis}));
        QCOMPARE(ids(Alumno::list(Alumno::Antiguos, QString(),
                                  QStringLiteral("alumno.id = %1").arg(a.luis))),
                 (QList<int>{}));
        const QList<Alumno*> ordenados = Alumno::list(Alumno::Actuales, QStringLiteral("alumno.nombre"), QString());
        QCOMPARE(ordenados.first()->nombre(), QStringLiteral("Ana"));
        qDeleteAll(ordenados);
    }

    // A list costs a fixed number of statements, not one per student.
    void listQueriesDoNotGrowWithRows()
    {
        for (int i = 0; i < 30; ++i)
            QVERIFY(alumno(QStringLiteral("N%1").arg(i), QStringLiteral("A%1").arg(i),
                           telefonos({{"casa", "1"}})));
        setDaoTracing(true);
        for (int modo : {0, 1, 2}) {
            MessageCapture capture;
            qDeleteAll(Alumno::list(modo, QString(), QString()));
            int statements = 0;
            for (const QString& text : capture.texts(QtDebugMsg))
                statements += text.contains(QStringLiteral("Executed query was")) ? 1 : 0;
            QCOMPARE(statements, 2);
        }
        setDaoTracing(false);
    }

    void updateRenamesEnrolmentsAndRewritesPhones()
    {
        std::unique_ptr<Alumno> luis(Alumno::getFromDB(a.luis));
        QVERIFY(alta(a.luis, a.turnoTarde, QDate(2020, 1, 1), QDate(2020, 2, 1)));
        luis->setNombre(QStringLiteral("Luís"));
        luis->setApellidos(QStringLiteral("Pena Vidal"));
        luis->setTelefonos(telefonos({{"móbil", "699999999"}}));
        QVERIFY(luis->update());
        QCOMPARE(count("SELECT count(*) FROM alta WHERE idalumno = ? AND nombrealumno = 'Pena Vidal, Luís'",
                       {a.luis}),
                 2);
        std::unique_ptr<Alumno> loaded(Alumno::getFromDB(a.luis));
        QCOMPARE(loaded->apellidos(), QStringLiteral("Pena Vidal"));
        QCOMPARE(loaded->telefonosString(), QStringLiteral("móbil: 699999999"));
        // other students' names stay
        QCOMPARE(count("SELECT count(*) FROM alta WHERE idalumno = ? AND nombrealumno = ?",
                       {a.eva, QStringLiteral("alumno %1").arg(a.eva)}),
                 1);
    }

    // Two phones with one name: the second insert fails, and the whole
    // student goes with it, so a corrected retry stores exactly one student.
    void duplicatePhoneNameRollsBackTheStore()
    {
        MessageCapture capture;
        Alumno alumno;
        alumno.setNombre(QStringLiteral("Dobre"));
        alumno.setApellidos(QStringLiteral("Nome"));
        alumno.setTelefonos(telefonos({{"casa", "1"}, {"casa", "2"}}));
        QVERIFY(!alumno.persist());
        QCOMPARE(alumno.id(), 0);
        QVERIFY(capture.contains(QtWarningMsg, "Hubo un error guardando los teléfonos del alumno"));
        QCOMPARE(count("SELECT count(*) FROM alumno WHERE nombre = 'Dobre'"), 0);
        QCOMPARE(count("SELECT count(*) FROM telefonoalumno WHERE telefono IN ('1','2')"), 0);

        alumno.setTelefonos(telefonos({{"casa", "1"}, {"traballo", "2"}}));
        QVERIFY(alumno.persist());
        QCOMPARE(count("SELECT count(*) FROM alumno WHERE nombre = 'Dobre'"), 1);
        QCOMPARE(count("SELECT count(*) FROM telefonoalumno WHERE idalumno = ?", {alumno.id()}), 2);
    }

    void failedPhoneWriteRollsBackTheUpdate()
    {
        std::unique_ptr<Alumno> luis(Alumno::getFromDB(a.luis));
        luis->setApellidos(QStringLiteral("Cambiado"));
        luis->setTelefonos(telefonos({{"novo", "600"}}));
        QVERIFY(failInserts("telefonoalumno"));
        QVERIFY(!luis->update());
        QVERIFY(!Dao::getInstance()->inTransaction());

        std::unique_ptr<Alumno> stored(Alumno::getFromDB(a.luis));
        QCOMPARE(stored->apellidos(), QStringLiteral("Pena Mato"));
        QCOMPARE(stored->telefonosString(), QStringLiteral("casa: 981111111; madre: 611111111"));
        QCOMPARE(count("SELECT count(*) FROM alta WHERE nombrealumno = 'Cambiado, Luis'"), 0);

        Alumno nuevo;
        nuevo.setNombre(QStringLiteral("Sen"));
        nuevo.setApellidos(QStringLiteral("Telefono"));
        nuevo.setTelefonos(telefonos({{"casa", "9"}}));
        QVERIFY(!nuevo.persist());
        QCOMPARE(nuevo.id(), 0);
        QCOMPARE(count("SELECT count(*) FROM alumno"), 3);
        // without phones nothing is inserted into the failing table
        nuevo.setTelefonos({});
        QVERIFY(nuevo.persist());
    }

    // Inside a transaction somebody else opened, a write joins it: nothing is
    // committed until the opener commits, and a failed write takes back only
    // its own statements.
    void joinsAnOpenTransaction()
    {
        Dao* dao = Dao::getInstance();
        QVERIFY(dao->transaction());
        const int antes = alumno(QStringLiteral("Antes"), QStringLiteral("Xa"));
        QVERIFY(antes);
        QVERIFY(dao->inTransaction());

        Alumno fallido;
        fallido.setNombre(QStringLiteral("Fallido"));
        fallido.setApellidos(QStringLiteral("X"));
        fallido.setTelefonos(telefonos({{"casa", "1"}, {"casa", "2"}}));
        QVERIFY(!fallido.persist());
        QCOMPARE(fallido.id(), 0);
        QVERIFY(dao->inTransaction());
        QCOMPARE(count("SELECT count(*) FROM alumno WHERE nombre = 'Fallido'"), 0);
        QCOMPARE(count("SELECT count(*) FROM alumno WHERE id = ?", {antes}), 1);

        QVERIFY(dao->rollback());
        QCOMPARE(count("SELECT count(*) FROM alumno WHERE id = ?", {antes}), 0);

        QVERIFY(dao->transaction());
        const int confirmado = alumno(QStringLiteral("Confirmado"), QStringLiteral("Xa"));
        QVERIFY(dao->commit());
        QCOMPARE(count("SELECT count(*) FROM alumno WHERE id = ?", {confirmado}), 1);
    }

    void removeCascades()
    {
        QVERIFY(exec("INSERT INTO recibo (fecha, importe, importepagado, concepto, datosalumno, idalumno) "
                     "VALUES ('2025-01-01', 3000, 0, 'x', 'Luis', ?)",
                     {a.luis}));
        QVERIFY(Alumno::remove(a.luis));
        QVERIFY(!Alumno::getFromDB(a.luis));
        QCOMPARE(count("SELECT count(*) FROM telefonoalumno WHERE idalumno = ?", {a.luis}), 0);
        QCOMPARE(count("SELECT count(*) FROM alta WHERE idalumno = ?", {a.luis}), 0);
        QCOMPARE(count("SELECT count(*) FROM recibo WHERE idalumno IS NULL"), 1);
        QCOMPARE(count("SELECT count(*) FROM alumno"), 2);

        // a missing id removes nothing, successfully
        QVERIFY(Alumno::remove(4242));
    }

    void failedRemoveKeepsThePhones()
    {
        QVERIFY(failDeletes("alumno"));
        QVERIFY(!Alumno::remove(a.luis));
        QVERIFY(!Dao::getInstance()->inTransaction());
        std::unique_ptr<Alumno> luis(Alumno::getFromDB(a.luis));
        QVERIFY(luis);
        QCOMPARE(luis->telefonos().size(), 2);
    }

    void brothersSearch()
    {
        const int hermano = alumno(QStringLiteral("Brais"), QStringLiteral("  pena MATO "));
        alumno(QStringLiteral("Porcento"), QStringLiteral("50% Ruiz"));
        alumno(QStringLiteral("Cincuenta"), QStringLiteral("50 Ruiz"));
        alumno(QStringLiteral("Baixo"), QStringLiteral("Ab_c"));
        alumno(QStringLiteral("Outro"), QStringLiteral("Abxc"));
        QVERIFY(hermano);

        QStringList found = Alumno::buscarNombre(QStringLiteral(" PENA mato"));
        found.sort();
        QCOMPARE(found, (QStringList{QStringLiteral("Brais   pena MATO "), QStringLiteral("Luis Pena Mato")}));
        // typed % and _ match themselves only
        QCOMPARE(Alumno::buscarNombre(QStringLiteral("50% Ruiz")), QStringList{"Porcento 50% Ruiz"});
        QCOMPARE(Alumno::buscarNombre(QStringLiteral("Ab_c")), QStringList{"Baixo Ab_c"});
        QVERIFY(Alumno::buscarNombre(QStringLiteral("%")).isEmpty());
        QVERIFY(Alumno::buscarNombre(QStringLiteral("Pena%")).isEmpty());
        QVERIFY(Alumno::buscarNombre(QStringLiteral("Nadie")).isEmpty());
    }

    void withdrawal()
    {
        const QDate hoy = QDate::currentDate();
        const int futura = alta(a.luis, a.turnoTarde, hoy.addDays(7));
        const int pasada = alta(a.luis, a.turnoTarde, QDate(2020, 1, 1), QDate(2020, 3, 1));
        std::unique_ptr<Alumno> luis(Alumno::getFromDB(a.luis));
        QVERIFY(!luis->darDeBaja(QDate()));
        QCOMPARE(scalar("SELECT fbaja FROM alta WHERE id = ?", {a.altaLuis}).toDate(), hoy);
        QVERIFY(scalar("SELECT fbaja FROM alta WHERE id = ?", {futura}).isNull());
        QCOMPARE(scalar("SELECT fbaja FROM alta WHERE id = ?", {pasada}).toDate(), QDate(2020, 3, 1));

        // at a later date the remaining one goes too
        QVERIFY(luis->darDeBaja(hoy.addDays(10)));
        QCOMPARE(scalar("SELECT fbaja FROM alta WHERE id = ?", {futura}).toDate(), hoy.addDays(10));
    }

    // Leaving a shift that is over its capacity is never refused.
    void withdrawalFromAFullShift()
    {
        QVERIFY(alta(a.nuevo, a.turnoManana, QDate(2024, 9, 1)));
        QVERIFY(alta(a.eva, a.turnoManana, QDate(2024, 9, 1))); // forced past the capacity of 2
        std::unique_ptr<Alumno> luis(Alumno::getFromDB(a.luis));
        QVERIFY(luis->darDeBaja(QDate::currentDate()));
        QCOMPARE(scalar("SELECT fbaja FROM alta WHERE id = ?", {a.altaLuis}).toDate(), QDate::currentDate());

        // a shift left without sessions has no place at all, and still lets go
        const int sinSesiones = turno(a.matematicas, QStringLiteral("Sin sesiones"));
        const int altaNuevo = alta(a.nuevo, sinSesiones, QDate(2024, 9, 1));
        std::unique_ptr<Alumno> nuevo(Alumno::getFromDB(a.nuevo));
        QVERIFY(nuevo->darDeBaja(QDate(2025, 1, 31)));
        QCOMPARE(scalar("SELECT fbaja FROM alta WHERE id = ?", {altaNuevo}).toDate(), QDate(2025, 1, 31));
    }

    void withdrawalThatCannotBeWrittenIsReported()
    {
        QVERIFY(failUpdates("alta"));
        std::unique_ptr<Alumno> luis(Alumno::getFromDB(a.luis));
        MessageCapture capture;
        QVERIFY(!luis->darDeBaja(QDate::currentDate()));
        QVERIFY(scalar("SELECT fbaja FROM alta WHERE id = ?", {a.altaLuis}).isNull());
    }

    void enrolmentWrappersReportFailedStatements()
    {
        std::unique_ptr<Alumno> nuevo(Alumno::getFromDB(a.nuevo));
        AsignaturasAlumnoTableModel* model = nuevo->getAsignaturasModel();
        QCOMPARE(nuevo->getAsignaturasModel(), model);
        std::unique_ptr<Alta> alta(Alta::getFromDB(a.altaEva));
        MessageCapture capture;
        QVERIFY(failUpdates("alta"));
        QCOMPARE(nuevo->updateAlta(alta.get(), false), int(Alta::ErrorBaseDeDatos));
        QVERIFY(capture.contains(QtWarningMsg, "Error updating subject relation. Unknown error."));
        QVERIFY(failInserts("alta"));
        Alta otra(a.nuevo);
        otra.setIdTurnoAsignatura(a.turnoTarde);
        otra.setFalta(QDate(2025, 1, 1));
        QCOMPARE(nuevo->persistAlta(&otra, true), int(Alta::ErrorBaseDeDatos));
        QVERIFY(capture.contains(QtWarningMsg, "Error persisting subject relation. Unknown error."));
        QCOMPARE(model->rowCount(), 0);
    }
};

PENSARIO_TEST_MAIN(TestAlumno)
#include "tst_alumno.moc"
