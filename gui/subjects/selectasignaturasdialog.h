#ifndef SELECTASIGNATURASDIALOG_H
#define SELECTASIGNATURASDIALOG_H

#include "selectobjetosdialog.h"

class Asignatura;

// Picks one stored subject, offering only those not in the exclusion list.
// The chosen subject belongs to the caller once objetoSeleccionado() hands it over.
class SelectAsignaturasDialog : public SelectObjetosDialog
{
    Q_OBJECT
public:
    explicit SelectAsignaturasDialog(const QList<Asignatura*>& excluidas, QWidget* parent = nullptr,
                                     Qt::WindowFlags f = Qt::WindowFlags());

    void cargarObjetos();
    Asignatura* objetoSeleccionado();

public slots:
    void showDetails(int row) override;
    void accept() override;
    void addObjeto() override;

private:
    QList<Asignatura*> m_objetos;
    QList<int> m_idsExcluidos;
};

#endif // SELECTASIGNATURASDIALOG_H
