#include "studentsfixture.h"

#include "appstatusdialog.h"
#include "asignaturaalumnodialog.h"
#include "asignaturasalumnodialog.h"
#include "dao.h"
#include "pageharness.h"
#include "testmain.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

using namespace students;

namespace {
void pressClose(QDialog* dialog)
{
    dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Close)->click();
}

bool enabled(QWidget* dialog, const char* name)
{
    if (auto* action = dialog->findChild<QAction*>(QString::fromLatin1(name)))
        return action->isEnabled();
    return dialog->findChild<QWidget*>(QString::fromLatin1(name))->isEnabled();
}
} // namespace

class TestAsignaturasAlumnoDialog : public QObject
{
    Q_OBJECT

    Academy m_academy;
    int m_alumno = 0;
    int m_open = 0;      // active sign-up
    int m_withdrawn = 0; // withdrawn last year
    int m_future = 0;    // starts next month

    QPointer<AsignaturasAlumnoDialog> open()
    {
        auto* dialog = new AsignaturasAlumnoDialog(m_alumno);
        dialog->show();
        return dialog;
    }

private slots:
    void init()
    {
        QVERIFY(academy::openFreshDatabase());
        m_academy = buildAcademy();
        // every shift taught: nothing for the check to list
        QVERIFY(academy::sesion(m_academy.tarde, m_academy.aula, m_academy.profesora, 2, 18) > 0);
        m_alumno = student(QStringLiteral("Sabela"), QStringLiteral("Rei <Castro>"));
        const QDate today = QDate::currentDate();
        m_open = signUp(m_alumno, m_academy.manana, today.addMonths(-2));
        m_withdrawn = signUp(m_alumno, m_academy.tarde, today.addYears(-2), today.addYears(-1));
        const int noite = academy::turno(academy::asignatura(QStringLiteral("Francés")), QStringLiteral("Noite"));
        QVERIFY(academy::sesion(noite, m_academy.aula, m_academy.profesora, 3, 19) > 0);
        m_future = signUp(m_alumno, noite, today.addMonths(1));
        QVERIFY(m_open && m_withdrawn && m_future);
    }
    void cleanup()
    {
        // a dialog left open by a failed case rolls its transaction back
        QList<QPointer<QWidget>> left;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (qobject_cast<AsignaturasAlumnoDialog*>(top))
                left << top;
        qDeleteAll(left);
    }

