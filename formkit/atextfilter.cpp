#include "atextfilter.h"

#include <array>

namespace {

// Characters below this one are folded through a table built once: ASCII,
// the Latin letters with their accents, and the combining accents themselves.
constexpr char16_t kTableEnd = 0x370;

QString foldSlowly(QChar c)
{
    const QString decomposed = QString(c).normalized(QString::NormalizationForm_D);
    QString bare;
    for (const QChar part : decomposed) {
        if (!part.isMark())
            bare += part;
    }
    return bare.toCaseFolded();
}

struct FoldTable
{
    // the folded character; 0 when the character folds to nothing (an accent)
    // or to several characters, which `several` then holds
    std::array<char16_t, kTableEnd> one{};
    std::array<QString, kTableEnd> several;

    FoldTable()
    {
        for (char16_t c = 0; c < kTableEnd; ++c) {
            const QString folded = foldSlowly(QChar(c));
            if (folded.size() == 1)
                one[c] = folded.at(0).unicode();
            else
                several[c] = folded;
        }
    }
};

const FoldTable& foldTable()
{
    static const FoldTable table;
    return table;
}

// Where a piece holding '?' (any one character) first matches in cell from
// position `from`, or -1.
qsizetype indexOfWithJokers(QStringView cell, QStringView piece, qsizetype from)
{
    const qsizetype last = cell.size() - piece.size();
    for (qsizetype at = from; at <= last; ++at) {
        qsizetype i = 0;
        while (i < piece.size() && (piece[i] == u'?' || piece[i] == cell[at + i]))
            ++i;
        if (i == piece.size())
            return at;
    }
    return -1;
}

} // namespace

ATextFilter::ATextFilter(const QString& pattern)
    : m_pattern(pattern)
{
    const QString folded = fold(pattern);
    m_wildcards = folded.contains(u'*') || folded.contains(u'?');
    if (!m_wildcards) {
        m_plain = folded;
        return;
    }
    for (const QString& piece : folded.split(u'*', Qt::SkipEmptyParts))
        m_pieces << piece;
}

void ATextFilter::appendFolded(QStringView text, QString& out)
{
    const FoldTable& table = foldTable();
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80) {
            out += (u >= u'A' && u <= u'Z') ? QChar(u + 32) : c;
        } else if (u < kTableEnd) {
            if (table.one[u])
                out += QChar(table.one[u]);
            else
                out += table.several[u];
        } else if (c.isSurrogate()) {
            out += c;
        } else {
            out += foldSlowly(c);
        }
    }
}

QString ATextFilter::fold(QStringView text)
{
    QString out;
    out.reserve(text.size());
    appendFolded(text, out);
    return out;
}

bool ATextFilter::matches(QStringView folded) const
{
    if (!m_wildcards)
        return folded.contains(m_plain);
    if (m_pieces.isEmpty())
        return true; // only '*'
    qsizetype start = 0;
    while (start <= folded.size()) {
        qsizetype end = folded.indexOf(QChar(kCellSeparator), start);
        if (end < 0)
            end = folded.size();
        if (matchesCell(folded.mid(start, end - start)))
            return true;
        start = end + 1;
    }
    return false;
}

// The pieces in their order, each after the last: the '*' between them
// takes whatever lies between.
bool ATextFilter::matchesCell(QStringView cell) const
{
    qsizetype from = 0;
    for (const QString& piece : m_pieces) {
        const qsizetype at = piece.contains(u'?') ? indexOfWithJokers(cell, piece, from) : cell.indexOf(piece, from);
        if (at < 0)
            return false;
        from = at + piece.size();
    }
    return true;
}
