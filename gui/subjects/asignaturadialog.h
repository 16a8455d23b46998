#ifndef ASIGNATURADIALOG_H
#define ASIGNATURADIALOG_H

#include "adialog.h"

#include <QList>
#include <QString>

#include <memory>

class Asignatura;
class EstadoAcademia;
class PageSession;
class Profesor;
class TurnoAsignatura;

namespace Ui {
class AsignaturaDialog;
}

// Creates or edits a subject with its shifts and teachers inside one
// transaction, opened when the dialog is built: OK writes and, through the
// consistency check, commits; Cancel takes everything back.
class AsignaturaDialog : public ADialog
{
    Q_OBJECT
public:
    explicit AsignaturaDialog(QWidget* parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());
    ~AsignaturaDialog() override;

    // The dialog takes the subject.
    void setAsignatura(Asignatura* asignatura);
    Asignatura* asignatura() const { return m_asignatura; }

public slots:
    void accept() override;
    void showTurnoAsignaturaDialog();
    void updateTurnoAsignaturaDialog();
    void deleteTurnoAsignatura();
    void deleteProfesor();
    void showSelectProfesorDialog();
    void reject() override;

private:
    // What the user entered, kept apart from the subject object, whose ids a
    // write changes and a rollback does not give back.
    struct Borrador
    {
        struct Turno
        {
            int id;
            QString nombre;
            double precio;
            double sueldoPorAlta;
        };
        struct Profe
        {
            int id;
            // Everything about the teacher, to store it again when its row
            // existed only in a transaction that was taken back.
            std::shared_ptr<Profesor> copia;
        };
        int id = 0;
        QString nombre;
        QString descripcion;
        double precio = 0;
        int edad = 0;
        QList<Turno> turnos;
        QList<Profe> profesores;
    };
    enum class Estado { Cerrar, SeguirAbierto };

    void copyFormToAsignatura();
    void fillTables();
    // The shifts on show: a removed stored shift stays in the subject's list
    // until the subject is written.
    QList<TurnoAsignatura*> turnosVisibles();
    TurnoAsignatura* selectedTurno();
    Borrador borrador();
    // A fresh subject object: the stored state of the open transaction
    // changed to what the draft says (anything the database lacks is new).
    void rebuild(const Borrador& b);
    static Profesor* profesorDelBorrador(const Borrador::Profe& x, QObject* parent);
    bool write(const Borrador& antes);
    static bool statusDialogWanted(const QList<EstadoAcademia*>& resultados);
    Estado runStatusProtocol(const Borrador& antes);
    bool confirm(const QString& title, const QString& text);

    Ui::AsignaturaDialog* ui;
    Asignatura* m_asignatura = nullptr;
    QList<int> m_turnosBorrados;
    PageSession* m_session;
    bool m_statusWanted = false;
};

#endif // ASIGNATURADIALOG_H
