#include "aapplication.h"
#include "testenv.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

// Qt's own dialogs, as the program opens them, show no English word in
// Spanish or Galician. Each language runs in a child process, so that the
// application object loads its catalogues as it does for the user.
namespace {
const char* const childLocale = "QTDIALOGS_LOCALE";

class TextCollector
{
public:
    explicit TextCollector(QString dialog) : m_dialog(std::move(dialog)) {}
    // Names of the test's own files and folders, not texts of the dialog.
    static QStringList& ownNames()
    {
        static QStringList names;
        return names;
    }

    void collect(QWidget* root)
    {
        add(QStringLiteral("title"), root->windowTitle());
        addWidget(root);
        for (QWidget* widget : root->findChildren<QWidget*>())
            addWidget(widget);
    }
    void add(const QString& kind, QString text)
    {
        text.remove(QLatin1Char('&'));
        text = text.simplified();
        for (const QString& name : std::as_const(ownNames()))
            if (text.contains(name))
                return;
        if (!text.isEmpty())
            m_lines << m_dialog + QLatin1Char('|') + kind + QLatin1Char('|') + text;
    }
    QStringList lines() const { return m_lines; }

private:
    void addWidget(QWidget* widget)
    {
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            QTextDocument plain;
            plain.setHtml(label->text());
            add(QStringLiteral("label"), Qt::mightBeRichText(label->text()) ? plain.toPlainText() : label->text());
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            add(QStringLiteral("button"), button->text());
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            add(QStringLiteral("group"), group->title());
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            for (int i = 0; i < combo->count(); ++i)
                add(QStringLiteral("combo"), combo->itemText(i));
        } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                add(QStringLiteral("tab"), tabs->tabText(i));
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            add(QStringLiteral("placeholder"), edit->placeholderText());
        } else if (auto* view = qobject_cast<QAbstractItemView*>(widget)) {
            addView(view);
        }
        for (QAction* action : widget->actions())
            addAction(action);
    }
    void addAction(QAction* action)
    {
        add(QStringLiteral("action"), action->text());
        if (action->menu())
            for (QAction* inner : action->menu()->actions())
                addAction(inner);
    }
    // Headers and the first rows the view shows: the file list's columns and
    // the types of the files in it.
    void addView(QAbstractItemView* view)
    {
        const QAbstractItemModel* model = view->model();
        if (!model)
            return;
        const QModelIndex shown = view->rootIndex();
        for (int column = 0; column < model->columnCount(shown); ++column) {
            add(QStringLiteral("header"), model->headerData(column, Qt::Horizontal).toString());
            for (int row = 0; row < qMin(model->rowCount(shown), 8); ++row)
                add(QStringLiteral("cell"), model->index(row, column, shown).data().toString());
        }
    }

    QString m_dialog;
    QStringList m_lines;
};

// Pictures of the dialogs go to this folder when it is given, to be looked at.
void shoot(QWidget* dialog, const QString& name)
{
    const QString folder = qEnvironmentVariable("QTDIALOGS_SHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    QTest::qWait(50);
    dialog->grab().save(QStringLiteral("%1/%2-%3.png").arg(folder, QLocale().name(), name));
}

// The dialog a button opens, once it is on screen.
QStringList textsOfDialogOpenedBy(QAbstractButton* button, const QString& name)
{
    QStringList lines;
    QTimer::singleShot(0, [&lines, name]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        TextCollector collector(name);
        collector.collect(modal);
        lines = collector.lines();
        shoot(modal, name);
        modal->close();
    });
    button->click();
    return lines;
}

QStringList printDialogTexts(QPrinter& printer)
{
    QPrintDialog dialog(&printer);
    dialog.setOption(QAbstractPrintDialog::PrintToFile);
    dialog.show();
    TextCollector collector(QStringLiteral("print"));
    collector.collect(&dialog);
    shoot(&dialog, QStringLiteral("print"));
    if (!qEnvironmentVariableIsEmpty("QTDIALOGS_SHOTS")) {
        for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
            if (button->text().endsWith(QLatin1String(">>")))
                button->click();
        auto* tabs = dialog.findChild<QTabWidget*>();
        for (int tab = 0; tabs && tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            shoot(&dialog, QStringLiteral("print-options-%1").arg(tab));
        }
    }
    QStringList lines = collector.lines();
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        if (button->objectName() == QLatin1String("properties") && button->isEnabled())
            lines << textsOfDialogOpenedBy(button, QStringLiteral("properties"));
    return lines;
}

