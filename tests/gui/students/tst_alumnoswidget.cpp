#include "studentsfixture.h"

#include "alumnodialog.h"
#include "alumnoswidget.h"
#include "asignaturaalumnodialog.h"
#include "asignaturasalumnodialog.h"
#include "dateselectdialog.h"
#include "pageharness.h"
#include "testmain.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>

#include <algorithm>
#include <memory>

using namespace students;

namespace {
const char* const selectionActions[] = {"actionEditar_alumno", "actionAsignaturas_alumno", "actionVerHorario",
                                        "actionEliminar_alumno", "actionDrop_asignaturas"};

QList<int> sorted(QList<int> ids)
{
    std::sort(ids.begin(), ids.end());
    return ids;
}
} // namespace

class TestAlumnosWidget : public QObject
{
    Q_OBJECT

    std::unique_ptr<AlumnosWidget> m_page;
    Academy m_academy;

    QAction* action(const char* name) { return m_page->findChild<QAction*>(QString::fromLatin1(name)); }
    QList<int> shown(PageHarness& h) { return sorted(h.shownIds("tbvAlumnos")); }

private slots:
    void init()
    {
        QVERIFY(academy::openFreshDatabase());
        m_page = std::make_unique<AlumnosWidget>();
        m_page->refreshModel();
        m_page->show();
    }
    void cleanup() { m_page.reset(); }

    void emptyListHasOnlyNewAndListingEnabled()
    {
        PageHarness h(m_page.get());
        QVERIFY(h.shownIds("tbvAlumnos").isEmpty());
        for (const char* name : selectionActions)
            QVERIFY2(!action(name)->isEnabled(), name);
        QVERIFY(action("actionNuevo_alumno")->isEnabled());
        QVERIFY(action("actionImprimir_listado")->isEnabled());
        QCOMPARE(m_page->actions().size(), 6);
        QCOMPARE(m_page->actions().first()->objectName(), QStringLiteral("actionNuevo_alumno"));
        QVERIFY(!h.trigger("actionEditar_alumno"));
        QCOMPARE(h.problems(), QStringList{QStringLiteral("action actionEditar_alumno is disabled")});
    }

    // A page built later sorts its rows by the column the list was left
    // sorted on, once they are loaded: when refreshed, or when first shown.
    void newPageSortsByTheColumnLeftSorted()
    {
        const int vila = student(QStringLiteral("Ana"), QStringLiteral("Vila"));
        const int lago = student(QStringLiteral("Breixo"), QStringLiteral("Lago"));
        const int souto = student(QStringLiteral("Carme"), QStringLiteral("Souto"));
        m_page->refreshModel();
        m_page->findChild<QTableView*>(QStringLiteral("tbvAlumnos"))->sortByColumn(1, Qt::DescendingOrder);
        m_page.reset(); // keeps the list's header
        const QList<int> bySurnameDown{vila, souto, lago};

        m_page = std::make_unique<AlumnosWidget>();
        m_page->refreshModel();
        QCOMPARE(PageHarness(m_page.get()).shownIds("tbvAlumnos"), bySurnameDown);
        m_page.reset();

        m_page = std::make_unique<AlumnosWidget>();
        m_page->show();
        QCOMPARE(PageHarness(m_page.get()).shownIds("tbvAlumnos"), bySurnameDown);
        // and it follows the rows as they change
        const int abal = student(QStringLiteral("Dora"), QStringLiteral("Abal"));
        m_page->refreshModel();
        QCOMPARE(PageHarness(m_page.get()).shownIds("tbvAlumnos"), bySurnameDown + QList<int>{abal});
    }

