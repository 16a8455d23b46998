#ifndef PAGESESSION_H
#define PAGESESSION_H

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QWidget>

#include <functional>

class EstadoAcademia;

// The status protocol of a page or dialog that edits inside one database
// transaction: the transaction is opened on entry; on leaving, the academy is
// checked and the status dialog lets the user save anyway, revert or go on
// fixing by hand. A session never commits on its own: a transaction it still
// holds when it goes is rolled back.
class PageSession : public QObject
{
    Q_OBJECT
public:
    enum class Outcome {
        Committed,    // saved (directly, or "Save anyway")
        Reverted,     // rolled back ("Revert")
        KeptOpen,     // "Fix manually" or the status dialog closed: still open
        CommitFailed, // the commit was refused: still open, the user was told
        NothingOpen,  // no transaction of this session to finish
    };
    using ShowFilter = std::function<bool(const QList<EstadoAcademia*>&)>;

    // statusMask: the status dialog's options (AppStatusDialog::Option bits).
    // owner parents the status dialog and the messages.
    PageSession(int statusMask, QWidget* owner);
    ~PageSession() override;

    // Opens the transaction. False, with a message, when it cannot be opened
    // (another one is open, or the database refuses).
    bool begin();
    bool isOpen() const { return m_open; }

    // When nothing was written since begin(), commits without asking.
    // Otherwise checks the academy and, when something is listed (and the show filter,
    // if any, agrees), runs the status dialog, which tells what these changes
    // brought from what was stored before begin(). Save anyway commits; Revert
    // rolls back and begins again when restartAfterRevert; Fix manually or
    // closing the dialog keeps the transaction open, and the lists then show
    // what it holds.
    Outcome finish(bool restartAfterRevert = false);
    // Decides from the check's results whether the status dialog opens at
    // all; when it answers false the session commits directly.
    void setShowFilter(ShowFilter shouldShow);

    // Rolls back without asking; begins again when restart.
    bool revert(bool restart);
    // Commits without the check. On failure the user is told and the
    // transaction stays open.
    bool commit();

signals:
    void committed();
    // Views reload what is stored.
    void reverted();

private:
    Outcome runStatusDialog(bool restartAfterRevert, const QList<EstadoAcademia*>& results);
    Outcome commitOrSayWhy();
    // Control goes back to the user with the transaction still open.
    void handBackOpen();

    int m_mask;
    QPointer<QWidget> m_owner;
    ShowFilter m_showFilter;
    bool m_open = false;
    // The identities of what the check found when the transaction began.
    QSet<QString> m_foundAtBegin;
};

#endif // PAGESESSION_H
