#ifndef ESTADOACADEMIAINCONSISTENCIA_H
#define ESTADOACADEMIAINCONSISTENCIA_H

#include "estadoacademia.h"

// A finding that must be corrected before the changes can be kept.
class EstadoAcademiaInconsistencia : public EstadoAcademia
{
public:
    EstadoAcademiaInconsistencia(const QString& mensaje, bool esSolapamiento);

    EstadoAcademia* clonar() const override;

    int tipo() const override;
    QString descripcion() const override;
    bool esSolapamiento() const;

private:
    QString m_mensaje;
    bool m_esSolapamiento;
};

#endif // ESTADOACADEMIAINCONSISTENCIA_H
