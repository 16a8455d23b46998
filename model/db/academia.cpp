#include "academia.h"

#include "comprobacion.h"
#include "dao.h"
#include "estadoacademiafallo.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QResource>
#include <QSettings>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTranslator>

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

namespace {

const char* const kGrupo = "CONFIGURATION";

const char* const kHorario = QT_TRANSLATE_NOOP("Academia", "The office is open from %1 to %2 %3");
const char* const kHorarioTarde = QT_TRANSLATE_NOOP("Academia", "and from %1 to %2");

using Fallos = QList<std::shared_ptr<EstadoAcademiaFallo>>;

// A fault lives while the current or the ignored list holds it, or while it
// belongs to one of the three latest checks: a result list stays readable
// while two more checks run (the status dialog checks again while the dialog
// that opened it still holds its own list).
Fallos g_actuales;
Fallos g_ignorados;
QList<Fallos> g_recientes;

QList<EstadoAcademiaFallo*> punteros(const Fallos& fallos)
{
    QList<EstadoAcademiaFallo*> lista;
    lista.reserve(fallos.size());
    for (const auto& f : fallos)
        lista << f.get();
    return lista;
}

QString rellenar(const QString& texto, const QStringList& valores)
{
    return EstadoAcademia::rellenar(texto, valores);
}

QString configuracion(const char* clave)
{
    QSettings s;
    s.beginGroup(QLatin1String(kGrupo));
    return s.value(QLatin1String(clave)).toString();
}

// The hour and minute pairs of the settings, with the defaults the hour
// getters and the outside-hours query share.
QPair<int, int> horaMinuto(const char* claveHora, int hora, const char* claveMinuto, int minuto)
{
    QSettings s;
    s.beginGroup(QLatin1String(kGrupo));
    return {s.value(QLatin1String(claveHora), hora).toInt(), s.value(QLatin1String(claveMinuto), minuto).toInt()};
}

QPair<int, int> apertura()
{
    return horaMinuto("hora_apertura", 9, "minuto_apertura", 30);
}

QPair<int, int> cierre()
{
    return horaMinuto("hora_cierre", 22, "minuto_cierre", 0);
}

// The office-hours texts of the letter's languages, for when no catalogue
// carries them (the letters themselves are only written in these languages).
QString textoIncorporado(QLocale::Language idioma, const char* fuente)
{
    const bool tarde = qstrcmp(fuente, kHorarioTarde) == 0;
    switch (idioma) {
    case QLocale::Spanish:
        return tarde ? QStringLiteral("y de %1 a %2") : QStringLiteral("El horario de secretaría es de %1 a %2 %3");
    case QLocale::Galician:
        return tarde ? QStringLiteral("e de %1 a %2") : QStringLiteral("O horario da secretaría é de %1 a %2 %3");
    case QLocale::English:
        return QString::fromLatin1(fuente);
    default:
        return QString();
    }
}

} // namespace

bool Academia::transaction()
{
    return Dao::getInstance()->transaction();
}

bool Academia::commit()
{
    return Dao::getInstance()->commit();
}

bool Academia::rollback()
{
    return Dao::getInstance()->rollback();
}

QList<EstadoAcademia*> Academia::comprobarEstado()
{
    const QList<EstadoAcademia*> resultado = Comprobacion::hallar();

    Fallos fallos;
    for (EstadoAcademia* e : std::as_const(resultado)) {
        if (e->tipo() != EstadoAcademia::Fallo)
            continue;
        auto* fallo = static_cast<EstadoAcademiaFallo*>(e);
        fallos.append(std::shared_ptr<EstadoAcademiaFallo>(fallo));
        for (const auto& ignorado : std::as_const(g_ignorados)) {
            if (EstadoAcademiaFallo::mismoFallo(fallo, ignorado.get())) {
                fallo->setIgnorado(true);
                break;
            }
        }
    }
    g_recientes.append(fallos);
    if (g_recientes.size() > 3)
        g_recientes.removeFirst();
    g_actuales = std::move(fallos);
    return resultado;
}

QSet<QString> Academia::identidadesEstado()
{
    QSet<QString> identidades;
    for (EstadoAcademia* e : Comprobacion::hallar()) {
        identidades.insert(e->identidad());
        delete e;
    }
    return identidades;
}

