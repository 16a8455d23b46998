#ifndef AVALUEKEYS_H
#define AVALUEKEYS_H

#include <QtGlobal>

// What a flat table model may tell its sorting and filtering proxy so that
// the proxy converts, folds and collates each distinct value of a column
// once rather than once per row: a model of a year of bills holds the same
// student, concept and date thousands of times.
// The proxy reads valueKey() and data() from several threads at once, while
// the GUI thread waits and the model is unchanged: neither may change the
// model, not even a cache of its own.
class AValueKeys
{
public:
    virtual ~AValueKeys() = default;

    // A number that two rows of one column share exactly when their cells
    // hold the same values for every role the model answers.
    virtual qint64 valueKey(int row, int column) const = 0;

    // Whether every cell of the column sorts under ARole::Sort by a number
    // that sortNumber() tells without building the cell's value: a column of
    // numbers, dates or flags with no empty cell. A year of bills has tens of
    // thousands of distinct numbers and amounts.
    virtual bool sortsByNumber(int column) const
    {
        Q_UNUSED(column)
        return false;
    }
    // That number, as the proxy would take it from the value: a date's
    // Julian day, a flag's 0 or 1.
    virtual double sortNumber(int row, int column) const
    {
        Q_UNUSED(row)
        Q_UNUSED(column)
        return 0;
    }
};

#endif // AVALUEKEYS_H
