#include "academyfixture.h"
#include "alumnotablemodel.h"
#include "changenotifier.h"
#include "daotransaction.h"
#include "profesortablemodel.h"
#include "testmain.h"
#include "turnoasignaturatablemodel.h"

#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>

using namespace academy;

// Writes are announced once they are what the database holds, and the shared
// models reload once per announcement that names one of their tables.
class TestChangeNotifier : public QObject
{
    Q_OBJECT

private:
    Academy a;
    Dao* dao = nullptr;

    // The tables of each announcement made while f runs.
    template<class F> QList<QSet<QString>> announcementsDuring(F f)
    {
        QSignalSpy spy(ChangeNotifier::instance(), &ChangeNotifier::tablesChanged);
        f();
        QList<QSet<QString>> result;
        for (const QList<QVariant>& args : spy)
            result << args.at(0).value<QSet<QString>>();
        return result;
    }

private slots:
    void init()
    {
        QVERIFY(a.rebuild());
        dao = Dao::getInstance();
        AlumnoTableModel::instance()->setModo(2);
        AlumnoTableModel::instance()->refresh();
        ProfesorTableModel::instance()->refresh();
        TurnoAsignaturaTableModel::instance()->refresh();
    }

    void manyWritesInOneTransactionGiveOneRefresh()
    {
        QSignalSpy alumnos(AlumnoTableModel::instance(), &QAbstractItemModel::modelReset);
        QSignalSpy turnos(TurnoAsignaturaTableModel::instance(), &QAbstractItemModel::dataChanged);
        QSignalSpy profesores(ProfesorTableModel::instance(), &QAbstractItemModel::modelReset);
        const int antes = count(QStringLiteral("SELECT count(*) FROM alta"));
        QVERIFY(dao->transaction());
        for (int i = 0; i < 100; ++i)
            QVERIFY(alta(a.nuevo, a.turnoTarde, QDate(2024, 1, 1).addDays(i)));
        QCOMPARE(alumnos.count(), 0);
        QCOMPARE(turnos.count(), 0);
        QVERIFY(dao->commit());
        QCOMPARE(alumnos.count(), 0); // lists every student: sign-ups change none of its rows
        QCOMPARE(turnos.count(), 1); // the number of students, counted once
        QCOMPARE(profesores.count(), 0); // shows no enrolment
        QCOMPARE(count(QStringLiteral("SELECT count(*) FROM alta")), antes + 100);
    }

    void rollbackIsAnnouncedToo()
    {
        QSignalSpy alumnos(AlumnoTableModel::instance(), &QAbstractItemModel::modelReset);
        const int filas = AlumnoTableModel::instance()->rowCount();
        QVERIFY(dao->transaction());
        QVERIFY(alumno(QStringLiteral("Breogan"), QStringLiteral("Lema")));
        QVERIFY(alumno(QStringLiteral("Iria"), QStringLiteral("Lema")));
        QCOMPARE(alumnos.count(), 0);
        // shown while still open, as a page that hands its transaction back
        ChangeNotifier::instance()->announce();
        QCOMPARE(AlumnoTableModel::instance()->rowCount(), filas + 2);
        QVERIFY(dao->rollback());
        QCOMPARE(alumnos.count(), 2);
        QCOMPARE(AlumnoTableModel::instance()->rowCount(), filas);

        // A rollback of what no list showed, or of nothing, reloads nothing.
        QVERIFY(dao->transaction());
        QVERIFY(alumno(QStringLiteral("Antia"), QStringLiteral("Lema")));
        QVERIFY(dao->rollback());
        QVERIFY(dao->transaction());
        QVERIFY(dao->rollback());
        QCOMPARE(alumnos.count(), 2);
    }

