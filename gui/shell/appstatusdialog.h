#ifndef APPSTATUSDIALOG_H
#define APPSTATUSDIALOG_H

#include "adialog.h"

#include <QSet>
#include <QString>

class EstadoAcademia;

namespace Ui {
class ErrorDialog;
}

// Lists the academy's consistency results in colour and lets the user decide
// what happens to the open transaction: fix by hand, save anyway or revert.
class AppStatusDialog : public ADialog
{
    Q_OBJECT
public:
    // Bits of the option mask: which controls are offered.
    enum Option {
        OmitIgnored = 1,
        Reload = 2,
        SaveAnyway = 4,
        Revert = 8,
        FixManually = 16
    };
    // Answers of getOpcion().
    enum Answer { FixByHand = 0, Saved = 1, Reverted = 2, NothingShown = 3 };

    explicit AppStatusDialog(int options, QWidget* parent = nullptr,
                             Qt::WindowFlags f = Qt::WindowFlags());
    ~AppStatusDialog() override;

    // Lists the status; modal: runs the dialog when something was listed.
    int checkStatus(bool modal);
    // The same with the results of a check the caller has just run; the
    // results that are not faults pass to the dialog.
    int checkStatus(bool modal, const QList<EstadoAcademia*>& results);
    // The identities (EstadoAcademia::identidad()) of what was stored before
    // the changes being decided on: those findings are listed apart, and
    // only the others can keep the user from saving anyway.
    void setFoundBefore(const QSet<QString>& identities);
    int getOpcion() const;

public slots:
    void accept() override;
    void revert();
    void ignore();
    void reject() override;
    void reload();
    void omitirIgnorados(bool omitir);

private:
    void listStatus();
    void listStatus(const QList<EstadoAcademia*>& results);
    void listGroup(const QString& heading, const QList<EstadoAcademia*>& results, bool mayBlock, int& omitted);
    void appendLine(const QString& style, const QString& text);

    Ui::ErrorDialog* ui;
    int m_opcion = NothingShown;
    bool m_modeless = false;
    bool m_nothingListed = true;
    bool m_inconsistency = false;
    bool m_omitirIgnorados = false;
    bool m_knowsFoundBefore = false;
    QSet<QString> m_foundBefore;
};

#endif // APPSTATUSDIALOG_H
