#ifndef SELECTOBJETOSDIALOG_H
#define SELECTOBJETOSDIALOG_H

#include <QDialog>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace Ui {
class SelectObjetosDialog;
}

// Base of the pickers: a filterable list of names on the left, the details of
// the current one on the right and a button that creates a new record.
class SelectObjetosDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SelectObjetosDialog(QWidget* parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());
    ~SelectObjetosDialog() override;

public slots:
    virtual void showDetails(int row) = 0;
    virtual void addObjeto() = 0;
    virtual void aplicaFiltro(const QString& filtro);

protected:
    void setObjetos(const QStringList& nombres);
    // Labels are the program's own texts; values are escaped here.
    void muestraDetalles(const QList<QPair<QString, QString>>& detalles);
    void setTextoBotonNuevo(const QString& texto);
    // The selected row, or -1.
    int selectedRow() const;

private:
    Ui::SelectObjetosDialog* ui;
    // the last filter and each name, folded (ATextFilter::fold)
    QString m_ultimoFiltro;
    QStringList m_claves;
};

#endif // SELECTOBJETOSDIALOG_H
