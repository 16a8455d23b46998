#ifndef SESIONDECLASECOMBOS_H
#define SESIONDECLASECOMBOS_H

#include <QList>
#include <QObject>

class ADialog;
class Asignatura;
class Aula;
class Profesor;
class QComboBox;
class SesionDeClase;
class TurnoAsignatura;

// The classroom, subject, shift and teacher combos of the class-session
// dialogs with the objects behind them: a combo's current index is the index
// into its list. Shifts and teachers follow the chosen subject.
class SesionDeClaseCombos : public QObject
{
    Q_OBJECT
public:
    SesionDeClaseCombos(QComboBox* aula, QComboBox* materia, QComboBox* turno, QComboBox* profesor,
                        QObject* parent);
    ~SesionDeClaseCombos() override;

    // Classrooms by name; the one with the id becomes current, else the first.
    void loadAulas(int idAula);
    // Subjects in their order; the one with the id becomes current (none: -1).
    void loadAsignaturas(int idAsignatura);
    void selectTurno(int idTurno);
    // -1 (nothing chosen) when the teacher is not among the subject's.
    void selectProfesor(int idProfesor);

    // Marks every combo without a current entry; true when all four have one.
    bool validate(ADialog* dialog) const;
    // Classroom, shift and teacher of the current entries.
    void applyTo(SesionDeClase* sesion) const;

public slots:
    // The subject combo's current index changed.
    void updateCombos(int index);

private:
    void clearTurnosYProfesores();

    QComboBox* m_cmbAula;
    QComboBox* m_cmbMateria;
    QComboBox* m_cmbTurno;
    QComboBox* m_cmbProfesor;
    QList<Aula*> m_aulas;
    QList<Asignatura*> m_asignaturas;
    QList<TurnoAsignatura*> m_turnos;
    QList<Profesor*> m_profesores;
};

#endif // SESIONDECLASECOMBOS_H
