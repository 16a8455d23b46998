#include "aapplication.h"
#include "arounder.h"
#include "atableview.h"
#include "atextviewerbox.h"
#include "messageoutput.h"
#include "selectcolumnsdialog.h"
#include "testenv.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QProcess>
#include <QResource>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <cstdio>

namespace {
const char* const childMode = "FORMKIT_CHILD";
const char* const childLocale = "FORMKIT_LOCALE";

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
    out << "qt=" << QCoreApplication::translate("QPlatformTheme", "Cancel") << '\n';
    SelectColumnsDialog dialog;
    out << "filter=" << dialog.findChild<QLabel*>(QStringLiteral("lblFilterAvailable"))->text() << '\n';
    out << "selected=" << dialog.findChild<QLabel*>(QStringLiteral("lblSelected"))->text() << '\n';
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
    if (mode == "rounder") {
        qInstallMessageHandler(messageOutput);
        new ARounder;
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
    // "app": the settings as a user left them, then the application object
    TestEnv::initProcess();
    if (qEnvironmentVariableIsSet(childLocale))
        storeLocale(qgetenv(childLocale));
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
                    const QString& workDir = QString(), const QByteArray& systemLocale = "en_US.UTF-8")
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
    process.setWorkingDirectory(workDir.isEmpty() ? emptyDir.path() : workDir);
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

    void rounderIsNeverInstantiated()
    {
        const ChildResult child = runSelf("rounder");
        QCOMPARE(child.status, QProcess::CrashExit);
        QVERIFY(child.err.startsWith(
            QStringLiteral("--------Fatal: ARounder is a static class, do not instantiate it!\n")));
    }

