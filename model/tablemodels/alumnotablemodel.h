#ifndef ALUMNOTABLEMODEL_H
#define ALUMNOTABLEMODEL_H

#include "entitytablemodel.h"

#include <QList>
#include <QPair>
#include <QString>

// What the students page shows of one student: plain values rather than a
// student object, so that thousands of rows load and go cheaply.
struct AlumnoFila
{
    int id = 0;
    QString nombre;
    QString apellidos;
    QString instituto;
    QString observaciones;
    QString dni;
    QString localidad;
    QString cp;
    QString email;
    double descuento = 0.0;
    QString banco;
    QList<QPair<QString, QString>> telefonos;
};

// The students of the students page: current, former or all of them.
class AlumnoTableModel : public EntityTableModel<AlumnoFila>
{
    Q_OBJECT

public:
    enum class Column {
        Nombre,
        Apellidos,
        Instituto,
        Observaciones,
        Dni,
        Localidad,
        Cp,
        Email,
        Descuento,
        Banco,
        Telefonos,
        Count
    };

    // The process-wide model, created on first use and never deleted.
    static AlumnoTableModel* instance();

    // Reloads the students of the current mode, phones included.
    void refresh() override;
    // The student's id behind a row, or -1.
    int getId(const QModelIndex& index) const;

    // Alumno::Modo: 0 current students, 1 former students, 2 all; takes effect at refresh().
    int modo() const { return m_modo; }
    void setModo(int modo) { m_modo = modo; }

protected:
    QVariant cell(AlumnoFila* a, const QModelIndex& index) const override;
    int rowId(const AlumnoFila* a) const override;
    void catchUp() override;

private:
    explicit AlumnoTableModel(QObject* parent = nullptr);
    // The students of the mode, or those of filtro (an SQL condition) in any mode.
    QList<AlumnoFila*> load(const QString& filtro = QString()) const;
    bool followMembership();

    int m_modo = 0;
    // what the rows' own tables held at the last whole load
    TableStamp m_rowsLoaded{{QStringLiteral("alumno"), QStringLiteral("telefonoalumno")}};
};

#endif // ALUMNOTABLEMODEL_H
