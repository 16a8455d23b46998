#include "asortfilterproxymodel.h"

#include "acollation.h"
#include "aparallel.h"
#include "avaluekeys.h"
#include "proxyhelpers.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <algorithm>
#include <limits>
#include <numeric>

namespace {

bool isNumeric(const QVariant& value)
{
    switch (value.userType()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::QDate:
    case QMetaType::QDateTime:
    case QMetaType::QTime:
        return true;
    default:
        return false;
    }
}

double numberOf(const QVariant& value)
{
    switch (value.userType()) {
    case QMetaType::QDate: return double(value.toDate().toJulianDay());
    case QMetaType::QDateTime: return double(value.toDateTime().toMSecsSinceEpoch());
    case QMetaType::QTime: return double(value.toTime().msecsSinceStartOfDay());
    default: return value.toDouble();
    }
}

} // namespace

void ASortFilterProxyModel::setSourceModel(QAbstractItemModel* model)
{
    for (const QMetaObject::Connection& c : std::as_const(m_sourceConnections))
        disconnect(c);
    m_sourceConnections.clear();
    forgetPrepared();
    m_keys = dynamic_cast<const AValueKeys*>(model);
    if (!m_followsSortSettings) {
        m_followsSortSettings = true;
        // The keys of the last sort are used unchecked: a change of how the
        // rows sort, told once the rows are sorted again, makes them anew.
        const auto sortChanged = [this] {
            if (!m_hotSortKeys)
                return;
            m_hotSortKeys = nullptr;
            m_keyedSortRole = -1;
            if (sortColumn() >= 0 && dynamicSortFilter())
                invalidate();
        };
        connect(this, &QSortFilterProxyModel::sortRoleChanged, this, sortChanged);
        connect(this, &QSortFilterProxyModel::sortCaseSensitivityChanged, this, sortChanged);
        connect(this, &QSortFilterProxyModel::sortLocaleAwareChanged, this, sortChanged);
    }
    // Connected before the base class connects its own handlers, so that the
    // prepared keys are forgotten before it filters or sorts changed rows.
    if (model) {
        const auto forget = [this] { forgetPrepared(); };
        m_sourceConnections
            << connect(model, &QAbstractItemModel::modelAboutToBeReset, this, forget)
            << connect(model, &QAbstractItemModel::modelReset, this, forget)
            << connect(model, &QAbstractItemModel::rowsAboutToBeInserted, this, forget)
            << connect(model, &QAbstractItemModel::rowsInserted, this, forget)
            << connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this, forget)
            << connect(model, &QAbstractItemModel::rowsRemoved, this, forget)
            << connect(model, &QAbstractItemModel::rowsMoved, this, forget)
            << connect(model, &QAbstractItemModel::columnsInserted, this, forget)
            << connect(model, &QAbstractItemModel::columnsRemoved, this, forget)
            << connect(model, &QAbstractItemModel::columnsMoved, this, forget)
            << connect(model, &QAbstractItemModel::layoutAboutToBeChanged, this, forget)
            << connect(model, &QAbstractItemModel::layoutChanged, this, forget)
            << connect(model, &QAbstractItemModel::dataChanged, this,
                       &ASortFilterProxyModel::updatePreparedRows);
    }
    QSortFilterProxyModel::setSourceModel(model);
}

void ASortFilterProxyModel::setFilterText(const QString& text)
{
    if (text == m_filter.pattern())
        return;
    m_filter = ATextFilter(text);
    m_keyedFilterReady = false;
    // One pass over every row and one layout change, however many rows come
    // and go: removing and inserting them range by range costs far more on
    // long lists.
    invalidate();
}

void ASortFilterProxyModel::forgetPrepared()
{
    m_filterKeys.clear();
    m_filterKeysReady = false;
    m_sortKeys.clear();
    m_sortKeysColumn = -1;
    m_keyed = {};
    m_keyedFilterReady = false;
    m_hotSortKeys = nullptr;
}

void ASortFilterProxyModel::updatePreparedRows(const QModelIndex& topLeft, const QModelIndex& bottomRight)
{
    if (topLeft.parent().isValid())
        return;
    if (m_keys) {
        // the changed values may be new ones: made again when next needed
        m_keyed = {};
        m_keyedFilterReady = false;
        m_hotSortKeys = nullptr;
        return;
    }
    const int first = topLeft.row();
    const int last = bottomRight.row();
    if (m_filterKeysReady && last < m_filterKeys.size()) {
        for (int row = first; row <= last; ++row)
            m_filterKeys[row] = filterKey(row);
    }
    if (m_sortKeysColumn >= topLeft.column() && m_sortKeysColumn <= bottomRight.column()
        && last < m_sortKeys.size()) {
        const bool asText = m_sortKeysAsText;
        for (int row = first; row <= last; ++row) {
            const QVariant value = sortValue(sourceModel()->index(row, m_sortKeysColumn));
            if (value.isValid() && !isNumeric(value) && !asText) {
                m_sortKeysColumn = -1; // a text in a column of numbers: made again when next needed
                return;
            }
            m_sortKeys[row] = sortKey(value, asText);
        }
    }
}

