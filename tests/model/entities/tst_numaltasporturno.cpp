#include "academyfixture.h"
#include "testmain.h"
#include "turnoasignatura.h"

#include <QDateTime>

#include <ctime>
#include <memory>

using namespace academy;

// The counts of all shifts in one query must be what each shift answers alone.
class TestNumAltasPorTurno : public QObject
{
    Q_OBJECT

private:
    Academy a;

    static int alone(int idTurno, const QDate& date)
    {
        const std::unique_ptr<TurnoAsignatura> turno(TurnoAsignatura::getFromDB(idTurno));
        return turno->getNumAltas(date);
    }

private slots:
    void init() { QVERIFY(a.rebuild()); }

    void countsOfEveryShiftEqualTheirOwnAnswers()
    {
        const QDate today = QDate::currentDate();
        const int vacio = turno(a.matematicas, QStringLiteral("Vacio"));
        // leaves today, left yesterday, leaves tomorrow, starts tomorrow, starts today
        alta(alumno(QStringLiteral("B"), QStringLiteral("B")), a.turnoTarde, QDate(2024, 1, 10), today);
        alta(alumno(QStringLiteral("C"), QStringLiteral("C")), a.turnoTarde, QDate(2024, 1, 10), today.addDays(-1));
        alta(alumno(QStringLiteral("D"), QStringLiteral("D")), a.turnoTarde, QDate(2024, 1, 10), today.addDays(1));
        alta(alumno(QStringLiteral("E"), QStringLiteral("E")), a.turnoManana, today.addDays(1));
        alta(alumno(QStringLiteral("F"), QStringLiteral("F")), a.turnoManana, today);
        alta(a.eva, a.turnoManana, QDate(2024, 6, 30), QDate(2024, 9, 15));

        const QList<int> turnos{a.turnoManana, a.turnoTarde, vacio};
        for (const QDate& date : {QDate(), today, today.addDays(1), QDate(2024, 6, 30), QDate(2024, 9, 15),
                                  QDate(2023, 9, 14)}) {
            const QHash<int, int> counts = TurnoAsignatura::numAltasPorTurno(turnos, date);
            for (int id : turnos)
                QVERIFY2(counts.value(id) == alone(id, date), qPrintable(date.toString(Qt::ISODate)));
            QVERIFY(!counts.contains(vacio));
        }
        // not all zero: the comparison above means something
        QCOMPARE(TurnoAsignatura::numAltasPorTurno(turnos).value(a.turnoManana), 2);
        QCOMPARE(TurnoAsignatura::numAltasPorTurno(turnos).value(a.turnoTarde), 1);
        QCOMPARE(TurnoAsignatura::numAltasPorTurno(turnos, QDate(2024, 6, 30)).value(a.turnoManana), 1);
        // only the shifts asked about
        QCOMPARE(TurnoAsignatura::numAltasPorTurno({a.turnoTarde}).keys(), QList<int>{a.turnoTarde});
        QVERIFY(TurnoAsignatura::numAltasPorTurno({}).isEmpty());
    }

    // Near midnight the local date is not UTC's: the count follows the local
    // date. The zone is picked so that the two dates differ right now.
    void todayIsTheLocalDate()
    {
        const QByteArray oldZone = qgetenv("TZ");
        const bool hadZone = qEnvironmentVariableIsSet("TZ");
        const int utcHour = QDateTime::currentDateTimeUtc().time().hour();
        qputenv("TZ", utcHour >= 10 ? "XYZ-14" : "XYZ+12");
        tzset();
        const QDate today = QDate::currentDate();
        const bool differs = today != QDateTime::currentDateTimeUtc().date();

        const int empiezaHoy = turno(a.matematicas, QStringLiteral("Hoy"));
        const int bajaHoy = turno(a.matematicas, QStringLiteral("Baja hoy"));
        const int empiezaManana = turno(a.matematicas, QStringLiteral("Mañana"));
        const int bajaManana = turno(a.matematicas, QStringLiteral("Baja mañana"));
        alta(alumno(QStringLiteral("B"), QStringLiteral("B")), empiezaHoy, today);
        alta(alumno(QStringLiteral("C"), QStringLiteral("C")), bajaHoy, QDate(2024, 1, 10), today);
        alta(alumno(QStringLiteral("D"), QStringLiteral("D")), empiezaManana, today.addDays(1));
        alta(alumno(QStringLiteral("E"), QStringLiteral("E")), bajaManana, QDate(2024, 1, 10), today.addDays(1));
        const QHash<int, int> counts =
            TurnoAsignatura::numAltasPorTurno({empiezaHoy, bajaHoy, empiezaManana, bajaManana});

        if (hadZone)
            qputenv("TZ", oldZone);
        else
            qunsetenv("TZ");
        tzset();
        QVERIFY(differs);
        QCOMPARE(counts.value(empiezaHoy), 1);
        QCOMPARE(counts.value(bajaHoy), 0);
        QCOMPARE(counts.value(empiezaManana), 0);
        QCOMPARE(counts.value(bajaManana), 1);
    }

    void signUpWithoutStudentIsNotCounted()
    {
        QVERIFY(Dao::getInstance()->execute(QStringLiteral("UPDATE alta SET idalumno = NULL WHERE id = ?"),
                                            {a.altaLuis}));
        QCOMPARE(alone(a.turnoManana, QDate()), 0);
        QVERIFY(!TurnoAsignatura::numAltasPorTurno({a.turnoManana}).contains(a.turnoManana));
    }
};

PENSARIO_TEST_MAIN(TestNumAltasPorTurno)
#include "tst_numaltasporturno.moc"
