#include "acollation.h"
#include "asortfilterproxymodel.h"
#include "atextfilter.h"
#include "avaluekeys.h"
#include "messagecapture.h"
#include "proxyhelpers.h"
#include "testmain.h"

#include <QDate>
#include <functional>
#include <QHash>
#include <QItemSelectionModel>
#include <QRandomGenerator>
#include <QLocale>
#include <QMutex>
#include <QSignalSpy>
#include <QStandardItemModel>

namespace {

bool matches(const QString& pattern, const QString& text)
{
    return ATextFilter(pattern).matches(ATextFilter::fold(text));
}

QStringList column(const QAbstractItemModel* model, int column = 0)
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, column).data().toString();
    return texts;
}

// A one-column model of names, with a second column of numbers as sort values.
void fill(QStandardItemModel& model, const QStringList& names)
{
    model.clear();
    model.setColumnCount(2);
    for (int row = 0; row < names.size(); ++row) {
        auto* name = new QStandardItem(names.at(row));
        auto* number = new QStandardItem(QString::number(row));
        number->setData(row * 1.5, ARole::Sort);
        model.appendRow({name, number});
    }
}

// The same cells, telling which hold equal values. The proxy asks from
// several threads at once: the keys handed out so far are shared under a lock.
class KeyedModel : public QStandardItemModel, public AValueKeys
{
public:
    qint64 valueKey(int row, int column) const override
    {
        const QMutexLocker lock(&m_keysLock);
        const QModelIndex i = index(row, column);
        const QVariant display = i.data(Qt::DisplayRole);
        const QVariant sort = i.data(ARole::Sort);
        const QString key = QStringLiteral("%1|%2|%3|%4|%5")
                                .arg(display.typeId()).arg(display.toString())
                                .arg(sort.typeId()).arg(sort.toString()).arg(sort.isValid());
        const qint64 id = m_keys.contains(key) ? m_keys.value(key) : m_keys.insert(key, m_keys.size()).value();
        // small keys for some columns, large ones for the others
        return column % 2 ? id : id * 1000003 + 7;
    }
    // amounts and dates, never empty, by their number
    bool sortsByNumber(int column) const override { return column == 1 || column == 2; }
    double sortNumber(int row, int column) const override
    {
        const QVariant value = index(row, column).data();
        return column == 2 ? double(value.toDate().toJulianDay()) : value.toDouble();
    }

private:
    mutable QMutex m_keysLock;
    mutable QHash<QString, qint64> m_keys;
};

// Rows of names that differ in accents and case, numbers, dates, a column
// of texts and numbers, and empty cells, with many repeats.
QList<QList<QStandardItem*>> randomRows(QRandomGenerator& random, int count)
{
    const QStringList names{QStringLiteral("Núñez"), QStringLiteral("nunez"), QStringLiteral("Nuñez"),
                            QStringLiteral("Álvarez"), QStringLiteral("alvarez"), QStringLiteral("Zoe"),
                            QStringLiteral("Ñoño"), QStringLiteral("Room [A]"), QString()};
    QList<QList<QStandardItem*>> rows;
    for (int r = 0; r < count; ++r) {
        auto* name = new QStandardItem(names.at(random.bounded(int(names.size()))));
        if (name->text().isEmpty())
            name->setData(QVariant(), Qt::DisplayRole);
        auto* amount = new QStandardItem;
        const double value = random.bounded(20) / 4.0;
        amount->setData(value, Qt::DisplayRole);
        auto* date = new QStandardItem;
        date->setData(QDate(2025, 1, 1).addDays(random.bounded(40)), Qt::DisplayRole);
        auto* mixed = new QStandardItem;
        if (random.bounded(3) == 0)
            mixed->setData(random.bounded(5), Qt::DisplayRole);
        else
            mixed->setData(names.at(random.bounded(4)), Qt::DisplayRole);
        auto* shown = new QStandardItem(QString::number(random.bounded(6)));
        if (random.bounded(2))
            shown->setData(random.bounded(6) * 1.5, ARole::Sort);
        rows << QList<QStandardItem*>{name, amount, date, mixed, shown};
    }
    return rows;
}

QList<QStandardItem*> copyOf(const QList<QStandardItem*>& row)
{
    QList<QStandardItem*> copy;
    for (const QStandardItem* item : row)
        copy << item->clone();
    return copy;
}

QStringList allCells(const QAbstractItemModel* model)
{
    QStringList cells;
    for (int row = 0; row < model->rowCount(); ++row)
        for (int c = 0; c < model->columnCount(); ++c)
            cells << model->index(row, c).data().toString();
    return cells;
}

} // namespace

