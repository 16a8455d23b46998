#ifndef SESIONDECLASE_H
#define SESIONDECLASE_H

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

class Aula;
class Profesor;
class QSqlQuery;
class TurnoAsignatura;

// One weekly class of a subject shift. Times are minutes after midnight,
// weekdays 1 (Monday) to 7 (Sunday). Related objects are loaded on every call
// of their accessor and belong to the caller.
class SesionDeClase : public QObject
{
    Q_OBJECT

public:
    static const QString TABLE;
    static const QStringList COLUMNS;

    explicit SesionDeClase(QObject* parent = nullptr);
    SesionDeClase(int id, QObject* parent = nullptr);

    int getId() const { return m_id; }
    int getMinutoInicio() const { return m_minutoInicio; }
    int getMinutoFin() const { return m_minutoFin; }
    int getDiaSemana() const { return m_diaSemana; }
    int getIdAula() const { return m_idAula; }
    // 0 when the session has no teacher
    int getIdProfesor() const { return m_idProfesor; }
    int getIdTurnoAsignatura() const { return m_idTurnoAsignatura; }

    int getHoraInicio() const { return m_minutoInicio / 60; }
    int getMinutoHoraInicio() const { return m_minutoInicio % 60; }
    int getHoraFin() const { return m_minutoFin / 60; }
    int getMinutoHoraFin() const { return m_minutoFin % 60; }
    int getDuracion() const { return m_minutoFin - m_minutoInicio; }

    void setInicio(int hora, int minuto) { m_minutoInicio = hora * 60 + minuto; }
    void setFin(int hora, int minuto) { m_minutoFin = hora * 60 + minuto; }
    void setDiaSemana(int dia) { m_diaSemana = dia; }
    void setIdAula(int idAula) { m_idAula = idAula; }
    void setIdProfesor(int idProfesor) { m_idProfesor = idProfesor; }
    void setIdTurnoAsignatura(int idTurnoAsignatura) { m_idTurnoAsignatura = idTurnoAsignatura; }

    TurnoAsignatura* getTurnoAsignatura() const;
    Aula* getAula() const;
    Profesor* getProfesor() const;

    static SesionDeClase* fromQuery(QSqlQuery& query);
    static SesionDeClase* getFromDB(int id);
    // All lists are ordered by weekday, then start.
    static QList<SesionDeClase*> listAll();
    static QList<SesionDeClase*> listByDiaSemana(int dia);
    static QList<SesionDeClase*> listByAula(int idAula);
    static QList<SesionDeClase*> listByTurnoAsignatura(int idTurno);
    // True as soon as the teacher has a session in one of the shifts.
    static bool profesorTieneSesiones(const QList<int>& idsTurnos, int idProfesor);
    static bool desasignarProfesor(int idTurnoAsignatura, int idProfesor);

    bool persist();
    // False also when no stored session has this id (removed meanwhile).
    bool update();
    bool remove();

private:
    static QList<SesionDeClase*> listWhere(const QString& where, const QList<QVariant>& values);
    QList<QVariant> fieldValues() const;

    int m_id = 0;
    int m_minutoInicio = 0;
    int m_minutoFin = 0;
    int m_diaSemana = 0;
    int m_idAula = 0;
    int m_idProfesor = 0;
    int m_idTurnoAsignatura = 0;
};

#endif // SESIONDECLASE_H
