#ifndef AFILEBESIDE_H
#define AFILEBESIDE_H

#include <QFile>
#include <QString>

#include <functional>

// A file written under a hidden name of its own beside its target, in the
// same folder so that the final rename stays on one disk, and moved over the
// target only once whole: a failed or stopped job leaves what was there, byte
// for byte. The file is created here, exclusively, and stays until it takes
// the target's name or is removed, so a writer that opens it again by name
// gets this very file and never follows a link planted in its place. Files
// of the same pattern left beside the target by jobs that were killed are
// removed when the next one starts.
class AFileBeside
{
public:
    explicit AFileBeside(const QString& target);
    ~AFileBeside();
    AFileBeside(const AFileBeside&) = delete;
    AFileBeside& operator=(const AFileBeside&) = delete;

    // Whether the file beside the target could be created.
    bool isValid() const { return m_file.isOpen(); }
    QString target() const { return m_target; }
    // The name to write to.
    QString fileName() const { return m_file.fileName(); }
    // The file, open for writing, for writers that write through it.
    QFile& file() { return m_file; }

    // Moves the written file over the target when it is still the file
    // created here, is on disk and `whole` finds it complete; otherwise
    // removes it. True when it took the name.
    bool commit(const std::function<bool(QFile& written)>& whole = {});
    // Removes what was written; the target stays as it was.
    void discard();

    // Whether the file ends as a complete PDF does: its trailer, and the
    // cross-reference table it points to within the file.
    static bool isWholePdf(QFile& file);
    // Whether the file ends with the directory record of a complete zip
    // archive, as a workbook does.
    static bool isWholeZip(QFile& file);

private:
    bool isStillOurs() const;
    static void removeLeftovers(const QString& target);

    QString m_target;
    QFile m_file;
};

#endif // AFILEBESIDE_H
