#ifndef TRANSACCIONOPCIONAL_H
#define TRANSACCIONOPCIONAL_H

#include "daotransaction.h"

#include <optional>

// A shift is written either on its own, in a transaction when the caller asks
// for one, or as part of its owner's write (a subject or course storing its
// shifts), inside the owner's transaction. Only a transaction opened here is
// ended here; a joined one is left to its opener.
class TransaccionOpcional
{
public:
    explicit TransaccionOpcional(bool pedida);

    // True when a transaction of its own was asked for and opened.
    bool propia() const { return m_tx && m_tx->owns(); }

    // Own transaction: rolls back and answers false when !ok; otherwise
    // commits, then calls alConfirmar (when given) and answers the commit.
    // Without one: answers ok, touching nothing.
    bool terminar(bool ok, void (*alConfirmar)() = nullptr);

private:
    std::optional<DaoTransaction> m_tx;
};

#endif // TRANSACCIONOPCIONAL_H
