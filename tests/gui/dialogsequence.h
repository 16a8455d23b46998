#ifndef DIALOGSEQUENCE_H
#define DIALOGSEQUENCE_H

#include "academyfixture.h"
#include "modalsteps.h"
#include "scriptedprompter.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTest>

#include <random>

// An empty academy for the next sequence: the database is made once per
// process, without waiting for the disk; later sequences empty its tables,
// which costs far less than a new database each time.
inline bool emptyAcademy()
{
    static bool made = false;
    if (Dao::getInstance()->inTransaction())
        Dao::getInstance()->rollback();
    if (!made) {
        made = academy::openFreshDatabase() && academy::exec(QStringLiteral("PRAGMA synchronous = OFF"));
        return made;
    }
    for (const char* table : {"alta", "telefonoalumno", "recibo", "alumno", "sesiondeclase",
                              "turnocurso_turnoasignatura", "turnocurso", "curso_asignatura", "curso",
                              "profesor_asignatura", "telefonoprofesor", "profesor", "turnoasignatura",
                              "asignatura", "aula"}) {
        if (!academy::exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table))))
            return false;
    }
    return true;
}

// One seeded random sequence of a user's steps in an editing dialog, checked
// against what the user expects to see after every step and against what is
// stored after the final OK. Subclasses build the academy, open the dialog,
// take the steps and say how what is shown differs from what is expected.
template <typename Dialog>
class DialogSequence
{
public:
    explicit DialogSequence(unsigned seed)
        : m_random(seed)
    {
    }
    virtual ~DialogSequence() = default;

    // Empty when the sequence went as expected; else what went wrong, after which steps.
    QString run()
    {
        if (!buildAcademy())
            return QStringLiteral("the academy could not be built");
        ScriptedPrompter prompter;
        m_prompter = &prompter;
        QPointer<Dialog> guard(open());
        m_dialog = guard;
        guard->show();
        const int pasos = 3 + pick(9);
        for (int i = 0; i < pasos && m_error.isEmpty(); ++i) {
            step();
            check(QStringLiteral("step %1").arg(i));
        }
        if (m_error.isEmpty())
            finish();
        m_prompter = nullptr;
        if (guard)
            guard->reject();
        delete guard.data();
        return m_error;
    }

protected:
    virtual bool buildAcademy() = 0;
    virtual Dialog* open() = 0;
    virtual void step() = 0;
    // Completes what the user must before OK, presses it and checks what is stored.
    virtual void finish() = 0;
    // Empty when the open dialog shows what the user expects.
    virtual QString shownDiffers() = 0;

    int pick(int n) { return int(m_random() % unsigned(n)); }

    // Every expected dialog showed, nothing unexpected was asked, and the
    // dialog shows what the user expects.
    void check(const QString& when)
    {
        if (!m_modals.settle())
            return fail(when + QStringLiteral(": an expected dialog did not show"));
        if (!m_prompter->allAnswered())
            return fail(when + QStringLiteral(": ") + m_prompter->problems().join(QLatin1Char(' ')));
        if (m_dialog && m_dialog->isVisible()) {
            const QString differs = shownDiffers();
            if (!differs.isEmpty())
                fail(when + QStringLiteral(": ") + differs);
        }
    }

    void fail(const QString& what)
    {
        if (m_error.isEmpty())
            m_error = what + QStringLiteral(" after: ") + m_log.join(QStringLiteral("; "));
    }

    std::mt19937 m_random;
    ModalSteps m_modals;
    ScriptedPrompter* m_prompter = nullptr;
    QPointer<Dialog> m_dialog;
    QStringList m_log;
    QString m_error;
};

// Runs the sequences of seeds 1 to count: the test fails with the first
// failure, named by its seed; how long they took goes to the log.
template <typename Sequence>
void verifyEverySequence(unsigned count)
{
    QElapsedTimer clock;
    clock.start();
    QString failure;
    for (unsigned seed = 1; seed <= count && failure.isEmpty(); ++seed) {
        const QString error = Sequence(seed).run();
        if (!error.isEmpty())
            failure = QStringLiteral("seed %1: %2").arg(seed).arg(error);
    }
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    qInfo() << count << "sequences in" << clock.elapsed() << "ms";
}

#endif // DIALOGSEQUENCE_H
