#include "academyfixture.h"
#include "informeprofesor.h"
#include "linealistado.h"
#include "listado.h"
#include "profesor.h"
#include "testmain.h"

#include <memory>

using namespace academy;

namespace {
QStringList fila(const Listado& l, int i)
{
    QStringList textos;
    const LineaListado* linea = l.lineas().at(i);
    for (int c = 0; c < linea->count(); ++c)
        textos << LineaListado::textoCelda(linea->valor(c), linea->atributo(c));
    return textos;
}

void nombreAlumno(int idAlta, const QString& nombre)
{
    exec(QStringLiteral("UPDATE alta SET nombrealumno = ? WHERE id = ?"), {nombre, idAlta});
}
}

class TestInformeProfesor : public QObject
{
    Q_OBJECT

private:
    int m_aula = 0;
    int m_ana = 0;
    int m_mates = 0;
    int m_fisica = 0;

private slots:
    void init()
    {
        QVERIFY(openFreshDatabase());
        m_aula = aula(QStringLiteral("Aula"), 30);
        m_mates = turno(asignatura(QStringLiteral("Matematicas")), QStringLiteral("Manana"));
        m_fisica = turno(asignatura(QStringLiteral("Fisica")), QStringLiteral("Tarde"));
        m_ana = profesor(QStringLiteral("Ana"), QStringLiteral("Souto Pena"));
        QVERIFY(m_aula && m_mates && m_fisica && m_ana);
    }

    void studentsOfTheTeachersShiftsInThePeriod()
    {
        QVERIFY(sesion(m_mates, m_aula, m_ana, 1, 9));
        QVERIFY(sesion(m_fisica, m_aula, m_ana, 2, 9));
        const int luis = alumno(QStringLiteral("Luis"), QStringLiteral("A"));
        const int eva = alumno(QStringLiteral("Eva"), QStringLiteral("B"));
        const int xan = alumno(QStringLiteral("Xan"), QStringLiteral("C"));
        const int iria = alumno(QStringLiteral("Iria"), QStringLiteral("D"));
        // Period 1 May to 1 June.
        nombreAlumno(alta(luis, m_mates, QDate(2024, 1, 1), QDate(2024, 5, 1), 40.0), QStringLiteral("Luis"));   // out
        nombreAlumno(alta(eva, m_mates, QDate(2024, 1, 1), QDate(2024, 5, 2), 10.333), QStringLiteral("Eva"));   // in
        nombreAlumno(alta(xan, m_mates, QDate(2024, 5, 31), QDate(), 10.333), QStringLiteral("Xan"));            // in
        nombreAlumno(alta(iria, m_mates, QDate(2024, 6, 1), QDate(), 50.0), QStringLiteral("Iria"));             // out
        nombreAlumno(alta(xan, m_fisica, QDate(2024, 2, 1), QDate(), 20.0), QStringLiteral("Xan"));

        Profesor ana(m_ana);
        ana.setApodo(QStringLiteral("Profe 50 %1"));
        std::unique_ptr<Listado> l(InformeProfesor::listadoAlumnos(ana, QDate(2024, 5, 1), QDate(2024, 6, 1)));
        QCOMPARE(l->titulo(), QStringLiteral("Student listing for teacher: Profe 50 %1 "));
        QCOMPARE(l->cabeceras(),
                 QStringList({QStringLiteral("Student"), QStringLiteral("Subject"), QStringLiteral("Amount")}));
        QCOMPARE(l->rowCount(), 4);
        QCOMPARE(fila(*l, 0), QStringList({QStringLiteral("Eva"), QStringLiteral("Matematicas - Manana"),
                                           QStringLiteral("10.333")}));
        QCOMPARE(fila(*l, 1), QStringList({QStringLiteral("Xan"), QStringLiteral("Matematicas - Manana"),
                                           QStringLiteral("10.333")}));
        QCOMPARE(fila(*l, 2), QStringList({QStringLiteral("Xan"), QStringLiteral("Fisica - Tarde"),
                                           QStringLiteral("20.000")}));
        // Summed as stored: 40.666, shown with two decimals in the grey totals row.
        QCOMPARE(l->lineas().at(3)->valor(2).toDouble(), 10.333 + 10.333 + 20.0);
        QCOMPARE(fila(*l, 3), QStringList({QStringLiteral("Totales"), QString(), QStringLiteral("40.67")}));
        QVERIFY(l->lineas().at(3)->atributo(0).contains(QStringLiteral("bgcolor=\"#888586\"")));
        QCOMPARE(l->lineas().at(0)->parent(), l.get());
    }

    void teacherWithoutSessions()
    {
        Profesor ana(m_ana);
        std::unique_ptr<Listado> l(InformeProfesor::listadoAlumnos(ana));
        QVERIFY(l->isValid());
        QCOMPARE(l->rowCount(), 1);
        QCOMPARE(fila(*l, 0), QStringList({QStringLiteral("Totales"), QString(), QStringLiteral("0.00")}));
        QCOMPARE(l->titulo(), QStringLiteral("Student listing for teacher:  "));
    }

    void nullDatesMeanTheCurrentMonth()
    {
        QVERIFY(sesion(m_mates, m_aula, m_ana, 1, 9));
        const QDate hoy = QDate::currentDate();
        const QDate primero(hoy.year(), hoy.month(), 1);
        nombreAlumno(alta(alumno(QStringLiteral("A"), QStringLiteral("A")), m_mates, primero.addMonths(-1)),
                     QStringLiteral("Antes"));
        nombreAlumno(alta(alumno(QStringLiteral("B"), QStringLiteral("B")), m_mates, primero.addMonths(1)),
                     QStringLiteral("Despues"));
        Profesor ana(m_ana);
        std::unique_ptr<Listado> l(InformeProfesor::listadoAlumnos(ana));
        QCOMPARE(l->rowCount(), 2);
        QCOMPARE(l->lineas().at(0)->valor(0).toString(), QStringLiteral("Antes"));
    }
};

PENSARIO_TEST_MAIN(TestInformeProfesor)
#include "tst_informeprofesor.moc"
