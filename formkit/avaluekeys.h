#ifndef AVALUEKEYS_H
#define AVALUEKEYS_H

#include <QtGlobal>

// What a flat table model may tell its sorting and filtering proxy so that
// the proxy converts, folds and collates each distinct value of a column
// once rather than once per row: a model of a year of bills holds the same
// student, concept and date thousands of times.
class AValueKeys
{
public:
    virtual ~AValueKeys() = default;

    // A number that two rows of one column share exactly when their cells
    // hold the same values for every role the model answers.
    virtual qint64 valueKey(int row, int column) const = 0;
};

#endif // AVALUEKEYS_H
