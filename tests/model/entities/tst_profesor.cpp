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

    void storeLoadUpdate()
    {
        Profesor p;
        p.setNombre(QStringLiteral("Carme"));
        p.setApellidos(QStringLiteral("Lois"));
        p.setApodo(QStringLiteral("Mela"));
        p.setSueldoFijo(1200.5);
        p.setSueldoPorHora(19.99);
        p.setSueldoPorcentaje(12.5);
        p.setRetencion(15);
        p.setFAlta(QDate(2021, 9, 1));
        p.setTelefonos(tels({{"casa", "988"}, {"móbil", "677"}}));
        QVERIFY(p.persist());
        // money in cents, the withholding in hundredths, the percentage as held
        QCOMPARE(scalar("SELECT sueldofijo || '/' || sueldoporhora || '/' || descuento || '/' || sueldoporcentaje "
                        "FROM profesor WHERE id = ?", {p.id()}).toString(),
                 QStringLiteral("120050/1999/1500.0/12.5"));

        std::unique_ptr<Profesor> l(Profesor::getFromDB(p.id()));
        QVERIFY(l);
        QCOMPARE((QList<double>{l->sueldoFijo(), l->sueldoPorHora(), l->sueldoPorcentaje(), l->retencion()}),
                 (QList<double>{1200.5, 19.99, 12.5, 15.0}));
        QCOMPARE(l->fAlta(), QDate(2021, 9, 1));
        QCOMPARE(l->telefonosToString(), QStringLiteral("casa: 988; móbil: 677"));
        QCOMPARE(l->nombreCompleto(), QStringLiteral("Mela - Carme Lois"));

        // An emptied nickname becomes the name again.
        l->setApodo(QString());
        l->setFBaja(QDate(2025, 6, 30));
        // a row left blank is no phone; a name alone is one
        l->setTelefonos(tels({{"", ""}, {"móbil", "2"}, {" ", ""}, {"fax", ""}}));
        QVERIFY(l->update());
        std::unique_ptr<Profesor> u(Profesor::getFromDB(p.id()));
        QCOMPARE(u->apodo(), QStringLiteral("Carme"));
        QCOMPARE(u->fBaja(), QDate(2025, 6, 30));
        QCOMPARE(u->telefonosToString(), QStringLiteral("móbil: 2; fax: "));

        MessageCapture capture;
        QVERIFY(!u->persist());
        QVERIFY(capture.contains(QtWarningMsg, "Intentando almacenar como nuevo un profesor que ya tiene id"));
        QVERIFY(!Profesor().update());
    }

    // Every teacher with its own phones.
    void listings()
    {
        const int ana = profesor(QStringLiteral("Ana"), QStringLiteral("A"), tels({{"casa", "1"}}));
        const int bea = profesor(QStringLiteral("Bea"), QStringLiteral("B"));
        const int cris = profesor(QStringLiteral("Cris"), QStringLiteral("C"), tels({{"casa", "3"}, {"móbil", "33"}}));
        const QList<Profesor*> todos = Profesor::getAll();
        QMap<int, QString> phones;
        for (Profesor* p : todos)
            phones.insert(p->id(), p->telefonosToString());
        qDeleteAll(todos);
        QCOMPARE(phones, (QMap<int, QString>{{ana, "casa: 1"}, {bea, ""}, {cris, "casa: 3; móbil: 33"}}));
    }

    // Row and phones go in one transaction: a failed phone write takes the
    // teacher back and answers false.
    void failedPhoneWriteRollsBack()
    {
        const int id = profesor(QStringLiteral("Ana"), QStringLiteral("A"), tels({{"casa", "1"}}));
        QVERIFY(failInserts("telefonoprofesor"));
        MessageCapture capture;
        Profesor nuevo;
        nuevo.setNombre(QStringLiteral("Bea"));
        nuevo.setFAlta(QDate(2020, 1, 1));
        nuevo.setTelefonos(tels({{"casa", "5"}}));
        QVERIFY(!nuevo.persist());
        QCOMPARE(nuevo.id(), 0);
        QCOMPARE(count("SELECT count(*) FROM profesor"), 1);
        QVERIFY(capture.contains(QtWarningMsg, "Hubo un error guardando los teléfonos del profesor"));

        std::unique_ptr<Profesor> p(Profesor::getFromDB(id));
        p->setApellidos(QStringLiteral("Cambiado"));
        p->setTelefonos(tels({{"móbil", "9"}}));
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
        QVERIFY(link("profesor_asignatura", "idprofesor", a.profesora, "idasignatura", a.matematicas));
        QVERIFY(failDeletes("profesor"));
        QVERIFY(!Profesor::remove(a.profesora));
        QCOMPARE(count("SELECT count(*) FROM telefonoprofesor"), 2);
        QVERIFY(exec("DROP TRIGGER fail_DELETE_profesor"));

        QVERIFY(Profesor::remove(a.profesora));
        QVERIFY(!Profesor::getFromDB(a.profesora));
        QCOMPARE(count("SELECT count(*) FROM telefonoprofesor"), 0);
        QCOMPARE(count("SELECT count(*) FROM profesor_asignatura"), 0);
        QCOMPARE(count("SELECT count(*) FROM sesiondeclase WHERE idprofesor IS NULL"), 3);
    }
};

PENSARIO_TEST_MAIN(TestProfesor)
#include "tst_profesor.moc"