// ---- Filtering ---------------------------------------------------------------

QString ASortFilterProxyModel::filterKey(int sourceRow, const QModelIndex& sourceParent) const
{
    const QAbstractItemModel* source = sourceModel();
    const int role = filterRole();
    const int only = filterKeyColumn();
    QString key;
    for (int column = 0; column < source->columnCount(sourceParent); ++column) {
        if (only >= 0 && column != only)
            continue;
        if (!key.isEmpty())
            key += QChar(ATextFilter::kCellSeparator);
        ATextFilter::appendFolded(source->index(sourceRow, column, sourceParent).data(role).toString(), key);
    }
    return key;
}

bool ASortFilterProxyModel::filterKeysCurrent() const
{
    return m_filterKeysReady && m_filterKeysRole == filterRole() && m_filterKeysColumn == filterKeyColumn();
}

void ASortFilterProxyModel::prepareFilterKeys() const
{
    const int rows = sourceModel()->rowCount();
    m_filterKeys.clear();
    m_filterKeys.reserve(rows);
    for (int row = 0; row < rows; ++row)
        m_filterKeys.append(filterKey(row));
    m_filterKeysRole = filterRole();
    m_filterKeysColumn = filterKeyColumn();
    m_filterKeysReady = true;
}

bool ASortFilterProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    if (!m_filter.isEmpty()) {
        if (m_keys && !sourceParent.isValid()) {
            if (!keyedRowMatches(sourceRow))
                return false;
        } else if (sourceParent.isValid()) {
            // rows of a tree are not prepared: their key is made as they are asked for
            if (!m_filter.matches(filterKey(sourceRow, sourceParent)))
                return false;
        } else {
            if (!filterKeysCurrent() || sourceRow >= m_filterKeys.size())
                prepareFilterKeys();
            if (sourceRow >= m_filterKeys.size() || !m_filter.matches(m_filterKeys.at(sourceRow)))
                return false;
        }
    }
    // a pattern set through the base class's own slots still applies
    if (filterRegularExpression().pattern().isEmpty())
        return true;
    return QSortFilterProxyModel::filterAcceptsRow(sourceRow, sourceParent);
}

// ---- Sorting -----------------------------------------------------------------

QVariant ASortFilterProxyModel::sortValue(const QModelIndex& index) const
{
    const QVariant value = index.data(sortRole());
    return value.isValid() ? value : index.data(Qt::DisplayRole);
}

ASortFilterProxyModel::SortKey ASortFilterProxyModel::sortKey(const QVariant& value, bool asText) const
{
    SortKey key;
    if (!value.isValid())
        return key;
    if (!asText) {
        key.kind = SortKey::Kind::Number;
        key.number = numberOf(value);
        return key;
    }
    key.kind = SortKey::Kind::Text;
    if (isSortLocaleAware())
        key.collated = ACollation::collator().sortKey(value.toString());
    else
        key.text = value.toString();
    return key;
}

bool ASortFilterProxyModel::sortKeysCurrent(int column) const
{
    return m_sortKeysColumn == column && m_sortKeysRole == sortRole()
           && m_sortKeysLocaleAware == isSortLocaleAware() && m_sortKeysCase == sortCaseSensitivity();
}

// A column holding any text is compared as text throughout, the way a text
// and a number always were.
void ASortFilterProxyModel::prepareSortKeys(int column) const
{
    const QAbstractItemModel* source = sourceModel();
    const int rows = source->rowCount();
    QList<QVariant> values;
    values.reserve(rows);
    bool asText = false;
    for (int row = 0; row < rows; ++row) {
        values.append(sortValue(source->index(row, column)));
        asText = asText || (values.last().isValid() && !isNumeric(values.last()));
    }
    m_sortKeys.clear();
    m_sortKeys.reserve(rows);
    for (const QVariant& value : std::as_const(values))
        m_sortKeys.append(sortKey(value, asText));
    m_sortKeysColumn = column;
    m_sortKeysAsText = asText;
    m_sortKeysRole = sortRole();
    m_sortKeysLocaleAware = isSortLocaleAware();
    m_sortKeysCase = sortCaseSensitivity();
}

bool ASortFilterProxyModel::less(const SortKey& a, const SortKey& b) const
{
    // Empty cells go last, as the plain proxy puts them.
    if (a.kind == SortKey::Kind::Empty)
        return false;
    if (b.kind == SortKey::Kind::Empty)
        return true;
    if (a.kind == SortKey::Kind::Number && b.kind == SortKey::Kind::Number)
        return a.number < b.number;
    if (a.collated && b.collated)
        return a.collated->compare(*b.collated) < 0;
    return a.text.compare(b.text, sortCaseSensitivity()) < 0;
}

