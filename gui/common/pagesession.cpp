#include "pagesession.h"

#include "academia.h"
#include "appstatusdialog.h"
#include "changenotifier.h"
#include "aprompter.h"
#include "dao.h"
#include "estadoacademia.h"

#include <QCoreApplication>
#include <QScopedPointer>

PageSession::PageSession(int statusMask, QWidget* owner)
    : QObject(owner), m_mask(statusMask), m_owner(owner)
{
}

PageSession::~PageSession()
{
    if (m_open) {
        qWarning("PageSession: rolling back a transaction nobody finished");
        Academia::rollback();
    }
}

bool PageSession::begin()
{
    if (m_open)
        return true;
    if (Dao::getInstance()->inTransaction() || !Academia::transaction()) {
        APrompter::warning(QCoreApplication::applicationName(),
                           tr("The changes cannot be started.\n"
                              "Another change is still pending, or the database refuses to start one."));
        return false;
    }
    m_open = true;
    // what is stored now, to tell at the end what these changes brought
    m_foundAtBegin = Academia::identidadesEstado();
    return true;
}

void PageSession::setShowFilter(ShowFilter shouldShow)
{
    m_showFilter = std::move(shouldShow);
}

PageSession::Outcome PageSession::finish(bool restartAfterRevert)
{
    if (!m_open)
        return Outcome::NothingOpen;
    // Nothing written since the transaction began: there is nothing to save
    // or revert, and faults already stored must not keep the user from
    // leaving (those that can only be mended in another section included).
    if (!ChangeNotifier::instance()->wroteInTransaction())
        return commitOrSayWhy();
    if (!m_showFilter)
        return runStatusDialog(restartAfterRevert, Academia::comprobarEstado());
    // the filter and the dialog look at one and the same check
    const QList<EstadoAcademia*> results = Academia::comprobarEstado();
    if (m_showFilter(results))
        return runStatusDialog(restartAfterRevert, results);
    // faults stay with the academy services; the rest is the caller's
    for (EstadoAcademia* result : results) {
        if (result->tipo() != EstadoAcademia::Fallo)
            delete result;
    }
    return commitOrSayWhy();
}

PageSession::Outcome PageSession::runStatusDialog(bool restartAfterRevert,
                                                  const QList<EstadoAcademia*>& results)
{
    QScopedPointer<AppStatusDialog> dialog(new AppStatusDialog(m_mask, m_owner));
    dialog->setFoundBefore(m_foundAtBegin);
    dialog->checkStatus(true, results);
    switch (dialog->getOpcion()) {
    case AppStatusDialog::Saved:
    case AppStatusDialog::NothingShown:
        return commitOrSayWhy();
    case AppStatusDialog::Reverted:
        revert(restartAfterRevert);
        return Outcome::Reverted;
    default:
        handBackOpen();
        return Outcome::KeptOpen;
    }
}

void PageSession::handBackOpen()
{
    // The lists show the work in progress while the user goes on with it.
    ChangeNotifier::instance()->announce();
}

PageSession::Outcome PageSession::commitOrSayWhy()
{
    return commit() ? Outcome::Committed : Outcome::CommitFailed;
}

bool PageSession::commit()
{
    if (!m_open)
        return false;
    if (!Academia::commit()) {
        // a refused commit may have ended the transaction in SQLite already
        m_open = Dao::getInstance()->inTransaction();
        APrompter::critical(QCoreApplication::applicationName(),
                            m_open ? tr("The changes could not be saved.\n"
                                        "They are still pending: try again, or revert them.")
                                   : tr("The changes could not be saved.\n"
                                        "The database took them back."));
        if (m_open)
            handBackOpen();
        else
            emit reverted();
        return false;
    }
    m_open = false;
    emit committed();
    return true;
}

bool PageSession::revert(bool restart)
{
    if (!m_open)
        return false;
    const bool rolledBack = Academia::rollback();
    m_open = Dao::getInstance()->inTransaction();
    emit reverted();
    if (restart && !m_open)
        begin();
    return rolledBack;
}
