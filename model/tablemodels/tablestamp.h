#ifndef TABLESTAMP_H
#define TABLESTAMP_H

#include <QDate>
#include <QList>
#include <QStringList>

// What some tables held at one moment, told by the change versions the Dao
// keeps: whatever was read from them then is still what they hold while the
// stamp is current. The day counts too, for what is read against today.
class TableStamp
{
public:
    explicit TableStamp(const QStringList& tables = {});

    // Remembers what the tables hold now.
    void take();
    // Nothing was written to the tables since take(), and it is the same
    // day; false before the first take().
    bool isCurrent() const;

private:
    QList<quint64> versions() const;

    QStringList m_tables;
    QList<quint64> m_versions;
    QDate m_day;
    bool m_taken = false;
};

#endif // TABLESTAMP_H
