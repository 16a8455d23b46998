#include "estadoacademiafallo.h"

#include <QStringList>

int EstadoAcademiaFallo::tipo() const
{
    return Fallo;
}

bool EstadoAcademiaFallo::isIgnorado() const
{
    return m_ignorado;
}

void EstadoAcademiaFallo::setIgnorado(bool ignorado)
{
    m_ignorado = ignorado;
}

bool EstadoAcademiaFallo::mismoFallo(const EstadoAcademiaFallo* a, const EstadoAcademiaFallo* b)
{
    if (!a || !b || a->tipoFallo() != b->tipoFallo())
        return false;
    const QList<int> clavesA = a->claves();
    const QList<int> clavesB = b->claves();
    if (clavesA.isEmpty() || clavesA.size() != clavesB.size())
        return false;
    for (int i = 0; i < clavesA.size(); ++i) {
        if (clavesA.at(i) <= 0 || clavesA.at(i) != clavesB.at(i))
            return false;
    }
    return true;
}

QString EstadoAcademiaFallo::claveIdentidad() const
{
    QStringList partes{QString::number(tipoFallo())};
    for (int clave : claves())
        partes << QString::number(clave);
    return partes.join(QLatin1Char(','));
}
