#ifndef ESTADOACADEMIAFALLOAFORO_H
#define ESTADOACADEMIAFALLOAFORO_H

#include "estadoacademiafallo.h"

// A class session whose shift has more students than its classroom holds.
class EstadoAcademiaFalloAforo : public EstadoAcademiaFallo
{
public:
    EstadoAcademiaFalloAforo(int exceso, int idAula, const QString& nombreAula, int idSesion, int diaSemana,
                             int minutoInicio);

    EstadoAcademia* clonar() const override;

    int tipoFallo() const override;
    QString descripcion() const override;
    int exceso() const;
    int idAula() const;
    int idSesion() const;

protected:
    // The excess is left out on purpose: a fault stays the same while it grows or shrinks.
    QList<int> claves() const override;

private:
    int m_exceso;
    int m_idAula;
    QString m_nombreAula;
    int m_idSesion;
    int m_diaSemana;
    int m_minutoInicio;
};

#endif // ESTADOACADEMIAFALLOAFORO_H
