#include "aapplication.h"
#include "acalendarsetup.h"
#include "amainwindow.h"

#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include <clocale>

AApplication::AApplication(int& argc, char** argv, const QString& applicationName,
                           const QString& organizationName, const QString& organizationDomain)
    : QApplication(argc, argv)
{
    setApplicationName(applicationName);
    setOrganizationName(organizationName);
    setOrganizationDomain(organizationDomain);
    setQuitOnLastWindowClosed(true);
    useCNumericLocale();

    {
        // An INI file keeps the group "general" as "[%General]", which reads
        // back as "General": a choice stored by an earlier run is found there.
        const QSettings settings;
        QString localeName = QStringLiteral("default");
        for (const char* key : {"general/locale", "General/locale"}) {
            if (settings.contains(QLatin1String(key))) {
                localeName = settings.value(QLatin1String(key)).toString();
                break;
            }
        }
        if (localeName != QLatin1String("default")) {
            const QLocale locale(localeName);
            if (locale.language() != QLocale::C)
                QLocale::setDefault(locale);
        }
    }

    const QString localeName = QLocale().name().toLower();
    const QString qtTranslations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);

    auto* appTranslator = new QTranslator(this);
    const QString appFile = applicationName.toLower() + QLatin1Char('.') + localeName;
    if (appTranslator->load(appFile, qtTranslations)) {
        installTranslator(appTranslator);
        qDebug("Using external app translation file");
    } else if (appTranslator->load(appFile, QStringLiteral(":/translations"))) {
        installTranslator(appTranslator);
    } else {
        qWarning("Couldn't load app translation file");
    }

    auto* libTranslator = new QTranslator(this);
    if (libTranslator->load(QStringLiteral("formkit"), QStringLiteral(":/translations")))
        installTranslator(libTranslator);
    else
        qWarning("Couldn't load utils translation file");

    auto* qtTranslator = new QTranslator(this);
    const QString qtFile = QStringLiteral("qt_") + localeName;
    if (qtTranslator->load(qtFile, QString())) {
        installTranslator(qtTranslator);
        qDebug("Using in dir qt translation");
    } else if (qtTranslator->load(qtFile, qtTranslations)) {
        installTranslator(qtTranslator);
        qDebug("Using external qt translation");
    } else if (qtTranslator->load(qtFile, QStringLiteral(":/translations"))) {
        installTranslator(qtTranslator);
    } else {
        qWarning("Couldn't load Qt translation file");
    }

    // The library's supplement of Qt's texts: what Qt's packages leave out or
    // translate badly. Installed last, so that it wins over Qt's catalogue.
    auto* qtBaseTranslator = new QTranslator(this);
    if (qtBaseTranslator->load(QStringLiteral("qtbase_") + localeName, QStringLiteral(":/translations")))
        installTranslator(qtBaseTranslator);
    else
        delete qtBaseTranslator;

    installEventFilter(new ACalendarSetup(this));

    QDir::setSearchPaths(QStringLiteral("icons"), {AMainWindow::userIconFolder(), QStringLiteral(":/icons")});
}

AApplication::~AApplication() = default;

void AApplication::useCNumericLocale()
{
    std::setlocale(LC_NUMERIC, "C");
}
