#ifndef ACADEMIA_H
#define ACADEMIA_H

#include <QList>
#include <QLocale>
#include <QObject>
#include <QPair>
#include <QPixmap>
#include <QSet>
#include <QString>
#include <QTime>

class EstadoAcademia;
class EstadoAcademiaFallo;

// What belongs to the academy as a whole: its settings, the one database
// transaction of the status protocol, the consistency check with its current
// and ignored faults, and the HTML fragments and letters carrying its data.
// Never instantiated.
class Academia : public QObject
{
    Q_OBJECT
public:
    Academia() = delete;

    static bool transaction();
    static bool commit();
    static bool rollback();

    // The consistency check (Comprobacion). Faults (tipo 2) belong to the
    // academy services, the rest to the caller. A result list stays readable
    // while two further checks run.
    static QList<EstadoAcademia*> comprobarEstado();
    // The identities (EstadoAcademia::identidad()) of what the check finds
    // now; the current and ignored faults are left as they are.
    static QSet<QString> identidadesEstado();
    // The faults of the latest check become the ignored ones.
    static void ignorarAvisos();
    // Start-up: converts old settings, checks, ignores what is already there.
    static void inicializarEstado();
    static QList<EstadoAcademiaFallo*> avisosActuales();
    static QList<EstadoAcademiaFallo*> avisosIgnorados();

    static QTime horaApertura();
    static QTime horaCierre();
    // The same as minutes of the day, as stored (the check's bounds).
    static int minutoApertura();
    static int minutoCierre();
    static QString nombre();
    static QString reciboExpedidoEn();
    static void migrarHorarioSecretaria();

    static QString logoPath();
    static QPixmap logo();

    static QString datosAcademiaHtml();
    static QString cabeceraListado();
    // The page footer of printed listings, numbered as the lists number theirs.
    static QString pieListado();
    static QString horarioSecretaria(const QLocale& locale);
    static QString escritoImpagos(const QString& nombreAlumno, const QString& tablaDeudas, const QLocale& locale,
                                  const QString& lugar);
    static QString leerFichero(const QString& fileName);
    // A UTF-8 template with every token of valores replaced by its value in
    // one pass: a value is never searched for tokens, whatever it holds.
    static QString rellenarPlantilla(const QString& fileName, const QList<QPair<QString, QString>>& valores);
};

#endif // ACADEMIA_H
