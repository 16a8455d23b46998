#ifndef CURSOSWIDGET_H
#define CURSOSWIDGET_H

#include "centralwidget.h"

#include <QDate>
#include <QList>
#include <functional>

class Listado;
class PrintUtils;
class QPrinter;
class ASortFilterProxyModel;
class TurnoCurso;

namespace Ui {
class CursosWidget;
}

// The "Courses" section: every course shift with its course, the course
// dialog for new and edited courses, and the printed student listings of the
// selected course shifts.
class CursosWidget : public CentralWidget
{
    Q_OBJECT
public:
    explicit CursosWidget(QWidget* parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());
    ~CursosWidget() override;

    void listadoAlumnos(bool conImportes);
    void listadoAltas(QDate desde, QDate hasta);
    void listadoBajas(QDate desde, QDate hasta);
    // Previews the listings joined into one paged document, each on a page
    // of its own; the listings stay the caller's.
    void showListados(QList<Listado*> listados);
    // The listing page template around the content.
    static QString htmlPage(const QString& content);
    // The joined document of showListados(), or null for no listings.
    static PrintUtils* documentoListados(const QList<Listado*>& listados);

public slots:
    void showCursoDialog();
    void deleteTurnoCurso();
    void updateCurso();
    void updateActions();
    void saveListAs();
    void slotHtmlListAlumno();
    void printList();

protected:
    // Runs the modal print preview of a joined listing document.
    virtual void preview(PrintUtils* documento, QPrinter* printer);

private:
    QList<int> selectedIds() const;
    void listados(const std::function<Listado*(TurnoCurso*)>& listadoDe);

    Ui::CursosWidget* ui;
    ASortFilterProxyModel* m_proxy = nullptr;
};

#endif // CURSOSWIDGET_H
