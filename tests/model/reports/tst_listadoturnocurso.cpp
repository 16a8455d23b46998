#include "academyfixture.h"
#include "adatehelper.h"
#include "asignatura.h"
#include "curso.h"
#include "linealistado.h"
#include "listado.h"
#include "messagecapture.h"
#include "shownhtml.h"
#include "testmain.h"
#include "turnoasignatura.h"
#include "turnocurso.h"

#include <QLocale>

#include <memory>

using namespace academy;

// Course "Bach" with subjects Mates (order 1), Lengua (2) and Física (3), one
// shift each, all three in course shift "Mañana". Students: García, Ana (two
// phones, remark "Beca"), López, Bruno and Pérez, Carla.
class TestListadoTurnoCurso : public QObject
{
    Q_OBJECT

    int m_mates = 0, m_lengua = 0, m_fisica = 0;
    int m_ana = 0, m_bruno = 0, m_carla = 0;
    int m_turnoCurso = 0;

    static QStringList fila(const Listado& listado, int row)
    {
        QStringList textos;
        const LineaListado* linea = listado.lineas().at(row);
        for (int c = 0; c < linea->count(); ++c)
            textos << linea->valor(c).toString();
        return textos;
    }

private slots:
    void init()
    {
        QVERIFY(openFreshDatabase());
        QList<int*> turnos{&m_mates, &m_lengua, &m_fisica};
        const QStringList nombres{"Mates", "Lengua", "Física"};
        Curso curso;
        curso.setNombre("Bach");
        auto* tc = new TurnoCurso;
        tc->setNombre("Mañana");
        for (int i = 0; i < 3; ++i) {
            const int a = asignatura(nombres.at(i), 0, i + 1);
            *turnos.at(i) = turno(a, nombres.at(i) + " 1");
            curso.addAsignatura(Asignatura::getFromDB(a));
            tc->addTurnoAsignatura(TurnoAsignatura::getFromDB(*turnos.at(i)));
        }
        curso.addTurnoCurso(tc);
        QVERIFY(curso.persist());
        m_turnoCurso = count("SELECT id FROM turnocurso");

        m_ana = alumno("Ana", "García", {{"casa", "981000000"}, {"móvil", "600111222"}}, "Beca");
        m_bruno = alumno("Bruno", "López", {{"móvil", "600333444"}});
        m_carla = alumno("Carla", "Pérez");
        QVERIFY(m_ana && m_bruno && m_carla);
    }

    void currentStudents()
    {
        const QDate d = ADateHelper::firstDayOfMonth();
        QVERIFY(alta(m_ana, m_mates, d.addMonths(-2), QDate(), 30));
        QVERIFY(alta(m_ana, m_lengua, d.addMonths(-2), d.addDays(5), 12.5));
        QVERIFY(alta(m_ana, m_lengua, d.addDays(6), QDate(), 12345.67));
        QVERIFY(alta(m_bruno, m_mates, d.addYears(-1), QDate(), 45.5));
        QVERIFY(alta(m_bruno, m_fisica, d.addYears(-1), d.addDays(-1), 99)); // left last month
        QVERIFY(alta(m_carla, m_fisica, d.addMonths(-3), d, 50));             // left on the first day

        std::unique_ptr<TurnoCurso> tc(TurnoCurso::getFromDB(m_turnoCurso));
        std::unique_ptr<Listado> listado(tc->listado(true, 0, QDate(), QDate()));
        QCOMPARE(listado->titulo(), QStringLiteral("Bach - Mañana. "));
        QCOMPARE(listado->cabeceras(), QStringList({"Name", "TOTAL", "Phone", "Mates", "Lengua", "Física", "COMMENTS"}));
        QCOMPARE(listado->rowCount(), 2);
        // García, Ana: 30 + 12.5 + 12345.67, every cent kept.
        QCOMPARE(fila(*listado, 0), QStringList({"<nobr>García ,Ana</nobr>", "12388.17", "981000000<br/>600111222", "30",
                                                 "12.5<br/>12345.67", "", "Beca"}));
        QCOMPARE(fila(*listado, 1), QStringList({"<nobr>López ,Bruno</nobr>", "45.5", "600333444", "45.5", "", "", ""}));

        std::unique_ptr<Listado> marcas(tc->listado(false, 0, QDate(), QDate()));
        QCOMPARE(fila(*marcas, 0), QStringList({"<nobr>García ,Ana</nobr>", "", "981000000<br/>600111222", "X", "X", "",
                                                "Beca"}));

        MessageCapture capture;
        std::unique_ptr<Listado> desconocido(tc->listado(true, 7, QDate(2024, 3, 1), QDate(2024, 3, 31)));
        QVERIFY(!desconocido->isValid());
        QVERIFY(capture.contains(QtWarningMsg, "TurnoCurso: tipoListado no reconocido"));
    }