    void unrelatedWritesRefreshNothing()
    {
        QSignalSpy alumnos(AlumnoTableModel::instance(), &QAbstractItemModel::modelReset);
        QSignalSpy profesores(ProfesorTableModel::instance(), &QAbstractItemModel::modelReset);
        QCOMPARE(announcementsDuring([] { QVERIFY(aula(QStringLiteral("Aula nova"), 8)); }),
                 (QList<QSet<QString>>{{QStringLiteral("aula")}}));
        QCOMPARE(alumnos.count(), 0);
        QCOMPARE(profesores.count(), 0);
        // A read announces nothing.
        QVERIFY(announcementsDuring([] { count(QStringLiteral("SELECT count(*) FROM alumno")); }).isEmpty());
    }

    // Guards that join or set a savepoint inside the open transaction leave
    // the announcement to its end.
    void nestedGuardsWaitForTheOutermost()
    {
        const auto anuncios = announcementsDuring([this] {
            DaoTransaction outer;
            {
                DaoTransaction joined;
                QVERIFY(alumno(QStringLiteral("Sabela"), QStringLiteral("Mouriño")));
                QVERIFY(joined.commit());
            }
            {
                DaoTransaction savepoint(DaoTransaction::OwnOrSavepoint);
                QVERIFY(profesor(QStringLiteral("Uxia")));
                QVERIFY(savepoint.commit());
            }
            QVERIFY(dao->inTransaction());
            QVERIFY(outer.commit());
        });
        // One set naming both writes: neither inner guard announced its own.
        QCOMPARE(anuncios.size(), 1);
        QVERIFY(anuncios.first().contains(QStringLiteral("alumno")));
        QVERIFY(anuncios.first().contains(QStringLiteral("profesor")));
    }

    // Raw statements are announced under the table they write.
    void rawStatementsNameTheirTable()
    {
        QCOMPARE(announcementsDuring([this] {
                     QVERIFY(dao->execute(QStringLiteral("  update ALUMNO set observaciones = 'x'")));
                 }),
                 (QList<QSet<QString>>{{QStringLiteral("alumno")}}));
        QCOMPARE(announcementsDuring([this] {
                     QVERIFY(dao->execute(QStringLiteral("INSERT OR REPLACE INTO property(key, value) VALUES ('k', 'v')")));
                     QVERIFY(dao->execute(QStringLiteral("DELETE FROM \"telefonoalumno\" WHERE idalumno = ?"), {a.luis}));
                 }),
                 (QList<QSet<QString>>{{QStringLiteral("property")}, {QStringLiteral("telefonoalumno")}}));
        // A failed write announces nothing.
        MessageCapture capture;
        QVERIFY(announcementsDuring([this] {
                    QVERIFY(!dao->execute(QStringLiteral("UPDATE nosuchtable SET a = 1")));
                }).isEmpty());
    }

    // Versions change with every write at once, also for the tables the
    // database changes along (foreign-key actions), and a rollback takes
    // them back with the writes.
    void versionsFollowWritesAndRollbacks()
    {
        ChangeNotifier* notifier = ChangeNotifier::instance();
        const quint64 altas = notifier->version(QStringLiteral("alta"));
        const quint64 alumnos = notifier->version(QStringLiteral("alumno"));
        QVERIFY(dao->execute(QStringLiteral("UPDATE alumno SET observaciones = 'x' WHERE id = ?"), {a.luis}));
        QVERIFY(notifier->version(QStringLiteral("alumno")) != alumnos);
        QCOMPARE(notifier->version(QStringLiteral("alta")), altas);

        const quint64 profesores = notifier->version(QStringLiteral("profesor"));
        const quint64 sesiones = notifier->version(QStringLiteral("sesiondeclase"));
        QVERIFY(dao->transaction());
        QVERIFY(!notifier->wroteInTransaction());
        QVERIFY(dao->execute(QStringLiteral("DELETE FROM telefonoprofesor WHERE idprofesor = ?"), {a.profesora}));
        QCOMPARE(notifier->version(QStringLiteral("sesiondeclase")), sesiones);
        QVERIFY(dao->execute(QStringLiteral("DELETE FROM profesor WHERE id = ?"), {a.profesora}));
        QVERIFY(notifier->wroteInTransaction());
        QVERIFY(notifier->version(QStringLiteral("profesor")) != profesores);
        // its sessions are left without teacher by the database
        QVERIFY(notifier->version(QStringLiteral("sesiondeclase")) != sesiones);
        QVERIFY(dao->rollback());
        QVERIFY(!notifier->wroteInTransaction());
        QCOMPARE(notifier->version(QStringLiteral("profesor")), profesores);
        QCOMPARE(notifier->version(QStringLiteral("sesiondeclase")), sesiones);
    }