class TestATextFilter : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestEnv::resetCase(); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void foldingDropsAccentsAndCase()
    {
        QCOMPARE(ATextFilter::fold(QStringLiteral("Núñez GARCÍA")), QStringLiteral("nunez garcia"));
        QCOMPARE(ATextFilter::fold(QStringLiteral("Çàö ÅÑ")), QStringLiteral("cao an"));
        // a text stored with its accents as separate marks folds the same
        QCOMPARE(ATextFilter::fold(QStringLiteral("Garci\u0301a")), QStringLiteral("garcia"));
        QCOMPARE(ATextFilter::fold(QStringLiteral("Ωμέγα")), QStringLiteral("ωμεγα"));
    }

    void matching_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("found");
        QTest::newRow("accent typed without") << "garcia" << "María García" << true;
        QTest::newRow("tilde typed without") << "nunez" << "Núñez" << true;
        QTest::newRow("accent typed on a plain text") << "Gárcia" << "GARCIA" << true;
        QTest::newRow("not there") << "lopes" << "López" << false;
        QTest::newRow("star") << "ma*ez" << "Marta Núñez" << true;
        QTest::newRow("star keeps the order") << "ez*ma" << "Marta Núñez" << false;
        QTest::newRow("question mark") << "l?pez" << "López" << true;
        QTest::newRow("question mark is one character") << "l?ez" << "López" << false;
        QTest::newRow("only stars") << "**" << "anything" << true;
        QTest::newRow("unclosed bracket is text") << "[" << "Room [A]" << true;
        QTest::newRow("unclosed bracket not there") << "[b" << "Room [A]" << false;
        QTest::newRow("set") << "l[oó]pez" << "LÓPEZ" << true;
        QTest::newRow("set is one character") << "[ab]" << "b" << true;
        QTest::newRow("set without the character") << "[xy]opez" << "López" << false;
        QTest::newRow("negated set") << "[!l]opez" << "López" << false;
        QTest::newRow("negated set elsewhere") << "[^l]opez" << "Copez" << true;
        QTest::newRow("range") << "room [0-9]" << "Room 7" << true;
        QTest::newRow("range without") << "room [0-5]" << "Room 7" << false;
        QTest::newRow("set and star") << "[gl]*ez" << "López" << true;
        QTest::newRow("empty brackets are text") << "[]" << "a[]b" << true;
        QTest::newRow("unclosed negation is text") << "[!" << "¡hola[!" << true;
        QTest::newRow("backslash and parenthesis are text") << "(\\" << "x(\\y" << true;
        QTest::newRow("empty finds all") << "" << "" << true;
    }

    void matching()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QFETCH(bool, found);
        QCOMPARE(matches(pattern, text), found);
    }

    // Wildcards stay inside one cell of a row's key.
    void wildcardsStayInOneCell()
    {
        QString key;
        ATextFilter::appendFolded(QStringLiteral("Ana"), key);
        key += QChar(ATextFilter::kCellSeparator);
        ATextFilter::appendFolded(QStringLiteral("Lugo"), key);
        QVERIFY(ATextFilter(QStringLiteral("lugo")).matches(key));
        QVERIFY(ATextFilter(QStringLiteral("a*lu")).matches(key) == false);
        QVERIFY(ATextFilter(QStringLiteral("ana?")).matches(key) == false);
        QVERIFY(ATextFilter(QStringLiteral("l*o")).matches(key));
    }

    // The page's proxy: accents and case ignored in any column, wildcards
    // kept, a bracket taken as text without a warning, and a filter that
    // follows the rows when the source changes.
    void proxyFilters()
    {
        QStandardItemModel source;
        fill(source, {QStringLiteral("María García"), QStringLiteral("Xoán Núñez"), QStringLiteral("Ana López"),
                      QStringLiteral("Room [A]")});
        QObject owner;
        ASortFilterProxyModel* proxy = createFilterProxy(&source, &owner);
        MessageCapture capture;
        proxy->setFilterText(QStringLiteral("GARCIA"));
        QCOMPARE(column(proxy), QStringList{QStringLiteral("María García")});
        proxy->setFilterText(QStringLiteral("nunez"));
        QCOMPARE(column(proxy), QStringList{QStringLiteral("Xoán Núñez")});
        proxy->setFilterText(QStringLiteral("a*ez"));
        QCOMPARE(column(proxy).size(), 2); // Núñez, López
        proxy->setFilterText(QStringLiteral("["));
        QCOMPARE(column(proxy), QStringList{QStringLiteral("Room [A]")});
        QCOMPARE(capture.count(QtWarningMsg), 0);
        proxy->setFilterText(QStringLiteral("3")); // the second column too
        QCOMPARE(column(proxy), QStringList{QStringLiteral("Room [A]")});

        // a change of a cell, new rows and a whole new list are followed
        proxy->setFilterText(QStringLiteral("lopez"));
        source.setData(source.index(1, 0), QStringLiteral("Luís Lopez"));
        QCOMPARE(column(proxy).size(), 2);
        source.appendRow({new QStandardItem(QStringLiteral("Iria LÓPEZ")), new QStandardItem(QStringLiteral("9"))});
        QCOMPARE(column(proxy).size(), 3);
        fill(source, {QStringLiteral("Sabela Pérez"), QStringLiteral("Uxía López")});
        QCOMPARE(column(proxy), QStringList{QStringLiteral("Uxía López")});
        proxy->setFilterText(QString());
        QCOMPARE(proxy->rowCount(), 2);
    }

    // A selection of a row that stays through a filter stays selected.
    void filterKeepsPersistentRows()
    {
        QStandardItemModel source;
        fill(source, {QStringLiteral("Ana"), QStringLiteral("Bea"), QStringLiteral("Álex")});
        QObject owner;
        ASortFilterProxyModel* proxy = createFilterProxy(&source, &owner);
        const QPersistentModelIndex kept = proxy->index(2, 0);
        const QPersistentModelIndex gone = proxy->index(1, 0);
        QItemSelectionModel selection(proxy);
        selection.select(gone, QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QSignalSpy layouts(proxy, &QAbstractItemModel::layoutChanged);
        proxy->setFilterText(QStringLiteral("X"));
        QVERIFY(kept.isValid());
        QCOMPARE(kept.data().toString(), QStringLiteral("Álex"));
        QVERIFY(!gone.isValid());
        QVERIFY(selection.selectedRows().isEmpty());
        // one change of layout, which the list view reports as a change of selection
        QCOMPARE(layouts.count(), 1);
    }

    void proxySortsByTheLocale()
    {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        QStandardItemModel source;
        const QStringList names{QStringLiteral("Zapata"), QStringLiteral("Álvarez"), QStringLiteral("Nuño"),
                                QStringLiteral("Nuno"), QStringLiteral("Ñúñez"), QStringLiteral("Oca"),
                                QStringLiteral("alba"), QStringLiteral("Gutiérrez"), QStringLiteral("Gómez")};
        fill(source, names);
        QObject owner;
        ASortFilterProxyModel* proxy = createFilterProxy(&source, &owner);
        proxy->sort(0, Qt::AscendingOrder);
        const QStringList expected{QStringLiteral("alba"), QStringLiteral("Álvarez"), QStringLiteral("Gómez"),
                                   QStringLiteral("Gutiérrez"), QStringLiteral("Nuno"), QStringLiteral("Nuño"),
                                   QStringLiteral("Ñúñez"), QStringLiteral("Oca"), QStringLiteral("Zapata")};
        QCOMPARE(column(proxy), expected);
        // numbers by their sort value, not their text: 1.5 before 10.5
        proxy->sort(1, Qt::DescendingOrder);
        QCOMPARE(proxy->index(0, 1).data().toString(), QStringLiteral("8"));
        QCOMPARE(proxy->index(8, 1).data().toString(), QStringLiteral("0"));
        // a renamed row moves to its place
        proxy->sort(0, Qt::AscendingOrder);
        source.setData(source.index(0, 0), QStringLiteral("Ábalos"));
        QCOMPARE(proxy->index(0, 0).data().toString(), QStringLiteral("Ábalos"));
        // filtered and sorted at once
        proxy->setFilterText(QStringLiteral("U"));
        QCOMPARE(column(proxy), (QStringList{QStringLiteral("Gutiérrez"), QStringLiteral("Nuno"), QStringLiteral("Nuño"),
                                             QStringLiteral("Ñúñez")}));
    }

    // A source that tells which cells are equal is sorted and filtered
    // exactly as one that does not, through its changes too.
    void keyedSourceSortsAndFiltersAsAPlainOne()
    {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        QRandomGenerator random(34);
        QStandardItemModel plain;
        KeyedModel keyed;
        const auto append = [&](int count) {
            for (const QList<QStandardItem*>& row : randomRows(random, count)) {
                keyed.appendRow(copyOf(row));
                plain.appendRow(row);
            }
        };
        append(300);
        QObject owner;
        ASortFilterProxyModel* expected = createFilterProxy(&plain, &owner);
        ASortFilterProxyModel* actual = createFilterProxy(&keyed, &owner);
        const QStringList filters{QString(), QStringLiteral("n"), QStringLiteral("nun"), QStringLiteral("a*ez"),
                                  QStringLiteral("2025-01-1?"), QStringLiteral("[!a-m]o"), QStringLiteral("1.5")};
        const auto compareAll = [&](const char* step) {
            for (int column = -1; column < plain.columnCount(); ++column) {
                for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
                    expected->sort(column, order);
                    actual->sort(column, order);
                    for (const QString& filter : filters) {
                        expected->setFilterText(filter);
                        actual->setFilterText(filter);
                        if (allCells(actual) != allCells(expected))
                            QFAIL(qPrintable(QStringLiteral("%1: column %2, order %3, filter \"%4\"")
                                                 .arg(QLatin1String(step)).arg(column).arg(int(order)).arg(filter)));
                    }
                }
            }
        };
        compareAll("loaded");
        QVERIFY(actual->rowCount() > 0);
        // one column filtered only
        expected->setFilterKeyColumn(0);
        actual->setFilterKeyColumn(0);
        compareAll("name column only");
        expected->setFilterKeyColumn(-1);
        actual->setFilterKeyColumn(-1);

        append(40);
        compareAll("rows added");
        keyed.removeRows(10, 25);
        plain.removeRows(10, 25);
        compareAll("rows removed");
        for (QStandardItemModel* model : {static_cast<QStandardItemModel*>(&keyed), &plain})
            model->setData(model->index(3, 0), QStringLiteral("Ábalos"));
        compareAll("a cell changed");

        // how the rows sort changes under a sorted list: sorted again by the new rule
        const auto bothSortedThen = [&](int column, const std::function<void(ASortFilterProxyModel*)>& change) {
            expected->sort(column, Qt::AscendingOrder);
            actual->sort(column, Qt::AscendingOrder);
            change(expected);
            change(actual);
            // rows that sort alike may stay in another order
            return ::column(actual, column) == ::column(expected, column);
        };
        expected->setFilterText(QString());
        actual->setFilterText(QString());
        QVERIFY(bothSortedThen(4, [](ASortFilterProxyModel* p) { p->setSortRole(Qt::DisplayRole); }));
        QVERIFY(bothSortedThen(0, [](ASortFilterProxyModel* p) { p->setSortLocaleAware(false); }));
        QVERIFY(bothSortedThen(0, [](ASortFilterProxyModel* p) { p->setSortCaseSensitivity(Qt::CaseInsensitive); }));
    }

    // A column of more distinct values than one thread folds: every value is
    // matched, those at the ends of each thread's share too.
    void keyedFilterReadsLongColumnsWhole()
    {
        QStandardItemModel plain;
        KeyedModel keyed;
        for (int row = 0; row < 40000; ++row) {
            for (QStandardItemModel* model : {&plain, static_cast<QStandardItemModel*>(&keyed)})
                model->appendRow({new QStandardItem(QStringLiteral("Núm %1").arg(row)),
                                  new QStandardItem(QString::number(row % 7))});
        }
        QObject owner;
        ASortFilterProxyModel* expected = createFilterProxy(&plain, &owner);
        ASortFilterProxyModel* actual = createFilterProxy(&keyed, &owner);
        for (const QString& filter : {QStringLiteral("num 1638"), QStringLiteral("num 32767"), QStringLiteral("999"),
                                      QStringLiteral("6"), QStringLiteral("num 3999?")}) {
            expected->setFilterText(filter);
            actual->setFilterText(filter);
            QVERIFY2(expected->rowCount() > 0, qPrintable(filter));
            QCOMPARE(column(actual), column(expected));
        }
    }

    // Empty cells go last whatever the column holds.
    void emptyCellsGoLast()
    {
        QStandardItemModel source(3, 1);
        source.setData(source.index(0, 0), QStringLiteral("b"));
        source.setData(source.index(2, 0), QStringLiteral("a"));
        QObject owner;
        ASortFilterProxyModel* proxy = createFilterProxy(&source, &owner);
        proxy->sort(0, Qt::AscendingOrder);
        QCOMPARE(column(proxy), (QStringList{QStringLiteral("a"), QStringLiteral("b"), QString()}));
    }

    void collationFollowsTheLocale()
    {
        QLocale::setDefault(QLocale(QLocale::Galician, QLocale::Spain));
        QList<QString> names{QStringLiteral("Valeria"), QStringLiteral("Ñoño"), QStringLiteral("Álvaro"),
                             QStringLiteral("nz")};
        ACollation::sortBy(names, [](const QString& s) { return s; });
        QCOMPARE(names, (QList<QString>{QStringLiteral("Álvaro"), QStringLiteral("nz"), QStringLiteral("Ñoño"),
                                        QStringLiteral("Valeria")}));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(ACollation::compare(u"Ñoño", u"nz") < 0); // English: ñ is an n
    }
};

PENSARIO_TEST_MAIN(TestATextFilter)
#include "tst_atextfilter.moc"
