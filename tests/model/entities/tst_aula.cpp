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

    void storeLoadListUpdateRemove()
    {
        Aula aula;
        aula.setNombre(QStringLiteral("Laboratorio"));
        aula.setLocalizacion(QStringLiteral("Segundo piso"));
        aula.setAforo(14);
        aula.setComentarios(QStringLiteral("pizarra digital"));
        QVERIFY(aula.persist());
        QVERIFY(!aula.persist());
        std::unique_ptr<Aula> loaded(Aula::getFromDB(aula.id()));
        QVERIFY(loaded);
        QCOMPARE((QStringList{loaded->nombre(), loaded->localizacion(), loaded->comentarios()}),
                 (QStringList{"Laboratorio", "Segundo piso", "pizarra digital"}));
        QCOMPARE(loaded->aforo(), 14);

        loaded->setNombre(QStringLiteral("Nueva"));
        QVERIFY(loaded->update());
        QVERIFY(academy::aula(QStringLiteral("Zeta"), 1) && academy::aula(QStringLiteral("aula b"), 1));
        const QList<Aula*> aulas = Aula::list();
        QStringList nombres;
        for (Aula* a : aulas)
            nombres << a->nombre();
        qDeleteAll(aulas);
        QCOMPARE(nombres, (QStringList{"Nueva", "Zeta", "aula b"})); // by character codes

        QVERIFY(loaded->remove());
        QVERIFY(!Aula::getFromDB(aula.id()));
        MessageCapture capture;
        QVERIFY(!Aula().remove());
        QVERIFY(capture.contains(QtWarningMsg, "Tratando de eliminar un aula sin id"));
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
