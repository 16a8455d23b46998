#include "academyfixture.h"
#include "aula.h"
#include "messagecapture.h"
#include "testmain.h"

#include <memory>

using namespace academy;

class TestAula : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(openFreshDatabase()); }

    void storeLoadAndList()
    {
        QVERIFY(Aula::list().isEmpty());

        Aula aula;
        QCOMPARE(aula.id(), 0);
        QCOMPARE(aula.aforo(), 0);
        aula.setNombre(QStringLiteral("Laboratorio"));
        aula.setLocalizacion(QStringLiteral("Segundo piso"));
        aula.setAforo(14);
        aula.setComentarios(QStringLiteral("con pizarra digital"));
        QVERIFY(aula.persist());
        QVERIFY(aula.id() > 0);

        std::unique_ptr<Aula> loaded(Aula::getFromDB(aula.id()));
        QVERIFY(loaded);
        QCOMPARE(loaded->id(), aula.id());
        QCOMPARE(loaded->nombre(), QStringLiteral("Laboratorio"));
        QCOMPARE(loaded->localizacion(), QStringLiteral("Segundo piso"));
        QCOMPARE(loaded->aforo(), 14);
        QCOMPARE(loaded->comentarios(), QStringLiteral("con pizarra digital"));

        QVERIFY(!Aula::getFromDB(aula.id() + 100));
    }

    void listIsSortedByCharacterCodes()
    {
        for (const char* nombre : {"aula b", "Zeta", "Aula a"}) {
            Aula a;
            a.setNombre(QString::fromLatin1(nombre));
            QVERIFY(a.persist());
        }
        const QList<Aula*> aulas = Aula::list();
        QStringList nombres;
        for (Aula* a : aulas)
            nombres << a->nombre();
        qDeleteAll(aulas);
        QCOMPARE(nombres, (QStringList{"Aula a", "Zeta", "aula b"}));
    }

    void emptyNameIsStored()
    {
        Aula aula;
        QVERIFY(aula.persist());
        QCOMPARE(scalar("SELECT nombre IS NULL FROM aula WHERE id = ?", {aula.id()}).toInt(), 0);
        QCOMPARE(scalar("SELECT nombre FROM aula WHERE id = ?", {aula.id()}).toString(), QString());
    }

    void refusals()
    {
        MessageCapture capture;
        Aula aula;
        aula.setNombre(QStringLiteral("A"));
        QVERIFY(!aula.update());
        QVERIFY(capture.contains(QtWarningMsg, "tratando de actualizar un aula sin id"));
        QVERIFY(!aula.remove());
        QVERIFY(capture.contains(QtWarningMsg, "Tratando de eliminar un aula sin id"));

        QVERIFY(aula.persist());
        const int id = aula.id();
        QVERIFY(!aula.persist());
        QVERIFY(capture.contains(QtWarningMsg,
                                 "Intentando almacenar como nueva un aula que ya tiene id"));
        QCOMPARE(aula.id(), id);
        QCOMPARE(count("SELECT count(*) FROM aula"), 1);
    }

    void updateAndRemove()
    {
        Aula aula;
        aula.setNombre(QStringLiteral("Vieja"));
        aula.setAforo(3);
        QVERIFY(aula.persist());
        aula.setNombre(QStringLiteral("Nueva"));
        aula.setAforo(30);
        aula.setLocalizacion(QStringLiteral("Anexo"));
        QVERIFY(aula.update());
        std::unique_ptr<Aula> loaded(Aula::getFromDB(aula.id()));
        QCOMPARE(loaded->nombre(), QStringLiteral("Nueva"));
        QCOMPARE(loaded->aforo(), 30);
        QCOMPARE(loaded->localizacion(), QStringLiteral("Anexo"));

        QVERIFY(aula.remove());
        QVERIFY(!Aula::getFromDB(aula.id()));
    }

    void removeWithSessionsFails()
    {
        Academy a;
        QVERIFY(a.build());
        MessageCapture capture;
        std::unique_ptr<Aula> aula(Aula::getFromDB(a.aulaPequena));
        QVERIFY(!aula->remove());
        QCOMPARE(count("SELECT count(*) FROM aula WHERE id = ?", {a.aulaPequena}), 1);
        QVERIFY(capture.count(QtWarningMsg) > 0);
    }

    void failedInsertAnswersFalse()
    {
        QVERIFY(failInserts("aula"));
        Aula aula;
        aula.setNombre(QStringLiteral("X"));
        QVERIFY(!aula.persist());
        QCOMPARE(aula.id(), 0);
    }
};

PENSARIO_TEST_MAIN(TestAula)
#include "tst_aula.moc"