    void selectionEnablesActionsAndAReloadDisablesThem()
    {
        const int a = student(QStringLiteral("Ana"), QStringLiteral("Pena"));
        const int b = student(QStringLiteral("Breixo"), QStringLiteral("Lago"));
        m_page->refreshModel();
        PageHarness h(m_page.get());
        QVERIFY(h.selectIds("tbvAlumnos", {a, b}));
        QVERIFY(action("actionEliminar_alumno")->isEnabled() && action("actionDrop_asignaturas")->isEnabled());
        QVERIFY(!action("actionEditar_alumno")->isEnabled() && !action("actionAsignaturas_alumno")->isEnabled()
                && !action("actionVerHorario")->isEnabled());
        QVERIFY(h.selectIds("tbvAlumnos", {b}));
        QVERIFY(action("actionEditar_alumno")->isEnabled() && action("actionVerHorario")->isEnabled());
        QSignalSpy timetable(m_page.get(), &AlumnosWidget::cambioAHorarioAlumno);
        QVERIFY(h.trigger("actionVerHorario"));
        QCOMPARE(timetable.size(), 1);
        QCOMPARE(timetable.first().first().toInt(), b);
        // a student stored elsewhere reloads the list
        student(QStringLiteral("Carme"), QStringLiteral("Souto"));
        for (const char* name : selectionActions)
            QVERIFY2(!action(name)->isEnabled(), name);
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void modesAndFilterChooseTheRows()
    {
        m_academy = buildAcademy();
        const QDate today = QDate::currentDate();
        const int current = student(QStringLiteral("Marta"), QStringLiteral("Pena"));
        const int former = student(QStringLiteral("Xoán"), QStringLiteral("Mato"));
        const int fresh = student(QStringLiteral("Iria"), QStringLiteral("Lago"));
        signUp(current, m_academy.manana, today.addMonths(-1));
        signUp(former, m_academy.manana, today.addYears(-1), today.addMonths(-1));
        m_page->refreshModel();
        PageHarness h(m_page.get());
        QCOMPARE(shown(h), sorted({current, fresh}));

        QSignalSpy resets(m_page->findChild<QTableView*>("tbvAlumnos")->model(), &QAbstractItemModel::modelReset);
        QVERIFY(h.check("rbTodos"));
        QCOMPARE(resets.size(), 1); // two toggles, one reload
        QCOMPARE(shown(h), sorted({current, former, fresh}));
        QVERIFY(h.check("rbSoloInactivos"));
        QCOMPARE(shown(h), QList<int>{former});
        QVERIFY(h.check("rbTodos"));

        QVERIFY(h.type("leFiltro", QStringLiteral("MA")));
        QCOMPARE(shown(h), sorted({current, former})); // Marta, Mato
        QVERIFY(h.type("leFiltro", QStringLiteral("l?go")));
        QCOMPARE(shown(h), QList<int>{fresh});
        QVERIFY(h.click("pushButton"));
        QCOMPARE(shown(h).size(), 3);
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    // Typed without accents or capitals, names are found; sorted, they come
    // in the order a Spanish reader expects.
    void filterAndSortAsPeopleRead()
    {
        const QLocale antes;
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        const int zapata = student(QStringLiteral("Uxía"), QStringLiteral("Zapata"));
        const int garcia = student(QStringLiteral("María"), QStringLiteral("García"));
        const int nunez = student(QStringLiteral("Xoán"), QStringLiteral("Núñez"));
        const int alvarez = student(QStringLiteral("Iria"), QStringLiteral("Álvarez"));
        const int nuno = student(QStringLiteral("Brais"), QStringLiteral("Nuno"));
        m_page->refreshModel();
        PageHarness h(m_page.get());
        QVERIFY(h.type("leFiltro", QStringLiteral("garcia")));
        QCOMPARE(shown(h), QList<int>{garcia});
        QVERIFY(h.type("leFiltro", QStringLiteral("nunez")));
        QCOMPARE(shown(h), QList<int>{nunez});
        // a selection stays while its row is shown; hidden, it enables nothing
        QVERIFY(h.click("pushButton"));
        QVERIFY(h.selectIds("tbvAlumnos", {garcia}));
        QVERIFY(h.type("leFiltro", QStringLiteral("GARC")));
        QVERIFY(action("actionEditar_alumno")->isEnabled());
        QVERIFY(h.type("leFiltro", QStringLiteral("zapata")));
        QVERIFY(!action("actionEditar_alumno")->isEnabled());
        QVERIFY(h.click("pushButton"));
        m_page->findChild<QTableView*>("tbvAlumnos")->sortByColumn(1, Qt::AscendingOrder);
        const QList<int> orden = h.shownIds("tbvAlumnos");
        QLocale::setDefault(antes);
        QCOMPARE(orden, (QList<int>{alvarez, garcia, nuno, nunez, zapata}));
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void newStudentWithDiscountIsSignedUpAtTheRoundedPrice()
    {
        m_academy = buildAcademy();
        PageHarness h(m_page.get());
        h.whenShown<AlumnoDialog>([&](AlumnoDialog* d) {
            PageHarness form(d);
            form.type("leNombre", QStringLiteral("Sabela"));
            form.type("leApellidos", QStringLiteral("Rei"));
            form.type("leDescuento", QStringLiteral("10"));
            h.whenShown<AsignaturaAlumnoDialog>([&](AsignaturaAlumnoDialog* s) {
                PageHarness signUp(s);
                signUp.choose("cmbSubject", QStringLiteral("Inglés"));
                signUp.choose("cmbShift", QStringLiteral("Mañana"));
                if (s->findChild<QLabel*>("edtPrice")->text() != QStringLiteral("30"))
                    h.fail(QStringLiteral("price shown: ") + s->findChild<QLabel*>("edtPrice")->text());
                s->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
            });
            d->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
            if (!form.ok())
                h.fail(form.report());
        });
        QVERIFY(h.trigger("actionNuevo_alumno"));
        const int id = academy::count(QStringLiteral("SELECT id FROM alumno WHERE nombre = 'Sabela'"));
        QVERIFY(id > 0);
        QCOMPARE(shown(h), QList<int>{id});
        QCOMPARE(academy::scalar(QStringLiteral("SELECT precio FROM alta WHERE idalumno = ?"), {id}).toDouble(), 30.0);
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void cancelledGeneralWithdrawalChangesNothing()
    {
        m_academy = buildAcademy();
        const int a = student(QStringLiteral("Ana"), QStringLiteral("Pena"));
        const int alta = signUp(a, m_academy.manana, QDate::currentDate().addMonths(-1));
        m_page->refreshModel();
        PageHarness h(m_page.get());
        QVERIFY(h.selectIds("tbvAlumnos", {a}));
        QSignalSpy resets(m_page->findChild<QTableView*>("tbvAlumnos")->model(), &QAbstractItemModel::modelReset);
        h.whenShown<DateSelectDialog>([](DateSelectDialog* d) { d->reject(); });
        QVERIFY(h.trigger("actionDrop_asignaturas"));
        QVERIFY(altaField(alta, "fbaja").isNull());
        QCOMPARE(resets.size(), 0);
        QVERIFY(action("actionDrop_asignaturas")->isEnabled()); // still selected
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void generalWithdrawalNamesTheRefusedStudentOnce()
    {
        m_academy = buildAcademy();
        const QDate date = QDate::currentDate().addDays(-10);
        const int ana = student(QStringLiteral("Ana"), QStringLiteral("Pena"));
        const int twinA = student(QStringLiteral("Brais"), QStringLiteral("Mato"));
        const int twinB = student(QStringLiteral("Brais"), QStringLiteral("Mato"));
        const int anaAlta = signUp(ana, m_academy.manana, date.addMonths(-3));
        const int early = signUp(twinA, m_academy.manana, date.addMonths(-1));
        const int late = signUp(twinA, m_academy.tarde, date.addDays(5));
        const int lateB = signUp(twinB, m_academy.tarde, date.addDays(3));
        m_page->refreshModel();
        PageHarness h(m_page.get());
        QVERIFY(h.selectIds("tbvAlumnos", {ana, twinA, twinB}));
        QString question;
        h.whenShown<DateSelectDialog>([&](DateSelectDialog* d) {
            question = d->findChild<QLabel*>("lblMessage")->text();
            d->findChild<QDateEdit*>("dateEdit")->setDate(date);
            d->accept();
        });
        h.answerNext(QStringLiteral("the following students"), QMessageBox::Ok);
        QSignalSpy resets(m_page->findChild<QTableView*>("tbvAlumnos")->model(), &QAbstractItemModel::modelReset);
        QVERIFY(h.trigger("actionDrop_asignaturas"));
        // sign-ups change who is listed, not the rows: no whole reload
        QCOMPARE(resets.size(), 0);
        QVERIFY(question.contains(QStringLiteral("withdraw 3 student(s)")));
        QCOMPARE(altaField(anaAlta, "fbaja").toDate(), date);
        QCOMPARE(altaField(early, "fbaja").toDate(), date);
        QVERIFY(altaField(late, "fbaja").isNull());
        QVERIFY(altaField(lateB, "fbaja").isNull());
        const ScriptedPrompter::Asked warning = h.prompter().asked().last();
        QCOMPARE(warning.text.count(QStringLiteral("Brais Mato")), 1);
        QVERIFY(!warning.text.contains(QStringLiteral("Ana Pena")));
        // every sign-up left open is named
        QCOMPARE(warning.informativeText.count(QStringLiteral("Brais Mato: Inglés - Mañana")), 2);
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void deletingThreeAsksAgainOnlyForTheOneWithClasses()
    {
        m_academy = buildAcademy();
        const QDate today = QDate::currentDate();
        const int first = student(QStringLiteral("Ana"), QStringLiteral("Pena"));
        const int second = student(QStringLiteral("Breixo"), QStringLiteral("<b>Lago</b>"));
        const int third = student(QStringLiteral("Carme"), QStringLiteral("Vidal"));
        signUp(second, m_academy.manana, today.addMonths(-1));
        signUp(third, m_academy.manana, today.addYears(-1), today.addMonths(-1)); // ended: no second question
        m_page->refreshModel();
        PageHarness h(m_page.get());
        QVERIFY(h.selectIds("tbvAlumnos", {first, second, third}));
        h.answerNext(QStringLiteral("delete the 3 chosen students"), QMessageBox::Yes);
        h.answerNext(QStringLiteral("Breixo &lt;b&gt;Lago&lt;/b&gt; has subjects assigned"), QMessageBox::No);
        QVERIFY(h.trigger("actionEliminar_alumno"));
        QVERIFY(h.prompter().asked().last().text.contains(QStringLiteral("<li>Mañana</li>")));
        QCOMPARE(academy::count(QStringLiteral("SELECT count(*) FROM alumno")), 1);
        QCOMPARE(academy::count(QStringLiteral("SELECT id FROM alumno")), second);
        QCOMPARE(shown(h), QList<int>{second});
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void failedDeletionIsReportedAndTheOthersGo()
    {
        const int a = student(QStringLiteral("Ana"), QStringLiteral("Pena"));
        const int b = student(QStringLiteral("Breixo"), QStringLiteral("Lago"));
        QVERIFY(academy::exec(QStringLiteral("CREATE TEMP TRIGGER keep_ana BEFORE DELETE ON alumno WHEN old.id = %1 "
                                             "BEGIN SELECT RAISE(ABORT, 'injected failure'); END")
                                  .arg(a)));
        m_page->refreshModel();
        PageHarness h(m_page.get());
        QVERIFY(h.selectIds("tbvAlumnos", {a, b}));
        h.answerNext(QStringLiteral("Chosen students will be deleted permanently."), QMessageBox::Yes);
        h.answerNext(QStringLiteral("Error deleting student with id %1.").arg(a), QMessageBox::Ok);
        QVERIFY(h.trigger("actionEliminar_alumno"));
        QCOMPARE(shown(h), QList<int>{a});
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void editAndSubjectsOpenOnTheSelectedStudent()
    {
        const int a = student(QStringLiteral("Ana"), QStringLiteral("Pena"));
        m_page->refreshModel();
        PageHarness h(m_page.get());
        QVERIFY(h.selectIds("tbvAlumnos", {a}));
        h.whenShown<AlumnoDialog>([&](AlumnoDialog* d) {
            PageHarness form(d);
            form.type("leLocalidad", QStringLiteral("Lugo"));
            d->accept();
        });
        QVERIFY(h.trigger("actionEditar_alumno"));
        QCOMPARE(academy::scalar(QStringLiteral("SELECT localidad FROM alumno WHERE id = ?"), {a}).toString(),
                 QStringLiteral("Lugo"));
        QVERIFY(h.selectIds("tbvAlumnos", {a}));
        QString info;
        h.whenShown<AsignaturasAlumnoDialog>([&](AsignaturasAlumnoDialog* d) {
            info = d->findChild<QLabel*>("lblStudentInfo")->text();
            d->reject();
        });
        QVERIFY(h.trigger("actionAsignaturas_alumno"));
        QVERIFY(info.contains(QStringLiteral("Pena, Ana")));
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }
};

PENSARIO_TEST_MAIN(TestAlumnosWidget)
#include "tst_alumnoswidget.moc"
