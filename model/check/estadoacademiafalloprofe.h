#ifndef ESTADOACADEMIAFALLOPROFE_H
#define ESTADOACADEMIAFALLOPROFE_H

#include "estadoacademiafallo.h"

// A class session with students signed up in its shift and no teacher.
class EstadoAcademiaFalloProfe : public EstadoAcademiaFallo
{
public:
    EstadoAcademiaFalloProfe(int idSesion, int diaSemana, int minutoInicio, const QString& nombreAula);

    EstadoAcademia* clonar() const override;

    int tipoFallo() const override;
    QString descripcion() const override;
    int idSesion() const;

protected:
    QList<int> claves() const override;

private:
    int m_idSesion;
    int m_diaSemana;
    int m_minutoInicio;
    QString m_nombreAula;
};

#endif // ESTADOACADEMIAFALLOPROFE_H
