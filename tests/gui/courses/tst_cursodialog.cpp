#include "academyfixture.h"
#include "curso.h"
#include "cursodialog.h"
#include "pageharness.h"
#include "selectasignaturasdialog.h"
#include "testmain.h"
#include "turnoasignaturadialog.h"
#include "turnocurso.h"
#include "turnocursodialog.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

using namespace academy;

// Subjects Matemáticas (shifts M1, M2), Lengua (L1) and Inglés (I1); course
// Bachillerato (Matemáticas, Lengua) with course shifts Mañana (M1, L1) and
// Tarde (M2, L1).
class TestCursoDialog : public QObject
{
    Q_OBJECT

    int m_mates = 0, m_lengua = 0, m_ingles = 0;
    int m_bach = 0, m_manana = 0, m_tarde = 0;

    // A dialog shown as the courses page shows it, driven by the harness.
    QPointer<CursoDialog> abre(PageHarness& h, int idCurso = 0)
    {
        auto* d = new CursoDialog;
        if (idCurso)
            d->setCurso(Curso::getFromDB(idCurso));
        d->show();
        h.setRoot(d);
        return d;
    }

    // The next subject picker chooses the subject named.
    static void eligeAsignatura(PageHarness& h, const QString& nombre)
    {
        h.whenShown<SelectAsignaturasDialog>([&h, nombre](SelectAsignaturasDialog* p) {
            auto* lista = p->findChild<QListWidget*>(QStringLiteral("lwObjetos"));
            const auto items = lista->findItems(nombre, Qt::MatchStartsWith);
            if (items.isEmpty()) {
                h.fail(QStringLiteral("subject %1 not offered").arg(nombre));
                p->reject();
                return;
            }
            lista->setCurrentItem(items.first());
            p->accept();
        });
    }

    // Picks, row by row, the subject shifts named, then the course shift name.
    static void rellenaTurnoCurso(TurnoCursoDialog* d, const QString& nombre, const QStringList& turnos)
    {
        d->findChild<QLineEdit*>(QStringLiteral("leNombre"))->setText(nombre);
        for (int i = 0; i < turnos.size(); ++i) {
            auto* combo = d->findChild<QComboBox*>(QStringLiteral("cbTurnoAsignatura%1").arg(i));
            combo->setCurrentIndex(combo ? combo->findText(turnos.at(i)) : -1);
        }
    }

    static void nuevoTurnoCurso(PageHarness& h, const QString& nombre, const QStringList& turnos)
    {
        h.whenShown<TurnoCursoDialog>([nombre, turnos](TurnoCursoDialog* d) {
            rellenaTurnoCurso(d, nombre, turnos);
            d->accept();
        });
    }

    // In an open course shift dialog: "*" on the subject row, naming the new
    // shift; refused: the shift dialog is refused and closed.
    static void estrella(PageHarness& h, TurnoCursoDialog* tc, int fila, const QString& nombre, bool refused = false)
    {
        h.whenShown<TurnoAsignaturaDialog>([&h, nombre, refused](TurnoAsignaturaDialog* ta) {
            ta->findChild<QLineEdit*>(QStringLiteral("leNombre"))->setText(nombre);
            if (refused)
                h.answerNext(QStringLiteral("There is already a shift of this subject with the same name"),
                             QMessageBox::Ok);
            ta->accept();
            if (refused) {
                QVERIFY(ta->isVisible());
                ta->reject();
            }
        });
        QTest::mouseClick(tc->findChild<QPushButton*>(QStringLiteral("btnNuevoTurno%1").arg(fila)), Qt::LeftButton);
    }

    static QStringList textos(QListWidget* lista)
    {
        QStringList t;
        for (int i = 0; i < lista->count(); ++i)
            t << lista->item(i)->text();
        return t;
    }

private slots:
    void initTestCase() { TestEnv::useIconPaths(); }

