#ifndef ACADEMYGENERATOR_H
#define ACADEMYGENERATOR_H

#include <QDate>
#include <QString>

// Builds a deterministic synthetic academy in the open database through the
// program's own classes: the same size always gives the same academy (apart
// from dates, which follow today so that the bills cover the last twelve
// months). Everything is written inside one transaction.
class AcademyGenerator
{
public:
    struct Sizes {
        int alumnos = 0;
        int asignaturas = 0;
        int turnos = 0;
        int sesiones = 0;
        int altas = 0;
        int profesores = 0;
        int aulas = 0;
        int cursos = 0;
        int mesesRecibos = 12;
    };

    // What was written, counted as it was stored.
    struct Counts {
        int alumnos = 0;
        int asignaturas = 0;
        int turnos = 0;
        int sesiones = 0;
        int altas = 0;
        int profesores = 0;
        int aulas = 0;
        int cursos = 0;
        int turnosCurso = 0;
        int recibos = 0;
    };

    // 5,000 students give 500 subject shifts, 1,500 weekly sessions, 12,000
    // enrolments and 60,000 bills; smaller and larger academies scale alike.
    static Sizes sizesFor(int alumnos);

    // Opening hours the sessions keep to; written to the settings as well.
    static constexpr int kHoraApertura = 9;
    static constexpr int kHoraCierre = 22;

    // Every student has one enrolment running since before the first billed
    // month, so each month (the current one included) bills every student.
    bool generate(const Sizes& sizes, Counts* counts, QString* error);

    // Whether every stored student's and teacher's account and e-mail pass
    // the dialogs' validators, so that the academy can be edited as stored.
    static bool editableAsStored();

    // First day of the oldest billed month.
    static QDate primerMesFacturado();
};

#endif // ACADEMYGENERATOR_H
