#include "adatehelper.h"
#include "asignatura.h"
#include "curso.h"
#include "dao.h"
#include "linealistado.h"
#include "listado.h"
#include "messagecapture.h"
#include "testmain.h"
#include "turnoasignatura.h"
#include "turnocurso.h"
#include "turnostesthelpers.h"

#include <memory>

using namespace turnostest;

// Course "Bach" with subjects Mates (order 1), Lengua (2) and Física (3), one
// shift each, all three in course shift "Mañana". Students: García, Ana (two
// phones, remark "Beca"), López, Bruno and Pérez, Carla.
class TestListadoTurnoCurso : public QObject
{
    Q_OBJECT

    int m_mates = 0, m_lengua = 0, m_fisica = 0;
    int m_ana = 0, m_bruno = 0, m_carla = 0;
    int m_turnoCurso = 0;

    QString cell(Listado* listado, int row, int column)
    {
        return listado->lineas().at(row)->valor(column).toString();
    }

private slots:
    void init()
    {
        QVERIFY(openFreshDb());
        QList<int*> turnos{&m_mates, &m_lengua, &m_fisica};
        const QStringList nombres{"Mates", "Lengua", "Física"};
        Curso curso;
        curso.setNombre("Bach");
        auto* tc = new TurnoCurso;
        tc->setNombre("Mañana");
        for (int i = 0; i < 3; ++i) {
            const int a = insertId("asignatura", {"nombre", "edad"}, {nombres.at(i), i + 1});
            *turnos.at(i) = insertId("turnoasignatura", {"nombre", "idasignatura"}, {nombres.at(i) + " 1", a});
            curso.addAsignatura(Asignatura::getFromDB(a));
            tc->addTurnoAsignatura(TurnoAsignatura::getFromDB(*turnos.at(i)));
        }
        curso.addTurnoCurso(tc);
        QVERIFY(curso.persist());
        m_turnoCurso = count("SELECT id FROM turnocurso");

        m_ana = alumno("Ana", "García", "Beca");
        telefono(m_ana, "casa", "981000000");
        telefono(m_ana, "móvil", "600111222");
        m_bruno = alumno("Bruno", "López");
        telefono(m_bruno, "móvil", "600333444");
        m_carla = alumno("Carla", "Pérez");
    }

    void currentStudents()
    {
        const QDate d = ADateHelper::firstDayOfMonth();
        alta(m_ana, m_mates, d.addMonths(-2), QDate(), 30);
        alta(m_ana, m_lengua, d.addMonths(-2), d.addDays(5), 12.5);
        alta(m_ana, m_lengua, d.addDays(6), QDate(), 12345.67);
        alta(m_bruno, m_mates, d.addYears(-1), QDate(), 45.5);
        alta(m_bruno, m_fisica, d.addYears(-1), d.addDays(-1), 99);  // left last month
        alta(m_carla, m_fisica, d.addMonths(-3), d, 50);              // left on the first day

        std::unique_ptr<TurnoCurso> tc(TurnoCurso::getFromDB(m_turnoCurso));
        std::unique_ptr<Listado> listado(tc->listado(true, 0, QDate(), QDate()));
        QVERIFY(listado->isValid());
        QCOMPARE(listado->titulo(), QStringLiteral("Bach - Mañana. "));
        QCOMPARE(listado->cabeceras(), QStringList({"Name", "TOTAL", "Phone", "Mates", "Lengua", "Física", "COMMENTS"}));
        QCOMPARE(listado->htmlCabeceras(),
                 QStringList({"", "width=\"0\"", "width=\"0\"", "width=\"0\"", "width=\"0\"", "width=\"0\"", ""}));
        QCOMPARE(listado->lineas().size(), 2);

        // García, Ana: 30 + 12.5 + 12345.67, every cent kept.
        QCOMPARE(cell(listado.get(), 0, 0), QStringLiteral("<nbr>García ,Ana</nbr>"));
        QCOMPARE(cell(listado.get(), 0, 1), QStringLiteral("12388.17"));
        QCOMPARE(cell(listado.get(), 0, 2), QStringLiteral("981000000<br/>600111222"));
        QCOMPARE(cell(listado.get(), 0, 3), QStringLiteral("30"));
        QCOMPARE(cell(listado.get(), 0, 4), QStringLiteral("12.5<br/>12345.67"));
        QCOMPARE(cell(listado.get(), 0, 5), QString());
        QCOMPARE(cell(listado.get(), 0, 6), QStringLiteral("Beca"));
        // López, Bruno: only Mates counts this month.
        QCOMPARE(cell(listado.get(), 1, 0), QStringLiteral("<nbr>López ,Bruno</nbr>"));
        QCOMPARE(cell(listado.get(), 1, 1), QStringLiteral("45.5"));
        QCOMPARE(cell(listado.get(), 1, 3), QStringLiteral("45.5"));
        QCOMPARE(cell(listado.get(), 1, 5), QString());

        std::unique_ptr<Listado> marcas(tc->listado(false, 0, QDate(), QDate()));
        QCOMPARE(marcas->lineas().size(), 2);
        QCOMPARE(cell(marcas.get(), 0, 1), QString());
        QCOMPARE(cell(marcas.get(), 0, 3), QStringLiteral("X"));
        QCOMPARE(cell(marcas.get(), 0, 4), QStringLiteral("X"));
        QCOMPARE(cell(marcas.get(), 0, 5), QString());
        QVERIFY(marcas->toHtml(false).contains(QStringLiteral("<nbr>López ,Bruno</nbr>")));
    }