    void init()
    {
        QVERIFY(openFreshDatabase());
        m_mates = asignatura(QStringLiteral("Matemáticas"), 30, 1);
        m_lengua = asignatura(QStringLiteral("Lengua"), 30, 2);
        m_ingles = asignatura(QStringLiteral("Inglés"), 30, 3);
        const int m1 = turno(m_mates, QStringLiteral("M1"));
        const int m2 = turno(m_mates, QStringLiteral("M2"));
        const int l1 = turno(m_lengua, QStringLiteral("L1"));
        turno(m_ingles, QStringLiteral("I1"));
        m_manana = turnoCurso(QStringLiteral("Bachillerato"), QStringLiteral("Mañana"), {m1, l1});
        m_tarde = turnoCurso(QStringLiteral("Bachillerato"), QStringLiteral("Tarde"), {m2, l1});
        m_bach = curso(QStringLiteral("Bachillerato"));
        for (int a : {m_mates, m_lengua})
            link(QStringLiteral("curso_asignatura"), QStringLiteral("idcurso"), m_bach, QStringLiteral("idasignatura"), a);
    }

    void cleanup()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<QDialog*>(w))
                w->deleteLater();
        QApplication::processEvents();
    }

    void courseWithoutNameShiftsOrSubjectsIsRefused()
    {
        PageHarness h;
        QPointer<CursoDialog> d = abre(h);
        d->accept();
        QVERIFY(d->isVisible());
        QVERIFY(d->findChild<QLineEdit*>(QStringLiteral("leNombre"))->styleSheet().contains(QLatin1String("#FD6F73")));

        QVERIFY(h.type("leNombre", QStringLiteral("Ciencias")));
        h.answerNext(QStringLiteral("Course without shifts"), QMessageBox::Ok);
        d->accept(); // neither: the shifts come first
        eligeAsignatura(h, QStringLiteral("Matemáticas"));
        QVERIFY(h.click("btnAddAsignatura"));
        h.answerNext(QStringLiteral("Course without shifts"), QMessageBox::Ok);
        d->accept();
        QVERIFY(d->isVisible());
        QVERIFY2(h.ok(), qPrintable(h.report()));

        // a course shift but no subject
        QPointer<CursoDialog> otro = abre(h);
        QVERIFY(h.type("leNombre", QStringLiteral("Letras")));
        nuevoTurnoCurso(h, QStringLiteral("Mañana"), {});
        QVERIFY(h.click("btnAddTurno"));
        QCOMPARE(textos(otro->findChild<QListWidget*>(QStringLiteral("lwTurnos"))), QStringList({"Mañana"}));
        h.answerNext(QStringLiteral("Course without subjects"), QMessageBox::Ok);
        otro->accept();
        QVERIFY(otro->isVisible());
        QCOMPARE(count("SELECT count(*) FROM curso"), 1);
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void duplicateNamesAreRefused()
    {
        PageHarness h;
        QPointer<CursoDialog> d = abre(h);
        QVERIFY(h.type("leNombre", QStringLiteral("Bachillerato")));
        eligeAsignatura(h, QStringLiteral("Inglés"));
        QVERIFY(h.click("btnAddAsignatura"));
        nuevoTurnoCurso(h, QStringLiteral("Única"), {QStringLiteral("I1")});
        QVERIFY(h.click("btnAddTurno"));
        h.answerNext(QStringLiteral("The course name already exists"), QMessageBox::Ok);
        d->accept();
        QVERIFY(d->isVisible());
        QCOMPARE(count("SELECT count(*) FROM curso"), 1);
        QVERIFY(h.type("leNombre", QStringLiteral("Idiomas")));
        d->accept();
        QVERIFY(!d->isVisible());
        QCOMPARE(count("SELECT count(*) FROM turnocurso t JOIN curso c ON c.id = t.idcurso WHERE c.nombre = "
                       "'Idiomas' AND t.nombre = 'Única'"),
                 1);
        QVERIFY2(h.ok(), qPrintable(h.report()));

        // A stored course renamed to another course's name is refused in the
        // dialog instead of failing at the store; its own name is kept fine.
        const int idiomas = curso(QStringLiteral("Idiomas"));
        QPointer<CursoDialog> editado = abre(h, idiomas);
        QVERIFY(h.type("leNombre", QStringLiteral("Bachillerato")));
        h.answerNext(QStringLiteral("The course name already exists"), QMessageBox::Ok);
        editado->accept();
        QVERIFY(editado->isVisible());
        QVERIFY(h.type("leNombre", QStringLiteral("Idiomas")));
        QVERIFY(h.type("lePrecioMes", QStringLiteral("55.50")));
        editado->accept();
        QVERIFY(!editado->isVisible());
        QCOMPARE(count("SELECT precioorientativo FROM curso WHERE id = ?", {idiomas}), 5550);
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    // "*" creates a subject shift on the spot; it is stored with the course,
    // and Cancel leaves nothing of it behind.
    void courseShiftComposedWithANewSubjectShift()
    {
        for (const bool confirmar : {false, true}) {
            PageHarness h;
            QPointer<CursoDialog> d = abre(h);
            QVERIFY(h.type("leNombre", QStringLiteral("Ciencias")));
            QVERIFY(h.type("lePrecioMes", QStringLiteral("80")));
            eligeAsignatura(h, QStringLiteral("Matemáticas"));
            QVERIFY(h.click("btnAddAsignatura"));
            h.whenShown<TurnoCursoDialog>([&h](TurnoCursoDialog* tc) {
                QCOMPARE(tc->findChild<QDoubleSpinBox*>(QStringLiteral("lePrecio"))->value(), 80.0);
                auto* combo = tc->findChild<QComboBox*>(QStringLiteral("cbTurnoAsignatura0"));
                QCOMPARE(combo->currentIndex(), -1);
                h.whenShown<TurnoAsignaturaDialog>([](TurnoAsignaturaDialog* ta) {
                    ta->findChild<QLineEdit*>(QStringLiteral("leNombre"))->setText(QStringLiteral("M3 sábados"));
                    ta->accept();
                });
                QTest::mouseClick(tc->findChild<QPushButton*>(QStringLiteral("btnNuevoTurno0")), Qt::LeftButton);
                QCOMPARE(combo->count(), 3);
                QCOMPARE(combo->currentIndex(), 0); // the first shift, not necessarily the new one
                rellenaTurnoCurso(tc, QStringLiteral("Fin de semana"), {QStringLiteral("M3 sábados")});
                tc->accept();
            });
            QVERIFY(h.click("btnAddTurno"));
            // nothing is written before Ok
            QCOMPARE(count("SELECT count(*) FROM turnoasignatura WHERE nombre = 'M3 sábados'"), 0);
            if (confirmar)
                d->accept();
            else
                d->reject();
            QVERIFY(!d->isVisible());
            QVERIFY2(h.ok(), qPrintable(h.report()));
            QCOMPARE(count("SELECT count(*) FROM turnoasignatura WHERE nombre = 'M3 sábados' AND idasignatura = ?",
                           {m_mates}),
                     confirmar ? 1 : 0);
            QCOMPARE(count("SELECT count(*) FROM curso WHERE nombre = 'Ciencias'"), confirmar ? 1 : 0);
        }
        QCOMPARE(count("SELECT count(*) FROM turnocurso_turnoasignatura l JOIN turnocurso t ON t.id = l.idturnocurso "
                       "JOIN turnoasignatura ta ON ta.id = l.idturnoasignatura WHERE t.nombre = 'Fin de semana' "
                       "AND ta.nombre = 'M3 sábados'"),
                 1);
    }

    // A subject added to a course with shifts leaves each course shift an
    // empty member: the course is not stored until every one has a shift,
    // so no link without a subject shift is ever written.
    void addedSubjectNeedsAShiftInEveryCourseShift()
    {
        PageHarness h;
        QPointer<CursoDialog> d = abre(h, m_bach);
        auto* turnos = d->findChild<QListWidget*>(QStringLiteral("lwTurnos"));
        QCOMPARE(textos(turnos), QStringList({"Mañana", "Tarde"}));
        eligeAsignatura(h, QStringLiteral("Inglés"));
        QVERIFY(h.click("btnAddAsignatura"));
        QCOMPARE(textos(d->findChild<QListWidget*>(QStringLiteral("lwAsignaturas"))),
                 QStringList({"Matemáticas", "Lengua", "Inglés"}));
        h.answerNext(QStringLiteral("Every course subject must have a shift selected"), QMessageBox::Ok);
        d->accept();
        QVERIFY(d->isVisible());
        QCOMPARE(count("SELECT count(*) FROM curso_asignatura WHERE idcurso = ?", {m_bach}), 2);

        // editing Mañana shows its shifts and an empty row for Inglés
        h.whenShown<TurnoCursoDialog>([](TurnoCursoDialog* tc) {
            QCOMPARE(tc->findChild<QComboBox*>(QStringLiteral("cbTurnoAsignatura0"))->currentText(), QStringLiteral("M1"));
            QCOMPARE(tc->findChild<QComboBox*>(QStringLiteral("cbTurnoAsignatura1"))->currentText(), QStringLiteral("L1"));
            QCOMPARE(tc->findChild<QComboBox*>(QStringLiteral("cbTurnoAsignatura2"))->currentIndex(), -1);
            rellenaTurnoCurso(tc, QStringLiteral("Mañana"), {QStringLiteral("M1"), QStringLiteral("L1"), QStringLiteral("I1")});
            tc->accept();
        });
        d->editTurnoCurso(turnos->model()->index(0, 0));
        h.answerNext(QStringLiteral("Every course subject must have a shift selected"), QMessageBox::Ok);
        d->accept();
        QVERIFY(d->isVisible());
        QCOMPARE(count("SELECT count(*) FROM turnocurso_turnoasignatura"), 4);

        h.whenShown<TurnoCursoDialog>([](TurnoCursoDialog* tc) {
            rellenaTurnoCurso(tc, QStringLiteral("Tarde"), {QStringLiteral("M2"), QStringLiteral("L1"), QStringLiteral("I1")});
            tc->accept();
        });
        d->editTurnoCurso(turnos->model()->index(1, 0));
        d->accept();
        QVERIFY(!d->isVisible());
        QCOMPARE(count("SELECT count(*) FROM turnocurso_turnoasignatura WHERE idturnoasignatura IS NULL"), 0);
        QCOMPARE(count("SELECT count(*) FROM turnocurso_turnoasignatura"), 6);
        QCOMPARE(count("SELECT count(*) FROM curso_asignatura WHERE idcurso = ?", {m_bach}), 3);
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void courseShiftRenamedToItsSistersNameIsRefused()
    {
        PageHarness h;
        QPointer<CursoDialog> d = abre(h, m_bach);
        auto* turnos = d->findChild<QListWidget*>(QStringLiteral("lwTurnos"));
        h.whenShown<TurnoCursoDialog>([&h](TurnoCursoDialog* tc) {
            QCOMPARE(tc->findChild<QLineEdit*>(QStringLiteral("leNombre"))->text(), QStringLiteral("Tarde"));
            tc->findChild<QLineEdit*>(QStringLiteral("leNombre"))->setText(QStringLiteral("Mañana"));
            h.answerNext(QStringLiteral("There is already another course shift with this name"), QMessageBox::Ok);
            tc->accept();
            QVERIFY(tc->isVisible());
            tc->findChild<QLineEdit*>(QStringLiteral("leNombre"))->setText(QStringLiteral("Tarde noche"));
            tc->accept();
        });
        d->editTurnoCurso(turnos->model()->index(1, 0));
        QCOMPARE(textos(turnos), QStringList({"Mañana", "Tarde noche"}));
        // a new one with a sister's name is refused too
        h.whenShown<TurnoCursoDialog>([&h](TurnoCursoDialog* tc) {
            rellenaTurnoCurso(tc, QStringLiteral("Mañana"), {QStringLiteral("M1"), QStringLiteral("L1")});
            h.answerNext(QStringLiteral("There is already another course shift with this name"), QMessageBox::Ok);
            tc->accept();
            QVERIFY(tc->isVisible());
            tc->reject();
        });
        QVERIFY(h.click("btnAddTurno"));
        d->accept();
        QVERIFY(!d->isVisible());
        QCOMPARE(count("SELECT count(*) FROM turnocurso WHERE nombre = 'Tarde noche' AND id = ?", {m_tarde}), 1);
        QCOMPARE(count("SELECT count(*) FROM turnocurso WHERE idcurso = ?", {m_bach}), 2);
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void removedShiftAndSubjectLeaveWithTheUpdate()
    {
        PageHarness h;
        QPointer<CursoDialog> d = abre(h, m_bach);
        auto* turnos = d->findChild<QListWidget*>(QStringLiteral("lwTurnos"));
        auto* asignaturas = d->findChild<QListWidget*>(QStringLiteral("lwAsignaturas"));
        turnos->setCurrentRow(0);
        QVERIFY(h.click("btnDelTurno"));
        asignaturas->setCurrentRow(1);
        QVERIFY(h.click("btnDelAsignatura"));
        QCOMPARE(textos(turnos), QStringList({"Tarde"}));
        QCOMPARE(textos(asignaturas), QStringList({"Matemáticas"}));
        QCOMPARE(count("SELECT count(*) FROM turnocurso WHERE idcurso = ?", {m_bach}), 2);
        d->accept();
        QVERIFY(!d->isVisible());
        QCOMPARE(count("SELECT count(*) FROM turnocurso WHERE idcurso = ?", {m_bach}), 1);
        QCOMPARE(count("SELECT count(*) FROM curso_asignatura WHERE idcurso = ?", {m_bach}), 1);
        QCOMPARE(count("SELECT count(*) FROM turnocurso_turnoasignatura WHERE idturnocurso = ?", {m_tarde}), 1);
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    // A subject added and removed again, alone or after a "*" shift of it was
    // chosen, leaves no member behind: Ok stores the course.
    void subjectAddedThenRemovedLeavesNoMember()
    {
        for (const bool conEstrella : {false, true}) {
            PageHarness h;
            QPointer<CursoDialog> d = abre(h, m_bach);
            auto* turnos = d->findChild<QListWidget*>(QStringLiteral("lwTurnos"));
            auto* asignaturas = d->findChild<QListWidget*>(QStringLiteral("lwAsignaturas"));
            eligeAsignatura(h, QStringLiteral("Inglés"));
            QVERIFY(h.click("btnAddAsignatura"));
            if (conEstrella) {
                h.whenShown<TurnoCursoDialog>([&h](TurnoCursoDialog* tc) {
                    estrella(h, tc, 2, QStringLiteral("I2"));
                    rellenaTurnoCurso(tc, QStringLiteral("Mañana"), {QStringLiteral("M1"), QStringLiteral("L1"),
                                                                     QStringLiteral("I2")});
                    tc->accept();
                });
                d->editTurnoCurso(turnos->model()->index(0, 0));
            }
            asignaturas->setCurrentRow(2);
            QVERIFY(h.click("btnDelAsignatura"));
            d->accept();
            QVERIFY(!d->isVisible());
            QVERIFY2(h.ok(), qPrintable(h.report()));
            QCOMPARE(count("SELECT count(*) FROM curso_asignatura WHERE idcurso = ?", {m_bach}), 2);
            QCOMPARE(count("SELECT count(*) FROM turnocurso_turnoasignatura"), 4);
            QCOMPARE(count("SELECT count(*) FROM turnoasignatura WHERE nombre = 'I2'"), 0);
        }
    }

    // Names freed in the dialog (a course shift removed or renamed) are free
    // for new course shifts; removing every stored shift keeps the course.
    void freedCourseShiftNamesAreStored()
    {
        PageHarness h;
        QPointer<CursoDialog> d = abre(h, m_bach);
        auto* turnos = d->findChild<QListWidget*>(QStringLiteral("lwTurnos"));
        turnos->setCurrentRow(0);
        QVERIFY(h.click("btnDelTurno"));
        nuevoTurnoCurso(h, QStringLiteral("Mañana"), {QStringLiteral("M2"), QStringLiteral("L1")});
        QVERIFY(h.click("btnAddTurno"));
        h.whenShown<TurnoCursoDialog>([](TurnoCursoDialog* tc) {
            tc->findChild<QLineEdit*>(QStringLiteral("leNombre"))->setText(QStringLiteral("Noche"));
            tc->accept();
        });
        d->editTurnoCurso(turnos->model()->index(0, 0));
        nuevoTurnoCurso(h, QStringLiteral("Tarde"), {QStringLiteral("M1"), QStringLiteral("L1")});
        QVERIFY(h.click("btnAddTurno"));
        QCOMPARE(textos(turnos), QStringList({"Noche", "Mañana", "Tarde"}));
        d->accept();
        QVERIFY(!d->isVisible());
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QCOMPARE(count("SELECT count(*) FROM turnocurso WHERE id = ?", {m_manana}), 0);
        QCOMPARE(count("SELECT count(*) FROM turnocurso WHERE id = ? AND nombre = 'Noche'", {m_tarde}), 1);
        QCOMPARE(count("SELECT count(*) FROM turnocurso WHERE idcurso = ? AND nombre IN ('Mañana', 'Tarde')", {m_bach}),
                 2);
        QCOMPARE(count("SELECT count(*) FROM turnocurso_turnoasignatura l JOIN turnocurso t ON t.id = l.idturnocurso "
                       "JOIN turnoasignatura ta ON ta.id = l.idturnoasignatura WHERE t.nombre = 'Mañana' AND "
                       "ta.nombre = 'M2'"),
                 1);

        // every stored shift removed, one new one: the course stays
        QPointer<CursoDialog> otro = abre(h, m_bach);
        auto* lista = otro->findChild<QListWidget*>(QStringLiteral("lwTurnos"));
        while (lista->count() > 0) {
            lista->setCurrentRow(0);
            QVERIFY(h.click("btnDelTurno"));
        }
        nuevoTurnoCurso(h, QStringLiteral("Mañana"), {QStringLiteral("M1"), QStringLiteral("L1")});
        QVERIFY(h.click("btnAddTurno"));
        otro->accept();
        QVERIFY(!otro->isVisible());
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QCOMPARE(count("SELECT count(*) FROM curso WHERE id = ?", {m_bach}), 1);
        QCOMPARE(count("SELECT count(*) FROM turnocurso WHERE idcurso = ?", {m_bach}), 1);
        QCOMPARE(count("SELECT count(*) FROM curso_asignatura WHERE idcurso = ?", {m_bach}), 2);
    }

    // "*" twice with one name in one course edit: the second is refused at
    // once and the first one serves both course shifts.
    void sameNewSubjectShiftNameIsRefused()
    {
        PageHarness h;
        QPointer<CursoDialog> d = abre(h, m_bach);
        auto* turnos = d->findChild<QListWidget*>(QStringLiteral("lwTurnos"));
        for (int fila : {0, 1}) {
            const bool segunda = fila == 1;
            h.whenShown<TurnoCursoDialog>([&h, segunda](TurnoCursoDialog* tc) {
                estrella(h, tc, 0, QStringLiteral("Serán"), segunda);
                auto* combo = tc->findChild<QComboBox*>(QStringLiteral("cbTurnoAsignatura0"));
                QCOMPARE(combo->count(), 3);
                combo->setCurrentIndex(combo->findText(QStringLiteral("Serán")));
                tc->accept();
            });
            d->editTurnoCurso(turnos->model()->index(fila, 0));
        }
        d->accept();
        QVERIFY(!d->isVisible());
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QCOMPARE(count("SELECT count(*) FROM turnoasignatura WHERE nombre = 'Serán' AND idasignatura = ?", {m_mates}), 1);
        QCOMPARE(count("SELECT count(*) FROM turnocurso_turnoasignatura l JOIN turnoasignatura ta ON "
                       "ta.id = l.idturnoasignatura WHERE ta.nombre = 'Serán'"),
                 2);
    }

    // After a refused store the "*" shifts are new again: the next Ok stores them.
    void newSubjectShiftsAreStoredAfterAFailedStore()
    {
        PageHarness h;
        QPointer<CursoDialog> d = abre(h, m_bach);
        auto* turnos = d->findChild<QListWidget*>(QStringLiteral("lwTurnos"));
        h.whenShown<TurnoCursoDialog>([&h](TurnoCursoDialog* tc) {
            estrella(h, tc, 0, QStringLiteral("M3"));
            rellenaTurnoCurso(tc, QStringLiteral("Mañana"), {QStringLiteral("M3"), QStringLiteral("L1")});
            tc->accept();
        });
        d->editTurnoCurso(turnos->model()->index(0, 0));
        QVERIFY(failInserts(QStringLiteral("turnocurso_turnoasignatura")));
        h.answerNext(QStringLiteral("The course could not be saved"), QMessageBox::Ok);
        d->accept();
        QVERIFY(d->isVisible());
        QCOMPARE(count("SELECT count(*) FROM turnoasignatura WHERE nombre = 'M3'"), 0);

        QVERIFY(exec(QStringLiteral("DROP TRIGGER fail_INSERT_turnocurso_turnoasignatura")));
        d->accept();
        QVERIFY(!d->isVisible());
        QVERIFY2(h.ok(), qPrintable(h.report()));
        QCOMPARE(count("SELECT count(*) FROM turnocurso_turnoasignatura l JOIN turnoasignatura ta ON "
                       "ta.id = l.idturnoasignatura WHERE ta.nombre = 'M3' AND l.idturnocurso = ?",
                       {m_manana}),
                 1);
    }

    // A store the database refuses is explained; the dialog stays open with
    // what was typed, nothing is kept, and a later Ok stores it whole.
    void failedStoreKeepsTheDialogOpen()
    {
        PageHarness h;
        QPointer<CursoDialog> d = abre(h);
        QVERIFY(h.type("leNombre", QStringLiteral("Ciencias")));
        eligeAsignatura(h, QStringLiteral("Matemáticas"));
        QVERIFY(h.click("btnAddAsignatura"));
        nuevoTurnoCurso(h, QStringLiteral("Mañana"), {QStringLiteral("M2")});
        QVERIFY(h.click("btnAddTurno"));
        QVERIFY(failInserts(QStringLiteral("turnocurso_turnoasignatura")));
        h.answerNext(QStringLiteral("The course could not be saved"), QMessageBox::Ok);
        d->accept();
        QVERIFY(d->isVisible());
        QCOMPARE(d->findChild<QLineEdit*>(QStringLiteral("leNombre"))->text(), QStringLiteral("Ciencias"));
        QCOMPARE(count("SELECT count(*) FROM curso WHERE nombre = 'Ciencias'"), 0);
        QCOMPARE(count("SELECT count(*) FROM turnocurso"), 2);

        QVERIFY(exec(QStringLiteral("DROP TRIGGER fail_INSERT_turnocurso_turnoasignatura")));
        d->accept();
        QVERIFY(!d->isVisible());
        QCOMPARE(count("SELECT count(*) FROM turnocurso t JOIN curso c ON c.id = t.idcurso "
                       "JOIN turnocurso_turnoasignatura l ON l.idturnocurso = t.id WHERE c.nombre = 'Ciencias'"),
                 1);
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }
};

PENSARIO_TEST_MAIN(TestCursoDialog)
#include "tst_cursodialog.moc"
