#ifndef ATEXTFILTER_H
#define ATEXTFILTER_H

#include <QString>
#include <QStringList>
#include <QStringView>

// A search text as people type it into a list's filter field. Letter case
// and accents are ignored ("garcia" finds "García", "nunez" finds "Núñez");
// '*' stands for any run of characters and '?' for any one character, both
// within one cell; every other character, "[" included, stands for itself,
// so no text typed is ever an invalid pattern.
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
    bool matchesCell(QStringView cell) const;

    QString m_pattern;
    // The folded pattern when it holds no wildcard, else empty.
    QString m_plain;
    // The folded pattern cut at each '*', empty pieces left out.
    QStringList m_pieces;
    bool m_wildcards = false;
};

#endif // ATEXTFILTER_H