    void actionsFollowTheSelection()
    {
        QPointer<AsignaturasAlumnoDialog> d = open();
        PageHarness h(d);
        QVERIFY(d->findChild<QLabel*>("lblStudentInfo")->text().contains(QStringLiteral("Rei &lt;Castro&gt;, Sabela")));
        QVERIFY(!enabled(d, "actionActionEdit") && !enabled(d, "btnErase") && !enabled(d, "btnWithdraw"));
        QVERIFY(enabled(d, "btnAdd"));
        QVERIFY(h.selectIds("tbvSubjects", {m_withdrawn}));
        QVERIFY(enabled(d, "actionActionEdit") && enabled(d, "btnErase") && enabled(d, "actionActionRemove"));
        QVERIFY(!enabled(d, "btnWithdraw"));
        QVERIFY(h.selectIds("tbvSubjects", {m_open}));
        QVERIFY(enabled(d, "btnWithdraw"));
        QVERIFY(h.selectIds("tbvSubjects", {m_open, m_withdrawn}));
        QVERIFY(!enabled(d, "btnWithdraw") && !enabled(d, "actionActionEdit"));
        QVERIFY(enabled(d, "btnErase"));
        pressClose(d);
        QTRY_VERIFY(!d);
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void withdrawThenRevertUndoesItAndStaysOpen()
    {
        QVERIFY(academy::exec(QStringLiteral("DELETE FROM sesiondeclase WHERE idturnoasignatura = ?"),
                              {m_academy.tarde}));
        QPointer<AsignaturasAlumnoDialog> d = open();
        PageHarness h(d);
        QVERIFY(h.selectIds("tbvSubjects", {m_open}));
        QVERIFY(h.click("btnWithdraw"));
        QCOMPARE(altaField(m_open, "fbaja").toDate(), QDate::currentDate());
        QVERIFY(Dao::getInstance()->inTransaction());
        // shifts without sessions are listed: the status dialog opens
        h.whenShown<AppStatusDialog>([&](AppStatusDialog* status) {
            if (!h.click("btnRevert"))
                status->reject();
        });
        pressClose(d);
        QVERIFY(d && d->isVisible());
        QVERIFY(altaField(m_open, "fbaja").isNull());
        QVERIFY(Dao::getInstance()->inTransaction()); // a new one, editing goes on
        QVERIFY(h.selectIds("tbvSubjects", {m_open})); // the table shows it open again
        QVERIFY(enabled(d, "btnWithdraw"));
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void closingWithNothingToListCommitsAtOnce()
    {
        QPointer<AsignaturasAlumnoDialog> d = open();
        PageHarness h(d);
        QVERIFY(h.selectIds("tbvSubjects", {m_open}));
        QVERIFY(h.click("btnWithdraw"));
        pressClose(d); // no status dialog: nothing scripted for it
        QTRY_VERIFY(!d);
        QVERIFY(!Dao::getInstance()->inTransaction());
        QCOMPARE(altaField(m_open, "fbaja").toDate(), QDate::currentDate());
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void withdrawingASignUpThatStartsLaterNamesIt()
    {
        QPointer<AsignaturasAlumnoDialog> d = open();
        PageHarness h(d);
        QVERIFY(h.selectIds("tbvSubjects", {m_future}));
        h.answerNext(QStringLiteral("could not be withdrawn today"), QMessageBox::Ok);
        QVERIFY(h.click("btnWithdraw"));
        QVERIFY(altaField(m_future, "fbaja").isNull());
        QVERIFY(h.prompter().asked().last().informativeText.contains(QStringLiteral("Inglés - Mañana")));
        QVERIFY(h.prompter().asked().last().informativeText.contains(QStringLiteral("starts after today")));
        pressClose(d);
        QTRY_VERIFY(!d);
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    // A withdrawal the database refuses is told as such, never as a date problem.
    void withdrawalRefusedByTheDatabaseSaysSo()
    {
        QVERIFY(academy::failUpdates(QStringLiteral("alta")));
        QPointer<AsignaturasAlumnoDialog> d = open();
        PageHarness h(d);
        QVERIFY(h.selectIds("tbvSubjects", {m_open}));
        h.answerNext(QStringLiteral("could not be withdrawn today"), QMessageBox::Ok);
        QVERIFY(h.click("btnWithdraw"));
        QVERIFY(altaField(m_open, "fbaja").isNull());
        const QString detalle = h.prompter().asked().last().informativeText;
        QVERIFY2(detalle.endsWith(QStringLiteral(": it could not be written")), qPrintable(detalle));
        QVERIFY(!detalle.contains(QStringLiteral("starts after today")));
        QVERIFY(academy::exec(QStringLiteral("DROP TRIGGER fail_UPDATE_alta")));
        pressClose(d);
        QTRY_VERIFY(!d);
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void deletingAsksAndNoDeletesNothing()
    {
        QPointer<AsignaturasAlumnoDialog> d = open();
        PageHarness h(d);
        QVERIFY(h.selectIds("tbvSubjects", {m_open, m_withdrawn}));
        h.answerNext(QStringLiteral("completely delete elements"), QMessageBox::No);
        QVERIFY(h.click("btnErase"));
        QCOMPARE(altasOf(m_alumno), 3);
        h.answerNext(QStringLiteral("completely delete elements"), QMessageBox::Yes);
        QVERIFY(h.trigger("actionActionRemove"));
        QCOMPARE(altasOf(m_alumno), 1);
        QCOMPARE(h.shownIds("tbvSubjects"), QList<int>{m_future});
        pressClose(d);
        QTRY_VERIFY(!d);
        QCOMPARE(altasOf(m_alumno), 1);
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void signUpAddedInsideTheDialogIsShownAndSaved()
    {
        const int latin = academy::turno(academy::asignatura(QStringLiteral("Latín")), QStringLiteral("Única"));
        QVERIFY(academy::sesion(latin, m_academy.aula, m_academy.profesora, 4, 19) > 0);
        QPointer<AsignaturasAlumnoDialog> d = open();
        PageHarness h(d);
        h.whenShown<AsignaturaAlumnoDialog>([&](AsignaturaAlumnoDialog* s) {
            PageHarness signUp(s);
            signUp.choose("cmbSubject", QStringLiteral("Latín"));
            s->accept();
            if (!signUp.ok())
                h.fail(signUp.report());
        });
        QVERIFY(h.click("btnAdd"));
        QCOMPARE(h.shownIds("tbvSubjects").size(), 4);
        QVERIFY(Dao::getInstance()->inTransaction());
        pressClose(d);
        QTRY_VERIFY(!d);
        QCOMPARE(altasOf(m_alumno), 4);
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void editOpensTheSignUpOnTheSelectedRow()
    {
        QPointer<AsignaturasAlumnoDialog> d = open();
        PageHarness h(d);
        QVERIFY(h.selectIds("tbvSubjects", {m_withdrawn}));
        h.whenShown<AsignaturaAlumnoDialog>([&](AsignaturaAlumnoDialog* s) {
            h.setRoot(s);
            h.type("edtObservaciones", QStringLiteral("repite"));
            s->accept();
            h.setRoot(d);
        });
        QVERIFY(h.trigger("actionActionEdit"));
        QCOMPARE(altaField(m_withdrawn, "observaciones").toString(), QStringLiteral("repite"));
        QCOMPARE(altaField(m_withdrawn, "fbaja").toDate(), QDate::currentDate().addYears(-1));
        pressClose(d);
        QTRY_VERIFY(!d);
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }
};

PENSARIO_TEST_MAIN(TestAsignaturasAlumnoDialog)
#include "tst_asignaturasalumnodialog.moc"