bool ASortFilterProxyModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    if (m_keys && left.model() == right.model() && left.column() == right.column()) {
        // Called millions of times while a long list sorts: the keys of the
        // column last sorted are reached without further checks.
        const QList<double>* keys = m_hotSortKeys;
        if (!keys || left.column() != m_hotSortColumn) {
            keys = left.model() == sourceModel() ? &keyedSortKeys(left.column()) : nullptr;
            m_hotSortKeys = keys;
            m_hotSortColumn = left.column();
        }
        if (keys && left.row() < keys->size() && right.row() < keys->size())
            return keys->at(left.row()) < keys->at(right.row());
    }
    const bool prepared = !left.parent().isValid() && left.model() == sourceModel()
                          && right.model() == sourceModel() && left.column() == right.column();
    if (prepared) {
        const auto within = [this](const QModelIndex& i) { return i.row() < m_sortKeys.size(); };
        if (!sortKeysCurrent(left.column()) || !within(left) || !within(right))
            prepareSortKeys(left.column());
        if (within(left) && within(right))
            return less(m_sortKeys.at(left.row()), m_sortKeys.at(right.row()));
    }
    const QVariant a = sortValue(left);
    const QVariant b = sortValue(right);
    const bool asText = (a.isValid() && !isNumeric(a)) || (b.isValid() && !isNumeric(b));
    return less(sortKey(a, asText), sortKey(b, asText));
}

// ---- Sources with value keys ---------------------------------------------------

void ASortFilterProxyModel::sizeKeyedColumns() const
{
    const int columns = sourceModel()->columnCount();
    if (m_keyed.size() != size_t(columns)) {
        m_keyed.resize(size_t(columns));
        m_hotSortKeys = nullptr;
    }
}

ASortFilterProxyModel::KeyedColumn& ASortFilterProxyModel::keyedColumn(int column) const
{
    sizeKeyedColumns();
    KeyedColumn& c = m_keyed[size_t(column)];
    if (!c.built)
        buildKeyedColumn(c, column);
    return c;
}

// Touches the one column only, so that several are read at once.
void ASortFilterProxyModel::buildKeyedColumn(KeyedColumn& c, int column) const
{
    const int rows = sourceModel()->rowCount();
    c.rowSlot.reserve(rows);
    // small keys (indexes, days, counts) are looked up in a table, others hashed
    const qint64 tableSize = 2 * qint64(rows) + 1024;
    std::vector<int> table;
    for (int row = 0; row < rows; ++row) {
        const qint64 key = m_keys->valueKey(row, column);
        int* slot = nullptr;
        if (key >= 0 && key < tableSize) {
            if (table.empty())
                table.assign(size_t(tableSize), -1);
            slot = &table[size_t(key)];
        } else {
            auto it = c.byKey.find(key);
            if (it == c.byKey.end())
                it = c.byKey.insert(key, -1);
            slot = &it.value();
        }
        if (*slot < 0) {
            *slot = int(c.slotRow.size());
            c.slotRow.append(row);
        }
        c.rowSlot.append(*slot);
    }
    c.byKey = {}; // only needed while the column is read
    c.built = true;
}

QList<int> ASortFilterProxyModel::filteredColumns() const
{
    const int only = filterKeyColumn();
    QList<int> columns;
    for (int column = 0; column < sourceModel()->columnCount(); ++column) {
        if (only < 0 || column == only)
            columns << column;
    }
    return columns;
}

// Each distinct value of the filtered columns is folded once and matched once
// per filter text, the columns and long runs of values on several cores.
void ASortFilterProxyModel::prepareKeyedFilter() const
{
    const QList<int> columns = filteredColumns();
    sizeKeyedColumns(); // before the columns are read at once
    AParallel::forEach(int(columns.size()), [&](int i) {
        KeyedColumn& c = m_keyed[size_t(columns.at(i))];
        if (!c.built)
            buildKeyedColumn(c, columns.at(i));
    });
    const int role = filterRole();
    // a run of one column's distinct values, written by one thread
    struct Piece
    {
        int column;
        const int* rows;
        QString* folded;
        bool* matched;
        qsizetype from;
        qsizetype to;
        bool fold;
    };
    constexpr qsizetype kPiece = 16384;
    std::vector<Piece> pieces;
    for (int column : columns) {
        KeyedColumn& c = m_keyed[size_t(column)];
        const bool fold = c.foldedRole != role || c.folded.size() != c.slotRow.size();
        if (fold) {
            c.folded = QList<QString>(c.slotRow.size());
            c.foldedRole = role;
        }
        c.matched = QList<bool>(c.slotRow.size());
        for (qsizetype from = 0; from < c.slotRow.size(); from += kPiece)
            pieces.push_back({column, c.slotRow.constData(), c.folded.data(), c.matched.data(), from,
                              std::min(from + kPiece, c.slotRow.size()), fold});
    }
    const QAbstractItemModel* source = sourceModel();
    AParallel::forEach(int(pieces.size()), [&](int i) {
        const Piece& p = pieces.at(size_t(i));
        for (qsizetype slot = p.from; slot < p.to; ++slot) {
            if (p.fold)
                p.folded[slot] = ATextFilter::fold(source->index(p.rows[slot], p.column).data(role).toString());
            p.matched[slot] = m_filter.matches(p.folded[slot]);
        }
    });
    m_keyedFilterRole = role;
    m_keyedFilterColumn = filterKeyColumn();
    m_keyedFilterReady = true;
}

