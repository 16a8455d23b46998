#ifndef READONLYPATH_H
#define READONLYPATH_H

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QString>

#include <unistd.h>

// Makes a file or folder refuse writes for as long as it lives. Root ignores
// modes, so as root the path is made immutable (chattr +i), which needs a
// filesystem that supports it; otherwise its write bits are cleared.
// reason() says why it could not be done (the test then skips).
class ReadOnlyPath
{
public:
    explicit ReadOnlyPath(const QString& path) : m_path(path)
    {
        m_permissions = QFileInfo(path).permissions();
        if (::geteuid() == 0) {
            m_immutable = run({QStringLiteral("+i"), path});
            if (!m_immutable)
                m_reason = QStringLiteral("running as root and chattr +i is not available here");
        } else {
            QFile::setPermissions(path, m_permissions & ~(QFileDevice::WriteOwner | QFileDevice::WriteUser
                                                          | QFileDevice::WriteGroup | QFileDevice::WriteOther));
        }
        if (m_reason.isEmpty() && takesWrites())
            m_reason = QStringLiteral("writes still go through to ") + path;
    }
    ~ReadOnlyPath()
    {
        if (m_immutable)
            run({QStringLiteral("-i"), m_path});
        else
            QFile::setPermissions(m_path, m_permissions);
    }
    ReadOnlyPath(const ReadOnlyPath&) = delete;
    ReadOnlyPath& operator=(const ReadOnlyPath&) = delete;

    bool ok() const { return m_reason.isEmpty(); }
    QString reason() const { return m_reason; }

private:
    static bool run(const QStringList& arguments)
    {
        QProcess chattr;
        chattr.start(QStringLiteral("chattr"), arguments);
        return chattr.waitForFinished(10000) && chattr.exitStatus() == QProcess::NormalExit
               && chattr.exitCode() == 0;
    }
    bool takesWrites() const
    {
        if (QFileInfo(m_path).isDir()) {
            QFile probe(QDir(m_path).filePath(QStringLiteral(".write-probe")));
            const bool wrote = probe.open(QIODevice::WriteOnly);
            if (wrote)
                probe.remove();
            return wrote;
        }
        return QFile(m_path).open(QIODevice::WriteOnly | QIODevice::Append);
    }

    QString m_path;
    QFileDevice::Permissions m_permissions;
    bool m_immutable = false;
    QString m_reason;
};

#endif // READONLYPATH_H
