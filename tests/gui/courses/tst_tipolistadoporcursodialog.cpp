#include "adatehelper.h"
#include "testmain.h"
#include "tipolistadoporcursodialog.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QLabel>
#include <QRadioButton>

class TestTipoListadoPorCursoDialog : public QObject
{
    Q_OBJECT

    template <typename T>
    static T* hijo(QDialog& d, const char* nombre)
    {
        return d.findChild<T*>(QString::fromLatin1(nombre));
    }

private slots:
    void init() { TestEnv::resetCase(); }

    void opensOnStudentsWithAmountsAndThisMonth()
    {
        TipoListadoPorCursoDialog d;
        QCOMPARE(d.tipoListado(), int(TipoListadoPorCursoDialog::AlumnosConImportes));
        QCOMPARE(d.tipoListado(), 1000);
        QCOMPARE(d.fechaDesde(), ADateHelper::firstDayOfMonth());
        QCOMPARE(d.fechaHasta(), ADateHelper::firstDayOfNextMonth());
        QVERIFY(!hijo<QDateEdit>(d, "deDesde")->isEnabled());
        QVERIFY(!hijo<QLabel>(d, "label_2")->isEnabled());
        QCOMPARE(hijo<QDateEdit>(d, "deHasta")->calendarWidget()->firstDayOfWeek(), Qt::Monday);
    }

    // Withdrawals answer 1002 and registrations 1003, the reverse of the
    // order the options are shown in.
    void codesAndDateFields()
    {
        TipoListadoPorCursoDialog d;
        hijo<QRadioButton>(d, "rbBajas")->setChecked(true);
        QCOMPARE(d.tipoListado(), 1002);
        QVERIFY(hijo<QDateEdit>(d, "deDesde")->isEnabled() && hijo<QDateEdit>(d, "deHasta")->isEnabled());
        QVERIFY(hijo<QLabel>(d, "label_2")->isEnabled());
        hijo<QRadioButton>(d, "rbAltas")->setChecked(true);
        QCOMPARE(d.tipoListado(), 1003);
        QVERIFY(hijo<QDateEdit>(d, "deDesde")->isEnabled());
        hijo<QRadioButton>(d, "rbAlumnosNoEuro")->setChecked(true);
        QCOMPARE(d.tipoListado(), 1001);
        QVERIFY(!hijo<QDateEdit>(d, "deDesde")->isEnabled() && !hijo<QDateEdit>(d, "deHasta")->isEnabled());
        QVERIFY(!hijo<QLabel>(d, "label_2")->isEnabled());
    }

    void datesAreNotCompared()
    {
        TipoListadoPorCursoDialog d;
        hijo<QDateEdit>(d, "deDesde")->setDate(QDate(2026, 5, 1));
        hijo<QDateEdit>(d, "deHasta")->setDate(QDate(2026, 3, 1));
        QCOMPARE(d.fechaDesde(), QDate(2026, 5, 1));
        QCOMPARE(d.fechaHasta(), QDate(2026, 3, 1));
    }
};

PENSARIO_TEST_MAIN(TestTipoListadoPorCursoDialog)
#include "tst_tipolistadoporcursodialog.moc"
