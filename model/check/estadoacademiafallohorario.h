#ifndef ESTADOACADEMIAFALLOHORARIO_H
#define ESTADOACADEMIAFALLOHORARIO_H

#include "estadoacademiafallo.h"

// A class session that starts before opening time or ends after closing time.
class EstadoAcademiaFalloHorario : public EstadoAcademiaFallo
{
public:
    EstadoAcademiaFalloHorario(int idSesion, int diaSemana, int minutoInicio);

    EstadoAcademia* clonar() const override;

    int tipoFallo() const override;
    // Names the opening hours configured when it is asked, as the check does.
    QString descripcion() const override;
    int idSesion() const;

protected:
    QList<int> claves() const override;

private:
    int m_idSesion;
    int m_diaSemana;
    int m_minutoInicio;
};

#endif // ESTADOACADEMIAFALLOHORARIO_H
