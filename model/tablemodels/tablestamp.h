#ifndef TABLESTAMP_H
#define TABLESTAMP_H

#include <QList>
#include <QStringList>

// What some tables held at one moment, told by the change versions the Dao
// keeps: whatever was read from them then is still what they hold while the
// stamp is current.
class TableStamp
{
public:
    explicit TableStamp(const QStringList& tables = {});

    // Remembers what the tables hold now.
    void take();
    // Nothing was written to the tables since take(); false before the
    // first take().
    bool isCurrent() const;

private:
    QList<quint64> versions() const;

    QStringList m_tables;
    QList<quint64> m_versions;
    bool m_taken = false;
};

#endif // TABLESTAMP_H
