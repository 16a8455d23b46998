#include "atextfilter.h"

#include <algorithm>
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

} // namespace

ATextFilter::ATextFilter(const QString& pattern)
    : m_pattern(pattern)
{
    const QString folded = fold(pattern);
    const QList<Token> tokens = tokenize(folded);
    m_wildcards = std::any_of(tokens.cbegin(), tokens.cend(), [](const Token& t) {
        return t.kind != Token::Kind::Char || t.c == u'*';
    });
    if (!m_wildcards) {
        m_plain = folded;
        return;
    }
    Piece piece;
    for (const Token& token : tokens) {
        if (token.kind == Token::Kind::Char && token.c == u'*') {
            if (!piece.tokens.isEmpty())
                m_pieces << piece;
            piece = Piece();
            continue;
        }
        piece.tokens << token;
        if (token.kind == Token::Kind::Char)
            piece.literal += QChar(token.c);
        else
            piece.plain = false;
    }
    if (!piece.tokens.isEmpty())
        m_pieces << piece;
}

// '*' is left as a character: the caller cuts the pattern there.
QList<ATextFilter::Token> ATextFilter::tokenize(QStringView folded)
{
    QList<Token> tokens;
    for (qsizetype i = 0; i < folded.size(); ++i) {
        Token token;
        const char16_t c = folded[i].unicode();
        if (c == u'?') {
            token.kind = Token::Kind::Any;
        } else if (c == u'[') {
            qsizetype at = i + 1;
            token.negated = at < folded.size() && (folded[at] == u'!' || folded[at] == u'^');
            if (token.negated)
                ++at;
            const qsizetype first = at;
            // a ']' right after the opening stands for itself
            const qsizetype close = folded.indexOf(u']', first + 1);
            if (first >= folded.size() || close < 0) {
                token.c = c; // not closed: a plain "["
                tokens << token;
                continue;
            }
            token.kind = Token::Kind::Set;
            for (qsizetype m = first; m < close; ++m) {
                const char16_t from = folded[m].unicode();
                if (m + 2 < close && folded[m + 1] == u'-') {
                    token.ranges.append({from, folded[m + 2].unicode()});
                    m += 2;
                } else {
                    token.ranges.append({from, from});
                }
            }
            i = close;
        } else {
            token.c = c;
        }
        tokens << token;
    }
    return tokens;
}

bool ATextFilter::Token::matches(char16_t text) const
{
    switch (kind) {
    case Kind::Char: return text == c;
    case Kind::Any: return true;
    case Kind::Set: break;
    }
    const bool inSet = std::any_of(ranges.cbegin(), ranges.cend(), [text](const QPair<char16_t, char16_t>& r) {
        return text >= r.first && text <= r.second;
    });
    return inSet != negated;
}

void ATextFilter::appendFolded(QStringView text, QString& out)
{
    const FoldTable& table = foldTable();
    // Written in place: nearly every character folds to exactly one.
    const qsizetype start = out.size();
    out.resize(start + text.size());
    QChar* to = out.data() + start;
    qsizetype i = 0;
    for (; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u < 0x80)
            *to++ = QChar((u >= u'A' && u <= u'Z') ? char16_t(u + 32) : u);
        else if (u < kTableEnd && table.one[u])
            *to++ = QChar(table.one[u]);
        else
            break;
    }
    out.truncate(to - out.constData());
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        const char16_t u = c.unicode();
        if (u < 0x80)
            out += (u >= u'A' && u <= u'Z') ? QChar(u + 32) : c;
        else if (u < kTableEnd && table.one[u])
            out += QChar(table.one[u]);
        else if (u < kTableEnd)
            out += table.several[u];
        else if (c.isSurrogate())
            out += c;
        else
            out += foldSlowly(c);
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

// Where a piece first matches in cell from position `from`, or -1.
qsizetype ATextFilter::indexIn(QStringView cell, const Piece& piece, qsizetype from)
{
    if (piece.plain)
        return cell.indexOf(piece.literal, from);
    const qsizetype last = cell.size() - piece.tokens.size();
    for (qsizetype at = from; at <= last; ++at) {
        qsizetype i = 0;
        while (i < piece.tokens.size() && piece.tokens.at(i).matches(cell[at + i].unicode()))
            ++i;
        if (i == piece.tokens.size())
            return at;
    }
    return -1;
}

// The pieces in their order, each after the last: the '*' between them
// takes whatever lies between.
bool ATextFilter::matchesCell(QStringView cell) const
{
    qsizetype from = 0;
    for (const Piece& piece : m_pieces) {
        const qsizetype at = indexIn(cell, piece, from);
        if (at < 0)
            return false;
        from = at + piece.tokens.size();
    }
    return true;
}
