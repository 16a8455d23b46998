#ifndef SELECTPROFESORDIALOG_H
#define SELECTPROFESORDIALOG_H

#include "selectobjetosdialog.h"

class Profesor;

// Picks one stored teacher, offering only those not in the exclusion list.
// The chosen teacher belongs to the caller once objetoSeleccionado() hands it over.
class SelectProfesorDialog : public SelectObjetosDialog
{
    Q_OBJECT
public:
    explicit SelectProfesorDialog(const QList<Profesor*>& excluidos, QWidget* parent = nullptr,
                                  Qt::WindowFlags f = Qt::WindowFlags());

    void cargarObjetos();
    Profesor* objetoSeleccionado();

public slots:
    void showDetails(int row) override;
    void accept() override;
    void addObjeto() override;

private:
    QList<Profesor*> m_objetos;
    QList<int> m_idsExcluidos;
};

#endif // SELECTPROFESORDIALOG_H
