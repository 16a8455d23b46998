#include "transaccionopcional.h"

TransaccionOpcional::TransaccionOpcional(bool pedida)
{
    if (pedida)
        m_tx.emplace();
}

bool TransaccionOpcional::terminar(bool ok, void (*alConfirmar)())
{
    if (!propia())
        return ok;
    if (!ok) {
        m_tx->rollback();
        return false;
    }
    ok = m_tx->commit();
    if (alConfirmar)
        alConfirmar();
    return ok;
}