    void registrationsAndWithdrawals()
    {
        alta(m_ana, m_mates, QDate(2024, 3, 1), QDate(), 70);
        alta(m_bruno, m_lengua, QDate(2024, 3, 31), QDate(2024, 6, 30), 45.5);
        alta(m_carla, m_fisica, QDate(2024, 4, 1), QDate(), 20);       // after the range
        alta(m_ana, m_fisica, QDate(2024, 1, 10), QDate(2024, 6, 1), 20);
        alta(m_carla, m_mates, QDate(2024, 1, 1), QDate(2024, 7, 1), 30); // withdrawn after June

        std::unique_ptr<TurnoCurso> tc(TurnoCurso::getFromDB(m_turnoCurso));
        std::unique_ptr<Listado> altas(tc->listadoAltas(QDate(2024, 3, 1), QDate(2024, 3, 31)));
        QVERIFY(altas->titulo().startsWith(QStringLiteral("Bach - Mañana. Registrations from ")));
        QCOMPARE(altas->lineas().size(), 2);
        QCOMPARE(cell(altas.get(), 0, 1), QStringLiteral("70"));
        QCOMPARE(cell(altas.get(), 0, 3), QStringLiteral("70 A-01.03.24"));
        QCOMPARE(cell(altas.get(), 0, 5), QString());
        QCOMPARE(cell(altas.get(), 1, 1), QStringLiteral("45.5"));
        QCOMPARE(cell(altas.get(), 1, 4), QStringLiteral("45.5 A-31.03.24 B-30.06.24"));

        std::unique_ptr<Listado> bajas(tc->listadoBajas(QDate(2024, 6, 1), QDate(2024, 6, 30)));
        QVERIFY(bajas->titulo().startsWith(QStringLiteral("Bach - Mañana. Withdraw from ")));
        QCOMPARE(bajas->lineas().size(), 2);
        QCOMPARE(cell(bajas.get(), 0, 0), QStringLiteral("<nbr>García ,Ana</nbr>"));
        QCOMPARE(cell(bajas.get(), 0, 1), QStringLiteral("20"));
        QCOMPARE(cell(bajas.get(), 0, 3), QString());
        QCOMPARE(cell(bajas.get(), 0, 5), QStringLiteral("20 A-10.01.24 B-01.06.24"));
        QCOMPARE(cell(bajas.get(), 1, 0), QStringLiteral("<nbr>López ,Bruno</nbr>"));
        QCOMPARE(cell(bajas.get(), 1, 4), QStringLiteral("45.5 A-31.03.24 B-30.06.24"));
    }

    void emptyListings()
    {
        std::unique_ptr<TurnoCurso> tc(TurnoCurso::getFromDB(m_turnoCurso));
        std::unique_ptr<Listado> nada(tc->listadoAltas(QDate(2024, 3, 1), QDate(2024, 3, 31)));
        QVERIFY(!nada->isValid());
        QVERIFY(nada->titulo().isEmpty());

        alta(m_ana, m_mates, QDate(2024, 3, 1), QDate(), 70);
        MessageCapture capture;
        std::unique_ptr<Listado> desconocido(tc->listado(true, 7, QDate(2024, 3, 1), QDate(2024, 3, 31)));
        QVERIFY(!desconocido->isValid());
        QVERIFY(capture.contains(QtWarningMsg, "TurnoCurso: tipoListado no reconocido"));

        TurnoCurso vacio;
        vacio.setNombre("Vacío");
        std::unique_ptr<Listado> sinMiembros(vacio.listado(true, 0, QDate(), QDate()));
        QVERIFY(!sinMiembros->isValid());
    }

    void amountsKeepTheirCents()
    {
        QCOMPARE(TurnoCurso::importeListado(70), QStringLiteral("70"));
        QCOMPARE(TurnoCurso::importeListado(45.5), QStringLiteral("45.5"));
        QCOMPARE(TurnoCurso::importeListado(12345.67), QStringLiteral("12345.67"));
        QCOMPARE(TurnoCurso::importeListado(1234567.8), QStringLiteral("1234567.8"));
        QCOMPARE(TurnoCurso::importeListado(0.1 + 0.2), QStringLiteral("0.3"));
        QCOMPARE(TurnoCurso::importeListado(0), QStringLiteral("0"));
    }
};

PENSARIO_TEST_MAIN(TestListadoTurnoCurso)
#include "tst_listadoturnocurso.moc"
