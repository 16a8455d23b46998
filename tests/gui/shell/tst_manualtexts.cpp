#include "testmain.h"

#include <QFile>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTextDocumentFragment>
#include <QTranslator>
#include <QXmlStreamReader>

// Each manual names the program's controls exactly as the program shows them
// in the manual's language, and all three manuals have the same contents.
namespace {
const QString sourceDir = QStringLiteral(PENSARIO_SOURCE_DIR);

QString fileText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// A text as it reads on screen: without the mnemonic marks, the trailing
// colon of a label or the dots of a menu entry that opens a window.
QString asShown(QString text)
{
    text.replace(QLatin1String("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&')).replace(QChar(1), QLatin1Char('&'));
    text = text.simplified();
    for (const QString& tail : {QStringLiteral("..."), QStringLiteral("…"), QStringLiteral(":")})
        if (text.endsWith(tail))
            text = text.chopped(tail.size()).trimmed();
    return text;
}

// The finished texts of a catalogue: its sources for English, else its translations.
void addCatalogue(const QString& path, bool sources, QSet<QString>& out)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (sources && xml.name() == QLatin1String("source")) {
            out.insert(asShown(xml.readElementText()));
        } else if (!sources && xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value("type").toString();
            const QString text = xml.readElementText(QXmlStreamReader::SkipChildElements);
            if (type.isEmpty() && !text.isEmpty())
                out.insert(asShown(text));
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(path + ": " + xml.errorString()));
}

// The standard buttons come from Qt's catalogues, found where the program
// finds them: Qt's own first, then the library's supplement.
void addStandardButtons(const QString& language, QSet<QString>& out)
{
    const bool english = language == QLatin1String("en");
    QTranslator qtOwn, supplement;
    if (!english) {
        const bool qtFound = qtOwn.load(QStringLiteral("qt_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        const bool supplementFound = supplement.load(QStringLiteral("qtbase_") + language, QStringLiteral(":/translations"));
        QVERIFY(qtFound || supplementFound);
    }
    for (const char* button : {"OK", "Cancel", "&Yes", "&No", "Close"}) {
        QString text = english ? QString::fromLatin1(button) : qtOwn.translate("QPlatformTheme", button);
        if (text.isEmpty())
            text = supplement.translate("QPlatformTheme", button);
        QVERIFY2(!text.isEmpty(), button);
        out.insert(asShown(text));
    }
}

QSet<QString> programTexts(const QString& language)
{
    QSet<QString> texts;
    const bool english = language == QLatin1String("en");
    const QString catalogue = english ? QStringLiteral("es") : language;
    addCatalogue(sourceDir + "/resources/translations/pensario_" + catalogue + ".ts", english, texts);
    addCatalogue(sourceDir + "/formkit/translations/formkit_" + catalogue + ".ts", english, texts);
    addStandardButtons(language, texts);
    return texts;
}

// Every bold text of the page; a menu path "File → Configuration" gives each of its steps.
QStringList boldNames(const QString& html)
{
    static const QRegularExpression bold(QStringLiteral("<b>(.*?)</b>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    QStringList names;
    for (auto it = bold.globalMatch(html); it.hasNext();) {
        const QString text = QTextDocumentFragment::fromHtml(it.next().captured(1)).toPlainText();
        for (const QString& step : text.split(QChar(0x2192)))
            names << step.simplified();
    }
    return names;
}

QStringList contentsAnchors(const QString& project)
{
    static const QRegularExpression ref(QStringLiteral("<section title=\"[^\"]*\" ref=\"index.html#?([^\"]*)\""));
    QStringList anchors;
    for (auto it = ref.globalMatch(project); it.hasNext();)
        anchors << it.next().captured(1);
    return anchors;
}

QString manualPath(const QString& language, const QString& file)
{
    return sourceDir + "/resources/help/" + language + "/" + file;
}
} // namespace

class TestManualTexts : public QObject
{
    Q_OBJECT
private slots:
    void boldNamesAreTheProgramsTexts_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* language : {"en", "es", "gl"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }
    void boldNamesAreTheProgramsTexts()
    {
        QFETCH(QString, language);
        const QSet<QString> shown = programTexts(language);
        const QStringList names = boldNames(fileText(manualPath(language, "index.html")));
        QVERIFY2(names.size() > 150, qPrintable(QString::number(names.size())));
        QStringList foreign;
        for (const QString& name : names)
            if (!shown.contains(asShown(name)))
                foreign << name;
        foreign.removeDuplicates();
        QVERIFY2(foreign.isEmpty(), qPrintable("not a text of the program: " + foreign.join(" | ")));
    }

    // One structure in three languages: the same sections, each anchored in
    // its page, and as many controls named in each.
    void everyLanguageHasTheSameContents()
    {
        const QStringList anchors = contentsAnchors(fileText(manualPath("es", "help.qhp")));
        QVERIFY(anchors.size() > 30);
        const int named = boldNames(fileText(manualPath("es", "index.html"))).size();
        for (const QString language : {"en", "es", "gl"}) {
            QCOMPARE(contentsAnchors(fileText(manualPath(language, "help.qhp"))), anchors);
            const QString page = fileText(manualPath(language, "index.html"));
            QVERIFY(page.contains(QStringLiteral("<html lang=\"%1\">").arg(language)));
            for (const QString& anchor : anchors)
                QVERIFY2(anchor.isEmpty() || page.contains(QStringLiteral("<a name=\"%1\">").arg(anchor)),
                         qPrintable(language + ": " + anchor));
            QCOMPARE(boldNames(page).size(), named);
        }
    }

    // Every heading of a page is reached from the contents, under its own
    // anchor and with its own words.
    void everySectionIsInTheContents_data() { boldNamesAreTheProgramsTexts_data(); }
    void everySectionIsInTheContents()
    {
        QFETCH(QString, language);
        const QString page = fileText(manualPath(language, "index.html"));
        const QString project = fileText(manualPath(language, "help.qhp"));
        static const QRegularExpression heading(QStringLiteral("<a name=\"([^\"]+)\"></a>\\s*(?:<a name=\"[^\"]+\"></a>\\s*)?"
                                                               "<h([2-4])>(.*?)</h\\2>|<h([2-4])>(.*?)</h\\4>"),
                                                QRegularExpression::DotMatchesEverythingOption);
        int headings = 0;
        for (auto it = heading.globalMatch(page); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            ++headings;
            QVERIFY2(m.captured(5).isEmpty(), qPrintable("no anchor: " + m.captured(5)));
            const QString title = QTextDocumentFragment::fromHtml(m.captured(3)).toPlainText().simplified();
            QXmlStreamReader xml(project);
            bool listed = false;
            while (!xml.atEnd() && !listed)
                if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("section"))
                    listed = xml.attributes().value("ref") == QString("index.html#" + m.captured(1))
                             && xml.attributes().value("title") == title;
            QVERIFY2(listed, qPrintable(language + ": " + title));
        }
        QVERIFY(headings > 40);
        // and nothing else but the opening page
        QCOMPARE(contentsAnchors(project).size(), headings + 1);
    }

    // The checks above see a program text as foreign and a menu path by its steps.
    void checkReadsNamesAsTheProgramShowsThem()
    {
        const QSet<QString> spanish = programTexts("es");
        QVERIFY(spanish.contains(asShown("&Configuración")));
        QVERIFY(spanish.contains(QStringLiteral("Aceptar")));
        QVERIFY(!spanish.contains(QStringLiteral("Save anyway")));
        QCOMPARE(boldNames("<b>Archivo &rarr;\n Configuración</b> y <b>Acerca de...</b>"),
                 (QStringList{"Archivo", "Configuración", "Acerca de..."}));
        QVERIFY(programTexts("en").contains(asShown("About &Velbrook...")));
    }
};

PENSARIO_TEST_MAIN(TestManualTexts)
#include "tst_manualtexts.moc"
