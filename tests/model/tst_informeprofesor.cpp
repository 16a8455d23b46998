#include "academyfixture.h"
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
}

class TestInformeProfesor : public QObject
{
    Q_OBJECT

private:
    int m_aula = 0, m_ana = 0, m_mates = 0, m_fisica = 0;

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
        const int xan = alumno(QStringLiteral("Xan"), QStringLiteral("C"));
        // Period 1 May to 1 June: withdrawn on the first day or started on the last is out.
        QVERIFY(alta(alumno("L", "A"), m_mates, QDate(2024, 1, 1), QDate(2024, 5, 1), 40.0, QStringLiteral("Luis")));
        QVERIFY(alta(alumno("E", "B"), m_mates, QDate(2024, 1, 1), QDate(2024, 5, 2), 10.333, QStringLiteral("Eva")));
        QVERIFY(alta(xan, m_mates, QDate(2024, 5, 31), QDate(), 10.333, QStringLiteral("Xan")));
        QVERIFY(alta(alumno("I", "D"), m_mates, QDate(2024, 6, 1), QDate(), 50.0, QStringLiteral("Iria")));
        QVERIFY(alta(xan, m_fisica, QDate(2024, 2, 1), QDate(), 20.0, QStringLiteral("Xan")));

        Profesor ana(m_ana);
        ana.setApodo(QStringLiteral("Profe 50 %1"));
        std::unique_ptr<Listado> l(ana.listadoAlumnos(QDate(2024, 5, 1), QDate(2024, 6, 1)));
        QCOMPARE(l->titulo(), QStringLiteral("Student listing for teacher: Profe 50 %1 "));
        QCOMPARE(l->cabeceras(), QStringList({"Student", "Subject", "Amount"}));
        QCOMPARE(l->rowCount(), 4);
        QCOMPARE(fila(*l, 0), QStringList({"Eva", "Matematicas - Manana", "10.333"}));
        QCOMPARE(fila(*l, 1), QStringList({"Xan", "Matematicas - Manana", "10.333"}));
        QCOMPARE(fila(*l, 2), QStringList({"Xan", "Fisica - Tarde", "20.000"}));
        // Summed as stored, shown with two decimals in the grey totals row.
        QCOMPARE(l->lineas().at(3)->valor(2).toDouble(), 10.333 + 10.333 + 20.0);
        QCOMPARE(fila(*l, 3), QStringList({"Totales", "", "40.67"}));
        QVERIFY(l->lineas().at(3)->atributo(0).contains(QStringLiteral("bgcolor=\"#888586\"")));
    }

};

PENSARIO_TEST_MAIN(TestInformeProfesor)
#include "tst_informeprofesor.moc"