// The calendar on a page it turned to, as the user sees it then: the day
// names heading the grid and the month's names.
QStringList calendarTexts()
{
    QCalendarWidget calendar;
    calendar.setSelectedDate(QDate(2026, 11, 9));
    calendar.show();
    calendar.showNextMonth();
    shoot(&calendar, QStringLiteral("calendar"));
    TextCollector collector(QStringLiteral("calendar"));
    const QAbstractItemModel* grid = calendar.findChild<QAbstractItemView*>()->model();
    for (int column = 0; column < grid->columnCount(); ++column)
        collector.add(QStringLiteral("day"), grid->index(0, column).data().toString());
    auto* month = calendar.findChild<QToolButton*>(QStringLiteral("qt_calendar_monthbutton"));
    collector.add(QStringLiteral("month"), month->text());
    for (QAction* action : month->menu()->actions())
        collector.add(QStringLiteral("month"), action->text());
    return collector.lines();
}

QStringList dialogTexts(QWidget* dialog, const QString& name)
{
    dialog->show();
    shoot(dialog, name);
    TextCollector collector(name);
    collector.collect(dialog);
    return collector.lines();
}

int runChild(int argc, char* argv[])
{
    TestEnv::initProcess();
    {
        QSettings settings;
        settings.setValue(QStringLiteral("general/locale"), qEnvironmentVariable(childLocale));
    }
    AApplication app(argc, argv, QStringLiteral("Pensario"), QStringLiteral("Velbrook"),
                     QStringLiteral("velbrook.example"));
    QStringList lines;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    lines << printDialogTexts(printer);
    QPageSetupDialog pageSetup(&printer);
    lines << dialogTexts(&pageSetup, QStringLiteral("page setup"));
    QPrintPreviewDialog preview(&printer);
    lines << dialogTexts(&preview, QStringLiteral("preview"));
    lines << calendarTexts();
    // the context menus of a multi-line and a one-line text box
    QTextEdit notes;
    QLineEdit name;
    for (QMenu* menu : {notes.createStandardContextMenu(), name.createStandardContextMenu()}) {
        TextCollector collector(QStringLiteral("text menu"));
        for (QAction* action : menu->actions())
            collector.add(QStringLiteral("action"), action->text().section(QLatin1Char('\t'), 0, 0));
        lines << collector.lines();
        delete menu;
    }
    QTemporaryDir folder;
    QDir(folder.path()).mkdir(QStringLiteral("letters"));
    QFile someFile(folder.path() + QStringLiteral("/bills.pdf"));
    someFile.open(QIODevice::WriteOnly);
    someFile.close();
    TextCollector::ownNames() << QDir::homePath() << QDir(QDir::homePath()).dirName() << folder.path()
                              << QStringLiteral("letters") << QStringLiteral("bills.pdf");
    QFileDialog files(nullptr, QString(), folder.path(), QStringLiteral("PDF (*.pdf)"));
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.setAcceptMode(QFileDialog::AcceptSave);
    files.show();
    // the folder is read in the background
    const bool listed = QTest::qWaitFor([&files]() {
        for (const QAbstractItemView* view : files.findChildren<QAbstractItemView*>())
            if (view->rootIndex().isValid() && view->model()->rowCount(view->rootIndex()) >= 2)
                return true;
        return false;
    });
    if (!listed)
        lines << QStringLiteral("file|error|the folder was not listed");
    lines << dialogTexts(&files, QStringLiteral("file"));
    QTextStream(stdout) << lines.join(QLatin1Char('\n')) << '\n';
    return 0;
}