void Academia::ignorarAvisos()
{
    g_ignorados = std::exchange(g_actuales, {});
}

void Academia::inicializarEstado()
{
    migrarHorarioSecretaria();
    const QList<EstadoAcademia*> resultado = comprobarEstado();
    for (EstadoAcademia* e : resultado) {
        if (e->tipo() != EstadoAcademia::Fallo)
            delete e;
    }
    ignorarAvisos();
}

QList<EstadoAcademiaFallo*> Academia::avisosActuales()
{
    return punteros(g_actuales);
}

QList<EstadoAcademiaFallo*> Academia::avisosIgnorados()
{
    return punteros(g_ignorados);
}

QTime Academia::horaApertura()
{
    const auto [hora, minuto] = apertura();
    return QTime(hora, minuto);
}

QTime Academia::horaCierre()
{
    const auto [hora, minuto] = cierre();
    return QTime(hora, minuto);
}

int Academia::minutoApertura()
{
    const auto [hora, minuto] = apertura();
    return hora * 60 + minuto;
}

int Academia::minutoCierre()
{
    const auto [hora, minuto] = cierre();
    return hora * 60 + minuto;
}

QString Academia::nombre()
{
    return configuracion("academia_nombre");
}

QString Academia::reciboExpedidoEn()
{
    return configuracion("recibo_expedidoEn");
}

void Academia::migrarHorarioSecretaria()
{
    struct Par {
        const char* antigua;
        const char* nueva;
        const char* aviso;
    };
    const Par pares[] = {
        {"impagos_horaApertura", "secretaria_horaApertura1",
         "Unable to convert from deprecated impagos_horaApertura to new secretaria_horaApertura1. Leaving empty "
         "secretaria_horaApertura1"},
        {"impagos_horaCierre", "secretaria_horaCierre1",
         "Unable to convert from deprecated impagos_horaCierre to new secretaria_horaCierre1. Leaving empty "
         "secretaria_horaCierre1"},
    };
    QSettings s;
    for (const Par& par : pares) {
        if (!s.contains(QLatin1String(par.antigua)))
            continue;
        const QString nueva = QLatin1String(kGrupo) + QLatin1Char('/') + QLatin1String(par.nueva);
        if (!s.contains(nueva)) {
            const QTime hora = QTime::fromString(s.value(QLatin1String(par.antigua)).toString(), QStringLiteral("hh:mm"));
            s.setValue(nueva, hora);
            if (!hora.isValid())
                qWarning("%s", par.aviso);
        }
        s.remove(QLatin1String(par.antigua));
    }
}

QString Academia::logoPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QDir::separator() +
           QStringLiteral("logo");
}

QPixmap Academia::logo()
{
    if (QFile::exists(logoPath())) {
        const QPixmap propio(logoPath());
        // an unreadable file must not leave documents without a logo
        if (!propio.isNull())
            return propio;
    }
    return QPixmap(QStringLiteral(":/icons/logovelbrook.png"));
}

QString Academia::datosAcademiaHtml()
{
    const auto v = [](const char* clave) { return configuracion(clave).toHtmlEscaped(); };
    return v("academia_direccion") + QStringLiteral(" ") + v("academia_web") + QStringLiteral("<br/>") +
           v("academia_telefono") + QStringLiteral(" ") + v("academia_e-mail") + QStringLiteral("<br/>") +
           v("academia_denominacion") + QStringLiteral(" ") + v("academia_nif") + QStringLiteral("<br/>");
}

QString Academia::cabeceraListado()
{
    return rellenarPlantilla(QStringLiteral(":/html/cabeceraListado.html"),
                             {{QStringLiteral("%%DATOSACADEMIA%%"), datosAcademiaHtml()}});
}

QString Academia::pieListado()
{
    return rellenarPlantilla(QStringLiteral(":/html/pieListado.html"),
                             {{QStringLiteral("%%PAGINA%%"), tr("Page %%PAGENUM%% of %%PAGECOUNT%%")}});
}

