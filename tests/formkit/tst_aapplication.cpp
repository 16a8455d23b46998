#include "aapplication.h"
#include "amainwindow.h"
#include "messageoutput.h"
#include "selectcolumnsdialog.h"
#include "testenv.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
const char* const childMode = "FORMKIT_CHILD";
const char* const childLocale = "FORMKIT_LOCALE";
const char* const childSettingsText = "FORMKIT_SETTINGS_TEXT";

void storeLocale(const QByteArray& locale)
{
    QSettings settings;
    settings.setValue(QStringLiteral("general/locale"), QString::fromUtf8(locale));
    settings.sync();
}

// What a child process reports about the application it built.
void reportApplication()
{
    QTextStream out(stdout);
    out << "locale=" << QLocale().name() << '\n';
    out << "all=" << QCoreApplication::translate("ATableView", "All") << '\n';
    out << "app=" << QCoreApplication::translate("TestApp", "Good morning") << '\n';
    out << "qt=" << QCoreApplication::translate("QPlatformTheme", "Close") << '\n';
    out << "filter=" << SelectColumnsDialog().findChild<QLabel*>(QStringLiteral("lblFilterAvailable"))->text() << '\n';
    // the user's icon folder answers the "icons:" prefix
    QDir().mkpath(AMainWindow::userIconFolder());
    QFile probe(AMainWindow::userIconFolder() + QStringLiteral("/probe.svg"));
    if (probe.open(QIODevice::WriteOnly))
        probe.write("mine");
    probe.close();
    QFile viaPrefix(QStringLiteral("icons:probe.svg"));
    out << "icon=" << (viaPrefix.open(QIODevice::ReadOnly) ? viaPrefix.readAll() : QByteArray("<none>")) << '\n';
    out << "name=" << QCoreApplication::applicationName() << '|' << QCoreApplication::organizationName()
        << '|' << QCoreApplication::organizationDomain() << '\n';
}

int runChild(const QByteArray& mode, int argc, char* argv[])
{
    if (mode == "fatal") {
        qInstallMessageHandler(messageOutput);
        qFatal("stopping at step %d", 7);
        return 0;
    }
    if (mode == "messages") {
        qInstallMessageHandler(messageOutput);
        qDebug("plain trace");
        qInfo("some info");
        qWarning("abc");
        qCritical("went wrong: %s", "disk");
        messageOutput(static_cast<QtMsgType>(42), QMessageLogContext(), QStringLiteral("odd type"));
        qWarning("%s", "caf\xc3\xa9");
        return 0;
    }
    if (mode == "numbers") {
        // what the C library makes of numbers once the application exists
        AApplication app(argc, argv, QStringLiteral("Pensario"), QStringLiteral("Velbrook"),
                         QStringLiteral("velbrook.example"));
        char printed[32];
        std::snprintf(printed, sizeof printed, "%.2f|%g", 9127.25, 18.28515625);
        QTextStream out(stdout);
        out << "printf=" << printed << '\n';
        out << "to_string=" << QString::fromStdString(std::to_string(0.5)) << '\n';
        out << "strtod=" << std::strtod("12.75", nullptr) * 4 << '\n';
        out << "time=" << std::setlocale(LC_TIME, nullptr) << '\n';
        out << "ctype=" << std::setlocale(LC_CTYPE, nullptr) << '\n';
        return 0;
    }
    // "app": the settings as a user left them, then the application object
    TestEnv::initProcess();
    if (qEnvironmentVariableIsSet(childLocale))
        storeLocale(qgetenv(childLocale));
    if (qEnvironmentVariableIsSet(childSettingsText)) {
        // the settings file as an earlier run of the program left it
        const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Velbrook";
        QDir().mkpath(dir);
        QFile file(dir + "/Pensario.conf");
        if (file.open(QIODevice::WriteOnly))
            file.write(qgetenv(childSettingsText));
    }
    AApplication app(argc, argv, QStringLiteral("Pensario"), QStringLiteral("Velbrook"),
                     QStringLiteral("velbrook.example"));
    reportApplication();
    return 0;
}

struct ChildResult
{
    QProcess::ExitStatus status;
    int code;
    QString out;
    QString err;
    QString value(const QString& key) const
    {
        for (const QString& line : out.split(QLatin1Char('\n')))
            if (line.startsWith(key + QLatin1Char('=')))
                return line.mid(key.size() + 1);
        return QStringLiteral("<missing>");
    }
};

ChildResult runSelf(const QByteArray& mode, const QByteArray& locale = QByteArray(),
                    const QByteArray& systemLocale = "en_US.UTF-8")
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(childMode), QString::fromLatin1(mode));
    if (!locale.isNull())
        env.insert(QString::fromLatin1(childLocale), QString::fromLatin1(locale));
    env.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(systemLocale));
    env.insert(QStringLiteral("LANG"), QString::fromLatin1(systemLocale));
    env.insert(QStringLiteral("LANGUAGE"), QString());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{message}"));
    process.setProcessEnvironment(env);
    QTemporaryDir emptyDir;
    process.setWorkingDirectory(emptyDir.path());
    process.start(QCoreApplication::applicationFilePath(), {});
    process.waitForFinished(30000);
    return {process.exitStatus(), process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
} // namespace