    // Surnames in the order a Spanish reader looks for them: accented letters
    // with their base letter, "ñ" after "n".
    void studentsInTheLanguagesOrder()
    {
        const QLocale antes;
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        const QDate d = ADateHelper::firstDayOfMonth();
        const int ivan = alumno("Iván", "Gutiérrez");
        const int eva = alumno("Eva", "Gómez");
        const int xose = alumno("Xosé", "Álvarez");
        const int noa = alumno("Noa", "Núñez");
        const int olga = alumno("Olga", "Ñande");
        for (int id : {m_carla, ivan, eva, m_ana, xose, olga, noa})
            QVERIFY(alta(id, m_mates, d.addMonths(-1), QDate(), 10));
        std::unique_ptr<TurnoCurso> tc(TurnoCurso::getFromDB(m_turnoCurso));
        std::unique_ptr<Listado> listado(tc->listado(false, 0, QDate(), QDate()));
        QLocale::setDefault(antes);
        QStringList nombres;
        for (int row = 0; row < listado->rowCount(); ++row)
            nombres << fila(*listado, row).at(0);
        QCOMPARE(nombres, QStringList({"<nobr>Álvarez ,Xosé</nobr>", "<nobr>García ,Ana</nobr>",
                                       "<nobr>Gómez ,Eva</nobr>", "<nobr>Gutiérrez ,Iván</nobr>",
                                       "<nobr>Núñez ,Noa</nobr>", "<nobr>Ñande ,Olga</nobr>",
                                       "<nobr>Pérez ,Carla</nobr>"}));
    }

    // Course, shift, subject and student names, phones and comments typed
    // with markup show as typed; the listing's own markup stays markup.
    void typedMarkupShowsAsTyped()
    {
        QVERIFY(exec(QStringLiteral("UPDATE curso SET nombre = ?"), {typedMarkup(QStringLiteral("C"))}));
        QVERIFY(exec(QStringLiteral("UPDATE turnocurso SET nombre = ?"), {typedMarkup(QStringLiteral("T"))}));
        QVERIFY(exec(QStringLiteral("UPDATE asignatura SET nombre = ? WHERE nombre = 'Mates'"),
                     {typedMarkup(QStringLiteral("S"))}));
        const int raro = alumno(typedMarkup(QStringLiteral("N")), QStringLiteral("A&B"),
                                {{"casa", "<i>981</i>"}, {"móvil", "600"}}, typedMarkup(QStringLiteral("O")));
        QVERIFY(alta(raro, m_mates, ADateHelper::firstDayOfMonth().addMonths(-1), QDate(), 10));
        std::unique_ptr<TurnoCurso> tc(TurnoCurso::getFromDB(m_turnoCurso));
        std::unique_ptr<Listado> listado(tc->listado(true, 0, QDate(), QDate()));
        const ShownHtml shown = shownHtml(listado->toHtml(true));
        for (const QString& typed : {typedMarkup(QStringLiteral("C")) + QStringLiteral(" - ") + typedMarkup(QStringLiteral("T")),
                                     typedMarkup(QStringLiteral("S")), QStringLiteral("A&B ,") + typedMarkup(QStringLiteral("N")),
                                     QStringLiteral("<i>981</i>"), typedMarkup(QStringLiteral("O"))})
            QVERIFY2(shown.text.contains(typed), qPrintable(typed + QStringLiteral(" not in:\n") + shown.text));
        QVERIFY2(shown.images.isEmpty(), qPrintable(shown.images.join(QLatin1Char(','))));
        QCOMPARE(listado->lineas().at(0)->valor(6).toString(), typedMarkup(QStringLiteral("O")));
    }

    void registrationsAndWithdrawals()
    {
        std::unique_ptr<TurnoCurso> tc(TurnoCurso::getFromDB(m_turnoCurso));
        QVERIFY(!std::unique_ptr<Listado>(tc->listadoAltas(QDate(2024, 3, 1), QDate(2024, 3, 31)))->isValid());
        QVERIFY(alta(m_ana, m_mates, QDate(2024, 3, 1), QDate(), 70));
        QVERIFY(alta(m_bruno, m_lengua, QDate(2024, 3, 31), QDate(2024, 6, 30), 45.5));
        QVERIFY(alta(m_carla, m_fisica, QDate(2024, 4, 1), QDate(), 20));        // after the range
        QVERIFY(alta(m_ana, m_fisica, QDate(2024, 1, 10), QDate(2024, 6, 1), 20));
        QVERIFY(alta(m_carla, m_mates, QDate(2024, 1, 1), QDate(2024, 7, 1), 30)); // withdrawn after June

        std::unique_ptr<Listado> altas(tc->listadoAltas(QDate(2024, 3, 1), QDate(2024, 3, 31)));
        QVERIFY(altas->titulo().startsWith(QStringLiteral("Bach - Mañana. Registrations from ")));
        QCOMPARE(altas->rowCount(), 2);
        QCOMPARE(fila(*altas, 0), QStringList({"<nobr>García ,Ana</nobr>", "70", "981000000<br/>600111222",
                                               "70 A-01.03.24", "", "", "Beca"}));
        QCOMPARE(fila(*altas, 1), QStringList({"<nobr>López ,Bruno</nobr>", "45.5", "600333444", "",
                                               "45.5 A-31.03.24 B-30.06.24", "", ""}));

        std::unique_ptr<Listado> bajas(tc->listadoBajas(QDate(2024, 6, 1), QDate(2024, 6, 30)));
        QVERIFY(bajas->titulo().startsWith(QStringLiteral("Bach - Mañana. Withdraw from ")));
        QCOMPARE(bajas->rowCount(), 2);
        QCOMPARE(fila(*bajas, 0), QStringList({"<nobr>García ,Ana</nobr>", "20", "981000000<br/>600111222", "", "",
                                               "20 A-10.01.24 B-01.06.24", "Beca"}));
        QCOMPARE(fila(*bajas, 1).at(4), QStringLiteral("45.5 A-31.03.24 B-30.06.24"));
    }
};

PENSARIO_TEST_MAIN(TestListadoTurnoCurso)
#include "tst_listadoturnocurso.moc"
