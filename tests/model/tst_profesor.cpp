#include "academyfixture.h"
#include "messagecapture.h"
#include "profesor.h"
#include "testmain.h"

#include <memory>

using namespace academy;

class TestProfesor : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(openFreshDatabase()); }

    void storeAndLoadWithMoney()
    {
        Profesor p;
        QCOMPARE(p.sueldoFijo(), 0.0);
        const QStringList textos{"Carme", "Lois", "Mela", "ccc", "22222222J", "Rúa 2", "Ourense",
                                 "Ourense prov", "32001", "carme@example.org", "Caixa", "Praza"};
        p.setNombre(textos[0]);
        p.setApellidos(textos[1]);
        p.setApodo(textos[2]);
        p.setCcc(textos[3]);
        p.setDni(textos[4]);
        p.setDireccion(textos[5]);
        p.setLocalidad(textos[6]);
        p.setProvincia(textos[7]);
        p.setCp(textos[8]);
        p.setEmail(textos[9]);
        p.setBanco(textos[10]);
        p.setDireccionBanco(textos[11]);
        p.setSueldoFijo(1200.5);
        p.setSueldoPorHora(19.99);
        p.setSueldoPorcentaje(12.5);
        p.setRetencion(15);
        p.setFAlta(QDate(2021, 9, 1));
        p.setTelefonos({{QStringLiteral("casa"), QStringLiteral("988")}, {QStringLiteral("móbil"), QStringLiteral("677")}});
        QVERIFY(p.persist());

        // money in cents, the withholding in hundredths, the percentage as held
        QCOMPARE(scalar("SELECT sueldofijo || '/' || sueldoporhora || '/' || descuento || '/' || sueldoporcentaje "
                        "FROM profesor WHERE id = ?", {p.id()}).toString(),
                 QStringLiteral("120050/1999/1500.0/12.5"));
        QVERIFY(scalar("SELECT fbaja FROM profesor WHERE id = ?", {p.id()}).isNull());

        std::unique_ptr<Profesor> l(Profesor::getFromDB(p.id()));
        QVERIFY(l);
        QCOMPARE((QStringList{l->nombre(), l->apellidos(), l->apodo(), l->ccc(), l->dni(), l->direccion(),
                              l->localidad(), l->provincia(), l->cp(), l->email(), l->banco(), l->direccionBanco()}),
                 textos);
        QCOMPARE((QList<double>{l->sueldoFijo(), l->sueldoPorHora(), l->sueldoPorcentaje(), l->retencion()}),
                 (QList<double>{1200.5, 19.99, 12.5, 15.0}));
        QCOMPARE(l->fAlta(), QDate(2021, 9, 1));
        QVERIFY(l->fBaja().isNull());
        QCOMPARE(l->telefonosToString(), QStringLiteral("casa: 988; móbil: 677"));
        QCOMPARE(l->nombreCompleto(), QStringLiteral("Mela - Carme Lois"));
        QVERIFY(!Profesor::getFromDB(p.id() + 1));
    }

    void emptyNicknameBecomesTheName()
    {
        Profesor p;
        p.setNombre(QStringLiteral("Xoán"));
        p.setApellidos(QStringLiteral("Vidal"));
        QCOMPARE(p.nombreCompleto(), QStringLiteral("Xoán Vidal"));
        p.setFAlta(QDate(2022, 1, 1));
        QVERIFY(p.persist());
        QCOMPARE(p.apodo(), QStringLiteral("Xoán"));
        QCOMPARE(scalar("SELECT apodo FROM profesor WHERE id = ?", {p.id()}).toString(), QStringLiteral("Xoán"));

        p.setApodo(QString());
        p.setNombre(QStringLiteral("Xoan"));
        QVERIFY(p.update());
        QCOMPARE(scalar("SELECT apodo FROM profesor WHERE id = ?", {p.id()}).toString(), QStringLiteral("Xoan"));
    }

    void getAllWithEachTeachersPhones()
    {
        QVERIFY(Profesor::getAll().isEmpty());
        const int ana = profesor(QStringLiteral("Ana"), QStringLiteral("A"), {{QStringLiteral("casa"), QStringLiteral("1")}});
        const int bea = profesor(QStringLiteral("Bea"), QStringLiteral("B"));
        const int cris = profesor(QStringLiteral("Cris"), QStringLiteral("C"),
                                  {{QStringLiteral("casa"), QStringLiteral("3")}, {QStringLiteral("móbil"), QStringLiteral("33")}});
        const QList<Profesor*> todos = Profesor::getAll();
        QCOMPARE(todos.size(), 3);
        QMap<int, QString> phones;
        for (Profesor* p : todos)
            phones.insert(p->id(), p->telefonosToString());
        qDeleteAll(todos);
        QCOMPARE(phones.value(ana), QStringLiteral("casa: 1"));
        QCOMPARE(phones.value(bea), QString());
        QCOMPARE(phones.value(cris), QStringLiteral("casa: 3; móbil: 33"));
    }

    void getAllCostsTwoStatements()
    {
        for (int i = 0; i < 20; ++i)
            QVERIFY(profesor(QStringLiteral("P%1").arg(i), QString(), {{QStringLiteral("casa"), QString::number(i)}}));
        setDaoTracing(true);
        MessageCapture capture;
        qDeleteAll(Profesor::getAll());
        int statements = 0;
        for (const QString& text : capture.texts(QtDebugMsg))
            statements += text.contains(QStringLiteral("Executed query was")) ? 1 : 0;
        setDaoTracing(false);
        QCOMPARE(statements, 2);
    }

    void teachersOfASubject()
    {
        const int ana = profesor(QStringLiteral("Ana"), QStringLiteral("A"), {{QStringLiteral("casa"), QStringLiteral("1")}});
        const int bea = profesor(QStringLiteral("Bea"), QStringLiteral("B"));
        const int fisica = asignatura(QStringLiteral("Fisica"));
        const int quimica = asignatura(QStringLiteral("Quimica"));
        QVERIFY(exec("INSERT INTO profesor_asignatura (idprofesor, idasignatura) VALUES (?, ?)", {ana, fisica}));
        QVERIFY(exec("INSERT INTO profesor_asignatura (idprofesor, idasignatura) VALUES (?, ?)", {bea, quimica}));
        const QList<Profesor*> deFisica = Profesor::getByAsignatura(fisica);
        QCOMPARE(deFisica.size(), 1);
        QCOMPARE(deFisica.first()->id(), ana);
        QCOMPARE(deFisica.first()->nombre(), QStringLiteral("Ana"));
        qDeleteAll(deFisica);
        QVERIFY(Profesor::getByAsignatura(quimica + 10).isEmpty());
    }

    void refusals()
    {
        MessageCapture capture;
        Profesor cuatro(4);
        cuatro.setNombre(QStringLiteral("X"));
        cuatro.setFAlta(QDate(2020, 1, 1));
        QVERIFY(!cuatro.persist());
        QVERIFY(capture.contains(QtWarningMsg, "Intentando almacenar como nuevo un profesor que ya tiene id"));
        QCOMPARE(count("SELECT count(*) FROM profesor"), 0);

        Profesor nuevo;
        QVERIFY(!nuevo.update());
        QVERIFY(capture.contains(QtWarningMsg, "tratando de actualizar un profesor sin id"));
        nuevo.loadTelefonos();
        QVERIFY(capture.contains(QtWarningMsg, "No se pueden obtener los teléfonos de un profesor sin id"));
    }

    void updateRewritesRowAndPhones()
    {
        const int id = profesor(QStringLiteral("Ana"), QStringLiteral("A"), {{QStringLiteral("casa"), QStringLiteral("1")}});
        std::unique_ptr<Profesor> p(Profesor::getFromDB(id));
        p->setFBaja(QDate(2025, 6, 30));
        p->setSueldoPorHora(0.285);
        p->setTelefonos({{QStringLiteral("móbil"), QStringLiteral("2")}});
        QVERIFY(p->update());
        std::unique_ptr<Profesor> loaded(Profesor::getFromDB(id));
        QCOMPARE(loaded->fBaja(), QDate(2025, 6, 30));
        QCOMPARE(loaded->sueldoPorHora(), 0.28);
        QCOMPARE(loaded->telefonosToString(), QStringLiteral("móbil: 2"));
    }

    void failedPhoneWriteRollsBack()
    {
        const int id = profesor(QStringLiteral("Ana"), QStringLiteral("A"), {{QStringLiteral("casa"), QStringLiteral("1")}});
        QVERIFY(failInserts("telefonoprofesor"));
        MessageCapture capture;

        Profesor nuevo;
        nuevo.setNombre(QStringLiteral("Bea"));
        nuevo.setFAlta(QDate(2020, 1, 1));
        nuevo.setTelefonos({{QStringLiteral("casa"), QStringLiteral("5")}});
        QVERIFY(!nuevo.persist());
        QCOMPARE(nuevo.id(), 0);
        QCOMPARE(count("SELECT count(*) FROM profesor"), 1);
        QVERIFY(capture.contains(QtWarningMsg, "Hubo un error guardando los teléfonos del profesor"));

        std::unique_ptr<Profesor> p(Profesor::getFromDB(id));
        p->setApellidos(QStringLiteral("Cambiado"));
        p->setTelefonos({{QStringLiteral("móbil"), QStringLiteral("9")}});
        QVERIFY(!p->update());
        QVERIFY(!Dao::getInstance()->inTransaction());
        std::unique_ptr<Profesor> stored(Profesor::getFromDB(id));
        QCOMPARE(stored->apellidos(), QStringLiteral("A"));
        QCOMPARE(stored->telefonosToString(), QStringLiteral("casa: 1"));
    }

    void removeCascades()
    {
        Academy a;
        QVERIFY(a.build());
        QVERIFY(exec("INSERT INTO profesor_asignatura (idprofesor, idasignatura) VALUES (?, ?)",
                     {a.profesora, a.matematicas}));
        QVERIFY(Profesor::remove(a.profesora));
        QVERIFY(!Profesor::getFromDB(a.profesora));
        QCOMPARE(count("SELECT count(*) FROM telefonoprofesor"), 0);
        QCOMPARE(count("SELECT count(*) FROM profesor_asignatura"), 0);
        QCOMPARE(count("SELECT count(*) FROM sesiondeclase"), 3);
        QCOMPARE(count("SELECT count(*) FROM sesiondeclase WHERE idprofesor IS NULL"), 3);
        QVERIFY(Profesor::remove(a.profesora)); // nothing left to remove is no failure
    }

    void failedRemoveKeepsEverything()
    {
        const int id = profesor(QStringLiteral("Ana"), QStringLiteral("A"), {{QStringLiteral("casa"), QStringLiteral("1")}});
        QVERIFY(failDeletes("profesor"));
        QVERIFY(!Profesor::remove(id));
        std::unique_ptr<Profesor> p(Profesor::getFromDB(id));
        QVERIFY(p);
        QCOMPARE(p->telefonosToString(), QStringLiteral("casa: 1"));
    }

    void removeInsideAnOpenTransaction()
    {
        const int id = profesor(QStringLiteral("Ana"), QStringLiteral("A"));
        Dao* dao = Dao::getInstance();
        QVERIFY(dao->transaction());
        QVERIFY(Profesor::remove(id));
        QVERIFY(dao->inTransaction());
        QVERIFY(dao->rollback());
        QCOMPARE(count("SELECT count(*) FROM profesor WHERE id = ?", {id}), 1);
    }
};

PENSARIO_TEST_MAIN(TestProfesor)
#include "tst_profesor.moc"
