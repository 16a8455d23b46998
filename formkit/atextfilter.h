#ifndef ATEXTFILTER_H
#define ATEXTFILTER_H

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QStringView>

// A search text as people type it into a list's filter field. Letter case
// and accents are ignored ("garcia" finds "García", "nunez" finds "Núñez");
// within one cell, '*' stands for any run of characters, '?' for any one
// character and a closed set such as "[abc]", "[a-z]" or "[!0-9]" for one
// character of it (or not of it). Whatever else is typed stands for itself,
// an unclosed "[" included, so that no text is ever an invalid pattern.
// The texts searched are given folded (fold()): a list folds each row once
// and matches every keystroke's filter against that.
class ATextFilter
{
public:
    // Joins the folded cells of one row; no match runs across it.
    static constexpr char16_t kCellSeparator = u'\x1f';

    explicit ATextFilter(const QString& pattern = QString());

    // An empty filter lets every text through.
    bool isEmpty() const { return m_pattern.isEmpty(); }
    const QString& pattern() const { return m_pattern; }

    // Whether a folded text (one cell, or cells joined by kCellSeparator)
    // matches somewhere.
    bool matches(QStringView folded) const;

    // The text in lower case and without accents: "Núñez" gives "nunez".
    static QString fold(QStringView text);
    static void appendFolded(QStringView text, QString& out);

private:
    // One character of a pattern: itself, any ('?'), or one of a set.
    struct Token
    {
        enum class Kind { Char, Any, Set } kind = Kind::Char;
        char16_t c = 0;
        QList<QPair<char16_t, char16_t>> ranges; // of a set; a single character is a range of one
        bool negated = false;

        bool matches(char16_t text) const;
    };
    // What lies between two '*': found with a plain search when it is only
    // characters.
    struct Piece
    {
        QString literal;
        QList<Token> tokens;
        bool plain = true;
    };

    static QList<Token> tokenize(QStringView folded);
    static qsizetype indexIn(QStringView cell, const Piece& piece, qsizetype from);
    bool matchesCell(QStringView cell) const;

    QString m_pattern;
    // The folded pattern when it holds no wildcard, else empty.
    QString m_plain;
    QList<Piece> m_pieces;
    bool m_wildcards = false;
};

#endif // ATEXTFILTER_H
