#include "dao.h"
#include "daotesthelpers.h"
#include "messagecapture.h"
#include "testmain.h"

#include <QFile>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

class TestMigration : public QObject
{
    Q_OBJECT
private:
    Dao* dao = nullptr;

    static int level(const QString& name)
    {
        DaoRawDb raw(daoDbPath(name));
        const QVariant v = raw.value(u"SELECT value FROM property WHERE key = 'next_db_version'"_s);
        return v.isValid() ? v.toInt() : raw.value(u"SELECT value FROM property WHERE key = 'version'"_s).toInt();
    }

    // A file as an old program left it at level 3, with rows in every table.
    void makeLevel3File(const QString& name)
    {
        DaoRawDb raw(daoDbPath(name));
        for (int i = 0; i <= 2; ++i) {
            QFile file(u":/scripts/%1.sql"_s.arg(i));
            QVERIFY(file.open(QIODevice::ReadOnly));
            for (const QString& piece : QString::fromUtf8(file.readAll()).split(QLatin1Char(';')))
                QVERIFY2(piece.trimmed().isEmpty() || raw.exec(piece), qPrintable(piece));
        }
        QCOMPARE(raw.value(u"SELECT group_concat(key || value) FROM property"_s).toString(), u"version3"_s);
        const QStringList rows = {
            "INSERT INTO alumno (id, nombre, apellidos, ccc, dni, direccion) VALUES (1, 'Ana', 'Pérez', '2100-0000-00-0000000000', "
            "'12345678Z', 'Rúa 1'), (2, 'Luis', 'Gómez', NULL, '87654321X', 'Rúa 2')",
            "INSERT INTO telefonoalumno VALUES ('casa', '981000000', 1)",
            "INSERT INTO asignatura VALUES (1, 'Matemáticas', 2000, 'álgebra')",
            "INSERT INTO curso VALUES (1, 'Primero', 5000, NULL)",
            "INSERT INTO curso_asignatura VALUES (1, 1)",
            "INSERT INTO turnocurso VALUES (1, 'Mañana', 5000, 1)",
            "INSERT INTO turnoasignatura VALUES (1, 'Matemáticas 1ºA', 2000, 500, 1)",
            "INSERT INTO turnocurso_turnoasignatura VALUES (1, 1)",
            "INSERT INTO alta VALUES (1, '2012-09-01', NULL, 3000, 'true', 'obs', NULL, 'Matemáticas 1ºA', 1, 1), "
            "(2, '2012-09-01', '2012-12-31', 2500, 'false', NULL, NULL, 'Matemáticas 1ºA', 2, 1), "
            "(3, '2012-09-01', NULL, 2500, 'false', NULL, NULL, 'Matemáticas 1ºA', 99, 1)",
            "INSERT INTO profesor (id, nombre, apellidos, falta) VALUES (1, 'Eva', 'Ríos', '2010-01-01')",
            "INSERT INTO telefonoprofesor VALUES ('móvil', '600000001', 1), ('móvil', '600000002', 1)",
            "INSERT INTO profesor_asignatura VALUES (1, 1)",
            "INSERT INTO recibo VALUES (1, '2012-10-01', 3000, 0, 0, 'Octubre', 'Ana Pérez', 'false', 'true', 1)",
            "INSERT INTO aula VALUES (1, 'A1', 'Planta 1', 12, NULL)",
            "INSERT INTO sesiondeclase VALUES (1, 600, 660, 1, 1, 1, 1)",
        };
        for (const QString& row : rows)
            QVERIFY2(raw.exec(row), qPrintable(row));
    }

    // A file at the current level with a session in a classroom, closed.
    void seedSession(const QString& name)
    {
        QVERIFY(dao->open(name, false));
        for (const char* sql : {"INSERT INTO aula (id, nombre) VALUES (1, 'A')", "INSERT INTO asignatura (id, nombre) VALUES (1, 'S')",
                                "INSERT INTO turnoasignatura (id, nombre, idasignatura) VALUES (1, 'T', 1)",
                                "INSERT INTO sesiondeclase VALUES (1, 600, 660, 1, 1, NULL, 1)"})
            QVERIFY(dao->execute(QString::fromUtf8(sql)));
        dao->close();
    }

private slots:
    void init()
    {
        TestEnv::resetCase();
        dao = Dao::getInstance();
        daoSetDebug(false);
        Dao::setScriptFolder(u":/scripts/"_s);
    }
    void cleanup()
    {
        dao->close();
        Dao::setScriptFolder(u":/scripts/"_s);
        daoSetDebug(false);
    }

