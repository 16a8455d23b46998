// The check's reused findings follow what the database holds, whoever wrote
// it, and a run that could not read is never taken for "no findings".

#include "daotesthelpers.h"
#include "testmain.h"
#include "tst_academiafixture.h"

#include <QSqlDriver>
#include <QtTest>

#include <sqlite3.h>

using namespace AcademiaFixture;

namespace {
QString rutaBase()
{
    return QSqlDatabase::database(QSqlDatabase::defaultConnection, false).databaseName();
}

bool esFallo(const EstadoAcademiaInconsistencia* i)
{
    return i->descripcion().startsWith(u"The consistency check could not read the database"_s);
}

// The findings of a double sign-up and those of a failed read.
QPair<int, int> doblesYFallos()
{
    Resultado r{Academia::comprobarEstado()};
    int dobles = 0;
    int fallos = 0;
    for (const EstadoAcademiaInconsistencia* i : r.dobles())
        ++(esFallo(i) ? fallos : dobles);
    return {dobles, fallos};
}
} // namespace

class TestComprobacion : public QObject
{
    Q_OBJECT

private:
    int ana = 0;
    int manha = 0;

private slots:
    void init()
    {
        QVERIFY(abrirBaseNueva());
        manha = turno(asignatura(u"Inglés"_s), u"Mañá"_s);
        ana = alumno(u"Ana"_s);
        alta(ana, manha, u"Ana Souto"_s, u"Inglés"_s, u"Mañá"_s);
        alta(ana, manha, u"Ana Souto"_s, u"Inglés"_s, u"Mañá"_s);
    }

    // Another connection's commit (a second program, a restore by hand) is
    // seen at the next check, both ways.
    void otraConexionSeVe()
    {
        QCOMPARE(doblesYFallos(), qMakePair(1, 0));
        {
            DaoRawDb otra(rutaBase());
            QVERIFY(otra.exec(u"DELETE FROM alta WHERE id = (SELECT max(id) FROM alta)"_s));
        }
        QCOMPARE(doblesYFallos(), qMakePair(0, 0));
        {
            DaoRawDb otra(rutaBase());
            QVERIFY(otra.exec(u"INSERT INTO alta (idalumno, idturnoasignatura, nombrealumno, nombreasignatura, "
                              "nombreturnoasignatura, falta, precio) SELECT idalumno, idturnoasignatura, "
                              "nombrealumno, nombreasignatura, nombreturnoasignatura, falta, precio FROM alta"_s));
        }
        QCOMPARE(doblesYFallos(), qMakePair(1, 0));
    }

    // Reads refused while another connection holds the database: the run
    // says it failed, and its empty findings are not answered later.
    void lecturaFallidaNoSeReutiliza()
    {
        const QVariant handle = QSqlDatabase::database(QSqlDatabase::defaultConnection, false).driver()->handle();
        QVERIFY(handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0);
        sqlite3_busy_timeout(*static_cast<sqlite3* const*>(handle.data()), 0);
        {
            DaoRawDb otra(rutaBase());
            QVERIFY(otra.exec(u"BEGIN EXCLUSIVE"_s));
            QVERIFY(otra.exec(u"UPDATE alta SET nombrealumno = nombrealumno"_s));
            const QPair<int, int> bloqueada = doblesYFallos();
            QCOMPARE(bloqueada.second, 1);
            QVERIFY(otra.exec(u"ROLLBACK"_s));
        }
        QCOMPARE(doblesYFallos(), qMakePair(1, 0));
    }
};

PENSARIO_TEST_MAIN(TestComprobacion)
#include "tst_comprobacion.moc"
