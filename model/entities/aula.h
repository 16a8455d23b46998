#ifndef AULA_H
#define AULA_H

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QSqlQuery;

// A classroom: name, place, capacity and remarks. Single-row writes, no
// transaction of its own, no shared table model.
class Aula : public QObject
{
    Q_OBJECT

public:
    static const QString TABLE;
    static const QStringList COLUMNS;

    explicit Aula(QObject* parent = nullptr);
    Aula(int id, QObject* parent = nullptr);

    int id() const { return m_id; }
    QString nombre() const { return m_nombre; }
    QString localizacion() const { return m_localizacion; }
    int aforo() const { return m_aforo; }
    QString comentarios() const { return m_comentarios; }

    void setNombre(const QString& nombre) { m_nombre = nombre; }
    void setLocalizacion(const QString& localizacion) { m_localizacion = localizacion; }
    void setAforo(int aforo) { m_aforo = aforo; }
    void setComentarios(const QString& comentarios) { m_comentarios = comentarios; }

    static Aula* fromQuery(QSqlQuery& query);
    static Aula* getFromDB(int id);
    // Every classroom ordered by name; new objects owned by the caller.
    static QList<Aula*> list();

    bool persist();
    bool update();
    bool remove();

private:
    QList<QVariant> fieldValues() const;

    int m_id = 0;
    QString m_nombre;
    QString m_localizacion;
    int m_aforo = 0;
    QString m_comentarios;
};

#endif // AULA_H