bool ASortFilterProxyModel::keyedRowMatches(int sourceRow) const
{
    if (!m_keyedFilterReady || m_keyedFilterRole != filterRole() || m_keyedFilterColumn != filterKeyColumn())
        prepareKeyedFilter();
    const int only = filterKeyColumn();
    for (size_t column = 0; column < m_keyed.size(); ++column) {
        if (only >= 0 && int(column) != only)
            continue;
        const KeyedColumn& c = m_keyed[column];
        if (sourceRow < c.rowSlot.size() && c.matched.at(c.rowSlot.at(sourceRow)))
            return true;
    }
    return false;
}

// One number per row: the value itself for a column of numbers and dates,
// else the rank of its text among the column's distinct texts, so that no
// text is compared while the rows are sorted. Empty cells go last.
const QList<double>& ASortFilterProxyModel::keyedSortKeys(int column) const
{
    if (m_keyedSortRole != sortRole() || m_keyedSortLocaleAware != isSortLocaleAware()
        || m_keyedSortCase != sortCaseSensitivity()) {
        for (KeyedColumn& k : m_keyed)
            k.sortReady = false;
        m_hotSortKeys = nullptr;
        m_keyedSortRole = sortRole();
        m_keyedSortLocaleAware = isSortLocaleAware();
        m_keyedSortCase = sortCaseSensitivity();
    }
    KeyedColumn& c = keyedColumn(column);
    if (c.sortReady)
        return c.rowSort;
    const qsizetype distinct = c.slotRow.size();
    if (sortRole() == ARole::Sort && m_keys->sortsByNumber(column)) {
        QList<double> slotKey(distinct);
        for (qsizetype s = 0; s < distinct; ++s)
            slotKey[s] = m_keys->sortNumber(c.slotRow.at(s), column);
        return setRowSort(c, slotKey);
    }
    QList<QVariant> values;
    values.reserve(distinct);
    bool asText = false;
    for (int row : std::as_const(c.slotRow)) {
        values.append(sortValue(sourceModel()->index(row, column)));
        asText = asText || (values.last().isValid() && !isNumeric(values.last()));
    }
    constexpr double kEmpty = std::numeric_limits<double>::infinity();
    QList<double> slotKey(distinct, kEmpty);
    if (!asText) {
        for (qsizetype s = 0; s < distinct; ++s) {
            if (values.at(s).isValid())
                slotKey[s] = numberOf(values.at(s));
        }
    } else {
        QList<int> order;
        QList<QString> texts(distinct);
        QList<std::optional<QCollatorSortKey>> collated(distinct);
        const bool localeAware = isSortLocaleAware();
        for (qsizetype s = 0; s < distinct; ++s) {
            if (!values.at(s).isValid())
                continue;
            order.append(int(s));
            texts[s] = values.at(s).toString();
            if (localeAware)
                collated[s] = ACollation::collator().sortKey(texts.at(s));
        }
        const Qt::CaseSensitivity cs = sortCaseSensitivity();
        const auto compare = [&](int a, int b) {
            return localeAware ? collated.at(a)->compare(*collated.at(b)) : texts.at(a).compare(texts.at(b), cs);
        };
        std::sort(order.begin(), order.end(), [&](int a, int b) { return compare(a, b) < 0; });
        double rank = 0;
        for (qsizetype i = 0; i < order.size(); ++i) {
            if (i > 0 && compare(order.at(i - 1), order.at(i)) != 0)
                ++rank;
            slotKey[order.at(i)] = rank;
        }
    }
    return setRowSort(c, slotKey);
}

const QList<double>& ASortFilterProxyModel::setRowSort(KeyedColumn& c, const QList<double>& slotKey)
{
    c.rowSort.resize(c.rowSlot.size());
    for (qsizetype row = 0; row < c.rowSlot.size(); ++row)
        c.rowSort[row] = slotKey.at(c.rowSlot.at(row));
    c.sortReady = true;
    return c.rowSort;
}
