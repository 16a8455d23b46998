#ifndef ESTADOACADEMIAFALLO_H
#define ESTADOACADEMIAFALLO_H

#include "estadoacademia.h"

#include <QList>

// A finding the user may accept. Faults are recognised across checks by their
// kind and the ids of the entities they name (mismoFallo).
class EstadoAcademiaFallo : public EstadoAcademia
{
public:
    enum TipoFallo {
        SinProfesor = 0,
        Aforo = 1,
        FueraDeHorario = 2,
        TurnoSinSesiones = 3,
        TurnoNoAsignado = 4,
        AsignaturaDoble = 5
    };

    int tipo() const override;
    virtual int tipoFallo() const = 0;

    bool isIgnorado() const;
    void setIgnorado(bool ignorado);

    static bool mismoFallo(const EstadoAcademiaFallo* a, const EstadoAcademiaFallo* b);

protected:
    EstadoAcademiaFallo() = default;
    // The ids that identify the fault, in a fixed order per kind. An id that
    // is not known (0 or less) makes the fault equal to no other.
    virtual QList<int> claves() const = 0;
    QString claveIdentidad() const override;

private:
    bool m_ignorado = false;
};

#endif // ESTADOACADEMIAFALLO_H