QStringList childTexts(const QString& locale)
{
    QProcess process;
    // the desktop in the same language, as the program's users have it
    QProcessEnvironment env = TestEnv::localeEnvironment(locale);
    env.insert(QString::fromLatin1(childLocale), locale);
    process.setProcessEnvironment(env);
    process.start(QCoreApplication::applicationFilePath(), {});
    if (!process.waitForFinished(60000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QSet<QString> wordsOf(const QString& text)
{
    static const QRegularExpression word(QStringLiteral("\\p{L}+"));
    QSet<QString> words;
    for (const QRegularExpressionMatch& match : word.globalMatch(text))
        words.insert(match.captured().toLower());
    return words;
}

QString textOf(const QString& line)
{
    return line.section(QLatin1Char('|'), 2);
}
} // namespace

class TestQtDialogTexts : public QObject
{
    Q_OBJECT
private:
    QStringList m_english;

private slots:
    void initTestCase()
    {
        m_english = childTexts(QStringLiteral("en_US"));
        // the dialogs were opened and their texts found
        for (const char* probe : {"print|", "page setup|", "preview|", "calendar|", "file|", "properties|"})
            QVERIFY2(!m_english.filter(QLatin1String(probe)).isEmpty(), probe);
    }

    void noEnglishWord_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("spanish") << QStringLiteral("es_ES");
        QTest::newRow("galician") << QStringLiteral("gl_ES");
    }
    void noEnglishWord()
    {
        QFETCH(QString, locale);
        const QStringList translated = childTexts(locale);
        // Words written alike in English and in these languages ("local",
        // Galician "as"), and names of paper sizes and units.
        static const QStringList same{"as", "color", "control", "local", "no", "pdf", "cups", "ansi", "jis", "prc",
                                      "dl", "kaku", "chou", "personal", "bytes", "legal", "folio", "quarto", "super", "extra", "plus", "didot", "cicero",
                                      "cc", "dd", "mm", "in", "pt"};
        QSet<QString> english;
        for (const QString& line : std::as_const(m_english))
            english += wordsOf(textOf(line));
        QVERIFY(translated.size() > m_english.size() / 2);
        QStringList found;
        for (const QString& line : translated) {
            QSet<QString> words = wordsOf(textOf(line));
            words.intersect(english);
            words.subtract(QSet<QString>(same.cbegin(), same.cend()));
            words.removeIf([](const QString& word) { return word.size() == 1; });
            if (!words.isEmpty())
                found << line + QStringLiteral("  <- ") + QStringList(words.values()).join(QLatin1Char(' '));
        }
        found.removeDuplicates();
        for (const QString& line : std::as_const(found))
            qInfo().noquote() << line;
        QVERIFY2(found.isEmpty(), qPrintable(QString::number(found.size()) + " texts in English, listed above"));
    }

    // Qt's texts use the program's words for what it names ("archivo",
    // "Amosar", "Vista previa"), not the other words of the language.
    void programWords_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("others");
        QTest::newRow("spanish") << QStringLiteral("es_ES")
                                 << QStringList{"fichero", "ficheros", "previsualizar", "previsualización", "recopilar"};
        QTest::newRow("galician") << QStringLiteral("gl_ES")
                                  << QStringList{"mostrar", "impreso", "acochados", "só"};
    }
    void programWords()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, others);
        const QStringList translated = childTexts(locale);
        QVERIFY(!translated.filter(QStringLiteral("text menu|")).isEmpty());
        QStringList found;
        for (const QString& line : translated)
            for (const QString& word : std::as_const(others))
                if (wordsOf(textOf(line)).contains(word))
                    found << line;
        found.removeDuplicates();
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }

    // Day names in one form ("luns" beside "mar." is not) and month names in
    // lower case, as both languages write them, on a page turned to as well.
    void calendarNames_data() { noEnglishWord_data(); }
    void calendarNames()
    {
        QFETCH(QString, locale);
        static const QRegularExpression letters(QStringLiteral("\\p{L}"));
        QStringList days, months;
        for (const QString& line : childTexts(locale)) {
            if (line.startsWith(QLatin1String("calendar|day|")) && textOf(line).contains(letters))
                days << textOf(line);
            else if (line.startsWith(QLatin1String("calendar|month|")))
                months << textOf(line);
        }
        QCOMPARE(days.size(), 7);
        const QString firstForm = days.first().endsWith(QLatin1Char('.')) ? QStringLiteral(".") : QString();
        for (const QString& day : std::as_const(days))
            QVERIFY2(day.endsWith(QLatin1Char('.')) == !firstForm.isEmpty(), qPrintable(days.join(' ')));
        QVERIFY2(months.contains(QLocale(locale).monthName(12)), qPrintable(months.join(' ')));
        QCOMPARE(months.size(), 1 + 12);
        for (const QString& month : std::as_const(months))
            QCOMPARE(month, month.toLower());
    }
};

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsSet(childLocale))
        return runChild(argc, argv);
    TestEnv::initProcess();
    QApplication app(argc, argv);
    TestQtDialogTexts tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_qtdialogtexts.moc"
