#ifndef ASIGNATURAALUMNODIALOG_H
#define ASIGNATURAALUMNODIALOG_H

#include "adialog.h"

#include <QList>

class Alta;
class Alumno;
class Asignatura;
class TurnoAsignatura;

namespace Ui {
class AsignaturaAlumnoDialog;
}

// Signs one student up in a subject shift, or edits one of the student's
// sign-ups: price from the shift and the discount, dates and comments; the
// shift's capacity is checked before the enrolment is stored.
class AsignaturaAlumnoDialog : public ADialog
{
    Q_OBJECT

public:
    AsignaturaAlumnoDialog(Alumno* alumno, QWidget* parent = nullptr,
                           Qt::WindowFlags f = Qt::WindowFlags());
    // alta is only read: the changes are written to a copy of it.
    AsignaturaAlumnoDialog(Alta* alta, Alumno* alumno, QWidget* parent = nullptr,
                           Qt::WindowFlags f = Qt::WindowFlags());
    ~AsignaturaAlumnoDialog() override;

    // The final price as it will be stored.
    double precio() const { return m_precio; }

public slots:
    void accept() override;
    void discountChanged(double descuento);
    void priceChanged(double precioBase);
    // Refuses (Rejected, with a message) when there is no subject to sign up to.
    int exec() override;
    void updateShifts(int index);
    void updatePrice(int index);
    void altaChanged();

private:
    void setUp();
    void fillFromAlta();
    bool selectShiftOf(int idTurnoAsignatura);
    bool validate();
    void setPrecio(double precio);
    Alta* buildAlta();
    bool confirmCapacity(TurnoAsignatura* turno, Alta* alta, bool* forzar);
    void reportRefusal(int code);
    TurnoAsignatura* currentShift() const;
    Asignatura* currentSubject() const;

    Ui::AsignaturaAlumnoDialog* ui;
    Alumno* m_alumno;
    Alta* m_alta = nullptr;
    QList<Asignatura*> m_asignaturas;
    QList<TurnoAsignatura*> m_turnos;
    double m_precio = 0.0;
};

#endif // ASIGNATURAALUMNODIALOG_H