    void outputCanBeRedirected()
    {
        QTemporaryDir dir;
        const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("log")));
        FILE* previous = output;
        output = fopen(path.constData(), "w");
        QVERIFY(output);
        messageOutput(QtWarningMsg, QMessageLogContext(), QStringLiteral("abc"));
        messageOutput(QtDebugMsg, QMessageLogContext(), QStringLiteral("def"));
        fclose(output);
        output = previous;
        QFile log(QString::fromLocal8Bit(path));
        QVERIFY(log.open(QIODevice::ReadOnly));
        QCOMPARE(log.readAll(), QByteArray("----Warning: abc\nDebug: def\n"));
    }

    // This process was started with the stored locale es_ES.
    void storedSpanishLocale()
    {
        QCOMPARE(QLocale().name(), QStringLiteral("es_ES"));
        QCOMPARE(QCoreApplication::organizationDomain(), QStringLiteral("velbrook.example"));
        QVERIFY(QGuiApplication::quitOnLastWindowClosed());
        ATableView view;
        QCOMPARE(view.horizontalHeader()->actions().at(0)->text(), QStringLiteral("Todas"));
        QCOMPARE(view.horizontalHeader()->actions().at(1)->text(), QStringLiteral("Ninguna"));
        SelectColumnsDialog dialog;
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("lblFilterSelected"))->text(), QStringLiteral("&Filtro:"));
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("lblPosible"))->text(), QStringLiteral("Posibles"));
        ATextViewerBox viewer(QStringLiteral(":/legal/gpl-3.txt"));
        QCOMPARE(viewer.windowTitle(), QStringLiteral("Visor de texto"));
        QCOMPARE(QCoreApplication::translate("TestApp", "Good morning"), QStringLiteral("Buenos días"));
    }

    void embeddedCataloguesPerLanguage()
    {
        QByteArray previous;
        for (const char* name : {"es", "gl", "en"}) {
            QResource catalogue(QStringLiteral(":/translations/formkit.qm"), QLocale(QString::fromLatin1(name)));
            QVERIFY2(catalogue.isValid(), name);
            const QByteArray bytes = catalogue.uncompressedData();
            QVERIFY(bytes.size() > 100);
            QVERIFY(bytes != previous);
            previous = bytes;
        }
        const QByteArray galicianBytes =
            QResource(QStringLiteral(":/translations/formkit.qm"), QLocale(QStringLiteral("gl"))).uncompressedData();
        QTranslator galician;
        QVERIFY(galician.load(reinterpret_cast<const uchar*>(galicianBytes.constData()), int(galicianBytes.size())));
        QCOMPARE(galician.translate("ATableView", "None"), QStringLiteral("Ningunha"));
        QCOMPARE(galician.translate("ATableView", "Hidden columns"), QStringLiteral("Columnas agochadas"));
    }

    void iconSearchPathPrefersTheUserFolder()
    {
        const QString userIcons = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                                  + QStringLiteral("/icons");
        QCOMPARE(QDir::searchPaths(QStringLiteral("icons")), (QStringList{userIcons, QStringLiteral(":/icons")}));
        QVERIFY(userIcons.startsWith(TestEnv::homeDir()));
        QVERIFY(QDir().mkpath(userIcons));
        QFile mine(userIcons + QStringLiteral("/mine.svg"));
        QVERIFY(mine.open(QIODevice::WriteOnly));
        mine.close();
        QVERIFY(QFile::exists(QStringLiteral("icons:mine.svg")));
        QVERIFY(!QFile::exists(QStringLiteral("icons:other.svg")));
    }

    void localeAndTranslatorChoice_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("all");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("app");
        QTest::addColumn<QString>("qt");
        QTest::newRow("nothing stored") << QByteArray() << "en_US" << "All" << "&Filter:" << "Good morning" << "Cancel";
        QTest::newRow("default") << QByteArray("default") << "en_US" << "All" << "&Filter:" << "Good morning" << "Cancel";
        QTest::newRow("unknown language") << QByteArray("zz") << "en_US" << "All" << "&Filter:" << "Good morning" << "Cancel";
        QTest::newRow("spanish") << QByteArray("es_ES") << "es_ES" << "Todas" << "&Filtro:" << "Buenos días" << "Cancelar";
        QTest::newRow("galician") << QByteArray("gl_ES") << "gl_ES" << "Todas" << "&Filtro:" << "Good morning" << "";
    }

    void localeAndTranslatorChoice()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, locale);
        QFETCH(QString, all);
        QFETCH(QString, filter);
        QFETCH(QString, app);
        QFETCH(QString, qt);
        const ChildResult child = runSelf("app", stored);
        QCOMPARE(child.code, 0);
        QCOMPARE(child.value("locale"), locale);
        QCOMPARE(child.value("all"), all);
        QCOMPARE(child.value("filter"), filter);
        QCOMPARE(child.value("app"), app);
        QCOMPARE(child.value("name"), QStringLiteral("Pensario|Velbrook|velbrook.example"));
        if (!qt.isEmpty() && QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qt_es.qm"))
            QCOMPARE(child.value("qt"), qt);
        // the embedded application catalogue is used without a trace
        QVERIFY(!child.err.contains(QStringLiteral("Using external app translation file")));
        QCOMPARE(child.err.contains(QStringLiteral("Couldn't load app translation file")), app == QLatin1String("Good morning"));
        QVERIFY(!child.err.contains(QStringLiteral("Couldn't load utils translation file")));
    }

    void qtCatalogueFromTheWorkingFolderFirst()
    {
        const QString system = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qt_es.qm");
        if (!QFile::exists(system))
            QSKIP("Qt's Spanish catalogue is not installed");
        ChildResult child = runSelf("app", "es_ES");
        QVERIFY(child.err.contains(QStringLiteral("Using external qt translation")));
        QVERIFY(!child.err.contains(QStringLiteral("Using in dir qt translation")));

        // the catalogue with the ones it pulls in
        QTemporaryDir dir;
        const QDir systemDir = QFileInfo(system).dir();
        for (const QString& name : systemDir.entryList({QStringLiteral("qt*_es.qm")}))
            QVERIFY(QFile::copy(systemDir.filePath(name), dir.filePath(name)));
        child = runSelf("app", "es_ES", dir.path());
        QVERIFY(child.err.contains(QStringLiteral("Using in dir qt translation")));
        QVERIFY(!child.err.contains(QStringLiteral("Using external qt translation")));
    }

    void systemLocaleWhenNothingStored()
    {
        const ChildResult child = runSelf("app", QByteArray(), QString(), "gl_ES.UTF-8");
        QCOMPARE(child.value("locale"), QStringLiteral("gl_ES"));
        QCOMPARE(child.value("selected"), QStringLiteral("Seleccionadas"));
    }
};

int main(int argc, char* argv[])
{
    const QByteArray mode = qgetenv(childMode);
    if (!mode.isEmpty())
        return runChild(mode, argc, argv);

    TestEnv::initProcess();
    TestEnv::resetCase();
    storeLocale("es_ES");
    AApplication app(argc, argv, QStringLiteral("Pensario"), QStringLiteral("Velbrook"),
                     QStringLiteral("velbrook.example"));
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestAApplication tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_aapplication.moc"