    void freshTemplateGoesFrom14To16Once()
    {
        QTemporaryDir dir;
        QVERIFY(QFile::copy(u":/DB/database.db"_s, dir.filePath(u"t.db"_s)));
        QCOMPARE(DaoRawDb(dir.filePath(u"t.db"_s)).value(u"SELECT value FROM property WHERE key = 'next_db_version'"_s).toString(), u"14"_s);

        daoSetDebug(true);
        MessageCapture capture;
        QVERIFY(dao->open(u"fresh"_s, false));
        QCOMPARE(dao->getDBVersion(), 16);
        QVERIFY(capture.contains(QtDebugMsg, u"Base de datos actualizada a= 15"_s));
        QCOMPARE(daoValue(u"SELECT value FROM property WHERE key = 'siguienterecibo'"_s).toString(), u"0"_s);
        capture.clear();
        QVERIFY(dao->open(u"fresh"_s, false));
        QVERIFY(capture.contains(QtDebugMsg, u"La base de datos está actualizada, version 16"_s));
        QVERIFY(!capture.contains(QtDebugMsg, u"Base de datos actualizada a="_s));
    }

    void level3FileMigratesWithItsRows()
    {
        makeLevel3File(u"old"_s);
        QVERIFY(dao->open(u"old"_s, false));
        QCOMPARE(dao->getDBVersion(), 16);
        dao->close();

        DaoRawDb raw(daoDbPath(u"old"_s));
        const QList<QPair<QString, QString>> expected = {
            {"SELECT count(*) FROM property WHERE key = 'version'", "0"},
            {"SELECT value FROM property WHERE key = 'siguienterecibo'", "0"},
            {"SELECT group_concat(apellidos) FROM alumno", "Pérez,Gómez"},
            {"SELECT count(*) FROM telefonoalumno", "1"},
            // the enrolment without a student went, the others kept everything
            {"SELECT group_concat(id || nombrealumno || preciobase || nombreasignatura || ifnull(fbaja, '-')) FROM alta",
             "1Pérez, Ana3000Matemáticas-,2Gómez, Luis2500Matemáticas2012-12-31"},
            {"SELECT pagaderoen || ' ' || serie || '/' || nrecibo FROM recibo WHERE id = 1", "2100-0000-00-0000000000 2012/0"},
            {"SELECT count(*) FROM sesiondeclase JOIN profesor_asignatura JOIN curso_asignatura JOIN turnocurso_turnoasignatura", "1"},
            // two numbers under one label of one teacher: both kept under distinct labels
            {"SELECT group_concat(nombre, '|') FROM (SELECT nombre FROM telefonoprofesor ORDER BY telefono)", "móvil|móvil 600000002"},
            {"PRAGMA integrity_check", "ok"},
        };
        for (const auto& [sql, value] : expected)
            QVERIFY2(raw.value(sql).toString() == value, qPrintable(sql + " -> " + raw.value(sql).toString()));
        QVERIFY(!raw.value(u"PRAGMA foreign_key_check"_s).isValid());
        // a label is unique per teacher only
        QVERIFY(raw.exec(u"INSERT INTO profesor (id, nombre, falta) VALUES (2, 'P', '2024-01-01')"_s));
        QVERIFY(raw.exec(u"INSERT INTO telefonoprofesor VALUES ('móvil', '600000001', 2)"_s));
        QVERIFY(!raw.exec(u"INSERT INTO telefonoprofesor VALUES ('móvil', '600000003', 2)"_s));
    }

    void queriesUseTheIndexes()
    {
        QVERIFY(dao->open(u"plans"_s, false));
        const QString overlapIndex = u"idx_sesiondeclase_idturnoasignatura_diasemana (idturnoasignatura=? AND diasemana=?"_s;
        const QList<QPair<QString, QString>> plans = {
            {"SELECT * FROM alta WHERE idalumno = 1", "idx_alta_idalumno"},
            {"SELECT * FROM sesiondeclase WHERE idaula = 1", "idx_sesiondeclase_idaula"},
            {"SELECT * FROM recibo WHERE idalumno = 1", "idx_recibo_idalumno"},
            {"SELECT * FROM recibo WHERE fecha >= '2024-01-01' AND fecha <= '2024-01-31'", "idx_recibo_fecha"},
            {"SELECT * FROM telefonoprofesor WHERE idprofesor = 1", "idx_telefonoprofesor_idprofesor"},
            // sessions of a shift that overlap on a weekday, as the consistency check pairs them
            {"SELECT a.id FROM sesiondeclase a JOIN sesiondeclase b ON b.idturnoasignatura = a.idturnoasignatura "
             "AND b.diasemana = a.diasemana WHERE a.id <> b.id AND a.minutoinicio < b.minutofin "
             "AND a.minutofin > b.minutoinicio", overlapIndex},
            {"SELECT s1.id FROM alta a1 JOIN alta a2 ON a2.idalumno = a1.idalumno AND a2.id <> a1.id "
             "JOIN sesiondeclase s1 ON s1.idturnoasignatura = a1.idturnoasignatura "
             "JOIN sesiondeclase s2 ON s2.idturnoasignatura = a2.idturnoasignatura AND s2.diasemana = s1.diasemana "
             "WHERE s1.id <> s2.id AND s1.minutoinicio < s2.minutofin AND s1.minutofin > s2.minutoinicio", overlapIndex},
        };
        for (const auto& [sql, index] : plans) {
            QSqlQuery q = dao->query(u"EXPLAIN QUERY PLAN "_s + sql);
            QString detail;
            while (q.next())
                detail += q.value(3).toString();
            QVERIFY2(detail.contains(index), qPrintable(sql + " -> " + detail));
            QVERIFY2(!detail.contains(u"AUTOMATIC"_s), qPrintable(sql + " -> " + detail));
        }
    }

