#ifndef TIMETABLESFIXTURE_H
#define TIMETABLESFIXTURE_H

#include "tst_academiafixture.h"

#include <QComboBox>
#include <QTimeEdit>
#include <QWidget>

// What the timetable tests share: a subject with two shifts taught by one
// teacher, in a fresh database.
namespace TimetablesFixture {
using namespace AcademiaFixture;

struct Academy
{
    int ingles = 0;
    int manana = 0;
    int tarde = 0;
    int marta = 0;   // teaches English
    int xoan = 0;    // teaches nothing
    int aula1 = 0;
    int aula2 = 0;
};

inline Academy smallAcademy()
{
    Academy a;
    a.ingles = asignatura(QStringLiteral("English"));
    a.manana = turno(a.ingles, QStringLiteral("Morning"));
    a.tarde = turno(a.ingles, QStringLiteral("Evening"));
    a.marta = academy::profesor(QStringLiteral("Marta"), QStringLiteral("Rey"));
    a.xoan = academy::profesor(QStringLiteral("Xoan"), QStringLiteral("Pazos"));
    academy::link(QStringLiteral("profesor_asignatura"), QStringLiteral("idprofesor"), a.marta,
                  QStringLiteral("idasignatura"), a.ingles);
    a.aula2 = aula(QStringLiteral("Room B"));
    a.aula1 = aula(QStringLiteral("Room A"));
    return a;
}

inline int sessionCount(const QString& where = QStringLiteral("1"))
{
    return academy::count(QStringLiteral("SELECT count(*) FROM sesiondeclase WHERE ") + where);
}

inline QComboBox* combo(QWidget* w, const char* name)
{
    return w->findChild<QComboBox*>(QLatin1String(name));
}

inline QTimeEdit* timeEdit(QWidget* w, const char* name)
{
    return w->findChild<QTimeEdit*>(QLatin1String(name));
}

inline bool marked(QWidget* w)
{
    return w->styleSheet().contains(QLatin1String("#FD6F73"));
}

} // namespace TimetablesFixture

#endif // TIMETABLESFIXTURE_H
