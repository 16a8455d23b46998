#ifndef ASIGNATURASALUMNODIALOG_H
#define ASIGNATURASALUMNODIALOG_H

#include "adialog.h"

#include <QList>

class Alumno;
class AsignaturasAlumnoTableModel;
class PageSession;
class QSortFilterProxyModel;

namespace Ui {
class AsignaturasAlumnoDialog;
}

// One student's sign-ups, added, edited, withdrawn and deleted inside one
// transaction that the consistency check and the user's choice end.
class AsignaturasAlumnoDialog : public ADialog
{
    Q_OBJECT

public:
    explicit AsignaturasAlumnoDialog(int idAlumno, QWidget* parent = nullptr,
                                     Qt::WindowFlags f = Qt::WindowFlags());
    ~AsignaturasAlumnoDialog() override;

public slots:
    // Closes only once the changes are saved (or there is nothing to list).
    void reject() override;
    void updateActions();
    void addSubjectRelation();
    void editSubjectRelation();
    void withdrawSubjectRelations();
    void removeSubjectRelations();

private:
    QList<int> selectedAltaIds() const;
    QString describe(int idAlta) const;
    void reportFailures(const QString& headline, const QStringList& failures);

    Ui::AsignaturasAlumnoDialog* ui;
    Alumno* m_alumno;
    AsignaturasAlumnoTableModel* m_model;
    QSortFilterProxyModel* m_proxy;
    PageSession* m_session;
};

#endif // ASIGNATURASALUMNODIALOG_H