    void failingScriptKeepsTheLevelBeforeItAndTheNextOpenResumes()
    {
        QTemporaryDir scripts;
        for (int i = 0; QFile::exists(u":/scripts/%1.sql"_s.arg(i)); ++i) {
            const QString target = scripts.filePath(u"%1.sql"_s.arg(i));
            QVERIFY(QFile::copy(u":/scripts/%1.sql"_s.arg(i), target));
            QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
        // 12.sql fails halfway, after starting to rebuild alta
        QFile twelve(scripts.filePath(u"12.sql"_s));
        QVERIFY(twelve.open(QIODevice::WriteOnly | QIODevice::Truncate));
        twelve.write("CREATE TABLE alta2 (id INTEGER);\nINSERT INTO nosuchtable VALUES (1);\n"
                     "UPDATE property SET value = '13' WHERE key = 'next_db_version';\n");
        twelve.close();
        Dao::setScriptFolder(scripts.path());
        makeLevel3File(u"resume"_s);

        MessageCapture capture;
        QVERIFY(!dao->open(u"resume"_s, false));
        QVERIFY(!dao->isOpen());
        QVERIFY(capture.contains(QtWarningMsg, u"Something was wrong updating database"_s));
        QCOMPARE(level(u"resume"_s), 12);
        QCOMPARE(DaoRawDb(daoDbPath(u"resume"_s)).value(u"SELECT count(*) FROM sqlite_master WHERE name = 'alta2'"_s).toInt(), 0);
        Dao::setScriptFolder(u":/scripts/"_s);
        QVERIFY(dao->open(u"resume"_s, false));
        QCOMPARE(dao->getDBVersion(), 16);
        QCOMPARE(daoValue(u"SELECT count(*) FROM alta"_s).toInt(), 2);
    }

    void scriptBreakingReferencesIsRolledBack()
    {
        QTemporaryDir scripts;
        QFile script(scripts.filePath(u"16.sql"_s));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("PRAGMA foreign_keys = OFF;\nDELETE FROM aula;\nUPDATE property SET value = '17' WHERE key = 'next_db_version';\n"
                     "PRAGMA foreign_keys = ON;\n");
        script.close();
        seedSession(u"broken"_s);
        Dao::setScriptFolder(scripts.path());
        MessageCapture capture;
        QVERIFY(!dao->open(u"broken"_s, false));
        QVERIFY(capture.contains(QtWarningMsg, u"broken references"_s));
        QCOMPARE(level(u"broken"_s), 16);
        QCOMPARE(DaoRawDb(daoDbPath(u"broken"_s)).value(u"SELECT count(*) FROM aula"_s).toInt(), 1);
    }

    void pragmaPiecesRunOutsideTheTransaction()
    {
        // SQLite ignores foreign_keys inside a transaction: this rebuild of a
        // parent table would cascade into its children if the pragma were lost
        QTemporaryDir scripts;
        QFile script(scripts.filePath(u"16.sql"_s));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("PRAGMA foreign_keys = OFF;\n"
                     "CREATE TABLE aula2 (id INTEGER primary key autoincrement, nombre TEXT NOT NULL, localizacion TEXT, aforo INTEGER, comentarios TEXT);\n"
                     "INSERT INTO aula2 SELECT * FROM aula;\n  ;\nDROP TABLE aula;\nALTER TABLE aula2 RENAME TO aula;\n"
                     "UPDATE property SET value = '17' WHERE key = 'next_db_version';\nPRAGMA foreign_keys = ON;\n\n");
        script.close();
        seedSession(u"pragma"_s);

        Dao::setScriptFolder(scripts.path());
        QVERIFY(dao->open(u"pragma"_s, false));
        QCOMPARE(dao->getDBVersion(), 17);
        QCOMPARE(daoValue(u"SELECT count(*) FROM sesiondeclase"_s).toInt(), 1);
        QCOMPARE(daoValue(u"PRAGMA foreign_keys"_s).toInt(), 1);
    }
};

PENSARIO_TEST_MAIN(TestMigration)
#include "tst_migration.moc"