    // What is announced while the transaction is still open is announced
    // again when a rollback takes it back.
    void announcedInProgressThenRolledBack()
    {
        const auto anuncios = announcementsDuring([this] {
            QVERIFY(dao->transaction());
            QVERIFY(aula(QStringLiteral("Aula nova"), 8));
            ChangeNotifier::instance()->announce();
            QVERIFY(dao->execute(QStringLiteral("UPDATE alumno SET observaciones = 'x'")));
            QVERIFY(dao->rollback());
        });
        QCOMPARE(anuncios, (QList<QSet<QString>>{{QStringLiteral("aula")},
                                                  {QStringLiteral("aula"), QStringLiteral("alumno")}}));
    }

    // Runs that prepare a statement once and execute it many times are
    // announced like every other write, once per transaction.
    void preparedStatementsAreAnnouncedOnce()
    {
        QCOMPARE(announcementsDuring([this] {
                     QVERIFY(dao->transaction());
                     QSqlQuery statement(QSqlDatabase::database());
                     QVERIFY(dao->prepare(statement, QStringLiteral("UPDATE alumno SET observaciones = ? WHERE id = ?")));
                     for (int i = 0; i < 3; ++i) {
                         Dao::bind(statement, {QString::number(i), a.luis});
                         QVERIFY(dao->exec(statement));
                     }
                     QVERIFY(dao->commit());
                 }),
                 (QList<QSet<QString>>{{QStringLiteral("alumno")}}));
        // one announcement per write outside a transaction, not two
        QCOMPARE(announcementsDuring([this] {
                     QVERIFY(dao->update(QStringLiteral("alumno"), {QStringLiteral("observaciones")},
                                         QStringLiteral("id = ?"), {QStringLiteral("y"), a.luis}));
                 }).size(),
                 1);
    }
    // The rows the database takes away with a deleted student (sign-ups)
    // are announced with it: the shift list counts no sign-up that is gone.
    void knockOnChangesAreAnnounced()
    {
        QVERIFY(dao->execute(QStringLiteral("DELETE FROM telefonoalumno WHERE idalumno = ?"), {a.luis}));
        TurnoAsignaturaTableModel* turnos = TurnoAsignaturaTableModel::instance();
        const auto alumnosContados = [turnos] {
            int n = 0;
            for (int r = 0; r < turnos->rowCount(); ++r)
                n += turnos->index(r, int(TurnoAsignaturaTableModel::Column::NumAlumnos)).data().toInt();
            return n;
        };
        const int antes = alumnosContados();
        const auto anuncios = announcementsDuring(
            [this] { QVERIFY(dao->execute(QStringLiteral("DELETE FROM alumno WHERE id = ?"), {a.luis})); });
        QCOMPARE(anuncios.size(), 1);
        QVERIFY(anuncios.first().contains(QStringLiteral("alumno")));
        QVERIFY(anuncios.first().contains(QStringLiteral("alta")));
        const int seguido = alumnosContados();
        QVERIFY(seguido < antes);
        turnos->refresh();
        QCOMPARE(seguido, alumnosContados());
    }
};

PENSARIO_TEST_MAIN(TestChangeNotifier)
#include "tst_changenotifier.moc"
