#include "testmain.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QXmlStreamReader>

// Every catalogue of the program and of its library is complete: no message
// is left unfinished or translated as nothing.
class TestCatalogues : public QObject
{
    Q_OBJECT
private:
    struct Message
    {
        QString context, source, type, text;
    };
    // Every message of a catalogue; a read or parse error comes as a message
    // whose context says so.
    static QList<Message> messages(const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {{"cannot read " + path, {}, {}, {}}};
        QList<Message> result;
        QXmlStreamReader xml(&file);
        QString context, source;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const QString type = xml.attributes().value("type").toString();
                result.append({context, source, type, xml.readElementText(QXmlStreamReader::IncludeChildElements)});
            }
        }
        if (xml.hasError())
            result.append({path + ": " + xml.errorString(), {}, {}, {}});
        return result;
    }

    // "context: source" of each message that would show untranslated.
    static QStringList unfinished(const QString& path)
    {
        QStringList result;
        for (const Message& m : messages(path)) {
            if (m.type == QLatin1String("obsolete") || m.type == QLatin1String("vanished"))
                continue;
            if (m.type == QLatin1String("unfinished") || m.text.trimmed().isEmpty())
                result << m.context + ": " + m.source;
        }
        return result;
    }

    // The translation of one message, as the catalogue gives it.
    static QString translation(const QString& path, const QString& context, const QString& source)
    {
        for (const Message& m : messages(path))
            if (m.context == context && m.source == source)
                return m.text;
        return {};
    }

    // "context: source => translation" of every translated message.
    static QStringList translations(const QString& path)
    {
        QStringList result;
        for (const Message& m : messages(path))
            result << m.context + ": " + m.source + " => " + m.text;
        return result;
    }

private slots:
    void noMessageIsUnfinished_data()
    {
        QTest::addColumn<QString>("path");
        int found = 0;
        // Named by a file, so that the build tree's folders of the same name do not answer.
        for (const char* probe : {"../../resources/translations/pensario_es.ts", "../../formkit/translations/formkit_es.ts"}) {
            const QString dir = QFileInfo(QFINDTESTDATA(probe)).absolutePath();
            QVERIFY2(QFile::exists(dir + "/" + QFileInfo(probe).fileName()), probe);
            QDirIterator it(dir, {"*.ts"}, QDir::Files);
            while (it.hasNext()) {
                const QString path = it.next();
                QTest::newRow(qPrintable(it.fileName())) << path;
                ++found;
            }
        }
        QVERIFY(found >= 7);
    }
    void noMessageIsUnfinished()
    {
        QFETCH(QString, path);
        const QStringList left = unfinished(path);
        QVERIFY2(left.isEmpty(), qPrintable(QString::number(left.size()) + " unfinished:\n" + left.mid(0, 20).join('\n')));
    }

    // One thing has one name in each language, wherever the program shows it,
    // and the day names of the session dialog are written as the timetables write them.
    void oneNameForOneThing_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("es") << QFINDTESTDATA("../../resources/translations/pensario_es.ts") << QLocale(QLocale::Spanish, QLocale::Spain);
        QTest::newRow("gl") << QFINDTESTDATA("../../resources/translations/pensario_gl.ts") << QLocale(QLocale::Galician, QLocale::Spain);
    }
    void oneNameForOneThing()
    {
        QFETCH(QString, path);
        QFETCH(QLocale, locale);
        const auto same = [&path](const char* context1, const char* source1, const char* context2, const char* source2) {
            const QString first = translation(path, context1, source1);
            const QString second = translation(path, context2, source2);
            QVERIFY2(!first.isEmpty() && first == second, qPrintable(first + " / " + second));
        };
        same("ProfesorTableModel", "Nickname", "ProfesorDialog", "Nickname");
        same("AulaDialog", "Location", "ConfigurationDialog", "Location");
        same("AulaDialog", "Comments", "ConfigurationDialog", "Description");
        same("CursosWidget", "Clear filter", "ProfesoresWidget", "Clear filter");
        same("ProfesoresWidget", "Student list", "CursosWidget", "Student list");
        same("RecibosWidget", "Delete", "AlumnosWidget", "Delete");
        same("ConfigurationDialog", "Delete classroom", "HorariosWidget", "Remove classroom");
        const char* const days[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
        for (int day = Qt::Monday; day <= Qt::Sunday; ++day)
            QCOMPARE(translation(path, "CrearSesionDeClaseDialog", days[day - 1]), locale.dayName(day, QLocale::LongFormat));
    }

    // No space before a comma and one after a full stop, whatever the source has.
    void punctuationIsSpaced_data() { oneNameForOneThing_data(); }
    void punctuationIsSpaced()
    {
        QFETCH(QString, path);
        static const QRegularExpression unspaced(QStringLiteral("\\s,|\\p{Ll}{2}\\.[\\p{Lu}¿]"));
        QStringList found;
        for (const QString& message : translations(path))
            if (message.section(QStringLiteral(" => "), 1).contains(unspaced))
                found << message;
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }

    // Printed summaries, settlements and listings number their pages as the
    // printed lists do ("Page 1 of 26"), in the program's language.
    void pageFootersInOneForm_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("catalogue");
        QTest::newRow("en") << QLocale(QLocale::English, QLocale::UnitedStates) << QString();
        QTest::newRow("es") << QLocale(QLocale::Spanish, QLocale::Spain)
                            << QFINDTESTDATA("../../resources/translations/pensario_es.ts");
        QTest::newRow("gl") << QLocale(QLocale::Galician, QLocale::Spain)
                            << QFINDTESTDATA("../../resources/translations/pensario_gl.ts");
    }
    void pageFootersInOneForm()
    {
        QFETCH(QString, catalogue);
        const QString source = QStringLiteral("<p align=\"center\">Page %%PAGENUM%% of %%PAGECOUNT%%</p><p>&nbsp;</p>");
        const QString lists = catalogue.isEmpty() ? source : translation(catalogue, "ASaveAsHelper", source);
        static const QRegularExpression paragraph(QStringLiteral("<p align=\"center\">[^<]*</p>"));
        const QString words = paragraph.match(lists).captured();
        QVERIFY(words.contains(QLatin1String("%%PAGECOUNT%%")));
        // the footer of printed listings, in its catalogue's words
        const QString footerSource = QStringLiteral("Page %%PAGENUM%% of %%PAGECOUNT%%");
        const QString footer = catalogue.isEmpty() ? footerSource : translation(catalogue, "Academia", footerSource);
        QFile file(QStringLiteral(":/html/pieListado.html"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(file.readAll()).contains(QLatin1String("%%PAGINA%%")));
        QCOMPARE(QStringLiteral("<p align=\"center\">%1</p>").arg(footer), words);
    }
};

PENSARIO_TEST_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
