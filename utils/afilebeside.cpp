#include "afilebeside.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr int kTries = 100;
constexpr qint64 kTail = 1024;

// ".name.XXXXXX.part": hidden, and never taken for a file the program wrote.
QString besideName(const QFileInfo& target)
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString random;
    for (int i = 0; i < 6; ++i)
        random += QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof(letters) - 1))]);
    return target.absoluteDir().filePath(QLatin1Char('.') + target.fileName() + QLatin1Char('.') + random
                                         + QStringLiteral(".part"));
}

// A job holds a lock on its file while it lives; the lock goes with the
// process, so a file that can be locked belongs to a job that is gone.
bool lockFile(int handle)
{
    return ::flock(handle, LOCK_EX | LOCK_NB) == 0;
}
} // namespace

AFileBeside::AFileBeside(const QString& target)
    : m_target(target)
{
    removeLeftovers(target);
    const QFileInfo info(target);
    for (int i = 0; i < kTries && !m_file.isOpen(); ++i) {
        m_file.setFileName(besideName(info));
        // Created here or not at all: an existing name, or a link, fails.
        if (m_file.open(QIODevice::ReadWrite | QIODevice::NewOnly)) {
            if (!lockFile(m_file.handle()))
                qWarning() << "Couldn't lock" << m_file.fileName();
        } else if (!QFileInfo(m_file.fileName()).exists() && !QFileInfo(m_file.fileName()).isSymLink()) {
            break;  // not a name taken meanwhile: the folder refuses
        }
    }
    if (!m_file.isOpen())
        qWarning() << "Couldn't create a file beside" << target << m_file.errorString();
}

AFileBeside::~AFileBeside()
{
    discard();
}

void AFileBeside::removeLeftovers(const QString& target)
{
    const QFileInfo info(target);
    const QDir folder = info.absoluteDir();
    const QRegularExpression pattern(QLatin1Char('^') + QRegularExpression::escape(QLatin1Char('.') + info.fileName())
                                     + QStringLiteral("\\.[A-Za-z0-9]{6}\\.part$"));
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (!pattern.match(name).hasMatch())
            continue;
        const QByteArray path = QFile::encodeName(folder.filePath(name));
        const int handle = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
        if (handle < 0) {
            struct stat link;
            if (::lstat(path.constData(), &link) == 0 && S_ISLNK(link.st_mode))
                ::unlink(path.constData());  // never ours: a link planted under our pattern
            continue;
        }
        if (lockFile(handle))
            ::unlink(path.constData());
        ::close(handle);
    }
}

bool AFileBeside::isStillOurs() const
{
    struct stat open;
    struct stat named;
    return ::fstat(m_file.handle(), &open) == 0
           && ::lstat(QFile::encodeName(m_file.fileName()).constData(), &named) == 0 && S_ISREG(named.st_mode)
           && open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

bool AFileBeside::commit(const std::function<bool(QFile&)>& whole)
{
    if (!m_file.isOpen())
        return false;
    if (!m_file.flush() || m_file.error() != QFileDevice::NoError) {
        qWarning() << "Couldn't write" << m_target << m_file.errorString();
        discard();
        return false;
    }
    if (!isStillOurs()) {
        qWarning() << "The file written for" << m_target << "was replaced meanwhile";
        discard();
        return false;
    }
    if (whole && !whole(m_file)) {
        qWarning() << "The file written for" << m_target << "is incomplete";
        discard();
        return false;
    }
    if (::fsync(m_file.handle()) != 0) {
        qWarning() << "Couldn't write" << m_target << "to disk";
        discard();
        return false;
    }
    if (std::rename(QFile::encodeName(m_file.fileName()).constData(), QFile::encodeName(m_target).constData()) != 0) {
        qWarning() << "Couldn't move the written file to" << m_target;
        discard();
        return false;
    }
    m_file.close();
    m_file.setFileName(QString());
    return true;
}

void AFileBeside::discard()
{
    if (!m_file.isOpen())
        return;
    // Only this very file goes: a link put in its place is left alone.
    if (isStillOurs())
        ::unlink(QFile::encodeName(m_file.fileName()).constData());
    m_file.close();
    m_file.setFileName(QString());
}

namespace {
// The last bytes of the file, read through its own handle.
QByteArray tail(QFile& file, qint64 bytes, qint64* size)
{
    struct stat info;
    if (::fstat(file.handle(), &info) != 0)
        return QByteArray();
    *size = info.st_size;
    const qint64 from = std::max<qint64>(0, info.st_size - bytes);
    QByteArray data(int(info.st_size - from), '\0');
    const ssize_t read = ::pread(file.handle(), data.data(), data.size(), from);
    return read == data.size() ? data : QByteArray();
}
} // namespace

bool AFileBeside::isWholePdf(QFile& file)
{
    qint64 size = 0;
    const QByteArray end = tail(file, kTail, &size).trimmed();
    if (!end.endsWith("%%EOF"))
        return false;
    const qsizetype at = end.lastIndexOf("startxref");
    if (at < 0)
        return false;
    bool number = false;
    const qint64 xref = end.mid(at + 9, end.size() - 5 - at - 9).trimmed().toLongLong(&number);
    if (!number || xref <= 0 || xref >= size)
        return false;
    char head[4];
    return ::pread(file.handle(), head, sizeof(head), xref) == sizeof(head) && QByteArray(head, 4) == "xref";
}

bool AFileBeside::isWholeZip(QFile& file)
{
    // The end record is 22 bytes and closes the file when it has no comment.
    qint64 size = 0;
    const QByteArray end = tail(file, 22, &size);
    return size >= 22 && end.startsWith(QByteArray("PK\x05\x06", 4));
}
