#ifndef CONFIGURATIONDIALOG_H
#define CONFIGURATIONDIALOG_H

#include "adialog.h"

#include <QList>

class QMenu;

namespace Ui {
class ConfigurationDialog;
}

// Sets up the academy: its data, office and opening hours, logo, classrooms,
// billing options, teachers' payment methods and the database password.
class ConfigurationDialog : public ADialog
{
    Q_OBJECT
public:
    explicit ConfigurationDialog(QWidget* parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());
    ~ConfigurationDialog() override;

    // True when a new logo was chosen while the dialog was open.
    bool logoChanged() const;
    void fillSeriesCombo();

signals:
    void horarioShouldRefresh();

public slots:
    void accept() override;
    bool cambiaPassword();
    void setLogo();
    void nuevaSerie();
    void eliminarSeriesVacias();
    void addAula();
    void removeAulas();
    void fillClassroomTable();
    bool validateClassrooms();
    bool saveAulas();
    void sortColumn(int column);
    void showContextMenu(const QPoint& point);
    void secretariaTime();

private:
    void loadValues();
    // Runs the consistency check: does any class session lie outside the opening hours?
    bool sessionsOutsideOpeningHours();
    void restoreClassroomSort();
    // False, with a message, while another transaction is open.
    bool noChangesPending();
    // Writes the classroom table in the dialog's own transaction.
    bool writeAulas();
    // A failed save: the transaction was taken back, nothing was stored.
    void reportClassroomFailure();
    void reportSaveFailure(const QString& headline, const QString& nothingStored);
    QString title() const;

    Ui::ConfigurationDialog* ui;
    bool m_logoChanged = false;
    QList<int> m_aulasToDelete;
    // The series the combo offers as current; stored only by accept().
    QString m_serie;
    QMenu* m_classroomMenu = nullptr;
};

#endif // CONFIGURATIONDIALOG_H
