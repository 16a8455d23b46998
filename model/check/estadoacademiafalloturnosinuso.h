#ifndef ESTADOACADEMIAFALLOTURNOSINUSO_H
#define ESTADOACADEMIAFALLOTURNOSINUSO_H

#include "estadoacademiafallo.h"

// A subject shift with no class session.
class EstadoAcademiaFalloTurnoSinUso : public EstadoAcademiaFallo
{
public:
    EstadoAcademiaFalloTurnoSinUso(int idTurnoAsignatura, const QString& nombreTurno, const QString& nombreAsignatura);

    EstadoAcademia* clonar() const override;

    int tipoFallo() const override;
    QString descripcion() const override;
    int idTurnoAsignatura() const;

protected:
    QList<int> claves() const override;

private:
    int m_idTurnoAsignatura;
    QString m_nombreTurno;
    QString m_nombreAsignatura;
};

#endif // ESTADOACADEMIAFALLOTURNOSINUSO_H