class TestAApplication : public QObject
{
    Q_OBJECT
private slots:
    void messagePrefixes()
    {
        const ChildResult child = runSelf("messages");
        QCOMPARE(child.status, QProcess::NormalExit);
        QCOMPARE(child.code, 0);
        QCOMPARE(child.err, QStringLiteral("Debug: plain trace\n"
                                           "Debug: some info\n"
                                           "----Warning: abc\n"
                                           "------Critical: went wrong: disk\n"
                                           "Debug: odd type\n"
                                           "----Warning: caf\u00e9\n"));
    }

    void fatalMessageAborts()
    {
        const ChildResult child = runSelf("fatal");
        QCOMPARE(child.status, QProcess::CrashExit);
        QVERIFY2(child.err.startsWith(QStringLiteral("--------Fatal: stopping at step 7\n")), qPrintable(child.err));
    }

    // On a desktop in Spanish or Galician, whose C library writes "9127,25",
    // numbers written and read through it keep the point; dates and
    // characters stay the desktop's.
    void cLibraryNumbersUseAPoint_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("spanish") << QStringLiteral("es_ES");
        QTest::newRow("galician") << QStringLiteral("gl_ES");
    }
    void cLibraryNumbersUseAPoint()
    {
        QFETCH(QString, locale);
        QProcess process;
        QProcessEnvironment env = TestEnv::localeEnvironment(locale);
        env.insert(QString::fromLatin1(childMode), QStringLiteral("numbers"));
        process.setProcessEnvironment(env);
        process.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(process.waitForFinished(30000));
        const ChildResult child{process.exitStatus(), process.exitCode(),
                                QString::fromUtf8(process.readAllStandardOutput()), QString()};
        // the desktop's locale was there to be used
        QCOMPARE(child.value("time"), locale + QStringLiteral(".UTF-8"));
        QCOMPARE(child.value("ctype"), locale + QStringLiteral(".UTF-8"));
        QCOMPARE(child.value("printf"), QStringLiteral("9127.25|18.2852"));
        QCOMPARE(child.value("to_string"), QStringLiteral("0.500000"));
        QCOMPARE(child.value("strtod"), QStringLiteral("51"));
    }

    void localeStoredByAnEarlierRun()
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(childMode), QStringLiteral("app"));
        env.insert(QString::fromLatin1(childSettingsText), QStringLiteral("[%General]\nlocale=gl_ES\n"));
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(env);
        process.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(process.waitForFinished(30000));
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        QVERIFY2(out.contains(QStringLiteral("locale=gl_ES\n")), qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("qt=Pechar\n")), qPrintable(out));
    }

    void localeAndTranslatorChoice_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QByteArray>("system");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("all");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("app");
        QTest::addColumn<QString>("qt");
        const QByteArray en("en_US.UTF-8");
        QTest::newRow("nothing stored") << QByteArray() << en << "en_US" << "All" << "&Filter:" << "Good morning" << "Close";
        QTest::newRow("system locale") << QByteArray() << QByteArray("gl_ES.UTF-8") << "gl_ES" << "Todas" << "&Filtro:" << "Good morning" << "Pechar";
        QTest::newRow("default") << QByteArray("default") << en << "en_US" << "All" << "&Filter:" << "Good morning" << "Close";
        QTest::newRow("unknown language") << QByteArray("zz") << en << "en_US" << "All" << "&Filter:" << "Good morning" << "Close";
        QTest::newRow("spanish") << QByteArray("es_ES") << en << "es_ES" << "Todas" << "&Filtro:" << "Buenos días" << "Cerrar";
    }

    void localeAndTranslatorChoice()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QByteArray, system);
        QFETCH(QString, locale);
        QFETCH(QString, all);
        QFETCH(QString, filter);
        QFETCH(QString, app);
        QFETCH(QString, qt);
        const ChildResult child = runSelf("app", stored, system);
        QCOMPARE(child.value("locale"), locale);
        QCOMPARE(child.value("all"), all);
        QCOMPARE(child.value("filter"), filter);
        QCOMPARE(child.value("app"), app);
        QCOMPARE(child.value("name"), QStringLiteral("Pensario|Velbrook|velbrook.example"));
        QCOMPARE(child.value("icon"), QStringLiteral("mine"));
        // Galician comes from the library's own catalogue, Spanish from Qt's.
        if (locale == QLatin1String("gl_ES") || QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qt_es.qm"))
            QCOMPARE(child.value("qt"), qt);
        QCOMPARE(child.err.contains(QStringLiteral("Couldn't load app translation file")), app == QLatin1String("Good morning"));
    }

};

int main(int argc, char* argv[])
{
    const QByteArray mode = qgetenv(childMode);
    if (!mode.isEmpty())
        return runChild(mode, argc, argv);

    TestEnv::initProcess();
    TestEnv::resetCase();
    AApplication app(argc, argv, QStringLiteral("Pensario"), QStringLiteral("Velbrook"),
                     QStringLiteral("velbrook.example"));
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestAApplication tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_aapplication.moc"