QString Academia::horarioSecretaria(const QLocale& locale)
{
    QTranslator traductor;
    QByteArray datos;
    bool cargado = false;
    const QResource recurso(QStringLiteral(":/translations/") + QCoreApplication::applicationName().toLower() +
                                QStringLiteral(".qm"),
                            locale);
    if (recurso.isValid()) {
        datos = recurso.uncompressedData();
        cargado = traductor.load(reinterpret_cast<const uchar*>(datos.constData()), int(datos.size()));
    }
    if (!cargado && textoIncorporado(locale.language(), kHorario).isEmpty()) {
        qWarning().noquote() << "Unable to load the translation resource to the locale" << ('"' + locale.name() + '"');
        return QString();
    }
    const auto traducir = [&](const char* fuente) {
        QString t = cargado ? traductor.translate("Academia", fuente) : QString();
        if (t.isEmpty())
            t = textoIncorporado(locale.language(), fuente);
        return t.isEmpty() ? QString::fromLatin1(fuente) : t;
    };
    QSettings s;
    s.beginGroup(QLatin1String(kGrupo));
    const auto hora = [&s](const char* clave) {
        return s.value(QLatin1String(clave)).toTime().toString(QStringLiteral("hh:mm"));
    };
    const QTime apertura2 = s.value(QStringLiteral("secretaria_horaApertura2")).toTime();
    const QTime cierre2 = s.value(QStringLiteral("secretaria_horaCierre2")).toTime();
    const QString tarde = apertura2 == cierre2 ? QString()
                                               : rellenar(traducir(kHorarioTarde),
                                                          {apertura2.toString(QStringLiteral("hh:mm")),
                                                           cierre2.toString(QStringLiteral("hh:mm"))});
    return rellenar(traducir(kHorario), {hora("secretaria_horaApertura1"), hora("secretaria_horaCierre1"), tarde});
}

QString Academia::escritoImpagos(const QString& nombreAlumno, const QString& tablaDeudas, const QLocale& locale,
                                 const QString& lugar)
{
    const QString plantilla = locale.language() == QLocale::Galician
                                  ? QStringLiteral(":/html/pageEscritoImpagos_gl.html")
                                  : QStringLiteral(":/html/pageEscritoImpagos.html");
    const QDate hoy = QDate::currentDate();
    // tablaDeudas is markup built by the caller; everything else is plain text
    return rellenarPlantilla(
        plantilla,
        {{QStringLiteral("##nombrealumno##"), nombreAlumno.toHtmlEscaped()},
         {QStringLiteral("##tablaDeudas##"), tablaDeudas},
         {QStringLiteral("##horariosecreteria##"), horarioSecretaria(locale).toHtmlEscaped()},
         {QStringLiteral("##diames##"), QString::number(hoy.day())},
         {QStringLiteral("##nombremes##"), locale.monthName(hoy.month(), QLocale::LongFormat).toHtmlEscaped()},
         {QStringLiteral("##year##"), QString::number(hoy.year())},
         {QStringLiteral("##lugar##"), (lugar.isEmpty() ? reciboExpedidoEn() : lugar).toHtmlEscaped()}});
}

QString Academia::rellenarPlantilla(const QString& fileName, const QList<QPair<QString, QString>>& valores)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly)) {
        qDebug() << "Error opening resource file" << fileName;
        return QString();
    }
    const QString plantilla = QString::fromUtf8(f.readAll());
    // Longer tokens first, so that no token is taken for a shorter one it contains.
    QList<QPair<QString, QString>> porLongitud = valores;
    std::stable_sort(porLongitud.begin(), porLongitud.end(),
                     [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
    QStringList tokens;
    QHash<QString, QString> porToken;
    for (const auto& [token, valor] : std::as_const(porLongitud)) {
        tokens << QRegularExpression::escape(token);
        porToken.insert(token, valor);
    }
    const QRegularExpression marca(tokens.join(QLatin1Char('|')));
    QString resultado;
    qsizetype desde = 0;
    for (auto it = marca.globalMatch(plantilla); it.hasNext();) {
        const auto m = it.next();
        resultado += QStringView(plantilla).mid(desde, m.capturedStart() - desde);
        resultado += porToken.value(m.captured());
        desde = m.capturedEnd();
    }
    resultado += QStringView(plantilla).mid(desde);
    return resultado;
}

QString Academia::leerFichero(const QString& fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly)) {
        qWarning().noquote() << "File" << ('"' + fileName + '"') << "not found";
        return QString();
    }
    // the embedded files are UTF-8, as every other text of the program
    return QString::fromUtf8(f.readAll());
}
