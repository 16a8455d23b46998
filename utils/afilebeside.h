#ifndef AFILEBESIDE_H
#define AFILEBESIDE_H

#include <QString>

// A file written under a name of its own beside its target, in the same
// folder so that the final rename stays on one disk, and moved over the
// target only once complete: a failed or stopped job leaves what was there.
class AFileBeside
{
public:
    explicit AFileBeside(const QString& target);
    ~AFileBeside();
    AFileBeside(const AFileBeside&) = delete;
    AFileBeside& operator=(const AFileBeside&) = delete;

    // Whether a name beside the target could be had.
    bool isValid() const { return !m_written.isEmpty(); }
    QString target() const { return m_target; }
    // The name to write to.
    QString fileName() const { return m_written; }

    // Moves the written file over the target; true when it took the name.
    bool commit();
    // Removes what was written; the target stays as it was.
    void discard();

private:
    QString m_target;
    QString m_written;
};

#endif // AFILEBESIDE_H
