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

    void storeLoadUpdateRemove()
    {
        QVERIFY(Aula::list().isEmpty());
        Aula aula;
        aula.setNombre(QStringLiteral("Laboratorio"));
        aula.setLocalizacion(QStringLiteral("Segundo piso"));
        aula.setAforo(14);
        aula.setComentarios(QStringLiteral("pizarra digital"));
        QVERIFY(aula.persist());
        std::unique_ptr<Aula> loaded(Aula::getFromDB(aula.id()));
        QVERIFY(loaded);
        QCOMPARE((QStringList{loaded->nombre(), loaded->localizacion(), loaded->comentarios()}),
                 (QStringList{"Laboratorio", "Segundo piso", "pizarra digital"}));
        QCOMPARE(loaded->aforo(), 14);

        loaded->setNombre(QStringLiteral("Nueva"));
        loaded->setAforo(30);
        QVERIFY(loaded->update());
        std::unique_ptr<Aula> updated(Aula::getFromDB(aula.id()));
        QCOMPARE(updated->nombre(), QStringLiteral("Nueva"));
        QCOMPARE(updated->aforo(), 30);

        QVERIFY(updated->remove());
        QVERIFY(!Aula::getFromDB(aula.id()));
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

    // An empty name is the empty text, which the NOT NULL column accepts.
    void emptyNameIsStored()
    {
        Aula aula;
        QVERIFY(aula.persist());
        QCOMPARE(count("SELECT count(*) FROM aula WHERE nombre = ''"), 1);
    }

    void refusals()
    {
        MessageCapture capture;
        Aula aula;
        QVERIFY(!aula.update());
        QVERIFY(capture.contains(QtWarningMsg, "tratando de actualizar un aula sin id"));
        QVERIFY(!aula.remove());
        QVERIFY(capture.contains(QtWarningMsg, "Tratando de eliminar un aula sin id"));
        QVERIFY(aula.persist());
        QVERIFY(!aula.persist());
        QVERIFY(capture.contains(QtWarningMsg, "Intentando almacenar como nueva un aula que ya tiene id"));
        QCOMPARE(count("SELECT count(*) FROM aula"), 1);
    }

    void removeWithSessionsFails()
    {
        Academy a;
        QVERIFY(a.build());
        std::unique_ptr<Aula> aula(Aula::getFromDB(a.aulaPequena));
        QVERIFY(!aula->remove());
        QCOMPARE(count("SELECT count(*) FROM aula WHERE id = ?", {a.aulaPequena}), 1);
    }
};

PENSARIO_TEST_MAIN(TestAula)
#include "tst_aula.moc"
