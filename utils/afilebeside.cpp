#include "afilebeside.h"

#include <QDebug>
#include <QFile>
#include <QTemporaryFile>

#include <cstdio>

AFileBeside::AFileBeside(const QString& target)
    : m_target(target)
{
    QTemporaryFile beside(target + QStringLiteral(".XXXXXX"));
    beside.setAutoRemove(false);
    if (!beside.open()) {
        qWarning() << "Error opening the file " << target << " in write only mode" << beside.error()
                   << beside.errorString();
        return;
    }
    // Only the name is kept: the writer creates the file anew, with the
    // permissions any new file of the user gets.
    m_written = beside.fileName();
    beside.remove();
}

AFileBeside::~AFileBeside()
{
    discard();
}

bool AFileBeside::commit()
{
    if (m_written.isEmpty())
        return false;
    if (QFile::exists(m_written)
        && std::rename(QFile::encodeName(m_written).constData(), QFile::encodeName(m_target).constData()) == 0) {
        m_written.clear();
        return true;
    }
    qWarning() << "Couldn't move the written file to" << m_target;
    discard();
    return false;
}

void AFileBeside::discard()
{
    if (m_written.isEmpty())
        return;
    QFile::remove(m_written);
    m_written.clear();
}
