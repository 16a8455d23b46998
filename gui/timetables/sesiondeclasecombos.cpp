#include "sesiondeclasecombos.h"

#include "adialog.h"
#include "asignatura.h"
#include "aula.h"
#include "profesor.h"
#include "sesiondeclase.h"
#include "turnoasignatura.h"

#include <QComboBox>

namespace {

template<typename T, typename IdOf>
int indexOfId(const QList<T*>& list, int id, IdOf idOf)
{
    for (int i = 0; i < list.size(); ++i)
        if (idOf(list.at(i)) == id)
            return i;
    return -1;
}

} // namespace

SesionDeClaseCombos::SesionDeClaseCombos(QComboBox* aula, QComboBox* materia, QComboBox* turno,
                                         QComboBox* profesor, QObject* parent)
    : QObject(parent)
    , m_cmbAula(aula)
    , m_cmbMateria(materia)
    , m_cmbTurno(turno)
    , m_cmbProfesor(profesor)
{
}

SesionDeClaseCombos::~SesionDeClaseCombos()
{
    qDeleteAll(m_aulas);
    qDeleteAll(m_asignaturas);
    qDeleteAll(m_turnos);
    qDeleteAll(m_profesores);
}

void SesionDeClaseCombos::loadAulas(int idAula)
{
    m_aulas = Aula::list();
    for (const Aula* aula : std::as_const(m_aulas))
        m_cmbAula->addItem(aula->nombre());
    const int index = indexOfId(m_aulas, idAula, [](const Aula* a) { return a->id(); });
    if (index >= 0)
        m_cmbAula->setCurrentIndex(index);
}

void SesionDeClaseCombos::loadAsignaturas(int idAsignatura)
{
    connect(m_cmbMateria, &QComboBox::currentIndexChanged, this, &SesionDeClaseCombos::updateCombos);
    m_asignaturas = Asignatura::list();
    for (const Asignatura* asignatura : std::as_const(m_asignaturas))
        m_cmbMateria->addItem(asignatura->nombre());
    m_cmbMateria->setCurrentIndex(
        indexOfId(m_asignaturas, idAsignatura, [](const Asignatura* a) { return a->id(); }));
}

void SesionDeClaseCombos::selectTurno(int idTurno)
{
    const int index = indexOfId(m_turnos, idTurno, [](const TurnoAsignatura* t) { return t->getId(); });
    if (index >= 0)
        m_cmbTurno->setCurrentIndex(index);
}

void SesionDeClaseCombos::selectProfesor(int idProfesor)
{
    m_cmbProfesor->setCurrentIndex(indexOfId(m_profesores, idProfesor, [](const Profesor* p) { return p->id(); }));
}

void SesionDeClaseCombos::updateCombos(int index)
{
    clearTurnosYProfesores();
    if (index < 0 || index >= m_asignaturas.size())
        return;
    const int idAsignatura = m_asignaturas.at(index)->id();
    m_turnos = TurnoAsignatura::listByAsignatura(idAsignatura);
    for (const TurnoAsignatura* turno : std::as_const(m_turnos))
        m_cmbTurno->addItem(turno->getNombre());
    m_profesores = Profesor::getByAsignatura(idAsignatura);
    for (const Profesor* profesor : std::as_const(m_profesores))
        m_cmbProfesor->addItem(profesor->apodo());
}

void SesionDeClaseCombos::clearTurnosYProfesores()
{
    m_cmbTurno->clear();
    qDeleteAll(m_turnos);
    m_turnos.clear();
    m_cmbProfesor->clear();
    qDeleteAll(m_profesores);
    m_profesores.clear();
}

bool SesionDeClaseCombos::validate(ADialog* dialog) const
{
    bool valid = true;
    for (QComboBox* combo : {m_cmbAula, m_cmbMateria, m_cmbTurno, m_cmbProfesor}) {
        if (combo->currentIndex() < 0) {
            dialog->markInvalid(combo);
            valid = false;
        }
    }
    return valid;
}

void SesionDeClaseCombos::applyTo(SesionDeClase* sesion) const
{
    sesion->setIdAula(m_aulas.at(m_cmbAula->currentIndex())->id());
    sesion->setIdTurnoAsignatura(m_turnos.at(m_cmbTurno->currentIndex())->getId());
    sesion->setIdProfesor(m_profesores.at(m_cmbProfesor->currentIndex())->id());
}
