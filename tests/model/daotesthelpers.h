#ifndef DAOTESTHELPERS_H
#define DAOTESTHELPERS_H

#include "dao.h"
#include "dbmanager.h"
#include "testenv.h"

#include <QDir>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

// Plain SQL on a file, past the Dao, to check what it really wrote.
class DaoRawDb
{
public:
    explicit DaoRawDb(const QString& path) : m_name(QStringLiteral("raw_%1").arg(++counter()))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        db.open();
    }
    ~DaoRawDb()
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }
    // First column of the first row, or an invalid QVariant.
    QVariant value(const QString& sql) const
    {
        QSqlQuery q(db());
        return q.exec(sql) && q.next() ? q.value(0) : QVariant();
    }
    bool exec(const QString& sql) const { return QSqlQuery(db()).exec(sql); }

private:
    static int& counter()
    {
        static int n = 0;
        return n;
    }
    QString m_name;
};

inline QString daoDbPath(const QString& name) { return QDir(DBManager::dataDir()).filePath(name + QStringLiteral(".db")); }

inline void daoSetDebug(bool on)
{
    QSettings().setValue(QStringLiteral("DaoInDebugMode"), on);
    Dao::getInstance();
}

// A fresh case with the Dao's debug trace off: the Dao to test.
inline Dao* freshDao()
{
    TestEnv::resetCase();
    Dao* dao = Dao::getInstance();
    daoSetDebug(false);
    return dao;
}

// Closes the database and leaves the debug trace off for the next case.
inline void closeDao()
{
    Dao::getInstance()->close();
    daoSetDebug(false);
}

// First column of the first row through the Dao's own connection.
inline QVariant daoValue(const QString& sql, const QList<QVariant>& values = {})
{
    QSqlQuery q = Dao::getInstance()->query(sql, values);
    return q.next() ? q.value(0) : QVariant();
}

#endif // DAOTESTHELPERS_H
